#pragma once

#include "LMFoto.h"
#include "LMFotoInAreaPositionState.h"
#include "LMTemplatesExport.h"

class LMXMLElement;
class QDebug;
class QDomElement;

// The photo a photo area holds and how it sits in the area; use-ABK tells whether the automatic
// image correction applies to it.
class LMTEMPLATES_EXPORT LMFotoInAreaDescription
{
public:
    LMFotoInAreaDescription() = default;
    LMFotoInAreaDescription(const LMFoto& theFoto, const LMFotoInAreaPositionState& thePosition, bool theUseABK = true)
        : myFoto(theFoto), myPosition(thePosition), myUseABK(theUseABK)
    {
    }

    const LMFoto& foto() const { return myFoto; }
    void setFoto(const LMFoto& theFoto) { myFoto = theFoto; }
    const LMFotoInAreaPositionState& position() const { return myPosition; }
    LMFotoInAreaPositionState& position() { return myPosition; }
    void setPosition(const LMFotoInAreaPositionState& thePosition) { myPosition = thePosition; }
    bool useABK() const { return myUseABK; }
    void setUseABK(bool theUseABK) { myUseABK = theUseABK; }

    // Reads the attributes "fileName" (relative to the base path), "useABK", "zoomFactor", "left"
    // and "top" of the element. Without a valid photo the result is the default description,
    // whatever the other attributes say.
    static LMFotoInAreaDescription fromXml(const LMXMLElement& theElement, const QString& theBasePath);
    // Writes those attributes; "left" and "top" rounded half away from zero.
    void buildXML(QDomElement& theElement) const;

    // "LMFotoInAreaDescription: topleft=(x, y) zoom=z"
    QString toDebugString() const;

    friend bool operator==(const LMFotoInAreaDescription& theA, const LMFotoInAreaDescription& theB)
    {
        return theA.myFoto == theB.myFoto && theA.myPosition == theB.myPosition && theA.myUseABK == theB.myUseABK;
    }

private:
    LMFoto myFoto;
    LMFotoInAreaPositionState myPosition;
    bool myUseABK = true;
};

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMFotoInAreaDescription& theDescription);
