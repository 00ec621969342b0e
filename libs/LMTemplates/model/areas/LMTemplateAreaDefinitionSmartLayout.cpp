#include "LMTemplateAreaDefinitionSmartLayout.h"

#include "LMModelXml.h"
#include "LMTemplateAreaDefinitionFactory.h"
#include "LMXMLElement.h"

#include <QDomDocument>

namespace {
const QString STR_ACTIVE = QStringLiteral("active");
const QString STR_LAYOUT_AREA = QStringLiteral("layoutArea");
const QString STR_CHILDREN = QStringLiteral("children");
const QString STR_PADDING = QStringLiteral("padding");
const QString STR_X = QStringLiteral("x");
const QString STR_Y = QStringLiteral("y");
const QString STR_WIDTH = QStringLiteral("width");
const QString STR_HEIGHT = QStringLiteral("height");
const QString STR_LEFT = QStringLiteral("left");
const QString STR_TOP = QStringLiteral("top");
const QString STR_RIGHT = QStringLiteral("right");
const QString STR_BOTTOM = QStringLiteral("bottom");

QMarginsF readMargins(const LMXMLElement& theElement)
{
    if (theElement.isNull())
        return QMarginsF();
    return QMarginsF(LMModelXml::doubleAttribute(theElement, STR_LEFT, 0.0),
                     LMModelXml::doubleAttribute(theElement, STR_TOP, 0.0),
                     LMModelXml::doubleAttribute(theElement, STR_RIGHT, 0.0),
                     LMModelXml::doubleAttribute(theElement, STR_BOTTOM, 0.0));
}
} // namespace

LMTemplateAreaDefinitionSmartLayout::LMTemplateAreaDefinitionSmartLayout(
    const LMTemplateAreaDefinitionSmartLayout& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionFotoAbstract(theOther, theMirrorRule), myActive(theOther.myActive),
      myChildren(theOther.myChildren, theMirrorRule), myCategorization(theOther.myCategorization),
      myRelatedTemplates(theOther.myRelatedTemplates), myConfiguration(theOther.myConfiguration)
{
}

LMTemplateAreaDefinitionSmartLayout::LMTemplateAreaDefinitionSmartLayout(const LMXMLElement& theElement,
                                                                         const QSizeF& thePageSize,
                                                                         const QString& theBasePath)
    : LMTemplateAreaDefinitionFotoAbstract(theElement, thePageSize, theBasePath, defaultAbilities(),
                                           LMAreaCreationRuleEnum::Default),
      myActive(LMModelXml::boolAttribute(theElement, STR_ACTIVE, false))
{
    readXml(theElement, thePageSize);
    // The areas it arranges, as written by buildXML.
    const LMXMLElement aChildren = theElement.firstChildElement(STR_CHILDREN);
    for (LMXMLElement aChild = aChildren.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement()) {
        if (std::unique_ptr<LMTemplateAreaDefinition> anArea
            = LMTemplateAreaDefinitionFactory::create(aChild, thePageSize, theBasePath))
            myChildren.append(std::move(anArea));
    }
}

bool LMTemplateAreaDefinitionSmartLayout::readXml(const LMXMLElement& theElement, const QSizeF& thePageSize)
{
    bool aFound = false;
    for (LMXMLElement aLayoutArea = theElement.firstChildElement(STR_LAYOUT_AREA); !aLayoutArea.isNull();
         aLayoutArea = aLayoutArea.nextSiblingElement(STR_LAYOUT_AREA)) {
        LMSmartLayoutConfiguration aConfiguration = LMSmartLayoutConfiguration::fromXml(aLayoutArea);
        QRectF aRect(LMModelXml::doubleAttribute(aLayoutArea, STR_X, 0.0),
                     LMModelXml::doubleAttribute(aLayoutArea, STR_Y, 0.0),
                     LMModelXml::doubleAttribute(aLayoutArea, STR_WIDTH, 0.0),
                     LMModelXml::doubleAttribute(aLayoutArea, STR_HEIGHT, 0.0));
        // The elegant mode keeps its paddings for itself instead of shrinking the area.
        if (!aConfiguration.isElegant())
            aRect = aRect.marginsRemoved(readMargins(aLayoutArea.firstChildElement(STR_PADDING)));
        // The rectangle is the layout area's; the turn stays the area's own.
        LMAreaDescription aDescription = areaDescription();
        aDescription.setRotatedRect(LMRotatedRect(aRect, aDescription.rotation()));
        if (aDescription.normalize(thePageSize))
            aConfiguration = aConfiguration.normalized(thePageSize);
        setAreaDescription(aDescription);
        myConfiguration = aConfiguration;
        aFound = true;
    }
    return aFound;
}

void LMTemplateAreaDefinitionSmartLayout::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinitionFotoAbstract::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    anElement.setAttribute(STR_ACTIVE, LMModelXml::boolText(myActive));
    QDomElement aLayoutArea = theParent.ownerDocument().createElement(STR_LAYOUT_AREA);
    const bool aNormalized = isNormalized();
    const QRectF aRect = aNormalized ? scaledRect(thePageSize) : rect();
    aLayoutArea.setAttribute(STR_X, LMModelXml::doubleText(aRect.x()));
    aLayoutArea.setAttribute(STR_Y, LMModelXml::doubleText(aRect.y()));
    aLayoutArea.setAttribute(STR_WIDTH, LMModelXml::doubleText(aRect.width()));
    aLayoutArea.setAttribute(STR_HEIGHT, LMModelXml::doubleText(aRect.height()));
    // Everything is written in page units: a relative spacing of an area in document units too.
    LMSmartLayoutConfiguration aWritten = aNormalized ? myConfiguration.denormalized(thePageSize) : myConfiguration;
    if (aWritten.spacing().isRelative() && thePageSize.width() > 0)
        aWritten.setSpacing(LMDistance(aWritten.spacing().value() * thePageSize.width()));
    aWritten.buildXML(aLayoutArea);
    anElement.appendChild(aLayoutArea);
    if (myChildren.isEmpty())
        return;
    QDomElement aChildren = theParent.ownerDocument().createElement(STR_CHILDREN);
    for (const LMTemplateAreaDefinition* aChild : myChildren)
        aChild->buildXML(aChildren, thePageSize);
    anElement.appendChild(aChildren);
}

std::unique_ptr<LMTemplateAreaDefinition>
LMTemplateAreaDefinitionSmartLayout::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionSmartLayout>(*this, theMirrorRule);
}
