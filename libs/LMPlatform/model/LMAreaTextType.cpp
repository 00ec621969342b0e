#include "LMAreaTextType.h"

LM_DEFINE_ENUM_TABLE(LMAreaTextType)

void LMAreaTextType::fillTable(Table* theTable) const
{
    using E = LMAreaTextTypeEnum;
    theTable->insert(QStringLiteral("headline"), E::Headline);
    theTable->insert(QStringLiteral("subheadline"), E::Subheadline);
    theTable->insert(QStringLiteral("caption"), E::Caption);
    theTable->insert(QStringLiteral("pagenumber"), E::PageNumber);
    theTable->insert(QStringLiteral("date"), E::Date);
    theTable->insert(QStringLiteral("spine"), E::Spine);
    theTable->insert(QStringLiteral("text"), E::Text);
    theTable->insert(QStringLiteral("calendartext"), E::CalendarText);
    theTable->insert(QStringLiteral("editor"), E::Editor);
    theTable->insert(QStringLiteral("mapcaption"), E::MapCaption);
}

LMAreaTextType LMAreaTextType::fromText(const QString& theText)
{
    bool anOk = false;
    const Int aNumber = theText.trimmed().toInt(&anOk);
    return anOk ? fromInt(aNumber) : fromInt(decodeCSV(theText));
}
