#include "LMArticlesGroup.h"
#include "LMContentGenerator.h"
#include "LMDirectoryConfig.h"
#include "LMJobLoadTemplateFile.h"
#include "LMLoadingTest.h"
#include "LMSmartLayoutRegistration.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateList.h"
#include "LMTemplateLoaderLoadingInfo.h"
#include "LMTemplateStreamReaderXML2.h"
#include "LMTemplateWriter.h"
#include "LMXMLBuilder.h"
#include "LMXMLLoader.h"

#include <QDirIterator>
#include <QDomDocument>

#include <cmath>

using namespace LMLoadingTest;

namespace {

// Numbers as the comparison sees them: a hundredth of a page unit apart is the same number (the
// writer keeps six significant digits, normalising and scaling back loses the last bits).
QString number(double theValue)
{
    const double aRounded = std::round(theValue * 100.0) / 100.0;
    return QString::number(aRounded == 0.0 ? 0.0 : aRounded, 'f', 2);
}

QString canonicalValue(const QString& theValue)
{
    bool anOk = false;
    const double aValue = theValue.toDouble(&anOk);
    return anOk ? number(aValue) : theValue;
}

// An element as text with its attributes in name order and its numbers rounded, so that two
// writings of equal things compare equal; child elements follow, indented.
QStringList canonical(const QDomElement& theElement, const QString& theIndent = QString())
{
    QStringList anAttributes;
    const QDomNamedNodeMap aMap = theElement.attributes();
    for (int i = 0; i < aMap.size(); ++i) {
        const QDomAttr anAttribute = aMap.item(i).toAttr();
        anAttributes.append(anAttribute.name() + QLatin1Char('=') + canonicalValue(anAttribute.value()));
    }
    anAttributes.sort();
    QStringList aLines { theIndent + theElement.tagName() + QLatin1Char(' ') + anAttributes.join(QLatin1Char(' ')) };
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        aLines.append(canonical(aChild, theIndent + QStringLiteral("  ")));
    return aLines;
}

// What the model holds of one area, from its own getters (geometry on the page, kind, abilities,
// place, links), and below it the areas a smart layout arranges.
QStringList describeAreas(const LMTemplateAreaDefinitionList& theAreas, const QSizeF& thePage,
                          const QString& theIndent = QString())
{
    QStringList aLines;
    for (const LMTemplateAreaDefinition* anArea : theAreas) {
        const QRectF aRect = anArea->isNormalized() ? anArea->scaledRect(thePage) : anArea->rect();
        aLines.append(theIndent
                      + QStringLiteral("%1 at %2,%3 size %4x%5 turned %6 abilities %7 on %8 link %9")
                            .arg(anArea->areaType().tagName(), number(aRect.x()), number(aRect.y()),
                                 number(aRect.width()), number(aRect.height()))
                            .arg(anArea->rotation().degrees())
                            .arg(anArea->abilities().value())
                            .arg(anArea->positioningConstraint().value())
                            .arg(anArea->associationId().id()));
        if (anArea->isType(LMAreaTypeEnum::SmartLayout)) {
            const auto* aSmartLayout = static_cast<const LMTemplateAreaDefinitionSmartLayout*>(anArea);
            aLines.append(theIndent + QStringLiteral("  active %1").arg(aSmartLayout->isActive()));
            aLines.append(describeAreas(aSmartLayout->children(), thePage, theIndent + QStringLiteral("  ")));
        }
    }
    return aLines;
}

// Everything the version-2 format carries of a template: its attributes, its filter and its areas,
// from the getters and, for the properties of each kind of area, as the area writes itself.
QStringList describe(const LMTemplate& theTemplate, const QSizeF& thePage)
{
    QStringList aLines {
        QStringLiteral("name %1 sort %2 view %3 assistant %4 user %5 locked %6 id %7 mirrors %8")
            .arg(theTemplate.name())
            .arg(theTemplate.sort())
            .arg(theTemplate.viewAngle().degrees())
            .arg(theTemplate.isUsableByAssistant())
            .arg(theTemplate.isUserLayout())
            .arg(theTemplate.locksLayout())
            .arg(theTemplate.designElementID().toString(), theTemplate.possibleMirrorings().encodeCSV()),
        QStringLiteral("subcategories %1")
            .arg(theTemplate.thematicCategories(LMCategoryType(LMCategoryTypeEnum::Subcategory))
                     .internalNames()
                     .join(QLatin1Char(','))),
        QStringLiteral("page types %1 alignments %2")
            .arg(theTemplate.pageConstraint().pageTypes().value())
            .arg(theTemplate.pageConstraint().intendedAlignments().value()),
    };
    const LMArticlesGroup aGroup = theTemplate.articleGroup();
    aLines.append(QStringLiteral("articles %1").arg(aGroup.explicitArticles().orderTxtNames().join(QLatin1Char(','))));
    for (const LMProductRestriction& aRestriction : aGroup.restrictions())
        aLines.append(QStringLiteral("restriction orientations %1 classes %2 covers %3 bindings %4 size %5")
                          .arg(aRestriction.orientations().value())
                          .arg(aRestriction.articleClasses().value())
                          .arg(aRestriction.coverTypes().value())
                          .arg(aRestriction.pageBindings().value())
                          .arg(aRestriction.minimumSize().value()));
    QDomDocument aDocument;
    QDomElement aRoot = aDocument.createElement(QStringLiteral("described"));
    aDocument.appendChild(aRoot);
    QDomElement aTilt = LMXMLBuilder::buildDomElement(aRoot, QStringLiteral("tilt"));
    theTemplate.defaultRotation().writeToXml(aTilt);
    QDomElement anAreas = LMXMLBuilder::buildDomElement(aRoot, QStringLiteral("areas"));
    theTemplate.areaDefinitions().buildXML(anAreas, thePage);
    aLines.append(canonical(aRoot));
    aLines.append(describeAreas(theTemplate.areaDefinitions(), thePage));
    return aLines;
}

LMUnconfiguredTemplateList readBack(const QByteArray& theText)
{
    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(theText, QStringLiteral("written"));
    const QDomElement aRoot = aDocument.documentElement();
    LMTemplateFactoryXML2 aFactory(aRoot.firstChildElement(QStringLiteral("filter")));
    aFactory.setTemplateRevision(LMTemplateFactory::intAttribute(aRoot, QStringLiteral("version"), 1));
    return aFactory.buildTemplates(aRoot, QString(), LMDesignElementMetaData());
}

// The templates the load job reads from every template file of the content tree (its templates and
// designs; decorations are not templates), in path order.
LMUnconfiguredTemplateList readTree(const QString& theRoot)
{
    QStringList aFiles;
    for (const QString& aFolder : { QStringLiteral("templates"), QStringLiteral("designs") }) {
        QDirIterator anIt(QDir(theRoot).filePath(aFolder), { QStringLiteral("*.xml"), QStringLiteral("*.svg") },
                          QDir::Files, QDirIterator::Subdirectories);
        while (anIt.hasNext())
            aFiles.append(anIt.next());
    }
    aFiles.sort();
    LMUnconfiguredTemplateList aTemplates;
    for (const QString& aFile : std::as_const(aFiles)) {
        LMTemplateLoaderLoadingInfo anInfo { QFileInfo(aFile) };
        LMJobLoadTemplateFile(&anInfo).doStuff();
        aTemplates.append(anInfo.takeTemplates());
    }
    return aTemplates;
}

// What the readers hand to the registry: the smart layouts of the blocks, described.
class SmartLayoutRecorder : public LMSmartLayoutRegistration
{
public:
    SmartLayoutRecorder() { install(this); }
    ~SmartLayoutRecorder() override { install(nullptr); }
    void addSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout) override
    {
        myLines.append(QStringLiteral("smart layout %1")
                           .arg(theSmartLayout->categorization().allCategories().internalNames().join(u',')));
        myLines.append(describeAreas(theSmartLayout->children(), QSizeF(1000, 1000)));
    }
    QStringList myLines;
};

