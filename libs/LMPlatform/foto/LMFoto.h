#pragma once

#include "LMPlatformExport.h"

#include <QList>
#include <QUrl>

class QDebug;
class QFileInfo;

// One user photo (or video), named by its URL: a local file, or a file on a web server. It
// names the photo only; whether the file exists is asked of the file system when needed.
class LMPLATFORM_EXPORT LMFoto
{
public:
    LMFoto() = default;
    // The file, made absolute and clean.
    explicit LMFoto(const QFileInfo& theFile);
    // A local file URL or an http(s) URL; anything else gives the invalid photo.
    explicit LMFoto(const QUrl& theUrl);

    // A URL (text with "://" or beginning with "file:") or a file path; a relative path is taken
    // relative to the base path. An empty text gives the invalid photo.
    static LMFoto fromString(const QString& theText, const QString& theBasePath = QString());

    bool isValid() const { return !myUrl.isEmpty(); }
    const QUrl& url() const { return myUrl; }
    bool isLocalFile() const { return myUrl.isLocalFile(); }
    QString localFilePath() const { return myUrl.toLocalFile(); }
    // The file name, for showing and for guessing the file type.
    QString filenameHint() const;
    size_t hash() const;

    friend bool operator==(const LMFoto& theA, const LMFoto& theB) { return theA.myUrl == theB.myUrl; }
    friend bool operator!=(const LMFoto& theA, const LMFoto& theB) { return !(theA == theB); }

private:
    QUrl myUrl;
};

inline size_t qHash(const LMFoto& theFoto, size_t theSeed = 0) noexcept
{
    return qHash(theFoto.url(), theSeed);
}

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMFoto& theFoto);

// Users of LMFoto.h have always found LMFotoList here.
#include "LMFotoList.h"
