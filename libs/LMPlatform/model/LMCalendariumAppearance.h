#pragma once

#include "LMPlatformExport.h"

#include <QString>

class LMXMLElement;
class QDebug;
class QDomElement;

// How a calendar area looks: its colour schema, its layout, the language of its names, and the
// month it starts with relative to the product's first month.
class LMPLATFORM_EXPORT LMCalendariumAppearance
{
public:
    LMCalendariumAppearance() = default;

    const QString& colorSchema() const { return myColorSchema; }
    void setColorSchema(const QString& theSchema) { myColorSchema = theSchema; }
    const QString& layout() const { return myLayout; }
    void setLayout(const QString& theLayout) { myLayout = theLayout; }
    const QString& language() const { return myLanguage; }
    void setLanguage(const QString& theLanguage) { myLanguage = theLanguage; }
    int monthOffset() const { return myMonthOffset; }
    void setMonthOffset(int theOffset) { myMonthOffset = theOffset; }

    bool isDefault() const { return *this == LMCalendariumAppearance(); }

    // The child "calendar" of the element; the default appearance without one.
    static LMCalendariumAppearance fromXml(const LMXMLElement& theParent);
    // Appends a child "calendar" unless this is the default appearance.
    void buildXML(QDomElement& theParent) const;

    friend bool operator==(const LMCalendariumAppearance& theA, const LMCalendariumAppearance& theB)
    {
        return theA.myColorSchema == theB.myColorSchema && theA.myLayout == theB.myLayout
            && theA.myLanguage == theB.myLanguage && theA.myMonthOffset == theB.myMonthOffset;
    }

private:
    QString myColorSchema;
    QString myLayout;
    QString myLanguage;
    int myMonthOffset = 0;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMCalendariumAppearance& theAppearance);
