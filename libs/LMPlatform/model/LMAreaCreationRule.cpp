#include "LMAreaCreationRule.h"

LM_DEFINE_ENUM_TABLE(LMAreaCreationRule)

void LMAreaCreationRule::fillTable(Table* theTable) const
{
    using E = LMAreaCreationRuleEnum;
    theTable->insert(QStringLiteral("userOnly"), E::UserOnly);
    theTable->insert(QStringLiteral("layout"), E::Layout);
    theTable->insert(QStringLiteral("assistant"), E::Assistant);
    theTable->insert(QStringLiteral("designStyle"), E::DesignStyle);
    theTable->insert(QStringLiteral("import"), E::Import);
    theTable->insert(QStringLiteral("default"), E::Default);
}
