#include "LMErrorHistory.h"
#include "LMXMLBuilder.h"
#include "LMXMLLoader.h"
#include "LMXMLParser.h"

#include "LMTestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cfloat>
#include <climits>
#include <cmath>
#include <csignal>
#include <sys/resource.h>

using Attributes = QMap<QString, QString>;

// Typed attribute reading with its defaults, the text forms the builder writes, and atomic saving.
class TestXMLReadWrite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void numbers_data();
    void numbers();
    void booleans_data();
    void booleans();
    void colors_data();
    void colors();
    void angles_data();
    void angles();
    void distances_data();
    void distances();
    void geometry_data();
    void geometry();
    void nextElement();
    void doubleRoundTrip_data();
    void doubleRoundTrip();
    void colorRoundTrip_data();
    void colorRoundTrip();
    void geometryAndTextRoundTrip();
    void declarationSaysUTF8();
    void saveAndLoad();
    void failedSaveKeepsPreviousFile_data();
    void failedSaveKeepsPreviousFile();
    void partialWriteKeepsPreviousFile();

private:
    // An element "e" with the attributes; a null string value leaves the attribute out.
    static QDomElement element(const Attributes& theAttributes)
    {
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("e"));
        aDocument.appendChild(anElement);
        for (auto anIt = theAttributes.cbegin(); anIt != theAttributes.cend(); ++anIt) {
            if (!anIt.value().isNull())
                anElement.setAttribute(anIt.key(), anIt.value());
        }
        return anElement;
    }
    static QDomElement withValue(const QString& theValue) { return element({ { QStringLiteral("v"), theValue } }); }
    static QDomElement reloaded(const QDomDocument& theDocument)
    {
        return LMXMLLoader::loadDocumentFromData(LMXMLBuilder::toUTF8(theDocument), QStringLiteral("round trip"))
            .documentElement();
    }
    static QByteArray contentOf(const QString& thePath)
    {
        QFile aFile(thePath);
        return aFile.open(QIODevice::ReadOnly) ? aFile.readAll() : QByteArray("<unreadable>");
    }
    static QDomDocument smallDocument(const QString& theName)
    {
        QDomDocument aDocument;
        QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("whitelist"));
        QDomElement aFile = LMXMLBuilder::buildDomElement(aRoot, QStringLiteral("file"));
        LMXMLBuilder::addAttribute(aFile, QStringLiteral("name"), theName);
        return aDocument;
    }
};

void TestXMLReadWrite::initTestCase()
{
    // Numbers are read and written in the C locale whatever the user's is.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestXMLReadWrite::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestXMLReadWrite::cleanupTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestXMLReadWrite::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expectedInt"); // the default is -7
    QTest::addColumn<double>("expectedDouble"); // the default is -7.5

    const QString aMissing;
    QTest::newRow("missing") << aMissing << -7 << -7.5;
    QTest::newRow("empty") << "" << -7 << -7.5;
    QTest::newRow("surrounding blanks") << " 12 " << 12 << 12.0;
    QTest::newRow("trailing letters") << "12abc" << -7 << -7.5;
    QTest::newRow("exponent") << "1e3" << -7 << 1000.0;
    QTest::newRow("decimal") << "2.25" << -7 << 2.25;
    QTest::newRow("leading point") << ".5" << -7 << 0.5;
    QTest::newRow("comma decimal") << "1,5" << -7 << -7.5;
    QTest::newRow("plus sign") << "+8" << 8 << 8.0;
    QTest::newRow("hexadecimal") << "0x10" << -7 << -7.5;
    QTest::newRow("nan") << "nan" << -7 << -7.5;
    QTest::newRow("inf") << "inf" << -7 << -7.5;
    QTest::newRow("negative inf") << "-inf" << -7 << -7.5;
    QTest::newRow("int max") << "2147483647" << INT_MAX << 2147483647.0;
    QTest::newRow("int min") << "-2147483648" << INT_MIN << -2147483648.0;
    QTest::newRow("int overflow") << "2147483648" << -7 << 2147483648.0;
    QTest::newRow("int underflow") << "-2147483649" << -7 << -2147483649.0;
    QTest::newRow("long digits") << "99999999999999999999" << -7 << 1e20;
    QTest::newRow("double overflow") << "1e400" << -7 << -7.5;
    QTest::newRow("smallest denormal") << "4.9406564584124654e-324" << -7 << 4.9406564584124654e-324;
    QTest::newRow("sign only") << "-" << -7 << -7.5;
    QTest::newRow("two signs") << "+-1" << -7 << -7.5;
    QTest::newRow("signed exponent") << "-1.5E+2" << -7 << -150.0;
    QTest::newRow("80 digits") << QString(80, u'1') << -7 << -7.5;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << -7 << -7.5;
    QTest::newRow("German thousands") << "1.000,5" << -7 << -7.5;
}

