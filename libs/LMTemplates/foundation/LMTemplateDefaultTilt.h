#pragma once

#include "LMAngle.h"
#include "LMTemplatesExport.h"

class LMXMLElement;
class QDebug;
class QDomElement;

// The rotation a template suggests for its photo areas, when the template file gives one. The
// angle always lies in 0..359.
class LMTEMPLATES_EXPORT LMTemplateDefaultTilt
{
public:
    LMTemplateDefaultTilt() = default;
    // A defined tilt; the angle is brought into 0..359.
    explicit LMTemplateDefaultTilt(LMAngle theAngle);

    // Reads the attribute "defaultRotation": absent leaves the tilt undefined; a text that is no
    // decimal int is warned about and leaves it undefined too.
    static LMTemplateDefaultTilt fromXml(const LMXMLElement& theElement);
    // Writes "defaultRotation" only when the tilt is defined.
    void writeToXml(QDomElement& theElement) const;

    bool isDefined() const { return myDefined; }
    LMAngle angle() const { return myAngle; }
    // True when the suggested rotation turns a landscape area on its side.
    bool isPortrait() const { return myAngle.degrees() % 180 != 0; }

    bool operator==(const LMTemplateDefaultTilt& theOther) const = default;

private:
    bool myDefined = false;
    LMAngle myAngle;
};

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateDefaultTilt& theTilt);
