#include "LMDesignStyleTextFormats.h"

#include "LMDesignStyleAreas.h"
#include "LMTemplateAreaDefinitionText.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_TEXTS = QStringLiteral("texts");
} // namespace

LMDesignStyleTextFormats::LMDesignStyleTextFormats(const QDomElement& theElement)
{
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        insert(LMDesignStyleTextFormat(aChild));
}

void LMDesignStyleTextFormats::insert(const LMDesignStyleTextFormat& theFormat)
{
    if (theFormat.isValid())
        myFormats.insert(theFormat.textType().value(), theFormat);
}

void LMDesignStyleTextFormats::buildXML(QDomElement& theParent) const
{
    QDomElement aTexts = theParent.ownerDocument().createElement(STR_TEXTS);
    for (const LMDesignStyleTextFormat& aFormat : myFormats)
        aFormat.buildXML(aTexts);
    theParent.appendChild(aTexts);
}

QString LMDesignStyleTextFormats::toDebugString() const
{
    QStringList aLines { QStringLiteral("      Textformats:") };
    for (const LMDesignStyleTextFormat& aFormat : myFormats)
        aLines << aFormat.toDebugString();
    return aLines.join(QLatin1Char('\n'));
}

LMTemplateAreaDefinitionList
LMDesignStyleTextFormats::applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas) const
{
    if (myFormats.isEmpty())
        return theAreas;
    for (LMTemplateAreaDefinition* anArea : LMDesignStyleAreas::all(theAreas)) {
        auto* aText = dynamic_cast<LMTemplateAreaDefinitionText*>(anArea);
        if (aText == nullptr)
            continue;
        const auto aFound = myFormats.constFind(aText->textType().value());
        if (aFound == myFormats.cend())
            continue;
        // Over what the area has: the rule sets of a page layer their formats, as textFormat()
        // merges them.
        LMTextFormatChange aChange = aText->textFormatChange();
        aChange.merge(aFound->textFormatChanges());
        aText->setTextFormatChange(aChange);
    }
    return theAreas;
}
