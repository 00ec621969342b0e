#include "LMCoverType.h"

LM_DEFINE_ENUM_TABLE(LMCoverType)

void LMCoverType::fillTable(Table* theTable) const
{
    using E = LMCoverTypeEnum;
    theTable->insert(QStringLiteral("hardcover"), E::Hardcover);
    theTable->insert(QStringLiteral("hardcover_glossy"), E::HardcoverGlossy);
    theTable->insert(QStringLiteral("linen"), E::Linen);
    theTable->insert(QStringLiteral("leather"), E::Leather);
    theTable->insert(QStringLiteral("padded"), E::Padded);
    theTable->insert(QStringLiteral("softcover"), E::Softcover);
    theTable->insert(QStringLiteral("stapled"), E::Stapled);
}