void TestXMLReadWrite::numbers()
{
    QFETCH(QString, text);
    QFETCH(int, expectedInt);
    QFETCH(double, expectedDouble);
    const QDomElement anElement = withValue(text);
    const QString aName = QStringLiteral("v");

    QCOMPARE(LMXMLParser::intAttribute(anElement, aName, -7), expectedInt);
    QCOMPARE(LMXMLParser::intAttribute(anElement.attributes(), aName, -7), expectedInt);
    QCOMPARE(LMXMLParser::doubleAttribute(anElement, aName, -7.5), expectedDouble);
    QCOMPARE(LMXMLParser::doubleAttribute(anElement.attributes(), aName, -7.5), expectedDouble);
    bool anOk = true;
    const int aFast = LMXMLParser::fastDecodeInt(text, &anOk);
    QCOMPARE(anOk, expectedInt != -7);
    QCOMPARE(aFast, anOk ? expectedInt : 0);
}

void TestXMLReadWrite::booleans_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 1 true, 0 false, -1 the default

    QTest::newRow("missing") << QString() << -1;
    QTest::newRow("empty") << "" << -1;
    for (const char* aWord : { "true", "TRUE", "Yes", "1", " yes " })
        QTest::newRow(aWord) << aWord << 1;
    for (const char* aWord : { "false", "False", "NO", "0" })
        QTest::newRow(aWord) << aWord << 0;
    for (const char* aWord : { "on", "off", "2", "-1", "truth", "y" })
        QTest::newRow(aWord) << aWord << -1;
}

void TestXMLReadWrite::booleans()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const QDomElement anElement = withValue(text);

    for (const bool aDefault : { false, true }) {
        const bool anExpected = expected < 0 ? aDefault : expected == 1;
        QCOMPARE(LMXMLParser::boolAttribute(anElement, QStringLiteral("v"), aDefault), anExpected);
        QCOMPARE(LMXMLParser::boolAttribute(anElement.attributes(), QStringLiteral("v"), aDefault), anExpected);
    }
}

