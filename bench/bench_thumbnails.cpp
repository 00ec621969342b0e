// Thumbnails: the layout preview of one template against painting a bare picture of the same size
// with as many rectangles; many layouts through the thumbnail cache and the background job manager
// (throughput, and how busy the cores are); a cache hit.
//
//   bench_thumbnails [layouts] [rounds]      (defaults: 1000 layouts, 5 rounds)

#include "LMArticle.h"
#include "LMBackgroundJobManager.h"
#include "LMBenchSupport.h"
#include "LMLayoutPreviewRenderer.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateThumbnailCache.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {
constexpr int SIDE = 200;

// A layout of photo and text areas on a 3000 × 2000 page, different for every index.
LMUnconfiguredTemplate makeLayout(int theIndex)
{
    auto aTemplate = std::make_unique<LMTemplate>(LMJigTypeEnum::Layout);
    aTemplate->setName(QStringLiteral("layout %1").arg(theIndex));
    aTemplate->setAutoThumbSetting(LMAutoThumbOptionEnum::Layout);
    const int aPhotos = 1 + theIndex % 6;
    for (int i = 0; i < aPhotos; ++i) {
        const QRectF aRect(100 + (i % 3) * 950, 100 + (i / 3) * 900, 850 - theIndex % 50, 800);
        aTemplate->addAreaDefinition(std::make_unique<LMTemplateAreaDefinitionFoto>(
            LMAreaDescription(LMRotatedRect(aRect, LMAngle(i % 2 ? 0 : theIndex % 7)), LMAreaAbility()),
            LMAreaPositioningConstraintEnum::Anywhere));
    }
    aTemplate->addAreaDefinition(std::make_unique<LMTemplateAreaDefinitionText>(
        LMAreaDescription(LMRotatedRect(QRectF(100, 1850, 2800, 120)), LMAreaAbility()),
        LMAreaPositioningConstraintEnum::Anywhere));
    return LMUnconfiguredTemplate(aTemplate.release());
}

qint64 median(std::vector<qint64> theValues)
{
    std::sort(theValues.begin(), theValues.end());
    return theValues.empty() ? 0 : theValues[theValues.size() / 2];
}

double processCpuSeconds()
{
    timespec aTime {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &aTime);
    return double(aTime.tv_sec) + double(aTime.tv_nsec) / 1e9;
}

