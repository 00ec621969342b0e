#include "LMTemplateFactoryXML2.h"

#include "LMCategoryType.h"
#include "LMDesignElementID.h"
#include "LMSmartLayoutRegistration.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateIO.h"
#include "LMTemplatesLogging.h"
#include "LMUnconfiguredTemplate.h"
#include "LMXMLElement.h"
#include "LMXMLLoader.h"
#include "LMXMLParserTemplate.h"

#include <QDomDocument>
#include <QDomElement>

namespace {
const QString STR_LAYOUT_COLLECTION = QStringLiteral("layoutcollection");
const QString STR_ENABLED = QStringLiteral("enabled");
const QString STR_VERSION = QStringLiteral("version");
const QString STR_COLLECTION = QStringLiteral("collection");
const QString STR_XML_TEXT = QStringLiteral("<xml text>");

std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>
copySmartLayout(const LMTemplateAreaDefinitionSmartLayout& theOther)
{
    std::unique_ptr<LMTemplateAreaDefinition> aClone = theOther.clone();
    return std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>(
        static_cast<LMTemplateAreaDefinitionSmartLayout*>(aClone.release()));
}
} // namespace

LMTemplateFactoryXML2::LMTemplateFactoryXML2(const LMXMLElement& theFilterElement)
    : LMTemplateFactoryXMLAbstract(theFilterElement)
{
}

int LMTemplateFactoryXML2::normalizedViewAngle(int theDegrees)
{
    // Widened so that the smallest int cannot overflow on negation.
    const qint64 aDegrees = theDegrees;
    const qint64 aResult = aDegrees >= 0 ? aDegrees % 360 : 360 - (-aDegrees % 360);
    return aResult == 360 ? 0 : int(aResult);
}

LMTemplateFactoryXML2::Block::Block() = default;
LMTemplateFactoryXML2::Block::Block(Block&&) noexcept = default;
LMTemplateFactoryXML2::Block& LMTemplateFactoryXML2::Block::operator=(Block&&) noexcept = default;
LMTemplateFactoryXML2::Block::~Block() = default;

LMTemplateFactoryXML2::Block LMTemplateFactoryXML2::beginBlock(const LMXMLElement& theTemplates2Element,
                                                               const QString& theBasePath, qint64 theLine,
                                                               const QString& theFile) const
{
    Block aBlock;
    aBlock.myLine = theLine > 0 ? theLine : theTemplates2Element.lineNumber();
    aBlock.myFile = theFile;
    if (theTemplates2Element.attribute(LMTemplateIO::WORD_TYPE).toLower() == STR_LAYOUT_COLLECTION)
        aBlock.myCollectionId = LMDesignElementID::fromXmlAttribute(theTemplates2Element);
    const LMXMLElement aSmartElement = theTemplates2Element.firstChildElement(LMTemplateIO::WORD_SMART_LAYOUT);
    if (!aSmartElement.isNull())
        aBlock.mySmartLayout = std::make_unique<LMTemplateAreaDefinitionSmartLayout>(
            aSmartElement, QSizeF(LMXMLParserTemplate::readTotalSize(aSmartElement)), theBasePath);
    return aBlock;
}

bool LMTemplateFactoryXML2::addTemplate(Block& theBlock, const LMXMLElement& theTemplateElement,
                                        const QString& theBasePath, const LMDesignElementMetaData& theMetaData,
                                        LMUnconfiguredTemplateList& theResult) const
{
    if (theBlock.myCount == ourMaximumTemplates) {
        ++theBlock.myCount;
        qCWarning(lcFormats).noquote()
            << QStringLiteral("a layout block at line %1%2 holds more than %3 templates: the rest is left out")
                   .arg(theBlock.myLine)
                   .arg(theBlock.myFile.isEmpty() ? QString() : QStringLiteral(" of ") + theBlock.myFile)
                   .arg(ourMaximumTemplates);
    }
    if (theBlock.myCount > ourMaximumTemplates)
        return false;
    theBlock.myFileInfo.setFilePath(theBasePath); // a change only for the block's first template
    const LMUnconfiguredTemplateList aTemplates = buildLayoutTemplate(
        theTemplateElement, theBlock.myFileInfo, theBlock.myCollectionId, theMetaData, theBlock.mySmartLayout.get());
    if (theBlock.myCount++ == 0 && theBlock.mySmartLayout && !aTemplates.isEmpty())
        theBlock.mySmartLayout->setCategorization(aTemplates.first()->categorization());
    theResult.append(aTemplates);
    return true;
}

