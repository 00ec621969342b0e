#include "LMClipartConfiguration.h"

#include "LMModelXml.h"

#include <QDebug>
#include <QDomElement>

namespace {
const QString STR_GSEL = QStringLiteral("gsel");
} // namespace

LMClipartConfiguration LMClipartConfiguration::mirrored(const LMMirrorRule& theRule) const
{
    return LMClipartConfiguration(myMirrorRule.followedBy(theRule), mySpotColorEnabled);
}

LMClipartConfiguration LMClipartConfiguration::fromXml(const QDomElement& theElement)
{
    return LMClipartConfiguration(LMMirrorRule::fromXml(theElement),
                                  LMModelXml::boolAttribute(theElement, STR_GSEL, false));
}

void LMClipartConfiguration::buildXML(QDomElement& theElement) const
{
    myMirrorRule.buildXML(theElement);
    if (mySpotColorEnabled)
        theElement.setAttribute(STR_GSEL, LMModelXml::boolText(true));
}

QDebug operator<<(QDebug theDebug, const LMClipartConfiguration& theConfiguration)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMClipartConfiguration(mirror " << theConfiguration.mirrorRule().value() << ", gsel "
                       << theConfiguration.isSpotColorEnabled() << ')';
    return theDebug;
}
