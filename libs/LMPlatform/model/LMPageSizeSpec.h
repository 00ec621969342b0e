#pragma once

#include "LMPlatformExport.h"

#include <QPointF>
#include <QSizeF>

class QDebug;

// The sizes of one page of a product in document units: the usable (printed) size, the usable size
// of a slipcase cover where the product has one, and where the usable print area starts (the
// top-left bleed).
class LMPLATFORM_EXPORT LMPageSizeSpec
{
public:
    LMPageSizeSpec() = default;
    explicit LMPageSizeSpec(const QSizeF& theUsableSize, const QPointF& thePrintAreaOffset = QPointF(),
                            const QSizeF& theSlipcaseCoverSize = QSizeF(-1, -1))
        : myUsableSize(theUsableSize), mySlipcaseCoverSize(theSlipcaseCoverSize), myPrintAreaOffset(thePrintAreaOffset)
    {
    }

    QSizeF usableSize() const { return myUsableSize; }
    // Negative unless the product is a slipcase.
    QSizeF usableSlipcaseCoverSize() const { return mySlipcaseCoverSize; }
    bool hasSlipcaseCover() const { return mySlipcaseCoverSize.width() >= 0 && mySlipcaseCoverSize.height() >= 0; }
    // Top-left corner of the usable print area on the page.
    QPointF usablePrintAreaOffset() const { return myPrintAreaOffset; }

    bool isValid() const { return myUsableSize.width() > 0 && myUsableSize.height() > 0; }

    friend bool operator==(const LMPageSizeSpec& theA, const LMPageSizeSpec& theB)
    {
        return theA.myUsableSize == theB.myUsableSize && theA.mySlipcaseCoverSize == theB.mySlipcaseCoverSize
            && theA.myPrintAreaOffset == theB.myPrintAreaOffset;
    }

private:
    QSizeF myUsableSize;
    QSizeF mySlipcaseCoverSize = QSizeF(-1, -1);
    QPointF myPrintAreaOffset;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMPageSizeSpec& theSpec);
