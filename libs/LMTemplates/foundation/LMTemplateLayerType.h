#pragma once

#include "LMEnumWrapper.h"
#include "LMTabWidgetType.h"
#include "LMTemplatesExport.h"

// The layers of a product page a template can fill. Single layers are bits; the composites name
// groups of them.
enum class LMTemplateLayerTypeEnum : qint32 {
    None = 0,
    Background = 1,
    ForegroundMask = 2,
    Content0 = 4,
    Content1 = 8,
    Content2 = 16,
    Content3 = 32,
    Content4 = 64,
    BackgroundMask = 128,
    Frame = 256,
    Layout = 512,
    Wallholder = 1024,
    Passepartout = 2048,
    FrameGlass = 4096,
    Variant = 8192,
    // All five content layers.
    Content0To4 = 124,
    // Every layer that goes into an order: all but background and layout.
    RelevantForOrder = 15870
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMTemplateLayerTypeEnum)

// The layer (or set of layers) of a product page that a template fills, as template files and
// filters name it.
class LMTEMPLATES_EXPORT LMTemplateLayerType : public LMEnumWrapper<LMTemplateLayerTypeEnum>
{
public:
    LMTemplateLayerType() = default;
    LMTemplateLayerType(LMTemplateLayerTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMTemplateLayerType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMTemplateLayerType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The editor tab that offers templates of this layer; None for values without a tab.
    LMTabWidgetType tabType() const;

    void fillTable(Table* theTable) const override;
};
