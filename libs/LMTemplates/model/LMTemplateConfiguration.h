#pragma once

#include "LMTemplatesExport.h"

#include <QString>

class QDebug;
class QDomElement;

// The choices made for one use of a template: the CSS colour sheet and whether the spot colour
// is printed. Its text form is "<sheet or --->;<true|false>".
class LMTEMPLATES_EXPORT LMTemplateConfiguration
{
public:
    LMTemplateConfiguration() = default;
    LMTemplateConfiguration(const QString& theCssSheetTitle, bool theSpotColorEnabled);
    // Reads "cssSheet" and "spotColorEnabled" (a boolean, false when absent).
    explicit LMTemplateConfiguration(const QDomElement& theElement);
    virtual ~LMTemplateConfiguration();

    // "---" stands for no sheet; spot colour is off only for a second field "false". A text
    // without ";" has no second field and leaves spot colour off.
    static LMTemplateConfiguration deserialize(const QString& theText);
    QString serialize() const;
    // Writes "cssSheet" when a sheet is chosen and "spotColorEnabled" = 1 when enabled.
    void toMCF(QDomElement& theElement) const;

    const QString& cssSheetTitle() const { return myCssSheetTitle; }
    void setCssSheetByTitle(const QString& theTitle) { myCssSheetTitle = theTitle; }
    bool spotColorEnabled() const { return mySpotColorEnabled; }
    void setSpotColorEnabled(bool theEnabled) { mySpotColorEnabled = theEnabled; }
    // No sheet, spot colour off.
    bool isDefault() const { return myCssSheetTitle.isEmpty() && !mySpotColorEnabled; }

    // "(<sheet>)", or empty without a sheet.
    QString toolTip() const;

    friend bool operator==(const LMTemplateConfiguration& theA, const LMTemplateConfiguration& theB)
    {
        return theA.mySpotColorEnabled == theB.mySpotColorEnabled && theA.myCssSheetTitle == theB.myCssSheetTitle;
    }
    friend bool operator!=(const LMTemplateConfiguration& theA, const LMTemplateConfiguration& theB)
    {
        return !(theA == theB);
    }
    // By sheet title (case-sensitive), then spot colour off before on.
    friend LMTEMPLATES_EXPORT bool operator<(const LMTemplateConfiguration& theA, const LMTemplateConfiguration& theB);

private:
    QString myCssSheetTitle;
    bool mySpotColorEnabled = false;
};

inline size_t qHash(const LMTemplateConfiguration& theConfiguration, size_t theSeed = 0) noexcept
{
    return qHashMulti(theSeed, theConfiguration.cssSheetTitle(), theConfiguration.spotColorEnabled());
}

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateConfiguration& theConfiguration);
