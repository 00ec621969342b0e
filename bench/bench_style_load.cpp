// Reading one large design style: a generated style file of about 50 MB (rule sets of backgrounds,
// borders, cliparts, passepartouts, corner sets, shadows and text formats, with pages and
// templates) read by the library, against the bare DOM parse of the same file; the process's peak
// memory before and after reading and the heap the read style holds.
//
//   bench_style_load [megabytes] [rounds]      (default 50 MB, 3 rounds)

#include "LMBenchSupport.h"
#include "LMContentGenerator.h"
#include "LMDesignStyleImpl.h"
#include "LMXMLLoader.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {
constexpr int DEFAULT_MEGABYTES = 50;
constexpr int DEFAULT_ROUNDS = 3;
constexpr int SAMPLE_ITEMS = 10000;
constexpr double MEGABYTE = 1024.0 * 1024.0;

double peakResidentMegabytes()
{
    rusage aUsage {};
    getrusage(RUSAGE_SELF, &aUsage);
    return aUsage.ru_maxrss / 1024.0; // kilobytes on Linux
}

double heapMegabytes()
{
    return double(LMBenchSupport::heapInUse()) / MEGABYTE;
}

template <typename Work> double milliseconds(Work theWork)
{
    QElapsedTimer aTimer;
    aTimer.start();
    theWork();
    return aTimer.nsecsElapsed() / 1e6;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApplication(argc, argv);
    int aMegabytes = DEFAULT_MEGABYTES;
    int aRounds = DEFAULT_ROUNDS;
    if (!LMBenchSupport::parseCountAndRounds(anApplication.arguments(), "bench_style_load", aMegabytes, aRounds))
        return 2;
    QTemporaryDir aDir;
    if (!aDir.isValid())
        return 1;

    // Items for the size wanted, from the bytes an item takes in a smaller style.
    const double aBytesPerItem = double(LMContentGenerator(1).designStyle(SAMPLE_ITEMS, false).size()) / SAMPLE_ITEMS;
    const int anItems = int(aMegabytes * MEGABYTE / aBytesPerItem);
    const QString aPath = aDir.filePath(QStringLiteral("large.xml"));
    qint64 aSize = 0;
    {
        const QByteArray aText = LMContentGenerator(2).designStyle(anItems, false);
        QFile aFile(aPath);
        if (!aFile.open(QIODevice::WriteOnly) || aFile.write(aText) != aText.size())
            return 1;
        aSize = aText.size();
    }
    malloc_trim(0);

    const double aPeakBefore = peakResidentMegabytes();
    const double aHeapBefore = heapMegabytes();
    std::unique_ptr<LMDesignStyleImpl> aHeld;
    const double aFirstMs = milliseconds([&]() { aHeld = std::make_unique<LMDesignStyleImpl>(QFileInfo(aPath)); });
    // Outside the timing: mallinfo walks the whole heap.
    const double aHeapHeld = heapMegabytes() - aHeapBefore;
    const qsizetype aRuleSets = aHeld->ruleSets().count();
    aHeld.reset();
    const double aPeakAfter = peakResidentMegabytes();

    std::vector<double> aStyleMs { aFirstMs };
    for (int aRound = 1; aRound < aRounds; ++aRound)
        aStyleMs.push_back(milliseconds([&]() { const LMDesignStyleImpl aStyle { QFileInfo(aPath) }; }));
    std::vector<double> aBareMs;
    for (int aRound = 0; aRound < aRounds; ++aRound)
        aBareMs.push_back(
            milliseconds([&]() { const QDomDocument aDocument = LMXMLLoader::loadDocument(QFileInfo(aPath)); }));

    const double aStyle = LMBenchSupport::median(aStyleMs);
    const double aBare = LMBenchSupport::median(aBareMs);
    std::printf("design style of %d items in %lld rule sets, %.1f MB\n", anItems, static_cast<long long>(aRuleSets),
                aSize / MEGABYTE);
    std::printf("  read by the library   %9.1f ms (median of %d)\n", aStyle, aRounds);
    std::printf("  bare DOM parse        %9.1f ms (median of %d), ratio %.2f\n", aBare, aRounds, aStyle / aBare);
    std::printf("  peak resident memory  %9.1f MB before reading, %.1f MB after\n", aPeakBefore, aPeakAfter);
    std::printf("  heap held by the style %8.1f MB (%.1f bytes per byte of the file)\n", aHeapHeld,
                aHeapHeld * MEGABYTE / aSize);
    return 0;
}
