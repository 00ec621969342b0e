#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

// The kinds of the child elements of an SVG template's metadata block. Kinds 10 and 16 are
// retired and have no name; PropertyDuplicate names a property key, not an element.
enum class LMTemplateSVGMetaDataElementEnum : qint32 {
    None = 0,
    Category = 1,
    Product = 2,
    ImagePath = 3,
    ImageSubPath = 4,
    Thumbnail = 5,
    // Written by the authoring tools for people; the library ignores it.
    Title = 6,
    Reference = 7,
    Rotation = 8,
    DesignElementId = 9,
    KeyAccount = 11,
    Pages = 12,
    PriceClass = 13,
    PropertyDuplicate = 14,
    Flags = 15,
    // Ignored, like Title.
    Author = 17,
    Variant = 18,
    PageType = 19,
    // Ignored, like Title.
    Comment = 20
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMTemplateSVGMetaDataElementEnum)

// The kind of one child element of "lumo:template" in an SVG template's metadata, known by its
// element name, and the kind of a property key inside "lumo:flags". Kinds are numbers, not bits.
class LMPLATFORM_EXPORT LMTemplateSVGMetaDataElement : public LMEnumWrapper<LMTemplateSVGMetaDataElementEnum>
{
public:
    LMTemplateSVGMetaDataElement() = default;
    LMTemplateSVGMetaDataElement(LMTemplateSVGMetaDataElementEnum theValue) : LMEnumWrapper(theValue) { }
    LMTemplateSVGMetaDataElement(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMTemplateSVGMetaDataElement(const QString& theText) : LMEnumWrapper(fromName(theText)) { }

    // The kind of exactly this element name or property key, as written (XML names are
    // case-sensitive); None for any other text.
    static LMTemplateSVGMetaDataElement fromName(const QString& theName);
    // The element name (or property key) of the kind; empty for None and the retired kinds.
    QString name() const;

    void fillTable(Table* theTable) const override;
};
