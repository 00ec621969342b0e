#include "LMCategoryType.h"
#include "LMSmartLayoutRegistration.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTestSupport.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QtTest>

namespace {
// Builds a "templates2" file the way the load job does: its filter, its revision, its templates.
LMUnconfiguredTemplateList buildFile(const QString& theFixture)
{
    const QDomDocument aDocument = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(theFixture)));
    const QDomElement aRoot = aDocument.documentElement();
    LMTemplateFactoryXML2 aFactory(aRoot.firstChildElement(QStringLiteral("filter")));
    aFactory.setTemplateRevision(LMTemplateFactory::intAttribute(aRoot, QStringLiteral("version"), 1));
    return aFactory.buildTemplates(aRoot, QStringLiteral("/content/layouts"), LMDesignElementMetaData());
}

LMUnconfiguredTemplate byName(const LMUnconfiguredTemplateList& theList, const QString& theName)
{
    for (const LMUnconfiguredTemplate& aTemplate : theList) {
        if (aTemplate->name() == theName && !aTemplate->possibleMirrorings().isValid())
            return aTemplate;
    }
    for (const LMUnconfiguredTemplate& aTemplate : theList) {
        if (aTemplate->name() == theName)
            return aTemplate;
    }
    return LMUnconfiguredTemplate::null();
}

QStringList subcategories(const LMUnconfiguredTemplate& theTemplate, LMCategoryTypeEnum theType)
{
    QStringList aNames = theTemplate->thematicCategories(LMCategoryType(theType)).internalNames();
    aNames.sort();
    return aNames;
}

// Keeps what the readers hand over, as the registry would.
class Registration : public LMSmartLayoutRegistration
{
public:
    void addSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout) override
    {
        myLayouts.push_back(std::move(theSmartLayout));
    }
    std::vector<std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>> myLayouts;
};
} // namespace

// Version 2 of the XML template files: defaults, filters, revisions and the legacy fix, smart
// layouts, example layouts, mirrored variants and broken files.
class TestTemplateFactoryXML2 : public QObject
{
    Q_OBJECT

private slots:
    void viewAngle_data();
    void viewAngle();
    void collection();
    void singleTemplateAndCollectionFiles();
    void filters();
    void legacyFix_data();
    void legacyFix();
    void smartLayouts();
    void brokenFiles_data();
    void brokenFiles();
    void fromText();
};

void TestTemplateFactoryXML2::viewAngle_data()
{
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("minus 90") << -90 << 270;
    QTest::newRow("450") << 450 << 90;
    QTest::newRow("minus 360") << -360 << 0;
    QTest::newRow("360") << 360 << 0;
    QTest::newRow("minus 1") << -1 << 359;
    QTest::newRow("minus 720") << -720 << 0;
    QTest::newRow("smallest int") << std::numeric_limits<int>::min() << 232;
    QTest::newRow("largest int") << std::numeric_limits<int>::max() << 127;
}

void TestTemplateFactoryXML2::viewAngle()
{
    QFETCH(int, written);
    QFETCH(int, expected);
    QCOMPARE(LMTemplateFactoryXML2::normalizedViewAngle(written), expected);
}

