#pragma once

#include "LMAreaAssociationId.h"
#include "LMAreaAssociationIdList.h"
#include "LMAreaDescription.h"
#include "LMAreaPositioningConstraint.h"
#include "LMAreaType.h"
#include "LMFoto.h"
#include "LMMirrorRule.h"
#include "LMOrientation.h"
#include "LMTemplateList.h"
#include "LMTemplatesExport.h"

#include <QFlags>
#include <QList>
#include <QPolygonF>
#include <QSizeF>

#include <memory>

class LMPageAlignment;
class LMPageSizeSpec;
class LMXMLElement;
class QDomElement;

// One area of a template: where on the page a photo, text, background, clipart ... goes. Areas
// read from XML templates keep their geometry normalised to the page (fractions of it) and
// remember the page size they were made for; areas of SVG templates keep document units. Either
// way an area is scaled to a concrete page only when asked.
class LMTEMPLATES_EXPORT LMTemplateAreaDefinition
{
public:
    // How scaledRect(LMPageSizeSpec, ...) places the area.
    enum CreateOption : qint32 {
        NoCreateOption = 0,
        // Moved by the top-left offset of the usable print area.
        WithPrintAreaOffset = 1,
        // Scaled to the page size the area was made for instead of the product's.
        OnOriginallyScaledForSize = 2
    };
    Q_DECLARE_FLAGS(CreateOptions, CreateOption)

    LMTemplateAreaDefinition& operator=(const LMTemplateAreaDefinition&) = delete;
    virtual ~LMTemplateAreaDefinition();