void TestXMLReadWrite::colors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("expected"); // plain form; invalid: the default
    QTest::addColumn<QColor>("expectedEx"); // with an alpha suffix allowed

    const QColor aDefault;
    const QColor aRed(255, 0, 0);
    QTest::newRow("missing") << QString() << aDefault << aDefault;
    QTest::newRow("empty") << "" << aDefault << aDefault;
    QTest::newRow("#rgb") << "#abc" << QColor(0xaa, 0xbb, 0xcc) << QColor(0xaa, 0xbb, 0xcc);
    QTest::newRow("#rrggbb upper case") << "#A0B1C2" << QColor(0xa0, 0xb1, 0xc2) << QColor(0xa0, 0xb1, 0xc2);
    QTest::newRow("#aarrggbb") << "#80ff0000" << QColor(255, 0, 0, 128) << QColor(255, 0, 0, 128);
    QTest::newRow("blanks") << " #102030 " << QColor(0x10, 0x20, 0x30) << QColor(0x10, 0x20, 0x30);
    QTest::newRow("name") << "red" << aRed << aRed;
    QTest::newRow("name in capitals") << "Transparent" << QColor(0, 0, 0, 0) << QColor(0, 0, 0, 0);
    QTest::newRow("four digits") << "#abcd" << aDefault << aDefault;
    QTest::newRow("twelve digits") << "#fff0000000ff" << aDefault << aDefault;
    QTest::newRow("not hexadecimal") << "#gg0000" << aDefault << aDefault;
    QTest::newRow("no hash") << "ff0000" << aDefault << aDefault;
    QTest::newRow("unknown name") << "notacolour" << aDefault << aDefault;
    QTest::newRow("two alpha digits") << "#ff0000,80" << aDefault << QColor(255, 0, 0, 0x80);
    QTest::newRow("one alpha digit") << "#ff0000,8" << aDefault << QColor(255, 0, 0, 8);
    QTest::newRow("empty alpha") << "#ff0000," << aDefault << aDefault;
    QTest::newRow("three alpha digits") << "#ff0000,123" << aDefault << aDefault;
    QTest::newRow("alpha not hexadecimal") << "#ff0000,zz" << aDefault << aDefault;
}

void TestXMLReadWrite::colors()
{
    QFETCH(QString, text);
    QFETCH(QColor, expected);
    QFETCH(QColor, expectedEx);
    const QDomElement anElement = withValue(text);
    const QColor aDefault(1, 2, 3);
    const auto orDefault = [&](const QColor& theColor) {
        return theColor.isValid() ? theColor : aDefault;
    };

    QCOMPARE(LMXMLParser::colorAttribute(anElement, QStringLiteral("v"), aDefault), orDefault(expected));
    QCOMPARE(LMXMLParser::colorAttribute(anElement.attributes(), QStringLiteral("v"), aDefault), orDefault(expected));
    QCOMPARE(LMXMLParser::colorAttributeEx(anElement, QStringLiteral("v"), aDefault), orDefault(expectedEx));
    // Without a default an absent or malformed colour is invalid.
    QCOMPARE(LMXMLParser::colorAttributeEx(anElement, QStringLiteral("v")).isValid(), expectedEx.isValid());
}

void TestXMLReadWrite::angles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // the default is 45

    QTest::newRow("missing") << QString() << 45;
    QTest::newRow("right angle") << "90" << 90;
    QTest::newRow("negative, as written") << "-90" << -90;
    QTest::newRow("beyond a turn, as written") << "450" << 450;
    QTest::newRow("decimal rounds") << "89.6" << 90;
    QTest::newRow("half rounds away from zero") << "-0.5" << -1;
    QTest::newRow("malformed") << "90deg" << 45;
    QTest::newRow("beyond int") << "3e9" << 45;
}

void TestXMLReadWrite::angles()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const QDomElement anElement = withValue(text);

    QCOMPARE(LMXMLParser::readAngle(anElement, QStringLiteral("v"), LMAngle(45)).degrees(), expected);
    QCOMPARE(LMXMLParser::readAngle(anElement.attributes(), QStringLiteral("v"), LMAngle(45)).degrees(), expected);
}

void TestXMLReadWrite::distances_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LMDistance>("expected"); // the default is 7 units

    const LMDistance aDefault(7.0);
    QTest::newRow("missing") << QString() << aDefault;
    QTest::newRow("empty") << "" << aDefault;
    QTest::newRow("units") << "12.5" << LMDistance(12.5);
    QTest::newRow("millimetres") << "4mm" << LMDistance(4.0, LMDistanceUnit::Millimetre);
    QTest::newRow("relative, blanks") << " 0.02 rel " << LMDistance(0.02, LMDistanceUnit::Relative);
    QTest::newRow("negative") << "-1.5mm" << LMDistance(-1.5, LMDistanceUnit::Millimetre);
    QTest::newRow("unknown unit") << "4cm" << aDefault;
    QTest::newRow("unit only") << "mm" << aDefault;
    QTest::newRow("comma decimal") << "1,5mm" << aDefault;
}

