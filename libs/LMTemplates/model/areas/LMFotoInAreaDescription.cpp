#include "LMFotoInAreaDescription.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomElement>

#include <cmath>

namespace {
const QString STR_FILE_NAME = QStringLiteral("fileName");
const QString STR_USE_ABK = QStringLiteral("useABK");
const QString STR_ZOOM_FACTOR = QStringLiteral("zoomFactor");
const QString STR_LEFT = QStringLiteral("left");
const QString STR_TOP = QStringLiteral("top");
} // namespace

LMFotoInAreaDescription LMFotoInAreaDescription::fromXml(const LMXMLElement& theElement, const QString& theBasePath)
{
    const LMFoto aFoto = LMFoto::fromString(theElement.attribute(STR_FILE_NAME), theBasePath);
    if (!aFoto.isValid())
        return LMFotoInAreaDescription();
    const QPointF aTopLeft(LMModelXml::doubleAttribute(theElement, STR_LEFT, 0.0),
                           LMModelXml::doubleAttribute(theElement, STR_TOP, 0.0));
    return LMFotoInAreaDescription(
        aFoto, LMFotoInAreaPositionState(aTopLeft, LMModelXml::doubleAttribute(theElement, STR_ZOOM_FACTOR, 1.0)),
        LMModelXml::boolAttribute(theElement, STR_USE_ABK, true));
}

void LMFotoInAreaDescription::buildXML(QDomElement& theElement) const
{
    theElement.setAttribute(STR_FILE_NAME, myFoto.url().toString());
    theElement.setAttribute(STR_USE_ABK, LMModelXml::boolText(myUseABK));
    theElement.setAttribute(STR_ZOOM_FACTOR, LMModelXml::doubleText(myPosition.zoomFactor()));
    // std::llround rounds halves away from zero.
    theElement.setAttribute(STR_LEFT, QString::number(std::llround(myPosition.topLeft().x())));
    theElement.setAttribute(STR_TOP, QString::number(std::llround(myPosition.topLeft().y())));
}

QString LMFotoInAreaDescription::toDebugString() const
{
    return QStringLiteral("LMFotoInAreaDescription: topleft=(%1, %2) zoom=%3")
        .arg(myPosition.topLeft().x())
        .arg(myPosition.topLeft().y())
        .arg(myPosition.zoomFactor());
}

QDebug operator<<(QDebug theDebug, const LMFotoInAreaDescription& theDescription)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.noquote().nospace() << theDescription.toDebugString();
    return theDebug;
}
