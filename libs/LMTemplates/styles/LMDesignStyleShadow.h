#pragma once

#include "LMAreaType.h"
#include "LMShadowConfig.h"
#include "LMTemplatesExport.h"

#include <QString>

class QDomElement;

// The shadow a rule set gives the areas of one area type. The file gives the offset as a
// horizontal and a vertical length; the shadow holds its distance and direction.
class LMTEMPLATES_EXPORT LMDesignStyleShadow
{
public:
    LMDesignStyleShadow() = default;
    // The offset is taken from the shadow's distance and direction; the lengths are held in
    // millimetres, as a file gives them.
    LMDesignStyleShadow(const LMAreaType& theAreaType, const LMShadowConfig& theConfig);
    // A "shadow" element: "type" (an unknown type leaves the item invalid and the rest unread),
    // "opacity" in hexadecimal (default "80", 0 when it does not parse), "blur" (default 4 mm),
    // "zoom" (default 6 mm), "horizontal" and "vertical" (default 0 mm).
    explicit LMDesignStyleShadow(const QDomElement& theElement);

    const LMAreaType& areaType() const { return myAreaType; }
    const LMShadowConfig& shadowConfig() const { return myShadowConfig; }
    // A known area type and a visible shadow.
    bool isValid() const { return myAreaType.isValid() && myShadowConfig.isValid(); }
    size_t hash() const;

    // Appends a "shadow" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    // Area type and shadow; the offset's two lengths are the shadow's distance and angle.
    friend bool operator==(const LMDesignStyleShadow& theA, const LMDesignStyleShadow& theB)
    {
        return theA.myAreaType == theB.myAreaType && theA.myShadowConfig == theB.myShadowConfig;
    }
    friend bool operator!=(const LMDesignStyleShadow& theA, const LMDesignStyleShadow& theB) { return !(theA == theB); }

private:
    LMAreaType myAreaType;
    LMShadowConfig myShadowConfig;
    // As read, so that writing gives back the file's numbers; millimetres.
    double myHorizontal = 0.0;
    double myVertical = 0.0;
};

inline size_t qHash(const LMDesignStyleShadow& theShadow, size_t theSeed = 0) noexcept
{
    return qHash(theShadow.hash(), theSeed);
}
