#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

// Ordered classes, not bits: a larger value is a larger product.
enum class LMSpaceMagnitudeEnum : qint32 { None = 0, Small = 1, Medium = 2, Large = 3, ExtraLarge = 4 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMSpaceMagnitudeEnum)

// The size class of a product (small card to large wall picture). Templates name the smallest
// class on which their photos are still large enough ("minimum_size" of template filters).
class LMPLATFORM_EXPORT LMSpaceMagnitude : public LMEnumWrapper<LMSpaceMagnitudeEnum>
{
public:
    LMSpaceMagnitude() = default;
    LMSpaceMagnitude(LMSpaceMagnitudeEnum theValue) : LMEnumWrapper(theValue) { }
    LMSpaceMagnitude(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    // One word of the table ("small", "medium", "large", "xlarge") or its number; anything else
    // gives 0.
    explicit LMSpaceMagnitude(const QString& theText) : LMEnumWrapper(fromText(theText)) { }

    // The smallest product class on which a photo area covering that share of the page (0..1) is
    // still large enough: from a fifth of the page on any product, down to small shares only on
    // extra large ones. No share (0 or less, or not a number) gives 0: nothing to estimate.
    static LMSpaceMagnitude estimateByAreaSizes(double theSmallestShareOfPage);

    // The word of the class; empty for 0.
    QString toString() const { return encode(); }
    // True when a product of this class is at least as large as theMinimum asks (0 asks nothing).
    bool satisfies(const LMSpaceMagnitude& theMinimum) const { return myValue >= theMinimum.value(); }

    void fillTable(Table* theTable) const override;

private:
    static LMEnumWrapper fromText(const QString& theText);
};
