#pragma once

#include "LMEnumWrapper.h"
#include "LMPlatformExport.h"
#include <QList>

class LMXMLElement;
class QDomElement;

enum class LMMirrorRuleEnum : qint32 { None = 0, HorizontalAxis = 1, VerticalAxis = 2, BothAxes = 3 };
LM_DECLARE_ENUM_TABLE(LMPLATFORM_EXPORT, LMMirrorRuleEnum)

// How a design is mirrored, named by the mirror axis: the horizontal axis swaps top and bottom,
// the vertical axis swaps left and right. Both together turn the design by 180 degrees.
class LMPLATFORM_EXPORT LMMirrorRule : public LMEnumWrapper<LMMirrorRuleEnum>
{
public:
    LMMirrorRule() = default;
    LMMirrorRule(LMMirrorRuleEnum theValue) : LMEnumWrapper(theValue) { }
    LMMirrorRule(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    explicit LMMirrorRule(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    // True when left and right change places (x is mirrored).
    bool flipsX() const { return (myValue & Int(LMMirrorRuleEnum::VerticalAxis)) != 0; }
    // True when top and bottom change places (y is mirrored).
    bool flipsY() const { return (myValue & Int(LMMirrorRuleEnum::HorizontalAxis)) != 0; }
    // The rule applied after this one: mirroring twice at the same axis undoes it.
    LMMirrorRule followedBy(const LMMirrorRule& theOther) const;
    // The single rules this value combines, lowest first; empty for None.
    QList<LMMirrorRule> spreadOut() const;

    // The attribute "mirror" of an element (comma-separated rule words); None when absent.
    static LMMirrorRule fromXml(const LMXMLElement& theElement);
    // Writes the attribute "mirror" when the rule is not None.
    void buildXML(QDomElement& theElement) const;
    static QString xmlAttributeName();

    void fillTable(Table* theTable) const override;
};