std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> LMTemplateFactoryXML2::endBlock(Block& theBlock)
{
    if (theBlock.myCount == 0)
        return nullptr;
    return std::move(theBlock.mySmartLayout);
}

void LMTemplateFactoryXML2::registerSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout)
{
    if (!theSmartLayout)
        return;
    if (LMSmartLayoutRegistration* aRegistration = LMSmartLayoutRegistration::installed())
        aRegistration->addSmartLayout(std::move(theSmartLayout));
}

LMUnconfiguredTemplateList LMTemplateFactoryXML2::buildTemplates(const LMXMLElement& theTemplates2Element,
                                                                 const QString& theBasePath,
                                                                 const LMDesignElementMetaData& theMetaData) const
{
    LMUnconfiguredTemplateList aResult;
    if (theTemplates2Element.isNull())
        return aResult;
    Block aBlock = beginBlock(theTemplates2Element, theBasePath);
    for (LMXMLElement aTemplate = theTemplates2Element.firstChildElement(LMTemplateIO::WORD_TEMPLATE);
         !aTemplate.isNull(); aTemplate = aTemplate.nextSiblingElement(LMTemplateIO::WORD_TEMPLATE)) {
        if (!addTemplate(aBlock, aTemplate, theBasePath, theMetaData, aResult))
            break;
    }
    registerSmartLayout(endBlock(aBlock));
    return aResult;
}

bool LMTemplateFactoryXML2::isVersion2Root(QStringView theTagName)
{
    return theTagName == LMTemplateIO::WORD_TEMPLATES2 || theTagName == LMTemplateIO::WORD_TEMPLATE
        || theTagName == STR_COLLECTION;
}

int LMTemplateFactoryXML2::blockRevision(const LMXMLElement& theTemplates2Element)
{
    bool anOk = false;
    const int aRevision = theTemplates2Element.attribute(STR_VERSION).toInt(&anOk);
    return anOk ? aRevision : 1;
}

LMUnconfiguredTemplateList LMTemplateFactoryXML2::buildFileTemplates(const LMXMLElement& theRoot,
                                                                     const QString& theBasePath,
                                                                     const LMDesignElementMetaData& theMetaData)
{
    const QStringView aTag = theRoot.tagName();
    if (aTag == LMTemplateIO::WORD_TEMPLATE)
        return LMTemplateFactoryXML2().buildLayoutTemplate(theRoot, theBasePath, LMDesignElementID(),
                                                           LMDesignElementMetaData(), nullptr);
    LMUnconfiguredTemplateList aResult;
    const auto aBuildBlock = [&](const LMXMLElement& theBlock) {
        LMTemplateFactoryXML2 aFactory(theBlock.firstChildElement(LMTemplateIO::WORD_FILTER));
        aFactory.setTemplateRevision(blockRevision(theBlock));
        aResult.append(aFactory.buildTemplates(theBlock, theBasePath, theMetaData));
    };
    if (aTag == LMTemplateIO::WORD_TEMPLATES2) {
        aBuildBlock(theRoot);
    } else if (aTag == STR_COLLECTION) {
        for (LMXMLElement aBlock = theRoot.firstChildElement(LMTemplateIO::WORD_TEMPLATES2); !aBlock.isNull();
             aBlock = aBlock.nextSiblingElement(LMTemplateIO::WORD_TEMPLATES2))
            aBuildBlock(aBlock);
    }
    return aResult;
}

