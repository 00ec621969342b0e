#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMTextTransformEnum : qint32 { None = 0, Uppercase = 1, Lowercase = 2, Capitalize = 4 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMTextTransformEnum)

// How the letters of an automatic text are cased.
class LMPLATFORM_EXPORT LMTextTransform : public LMEnumWrapper<LMTextTransformEnum>
{
public:
    LMTextTransform() = default;
    LMTextTransform(LMTextTransformEnum theValue) : LMEnumWrapper(theValue) { }
    LMTextTransform(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMTextTransform(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // One of "uppercase", "lowercase", "capitalize" or "none" in any letter case, blanks around
    // it ignored; anything else is None, with a warning unless the text is empty.
    static LMTextTransform parse(const QString& theText);

    // The text with this transform applied.
    QString apply(const QString& theText) const;

    void fillTable(Table* theTable) const override;
};
