#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

#include <QList>

enum class LMSpotColorEnum : qint32 {
    None = 0,
    Varnish = 1,
    GoldFoil = 2,
    RoseFoil = 4,
    SilverFoil = 8,
    DigitalEmbossing = 16,
    SilverInk = 32,
    // The refinements a product offers unless it says otherwise.
    DefaultAllowed = 30
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMSpotColorEnum)

// A refinement printed in a spot colour (foils, embossing, special inks), as bits.
class LMPLATFORM_EXPORT LMSpotColor : public LMEnumWrapper<LMSpotColorEnum>
{
public:
    LMSpotColor() = default;
    LMSpotColor(LMSpotColorEnum theValue) : LMEnumWrapper(theValue) { }
    LMSpotColor(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMSpotColor(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // True for the foils, which production can exchange for one another.
    bool isFoil() const;

    // The text of exactly this value, or the texts of its bits joined by ", ".
    QString toString() const;

    // The list with every foil added once when it holds a foil: a design made for one foil can be
    // produced with any other. The given entries keep their order; added foils follow in value order.
    static QList<LMSpotColor> expandToConvertibles(const QList<LMSpotColor>& theSpotColors);

    void fillTable(Table* theTable) const override;
};
