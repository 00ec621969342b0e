#pragma once

#include "LMPlatformExport.h"

#include <QDebug>
#include <QHashFunctions>
#include <QImage>
#include <QList>
#include <QString>

// One colour variant of a multi-colour background: a hue class (0, 30, ... 330 degrees) and a
// fading step (0 = full colour to 5 = most faded). The default (-1, -1) names no variant.
class LMPLATFORM_EXPORT LMMultiColorConfig
{
public:
    static constexpr int HUE_STEP = 30;
    static constexpr int MAX_FADING = 5;
    // Marker of the configuration that stands for every variant (filters that accept any colour).
    static constexpr int ANY = -2;

    LMMultiColorConfig() = default;
    LMMultiColorConfig(int theHue, int theFading) : myHue(theHue), myFading(theFading) { }

    // The configuration that matches every variant; not valid itself.
    static LMMultiColorConfig anyMultiColorConfig() { return LMMultiColorConfig(ANY, ANY); }
    // Every valid variant of the hue classes 0..330 and the fading steps 0..5, hue first: (0, 0),
    // (0, 1) ... (0, 5), (30, 0) ... (330, 5).
    static QList<LMMultiColorConfig> allConfigurations();
    // The configuration of the text form "hue,fading"; the default configuration when the text
    // is not two whole numbers.
    static LMMultiColorConfig fromString(const QString& theText);

    int hue() const { return myHue; }
    int fading() const { return myFading; }

    // True for a hue that is a non-negative multiple of 30 (no upper bound) and a fading of 0..5.
    bool isValid() const;
    bool isAnyMultiColorConfig() const { return myHue == ANY && myFading == ANY; }
    // True when a background of this configuration may be offered where theWanted is asked for:
    // the any-configuration takes every valid variant; otherwise this is valid and each of hue and
    // fading equals the wanted one unless the wanted one is left open (negative).
    bool isCompatibleWith(const LMMultiColorConfig& theWanted) const;

    // The three families of fading steps the background distribution offers separately: colourful
    // (fading 0 and 1), middle fading (2 and 3) and discrete (4 and 5).
    bool isColorful() const { return isValid() && myFading <= 1; }
    bool isMiddleFading() const { return isValid() && myFading >= 2 && myFading <= 3; }
    bool isDiscrete() const { return isValid() && myFading >= 4; }

    // The picture of this variant drawn from a multi-colour background's picture: every pixel keeps
    // its lightness and alpha and takes this hue, with a saturation of 240 at fading 0 falling by
    // 40 per step to 40 at fading 5. An invalid configuration returns the picture unchanged.
    QImage colorize(const QImage& thePicture) const;

    // "hue,fading", for keys and names: "30,2".
    QString toString() const;

    friend bool operator==(const LMMultiColorConfig& theA, const LMMultiColorConfig& theB)
    {
        return theA.myHue == theB.myHue && theA.myFading == theB.myFading;
    }
    friend bool operator!=(const LMMultiColorConfig& theA, const LMMultiColorConfig& theB) { return !(theA == theB); }
    // By hue, then by fading.
    friend bool operator<(const LMMultiColorConfig& theA, const LMMultiColorConfig& theB)
    {
        return theA.myHue != theB.myHue ? theA.myHue < theB.myHue : theA.myFading < theB.myFading;
    }

private:
    int myHue = -1;
    int myFading = -1;
};

Q_DECLARE_TYPEINFO(LMMultiColorConfig, Q_PRIMITIVE_TYPE);

inline size_t qHash(const LMMultiColorConfig& theConfig, size_t theSeed = 0) noexcept
{
    return qHashMulti(theSeed, theConfig.hue(), theConfig.fading());
}

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMMultiColorConfig& theConfig);
