#include "LMJigType.h"

LM_DEFINE_ENUM_TABLE(LMJigType)

void LMJigType::fillTable(Table* theTable) const
{
    using E = LMJigTypeEnum;
    // The first word of a value is the one written.
    theTable->insert(QStringLiteral("hintergrund"), E::Background);
    theTable->insert(QStringLiteral("clipart"), E::Clipart);
    theTable->insert(QStringLiteral("svgtemplate"), E::SvgTemplate);
    theTable->insert(QStringLiteral("layout"), E::Layout);
    theTable->insert(QStringLiteral("passepartout"), E::Mask);
    theTable->insert(QStringLiteral("frame"), E::Frame);
    theTable->insert(QStringLiteral("framepassepartout"), E::Passepartout);
    theTable->insert(QStringLiteral("frameglass"), E::FrameGlass);
    theTable->insert(QStringLiteral("wallholder"), E::Wallholder);
    theTable->insert(QStringLiteral("designstyle"), E::DesignStyle);
    theTable->insert(QStringLiteral("storybookdesignstyle"), E::StoryBookDesignStyle);
    theTable->insert(QStringLiteral("varianttemplate"), E::VariantTemplate);
    // Other spellings found in content files.
    theTable->insert(QStringLiteral("background"), E::Background);
    theTable->insert(QStringLiteral("template"), E::SvgTemplate);
    theTable->insert(QStringLiteral("fading"), E::Mask);
    theTable->insert(QStringLiteral("mask"), E::Mask);
    theTable->insert(QStringLiteral("glass"), E::FrameGlass);
    theTable->insert(QStringLiteral("mat"), E::Passepartout);
}
