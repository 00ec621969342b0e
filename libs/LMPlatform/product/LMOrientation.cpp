#include "LMOrientation.h"

LM_DEFINE_ENUM_TABLE(LMOrientation)

QList<LMOrientation> LMOrientation::singleOrientations() const
{
    QList<LMOrientation> aList;
    for (Int aBit = 1; aBit <= Int(LMOrientationEnum::PanoramaPortrait); aBit <<= 1) {
        if (myValue & aBit)
            aList.append(LMOrientation(fromInt(aBit)));
    }
    return aList;
}

QString LMOrientation::toString() const
{
    const Table& aTable = enumToStringTable();
    return aTable.containsValue(myValue) ? aTable.encode(myValue) : aTable.encodeCSV(myValue);
}

void LMOrientation::fillTable(Table* theTable) const
{
    using E = LMOrientationEnum;
    theTable->insert(QStringLiteral("portrait"), E::Portrait);
    theTable->insert(QStringLiteral("landscape"), E::Landscape);
    theTable->insert(QStringLiteral("square"), E::Square);
    theTable->insert(QStringLiteral("quadratic"), E::Square);
    theTable->insert(QStringLiteral("panorama_landscape"), E::PanoramaLandscape);
    theTable->insert(QStringLiteral("panorama_portrait"), E::PanoramaPortrait);
    theTable->insert(QStringLiteral("all"), E::All);
}
