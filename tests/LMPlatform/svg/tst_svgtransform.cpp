#include "LMMath.h"
#include "LMSVGLayerType.h"
#include "LMSVGTransformReader.h"
#include "LMTestSupport.h"
#include "LMTextFormatChange.h"
#include "LMTextFormatParserSVG.h"
#include "LMTextTransform.h"
#include "LMXMLLoader.h"

#include <QTest>
#include <QTransform>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

Q_DECLARE_METATYPE(LMTextFormatChange)

using LMTestSupport::elementWithId;

namespace {

bool fuzzyEqual(const QTransform& theA, const QTransform& theB)
{
    const double anA[] = { theA.m11(), theA.m12(), theA.m13(), theA.m21(), theA.m22(),
                           theA.m23(), theA.m31(), theA.m32(), theA.m33() };
    const double aB[] = { theB.m11(), theB.m12(), theB.m13(), theB.m21(), theB.m22(),
                          theB.m23(), theB.m31(), theB.m32(), theB.m33() };
    for (int anIndex = 0; anIndex < 9; ++anIndex) {
        if (std::abs(anA[anIndex] - aB[anIndex]) > 1e-9)
            return false;
    }
    return true;
}

QString describe(const QTransform& theTransform)
{
    return QStringLiteral("(%1 %2 %3 %4 %5 %6)")
        .arg(theTransform.m11())
        .arg(theTransform.m12())
        .arg(theTransform.m21())
        .arg(theTransform.m22())
        .arg(theTransform.dx())
        .arg(theTransform.dy());
}

QString malformedMessage(const QString& theText)
{
    return QStringLiteral("malformed SVG transform \"%1\" read as identity").arg(theText);
}

// Builds the change a row expects, one field at a time.
class Expect
{
public:
    Expect& family(const QString& theFamily)
    {
        return set(LMTextFormat::FontFamily, [&] { myFormat.setFontFamily(theFamily); });
    }
    Expect& size(double thePoints)
    {
        return set(LMTextFormat::FontSize, [&] { myFormat.setFontSize(thePoints); });
    }
    Expect& bold(bool theBold)
    {
        return set(LMTextFormat::Bold, [&] { myFormat.setBold(theBold); });
    }
    Expect& italic(bool theItalic)
    {
        return set(LMTextFormat::Italic, [&] { myFormat.setItalic(theItalic); });
    }
    Expect& color(const QColor& theColor)
    {
        return set(LMTextFormat::FontColor, [&] { myFormat.setFontColor(theColor); });
    }
    Expect& align(Qt::Alignment theAlignment)
    {
        return set(LMTextFormat::AlignmentHorizontal, [&] { myFormat.setAlignmentHorizontal(theAlignment); });
    }
    Expect& spacingMm(double theMillimetres)
    {
        return set(LMTextFormat::LetterSpacing,
                   [&] { myFormat.setLetterSpacing(LMDistance(theMillimetres, LMDistanceUnit::Millimetre)); });
    }
    Expect& lineHeight(int thePercent)
    {
        return set(LMTextFormat::LineHeight, [&] { myFormat.setLineHeightPercent(thePercent); });
    }
    operator LMTextFormatChange() const { return LMTextFormatChange(myFormat, myFields); }

private:
    template <typename F> Expect& set(LMTextFormat::Field theField, F theSetter)
    {
        theSetter();
        myFields |= theField;
        return *this;
    }

    LMTextFormat myFormat;
    LMTextFormat::Fields myFields;
};

// One row of a table whose columns are the text, the DPI and the expected change.
template <typename Text>
void textRow(const char* theTag, const Text& theText, const LMTextFormatChange& theExpected, double theDpi = 254)
{
    QTest::newRow(theTag) << theText << theDpi << theExpected;
}

QByteArray describe(const LMTextFormatChange& theChange)
{
    QString aText;
    QDebug(&aText) << theChange;
    return aText.toUtf8();
}

} // namespace

