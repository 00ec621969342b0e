#pragma once

#include "LMAreaAbility.h"
#include "LMAreaCreationRule.h"
#include "LMAreaDecoration.h"
#include "LMImageFXs.h"
#include "LMPlatformExport.h"
#include "LMRotatedRect.h"

#include <QSharedDataPointer>

class LMAreaDescriptionImpl;
class LMMirrorRule;
class LMXMLElement;
class QDebug;
class QDomElement;

// The geometry and properties of one area of a template: its rotated rectangle, what the user
// may do with it, its decoration and image effects, by whom it is created, whether it belongs to
// the background, and whether the rectangle is normalised (fractions of the page) or in document
// units.
class LMPLATFORM_EXPORT LMAreaDescription
{
public:
    LMAreaDescription();
    LMAreaDescription(const LMRotatedRect& theRect, const LMAreaAbility& theAbilities,
                      const LMAreaDecoration& theDecoration = LMAreaDecoration(),
                      const LMImageFXs& theImageFXs = LMImageFXs(),
                      const LMAreaCreationRule& theCreationRule = LMAreaCreationRuleEnum::Default);
    LMAreaDescription(const LMAreaDescription& theOther);
    LMAreaDescription& operator=(const LMAreaDescription& theOther);
    LMAreaDescription(LMAreaDescription&& theOther) noexcept;
    LMAreaDescription& operator=(LMAreaDescription&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMAreaDescription();
    void swap(LMAreaDescription& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    // Reads the attributes and decoration children of an area element, in document units (not
    // normalised). Missing attributes take the defaults; malformed ones warn and take them too.
    static LMAreaDescription fromXml(const LMXMLElement& theElement, const LMAreaAbility& theDefaultAbilities,
                                     const LMAreaCreationRule& theDefaultCreationRule);
    // Writes the attributes and decoration children into the area element as they are; callers
    // denormalise first.
    void buildXML(QDomElement& theElement) const;

    const LMRotatedRect& rotatedRect() const;
    void setRotatedRect(const LMRotatedRect& theRect);
    const QRectF& rect() const;
    void setRect(const QRectF& theRect);
    LMAngle rotation() const;
    void setRotation(LMAngle theRotation);

    LMAreaAbility abilities() const;
    void setAbilities(const LMAreaAbility& theAbilities);
    const LMAreaDecoration& decoration() const;
    void setDecoration(const LMAreaDecoration& theDecoration);
    LMImageFXs imageFXs() const;
    void setImageFXs(const LMImageFXs& theImageFXs);
    LMAreaCreationRule creationRule() const;
    void setCreationRule(const LMAreaCreationRule& theRule);
    bool isBackgroundContent() const;
    void setBackgroundContent(bool theBackgroundContent);
    bool isNormalized() const;

    // Divides the rectangle by the size and marks it normalised; multiplies it and marks it
    // unnormalised. A size without positive sides changes nothing: an unknown size (a negative
    // side) silently, a size with a zero side with a warning.
    bool normalize(const QSizeF& theSize);
    bool denormalize(const QSizeF& theSize);
    LMAreaDescription normalized(const QSizeF& theSize) const;
    LMAreaDescription denormalized(const QSizeF& theSize) const;

    // The rectangle on a page of the given size: a normalised rectangle is multiplied by it; one in
    // document units already is on its page and is returned unchanged.
    QRectF scaledRect(const QSizeF& theSize) const;
    // Mirrored on its page: a normalised description inside 1 x 1, otherwise inside the given page
    // size (in place when that is not known). The decoration is mirrored with it.
    LMAreaDescription mirrored(const LMMirrorRule& theRule, const QSizeF& thePageSize) const;

    // Repairs geometry written by old editors: negative sizes are turned round, and edges lying
    // less than one document unit from an edge of the page of the given total size are put onto
    // it (those editors rounded full-bleed areas short). With theFixRotation the rotation, which
    // they stored counter-clockwise, is turned into the clockwise angle.
    void fixLegacyTemplates(const QSize& theTotalSize, bool theFixRotation);

    friend LMPLATFORM_EXPORT bool operator==(const LMAreaDescription& theA, const LMAreaDescription& theB);

private:
    LMAreaDescriptionImpl* impl();

    QSharedDataPointer<LMAreaDescriptionImpl> myImpl;
};

Q_DECLARE_SHARED(LMAreaDescription)

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMAreaDescription& theDescription);
