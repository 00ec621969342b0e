// Loads every template of a generated content tree for one article, the way the editor does at
// start-up (file manager, parallel parse, build, filter, insertion into the registry), and prints
// next to it the bare parallel QDom parse of the same files in the same run: one task per core,
// each parsing its share of the files.
//
//   bench_load_templates [xml files] [svg designs] [rounds]    (default 4000, 1000, 3)
#include "LMArticle.h"
#include "LMBenchSupport.h"
#include "LMContentGenerator.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

// The full load may take at most this multiple of the bare parallel QDom parse.
constexpr double RATIO_TARGET = 1.0;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    LMBenchSupport::ContentArguments anArguments;
    if (!LMBenchSupport::parseContentArguments(QCoreApplication::arguments(), "bench_load_templates", anArguments))
        return 2;
    const int anXmlFiles = anArguments.xmlFiles;
    const int aSvgDesigns = anArguments.svgDesigns;
    const int aRounds = anArguments.rounds;

    QTemporaryDir aContent;
    LMContentGenerator aGenerator;
    const QString aRoot = aContent.path();
    if (!aGenerator.writeContentTree(aRoot, anXmlFiles, aSvgDesigns, 10)) {
        std::fprintf(stderr, "bench_load_templates: cannot write the content\n");
        return 1;
    }
    // The bare parse reads what the load reads: the XML files and the SVG pages.
    const QStringList aFiles = LMBenchSupport::filesBelow(aRoot, QStringLiteral("*.xml"))
        + LMBenchSupport::filesBelow(aRoot, QStringLiteral("*.svg"));

    LMDirectoryConfig::instance()->setContentRoot(aRoot);
    LMProductCatalogue::instance()->reload();
    const LMArticle anArticle = LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4"));
    LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();

    qint64 anElements = 0;
    LMBenchSupport::bareParallelParse(aFiles, anElements); // warms the file cache
    qint64 aBare = std::numeric_limits<qint64>::max();
    qint64 aBareStream = std::numeric_limits<qint64>::max();
    qint64 aLoad = std::numeric_limits<qint64>::max();
    qsizetype aTemplates = 0;
    qint64 aKeptBytes = 0;
    qint64 aFreshPages = 0;
    for (int aRound = 0; aRound < aRounds; ++aRound) {
        aBare = std::min(aBare, LMBenchSupport::bareParallelParse(aFiles, anElements));
        aBareStream = std::min(aBareStream, LMBenchSupport::bareParallelStreamPass(aFiles, anElements));
        // Every round starts over: the registry forgets its templates and the file manager
        // offers every file again. (The registry keeps the templates it has handed out alive.)
        aRegistry->clear();
        const size_t aHeapBefore = aRound == 0 ? LMBenchSupport::heapInUse() : 0;
        const qint64 aPagesBefore = LMBenchSupport::freshPagesTouched();
        QElapsedTimer aTimer;
        aTimer.start();
        LMTemplateFileManager::instance()->reInit();
        aRegistry->loadTemplates(anArticle);
        aLoad = std::min(aLoad, aTimer.nsecsElapsed());
        aTemplates = aRegistry->countTemplates();
        if (aRound == 0) {
            aFreshPages = LMBenchSupport::freshPagesTouched() - aPagesBefore;
            aKeptBytes = qint64(LMBenchSupport::heapInUse()) - qint64(aHeapBefore);
        }
    }
    // What keeping the same bytes costs this machine, nothing built: the load cannot go below it.
    // Measured after the loads, so that the memory it frees cannot serve them.
    qint64 aKeep = std::numeric_limits<qint64>::max();
    const qint64 aBytesPerTemplate = aTemplates > 0 ? aKeptBytes / aTemplates : 0;
    for (int aRound = 0; aRound < aRounds && aKeptBytes > 0; ++aRound)
        aKeep = std::min(aKeep, LMBenchSupport::keepInParallel(aKeptBytes, std::max<qint64>(64, aBytesPerTemplate)));

    std::printf("content: %d XML files (%d to %d layouts each), %d SVG designs; %lld files parsed; %d threads\n",
                anXmlFiles, 2, 8, aSvgDesigns, static_cast<long long>(aFiles.size()),
                QThreadPool::globalInstance()->maxThreadCount());
    std::printf("templates in the registry for %s: %lld, best of %d rounds\n", qPrintable(anArticle.orderTxtName()),
                static_cast<long long>(aTemplates), aRounds);
    std::printf("bare parallel QDom parse: %8.1f ms\n", double(aBare) / 1e6);
    std::printf("bare parallel stream pass: %7.1f ms\n", double(aBareStream) / 1e6);
    std::printf("full load:                %8.1f ms\n", double(aLoad) / 1e6);
    const double aRatio = double(aLoad) / double(aBare);
    std::printf("ratio: %.2f (target at most %.1f)%s; %.2f the bare stream pass\n", aRatio, RATIO_TARGET,
                aRatio <= RATIO_TARGET ? "" : "  -- above target", double(aLoad) / double(aBareStream));
    if (aKeptBytes > 0) {
        std::printf("heap kept by the load:    %8.1f MB, %lld bytes per template; %lld fresh pages touched\n",
                    double(aKeptBytes) / 1e6, static_cast<long long>(aBytesPerTemplate),
                    static_cast<long long>(aFreshPages));
        std::printf("keeping as many bytes, nothing built: %.1f ms (%.2f the bare QDom parse)\n", double(aKeep) / 1e6,
                    double(aKeep) / double(aBare));
    }
    std::printf("checksum: %lld\n", static_cast<long long>(anElements));
    return 0;
}
