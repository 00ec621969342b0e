#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

#include <QList>

enum class LMPageTypeEnum : qint32 {
    None = 0,
    Spine = 0x1,
    FirstPage = 0x2,
    LastPage = 0x4,
    InnerPage = 0x8,
    FrontFlyleaf = 0x10,
    FullCover = 0x20,
    SinglePage = 0x40,
    BackFlyleaf = 0x80,
    FrontCover = 0x100,
    BackCover = 0x200,
    SlipcaseSpine = 0x10000,
    Slipcase = 0x20000,
    CalendarTitle = 0x40000,
    CalendarMonth = 0x80000,
    WallDecor = 0x200000,
    Poster = 0x400000,
    // The whole cover: spine, full cover, front and back.
    Cover = 0x321
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMPageTypeEnum)

// The kind of a page within a product (cover, spine, inner page, calendar month ...), as bits,
// so that a template can be made for several kinds of page.
class LMPLATFORM_EXPORT LMPageType : public LMEnumWrapper<LMPageTypeEnum>
{
public:
    LMPageType() = default;
    LMPageType(LMPageTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMPageType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMPageType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The single page types named by this value, lowest bit first.
    QList<LMPageType> singlePageTypes() const;
    // The text of exactly this value, or the texts of its bits joined by ", ".
    QString toString() const;

    void fillTable(Table* theTable) const override;
};

using LMPageTypeList = QList<LMPageType>;
