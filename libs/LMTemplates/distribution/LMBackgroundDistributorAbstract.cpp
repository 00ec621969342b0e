#include "LMBackgroundDistributorAbstract.h"

#include "LMCategorization.h"
#include "LMConcurrent.h"
#include "LMContentFilterParameter.h"
#include "LMMath.h"
#include "LMMicroThumbnailCache.h"
#include "LMTemplate.h"
#include "LMTemplateContext.h"
#include "LMTemplateFilterBackground.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateThumbnailCache.h"

#include <QImage>
#include <QSet>

#include <algorithm>
#include <limits>
#include <mutex>

namespace {
// The size level of the photos' micro thumbnails whose colour is measured.
constexpr int FOTO_SIZE_LEVEL = 3;
// The side of the square example picture of a background that is measured.
constexpr int EXAMPLE_SIDE = 200;
// What the black background counts as: pure black would never be near any photo.
constexpr QRgb BLACK_SHORTCUT = 0x484848;

struct LMFotoColorCache
{
    std::mutex myMutex;
    QHash<LMFoto, QColor> myColors;
};

LMFotoColorCache& fotoColorCache()
{
    static LMFotoColorCache ourCache;
    return ourCache;
}

// Used from the calling thread only, like the distributors themselves.
QHash<LMConfiguredTemplate, QColor>& backgroundColorCache()
{
    static QHash<LMConfiguredTemplate, QColor> ourCache;
    return ourCache;
}

// The fading families are told by the fading alone: the special hues 12 and 13 are no hue
// classes, so the configuration's own validity does not apply to them.
int fadingOf(const LMConfiguredTemplate& theTemplate)
{
    return theTemplate->isMultiColor() ? theTemplate->multiColorConfig().fading() : -1;
}
} // namespace

LMBackgroundDistributorAbstract::LMBackgroundDistributorAbstract(const LMArticle& theArticle,
                                                                 const LMBackgroundStrategy& theStrategy)
    : myStrategy(theStrategy), myArticle(theArticle), myExplicitTemplates(theStrategy.explicitBackgrounds())
{
    calculatePredominantColorsInBackgroundTemplates(theStrategy, theArticle);
}

LMBackgroundDistributorAbstract::~LMBackgroundDistributorAbstract() = default;

bool LMBackgroundDistributorAbstract::matches(const LMArticle& theArticle,
                                              const LMBackgroundStrategy& theStrategy) const
{
    return myArticle == theArticle && myStrategy == theStrategy;
}

const LMTemplateList& LMBackgroundDistributorAbstract::templateList(int theKey)
{
    return myHueLists[theKey];
}

void LMBackgroundDistributorAbstract::insertIntoTemplateList(const LMConfiguredTemplate& theTemplate, int theKey)
{
    myHueLists[theKey].append(theTemplate);
}

QList<int> LMBackgroundDistributorAbstract::templateListKeys() const
{
    QList<int> aKeys = myHueLists.keys();
    std::sort(aKeys.begin(), aKeys.end());
    return aKeys;
}

LMTemplateList LMBackgroundDistributorAbstract::allTemplates() const
{
    LMTemplateList aResult;
    QSet<LMConfiguredTemplate> aSeen;
    for (int aKey : templateListKeys()) {
        for (const LMConfiguredTemplate& aTemplate : myHueLists.value(aKey)) {
            if (!aSeen.contains(aTemplate)) {
                aSeen.insert(aTemplate);
                aResult.append(aTemplate);
            }
        }
    }
    return aResult;
}

qsizetype LMBackgroundDistributorAbstract::countBackgrounds() const
{
    qsizetype aCount = 0;
    for (const LMTemplateList& aList : myHueLists)
        aCount += aList.size();
    return aCount;
}

LMConfiguredTemplate LMBackgroundDistributorAbstract::exampleTemplate(int theIndex) const
{
    const LMTemplateList aTemplates = allTemplates();
    if (aTemplates.isEmpty())
        return LMConfiguredTemplate();
    const qsizetype aSize = aTemplates.size();
    return aTemplates.at(((theIndex % aSize) + aSize) % aSize);
}

LMConfiguredTemplate LMBackgroundDistributorAbstract::anyTemplate() const
{
    QList<const LMTemplateList*> aLists;
    for (int aKey : templateListKeys()) {
        if (!myHueLists.value(aKey).isEmpty())
            aLists.append(&*myHueLists.constFind(aKey));
    }
    if (aLists.isEmpty())
        return LMConfiguredTemplate();
    const LMTemplateList& aList = *aLists.at(LMMath::randint(0, int(aLists.size()) - 1));
    return aList.at(LMMath::randint(0, int(aList.size()) - 1));
}

void LMBackgroundDistributorAbstract::preparePredominantColors(const LMFotoList& theFotos)
{
    LMConcurrent::blockingMapped(theFotos, &LMBackgroundDistributorAbstract::calculatePredominantColorInFoto);
}

