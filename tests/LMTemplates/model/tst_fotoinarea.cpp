#include "LMFotoInAreaDescription.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

Q_DECLARE_METATYPE(LMFotoInAreaDescription)

// The placement of a photo inside its area and its XML form.
class TestFotoInArea : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fuzzyEquals_data()
    {
        columns<double, double, bool>("a", "b", "equal");

        row("fourteenth significant digit", 1.2345678901234, 1.2345678901235, true);
        row("eleventh significant digit", 1.2345678901, 1.2345678902, false);
        row("zero and zero", 0.0, 0.0, true);
        row("zero and tiny", 0.0, 1e-300, false);
        row("opposite signs", 1.0, -1.0, false);
        row("large values", 1e15, 1e15 + 1, true);
    }

    void fuzzyEquals()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(bool, equal);

        QCOMPARE(LMFotoInAreaPositionState::fuzzyEquals(a, b), equal);
        QCOMPARE(LMFotoInAreaPositionState::fuzzyEquals(b, a), equal);
    }

    void moveAndZoom()
    {
        LMFotoInAreaPositionState aState(QPointF(10.123456789012, -4), 2.0);
        QVERIFY(!aState.moveTo(QPointF(10.123456789013, -4)));
        QCOMPARE(aState.topLeft(), QPointF(10.123456789012, -4));
        QVERIFY(aState.moveTo(QPointF(11, -4)));
        QCOMPARE(aState.topLeft(), QPointF(11, -4));
        aState.translate(QPointF(-1, 1));
        QCOMPARE(aState.topLeft(), QPointF(10, -3));

        QVERIFY(!aState.zoomTo(2.0));
        QVERIFY(aState.zoomTo(4.0));
        aState.zoomBy(0.5);
        QCOMPARE(aState.zoomFactor(), 2.0);
        QCOMPARE(aState, LMFotoInAreaPositionState(QPointF(10, -3), 2.0 + 1e-14));
        QVERIFY(!(aState == LMFotoInAreaPositionState(QPointF(10, -3.001), 2.0)));
    }

    void visibleRect_data()
    {
        columns<QPointF, double, QRectF>("topLeft", "zoom", "expected");

        const QSizeF anArea(200, 100);
        row("zoom 1", QPointF(-20, -10), 1.0, QRectF(20, 10, 200, 100));
        row("zoom 2", QPointF(-20, -10), 2.0, QRectF(10, 5, 100, 50));
        row("zoom 0 counts as 1", QPointF(-20, -10), 0.0, QRectF(20, 10, 200, 100));
        row("tiny zoom counts as 1", QPointF(5, 6), -1e-12, QRectF(-5, -6, 200, 100));
        row("zoom just above the bound", QPointF(0, 0), 2e-12, QRectF(0, 0, 1e14, 5e13));
    }

    void visibleRect()
    {
        QTEST(LMFotoInAreaPositionState(fetch<QPointF>("topLeft"), fetch<double>("zoom")).visibleRect(QSizeF(200, 100)),
              "expected");
    }

    void readXml_data()
    {
        columns<QString, QStringList, LMFotoInAreaDescription>("xml", "warnings", "expected");

        const LMFoto aFoto = LMFoto::fromString(QStringLiteral("/base/fotos/a.jpg"));
        row("everything", "<image fileName='fotos/a.jpg' useABK='0' zoomFactor='1.5' left='-12' top='7.5'/>",
            QStringList(), LMFotoInAreaDescription(aFoto, LMFotoInAreaPositionState(QPointF(-12, 7.5), 1.5), false));
        row("defaults", "<image fileName='/base/fotos/a.jpg'/>", QStringList(),
            LMFotoInAreaDescription(aFoto, LMFotoInAreaPositionState(QPointF(0, 0), 1.0), true));
        row("no photo, whatever the rest says", "<image useABK='0' zoomFactor='3' left='1' top='2'/>", QStringList(),
            LMFotoInAreaDescription());
        QTest::newRow("photo that is no photo")
            << "<image fileName='ftp://host/a.jpg' zoomFactor='3'/>" << QStringList() << LMFotoInAreaDescription();
        row("malformed zoom", "<image fileName='fotos/a.jpg' zoomFactor='two'/>",
            QStringList({ "<image> attribute \"zoomFactor\": \"two\" is not a number; default used" }),
            LMFotoInAreaDescription(aFoto, LMFotoInAreaPositionState(QPointF(0, 0), 1.0), true));
    }

    void readXml()
    {
        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(fetch<QString>("xml")));
        for (const QString& aWarning : fetch<QStringList>("warnings"))
            QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning));
        QTEST(LMFotoInAreaDescription::fromXml(aDocument.documentElement(), QStringLiteral("/base")), "expected");
    }

    void roundTrip_data()
    {
        columns<QPointF, QPointF>("topLeft", "written");

        row("whole numbers", QPointF(-12, 7), QPointF(-12, 7));
        row("halves away from zero", QPointF(2.5, -2.5), QPointF(3, -3));
        row("below half", QPointF(2.49, -2.49), QPointF(2, -2));
    }

    void roundTrip()
    {
        const LMFoto aFoto = LMFoto::fromString(QStringLiteral("/fotos/Ä b.jpg"));
        const LMFotoInAreaDescription aDescription(aFoto, LMFotoInAreaPositionState(fetch<QPointF>("topLeft"), 0.75),
                                                   false);
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("image"));
        aDescription.buildXML(anElement);
        QCOMPARE(anElement.attribute(QStringLiteral("useABK")), QStringLiteral("0"));
        const LMFotoInAreaDescription aRead = LMFotoInAreaDescription::fromXml(anElement, QStringLiteral("/elsewhere"));
        QCOMPARE(aRead.foto(), aFoto);
        QCOMPARE(aRead.position(), LMFotoInAreaPositionState(fetch<QPointF>("written"), 0.75));
        QCOMPARE(aRead.useABK(), false);
    }

    void debugText()
    {
        const LMFotoInAreaDescription aDescription(LMFoto(), LMFotoInAreaPositionState(QPointF(1.5, -2), 0.25));
        QCOMPARE(aDescription.toDebugString(), QStringLiteral("LMFotoInAreaDescription: topleft=(1.5, -2) zoom=0.25"));
        QString aText;
        QDebug(&aText) << aDescription;
        QCOMPARE(aText.trimmed(), aDescription.toDebugString());
    }
};

QTEST_GUILESS_MAIN(TestFotoInArea)
#include "tst_fotoinarea.moc"
