#pragma once

#include "LMCornersConfiguration.h"
#include "LMTemplatesExport.h"

#include <QString>

class QDomElement;

// One corner set of a design style's list: how the corners of an area are cut. The empty item
// (the default configuration) stands for a "skip" entry.
class LMTEMPLATES_EXPORT LMDesignStyleCornerSet
{
public:
    LMDesignStyleCornerSet() = default;
    explicit LMDesignStyleCornerSet(const LMCornersConfiguration& theConfig) : myCornersConfig(theConfig) { }
    // A "corners" element: one "corner" child per corner with "position", "shape" and "length"
    // (whole millimetres: "2.5" does not parse and sets no corner).
    explicit LMDesignStyleCornerSet(const QDomElement& theElement);

    const LMCornersConfiguration& cornersConfig() const { return myCornersConfig; }
    bool isValid() const { return !myCornersConfig.isDefault(); }
    size_t hash() const;

    // Writes one "corner" per corner into the item's element, the length rounded to millimetres.
    void buildXML(QDomElement& theElement) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleCornerSet& theA, const LMDesignStyleCornerSet& theB)
    {
        return theA.myCornersConfig == theB.myCornersConfig;
    }
    friend bool operator!=(const LMDesignStyleCornerSet& theA, const LMDesignStyleCornerSet& theB)
    {
        return !(theA == theB);
    }

private:
    LMCornersConfiguration myCornersConfig;
};

inline size_t qHash(const LMDesignStyleCornerSet& theCornerSet, size_t theSeed = 0) noexcept
{
    return qHash(theCornerSet.hash(), theSeed);
}
