// Start-up of the template file manager: a content tree of small template files and a white list
// of many patterns; reInit lists the tree, reads both lists and matches every file against every
// pattern on all cores. Prints the median of several rounds of the whole reInit, of the listing
// alone and of the matching of the same files and patterns one expression at a time (the baseline).
//
//   bench_file_manager [files] [patterns] [rounds]      (default 5000 files, 500 patterns, 7 rounds)

#include "LMDirectoryConfig.h"
#include "LMPlatformIndependent.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateWhiteList.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {
constexpr int DEFAULT_FILES = 5000;
constexpr int DEFAULT_PATTERNS = 500;
constexpr int DEFAULT_ROUNDS = 7;
constexpr int FOLDERS = 100;
constexpr int GROUPS = 10;
// Every fifth file is the first page of an SVG design, the others are collections.
constexpr int SVG_EVERY = 5;
constexpr double TARGET_MS = 200.0;

QString collectionPath(int theIndex)
{
    return QStringLiteral("templates/categories/theme-%1/layout-%2.xml").arg(theIndex % FOLDERS).arg(theIndex);
}

QString designPath(int theIndex)
{
    return QStringLiteral("designs/series-%1/page1.svg").arg(theIndex);
}

bool writeContent(const QString& theRoot, int theFiles, int thePatterns)
{
    const QDir aRoot(theRoot);
    for (int anIndex = 0; anIndex < theFiles; ++anIndex) {
        const QString aPath = aRoot.filePath(anIndex % SVG_EVERY == 0 ? designPath(anIndex) : collectionPath(anIndex));
        if (!QDir().mkpath(QFileInfo(aPath).absolutePath()))
            return false;
        QFile aFile(aPath);
        if (!aFile.open(QIODevice::WriteOnly) || aFile.write("<templates/>\n") < 0)
            return false;
    }
    // Half of the patterns name single collections, half whole design folders; spread over the
    // files so that about every tenth file is named and the rest are tested against every pattern.
    QString aText = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist>\n");
    for (int aGroup = 0; aGroup < GROUPS; ++aGroup) {
        aText += QStringLiteral("<group><products><product>PRODUCT_%1</product></products><files>\n").arg(aGroup);
        for (int aPattern = aGroup; aPattern < thePatterns; aPattern += GROUPS) {
            const int aFile = (aPattern * 10) % std::max(theFiles, 1);
            const QString aName = aPattern % 2 == 0
                ? QStringLiteral("theme-%1/layout-%2.xml").arg(aFile % FOLDERS).arg(aFile + 1)
                : QStringLiteral("series-%1/*").arg(aFile);
            aText += QStringLiteral("<file name=\"%1\"/>\n").arg(aName);
        }
        aText += QStringLiteral("</files></group>\n");
    }
    aText += QStringLiteral("</whitelist>\n");
    QFile aWhiteList(aRoot.filePath(QStringLiteral("white_list.conf")));
    return aWhiteList.open(QIODevice::WriteOnly) && aWhiteList.write(aText.toUtf8()) > 0;
}

double median(QList<double> theValues)
{
    std::sort(theValues.begin(), theValues.end());
    return theValues.isEmpty() ? 0.0 : theValues.at(theValues.size() / 2);
}

// Baseline of the listing: a bare walk of the folders that only counts the regular files.
qsizetype bareWalk(const QString& theRoot)
{
    qsizetype aCount = 0;
    std::error_code anError;
    for (std::filesystem::recursive_directory_iterator anIt(theRoot.toStdString(), anError), anEnd;
         !anError && anIt != anEnd; anIt.increment(anError)) {
        if (anIt->is_regular_file(anError))
            ++aCount;
    }
    return aCount;
}

