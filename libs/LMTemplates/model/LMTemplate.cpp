#include "LMTemplate.h"

#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateContext.h"
#include "LMTemplateFrame.h"
#include "LMTemplateFrameGlass.h"
#include "LMTemplateFramePassepartout.h"
#include "LMTemplatesLogging.h"
#include "LMTemplateVariantTemplate.h"
#include "LMTemplateWallholder.h"
#include "LMXMLElement.h"

#include <QMutexLocker>
#include <QTransform>

#include <optional>

namespace {

constexpr qint32 bits(LMJigTypeEnum theType)
{
    return static_cast<qint32>(theType);
}

// The jig types of templates: every kind but cliparts and masks.
constexpr qint32 TEMPLATE_JIG_TYPES = bits(LMJigTypeEnum::Background) | bits(LMJigTypeEnum::SvgTemplate)
    | bits(LMJigTypeEnum::Layout) | bits(LMJigTypeEnum::Frame) | bits(LMJigTypeEnum::Passepartout)
    | bits(LMJigTypeEnum::FrameGlass) | bits(LMJigTypeEnum::Wallholder) | bits(LMJigTypeEnum::DesignStyle)
    | bits(LMJigTypeEnum::StoryBookDesignStyle) | bits(LMJigTypeEnum::VariantTemplate);
// Kinds whose photo file is no background: frame, passepartout, frame glass, variant template.
constexpr qint32 NO_BACKGROUND_JIG_TYPES = bits(LMJigTypeEnum::Frame) | bits(LMJigTypeEnum::Passepartout)
    | bits(LMJigTypeEnum::FrameGlass) | bits(LMJigTypeEnum::VariantTemplate);
constexpr qint32 SMART_LAYOUT_POSITIONING = 7;
constexpr double SMART_LAYOUT_SPACING = 0.02;
// Page types whose templates the user may not remove.
constexpr qint32 FIXED_PAGE_TYPES = 768;
// Page types that always take a full background on each page.
constexpr qint32 FULL_BACKGROUND_PAGE_TYPES = 984033;
// Orientations (landscape, square and panorama) on which a landscape single-sided template fills each page.
constexpr qint32 FULL_BACKGROUND_ORIENTATIONS = 22;
constexpr int INSERTION_FULL_BACKGROUND = 9;
constexpr int INSERTION_KEEP_SIDE = 8;

QString foldUmlauts(QString theName)
{
    theName.replace(QStringLiteral("ä"), QStringLiteral("ae"));
    theName.replace(QStringLiteral("ö"), QStringLiteral("oe"));
    theName.replace(QStringLiteral("ü"), QStringLiteral("ue"));
    theName.replace(QStringLiteral("ß"), QStringLiteral("ss"));
    return theName;
}

// The text as it reads when its bytes in one of UTF-8 and Latin-1 are taken in the other.
bool equalsInOtherEncoding(const QString& theA, const QString& theB)
{
    return QString::fromLatin1(theA.toUtf8()) == theB || QString::fromUtf8(theA.toLatin1()) == theB;
}

} // namespace

LMTemplate::LMTemplate(const LMJigType& theJigType, QObject* theParent) : LMJig(theJigType, theParent)
{
    myFileInfo.setParentTemplate(this);
}