QColor LMBackgroundDistributorAbstract::calculatePredominantColor(const LMFotoList& theFotos)
{
    if (theFotos.isEmpty())
        return QColor(Qt::gray);
    // Colours known already are read under one lock; only the others are measured, in parallel.
    // A page of cached photos thus costs no thread hand-over.
    QList<QColor> aColors(theFotos.size());
    LMFotoList aMissing;
    QList<qsizetype> aMissingAt;
    {
        LMFotoColorCache& aCache = fotoColorCache();
        std::lock_guard aLock(aCache.myMutex);
        for (qsizetype i = 0; i < theFotos.size(); ++i) {
            const auto aFound = aCache.myColors.constFind(theFotos.at(i));
            if (aFound != aCache.myColors.cend()) {
                aColors[i] = aFound.value();
            } else {
                aMissing.append(theFotos.at(i));
                aMissingAt.append(i);
            }
        }
    }
    if (!aMissing.isEmpty()) {
        const QList<QColor> aMeasured
            = LMConcurrent::blockingMapped(aMissing, &LMBackgroundDistributorAbstract::calculatePredominantColorInFoto);
        for (qsizetype i = 0; i < aMissing.size(); ++i)
            aColors[aMissingAt.at(i)] = aMeasured.at(i);
    }
    qint64 aRed = 0, aGreen = 0, aBlue = 0;
    for (const QColor& aColor : aColors) {
        aRed += aColor.red();
        aGreen += aColor.green();
        aBlue += aColor.blue();
    }
    const qint64 aCount = aColors.size();
    return QColor(int(aRed / aCount), int(aGreen / aCount), int(aBlue / aCount));
}

