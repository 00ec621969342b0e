#include "LMMath.h"
#include "LMSVGLayerType.h"
#include "LMSVGTransformReader.h"
#include "LMTestSupport.h"
#include "LMXMLLoader.h"

#include <QTest>
#include <QTransform>

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

} // namespace

class TestSVGTransform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void malformed_data();
    void malformed();
    void transformMatrix_data();
    void transformMatrix();
    void rotation_data();
    void rotation();
    void boundedInt_data();
    void boundedInt();
    void layerType_data();
    void layerType();
};

void TestSVGTransform::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTransform>("expected");

    const double aTan30 = std::tan(qDegreesToRadians(30.0));
    QTest::newRow("empty") << QString() << QTransform();
    QTest::newRow("blanks only") << QStringLiteral(" \t\n ") << QTransform();
    QTest::newRow("translate x only") << QStringLiteral("translate(10)") << QTransform(1, 0, 0, 1, 10, 0);
    QTest::newRow("translate blanks") << QStringLiteral("translate(10 20)") << QTransform(1, 0, 0, 1, 10, 20);
    QTest::newRow("translate comma and blanks")
        << QStringLiteral("  translate ( 10 , -20 )  ") << QTransform(1, 0, 0, 1, 10, -20);
    QTest::newRow("numbers touching") << QStringLiteral("translate(10-5)") << QTransform(1, 0, 0, 1, 10, -5);
    QTest::newRow("fractions touching") << QStringLiteral("translate(.5.25)") << QTransform(1, 0, 0, 1, 0.5, 0.25);
    QTest::newRow("exponents") << QStringLiteral("translate(1e1,-2E-1)") << QTransform(1, 0, 0, 1, 10, -0.2);
    QTest::newRow("scale uniform") << QStringLiteral("scale(2)") << QTransform(2, 0, 0, 2, 0, 0);
    QTest::newRow("scale two") << QStringLiteral("scale(2,-3)") << QTransform(2, 0, 0, -3, 0, 0);
    QTest::newRow("rotate quarter") << QStringLiteral("rotate(90)") << QTransform(0, 1, -1, 0, 0, 0);
    QTest::newRow("rotate negative quarter") << QStringLiteral("rotate(-90)") << QTransform(0, -1, 1, 0, 0, 0);
    // (x, y) -> (30 - y, x + 10): the centre (10, 20) stays where it is.
    QTest::newRow("rotate about centre") << QStringLiteral("rotate(90 10 20)") << QTransform(0, 1, -1, 0, 30, 10);
    QTest::newRow("matrix") << QStringLiteral("matrix(1 2 3 4 5 6)") << QTransform(1, 2, 3, 4, 5, 6);
    QTest::newRow("skewX") << QStringLiteral("skewX(30)") << QTransform(1, 0, aTan30, 1, 0, 0);
    QTest::newRow("skewY") << QStringLiteral("skewY(30)") << QTransform(1, aTan30, 0, 1, 0, 0);
    // The rightmost function acts first.
    QTest::newRow("translate then scale")
        << QStringLiteral("translate(10,0) scale(2)") << QTransform(2, 0, 0, 2, 10, 0);
    QTest::newRow("scale then translate")
        << QStringLiteral("scale(2) translate(10,0)") << QTransform(2, 0, 0, 2, 20, 0);
    QTest::newRow("functions touching") << QStringLiteral("translate(1)scale(2)") << QTransform(2, 0, 0, 2, 1, 0);
    QTest::newRow("functions comma") << QStringLiteral("translate(1) , scale(2)") << QTransform(2, 0, 0, 2, 1, 0);
    // (1, 0) -> rotate: (0, 1) -> translate: (5, 1).
    QTest::newRow("translate rotate") << QStringLiteral("translate(5,0) rotate(90)") << QTransform(0, 1, -1, 0, 5, 0);
}

void TestSVGTransform::parse()
{
    QFETCH(QString, text);
    QFETCH(QTransform, expected);
    const QTransform aResult = LMSVGTransformReader::parse(text);
    QVERIFY2(fuzzyEqual(aResult, expected), qPrintable(describe(aResult)));
}

