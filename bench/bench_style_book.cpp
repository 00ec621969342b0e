// A book built by a design style: a 60-page photo book from 240 photos with the sample's style of
// three rule sets (layouts named or chosen by the distributor, photos ordered into them,
// backgrounds, borders, cliparts, passepartouts, corners, shadows and text formats), against the
// same photos laid out by the distributor alone; then every page drawn at 400 pixels.
//
//   bench_style_book [rounds]      (default: 5 rounds)

#include "LMArticle.h"
#include "LMBenchSupport.h"
#include "LMBookPlanner.h"
#include "LMDecorationRegistry.h"
#include "LMDesignStyleAreas.h"
#include "LMDesignStyleBook.h"
#include "LMDirectoryConfig.h"
#include "LMFotoAccess.h"
#include "LMLayoutDistributor.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionFotoContainer.h"
#include "LMTemplateRegistry.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {
const QString ARTICLE = QStringLiteral("ALBUM_TALL_21");
constexpr int BOOK_PHOTOS = 240;
constexpr int INNER_PAGES = 60;
constexpr int PICTURE_SIDE = 400;
constexpr double GOAL_MS = 50.0;

// Small photos, portrait or landscape by chance, each of its own colour.
LMFotoList writePhotos(const QTemporaryDir& theDir)
{
    QRandomGenerator aRandom(5);
    LMFotoList aFotos;
    for (int i = 0; i < BOOK_PHOTOS; ++i) {
        const bool aPortrait = aRandom.bounded(3) == 0;
        QImage anImage(aPortrait ? QSize(60, 90) : QSize(90, 60), QImage::Format_RGB32);
        anImage.fill(QColor::fromHsv(i * 23 % 360, 120, 210));
        const QString aPath = theDir.filePath(QStringLiteral("photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        if (!anImage.save(aPath, "JPEG", 80))
            return LMFotoList();
        aFotos.append(LMFoto(QFileInfo(aPath)));
    }
    return aFotos;
}

// The distributor's book of the same photos: the planner's split, a layout per page and the
// photos ordered into it, nothing else.
int distributorBook(LMLayoutDistributor& theDistributor, const LMFotoList& theFotos, int thePages)
{
    LMFotosForScenePack aBook = LMBookPlanner(theDistributor).plan(theFotos, thePages, false);
    int aPlaced = 0;
    while (!aBook.isEmpty()) {
        const bool aLeft = aBook.weAreOnALeftPage();
        const LMFotoList aPage = aBook.consumePageFotos();
        const LMConfiguredTemplate aLayout
            = theDistributor.findLayout(aPage, aLeft ? LMPageAlignmentEnum::Left : LMPageAlignmentEnum::Right);
        aPlaced += int(theDistributor.organizeFotos(aPage, aLayout).size());
    }
    return aPlaced;
}

int placedFotos(const QList<LMDesignStyleBook::Page>& thePages)
{
    int aPlaced = 0;
    for (const LMDesignStyleBook::Page& aPage : thePages) {
        // Smart layouts hold the photo areas of a layout: counted where they stand.
        for (const LMTemplateAreaDefinitionFotoContainer* anArea :
             LMDesignStyleAreas::fotoAreasInFillingOrder(aPage.result.templateAreaDefinitionList()))
            aPlaced += anArea->foto().isValid() ? 1 : 0;
    }
    return aPlaced;
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication anApp(argc, argv);
    int aRounds = 5;
    const QStringList anArguments = anApp.arguments();
    if (anArguments.size() > 1) {
        bool anOk = false;
        aRounds = anArguments.at(1).toInt(&anOk);
        if (!anOk || aRounds < 1) {
            std::fprintf(stderr, "usage: bench_style_book [rounds]\n");
            return 2;
        }
    }
    QTemporaryDir aDir;
    if (!aDir.isValid()) {
        std::fprintf(stderr, "bench_style_book: no temporary folder\n");
        return 1;
    }
    LMDirectoryConfig::instance()->setContentRoot(LMDirectoryConfig::sampleContentRoot());
    LMDirectoryConfig::instance()->setUserDataDir(aDir.path());
    const LMFotoList aFotos = writePhotos(aDir);
    if (aFotos.size() != BOOK_PHOTOS || !LMProductCatalogue::instance()->reload()) {
        std::fprintf(stderr, "bench_style_book: cannot write the photos or read the catalogue\n");
        return 1;
    }
    const LMArticle anArticle = LMArticle::fromOrderTxtName(ARTICLE);
    LMTemplateRegistry::instance()->loadTemplates(anArticle);
    LMDecorationRegistry::instance();
    const QFileInfo aStyleFile(LMDirectoryConfig::sampleContentRoot() + QStringLiteral("/styles/meadow-album.xml"));
    // The photos' metadata is read once, as the editor has it by the time the assistant runs.
    for (const LMFoto& aFoto : aFotos)
        LMFotoAccess(aFoto).orientation();

    LMLayoutDistributor aDistributor(LMTemplateContext(anArticle, LMPageTypeEnum::InnerPage), LMDesignElementIDSet(),
                                     LMDesignElementIDSet());
    std::vector<double> aStyleMs;
    std::vector<double> aBareMs;
    QList<LMDesignStyleBook::Page> aPages;
    int aBarePlaced = 0;
    QElapsedTimer aTimer;
    // The first round builds the distributors and is not counted.
    for (int r = 0; r <= aRounds; ++r) {
        const LMDesignStyle aStyle(aStyleFile);
        aTimer.restart();
        aPages = LMDesignStyleBook::build(aStyle, anArticle, INNER_PAGES, aFotos);
        const double aStyleRound = double(aTimer.nsecsElapsed()) / 1e6;
        aTimer.restart();
        aBarePlaced = distributorBook(aDistributor, aFotos, INNER_PAGES + 2);
        const double aBareRound = double(aTimer.nsecsElapsed()) / 1e6;
        if (r > 0) {
            aStyleMs.push_back(aStyleRound);
            aBareMs.push_back(aBareRound);
        }
    }
    const double aStyleMedian = LMBenchSupport::median(aStyleMs);
    const double aBareMedian = LMBenchSupport::median(aBareMs);
    std::printf("book: %d photos, %lld pages (%d inner), %d photos placed; style %s, 3 rule sets\n", BOOK_PHOTOS,
                static_cast<long long>(aPages.size()), INNER_PAGES, placedFotos(aPages),
                qPrintable(aStyleFile.fileName()));
    std::printf("page definitions by the style: median %.1f ms over %d rounds (goal: under %.0f ms), %.2f ms a page\n",
                aStyleMedian, aRounds, GOAL_MS, aStyleMedian / double(aPages.size()));
    std::printf("the distributor alone (split, layout, photo order; %d placed): median %.1f ms; ratio %.2f\n",
                aBarePlaced, aBareMedian, aBareMedian > 0 ? aStyleMedian / aBareMedian : 0.0);

    std::vector<double> aPictureMs;
    qint64 aPixels = 0;
    aTimer.restart();
    for (const LMDesignStyleBook::Page& aPage : std::as_const(aPages)) {
        QElapsedTimer aPageTimer;
        aPageTimer.start();
        const QImage aPicture = LMDesignStyleBook::picture(aPage, anArticle, PICTURE_SIDE);
        aPictureMs.push_back(double(aPageTimer.nsecsElapsed()) / 1e6);
        aPixels += qint64(aPicture.width()) * aPicture.height();
    }
    const double aTotalMs = double(aTimer.nsecsElapsed()) / 1e6;
    std::printf("drawing every page at %d px: %.0f ms in all, median %.1f ms a page (%.1f Mpixel)\n", PICTURE_SIDE,
                aTotalMs, LMBenchSupport::median(aPictureMs), double(aPixels) / 1e6);
    return 0;
}
