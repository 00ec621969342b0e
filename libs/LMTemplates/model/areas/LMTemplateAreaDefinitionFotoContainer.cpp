#include "LMTemplateAreaDefinitionFotoContainer.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_IMAGE = QStringLiteral("image");
const QString STR_EDITOR = QStringLiteral("editor");
const QString STR_OPTI_FILL_CONTENT = QStringLiteral("optiFillContent");
} // namespace

LMTemplateAreaDefinitionFotoContainer::LMTemplateAreaDefinitionFotoContainer(
    const LMTemplateAreaDefinitionFotoContainer& theOther, const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinitionCroppable(theOther, theMirrorRule), myFoto(theOther.myFoto),
      myFotoInArea(theOther.myFotoInArea), myFotoStatus(theOther.myFotoStatus), myUseABK(theOther.myUseABK),
      myOptiFillContent(theOther.myOptiFillContent)
{
}

LMTemplateAreaDefinitionFotoContainer::LMTemplateAreaDefinitionFotoContainer(
    const LMXMLElement& theElement, const QSizeF& thePageSize, const QString& theBasePath,
    const LMAreaAbility& theDefaultAbilities, const LMAreaCreationRule& theDefaultCreationRule)
    : LMTemplateAreaDefinitionCroppable(theElement, thePageSize, theDefaultAbilities, theDefaultCreationRule),
      myOptiFillContent(LMModelXml::boolAttribute(theElement, STR_OPTI_FILL_CONTENT, false))
{
    const LMXMLElement anImage = theElement.firstChildElement(STR_IMAGE);
    if (!anImage.isNull())
        setFotoInAreaDescription(LMFotoInAreaDescription::fromXml(anImage, theBasePath));
    if (theElement.hasAttribute(STR_EDITOR))
        setFotoStatus(LMTemplateAreaDefinitionFotoStatus(theElement.attribute(STR_EDITOR)));
}

void LMTemplateAreaDefinitionFotoContainer::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinitionCroppable::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    if (myFotoInArea.foto().isValid()) {
        QDomElement anImage = LMModelXml::ensureChild(anElement, STR_IMAGE);
        myFotoInArea.buildXML(anImage);
    }
    if (myFotoStatus.isValid())
        anElement.setAttribute(STR_EDITOR, myFotoStatus.encodeCSV());
    if (myOptiFillContent)
        anElement.setAttribute(STR_OPTI_FILL_CONTENT, LMModelXml::boolText(true));
}

void LMTemplateAreaDefinitionFotoContainer::setFoto(const LMFoto& theFoto)
{
    myFoto = theFoto;
    myFotoInArea.setFoto(theFoto);
}

void LMTemplateAreaDefinitionFotoContainer::setFotoInAreaDescription(const LMFotoInAreaDescription& theDescription)
{
    myFotoInArea = theDescription;
    myFoto = theDescription.foto();
    myUseABK = theDescription.useABK();
}

void LMTemplateAreaDefinitionFotoContainer::setFotoStatus(const LMTemplateAreaDefinitionFotoStatus& theStatus)
{
    myFotoStatus = theStatus;
    if (theStatus.intersects(LMTemplateAreaDefinitionFotoStatusEnum::Fix))
        setAbilities(LMAreaAbilityEnum::FotoFix);
}

void LMTemplateAreaDefinitionFotoContainer::setUseABK(bool theUseABK)
{
    myUseABK = theUseABK;
    myFotoInArea.setUseABK(theUseABK);
}
