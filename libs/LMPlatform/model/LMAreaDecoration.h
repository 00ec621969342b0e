#pragma once

#include "LMBorderConfig.h"
#include "LMCornersConfiguration.h"
#include "LMPlatformExport.h"
#include "LMShadowConfig.h"

#include <QSharedDataPointer>

class LMAreaDecorationImpl;
class LMMirrorRule;
class LMXMLElement;
class QDebug;
class QDomElement;

// The parts of an area's decoration, for asking after one of them.
enum class LMAreaDecorationPart : qint32 { Border = 1, Shadow = 2, Corners = 4 };

// What is drawn around an area besides its content: border, shadow and cut corners. Most areas
// have none: an undecorated area keeps no parts of its own (every template keeps several areas,
// and their mirrored copies share the parts they do not change).
class LMPLATFORM_EXPORT LMAreaDecoration
{
public:
    LMAreaDecoration();
    LMAreaDecoration(const LMBorderConfig& theBorder, const LMShadowConfig& theShadow,
                     const LMCornersConfiguration& theCorners);
    LMAreaDecoration(const LMAreaDecoration& theOther);
    LMAreaDecoration& operator=(const LMAreaDecoration& theOther);
    LMAreaDecoration(LMAreaDecoration&& theOther) noexcept;
    LMAreaDecoration& operator=(LMAreaDecoration&& theOther) noexcept;
    ~LMAreaDecoration();
    void swap(LMAreaDecoration& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    const LMBorderConfig& border() const;
    void setBorder(const LMBorderConfig& theBorder);
    const LMShadowConfig& shadow() const;
    void setShadow(const LMShadowConfig& theShadow);
    const LMCornersConfiguration& corners() const;
    void setCorners(const LMCornersConfiguration& theCorners);

    // True when that part draws nothing: no border, an invalid shadow, default corners.
    bool decorationPartIsEmpty(LMAreaDecorationPart thePart) const;
    bool isEmpty() const;

    // Every length times the factor.
    LMAreaDecoration scaled(double theFactor) const;
    LMAreaDecoration mirrored(const LMMirrorRule& theRule) const;

    // The children "border", "shadow" and "corners" of the area element.
    static LMAreaDecoration fromXml(const LMXMLElement& theAreaElement);
    // Appends those children for the parts that are set.
    void buildXML(QDomElement& theAreaElement) const;

    friend LMPLATFORM_EXPORT bool operator==(const LMAreaDecoration& theA, const LMAreaDecoration& theB);
    friend bool operator!=(const LMAreaDecoration& theA, const LMAreaDecoration& theB) { return !(theA == theB); }

private:
    const LMAreaDecorationImpl& impl() const;
    // The own parts to change (made when the area had none).
    LMAreaDecorationImpl& edit();
    // Drops the parts when they are the default ones.
    void dropDefault();

    // Null for an undecorated area.
    QSharedDataPointer<LMAreaDecorationImpl> myImpl;
};
Q_DECLARE_SHARED(LMAreaDecoration)

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMAreaDecoration& theDecoration);
