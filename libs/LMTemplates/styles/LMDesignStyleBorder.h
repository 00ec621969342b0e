#pragma once

#include "LMBorderConfig.h"
#include "LMTemplatesExport.h"

#include <QString>

class QDomElement;

// One border of a design style's list. The empty item (no border) stands for a "skip" entry:
// the area it falls on gets no border from the list.
class LMTEMPLATES_EXPORT LMDesignStyleBorder
{
public:
    LMDesignStyleBorder() = default;
    // Width and offset are held in document units, as a file gives them.
    explicit LMDesignStyleBorder(const LMBorderConfig& theConfig);
    // A "border" element: "width" and "offset" in millimetres, "position", "color" (with optional
    // alpha) and "gsel". With an offset of 1 mm or more the border runs outside the area.
    explicit LMDesignStyleBorder(const QDomElement& theElement);

    const LMBorderConfig& borderConfig() const { return myBorderConfig; }
    bool isValid() const { return !myBorderConfig.isNoBorder(); }
    size_t hash() const;

    // Writes the attributes into the item's element; "offset", which the schema does not know,
    // only when there is one.
    void buildXML(QDomElement& theElement) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleBorder& theA, const LMDesignStyleBorder& theB)
    {
        return theA.myBorderConfig == theB.myBorderConfig;
    }
    friend bool operator!=(const LMDesignStyleBorder& theA, const LMDesignStyleBorder& theB) { return !(theA == theB); }

private:
    LMBorderConfig myBorderConfig;
};

inline size_t qHash(const LMDesignStyleBorder& theBorder, size_t theSeed = 0) noexcept
{
    return qHash(theBorder.hash(), theSeed);
}
