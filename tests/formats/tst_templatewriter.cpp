#include "LMCategoryType.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateList.h"
#include "LMTemplateWriter.h"
#include "LMTestSupport.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLBuilder.h"
#include "LMXMLLoader.h"

#include <QtTest>

namespace {
LMUnconfiguredTemplateList readBack(const QDomDocument& theDocument)
{
    // Through the text, as a saved file would be read.
    const QDomDocument aDocument
        = LMXMLLoader::loadDocumentFromData(LMXMLBuilder::toUTF8(theDocument), QStringLiteral("written"));
    const QDomElement aRoot = aDocument.documentElement();
    LMTemplateFactoryXML2 aFactory(aRoot.firstChildElement(QStringLiteral("filter")));
    aFactory.setTemplateRevision(LMTemplateFactory::intAttribute(aRoot, QStringLiteral("version"), 1));
    return aFactory.buildTemplates(aRoot, QString(), LMDesignElementMetaData());
}

QStringList names(const LMUnconfiguredTemplate& theTemplate, LMCategoryTypeEnum theType)
{
    QStringList aNames = theTemplate->thematicCategories(LMCategoryType(theType)).internalNames();
    aNames.sort();
    return aNames;
}
} // namespace

// Version-2 documents written from templates, and read back.
class TestTemplateWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void onlyLayoutsAreWritten();
    void emptyList();
};

void TestTemplateWriter::roundTrip_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("two photos, mirrored, own filter") << 0;
    QTest::newRow("locked example without filter") << 2;
    QTest::newRow("text area") << 3;
}

void TestTemplateWriter::roundTrip()
{
    QFETCH(int, index);
    QTest::ignoreMessage(QtWarningMsg, "found unknown <sparkles> element");
    const QDomDocument aSource
        = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/layouts_v2.xml"))));
    const QDomElement aRoot = aSource.documentElement();
    LMTemplateFactoryXML2 aFactory(aRoot.firstChildElement(QStringLiteral("filter")));
    LMUnconfiguredTemplateList anOriginals = aFactory.buildTemplates(aRoot, QString(), LMDesignElementMetaData());
    QVERIFY(index < anOriginals.count());
    const LMUnconfiguredTemplate anOriginal = anOriginals.at(index);

    LMTemplateList aList;
    aList.append(LMConfiguredTemplate(anOriginal));
    const QDomDocument aWritten = LMTemplateWriter::buildXML2FromTemplates(aList, QSizeF(2000, 1000));
    const QDomElement aWrittenRoot = aWritten.documentElement();
    QCOMPARE(aWrittenRoot.tagName(), QStringLiteral("templates2"));
    QCOMPARE(aWrittenRoot.attribute(QStringLiteral("version")), QStringLiteral("2"));
    QCOMPARE(aWrittenRoot.attribute(QStringLiteral("type")), QStringLiteral("layoutcollection"));
    const QDomElement aTemplateElement = aWrittenRoot.firstChildElement(QStringLiteral("template"));
    QCOMPARE(aTemplateElement.attribute(QStringLiteral("id")), anOriginal->name());
    QCOMPARE(aTemplateElement.attribute(QStringLiteral("category")), QStringLiteral("layout"));

    LMUnconfiguredTemplateList aReadBack = readBack(aWritten);
    QVERIFY(!aReadBack.isEmpty());
    const LMUnconfiguredTemplate aCopy = aReadBack.first();
    QCOMPARE(aCopy->name(), anOriginal->name());
    QCOMPARE(aCopy->viewAngle(), anOriginal->viewAngle());
    QCOMPARE(aCopy->isUsableByAssistant(), anOriginal->isUsableByAssistant());
    QCOMPARE(aCopy->isUserLayout(), anOriginal->isUserLayout());
    QCOMPARE(aCopy->designElementID(), anOriginal->designElementID());
    QCOMPARE(aCopy->possibleMirrorings(), anOriginal->possibleMirrorings());
    QCOMPARE(aReadBack.count(), anOriginals.at(index) == anOriginals.first() ? 2 : 1);
    QCOMPARE(names(aCopy, LMCategoryTypeEnum::Subcategory), names(anOriginal, LMCategoryTypeEnum::Subcategory));
    QCOMPARE(aCopy->pageConstraint().pageTypes(), anOriginal->pageConstraint().pageTypes());
    QCOMPARE(aCopy->areaDefinitions().count(LMAreaType(LMAreaTypeEnum::Foto)),
             anOriginal->areaDefinitions().count(LMAreaType(LMAreaTypeEnum::Foto)));
    QCOMPARE(aCopy->areaDefinitions().count(LMAreaType(LMAreaTypeEnum::Text)),
             anOriginal->areaDefinitions().count(LMAreaType(LMAreaTypeEnum::Text)));
    const LMTemplateAreaDefinition* anArea = anOriginal->areaDefinitions().first();
    const LMTemplateAreaDefinition* aCopiedArea = aCopy->areaDefinitions().first();
    QVERIFY(qAbs(anArea->rect().left() - aCopiedArea->rect().left()) < 1e-6);
    QVERIFY(qAbs(anArea->rect().width() - aCopiedArea->rect().width()) < 1e-6);

    aReadBack.deleteEntriesAndClear();
    anOriginals.deleteEntriesAndClear();
}

void TestTemplateWriter::onlyLayoutsAreWritten()
{
    LMUnconfiguredTemplate aBackground = LMUnconfiguredTemplate::create(LMJigType(LMJigTypeEnum::Background));
    LMUnconfiguredTemplate aLayout = LMUnconfiguredTemplate::create(LMJigType(LMJigTypeEnum::Layout));
    LMUnconfiguredTemplate anSvg = LMUnconfiguredTemplate::create(LMJigType(LMJigTypeEnum::SvgTemplate));
    LMTemplateList aList;
    aList.append(LMConfiguredTemplate(aBackground));
    aList.append(LMConfiguredTemplate(aLayout));
    aList.append(LMConfiguredTemplate(anSvg));
    const QDomDocument aWritten = LMTemplateWriter::buildXML2FromTemplates(aList, QSizeF(100, 100));
    QCOMPARE(aWritten.documentElement().elementsByTagName(QStringLiteral("template")).count(), 2);
    aBackground.deleteTemplate();
    aLayout.deleteTemplate();
    anSvg.deleteTemplate();
}

void TestTemplateWriter::emptyList()
{
    const QDomDocument aWritten = LMTemplateWriter::buildXML2FromTemplates(LMTemplateList(), QSizeF(100, 100));
    QCOMPARE(aWritten.documentElement().tagName(), QStringLiteral("templates2"));
    QVERIFY(aWritten.documentElement().firstChildElement().isNull());
    QVERIFY(readBack(aWritten).isEmpty());
}

QTEST_GUILESS_MAIN(TestTemplateWriter)
#include "tst_templatewriter.moc"
