#pragma once

#include "LMPlatformExport.h"
#include "LMTextFormat.h"

class LMXMLElement;
class QDebug;
class QDomElement;

// A change to text formats: a format together with the fields of it that the change sets.
// Changes merge field by field, the later one winning.
class LMPLATFORM_EXPORT LMTextFormatChange
{
public:
    LMTextFormatChange() = default;
    LMTextFormatChange(const LMTextFormat& theFormat, LMTextFormat::Fields theFields)
        : myFormat(theFormat), myFields(theFields)
    {
    }

    const LMTextFormat& format() const { return myFormat; }
    LMTextFormat::Fields fields() const { return myFields; }
    bool isEmpty() const { return myFields == LMTextFormat::Fields(); }
    bool changes(LMTextFormat::Field theField) const { return myFields.testFlag(theField); }

    // The other change's fields override this one's; the fields of both are set afterwards.
    void merge(const LMTextFormatChange& theOther);
    // The format with this change applied.
    LMTextFormat appliedTo(const LMTextFormat& theFormat) const;
    // Multiplies the font size when the change sets one.
    void scaleFontSize(double theFactor);

    // The child "textformat" of the element; an empty change without one.
    static LMTextFormatChange fromXml(const LMXMLElement& theParent);
    // Appends a child "textformat" with the fields of the change unless it is empty.
    void buildXML(QDomElement& theParent) const;

    // Same fields, and the same values in those fields.
    friend LMPLATFORM_EXPORT bool operator==(const LMTextFormatChange& theA, const LMTextFormatChange& theB);

private:
    LMTextFormat myFormat;
    LMTextFormat::Fields myFields;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMTextFormatChange& theChange);
