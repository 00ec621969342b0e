#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMTemplateImageSizeEnum : qint32 { SinglePage = 0, DoublePage = 1 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMTemplateImageSizeEnum)

// What the image of a background template was made to cover: one page (the default), or a whole
// spread. A spread's image keeps the page side it is asked for when it is placed: that side shows
// its half of the picture.
class LMPLATFORM_EXPORT LMTemplateImageSize : public LMEnumWrapper<LMTemplateImageSizeEnum>
{
public:
    LMTemplateImageSize() = default;
    LMTemplateImageSize(LMTemplateImageSizeEnum theValue) : LMEnumWrapper(theValue) { }
    LMTemplateImageSize(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMTemplateImageSize(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    void fillTable(Table* theTable) const override;
};
