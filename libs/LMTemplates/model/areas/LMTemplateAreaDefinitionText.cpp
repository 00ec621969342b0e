#include "LMTemplateAreaDefinitionText.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_DEFAULT_TEXT = QStringLiteral("defaulttext");
const QString STR_AUTO_TEXT_PATTERN = QStringLiteral("autoTextPattern");
const QString STR_AUTO_TEXT_TRANSFORM = QStringLiteral("autoTextTransform");
const QString STR_KIV34_FONT_SIZE = QStringLiteral("kiv34fontsize");
const QString STR_BACKGROUND_COLOR = QStringLiteral("backgroundcolor");
const QString STR_TYPE = QStringLiteral("type");
const QString STR_EDITOR = QStringLiteral("editor");
const QString STR_GROWTH = QStringLiteral("growth");
const QString STR_CSS_CLASS = QStringLiteral("cssClass");
const QString STR_SHARE_NAME = QStringLiteral("shareName");
const QString STR_CHARACTER_RANGE = QStringLiteral("characterRange");

constexpr qint32 EDITOR_BIT = qint32(LMAreaTextTypeEnum::Editor);

// "min,max"; the default (unset) range for anything else.
LMIntRange readRange(const LMXMLElement& theElement, const QString& theName)
{
    if (!theElement.hasAttribute(theName))
        return LMIntRange();
    const QStringList aParts = theElement.attribute(theName).split(QLatin1Char(','));
    bool aMinOk = false;
    bool aMaxOk = false;
    const int aMin = aParts.size() == 2 ? aParts.at(0).trimmed().toInt(&aMinOk) : 0;
    const int aMax = aParts.size() == 2 ? aParts.at(1).trimmed().toInt(&aMaxOk) : 0;
    if (aMinOk && aMaxOk)
        return LMIntRange(aMin, aMax);
    LMModelXml::warnMalformed(theElement, theName, QStringLiteral("a range \"min,max\""));
    return LMIntRange();
}
} // namespace

LMTemplateAreaDefinitionText::LMTemplateAreaDefinitionText(const LMTemplateAreaDefinitionText& theOther,
                                                           const LMMirrorRule& theMirrorRule)
    : LMTemplateAreaDefinition(theOther, theMirrorRule), myBackgroundColor(theOther.myBackgroundColor),
      myOutline(theOther.myOutline), myDefaultText(theOther.myDefaultText),
      myTextFormatChange(theOther.myTextFormatChange), myTextType(theOther.myTextType),
      myGrowthStrategy(theOther.myGrowthStrategy), myAutoTextPattern(theOther.myAutoTextPattern),
      myAutoTextTransform(theOther.myAutoTextTransform), myCssClassName(theOther.myCssClassName),
      myShareName(theOther.myShareName), myCharacterRange(theOther.myCharacterRange)
{
}

LMTemplateAreaDefinitionText::LMTemplateAreaDefinitionText(const LMXMLElement& theElement, const QSizeF& thePageSize)
    : LMTemplateAreaDefinition(theElement, thePageSize, LMAreaAbilityEnum::FotoDefault,
                               LMAreaCreationRuleEnum::Default),
      myBackgroundColor(LMModelXml::colorAttribute(theElement, STR_BACKGROUND_COLOR)),
      myOutline(LMOutlineConfig::fromXml(theElement)), myDefaultText(theElement.attribute(STR_DEFAULT_TEXT)),
      myTextFormatChange(LMTextFormatChange::fromXml(theElement)), myGrowthStrategy(theElement.attribute(STR_GROWTH)),
      myAutoTextPattern(theElement.attribute(STR_AUTO_TEXT_PATTERN)),
      myAutoTextTransform(theElement.attribute(STR_AUTO_TEXT_TRANSFORM)),
      myCssClassName(theElement.attribute(STR_CSS_CLASS)), myShareName(theElement.attribute(STR_SHARE_NAME)),
      myCharacterRange(readRange(theElement, STR_CHARACTER_RANGE))
{
    const double aFontSize = LMModelXml::doubleAttribute(theElement, STR_KIV34_FONT_SIZE, DEFAULT_FONT_SIZE);
    myTextFormatChange.scaleFontSize(aFontSize / REFERENCE_FONT_SIZE);
    myTextType = LMAreaTextType::fromText(theElement.attribute(STR_TYPE));
    if (!myTextType.isValid())
        myTextType = LMAreaTextTypeEnum::Text;
    if (LMModelXml::intAttribute(theElement, STR_EDITOR, 0) == EDITOR_BIT)
        myTextType.expandTo(LMAreaTextTypeEnum::Editor);
}

void LMTemplateAreaDefinitionText::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    LMTemplateAreaDefinition::buildXML(theParent, thePageSize);
    QDomElement anElement = lastAreaElement(theParent);
    if (!myDefaultText.isEmpty())
        anElement.setAttribute(STR_DEFAULT_TEXT, myDefaultText);
    if (!myAutoTextPattern.isEmpty())
        anElement.setAttribute(STR_AUTO_TEXT_PATTERN, myAutoTextPattern);
    if (myAutoTextTransform.isValid())
        anElement.setAttribute(STR_AUTO_TEXT_TRANSFORM, myAutoTextTransform.encode());
    // The format is written at the reference size, so that reading it back scales by 1.
    anElement.setAttribute(STR_KIV34_FONT_SIZE, LMModelXml::doubleText(REFERENCE_FONT_SIZE));
    if (myBackgroundColor.isValid())
        anElement.setAttribute(STR_BACKGROUND_COLOR, LMModelXml::colorText(myBackgroundColor));
    anElement.setAttribute(STR_TYPE, myTextType.value() & ~EDITOR_BIT);
    if (myTextType.value() & EDITOR_BIT)
        anElement.setAttribute(STR_EDITOR, EDITOR_BIT);
    if (myGrowthStrategy.isValid())
        anElement.setAttribute(
            STR_GROWTH, myGrowthStrategy.encode().isEmpty() ? myGrowthStrategy.encodeCSV() : myGrowthStrategy.encode());
    if (!myCssClassName.isEmpty())
        anElement.setAttribute(STR_CSS_CLASS, myCssClassName);
    if (!myShareName.isEmpty())
        anElement.setAttribute(STR_SHARE_NAME, myShareName);
    if (myCharacterRange != LMIntRange())
        anElement.setAttribute(STR_CHARACTER_RANGE,
                               QStringLiteral("%1,%2").arg(myCharacterRange.min()).arg(myCharacterRange.max()));
    myOutline.buildXML(anElement);
    myTextFormatChange.buildXML(anElement);
}

std::unique_ptr<LMTemplateAreaDefinition> LMTemplateAreaDefinitionText::clone(const LMMirrorRule& theMirrorRule) const
{
    return std::make_unique<LMTemplateAreaDefinitionText>(*this, theMirrorRule);
}
