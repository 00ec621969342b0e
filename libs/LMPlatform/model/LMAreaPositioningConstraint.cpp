#include "LMAreaPositioningConstraint.h"

LM_DEFINE_ENUM_TABLE(LMAreaPositioningConstraint)

void LMAreaPositioningConstraint::fillTable(Table* theTable) const
{
    using E = LMAreaPositioningConstraintEnum;
    theTable->insert(QStringLiteral("nowhere"), E::Nowhere);
    theTable->insert(QStringLiteral("leftpage"), E::LeftPage);
    theTable->insert(QStringLiteral("left"), E::LeftPage);
    theTable->insert(QStringLiteral("rightpage"), E::RightPage);
    theTable->insert(QStringLiteral("right"), E::RightPage);
    theTable->insert(QStringLiteral("spinepage"), E::SpinePage);
    theTable->insert(QStringLiteral("spine"), E::SpinePage);
    theTable->insert(QStringLiteral("anywhere"), E::Anywhere);
    theTable->setDefaultValue(E::Anywhere);
}

QString LMAreaPositioningConstraint::toText() const
{
    const Table& aTable = enumToStringTable();
    return aTable.containsValue(myValue) ? encode() : encodeCSV();
}
