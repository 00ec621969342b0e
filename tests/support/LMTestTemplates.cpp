#include "LMTestTemplates.h"
#include "LMTestSupport.h"

#include "LMArticleList.h"
#include "LMArticlesGroup.h"
#include "LMArticleVariants.h"
#include "LMCategorization.h"
#include "LMDesignElementMetaData.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionFotoBackground.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateBackgroundDefinition.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateFrame.h"
#include "LMTemplateFrameGlass.h"
#include "LMTemplateWallholder.h"

#include <QDateTime>
#include <QDomDocument>

namespace LMTestSupport {

namespace {

template <typename Area> std::unique_ptr<Area> makeArea()
{
    return std::make_unique<Area>(LMRotatedRect(QRectF(100, 100, 200, 200)), LMAreaAbilityEnum::FotoDefault,
                                  LMAreaDecoration(), LMAreaPositioningConstraint(), LMImageFXs(), QSizeF(1000, 1000),
                                  LMAreaCreationRuleEnum::Layout);
}

std::unique_ptr<LMTemplateAreaDefinition> makeAreaOfKind(QChar theKind)
{
    switch (theKind.unicode()) {
    case 'f':
        return makeArea<LMTemplateAreaDefinitionFoto>();
    case 't':
        return makeArea<LMTemplateAreaDefinitionText>();
    case 'c':
        return makeArea<LMTemplateAreaDefinitionClipart>();
    case 'p':
        return makeArea<LMTemplateAreaDefinitionFotoBackground>();
    case 's':
        return makeArea<LMTemplateAreaDefinitionSmartLayout>();
    default:
        qFatal("unknown area kind %c", char(theKind.unicode()));
    }
}

// The jig type a description names: "jig=N", "B" (1) or, with "frame=" alone, a frame. It picks
// the template's class, so a frame, glass or wallholder word finds its kind.
LMJigType jigOf(const QStringList& theTokens)
{
    for (const QString& aToken : theTokens) {
        if (aToken.startsWith(QLatin1String("jig=")))
            return LMJigType::fromInt(aToken.mid(4).toInt());
        if (aToken == QLatin1String("B"))
            return LMJigType::fromInt(1);
    }
    const bool isFrame = std::any_of(theTokens.begin(), theTokens.end(),
                                     [](const QString& aToken) { return aToken.startsWith(QLatin1String("frame=")); });
    return isFrame ? LMJigType(LMJigTypeEnum::Frame) : LMJigType();
}

template <typename Kind> Kind& asKind(LMTemplate& theTemplate)
{
    auto* aKind = dynamic_cast<Kind*>(&theTemplate);
    if (!aKind)
        qFatal("template %s is not of the kind its words need", qPrintable(theTemplate.name()));
    return *aKind;
}

} // namespace

LMThematicCategorySet categorySet(const QString& theText)
{
    LMThematicCategorySet aSet;
    for (const QString& aName : theText.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        aSet.insert(LMThematicCategory(aName));
    return aSet;
}

LMTemplateBackgroundDefinition backgroundDefinition(const QString& theAttributes)
{
    QDomDocument aDocument;
    return LMTemplateBackgroundDefinition::fromXml(
        parseXml(aDocument, QStringLiteral("<template %1/>").arg(theAttributes)));
}

std::unique_ptr<LMTemplate> makeTemplate(const QString& theDescription)
{
    const QStringList aTokens = theDescription.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    auto aTemplate = LMTemplate::create(jigOf(aTokens));
    aTemplate->setName(aTokens.value(0));
    LMCategorization aCategorization;
    QString aBackgroundAttributes;
    bool isMultiColor = false;
    for (const QString& aToken : aTokens.mid(1)) {
        const QString aKey = aToken.section(QLatin1Char('='), 0, 0);
        const QString aValue = aToken.section(QLatin1Char('='), 1);
        if (aKey == QLatin1String("B")) {
            aTemplate->setJigType(LMJigType::fromInt(1));
            aTemplate->setTemplateLayerType(LMTemplateLayerType::fromInt(1));
        } else if (aKey == QLatin1String("jig"))
            aTemplate->setJigType(LMJigType::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("layer"))
            aTemplate->setTemplateLayerType(LMTemplateLayerType::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("id"))
            aTemplate->setDesignElementID(LMDesignElementID(aValue.toInt()));
        else if (aKey == QLatin1String("price"))
            aTemplate->setPriceClass(LMPriceClass::create(aValue));
        else if (aKey == QLatin1String("page"))
            aTemplate->setPageConstraint(LMPageConstraint(LMPageType::fromInt(aValue.toInt())));
        else if (aKey == QLatin1String("orient"))
            aTemplate->setSupportedOrientation(LMOrientation::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("mirror"))
            aTemplate->setPossibleMirrorings(LMMirrorRule::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("spot"))
            aTemplate->setSpotColorLayer(LMSpotColor::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("user"))
            aTemplate->setUserLayout(true);
        else if (aKey == QLatin1String("layout"))
            aTemplate->setHasLayout(true);
        else if (aKey == QLatin1String("inactive"))
            aTemplate->setActive(false);
        else if (aKey == QLatin1String("fav"))
            aCategorization.insert(LMCategoryTypeEnum::Internal, LMThematicCategory::favourites());
        else if (aKey == QLatin1String("cat"))
            aCategorization.insert(LMCategoryTypeEnum::Subcategory, categorySet(aValue));
        else if (aKey == QLatin1String("theme"))
            aCategorization.insert(LMCategoryTypeEnum::Theme, categorySet(aValue));
        else if (aKey == QLatin1String("art")) {
            LMArticleList anArticles;
            for (const QString& aName : aValue.split(QLatin1Char('|')))
                anArticles.append(LMArticle::fromOrderTxtName(aName));
            aTemplate->setArticleGroup(LMArticlesGroup(anArticles));
        } else if (aKey == QLatin1String("var"))
            aTemplate->setArticleVariants(LMArticleVariants(aValue.split(QLatin1Char('|'))));
        else if (aKey == QLatin1String("file"))
            aTemplate->fileInfo().setFilePath(aValue);
        else if (aKey == QLatin1String("time")) {
            LMDesignElementMetaData aMetaData;
            aMetaData.setLastChanged(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC).addSecs(aValue.toInt()));
            aTemplate->setMetaData(aMetaData);
        } else if (aKey == QLatin1String("bg"))
            aBackgroundAttributes += QStringLiteral(" filename='bg_%1.jpg'").arg(aValue);
        else if (aKey == QLatin1String("mc"))
            isMultiColor = true;
        else if (aKey == QLatin1String("frame"))
            asKind<LMTemplateFrame>(*aTemplate).setFrameMaterial(LMFrameMaterial::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("glass"))
            asKind<LMTemplateFrameGlass>(*aTemplate).setGlassMaterial(LMFrameGlassMaterial::fromInt(aValue.toInt()));
        else if (aToken == QLatin1String("holder=none"))
            asKind<LMTemplateWallholder>(*aTemplate).setWallholderConfig(LMTemplateWallholderConfig(true, 0, 0, 0));
        else if (aKey == QLatin1String("areas")) {
            for (const QChar aKind : aValue)
                aTemplate->addAreaDefinition(makeAreaOfKind(aKind));
        } else
            qFatal("unknown template word %s", qPrintable(aToken));
    }
    if (!aCategorization.isEmpty())
        aTemplate->setCategorization(aCategorization);
    if (isMultiColor)
        aBackgroundAttributes += QStringLiteral(" multicolor_id='%1'").arg(aTemplate->designElementID().id());
    if (!aBackgroundAttributes.isEmpty()) {
        LMTemplateBackgroundDefinition aDefinition = backgroundDefinition(aBackgroundAttributes);
        if (isMultiColor)
            aDefinition = aDefinition.withMultiColorConfig(LMMultiColorConfig(30, 2));
        aTemplate->setLayerDefinitionBackground(aDefinition);
    }
    return aTemplate;
}

LMUnconfiguredTemplate releasedTemplate(const QString& theDescription)
{
    return LMUnconfiguredTemplate(makeTemplate(theDescription).release());
}

LMUnconfiguredTemplateList releasedTemplates(const QStringList& theDescriptions)
{
    LMUnconfiguredTemplateList aList;
    for (const QString& aDescription : theDescriptions)
        aList.append(releasedTemplate(aDescription));
    return aList;
}

TemplatePool::TemplatePool(const QStringList& theDescriptions)
{
    for (const QString& aDescription : theDescriptions)
        myTemplates.push_back(makeTemplate(aDescription));
}

LMUnconfiguredTemplate TemplatePool::at(int theIndex) const
{
    return LMUnconfiguredTemplate(myTemplates.at(theIndex).get());
}

LMUnconfiguredTemplate TemplatePool::byName(const QString& theName) const
{
    for (const auto& aTemplate : myTemplates) {
        if (aTemplate->name() == theName)
            return LMUnconfiguredTemplate(aTemplate.get());
    }
    qFatal("no template %s in the pool", qPrintable(theName));
}

LMConfiguredTemplate TemplatePool::configured(const QString& theText) const
{
    return LMConfiguredTemplate(byName(theText.section(QLatin1Char(':'), 0, 0)),
                                LMTemplateConfiguration::deserialize(theText.section(QLatin1Char(':'), 1)));
}

LMUnconfiguredTemplateList TemplatePool::unconfigured() const
{
    LMUnconfiguredTemplateList aList;
    for (const auto& aTemplate : myTemplates)
        aList.append(LMUnconfiguredTemplate(aTemplate.get()));
    return aList;
}

LMTemplateList TemplatePool::configured() const
{
    return unconfigured().toConfiguredList(LMTemplateConfiguration());
}

} // namespace LMTestSupport
