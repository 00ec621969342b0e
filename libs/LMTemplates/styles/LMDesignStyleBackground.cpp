#include "LMDesignStyleBackground.h"

#include "LMXMLParser.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_ID = QStringLiteral("id");
const QString STR_HUE = QStringLiteral("hue");
const QString STR_FADING = QStringLiteral("fading");
} // namespace

LMDesignStyleBackground::LMDesignStyleBackground(const QDomElement& theElement)
    : myDesignElementId(LMDesignElementID::fromXmlAttribute(theElement, STR_ID))
{
    const LMMultiColorConfig aConfig(LMXMLParser::intAttribute(theElement, STR_HUE, -1),
                                     LMXMLParser::intAttribute(theElement, STR_FADING, -1));
    if (aConfig.isValid())
        myMultiColorConfig = aConfig;
}

size_t LMDesignStyleBackground::hash() const
{
    return qHashMulti(0, myDesignElementId, myMultiColorConfig);
}

void LMDesignStyleBackground::buildXML(QDomElement& theElement) const
{
    myDesignElementId.toXML(theElement, STR_ID);
    if (myMultiColorConfig.isValid()) {
        theElement.setAttribute(STR_HUE, myMultiColorConfig.hue());
        theElement.setAttribute(STR_FADING, myMultiColorConfig.fading());
    }
}

QString LMDesignStyleBackground::toDebugString() const
{
    return QStringList { QStringLiteral("        Background:"),
                         QStringLiteral("          Design Element Id: %1").arg(myDesignElementId.toString()),
                         QStringLiteral("          MultiColorConfig: hue = %1, fading = %2")
                             .arg(myMultiColorConfig.hue())
                             .arg(myMultiColorConfig.fading()) }
        .join(QLatin1Char('\n'));
}
