#pragma once

#include "LMClipartConfiguration.h"
#include "LMDesignElementID.h"
#include "LMTemplatesExport.h"

class LMJig;
class LMMirrorRule;
class LMXMLElement;
class QDebug;
class QDomElement;

// A decoration named by its design element id together with how it is shown: what a clipart or
// mask area holds. The decoration object itself is found in the decoration registry.
class LMTEMPLATES_EXPORT LMConfiguredDecorationTemplate
{
public:
    LMConfiguredDecorationTemplate() = default;
    explicit LMConfiguredDecorationTemplate(const LMDesignElementID& theId,
                                            const LMClipartConfiguration& theConfiguration = LMClipartConfiguration())
        : myDesignElementId(theId), myConfiguration(theConfiguration)
    {
    }

    const LMDesignElementID& designElementId() const { return myDesignElementId; }
    const LMClipartConfiguration& configuration() const { return myConfiguration; }
    void setConfiguration(const LMClipartConfiguration& theConfiguration) { myConfiguration = theConfiguration; }
    bool isValid() const { return myDesignElementId.isValid(); }
    size_t hash() const;

    // The decoration of the id, from the decoration registry through the decoration lookup; null
    // when none is known (or no registry is installed).
    LMJig* decoration() const;

    // Attribute "designElementId", boolean "gsel", child "mirror" with "mirror-axis", and the
    // colour replacements of the element a design style supplies.
    static LMConfiguredDecorationTemplate fromDesignStyleXml(const LMXMLElement& theElement);
    void toDesignStyleXml(QDomElement& theElement) const;
    QString toDebugString() const;

    // The same decoration with its configuration mirrored by the rule as well.
    LMConfiguredDecorationTemplate mirrored(const LMMirrorRule& theRule) const;

    friend bool operator==(const LMConfiguredDecorationTemplate& theA, const LMConfiguredDecorationTemplate& theB)
    {
        return theA.myDesignElementId == theB.myDesignElementId && theA.myConfiguration == theB.myConfiguration;
    }

private:
    LMDesignElementID myDesignElementId;
    LMClipartConfiguration myConfiguration;
};

inline size_t qHash(const LMConfiguredDecorationTemplate& theTemplate, size_t theSeed = 0) noexcept
{
    return qHash(theTemplate.designElementId(), theSeed);
}

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMConfiguredDecorationTemplate& theTemplate);
