#include "LMTemplateAreaDefinition.h"

#include "LMXMLElement.h"

#include <QDebug>
#include <QDomDocument>

#include <algorithm>
#include <cmath>

namespace {
const QString STR_ALIGN = QStringLiteral("align");

// The size of the page an area is neutral to: areas made for it never scale.
constexpr double NEUTRAL_PAGE_SIDE = 100000.0;

bool fuzzyIs(double theValue, double theTarget)
{
    return qFuzzyCompare(theValue, theTarget);
}
} // namespace

LMTemplateAreaDefinition::LMTemplateAreaDefinition(const LMRotatedRect& theRect, const LMAreaAbility& theAbilities,
                                                   const LMAreaDecoration& theDecoration,
                                                   const LMAreaPositioningConstraint& theConstraint,
                                                   const LMImageFXs& theImageFXs, const QSizeF& thePageSize,
                                                   const LMAreaCreationRule& theCreationRule,
                                                   const LMAreaAssociationId& theAssociationId)
    : myPositioningConstraint(theConstraint),
      myDescription(theRect, theAbilities, theDecoration, theImageFXs, theCreationRule),
      myAssociationId(theAssociationId)
{
    if (myDescription.normalize(thePageSize))
        myOriginallyScaledForSize = thePageSize;
}

LMTemplateAreaDefinition::LMTemplateAreaDefinition(const LMAreaDescription& theDescription,
                                                   const LMAreaPositioningConstraint& theConstraint,
                                                   const LMAreaAssociationId& theAssociationId)
    : myPositioningConstraint(theConstraint), myDescription(theDescription), myAssociationId(theAssociationId)
{
}

LMTemplateAreaDefinition::LMTemplateAreaDefinition(const LMTemplateAreaDefinition& theOther,
                                                   const LMMirrorRule& theMirrorRule)
    : myPositioningConstraint(theOther.myPositioningConstraint),
      myDescription(theOther.myDescription.mirrored(theMirrorRule, theOther.mirrorReferenceSize())),
      myOriginallyScaledForSize(theOther.myOriginallyScaledForSize), myAssociationId(theOther.myAssociationId),
      myLayoutContent(theOther.myLayoutContent), myZPosition(theOther.myZPosition),
      mySourceTemplate(theOther.mySourceTemplate), myContentReference(theOther.myContentReference),
      myOriginId(theOther.myOriginId)
{
}

LMTemplateAreaDefinition::LMTemplateAreaDefinition(const LMXMLElement& theElement, const QSizeF& thePageSize,
                                                   const LMAreaAbility& theDefaultAbilities,
                                                   const LMAreaCreationRule& theDefaultCreationRule)
    : myDescription(LMAreaDescription::fromXml(theElement, theDefaultAbilities, theDefaultCreationRule))
{
    if (myDescription.normalize(thePageSize))
        myOriginallyScaledForSize = thePageSize;
}

LMTemplateAreaDefinition::~LMTemplateAreaDefinition() = default;

void LMTemplateAreaDefinition::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    QDomElement anElement = theParent.ownerDocument().createElement(areaType().tagName());
    const LMAreaDescription aDescription
        = myDescription.isNormalized() ? myDescription.denormalized(thePageSize) : myDescription;
    aDescription.buildXML(anElement);
    anElement.setAttribute(STR_ALIGN, myPositioningConstraint.toText());
    myAssociationId.buildXML(anElement);
    theParent.appendChild(anElement);
}

bool LMTemplateAreaDefinition::isValid() const
{
    return areaType() != LMAreaTypeEnum::Undefined;
}

LMImageFXs LMTemplateAreaDefinition::imageFXs() const
{
    return myDescription.imageFXs();
}

void LMTemplateAreaDefinition::setImageFXs(const LMImageFXs& theImageFXs)
{
    myDescription.setImageFXs(theImageFXs);
}

LMAreaAssociationIdList LMTemplateAreaDefinition::associations() const
{
    return LMAreaAssociationIdList();
}

LMTemplateList LMTemplateAreaDefinition::templates() const
{
    return LMTemplateList();
}

LMFoto LMTemplateAreaDefinition::foto() const
{
    return LMFoto();
}

void LMTemplateAreaDefinition::setPositioningConstraint(const LMAreaPositioningConstraint& theConstraint)
{
    myPositioningConstraint = theConstraint;
}

bool LMTemplateAreaDefinition::hasOriginalScale() const
{
    return myOriginallyScaledForSize.width() > 0 && myOriginallyScaledForSize.height() > 0;
}

void LMTemplateAreaDefinition::setReference(const LMUnconfiguredTemplate& theTemplate,
                                            const QString& theContentReference)
{
    mySourceTemplate = theTemplate;
    myContentReference = theContentReference;
}

double LMTemplateAreaDefinition::scaleFactor(const QSizeF& theSize) const
{
    if (!hasOriginalScale())
        return 1.0;
    if (fuzzyIs(myOriginallyScaledForSize.width(), NEUTRAL_PAGE_SIDE)
        && fuzzyIs(myOriginallyScaledForSize.height(), NEUTRAL_PAGE_SIDE))
        return 1.0;
    return std::min(theSize.width() / myOriginallyScaledForSize.width(),
                    theSize.height() / myOriginallyScaledForSize.height());
}

