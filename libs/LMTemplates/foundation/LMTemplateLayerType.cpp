#include "LMTemplateLayerType.h"

LM_DEFINE_ENUM_TABLE(LMTemplateLayerType)

LMTabWidgetType LMTemplateLayerType::tabType() const
{
    using E = LMTemplateLayerTypeEnum;
    // Every layer of a page but the frame: the whole page design.
    constexpr Int aPageDesign = 767;
    switch (myValue) {
    case Int(E::Background):
        return LMTabWidgetType::Backgrounds;
    case Int(E::Content0):
    case Int(E::Content1):
    case Int(E::Content2):
    case Int(E::Content3):
    case Int(E::Content4):
    case Int(E::Content0To4):
        return LMTabWidgetType::Contents;
    case Int(E::Frame):
        return LMTabWidgetType::Frames;
    case Int(E::Layout):
        return LMTabWidgetType::Layouts;
    case Int(E::FrameGlass):
        return LMTabWidgetType::FrameGlasses;
    case Int(E::Passepartout):
        return LMTabWidgetType::Passepartouts;
    case Int(E::Wallholder):
        return LMTabWidgetType::Wallholders;
    case Int(E::Variant):
        return LMTabWidgetType::Variants;
    case aPageDesign:
        return LMTabWidgetType::PageDesigns;
    default:
        return LMTabWidgetType::None;
    }
}

void LMTemplateLayerType::fillTable(Table* theTable) const
{
    using E = LMTemplateLayerTypeEnum;
    // The order decides the written text where two words share a value.
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_NONE"), E::None);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_BACKGROUND"), E::Background);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_FOREGROUND_MASK"), E::ForegroundMask);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_0"), E::Content0);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_1"), E::Content1);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_2"), E::Content2);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_3"), E::Content3);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_4"), E::Content4);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_BACKGROUND_MASK"), E::BackgroundMask);
    theTable->insert(QStringLiteral("TEMPLATE_FRAME"), E::Frame);
    theTable->insert(QStringLiteral("TEMPLATE_WALLHOLDER"), E::Wallholder);
    theTable->insert(QStringLiteral("TEMPLATE_PASSEPARTOUT"), E::Passepartout);
    theTable->insert(QStringLiteral("TEMPLATE_FRAME_GLASS"), E::FrameGlass);
    theTable->insert(QStringLiteral("TEMPLATE_LAYOUT"), E::Layout);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_0_4"), E::Content0To4);
    theTable->insert(QStringLiteral("TEMPLATE_CONTENT_THEME_CONTENT"), E::Content0To4);
    theTable->insert(QStringLiteral("TEMPLATE_RELEVANT_FOR_ORDER"), E::RelevantForOrder);
    theTable->insert(QStringLiteral("TEMPLATE_VARIANT"), E::Variant);
}
