#pragma once

#include "LMPlatformExport.h"

class QPainter;

// Why something is drawn: for the print file or for a preview on screen. Whoever begins a painter
// encodes the rule in it; the renderers it is handed to decode it and may draw previews cheaper
// (stand-ins for missing photos, smaller samples).
//
// The rule holds for that painter on the thread that encoded it, while the painter stays active
// on the same device, until another rule is encoded. A painter that has ended, or that now paints
// on another device, decodes as Print. The rules are kept per thread by painter address and
// device, so a painter ended and begun again on the same device (or a new one at the address of
// an ended one) that was not asked in between keeps the rule: encode the rule after each begin().
class LMPLATFORM_EXPORT LMRenderingRule
{
public:
    enum class Purpose { Print, Preview };

    explicit LMRenderingRule(Purpose thePurpose = Purpose::Print) : myPurpose(thePurpose) { }

    Purpose purpose() const { return myPurpose; }
    bool isPreview() const { return myPurpose == Purpose::Preview; }

    // A null or inactive painter warns and keeps nothing.
    void encodeIn(QPainter* thePainter) const;
    // The rule encoded in the painter; Print when there is none, or the painter is null, has
    // ended or paints on another device than when the rule was encoded.
    static LMRenderingRule decodeFrom(const QPainter* thePainter);

    friend bool operator==(LMRenderingRule theA, LMRenderingRule theB) { return theA.myPurpose == theB.myPurpose; }
    friend bool operator!=(LMRenderingRule theA, LMRenderingRule theB) { return !(theA == theB); }

private:
    Purpose myPurpose;
};