LMTemplate::LMTemplate(const LMTemplate& theOther, const LMMirrorRule& theMirrorRule)
    : LMJig(theOther.jigType()), myName(theOther.myName), myLayerType(theOther.myLayerType),
      mySpotColorLayerType(theOther.mySpotColorLayerType), mySpotColor(theOther.mySpotColor),
      mySpotColorLayerRect(theOther.mySpotColorLayerRect), myAreaDefinitions(theOther.myAreaDefinitions, theMirrorRule),
      myBackgroundDefinition(theOther.myBackgroundDefinition), myTemplateImageSize(theOther.myTemplateImageSize),
      myExplicitCalendariumOptions(theOther.myExplicitCalendariumOptions), myAnalysis(theOther.myAnalysis),
      myDefaultRotation(theOther.myDefaultRotation), myProductionRotation(theOther.myProductionRotation),
      myViewAngle(theOther.myViewAngle), myPossibleMirrorings(theOther.myPossibleMirrorings),
      mySupportedOrientation(theOther.mySupportedOrientation), mySmartLayoutParent(theOther.mySmartLayoutParent),
      mySmartGeneratedLayoutForPage(theOther.mySmartGeneratedLayoutForPage), mySort(theOther.mySort),
      myPageSize(theOther.myPageSize), myMetaData(theOther.myMetaData), myFileInfo(theOther.myFileInfo),
      myAutoThumbSetting(theOther.myAutoThumbSetting), myContextGroup(theOther.myContextGroup),
      myHasLayout(theOther.myHasLayout), myCenterBackgroundIfOnSinglePage(theOther.myCenterBackgroundIfOnSinglePage),
      myLocksLayout(theOther.myLocksLayout), myLandscapeSingleSided(theOther.myLandscapeSingleSided),
      myUserLayout(theOther.myUserLayout), myUsableByAssistant(theOther.myUsableByAssistant)
{
    setDesignElementID(theOther.designElementID());
    setCategorization(theOther.storedCategorization());
    setActive(theOther.isActive());
    myFileInfo.setParentTemplate(this);
    if (theMirrorRule.isValid())
        myName += QLatin1Char('_') + theMirrorRule.encodeCSV();
}

LMTemplate::~LMTemplate() = default;

LMTemplate* LMTemplate::null()
{
    // Never destroyed: handles may still point to it while the process ends.
    static LMTemplate* const ourNull = new LMTemplate();
    return ourNull;
}

std::unique_ptr<LMTemplate> LMTemplate::create(const LMJigType& theJigType, const LMXMLElement& theElement,
                                               const QString& theBasePath)
{
    switch (theJigType.toEnum()) {
    case LMJigTypeEnum::Frame:
        return std::make_unique<LMTemplateFrame>();
    case LMJigTypeEnum::FrameGlass:
        return std::make_unique<LMTemplateFrameGlass>();
    case LMJigTypeEnum::Passepartout:
        return std::make_unique<LMTemplateFramePassepartout>();
    case LMJigTypeEnum::Wallholder:
        return std::make_unique<LMTemplateWallholder>(theElement);
    case LMJigTypeEnum::VariantTemplate:
        return std::make_unique<LMTemplateVariantTemplate>(theElement, theBasePath);
    default:
        return std::make_unique<LMTemplate>(theJigType);
    }
}

std::unique_ptr<LMTemplate> LMTemplate::cloneTemplate(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplate>(*this, theMirrorRule);
}

void LMTemplate::readAttributes(const LMXMLElement& theElement)
{
    Q_UNUSED(theElement);
}

bool LMTemplate::isValid() const
{
    return isJigType(LMJigType::fromInt(TEMPLATE_JIG_TYPES));
}

bool LMTemplate::isEmpty() const
{
    return myName.startsWith(QLatin1String("empty"));
}

bool LMTemplate::hasLayout() const
{
    return myAreaDefinitions.isValid() || myHasLayout;
}

bool LMTemplate::hasBackground() const
{
    return isBackground()
        || (!myFileInfo.imageFile().isEmpty() && !isJigType(LMJigType::fromInt(NO_BACKGROUND_JIG_TYPES)));
}

// ---- Names ------------------------------------------------------------------------------------

void LMTemplate::setName(const QString& theName)
{
    myName = foldUmlauts(theName);
    invalidateUniqueName();
}

QString LMTemplate::uniqueName() const
{
    QMutexLocker aLocker(&myNamesMutex);
    if (!myUniqueNameValid) {
        myUniqueName = makeUniqueTemplateNameWithTheme(themeNames().constFirst());
        myUniqueNameValid = true;
    }
    return myUniqueName;
}

