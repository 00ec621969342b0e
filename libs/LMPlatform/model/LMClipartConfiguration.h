#pragma once

#include "LMColorReplacementInstructions.h"
#include "LMMirrorRule.h"
#include "LMPlatformExport.h"

class LMXMLElement;
class QDebug;
class QDomElement;

// How a clipart or mask is shown on an area: mirrored, whether it takes the product's spot
// colour, and which of its colours are drawn in others. The default configuration changes nothing.
class LMPLATFORM_EXPORT LMClipartConfiguration
{
public:
    LMClipartConfiguration() = default;
    LMClipartConfiguration(const LMMirrorRule& theMirrorRule, bool theSpotColorEnabled)
        : myMirrorRule(theMirrorRule), mySpotColorEnabled(theSpotColorEnabled)
    {
    }

    const LMMirrorRule& mirrorRule() const { return myMirrorRule; }
    void setMirrorRule(const LMMirrorRule& theRule) { myMirrorRule = theRule; }
    bool isSpotColorEnabled() const { return mySpotColorEnabled; }
    void setSpotColorEnabled(bool theEnabled) { mySpotColorEnabled = theEnabled; }

    const LMColorReplacementInstructions& colorReplacements() const { return myColorReplacements; }
    void setColorReplacements(const LMColorReplacementInstructions& theReplacements)
    {
        myColorReplacements = theReplacements;
    }

    // True when it differs from the default configuration.
    bool hasChanges() const { return !(*this == LMClipartConfiguration()); }
    // The configuration of the area mirrored by the rule: the mirrorings add up.
    LMClipartConfiguration mirrored(const LMMirrorRule& theRule) const;

    // Attributes "mirror" and "gsel" of the element and its colour replacements.
    static LMClipartConfiguration fromXml(const LMXMLElement& theElement);
    // Writes the attributes that differ from the default.
    void buildXML(QDomElement& theElement) const;

    friend bool operator==(const LMClipartConfiguration& theA, const LMClipartConfiguration& theB)
    {
        return theA.myMirrorRule == theB.myMirrorRule && theA.mySpotColorEnabled == theB.mySpotColorEnabled
            && theA.myColorReplacements == theB.myColorReplacements;
    }

private:
    LMMirrorRule myMirrorRule;
    bool mySpotColorEnabled = false;
    LMColorReplacementInstructions myColorReplacements;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMClipartConfiguration& theConfiguration);
