#include "LMContentFileReader.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
using Result = LMContentFileReader::Result;
using Status = LMContentFileReader::Status;

// Reads the content of a file of theSize bytes into theResult through theRead (which reads at most
// theMaximum bytes, and returns -1 with the reason set on failure). One byte more than expected is
// asked for: it tells whether the file grew while it was read.
template <typename ReadFunction> void readContent(qint64 theSize, Result& theResult, ReadFunction theRead)
{
    QByteArray aData(qsizetype(theSize + 1), Qt::Uninitialized);
    qint64 aRead = 0;
    while (aRead < aData.size()) {
        const qint64 aChunk = theRead(aData.data() + aRead, aData.size() - aRead, &theResult.errorString);
        if (aChunk < 0) {
            theResult.status = Status::Unreadable;
            return;
        }
        if (aChunk == 0)
            break;
        aRead += aChunk;
    }
    if (aRead > theSize) {
        theResult.status = Status::Changed;
        return;
    }
    aData.truncate(aRead);
    theResult.status = Status::Read;
    theResult.data = std::move(aData);
}
} // namespace

#ifdef Q_OS_UNIX
namespace {
// Closes the descriptor when the read ends, however it ends.
class LMDescriptor
{
public:
    explicit LMDescriptor(int theDescriptor) : myDescriptor(theDescriptor) { }
    ~LMDescriptor()
    {
        if (myDescriptor >= 0)
            ::close(myDescriptor);
    }
    LMDescriptor(const LMDescriptor&) = delete;
    LMDescriptor& operator=(const LMDescriptor&) = delete;
    int get() const { return myDescriptor; }

private:
    int myDescriptor;
};

QString systemError(int theError)
{
    return QString::fromLocal8Bit(std::strerror(theError));
}
} // namespace

// Open, one look at what was opened, read, close: a third of the calls of QFile's way, which
// matters for registries that read thousands of small files at start-up. Opening without waiting
// makes a pipe safe to open; what it is shows after the open.
LMContentFileReader::Result LMContentFileReader::read(const QString& thePath, qint64 theMaximumSize)
{
    Result aResult;
    const LMDescriptor aFile(::open(QFile::encodeName(thePath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (aFile.get() < 0) {
        aResult.status = errno == ENOENT || errno == ENOTDIR ? Status::NotFound : Status::Unreadable;
        aResult.errorString = systemError(errno);
        return aResult;
    }
    struct stat aStat;
    if (::fstat(aFile.get(), &aStat) != 0) {
        aResult.status = Status::Unreadable;
        aResult.errorString = systemError(errno);
        return aResult;
    }
    if (!S_ISREG(aStat.st_mode)) {
        aResult.status = Status::NotRegular;
        return aResult;
    }
    const qint64 aSize = qint64(aStat.st_size);
    if (aSize > theMaximumSize) {
        aResult.status = Status::TooLarge;
        return aResult;
    }
    readContent(aSize, aResult, [&aFile](char* theData, qint64 theMaximum, QString* theError) {
        for (;;) {
            const ssize_t aChunk = ::read(aFile.get(), theData, size_t(theMaximum));
            if (aChunk >= 0 || errno != EINTR) {
                if (aChunk < 0)
                    *theError = systemError(errno);
                return qint64(aChunk);
            }
        }
    });
    return aResult;
}
#else
LMContentFileReader::Result LMContentFileReader::read(const QString& thePath, qint64 theMaximumSize)
{
    Result aResult;
    // A fresh look: a caller's QFileInfo may hold what the file was some time ago.
    const QFileInfo anInfo(thePath);
    if (!anInfo.exists()) {
        aResult.status = Status::NotFound;
        return aResult;
    }
    if (!anInfo.isFile()) {
        aResult.status = Status::NotRegular;
        return aResult;
    }
    if (anInfo.size() > theMaximumSize) {
        aResult.status = Status::TooLarge;
        return aResult;
    }
    QFile aFile(thePath);
    // Unbuffered: the whole file goes into one array, not through QIODevice's buffer first.
    if (!aFile.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        aResult.status = Status::Unreadable;
        aResult.errorString = aFile.errorString();
        return aResult;
    }
    const qint64 aSize = aFile.size();
    if (aSize > theMaximumSize) {
        aResult.status = Status::TooLarge;
        return aResult;
    }
    readContent(aSize, aResult, [&aFile](char* theData, qint64 theMaximum, QString* theError) {
        const qint64 aChunk = aFile.read(theData, theMaximum);
        if (aChunk < 0)
            *theError = aFile.errorString();
        return aChunk;
    });
    return aResult;
}
#endif

QString LMContentFileReader::reason(const Result& theResult, qint64 theMaximumSize)
{
    switch (theResult.status) {
    case Status::Read:
        return QString();
    case Status::NotFound:
        return QStringLiteral("not found");
    case Status::NotRegular:
        return QStringLiteral("not a regular file");
    case Status::TooLarge:
        return QStringLiteral("larger than %1 bytes").arg(theMaximumSize);
    case Status::Unreadable:
        return theResult.errorString;
    case Status::Changed:
        return QStringLiteral("it changed while it was read");
    }
    return QString();
}
