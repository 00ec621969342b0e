#include "LMDesignElementMetaData.h"
#include "LMDirectoryConfig.h"
#include "LMDlpFeatureTag.h"
#include "LMProductCatalogue.h"

#include "LMTestSupport.h"
#include "LMTestToString.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

namespace {
// The memory the process holds now (VmRSS), in bytes; 0 where the system does not tell.
qint64 residentBytes()
{
    QFile aStatus(QStringLiteral("/proc/self/status"));
    if (!aStatus.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& aLine : aStatus.readAll().split('\n'))
        if (aLine.startsWith("VmRSS:"))
            return aLine.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

LMDesignElementMetaData fromJson(const QString& theJson)
{
    return LMDesignElementMetaData(QJsonDocument::fromJson(theJson.toUtf8()).object());
}

LMDesignElementMetaData fromTags(const QString& theTags, const QString& theMore = QString())
{
    return fromJson(QStringLiteral(R"({"designElementId": 1, )") + theMore + QStringLiteral(R"("tags": )") + theTags
                    + QLatin1Char('}'));
}

QJsonObject fixture()
{
    return QJsonDocument::fromJson(LMTestSupport::fixture(QStringLiteral("metadata/full.json"))).object();
}

qint64 bit(int theBit)
{
    return qint64(1) << theBit;
}
} // namespace

// Reading, writing, finding and pricing the metadata records of design elements; the feature word
// and its names.
class TestDesignElementMetaData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        myPreviousRoot = LMDirectoryConfig::instance()->contentRoot();
        QVERIFY(LMProductCatalogue::instance()->load(LMTestSupport::dataPath("product/catalogue.json")));
        QVERIFY(!fixture().isEmpty());
    }

    void init()
    {
        // Warnings nobody expects are failures here.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    }

    void cleanupTestCase() { LMDirectoryConfig::instance()->setContentRoot(myPreviousRoot); }

    void readsEveryField()
    {
        const LMDesignElementMetaData aRecord(fixture());
        QVERIFY(aRecord.isValid());
        QCOMPARE(aRecord.designElementId(), LMDesignElementID(4711));
        QVERIFY(aRecord.isVisible());
        QCOMPARE(aRecord.name(), QStringLiteral("Sommerwiese"));
        QCOMPARE(aRecord.pagesName(), QStringLiteral("Sommerwiese Innenseiten"));
        QCOMPARE(aRecord.coverName(), QStringLiteral("Sommerwiese Einband"));
        QCOMPARE(aRecord.score(), 87);
        QCOMPARE(aRecord.sort(), 12);
        QCOMPARE(aRecord.published().toMSecsSinceEpoch(), qint64(1700000000000));
        QCOMPARE(aRecord.lastChanged().toMSecsSinceEpoch(), qint64(1710000000000));
        QVERIFY(!aRecord.expirationDateTime().isValid());
        QCOMPARE(aRecord.productionId(), QStringLiteral("P-4711"));
        QCOMPARE(aRecord.dlpType(), LMDlpType(LMDlpTypeEnum::DesignStyle));
        QCOMPARE(aRecord.legacyPath(), QStringLiteral("walldecor/designstyles"));
        QCOMPARE(aRecord.rgbColor(), QColor(0x3a, 0x7d, 0x44));
        QCOMPARE(aRecord.supportedOrientations(),
                 QSet<LMOrientation>(
                     { LMOrientation(LMOrientationEnum::Landscape), LMOrientation(LMOrientationEnum::Portrait) }));
        QCOMPARE(aRecord.categories().size(), 5); // two named, three from the foils
        QVERIFY(aRecord.categories().contains(LMThematicCategory(QStringLiteral("Natur"))));
        QCOMPARE(aRecord.variants().toStringList(), QStringList { "cutout=heart" });
        QCOMPARE(aRecord.priceClasses().toStringList(), QStringList { "02" });
        QCOMPARE(aRecord.priceClassesCover().toStringList(), QStringList { "03" });
        QVERIFY(aRecord.priceClassesInnerPages().isEmpty());
        QCOMPARE(aRecord.explicitArticles().orderTxtNames(), words("BOOK_A4_HC BOOK_A4_LAYFLAT CANVAS_40x30"));
        QVERIFY(!aRecord.containsArticle(LMArticle::fromOrderTxtName("DESIGN_BOOK_02")));
        QCOMPARE(aRecord.sourceObject(), fixture());
    }

    void wrongTypesReadAsDefaults()
    {
        const LMDesignElementMetaData aRecord = fromJson(QStringLiteral(
            R"({"designElementId": "12", "visible": "yes", "name": 5, "score": "3", "customScore": 2.5,
            "elementType": 4, "productionId": 7, "tags": ["FEATURE"], "articles": {"otxtToken": "BOOK_A4_HC"},
            "rgbColor": 255})"));
        QCOMPARE(aRecord.designElementId(), LMDesignElementID(12));
        QVERIFY(!aRecord.isVisible());
        QCOMPARE(aRecord.name() + aRecord.productionId(), QString());
        QCOMPARE(aRecord.score() + aRecord.sort(), 0);
        QVERIFY(!aRecord.dlpType().isValid());
        QVERIFY(!aRecord.features().isValid());
        QVERIFY(aRecord.explicitArticles().isEmpty());
        QVERIFY(!aRecord.rgbColor().isValid());

        const LMDesignElementMetaData aTagsRecord = fromTags(QStringLiteral(
            R"({"FEATURE": [1, "text:basic", null], "CATEGORY": [3, "", "Natur"], "PRICE_CLASS": [2],
            "DEFAULT_ROTATION": [90], "SUPPORTED_ORIENTATION": {"a": 1}, "FORM_PARAMETER": "cutout=heart"})"));
        QCOMPARE(aTagsRecord.features().value(), qint64(1));
        QCOMPARE(aTagsRecord.categories(), LMThematicCategorySet { LMThematicCategory(QStringLiteral("Natur")) });
        QVERIFY(aTagsRecord.priceClasses().isEmpty());
        QVERIFY(aTagsRecord.defaultRotations().isEmpty());
        QVERIFY(aTagsRecord.supportedOrientations().isEmpty());
        QVERIFY(aTagsRecord.variants().isEmpty());
    }

    void dates_data()
    {
        columns<QString, qint64>("value", "expectedMilliseconds"); // 0: invalid
        row("milliseconds", "1577836800000", qint64(1577836800000));
        row("before 1970", "-86400000", qint64(-86400000));
        row("zero", "0", qint64(0));
        row("null", "null", qint64(0));
        row("text", "\"1577836800000\"", qint64(0));
        row("fraction", "1.5", qint64(0));
    }

    void dates()
    {
        QFETCH(qint64, expectedMilliseconds);

        const LMDesignElementMetaData aRecord
            = fromJson(QStringLiteral(R"({"publishedAt": %1, "lastChanged": %1, "expirationDate": %1})")
                           .arg(fetch<QString>("value")));
        for (const QDateTime& aDate : { aRecord.published(), aRecord.lastChanged(), aRecord.expirationDateTime() }) {
            QCOMPARE(aDate.isValid(), expectedMilliseconds != 0);
            if (expectedMilliseconds != 0)
                QCOMPARE(aDate.toMSecsSinceEpoch(), expectedMilliseconds);
        }
        QCOMPARE(aRecord.toJson().value(QStringLiteral("publishedAt")).toInteger(), expectedMilliseconds);
        QVERIFY(!fromJson(QStringLiteral("{}")).toJson().contains(QStringLiteral("lastChanged")));
    }

    // Counts and rotations from the tags: landscape, portrait, square, then the cover counts; the sorted
    // rotations.
    void tagLists_data()
    {
        columns<QString, QString, QList<int>>("tag", "entries", "expected");
        const char* aCount = "STYLE_PREVIEW_COUNT";
        row("one per orientation", aCount,
            R"(["style_preview_count-landscape-4", "style_preview_count-portrait-2", "style_preview_count-square-7"])",
            QList<int> { 4, 2, 7, 0, 0, 0 });
        row("cover counts apart", aCount,
            R"(["style_cover_preview_count-portrait-3", "style_preview_count-portrait-1"])",
            QList<int> { 0, 1, 0, 0, 3, 0 });
        row("later entry wins", aCount, R"(["style_preview_count-landscape-4", "style_preview_count-landscape-6"])",
            QList<int> { 6, 0, 0, 0, 0, 0 });
        row("count that is no number is ignored", aCount,
            R"(["style_preview_count-landscape-4", "style_preview_count-landscape-many"])",
            QList<int> { 4, 0, 0, 0, 0, 0 });
        row("prefix compared with case", aCount,
            R"(["Style_Preview_Count-landscape-4", "style_preview_count-Landscape-5"])",
            QList<int> { 0, 0, 0, 0, 0, 0 });
        row("counts not a list", aCount, R"("style_preview_count-landscape-4")", QList<int> { 0, 0, 0, 0, 0, 0 });
        const char* aTurn = "DEFAULT_ROTATION";
        row("minus 90, 450, minus 720", aTurn,
            R"(["default_rotation--90", "default_rotation-450", "default_rotation--720"])", QList<int> { 0, 90, 270 });
        row("full turns", aTurn, R"(["default_rotation-360", "default_rotation--360"])", QList<int> { 0 });
        row("minus 1", aTurn, R"(["default_rotation--1"])", QList<int> { 359 });
        row("rotation not a number", aTurn, R"(["default_rotation-left"])", QList<int>());
        row("prefix is not checked", aTurn, R"(["rotation_default--45"])", QList<int> { 315 });
        row("too short", aTurn, R"(["default_rotation"])", QList<int>());
    }

    void tagLists()
    {
        QFETCH(QString, tag);

        const LMDesignElementMetaData aRecord
            = fromTags(QStringLiteral(R"({"%1": %2})").arg(tag, fetch<QString>("entries")));
        QList<int> aValues;
        if (tag == QLatin1String("DEFAULT_ROTATION")) {
            const QSet<int> aRotations = aRecord.defaultRotations();
            aValues = QList<int>(aRotations.cbegin(), aRotations.cend());
            std::sort(aValues.begin(), aValues.end());
        } else {
            const QList<LMOrientation> anOrientations { LMOrientation(LMOrientationEnum::Landscape),
                                                        LMOrientation(LMOrientationEnum::Portrait),
                                                        LMOrientation(LMOrientationEnum::Square) };
            for (const LMOrientation& anOrientation : anOrientations)
                aValues.append(aRecord.previewCountForOrientation(anOrientation));
            for (const LMOrientation& anOrientation : anOrientations)
                aValues.append(aRecord.previewCountCoverForOrientation(anOrientation));
        }
        QCOMPARE(aValues, fetch<QList<int>>("expected"));
    }

    void priceClasses_data()
    {
        columns<QString, QStringList>("tags", "expected"); // general, for the cover, for inner pages
        row("general only", R"({"PRICE_CLASS": ["2"]})", QStringList { "02", "02", "02" });
        row("only the first entry counts", R"({"PRICE_CLASS": ["03", "02"]})", QStringList { "03", "03", "03" });
        row("SVG classes when there are no others", R"({"SVG_PRICE_CLASS": ["04"]})", QStringList { "04", "04", "04" });
        row("empty list falls back to SVG classes", R"({"PRICE_CLASS": [], "SVG_PRICE_CLASS": ["04"]})",
            QStringList { "04", "04", "04" });
        row("SVG classes only as fallback", R"({"PRICE_CLASS": ["02"], "SVG_PRICE_CLASS": ["04"]})",
            QStringList { "02", "02", "02" });
        row("cover and inner pages",
            R"({"PRICE_CLASS": ["02"], "PRICE_CLASS_COVER": ["03"], "PRICE_CLASS_INNER_PAGES": ["5"]})",
            QStringList { "02", "03", "05" });
        row("empty entry gives no class", R"({"PRICE_CLASS": [""]})", QStringList { "", "", "" });
        row("none", "{}", QStringList { "", "", "" });
    }

    void priceClasses()
    {

        const LMDesignElementMetaData aRecord = fromTags(fetch<QString>("tags"));
        const auto aText = [](const LMPriceClassSet& theSet) {
            return theSet.toStringList().join(QLatin1Char(','));
        };
        QCOMPARE((QStringList { aText(aRecord.priceClasses()),
                                aText(aRecord.priceClasses(LMPageType(LMPageTypeEnum::Cover))),
                                aText(aRecord.priceClasses(LMPageType(LMPageTypeEnum::InnerPage))) }),
                 fetch<QStringList>("expected"));
        QCOMPARE(aRecord.priceClasses(LMPageType(LMPageTypeEnum::Spine)), aRecord.priceClasses());
    }

    void spotColors_data()
    {
        columns<QString, QString, QStringList>("feature", "elementType", "expectedSpotColors");
        row("foil of a design style converts", "feature-refinement-rose-foil", "designstyle",
            words("rose-foil gold-foil silver-foil"));
        row("foil of a clipart stays", "feature-refinement-rose-foil", "clipart", words("rose-foil"));
        row("embossing does not convert", "feature-refinement-digital-embossing", "background",
            words("digital-embossing"));
        row("unknown refinement", "feature-refinement-copper", "designstyle", QStringList());
        row("no refinement", "text:basic", "designstyle", QStringList());
    }

    void spotColors()
    {
        QFETCH(QStringList, expectedSpotColors);

        const LMDesignElementMetaData aRecord
            = fromTags(QStringLiteral(R"({"FEATURE": ["%1"], "CATEGORY": ["Natur"]})").arg(fetch<QString>("feature")),
                       QStringLiteral(R"("elementType": "%1", )").arg(fetch<QString>("elementType")));
        QStringList aSpotColors;
        for (const LMSpotColor& aSpotColor : aRecord.spotColors())
            aSpotColors.append(aSpotColor.toString());
        QCOMPARE(aSpotColors, expectedSpotColors);
        // Each spot colour is a category too, but is not written back as one.
        QCOMPARE(aRecord.categories().size(), 1 + expectedSpotColors.size());
        QCOMPARE(aRecord.categories().spotColors().size(), expectedSpotColors.size());
        QCOMPARE(aRecord.toJson().value(QStringLiteral("tags")).toObject().value(QStringLiteral("CATEGORY")).toArray(),
                 QJsonArray { QStringLiteral("Natur") });
    }

    void flagQueries_data()
    {
        columns<QString, QStringList>("tags", "expected");
        row("none", "{}", QStringList());
        row("assistant and story book", R"({"FEATURE": ["feature-assistent-qualified,feature-story-book"]})",
            words("assistant story"));
        row("short story book word", R"({"FEATURE": ["story-book"]})", words("story"));
        row("linen", R"({"FEATURE": ["feature-linnen-capable"]})", words("linen"));
        row("spot colour needed only when required", R"({"FEATURE": ["required_feature-poster:refinement"]})",
            QStringList());
        row("spot colour required", R"({"REQUIRED_FEATURE": ["required_feature-poster:refinement"]})", words("spot"));
        row("map as feature", R"({"FEATURE": ["maps:included"]})", words("map"));
        row("map as requirement", R"({"REQUIRED_FEATURE": ["maps:included"]})", words("map"));
        row("optional map", R"({"FEATURE": ["feature-optional-maps"]})", words("optional"));
    }

    void flagQueries()
    {

        const LMDesignElementMetaData aRecord = fromTags(fetch<QString>("tags"));
        const std::pair<bool, const char*> aFlags[] { { aRecord.isUsableByAssistent(), "assistant" },
                                                      { aRecord.isStoryBook(), "story" },
                                                      { aRecord.isLinnenCapable(), "linen" },
                                                      { aRecord.isSpotColorRequired(), "spot" },
                                                      { aRecord.hasOsmMap(), "map" },
                                                      { aRecord.hasOptionalOsmMap(), "optional" } };
        QStringList aSet;
        for (const auto& [aHolds, aName] : aFlags)
            if (aHolds)
                aSet.append(QLatin1String(aName));
        QCOMPARE(aSet, fetch<QStringList>("expected"));
    }

    void rgbColor_data()
    {
        columns<QString, QColor>("text", "expected");
        row("upper case", "00FF00", QColor(Qt::green));
        row("empty", "", QColor());
        row("with its own hash", "#ff0000", QColor());
    }

    void rgbColor()
    {
        QFETCH(QColor, expected);

        const QColor aColor
            = LMDesignElementMetaData(QJsonObject { { QStringLiteral("rgbColor"), fetch<QString>("text") } })
                  .rgbColor();
        QCOMPARE(aColor.isValid(), expected.isValid());
        if (expected.isValid())
            QCOMPARE(aColor, expected);
    }

    void roundTripKeepsEverything()
    {
        const QJsonObject aSource = fixture();
        const LMDesignElementMetaData anOriginal(aSource);
        LMDesignElementMetaData aRecord = anOriginal;
        aRecord.setName(QStringLiteral("Sommerwiese neu"));
        aRecord.setScore(90);
        aRecord.setFeature(aRecord.features() | LMDlpFeatureTag(LMDlpFeatureTagEnum::LinnenCapable));
        LMThematicCategorySet aCategories = aRecord.categories();
        aCategories.insert(LMThematicCategory(QStringLiteral("Blumen")));
        aRecord.setCategories(aCategories);
        aRecord.setSupportedOrientations({ LMOrientation(LMOrientationEnum::Square) });
        aRecord.setLastChanged(QDateTime::fromMSecsSinceEpoch(1720000000000, Qt::UTC));
        // The copy detached: the original reads as before.
        QCOMPARE(anOriginal, LMDesignElementMetaData(aSource));
        QVERIFY(aRecord != anOriginal);

        QTemporaryDir aDir;
        const QFileInfo aFile(aDir.filePath("4711.json"));
        QVERIFY(aRecord.save(aFile));
        const LMDesignElementMetaData aRead = LMDesignElementMetaData::createFromJsonFile(aFile);
        const QJsonObject aWritten = aRead.sourceObject();

        // Every key and every tag entry of the source survives.
        for (auto anIt = aSource.constBegin(); anIt != aSource.constEnd(); ++anIt) {
            QVERIFY2(aWritten.contains(anIt.key()), qPrintable(anIt.key()));
            if (!words("name score lastChanged tags").contains(anIt.key()))
                QCOMPARE(aWritten.value(anIt.key()), anIt.value());
        }
        const QJsonObject aSourceTags = aSource.value(QStringLiteral("tags")).toObject();
        const QJsonObject aWrittenTags = aWritten.value(QStringLiteral("tags")).toObject();
        for (auto anIt = aSourceTags.constBegin(); anIt != aSourceTags.constEnd(); ++anIt) {
            const QJsonArray aWrittenEntries = aWrittenTags.value(anIt.key()).toArray();
            for (const QJsonValue& anEntry : anIt.value().toArray())
                QVERIFY2(aWrittenEntries.contains(anEntry),
                         qPrintable(anIt.key() + QLatin1Char(' ') + anEntry.toString()));
        }

        // The changes read back; what was not changed reads as before.
        QCOMPARE(aRead.name(), QStringLiteral("Sommerwiese neu"));
        QCOMPARE(aRead.score(), 90);
        QVERIFY(aRead.isLinnenCapable() && aRead.isStoryBook());
        QVERIFY(aRead.categories().contains(LMThematicCategory(QStringLiteral("Blumen"))));
        QVERIFY(aRead.supportedOrientations().contains(LMOrientation(LMOrientationEnum::Square)));
        QVERIFY(aRead.supportedOrientations().contains(LMOrientation(LMOrientationEnum::Portrait)));
        QCOMPARE(aRead.lastChanged().toMSecsSinceEpoch(), qint64(1720000000000));
        QCOMPARE(aRead.previewCountCoverForOrientation(LMOrientation(LMOrientationEnum::Landscape)), 1);
        QCOMPARE(aRead.defaultRotations(), QSet<int>({ 90, 270 }));
        QCOMPARE(aRead.spotColors(), aRecord.spotColors());
        QCOMPARE(aRead.explicitArticles(), aRecord.explicitArticles());
        QCOMPARE(aRead.rgbColor(), aRecord.rgbColor());
        QCOMPARE(aWrittenTags.value(QStringLiteral("FEATURE")).toArray().last(), QJsonValue("feature-linnen-capable"));

        // Writing what was read changes nothing more.
        QCOMPARE(LMDesignElementMetaData(aRead.toJson()).toJson(), aRead.toJson());
    }

    // What is written: the source with its keys, the new score and name, and the keys every record writes
    // ("visible", "score", "customScore", "elementType", "productionId") where the row does not name them.
    void writingRules_data()
    {
        columns<QString, int, QString, QString>("source", "score", "name", "expected");
        row("minimal record", R"({"designElementId": 3})", 0, "", R"({"designElementId": 3})");
        row("score of minus one is not written", R"({"designElementId": 3, "custom": [1, 2]})", -1, "",
            R"({"designElementId": 3, "custom": [1, 2], "score": null})");
        row("minus one keeps the old score", R"({"score": 5, "elementType": "mask"})", -1, "",
            R"({"score": 5, "elementType": "mask"})");
        row("empty name keeps the old one", R"({"name": "Alt", "tags": {}})", 0, "", R"({"name": "Alt", "tags": {}})");
        row("tags that are no object are kept", R"({"tags": "FEATURE"})", 0, "Neu",
            R"({"name": "Neu", "tags": "FEATURE"})");
    }

    void writingRules()
    {

        LMDesignElementMetaData aRecord = fromJson(fetch<QString>("source"));
        aRecord.setScore(fetch<int>("score"));
        aRecord.setName(fetch<QString>("name"));
        QJsonObject anExpected {
            { "visible", false }, { "score", 0 }, { "customScore", 0 }, { "elementType", "" }, { "productionId", "" }
        };
        const QJsonObject aNamed = QJsonDocument::fromJson(fetch<QString>("expected").toUtf8()).object();
        for (auto anIt = aNamed.constBegin(); anIt != aNamed.constEnd(); ++anIt) {
            if (anIt.value().isNull())
                anExpected.remove(anIt.key());
            else
                anExpected.insert(anIt.key(), anIt.value());
        }
        QCOMPARE(aRecord.toJson(), anExpected);
    }

    void badFiles_data()
    {
        columns<QByteArray, QString>("content", "warning"); // "%1" stands for the path; "re:" marks a pattern
        row("malformed", QByteArray(R"({"designElementId": 5,)"), "re:^malformed JSON in %1: ");
        row("empty file", QByteArray(), "re:^malformed JSON in %1: ");
        row("unicode garbage", QByteArray("{\"name\": \"Gr\xc3\xbc\xc3\x9f\xff\"}"), "re:^malformed JSON in %1: ");
        row("a list", QByteArray(R"([{"designElementId": 5}])"), "design element metadata %1 is not a JSON object");
    }

    void badFiles()
    {
        QFETCH(QString, warning);

        QTemporaryDir aDir;
        const QFileInfo aFile(LMTestSupport::writeFile(aDir, "5.json", fetch<QByteArray>("content")));
        if (warning.startsWith(QLatin1String("re:")))
            QTest::ignoreMessage(
                QtWarningMsg,
                QRegularExpression(warning.mid(3).arg(QRegularExpression::escape(aFile.absoluteFilePath()))));
        else
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(aFile.absoluteFilePath())));
        const LMDesignElementMetaData aRecord = LMDesignElementMetaData::createFromJsonFile(aFile);
        QVERIFY(!aRecord.isValid());
        QCOMPARE(aRecord, LMDesignElementMetaData());

        // A missing file is no error: the empty record, without a word.
        QVERIFY(!LMDesignElementMetaData::createFromJsonFile(QFileInfo(aDir.filePath("6.json"))).isValid());
    }

    void failedSaveKeepsPreviousFile()
    {
        QTemporaryDir aDir;
        const QByteArray aPrevious = R"({"designElementId": 4711, "name": "vorher"})";
        const QFileInfo aFile(LMTestSupport::writeFile(aDir, "4711.json", aPrevious));
        const LMDesignElementMetaData aRecord(fixture());

        // The file cannot grow beyond a few bytes: every write of the new content fails half-way.
        bool aSaved = false;
        {
            const LMTestSupport::FileSizeLimit aLimit(64);
            QVERIFY(aLimit.isActive());
            aSaved = aRecord.save(aFile);
        }

        QVERIFY(!aSaved);
        QFile aRead(aFile.absoluteFilePath());
        QVERIFY(aRead.open(QIODevice::ReadOnly));
        QCOMPARE(aRead.readAll(), aPrevious);
        QCOMPARE(QDir(aDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "4711.json" });

        // A folder that does not exist cannot take the file.
        QVERIFY(!aRecord.save(QFileInfo(aDir.filePath("missing/4711.json"))));
        // Without a limit the same save goes through.
        QVERIFY(aRecord.save(aFile));
        QCOMPARE(LMDesignElementMetaData::createFromJsonFile(aFile).name(), QStringLiteral("Sommerwiese"));
    }

    // Records "path=id" (an id other than the file's name marks a record of another element); the start file;
    // the id found from it by createFromFile, or by createFromDesignElementId(its folder, lookFor).
    void search_data()
    {
        columns<QString, QStringList, QString, int, int>("contentRoot", "records", "startFile", "lookFor",
                                                         "expectedId");
        row("json of the same name beside the file", "content", words("content/styles/summer/summer.json=17"),
            "content/styles/summer/summer.xml", 0, 17);
        row("numbered record in the file's folder", "content", words("content/styles/summer/4711.json=4711"),
            "content/styles/summer/summer.xml", 0, 4711);
        row("record in a parent folder named after it", "content", words("content/styles/4712/4712.json=4712"),
            "content/styles/4712/pages/page1.svg", 0, 4712);
        row("record in a parent folder named otherwise", "content", words("content/styles/summer/4713.json=4713"),
            "content/styles/summer/pages/page1.svg", 0, 0);
        row("record whose id is not its name", "content", words("content/styles/summer/4714.json=99"),
            "content/styles/summer/summer.xml", 0, 0);
        row("record at the content root", "4715", words("4715/4715.json=4715"), "4715/styles/summer/summer.xml", 0,
            4715);
        row("search stops at the content tree's edge", "4715/content", words("4715/4715.json=4715"),
            "4715/content/styles/summer/summer.xml", 0, 0);
        row("nearest folder first", "content", words("content/4716/4716.json=4716 content/4716/4717/4717.json=4717"),
            "content/4716/4717/pages/page1.svg", 0, 4717);
        const QStringList aById = words("styles/21.json=21 styles/summer/22.json=22");
        row("by id: in the folder", "", aById, "styles/summer/x.xml", 22, 22);
        row("by id: in the parent folder", "", aById, "styles/summer/x.xml", 21, 21);
        row("by id: none", "", aById, "styles/summer/x.xml", 23, 0);
    }

    void search()
    {
        QFETCH(QStringList, records);
        QFETCH(int, lookFor);
        QFETCH(int, expectedId);

        QTemporaryDir aDir;
        for (const QString& aRecord : std::as_const(records)) {
            const QStringList aParts = aRecord.split(QLatin1Char('='));
            LMTestSupport::writeFile(aDir, aParts.first(),
                                     QStringLiteral(R"({"designElementId": %1})").arg(aParts.last()).toUtf8());
        }
        const QFileInfo aStart(LMTestSupport::writeFile(aDir, fetch<QString>("startFile"), "<file/>"));
        LMDirectoryConfig::instance()->setContentRoot(aDir.filePath(fetch<QString>("contentRoot")));

        if (lookFor == 0) {
            QCOMPARE(LMDesignElementMetaData::createFromFile(aStart).designElementId().id(), expectedId);
            return;
        }
        const LMDesignElementMetaData aRecord
            = LMDesignElementMetaData::createFromDesignElementId(aStart.dir(), LMDesignElementID(lookFor));
        QCOMPARE(aRecord.isValid(), expectedId != 0);
        QCOMPARE(aRecord.designElementId().id(), expectedId);
    }

    void largeFolderSidecarHeldOnce()
    {
        // A 15 MB sidecar (under the JSON cap) in a design's folder: every page asks for it, it is parsed and held
        // once.
        QTemporaryDir aDir;
        QByteArray aNotes;
        aNotes.reserve(16 * 1000 * 1000);
        while (aNotes.size() < 15 * 1000 * 1000)
            aNotes += "\"a note of a content author that no reader uses\",";
        aNotes.chop(1);
        LMTestSupport::writeFile(aDir, "designs/6201/6201.json",
                                 R"({"designElementId": 6201, "notes": [)" + aNotes + "]}");
        LMDirectoryConfig::instance()->setContentRoot(aDir.path());
        const qint64 aBefore = residentBytes();
        QList<LMDesignElementMetaData> aPages;
        for (int i = 1; i <= 10; ++i) {
            const QString aPage
                = LMTestSupport::writeFile(aDir, QStringLiteral("designs/6201/pages/page-%1.svg").arg(i), "<svg/>");
            aPages << LMDesignElementMetaData::createFromFile(QFileInfo(aPage));
            QCOMPARE(aPages.last().designElementId().id(), 6201);
        }
        // Ten parsed copies hold about 280 MB, one about 30.
        const qint64 aGrowth = residentBytes() - aBefore;
        QVERIFY2(aGrowth < 200 * 1000 * 1000, qPrintable(QString::number(aGrowth)));
        // A changed file is read again.
        LMTestSupport::writeFile(aDir, "designs/6201/6201.json", R"({"designElementId": 6201, "name": "New"})");
        QCOMPARE(
            LMDesignElementMetaData::createFromFile(QFileInfo(aDir.filePath("designs/6201/pages/page-1.svg"))).name(),
            QStringLiteral("New"));
    }

    // The price texts of a book: cover, inner pages, tool tip, long tool tip, then the drop target's sum, cover
    // and inner pages, joined by " | "; "€" stands for a no-break space and the euro sign.
    void priceTexts_data()
    {
        columns<QString, QString, bool>("tags", "expected", "classesValid");
        const QString aFree = QStringLiteral("Design für den Einband (kostenlos) | Design für die Innenseiten "
                                             "(kostenlos) | Design |  |  |  | ");
        const QString aCover = QStringLiteral("Design für den Einband +9,99€");
        const QString anInner = QStringLiteral("Design für die Innenseiten (pauschal) +4,99€");
        row("no price classes", "{}", aFree, true);
        row("general class only", R"({"PRICE_CLASS": ["02"]})",
            "Design für den Einband (kostenlos) | Design für die Innenseiten (kostenlos) | Design +4,99€ | Design "
            "+4,99€ |  |  | ",
            true);
        row("cover class only", R"({"PRICE_CLASS_COVER": ["03"]})",
            aCover + " | Design für die Innenseiten (kostenlos) | Design +9,99€ | " + aCover
                + " |  +9,99€ |  +9,99€ | ",
            true);
        row("inner class only", R"({"PRICE_CLASS": ["03"], "PRICE_CLASS_INNER_PAGES": ["02"]})",
            "Design für den Einband (kostenlos) | " + anInner + " | Design +4,99€ | " + anInner
                + " |  +4,99€ |  | "
                  " +4,99€",
            true);
        row("cover and inner classes", R"({"PRICE_CLASS_COVER": ["03"], "PRICE_CLASS_INNER_PAGES": ["02"]})",
            aCover + " | " + anInner + " | Design ab 4,99€ | " + aCover + "\n" + anInner
                + " |  +14,98€ |  +9,99€ |  +4,99€",
            true);
        row("free classes cost nothing",
            R"({"PRICE_CLASS": ["01"], "PRICE_CLASS_COVER": ["01"], "PRICE_CLASS_INNER_PAGES": ["00"]})", aFree, true);
        row("add-on missing from the catalogue", R"({"PRICE_CLASS": ["05"]})", aFree, false);
    }

    void priceTexts()
    {

        const LMArticle aBook = LMArticle::fromOrderTxtName("BOOK_A4_HC");
        QVERIFY(aBook.isValid());
        const LMDesignElementMetaData aRecord = fromTags(fetch<QString>("tags"));
        const QHash<int, QString> aDropTarget = aRecord.dropTargetPriceStrings(aBook);
        QCOMPARE(aDropTarget.size(), 3);
        const QStringList aTexts { aRecord.priceTextCover(aBook),
                                   aRecord.priceTextInnerPages(aBook),
                                   aRecord.priceToolTip(aBook),
                                   aRecord.priceToolTipLong(aBook),
                                   aDropTarget.value(LMDesignElementMetaData::PriceSum),
                                   aDropTarget.value(LMDesignElementMetaData::PriceCover),
                                   aDropTarget.value(LMDesignElementMetaData::PriceInnerPages) };
        QCOMPARE(aTexts.join(QStringLiteral(" | ")),
                 QString(fetch<QString>("expected"))
                     .replace(QStringLiteral("€"), QString(QChar(0x00A0)) + QStringLiteral("€")));
        QCOMPARE(aRecord.priceClassesAreValid(aBook), fetch<bool>("classesValid"));
        QCOMPARE(aRecord.price(aBook), aBook.priceOfDependendArticles(aRecord.priceClasses()));
    }

    // The 64-bit feature word and its names.
    void featureTags_data()
    {
        columns<QString, qint64, QStringList>("text", "expectedValue", "expectedNames");

        row("second name of the bit writes the first", "feature-story-book", bit(35), QStringList { "story-book" });
        row("two names in one entry", "text:basic,clipart:mirror", (bit(0) | bit(13)),
            QStringList { "text:basic", "clipart:mirror" });
        row("blanks and case", "  TEXT:Basic ,  Maps:Included ", (bit(0) | bit(51)),
            QStringList { "text:basic", "maps:included" });
        row("unknown name", "text:sparkle", qint64(0), QStringList());
        row("unknown beside known", "text:sparkle, layout:v2", bit(45), QStringList { "layout:v2" });
        row("empty", QString(), qint64(0), QStringList());
    }

    void featureTags()
    {
        QFETCH(qint64, expectedValue);
        QFETCH(QStringList, expectedNames);

        const LMDlpFeatureTag aTag(fetch<QString>("text"));
        QCOMPARE(aTag.value(), expectedValue);
        QCOMPARE(aTag.names(), expectedNames);
        QCOMPARE(aTag.isValid(), expectedValue != 0);
        // The query names each set flag once, by its written name.
        const LMUrlQueryItemList aQuery = aTag.toSupportedFeaturesQueryItem();
        QCOMPARE(aQuery.size(), 1);
        QCOMPARE(aQuery.first().first, QStringLiteral("supportedFeatures"));
        QCOMPARE(aQuery.first().second, expectedNames.join(QLatin1Char(',')));
    }

    void everyFeatureNameRoundTrips()
    {
        // Every named bit decodes from its written name; 39 and 57..63 have none and are left out.
        int aNamed = 0;
        for (int aBit = 0; aBit < 64; ++aBit) {
            const LMDlpFeatureTag aTag(LMDlpFeatureTag::fromInt(bit(aBit)));
            const QStringList aNames = aTag.names();
            if (aBit == 39 || aBit > 56) {
                QVERIFY2(aNames.isEmpty(), qPrintable(QString::number(aBit)));
                continue;
            }
            QCOMPARE(aNames.size(), 1);
            QCOMPARE(LMDlpFeatureTag(aNames.first()).value(), bit(aBit));
            ++aNamed;
        }
        QCOMPARE(aNamed, 56);
        // A word with the sign bit set still names its other flags.
        const LMDlpFeatureTag aSigned(LMDlpFeatureTag::fromInt(bit(63) | bit(0)));
        QCOMPARE(aSigned.names(), QStringList { "text:basic" });
    }

private:
    QString myPreviousRoot;
};

QTEST_GUILESS_MAIN(TestDesignElementMetaData)
#include "tst_designelementmetadata.moc"
