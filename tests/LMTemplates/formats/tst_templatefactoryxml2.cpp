#include "LMCategoryType.h"
#include "LMSmartLayoutRegistration.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateList.h"
#include "LMTemplateWriter.h"
#include "LMTestSupport.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLBuilder.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
// Builds a "templates2" block the way the load job does: its filter, its revision, its templates.
LMUnconfiguredTemplateList buildBlock(const QDomElement& theRoot, const QString& theBasePath = QString())
{
    LMTemplateFactoryXML2 aFactory(theRoot.firstChildElement(QStringLiteral("filter")));
    aFactory.setTemplateRevision(LMTemplateFactory::intAttribute(theRoot, QStringLiteral("version"), 1));
    return aFactory.buildTemplates(theRoot, theBasePath, LMDesignElementMetaData());
}

QDomDocument loadFixture(const QString& theName)
{
    return LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/") + theName)));
}

// The collection of layouts most tests read; it holds one unknown child element.
LMUnconfiguredTemplateList buildLayouts()
{
    QTest::ignoreMessage(QtWarningMsg, "found unknown <sparkles> element");
    return buildBlock(loadFixture(QStringLiteral("layouts_v2.xml")).documentElement(),
                      QStringLiteral("/content/layouts"));
}

LMUnconfiguredTemplate byName(const LMUnconfiguredTemplateList& theList, const QString& theName)
{
    for (const bool anUnmirrored : { true, false }) {
        for (const LMUnconfiguredTemplate& aTemplate : theList) {
            if (aTemplate->name() == theName && (!anUnmirrored || !aTemplate->possibleMirrorings().isValid()))
                return aTemplate;
        }
    }
    return LMUnconfiguredTemplate::null();
}

QStringList categories(const LMUnconfiguredTemplate& theTemplate, LMCategoryTypeEnum theType)
{
    QStringList aNames = theTemplate->thematicCategories(LMCategoryType(theType)).internalNames();
    aNames.sort();
    return aNames;
}

