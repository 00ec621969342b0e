// Backgrounds matched to photos: filling the hue lists of a nearest-neighbour distributor for many
// backgrounds (colour caches cold, thumbnails rendered), the choice for a page of 4 photos with
// warm caches, and the colours of many photos in parallel against decoding their pictures alone.
//
//   bench_background_distribution [backgrounds] [rounds]      (defaults: 2000 backgrounds, 3 rounds)

#include "LMArticle.h"
#include "LMBackgroundDistributorNearestNeighbour.h"
#include "LMBackgroundStrategy.h"
#include "LMBenchSupport.h"
#include "LMCategorization.h"
#include "LMContentFilterParameter.h"
#include "LMDirectoryConfig.h"
#include "LMFotoAccess.h"
#include "LMProductCatalogue.h"
#include "LMTemplateContext.h"
#include "LMTemplateFilterBackground.h"
#include "LMTemplateRegistry.h"
#include "LMTestPhoto.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QtConcurrent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const QString ARTICLE = QStringLiteral("ALBUM_TALL_21");
constexpr int PHOTOS = 1000;
// The size level the distributor measures photos at.
constexpr int FOTO_SIZE_LEVEL = 3;

// Backgrounds around the hue circle, each with a small thumbnail of its colour (flat colours of
// their own are offered apart from the background lists, so these are papers).
bool writeContent(const QTemporaryDir& theDir, int theCount)
{
    const QDir aContent(theDir.filePath(QStringLiteral("content")));
    QDir().mkpath(aContent.filePath(QStringLiteral("products")));
    QDir().mkpath(aContent.filePath(QStringLiteral("templates/categories/thumbs")));
    QDir().mkpath(theDir.filePath(QStringLiteral("user")));
    QFile aCatalogue(QDir(LMDirectoryConfig::sampleContentRoot()).filePath(QStringLiteral("products/catalogue.json")));
    if (!aCatalogue.copy(aContent.filePath(QStringLiteral("products/catalogue.json"))))
        return false;
    QString aText = QStringLiteral("<templates>");
    for (int i = 0; i < theCount; ++i) {
        const int anId = 20000 + i;
        QImage aThumb(24, 24, QImage::Format_RGB32);
        aThumb.fill(QColor::fromHsv(i * 360 / theCount, 80 + i % 170, 90 + i % 160));
        if (!aThumb.save(aContent.filePath(QStringLiteral("templates/categories/thumbs/bg_%1.png").arg(anId))))
            return false;
        aText += QStringLiteral("<template name='%1' type='hintergrund' category='hintergrund' designElementId='%1' "
                                "subcategory='Papier' filename='thumbs/bg_%1.png'/>")
                     .arg(anId);
    }
    QFile aWhiteList(aContent.filePath(QStringLiteral("white_list.conf")));
    if (!aWhiteList.open(QIODevice::WriteOnly)
        || aWhiteList.write(QStringLiteral("<whitelist><group><products><product>%1</product></products><files>"
                                           "<file name='/categories/generated_backgrounds.xml'/></files></group>"
                                           "</whitelist>")
                                .arg(ARTICLE)
                                .toUtf8())
            < 0)
        return false;
    aWhiteList.close();
    QFile aFile(aContent.filePath(QStringLiteral("templates/categories/generated_backgrounds.xml")));
    if (!aFile.open(QIODevice::WriteOnly) || aFile.write((aText + QStringLiteral("</templates>")).toUtf8()) < 0)
        return false;
    aFile.close();
    LMDirectoryConfig::instance()->setContentRoot(aContent.path());
    LMDirectoryConfig::instance()->setUserDataDir(theDir.filePath(QStringLiteral("user")));
    return LMProductCatalogue::instance()->reload();
}

