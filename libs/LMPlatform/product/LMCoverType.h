#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMCoverTypeEnum : qint32 {
    None = 0,
    Hardcover = 1,
    HardcoverGlossy = 2,
    Linen = 4,
    Leather = 8,
    Padded = 16,
    Softcover = 32,
    Stapled = 64
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMCoverTypeEnum)

// The cover a product is made with. Linen and leather covers carry no printed design.
class LMPLATFORM_EXPORT LMCoverType : public LMEnumWrapper<LMCoverTypeEnum>
{
public:
    LMCoverType() = default;
    LMCoverType(LMCoverTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMCoverType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMCoverType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // A cover that is made round a board (hard, glossy, linen, leather, padded): its inside is a
    // flyleaf of its own, so the book has four cover pages besides its inner pages.
    bool isRegularCover() const { return (value() & REGULAR_COVERS) != 0; }
    void fillTable(Table* theTable) const override;

    static constexpr qint32 REGULAR_COVERS = 31;
};
