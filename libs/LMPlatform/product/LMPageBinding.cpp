#include "LMPageBinding.h"

LM_DEFINE_ENUM_TABLE(LMPageBinding)

QString LMPageBinding::toString() const
{
    const Table& aTable = enumToStringTable();
    return aTable.containsValue(myValue) ? aTable.encode(myValue) : aTable.encodeCSV(myValue);
}

void LMPageBinding::fillTable(Table* theTable) const
{
    using E = LMPageBindingEnum;
    theTable->insert(QStringLiteral("glued"), E::Glued);
    theTable->insert(QStringLiteral("layflat"), E::LayFlat);
    theTable->insert(QStringLiteral("spiral"), E::Spiral);
    theTable->insert(QStringLiteral("stapled"), E::Stapled);
    theTable->insert(QStringLiteral("all"), E::All);
}
