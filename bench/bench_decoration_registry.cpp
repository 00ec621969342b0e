// The decoration registry: start-up on a content tree of many decoration files (each one clipart
// with its own small SVG picture) against the bare QDom parse of the same description files, and
// against a parallel QDom parse of the descriptions and their pictures (what the registry reads);
// a cached thumbnail; a thumbnail rendered anew at 256 pixels.
//
//   bench_decoration_registry [files] [rounds]      (default 5000 files, 5 rounds of the baseline)

#include "LMAbstractDecoration.h"
#include "LMBenchSupport.h"
#include "LMDecorationRegistry.h"
#include "LMDirectoryConfig.h"

#include <QApplication>
#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {
constexpr int DEFAULT_FILES = 5000;
constexpr int DEFAULT_ROUNDS = 5;
constexpr int FOLDERS = 50;
constexpr int CACHED_CALLS = 200000;
constexpr int RENDERS = 200;
constexpr double TARGET_MS = 300.0;
constexpr double TARGET_CACHED_US = 2.0;

bool writeFile(const QString& thePath, const QByteArray& theText)
{
    if (!QDir().mkpath(QFileInfo(thePath).absolutePath()))
        return false;
    QFile aFile(thePath);
    return aFile.open(QIODevice::WriteOnly) && aFile.write(theText) == theText.size();
}

QStringList writeContent(const QString& theRoot, int theFiles)
{
    QStringList aFiles;
    for (int anIndex = 0; anIndex < theFiles; ++anIndex) {
        const QString aFolder = QStringLiteral("%1/decorations/set-%2").arg(theRoot).arg(anIndex % FOLDERS);
        const QByteArray aSvg = QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='100' height='80' "
                                               "viewBox='0 0 100 80'><circle cx='50' cy='40' r='%1' fill='#%2'/>"
                                               "<rect x='5' y='5' width='20' height='20' fill='#203040'/></svg>")
                                    .arg(10 + anIndex % 30)
                                    .arg(anIndex % 0xffffff, 6, 16, QLatin1Char('0'))
                                    .toUtf8();
        const QByteArray anXml = QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>\n<decorations>"
                                                "<decoration type='clipart'><categories><category>set-%1</category>"
                                                "</categories><clipart file='c%2.svg' designElementId='%3'/>"
                                                "</decoration></decorations>\n")
                                     .arg(anIndex % FOLDERS)
                                     .arg(anIndex)
                                     .arg(100000 + anIndex)
                                     .toUtf8();
        const QString anXmlPath = QStringLiteral("%1/c%2.xml").arg(aFolder).arg(anIndex);
        if (!writeFile(QStringLiteral("%1/c%2.svg").arg(aFolder).arg(anIndex), aSvg) || !writeFile(anXmlPath, anXml))
            return QStringList();
        aFiles.append(anXmlPath);
    }
    return aFiles;
}

// The pictures beside the description files.
QStringList picturesOf(const QStringList& theFiles)
{
    QStringList aPictures;
    for (const QString& aPath : theFiles)
        aPictures.append(aPath.left(aPath.size() - 3) + QStringLiteral("svg"));
    return aPictures;
}

// A second baseline: the description files and their pictures parsed into DOMs on every core.
double bareParallelParseMs(const QStringList& theFiles)
{
    QElapsedTimer aTimer;
    aTimer.start();
    const QList<int> aCounts = QtConcurrent::blockingMapped(theFiles, [](const QString& thePath) {
        QFile aFile(thePath);
        QDomDocument aDocument;
        return aFile.open(QIODevice::ReadOnly) && aDocument.setContent(aFile.readAll())
            ? int(aDocument.documentElement().childNodes().size())
            : 0;
    });
    const double aMs = double(aTimer.nsecsElapsed()) / 1e6;
    return std::accumulate(aCounts.cbegin(), aCounts.cend(), 0) > 0 ? aMs : -1.0;
}

// The baseline: every description file read and parsed into a DOM, nothing built.
double bareParseMs(const QStringList& theFiles)
{
    QElapsedTimer aTimer;
    aTimer.start();
    int anElements = 0;
    for (const QString& aPath : theFiles) {
        QFile aFile(aPath);
        if (!aFile.open(QIODevice::ReadOnly))
            continue;
        QDomDocument aDocument;
        if (aDocument.setContent(aFile.readAll()))
            anElements += aDocument.documentElement().childNodes().size();
    }
    const double aMs = double(aTimer.nsecsElapsed()) / 1e6;
    return anElements > 0 ? aMs : -1.0;
}
} // namespace

