// The layout distributor: choosing a layout per page over a repository of many layouts, a whole
// book planned and filled (splits judged, layouts chosen, photos ordered) against a plain greedy
// book (4 photos a page, the first layout with the count), and how the splits grow with photos
// and pages.
//
//   bench_layout_distributor [layouts] [rounds]      (defaults: 2000 layouts, 5 rounds)

#include "LMArticle.h"
#include "LMBenchSupport.h"
#include "LMBookPlanner.h"
#include "LMDirectoryConfig.h"
#include "LMFotoAccess.h"
#include "LMFotoForScenePackList.h"
#include "LMLayoutDistributor.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateRegistry.h"
#include "LMTestPhoto.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
const QString ARTICLE = QStringLiteral("ALBUM_TALL_21");
constexpr int BOOK_PHOTOS = 400;
constexpr int BOOK_PAGES = 100;
// A published collage method lays out 100 photos in under 0.5 ms.
constexpr double ANCHOR_MS_PER_100_PHOTOS = 0.5;

// Layouts of 1 to 11 photo areas in a grid, each area portrait or landscape by chance.
QByteArray layoutFile(int theCount)
{
    QRandomGenerator aRandom(7);
    QString aText = QStringLiteral("<templates2 version='2'><filter><product>%1</product>"
                                   "<pagetype>inner_page</pagetype></filter>")
                        .arg(ARTICLE);
    for (int i = 0; i < theCount; ++i) {
        const int anAreas = 1 + i % 11;
        QString aLayout;
        for (int a = 0; a < anAreas; ++a) {
            const int x = 60 + (a % 3) * 700 + 50;
            const int y = 60 + (a / 3) * 700 + 50;
            const bool aPortrait = aRandom.bounded(2) == 0;
            aLayout += QStringLiteral("<imagearea x='%1' y='%2' width='%3' height='%4'/>")
                           .arg(x)
                           .arg(y)
                           .arg(aPortrait ? 400 : 600)
                           .arg(aPortrait ? 600 : 400);
        }
        aText += QStringLiteral("<template name='generated %1'><layout><total width='2160' height='2860'/>%2"
                                "</layout></template>")
                     .arg(i)
                     .arg(aLayout);
    }
    return (aText + QStringLiteral("</templates2>")).toUtf8();
}

bool writeContent(const QTemporaryDir& theDir, int theLayouts)
{
    QFile aCatalogue(QDir(LMDirectoryConfig::sampleContentRoot()).filePath(QStringLiteral("products/catalogue.json")));
    QDir().mkpath(theDir.filePath(QStringLiteral("content/products")));
    QDir().mkpath(theDir.filePath(QStringLiteral("content/templates/categories")));
    QDir().mkpath(theDir.filePath(QStringLiteral("user")));
    if (!aCatalogue.copy(theDir.filePath(QStringLiteral("content/products/catalogue.json"))))
        return false;
    QFile aLayouts(theDir.filePath(QStringLiteral("content/templates/categories/generated.xml")));
    if (!aLayouts.open(QIODevice::WriteOnly) || aLayouts.write(layoutFile(theLayouts)) < 0)
        return false;
    aLayouts.close();
    LMDirectoryConfig::instance()->setContentRoot(theDir.filePath(QStringLiteral("content")));
    LMDirectoryConfig::instance()->setUserDataDir(theDir.filePath(QStringLiteral("user")));
    return LMProductCatalogue::instance()->reload();
}

