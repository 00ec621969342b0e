#include "LMConfiguredDecorationList.h"
#include "LMConfiguredDecorationTemplate.h"
#include "LMDecorationClipart.h"
#include "LMDecorationMaskFrame.h"
#include "LMTestSupport.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
// 100 x 50, red.
const QByteArray SVG_RED = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='50' viewBox='0 0 100 50'>"
                           "<rect width='100' height='50' fill='#ff0000'/></svg>";
// 100 x 100, blue on the left half only.
const QByteArray SVG_LEFT = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100' viewBox='0 0 100 100'>"
                            "<rect width='50' height='100' style='fill:#0000ff'/></svg>";
// 100 x 100, a white circle on black: keeps the photo inside the circle.
const QByteArray SVG_ROUND = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100' viewBox='0 0 100 100'>"
                             "<rect width='100' height='100' fill='#000000'/>"
                             "<circle cx='50' cy='50' r='40' fill='#ffffff'/></svg>";

// A "decorations" document holding one decoration; the content element ("clipart" or "fading").
QDomElement contentOf(const QString& theDecoration)
{
    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(
        QStringLiteral("<decorations>%1</decorations>").arg(theDecoration).toUtf8(), QStringLiteral("test"));
    const QDomElement aDecoration = aDocument.documentElement().firstChildElement(QStringLiteral("decoration"));
    const QDomElement aClipart = aDecoration.firstChildElement(QStringLiteral("clipart"));
    return aClipart.isNull() ? aDecoration.firstChildElement(QStringLiteral("fading")) : aClipart;
}
} // namespace