void TestXMLReadWrite::distances()
{
    QFETCH(QString, text);
    QFETCH(LMDistance, expected);
    const QDomElement anElement = withValue(text);

    QCOMPARE(LMXMLParser::readDistance(anElement, QStringLiteral("v"), LMDistance(7.0)), expected);
    QCOMPARE(LMXMLParser::readDistance(anElement.attributes(), QStringLiteral("v"), LMDistance(7.0)), expected);
}

void TestXMLReadWrite::geometry_data()
{
    QTest::addColumn<Attributes>("attributes");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QRectF>("rectF"); // default (-1, -2, -3, -4)
    QTest::addColumn<QSizeF>("sizeF"); // default (-3, -4)
    QTest::addColumn<QRect>("rect"); // default (-1, -2, -3, -4)
    QTest::addColumn<QMarginsF>("margins"); // default (-5, -6, -7, -8)

    QTest::newRow("nothing") << Attributes() << QString() << QRectF(-1, -2, -3, -4) << QSizeF(-3, -4)
                             << QRect(-1, -2, -3, -4) << QMarginsF(-5, -6, -7, -8);
    QTest::newRow("all values") << Attributes { { "x", "10" },       { "y", "20.5" },  { "width", "300" },
                                                { "height", "400" }, { "left", "1" },  { "top", "2.5" },
                                                { "right", "3" },    { "bottom", "4" } }
                                << QString() << QRectF(10, 20.5, 300, 400) << QSizeF(300, 400)
                                << QRect(10, -2, 300, 400) << QMarginsF(1, 2.5, 3, 4);
    QTest::newRow("each malformed value takes the default's")
        << Attributes { { "x", "10mm" }, { "y", "20" }, { "width", "" }, { "height", "40" }, { "top", "x" } }
        << QString() << QRectF(-1, 20, -3, 40) << QSizeF(-3, 40) << QRect(-1, 20, -3, 40) << QMarginsF(-5, -6, -7, -8);
    QTest::newRow("negative size stays") << Attributes { { "width", "-30" }, { "height", "0" } } << QString()
                                         << QRectF(-1, -2, -30, 0) << QSizeF(-30, 0) << QRect(-1, -2, -30, 0)
                                         << QMarginsF(-5, -6, -7, -8);
    QTest::newRow("prefix") << Attributes { { "x", "1" },
                                            { "innerx", "5" },
                                            { "innerwidth", "50" },
                                            { "innerheight", "60" },
                                            { "innerleft", "9" } }
                            << "inner" << QRectF(5, -2, 50, 60) << QSizeF(50, 60) << QRect(5, -2, 50, 60)
                            << QMarginsF(9, -6, -7, -8);
    QTest::newRow("SVG size from the view box")
        << Attributes { { "width", "210mm" }, { "viewBox", "0 0 2100 2970" } } << QString() << QRectF(-1, -2, -3, -4)
        << QSizeF(2100, 2970) << QRect(-1, -2, -3, -4) << QMarginsF(-5, -6, -7, -8);
    QTest::newRow("SVG width given, height from the view box")
        << Attributes { { "width", "1000" }, { "viewBox", "0,0, 2100,2970.5" } } << QString()
        << QRectF(-1, -2, 1000, -4) << QSizeF(1000, 2970.5) << QRect(-1, -2, 1000, -4) << QMarginsF(-5, -6, -7, -8);
    QTest::newRow("malformed view box") << Attributes { { "viewBox", "0 0 2100" } } << QString()
                                        << QRectF(-1, -2, -3, -4) << QSizeF(-3, -4) << QRect(-1, -2, -3, -4)
                                        << QMarginsF(-5, -6, -7, -8);
    QTest::newRow("view box ignored with a prefix")
        << Attributes { { "viewBox", "0 0 10 20" } } << "lumo:" << QRectF(-1, -2, -3, -4) << QSizeF(-3, -4)
        << QRect(-1, -2, -3, -4) << QMarginsF(-5, -6, -7, -8);
}

