#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMDlpTypeEnum : qint32 {
    None = 0,
    Background = 1,
    DesignStyle = 2,
    Clipart = 4,
    LayoutCollection = 8,
    Mask = 16,
    Frame = 32,
    Passepartout = 64,
    ContentTemplate = 128
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMDlpTypeEnum)

// The kind of a design element as the content server delivers it ("elementType" of its
// metadata), with the folder of the content tree in which elements of that kind are installed.
class LMPLATFORM_EXPORT LMDlpType : public LMEnumWrapper<LMDlpTypeEnum>
{
public:
    LMDlpType() = default;
    LMDlpType(LMDlpTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMDlpType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMDlpType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The folder, relative to the content root, that holds elements of this kind; elements made
    // for single-page products (wall decor) lie below "walldecor/". Empty for an unknown kind.
    QString dlpPath(bool theForSinglePageProducts) const;

    // The text of exactly this value, or the texts of its bits joined by ", ".
    QString toString() const;

    void fillTable(Table* theTable) const override;
};
