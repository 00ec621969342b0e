#include "LMCrashReportSender.h"
#include "LMDirectoryConfig.h"
#include "LMKeyAccount.h"
#include "LMLocaleAndTranslationManager.h"
#include "LMSVGImageAbstract.h"
#include "LMSVGImageCalendar.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionOsm.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateBundleRegistry.h"
#include "LMTemplateFactorySVG.h"
#include "LMTestSupport.h"
#include "LMXMLLoader.h"

#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <QtTest>
#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::fixture;
using LMTestSupport::row;
using LMTestSupport::writeFile;

namespace {
const QString STR_DESIGN = QStringLiteral("designs/meadow/meadow-a-01.svg");
const QString STR_PHOTOS = QStringLiteral("<g lumo:layertype='1'><image width='10' height='10'/></g>");

// An SVG page of 1000 x 500 units with the metadata block and the given body.
QByteArray page(const QString& theBody, const QString& theMetadata = QString())
{
    return QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>\n"
                          "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                          "xmlns:lumo='urn:lumo' width='1000' height='500'>"
                          "<metadata><lumo:template>%1</lumo:template></metadata>%2</svg>")
        .arg(theMetadata, theBody)
        .toUtf8();
}

// The area of the type at the index among the areas of that type (filter() hands over copies).
template <typename T>
const T* area(const LMTemplateAreaDefinitionList& theAreas, LMAreaTypeEnum theType, int theIndex = 0)
{
    for (const LMTemplateAreaDefinition* anArea : theAreas) {
        if (anArea->isType(LMAreaType(theType)) && theIndex-- == 0)
            return static_cast<const T*>(anArea);
    }
    return nullptr;
}

// Builds the templates of a file below the content root; the caller deletes them with release().
class Built
{
public:
    Built(const QTemporaryDir& theRoot, const QString& thePath)
    {
        const QFileInfo aFile(theRoot.filePath(thePath));
        myTemplates = LMTemplateFactorySVG(LMXMLLoader::loadDocument(aFile), aFile).buildTemplates();
    }
    ~Built()
    {
        for (const LMUnconfiguredTemplate& aTemplate : myTemplates)
            LMTemplateBundleRegistry::instance()->remove(aTemplate);
        myTemplates.deleteEntriesAndClear();
    }
    const LMUnconfiguredTemplateList& templates() const { return myTemplates; }
    const LMTemplate& first() const { return *myTemplates.first(); }
    const LMTemplateAreaDefinitionList& areas() const { return first().areaDefinitions(); }

private:
    LMUnconfiguredTemplateList myTemplates;
};
} // namespace

