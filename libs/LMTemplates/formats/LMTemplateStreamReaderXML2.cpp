#include "LMTemplateStreamReaderXML2.h"

#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateIO.h"
#include "LMUnconfiguredTemplate.h"
#include "LMXMLElement.h"
#include "LMXMLLoader.h"

#include <QXmlStreamReader>

#include <optional>
#include <vector>

namespace {
const QString STR_COLLECTION = QStringLiteral("collection");
} // namespace

struct LMTemplateStreamReaderXML2::Private
{
    Private(const QString& theText, const QString& theName) : myText(theText), myName(theName), myReader(theText)
    {
        LMXMLLoader::prepareReader(myReader);
        if (LMXMLElement::readToDocumentElement(myReader))
            myRootTag = myReader.qualifiedName().toString();
    }

    // Reads the block the reader stands on, up to its end. Templates go to theResult, the smart
    // layout to the pending ones.
    void readBlock(QXmlStreamReader& theReader);
    // The second reading of a block whose filter or smart layout came late: its templates only,
    // with the block element as the first reading left it.
    void rereadBlock(qint64 theStart, const LMTemplateFactoryXML2& theFactory, LMTemplateFactoryXML2::Block& theBlock);
    // Reads the template element the reader stands on and builds it; the element is gone again
    // afterwards.
    bool addTemplate(QXmlStreamReader& theReader, const LMTemplateFactoryXML2& theFactory,
                     LMTemplateFactoryXML2::Block& theBlock);

    const QString myText;
    const QString myName;
    QXmlStreamReader myReader;
    QString myRootTag;
    QString myBasePath;
    LMDesignElementMetaData myMetaData;
    LMUnconfiguredTemplateList myResult;
    std::vector<std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>> mySmartLayouts;
};

LMTemplateStreamReaderXML2::LMTemplateStreamReaderXML2(const QString& theText, const QString& theNameForMessages)
    : d(std::make_unique<Private>(theText, theNameForMessages))
{
}

LMTemplateStreamReaderXML2::~LMTemplateStreamReaderXML2()
{
    d->myResult.deleteEntriesAndClear();
}

QString LMTemplateStreamReaderXML2::rootTag() const
{
    return d->myRootTag;
}

bool LMTemplateStreamReaderXML2::readsFile() const
{
    return !d->myRootTag.isEmpty() && LMTemplateFactoryXML2::isVersion2Root(d->myRootTag);
}

bool LMTemplateStreamReaderXML2::Private::addTemplate(QXmlStreamReader& theReader,
                                                      const LMTemplateFactoryXML2& theFactory,
                                                      LMTemplateFactoryXML2::Block& theBlock)
{
    const LMXMLElement anElement = LMXMLElement::read(theReader);
    return theReader.hasError() || theFactory.addTemplate(theBlock, anElement, myBasePath, myMetaData, myResult);
}

