#include "LMTemplateImageSize.h"

LM_DEFINE_ENUM_TABLE(LMTemplateImageSize)

void LMTemplateImageSize::fillTable(Table* theTable) const
{
    using E = LMTemplateImageSizeEnum;
    theTable->insert(QStringLiteral("single_page"), E::SinglePage);
    theTable->insert(QStringLiteral("double_page"), E::DoublePage);
}
