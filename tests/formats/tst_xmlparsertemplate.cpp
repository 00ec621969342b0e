#include "LMCategoryType.h"
#include "LMSpotColor.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateFactory.h"
#include "LMTestSupport.h"
#include "LMXMLParserTemplate.h"

#include <QDomDocument>
#include <QtTest>

namespace {
QDomElement parse(const QString& theXml, QDomDocument& theDocument)
{
    theDocument.setContent(theXml);
    return theDocument.documentElement();
}
} // namespace

// The enumeration and area readers of XML template files and the attribute readers of the base factory.
class TestXMLParserTemplate : public QObject
{
    Q_OBJECT

private slots:
    void contentType_data();
    void contentType();
    void positioning_data();
    void positioning();
    void imageSizeAndCover();
    void priceClass();
    void totalSize_data();
    void totalSize();
    void orientation_data();
    void orientation();
    void mirrorRule();
    void readAreas_data();
    void readAreas();
    void unknownAreaTagWarns();
    void attributes_data();
    void attributes();
    void spotColorCategory();
};

void TestXMLParserTemplate::contentType_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing type is content-1") << "<t/>" << 8;
    QTest::newRow("background") << "<t type='content-background'/>" << 1;
    QTest::newRow("foreground mask") << "<t type='foreground-mask'/>" << 2;
    QTest::newRow("background mask upper case") << "<t type='BACKGROUND-MASK'/>" << 128;
    QTest::newRow("content-0") << "<t type='content-0'/>" << 4;
    QTest::newRow("content-4") << "<t type='content-4'/>" << 64;
    QTest::newRow("frame") << "<t type='frame'/>" << 256;
    QTest::newRow("wallholder") << "<t type='wallholder'/>" << 1024;
    QTest::newRow("passepartout") << "<t type='passepartout'/>" << 2048;
    QTest::newRow("glas") << "<t type='glas'/>" << 4096;
    QTest::newRow("variant template") << "<t type='variant_template'/>" << 8192;
    QTest::newRow("unknown gives 1") << "<t type='content-9'/>" << 1;
    QTest::newRow("empty gives 1") << "<t type=''/>" << 1;
    QTest::newRow("unicode gives 1") << "<t type='inhalt-ü'/>" << 1;
}

void TestXMLParserTemplate::contentType()
{
    QFETCH(QString, xml);
    QFETCH(int, expected);
    QDomDocument aDocument;
    QCOMPARE(LMXMLParserTemplate::templateContentType(parse(xml, aDocument)).value(), expected);
}

void TestXMLParserTemplate::positioning_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing is anywhere") << "<a/>" << 7;
    QTest::newRow("nowhere") << "<a align='nowhere'/>" << 0;
    QTest::newRow("leftpage") << "<a align='leftpage'/>" << 1;
    QTest::newRow("left upper case") << "<a align='LEFT'/>" << 1;
    QTest::newRow("rightpage") << "<a align='rightpage'/>" << 2;
    QTest::newRow("right") << "<a align='right'/>" << 2;
    QTest::newRow("spinepage") << "<a align='spinepage'/>" << 4;
    QTest::newRow("spine") << "<a align='spine'/>" << 4;
    QTest::newRow("unknown is anywhere") << "<a align='top'/>" << 7;
    QTest::newRow("empty is anywhere") << "<a align=''/>" << 7;
}

void TestXMLParserTemplate::positioning()
{
    QFETCH(QString, xml);
    QFETCH(int, expected);
    QDomDocument aDocument;
    QCOMPARE(LMXMLParserTemplate::pageAligment(parse(xml, aDocument)).value(), expected);
}

void TestXMLParserTemplate::imageSizeAndCover()
{
    QCOMPARE(LMXMLParserTemplate::templateImageSize(QStringLiteral("DoublePage")),
             LMTemplateImageSize(LMTemplateImageSizeEnum::DoublePage));
    QCOMPARE(LMXMLParserTemplate::templateImageSize(QStringLiteral("singlepage")),
             LMTemplateImageSize(LMTemplateImageSizeEnum::SinglePage));
    QCOMPARE(LMXMLParserTemplate::templateImageSize(QStringLiteral("poster")),
             LMTemplateImageSize(LMTemplateImageSizeEnum::SinglePage));
    QDomDocument aDocument;
    QVERIFY(LMXMLParserTemplate::isCover(parse(QStringLiteral("<a align='CoverFront'/>"), aDocument)));
    QVERIFY(!LMXMLParserTemplate::isCover(parse(QStringLiteral("<a align='frontcover'/>"), aDocument)));
    QVERIFY(!LMXMLParserTemplate::isCover(parse(QStringLiteral("<a/>"), aDocument)));
}

