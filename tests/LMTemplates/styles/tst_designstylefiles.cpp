#include "LMContentGenerator.h"
#include "LMDesignStyleImpl.h"
#include "LMDesignStyleSchema.h"
#include "LMLocaleAndTranslationManager.h"
#include "LMTestSupport.h"
#include "LMThematicCategoryTranslationRegistry.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QResource>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
const QString SAMPLE_STYLES = QStringLiteral(LM_SAMPLE_CONTENT "/styles");

QString sampleStyle(const char* theName)
{
    return SAMPLE_STYLES + QLatin1Char('/') + QLatin1String(theName);
}

// Every list item of every rule set that stands for something.
qsizetype validItems(const LMDesignStyleImpl& theStyle)
{
    qsizetype aCount = 0;
    auto count = [&aCount](const auto& theItems) {
        for (const auto& anItem : theItems)
            aCount += anItem.isValid() ? 1 : 0;
    };
    for (const QString& aName : theStyle.ruleSets().ruleSetNames()) {
        const LMDesignStyleRuleSet aRuleSet = theStyle.ruleSets().ruleSet(aName);
        count(aRuleSet.backgrounds().items());
        count(aRuleSet.cliparts().items());
        count(aRuleSet.masks().items());
        count(aRuleSet.shadows().shadows());
        count(aRuleSet.textFormats().textFormats());
        for (const LMDesignStyleBorders& aBorders : aRuleSet.borders())
            count(aBorders.items());
        for (const LMDesignStyleCornerSets& aCornerSets : aRuleSet.cornerSets())
            count(aCornerSets.items());
    }
    return aCount;
}

qsizetype pageCount(const LMDesignStylePages& thePages)
{
    return thePages.definedPages().size() + thePages.undefinedPages().size() + thePages.lastPages().size();
}

const char* const STYLE_BODY = "<pages><page template='t'/></pages><templates><template name='t'>"
                               "<orientation value='all'><layouts><layoutCollection designElementId='5100'/>"
                               "</layouts><ruleset name='default'/></orientation></template></templates>"
                               "<rulesets><ruleset name='default'/></rulesets>";
} // namespace