double milliseconds(const QElapsedTimer& theTimer)
{
    return double(theTimer.nsecsElapsed()) / 1.0e6;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    const QStringList anArguments = QCoreApplication::arguments();
    const int aFiles = anArguments.size() > 1 ? anArguments.at(1).toInt() : DEFAULT_FILES;
    const int aPatterns = anArguments.size() > 2 ? anArguments.at(2).toInt() : DEFAULT_PATTERNS;
    const int aRounds = anArguments.size() > 3 ? anArguments.at(3).toInt() : DEFAULT_ROUNDS;
    if (aFiles <= 0 || aPatterns <= 0 || aRounds <= 0) {
        std::fprintf(stderr, "bench_file_manager: files, patterns and rounds must be positive numbers\n");
        return 2;
    }

    QTemporaryDir aContent;
    QTemporaryDir aUser;
    if (!aContent.isValid() || !aUser.isValid() || !writeContent(aContent.path(), aFiles, aPatterns)) {
        std::fprintf(stderr, "bench_file_manager: cannot write the content\n");
        return 1;
    }
    LMDirectoryConfig::instance()->setContentRoot(aContent.path());
    LMDirectoryConfig::instance()->setUserDataDir(aUser.path());

    LMTemplateFileManager* aManager = LMTemplateFileManager::instance(); // the first scan warms the file cache
    QList<double> aReInits;
    QList<double> aListings;
    QList<double> aBaselines;
    QList<double> aBareWalks;
    QList<double> aWhiteLists;
    QList<double> anAllFiles;
    qsizetype aListed = 0;
    for (int aRound = 0; aRound < aRounds; ++aRound) {
        QElapsedTimer aTimer;
        aTimer.start();
        aManager->reInit();
        aReInits.append(milliseconds(aTimer));

        aTimer.restart();
        aListed = 0;
        for (const QDir& aDirectory : LMDirectoryConfig::instance()->templateDirectories())
            aListed += LMPlatformIndependent::getFilesInDirectory(aDirectory, QStringLiteral("*.xml"), true, false, 0)
                           .size()
                + LMPlatformIndependent::getFilesInDirectory(aDirectory, QStringLiteral("*.svg"), true, false, 0)
                      .size();
        aListings.append(milliseconds(aTimer));

        aTimer.restart();
        for (const QDir& aDirectory : LMDirectoryConfig::instance()->templateDirectories())
            bareWalk(aDirectory.absolutePath());
        aBareWalks.append(milliseconds(aTimer));

        aTimer.restart();
        aManager->allFiles();
        anAllFiles.append(milliseconds(aTimer));

        aTimer.restart();
        LMTemplateWhiteList aWhiteList;
        aWhiteList.load();
        aWhiteLists.append(milliseconds(aTimer));
    }
    // Baseline: every file against every pattern, one expression after the other, in one thread.
    const LMTemplateSourceFileList anUnloaded = aManager->unloadedFiles();
    const QList<QRegularExpression> anExpressions = aManager->whiteList().allFilesRx();
    qsizetype aBaselineUnassigned = 0;
    for (int aRound = 0; aRound < std::min(aRounds, 3); ++aRound) {
        QElapsedTimer aTimer;
        aTimer.start();
        aBaselineUnassigned = 0;
        for (const LMTemplateSourceFile& aFile : anUnloaded) {
            if (std::none_of(anExpressions.cbegin(), anExpressions.cend(), [&aFile](const QRegularExpression& theOne) {
                    return LMTemplateFileManager::fileMatches(theOne, aFile);
                }))
                ++aBaselineUnassigned;
        }
        aBaselines.append(milliseconds(aTimer));
    }

    const double aReInit = median(aReInits);
    std::printf("files: %d (listed %lld), white-list patterns: %d, cores: %d, median of %d rounds\n", aFiles,
                static_cast<long long>(aListed), aPatterns, QThread::idealThreadCount(), aRounds);
    std::printf("reInit (list, read lists, match):  %8.1f ms (target under %.0f ms)%s\n", aReInit, TARGET_MS,
                aReInit < TARGET_MS ? "" : "  -- above target");
    std::printf("listing the template folders:      %8.1f ms (bare walk %.1f ms)\n", median(aListings),
                median(aBareWalks));
    std::printf("all template files (walk, classify): %6.1f ms\n", median(anAllFiles));
    std::printf("reading the white list:            %8.1f ms\n", median(aWhiteLists));
    std::printf("baseline: one expression at a time: %8.1f ms, one thread\n", median(aBaselines));
    std::printf("unloaded: %lld, unassigned: %lld (baseline %lld)%s\n", static_cast<long long>(anUnloaded.size()),
                static_cast<long long>(aManager->unassignedFiles().size()), static_cast<long long>(aBaselineUnassigned),
                aManager->unassignedFiles().size() == aBaselineUnassigned ? "" : "  -- MISMATCH");
    return 0;
}
