#include "LMBenchSupport.h"

#include <algorithm>

#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QtConcurrent/QtConcurrentMap>
#include <QThread>
#include <QXmlStreamReader>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <sys/resource.h>

QByteArray LMBenchSupport::readFile(const QString& thePath)
{
    QFile aFile(thePath);
    return aFile.open(QIODevice::ReadOnly) ? aFile.readAll() : QByteArray();
}

qint64 LMBenchSupport::bareParse(const QStringList& thePaths, qint64& theElements)
{
    QElapsedTimer aTimer;
    aTimer.start();
    for (const QString& aPath : thePaths) {
        QDomDocument aDocument;
        if (aDocument.setContent(readFile(aPath)))
            theElements += aDocument.documentElement().childNodes().size();
    }
    return aTimer.nsecsElapsed();
}

namespace {
qint64 inParallel(const QStringList& thePaths, qint64& theCount, qint64 (*thePass)(const QStringList&, qint64&))
{
    const qsizetype aShares = std::max(1, QThread::idealThreadCount());
    QList<QStringList> aShareFiles(aShares);
    for (qsizetype i = 0; i < thePaths.size(); ++i)
        aShareFiles[i * aShares / std::max<qsizetype>(1, thePaths.size())].append(thePaths.at(i));
    std::atomic<qint64> aCount { 0 };
    QElapsedTimer aTimer;
    aTimer.start();
    QtConcurrent::blockingMap(aShareFiles, [&](const QStringList& theShare) {
        qint64 aShareCount = 0;
        thePass(theShare, aShareCount);
        aCount += aShareCount;
    });
    const qint64 anElapsed = aTimer.nsecsElapsed();
    theCount += aCount;
    return anElapsed;
}
} // namespace

qint64 LMBenchSupport::bareParallelParse(const QStringList& thePaths, qint64& theElements)
{
    return inParallel(thePaths, theElements, &bareParse);
}

qint64 LMBenchSupport::bareStreamPass(const QStringList& thePaths, qint64& theTokens)
{
    QElapsedTimer aTimer;
    aTimer.start();
    for (const QString& aPath : thePaths) {
        QXmlStreamReader aReader(readFile(aPath));
        aReader.setNamespaceProcessing(false);
        while (!aReader.atEnd()) {
            if (aReader.readNext() == QXmlStreamReader::StartElement)
                theTokens += 1 + aReader.attributes().size();
        }
    }
    return aTimer.nsecsElapsed();
}

qint64 LMBenchSupport::bareParallelStreamPass(const QStringList& thePaths, qint64& theTokens)
{
    return inParallel(thePaths, theTokens, &bareStreamPass);
}

size_t LMBenchSupport::heapInUse()
{
    return mallinfo2().uordblks;
}

qint64 LMBenchSupport::freshPagesTouched()
{
    rusage aUsage {};
    getrusage(RUSAGE_SELF, &aUsage);
    return aUsage.ru_minflt;
}

qint64 LMBenchSupport::keepInParallel(qint64 theBytes, qint64 theBlockSize)
{
    constexpr qint64 PAGE = 4096;
    const qint64 aBlockSize = std::max<qint64>(1, theBlockSize);
    const int aShares = std::max(1, QThread::idealThreadCount());
    QList<std::vector<char*>> aBlocks(aShares);
    QElapsedTimer aTimer;
    aTimer.start();
    QtConcurrent::blockingMap(aBlocks, [&](std::vector<char*>& theShare) {
        const qint64 aCount = theBytes / aBlockSize / aShares;
        theShare.reserve(size_t(aCount));
        for (qint64 i = 0; i < aCount; ++i) {
            char* aBlock = static_cast<char*>(std::malloc(size_t(aBlockSize)));
            if (!aBlock)
                break;
            for (qint64 anOffset = 0; anOffset < aBlockSize; anOffset += PAGE)
                aBlock[anOffset] = char(i);
            theShare.push_back(aBlock);
        }
    });
    const qint64 anElapsed = aTimer.nsecsElapsed();
    for (const std::vector<char*>& aShare : std::as_const(aBlocks)) {
        for (char* aBlock : aShare)
            std::free(aBlock);
    }
    return anElapsed;
}

double LMBenchSupport::median(std::vector<double> theValues)
{
    if (theValues.empty())
        return 0.0;
    std::nth_element(theValues.begin(), theValues.begin() + std::ptrdiff_t(theValues.size() / 2), theValues.end());
    return theValues[theValues.size() / 2];
}

QStringList LMBenchSupport::filesBelow(const QString& theFolder, const QString& theWildcard)
{
    QStringList aFiles;
    QDirIterator anIterator(theFolder, { theWildcard }, QDir::Files, QDirIterator::Subdirectories);
    while (anIterator.hasNext())
        aFiles.append(anIterator.next());
    return aFiles;
}

bool LMBenchSupport::parseCountAndRounds(const QStringList& theArguments, const char* theBenchmark, int& theCount,
                                         int& theRounds)
{
    if (theArguments.size() > 1)
        theCount = theArguments.at(1).toInt();
    if (theArguments.size() > 2)
        theRounds = theArguments.at(2).toInt();
    if (theCount > 0 && theRounds > 0)
        return true;
    std::fprintf(stderr, "%s: [count >= 1] [rounds >= 1]\n", theBenchmark);
    return false;
}

bool LMBenchSupport::parseContentArguments(const QStringList& theArguments, const char* theBenchmark,
                                           ContentArguments& theResult)
{
    if (theArguments.size() > 1)
        theResult.xmlFiles = theArguments.at(1).toInt();
    if (theArguments.size() > 2)
        theResult.svgDesigns = theArguments.at(2).toInt();
    if (theArguments.size() > 3)
        theResult.rounds = theArguments.at(3).toInt();
    if (theResult.xmlFiles >= 0 && theResult.svgDesigns >= 0 && theResult.rounds > 0)
        return true;
    std::fprintf(stderr, "%s: file counts must not be negative, rounds must be positive\n", theBenchmark);
    return false;
}