    // Appends this area to the element as a child named after its area type, with the geometry
    // for a page of the given size. Subclasses add their own attributes to that child.
    virtual void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const;
    // A new copy, mirrored by the rule.
    virtual std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule
                                                            = LMMirrorRule()) const = 0;
    virtual LMAreaType areaType() const = 0;
    // The area type is not the one of no type (1).
    virtual bool isValid() const;
    virtual LMImageFXs imageFXs() const;
    virtual void setImageFXs(const LMImageFXs& theImageFXs);
    // The geo positions tied to the area; empty but for map areas.
    virtual LMAreaAssociationIdList associations() const;
    // The templates the area refers to; empty but for background areas.
    virtual LMTemplateList templates() const;
    // The photo the area holds; invalid but for photo containers.
    virtual LMFoto foto() const;

    bool isType(const LMAreaType& theType) const { return areaType().intersects(theType); }

    const LMAreaPositioningConstraint& positioningConstraint() const { return myPositioningConstraint; }
    void setPositioningConstraint(const LMAreaPositioningConstraint& theConstraint);
    const LMAreaDescription& areaDescription() const { return myDescription; }
    void setAreaDescription(const LMAreaDescription& theDescription) { myDescription = theDescription; }
    // The page size, in the units of the source file, the area was defined for; negative when
    // not known.
    const QSizeF& originallyScaledForSize() const { return myOriginallyScaledForSize; }
    bool hasOriginalScale() const;
    void forgetOriginalScale() { myOriginallyScaledForSize = QSizeF(-1, -1); }
    const LMAreaAssociationId& associationId() const { return myAssociationId; }
    void setAssociationId(const LMAreaAssociationId& theId) { myAssociationId = theId; }
    bool isLayoutContent() const { return myLayoutContent; }
    void markAsLayoutContent(bool theLayoutContent = true) { myLayoutContent = theLayoutContent; }
    int zPosition() const { return myZPosition; }
    void setZPosition(int thePosition) { myZPosition = thePosition; }
    // The template the area was taken from and the content inside it.
    const LMUnconfiguredTemplate& sourceTemplate() const { return mySourceTemplate; }
    const QString& contentReference() const { return myContentReference; }
    void setReference(const LMUnconfiguredTemplate& theTemplate, const QString& theContentReference);
    int originId() const { return myOriginId; }
    void setOriginId(int theOriginId) { myOriginId = theOriginId; }

    // Shortcuts into the description.
    const QRectF& rect() const { return myDescription.rect(); }
    LMAngle rotation() const { return myDescription.rotation(); }
    const LMRotatedRect& rotatedRect() const { return myDescription.rotatedRect(); }
    LMAreaAbility abilities() const { return myDescription.abilities(); }
    void setAbilities(const LMAreaAbility& theAbilities) { myDescription.setAbilities(theAbilities); }
    const LMAreaDecoration& decoration() const { return myDescription.decoration(); }
    void setDecoration(const LMAreaDecoration& theDecoration) { myDescription.setDecoration(theDecoration); }
    LMAreaCreationRule creationRule() const { return myDescription.creationRule(); }
    bool isNormalized() const { return myDescription.isNormalized(); }
    bool isBackgroundContent() const { return myDescription.isBackgroundContent(); }

    // 1.0 when the original size is not known or is the neutral 100000 x 100000; otherwise the
    // smaller of the two side ratios of the size to the original size.
    double scaleFactor(const QSizeF& theSize) const;
    // The rectangle on a page of the given size, moved by the offset.
    QRectF scaledRect(const QSizeF& theSize, const QPointF& theOffset = QPointF()) const;
    // The rectangle on a product page: on its usable size (the slipcase cover size where the
    // product has one), or on the original size with OnOriginallyScaledForSize.
    QRectF scaledRect(const LMPageSizeSpec& theSpec, CreateOptions theOptions = NoCreateOption) const;
    LMRotatedRect createRotatedRect(const LMPageSizeSpec& theSpec, CreateOptions theOptions = NoCreateOption) const;
    QSizeF areaSizeOnOriginallyScaledForSize() const;
    // The four corners on a page of the given size, turned by the area's rotation.
    QPolygonF polygon(const QSizeF& theSize) const;

    // The rectangle as fractions of the page: the stored one when normalised, else divided by
    // the original size when that is known, else as it is.
    QRectF normalizedRect() const;
    // Square when the height is 0 or width/height times the page aspect is 1, else landscape
    // above 1 and portrait below.
    LMOrientation orientation(double thePageAspect) const;
    // The share of the page the area covers.
    double calculateSpaciousness() const;
    // How far the area's centre lies from the page centre, weighted by its spaciousness.
    QPointF calculateWeightPoint() const;
    double widthHeightRatio() const;
    // Turned by anything but a multiple of 90 degrees.
    bool isInclined() const { return rotatedRect().isInclined(); }
    double coveredArea() const { return rotatedRect().coveredArea(); }
    // Whether the area may stand on a page of that alignment.
    bool pageAlignmentIsOkay(const LMPageAlignment& theAlignment) const;

    LMAreaDecoration scaledDecoration(double theFactor) const;
    LMAreaDecoration scaledDecoration(const QSizeF& theSize) const;
    void fixLegacyTemplates(const QSize& theTotalSize, bool theFixRotation);
    void normalize(const QSizeF& theSize) { myDescription.normalize(theSize); }
    void denormalize(const QSizeF& theSize) { myDescription.denormalize(theSize); }

    // Same area type, equal descriptions, constraints and layout-content flags; the z position
    // and the references do not count.
    bool operator==(const LMTemplateAreaDefinition& theOther) const;
    bool operator!=(const LMTemplateAreaDefinition& theOther) const { return !(*this == theOther); }

    // The two ways every kind of area is made in code; the kinds take them over ("using"), so
    // they are public here, where the class itself is abstract.
    // From geometry and properties in the units of a page of the given size: normalised by it.
    LMTemplateAreaDefinition(const LMRotatedRect& theRect, const LMAreaAbility& theAbilities,
                             const LMAreaDecoration& theDecoration, const LMAreaPositioningConstraint& theConstraint,
                             const LMImageFXs& theImageFXs, const QSizeF& thePageSize,
                             const LMAreaCreationRule& theCreationRule,
                             const LMAreaAssociationId& theAssociationId = LMAreaAssociationId());
    // Taken as it is, with no original size.
    LMTemplateAreaDefinition(const LMAreaDescription& theDescription, const LMAreaPositioningConstraint& theConstraint,
                             const LMAreaAssociationId& theAssociationId = LMAreaAssociationId());

protected:
    // A copy, with the description mirrored by the rule.
    LMTemplateAreaDefinition(const LMTemplateAreaDefinition& theOther, const LMMirrorRule& theMirrorRule);
    // The description read from the element and normalised by the page size. Positioning
    // constraint and association id are left to the reader of the template file.
    LMTemplateAreaDefinition(const LMXMLElement& theElement, const QSizeF& thePageSize,
                             const LMAreaAbility& theDefaultAbilities,
                             const LMAreaCreationRule& theDefaultCreationRule);

    // The child a buildXML() of this class appended last: where subclasses add their attributes.
    static QDomElement lastAreaElement(const QDomElement& theParent);
    // The size a mirrored copy mirrors within: the original size when known.
    QSizeF mirrorReferenceSize() const;

private:
    LMAreaPositioningConstraint myPositioningConstraint = LMAreaPositioningConstraintEnum::Nowhere;
    LMAreaDescription myDescription;
    QSizeF myOriginallyScaledForSize = QSizeF(-1, -1);
    LMAreaAssociationId myAssociationId;
    bool myLayoutContent = false;
    int myZPosition = 1;
    LMUnconfiguredTemplate mySourceTemplate;
    QString myContentReference;
    int myOriginId = -1;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(LMTemplateAreaDefinition::CreateOptions)

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateAreaDefinition& theArea);
