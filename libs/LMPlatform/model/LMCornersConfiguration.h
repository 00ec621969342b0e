#pragma once

#include "LMCorner.h"
#include "LMCornerShape.h"
#include "LMDistance.h"
#include "LMPlatformExport.h"

#include <QMap>

class LMMirrorRule;
class LMXMLElement;
class QDebug;
class QDomElement;

// How the corners of an area are cut: per corner a shape and a length. Setting a corner enables
// the configuration; the default configuration cuts nothing.
class LMPLATFORM_EXPORT LMCornersConfiguration
{
public:
    struct Corner
    {
        LMCornerShape shape;
        LMDistance length;
        friend bool operator==(const Corner& theA, const Corner& theB) = default;
    };

    LMCornersConfiguration() = default;

    bool isEnabled() const { return myEnabled; }
    void setEnabled(bool theEnabled) { myEnabled = theEnabled; }
    bool isDefault() const { return *this == LMCornersConfiguration(); }

    // Sets every corner named by the bits; ignored unless corner and shape are valid and the
    // length is not null.
    void setCorner(const LMCorner& theCorners, const LMCornerShape& theShape, const LMDistance& theLength);
    bool hasCorner(const LMCorner& theCorner) const;
    // The shape and length of a single corner; an invalid shape when it is not set.
    Corner corner(const LMCorner& theCorner) const;
    // The single corners that are set, in value order.
    QList<LMCorner> corners() const;

    // Lengths times the factor.
    LMCornersConfiguration scaled(double theFactor) const;
    // Each corner moves to its mirrored place.
    LMCornersConfiguration mirrored(const LMMirrorRule& theRule) const;

    // The child "corners" of the element; the default configuration without one.
    static LMCornersConfiguration fromXml(const LMXMLElement& theParent);
    // Appends a child "corners" with one "corner" per corner unless this is the default.
    void buildXML(QDomElement& theParent) const;

    friend LMPLATFORM_EXPORT bool operator==(const LMCornersConfiguration& theA, const LMCornersConfiguration& theB);

private:
    // Keyed by single corner bits.
    QMap<qint32, Corner> myCorners;
    bool myEnabled = false;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMCornersConfiguration& theCorners);