void TestTemplateFactoryXML2::collection()
{
    QTest::ignoreMessage(QtWarningMsg, "found unknown <sparkles> element");
    LMUnconfiguredTemplateList aList = buildFile(QStringLiteral("formats/layouts_v2.xml"));
    // The first layout is mirrored at the vertical axis: it is followed by its mirror.
    QCOMPARE(aList.count(), 4);
    QCOMPARE(aList.at(0)->name(), QStringLiteral("Zwei Fotos"));
    QVERIFY(aList.at(1)->name().startsWith(QStringLiteral("Zwei Fotos")));
    QCOMPARE(aList.at(2)->name(), QStringLiteral("Ohne Filter"));

    const LMUnconfiguredTemplate aFirst = aList.at(0);
    QVERIFY(aFirst.isJigType(LMJigTypeEnum::Layout));
    QCOMPARE(aFirst->sort(), 3);
    QCOMPARE(aFirst->viewAngle().degrees(), 270);
    QVERIFY(aFirst->isUsableByAssistant());
    QVERIFY(!aFirst->locksLayout());
    QVERIFY(!aFirst->isUserLayout());
    QCOMPARE(aFirst->templateLayerType(), LMTemplateLayerType(LMTemplateLayerTypeEnum::Layout));
    QCOMPARE(aFirst->fileInfo().filePath(), QStringLiteral("/content/layouts"));
    // The collection's id wins over the template's own.
    QCOMPARE(aFirst->designElementID(), LMDesignElementID(4711));
    QCOMPARE(aFirst->possibleMirrorings(), LMMirrorRule(LMMirrorRuleEnum::VerticalAxis));
    QCOMPARE(aFirst->areaDefinitions().count(LMAreaType(LMAreaTypeEnum::Foto)), 2);
    QVERIFY(aList.at(1)->areaDefinitions().isValid());

    const LMUnconfiguredTemplate aSecond = byName(aList, QStringLiteral("Ohne Filter"));
    QCOMPARE(aSecond->viewAngle().degrees(), 90);
    QVERIFY(!aSecond->isUsableByAssistant());
    QVERIFY(aSecond->locksLayout());
    QCOMPARE(aSecond->sort(), 0);
    // Example layouts are found by their own name and the standard themes.
    QCOMPARE(subcategories(aSecond, LMCategoryTypeEnum::Internal), QStringList { QStringLiteral("Ohne Filter") });
    QCOMPARE(subcategories(aSecond, LMCategoryTypeEnum::Theme), QStringList { QStringLiteral("01") });
    QVERIFY(subcategories(aFirst, LMCategoryTypeEnum::Internal).isEmpty());

    // The unknown child is skipped, the layout still read.
    const LMUnconfiguredTemplate aThird = byName(aList, QStringLiteral("Mit Fremdem"));
    QCOMPARE(aThird->areaDefinitions().count(LMAreaType(LMAreaTypeEnum::Text)), 1);
    aList.deleteEntriesAndClear();
}

void TestTemplateFactoryXML2::filters()
{
    QTest::ignoreMessage(QtWarningMsg, "found unknown <sparkles> element");
    LMUnconfiguredTemplateList aList = buildFile(QStringLiteral("formats/layouts_v2.xml"));
    const LMUnconfiguredTemplate aOwn = byName(aList, QStringLiteral("Zwei Fotos"));
    const LMUnconfiguredTemplate aNone = byName(aList, QStringLiteral("Ohne Filter"));
    // Its own filter adds to the document-wide one; the empty rule adds nothing.
    QCOMPARE(subcategories(aOwn, LMCategoryTypeEnum::Subcategory),
             (QStringList { QStringLiteral("Sommer"), QStringLiteral("Strand") }));
    // Without a filter child the template takes exactly the document-wide filter.
    QCOMPARE(subcategories(aNone, LMCategoryTypeEnum::Subcategory), QStringList { QStringLiteral("Sommer") });
    QCOMPARE(aNone->pageConstraint().pageTypes(), LMPageType(QStringLiteral("inner_page")));
    QCOMPARE(aOwn->pageConstraint().pageTypes(), LMPageType(QStringLiteral("inner_page")));

    const QDomDocument aDocument
        = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/layouts_v2.xml"))));
    const LMTemplateFactoryXML2 aFactory(aDocument.documentElement().firstChildElement(QStringLiteral("filter")));
    QCOMPARE(aFactory.categories().count(), 1);
    QVERIFY(aFactory.parseFilters(aDocument.documentElement()).isEmpty());
    aList.deleteEntriesAndClear();
}

void TestTemplateFactoryXML2::legacyFix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<double>("left");
    QTest::newRow("revision 1 with fixRotation: fix 3") << "Alt" << 270 << 0.0;
    QTest::newRow("revision 1 without: fix 1") << "Alt ohne Drehung" << 90 << 0.0;
    QTest::newRow("user layout: no fix") << "Eigenes" << 90 << 0.0004;
}

