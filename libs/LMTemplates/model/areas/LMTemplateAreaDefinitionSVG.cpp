#include "LMTemplateAreaDefinitionSVG.h"

#include "LMSVGImage.h"
#include "LMSVGImageCalendar.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_CSS_SHEET = QStringLiteral("cssSheet");
const QString STR_CUSTOM_CSS_SHEET = QStringLiteral("customCssSheet");
const QString STR_SVG_IMAGE_TYPE = QStringLiteral("svgImageType");
} // namespace

LMTemplateAreaDefinitionSVG::LMTemplateAreaDefinitionSVG(const LMTemplateAreaDefinitionSVG& theOther,
                                                         const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinition(theOther, theMirrorRule),
      myImage(theOther.myImage ? theOther.myImage->clone() : nullptr), myDefaultCssSheet(theOther.myDefaultCssSheet),
      myCustomCssSheet(theOther.myCustomCssSheet)
{
}

LMTemplateAreaDefinitionSVG::LMTemplateAreaDefinitionSVG(const LMXMLElement& theElement, const QSizeF& thePageSize)
    : LMTemplateAreaDefinition(theElement, thePageSize, LMAreaAbilityEnum::FotoDefault,
                               LMAreaCreationRuleEnum::Default),
      myDefaultCssSheet(theElement.attribute(STR_CSS_SHEET)),
      myCustomCssSheet(theElement.attribute(STR_CUSTOM_CSS_SHEET))
{
    const QString aType = theElement.attribute(STR_SVG_IMAGE_TYPE);
    if (aType.trimmed() == QLatin1String("1"))
        myImage = LMSVGImage::fromXml(theElement);
    else if (aType.trimmed() == QLatin1String("2"))
        myImage = LMSVGImageCalendar::fromXml(theElement);
    else if (theElement.hasAttribute(STR_SVG_IMAGE_TYPE))
        qWarning("%s", qPrintable(QStringLiteral("unknown svgImageType ") + aType));
    // Without the attribute the area has no artwork, as buildXML writes such an area.
}

LMTemplateAreaDefinitionSVG::~LMTemplateAreaDefinitionSVG() = default;

void LMTemplateAreaDefinitionSVG::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinition::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    if (!myDefaultCssSheet.isEmpty())
        anElement.setAttribute(STR_CSS_SHEET, myDefaultCssSheet);
    if (!myCustomCssSheet.isEmpty())
        anElement.setAttribute(STR_CUSTOM_CSS_SHEET, myCustomCssSheet);
    if (myImage) {
        anElement.setAttribute(STR_SVG_IMAGE_TYPE, qint32(myImage->type()));
        myImage->buildXML(anElement);
    }
}

std::unique_ptr<LMTemplateAreaDefinition> LMTemplateAreaDefinitionSVG::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionSVG>(*this, theMirrorRule);
}

bool LMTemplateAreaDefinitionSVG::isValid() const
{
    return LMTemplateAreaDefinition::isValid() && myImage && myImage->isValid();
}
