#pragma once

#include "LMClipartConfiguration.h"
#include "LMPlatformExport.h"
#include "LMRelativePinAnchorPoint.h"
#include "LMSpotColor.h"

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include <memory>

class LMSVGImage;
class QPainter;

// What a composition is drawn for: the screen, or the print file.
enum class LMSVGCompositionRenderSituation : qint32 { Preview = 0, Print = 1 };

// One SVG picture read from a file (a clipart, a mask, a frame), drawn with its configuration:
// colour replacements, the spot colour and mirroring. A cheap value: copies share the picture.
class LMPLATFORM_EXPORT LMSVGComposition
{
public:
    // Pictures of decorations are small; a larger file is refused.
    static constexpr qint64 ourMaximumSize = 16 * 1024 * 1024;

    LMSVGComposition();
    // Reads the file; a missing, unreadable or too large file, or one that is no regular file,
    // gives an invalid composition and one warning naming the file.
    static LMSVGComposition fromFile(const QString& thePath);

    bool isNull() const { return !myData; }
    // The file was read and is an SVG document by its root element: known without drawing.
    bool isReadable() const;
    // The picture can be drawn (Qt's renderer reads the whole document once to know).
    bool isValid() const;
    // The absolute path of the file it was read from.
    QString fileName() const;
    // The file name without its folder, for messages and tool tips.
    QString debugName() const;
    const LMSVGImage* svgImage() const;
    QSizeF defaultSize() const;
    // Height divided by width of the picture; 0 for an invalid one.
    double ratio() const;
    // Attributes "anchorX" and "anchorY" of the document element.
    LMRelativePinAnchorPoint anchorPoint() const;
    // The colours of the picture, each replaced by itself: the starting point for recolouring.
    LMClipartConfiguration extractClipartConfiguration() const;

    // Draws the picture into the rectangle: with the configuration's colour replacements, with
    // every colour replaced by theSpotColor when the configuration takes the spot colour and the
    // colour is valid, and mirrored by the configuration's rule when theMirror is set.
    bool render(QPainter* thePainter, const QRectF& theTarget, const LMClipartConfiguration& theConfiguration,
                const QColor& theSpotColor = QColor(), bool theMirror = true) const;
    // An image of the size, transparent where nothing is drawn; null for an invalid picture.
    QImage toImage(const QSize& theSize, const LMClipartConfiguration& theConfiguration,
                   const QColor& theSpotColor = QColor()) const;

    // The colour in which previews show a spot colour; invalid for none.
    static QColor displayColor(const LMSpotColor& theSpotColor);

    friend LMPLATFORM_EXPORT bool operator==(const LMSVGComposition& theA, const LMSVGComposition& theB);
    friend bool operator!=(const LMSVGComposition& theA, const LMSVGComposition& theB) { return !(theA == theB); }

private:
    struct Data;
    std::shared_ptr<const Data> myData;
};
