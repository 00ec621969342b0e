#pragma once

#include "LMAreaTextType.h"
#include "LMIntRange.h"
#include "LMOutlineConfig.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplatesExport.h"
#include "LMTextFormatChange.h"
#include "LMTextGrowthStrategy.h"
#include "LMTextTransform.h"

#include <QColor>

class LMXMLElement;

// A text area: its role, default text and format, how it grows, and the automatic text it may
// show (a pattern filled in by the editor, such as a map caption).
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionText : public LMTemplateAreaDefinition
{
public:
    // The "kiv34fontsize" the font sizes of a text format refer to: files giving another value
    // scale them by the ratio; files without one give 2.65.
    static constexpr double REFERENCE_FONT_SIZE = 2.36;
    static constexpr double DEFAULT_FONT_SIZE = 2.65;

    using LMTemplateAreaDefinition::LMTemplateAreaDefinition;
    LMTemplateAreaDefinitionText(const LMTemplateAreaDefinitionText& theOther, const LMMirrorRule& theMirrorRule);
    // Reads the child "textformat" (font sizes scaled by "kiv34fontsize" / 2.36), the child
    // "outline", "defaulttext", "autoTextPattern", "autoTextTransform", "backgroundcolor",
    // "type" (0 meaning 64), "editor" (256 adds the editor bit), "growth", "cssClass",
    // "shareName" and "characterRange".
    LMTemplateAreaDefinitionText(const LMXMLElement& theElement, const QSizeF& thePageSize);

    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const override;
    std::unique_ptr<LMTemplateAreaDefinition> clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const override;
    LMAreaType areaType() const override { return LMAreaTypeEnum::Text; }

    const QColor& backgroundColor() const { return myBackgroundColor; }
    void setBackgroundColor(const QColor& theColor) { myBackgroundColor = theColor; }
    const LMOutlineConfig& outline() const { return myOutline; }
    void setOutline(const LMOutlineConfig& theOutline) { myOutline = theOutline; }
    const QString& defaultText() const { return myDefaultText; }
    void setDefaultText(const QString& theText) { myDefaultText = theText; }
    const LMTextFormatChange& textFormatChange() const { return myTextFormatChange; }
    void setTextFormatChange(const LMTextFormatChange& theChange) { myTextFormatChange = theChange; }
    const LMAreaTextType& textType() const { return myTextType; }
    void setTextType(const LMAreaTextType& theType) { myTextType = theType; }
    const LMTextGrowthStrategy& growthStrategy() const { return myGrowthStrategy; }
    void setGrowthStrategy(const LMTextGrowthStrategy& theStrategy) { myGrowthStrategy = theStrategy; }
    const QString& autoTextPattern() const { return myAutoTextPattern; }
    void setAutoTextPattern(const QString& thePattern) { myAutoTextPattern = thePattern; }
    const LMTextTransform& autoTextTransform() const { return myAutoTextTransform; }
    void setAutoTextTransform(const LMTextTransform& theTransform) { myAutoTextTransform = theTransform; }
    const QString& cssClassName() const { return myCssClassName; }
    void setCssClassName(const QString& theName) { myCssClassName = theName; }
    const QString& shareName() const { return myShareName; }
    void setShareName(const QString& theName) { myShareName = theName; }
    const LMIntRange& characterRange() const { return myCharacterRange; }
    void setCharacterRange(const LMIntRange& theRange) { myCharacterRange = theRange; }

private:
    QColor myBackgroundColor;
    LMOutlineConfig myOutline;
    QString myDefaultText;
    LMTextFormatChange myTextFormatChange;
    LMAreaTextType myTextType = LMAreaTextTypeEnum::Text;
    LMTextGrowthStrategy myGrowthStrategy;
    QString myAutoTextPattern;
    LMTextTransform myAutoTextTransform;
    QString myCssClassName;
    QString myShareName;
    LMIntRange myCharacterRange;
};
