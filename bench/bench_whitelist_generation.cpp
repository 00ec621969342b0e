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

constexpr int DEFAULT_XML_FILES = 4000;
constexpr int DEFAULT_SVG_DESIGNS = 1000;
constexpr int DEFAULT_ROUNDS = 3;
// Generation may take at most this multiple of the bare parallel parse.
constexpr double RATIO_TARGET = 1.5;

const QByteArray CATALOGUE = R"({"articles": [
    {"id": 1, "orderName": "BOOK_A4", "class": "photobook", "orientation": "portrait"},
    {"id": 2, "orderName": "BOOK_A5", "class": "photobook", "orientation": "landscape"},
    {"id": 3, "orderName": "CAL_A3", "class": "calendar", "orientation": "landscape"},
    {"id": 4, "orderName": "CARD_A6", "class": "card", "orientation": "portrait"}
]})";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    const QStringList anArguments = QCoreApplication::arguments();
    const int anXmlFiles = anArguments.size() > 1 ? anArguments.at(1).toInt() : DEFAULT_XML_FILES;
    const int aSvgDesigns = anArguments.size() > 2 ? anArguments.at(2).toInt() : DEFAULT_SVG_DESIGNS;
    const int aRounds = anArguments.size() > 3 ? anArguments.at(3).toInt() : DEFAULT_ROUNDS;
    if (anXmlFiles < 0 || aSvgDesigns < 0 || aRounds <= 0) {
        std::fprintf(stderr, "bench_whitelist_generation: file counts must not be negative, rounds must be positive\n");
        return 2;
    }

    QTemporaryDir aContent;
    LMContentGenerator aGenerator;
    const QString aRoot = aContent.path();
    const QString aCategories = QDir(aRoot).filePath(QStringLiteral("templates/categories"));
    QFile aCatalogue(QDir(aRoot).filePath(QStringLiteral("products/catalogue.json")));
    if (!QDir().mkpath(aCategories) || !QDir().mkpath(QDir(aRoot).filePath(QStringLiteral("products")))
        || !aCatalogue.open(QIODevice::WriteOnly) || aCatalogue.write(CATALOGUE) < 0)
        return 1;
    aCatalogue.close();
    if (aGenerator.writeLayoutCollectionsV2(aCategories, anXmlFiles, 2, 8).size() != anXmlFiles
        || aGenerator.writeSvgDesigns(aRoot, aSvgDesigns, 0, 0).size() != aSvgDesigns) {
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