void TestSVGTransform::malformed_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("unclosed") << QStringLiteral("translate(10");
    QTest::newRow("no parentheses") << QStringLiteral("translate 10");
    QTest::newRow("unknown function") << QStringLiteral("shift(1)");
    QTest::newRow("names are case-sensitive") << QStringLiteral("Translate(1)");
    QTest::newRow("rotate two arguments") << QStringLiteral("rotate(1 2)");
    QTest::newRow("matrix too few") << QStringLiteral("matrix(1 2 3)");
    QTest::newRow("matrix too many") << QStringLiteral("matrix(1 2 3 4 5 6 7)");
    QTest::newRow("no arguments") << QStringLiteral("scale()");
    QTest::newRow("double comma") << QStringLiteral("translate(1,,2)");
    QTest::newRow("leading comma") << QStringLiteral("translate(,1)");
    QTest::newRow("trailing comma") << QStringLiteral("translate(1),");
    QTest::newRow("not a number") << QStringLiteral("translate(abc)");
    QTest::newRow("overflow") << QStringLiteral("translate(1e400)");
    QTest::newRow("unit") << QStringLiteral("translate(10px)");
    QTest::newRow("fullwidth digits") << QString::fromUtf8("translate(\xef\xbc\x91)");
    QTest::newRow("skewX two") << QStringLiteral("skewX(1 2)");
    QTest::newRow("garbage after a good function") << QStringLiteral("translate(10) ;");
}

void TestSVGTransform::malformed()
{
    QFETCH(QString, text);
    QTest::ignoreMessage(QtWarningMsg, qPrintable(malformedMessage(text)));
    QVERIFY(LMSVGTransformReader::parse(text).isIdentity());
}

void TestSVGTransform::transformMatrix_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QPointF>("local");
    QTest::addColumn<QPointF>("document");

    // Three ancestors and the element itself; the target element has id "t".
    const QByteArray aChain = "<svg><g transform=\"translate(100,0)\"><g transform=\"scale(2)\">"
                              "<g transform=\"rotate(90)\"><rect id=\"t\" transform=\"translate(1,0)\"/>"
                              "</g></g></g></svg>";
    // (0,0) -> (1,0) -> (0,1) -> (0,2) -> (100,2)
    QTest::newRow("three ancestors, origin") << aChain << QString() << QPointF(0, 0) << QPointF(100, 2);
    // (1,0) -> (2,0) -> (0,2) -> (0,4) -> (100,4)
    QTest::newRow("three ancestors, unit x") << aChain << QString() << QPointF(1, 0) << QPointF(100, 4);
    QTest::newRow("no transforms") << QByteArray("<svg><g><rect id=\"t\"/></g></svg>") << QString() << QPointF(3, 4)
                                   << QPointF(3, 4);
    QTest::newRow("root transform counts")
        << QByteArray("<svg transform=\"scale(10)\"><g><rect id=\"t\" transform=\"translate(1 1)\"/></g></svg>")
        << QString() << QPointF(0, 0) << QPointF(10, 10);
    QTest::newRow("malformed ancestor is identity")
        << QByteArray("<svg><g transform=\"translate(5,5)\"><g transform=\"rotate(\">"
                      "<rect id=\"t\" transform=\"scale(3)\"/></g></g></svg>")
        << QStringLiteral("rotate(") << QPointF(1, 1) << QPointF(8, 8);
    QTest::newRow("children of the element do not count")
        << QByteArray("<svg><g id=\"t\" transform=\"translate(1,2)\"><g transform=\"scale(9)\"/></g></svg>")
        << QString() << QPointF(0, 0) << QPointF(1, 2);
}

void TestSVGTransform::transformMatrix()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, warning);
    QFETCH(QPointF, local);
    QFETCH(QPointF, document);

    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(xml, QStringLiteral("chain.svg"));
    QVERIFY(!aDocument.isNull());
    const QDomElement aTarget = elementWithId(aDocument.documentElement(), QStringLiteral("t"));
    QVERIFY(!aTarget.isNull());
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(malformedMessage(warning)));
    const QPointF aMapped = LMSVGTransformReader::transformMatrix(aTarget).map(local);
    QVERIFY2(std::abs(aMapped.x() - document.x()) < 1e-9 && std::abs(aMapped.y() - document.y()) < 1e-9,
             qPrintable(QStringLiteral("%1, %2").arg(aMapped.x()).arg(aMapped.y())));
}