void LMTemplateStreamReaderXML2::Private::readBlock(QXmlStreamReader& theReader)
{
    // No "<" stands inside a start tag but the first: attribute values cannot hold one.
    const qint64 aStart = myText.lastIndexOf(u'<', theReader.characterOffset() - 1);
    LMXMLElement aShell = LMXMLElement::readShell(theReader);
    const qint64 aLine = theReader.lineNumber();
    const qsizetype aFirst = myResult.size();
    std::optional<LMTemplateFactoryXML2> aFactory;
    LMTemplateFactoryXML2::Block aBlock;
    bool aFilterRead = false;
    bool aSmartLayoutRead = false;
    bool aLate = false;
    bool aFull = false;
    while (!theReader.atEnd()) {
        const QXmlStreamReader::TokenType aToken = theReader.readNext();
        if (aToken == QXmlStreamReader::EndElement)
            break;
        if (aToken != QXmlStreamReader::StartElement)
            continue;
        const QStringView aTag = theReader.qualifiedName();
        bool* aRead = aTag == LMTemplateIO::WORD_FILTER ? &aFilterRead
            : aTag == LMTemplateIO::WORD_SMART_LAYOUT   ? &aSmartLayoutRead
                                                        : nullptr;
        if (aRead && !*aRead) {
            aShell.appendChild(LMXMLElement::read(theReader));
            *aRead = true;
            aLate = aLate || aFactory.has_value();
        } else if (aTag == LMTemplateIO::WORD_TEMPLATE && !aLate && !aFull) {
            if (!aFactory) {
                aFactory.emplace(aShell.firstChildElement(LMTemplateIO::WORD_FILTER));
                aFactory->setTemplateRevision(LMTemplateFactoryXML2::blockRevision(aShell));
                aBlock = aFactory->beginBlock(aShell, myBasePath, aLine, myName);
            }
            aFull = !addTemplate(theReader, *aFactory, aBlock);
        } else {
            theReader.skipCurrentElement();
        }
    }
    if (theReader.hasError())
        return;
    if (aLate) {
        // Build the block again, from its start, with the filter and smart layout it has.
        for (qsizetype anIndex = aFirst; anIndex < myResult.size(); ++anIndex)
            myResult[anIndex].deleteTemplate();
        myResult.remove(aFirst, myResult.size() - aFirst);
        aFactory.emplace(aShell.firstChildElement(LMTemplateIO::WORD_FILTER));
        aFactory->setTemplateRevision(LMTemplateFactoryXML2::blockRevision(aShell));
        aBlock = aFactory->beginBlock(aShell, myBasePath, aLine, myName);
        rereadBlock(aStart, *aFactory, aBlock);
    }
    if (aFactory)
        mySmartLayouts.push_back(LMTemplateFactoryXML2::endBlock(aBlock));
}

void LMTemplateStreamReaderXML2::Private::rereadBlock(qint64 theStart, const LMTemplateFactoryXML2& theFactory,
                                                      LMTemplateFactoryXML2::Block& theBlock)
{
    // The block ends before the rest of the text does; the reader stops at the block's end.
    QXmlStreamReader aReader(QStringView(myText).sliced(theStart).toString());
    LMXMLLoader::prepareReader(aReader);
    LMXMLElement::readToDocumentElement(aReader);
    LMXMLElement::readChildren(aReader, LMTemplateIO::WORD_TEMPLATE, [&](const LMXMLElement& theTemplate) {
        theFactory.addTemplate(theBlock, theTemplate, myBasePath, myMetaData, myResult);
    });
}

std::optional<LMUnconfiguredTemplateList> LMTemplateStreamReaderXML2::read(const QString& theBasePath,
                                                                           const LMDesignElementMetaData& theMetaData)
{
    if (!readsFile())
        return LMUnconfiguredTemplateList();
    d->myBasePath = theBasePath;
    d->myMetaData = theMetaData;
    QXmlStreamReader& aReader = d->myReader;
    if (d->myRootTag == LMTemplateIO::WORD_TEMPLATE) {
        const LMXMLElement aRoot = LMXMLElement::read(aReader);
        if (!aReader.hasError())
            d->myResult = LMTemplateFactoryXML2().buildLayoutTemplate(aRoot, theBasePath, LMDesignElementID(),
                                                                      LMDesignElementMetaData(), nullptr);
    } else if (d->myRootTag == LMTemplateIO::WORD_TEMPLATES2) {
        d->readBlock(aReader);
    } else {
        while (!aReader.atEnd()) {
            const QXmlStreamReader::TokenType aToken = aReader.readNext();
            if (aToken == QXmlStreamReader::EndElement)
                break;
            if (aToken == QXmlStreamReader::StartElement) {
                if (aReader.qualifiedName() == LMTemplateIO::WORD_TEMPLATES2)
                    d->readBlock(aReader);
                else
                    aReader.skipCurrentElement();
            }
        }
    }
    if (!LMXMLElement::readToEnd(aReader)) {
        LMXMLLoader::warnMalformed(d->myName, aReader);
        d->myResult.deleteEntriesAndClear();
        d->mySmartLayouts.clear();
        return std::nullopt;
    }
    for (std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>& aSmartLayout : d->mySmartLayouts)
        LMTemplateFactoryXML2::registerSmartLayout(std::move(aSmartLayout));
    d->mySmartLayouts.clear();
    return std::exchange(d->myResult, LMUnconfiguredTemplateList());
}
