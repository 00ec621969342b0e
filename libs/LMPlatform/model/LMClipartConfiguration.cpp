#include "LMClipartConfiguration.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomElement>

namespace {
const QString STR_GSEL = QStringLiteral("gsel");
} // namespace

LMClipartConfiguration LMClipartConfiguration::mirrored(const LMMirrorRule& theRule) const
{
    LMClipartConfiguration aResult(myMirrorRule.followedBy(theRule), mySpotColorEnabled);
    aResult.myColorReplacements = myColorReplacements;
    return aResult;
}

LMClipartConfiguration LMClipartConfiguration::fromXml(const LMXMLElement& theElement)
{
    LMClipartConfiguration aResult(LMMirrorRule::fromXml(theElement),
                                   LMModelXml::boolAttribute(theElement, STR_GSEL, false));
    aResult.myColorReplacements = LMColorReplacementInstructions::fromXML(theElement);
    return aResult;
}

void LMClipartConfiguration::buildXML(QDomElement& theElement) const
{
    myMirrorRule.buildXML(theElement);
    if (mySpotColorEnabled)
        theElement.setAttribute(STR_GSEL, LMModelXml::boolText(true));
    myColorReplacements.toXML(theElement);
}

QDebug operator<<(QDebug theDebug, const LMClipartConfiguration& theConfiguration)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMClipartConfiguration(mirror " << theConfiguration.mirrorRule().value() << ", gsel "
                       << theConfiguration.isSpotColorEnabled() << ", colours "
                       << theConfiguration.colorReplacements().count() << ')';
    return theDebug;
}
