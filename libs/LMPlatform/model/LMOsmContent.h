#pragma once

#include "LMAreaAssociationIdList.h"
#include "LMPlatformExport.h"

#include <QPointF>
#include <QString>

class LMXMLElement;
class QDebug;
class QDomElement;

// What a map area shows: the map's centre (x longitude, y latitude), zoom level and map style, and
// the markers of the areas tied to it by association id.
class LMPLATFORM_EXPORT LMOsmContent
{
public:
    LMOsmContent() = default;

    const QPointF& center() const { return myCenter; }
    void setCenter(const QPointF& theCenter) { myCenter = theCenter; }
    double zoom() const { return myZoom; }
    void setZoom(double theZoom) { myZoom = theZoom; }
    const QString& style() const { return myStyle; }
    void setStyle(const QString& theStyle) { myStyle = theStyle; }
    const LMAreaAssociationIdList& positions() const { return myPositions; }
    void setPosition(const LMAreaAssociationId& theId, const QPointF& thePosition);

    // A positive zoom and a centre on the globe.
    bool isValid() const;

    // Reads attributes "lat", "lon", "zoom", "style" and children "marker" (with "id", "lat",
    // "lon") of the element, each name preceded by the prefix (such as "lumo:").
    static LMOsmContent read(const LMXMLElement& theElement, const QString& thePrefix = QString());
    // The child "map" of the element; the default content without one.
    static LMOsmContent fromXml(const LMXMLElement& theParent);
    // Appends a child "map".
    void buildXML(QDomElement& theParent) const;

    friend LMPLATFORM_EXPORT bool operator==(const LMOsmContent& theA, const LMOsmContent& theB);

private:
    QPointF myCenter;
    double myZoom = 0.0;
    QString myStyle;
    LMAreaAssociationIdList myPositions;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMOsmContent& theContent);