LMUnconfiguredTemplateList LMTemplateFactoryXML2::buildTemplates(const QDomDocument& theDocument,
                                                                 const QString& theBasePath,
                                                                 const LMDesignElementMetaData& theMetaData) const
{
    const QDomElement aRoot = theDocument.documentElement();
    if (aRoot.tagName() == LMTemplateIO::WORD_TEMPLATES2)
        return buildTemplates(aRoot, theBasePath, theMetaData);
    return buildTemplates(aRoot.firstChildElement(LMTemplateIO::WORD_TEMPLATES2), theBasePath, theMetaData);
}

LMUnconfiguredTemplateList LMTemplateFactoryXML2::buildTemplates(const QString& theXmlText)
{
    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(theXmlText.toUtf8(), STR_XML_TEXT);
    QDomElement aRoot = aDocument.documentElement();
    if (aRoot.tagName() != LMTemplateIO::WORD_TEMPLATES2)
        aRoot = aRoot.firstChildElement(LMTemplateIO::WORD_TEMPLATES2);
    if (aRoot.isNull())
        return LMUnconfiguredTemplateList();
    LMTemplateFactoryXML2 aFactory(aRoot.firstChildElement(LMTemplateIO::WORD_FILTER));
    aFactory.setTemplateRevision(intAttribute(aRoot, STR_VERSION, 1));
    return aFactory.buildTemplates(aRoot, QString(), LMDesignElementMetaData());
}

LMUnconfiguredTemplateList LMTemplateFactoryXML2::buildLayoutTemplate(
    const LMXMLElement& theTemplateElement, const QString& theBasePath, const LMDesignElementID& theCollectionId,
    const LMDesignElementMetaData& theMetaData, const LMTemplateAreaDefinitionSmartLayout* theSmartLayout) const
{
    LMTemplateFileInfo aFileInfo;
    aFileInfo.setFilePath(theBasePath);
    return buildLayoutTemplate(theTemplateElement, aFileInfo, theCollectionId, theMetaData, theSmartLayout);
}

