#include "LMTemplateAreaDefinitionFotoStatus.h"

LM_DEFINE_ENUM_TABLE(LMTemplateAreaDefinitionFotoStatus)

void LMTemplateAreaDefinitionFotoStatus::fillTable(Table* theTable) const
{
    using E = LMTemplateAreaDefinitionFotoStatusEnum;
    theTable->insert(QStringLiteral("preview"), E::Preview);
    theTable->insert(QStringLiteral("printable"), E::Printable);
    theTable->insert(QStringLiteral("fix"), E::Fix);
}
