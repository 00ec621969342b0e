#include "LMTemplateSVGMetaDataElement.h"

LM_DEFINE_ENUM_TABLE(LMTemplateSVGMetaDataElement)

LMTemplateSVGMetaDataElement LMTemplateSVGMetaDataElement::fromName(const QString& theName)
{
    // The table reads words without regard to case and OR-s comma-separated ones: neither fits
    // XML names, so a name counts only when it is one kind's name exactly.
    const Table& aTable = enumToStringTable();
    if (!aTable.containsString(theName))
        return LMTemplateSVGMetaDataElement();
    const Int aValue = aTable.decodeCSV(theName);
    if (aTable.encode(aValue) != theName)
        return LMTemplateSVGMetaDataElement();
    return LMTemplateSVGMetaDataElement(fromInt(aValue));
}

QString LMTemplateSVGMetaDataElement::name() const
{
    return enumToStringTable().encode(myValue);
}

void LMTemplateSVGMetaDataElement::fillTable(Table* theTable) const
{
    using E = LMTemplateSVGMetaDataElementEnum;
    theTable->insert(QStringLiteral("lumo:category"), E::Category);
    theTable->insert(QStringLiteral("lumo:product"), E::Product);
    theTable->insert(QStringLiteral("lumo:imagepath"), E::ImagePath);
    theTable->insert(QStringLiteral("lumo:imagesubpath"), E::ImageSubPath);
    theTable->insert(QStringLiteral("lumo:thumbnail"), E::Thumbnail);
    theTable->insert(QStringLiteral("lumo:title"), E::Title);
    theTable->insert(QStringLiteral("lumo:reference"), E::Reference);
    theTable->insert(QStringLiteral("lumo:rotation"), E::Rotation);
    theTable->insert(QStringLiteral("lumo:designelementid"), E::DesignElementId);
    theTable->insert(QStringLiteral("lumo:keyaccount"), E::KeyAccount);
    theTable->insert(QStringLiteral("lumo:pages"), E::Pages);
    theTable->insert(QStringLiteral("lumo:priceclass"), E::PriceClass);
    theTable->insert(QStringLiteral("duplicate"), E::PropertyDuplicate);
    theTable->insert(QStringLiteral("lumo:flags"), E::Flags);
    theTable->insert(QStringLiteral("lumo:author"), E::Author);
    theTable->insert(QStringLiteral("lumo:variant"), E::Variant);
    theTable->insert(QStringLiteral("lumo:pagetype"), E::PageType);
    theTable->insert(QStringLiteral("lumo:comment"), E::Comment);
}
