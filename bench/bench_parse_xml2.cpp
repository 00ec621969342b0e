// Parses a generated set of version-2 layout collections four times per round: with QDom alone
// (read the file, build the DOM), with QXmlStreamReader alone (every element and attribute
// tokenised, nothing built), with the DOM reader (the guarded loader, the factory with the
// document-wide filter, the templates with their areas, filters and mirrored variants) and with
// the stream reader the loader uses. Prints the best round of each, per template, and the readers'
// cost against the bare passes.
//
//   bench_parse_xml2 [files] [rounds]      (default 2000 files, 3 rounds)

#include "LMBenchSupport.h"
#include "LMContentGenerator.h"
#include "LMDesignElementMetaData.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateStreamReaderXML2.h"
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
// The stream reader may take at most this multiple of the bare stream pass.
constexpr double STREAM_TARGET = 1.2;

// Nanoseconds for loading every file into templates from its DOM, or with the stream reader as the
// loader does; the templates are deleted outside the measured time.
qint64 buildTemplates(const QStringList& thePaths, qint64& theTemplates, bool theStream)
{
    const LMDesignElementMetaData aMetaData;
    QList<LMUnconfiguredTemplateList> aResults;
    aResults.reserve(thePaths.size());
    QElapsedTimer aTimer;
    aTimer.start();
    for (const QString& aPath : thePaths) {
        const QFileInfo aFile(aPath);
        if (theStream) {
            const std::optional<QString> aText = LMXMLLoader::loadText(aFile);
            aResults.append(LMTemplateStreamReaderXML2(aText.value_or(QString()), aPath)
                                .read(aFile.absolutePath() + QLatin1Char('/'), aMetaData)
                                .value_or(LMUnconfiguredTemplateList()));
            continue;
        }
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

    constexpr qint64 NONE = std::numeric_limits<qint64>::max();
    qint64 aBareBest = NONE;
    qint64 aStreamPassBest = NONE;
    qint64 aDomBest = NONE;
    qint64 aStreamBest = NONE;
    qint64 anElements = 0;
    qint64 aTemplates = 0;
    LMBenchSupport::bareParse(aPaths, anElements); // warms the file cache
    for (int aRound = 0; aRound < aRounds; ++aRound) {
        aBareBest = std::min(aBareBest, LMBenchSupport::bareParse(aPaths, anElements));
        aStreamPassBest = std::min(aStreamPassBest, LMBenchSupport::bareStreamPass(aPaths, anElements));
        aTemplates = 0;
        aDomBest = std::min(aDomBest, buildTemplates(aPaths, aTemplates, false));
        aTemplates = 0;
        aStreamBest = std::min(aStreamBest, buildTemplates(aPaths, aTemplates, true));
    }

    const double aLayouts = double(aGenerator.layoutsWritten());
    const auto aPerLayout = [&](qint64 theNanoseconds) {
        return double(theNanoseconds) / 1000.0 / aLayouts;
    };
    const double aStreamRatio = double(aStreamBest) / double(aStreamPassBest);
    std::printf("files: %d, layouts: %.0f, templates built (mirrored variants included): %lld, best of %d rounds\n",
                aFiles, aLayouts, static_cast<long long>(aTemplates), aRounds);
    std::printf("bare QDom parse:      %8.2f us per layout (%.0f ms in all)\n", aPerLayout(aBareBest), aBareBest / 1e6);
    std::printf("bare stream pass:     %8.2f us per layout (%.0f ms in all)\n", aPerLayout(aStreamPassBest),
                aStreamPassBest / 1e6);
    std::printf("DOM reader:           %8.2f us per layout (%.0f ms in all), %.2fx the bare QDom parse\n",
                aPerLayout(aDomBest), aDomBest / 1e6, double(aDomBest) / double(aBareBest));
    std::printf("stream reader:        %8.2f us per layout (%.0f ms in all), %.2fx the bare QDom parse\n",
                aPerLayout(aStreamBest), aStreamBest / 1e6, double(aStreamBest) / double(aBareBest));
    std::printf("stream reader: %.2fx the bare stream pass (target at most %.1fx)%s\n", aStreamRatio, STREAM_TARGET,
                aStreamRatio <= STREAM_TARGET ? "" : "  -- above target");
    std::printf("checksum: %lld\n", static_cast<long long>(anElements));
    return 0;
}