// Photos of a holiday: events of 20 to 60 photos a day apart, a few seconds between shots.
LMFotoList writePhotos(const QTemporaryDir& theDir, int theCount)
{
    QRandomGenerator aRandom(11);
    LMFotoList aFotos;
    QDateTime aTime(QDate(2024, 7, 1), QTime(9, 0));
    int anEventLeft = 0;
    for (int i = 0; i < theCount; ++i) {
        if (anEventLeft-- <= 0) {
            anEventLeft = 20 + int(aRandom.bounded(40));
            aTime = aTime.addDays(1);
        }
        aTime = aTime.addSecs(30 + aRandom.bounded(300));
        const bool aPortrait = aRandom.bounded(3) == 0;
        QImage anImage(aPortrait ? QSize(40, 60) : QSize(60, 40), QImage::Format_RGB32);
        anImage.fill(QColor::fromHsv(i * 37 % 360, 150, 200));
        LMTestSupport::PhotoTags aTags;
        aTags.dateTimeOriginal = aTime.toString(QStringLiteral("yyyy:MM:dd hh:mm:ss"));
        aTags.xmpRating = int(aRandom.bounded(6));
        const QString aPath = theDir.filePath(QStringLiteral("photo%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
        if (!LMTestSupport::writePhoto(aPath, anImage, aTags))
            return LMFotoList();
        aFotos.append(LMFoto(QFileInfo(aPath)));
    }
    return aFotos;
}

struct Book
{
    int score = 0;
    int pages = 0;
    // How far the layouts taken are from their pages' photos: portrait and landscape areas missed
    // or too many, and 100 for every photo area more or less than photos.
    int misfit = 0;
    qint64 checksum = 0;
};

int misfit(const LMPortraitAndLandscapeCount& thePhotos, const LMConfiguredTemplate& theLayout)
{
    if (!theLayout.isValid())
        return 101 * thePhotos.totalCount();
    const LMPortraitAndLandscapeCount anAreas = theLayout->analysis().portraitAndLandscapeCount();
    return thePhotos.metricDistance(anAreas) + 100 * std::abs(anAreas.totalCount() - thePhotos.totalCount());
}

// Ours: splits judged, layouts chosen per page, photos ordered.
Book planned(LMLayoutDistributor& theDistributor, const LMFotoList& theFotos)
{
    Book aBook;
    LMFotosForScenePack aPack = LMBookPlanner(theDistributor).plan(theFotos, BOOK_PAGES, true, 1);
    aBook.score = theDistributor.judge(aPack);
    while (!aPack.isEmpty()) {
        const bool aLeft = aPack.weAreOnALeftPage();
        const LMFotoList aPage = aPack.consumePageFotos();
        const LMConfiguredTemplate aLayout
            = theDistributor.findLayout(aPage, aLeft ? LMPageAlignmentEnum::Left : LMPageAlignmentEnum::Right);
        aBook.misfit += misfit(aPage.countPortraitAndLandscape(), aLayout);
        aBook.checksum += theDistributor.organizeFotos(aPage, aLayout).size();
        ++aBook.pages;
    }
    return aBook;
}

// The baseline: 4 photos a page, the first layout with 4 photo areas, photos ordered the same way.
Book greedy(LMLayoutDistributor& theDistributor, const LMFotoList& theFotos)
{
    Book aBook;
    const LMConfiguredTemplate aLayout(theDistributor.templates(4).value(0));
    QList<LMPortraitAndLandscapeCount> aCounts;
    for (qsizetype i = 0; i < theFotos.size(); i += 4) {
        const LMFotoList aPage = theFotos.mid(i, 4);
        aCounts.append(aPage.countPortraitAndLandscape());
        aBook.misfit += misfit(aCounts.constLast(), aLayout);
        aBook.checksum += theDistributor.organizeFotos(aPage, aLayout).size();
        ++aBook.pages;
    }
    aBook.score = theDistributor.judge(aCounts, true);
    return aBook;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication anApp(argc, argv);
    int aLayoutCount = 2000;
    int aRounds = 5;
    if (!LMBenchSupport::parseCountAndRounds(anApp.arguments(), "bench_layout_distributor", aLayoutCount, aRounds))
        return 2;
    QTemporaryDir aDir;
    if (!aDir.isValid() || !writeContent(aDir, aLayoutCount)) {
        std::fprintf(stderr, "bench_layout_distributor: cannot write the content tree\n");
        return 1;
    }
    const LMFotoList aFotos = writePhotos(aDir, BOOK_PHOTOS);
    if (aFotos.size() != BOOK_PHOTOS) {
        std::fprintf(stderr, "bench_layout_distributor: cannot write the photos\n");
        return 1;
    }

    QElapsedTimer aTimer;
    aTimer.start();
    const LMTemplateContext aContext(LMArticle::fromOrderTxtName(ARTICLE), LMPageTypeEnum::InnerPage);
    LMLayoutDistributor aDistributor(aContext, LMLayoutDistributorConfiguration(), LMLayoutFlags());
    std::printf("repository: %d layouts of up to %d photo areas, built in %.1f ms (loading included)\n", aLayoutCount,
                aDistributor.maximumImagesOnAnyTemplate(), double(aTimer.nsecsElapsed()) / 1e6);

    // ---- One layout per page -------------------------------------------------------------------
    QRandomGenerator aRandom(3);
    std::vector<LMPortraitAndLandscapeCount> aCounts;
    for (int i = 0; i < 1000; ++i) {
        const int aTotal = 1 + int(aRandom.bounded(8));
        const int aPortraits = int(aRandom.bounded(aTotal + 1));
        aCounts.emplace_back(aPortraits, aTotal - aPortraits);
    }
    std::vector<double> aPerCall;
    qint64 aChecksum = 0;
    for (int r = 0; r < aRounds; ++r) {
        for (const LMPortraitAndLandscapeCount& aCount : aCounts) {
            aTimer.restart();
            aChecksum += aDistributor.findLayout(aCount, LMPageAlignmentEnum::Left).isValid();
            aPerCall.push_back(double(aTimer.nsecsElapsed()) / 1000.0);
        }
    }
    std::vector<double> aWithPhotos;
    for (int r = 0; r < aRounds; ++r) {
        for (qsizetype i = 0; i + 4 <= aFotos.size(); i += 4) {
            const LMFotoList aPage = aFotos.mid(i, 1 + i % 4);
            aTimer.restart();
            aChecksum += aDistributor.findLayout(aPage, LMPageAlignmentEnum::Right).isValid();
            aWithPhotos.push_back(double(aTimer.nsecsElapsed()) / 1000.0);
        }
    }
    std::printf("findLayout by count: median %.2f us (goal: under 20 us)\n", LMBenchSupport::median(aPerCall));
    std::printf("findLayout of 1 to 4 photos (metadata cached): median %.2f us\n", LMBenchSupport::median(aWithPhotos));

    // ---- A whole book -------------------------------------------------------------------------------
    std::vector<double> anOurs;
    std::vector<double> aGreedy;
    Book anOurBook;
    Book aGreedyBook;
    for (int r = 0; r < aRounds + 1; ++r) {
        aTimer.restart();
        anOurBook = planned(aDistributor, aFotos);
        const double anOurMs = double(aTimer.nsecsElapsed()) / 1e6;
        aTimer.restart();
        aGreedyBook = greedy(aDistributor, aFotos);
        const double aGreedyMs = double(aTimer.nsecsElapsed()) / 1e6;
        // The first round reads the photos' metadata; the editor has it when it lays out.
        if (r == 0) {
            std::printf("first round (photo metadata read cold): ours %.1f ms, greedy %.1f ms\n", anOurMs, aGreedyMs);
            continue;
        }
        anOurs.push_back(anOurMs);
        aGreedy.push_back(aGreedyMs);
    }
    const double anOurMs = LMBenchSupport::median(anOurs);
    const double aGreedyMs = LMBenchSupport::median(aGreedy);
    std::printf("book of %d photos: ours %d pages in %.2f ms (goal: under 100 ms), split score %d, misfit %d\n",
                BOOK_PHOTOS, anOurBook.pages, anOurMs, anOurBook.score, anOurBook.misfit);
    std::printf("                   greedy %d pages in %.2f ms, split score %d, misfit %d\n", aGreedyBook.pages,
                aGreedyMs, aGreedyBook.score, aGreedyBook.misfit);
    std::printf("ratio to greedy: %.2f; per 100 photos %.3f ms, ratio to the 0.5 ms collage anchor: %.2f\n",
                anOurMs / aGreedyMs, anOurMs * 100.0 / BOOK_PHOTOS,
                anOurMs * 100.0 / BOOK_PHOTOS / ANCHOR_MS_PER_100_PHOTOS);

    // ---- How the splits grow --------------------------------------------------------------------------
    std::printf("splits with variation 1 (photos / pages: splits there are, made, ms to make and judge):\n");
    const QList<QPair<int, int>> aSizes { { 8, 2 }, { 16, 4 }, { 24, 6 }, { 40, 10 }, { 80, 20 }, { 400, 100 } };
    for (const auto& aSize : aSizes) {
        const LMFotoList aSome = aFotos.mid(0, aSize.first);
        const LMIntRange aRange = LMFotoForScenePackList::rangeForVariation(aSize.first, aSize.second, 1);
        const qint64 aThere = LMFotoForScenePackList::countSplits(aSize.first, aSize.second, aRange);
        aTimer.restart();
        const LMFotoForScenePackList aSplits
            = LMFotoForScenePackList::createDifferentSplitsWithVariation(true, aSome, aSize.second, 1);
        aChecksum += aDistributor.findTheBest(aSplits).numberOfScenePacks();
        std::printf("  %4d / %3d: %20lld %5lld %8.2f\n", aSize.first, aSize.second, static_cast<long long>(aThere),
                    static_cast<long long>(aSplits.size()), double(aTimer.nsecsElapsed()) / 1e6);
    }
    // 2000 photos: the planner judges stretches of a few pages, never the whole book at once.
    LMFotoList aMany;
    while (aMany.size() < 2000)
        aMany.append(aFotos);
    aTimer.restart();
    const LMFotosForScenePack aLarge = LMBookPlanner(aDistributor).plan(aMany, 500, true, 1);
    std::printf("planning 2000 photos on 500 pages: %.1f ms (%d pages)\n", double(aTimer.nsecsElapsed()) / 1e6,
                aLarge.numberOfScenePacks());
    std::printf("(checksum %lld)\n", static_cast<long long>(aChecksum + anOurBook.checksum + aGreedyBook.checksum));
    return 0;
}