// Transforms, rotations, layer kinds and text formats as SVG documents write them.
class TestSVGTransform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        columns<QString, QTransform>("text", "expected");

        const double aTan30 = std::tan(qDegreesToRadians(30.0));
        row("empty", QString(), QTransform());
        row("blanks only", " \t\n ", QTransform());
        row("translate x only", "translate(10)", QTransform(1, 0, 0, 1, 10, 0));
        row("translate comma and blanks", "  translate ( 10 , -20 )  ", QTransform(1, 0, 0, 1, 10, -20));
        row("numbers touching", "translate(10-5)", QTransform(1, 0, 0, 1, 10, -5));
        row("fractions touching", "translate(.5.25)", QTransform(1, 0, 0, 1, 0.5, 0.25));
        row("exponents", "translate(1e1,-2E-1)", QTransform(1, 0, 0, 1, 10, -0.2));
        row("scale uniform", "scale(2)", QTransform(2, 0, 0, 2, 0, 0));
        row("scale two", "scale(2,-3)", QTransform(2, 0, 0, -3, 0, 0));
        row("rotate quarter", "rotate(90)", QTransform(0, 1, -1, 0, 0, 0));
        // (x, y) -> (30 - y, x + 10): the centre (10, 20) stays where it is.
        row("rotate about centre", "rotate(90 10 20)", QTransform(0, 1, -1, 0, 30, 10));
        row("matrix", "matrix(1 2 3 4 5 6)", QTransform(1, 2, 3, 4, 5, 6));
        row("skewX", "skewX(30)", QTransform(1, 0, aTan30, 1, 0, 0));
        row("skewY", "skewY(30)", QTransform(1, aTan30, 0, 1, 0, 0));
        // The rightmost function acts first.
        row("translate then scale", "translate(10,0) scale(2)", QTransform(2, 0, 0, 2, 10, 0));
        row("functions touching", "translate(1)scale(2)", QTransform(2, 0, 0, 2, 1, 0));
        row("functions comma", "translate(1) , scale(2)", QTransform(2, 0, 0, 2, 1, 0));
        // (1, 0) -> rotate: (0, 1) -> translate: (5, 1).
    }

    void parse()
    {
        const QTransform aResult = LMSVGTransformReader::parse(fetch<QString>("text"));
        QVERIFY2(fuzzyEqual(aResult, fetch<QTransform>("expected")), qPrintable(describe(aResult)));
    }

    void malformed_data()
    {
        QTest::addColumn<QString>("text");

        row("unclosed", "translate(10");
        row("no parentheses", "translate 10");
        row("unknown function", "shift(1)");
        row("names are case-sensitive", "Translate(1)");
        row("rotate two arguments", "rotate(1 2)");
        row("matrix too few", "matrix(1 2 3)");
        row("matrix too many", "matrix(1 2 3 4 5 6 7)");
        row("no arguments", "scale()");
        row("double comma", "translate(1,,2)");
        row("leading comma", "translate(,1)");
        row("trailing comma", "translate(1),");
        row("not a number", "translate(abc)");
        row("overflow", "translate(1e400)");
        row("unit", "translate(10px)");
        row("fullwidth digits", QString::fromUtf8("translate(\xef\xbc\x91)"));
        row("garbage after a good function", "translate(10) ;");
        row("skewX two", "skewX(1 2)");
    }

    void malformed()
    {
        QFETCH(QString, text);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(malformedMessage(text)));
        QVERIFY(LMSVGTransformReader::parse(text).isIdentity());
    }

    void transformMatrix_data()
    {
        columns<QByteArray, QString, QPointF, QPointF>("xml", "warning", "local", "document");

        // Three ancestors and the element itself; the target element has id "t".
        const QByteArray aChain = "<svg><g transform=\"translate(100,0)\"><g transform=\"scale(2)\">"
                                  "<g transform=\"rotate(90)\"><rect id=\"t\" transform=\"translate(1,0)\"/>"
                                  "</g></g></g></svg>";
        // (0,0) -> (1,0) -> (0,1) -> (0,2) -> (100,2)
        row("three ancestors, origin", aChain, QString(), QPointF(0, 0), QPointF(100, 2));
        // (1,0) -> (2,0) -> (0,2) -> (0,4) -> (100,4)
        row("three ancestors, unit x", aChain, QString(), QPointF(1, 0), QPointF(100, 4));
        row("no transforms", QByteArray("<svg><g><rect id=\"t\"/></g></svg>"), QString(), QPointF(3, 4), QPointF(3, 4));
        row("root transform counts",
            QByteArray("<svg transform=\"scale(10)\"><g><rect id=\"t\" transform=\"translate(1 1)\"/></g></svg>"),
            QString(), QPointF(0, 0), QPointF(10, 10));
        row("malformed ancestor is identity",
            QByteArray("<svg><g transform=\"translate(5,5)\"><g transform=\"rotate(\">"
                       "<rect id=\"t\" transform=\"scale(3)\"/></g></g></svg>"),
            "rotate(", QPointF(1, 1), QPointF(8, 8));
        row("children of the element do not count",
            QByteArray("<svg><g id=\"t\" transform=\"translate(1,2)\"><g transform=\"scale(9)\"/></g></svg>"),
            QString(), QPointF(0, 0), QPointF(1, 2));
    }

    void transformMatrix()
    {
        QFETCH(QString, warning);
        QFETCH(QPointF, document);

        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(fetch<QByteArray>("xml"), QStringLiteral("chain.svg"));
        QVERIFY(!aDocument.isNull());
        const QDomElement aTarget = elementWithId(aDocument.documentElement(), QStringLiteral("t"));
        QVERIFY(!aTarget.isNull());
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(malformedMessage(warning)));
        const QPointF aMapped = LMSVGTransformReader::transformMatrix(aTarget).map(fetch<QPointF>("local"));
        QVERIFY2(std::abs(aMapped.x() - document.x()) < 1e-9 && std::abs(aMapped.y() - document.y()) < 1e-9,
                 qPrintable(QStringLiteral("%1, %2").arg(aMapped.x()).arg(aMapped.y())));
    }

    // Whole numbers from numbers read from files: every reader's conversion goes through it.
    void boundedInt_data()
    {
        columns<double, int>("value", "expected");
        row("inside, rounded half away from zero", 2.5, 3);
        row("just below the maximum", 99.4, 99);
        row("above the maximum", 100.5, 100);
        row("far below int", -1e300, -100);
        row("not a number gives the fallback", qQNaN(), 7);
    }

    void boundedInt()
    {
        QFETCH(double, value);
        QTEST(LMMath::boundedInt(value, -100, 100, 7), "expected");
        QCOMPARE(LMMath::boundedInt64(value * 1e10, -100, 100, 7), LMMath::boundedInt(value * 1e10, -100, 100, 7));
    }

    void rotation_data()
    {
        columns<QString, double>("transform", "degrees");

        row("identity", QString(), 0.0);
        row("270 is minus 90", "rotate(270)", -90.0);
        row("minus 180 is 180", "rotate(-180)", 180.0);
        row("just above minus 180", "rotate(-179.5)", -179.5);
        row("composed to a quarter turn", "rotate(30) rotate(60)", 90.0);
        row("tiny error snaps", "rotate(1e-12)", 0.0);
        row("small angle kept", "rotate(1e-6)", 1e-6);
        row("scaled", "rotate(10) scale(3)", 10.0);
        row("mirrored y", "scale(1,-1)", 0.0);
        // The x axis is mirrored to (-1, 0) first, then turned by 45 degrees.
        row("mirrored then rotated", "rotate(45) scale(-1,1)", -135.0);
    }

    void rotation()
    {
        const double aResult = LMMath::calcRotation(LMSVGTransformReader::parse(fetch<QString>("transform")));
        QVERIFY2(std::abs(aResult - fetch<double>("degrees")) < 1e-9, qPrintable(QString::number(aResult, 'g', 17)));
        QVERIFY(aResult > -180.0 && aResult <= 180.0);
    }

    void layerType_data()
    {
        columns<QString, int>("attribute", "expected");

        row("transfer", "1", 1);
        row("reference with blanks", " 4 ", 4);
        row("three is no kind", "3", 0);
        row("zero", "0", 0);
        row("word", "render", 0);
        row("empty", QString(), 0);
    }

    void layerType()
    {
        QFETCH(int, expected);
        const LMSVGLayerType aType = LMSVGLayerType::fromAttributeValue(fetch<QString>("attribute"));
        QCOMPARE(aType.value(), expected);
        if (expected != 0)
            QCOMPARE(LMSVGLayerType(aType.encode()).value(), expected); // the words read back
    }

    void parseCSS_data()
    {
        columns<QString, double, LMTextFormatChange>("css", "dpi", "expected");

        textRow("empty", QString(), Expect());
        textRow("size in points", "font-size: 12pt", Expect().size(12));
        textRow("size in px at 254 dpi", "font-size:127px", Expect().size(36));
        textRow("size in user units at 72 dpi", "font-size: 10", Expect().size(10), 72);
        textRow("size in mm", "font-size: 25.4mm", Expect().size(72));
        textRow("size in inches, upper case", "FONT-SIZE: .5IN", Expect().size(36));
        textRow("size malformed", "font-size: big", Expect());
        textRow("size negative", "font-size: -3pt", Expect());
        textRow("size relative unit", "font-size: 2em", Expect());
        textRow("important", "font-size: 12pt !important", Expect().size(12));
        textRow("family list quoted", "font-family: 'Open Sans', Arial, sans-serif", Expect().family("Open Sans"));
        textRow("bold", "font-weight: bold", Expect().bold(true));
        textRow("weight 700", "font-weight: 700", Expect().bold(true));
        textRow("weight 400", "font-weight: 400", Expect().bold(false));
        textRow("weight unknown", "font-weight: heavy", Expect());
        textRow("italic", "font-style: Italic", Expect().italic(true));
        textRow("oblique", "font-style: oblique", Expect().italic(true));
        textRow("style normal", "font-style: normal", Expect().italic(false));
        textRow("fill short hex", "fill: #f00", Expect().color(QColor(255, 0, 0)));
        textRow("fill rgb", "fill: rgb(255, 0, 128)", Expect().color(QColor(255, 0, 128)));
        textRow("fill rgb percent", "fill:rgb(100%,0%,50%)", Expect().color(QColor(255, 0, 128)));
        textRow("fill none", "fill: none", Expect().color(QColor(Qt::transparent)));
        textRow("fill gradient", "fill: url(#g)", Expect());
        textRow("fill with alpha first", "fill: #80ff0000", Expect());
        textRow("anchor middle", "text-anchor: middle", Expect().align(Qt::AlignHCenter));
        textRow("anchor end", "text-anchor: end", Expect().align(Qt::AlignRight));
        textRow("anchor start", "text-anchor: start", Expect().align(Qt::AlignLeft));
        textRow("align justify", "text-align: justify", Expect().align(Qt::AlignJustify));
        textRow("anchor justify", "text-anchor: justify", Expect());
        textRow("letter spacing mm", "letter-spacing: 1mm", Expect().spacingMm(1));
        textRow("letter spacing user units", "letter-spacing: 10", Expect().spacingMm(1));
        textRow("line height factor", "line-height: 1.5", Expect().lineHeight(150));
        textRow("line height percent", "line-height: 120%", Expect().lineHeight(120));
        textRow("line height beyond int", "line-height: 1e300", Expect().lineHeight(10000));
        textRow("fill rgb beyond long", "fill: rgb(99999999999999999999, 0, 0)", Expect().color(QColor(255, 0, 0)));
        textRow("line height absolute", "line-height: 12pt", Expect());
        textRow("unknown properties ignored", "stroke: red; font-size: 12pt; opacity: .5", Expect().size(12));
        textRow("later declaration wins", "font-size: 10pt; font-size: 12pt;", Expect().size(12));
        textRow("comments", "/* fill: red; */ font-size: 8pt /* ; bold */", Expect().size(8));
        textRow("declaration without colon", "bold; font-style: italic", Expect().italic(true));
        textRow("sheet with rules", ".a { font-size: 10pt }\ntext { fill: #00ff00; font-size: 11pt }",
                Expect().size(11).color(QColor(0, 255, 0)));
        textRow("unclosed last rule", "text { font-weight: bold", Expect().bold(true));
        textRow("everything",
                "font-family: Georgia; font-size: 254; font-weight: bolder; font-style: italic; fill: #123456; "
                "text-anchor: end",
                Expect()
                    .family("Georgia")
                    .size(72)
                    .bold(true)
                    .italic(true)
                    .color(QColor(0x12, 0x34, 0x56))
                    .align(Qt::AlignRight));
    }

    void parseCSS()
    {
        const LMTextFormatChange aResult = LMTextFormatParserSVG::parseCSS(fetch<QString>("css"), fetch<double>("dpi"));
        QVERIFY2(aResult == fetch<LMTextFormatChange>("expected"), describe(aResult).constData());
    }

    void fromSVG_data()
    {
        columns<QByteArray, double, LMTextFormatChange>("xml", "dpi", "expected");

        textRow(
            "nearest wins over three levels",
            QByteArray("<svg font-style='italic'><g font-family='Arial' font-size='10pt' style='fill:#ff0000'>"
                       "<g style='font-size: 20pt' font-weight='bold'>"
                       "<text id='t' fill='#0000ff' text-anchor='middle'>x</text></g></g></svg>"),
            Expect().italic(true).family("Arial").size(20).bold(true).color(QColor(0, 0, 255)).align(Qt::AlignHCenter));
        textRow("style over attribute on one element",
                QByteArray("<svg><text id='t' style='fill:#00ff00' fill='#0000ff'>x</text></svg>"),
                Expect().color(QColor(0, 255, 0)));
        textRow("inherit keeps the ancestor's",
                QByteArray("<svg><g font-size='12pt'><text id='t' font-size='inherit'>x</text></g></svg>"),
                Expect().size(12));
        textRow("user units at the DPI", QByteArray("<svg><text id='t' font-size='127'>x</text></svg>"),
                Expect().size(72), 127);
        textRow("descendants do not count",
                QByteArray("<svg><text id='t'>x<tspan font-size='30pt'>y</tspan></text></svg>"), Expect());
    }

    void fromSVG()
    {
        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(fetch<QByteArray>("xml"), QStringLiteral("text.svg"));
        const QDomElement aText = elementWithId(aDocument.documentElement(), QStringLiteral("t"));
        QVERIFY(!aText.isNull());
        const LMTextFormatChange aResult = LMTextFormatParserSVG::elementFormat(aText, fetch<double>("dpi"));
        QVERIFY2(aResult == fetch<LMTextFormatChange>("expected"), describe(aResult).constData());
    }

    void textTransform_data()
    {
        columns<QString, int, bool>("text", "expected", "warns");

        row("uppercase", "uppercase", 1, false);
        row("mixed case with blanks", " UpperCase ", 1, false);
        row("lowercase", "LOWERCASE", 2, false);
        row("capitalize", "Capitalize", 4, false);
        row("none", "none", 0, false);
        row("empty", QString(), 0, false);
        row("unknown", "shout", 0, true);
        row("two words", "uppercase,lowercase", 0, true);
        row("unicode look-alike", QString::fromUtf8("upp\xd0\xb5rcase"), 0, true);
    }

    void textTransform()
    {
        QFETCH(QString, text);
        if (fetch<bool>("warns")) {
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("unknown text transform \"%1\" read as none").arg(text)));
        }
        QTEST(LMTextTransform::parse(text).value(), "expected");
    }
};

QTEST_GUILESS_MAIN(TestSVGTransform)
#include "tst_svgtransform.moc"
