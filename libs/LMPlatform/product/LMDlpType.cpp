#include "LMDlpType.h"

LM_DEFINE_ENUM_TABLE(LMDlpType)

QString LMDlpType::dlpPath(bool theForSinglePageProducts) const
{
    QString aFolder;
    switch (toEnum()) {
    case LMDlpTypeEnum::Background:
        aFolder = QStringLiteral("backgrounds");
        break;
    case LMDlpTypeEnum::DesignStyle:
        aFolder = QStringLiteral("designstyles");
        break;
    case LMDlpTypeEnum::Clipart:
        aFolder = QStringLiteral("cliparts");
        break;
    case LMDlpTypeEnum::LayoutCollection:
        aFolder = QStringLiteral("layouts");
        break;
    case LMDlpTypeEnum::Mask:
        aFolder = QStringLiteral("masks");
        break;
    case LMDlpTypeEnum::Frame:
        aFolder = QStringLiteral("frames");
        break;
    case LMDlpTypeEnum::Passepartout:
        aFolder = QStringLiteral("passepartouts");
        break;
    case LMDlpTypeEnum::ContentTemplate:
        aFolder = QStringLiteral("templates");
        break;
    default:
        return QString();
    }
    return theForSinglePageProducts ? QStringLiteral("walldecor/") + aFolder : aFolder;
}

QString LMDlpType::toString() const
{
    const Table& aTable = enumToStringTable();
    return aTable.containsValue(myValue) ? aTable.encode(myValue) : aTable.encodeCSV(myValue);
}

void LMDlpType::fillTable(Table* theTable) const
{
    using E = LMDlpTypeEnum;
    theTable->insert(QStringLiteral("background"), E::Background);
    theTable->insert(QStringLiteral("designstyle"), E::DesignStyle);
    theTable->insert(QStringLiteral("clipart"), E::Clipart);
    theTable->insert(QStringLiteral("layoutcollection"), E::LayoutCollection);
    theTable->insert(QStringLiteral("mask"), E::Mask);
    theTable->insert(QStringLiteral("frame"), E::Frame);
    theTable->insert(QStringLiteral("passepartout"), E::Passepartout);
    theTable->insert(QStringLiteral("template"), E::ContentTemplate);
}