// Nanoseconds for a picture of the size with the rectangles filled: what any preview costs at least.
qint64 bareRectangles(const QSize& theSize, int theRectangles)
{
    QElapsedTimer aTimer;
    aTimer.start();
    QImage anImage(theSize, QImage::Format_ARGB32_Premultiplied);
    anImage.fill(Qt::white);
    QPainter aPainter(&anImage);
    aPainter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < theRectangles; ++i)
        aPainter.fillRect(QRectF(10 + 7 * i, 10 + 5 * i, 50, 30), QColor(200, 200, 200));
    aPainter.end();
    return aTimer.nsecsElapsed();
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anApp(argc, argv);
    int aLayoutCount = 1000;
    int aRounds = 5;
    if (!LMBenchSupport::parseCountAndRounds(QCoreApplication::arguments(), "bench_thumbnails", aLayoutCount, aRounds))
        return 2;

    QTemporaryDir aDir;
    const QString aCatalogue = aDir.filePath(QStringLiteral("catalogue.json"));
    {
        QFile aFile(aCatalogue);
        if (!aFile.open(QIODevice::WriteOnly)
            || aFile.write(R"({"articles": [{"id": 1, "orderName": "BENCH_BOOK", "class": "photobook",
                "pageSizes": {"inner_page": {"size": [3000, 2000], "bleed": [0, 0]}}}]})")
                < 0)
            return 1;
    }
    if (!LMProductCatalogue::instance()->load(aCatalogue))
        return 1;
    const LMTemplateContext aContext(LMArticle::fromOrderTxtName(QStringLiteral("BENCH_BOOK")),
                                     LMPageTypeEnum::InnerPage);

    std::vector<LMUnconfiguredTemplate> aLayouts;
    for (int i = 0; i < aLayoutCount; ++i)
        aLayouts.push_back(makeLayout(i));
    auto contextOf = [&aContext](const LMUnconfiguredTemplate& theTemplate) {
        return LMTemplateThumbnailContext(QSize(SIDE, SIDE), aContext, LMConfiguredTemplate(theTemplate));
    };

    // One preview, rendered in this thread, against the bare picture with as many rectangles.
    const LMTemplateThumbnailContext aSix = contextOf(aLayouts[5]);
    const int anAreas = aLayouts[5]->areaDefinitions().count();
    std::vector<qint64> aPreviewTimes;
    std::vector<qint64> aBareTimes;
    QSize aPreviewSize;
    for (int i = 0; i < 200 * aRounds; ++i) {
        QElapsedTimer aTimer;
        aTimer.start();
        const QImage anImage = LMLayoutPreviewRenderer(aSix).createImage();
        aPreviewTimes.push_back(aTimer.nsecsElapsed());
        aPreviewSize = anImage.size();
        aBareTimes.push_back(bareRectangles(anImage.size(), anAreas));
    }
    const qint64 aPreview = median(aPreviewTimes);
    const qint64 aBare = median(aBareTimes);
    std::printf("layout preview, %d areas, %dx%d: median %.3f ms; bare picture with %d rectangles %.3f ms; "
                "ratio %.1f\n",
                anAreas, aPreviewSize.width(), aPreviewSize.height(), aPreview / 1e6, anAreas, aBare / 1e6,
                double(aPreview) / double(aBare));

    // Every layout through the cache and the job manager, round after round on an empty cache.
    LMTemplateThumbnailCache* aCache = LMTemplateThumbnailCache::instance();
    LMBackgroundJobManager* aManager = LMBackgroundJobManager::instance();
    std::vector<LMTemplateThumbnailContext> aContexts;
    for (const LMUnconfiguredTemplate& aLayout : aLayouts)
        aContexts.push_back(contextOf(aLayout));
    for (int aRound = 0; aRound < aRounds; ++aRound) {
        aCache->clearCache();
        const double aCpuBefore = processCpuSeconds();
        QElapsedTimer aTimer;
        aTimer.start();
        for (const LMTemplateThumbnailContext& aKey : aContexts)
            aCache->thumbnail(aKey, LMBackgroundJobPriority::Normal);
        aManager->waitForIdle();
        const double aWall = aTimer.nsecsElapsed() / 1e9;
        const double aCpu = processCpuSeconds() - aCpuBefore;
        int aCached = 0;
        for (const LMTemplateThumbnailContext& aKey : aContexts)
            aCached += aCache->contains(aKey);
        std::printf("round %d: %d thumbnails on %d workers in %.0f ms: %.0f per second, CPU %.2f s = %.2f cores busy; "
                    "%d cached (%lld KB)\n",
                    aRound + 1, aLayoutCount, aManager->maxWorkerCount(), aWall * 1000, aLayoutCount / aWall, aCpu,
                    aCpu / aWall, aCached, static_cast<long long>(aCache->currentCacheSize()));
    }

    // A hit: the lookup of a cached picture.
    const LMTemplateThumbnailContext& aHitKey = aContexts.back();
    if (!aCache->contains(aHitKey))
        aCache->thumbnail(aHitKey, LMBackgroundJobPriority::Immediate);
    constexpr int HITS = 1000000;
    qint64 aPixels = 0;
    QElapsedTimer aTimer;
    aTimer.start();
    for (int i = 0; i < HITS; ++i)
        aPixels += aCache->thumbnail(aHitKey).width();
    std::printf("cache hit: %.0f ns (%lld)\n", double(aTimer.nsecsElapsed()) / HITS, static_cast<long long>(aPixels));

    for (LMUnconfiguredTemplate& aLayout : aLayouts)
        aLayout.deleteTemplate();
    return 0;
}
