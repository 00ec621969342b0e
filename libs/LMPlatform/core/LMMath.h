#pragma once

#include "LMPlatformExport.h"

#include <QStringView>
#include <QtGlobal>

#include <optional>

class QString;
class QTransform;

// Small numeric helpers of the geometry readers.
class LMPLATFORM_EXPORT LMMath
{
public:
    // The rotation of the transform in degrees, clockwise on screen, in (-180, 180]: atan2 of
    // m12 and m11. Mirrored and skewed transforms give the angle of their mapped x axis. A result
    // within 1e-9 degrees of a whole degree is that whole degree, so that composed quarter turns
    // survive the truncation to whole degrees that callers apply.
    static double calcRotation(const QTransform& theTransform);

    // A number read from a file as a whole number: rounded half away from zero and kept within
    // [theMinimum, theMaximum]; theFallback for NaN and infinity. Converting a double outside the
    // range of int is undefined behaviour, and files hold any number.
    static int boundedInt(double theValue, int theMinimum, int theMaximum, int theFallback);
    static qint64 boundedInt64(double theValue, qint64 theMinimum, qint64 theMaximum, qint64 theFallback);
    // A finite decimal number in the C locale (a leading "+" taken, blanks around it ignored);
    // nothing for empty, malformed, infinite or NaN texts.
    static std::optional<double> parseDouble(QStringView theText);
    // The shortest text that reads back as the same number; "0" for both zeros.
    static QString numberText(double theValue);
    // A random whole number in [theMinimum, theMaximum], both included, from the process-wide
    // generator; theMinimum when the range is empty.
    static int randint(int theMinimum, int theMaximum);
    // The printer resolution of the products, 254 dots per inch (a dot per tenth of a millimetre),
    // in dots per metre: the resolution stamped on rendered pictures.
    static constexpr double printerResolutionDpi() { return 254.0; }
    static constexpr double printerResolution2dpm() { return printerResolutionDpi() / 0.0254; }
};