void TestXMLReadWrite::geometry()
{
    QFETCH(Attributes, attributes);
    QFETCH(QString, prefix);
    QFETCH(QRectF, rectF);
    QFETCH(QSizeF, sizeF);
    QFETCH(QRect, rect);
    QFETCH(QMarginsF, margins);
    const QDomElement anElement = element(attributes);
    const QDomNamedNodeMap aMap = anElement.attributes();

    QCOMPARE(LMXMLParser::readRectF(anElement, QRectF(-1, -2, -3, -4), prefix), rectF);
    QCOMPARE(LMXMLParser::readRectF(aMap, QRectF(-1, -2, -3, -4), prefix), rectF);
    QCOMPARE(LMXMLParser::readSizeF(anElement, QSizeF(-3, -4), prefix), sizeF);
    QCOMPARE(LMXMLParser::readSizeF(aMap, QSizeF(-3, -4), prefix), sizeF);
    QCOMPARE(LMXMLParser::readRect(anElement, QRect(-1, -2, -3, -4), prefix), rect);
    QCOMPARE(LMXMLParser::readRect(aMap, QRect(-1, -2, -3, -4), prefix), rect);
    QCOMPARE(LMXMLParser::readSize(anElement, QSize(-3, -4), prefix), rect.size());
    QCOMPARE(LMXMLParser::readMargins(anElement, QMarginsF(-5, -6, -7, -8), prefix), margins);
    QCOMPARE(LMXMLParser::readMargins(aMap, QMarginsF(-5, -6, -7, -8), prefix), margins);
}

void TestXMLReadWrite::nextElement()
{
    const QDomElement aRoot
        = LMXMLLoader::loadDocumentFromData("<r><a n='1'/>text<!-- c --><b n='2'/><a n='3'/></r>", QStringLiteral("r"))
              .documentElement();
    const QDomElement aFirst = aRoot.firstChildElement();
    QCOMPARE(LMXMLParser::nextElement(aFirst).attribute(QStringLiteral("n")), QStringLiteral("2"));
    QCOMPARE(LMXMLParser::nextElement(aFirst, QStringLiteral("a")).attribute(QStringLiteral("n")), QStringLiteral("3"));
    QVERIFY(LMXMLParser::nextElement(aFirst, QStringLiteral("c")).isNull());
    QVERIFY(LMXMLParser::nextElement(aRoot.lastChildElement()).isNull());
    QVERIFY(LMXMLParser::nextElement(QDomElement()).isNull());
}

void TestXMLReadWrite::doubleRoundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("third") << 1.0 / 3.0 << "0.3333333333333333";
    QTest::newRow("negative zero") << -0.0 << "-0";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("whole") << 2100.0 << "2100";
    QTest::newRow("large") << 1e21 << "1e+21";
    QTest::newRow("largest") << DBL_MAX << "1.7976931348623157e+308";
    QTest::newRow("smallest normal") << DBL_MIN << "2.2250738585072014e-308";
    QTest::newRow("smallest denormal") << 4.9406564584124654e-324 << "5e-324";
    QTest::newRow("negative") << -12.625 << "-12.625";
}

void TestXMLReadWrite::doubleRoundTrip()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    QDomDocument aDocument;
    QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("r"));
    LMXMLBuilder::addAttribute(aRoot, QStringLiteral("v"), value);
    QCOMPARE(aRoot.attribute(QStringLiteral("v")), text);

    const double aRead = LMXMLParser::doubleAttribute(reloaded(aDocument), QStringLiteral("v"), 99.0);
    QVERIFY2(aRead == value, qPrintable(QString::number(aRead, 'g', 17)));
    QCOMPARE(std::signbit(aRead), std::signbit(value));
}

