#include "LMDesignStyleImpl.h"

#include "LMXMLBuilder.h"
#include "LMXMLLoader.h"

#include <QStringList>

namespace {
const QString STR_DESIGN_STYLE_V2 = QStringLiteral("designStyleV2");
const QString STR_PAGES = QStringLiteral("pages");
const QString STR_TEMPLATES = QStringLiteral("templates");
const QString STR_RULESETS = QStringLiteral("rulesets");
const QString STR_JSON_SUFFIX = QStringLiteral(".json");

// The child of that name; without one the warning that names it and a null element.
QDomElement requiredChild(const QDomElement& theRoot, const QString& theTagName)
{
    const QDomElement aChild = theRoot.firstChildElement(theTagName);
    if (aChild.isNull())
        qWarning("%s", qUtf8Printable(QStringLiteral("element '%1' not found").arg(theTagName)));
    return aChild;
}
} // namespace

LMDesignStyleImpl::LMDesignStyleImpl(const QFileInfo& theFile)
    : mySourceFile(theFile), myDirectory(theFile.absoluteDir())
{
    readData();
}

LMDesignStyleImpl::LMDesignStyleImpl(const LMDesignStyleHeader& theHeader, const LMDesignStylePages& thePages,
                                     const LMDesignStyleRuleSets& theRuleSets,
                                     const LMDesignStyleTemplates& theTemplates)
    : myPages(thePages), myTemplates(theTemplates), myRuleSets(theRuleSets), myNull(false)
{
    setHeader(theHeader);
}

QFileInfo LMDesignStyleImpl::metaDataFile(const QFileInfo& theStyleFile)
{
    return QFileInfo(theStyleFile.absoluteDir(), theStyleFile.completeBaseName() + STR_JSON_SUFFIX);
}

void LMDesignStyleImpl::readData()
{
    const QDomDocument aDocument = LMXMLLoader::loadDocument(mySourceFile);
    // The loader has said why a file gives no document.
    if (aDocument.isNull())
        return;
    const QDomElement aRoot = aDocument.documentElement();
    if (aRoot.tagName() != STR_DESIGN_STYLE_V2) {
        qWarning(
            "%s",
            qUtf8Printable(
                QStringLiteral("wrong element. Expected: '%1'; found '%2'").arg(STR_DESIGN_STYLE_V2, aRoot.tagName())));
        return;
    }
    myNull = false;
    setHeader(LMDesignStyleHeader(aRoot, metaDataFile(mySourceFile)));
    myPages = LMDesignStylePages(requiredChild(aRoot, STR_PAGES));
    myTemplates = LMDesignStyleTemplates(requiredChild(aRoot, STR_TEMPLATES));
    myRuleSets = LMDesignStyleRuleSets(requiredChild(aRoot, STR_RULESETS));
    myPageNumbers = LMDesignStylePageNumbers(aRoot);
}

QDomDocument LMDesignStyleImpl::document() const
{
    if (myNull || mySourceFile.filePath().isEmpty())
        return QDomDocument();
    return LMXMLLoader::loadDocument(mySourceFile);
}

void LMDesignStyleImpl::setHeader(const LMDesignStyleHeader& theHeader)
{
    myHeader = theHeader;
    myMetaData = theHeader.metaData();
    myPageBinding = theHeader.pageBinding();
}

QDomDocument LMDesignStyleImpl::buildXML(const QFileInfo& theTarget) const
{
    Q_UNUSED(theTarget) // the file names no other file: nothing is written relative to it
    QDomDocument aDocument;
    QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, STR_DESIGN_STYLE_V2);
    myHeader.buildXML(aRoot);
    myPages.buildXML(aRoot);
    myTemplates.buildXML(aRoot);
    myRuleSets.buildXML(aRoot);
    myPageNumbers.buildXML(aRoot);
    return aDocument;
}

bool LMDesignStyleImpl::save(const QFileInfo& theTarget) const
{
    return LMXMLBuilder::saveUTF8(buildXML(theTarget), theTarget) && myHeader.metaData().save(metaDataFile(theTarget));
}

QString LMDesignStyleImpl::toDebugString() const
{
    QStringList aLines { myHeader.toDebugString(), myPages.toDebugString(), myTemplates.toDebugString() };
    if (!myRuleSets.isEmpty())
        aLines << myRuleSets.toDebugString();
    aLines << myPageNumbers.toDebugString();
    return aLines.join(QLatin1Char('\n'));
}

bool operator==(const LMDesignStyleImpl& theA, const LMDesignStyleImpl& theB)
{
    return theA.myNull == theB.myNull && theA.myHeader == theB.myHeader && theA.myPages == theB.myPages
        && theA.myTemplates == theB.myTemplates && theA.myRuleSets == theB.myRuleSets
        && theA.myPageNumbers == theB.myPageNumbers;
}
