#pragma once

#include "LMPlatformExport.h"

#include <QStringView>
#include <QTransform>

class QDomElement;

// Reads the "transform" attribute of SVG elements into QTransform, the way an SVG renderer applies
// it: a list of translate, scale, rotate, matrix, skewX and skewY, the rightmost applied first.
class LMPLATFORM_EXPORT LMSVGTransformReader
{
public:
    // The transform list as one matrix (QTransform's row-vector convention: a point p maps to
    // p * result). Empty or blank text is the identity; malformed text is the identity too, with
    // one warning naming the text.
    static QTransform parse(QStringView theText);

    // The length of the number at the start of the text in the grammar of SVG and CSS numbers:
    // sign? (digits ("." digits?)? | "." digits) exponent?, where an "e" without digits after it
    // ("3em") is not part of the number. 0 when the text starts with no number.
    static qsizetype numberLength(QStringView theText);

    // The element's own transform composed with those of all its ancestor elements, so that a
    // point in the element's coordinates maps to document coordinates:
    // own * parent * ... * document element. Nested viewports (x, y, viewBox of inner "svg"
    // elements) are not taken into account: templates do not use them.
    static QTransform transformMatrix(const QDomElement& theElement);
};