bool LMTemplate::isUniqueNameCached() const
{
    QMutexLocker aLocker(&myNamesMutex);
    return myUniqueNameValid;
}

void LMTemplate::invalidateUniqueName()
{
    QMutexLocker aLocker(&myNamesMutex);
    myUniqueNameValid = false;
    myNameVariantsValid = false;
    myUniqueName.clear();
    myNameVariants.clear();
}

QStringList LMTemplate::nameVariants() const
{
    QMutexLocker aLocker(&myNamesMutex);
    if (!myNameVariantsValid) {
        myNameVariants.clear();
        for (const QString& aTheme : themeNames())
            myNameVariants.append(makeUniqueTemplateNameWithTheme(aTheme));
        myNameVariantsValid = true;
    }
    return myNameVariants;
}

bool LMTemplate::matchesName(const QString& theText) const
{
    return theText == myName || theText == uniqueName();
}

bool LMTemplate::matchesNameVariants(const QString& theText) const
{
    const QStringList aVariants = nameVariants();
    for (const QString& aVariant : aVariants) {
        if (aVariant == theText || equalsInOtherEncoding(aVariant, theText) || equalsInOtherEncoding(theText, aVariant))
            return true;
    }
    return false;
}

QString LMTemplate::makeUniqueTemplateNameWithTheme(const QString& theTheme) const
{
    QStringList aParts { myName };
    if (!isBackground()) {
        aParts.append(theTheme);
        aParts.append(myFileInfo.uniqueNamePart());
        const LMArticleList anArticles = explicitArticles();
        for (const LMArticle& anArticle : anArticles)
            aParts.append(anArticle.orderTxtName());
    } else {
        const LMMultiColorConfig aMultiColor = multiColorConfig();
        if (isMultiColor()) {
            aParts.append(QStringLiteral("hue=%1").arg(aMultiColor.hue()));
            aParts.append(QStringLiteral("fading=%1").arg(aMultiColor.fading()));
        } else if (spotColorBackgroundId().isValid()) {
            aParts.append(QStringLiteral("backgroundId=%1").arg(backgroundID().id()));
        }
        aParts.append(theTheme);
        aParts.append(QString());
    }
    return aParts.join(QLatin1Char(',')).replace(QLatin1String("/./"), QLatin1String("/"));
}

const QStringList& LMTemplate::themeNames()
{
    static const QStringList ourThemeNames { QStringLiteral("normal"), QStringLiteral("albfreetheme"),
                                             QStringLiteral("design") };
    return ourThemeNames;
}

LMJigKey LMTemplate::createKey() const
{
    QString aName = myName;
    if (isMultiColor())
        aName += QStringLiteral("%1,%2").arg(multiColorConfig().hue()).arg(multiColorConfig().fading());
    return LMJigKey(aName, myFileInfo.uniqueNamePart().join(QLatin1Char(';')), jigType(), designElementID());
}

// ---- Layer and spot colour --------------------------------------------------------------------

bool LMTemplate::isSomeTemplateThemeContent() const
{
    return myLayerType.intersects(LMTemplateLayerTypeEnum::Content0To4);
}

void LMTemplate::setSpotColorLayer(const LMSpotColor& theSpotColor, const QRectF& theRect)
{
    mySpotColor = theSpotColor;
    mySpotColorLayerRect = theRect;
}

// ---- Areas ------------------------------------------------------------------------------------

void LMTemplate::setAreaDefinitions(const LMTemplateAreaDefinitionList& theAreas)
{
    myAreaDefinitions = theAreas;
}

void LMTemplate::setAreaDefinitions(LMTemplateAreaDefinitionList&& theAreas)
{
    myAreaDefinitions = std::move(theAreas);
}

void LMTemplate::addAreaDefinition(std::unique_ptr<LMTemplateAreaDefinition> theArea)
{
    myAreaDefinitions.append(std::move(theArea));
}

