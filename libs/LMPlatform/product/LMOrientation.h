#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

#include <QList>
#include <QSet>

enum class LMOrientationEnum : qint32 {
    None = 0,
    Portrait = 1,
    Landscape = 2,
    Square = 4,
    PanoramaLandscape = 8,
    PanoramaPortrait = 16,
    All = 31
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMOrientationEnum)

// The orientation of a product, a page or an area, as bits, so that a design can name several
// at once ("all" sets every bit).
class LMPLATFORM_EXPORT LMOrientation : public LMEnumWrapper<LMOrientationEnum>
{
public:
    LMOrientation() = default;
    LMOrientation(LMOrientationEnum theValue) : LMEnumWrapper(theValue) { }
    LMOrientation(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMOrientation(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    bool isPortrait() const { return myValue == Int(LMOrientationEnum::Portrait); }
    bool isLandscape() const { return myValue == Int(LMOrientationEnum::Landscape); }
    bool isSquare() const { return myValue == Int(LMOrientationEnum::Square); }

    // The single orientations named by this value, lowest bit first.
    QList<LMOrientation> singleOrientations() const;
    // The text of exactly this value, or the texts of its bits joined by ", ".
    QString toString() const;

    void fillTable(Table* theTable) const override;
};

using LMOrientationSet = QSet<LMOrientation>;
