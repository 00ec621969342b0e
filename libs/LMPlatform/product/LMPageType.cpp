#include "LMPageType.h"

LM_DEFINE_ENUM_TABLE(LMPageType)

QList<LMPageType> LMPageType::singlePageTypes() const
{
    QList<LMPageType> aList;
    for (int aBit = 0; aBit < 31; ++aBit) {
        const Int aFlag = Int(1) << aBit;
        if (myValue & aFlag)
            aList.append(LMPageType(fromInt(aFlag)));
    }
    return aList;
}

QString LMPageType::toString() const
{
    const Table& aTable = enumToStringTable();
    return aTable.containsValue(myValue) ? aTable.encode(myValue) : aTable.encodeCSV(myValue);
}

void LMPageType::fillTable(Table* theTable) const
{
    using E = LMPageTypeEnum;
    theTable->insert(QStringLiteral("spine"), E::Spine);
    theTable->insert(QStringLiteral("first_page"), E::FirstPage);
    theTable->insert(QStringLiteral("last_page"), E::LastPage);
    theTable->insert(QStringLiteral("inner_page"), E::InnerPage);
    theTable->insert(QStringLiteral("front_flyleaf"), E::FrontFlyleaf);
    theTable->insert(QStringLiteral("full_cover"), E::FullCover);
    theTable->insert(QStringLiteral("single_page"), E::SinglePage);
    theTable->insert(QStringLiteral("back_flyleaf"), E::BackFlyleaf);
    theTable->insert(QStringLiteral("front_cover"), E::FrontCover);
    theTable->insert(QStringLiteral("back_cover"), E::BackCover);
    theTable->insert(QStringLiteral("slipcase_spine"), E::SlipcaseSpine);
    theTable->insert(QStringLiteral("slipcase"), E::Slipcase);
    theTable->insert(QStringLiteral("calendar_title"), E::CalendarTitle);
    theTable->insert(QStringLiteral("calendar_month"), E::CalendarMonth);
    theTable->insert(QStringLiteral("wall_decor"), E::WallDecor);
    theTable->insert(QStringLiteral("poster"), E::Poster);
    theTable->insert(QStringLiteral("cover"), E::Cover);
    theTable->insert(QStringLiteral("inner"), E::InnerPage);
}
