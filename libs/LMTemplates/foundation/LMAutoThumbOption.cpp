#include "LMAutoThumbOption.h"

LM_DEFINE_ENUM_TABLE(LMAutoThumbOption)

void LMAutoThumbOption::fillTable(Table* theTable) const
{
    using E = LMAutoThumbOptionEnum;
    // The first word inserted for a value is the one written: "automatic" for 0, "default" for 5.
    theTable->insert(QStringLiteral("automatic"), E::Automatic);
    theTable->insert(QStringLiteral("background"), E::Background);
    theTable->insert(QStringLiteral("automatic"), E::Automatic);
    theTable->insert(QStringLiteral("layout"), E::Layout);
    theTable->insert(QStringLiteral("default"), E::Default);
    theTable->insert(QStringLiteral("frame"), E::Default);
    theTable->insert(QStringLiteral("wallholder"), E::Default);
    // An unknown or missing word means the default job.
    theTable->setDefaultValue(E::Default);
}
