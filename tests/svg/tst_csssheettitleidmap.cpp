#include "LMCssSheetTitleIdMap.h"
#include "LMXMLLoader.h"

#include <QTest>

class TestCssSheetTitleIdMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void insertReplacesAndKeepsOrder();
    void unite();
    void equality();
    void fromDocument_data();
    void fromDocument();
};

void TestCssSheetTitleIdMap::insertReplacesAndKeepsOrder()
{
    LMCssSheetTitleIdMap aMap;
    QVERIFY(aMap.isEmpty());
    aMap.insert(QStringLiteral("winter"), QStringLiteral("winter.css"));
    aMap.insert(QStringLiteral("autumn"), QStringLiteral("autumn.css"));
    aMap.insert(QStringLiteral("winter"), QStringLiteral("snow.css"));
    QCOMPARE(aMap.size(), 2);
    QCOMPARE(aMap.titles(), QStringList({ QStringLiteral("winter"), QStringLiteral("autumn") }));
    QCOMPARE(aMap.sheetId(QStringLiteral("winter")), QStringLiteral("snow.css"));
    QVERIFY(aMap.contains(QStringLiteral("autumn")));
    QVERIFY(!aMap.contains(QStringLiteral("Autumn")));
    QVERIFY(aMap.sheetId(QStringLiteral("spring")).isEmpty());
}

void TestCssSheetTitleIdMap::unite()
{
    LMCssSheetTitleIdMap aMine;
    aMine.insert(QStringLiteral("a"), QStringLiteral("a1.css"));
    LMCssSheetTitleIdMap anOther;
    anOther.insert(QStringLiteral("b"), QStringLiteral("b.css"));
    anOther.insert(QStringLiteral("a"), QStringLiteral("a2.css"));
    anOther.setDefaultTitle(QStringLiteral("b"));

    aMine.unite(anOther);
    QCOMPARE(aMine.titles(), QStringList({ QStringLiteral("a"), QStringLiteral("b") }));
    QCOMPARE(aMine.sheetId(QStringLiteral("a")), QStringLiteral("a1.css"));
    QCOMPARE(aMine.defaultTitle(), QStringLiteral("b")); // taken: this map had none

    aMine.setDefaultTitle(QStringLiteral("a"));
    aMine.unite(anOther);
    QCOMPARE(aMine.defaultTitle(), QStringLiteral("a"));
    QCOMPARE(aMine.size(), 2);
}

void TestCssSheetTitleIdMap::equality()
{
    LMCssSheetTitleIdMap aFirst;
    aFirst.insert(QStringLiteral("a"), QStringLiteral("a.css"));
    aFirst.insert(QStringLiteral("b"), QStringLiteral("b.css"));
    LMCssSheetTitleIdMap aSecond = aFirst;
    QVERIFY(aFirst == aSecond);
    aSecond.setDefaultTitle(QStringLiteral("a"));
    QVERIFY(aFirst != aSecond);

    LMCssSheetTitleIdMap aReversed;
    aReversed.insert(QStringLiteral("b"), QStringLiteral("b.css"));
    aReversed.insert(QStringLiteral("a"), QStringLiteral("a.css"));
    QVERIFY(aFirst != aReversed); // the order is part of the value
}

void TestCssSheetTitleIdMap::fromDocument_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("sheetIds");
    QTest::addColumn<QString>("defaultTitle");

    const QByteArray aRoot = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    QTest::newRow("no instructions") << aRoot << QStringList() << QStringList() << QString();
    QTest::newRow("title from base name")
        << QByteArray("<?xml-stylesheet type=\"text/css\" href=\"css/blue.sheet.css\"?>" + aRoot)
        << QStringList({ "blue.sheet" }) << QStringList({ "blue.sheet.css" }) << QStringLiteral("blue.sheet");
    QTest::newRow("alternate first, default is the first non-alternate")
        << QByteArray("<?xml version=\"1.0\"?>"
                      "<?xml-stylesheet href='red.css' title='Rot' alternate='yes'?>"
                      "<?xml-stylesheet href=\"green.css\" title=\"Gr\xc3\xbcn\"?>"
                      "<?xml-stylesheet href=\"blue.css\"?>"
                      + aRoot)
        << QStringList({ "Rot", QString::fromUtf8("Gr\xc3\xbcn"), "blue" })
        << QStringList({ "red.css", "green.css", "blue.css" }) << QString::fromUtf8("Gr\xc3\xbcn");
    QTest::newRow("all alternate: no default")
        << QByteArray("<?xml-stylesheet href=\"a.css\" alternate=\"YES\"?>" + aRoot) << QStringList({ "a" })
        << QStringList({ "a.css" }) << QString();
    QTest::newRow("alternate no counts as default")
        << QByteArray("<?xml-stylesheet href=\"a.css\" alternate=\"no\"?>" + aRoot) << QStringList({ "a" })
        << QStringList({ "a.css" }) << QStringLiteral("a");
    QTest::newRow("after the root: ignored")
        << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><?xml-stylesheet href=\"x.css\"?></svg>"
                      "<?xml-stylesheet href=\"y.css\"?>")
        << QStringList() << QStringList() << QString();
    QTest::newRow("other instruction ignored")
        << QByteArray("<?other-thing href=\"x.css\"?>" + aRoot) << QStringList() << QStringList() << QString();
}

void TestCssSheetTitleIdMap::fromDocument()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, sheetIds);
    QFETCH(QString, defaultTitle);

    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(xml, QStringLiteral("sheets.svg"));
    QVERIFY(!aDocument.isNull());
    const LMCssSheetTitleIdMap aMap = LMCssSheetTitleIdMap::fromDocument(aDocument);
    QCOMPARE(aMap.titles(), titles);
    QStringList anIds;
    for (const QString& aTitle : titles)
        anIds.append(aMap.sheetId(aTitle));
    QCOMPARE(anIds, sheetIds);
    QCOMPARE(aMap.defaultTitle(), defaultTitle);
}

QTEST_GUILESS_MAIN(TestCssSheetTitleIdMap)
#include "tst_csssheettitleidmap.moc"
