#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// What the parse benchmarks share: the baseline they are measured against.
namespace LMBenchSupport {
// The file's bytes; empty when it cannot be read.
QByteArray readFile(const QString& thePath);
// Nanoseconds for reading and parsing every file with QDom alone (the baseline of the parse
// benchmarks); counts the document elements' children into theElements so the work cannot be
// skipped.
qint64 bareParse(const QStringList& thePaths, qint64& theElements);
// The same with the files split evenly into one share per core, parsed at the same time.
qint64 bareParallelParse(const QStringList& thePaths, qint64& theElements);
// Nanoseconds for reading every file and passing over it with QXmlStreamReader alone, every element
// and attribute tokenised and nothing built: the floor of any reader of the files. Counts elements
// and attributes into theTokens.
qint64 bareStreamPass(const QStringList& thePaths, qint64& theTokens);
qint64 bareParallelStreamPass(const QStringList& thePaths, qint64& theTokens);
// "[xml files] [svg designs] [rounds]" from the command line, with the defaults for what is not
// given. False (after a message naming the benchmark) for a negative count or no rounds.
struct ContentArguments
{
    int xmlFiles = 4000;
    int svgDesigns = 1000;
    int rounds = 3;
};
bool parseContentArguments(const QStringList& theArguments, const char* theBenchmark, ContentArguments& theResult);
// "[count] [rounds]" from the command line, each keeping the value given when it is missing. False
// (after a message naming the benchmark) when either is below 1.
bool parseCountAndRounds(const QStringList& theArguments, const char* theBenchmark, int& theCount, int& theRounds);
// Bytes of heap in use (every arena of the allocator); walks the heap, so call it outside timings.
size_t heapInUse();
// The pages this process has touched for the first time so far (minor page faults).
qint64 freshPagesTouched();
// Nanoseconds for allocating theBytes in blocks of theBlockSize, spread over one task per core,
// each block written once per page and all kept until every task is done, then freed: what
// keeping that much memory costs the machine, whatever builds it.
qint64 keepInParallel(qint64 theBytes, qint64 theBlockSize);
// The middle value (the upper one of an even count); 0 for no values.
double median(std::vector<double> theValues);
// The files below the folder (sub-folders included) whose names match the wildcard.
QStringList filesBelow(const QString& theFolder, const QString& theWildcard);
} // namespace LMBenchSupport