LMUnconfiguredTemplateList LMTemplateFactoryXML2::buildLayoutTemplate(
    const LMXMLElement& theTemplateElement, const LMTemplateFileInfo& theFileInfo,
    const LMDesignElementID& theCollectionId, const LMDesignElementMetaData& theMetaData,
    const LMTemplateAreaDefinitionSmartLayout* theSmartLayout) const
{
    auto aTemplate = std::make_unique<LMTemplate>(LMJigType(LMJigTypeEnum::Layout));
    aTemplate->setMetaData(theMetaData);
    aTemplate->setName(attribute(theTemplateElement, LMTemplateIO::WORD_NAME));
    aTemplate->setAutoThumbSetting(LMAutoThumbOption(LMAutoThumbOptionEnum::Automatic));
    aTemplate->setUserLayout(false);
    aTemplate->setFileInfo(theFileInfo);
    const QString& aBasePath = theFileInfo.filePath();

    aTemplate->setSort(intAttribute(theTemplateElement, LMTemplateIO::WORD_SORT, 0));
    aTemplate->setUsableByAssistant(boolAttribute(theTemplateElement, LMTemplateIO::WORD_USABLE_BY_ASSISTANT, true));
    aTemplate->setLocksLayout(boolAttribute(theTemplateElement, LMTemplateIO::WORD_LOCKS_LAYOUT, false));
    aTemplate->setViewAngle(
        LMAngle(normalizedViewAngle(intAttribute(theTemplateElement, LMTemplateIO::WORD_VIEW_ANGLE, 0))));
    aTemplate->setDesignElementID(theCollectionId.isValid() ? theCollectionId
                                                            : LMDesignElementID::fromXmlAttribute(theTemplateElement));

    bool aFilterSeen = false;
    for (LMXMLElement aChild = theTemplateElement.firstChildElement(); !aChild.isNull();
         aChild = aChild.nextSiblingElement()) {
        const QString aTag = aChild.tagName().toString();
        if (aTag == LMTemplateIO::WORD_FILTER) {
            readFilter(aTemplate.get(), aChild);
            aFilterSeen = true;
        } else if (aTag == LMTemplateIO::WORD_LAYOUT) {
            const LMMirrorRule aMirrorRule = LMXMLParserTemplate::readMirrorRule(aChild);
            parseLayoutProperties(aChild, theTemplateElement, aTemplate.get(), aBasePath);
            aTemplate->setPossibleMirrorings(aMirrorRule);

            const LMXMLElement aSmartElement = aChild.firstChildElement(LMTemplateIO::WORD_SMART_LAYOUT);
            const QSizeF aPageSize(LMXMLParserTemplate::readTotalSize(aChild));
            std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> aSmartLayout;
            if (theSmartLayout) {
                aSmartLayout = copySmartLayout(*theSmartLayout);
                aSmartLayout->readXml(aSmartElement, aPageSize);
            } else if (!aSmartElement.isNull()) {
                aSmartLayout
                    = std::make_unique<LMTemplateAreaDefinitionSmartLayout>(aSmartElement, aPageSize, aBasePath);
            }
            if (theCollectionId.isValid() && boolAttribute(aSmartElement, STR_ENABLED, true))
                aTemplate->injectSmartLayout(std::move(aSmartLayout));
        } else {
            qWarning("%s", qPrintable(QStringLiteral("found unknown <") + aTag + QStringLiteral("> element")));
        }
    }
    if (!aFilterSeen)
        readFilter(aTemplate.get(), LMXMLElement());

    if (boolAttribute(theTemplateElement, LMTemplateIO::WORD_EXAMPLE, false)) {
        aTemplate->setThematicCategories(LMCategoryType(LMCategoryTypeEnum::Internal),
                                         LMThematicCategorySet { LMThematicCategory(aTemplate->name()) });
        aTemplate->setThematicCategories(LMCategoryType(LMCategoryTypeEnum::Theme),
                                         LMThematicCategorySet::createCategories01());
    }
    aTemplate->setMinimumProductSize(aTemplate->estimateMinimumProductSize(), true);
    return LMUnconfiguredTemplate::thisTemplateAndItsMirrors(LMUnconfiguredTemplate(aTemplate.release()));
}

void LMTemplateFactoryXML2::parseLayoutProperties(const LMXMLElement& theLayoutElement,
                                                  const LMXMLElement& theTemplateElement, LMTemplate* theTemplate,
                                                  const QString& theBasePath) const
{
    const bool aUserLayout = boolAttribute(theTemplateElement, LMTemplateIO::WORD_USER_LAYOUT, false);
    int aFix = LMXMLParserTemplate::NoFix;
    // Only layouts of the first revision, written before the editors agreed on positions and
    // rotation directions, need the fix; user layouts were always stored right.
    if (!aUserLayout && myTemplateRevision <= 1)
        aFix = boolAttribute(theTemplateElement, LMTemplateIO::WORD_FIX_ROTATION, false)
            ? LMXMLParserTemplate::FixPositionAndRotation
            : LMXMLParserTemplate::FixPosition;
    LMTemplateAreaDefinitionList anAreas = LMXMLParserTemplate::readAreas(theLayoutElement, theBasePath, aFix);
    if (theTemplate->locksLayout())
        anAreas.setLocked(true);
    theTemplate->setAreaDefinitions(std::move(anAreas));
    theTemplate->setUserLayout(aUserLayout);
    theTemplate->setTemplateLayerType(LMTemplateLayerTypeEnum::Layout);
    theTemplate->setDefaultRotation(LMTemplateDefaultTilt::fromXml(theTemplateElement));
    theTemplate->autoDetectCalendariumFlow();
}