// Every template of the file, described, and the smart layouts registered: read from the DOM, or
// by the stream reader.
QStringList readVersion2File(const QString& thePath, bool theStream)
{
    const QFileInfo aFile(thePath);
    const QString aBasePath = aFile.absolutePath() + QLatin1Char('/');
    SmartLayoutRecorder aRecorder;
    LMUnconfiguredTemplateList aTemplates;
    if (theStream) {
        const std::optional<QString> aText = LMXMLLoader::loadText(aFile);
        LMTemplateStreamReaderXML2 aReader(aText.value_or(QString()), thePath);
        aTemplates = aReader.read(aBasePath, LMDesignElementMetaData()).value_or(LMUnconfiguredTemplateList());
    } else {
        aTemplates = LMTemplateFactoryXML2::buildFileTemplates(LMXMLLoader::loadDocument(aFile).documentElement(),
                                                               aBasePath, LMDesignElementMetaData());
    }
    QStringList aLines = aRecorder.myLines;
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(aTemplates))
        aLines.append(describe(*aTemplate, aTemplate->pageSize()));
    aTemplates.deleteEntriesAndClear();
    return aLines;
}

} // namespace

// Layouts and SVG pages written as a version-2 layout collection and read back are the same
// templates, for every such template of the sample and of a generated tree; and every template
// the load job hands out carries its analysis.
class TestTemplateRoundTrip : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        QVERIFY(myGenerated.isValid());
        LMContentGenerator aGenerator;
        // 500 files: layout collections with smart layouts gathered by their design element id, and
        // SVG designs with several pages and smart layout files.
        QCOMPARE(aGenerator.writeLayoutCollectionsV2(myGenerated.filePath("templates"), 300, 1, 6).size(), 300);
        QCOMPARE(aGenerator.writeSvgDesigns(myGenerated.path(), 110, 3, 4).size(), 110);

        // The sample's broken files say so; that is tested with the sample itself.
        QtMessageHandler aPrevious
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        for (const QString& aRoot : { LMDirectoryConfig::sampleContentRoot(), myGenerated.path() }) {
            LMDirectoryConfig::instance()->setContentRoot(aRoot);
            const LMUnconfiguredTemplateList aTemplates = readTree(aRoot);
            myTemplates.append(aTemplates);
            for (qsizetype i = 0; i < aTemplates.size(); ++i)
                mySources.append(aRoot == myGenerated.path() ? QStringLiteral("generated") : QStringLiteral("sample"));
        }
        qInstallMessageHandler(aPrevious);
        QVERIFY(myTemplates.size() > 1000);
    }

    void cleanupTestCase() { myTemplates.deleteEntriesAndClear(); }

    void roundTrip_data()
    {
        QTest::addColumn<int>("index");
        const LMJigType aWritten = LMJigType::fromInt(int(LMJigTypeEnum::SvgTemplate) | int(LMJigTypeEnum::Layout));
        for (qsizetype i = 0; i < myTemplates.size(); ++i) {
            if (myTemplates.at(i)->isJigType(aWritten))
                QTest::addRow("%s %lld %s", qPrintable(mySources.at(i)), qint64(i),
                              qPrintable(myTemplates.at(i)->name()))
                    << int(i);
        }
    }

    void roundTrip()
    {
        QFETCH(int, index);
        const LMTemplate& anOriginal = *myTemplates.at(index);
        const QSizeF aPage = anOriginal.pageSize();
        QVERIFY2(!aPage.isEmpty(), "every layout and SVG page knows its page");

        LMTemplateList aList;
        aList.append(LMConfiguredTemplate(myTemplates.at(index), LMTemplateConfiguration()));
        const QByteArray aText = LMXMLBuilder::toUTF8(LMTemplateWriter::buildXML2FromTemplates(aList, aPage));
        LMUnconfiguredTemplateList aCopies = readBack(aText);
        // A template is read back as itself and, when it may be mirrored, its mirrored variants.
        QVERIFY(!aCopies.isEmpty());
        const LMTemplate& aCopy = *aCopies.first();

        QCOMPARE(aCopy.pageSize(), aPage);
        QCOMPARE(describe(aCopy, aPage), describe(anOriginal, aPage));
        QCOMPARE(aCopy.areaDefinitions().countWithSmartLayoutChildren(LMAreaType(LMAreaTypeEnum::Foto)),
                 anOriginal.areaDefinitions().countWithSmartLayoutChildren(LMAreaType(LMAreaTypeEnum::Foto)));
        aCopies.deleteEntriesAndClear();
    }

    void analysisAfterLoading_data()
    {
        columns<QString, int, int, int>("name", "photoAreas", "texts", "portrait");
        // The sample's layouts, counted in their files: photos a smart layout gathers count too.
        row("two photos gathered by the collection's id", "Album 2 photos A", 2, 1, 0);
        row("two upright photos", "Album 2 photos B", 2, 1, 2);
        row("one photo, headline and text", "Album 1 photo B", 1, 2, 0);
    }

    void analysisAfterLoading()
    {
        const auto anIt
            = std::find_if(myTemplates.cbegin(), myTemplates.cend(), [&](const LMUnconfiguredTemplate& theTemplate) {
                  return theTemplate->name() == fetch<QString>("name");
              });
        QVERIFY(anIt != myTemplates.cend());
        // As loaded: nothing here measures the areas again.
        const LMTemplateAnalysis& anAnalysis = (*anIt)->analysis();
        QTEST(anAnalysis.countFotoAreas(), "photoAreas");
        QTEST(anAnalysis.countTexts(), "texts");
        QTEST(anAnalysis.countFotoAreasInPortrait(), "portrait");
    }

    // The stream reader builds the templates the DOM reader builds, from every version-2 file of the
    // sample, the test data and a generated tree, and from the block layouts only it takes apart.
    void streamReaderEqualsDomReader_data()
    {
        columns<QString, int>("path", "templates");
        // Refused and broken files say so here and in the test; both readers must give nothing.
        QtMessageHandler aPrevious
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        for (const QString& aRoot :
             { LMDirectoryConfig::sampleContentRoot(), LMTestSupport::dataPath(QString()), myGenerated.path() }) {
            QDirIterator anIt(aRoot, { QStringLiteral("*.xml") }, QDir::Files, QDirIterator::Subdirectories);
            while (anIt.hasNext()) {
                const QString aPath = anIt.next();
                LMTemplateStreamReaderXML2 aReader(LMXMLLoader::loadText(QFileInfo(aPath)).value_or(QString()), aPath);
                if (aReader.readsFile())
                    QTest::addRow("%s", qPrintable(QDir(aRoot).relativeFilePath(aPath))) << aPath << -1;
            }
        }
        qInstallMessageHandler(aPrevious);
        const QString aLayout = QStringLiteral(
            R"(<template name="%1"><layout><total width="100" height="100"/><imagearea x="0" y="0" width="50" height="50"/></layout></template>)");
        const QString aFilter = QStringLiteral("<filter><subcategory>late</subcategory></filter>");
        const QString aSmart = QStringLiteral(
            R"(<smartLayout active="true"><imagearea x="0" y="0" width="9" height="9"/></smartLayout>)");
        const QString anA = aLayout.arg(QStringLiteral("A"));
        const QString aB = aLayout.arg(QStringLiteral("B"));
        const auto aBlock = [](const QString& theBody) {
            return QStringLiteral(
                       R"(<templates2 version="2" type="layoutcollection" designElementId="7">%1</templates2>)")
                .arg(theBody);
        };
        const auto aWritten = [this](const QString& theName, const QString& theText) {
            return LMTestSupport::writeFile(myGenerated, QStringLiteral("stream/%1.xml").arg(theName),
                                            theText.toUtf8());
        };
        QTest::newRow("filter after the templates") << aWritten("late-filter", aBlock(anA + aB + aFilter)) << 2;
        QTest::newRow("smart layout between templates") << aWritten("late-smart", aBlock(anA + aSmart + aB)) << 2;
        QTest::newRow("second filter ignored")
            << aWritten("two-filters", aBlock(aFilter + anA + QStringLiteral("<filter/>"))) << 1;
        QTest::newRow("blocks of a collection, late filter in the first") << aWritten(
            "collection",
            QStringLiteral("<collection>%1<other/>%2</collection>").arg(aBlock(anA + aFilter), aBlock(aSmart + aB)))
                                                                          << 2;
        QTest::newRow("comments and text around")
            << aWritten("comments", QStringLiteral("<!-- c --><templates2>x<!-- %1 -->%2</templates2>").arg(anA, aB))
            << 1;
        QTest::newRow("single template") << aWritten("single", anA) << 1;
        QTest::newRow("empty block") << aWritten("empty", aBlock(aSmart)) << 0;
    }
    void streamReaderEqualsDomReader()
    {
        QFETCH(QString, path);
        QFETCH(int, templates);
        QtMessageHandler aPrevious
            = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        const QStringList aFromDom = readVersion2File(path, false);
        const QStringList aFromStream = readVersion2File(path, true);
        qInstallMessageHandler(aPrevious);
        QCOMPARE(aFromStream, aFromDom);
        if (templates >= 0)
            QCOMPARE(aFromDom.filter(QRegularExpression(QStringLiteral("^name "))).size(), templates);
    }

    // A file broken after some of its templates gives none, and registers no smart layout.
    void malformedAfterTemplates()
    {
        const QString aPath = LMTestSupport::writeFile(
            myGenerated, "stream/broken.xml",
            R"(<templates2 type="layoutcollection" designElementId="7"><smartLayout/><template name="A"><layout><total width="10" height="10"/></layout></template><template>)");
        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(
                QStringLiteral("malformed XML file %1 at line 1, column 158: Premature end of document.").arg(aPath)));
        SmartLayoutRecorder aRecorder;
        LMTemplateStreamReaderXML2 aReader(*LMXMLLoader::loadText(QFileInfo(aPath)), aPath);
        QVERIFY(aReader.readsFile());
        QVERIFY(!aReader.read(QString(), LMDesignElementMetaData()).has_value());
        QVERIFY(aRecorder.myLines.isEmpty());
    }

private:
    QTemporaryDir myGenerated;
    LMUnconfiguredTemplateList myTemplates;
    QStringList mySources;
};

QTEST_GUILESS_MAIN(TestTemplateRoundTrip)
#include "tst_templateroundtrip.moc"