void TestTemplateFactoryXML2::legacyFix()
{
    QFETCH(QString, name);
    QFETCH(int, rotation);
    QFETCH(double, left);
    LMUnconfiguredTemplateList aList = buildFile(QStringLiteral("formats/legacy_v1.xml"));
    const LMUnconfiguredTemplate aTemplate = byName(aList, name);
    QVERIFY(!aTemplate.isNull());
    QCOMPARE(aTemplate->areaDefinitions().first()->rotation().degrees(), rotation);
    QCOMPARE(aTemplate->areaDefinitions().first()->rect().left(), left);
    QCOMPARE(aTemplate->isUserLayout(), name == QStringLiteral("Eigenes"));
    aList.deleteEntriesAndClear();

    // The same layouts in a file of revision 2 need no fix.
    const QDomDocument aDocument
        = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/legacy_v1.xml"))));
    LMTemplateFactoryXML2 aFactory;
    QCOMPARE(aFactory.templateRevision(), 2);
    aList = aFactory.buildTemplates(aDocument, QString(), LMDesignElementMetaData());
    QCOMPARE(byName(aList, name)->areaDefinitions().first()->rotation().degrees(), 90);
    aList.deleteEntriesAndClear();
}

void TestTemplateFactoryXML2::smartLayouts()
{
    Registration aRegistration;
    LMSmartLayoutRegistration::install(&aRegistration);
    QTest::ignoreMessage(QtWarningMsg, "found unknown <sparkles> element");
    LMUnconfiguredTemplateList aList = buildFile(QStringLiteral("formats/layouts_v2.xml"));
    LMSmartLayoutRegistration::install(nullptr);

    const LMAreaType aSmart(LMAreaTypeEnum::SmartLayout);
    QCOMPARE(byName(aList, QStringLiteral("Zwei Fotos"))->areaDefinitions().count(aSmart), 1);
    // "enabled" false keeps the smart layout out even inside a layout collection.
    QCOMPARE(byName(aList, QStringLiteral("Ohne Filter"))->areaDefinitions().count(aSmart), 0);
    QCOMPARE(byName(aList, QStringLiteral("Mit Fremdem"))->areaDefinitions().count(aSmart), 1);
    // The block's smart layout is registered under the first template's categorisation.
    QCOMPARE(int(aRegistration.myLayouts.size()), 1);
    QCOMPARE(aRegistration.myLayouts.front()->categorization(), aList.first()->categorization());
    aList.deleteEntriesAndClear();

    // Outside a layout collection no smart layout is injected.
    const QString aText = QStringLiteral("<templates2 version='2'><template name='a'><layout width='10' height='10'>"
                                         "<imagearea x='0' y='0' width='5' height='5'/><smartLayout/></layout>"
                                         "</template></templates2>");
    aList = LMTemplateFactoryXML2::buildTemplates(aText);
    QCOMPARE(aList.count(), 1);
    QCOMPARE(aList.first()->areaDefinitions().count(aSmart), 0);
    aList.deleteEntriesAndClear();
}

void TestTemplateFactoryXML2::brokenFiles_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("areas");
    QTest::newRow("truncated") << "formats/truncated_v2.xml" << 0 << 0;
    QTest::newRow("no sizes and bad numbers") << "formats/no_size_v2.xml" << 3 << 0;
}

void TestTemplateFactoryXML2::brokenFiles()
{
    QFETCH(QString, fixture);
    QFETCH(int, count);
    QFETCH(int, areas);
    if (count == 0)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("truncated_v2.xml")));
    LMUnconfiguredTemplateList aList = buildFile(fixture);
    QCOMPARE(aList.count(), count);
    for (const LMUnconfiguredTemplate& aTemplate : aList) {
        QCOMPARE(aTemplate->areaDefinitions().count(), areas);
        QVERIFY(!aTemplate->areaDefinitions().isValid());
        QCOMPARE(aTemplate->sort(), 0);
        QVERIFY(aTemplate->viewAngle().degrees() >= 0 && aTemplate->viewAngle().degrees() < 360);
    }
    aList.deleteEntriesAndClear();
}