void TestXMLParserTemplate::priceClass()
{
    const LMPriceClass aDefault = LMPriceClass::create(QStringLiteral("07"));
    QCOMPARE(LMXMLParserTemplate::templatePriceClass(QDomElement(), aDefault), aDefault);
    QDomDocument aDocument;
    QCOMPARE(LMXMLParserTemplate::templatePriceClass(parse(QStringLiteral("<priceclass> 3 </priceclass>"), aDocument),
                                                     aDefault)
                 .toString(),
             QStringLiteral("03"));
}

void TestXMLParserTemplate::totalSize_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("own attributes") << "<l width='300' height='200'/>" << QSize(300, 200);
    QTest::newRow("own win over total") << "<l width='300' height='200'><total width='1' height='1'/></l>"
                                        << QSize(300, 200);
    QTest::newRow("only width falls to total") << "<l width='300'><total width='40' height='50'/></l>" << QSize(40, 50);
    QTest::newRow("first total") << "<l><total width='40' height='50'/><total width='1' height='2'/></l>"
                                 << QSize(40, 50);
    QTest::newRow("total without height") << "<l><total width='40'/></l>" << QSize();
    QTest::newRow("nothing") << "<l/>" << QSize();
}

void TestXMLParserTemplate::totalSize()
{
    QFETCH(QString, xml);
    QFETCH(QSize, expected);
    QDomDocument aDocument;
    QCOMPARE(LMXMLParserTemplate::readTotalSize(parse(xml, aDocument)), expected);
}

void TestXMLParserTemplate::orientation_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("expected");
    QTest::newRow("explicit portrait") << "<t orientation='Portrait' width='300' height='100'/>" << 1;
    QTest::newRow("explicit unknown means all") << "<t orientation='sideways'/>" << 31;
    QTest::newRow("landscape from size") << "<t width='300' height='100'/>" << 2;
    QTest::newRow("portrait from total") << "<t><total width='100' height='300'/></t>" << 1;
    QTest::newRow("square from size") << "<t width='100' height='100'/>" << 4;
    QTest::newRow("background ignores size") << "<t category='Hintergrund' width='300' height='100'/>" << 31;
    QTest::newRow("calendar ignores size") << "<t category='calendarium' width='300' height='100'/>" << 31;
    QTest::newRow("no size") << "<t/>" << 31;
    QTest::newRow("empty attribute uses size") << "<t orientation='' width='300' height='100'/>" << 2;
}

void TestXMLParserTemplate::orientation()
{
    QFETCH(QString, xml);
    QFETCH(int, expected);
    QDomDocument aDocument;
    QCOMPARE(LMXMLParserTemplate::readOrientation(parse(xml, aDocument)).value(), expected);
}

void TestXMLParserTemplate::mirrorRule()
{
    QDomDocument aDocument;
    QVERIFY(!LMXMLParserTemplate::readMirrorRule(parse(QStringLiteral("<layout mirror='vertical'/>"), aDocument))
                 .isValid());
    QVERIFY(LMXMLParserTemplate::readMirrorRule(
                parse(QStringLiteral("<layout mirror='vertical'><total width='10' height='10'/></layout>"), aDocument))
                .isValid());
}

void TestXMLParserTemplate::readAreas_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("fix");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("firstRotation");
    QTest::addColumn<double>("firstLeft");

    const QString aLayout = QStringLiteral("<layout><total width='1000' height='500'/><description>d</description>"
                                           "<!-- note --><fotozone/>"
                                           "<imagearea x='0.5' y='100' width='400' height='300' angle='90'/>"
                                           "<textarea x='500' y='100' width='400' height='100'/></layout>");
    QTest::newRow("no fix") << aLayout << 0 << 2 << true << 90 << 0.0005;
    QTest::newRow("position fix") << aLayout << 1 << 2 << true << 90 << 0.0;
    QTest::newRow("position and rotation fix") << aLayout << 3 << 2 << true << 270 << 0.0;
    QTest::newRow("no total size") << "<layout><imagearea x='0' y='0' width='4' height='3'/></layout>" << 1 << 0
                                   << false << 0 << 0.0;
    QTest::newRow("zero width")
        << "<layout width='0' height='100'><imagearea x='0' y='0' width='4' height='3'/></layout>" << 1 << 0 << false
        << 0 << 0.0;
    QTest::newRow("only silent tags")
        << "<layout width='10' height='10'><total width='10' height='10'/><pdfname/></layout>" << 1 << 0 << false << 0
        << 0.0;
}