LMFotoList writePhotos(const QString& theFolder, int theCount)
{
    QDir().mkpath(theFolder);
    LMFotoList aFotos;
    for (int i = 0; i < theCount; ++i) {
        QImage anImage(i % 3 == 0 ? QSize(400, 600) : QSize(600, 400), QImage::Format_RGB32);
        anImage.fill(QColor::fromHsv(i * 37 % 360, 160, 200));
        const QString aPath = QDir(theFolder).filePath(QStringLiteral("photo%1.jpg").arg(i, 4, 10, QLatin1Char('0')));
        if (!LMTestSupport::writePhoto(aPath, anImage, LMTestSupport::PhotoTags()))
            return LMFotoList();
        aFotos.append(LMFoto(QFileInfo(aPath)));
    }
    return aFotos;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication anApp(argc, argv);
    int aCount = 2000;
    int aRounds = 3;
    if (!LMBenchSupport::parseCountAndRounds(anApp.arguments(), "bench_background_distribution", aCount, aRounds))
        return 2;
    QTemporaryDir aDir;
    if (!aDir.isValid() || !writeContent(aDir, aCount)) {
        std::fprintf(stderr, "bench_background_distribution: cannot write the content tree\n");
        return 1;
    }
    const LMArticle anArticle = LMArticle::fromOrderTxtName(ARTICLE);
    LMTemplateRegistry::instance()->loadTemplates(anArticle);
    const LMContentFilterParameter aParameter(LMTemplateContext(anArticle, LMPageTypeEnum::InnerPage),
                                              LMCategorization());
    LMTemplateList aBackgrounds;
    for (const LMUnconfiguredTemplate& aHandle :
         LMTemplateRegistry::instance()->getTemplates(LMTemplateFilterBackground(aParameter)))
        aBackgrounds.append(LMConfiguredTemplate(aHandle));
    LMBackgroundStrategy aStrategy;
    aStrategy.setBackgroundFlags(LMBackgroundStrategy::White);
    aStrategy.setExplicitBackgrounds(aBackgrounds);
    aStrategy.setExplicitDistributionStrategy(LMBackgroundStrategy::NearestNeighbour);

    QElapsedTimer aTimer;
    aTimer.start();
    LMBackgroundDistributorNearestNeighbour aDistributor(anArticle, aStrategy);
    const double aFillMs = double(aTimer.nsecsElapsed()) / 1e6;
    aTimer.restart();
    LMBackgroundDistributorNearestNeighbour aWarm(anArticle, aStrategy);
    std::printf("hue lists for %lld backgrounds: %.1f ms cold (thumbnails rendered), %.1f ms with the colours cached; "
                "%lld in the lists\n",
                static_cast<long long>(aBackgrounds.size()), aFillMs, double(aTimer.nsecsElapsed()) / 1e6,
                static_cast<long long>(aDistributor.countBackgrounds()));

    // ---- Colours of many photos -------------------------------------------------------------------
    const LMFotoList aFotos = writePhotos(aDir.filePath(QStringLiteral("photos")), PHOTOS);
    if (aFotos.size() != PHOTOS) {
        std::fprintf(stderr, "bench_background_distribution: cannot write the photos\n");
        return 1;
    }
    std::vector<LMFoto> aList(aFotos.cbegin(), aFotos.cend());
    aTimer.restart();
    QtConcurrent::blockingMap(aList, [](const LMFoto& theFoto) {
        const QImage aPicture = LMFotoAccess(theFoto, FOTO_SIZE_LEVEL).drawable();
        Q_UNUSED(aPicture);
    });
    const double aDecodeMs = double(aTimer.nsecsElapsed()) / 1e6;
    aTimer.restart();
    LMBackgroundDistributorAbstract::preparePredominantColors(aFotos);
    const double aColourMs = double(aTimer.nsecsElapsed()) / 1e6;
    std::printf("colours of %d photos on %d threads: %.1f ms, decoding their pictures alone %.1f ms (ratio %.2f)\n",
                PHOTOS, QThreadPool::globalInstance()->maxThreadCount(), aColourMs, aDecodeMs, aColourMs / aDecodeMs);

    // ---- The choice for a page ----------------------------------------------------------------------
    std::vector<double> aChoices;
    qint64 aChecksum = 0;
    for (int r = 0; r < aRounds; ++r) {
        for (qsizetype i = 0; i + 4 <= aFotos.size(); i += 4) {
            const LMFotoList aPage = aFotos.mid(i, 4);
            aTimer.restart();
            aChecksum += aDistributor.selectTemplate(aPage).isValid();
            aChoices.push_back(double(aTimer.nsecsElapsed()) / 1000.0);
        }
    }
    std::printf("nearest background for a page of 4 photos (caches warm): median %.2f us (goal: under 5 us)\n",
                LMBenchSupport::median(aChoices));
    std::printf("(checksum %lld)\n", static_cast<long long>(aChecksum));
    return 0;
}