bool LMTemplate::hasSameLayout(const LMTemplate& theOther) const
{
    const LMJigType aLayout(LMJigTypeEnum::Layout);
    return isValid() && theOther.isValid() && jigType() == aLayout && theOther.jigType() == aLayout
        && myAreaDefinitions.areAreaTypesAndPositionsEqual(theOther.myAreaDefinitions);
}

LMTemplateAreaDefinitionList LMTemplate::areaDefinitionsSmartLayout() const
{
    return injectSmartLayout(myAreaDefinitions);
}

void LMTemplate::injectSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout)
{
    myAreaDefinitions = injectSmartLayout(std::move(myAreaDefinitions), std::move(theSmartLayout));
}

LMTemplateAreaDefinitionList
LMTemplate::injectSmartLayout(LMTemplateAreaDefinitionList theAreas,
                              std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout)
{
    LMTemplateAreaDefinitionList aResult(std::move(theAreas));
    if (theSmartLayout && theSmartLayout->rect().width() > 0 && theSmartLayout->rect().height() > 0) {
        aResult.append(std::move(theSmartLayout));
        return aResult;
    }

    LMTemplateAreaDefinitionList aChildren;
    std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> aReused;
    QRectF aUnion;
    LMAngle aRotation;
    for (int anIndex = 0; anIndex < aResult.count();) {
        LMTemplateAreaDefinition* anArea = aResult.at(anIndex);
        const bool aIsChild = anArea->areaType() == LMAreaType(LMAreaTypeEnum::Foto)
            && anArea->abilities().intersects(LMAreaAbilityEnum::Geometry);
        if (aIsChild) {
            const QRectF aBounds = anArea->rotatedRect().boundingRect();
            if (aChildren.isEmpty()) {
                aUnion = aBounds;
                aRotation = anArea->rotation();
            } else {
                aUnion = aUnion.united(aBounds);
                if (anArea->rotation() != aRotation)
                    aRotation = LMAngle();
            }
            aChildren.append(aResult.takeAt(anIndex));
        } else if (!aReused && anArea->areaType() == LMAreaType(LMAreaTypeEnum::SmartLayout)) {
            aReused.reset(static_cast<LMTemplateAreaDefinitionSmartLayout*>(aResult.takeAt(anIndex).release()));
        } else {
            ++anIndex;
        }
    }

    if (aChildren.isEmpty()) {
        // Nothing to gather: a smart layout that was there stays.
        if (aReused)
            aResult.prepend(std::move(aReused));
        return aResult;
    }

    QTransform aTurn;
    aTurn.translate(aUnion.center().x(), aUnion.center().y());
    aTurn.rotate(aRotation.degrees());
    aTurn.translate(-aUnion.center().x(), -aUnion.center().y());
    const LMRotatedRect aRect(aTurn.mapRect(aUnion), aRotation);

    if (!aReused) {
        LMAreaDescription aDescription = aChildren.first()->areaDescription();
        aDescription.setRotatedRect(aRect);
        aDescription.setAbilities(LMAreaAbilityEnum::FotoDefault);
        aDescription.setDecoration(LMAreaDecoration());
        aReused = std::make_unique<LMTemplateAreaDefinitionSmartLayout>(
            aDescription, LMAreaPositioningConstraint::fromInt(SMART_LAYOUT_POSITIONING), LMAreaAssociationId());
        LMSmartLayoutConfiguration aConfiguration;
        aConfiguration.setSpacing(LMDistance(SMART_LAYOUT_SPACING, LMDistanceUnit::Relative));
        aConfiguration.setAutoGenerated(true);
        aReused->setConfiguration(aConfiguration);
    } else if (aReused->rect().isEmpty()) {
        LMAreaDescription aDescription = aReused->areaDescription();
        aDescription.setRotatedRect(aRect);
        aReused->setAreaDescription(aDescription);
    }
    aReused->setChildren(std::move(aChildren));
    aReused->setActive(true);
    aResult.prepend(std::move(aReused));
    return aResult;
}

