#pragma once

#include "LMTemplatesExport.h"

#include <QColor>
#include <QSize>

class LMXMLElement;
class QDebug;

// What a passepartout template puts around the photo: the colour of the mat and the size of its
// opening. A default configuration is a white mat without an opening.
class LMTEMPLATES_EXPORT LMTemplateFramePassepartoutConfig
{
public:
    LMTemplateFramePassepartoutConfig() = default;
    LMTemplateFramePassepartoutConfig(const QColor& theColor, const QSize& theInnerSize)
        : myColor(theColor), myInnerSize(theInnerSize)
    {
    }

    // "color" (default white) and the inner size from "width" and "height" (default (-1, -1)).
    static LMTemplateFramePassepartoutConfig fromXml(const LMXMLElement& theElement);

    const QColor& color() const { return myColor; }
    const QSize& innerSize() const { return myInnerSize; }
    // A mat without a usable opening: inner width or height below 1.
    bool isEmpty() const { return myInnerSize.width() < 1 || myInnerSize.height() < 1; }
    // A mat without an opening stands for no mat at all.
    bool isRemoveItem() const { return isEmpty(); }
    QString basicDragAndDropHint() const;

    friend bool operator==(const LMTemplateFramePassepartoutConfig& theA, const LMTemplateFramePassepartoutConfig& theB)
    {
        return theA.myColor == theB.myColor && theA.myInnerSize == theB.myInnerSize;
    }
    friend bool operator!=(const LMTemplateFramePassepartoutConfig& theA, const LMTemplateFramePassepartoutConfig& theB)
    {
        return !(theA == theB);
    }

private:
    QColor myColor = Qt::white;
    QSize myInnerSize { -1, -1 };
};

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateFramePassepartoutConfig& theConfig);