void TestXMLReadWrite::colorRoundTrip_data()
{
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("text");

    QTest::newRow("opaque") << QColor(0x12, 0xab, 0xef) << "#12abef";
    QTest::newRow("half transparent") << QColor(255, 0, 0, 128) << "#80ff0000";
    QTest::newRow("fully transparent") << QColor(0, 0, 0, 0) << "#00000000";
    QTest::newRow("named") << QColor(QStringLiteral("white")) << "#ffffff";
    QTest::newRow("from HSV") << QColor::fromHsv(120, 255, 255) << "#00ff00";
    QTest::newRow("invalid writes nothing") << QColor() << QString();
}

void TestXMLReadWrite::colorRoundTrip()
{
    QFETCH(QColor, color);
    QFETCH(QString, text);

    QDomDocument aDocument;
    QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("r"));
    LMXMLBuilder::addAttribute(aRoot, QStringLiteral("c"), color);
    QCOMPARE(aRoot.hasAttribute(QStringLiteral("c")), !text.isNull());
    QCOMPARE(aRoot.attribute(QStringLiteral("c")), text);
    const QColor aRead = LMXMLParser::colorAttribute(reloaded(aDocument), QStringLiteral("c"));
    QCOMPARE(aRead.isValid(), color.isValid());
    if (color.isValid())
        QCOMPARE(aRead.rgba(), color.rgba());
}

void TestXMLReadWrite::geometryAndTextRoundTrip()
{
    QDomDocument aDocument;
    QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("lumo:template"));
    QDomElement anArea = LMXMLBuilder::buildDomElement(aRoot, QStringLiteral("photo"));
    const QString aText = QStringLiteral("line 1\nline 2\t\"<&>' Gr\u00fc\u00dfe \U0001F600");
    LMXMLBuilder::addAttribute(anArea, QStringLiteral("name"), aText);
    LMXMLBuilder::addAttribute(anArea, QStringLiteral("literal"),
                               "Gr\xc3\xbc\xc3\x9f"
                               "e");
    LMXMLBuilder::addAttribute(anArea, QStringLiteral("locked"), true);
    LMXMLBuilder::addAttribute(anArea, QStringLiteral("count"), -42);
    LMXMLBuilder::addAttribute(anArea, QStringLiteral("angle"), LMAngle(-90));
    LMXMLBuilder::addAttribute(anArea, QStringLiteral("spacing"), LMDistance(0.1, LMDistanceUnit::Millimetre));
    LMXMLBuilder::addAttribute(anArea, QRectF(0.125, 1e-3, 2100.5, 1.0 / 3.0));
    LMXMLBuilder::addAttribute(anArea, QSize(300, 400), QStringLiteral("inner"));
    LMXMLBuilder::addAttribute(anArea, QMarginsF(1, 2, 3, 4.5), QStringLiteral("padding-"));
    LMXMLBuilder::buildDomElement(anArea, QStringLiteral("text")).appendChild(aDocument.createTextNode(aText));

    const QDomElement aRead = reloaded(aDocument).firstChildElement(QStringLiteral("photo"));
    QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("name")), aText);
    QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("literal")), QStringLiteral("Gr\u00fc\u00dfe"));
    QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("locked")), QStringLiteral("true"));
    QCOMPARE(LMXMLParser::boolAttribute(aRead, QStringLiteral("locked"), false), true);
    QCOMPARE(LMXMLParser::intAttribute(aRead, QStringLiteral("count"), 0), -42);
    QCOMPARE(LMXMLParser::readAngle(aRead, QStringLiteral("angle")), LMAngle(-90));
    QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("spacing")), QStringLiteral("0.1mm"));
    QCOMPARE(LMXMLParser::readDistance(aRead, QStringLiteral("spacing")), LMDistance(0.1, LMDistanceUnit::Millimetre));
    QCOMPARE(LMXMLParser::readRectF(aRead), QRectF(0.125, 1e-3, 2100.5, 1.0 / 3.0));
    QCOMPARE(LMXMLParser::readSize(aRead, QSize(), QStringLiteral("inner")), QSize(300, 400));
    QCOMPARE(LMXMLParser::readMargins(aRead, QMarginsF(), QStringLiteral("padding-")), QMarginsF(1, 2, 3, 4.5));
    QCOMPARE(aRead.firstChildElement(QStringLiteral("text")).text(), aText);
    QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("absent"), QStringLiteral("fallback")),
             QStringLiteral("fallback"));
    QCOMPARE(LMXMLParser::attribute(aRead.attributes(), QStringLiteral("count")), QStringLiteral("-42"));
}