class tst_DesignStyleFiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir myDir;
    QString myXmllint;
    QString mySchema;

    // xmllint's exit code for the file against the schema (0: valid), and its messages.
    QPair<int, QString> validate(const QString& theFile) const
    {
        QProcess aProcess;
        aProcess.setProcessChannelMode(QProcess::MergedChannels);
        aProcess.start(myXmllint, { QStringLiteral("--noout"), QStringLiteral("--schema"), mySchema, theFile });
        if (!aProcess.waitForFinished(120000))
            return { -1, QStringLiteral("xmllint did not finish") };
        return { aProcess.exitCode(), QString::fromUtf8(aProcess.readAll()) };
    }

    QString write(const QString& theName, const QByteArray& theContent) const
    {
        return LMTestSupport::writeFile(myDir, theName, theContent);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        myXmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
        mySchema = myDir.filePath(QStringLiteral("style_v2.xsd"));
        QVERIFY(LMDesignStyleSchema::writeTo(mySchema));
    }

    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void cleanup() { LMThematicCategoryTranslationRegistry::instance()->clear(); }

    // The schema is compiled in at the resource root, zlib-compressed, as it lies beside the sources.
    void schemaResource()
    {
        const QResource aResource(LMDesignStyleSchema::resourcePath());
        QVERIFY(aResource.isValid());
        QCOMPARE(LMDesignStyleSchema::resourcePath(), QStringLiteral(":/style_v2.xsd"));
        QCOMPARE(aResource.compressionAlgorithm(), QResource::ZlibCompression);
        QFile aSource(QStringLiteral(LM_STYLE_SCHEMA_SOURCE));
        QVERIFY(aSource.open(QIODevice::ReadOnly));
        QCOMPARE(LMDesignStyleSchema::content(), aSource.readAll());
    }

    void readFiles_data()
    {
        columns<QString, QString, QStringList, bool, int, QString>("style", "metaData", "warnings", "null", "pages",
                                                                   "name");
        const QString aBody = QString::fromLatin1(STYLE_BODY);
        const QString aRecord = QStringLiteral("{\"designElementId\": 8950, \"name\": \"Aus den Metadaten\"}");
        row("wrong root", QStringLiteral("<DesignStyle>%1</DesignStyle>").arg(aBody), aRecord,
            QStringList { "wrong element. Expected: 'designStyleV2'; found 'DesignStyle'" }, true, 0, "");
        row("root in another letter case", QStringLiteral("<designstylev2>%1</designstylev2>").arg(aBody), aRecord,
            QStringList { "wrong element. Expected: 'designStyleV2'; found 'designstylev2'" }, true, 0, "");
        row("no header: the name from the metadata", QStringLiteral("<designStyleV2>%1</designStyleV2>").arg(aBody),
            aRecord, QStringList { "element 'header' not found" }, false, 1, "Aus den Metadaten");
        row("no metadata: the header's name",
            QStringLiteral("<designStyleV2><header><language><name>Aus dem Kopf</name></language></header>%1"
                           "</designStyleV2>")
                .arg(aBody),
            "", QStringList(), false, 1, "Aus dem Kopf");
        row("only a header", "<designStyleV2><header/></designStyleV2>", aRecord,
            QStringList { "element 'pages' not found", "element 'templates' not found",
                          "element 'rulesets' not found" },
            false, 0, "Aus den Metadaten");
        row("nothing at all", "<designStyleV2/>", "",
            QStringList { "element 'header' not found", "element 'pages' not found", "element 'templates' not found",
                          "element 'rulesets' not found" },
            false, 0, "");
    }

    void readFiles()
    {
        QFETCH(QString, style);
        QFETCH(QString, metaData);
        QFETCH(bool, null);
        QFETCH(int, pages);
        const QString aFolder
            = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
        const QString aFile = write(aFolder + QStringLiteral("/style.xml"), style.toUtf8());
        if (!metaData.isEmpty())
            write(aFolder + QStringLiteral("/style.json"), metaData.toUtf8());
        for (const QString& aWarning : fetch<QStringList>("warnings"))
            QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning));
        const LMDesignStyleImpl aStyle { QFileInfo(aFile) };
        QCOMPARE(aStyle.isNull(), null);
        QCOMPARE(pageCount(aStyle.pages()), qsizetype(pages));
        QCOMPARE(aStyle.templates().count(), qsizetype(pages));
        QCOMPARE(aStyle.ruleSets().count(), qsizetype(pages));
        QCOMPARE(aStyle.header().name(), fetch<QString>("name"));
        QCOMPARE(aStyle.directory(), QFileInfo(aFile).absoluteDir());
        QCOMPARE(aStyle.document().isNull(), null);
    }

    void unreadableFiles_data()
    {
        columns<QByteArray, QString>("content", "warning");
        row("missing", QByteArray(), "XML file .* not found");
        row("malformed", QByteArray("<designStyleV2><pages></designStyleV2>"), "malformed XML file .* at line 1");
    }

    // The loader says why; the style says nothing more and stays null.
    void unreadableFiles()
    {
        QFETCH(QByteArray, content);
        const QString aFile = myDir.filePath(QStringLiteral("unreadable.xml"));
        QFile::remove(aFile);
        if (!content.isNull())
            write(QStringLiteral("unreadable.xml"), content);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(fetch<QString>("warning")));
        const LMDesignStyleImpl aStyle { QFileInfo(aFile) };
        QVERIFY(aStyle.isNull());
        QCOMPARE(aStyle.ruleSets().count(), 0);
    }

    void sample_data()
    {
        // From the record: the manual sort key, linen, the portrait previews, orientations, price classes.
        columns<QString, int, QString, bool, bool, QString, int, QString, int, QString>(
            "file", "id", "name", "assistant", "storyBook", "ruleSets", "templates", "pages", "items", "record");
        row("photo book", sampleStyle("meadow-album.xml"), 8101, "Meadow album", true, false,
            "default meadow-cool meadow-warm", 7, "4 2 1", 25, "2 false 4 [portrait square] 02");
        row("calendar", sampleStyle("seasons-calendar.xml"), 8102, "Seasons calendar", false, true,
            "default grid months", 3, "1 3 0", 19, "0 false 0 [landscape] 01");
        row("without header", LMTestSupport::dataPath(QStringLiteral("styles/no-header.xml")), 8901, "Without header",
            false, true, "default", 1, "1 1 0", 2, "4 true 0 [] ");
    }

    // The sample's styles read without a warning; the fixture without header warns only about that.
    void sample()
    {
        QFETCH(QString, file);
        QFETCH(int, id);
        if (file.contains(QLatin1String("no-header")))
            QTest::ignoreMessage(QtWarningMsg, "element 'header' not found");
        const LMDesignStyleImpl aStyle { QFileInfo(file) };
        QVERIFY(!aStyle.isNull());
        QCOMPARE(aStyle.header().designElementId().id(), id);
        QCOMPARE(aStyle.metaData().designElementId().id(), id);
        QCOMPARE(aStyle.header().name(), fetch<QString>("name"));
        QCOMPARE(aStyle.header().isUsableByAssistant(), fetch<bool>("assistant"));
        QCOMPARE(aStyle.header().isStoryBook(), fetch<bool>("storyBook"));
        QCOMPARE(aStyle.ruleSets().ruleSetNames().join(QLatin1Char(' ')), fetch<QString>("ruleSets"));
        QCOMPARE(aStyle.templates().count(), qsizetype(fetch<int>("templates")));
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(aStyle.pages().definedPages().size())
                     .arg(aStyle.pages().undefinedPages().size())
                     .arg(aStyle.pages().lastPages().size()),
                 fetch<QString>("pages"));
        QCOMPARE(validItems(aStyle), qsizetype(fetch<int>("items")));
        const LMDesignStyleHeader& aHeader = aStyle.header();
        QStringList anOrientations;
        for (const LMOrientation& anOrientation : aHeader.supportedOrientations())
            anOrientations.append(anOrientation.toString());
        anOrientations.sort();
        QCOMPARE(QStringLiteral("%1 %2 %3 [%4] %5")
                     .arg(aHeader.customerScore())
                     .arg(aHeader.isLinnenCapable() ? QStringLiteral("true") : QStringLiteral("false"))
                     .arg(aHeader.previewCountForOrientation(LMOrientationEnum::Portrait))
                     .arg(anOrientations.join(QLatin1Char(' ')),
                          aHeader.priceClasses().toStringList().join(QLatin1Char(' '))),
                 fetch<QString>("record"));
        QCOMPARE(aHeader.lastChanged().isValid(), !file.contains(QLatin1String("no-header")));
        // Every template a page names and every rule set a template names is there.
        const QList<LMDesignStylePage> aPages
            = aStyle.pages().definedPages() + aStyle.pages().undefinedPages() + aStyle.pages().lastPages().values();
        for (const LMDesignStylePage& aPage : aPages)
            QVERIFY2(aStyle.templates().templateByName(aPage.templates().first()).isValid(),
                     qPrintable(aPage.templates().first()));
        for (const LMDesignStyleTemplate& aTemplate : aStyle.templates().templates()) {
            for (const LMDesignStyleLayoutRuleSetBundle& aBundle : aTemplate.bundles()) {
                for (const QString& aRuleSet : aBundle.ruleSetNames())
                    QVERIFY2(aStyle.ruleSets().contains(aRuleSet), qPrintable(aRuleSet));
            }
        }
    }

    void header_data()
    {
        columns<QString, QString, QString, bool, bool, QString>("record", "translation", "name", "assistant",
                                                                "storyBook", "categories");
        row("the record's name", "{\"designElementId\": 8960, \"name\": \"Wiese\"}", "", "Wiese", false, true, "");
        row("the file's name when the record has none", "{\"designElementId\": 8960}", "", "Kopfname", false, true, "");
        row("translated for the language", "{\"designElementId\": 8960, \"name\": \"Wiese\"}", "Prairie", "Prairie",
            false, true, "");
        row("for the assistant: no story book",
            "{\"designElementId\": 8960, \"tags\": {\"FEATURE\": [\"feature-assistent-qualified\"]}}", "", "Kopfname",
            true, false, "");
        row("a story book for the assistant",
            "{\"designElementId\": 8960, \"tags\": {\"FEATURE\": [\"feature-assistent-qualified, "
            "feature-story-book\"]}}",
            "", "Kopfname", true, true, "");
        row("categories and spot colours",
            "{\"designElementId\": 8960, \"tags\": {\"CATEGORY\": [\"nature\"], "
            "\"FEATURE\": [\"feature-refinement-gold-foil\"]}}",
            "", "Kopfname", false, true,
            "__SPOTCOLOR__gold-foil __SPOTCOLOR__rose-foil __SPOTCOLOR__silver-foil nature");
    }

    void header()
    {
        QFETCH(QString, record);
        QFETCH(QString, translation);
        const QString aFile = write(QStringLiteral("header/h.xml"),
                                    QStringLiteral("<designStyleV2><header><language><name>Kopfname</name><category>c"
                                                   "</category></language></header>%1</designStyleV2>")
                                        .arg(QLatin1String(STYLE_BODY))
                                        .toUtf8());
        write(QStringLiteral("header/h.json"), record.toUtf8());
        if (!translation.isEmpty())
            LMThematicCategoryTranslationRegistry::instance()->insert(
                QStringLiteral("Wiese"), LMLocaleAndTranslationManager::instance()->languageCode(), translation);
        const LMDesignStyleHeader aHeader = LMDesignStyleImpl(QFileInfo(aFile)).header();
        QCOMPARE(aHeader.name(), fetch<QString>("name"));
        QCOMPARE(aHeader.languageName(), QStringLiteral("Kopfname"));
        QCOMPARE(aHeader.category(), QStringLiteral("c"));
        QCOMPARE(aHeader.description(), QStringLiteral("8960"));
        QCOMPARE(aHeader.isUsableByAssistant(), fetch<bool>("assistant"));
        QCOMPARE(aHeader.isStoryBook(), fetch<bool>("storyBook"));
        QStringList aCategories = aHeader.categorization().allCategories().internalNames();
        aCategories.sort();
        QCOMPARE(aCategories.join(QLatin1Char(' ')), fetch<QString>("categories"));
    }

    void roundTrip_data()
    {
        columns<QString, bool, int>("file", "schemaValid", "warnings");
        row("photo book", sampleStyle("meadow-album.xml"), true, 0);
        row("calendar", sampleStyle("seasons-calendar.xml"), true, 0);
        row("without header", LMTestSupport::dataPath(QStringLiteral("styles/no-header.xml")), true, 1);
        LMContentGenerator aGenerator;
        row("generated within the schema",
            write(QStringLiteral("generated/within.xml"), aGenerator.designStyle(3000, false)), true, 0);
        row("generated beyond the schema",
            write(QStringLiteral("generated/beyond.xml"), aGenerator.designStyle(3000, true)), false, 0);
    }

    // Written and read back, a style is the same style, its metadata record beside it; what was
    // valid against the schema still is.
    void roundTrip()
    {
        QFETCH(QString, file);
        if (fetch<int>("warnings") > 0)
            QTest::ignoreMessage(QtWarningMsg, "element 'header' not found");
        const LMDesignStyleImpl anOriginal { QFileInfo(file) };
        QVERIFY(!anOriginal.isNull());
        const QFileInfo aTarget(myDir.filePath(QStringLiteral("written/") + QFileInfo(file).fileName()));
        QVERIFY(QDir().mkpath(aTarget.absolutePath()));
        QVERIFY(anOriginal.save(aTarget));
        QVERIFY(LMDesignStyleImpl::metaDataFile(aTarget).exists());
        const LMDesignStyleImpl aCopy { aTarget };
        QVERIFY(aCopy == anOriginal);
        QCOMPARE(aCopy.toDebugString(), anOriginal.toDebugString());
        QCOMPARE(aCopy.header().metaData().designElementId(), anOriginal.header().metaData().designElementId());
        // Writing again gives the same file.
        QCOMPARE(aCopy.buildXML(aTarget).toByteArray(), anOriginal.buildXML(aTarget).toByteArray());
        if (!fetch<bool>("schemaValid") || myXmllint.isEmpty())
            return;
        const QPair<int, QString> aVerdict = validate(aTarget.absoluteFilePath());
        QVERIFY2(aVerdict.first == 0, qPrintable(aVerdict.second));
    }

    void saveFailure()
    {
        const LMDesignStyleImpl aStyle { QFileInfo(sampleStyle("meadow-album.xml")) };
        const QFileInfo aTarget(myDir.filePath(QStringLiteral("no/such/folder/style.xml")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(aTarget.fileName())));
        QVERIFY(!aStyle.save(aTarget));
        QVERIFY(!aTarget.exists());
        QVERIFY(!LMDesignStyleImpl::metaDataFile(aTarget).exists());
    }

    void schema_data()
    {
        columns<QString, QString>("file", "failure");
        for (const QString& aFolder : { SAMPLE_STYLES, LMTestSupport::dataPath(QStringLiteral("styles")) }) {
            for (const QFileInfo& aFile : QDir(aFolder).entryInfoList({ QStringLiteral("*.xml") }, QDir::Files))
                QTest::newRow(qPrintable(aFile.fileName())) << aFile.absoluteFilePath() << QString();
        }
        // The plain body with one piece replaced, in a "designStyleV2" unless the root is replaced.
        int aCount = 0;
        auto faulty = [&](const char* theName, const char* theOld, const QString& theNew, const char* theFailure) {
            QString aDocument = QStringLiteral("<designStyleV2>%1</designStyleV2>").arg(QLatin1String(STYLE_BODY));
            aDocument.replace(QLatin1String(theOld), theNew);
            row(theName, write(QStringLiteral("faulty/%1.xml").arg(++aCount), aDocument.toUtf8()), theFailure);
        };
        const char* aRuleSet = "<ruleset name='default'/></rulesets>";
        const QString aList = QStringLiteral("<ruleset name='default'>%1</ruleset></rulesets>");
        const QString aBorders = QStringLiteral("<borders iterate='none' order='list' type='textarea'><border %1/>"
                                                "</borders>");
        faulty("another root", "designStyleV2>", QStringLiteral("DesignStyle>"), "No matching global declaration");
        faulty("a page of no template", "<page template='t'/>", QStringLiteral("<page template='x'/>"),
               "No match found for key-sequence");
        faulty("a rule set nobody defined", "<ruleset name='default'/></orientation>",
               QStringLiteral("<ruleset name='other'/></orientation>"), "No match found for key-sequence");
        faulty("two borders of one area type", aRuleSet,
               aList.arg(aBorders.arg(QStringLiteral("width='1'")) + aBorders.arg(QStringLiteral("width='2'"))),
               "Duplicate key-sequence");
        faulty("a colour without hash", aRuleSet, aList.arg(aBorders.arg(QStringLiteral("color='ff0000'"))),
               "is not accepted by the pattern");
        faulty("a list without order", aRuleSet,
               aList.arg(QStringLiteral("<backgrounds iterate='none'><background id='4101'/></backgrounds>")),
               "The attribute 'order' is required");
        faulty("page numbers", "</rulesets>", QStringLiteral("</rulesets><pagenumbers apply='global'/>"),
               "This element is not expected");
    }

    // Every style file of the sample and of the fixtures is valid; faults the schema must catch fail.
    void schema()
    {
        QFETCH(QString, failure);
        if (myXmllint.isEmpty())
            QSKIP("xmllint is not installed (Debian: libxml2-utils)");
        const QPair<int, QString> aVerdict = validate(fetch<QString>("file"));
        if (failure.isEmpty()) {
            QVERIFY2(aVerdict.first == 0, qPrintable(aVerdict.second));
        } else {
            QVERIFY2(aVerdict.first != 0, qPrintable(aVerdict.second));
            QVERIFY2(aVerdict.second.contains(failure), qPrintable(aVerdict.second));
        }
    }

    // A style of 100,000 items keeps every one of them.
    void largeStyle()
    {
        const QString aFile
            = write(QStringLiteral("large/large.xml"), LMContentGenerator(7).designStyle(100000, false));
        const LMDesignStyleImpl aStyle { QFileInfo(aFile) };
        QVERIFY(!aStyle.isNull());
        QCOMPARE(validItems(aStyle), qsizetype(100000));
        QCOMPARE(aStyle.ruleSets().count(), qsizetype(400));
        QCOMPARE(aStyle.templates().count(), qsizetype(200));
    }

    void documentedExample_data()
    {
        QTest::addColumn<QString>("block");
        QFile aDocs(QStringLiteral(LM_DOCS_DIR "/design-styles.md"));
        QVERIFY(aDocs.open(QIODevice::ReadOnly));
        static const QRegularExpression ourBlock(QStringLiteral("```xml\\n(.*?)```"),
                                                 QRegularExpression::DotMatchesEverythingOption);
        int aCount = 0;
        for (const QRegularExpressionMatch& aMatch : ourBlock.globalMatch(QString::fromUtf8(aDocs.readAll())))
            QTest::addRow("block %d", ++aCount) << aMatch.captured(1);
        QVERIFY(aCount >= 3);
    }

    // The examples of the format's documentation are the sample's text, layout aside.
    void documentedExample()
    {
        QFETCH(QString, block);
        static const QRegularExpression ourBetweenTags(QStringLiteral(">\\s+<"));
        auto normalized = [](QString theText) {
            return theText.replace(ourBetweenTags, QStringLiteral("><")).trimmed();
        };
        QFile aSample(sampleStyle("meadow-album.xml"));
        QVERIFY(aSample.open(QIODevice::ReadOnly));
        QVERIFY2(normalized(QString::fromUtf8(aSample.readAll())).contains(normalized(block)), qPrintable(block));
    }

    void debugLabels_data()
    {
        QTest::addColumn<QString>("line");
        const QStringList aLines = QString::fromUtf8(LMTestSupport::fixture(QStringLiteral("styles/debug-labels.txt")))
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(aLines.size() > 50);
        for (const QString& aLine : aLines)
            QTest::newRow(qPrintable(aLine)) << aLine;
    }

    // Every label of the dump, on a line of its own, nested by two spaces a level.
    void debugLabels()
    {
        const LMDesignStyleImpl aStyle { QFileInfo(sampleStyle("meadow-album.xml")) };
        const QStringList aLines = aStyle.toDebugString().split(QLatin1Char('\n'));
        QVERIFY2(aLines.contains(fetch<QString>("line")), qPrintable(aStyle.toDebugString()));
    }
};

QTEST_GUILESS_MAIN(tst_DesignStyleFiles)
#include "tst_designstylefiles.moc"
