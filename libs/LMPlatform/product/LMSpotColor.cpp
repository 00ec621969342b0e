#include "LMSpotColor.h"

#include <algorithm>

LM_DEFINE_ENUM_TABLE(LMSpotColor)

namespace {
constexpr qint32 FOILS
    = qint32(LMSpotColorEnum::GoldFoil) | qint32(LMSpotColorEnum::RoseFoil) | qint32(LMSpotColorEnum::SilverFoil);
} // namespace

bool LMSpotColor::isFoil() const
{
    return myValue != 0 && (myValue & ~FOILS) == 0;
}

QString LMSpotColor::toString() const
{
    const Table& aTable = enumToStringTable();
    return aTable.containsValue(myValue) ? aTable.encode(myValue) : aTable.encodeCSV(myValue);
}

QList<LMSpotColor> LMSpotColor::expandToConvertibles(const QList<LMSpotColor>& theSpotColors)
{
    QList<LMSpotColor> aResult = theSpotColors;
    const bool aHasFoil = std::any_of(theSpotColors.cbegin(), theSpotColors.cend(),
                                      [](const LMSpotColor& theColor) { return theColor.isFoil(); });
    if (!aHasFoil)
        return aResult;
    for (const LMSpotColorEnum aFoil :
         { LMSpotColorEnum::GoldFoil, LMSpotColorEnum::RoseFoil, LMSpotColorEnum::SilverFoil }) {
        if (!aResult.contains(LMSpotColor(aFoil)))
            aResult.append(LMSpotColor(aFoil));
    }
    return aResult;
}

void LMSpotColor::fillTable(Table* theTable) const
{
    using E = LMSpotColorEnum;
    theTable->insert(QStringLiteral("varnish"), E::Varnish);
    theTable->insert(QStringLiteral("gold-foil"), E::GoldFoil);
    theTable->insert(QStringLiteral("rose-foil"), E::RoseFoil);
    theTable->insert(QStringLiteral("silver-foil"), E::SilverFoil);
    theTable->insert(QStringLiteral("digital-embossing"), E::DigitalEmbossing);
    theTable->insert(QStringLiteral("silver-ink"), E::SilverInk);
    // Short words of older template files.
    theTable->insert(QStringLiteral("gold"), E::GoldFoil);
    theTable->insert(QStringLiteral("rose"), E::RoseFoil);
    theTable->insert(QStringLiteral("silver"), E::SilverFoil);
    theTable->insert(QStringLiteral("embossing"), E::DigitalEmbossing);
}