QRectF LMTemplateAreaDefinition::scaledRect(const QSizeF& theSize, const QPointF& theOffset) const
{
    return myDescription.scaledRect(theSize).translated(theOffset);
}

QRectF LMTemplateAreaDefinition::scaledRect(const LMPageSizeSpec& theSpec, CreateOptions theOptions) const
{
    QSizeF aSize;
    if (theOptions.testFlag(OnOriginallyScaledForSize))
        aSize = QSizeF(std::round(myOriginallyScaledForSize.width()), std::round(myOriginallyScaledForSize.height()));
    else
        aSize = theSpec.hasSlipcaseCover() ? theSpec.usableSlipcaseCoverSize() : theSpec.usableSize();
    const QPointF anOffset = theOptions.testFlag(WithPrintAreaOffset) ? theSpec.usablePrintAreaOffset() : QPointF();
    return scaledRect(aSize, anOffset);
}

LMRotatedRect LMTemplateAreaDefinition::createRotatedRect(const LMPageSizeSpec& theSpec, CreateOptions theOptions) const
{
    return LMRotatedRect(scaledRect(theSpec, theOptions), rotation());
}

QSizeF LMTemplateAreaDefinition::areaSizeOnOriginallyScaledForSize() const
{
    return scaledRect(myOriginallyScaledForSize).size();
}

QPolygonF LMTemplateAreaDefinition::polygon(const QSizeF& theSize) const
{
    return LMRotatedRect(scaledRect(theSize), rotation()).polygon();
}

QRectF LMTemplateAreaDefinition::normalizedRect() const
{
    if (myDescription.isNormalized() || !hasOriginalScale())
        return rect();
    return myDescription.rotatedRect()
        .scaled(1.0 / myOriginallyScaledForSize.width(), 1.0 / myOriginallyScaledForSize.height())
        .rect();
}

LMOrientation LMTemplateAreaDefinition::orientation(double thePageAspect) const
{
    const QRectF aRect = normalizedRect();
    if (std::abs(aRect.height()) <= 1e-12)
        return LMOrientationEnum::Square;
    const double aRatio = aRect.width() / aRect.height() * thePageAspect;
    if (fuzzyIs(aRatio, 1.0))
        return LMOrientationEnum::Square;
    return aRatio > 1.0 ? LMOrientationEnum::Landscape : LMOrientationEnum::Portrait;
}

double LMTemplateAreaDefinition::calculateSpaciousness() const
{
    const QRectF aRect = normalizedRect();
    return aRect.width() * aRect.height();
}

QPointF LMTemplateAreaDefinition::calculateWeightPoint() const
{
    const QRectF aRect = normalizedRect();
    const double aSpaciousness = aRect.width() * aRect.height();
    return QPointF((aRect.x() + aRect.width() / 2 - 0.5) * aSpaciousness,
                   (aRect.y() + aRect.height() / 2 - 0.5) * aSpaciousness);
}

double LMTemplateAreaDefinition::widthHeightRatio() const
{
    const QRectF aRect = normalizedRect();
    return aRect.width() / aRect.height();
}

bool LMTemplateAreaDefinition::pageAlignmentIsOkay(const LMPageAlignment& theAlignment) const
{
    const qint32 aConstraint = myPositioningConstraint.value();
    if (aConstraint == qint32(LMAreaPositioningConstraintEnum::Anywhere))
        return true;
    switch (theAlignment.value()) {
    case qint32(LMPageAlignmentEnum::Left):
    case qint32(LMPageAlignmentEnum::Right):
    case qint32(LMPageAlignmentEnum::Single):
        return (aConstraint & theAlignment.value()) != 0;
    case qint32(LMPageAlignmentEnum::Double):
        return aConstraint != 0;
    default:
        // None, left-and-right and anything else name no single page to stand on.
        return false;
    }
}

LMAreaDecoration LMTemplateAreaDefinition::scaledDecoration(double theFactor) const
{
    return decoration().scaled(theFactor);
}

LMAreaDecoration LMTemplateAreaDefinition::scaledDecoration(const QSizeF& theSize) const
{
    return scaledDecoration(scaleFactor(theSize));
}

void LMTemplateAreaDefinition::fixLegacyTemplates(const QSize& theTotalSize, bool theFixRotation)
{
    myDescription.fixLegacyTemplates(theTotalSize, theFixRotation);
}

bool LMTemplateAreaDefinition::operator==(const LMTemplateAreaDefinition& theOther) const
{
    return areaType() == theOther.areaType() && myDescription == theOther.myDescription
        && myPositioningConstraint == theOther.myPositioningConstraint && myLayoutContent == theOther.myLayoutContent;
}

QDomElement LMTemplateAreaDefinition::lastAreaElement(const QDomElement& theParent)
{
    return theParent.lastChildElement();
}

QSizeF LMTemplateAreaDefinition::mirrorReferenceSize() const
{
    return hasOriginalScale() ? myOriginallyScaledForSize : QSizeF(-1, -1);
}

QDebug operator<<(QDebug theDebug, const LMTemplateAreaDefinition& theArea)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateAreaDefinition(" << theArea.areaType().tagName() << ", "
                       << theArea.areaDescription() << ", constraint " << theArea.positioningConstraint().value()
                       << ", z " << theArea.zPosition() << ')';
    return theDebug;
}
