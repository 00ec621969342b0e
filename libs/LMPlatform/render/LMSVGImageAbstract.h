#pragma once

#include "LMPlatformExport.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>

#include <memory>

class LMXMLElement;
class QDomElement;
class QPainter;

// A vector image of an area, held as the bytes of an SVG document and drawn with Qt SVG. Images
// are read-only after construction and may be drawn from any thread: every thread draws with a
// renderer of its own. Sizes taken from the document are bounded, so a document that declares a
// huge size cannot make the library allocate a huge image.
class LMPLATFORM_EXPORT LMSVGImageAbstract
{
public:
    // The kinds of SVG images; the numbers are those of the template files.
    enum class Type : qint32 { Plain = 1, Calendar = 2 };

    // The longest side, in pixels, of any image made from an SVG image.
    static constexpr int MaximumSide = 8192;

    LMSVGImageAbstract(const LMSVGImageAbstract&) = default;
    LMSVGImageAbstract& operator=(const LMSVGImageAbstract&) = delete;
    virtual ~LMSVGImageAbstract();

    virtual Type type() const = 0;
    virtual std::unique_ptr<LMSVGImageAbstract> clone() const = 0;

    // The document parsed. Validity and size are learnt on the first question (with the warning
    // for a document that cannot be read), not at construction.
    bool isValid() const;
    const QByteArray& data() const;
    // The size the document declares, scaled down to fit MaximumSide; empty for an invalid image.
    QSizeF defaultSize() const;
    QRectF viewBox() const;

    // Draws the image into the rectangle; false when there is nothing to draw.
    bool render(QPainter* thePainter, const QRectF& theTarget) const;
    // An image of the given size (scaled down to fit MaximumSide), transparent where the drawing
    // is; a null image for an invalid image or an empty size.
    QImage toImage(const QSize& theSize) const;

    // Appends the document as a child element "svg" of the element.
    virtual void buildXML(QDomElement& theParent) const;
    // The document of the child "svg" of the element, as bytes; empty without one.
    static QByteArray svgDataFromXml(const LMXMLElement& theParent);

    // Same type and same document; subclasses compare their own state as well.
    virtual bool equals(const LMSVGImageAbstract& theOther) const;

protected:
    explicit LMSVGImageAbstract(const QByteArray& theData);

    // The bytes a renderer draws and the key under which a thread keeps its renderer for them;
    // the calendar image adds its style sheet.
    virtual QByteArray renderData() const;
    virtual QString renderVariant() const;

private:
    struct Data;
    std::shared_ptr<const Data> myData;
};