// ---- Background -------------------------------------------------------------------------------

void LMTemplate::setLayerDefinitionBackground(const LMTemplateBackgroundDefinition& theDefinition)
{
    myBackgroundDefinition = theDefinition;
    // Multi-colour and spot-colour backgrounds name their variant in the unique name.
    invalidateUniqueName();
}

bool LMTemplate::putFullBackgroundOnEachPage(const LMOrientation& theOrientation) const
{
    return myLandscapeSingleSided && theOrientation.intersects(LMOrientation::fromInt(FULL_BACKGROUND_ORIENTATIONS));
}

LMAreaBackgroundAlignment LMTemplate::correctedAlignment(const LMAreaBackgroundAlignment& theRequested,
                                                         const LMTemplateContext& theContext, int theInsertionStrategy,
                                                         bool theLeftWhenFree, bool theRightWhenFree) const
{
    using A = LMAreaBackgroundAlignmentEnum;
    if (!hasBackground())
        return theRequested;
    if (theInsertionStrategy == INSERTION_FULL_BACKGROUND || theContext.fullBackgroundOnEachPage()
        || theContext.pageType().intersects(LMPageType::fromInt(FULL_BACKGROUND_PAGE_TYPES))
        || putFullBackgroundOnEachPage(theContext.orientation()))
        return A::FullOnEachPage;
    if (theInsertionStrategy == INSERTION_KEEP_SIDE || myTemplateImageSize == LMTemplateImageSizeEnum::DoublePage) {
        if (theRequested.isValid())
            return theRequested;
        if (theLeftWhenFree)
            return A::Left;
        if (theRightWhenFree)
            return A::Right;
        return theRequested;
    }
    return myCenterBackgroundIfOnSinglePage ? LMAreaBackgroundAlignment(A::Center) : theRequested;
}

// ---- Calendar, files --------------------------------------------------------------------------

void LMTemplate::autoDetectCalendariumFlow()
{
    if (calendariumFlow().isValid())
        return;
    LMCalendariumFlow aFlow;
    for (const LMTemplateAreaDefinition* anArea : myAreaDefinitions) {
        if (anArea->areaType() == LMAreaType(LMAreaTypeEnum::Calendarium)) {
            const auto* aCalendar = static_cast<const LMTemplateAreaDefinitionCalendarium*>(anArea);
            aFlow |= LMCalendariumFlow(aCalendar->appearance().layout());
        }
    }
    setCalendariumFlow(aFlow);
}

LMTemplateCalendariumOptions LMTemplate::implicitCalendariumOptions() const
{
    return myAreaDefinitions.count(LMAreaTypeEnum::Calendarium) > 0
        ? LMTemplateCalendariumOptions(LMTemplateCalendariumOptionsEnum::All)
        : LMTemplateCalendariumOptions();
}

LMTemplateCalendariumOptions LMTemplate::effectiveCalendariumOptions() const
{
    return LMTemplateCalendariumOptions::effective(myExplicitCalendariumOptions, implicitCalendariumOptions());
}

void LMTemplate::analyzeAreas(double thePageAspect)
{
    myAnalysis = LMTemplateAnalysis(*this, thePageAspect);
}

namespace {
// The page the first normalised area of the list (or of a smart layout's children) was made for.
std::optional<QSizeF> pageOfNormalizedAreas(const LMTemplateAreaDefinitionList& theAreas)
{
    for (const LMTemplateAreaDefinition* anArea : theAreas)
        if (anArea->isNormalized() && anArea->hasOriginalScale())
            return anArea->originallyScaledForSize();
    for (const LMTemplateAreaDefinition* anArea : theAreas) {
        if (!anArea->isType(LMAreaTypeEnum::SmartLayout))
            continue;
        const auto* aSmartLayout = static_cast<const LMTemplateAreaDefinitionSmartLayout*>(anArea);
        if (const std::optional<QSizeF> aPage = pageOfNormalizedAreas(aSmartLayout->children()))
            return aPage;
    }
    return std::nullopt;
}
} // namespace

