#include "LMConfiguredDecorationTemplate.h"

#include "LMDecorationLookup.h"
#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_GSEL = QStringLiteral("gsel");
const QString STR_MIRROR = QStringLiteral("mirror");
const QString STR_MIRROR_AXIS = QStringLiteral("mirror-axis");
} // namespace

size_t LMConfiguredDecorationTemplate::hash() const
{
    return qHash(*this);
}

LMJig* LMConfiguredDecorationTemplate::decoration() const
{
    const LMDecorationLookup* aLookup = LMDecorationLookup::installed();
    return aLookup != nullptr ? aLookup->decorationJig(myDesignElementId) : nullptr;
}

LMConfiguredDecorationTemplate LMConfiguredDecorationTemplate::fromDesignStyleXml(const LMXMLElement& theElement)
{
    LMClipartConfiguration aConfiguration;
    aConfiguration.setSpotColorEnabled(LMModelXml::boolAttribute(theElement, STR_GSEL, false));
    const LMXMLElement aMirror = theElement.firstChildElement(STR_MIRROR);
    if (!aMirror.isNull())
        aConfiguration.setMirrorRule(LMMirrorRule(aMirror.attribute(STR_MIRROR_AXIS)));
    aConfiguration.setColorReplacements(LMColorReplacementInstructions::fromXML(theElement));
    return LMConfiguredDecorationTemplate(LMDesignElementID::fromXmlAttribute(theElement), aConfiguration);
}

void LMConfiguredDecorationTemplate::toDesignStyleXml(QDomElement& theElement) const
{
    myDesignElementId.toXML(theElement);
    if (myConfiguration.isSpotColorEnabled())
        theElement.setAttribute(STR_GSEL, LMModelXml::boolText(true));
    if (myConfiguration.mirrorRule().isValid()) {
        QDomElement aMirror = theElement.ownerDocument().createElement(STR_MIRROR);
        aMirror.setAttribute(STR_MIRROR_AXIS, myConfiguration.mirrorRule().encode());
        theElement.appendChild(aMirror);
    }
    myConfiguration.colorReplacements().toXML(theElement);
}

QString LMConfiguredDecorationTemplate::toDebugString() const
{
    QStringList aLines;
    aLines << QStringLiteral("        Clipart:")
           << QStringLiteral("          Design Element Id: %1").arg(myDesignElementId.toString())
           << QStringLiteral("          GSEL: %1").arg(myConfiguration.isSpotColorEnabled() ? 1 : 0)
           << QStringLiteral("          Mirror: %1").arg(myConfiguration.mirrorRule().encode());
    for (const LMColorReplacementInstructions::Replacement& aReplacement :
         myConfiguration.colorReplacements().replacements()) {
        aLines << QStringLiteral("          Color: %1,%2 -> %3,%4")
                      .arg(aReplacement.first.name())
                      .arg(aReplacement.first.alpha())
                      .arg(aReplacement.second.name())
                      .arg(aReplacement.second.alpha());
    }
    return aLines.join(QLatin1Char('\n'));
}

LMConfiguredDecorationTemplate LMConfiguredDecorationTemplate::mirrored(const LMMirrorRule& theRule) const
{
    return LMConfiguredDecorationTemplate(myDesignElementId, myConfiguration.mirrored(theRule));
}

QDebug operator<<(QDebug theDebug, const LMConfiguredDecorationTemplate& theTemplate)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMConfiguredDecorationTemplate(" << theTemplate.designElementId() << ", "
                       << theTemplate.configuration() << ')';
    return theDebug;
}
