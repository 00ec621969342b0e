#include "LMTemplateDefaultTilt.h"

#include "LMTemplatesLogging.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomElement>

namespace {
const QString STR_DEFAULT_ROTATION = QStringLiteral("defaultRotation");
} // namespace

LMTemplateDefaultTilt::LMTemplateDefaultTilt(LMAngle theAngle) : myDefined(true), myAngle(theAngle.normalized()) { }

LMTemplateDefaultTilt LMTemplateDefaultTilt::fromXml(const LMXMLElement& theElement)
{
    LMTemplateDefaultTilt aTilt;
    if (!theElement.hasAttribute(STR_DEFAULT_ROTATION))
        return aTilt;
    const QString aText = theElement.attribute(STR_DEFAULT_ROTATION);
    bool anOk = false;
    const int aDegrees = aText.toInt(&anOk, 10);
    if (!anOk) {
        qCWarning(lcFoundation).noquote() << "defaultRotation is no whole number of degrees:" << aText;
        return aTilt;
    }
    // Negative turns count backwards from 360: -90 is 270, -360 is 0.
    return LMTemplateDefaultTilt(LMAngle(aDegrees));
}

void LMTemplateDefaultTilt::writeToXml(QDomElement& theElement) const
{
    if (myDefined)
        theElement.setAttribute(STR_DEFAULT_ROTATION, myAngle.degrees());
}

QDebug operator<<(QDebug theDebug, const LMTemplateDefaultTilt& theTilt)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateDefaultTilt(";
    if (theTilt.isDefined())
        theDebug << theTilt.angle().degrees();
    else
        theDebug << "undefined";
    theDebug << ')';
    return theDebug;
}
