// Without libFuzzer: runs a harness once over each file named on the command line and every file
// of each folder named (names that do not exist are passed over), so that the suite replays the
// kept inputs with any compiler.
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize);

namespace {

int runFile(const QString& thePath)
{
    QFile aFile(thePath);
    if (!aFile.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(thePath));
        return 1;
    }
    const QByteArray aData = aFile.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(aData.constData()), static_cast<size_t>(aData.size()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    int aFailures = 0;
    int aRuns = 0;
    for (int anIndex = 1; anIndex < argc; ++anIndex) {
        const QString anArgument = QString::fromLocal8Bit(argv[anIndex]);
        // A harness without kept inputs has no folder of them.
        if (!QFileInfo::exists(anArgument))
            continue;
        if (!QFileInfo(anArgument).isDir()) {
            aFailures += runFile(anArgument);
            ++aRuns;
            continue;
        }
        QDirIterator anIt(anArgument, QDir::Files, QDirIterator::Subdirectories);
        while (anIt.hasNext()) {
            aFailures += runFile(anIt.next());
            ++aRuns;
        }
    }
    std::printf("%d inputs run\n", aRuns);
    return aFailures == 0 ? 0 : 1;
}
