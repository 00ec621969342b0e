#pragma once

#include "LMFoto.h"
#include "LMOrientation.h"

#include <QDir>
#include <QList>
#include <QString>

// The photos of a folder as the commands that lay them out read them: each read once, oldest
// first.
class LMToolPhotos
{
public:
    // What the tool tells of a photo.
    struct Facts
    {
        LMFoto foto;
        QString file;
        QString orientation;
        int rating = 0;
        qint64 taken = -1;
    };

    // The readable photos of the folder (JPEG or PNG), oldest first, photos without a time at the
    // end by name; an unreadable one is left out with an error message.
    static QList<Facts> read(const QDir& theFolder);
    // "portrait", "square", "landscape", or "unreadable" for no orientation.
    static QString orientationText(const LMOrientation& theOrientation);
    // "2024-06-01 14:00 UTC", or "no time".
    static QString takenText(qint64 theTaken);
};
