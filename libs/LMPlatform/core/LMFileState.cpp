#include "LMFileState.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#else
#include <filesystem>
#endif

LMFileState LMFileState::of(const QString& thePath)
{
    LMFileState aState;
#ifdef Q_OS_UNIX
    struct stat aStat;
    if (::stat(QFile::encodeName(thePath).constData(), &aStat) != 0)
        return aState;
    aState.size = qint64(aStat.st_size);
#ifdef Q_OS_DARWIN
    aState.modified = qint64(aStat.st_mtimespec.tv_sec) * 1000000000 + aStat.st_mtimespec.tv_nsec;
#else
    aState.modified = qint64(aStat.st_mtim.tv_sec) * 1000000000 + aStat.st_mtim.tv_nsec;
#endif
#else
    // Two looks instead of one; the stamp is in the clock's own ticks, which are only compared.
    const std::filesystem::path aPath(thePath.toStdWString());
    std::error_code anError;
    const auto aTime = std::filesystem::last_write_time(aPath, anError);
    if (anError)
        return aState;
    const auto aSize = std::filesystem::file_size(aPath, anError);
    if (anError)
        return aState;
    aState.size = qint64(aSize);
    aState.modified = qint64(aTime.time_since_epoch().count());
#endif
    return aState;
}