int main(int argc, char* argv[])
{
    // Thumbnails are painted: a GUI application (offscreen is fine).
    QApplication anApp(argc, argv);
    const int aFiles = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : DEFAULT_FILES;
    const int aRounds = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : DEFAULT_ROUNDS;

    QTemporaryDir aContent;
    QTemporaryDir aUserData;
    const QStringList aPaths = writeContent(aContent.path(), aFiles);
    if (!aContent.isValid() || !aUserData.isValid() || aPaths.isEmpty()) {
        std::fprintf(stderr, "bench_decoration_registry: cannot write the content tree\n");
        return 1;
    }
    LMDirectoryConfig::instance()->setContentRoot(aContent.path());
    LMDirectoryConfig::instance()->setUserDataDir(aUserData.path());

    std::vector<double> aBaseline;
    std::vector<double> aParallelBaseline;
    const QStringList anAllFiles = aPaths + picturesOf(aPaths);
    for (int aRound = 0; aRound < aRounds; ++aRound) {
        aBaseline.push_back(bareParseMs(aPaths));
        aParallelBaseline.push_back(bareParallelParseMs(anAllFiles));
    }

    // The registry is a singleton: its start-up (reading every file) happens once per process.
    QElapsedTimer aTimer;
    aTimer.start();
    LMDecorationRegistry* aRegistry = LMDecorationRegistry::instance();
    const double aStartMs = double(aTimer.nsecsElapsed()) / 1e6;
    const qsizetype aCount = aRegistry->decorations().size();
    const double aBaseMs = LMBenchSupport::median(aBaseline);
    const double aParallelBaseMs = LMBenchSupport::median(aParallelBaseline);

    LMAbstractDecoration* aDecoration = aRegistry->decorations().first();
    const QSize aSize(256, 256);
    aDecoration->thumbnail(aSize, LMMirrorRule(), LMSpotColor());
    aTimer.restart();
    qint64 aPixels = 0;
    for (int aCall = 0; aCall < CACHED_CALLS; ++aCall)
        aPixels += aDecoration->thumbnail(aSize, LMMirrorRule(), LMSpotColor()).width();
    const double aCachedUs = double(aTimer.nsecsElapsed()) / 1e3 / CACHED_CALLS;

    // Alternating the mirror rule makes every call render anew.
    aTimer.restart();
    for (int aRender = 0; aRender < RENDERS; ++aRender)
        aPixels += aDecoration
                       ->thumbnail(aSize, aRender % 2 ? LMMirrorRuleEnum::VerticalAxis : LMMirrorRuleEnum::None,
                                   LMSpotColor())
                       .height();
    const double aRenderUs = double(aTimer.nsecsElapsed()) / 1e3 / RENDERS;

    std::printf("decoration files:            %d (%lld decorations registered)\n", aFiles,
                static_cast<long long>(aCount));
    std::printf("registry start-up:           %.1f ms (target %.0f ms: %s)\n", aStartMs, TARGET_MS,
                aStartMs < TARGET_MS ? "met" : "missed");
    std::printf("bare parse of the same files: %.1f ms (median of %d)\n", aBaseMs, aRounds);
    std::printf("ratio start-up / bare parse: %.2f\n", aBaseMs > 0 ? aStartMs / aBaseMs : 0.0);
    std::printf("bare parallel parse of the descriptions and pictures: %.1f ms (median of %d)\n", aParallelBaseMs,
                aRounds);
    std::printf("ratio start-up / that parse: %.2f\n", aParallelBaseMs > 0 ? aStartMs / aParallelBaseMs : 0.0);
    std::printf("cached thumbnail:            %.3f us (target %.0f us: %s)\n", aCachedUs, TARGET_CACHED_US,
                aCachedUs < TARGET_CACHED_US ? "met" : "missed");
    std::printf("256 px thumbnail render:     %.1f us\n", aRenderUs);
    return aPixels > 0 && aCount == aFiles ? 0 : 1;
}
