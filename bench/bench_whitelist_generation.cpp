// Generates the white list of a generated content tree (the product filter of every file, read in
// parallel, and the summary) and prints next to it the bare parallel QDom parse of the same files
// in the same run.
//
//   bench_whitelist_generation [xml files] [svg designs] [rounds]    (default 4000, 1000, 3)
#include "LMBenchSupport.h"
#include "LMContentGenerator.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateWhiteListGenerator.h"

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

// Generation may take at most this multiple of the bare parallel parse.
constexpr double RATIO_TARGET = 1.5;

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    LMBenchSupport::ContentArguments anArguments;
    if (!LMBenchSupport::parseContentArguments(QCoreApplication::arguments(), "bench_whitelist_generation",
                                               anArguments))
        return 2;
    const int anXmlFiles = anArguments.xmlFiles;
    const int aSvgDesigns = anArguments.svgDesigns;
    const int aRounds = anArguments.rounds;

    QTemporaryDir aContent;
    LMContentGenerator aGenerator;
    const QString aRoot = aContent.path();
    if (!aGenerator.writeContentTree(aRoot, anXmlFiles, aSvgDesigns, 0)) {
        std::fprintf(stderr, "bench_whitelist_generation: cannot write the content\n");
        return 1;
    }
    LMDirectoryConfig::instance()->setContentRoot(aRoot);
    LMProductCatalogue::instance()->reload();
    LMTemplateFileManager::instance()->reInit();
    const LMTemplateSourceFileList aSourceFiles = LMTemplateWhiteListGenerator::filesToScan();
    // The bare parse reads what the generation reads.
    const QStringList aFiles = aSourceFiles.fullNames();

    qint64 anElements = 0;
    LMBenchSupport::bareParallelParse(aFiles, anElements); // warms the file cache
    qint64 aBare = std::numeric_limits<qint64>::max();
    qint64 aGeneration = std::numeric_limits<qint64>::max();
    LMTemplateWhiteList aList;
    for (int aRound = 0; aRound < aRounds; ++aRound) {
        aBare = std::min(aBare, LMBenchSupport::bareParallelParse(aFiles, anElements));
        QElapsedTimer aTimer;
        aTimer.start();
        aList = LMTemplateWhiteListGenerator::summarizeResults(
            LMTemplateWhiteListGenerator().parseFilesParallely(aSourceFiles));
        aGeneration = std::min(aGeneration, aTimer.nsecsElapsed());
    }

    qsizetype aPatterns = 0;
    for (const QStringList& aGroupPatterns : aList.groups())
        aPatterns += aGroupPatterns.size();
    std::printf("content: %d XML files, %d SVG designs; %lld files read; %d threads; best of %d rounds\n", anXmlFiles,
                aSvgDesigns, static_cast<long long>(aFiles.size()), QThreadPool::globalInstance()->maxThreadCount(),
                aRounds);
    std::printf("white list: %lld groups, %lld patterns\n", static_cast<long long>(aList.groups().size()),
                static_cast<long long>(aPatterns));
    std::printf("bare parallel QDom parse: %8.1f ms\n", double(aBare) / 1e6);
    std::printf("generation:               %8.1f ms\n", double(aGeneration) / 1e6);
    const double aRatio = double(aGeneration) / double(aBare);
    std::printf("ratio: %.2f (target at most %.1f)%s\n", aRatio, RATIO_TARGET,
                aRatio <= RATIO_TARGET ? "" : "  -- above target");
    std::printf("checksum: %lld\n", static_cast<long long>(anElements));
    return 0;
}