class TestTemplateFactorySVG : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: the list of legacy designs is read once per process.
    void legacyStrokeWidth()
    {
        init();
        writeFile(*myRoot, "legacy/legacyDesigns.xml",
                  "<legacyDesigns><useLegacyBrokenSvgUnscaledTextStrokeWidth><id>4711</id><id>12</id>"
                  "</useLegacyBrokenSvgUnscaledTextStrokeWidth></legacyDesigns>");
        const QString aBody = QStringLiteral("<g lumo:layertype='2'><rect width='10' height='10'/></g>");
        writeFile(*myRoot, STR_DESIGN,
                  page(aBody, QStringLiteral("<lumo:designelementid>4711</lumo:designelementid>")));
        writeFile(*myRoot, "designs/other/other-a-01.svg",
                  page(aBody, QStringLiteral("<lumo:designelementid>4712</lumo:designelementid>")));
        const auto aLegacy = [this](const QString& thePath) {
            const Built aBuilt(*myRoot, thePath);
            const auto* anArea = area<LMTemplateAreaDefinitionSVG>(aBuilt.areas(), LMAreaTypeEnum::SVG);
            return static_cast<const LMSVGImageCalendar*>(anArea->svgImage())
                ->useLegacyBrokenSvgUnscaledTextStrokeWidth();
        };
        QVERIFY(aLegacy(STR_DESIGN));
        QVERIFY(!aLegacy(QStringLiteral("designs/other/other-a-01.svg")));
        cleanup();
    }
    void init()
    {
        myRoot = std::make_unique<QTemporaryDir>();
        QVERIFY(myRoot->isValid());
        LMDirectoryConfig::instance()->setContentRoot(myRoot->path());
        LMKeyAccount::instance()->setKeyAccountId(LMKeyAccountId());
        LMLocaleAndTranslationManager::instance()->setLanguageCode(QStringLiteral("de"));
    }
    void cleanup()
    {
        LMDirectoryConfig::instance()->setContentRoot(QString());
        myRoot.reset();
    }

    void geometry_data()
    {
        columns<QString, double, QRectF, int>("body", "stretch", "expectedRect", "expectedDegrees");
        const QString anImage = QStringLiteral("<image x='10' y='20' width='100' height='50'/>");
        row("stretched by 2 (127 dpi)", anImage, 2.0, QRectF(20, 40, 200, 100), 0);
        row("turned by -90 is 270", "<image width='100' height='50' transform='rotate(-90)'/>", 1.0,
            QRectF(-25, -75, 100, 50), 270);
        row("turned about its centre keeps the centre",
            "<image x='0' y='0' width='100' height='50' transform='rotate(30 50 25)'/>", 1.0, QRectF(0, 0, 100, 50),
            30);
        row("translations of the ancestors add up",
            "<g transform='translate(100 0)'><g transform='translate(0 10)'><image x='1' y='2' width='3' "
            "height='4'/></g></g>",
            1.0, QRectF(101, 12, 3, 4), 0);
        row("scaled group scales the size", "<g transform='scale(2)'><image x='5' y='5' width='10' height='20'/></g>",
            1.0, QRectF(10, 10, 20, 40), 0);
        row("fractional angle is truncated",
            "<image x='0' y='0' width='10' height='10' transform='rotate(-45.7 5 5)'/>", 1.0, QRectF(0, 0, 10, 10),
            315);
    }
    void geometry()
    {
        QFETCH(QRectF, expectedRect);
        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(page(fetch<QString>("body")), QStringLiteral("geometry"));
        int aDegrees = -1;
        const QRectF aRect = LMTemplateFactorySVG::readRotatedRectStretched(
            aDocument.elementsByTagName(QStringLiteral("image")).item(0).toElement(), fetch<double>("stretch"),
            &aDegrees);
        QTEST(aDegrees, "expectedDegrees");
        const QRectF aDifference(aRect.topLeft() - expectedRect.topLeft(), aRect.size() - expectedRect.size());
        QVERIFY2(qAbs(aDifference.x()) < 1e-6 && qAbs(aDifference.y()) < 1e-6 && qAbs(aDifference.width()) < 1e-6
                     && qAbs(aDifference.height()) < 1e-6,
                 qPrintable(QStringLiteral("got %1 %2 %3 %4")
                                .arg(aRect.x())
                                .arg(aRect.y())
                                .arg(aRect.width())
                                .arg(aRect.height())));
    }

    void wholeDegrees_data()
    {
        columns<double, int>("degrees", "expected");
        row("-360", -360.0, 0);
        row("450", 450.0, 90);
        row("359.9 truncates", 359.9, 359);
        row("-0.5 truncates to 0", -0.5, 0);
        // Beyond int and not a number at all: defined results, no conversion out of range.
        row("3e9, beyond int", 3e9, 120);
        row("-3e9, beyond int", -3e9, 240);
        row("not a number", qQNaN(), 0);
        row("minus infinity", -qInf(), 0);
    }
    void wholeDegrees() { QTEST(LMTemplateFactorySVG::wholeDegrees(fetch<double>("degrees")), "expected"); }

    void placeholder_data()
    {
        columns<QString, bool>("text", "expected");
        row("upper case with punctuation", "I.H.R  T-E/X*T!", true);
        row("only blanks between the words", "ihr-text", false);
        row("extra blanks", "  ihr   text  ", true);
        row("no blank", "IhrText", true);
        row("a longer word", "Ihr Texte", false);
        row("empty", "", false);
        row("letters in between", "Ihr neuer Text", false);
    }
    void placeholder() { QTEST(LMTemplateFactorySVG::isPlaceholderText(fetch<QString>("text")), "expected"); }

    void zPositionsWithSmartLayout()
    {
        writeFile(*myRoot, STR_DESIGN, fixture(QStringLiteral("formats/svg/smart-page.svg")));
        writeFile(*myRoot, "designs/meadow/meadow-a-01-wide.smartlayout",
                  fixture(QStringLiteral("formats/svg/smart-wide.smartlayout")));
        // Another design's smart layout in the same folder is not taken.
        writeFile(*myRoot, "designs/meadow/aaa-b-02.smartlayout",
                  "<smartlayout xmlns:lumo='urn:lumo'><lumo:layoutArea width='1' height='1'/></smartlayout>");
        const Built aBuilt(*myRoot, STR_DESIGN);
        QCOMPARE(aBuilt.templates().size(), 1);
        const LMTemplateAreaDefinitionList& anAreas = aBuilt.areas();
        // The smart layout comes first and gathers the photo slots that may be resized; the locked
        // slot stays on its own.
        QCOMPARE(anAreas.count(), 2);
        const auto* aSmartLayout = dynamic_cast<const LMTemplateAreaDefinitionSmartLayout*>(anAreas.at(0));
        QVERIFY(aSmartLayout);
        QCOMPARE(aSmartLayout->zPosition(), 7050);
        QVERIFY(aSmartLayout->isActive());
        QCOMPARE(aSmartLayout->rect(), QRectF(10, 20, 960, 440));
        QCOMPARE(aSmartLayout->configuration().spacing(), LMDistance(12.5));
        const LMTemplateAreaDefinitionList& aChildren = aSmartLayout->children();
        QCOMPARE(aChildren.count(), 2);
        QCOMPARE(aChildren.at(0)->zPosition(), 7020);
        QCOMPARE(aChildren.at(1)->zPosition(), 7040);
        QCOMPARE(aChildren.at(1)->rect(), QRectF(400, 0, 100, 100));
        QCOMPARE(aChildren.at(0)->abilities().value(), 6799359);
        QCOMPARE(anAreas.at(1)->zPosition(), 7030);
        QCOMPARE(anAreas.at(1)->abilities().value(), 6799332);
    }

    void layerType_data()
    {
        columns<QString, int>("body", "expected");
        const QString aText = QStringLiteral(
            "<g lumo:layertype='2'><lumo:textarea x='0' y='0' width='10' height='10'>A</lumo:textarea></g>");
        const QString aReference = QStringLiteral("<g lumo:layertype='4'><image width='10' height='10'/></g>");
        const QString anArtwork = QStringLiteral("<g lumo:layertype='2'><rect width='10' height='10'/></g>");
        row("photos only", STR_PHOTOS, 4);
        row("reference alone", aReference, 4);
        row("text then two references", aText + aReference + aReference, 32);
        // Content 2, and the text group's artwork makes it content 1.
        row("reference, text, reference", aReference + aText + aReference, 8);
        row("photos then reference", STR_PHOTOS + aReference, 16);
        row("photos, artwork and reference: content 1", STR_PHOTOS + anArtwork + aReference, 8);
        row("custom fill with reference",
            "<g lumo:layertype='2'><rect width='10' height='10' lumo:custom_fill='true' fill='#ff0000'/></g>"
                + aReference,
            16);
        row("unknown layer kind 3 is ignored", "<g lumo:layertype='3'><image width='10' height='10'/></g>" + aReference,
            4);
    }
    void layerType()
    {
        writeFile(*myRoot, STR_DESIGN, page(fetch<QString>("body")));
        const Built aBuilt(*myRoot, STR_DESIGN);
        QCOMPARE(aBuilt.templates().size(), 1);
        QTEST(aBuilt.first().templateLayerType().value(), "expected");
        QTEST(aBuilt.first().spotColorLayerType().value(), "expected");
    }

    void rejectedFiles_data()
    {
        columns<QString, int, int>("metadata", "keyAccount", "expected");
        row("for everybody", "", 7, 1);
        row("own key account", "<lumo:keyaccount>7</lumo:keyaccount><lumo:keyaccount>8</lumo:keyaccount>", 8, 1);
        row("another key account", "<lumo:keyaccount>7</lumo:keyaccount>", 9, 0);
        row("no key account set", "<lumo:keyaccount>7</lumo:keyaccount>", 0, 0);
        row("duplicate", "<lumo:flags><lumo:property key='duplicate'/></lumo:flags>", 7, 0);
    }
    void rejectedFiles()
    {
        QFETCH(int, keyAccount);
        LMKeyAccount::instance()->setKeyAccountId(keyAccount > 0 ? LMKeyAccountId(keyAccount) : LMKeyAccountId());
        writeFile(*myRoot, STR_DESIGN, page(STR_PHOTOS, fetch<QString>("metadata")));
        const Built aBuilt(*myRoot, STR_DESIGN);
        QTEST(int(aBuilt.templates().size()), "expected");
    }

    void textSlots()
    {
        writeFile(*myRoot, STR_DESIGN, fixture(QStringLiteral("formats/svg/text-page.svg")));
        const Built aBuilt(*myRoot, STR_DESIGN);
        QCOMPARE(aBuilt.templates().size(), 1);
        QCOMPARE(aBuilt.areas().filter(LMAreaTypeEnum::Text).count(), 3);
        const auto* aPlaceholder = area<LMTemplateAreaDefinitionText>(aBuilt.areas(), LMAreaTypeEnum::Text, 0);
        QCOMPARE(aPlaceholder->defaultText(), QString());
        QCOMPARE(aPlaceholder->rect(), QRectF(100, 100, 200, 100));
        const auto* aCentred = area<LMTemplateAreaDefinitionText>(aBuilt.areas(), LMAreaTypeEnum::Text, 1);
        QCOMPARE(aCentred->defaultText(), QStringLiteral("Sommer"));
        QCOMPARE(aCentred->rect(), QRectF(90, 295, 220, 110));
        QCOMPARE(aCentred->associationId(), LMAreaAssociationId(QStringLiteral("title")));
        const auto* aGold = area<LMTemplateAreaDefinitionText>(aBuilt.areas(), LMAreaTypeEnum::Text, 2);
        QVERIFY(aGold->textFormatChange().changes(LMTextFormat::SpotColorText));
        QVERIFY(aGold->textFormatChange().format().spotColorText());
        QCOMPARE(aGold->abilities().value(), 6799332);
        // The whole render group without its text slots is one SVG area as well.
        QCOMPARE(aBuilt.areas().count(LMAreaTypeEnum::SVG), 1);
        QVERIFY(aBuilt.first().hasSpotColor());
    }

    void referenceLayer()
    {
        writeFile(*myRoot, "designs/meadow/images/preview.png", "png");
        writeFile(*myRoot, STR_DESIGN,
                  page("<g lumo:layertype='4'><image x='0' y='0' width='1000' height='500' lumo:content_ref='bg7' "
                       "lumo:priceclass='2' lumo:hiresref='hires.png' lumo:previewref='preview.png'/></g>",
                       "<lumo:imagepath>images</lumo:imagepath><lumo:reference>bg7</lumo:reference>"));
        const QString aMissing = myRoot->filePath("designs/meadow/images/hires.png");
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("no image found with name: ") + aMissing));
        const Built aBuilt(*myRoot, STR_DESIGN);
        QCOMPARE(aBuilt.templates().size(), 1);
        const LMTemplateFileInfo& anInfo = aBuilt.first().fileInfo();
        QCOMPARE(anInfo.thumbnailFile(), myRoot->filePath("designs/meadow/images/preview.png"));
        QCOMPARE(anInfo.priceClass().toString(), QStringLiteral("02"));
        QCOMPARE(anInfo.pdfFile(), QStringLiteral("design_02_images_bg7"));
    }

    void embeddedCalendar()
    {
        // Only the German variant of the calendar exists.
        writeFile(*myRoot, "designs/meadow/cal_de.svg", fixture(QStringLiteral("formats/svg/cal_de.svg")));
        writeFile(*myRoot, STR_DESIGN, fixture(QStringLiteral("formats/svg/calendar-page.svg")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("missing\\.svg")));
        const Built aBuilt(*myRoot, STR_DESIGN);
        QCOMPARE(aBuilt.templates().size(), 1);
        // The group, the calendar and the one named text of the calendar.
        QCOMPARE(aBuilt.areas().count(LMAreaTypeEnum::SVG), 2);
        QCOMPARE(aBuilt.areas().filter(LMAreaTypeEnum::Text).count(), 1);
        const auto* aText = area<LMTemplateAreaDefinitionText>(aBuilt.areas(), LMAreaTypeEnum::Text);
        QCOMPARE(aText->rect(), QRectF(120, 120, 40, 20));
        QVERIFY(aText->textFormatChange().format().spotColorText());
    }

    void mapWithCaption()
    {
        writeFile(*myRoot, STR_DESIGN, fixture(QStringLiteral("formats/svg/map-page.svg")));
        const Built aBuilt(*myRoot, STR_DESIGN);
        QCOMPARE(aBuilt.templates().size(), 1);
        QCOMPARE(aBuilt.areas().filter(LMAreaTypeEnum::Osm).count(), 1);
        const auto* aMap = area<LMTemplateAreaDefinitionOsm>(aBuilt.areas(), LMAreaTypeEnum::Osm);
        QCOMPARE(aMap->content().center(), QPointF(13.4, 52.5));
        QCOMPARE(aMap->associationId(), LMAreaAssociationId(QStringLiteral("map1")));
        const auto* aCaption = area<LMTemplateAreaDefinitionText>(aBuilt.areas(), LMAreaTypeEnum::Text);
        QCOMPARE(aCaption->associationId(), LMAreaAssociationId(QStringLiteral("map1")));
        QCOMPARE(aCaption->autoTextPattern(), QStringLiteral("{city}"));
        QCOMPARE(aCaption->autoTextTransform(), LMTextTransform(LMTextTransformEnum::Uppercase));
    }

    void hostilePageFiles()
    {
        writeFile(*myRoot, STR_DESIGN,
                  page(STR_PHOTOS,
                       "<lumo:pages><lumo:page xlink:href='../../../../outside.svg'/><lumo:page "
                       "xlink:href='gone.svg'/><lumo:page xlink:href='meadow-a-01.svg'/></lumo:pages>"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("outside\\.svg.*outside the content tree")));
        // A missing page of the design is reported like a broken one.
        const auto expectBrokenPage = [](const QString& thePath, bool theMissing) {
            const QString aPath = QFileInfo(thePath).absoluteFilePath();
            if (theMissing)
                QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("XML file %1 not found").arg(aPath)));
            else
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(aPath)));
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("svg parse error: file %1 not found!").arg(aPath)));
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("fetchDocument: FILE:.*")
                                                    + QRegularExpression::escape(QFileInfo(aPath).fileName())
                                                    + QStringLiteral(" PARENT:")));
            return LMCrashReportSender::instance()->sentTexts().size();
        };
        qsizetype aReports = expectBrokenPage(myRoot->filePath("designs/meadow/gone.svg"), true);
        {
            const Built aBuilt(*myRoot, STR_DESIGN);
            // Only the root page is read.
            QCOMPARE(aBuilt.templates().size(), 1);
            QCOMPARE(LMCrashReportSender::instance()->sentTexts().size(), qMin<qsizetype>(aReports + 1, 100));
        }
        // A page file that exists but cannot be parsed: warning and error report.
        const QFileInfo aBroken(writeFile(*myRoot, "designs/meadow/broken-b-01.svg", "<svg><g>"));
        aReports = expectBrokenPage(aBroken.filePath(), false);
        QVERIFY(LMTemplateFactorySVG(QDomDocument(), QFileInfo()).fetchDocument(aBroken).isNull());
        QCOMPARE(LMCrashReportSender::instance()->sentTexts().size(), qMin<qsizetype>(aReports + 1, 100));
    }

    void hostileReferences()
    {
        QTemporaryDir anOutside;
        writeFile(anOutside, "wide.smartlayout",
                  "<smartlayout xmlns:lumo='urn:lumo'><lumo:layoutArea width='5' height='5'/></smartlayout>");
        writeFile(anOutside, "cal.svg", "<svg width='10' height='10'/>");
        QDir(myRoot->path()).mkpath(QStringLiteral("designs/meadow"));
        // A smart layout beside the page that is a link out of the content tree.
        QVERIFY(QFile::link(anOutside.filePath("wide.smartlayout"),
                            myRoot->filePath("designs/meadow/meadow-a-01-x.smartlayout")));
        // A calendar named by an absolute path outside, and a page declaring a gigantic size.
        writeFile(
            *myRoot, STR_DESIGN,
            QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                           "xmlns:lumo='urn:lumo' width='1000000000' height='500000000'><metadata><lumo:template/>"
                           "</metadata><g lumo:layertype='2'><rect width='10' height='10'/>"
                           "<image lumo:cal_embed='true' xlink:href='%1'/></g></svg>")
                .arg(anOutside.filePath("cal.svg"))
                .toUtf8());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cal\\.svg.*outside the content tree")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("smartlayout.*outside the content tree")));
        const Built aBuilt(*myRoot, STR_DESIGN);
        QCOMPARE(aBuilt.templates().size(), 1);
        // Only the group's artwork: no calendar, no smart layout.
        QCOMPARE(aBuilt.areas().count(), 1);
        const auto* anArtwork = dynamic_cast<const LMTemplateAreaDefinitionSVG*>(aBuilt.areas().at(0));
        QVERIFY(anArtwork && anArtwork->svgImage());
        const QSizeF aSize = anArtwork->svgImage()->defaultSize();
        QVERIFY2(aSize.width() <= 8192 && aSize.height() <= 8192, qPrintable(QString::number(aSize.width())));
    }

    void hostileFiles_data()
    {
        columns<QStringList, QStringList, int, int>("files", "warnings", "svgAreas", "photoAreas");
        const QString aCycle = QStringLiteral("refused file reference \"%1\": the SVG file leads back to itself");
        row("a page showing itself", QStringList { "self_reference.svg" },
            QStringList { aCycle.arg("self_reference.svg"), aCycle.arg("self_reference.svg") }, 1, 1);
        row("two files naming each other", QStringList { "cycle_first.svg", "cycle_second.svg" },
            QStringList { aCycle.arg("cycle_second.svg") }, 1, 1);
        row("a transform that overflows", QStringList { "overflowing_transform.svg" },
            QStringList { "element \"overflowing\" has no finite geometry: left empty" }, 0, 2);
    }
    // Files found hostile once (regression files): they load, their bad parts refused, and what is
    // left renders without recursing into itself.
    void hostileFiles()
    {
        QFETCH(QStringList, files);
        for (const QString& aFile : files)
            writeFile(*myRoot, QStringLiteral("designs/hostile/") + aFile,
                      fixture(QStringLiteral("svg/hostile/") + aFile));
        for (const QString& aWarning : fetch<QStringList>("warnings"))
            QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning));
        const Built aBuilt(*myRoot, QStringLiteral("designs/hostile/") + files.first());
        QCOMPARE(aBuilt.templates().size(), 1);
        QTEST(int(aBuilt.areas().count(LMAreaType(LMAreaTypeEnum::SVG))), "svgAreas");
        QTEST(int(aBuilt.areas().countWithSmartLayoutChildren(LMAreaType(LMAreaTypeEnum::Foto))), "photoAreas");
        for (const LMTemplateAreaDefinition* anArea : aBuilt.areas()) {
            QVERIFY(std::isfinite(anArea->rect().width()) && std::isfinite(anArea->rect().x()));
            QVERIFY(anArea->rotation().degrees() >= 0 && anArea->rotation().degrees() < 360);
            if (const auto* anSvg = dynamic_cast<const LMTemplateAreaDefinitionSVG*>(anArea))
                QVERIFY(!anSvg->svgImage()->toImage(QSize(32, 32)).isNull());
        }
    }

    void pagesFromSeveralThreads()
    {
        writeFile(*myRoot, STR_DESIGN,
                  page(STR_PHOTOS + "<g lumo:layertype='2'><lumo:textarea width='10' height='10'>A</lumo:textarea></g>",
                       "<lumo:pages><lumo:page xlink:href='meadow-a-01.svg'/>"
                       "<lumo:page xlink:href='meadow-a-02.svg'/></lumo:pages>"));
        writeFile(*myRoot, "designs/meadow/meadow-a-02.svg", page(STR_PHOTOS));
        constexpr int THREADS = 4;
        std::array<qsizetype, THREADS> aCounts {};
        std::array<qsizetype, THREADS> anAreas {};
        std::vector<std::thread> aThreads;
        for (int i = 0; i < THREADS; ++i)
            aThreads.emplace_back([&, i] {
                const Built aBuilt(*myRoot, STR_DESIGN);
                aCounts[size_t(i)] = aBuilt.templates().size();
                anAreas[size_t(i)] = aBuilt.templates().isEmpty() ? -1 : aBuilt.areas().count();
            });
        for (std::thread& aThread : aThreads)
            aThread.join();
        for (int i = 0; i < THREADS; ++i) {
            QCOMPARE(aCounts[size_t(i)], 2);
            QCOMPARE(anAreas[size_t(i)], anAreas[0]);
        }
        QVERIFY(anAreas[0] > 0);
    }

private:
    std::unique_ptr<QTemporaryDir> myRoot;
};

QTEST_MAIN(TestTemplateFactorySVG)
#include "tst_templatefactorysvg.moc"
