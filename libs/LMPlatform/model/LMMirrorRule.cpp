#include "LMMirrorRule.h"

#include "LMXMLElement.h"

#include <QDomElement>

namespace {
const QString STR_MIRROR = QStringLiteral("mirror");
} // namespace

LM_DEFINE_ENUM_TABLE(LMMirrorRule)

void LMMirrorRule::fillTable(Table* theTable) const
{
    using E = LMMirrorRuleEnum;
    theTable->insert(QStringLiteral("none"), E::None);
    theTable->insert(QStringLiteral("horizontal"), E::HorizontalAxis);
    theTable->insert(QStringLiteral("vertical"), E::VerticalAxis);
    theTable->insert(QStringLiteral("both"), E::BothAxes);
}

QString LMMirrorRule::xmlAttributeName()
{
    return STR_MIRROR;
}

LMMirrorRule LMMirrorRule::followedBy(const LMMirrorRule& theOther) const
{
    return fromInt((myValue ^ theOther.myValue) & Int(LMMirrorRuleEnum::BothAxes));
}

QList<LMMirrorRule> LMMirrorRule::spreadOut() const
{
    QList<LMMirrorRule> aRules;
    for (const LMMirrorRuleEnum aSingle : { LMMirrorRuleEnum::HorizontalAxis, LMMirrorRuleEnum::VerticalAxis }) {
        if (myValue & Int(aSingle))
            aRules.append(LMMirrorRule(aSingle));
    }
    return aRules;
}

LMMirrorRule LMMirrorRule::fromXml(const LMXMLElement& theElement)
{
    if (theElement.isNull() || !theElement.hasAttribute(STR_MIRROR))
        return LMMirrorRule();
    // Bits beyond the two axes mean nothing here.
    return fromInt(decodeCSV(theElement.attribute(STR_MIRROR)) & Int(LMMirrorRuleEnum::BothAxes));
}

void LMMirrorRule::buildXML(QDomElement& theElement) const
{
    if (isValid())
        theElement.setAttribute(STR_MIRROR, encode());
}
