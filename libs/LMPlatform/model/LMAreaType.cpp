#include "LMAreaType.h"

LM_DEFINE_ENUM_TABLE(LMAreaType)

void LMAreaType::fillTable(Table* theTable) const
{
    using E = LMAreaTypeEnum;
    theTable->insert(QStringLiteral("undefined"), E::Undefined);
    theTable->insert(QStringLiteral("imagearea"), E::Foto);
    theTable->insert(QStringLiteral("imagebackgroundarea"), E::FotoBackground);
    theTable->insert(QStringLiteral("textarea"), E::Text);
    theTable->insert(QStringLiteral("calendararea"), E::Calendarium);
    theTable->insert(QStringLiteral("clipartarea"), E::Clipart);
    theTable->insert(QStringLiteral("svgarea"), E::SVG);
    theTable->insert(QStringLiteral("backgroundarea"), E::Background);
    theTable->insert(QStringLiteral("qrcodearea"), E::QRCode);
    theTable->insert(QStringLiteral("calendartextarea"), E::CalendarText);
    theTable->insert(QStringLiteral("maparea"), E::Osm);
    theTable->insert(QStringLiteral("smartlayoutarea"), E::SmartLayout);
    theTable->insert(QStringLiteral("alltextareas"), E::AllTexts);
    theTable->insert(QStringLiteral("all"), E::All);
}

LMAreaType LMAreaType::fromTagName(const QString& theTagName)
{
    const std::optional<Int> aValue = enumToStringTable().find(theTagName);
    // Only single kinds are tags; words of groups ("all") are not.
    return aValue && *aValue > 0 && (*aValue & (*aValue - 1)) == 0 ? LMAreaType(fromInt(*aValue)) : LMAreaType();
}
