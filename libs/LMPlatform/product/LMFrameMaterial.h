#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"

class LMXMLElement;

enum class LMFrameMaterialEnum : qint32 {
    None = 0,
    // The empty choice: leave the frame away.
    Remove = 1,
    Wood = 2,
    Aluminium = 4,
    Plastic = 8,
    // Every material and the empty choice, for filters that accept any frame.
    All = 15
};
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMFrameMaterialEnum)

// The material of a frame for wall decor, as bits so that a filter can ask for several; the
// remove item (no frame at all) is a material of its own.
class LMPLATFORM_EXPORT LMFrameMaterial : public LMEnumWrapper<LMFrameMaterialEnum>
{
public:
    LMFrameMaterial() = default;
    LMFrameMaterial(LMFrameMaterialEnum theValue) : LMEnumWrapper(theValue) { }
    LMFrameMaterial(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMFrameMaterial(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // The material of a frame template's attributes: "material" holds one word of the table; a
    // missing attribute is the remove item, an unknown word gives 0 with a warning.
    static LMFrameMaterial fromXml(const LMXMLElement& theElement);
    // The value that accepts every material.
    static LMFrameMaterial allMaterials() { return LMFrameMaterial(LMFrameMaterialEnum::All); }

    bool isRemoveItem() const { return myValue == static_cast<Int>(LMFrameMaterialEnum::Remove); }
    // The German name of a single material the user reads; empty for other values.
    QString visibleName() const;
    // The hint shown while a frame of this material is dragged onto a product (translatable).
    QString basicDragAndDropHint() const;

    void fillTable(Table* theTable) const override;
};
