#include "LMBackgroundDistributorNearestNeighbour.h"

#include <cstdlib>

namespace {
constexpr int SEPIA_LIST = 13;
constexpr int SECOND_SPECIAL_LIST = 12;
} // namespace

std::atomic_bool LMBackgroundDistributorNearestNeighbour::ourTakeSepiaNext { false };

LMBackgroundDistributorNearestNeighbour::LMBackgroundDistributorNearestNeighbour(
    const LMArticle& theArticle, const LMBackgroundStrategy& theStrategy)
    : LMBackgroundDistributorAbstract(theArticle, theStrategy)
{
}

LMBackgroundDistributorNearestNeighbour::~LMBackgroundDistributorNearestNeighbour() = default;

LMConfiguredTemplate LMBackgroundDistributorNearestNeighbour::bestMatchingTemplate(const LMFotoList& theFotos)
{
    const QColor aColor = calculatePredominantColor(theFotos);
    // An achromatic colour has hue -1 and so looks in class 0.
    const int aClass = ((aColor.hue() + 15) / 30) * 30;
    const LMTemplateList* aList = findClosestTemplateList(aClass);
    if (!aList)
        return LMConfiguredTemplate();
    const std::vector<int>& aBrightnesses = brightnessesOf(*aList);
    // QColor::value() converts on every call: once here, not once per background.
    const int aValue = aColor.value();
    qsizetype aBest = -1;
    int aBestDistance = 10000000;
    for (qsizetype i = 0; i < aList->size(); ++i) {
        const int aDistance = std::abs(aValue - aBrightnesses[size_t(i)]);
        if (aDistance < aBestDistance) {
            aBest = i;
            aBestDistance = aDistance;
        }
    }
    return aBest < 0 ? LMConfiguredTemplate() : aList->at(aBest);
}

const std::vector<int>& LMBackgroundDistributorNearestNeighbour::brightnessesOf(const LMTemplateList& theList)
{
    std::vector<int>& aBrightnesses = myBrightnesses[theList.constData()];
    if (aBrightnesses.size() != size_t(theList.size())) {
        aBrightnesses.clear();
        aBrightnesses.reserve(size_t(theList.size()));
        for (const LMConfiguredTemplate& aTemplate : theList)
            aBrightnesses.push_back(calculatePredominantColor(aTemplate, true).value());
    }
    return aBrightnesses;
}

const LMTemplateList* LMBackgroundDistributorNearestNeighbour::findClosestTemplateList(int theHueClass)
{
    for (int aStep = 30; aStep <= 360; aStep += 30) {
        for (int aKey : { normalizeHue(theHueClass - 30 + aStep), normalizeHue(theHueClass + 30 - aStep) }) {
            const auto aFound = myHueLists.constFind(aKey);
            if (aFound != myHueLists.cend() && !aFound->isEmpty())
                return &*aFound;
        }
        if (aStep == 90) {
            if (const LMTemplateList* aSpecial = specialTemplateList())
                return aSpecial;
        }
    }
    return nullptr;
}

const LMTemplateList* LMBackgroundDistributorNearestNeighbour::specialTemplateList()
{
    const auto aSepia = myHueLists.constFind(SEPIA_LIST);
    const auto aSecond = myHueLists.constFind(SECOND_SPECIAL_LIST);
    const bool aHasSepia = aSepia != myHueLists.cend() && !aSepia->isEmpty();
    const bool aHasSecond = aSecond != myHueLists.cend() && !aSecond->isEmpty();
    if (aHasSepia && aHasSecond) {
        // Both special kinds take turns, so a book of achromatic pages does not look all alike.
        if (ourTakeSepiaNext.exchange(false))
            return &*aSepia;
        ourTakeSepiaNext.store(true);
        return &*aSecond;
    }
    if (aHasSepia) {
        ourTakeSepiaNext.store(false);
        return &*aSepia;
    }
    if (aHasSecond) {
        ourTakeSepiaNext.store(true);
        return &*aSecond;
    }
    return nullptr;
}
