#include "LMTemplateColorCache.h"

#include "LMBackgroundJobPriority.h"
#include "LMConcurrent.h"
#include "LMSingletonDefinition.h"
#include "LMTemplateContext.h"
#include "LMTemplateThumbnailCache.h"
#include "LMTemplateThumbnailContext.h"

#include <QImage>

#include <algorithm>

LM_DEFINE_SINGLETON(LMTemplateColorCache)

namespace {
constexpr int THUMBNAIL_SIDE = 200;
} // namespace

LMTemplateColorCache::LMTemplateColorCache() = default;

LMTemplateColorCache::~LMTemplateColorCache() = default;

void LMTemplateColorCache::prepare(const LMTemplateList& theTemplates, const LMTemplateContext& theContext)
{
    const LMTemplateList aMissing = filterNotInCacheNow(theTemplates);
    if (aMissing.isEmpty())
        return;
    // Measured without the lock (rendering takes long), recorded afterwards in one go.
    const QList<QColor> aColors = LMConcurrent::blockingMapped(
        aMissing, [&theContext](const LMConfiguredTemplate& theTemplate) { return measure(theTemplate, theContext); });
    std::lock_guard aLock(myMutex);
    for (qsizetype i = 0; i < aMissing.size(); ++i)
        myColors.insert(aMissing.at(i).uniqueName(), aColors.at(i));
}

QColor LMTemplateColorCache::colorOf(const LMConfiguredTemplate& theTemplate, const LMTemplateContext& theContext)
{
    {
        std::lock_guard aLock(myMutex);
        const auto aFound = myColors.constFind(theTemplate.uniqueName());
        if (aFound != myColors.cend())
            return aFound.value();
    }
    const QColor aColor = measure(theTemplate, theContext);
    record(theTemplate, aColor);
    return aColor;
}

QColor LMTemplateColorCache::measure(const LMConfiguredTemplate& theTemplate, const LMTemplateContext& theContext)
{
    const LMTemplateThumbnailContext aContext(QSize(THUMBNAIL_SIDE, THUMBNAIL_SIDE), theContext, theTemplate);
    const QImage anImage
        = LMTemplateThumbnailCache::instance()->thumbnail(aContext, LMBackgroundJobPriority::Immediate);
    if (anImage.isNull())
        return QColor(Qt::white);
    const int x = std::min(qRound(anImage.width() / 2.0), anImage.width() - 1);
    const int y = std::min(qRound(anImage.height() / 2.0), anImage.height() - 1);
    return anImage.pixelColor(x, y);
}

void LMTemplateColorCache::record(const LMConfiguredTemplate& theTemplate, const QColor& theColor)
{
    std::lock_guard aLock(myMutex);
    myColors.insert(theTemplate.uniqueName(), theColor);
}

LMTemplateList LMTemplateColorCache::filterNotInCacheNow(const LMTemplateList& theTemplates) const
{
    std::lock_guard aLock(myMutex);
    LMTemplateList aResult;
    for (const LMConfiguredTemplate& aTemplate : theTemplates) {
        if (!myColors.contains(aTemplate.uniqueName()))
            aResult.append(aTemplate);
    }
    return aResult;
}

bool LMTemplateColorCache::contains(const LMConfiguredTemplate& theTemplate) const
{
    std::lock_guard aLock(myMutex);
    return myColors.contains(theTemplate.uniqueName());
}

void LMTemplateColorCache::clear()
{
    std::lock_guard aLock(myMutex);
    myColors.clear();
}