double LMTemplate::pageAspect() const
{
    const std::optional<QSizeF> aPage = pageOfNormalizedAreas(myAreaDefinitions);
    return aPage && aPage->height() > 0 ? aPage->width() / aPage->height() : 1.0;
}

QSizeF LMTemplate::pageSize() const
{
    if (myPageSize.isValid())
        return myPageSize;
    return pageOfNormalizedAreas(myAreaDefinitions).value_or(QSizeF());
}

void LMTemplate::setFileInfo(const LMTemplateFileInfo& theFileInfo)
{
    myFileInfo = theFileInfo;
    myFileInfo.setParentTemplate(this);
}

QList<QFileInfo> LMTemplate::associatedFiles() const
{
    return myFileInfo.associatedFiles();
}

// ---- Products ---------------------------------------------------------------------------------

void LMTemplate::setArticleGroup(const LMArticlesGroup& theGroup)
{
    myContextGroup.setArticleGroup(theGroup);
    // The explicit articles are part of the unique name.
    invalidateUniqueName();
}

bool LMTemplate::containsArticle(const LMArticle& theArticle, bool theExplicitOnly) const
{
    if (theExplicitOnly)
        return myContextGroup.supportsArticle(theArticle);
    return myContextGroup.fulfillsConstraints(LMTemplateContextGroup::fromArticle(theArticle, LMPageType()), false,
                                              true);
}

LMSpaceMagnitude LMTemplate::estimateMinimumProductSize() const
{
    return LMSpaceMagnitude::estimateByAreaSizes(
        myAreaDefinitions.smallestPercentageUsedByAnyArea(LMAreaType(LMAreaTypeEnum::Foto)));
}

bool LMTemplate::mayBeRemoved() const
{
    return !designElementID().isTheWhiteBackground()
        && !myContextGroup.isPageType(LMPageType::fromInt(FIXED_PAGE_TYPES));
}

bool LMTemplate::isRemoveItem() const
{
    return articleVariants().hasNotAccountableVariant();
}

bool LMTemplate::isVisibleInList() const
{
    const LMArticlesGroup aGroup = articleGroup();
    if (aGroup.isEmpty() || !aGroup.restrictions().isEmpty())
        return true;
    const LMArticleList& anArticles = aGroup.explicitArticles();
    return std::any_of(anArticles.cbegin(), anArticles.cend(),
                       [](const LMArticle& theArticle) { return theArticle.isValid(); });
}

QString LMTemplate::basicDragAndDropHint() const
{
    QString aHint;
    if (myUserLayout)
        aHint += tr("Benutzerdefiniertes Layout:") + QLatin1Char(' ') + myName + QLatin1Char('\n');
    aHint += tr("Ziehen Sie diese Vorlage mit der Maus auf die gewünschte Seite.");
    if (isMultiColor())
        aHint += QLatin1Char('\n')
            + tr(" Das Design bietet unterschiedliche Farbvarianten. Sie können die Farbe des Designs ändern, indem "
                 "Sie im Produkt auf das Design doppelklicken.");
    const LMPageAlignment anAlignments = pageConstraint().intendedAlignments();
    const bool aLeft = anAlignments.intersects(LMPageAlignment::fromInt(1));
    const bool aRight = anAlignments.intersects(LMPageAlignment::fromInt(2));
    if (aLeft && !aRight)
        aHint += QStringLiteral("\n\n") + tr("Vorlage für die linke Seite");
    else if (aRight && !aLeft)
        aHint += QStringLiteral("\n\n") + tr("Vorlage für die rechte Seite");
    if (hasBackground())
        aHint += QLatin1Char('\n')
            + tr("Dies ist eine kleine Vorschau des Hintergrunds. Für die Produktion werden hochauflösende Versionen "
                 "der Hintergründe verwendet.");
    return aHint;
}