class tst_DecorationModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        LMTestSupport::writeFile(myDir, "red.svg", SVG_RED);
        LMTestSupport::writeFile(myDir, "left.svg", SVG_LEFT);
        LMTestSupport::writeFile(myDir, "round.svg", SVG_ROUND);
    }

    void ratio_data()
    {
        columns<QString, double, QSize, QString>("attributes", "ratio", "thumbnailSize", "warning");
        row("absent: the picture's", QString(), 0.5, QSize(64, 32), QString());
        row("zero: the picture's", "ratio='0'", 0.5, QSize(64, 32), QString());
        row("1e-13: the picture's", "ratio='1e-13'", 0.5, QSize(64, 32), QString());
        row("file's own", "ratio='2'", 2.0, QSize(32, 64), QString());
        row("malformed: the picture's", "ratio='tall'", 0.5, QSize(64, 32),
            "attribute \"ratio\": \"tall\" is not a number");
    }

    void ratio()
    {
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
        const LMDecorationClipart aClipart(
            contentOf(QStringLiteral("<decoration type='clipart'><clipart file='red.svg' %1/></decoration>")
                          .arg(fetch<QString>("attributes"))),
            QDir(myDir.path()));
        QTEST(aClipart.ratio(), "ratio");
        QTEST(aClipart.thumbnailSize(QSize(64, 64)), "thumbnailSize");
    }

    void userElement_data()
    {
        columns<QString, int, QString>("value", "userElementId", "mimeData");
        row("absent", QString(), 0, "clipart_red.svg");
        row("beyond 32 bits", "2147483648", 0, "clipart_red.svg");
        row("user element", "815", 815, "clipart_red.svg 815");
    }

    void userElement()
    {
        QFETCH(QString, value);
        const QString anAttribute = value.isNull() ? QString() : QStringLiteral("userElementId='%1'").arg(value);
        const LMDecorationClipart aClipart(
            contentOf(QStringLiteral(
                          "<decoration type='clipart'><clipart file='red.svg' designElementId='12' %1/></decoration>")
                          .arg(anAttribute)),
            QDir(myDir.path()));
        QTEST(aClipart.userElementId(), "userElementId");
        QTEST(aClipart.mimeData(), "mimeData");
        QFETCH(int, userElementId);
        // The key of a user element names its user id, not the id of its source.
        QCOMPARE(aClipart.createKey().designElementID().id(), userElementId != 0 ? userElementId : 12);
    }

    void fotoArea_data()
    {
        columns<QString, int, QRectF, QRectF>("fotoArea", "mirror", "relative", "scaled");
        const QString anArea = QStringLiteral("<fotoarea x='0.1' y='0.1' width='0.5' height='0.6'/>");
        const QRectF aRelative(0.1, 0.1, 0.5, 0.6);
        row("not mirrored", anArea, 0, aRelative, QRectF(30, 40, 100, 120));
        row("both", anArea, 3, aRelative, QRectF(90, 80, 100, 120));
        row("clamped to 0..1", "<fotoarea x='-0.5' y='2' width='1.5' height='-1'/>", 0, QRectF(0, 1, 1, 0),
            QRectF(10, 220, 200, 0));
        row("no photo area: the whole rectangle", QString(), 2, QRectF(0, 0, -1, -1), QRectF(10, 20, 200, 200));
    }

    void fotoArea()
    {
        QFETCH(int, mirror);
        const LMDecorationMaskFrame aFrame(
            contentOf(QStringLiteral("<decoration type='fading'><fading file='round.svg'><clipart file='red.svg'/>%1"
                                     "</fading></decoration>")
                          .arg(fetch<QString>("fotoArea"))),
            QDir(myDir.path()));
        QTEST(aFrame.relativeFotoRect(), "relative");
        const LMClipartConfiguration aConfiguration(LMMirrorRule(static_cast<LMMirrorRuleEnum>(mirror)), false);
        QTEST(aFrame.scaledFotoAreaRect(QRectF(10, 20, 200, 200), aConfiguration), "scaled");
        QCOMPARE(aFrame.uniqueName(), QStringLiteral("Schmuckrahmen_clipart_red.svg_fading_round.svg"));
    }

    void rotate_data()
    {
        columns<int, QList<int>>("steps", "order");
        row("five on three: first two to the end", 5, QList<int> { 2, 0, 1 });
        row("three on three: nothing", 3, QList<int> { 0, 1, 2 });
        row("minus one: nothing", -1, QList<int> { 0, 1, 2 });
        row("zero: nothing", 0, QList<int> { 0, 1, 2 });
    }

    void rotate()
    {
        // Three configured decorations told apart by their mirror rules 0, 1 and 2.
        const QList<LMConfiguredDecoration> anItems {
            LMConfiguredDecoration(nullptr, LMClipartConfiguration(LMMirrorRuleEnum::None, false)),
            LMConfiguredDecoration(nullptr, LMClipartConfiguration(LMMirrorRuleEnum::HorizontalAxis, false)),
            LMConfiguredDecoration(nullptr, LMClipartConfiguration(LMMirrorRuleEnum::VerticalAxis, false)),
        };
        LMConfiguredDecorationList aList;
        aList.append(anItems);
        aList.rotate(fetch<int>("steps"));
        // The mirror rule values are the original positions.
        QList<int> anOrder;
        for (const LMConfiguredDecoration& anItem : std::as_const(aList))
            anOrder.append(anItem.configuration().mirrorRule().value());
        QTEST(anOrder, "order");
    }

    void thumbnailPixels_data()
    {
        columns<QString, int, int, QPoint, QColor>("decoration", "mirror", "spotColor", "pixel", "color");
        const QString aRed = QStringLiteral("<decoration type='clipart'><clipart file='red.svg'/></decoration>");
        const QString aLeft = QStringLiteral("<decoration type='clipart'><clipart file='left.svg'/></decoration>");
        const QString aRound = QStringLiteral("<decoration type='fading'><fading file='round.svg'/></decoration>");
        const QString aFrame
            = QStringLiteral("<decoration type='fading'><fading file='round.svg'><clipart file='left.svg'/>"
                             "<fotoarea x='0.5' y='0' width='0.5' height='1'/></fading></decoration>");
        row("red clipart renders red", aRed, 0, 0, QPoint(32, 16), QColor(Qt::red));
        row("recoloured by a replacement",
            "<decoration type='clipart'><clipart file='red.svg'><colorReplacement from='#ff0000' to='#00ff00'/>"
            "</clipart></decoration>",
            0, 0, QPoint(32, 16), QColor(Qt::green));
        row("gold spot colour", aRed, 0, 2, QPoint(32, 16), QColor(0xc8, 0xa9, 0x51));
        row("left half drawn on the left", aLeft, 0, 0, QPoint(8, 32), QColor(Qt::blue));
        row("not mirrored: right half empty", aLeft, 0, 0, QPoint(56, 32), QColor(Qt::transparent));
        row("mirrored left and right: right drawn", aLeft, 2, 0, QPoint(56, 32), QColor(Qt::blue));
        row("mask keeps the inside", aRound, 0, 0, QPoint(32, 32), QColor(0x9e, 0x9e, 0x9e));
        row("mask: outside transparent", aRound, 0, 0, QPoint(1, 1), QColor(Qt::transparent));
        row("frame: clipart over the whole", aFrame, 0, 0, QPoint(8, 32), QColor(Qt::blue));
        row("frame: photo in its area", aFrame, 0, 0, QPoint(48, 32), QColor(0x9e, 0x9e, 0x9e));
        row("frame mirrored: photo on the left", aFrame, 2, 0, QPoint(16, 32), QColor(0x9e, 0x9e, 0x9e));
    }

    void thumbnailPixels()
    {
        const QDomElement aContent = contentOf(fetch<QString>("decoration"));
        std::unique_ptr<LMAbstractDecoration> aDecoration;
        if (aContent.tagName() == QLatin1String("clipart"))
            aDecoration = std::make_unique<LMDecorationClipart>(aContent, QDir(myDir.path()));
        else if (aContent.firstChildElement(QStringLiteral("clipart")).isNull())
            aDecoration = std::make_unique<LMDecorationMask>(aContent, QDir(myDir.path()));
        else
            aDecoration = std::make_unique<LMDecorationMaskFrame>(aContent, QDir(myDir.path()));
        const LMMirrorRule aMirror(static_cast<LMMirrorRuleEnum>(fetch<int>("mirror")));
        const LMSpotColor aSpot(static_cast<LMSpotColorEnum>(fetch<int>("spotColor")));
        const QImage anImage = aDecoration->thumbnail(QSize(64, 64), aMirror, aSpot);
        QCOMPARE(anImage.size(), aDecoration->thumbnailSize(QSize(64, 64)));
        const QColor aPixel = anImage.pixelColor(fetch<QPoint>("pixel"));
        QFETCH(QColor, color);
        if (color.alpha() == 0) {
            QCOMPARE(aPixel.alpha(), 0);
        } else {
            QCOMPARE(aPixel.alpha(), 255);
            QCOMPARE(aPixel.rgb(), color.rgb());
        }
        // Asked again the same way, the cached picture comes back.
        QCOMPARE(aDecoration->thumbnail(QSize(64, 64), aMirror, aSpot).cacheKey(), anImage.cacheKey());
    }

    void designStyleXml_data()
    {
        columns<QString, QString>("element", "debugText");
        row("plain", "<clipart designElementId='77'/>",
            "        Clipart:\n          Design Element Id: 77\n          GSEL: 0\n          Mirror: none");
        row("spot colour, mirrored, recoloured",
            "<clipart designElementId='78' gsel='1'><mirror mirror-axis='vertical'/>"
            "<colorReplacement from='#ff0000' to='#0000ff'/></clipart>",
            "        Clipart:\n          Design Element Id: 78\n          GSEL: 1\n          Mirror: vertical\n"
            "          Color: #ff0000,255 -> #0000ff,255");
    }

    void designStyleXml()
    {
        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(fetch<QString>("element").toUtf8(), QStringLiteral("test"));
        const LMConfiguredDecorationTemplate aRead
            = LMConfiguredDecorationTemplate::fromDesignStyleXml(aDocument.documentElement());
        QTEST(aRead.toDebugString(), "debugText");
        QDomDocument anOut;
        QDomElement aWritten = anOut.createElement(QStringLiteral("clipart"));
        anOut.appendChild(aWritten);
        aRead.toDesignStyleXml(aWritten);
        QCOMPARE(LMConfiguredDecorationTemplate::fromDesignStyleXml(aWritten), aRead);
    }

private:
    QTemporaryDir myDir;
};

QTEST_MAIN(tst_DecorationModel)
#include "tst_decorationmodel.moc"
