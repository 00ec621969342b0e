#include "LMSVGImageAbstract.h"

#include "LMPlatformLogging.h"
#include "LMXMLElement.h"

#include <QDomDocument>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

#include <atomic>
#include <mutex>

namespace {
const QString STR_SVG = QStringLiteral("svg");

std::atomic<quint64> ourNextSerial { 1 };

QSizeF boundedSize(const QSizeF& theSize)
{
    if (theSize.isEmpty())
        return QSizeF();
    if (theSize.width() <= LMSVGImageAbstract::MaximumSide && theSize.height() <= LMSVGImageAbstract::MaximumSide)
        return theSize;
    return theSize.scaled(LMSVGImageAbstract::MaximumSide, LMSVGImageAbstract::MaximumSide, Qt::KeepAspectRatio);
}

// The renderers of the calling thread, by image serial and variant. A QSvgRenderer must not be
// shared between threads, so each thread keeps its own few.
class ThreadRenderers
{
public:
    QSvgRenderer* renderer(quint64 theSerial, const QString& theVariant, const QByteArray& theData)
    {
        const Key aKey { theSerial, theVariant };
        if (auto aFound = myRenderers.constFind(aKey); aFound != myRenderers.cend())
            return aFound->get();
        if (myRenderers.size() >= MAXIMUM_RENDERERS)
            myRenderers.clear(); // small and rebuilt on demand: no bookkeeping of age
        auto aRenderer = std::make_shared<QSvgRenderer>(theData);
        QSvgRenderer* aResult = aRenderer.get();
        myRenderers.insert(aKey, std::move(aRenderer));
        return aResult;
    }

private:
    static constexpr qsizetype MAXIMUM_RENDERERS = 16;
    using Key = std::pair<quint64, QString>;
    QHash<Key, std::shared_ptr<QSvgRenderer>> myRenderers;
};

ThreadRenderers& threadRenderers()
{
    thread_local ThreadRenderers ourRenderers;
    return ourRenderers;
}
} // namespace

// What a renderer learns of the document is learnt on first use: templates carry many SVG areas
// that are never drawn or measured, and a renderer parses the whole document.
struct LMSVGImageAbstract::Data
{
    QByteArray mySvg;
    quint64 mySerial = 0;

    struct Facts
    {
        bool myValid = false;
        QSizeF myDefaultSize;
        QRectF myViewBox;
    };

    const Facts& facts() const
    {
        std::call_once(myFactsRead, [this] {
            if (!mySvg.isEmpty()) {
                // A renderer of this thread, used once to learn validity and size.
                const QSvgRenderer aRenderer(mySvg);
                myFacts.myValid = aRenderer.isValid();
                if (myFacts.myValid) {
                    myFacts.myDefaultSize = boundedSize(QSizeF(aRenderer.defaultSize()));
                    myFacts.myViewBox = aRenderer.viewBoxF();
                }
            }
            if (!myFacts.myValid)
                qCWarning(lcPlatformRender) << "SVG image could not be read:" << mySvg.left(80);
        });
        return myFacts;
    }

private:
    mutable std::once_flag myFactsRead;
    mutable Facts myFacts;
};

LMSVGImageAbstract::LMSVGImageAbstract(const QByteArray& theData)
{
    auto aData = std::make_shared<Data>();
    aData->mySvg = theData;
    aData->mySerial = ourNextSerial.fetch_add(1, std::memory_order_relaxed);
    // Nothing to parse: said at once.
    if (theData.isEmpty())
        aData->facts();
    myData = std::move(aData);
}

LMSVGImageAbstract::~LMSVGImageAbstract() = default;

bool LMSVGImageAbstract::isValid() const
{
    return myData->facts().myValid;
}

const QByteArray& LMSVGImageAbstract::data() const
{
    return myData->mySvg;
}

QSizeF LMSVGImageAbstract::defaultSize() const
{
    return myData->facts().myDefaultSize;
}

QRectF LMSVGImageAbstract::viewBox() const
{
    return myData->facts().myViewBox;
}

QByteArray LMSVGImageAbstract::renderData() const
{
    return myData->mySvg;
}

QString LMSVGImageAbstract::renderVariant() const
{
    return QString();
}

bool LMSVGImageAbstract::render(QPainter* thePainter, const QRectF& theTarget) const
{
    Q_ASSERT_X(thePainter, "LMSVGImageAbstract::render", "no painter");
    if (!isValid() || theTarget.isEmpty())
        return false;
    QSvgRenderer* aRenderer = threadRenderers().renderer(myData->mySerial, renderVariant(), renderData());
    if (!aRenderer->isValid())
        return false;
    aRenderer->render(thePainter, theTarget);
    return true;
}

QImage LMSVGImageAbstract::toImage(const QSize& theSize) const
{
    const QSize aSize = boundedSize(QSizeF(theSize)).toSize();
    if (!isValid() || aSize.isEmpty())
        return QImage();
    QImage anImage(aSize, QImage::Format_ARGB32_Premultiplied);
    if (anImage.isNull())
        return QImage();
    anImage.fill(Qt::transparent);
    QPainter aPainter(&anImage);
    aPainter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    render(&aPainter, QRectF(QPointF(0, 0), QSizeF(aSize)));
    return anImage;
}

void LMSVGImageAbstract::buildXML(QDomElement& theParent) const
{
    QDomDocument anSvg;
    if (!anSvg.setContent(myData->mySvg))
        return;
    theParent.appendChild(theParent.ownerDocument().importNode(anSvg.documentElement(), true));
}

QByteArray LMSVGImageAbstract::svgDataFromXml(const LMXMLElement& theParent)
{
    const LMXMLElement anSvg = theParent.firstChildElement(STR_SVG);
    if (anSvg.isNull())
        return QByteArray();
    QDomDocument aDocument;
    aDocument.appendChild(anSvg.toDom(aDocument));
    return aDocument.toByteArray(-1);
}

bool LMSVGImageAbstract::equals(const LMSVGImageAbstract& theOther) const
{
    if (type() != theOther.type())
        return false;
    if (myData == theOther.myData || myData->mySvg == theOther.myData->mySvg)
        return true;
    // The same document written differently (quotes, blanks between attributes) is the same image.
    QDomDocument aMine;
    QDomDocument anOthers;
    return aMine.setContent(myData->mySvg) && anOthers.setContent(theOther.myData->mySvg)
        && aMine.toByteArray(-1) == anOthers.toByteArray(-1);
}
