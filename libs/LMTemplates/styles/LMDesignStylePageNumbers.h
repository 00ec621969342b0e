#pragma once

#include "LMPageNumberConfig.h"
#include "LMTemplatesExport.h"

#include <QString>

class QDomElement;

// Whether a design style shows page numbers on the whole product: the "pagenumbers" element of
// the style's root with "apply" exactly "global".
class LMTEMPLATES_EXPORT LMDesignStylePageNumbers
{
public:
    LMDesignStylePageNumbers() = default;
    explicit LMDesignStylePageNumbers(bool theEnabled) : myEnabled(theEnabled) { }
    // Reads the "pagenumbers" child of the style's root element; any other "apply" (another
    // letter case included) and a missing element leave page numbers off.
    explicit LMDesignStylePageNumbers(const QDomElement& theRoot);

    bool isEnabled() const { return myEnabled; }
    // What the product's page-number feature is given.
    LMPageNumberConfig pageNumberConfig() const { return LMPageNumberConfig(myEnabled); }

    // Appends "pagenumbers" with "apply" = "global" when page numbers are on; nothing otherwise.
    void buildXML(QDomElement& theParent) const;
    // " PageNumbers:" and "    enabled: true" (or "false").
    QString toDebugString() const;

    friend bool operator==(const LMDesignStylePageNumbers& theA, const LMDesignStylePageNumbers& theB)
    {
        return theA.myEnabled == theB.myEnabled;
    }
    friend bool operator!=(const LMDesignStylePageNumbers& theA, const LMDesignStylePageNumbers& theB)
    {
        return !(theA == theB);
    }

private:
    bool myEnabled = false;
};