int count(const LMUnconfiguredTemplate& theTemplate, LMAreaTypeEnum theType)
{
    return int(theTemplate->areaDefinitions().count(LMAreaType(theType)));
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
// layouts, example layouts, mirrored variants, broken files, and documents written and read back.
class TestTemplateFactoryXML2 : public QObject
{
    Q_OBJECT

private slots:
    void viewAngle_data()
    {
        columns<int, int>("written", "expected");
        row("minus 90", -90, 270);
        row("450", 450, 90);
        row("minus 360", -360, 0);
        row("smallest int", std::numeric_limits<int>::min(), 232);
        row("largest int", std::numeric_limits<int>::max(), 127);
    }
    void viewAngle() { QTEST(LMTemplateFactoryXML2::normalizedViewAngle(fetch<int>("written")), "expected"); }

    void legacyFix_data()
    {
        columns<QString, int, double>("name", "rotation", "left");
        row("revision 1 with fixRotation: fix 3", "Alt", 270, 0.0);
        row("revision 1 without: fix 1", "Alt ohne Drehung", 90, 0.0);
        row("user layout: no fix", "Eigenes", 90, 0.0004);
    }
    void legacyFix()
    {
        QFETCH(QString, name);
        const QDomDocument aDocument = loadFixture(QStringLiteral("legacy_v1.xml"));
        LMUnconfiguredTemplateList aList = buildBlock(aDocument.documentElement());
        const LMUnconfiguredTemplate aTemplate = byName(aList, name);
        QVERIFY(!aTemplate.isNull());
        QTEST(aTemplate->areaDefinitions().first()->rotation().degrees(), "rotation");
        QTEST(aTemplate->areaDefinitions().first()->rect().left(), "left");
        QCOMPARE(aTemplate->isUserLayout(), name == QStringLiteral("Eigenes"));
        aList.deleteEntriesAndClear();

        // The same layouts in a file of revision 2 need no fix.
        LMTemplateFactoryXML2 aFactory;
        QCOMPARE(aFactory.templateRevision(), 2);
        aList = aFactory.buildTemplates(aDocument, QString(), LMDesignElementMetaData());
        QCOMPARE(byName(aList, name)->areaDefinitions().first()->rotation().degrees(), 90);
        aList.deleteEntriesAndClear();
    }

    void smartLayouts()
    {
        Registration aRegistration;
        LMSmartLayoutRegistration::install(&aRegistration);
        LMUnconfiguredTemplateList aList = buildLayouts();
        LMSmartLayoutRegistration::install(nullptr);
        QCOMPARE(count(byName(aList, QStringLiteral("Zwei Fotos")), LMAreaTypeEnum::SmartLayout), 1);
        // "enabled" false keeps the smart layout out even inside a layout collection.
        QCOMPARE(count(byName(aList, QStringLiteral("Ohne Filter")), LMAreaTypeEnum::SmartLayout), 0);
        QCOMPARE(count(byName(aList, QStringLiteral("Mit Fremdem")), LMAreaTypeEnum::SmartLayout), 1);
        // The block's smart layout is registered under the first template's categorisation.
        QCOMPARE(int(aRegistration.myLayouts.size()), 1);
        QCOMPARE(aRegistration.myLayouts.front()->categorization(), aList.first()->categorization());
        aList.deleteEntriesAndClear();

        // Outside a layout collection no smart layout is injected.
        aList = LMTemplateFactoryXML2::buildTemplates(QStringLiteral(
            "<templates2 version='2'><template name='a'><layout width='10' height='10'>"
            "<imagearea x='0' y='0' width='5' height='5'/><smartLayout/></layout></template></templates2>"));
        QCOMPARE(aList.count(), 1);
        QCOMPARE(count(aList.first(), LMAreaTypeEnum::SmartLayout), 0);
        aList.deleteEntriesAndClear();
    }

    void brokenFiles()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("truncated_v2.xml")));
        QVERIFY(buildBlock(loadFixture(QStringLiteral("truncated_v2.xml")).documentElement()).isEmpty());
        LMUnconfiguredTemplateList aList = buildBlock(loadFixture(QStringLiteral("no_size_v2.xml")).documentElement());
        QCOMPARE(aList.count(), 3);
        for (const LMUnconfiguredTemplate& aTemplate : aList) {
            QCOMPARE(aTemplate->areaDefinitions().count(), 0);
            QVERIFY(!aTemplate->areaDefinitions().isValid());
            QCOMPARE(aTemplate->sort(), 0);
            QVERIFY(aTemplate->viewAngle().degrees() >= 0 && aTemplate->viewAngle().degrees() < 360);
        }
        aList.deleteEntriesAndClear();
    }

    void fromText()
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

    void singleTemplateFile()
    {
        // A file whose root is one "template": built alone, without collection id or smart layout.
        LMUnconfiguredTemplateList aList = LMTemplateFactoryXML2().buildLayoutTemplate(
            loadFixture(QStringLiteral("single_template.xml")).documentElement(), QStringLiteral("/content/single"),
            LMDesignElementID(), LMDesignElementMetaData(), nullptr);
        QCOMPARE(aList.count(), 1);
        const LMUnconfiguredTemplate aTemplate = aList.at(0);
        QCOMPARE(aTemplate->name(), QStringLiteral("Einzeln"));
        QCOMPARE(aTemplate->designElementID(), LMDesignElementID(77));
        QCOMPARE(aTemplate->sort(), 5);
        QCOMPARE(count(aTemplate, LMAreaTypeEnum::SmartLayout), 0);
        QCOMPARE(categories(aTemplate, LMCategoryTypeEnum::Subcategory), QStringList());
        aList.deleteEntriesAndClear();
    }

    void onlyLayoutsAreWritten()
    {
        LMTemplateList aList;
        QList<LMUnconfiguredTemplate> aTemplates;
        for (const LMJigTypeEnum aType :
             { LMJigTypeEnum::Background, LMJigTypeEnum::Layout, LMJigTypeEnum::SvgTemplate }) {
            aTemplates.append(LMUnconfiguredTemplate::create(LMJigType(aType)));
            aList.append(LMConfiguredTemplate(aTemplates.last()));
        }
        const QDomDocument aWritten = LMTemplateWriter::buildXML2FromTemplates(aList, QSizeF(100, 100));
        QCOMPARE(aWritten.documentElement().elementsByTagName(QStringLiteral("template")).count(), 2);
        for (LMUnconfiguredTemplate& aTemplate : aTemplates)
            aTemplate.deleteTemplate();

        const QDomDocument anEmpty = LMTemplateWriter::buildXML2FromTemplates(LMTemplateList(), QSizeF(100, 100));
        QCOMPARE(anEmpty.documentElement().tagName(), QStringLiteral("templates2"));
        QVERIFY(anEmpty.documentElement().firstChildElement().isNull());
        QVERIFY(buildBlock(anEmpty.documentElement()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestTemplateFactoryXML2)
#include "tst_templatefactoryxml2.moc"
