#include "LMTemplateAreaDefinitionFactory.h"

#include "LMTemplateAreaDefinitionBackground.h"
#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionFotoBackground.h"
#include "LMTemplateAreaDefinitionOsm.h"
#include "LMTemplateAreaDefinitionQRCode.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_ALIGN = QStringLiteral("align");

// Children of a layout element that are not areas.
const QStringList& silentTags()
{
    static const QStringList ourTags
        = { QStringLiteral("total"),   QStringLiteral("description"), QStringLiteral("priceclass"),
            QStringLiteral("pdfname"), QStringLiteral("filename"),    QStringLiteral("#comment"),
            QStringLiteral("fotozone") };
    return ourTags;
}

std::unique_ptr<LMTemplateAreaDefinition> createByType(const LMAreaType& theType, const LMXMLElement& theElement,
                                                       const QSizeF& theSize, const QString& theBasePath)
{
    switch (LMAreaTypeEnum(theType.value())) {
    case LMAreaTypeEnum::Foto:
        return std::make_unique<LMTemplateAreaDefinitionFoto>(theElement, theSize, theBasePath);
    case LMAreaTypeEnum::FotoBackground:
        return std::make_unique<LMTemplateAreaDefinitionFotoBackground>(theElement, theSize, theBasePath);
    case LMAreaTypeEnum::Text:
        return std::make_unique<LMTemplateAreaDefinitionText>(theElement, theSize);
    case LMAreaTypeEnum::Calendarium:
        return std::make_unique<LMTemplateAreaDefinitionCalendarium>(theElement, theSize, true);
    case LMAreaTypeEnum::Clipart:
        return std::make_unique<LMTemplateAreaDefinitionClipart>(theElement, theSize);
    case LMAreaTypeEnum::SVG:
        return std::make_unique<LMTemplateAreaDefinitionSVG>(theElement, theSize);
    case LMAreaTypeEnum::Background:
        return std::make_unique<LMTemplateAreaDefinitionBackground>(theElement, theSize);
    case LMAreaTypeEnum::QRCode:
        return std::make_unique<LMTemplateAreaDefinitionQRCode>(theElement, theSize, theBasePath);
    case LMAreaTypeEnum::Osm:
        return std::make_unique<LMTemplateAreaDefinitionOsm>(theElement, theSize);
    case LMAreaTypeEnum::SmartLayout:
        return std::make_unique<LMTemplateAreaDefinitionSmartLayout>(theElement, theSize, theBasePath);
    default:
        return nullptr;
    }
}
} // namespace

std::unique_ptr<LMTemplateAreaDefinition> LMTemplateAreaDefinitionFactory::create(const LMXMLElement& theElement,
                                                                                  const QSizeF& thePageSize,
                                                                                  const QString& theBasePath)
{
    const QString aTag = theElement.tagName().toString();
    if (silentTags().contains(aTag))
        return nullptr;
    std::unique_ptr<LMTemplateAreaDefinition> anArea
        = createByType(LMAreaType::fromTagName(aTag), theElement, thePageSize, theBasePath);
    if (!anArea) {
        qWarning("%s", qPrintable(QStringLiteral("Unbekannter Knotentyp: ") + aTag));
        return nullptr;
    }
    anArea->setPositioningConstraint(LMAreaPositioningConstraint(theElement.attribute(STR_ALIGN)));
    anArea->setAssociationId(LMAreaAssociationId::fromXml(theElement));
    return anArea;
}
