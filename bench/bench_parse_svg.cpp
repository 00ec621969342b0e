// Reads a generated set of single-page SVG templates twice per round: once with QDom alone (read
// the file, build the DOM) and once the way the library loads them (the guarded loader, the
// document's preparation, the metadata block, the areas with their SVG documents, the layer type).
// Prints the best round of each, per template, and the ratio of the two. A second, smaller set of
// four-page designs shows the cost per page of multi-page reading.
//
//   bench_parse_svg [designs] [rounds]      (default 1000 designs, 3 rounds)

#include "LMBenchSupport.h"
#include "LMContentGenerator.h"
#include "LMDirectoryConfig.h"
#include "LMFolderListing.h"
#include "LMTemplateBundleRegistry.h"
#include "LMTemplateFactorySVG.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLLoader.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {
constexpr int DEFAULT_DESIGNS = 1000;
constexpr int DEFAULT_ROUNDS = 3;
constexpr int SMART_LAYOUT_EVERY = 10;
constexpr int MULTI_PAGE_DESIGNS = 100;
// Reading templates may take at most this multiple of the bare parse.
constexpr double RATIO_TARGET = 2.0;

// Nanoseconds for reading every design into templates; the templates are deleted outside the
// measured time.
qint64 buildTemplates(const QStringList& theRoots, qint64& theTemplates, qint64& theHeapKept)
{
    QList<LMUnconfiguredTemplateList> aResults;
    aResults.reserve(theRoots.size());
    const size_t aHeapBefore = LMBenchSupport::heapInUse();
    QElapsedTimer aTimer;
    aTimer.start();
    // As the loader reads a tree: the folders are looked at once for the whole round.
    const LMFolderListing::Snapshot aSnapshot;
    for (const QString& aPath : theRoots) {
        const QFileInfo aFile(aPath);
        aResults.append(LMTemplateFactorySVG(LMXMLLoader::loadDocument(aFile), aFile).buildTemplates());
    }
    const qint64 anElapsed = aTimer.nsecsElapsed();
    theHeapKept = qint64(LMBenchSupport::heapInUse()) - qint64(aHeapBefore);
    for (LMUnconfiguredTemplateList& aList : aResults) {
        theTemplates += aList.size();
        for (const LMUnconfiguredTemplate& aTemplate : aList)
            LMTemplateBundleRegistry::instance()->remove(aTemplate);
        aList.deleteEntriesAndClear();
    }
    return anElapsed;
}

struct Figures
{
    qint64 bare = std::numeric_limits<qint64>::max();
    qint64 build = std::numeric_limits<qint64>::max();
    qint64 templates = 0;
    qint64 heapKept = 0; // by the templates of a round
};

Figures measure(const QStringList& theRoots, const QStringList& theAllFiles, int theRounds, qint64& theElements)
{
    Figures aFigures;
    LMBenchSupport::bareParse(theAllFiles, theElements); // warms the file cache
    for (int aRound = 0; aRound < theRounds; ++aRound) {
        aFigures.bare = std::min(aFigures.bare, LMBenchSupport::bareParse(theAllFiles, theElements));
        aFigures.templates = 0;
        aFigures.build = std::min(aFigures.build, buildTemplates(theRoots, aFigures.templates, aFigures.heapKept));
    }
    return aFigures;
}

QStringList allSvgFiles(const QString& theRoot)
{
    QStringList aFiles;
    const QDir aDesigns(QDir(theRoot).filePath(QStringLiteral("designs")));
    for (const QString& aDesign : aDesigns.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QString& aFile :
             QDir(aDesigns.filePath(aDesign)).entryList({ QStringLiteral("*.svg") }, QDir::Files))
            aFiles.append(aDesigns.filePath(aDesign) + QLatin1Char('/') + aFile);
    return aFiles;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    const QStringList anArguments = QCoreApplication::arguments();
    const int aDesigns = anArguments.size() > 1 ? anArguments.at(1).toInt() : DEFAULT_DESIGNS;
    const int aRounds = anArguments.size() > 2 ? anArguments.at(2).toInt() : DEFAULT_ROUNDS;
    if (aDesigns <= 0 || aRounds <= 0) {
        std::fprintf(stderr, "bench_parse_svg: designs and rounds must be positive numbers\n");
        return 2;
    }

    QTemporaryDir aSingle;
    QTemporaryDir aMulti;
    LMContentGenerator aGenerator;
    const QStringList aSingleRoots = aGenerator.writeSvgDesigns(aSingle.path(), aDesigns, 0, SMART_LAYOUT_EVERY);
    const QStringList aMultiRoots = aGenerator.writeSvgDesigns(aMulti.path(), MULTI_PAGE_DESIGNS, 1, 0);
    if (aSingleRoots.size() != aDesigns || aMultiRoots.size() != MULTI_PAGE_DESIGNS) {
        std::fprintf(stderr, "bench_parse_svg: cannot write the designs\n");
        return 1;
    }

    qint64 anElements = 0;
    LMDirectoryConfig::instance()->setContentRoot(aSingle.path());
    const Figures aSingleFigures = measure(aSingleRoots, allSvgFiles(aSingle.path()), aRounds, anElements);
    LMDirectoryConfig::instance()->setContentRoot(aMulti.path());
    const QStringList aMultiFiles = allSvgFiles(aMulti.path());
    const Figures aMultiFigures = measure(aMultiRoots, aMultiFiles, aRounds, anElements);

    const double aBare = double(aSingleFigures.bare) / 1000.0 / aDesigns;
    const double aBuild = double(aSingleFigures.build) / 1000.0 / aDesigns;
    std::printf("single-page designs: %d (every %dth with a smart layout), templates: %lld, best of %d rounds\n",
                aDesigns, SMART_LAYOUT_EVERY, static_cast<long long>(aSingleFigures.templates), aRounds);
    std::printf("bare QDom parse:  %8.1f us per template\n", aBare);
    std::printf("read templates:   %8.1f us per template\n", aBuild);
    std::printf("ratio: %.2f (target at most %.1f)%s\n", aBuild / aBare, RATIO_TARGET,
                aBuild / aBare <= RATIO_TARGET ? "" : "  -- above target");
    std::printf("heap kept by the templates: %lld bytes per template\n",
                static_cast<long long>(aSingleFigures.heapKept / std::max<qint64>(1, aSingleFigures.templates)));
    const double aPages = double(aMultiFiles.size());
    std::printf("four-page designs: %d, pages: %.0f, templates: %lld: bare %.1f us, read %.1f us per page\n",
                MULTI_PAGE_DESIGNS, aPages, static_cast<long long>(aMultiFigures.templates),
                double(aMultiFigures.bare) / 1000.0 / aPages, double(aMultiFigures.build) / 1000.0 / aPages);
    std::printf("checksum: %lld\n", static_cast<long long>(anElements));
    return 0;
}