void TestXMLReadWrite::declarationSaysUTF8()
{
    // A document that declares another encoding is still written, and declared, as UTF-8.
    QDomDocument aForeign;
    aForeign.appendChild(aForeign.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"ISO-8859-1\"")));
    QDomElement aRoot = aForeign.createElement(QStringLiteral("r"));
    aForeign.appendChild(aRoot);
    LMXMLBuilder::addAttribute(aRoot, QStringLiteral("v"), QStringLiteral("\u00e4"));
    QCOMPARE(LMXMLBuilder::toUTF8(aForeign),
             QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r v=\"\xc3\xa4\"/>\n"));

    // The root builder gives a new document its declaration, and replaces another one.
    QDomDocument aDeclared;
    aDeclared.appendChild(aDeclared.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"ISO-8859-1\"")));
    for (QDomDocument aDocument : { QDomDocument(), aDeclared }) {
        LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("whitelist"));
        QCOMPARE(aDocument.childNodes().count(), 2);
        QCOMPARE(aDocument.firstChild().toProcessingInstruction().data(),
                 QStringLiteral("version=\"1.0\" encoding=\"UTF-8\""));
        QCOMPARE(aDocument.documentElement().tagName(), QStringLiteral("whitelist"));
    }
}

void TestXMLReadWrite::saveAndLoad()
{
    QTemporaryDir aDir;
    const QFileInfo aFile(aDir.filePath(QStringLiteral("white_list.conf")));
    LMErrorHistory anErrors;
    QVERIFY(LMXMLBuilder::saveUTF8(smallDocument(QStringLiteral("categories/*.xml")), aFile, &anErrors));
    QVERIFY(anErrors.isEmpty());
    QVERIFY(contentOf(aFile.absoluteFilePath()).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist>"));

    // Saving again replaces the content.
    QVERIFY(LMXMLBuilder::saveUTF8(smallDocument(QStringLiteral("second")), aFile, &anErrors));
    const QDomElement aRoot = LMXMLLoader::loadDocumentElement(aFile);
    QCOMPARE(aRoot.firstChildElement().attribute(QStringLiteral("name")), QStringLiteral("second"));
    QCOMPARE(QDir(aDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "white_list.conf" });
}

void TestXMLReadWrite::failedSaveKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("target"); // relative to the folder; "old.xml" holds the previous file
    QTest::addColumn<QString>("content"); // "good", "empty" (no document element), "control" (U+0001)
    QTest::addColumn<QString>("reason");

    QTest::newRow("file name is a folder") << "folder.xml"
                                           << "good" << QString();
    QTest::newRow("missing folder") << "absent/new.xml"
                                    << "good" << QString();
    QTest::newRow("no document element") << "old.xml"
                                         << "empty"
                                         << "the document has no document element";
    QTest::newRow("control character") << "old.xml"
                                       << "control"
                                       << "the text would not read back";
    QTest::newRow("too deep") << "old.xml"
                              << "deep"
                              << "elements nested deeper than 256 levels";
}

