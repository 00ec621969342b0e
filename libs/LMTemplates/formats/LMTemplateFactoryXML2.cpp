#include "LMTemplateFactoryXML2.h"

#include "LMCategoryType.h"
#include "LMDesignElementID.h"
#include "LMSmartLayoutRegistration.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateIO.h"
#include "LMTemplatesLogging.h"
#include "LMUnconfiguredTemplate.h"
#include "LMXMLLoader.h"
#include "LMXMLParserTemplate.h"

#include <QDomDocument>
#include <QDomElement>

namespace {
const QString STR_LAYOUT_COLLECTION = QStringLiteral("layoutcollection");
const QString STR_ENABLED = QStringLiteral("enabled");
const QString STR_VERSION = QStringLiteral("version");
const QString STR_XML_TEXT = QStringLiteral("<xml text>");

std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>
copySmartLayout(const LMTemplateAreaDefinitionSmartLayout& theOther)
{
    std::unique_ptr<LMTemplateAreaDefinition> aClone = theOther.clone();
    return std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>(
        static_cast<LMTemplateAreaDefinitionSmartLayout*>(aClone.release()));
}
} // namespace

LMTemplateFactoryXML2::LMTemplateFactoryXML2(const QDomElement& theFilterElement)
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

LMUnconfiguredTemplateList LMTemplateFactoryXML2::buildTemplates(const QDomElement& theTemplates2Element,
                                                                 const QString& theBasePath,
                                                                 const LMDesignElementMetaData& theMetaData) const
{
    LMUnconfiguredTemplateList aResult;
    if (theTemplates2Element.isNull())
        return aResult;
    const LMDesignElementID aCollectionId
        = theTemplates2Element.attribute(LMTemplateIO::WORD_TYPE).toLower() == STR_LAYOUT_COLLECTION
        ? LMDesignElementID::fromXmlAttribute(theTemplates2Element)
        : LMDesignElementID();

    std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> aSmartLayout;
    const QDomElement aSmartElement = theTemplates2Element.firstChildElement(LMTemplateIO::WORD_SMART_LAYOUT);
    if (!aSmartElement.isNull())
        aSmartLayout = std::make_unique<LMTemplateAreaDefinitionSmartLayout>(
            aSmartElement, QSizeF(LMXMLParserTemplate::readTotalSize(aSmartElement)), theBasePath);

    qsizetype aCount = 0;
    for (QDomElement aTemplate = theTemplates2Element.firstChildElement(LMTemplateIO::WORD_TEMPLATE);
         !aTemplate.isNull(); aTemplate = aTemplate.nextSiblingElement(LMTemplateIO::WORD_TEMPLATE)) {
        if (++aCount > ourMaximumTemplates) {
            qCWarning(lcFormats).noquote()
                << QStringLiteral("a layout block at line %1 holds more than %2 templates: the rest is left out")
                       .arg(theTemplates2Element.lineNumber())
                       .arg(ourMaximumTemplates);
            break;
        }
        aResult.append(buildLayoutTemplate(aTemplate, theBasePath, aCollectionId, theMetaData, aSmartLayout.get()));
    }

    if (aSmartLayout && !aResult.isEmpty()) {
        aSmartLayout->setCategorization(aResult.first()->categorization());
        if (LMSmartLayoutRegistration* aRegistration = LMSmartLayoutRegistration::installed())
            aRegistration->addSmartLayout(std::move(aSmartLayout));
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
    const QDomElement& theTemplateElement, const QString& theBasePath, const LMDesignElementID& theCollectionId,
    const LMDesignElementMetaData& theMetaData, const LMTemplateAreaDefinitionSmartLayout* theSmartLayout) const
{
    auto aTemplate = std::make_unique<LMTemplate>(LMJigType(LMJigTypeEnum::Layout));
    aTemplate->setMetaData(theMetaData);
    aTemplate->setName(attribute(theTemplateElement, LMTemplateIO::WORD_NAME));
    aTemplate->setAutoThumbSetting(LMAutoThumbOption(LMAutoThumbOptionEnum::Automatic));
    aTemplate->setUserLayout(false);
    aTemplate->fileInfo().setFilePath(theBasePath);

    aTemplate->setSort(intAttribute(theTemplateElement, LMTemplateIO::WORD_SORT, 0));
    aTemplate->setUsableByAssistant(boolAttribute(theTemplateElement, LMTemplateIO::WORD_USABLE_BY_ASSISTANT, true));
    aTemplate->setLocksLayout(boolAttribute(theTemplateElement, LMTemplateIO::WORD_LOCKS_LAYOUT, false));
    aTemplate->setViewAngle(
        LMAngle(normalizedViewAngle(intAttribute(theTemplateElement, LMTemplateIO::WORD_VIEW_ANGLE, 0))));
    aTemplate->setDesignElementID(theCollectionId.isValid() ? theCollectionId
                                                            : LMDesignElementID::fromXmlAttribute(theTemplateElement));

    bool aFilterSeen = false;
    for (QDomElement aChild = theTemplateElement.firstChildElement(); !aChild.isNull();
         aChild = aChild.nextSiblingElement()) {
        const QString aTag = aChild.tagName();
        if (aTag == LMTemplateIO::WORD_FILTER) {
            readFilter(aTemplate.get(), aChild);
            aFilterSeen = true;
        } else if (aTag == LMTemplateIO::WORD_LAYOUT) {
            const LMMirrorRule aMirrorRule = LMXMLParserTemplate::readMirrorRule(aChild);
            parseLayoutProperties(aChild, theTemplateElement, aTemplate.get(), theBasePath);
            aTemplate->setPossibleMirrorings(aMirrorRule);

            const QDomElement aSmartElement = aChild.firstChildElement(LMTemplateIO::WORD_SMART_LAYOUT);
            const QSizeF aPageSize(LMXMLParserTemplate::readTotalSize(aChild));
            std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> aSmartLayout;
            if (theSmartLayout) {
                aSmartLayout = copySmartLayout(*theSmartLayout);
                aSmartLayout->readXml(aSmartElement, aPageSize);
            } else if (!aSmartElement.isNull()) {
                aSmartLayout
                    = std::make_unique<LMTemplateAreaDefinitionSmartLayout>(aSmartElement, aPageSize, theBasePath);
            }
            if (theCollectionId.isValid() && boolAttribute(aSmartElement, STR_ENABLED, true))
                aTemplate->injectSmartLayout(std::move(aSmartLayout));
        } else {
            qWarning("%s", qPrintable(QStringLiteral("found unknown <") + aTag + QStringLiteral("> element")));
        }
    }
    if (!aFilterSeen)
        readFilter(aTemplate.get(), QDomElement());

    if (boolAttribute(theTemplateElement, LMTemplateIO::WORD_EXAMPLE, false)) {
        aTemplate->setThematicCategories(LMCategoryType(LMCategoryTypeEnum::Internal),
                                         LMThematicCategorySet { LMThematicCategory(aTemplate->name()) });
        aTemplate->setThematicCategories(LMCategoryType(LMCategoryTypeEnum::Theme),
                                         LMThematicCategorySet::createCategories01());
    }
    aTemplate->setMinimumProductSize(aTemplate->estimateMinimumProductSize(), true);
    return LMUnconfiguredTemplate::thisTemplateAndItsMirrors(LMUnconfiguredTemplate(aTemplate.release()));
}

void LMTemplateFactoryXML2::parseLayoutProperties(const QDomElement& theLayoutElement,
                                                  const QDomElement& theTemplateElement, LMTemplate* theTemplate,
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