QColor LMBackgroundDistributorAbstract::calculatePredominantColor(const QImage& theImage)
{
    if (theImage.isNull())
        return QColor(Qt::black);
    const QImage aSmall = theImage.scaled(3, 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QColor aBest(Qt::black);
    int aBestValue = 0;
    for (int x = 0; x < 3; ++x) {
        for (int y = 0; y < 3; ++y) {
            const QColor aColor = aSmall.pixelColor(x, y);
            if (aColor.value() > aBestValue) {
                aBest = aColor;
                aBestValue = aColor.value();
            }
        }
    }
    return aBest;
}

QColor LMBackgroundDistributorAbstract::calculatePredominantColor(const LMConfiguredTemplate& theTemplate,
                                                                  bool theUseBlackShortcut)
{
    QHash<LMConfiguredTemplate, QColor>& aCache = backgroundColorCache();
    const auto aFound = aCache.constFind(theTemplate);
    if (aFound != aCache.cend())
        return aFound.value();
    QColor aColor;
    if (theUseBlackShortcut && isBlackBackground(theTemplate))
        aColor = QColor::fromRgb(BLACK_SHORTCUT);
    else
        aColor = calculatePredominantColor(
            LMTemplateThumbnailCache::instance()->quadraticExampleThumbnail(theTemplate, EXAMPLE_SIDE));
    aCache.insert(theTemplate, aColor);
    return aColor;
}

void LMBackgroundDistributorAbstract::recordPredominantColor(const LMConfiguredTemplate& theTemplate,
                                                             const QColor& theColor)
{
    backgroundColorCache().insert(theTemplate, theColor);
}

QColor LMBackgroundDistributorAbstract::calculatePredominantColorInFoto(const LMFoto& theFoto)
{
    LMFotoColorCache& aCache = fotoColorCache();
    {
        std::lock_guard aLock(aCache.myMutex);
        const auto aFound = aCache.myColors.constFind(theFoto);
        if (aFound != aCache.myColors.cend())
            return aFound.value();
    }
    // Decoding happens outside the lock; two threads measuring one photo store the same colour.
    const QColor aColor
        = calculatePredominantColor(LMMicroThumbnailCache::instance()->microThumb(theFoto, FOTO_SIZE_LEVEL));
    std::lock_guard aLock(aCache.myMutex);
    aCache.myColors.insert(theFoto, aColor);
    return aColor;
}

int LMBackgroundDistributorAbstract::normalizeHue(int theHue)
{
    const int aHue = theHue % 360;
    return aHue < 0 ? aHue + 360 : aHue;
}

int LMBackgroundDistributorAbstract::findHueForFlatColor(const LMConfiguredTemplate& theTemplate)
{
    const int aHue = calculatePredominantColor(theTemplate, true).hue();
    return ((aHue + 15) / 30) * 30 % 360;
}

void LMBackgroundDistributorAbstract::insertTemplatesAtCloseHuesIntoList(const LMTemplateList& theTemplates)
{
    for (const LMConfiguredTemplate& aTemplate : theTemplates) {
        const int aClass = findHueForFlatColor(aTemplate);
        insertIntoTemplateList(aTemplate, normalizeHue(aClass - 30));
        insertIntoTemplateList(aTemplate, aClass);
        insertIntoTemplateList(aTemplate, normalizeHue(aClass + 30));
    }
}

LMConfiguredTemplate LMBackgroundDistributorAbstract::findBestTemplateForColor(const LMTemplateList& theTemplates,
                                                                               const QColor& theColor)
{
    LMConfiguredTemplate aBest;
    qint64 aBestDistance = std::numeric_limits<qint64>::max();
    for (const LMConfiguredTemplate& aTemplate : theTemplates) {
        const QColor aColor = calculatePredominantColor(aTemplate, true);
        const qint64 aRed = aColor.red() - theColor.red();
        const qint64 aGreen = aColor.green() - theColor.green();
        const qint64 aBlue = aColor.blue() - theColor.blue();
        const qint64 aDistance = aRed * aRed + aGreen * aGreen + aBlue * aBlue;
        if (aDistance < aBestDistance) {
            aBest = aTemplate;
            aBestDistance = aDistance;
        }
    }
    return aBest;
}

bool LMBackgroundDistributorAbstract::isBlackBackground(const LMConfiguredTemplate& theTemplate)
{
    return theTemplate.isValid() && theTemplate->backgroundID().isTheBlackBackground();
}

bool LMBackgroundDistributorAbstract::isWhiteBackground(const LMConfiguredTemplate& theTemplate)
{
    return theTemplate.isValid() && theTemplate->backgroundID().isTheWhiteBackground();
}

bool LMBackgroundDistributorAbstract::isWhiteOK(const LMConfiguredTemplate& theTemplate) const
{
    return hasFlag(LMBackgroundStrategy::White) && isWhiteBackground(theTemplate);
}

bool LMBackgroundDistributorAbstract::isBlackOK(const LMConfiguredTemplate& theTemplate) const
{
    return hasFlag(LMBackgroundStrategy::Black) && isBlackBackground(theTemplate);
}

bool LMBackgroundDistributorAbstract::isDiscreteOK(const LMConfiguredTemplate& theTemplate) const
{
    return hasFlag(LMBackgroundStrategy::Discrete) && fadingOf(theTemplate) >= 4;
}

bool LMBackgroundDistributorAbstract::isMiddleFadingOK(const LMConfiguredTemplate& theTemplate) const
{
    const int aFading = fadingOf(theTemplate);
    return hasFlag(LMBackgroundStrategy::MiddleFading) && aFading >= 2 && aFading <= 3;
}

bool LMBackgroundDistributorAbstract::isColorfulOK(const LMConfiguredTemplate& theTemplate) const
{
    const int aFading = fadingOf(theTemplate);
    return hasFlag(LMBackgroundStrategy::Colorful) && aFading >= 0 && aFading <= 1;
}

void LMBackgroundDistributorAbstract::calculatePredominantColorsInBackgroundTemplates(
    const LMBackgroundStrategy& theStrategy, const LMArticle& theArticle)
{
    const int aFlags = theStrategy.backgroundFlags(theArticle);
    const QSet<int>& aHues = theStrategy.backgroundHues();
    LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();

    if (aFlags & LMBackgroundStrategy::MultiColor) {
        for (const LMUnconfiguredTemplate& aHandle : aRegistry->allMultiColorBackgrounds(theArticle)) {
            const LMConfiguredTemplate aTemplate(aHandle);
            if (!isDiscreteOK(aTemplate) && !isColorfulOK(aTemplate) && !isMiddleFadingOK(aTemplate))
                continue;
            const int aHue = aTemplate->multiColorConfig().hue();
            if (aHues.contains(aHue))
                insertIntoTemplateList(aTemplate, aHue);
        }
    }
    if (aFlags & LMBackgroundStrategy::FlatColor) {
        for (const LMUnconfiguredTemplate& aHandle : aRegistry->allFlatColorBackgrounds(theArticle)) {
            if (aHandle.isValid()) {
                const LMConfiguredTemplate aTemplate(aHandle);
                insertIntoTemplateList(aTemplate, findHueForFlatColor(aTemplate));
            }
        }
    }
    // The registry answers a missing id with the white background: only the asked one counts.
    const auto insertEverywhere = [this, aRegistry](qint32 theId) {
        const LMConfiguredTemplate aTemplate(aRegistry->findBackgroundByID(LMDesignElementID(theId)));
        if (!aTemplate.isValid() || aTemplate->backgroundID().id() != theId)
            return;
        for (int aHue = 0; aHue < 360; aHue += 30)
            insertIntoTemplateList(aTemplate, aHue);
    };
    if (aFlags & LMBackgroundStrategy::Black)
        insertEverywhere(LMDesignElementID::BLACK_BACKGROUND);
    if (aFlags & LMBackgroundStrategy::White)
        insertEverywhere(LMDesignElementID::WHITE_BACKGROUND);
    if (aFlags & LMBackgroundStrategy::Category) {
        const LMCategorization aCategorization(
            LMCategoryTypeEnum::Subcategory,
            LMThematicCategorySet { LMThematicCategory(theStrategy.backgroundCategoryName()) });
        const LMContentFilterParameter aParameter(LMTemplateContext(theArticle, LMPageTypeEnum::InnerPage),
                                                  aCategorization);
        LMTemplateList aTemplates;
        for (const LMUnconfiguredTemplate& aHandle : aRegistry->getTemplates(LMTemplateFilterBackground(aParameter)))
            aTemplates.append(LMConfiguredTemplate(aHandle));
        insertTemplatesAtCloseHuesIntoList(aTemplates);
    }
    insertTemplatesAtCloseHuesIntoList(myExplicitTemplates);
}