void TestXMLReadWrite::failedSaveKeepsPreviousFile()
{
    QFETCH(QString, target);
    QFETCH(QString, content);
    QFETCH(QString, reason);
    QTemporaryDir aDir;
    const QByteArray aPrevious("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist/>\n");
    LMTestSupport::writeFile(aDir, QStringLiteral("old.xml"), aPrevious);
    QVERIFY(QDir(aDir.path()).mkdir(QStringLiteral("folder.xml")));

    QDomDocument aDocument = smallDocument(QStringLiteral("new"));
    if (content == QLatin1String("empty")) {
        aDocument = QDomDocument();
    } else if (content == QLatin1String("control")) {
        QDomElement aRoot = aDocument.documentElement();
        LMXMLBuilder::addAttribute(aRoot, QStringLiteral("bad"), QStringLiteral("a\u0001b"));
    } else if (content == QLatin1String("deep")) {
        QDomElement anElement = aDocument.documentElement();
        for (int aLevel = 1; aLevel <= LMXMLLoader::ourMaximumDepth; ++aLevel)
            anElement = LMXMLBuilder::buildDomElement(anElement, QStringLiteral("n"));
    }

    const QFileInfo aTarget(aDir.filePath(target));
    LMErrorHistory anErrors;
    QVERIFY(!LMXMLBuilder::saveUTF8(aDocument, aTarget, &anErrors));
    QCOMPARE(anErrors.count(), 1);
    QVERIFY2(anErrors.messages().constFirst().startsWith(QStringLiteral("cannot save XML file ")
                                                         + aTarget.absoluteFilePath() + QStringLiteral(": ")),
             qPrintable(anErrors.messages().constFirst()));
    QVERIFY2(anErrors.messages().constFirst().contains(reason), qPrintable(anErrors.messages().constFirst()));
    QCOMPARE(contentOf(aDir.filePath(QStringLiteral("old.xml"))), aPrevious);
    QVERIFY(QFileInfo(aDir.filePath(QStringLiteral("folder.xml"))).isDir());
    QCOMPARE(QDir(aDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "old.xml" });

    // Without a history the message goes to the log.
    QTest::ignoreMessage(QtWarningMsg, anErrors.messages().constFirst().toUtf8().constData());
    QVERIFY(!LMXMLBuilder::saveUTF8(aDocument, aTarget));
}

void TestXMLReadWrite::partialWriteKeepsPreviousFile()
{
    QTemporaryDir aDir;
    const QByteArray aPrevious("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist/>\n");
    const QFileInfo aFile(LMTestSupport::writeFile(aDir, QStringLiteral("white_list.conf"), aPrevious));
    const QDomDocument aDocument = smallDocument(QString(200, QLatin1Char('x')));

    // The file cannot grow beyond a few bytes: the write of the new content fails half-way.
    rlimit aLimit {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &aLimit), 0);
    const auto aPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit aSmall = aLimit;
    aSmall.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &aSmall), 0);
    LMErrorHistory anErrors;
    const bool aSaved = LMXMLBuilder::saveUTF8(aDocument, aFile, &anErrors);
    setrlimit(RLIMIT_FSIZE, &aLimit);
    std::signal(SIGXFSZ, aPreviousHandler);

    QVERIFY(!aSaved);
    QCOMPARE(anErrors.count(), 1);
    QCOMPARE(contentOf(aFile.absoluteFilePath()), aPrevious);
    QCOMPARE(QDir(aDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "white_list.conf" });
    QVERIFY(LMXMLBuilder::saveUTF8(aDocument, aFile, &anErrors));
    QCOMPARE(anErrors.count(), 1);
}

QTEST_GUILESS_MAIN(TestXMLReadWrite)
#include "tst_xmlreadwrite.moc"