void TestTemplateFactoryXML2::fromText()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".")));
    QVERIFY(LMTemplateFactoryXML2::buildTemplates(QStringLiteral("<templates2><template")).isEmpty());
    QVERIFY(LMTemplateFactoryXML2::buildTemplates(QStringLiteral("<templates/>")).isEmpty());
    LMUnconfiguredTemplateList aList = LMTemplateFactoryXML2::buildTemplates(
        QStringLiteral("<templates2><template name='Ä'><layout width='4' height='3'/></template></templates2>"));
    QCOMPARE(aList.count(), 1);
    QCOMPARE(aList.first()->name(), QStringLiteral("Ä"));
    aList.deleteEntriesAndClear();
}

void TestTemplateFactoryXML2::singleTemplateAndCollectionFiles()
{
    // A file whose root is one "template": built alone, without collection id or smart layout.
    const QDomDocument aSingle
        = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/single_template.xml"))));
    LMUnconfiguredTemplateList aList
        = LMTemplateFactoryXML2().buildLayoutTemplate(aSingle.documentElement(), QStringLiteral("/content/single"),
                                                      LMDesignElementID(), LMDesignElementMetaData(), nullptr);
    QCOMPARE(aList.count(), 1);
    const LMUnconfiguredTemplate aTemplate = aList.at(0);
    QCOMPARE(aTemplate->name(), QStringLiteral("Einzeln"));
    QCOMPARE(aTemplate->designElementID(), LMDesignElementID(77));
    QCOMPARE(aTemplate->sort(), 5);
    QCOMPARE(aTemplate->areaDefinitions().count(LMAreaType(LMAreaTypeEnum::SmartLayout)), 0);
    QCOMPARE(subcategories(aTemplate, LMCategoryTypeEnum::Subcategory), QStringList());
    aList.deleteEntriesAndClear();

    // A "collection" holds several blocks, each with its own filter and revision.
    const QDomDocument aCollection
        = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/collection.xml"))));
    QStringList aNames;
    QList<QRectF> aRects;
    QStringList aCategories;
    for (QDomElement aBlock = aCollection.documentElement().firstChildElement(QStringLiteral("templates2"));
         !aBlock.isNull(); aBlock = aBlock.nextSiblingElement(QStringLiteral("templates2"))) {
        LMTemplateFactoryXML2 aFactory(aBlock.firstChildElement(QStringLiteral("filter")));
        aFactory.setTemplateRevision(LMTemplateFactory::intAttribute(aBlock, QStringLiteral("version"), 1));
        LMUnconfiguredTemplateList aBlockList
            = aFactory.buildTemplates(aBlock, QStringLiteral("/content/collection"), LMDesignElementMetaData());
        for (const LMUnconfiguredTemplate& aBuilt : aBlockList) {
            aNames.append(aBuilt->name());
            aRects.append(aBuilt->areaDefinitions().at(0)->rect());
            aCategories += subcategories(aBuilt, LMCategoryTypeEnum::Subcategory);
        }
        aBlockList.deleteEntriesAndClear();
    }
    QCOMPARE(aNames, (QStringList { QStringLiteral("Alt"), QStringLiteral("Neu") }));
    QCOMPARE(aCategories, (QStringList { QStringLiteral("Alt"), QStringLiteral("Neu") }));
    // Revision 1 gets the legacy fix (edges less than a unit from the page edge move onto it);
    // revision 2 keeps its numbers.
    QCOMPARE(aRects.at(0), QRectF(0, 0, 1, 0.5));
    QCOMPARE(aRects.at(1), QRectF(0.0005, 0, 0.999, 0.5));
}

QTEST_GUILESS_MAIN(TestTemplateFactoryXML2)
#include "tst_templatefactoryxml2.moc"
