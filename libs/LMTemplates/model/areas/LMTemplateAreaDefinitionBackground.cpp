#include "LMTemplateAreaDefinitionBackground.h"

#include "LMModelXml.h"
#include "LMTemplateLookup.h"
#include "LMTemplatesLogging.h"
#include "LMXMLElement.h"

#include <QDomDocument>

namespace {
const QString STR_TEMPLATEREF = QStringLiteral("templateref");
const QString STR_TYPE = QStringLiteral("type");
const QString STR_ALIGNMENT = QStringLiteral("alignment");
const QString STR_ROTATION = QStringLiteral("rotation");
} // namespace

LMTemplateAreaDefinitionBackground::LMTemplateAreaDefinitionBackground(
    const LMTemplateAreaDefinitionBackground& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinition(theOther, theMirrorRule), myTemplates(theOther.myTemplates),
      myAlignment(theOther.myAlignment.mirrored(theMirrorRule)), myRotation(theOther.myRotation)
{
    if (theMirrorRule.flipsX() != theMirrorRule.flipsY())
        myRotation = LMAngle(-myRotation.degrees()).normalized();
}

LMTemplateAreaDefinitionBackground::LMTemplateAreaDefinitionBackground(const LMXMLElement& theElement,
                                                                       const QSizeF& thePageSize)
    : LMTemplateAreaDefinition(theElement, thePageSize, defaultAbilities(), LMAreaCreationRuleEnum::Default)
{
    const LMTemplateLookup* aLookup = LMTemplateLookup::installed();
    for (LMXMLElement aRef = theElement.firstChildElement(STR_TEMPLATEREF); !aRef.isNull();
         aRef = aRef.nextSiblingElement(STR_TEMPLATEREF)) {
        const QString aName = aRef.text().trimmed();
        const LMConfiguredTemplate aTemplate(aLookup ? aLookup->findTemplateByName(aName) : LMUnconfiguredTemplate());
        if (!aTemplate.isValid()) {
            qCWarning(lcModel) << "background template not found:" << aName;
            continue;
        }
        myTemplates.insert(LMTemplateLayerType(aRef.attribute(STR_TYPE)), aTemplate);
    }
    // Old files put the alignment on the first child; the area's own attribute is the fallback.
    const LMXMLElement aFirstChild = theElement.firstChildElement();
    const LMXMLElement anAlignmentSource
        = !aFirstChild.isNull() && aFirstChild.hasAttribute(STR_ALIGNMENT) ? aFirstChild : theElement;
    myAlignment = LMAreaBackgroundAlignment(anAlignmentSource.attribute(STR_ALIGNMENT));
    myRotation = LMAngle(LMModelXml::intAttribute(theElement, STR_ROTATION, 0)).normalized();
}

void LMTemplateAreaDefinitionBackground::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinition::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    QDomDocument aDocument = theParent.ownerDocument();
    for (auto anIt = myTemplates.cbegin(); anIt != myTemplates.cend(); ++anIt) {
        QDomElement aRef = aDocument.createElement(STR_TEMPLATEREF);
        aRef.setAttribute(STR_TYPE, anIt.key().encode().isEmpty() ? anIt.key().encodeCSV() : anIt.key().encode());
        aRef.appendChild(aDocument.createTextNode(anIt.value().uniqueName()));
        anElement.appendChild(aRef);
    }
    anElement.setAttribute(STR_ALIGNMENT, myAlignment.encode());
    anElement.setAttribute(STR_ROTATION, myRotation.degrees());
}

std::unique_ptr<LMTemplateAreaDefinition>
LMTemplateAreaDefinitionBackground::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionBackground>(*this, theMirrorRule);
}

LMTemplateList LMTemplateAreaDefinitionBackground::templates() const
{
    return myTemplates.templateList();
}

void LMTemplateAreaDefinitionBackground::setTemplate(const LMTemplateLayerType& theLayer,
                                                     const LMConfiguredTemplate& theTemplate)
{
    if (theTemplate.isValid())
        myTemplates.insert(theLayer, theTemplate);
    else
        myTemplates.remove(theLayer);
}
