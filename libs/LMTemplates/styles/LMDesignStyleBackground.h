#pragma once

#include "LMDesignElementID.h"
#include "LMMultiColorConfig.h"
#include "LMTemplatesExport.h"

#include <QString>

class QDomElement;

// One background of a design style's list: a background template named by its design element
// id, in one colour variant when the background is a multi-colour one.
class LMTEMPLATES_EXPORT LMDesignStyleBackground
{
public:
    LMDesignStyleBackground() = default;
    explicit LMDesignStyleBackground(const LMDesignElementID& theId,
                                     const LMMultiColorConfig& theMultiColorConfig = LMMultiColorConfig())
        : myDesignElementId(theId), myMultiColorConfig(theMultiColorConfig)
    {
    }
    // A "background" element: "id", and "hue" with "fading" for a colour variant. The variant is
    // kept only when it is valid (hue a multiple of 30, fading 0 to 5).
    explicit LMDesignStyleBackground(const QDomElement& theElement);

    const LMDesignElementID& designElementID() const { return myDesignElementId; }
    // Invalid when the background names no colour variant.
    const LMMultiColorConfig& multiColorConfig() const { return myMultiColorConfig; }
    bool isValid() const { return myDesignElementId.isValid(); }
    size_t hash() const;

    // Writes "id", and "hue" and "fading" for a valid colour variant, into the item's element.
    void buildXML(QDomElement& theElement) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleBackground& theA, const LMDesignStyleBackground& theB)
    {
        return theA.myDesignElementId == theB.myDesignElementId && theA.myMultiColorConfig == theB.myMultiColorConfig;
    }
    friend bool operator!=(const LMDesignStyleBackground& theA, const LMDesignStyleBackground& theB)
    {
        return !(theA == theB);
    }

private:
    LMDesignElementID myDesignElementId;
    LMMultiColorConfig myMultiColorConfig;
};

inline size_t qHash(const LMDesignStyleBackground& theBackground, size_t theSeed = 0) noexcept
{
    return qHash(theBackground.hash(), theSeed);
}
