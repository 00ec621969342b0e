#pragma once

#include "LMPlatformExport.h"

#include <QImage>
#include <QSize>
#include <QString>

// Loading of the thumbnail and preview files of templates: PNG, JPEG, SVG and whatever else Qt's
// image plugins read (SVG through Qt's svg image plugin). Only regular files of at most 64 MB are
// read; the picture's format is told by its content (the suffix only helps SVG).
class LMPLATFORM_EXPORT LMMediaLoaderAbstract
{
public:
    virtual ~LMMediaLoaderAbstract();

    // A regular, readable file of a picture Qt can read.
    static bool isValidMedia(const QString& theFile);
    // The picture scaled to fit theSize keeping its aspect ratio, enlarged or reduced by the
    // decoder (an SVG picture is drawn at that size); an empty theSize gives the picture at its
    // own size. A null image with a warning naming the file when it cannot be read.
    static QImage bitmap(const QString& theFile, const QSize& theSize);
    // The picture's pixel size, without decoding it; an invalid size when it cannot be read.
    static QSize imageSize(const QString& theFile);

    static constexpr qint64 ourMaximumFileSize = 64LL * 1024 * 1024;
};