void TestXMLParserTemplate::readAreas()
{
    QFETCH(QString, xml);
    QFETCH(int, fix);
    QFETCH(int, count);
    QFETCH(bool, valid);
    QFETCH(int, firstRotation);
    QFETCH(double, firstLeft);
    QDomDocument aDocument;
    const LMTemplateAreaDefinitionList aList
        = LMXMLParserTemplate::readAreas(parse(xml, aDocument), QStringLiteral("/base"), fix);
    QCOMPARE(aList.count(), count);
    QCOMPARE(aList.isValid(), valid);
    if (count == 0)
        return;
    QCOMPARE(aList.first()->areaDescription().rotation().degrees(), firstRotation);
    QCOMPARE(aList.first()->rect().left(), firstLeft);
}

void TestXMLParserTemplate::unknownAreaTagWarns()
{
    QDomDocument aDocument;
    const QDomElement aLayout = parse(QStringLiteral("<layout width='100' height='100'><sparkles/>"
                                                     "<imagearea x='0' y='0' width='10' height='10'/></layout>"),
                                      aDocument);
    QTest::ignoreMessage(QtWarningMsg, "Unbekannter Knotentyp: sparkles");
    QTest::ignoreMessage(QtWarningMsg, "Unbekannter Knotentyp: sparkles");
    const LMTemplateAreaDefinitionList aList = LMXMLParserTemplate::readAreas(aLayout, QString(), 0);
    QCOMPARE(aList.count(), 1);
    QVERIFY(!LMXMLParserTemplate::createAreaDefinition(
                 aLayout.firstChildElement(QStringLiteral("imagearea")).previousSiblingElement(), QSize(100, 100),
                 QString())
                 .get());
}

void TestXMLParserTemplate::attributes_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<int>("intValue");
    QTest::addColumn<bool>("boolValue");
    QTest::addColumn<QString>("textValue");
    QTest::newRow("missing gives defaults") << "<t/>" << 42 << true << "dflt";
    QTest::newRow("values") << "<t v='-7' b='false' s='x'/>" << -7 << false << "x";
    QTest::newRow("malformed gives 0 and false") << "<t v='seven' b='maybe' s=''/>" << 0 << false << "";
    QTest::newRow("overflow gives 0") << "<t v='99999999999' b='YES' s='ä'/>" << 0 << true << "ä";
}

void TestXMLParserTemplate::attributes()
{
    QFETCH(QString, xml);
    QFETCH(int, intValue);
    QFETCH(bool, boolValue);
    QFETCH(QString, textValue);
    QDomDocument aDocument;
    const QDomElement anElement = parse(xml, aDocument);
    QCOMPARE(LMTemplateFactory::intAttribute(anElement, QStringLiteral("v"), 42), intValue);
    QCOMPARE(LMTemplateFactory::boolAttribute(anElement, QStringLiteral("b"), true), boolValue);
    QCOMPARE(LMTemplateFactory::attribute(anElement, QStringLiteral("s"), QStringLiteral("dflt")), textValue);
    QCOMPARE(LMTemplateFactory::intAttribute(anElement.attributes(), QStringLiteral("v"), 42), intValue);
}

void TestXMLParserTemplate::spotColorCategory()
{
    LMTemplate aTemplate;
    const LMCategoryType aType(LMCategoryTypeEnum::SpotColor);
    LMTemplateFactory::addSpotColorCategory(&aTemplate, LMSpotColor());
    QVERIFY(aTemplate.thematicCategories(aType).isEmpty());
    LMTemplateFactory::addSpotColorCategory(&aTemplate, LMSpotColor(QStringLiteral("gold-foil")));
    LMTemplateFactory::addSpotColorCategory(&aTemplate, LMSpotColor(QStringLiteral("varnish")));
    QCOMPARE(aTemplate.thematicCategories(aType).count(), 2);
    QVERIFY(aTemplate.thematicCategories(aType).contains(
        LMThematicCategory::fromSpotColor(LMSpotColor(QStringLiteral("gold-foil")))));
}

QTEST_GUILESS_MAIN(TestXMLParserTemplate)
#include "tst_xmlparsertemplate.moc"
