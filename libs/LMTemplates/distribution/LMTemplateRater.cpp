#include "LMTemplateRater.h"

#include "LMTemplateColorCache.h"

#include <algorithm>
#include <cstdlib>

namespace {
// 255 × 255: one degree of hue outweighs any lack of saturation and brightness.
constexpr int HUE_WEIGHT = 65025;
// Below every value a grey can reach, (255)² = 65025, so greys stay negative.
constexpr int GREY_OFFSET = 650250;
} // namespace

LMTemplateRater::LMTemplateRater(const QColor& theColor, const LMTemplateContext& theContext)
    : myColor(theColor), myContext(theContext)
{
}

LMTemplateRater::~LMTemplateRater() = default;

LMTemplateList LMTemplateRater::rate(const LMTemplateList& theTemplates) const
{
    if (!myColor.isValid())
        return theTemplates;
    prepareCache(theTemplates);
    QList<LMRatedTemplate> aRated = prepareList(theTemplates);
    std::stable_sort(aRated.begin(), aRated.end());
    return extractTemplates(aRated);
}

LMRatedTemplate LMTemplateRater::rateTemplate(const LMConfiguredTemplate& theTemplate) const
{
    return LMRatedTemplate(theTemplate, measureDistance(measureColor(theTemplate)));
}

QColor LMTemplateRater::measureColor(const LMConfiguredTemplate& theTemplate) const
{
    return LMTemplateColorCache::instance()->colorOf(theTemplate, myContext);
}

int LMTemplateRater::measureDistance(const QColor& theColor) const
{
    if (theColor.hsvSaturation() == 0) {
        const int aValue = theColor.value() - myColor.value();
        return aValue * aValue - GREY_OFFSET;
    }
    int aHue = theColor.hsvHue() - myColor.hsvHue();
    if (std::abs(aHue) >= 181)
        aHue = 360 - std::abs(aHue);
    return std::abs(aHue) * HUE_WEIGHT + std::abs(255 - theColor.hsvSaturation()) * 255
        + std::abs(255 - theColor.value());
}

void LMTemplateRater::prepareCache(const LMTemplateList& theTemplates) const
{
    LMTemplateColorCache::instance()->prepare(theTemplates, myContext);
}

QList<LMRatedTemplate> LMTemplateRater::prepareList(const LMTemplateList& theTemplates) const
{
    QList<LMRatedTemplate> aResult;
    aResult.reserve(theTemplates.size());
    for (const LMConfiguredTemplate& aTemplate : theTemplates)
        aResult.append(rateTemplate(aTemplate));
    return aResult;
}

LMTemplateList LMTemplateRater::extractTemplates(const QList<LMRatedTemplate>& theRated)
{
    LMTemplateList aResult;
    aResult.reserve(theRated.size());
    for (const LMRatedTemplate& aRated : theRated)
        aResult.append(aRated.configuredTemplate());
    return aResult;
}
