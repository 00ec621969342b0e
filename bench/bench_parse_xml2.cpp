// Parses a generated set of version-2 layout collections twice per round: once with QDom alone
// (read the file, build the DOM) and once the way the library loads them (the guarded loader, the
// factory with the document-wide filter, the templates with their areas, filters and mirrored
// variants). Prints the best round of each, per template, and the overhead of building templates
// over the bare parse.
//
//   bench_parse_xml2 [files] [rounds]      (default 2000 files, 3 rounds)

#include "LMBenchSupport.h"
#include "LMContentGenerator.h"
#include "LMDesignElementMetaData.h"
#include "LMTemplateFactoryXML2.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLLoader.h"
#include "LMXMLParser.h"

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
constexpr int DEFAULT_FILES = 2000;
constexpr int DEFAULT_ROUNDS = 3;
constexpr int MIN_LAYOUTS = 4;
constexpr int MAX_LAYOUTS = 12;
// Building templates may cost at most this fraction on top of the bare parse.
constexpr double OVERHEAD_TARGET = 0.5;

// Nanoseconds for loading every file into templates as the loader does; the templates are
// deleted outside the measured time.
qint64 buildTemplates(const QStringList& thePaths, qint64& theTemplates)
{
    const LMDesignElementMetaData aMetaData;
    QList<LMUnconfiguredTemplateList> aResults;
    aResults.reserve(thePaths.size());
    QElapsedTimer aTimer;
    aTimer.start();
    for (const QString& aPath : thePaths) {
        const QFileInfo aFile(aPath);
        const QDomDocument aDocument = LMXMLLoader::loadDocument(aFile);
        const QDomElement aRoot = aDocument.documentElement();
        LMTemplateFactoryXML2 aFactory(aRoot.firstChildElement(QStringLiteral("filter")));
        aFactory.setTemplateRevision(LMXMLParser::intAttribute(aRoot, QStringLiteral("version"), 1));
        aResults.append(aFactory.buildTemplates(aRoot, aFile.absolutePath() + QLatin1Char('/'), aMetaData));
    }
    const qint64 anElapsed = aTimer.nsecsElapsed();
    for (LMUnconfiguredTemplateList& aList : aResults) {
        theTemplates += aList.size();
        aList.deleteEntriesAndClear();
    }
    return anElapsed;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    const QStringList anArguments = QCoreApplication::arguments();
    const int aFiles = anArguments.size() > 1 ? anArguments.at(1).toInt() : DEFAULT_FILES;
    const int aRounds = anArguments.size() > 2 ? anArguments.at(2).toInt() : DEFAULT_ROUNDS;
    if (aFiles <= 0 || aRounds <= 0) {
        std::fprintf(stderr, "bench_parse_xml2: files and rounds must be positive numbers\n");
        return 2;
    }

    QTemporaryDir aFolder;
    LMContentGenerator aGenerator;
    const QStringList aPaths = aGenerator.writeLayoutCollectionsV2(aFolder.path(), aFiles, MIN_LAYOUTS, MAX_LAYOUTS);
    if (aPaths.size() != aFiles) {
        std::fprintf(stderr, "bench_parse_xml2: cannot write the files into %s\n", qPrintable(aFolder.path()));
        return 1;
    }

    qint64 aBareBest = std::numeric_limits<qint64>::max();
    qint64 aBuildBest = std::numeric_limits<qint64>::max();
    qint64 anElements = 0;
    qint64 aTemplates = 0;
    LMBenchSupport::bareParse(aPaths, anElements); // warms the file cache
    for (int aRound = 0; aRound < aRounds; ++aRound) {
        aBareBest = std::min(aBareBest, LMBenchSupport::bareParse(aPaths, anElements));
        aTemplates = 0;
        aBuildBest = std::min(aBuildBest, buildTemplates(aPaths, aTemplates));
    }

    const qint64 aLayouts = aGenerator.layoutsWritten();
    const double aBarePerLayout = double(aBareBest) / 1000.0 / double(aLayouts);
    const double aBuildPerLayout = double(aBuildBest) / 1000.0 / double(aLayouts);
    const double anOverhead = aBuildPerLayout / aBarePerLayout - 1.0;
    std::printf("files: %d, layouts: %lld, templates built (mirrored variants included): %lld, best of %d rounds\n",
                aFiles, static_cast<long long>(aLayouts), static_cast<long long>(aTemplates), aRounds);
    std::printf("bare QDom parse:  %8.2f us per layout (%.0f ms in all)\n", aBarePerLayout, aBareBest / 1e6);
    std::printf("build templates:  %8.2f us per layout (%.0f ms in all)\n", aBuildPerLayout, aBuildBest / 1e6);
    std::printf("overhead: %.0f%% on top of the bare parse (target at most %.0f%%)%s\n", anOverhead * 100.0,
                OVERHEAD_TARGET * 100.0, anOverhead <= OVERHEAD_TARGET ? "" : "  -- above target");
    std::printf("checksum: %lld\n", static_cast<long long>(anElements));
    return 0;
}
