#pragma once

#include "LMPlatformExport.h"

#include <QImage>
#include <QString>

// A style of map areas, by name, and the sample picture a map area shows in template previews.
class LMPLATFORM_EXPORT LMOsmMapStyle
{
public:
    // Sample pictures larger than this are refused.
    static constexpr qint64 ourMaximumFileSize = 32 * 1024 * 1024;
    // Side of the drawn sample.
    static constexpr int ourSampleSize = 512;

    // An empty name is the style "standard".
    explicit LMOsmMapStyle(const QString& theName = QString());

    const QString& name() const { return myName; }

    // The style's sample picture: "<name>.png", else "<name>.jpg", in the folder "styles" beside
    // the map configuration (LMOsmMapStyleRegistry::configFile()), when it is a regular file that
    // reads as a picture (a file that does not warns); else a map drawn 512 × 512 in the colours
    // of the style: "standard", "dark", "sepia" or "mono" (without case; any other name is
    // standard). A name that is no plain file name is only drawn. Read or drawn once per process
    // for each content root and name, from any thread. Never null.
    QImage image() const;

    // The drawn sample of the style.
    static QImage drawnSample(const QString& theName);

private:
    QString myName;
};