// Whole numbers from numbers read from files: every reader's conversion goes through it.
void TestSVGTransform::boundedInt_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside, rounded half away from zero") << 2.5 << 3;
    QTest::newRow("negative half away from zero") << -2.5 << -3;
    QTest::newRow("just below the maximum") << 99.4 << 99;
    QTest::newRow("above the maximum") << 100.5 << 100;
    QTest::newRow("far beyond int") << 1e300 << 100;
    QTest::newRow("far below int") << -1e300 << -100;
    QTest::newRow("int's own limit") << 2147483648.0 << 100;
    QTest::newRow("not a number gives the fallback") << qQNaN() << 7;
    QTest::newRow("infinity gives the fallback") << qInf() << 7;
}

void TestSVGTransform::boundedInt()
{
    QFETCH(double, value);
    QTEST(LMMath::boundedInt(value, -100, 100, 7), "expected");
    QCOMPARE(LMMath::boundedInt64(value * 1e10, -100, 100, 7), LMMath::boundedInt(value * 1e10, -100, 100, 7));
}

void TestSVGTransform::rotation_data()
{
    QTest::addColumn<QString>("transform");
    QTest::addColumn<double>("degrees");

    QTest::newRow("identity") << QString() << 0.0;
    QTest::newRow("minus 90 stays minus 90") << QStringLiteral("rotate(-90)") << -90.0;
    QTest::newRow("270 is minus 90") << QStringLiteral("rotate(270)") << -90.0;
    QTest::newRow("180") << QStringLiteral("rotate(180)") << 180.0;
    QTest::newRow("minus 180 is 180") << QStringLiteral("rotate(-180)") << 180.0;
    QTest::newRow("just above minus 180") << QStringLiteral("rotate(-179.5)") << -179.5;
    QTest::newRow("composed to a quarter turn") << QStringLiteral("rotate(30) rotate(60)") << 90.0;
    QTest::newRow("composed thirds") << QStringLiteral("rotate(10) rotate(10) rotate(10)") << 30.0;
    QTest::newRow("tiny error snaps") << QStringLiteral("rotate(1e-12)") << 0.0;
    QTest::newRow("small angle kept") << QStringLiteral("rotate(1e-6)") << 1e-6;
    QTest::newRow("about a centre") << QStringLiteral("rotate(45 100 100)") << 45.0;
    QTest::newRow("scaled") << QStringLiteral("rotate(10) scale(3)") << 10.0;
    QTest::newRow("mirrored x") << QStringLiteral("scale(-1,1)") << 180.0;
    QTest::newRow("mirrored y") << QStringLiteral("scale(1,-1)") << 0.0;
    // The x axis is mirrored to (-1, 0) first, then turned by 45 degrees.
    QTest::newRow("mirrored then rotated") << QStringLiteral("rotate(45) scale(-1,1)") << -135.0;
    QTest::newRow("skewX keeps the x axis") << QStringLiteral("skewX(30)") << 0.0;
    QTest::newRow("skewY turns the x axis") << QStringLiteral("skewY(30)") << 30.0;
    QTest::newRow("matrix") << QStringLiteral("matrix(0 -2 2 0 7 7)") << -90.0;
}

void TestSVGTransform::rotation()
{
    QFETCH(QString, transform);
    QFETCH(double, degrees);
    const double aResult = LMMath::calcRotation(LMSVGTransformReader::parse(transform));
    QVERIFY2(std::abs(aResult - degrees) < 1e-9, qPrintable(QString::number(aResult, 'g', 17)));
    QVERIFY(aResult > -180.0 && aResult <= 180.0);
}

void TestSVGTransform::layerType_data()
{
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("expected");

    QTest::newRow("transfer") << QStringLiteral("1") << 1;
    QTest::newRow("render") << QStringLiteral("2") << 2;
    QTest::newRow("reference with blanks") << QStringLiteral(" 4 ") << 4;
    QTest::newRow("three is no kind") << QStringLiteral("3") << 0;
    QTest::newRow("combination is no kind") << QStringLiteral("6") << 0;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("word") << QStringLiteral("render") << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestSVGTransform::layerType()
{
    QFETCH(QString, attribute);
    QFETCH(int, expected);
    const LMSVGLayerType aType = LMSVGLayerType::fromAttributeValue(attribute);
    QCOMPARE(aType.value(), expected);
    if (expected != 0)
        QCOMPARE(LMSVGLayerType(aType.encode()).value(), expected); // the words read back
}

QTEST_GUILESS_MAIN(TestSVGTransform)
#include "tst_svgtransform.moc"
