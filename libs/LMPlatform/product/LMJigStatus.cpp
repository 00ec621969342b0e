#include "LMJigStatus.h"

LM_DEFINE_ENUM_TABLE(LMJigStatus)

void LMJigStatus::fillTable(Table* theTable) const
{
    using E = LMJigStatusEnum;
    theTable->insert(QStringLiteral("installed"), E::Installed);
    theTable->insert(QStringLiteral("downloaded"), E::Downloaded);
    theTable->insert(QStringLiteral("new"), E::New);
}
