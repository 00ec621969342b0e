#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

enum class LMAreaTypeEnum : qint32 {
    None = 0,
    Undefined = 1,
    Foto = 2,
    FotoBackground = 4,
    Text = 32,
    Calendarium = 64,
    Clipart = 256,
    SVG = 1024,
    Background = 2048,
    QRCode = 4096,
    CalendarText = 8192,
    AllTexts = 8224,
    Osm = 16384,
    SmartLayout = 32768,
    All = 64870
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMAreaTypeEnum)

// The kind of an area of a template, as bits so that a filter can name several kinds. The
// canonical word of each single kind, lower-cased, is the XML tag of such an area.
class LMPLATFORM_EXPORT LMAreaType : public LMEnumWrapper<LMAreaTypeEnum>
{
public:
    LMAreaType() = default;
    LMAreaType(LMAreaTypeEnum theValue) : LMEnumWrapper(theValue) { }
    LMAreaType(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMAreaType(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The XML tag of an area of this type: its words, lower-cased.
    QString tagName() const { return encodeCSV().toLower(); }
    // The type a tag names; None for a tag that names no single area type.
    static LMAreaType fromTagName(const QString& theTagName);

    void fillTable(Table* theTable) const override;
};
