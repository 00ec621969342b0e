#include "LMDesignElementMetaData.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"

#include "LMTestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::row;

using Files = QMap<QString, QByteArray>;

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
} // namespace

// Reading, writing, finding and pricing the metadata records of design elements.
class TestDesignElementMetaData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        myPreviousRoot = LMDirectoryConfig::instance()->contentRoot();
        QVERIFY(
            LMProductCatalogue::instance()->load(LMTestSupport::dataPath(QStringLiteral("product/catalogue.json"))));
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
        QCOMPARE(aRecord.explicitArticles().orderTxtNames(),
                 QStringList({ "BOOK_A4_HC", "BOOK_A4_LAYFLAT", "CANVAS_40x30" }));
        QVERIFY(aRecord.containsArticle(LMArticle::fromOrderTxtName(QStringLiteral("CANVAS_40x30"))));
        QVERIFY(!aRecord.containsArticle(LMArticle::fromOrderTxtName(QStringLiteral("DESIGN_BOOK_02"))));
        QCOMPARE(aRecord.sourceObject(), fixture());
    }

    void dates_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<qint64>("expectedMilliseconds"); // 0: invalid

        row("milliseconds", QByteArray("1577836800000"), qint64(1577836800000));
        row("before 1970", QByteArray("-86400000"), qint64(-86400000));
        row("zero", QByteArray("0"), qint64(0));
        row("null", QByteArray("null"), qint64(0));
        row("text", QByteArray("\"1577836800000\""), qint64(0));
        row("fraction", QByteArray("1.5"), qint64(0));
    }

    void dates()
    {
        QFETCH(QByteArray, value);
        QFETCH(qint64, expectedMilliseconds);

        const LMDesignElementMetaData aRecord = fromJson(R"({"publishedAt": )" + value + R"(, "lastChanged": )" + value
                                                         + R"(, "expirationDate": )" + value + "}");
        for (const QDateTime& aDate : { aRecord.published(), aRecord.lastChanged(), aRecord.expirationDateTime() }) {
            QCOMPARE(aDate.isValid(), expectedMilliseconds != 0);
            if (expectedMilliseconds != 0)
                QCOMPARE(aDate.toMSecsSinceEpoch(), expectedMilliseconds);
        }
        const QJsonObject aWritten = aRecord.toJson();
        QCOMPARE(aWritten.value(QStringLiteral("publishedAt")).toInteger(), expectedMilliseconds);
        QVERIFY(!fromJson("{}").toJson().contains(QStringLiteral("lastChanged")));
    }

    void previewCounts_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QList<int>>("expected"); // landscape, portrait, square; then the cover counts

        QTest::newRow("one per orientation") << QByteArray(
            R"(["style_preview_count-landscape-4", "style_preview_count-portrait-2", "style_preview_count-square-7"])")
                                             << QList<int> { 4, 2, 7, 0, 0, 0 };
        QTest::newRow("cover counts apart")
            << QByteArray(R"(["style_cover_preview_count-portrait-3", "style_preview_count-portrait-1"])")
            << QList<int> { 0, 1, 0, 0, 3, 0 };
        QTest::newRow("later entry wins")
            << QByteArray(R"(["style_preview_count-landscape-4", "style_preview_count-landscape-6"])")
            << QList<int> { 6, 0, 0, 0, 0, 0 };
        QTest::newRow("count that is no number is ignored")
            << QByteArray(R"(["style_preview_count-landscape-4", "style_preview_count-landscape-many"])")
            << QList<int> { 4, 0, 0, 0, 0, 0 };
        QTest::newRow("prefix compared with case")
            << QByteArray(R"(["Style_Preview_Count-landscape-4", "style_preview_count-Landscape-5"])")
            << QList<int> { 0, 0, 0, 0, 0, 0 };
        QTest::newRow("not a list") << QByteArray(R"("style_preview_count-landscape-4")")
                                    << QList<int> { 0, 0, 0, 0, 0, 0 };
    }

    void previewCounts()
    {
        QFETCH(QByteArray, entries);
        QFETCH(QList<int>, expected);

        const LMDesignElementMetaData aRecord = fromTags(R"({"STYLE_PREVIEW_COUNT": )" + entries + "}");
        const QList<LMOrientation> anOrientations { LMOrientation(LMOrientationEnum::Landscape),
                                                    LMOrientation(LMOrientationEnum::Portrait),
                                                    LMOrientation(LMOrientationEnum::Square) };
        QList<int> aCounts;
        for (const LMOrientation& anOrientation : anOrientations)
            aCounts.append(aRecord.previewCountForOrientation(anOrientation));
        for (const LMOrientation& anOrientation : anOrientations)
            aCounts.append(aRecord.previewCountCoverForOrientation(anOrientation));
        QCOMPARE(aCounts, expected);
    }

    void defaultRotations_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QList<int>>("expected");

        QTest::newRow("minus 90, 450, minus 720")
            << QByteArray(R"(["default_rotation--90", "default_rotation-450", "default_rotation--720"])")
            << QList<int> { 0, 90, 270 };
        QTest::newRow("full turns") << QByteArray(R"(["default_rotation-360", "default_rotation--360"])")
                                    << QList<int> { 0 };
        QTest::newRow("minus 1") << QByteArray(R"(["default_rotation--1"])") << QList<int> { 359 };
        QTest::newRow("not a number") << QByteArray(R"(["default_rotation-left"])") << QList<int>();
        QTest::newRow("prefix is not checked") << QByteArray(R"(["rotation_default--45"])") << QList<int> { 315 };
        QTest::newRow("too short") << QByteArray(R"(["default_rotation"])") << QList<int>();
    }

    void defaultRotations()
    {
        QFETCH(QByteArray, entries);
        QFETCH(QList<int>, expected);

        const QSet<int> aRotations = fromTags(R"({"DEFAULT_ROTATION": )" + entries + "}").defaultRotations();
        QList<int> aSorted(aRotations.cbegin(), aRotations.cend());
        std::sort(aSorted.begin(), aSorted.end());
        QCOMPARE(aSorted, expected);
    }

    void priceClasses_data()
    {
        QTest::addColumn<QByteArray>("tags");
        QTest::addColumn<QStringList>("expected"); // general, for the cover, for inner pages

        const auto row = [](const char* theName, const char* theTags, const QStringList& theExpected) {
            QTest::newRow(theName) << QByteArray(theTags) << theExpected;
        };
        row("general only", R"({"PRICE_CLASS": ["2"]})", { "02", "02", "02" });
        row("only the first entry counts", R"({"PRICE_CLASS": ["03", "02"]})", { "03", "03", "03" });
        row("SVG classes when there are no others", R"({"SVG_PRICE_CLASS": ["04"]})", { "04", "04", "04" });
        row("empty list falls back to SVG classes", R"({"PRICE_CLASS": [], "SVG_PRICE_CLASS": ["04"]})",
            { "04", "04", "04" });
        row("SVG classes only as fallback", R"({"PRICE_CLASS": ["02"], "SVG_PRICE_CLASS": ["04"]})",
            { "02", "02", "02" });
        row("cover and inner pages",
            R"({"PRICE_CLASS": ["02"], "PRICE_CLASS_COVER": ["03"], "PRICE_CLASS_INNER_PAGES": ["5"]})",
            { "02", "03", "05" });
        row("empty entry gives no class", R"({"PRICE_CLASS": [""]})", { "", "", "" });
        row("none", "{}", { "", "", "" });
    }

    void priceClasses()
    {
        QFETCH(QByteArray, tags);
        QFETCH(QStringList, expected);

        const LMDesignElementMetaData aRecord = fromTags(tags);
        const auto aText = [](const LMPriceClassSet& theSet) {
            return theSet.toStringList().join(QLatin1Char(','));
        };
        QCOMPARE((QStringList { aText(aRecord.priceClasses()),
                                aText(aRecord.priceClasses(LMPageType(LMPageTypeEnum::Cover))),
                                aText(aRecord.priceClasses(LMPageType(LMPageTypeEnum::InnerPage))) }),
                 expected);
        QCOMPARE(aRecord.priceClasses(LMPageType(LMPageTypeEnum::Spine)), aRecord.priceClasses());
    }

    void spotColors_data()
    {
        QTest::addColumn<QByteArray>("features");
        QTest::addColumn<QString>("elementType");
        QTest::addColumn<QStringList>("expectedSpotColors");

        QTest::newRow("foil of a design style converts")
            << QByteArray(R"(["feature-refinement-rose-foil"])") << "designstyle"
            << QStringList { "rose-foil", "gold-foil", "silver-foil" };
        QTest::newRow("foil of a clipart stays")
            << QByteArray(R"(["feature-refinement-rose-foil"])") << "clipart" << QStringList { "rose-foil" };
        QTest::newRow("embossing does not convert") << QByteArray(R"(["feature-refinement-digital-embossing"])")
                                                    << "background" << QStringList { "digital-embossing" };
        QTest::newRow("unknown refinement")
            << QByteArray(R"(["feature-refinement-copper"])") << "designstyle" << QStringList();
        QTest::newRow("no refinement") << QByteArray(R"(["text:basic"])") << "designstyle" << QStringList();
    }

    void spotColors()
    {
        QFETCH(QByteArray, features);
        QFETCH(QString, elementType);
        QFETCH(QStringList, expectedSpotColors);

        const LMDesignElementMetaData aRecord = fromTags(R"({"FEATURE": )" + features + R"(, "CATEGORY": ["Natur"]})",
                                                         R"("elementType": ")" + elementType.toUtf8() + R"(", )");
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
        QTest::addColumn<QByteArray>("tags");
        QTest::addColumn<QList<bool>>("expected"); // assistant, story book, linen, spot colour, map, optional map

        row("none", QByteArray("{}"), QList<bool> { false, false, false, false, false, false });
        QTest::newRow("assistant and story book")
            << QByteArray(R"({"FEATURE": ["feature-assistent-qualified,feature-story-book"]})")
            << QList<bool> { true, true, false, false, false, false };
        QTest::newRow("short story book word")
            << QByteArray(R"({"FEATURE": ["story-book"]})") << QList<bool> { false, true, false, false, false, false };
        QTest::newRow("linen") << QByteArray(R"({"FEATURE": ["feature-linnen-capable"]})")
                               << QList<bool> { false, false, true, false, false, false };
        QTest::newRow("spot colour needed only when required")
            << QByteArray(R"({"FEATURE": ["required_feature-poster:refinement"]})")
            << QList<bool> { false, false, false, false, false, false };
        QTest::newRow("spot colour required")
            << QByteArray(R"({"REQUIRED_FEATURE": ["required_feature-poster:refinement"]})")
            << QList<bool> { false, false, false, true, false, false };
        QTest::newRow("map as feature") << QByteArray(R"({"FEATURE": ["maps:included"]})")
                                        << QList<bool> { false, false, false, false, true, false };
        QTest::newRow("map as requirement") << QByteArray(R"({"REQUIRED_FEATURE": ["maps:included"]})")
                                            << QList<bool> { false, false, false, false, true, false };
        QTest::newRow("optional map") << QByteArray(R"({"FEATURE": ["feature-optional-maps"]})")
                                      << QList<bool> { false, false, false, false, false, true };
    }

    void flagQueries()
    {
        QFETCH(QByteArray, tags);
        QFETCH(QList<bool>, expected);

        const LMDesignElementMetaData aRecord = fromTags(tags);
        const QList<bool> aFlags { aRecord.isUsableByAssistent(), aRecord.isStoryBook(), aRecord.isLinnenCapable(),
                                   aRecord.isSpotColorRequired(), aRecord.hasOsmMap(),   aRecord.hasOptionalOsmMap() };
        QCOMPARE(aFlags, expected);
    }

    void wrongTypesReadAsDefaults()
    {
        const LMDesignElementMetaData aRecord = fromJson(R"({
            "designElementId": "12", "visible": "yes", "name": 5, "score": "3", "customScore": 2.5,
            "elementType": 4, "productionId": 7, "tags": ["FEATURE"], "articles": {"otxtToken": "BOOK_A4_HC"},
            "rgbColor": 255})");
        QCOMPARE(aRecord.designElementId(), LMDesignElementID(12));
        QVERIFY(!aRecord.isVisible());
        QCOMPARE(aRecord.name(), QString());
        QCOMPARE(aRecord.score(), 0);
        QCOMPARE(aRecord.sort(), 0);
        QVERIFY(!aRecord.dlpType().isValid());
        QCOMPARE(aRecord.productionId(), QString());
        QVERIFY(!aRecord.features().isValid());
        QVERIFY(aRecord.explicitArticles().isEmpty());
        QVERIFY(!aRecord.rgbColor().isValid());

        const LMDesignElementMetaData aTagsRecord
            = fromTags(R"({"FEATURE": [1, "text:basic", null], "CATEGORY": [3, "", "Natur"], "PRICE_CLASS": [2],
                          "DEFAULT_ROTATION": [90], "SUPPORTED_ORIENTATION": {"a": 1}, "FORM_PARAMETER": "cutout=heart"})");
        QCOMPARE(aTagsRecord.features().value(), qint64(1));
        QCOMPARE(aTagsRecord.categories(), LMThematicCategorySet { LMThematicCategory(QStringLiteral("Natur")) });
        QVERIFY(aTagsRecord.priceClasses().isEmpty());
        QVERIFY(aTagsRecord.defaultRotations().isEmpty());
        QVERIFY(aTagsRecord.supportedOrientations().isEmpty());
        QVERIFY(aTagsRecord.variants().isEmpty());
    }

    void rgbColor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("expected");

        row("red", QStringLiteral("ff0000"), QColor(Qt::red));
        row("upper case", QStringLiteral("00FF00"), QColor(Qt::green));
        row("empty", QString(), QColor());
        row("not hexadecimal", QStringLiteral("zzzzzz"), QColor());
        row("with its own hash", QStringLiteral("#ff0000"), QColor());
    }

    void rgbColor()
    {
        QFETCH(QString, text);
        QFETCH(QColor, expected);

        const QColor aColor = LMDesignElementMetaData(QJsonObject { { QStringLiteral("rgbColor"), text } }).rgbColor();
        QCOMPARE(aColor.isValid(), expected.isValid());
        if (expected.isValid())
            QCOMPARE(aColor, expected);
    }

    void roundTripKeepsEverything()
    {
        const QJsonObject aSource = fixture();
        LMDesignElementMetaData aRecord(aSource);
        aRecord.setName(QStringLiteral("Sommerwiese neu"));
        aRecord.setScore(90);
        aRecord.setFeature(aRecord.features() | LMDlpFeatureTag(LMDlpFeatureTagEnum::LinnenCapable));
        LMThematicCategorySet aCategories = aRecord.categories();
        aCategories.insert(LMThematicCategory(QStringLiteral("Blumen")));
        aRecord.setCategories(aCategories);
        aRecord.setSupportedOrientations({ LMOrientation(LMOrientationEnum::Square) });
        aRecord.setLastChanged(QDateTime::fromMSecsSinceEpoch(1720000000000, Qt::UTC));

        QTemporaryDir aDir;
        const QFileInfo aFile(aDir.filePath(QStringLiteral("4711.json")));
        QVERIFY(aRecord.save(aFile));
        const LMDesignElementMetaData aRead = LMDesignElementMetaData::createFromJsonFile(aFile);
        const QJsonObject aWritten = aRead.sourceObject();

        // Every key and every tag entry of the source survives.
        for (auto anIt = aSource.constBegin(); anIt != aSource.constEnd(); ++anIt) {
            QVERIFY2(aWritten.contains(anIt.key()), qPrintable(anIt.key()));
            if (anIt.key() == QLatin1String("tags"))
                continue;
            if (!QStringList { "name", "score", "lastChanged" }.contains(anIt.key()))
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
        QVERIFY(aRead.isLinnenCapable());
        QVERIFY(aRead.isStoryBook());
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

    void writingRules_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("minimal record") << QByteArray(R"({"designElementId": 3})") << 0 << QString()
                                        << QByteArray(R"({"designElementId": 3, "visible": false, "score": 0,
                                                         "customScore": 0, "elementType": "", "productionId": ""})");
        QTest::newRow("score of minus one is not written")
            << QByteArray(R"({"designElementId": 3, "custom": [1, 2]})") << -1 << QString()
            << QByteArray(R"({"designElementId": 3, "custom": [1, 2], "visible": false, "customScore": 0,
                             "elementType": "", "productionId": ""})");
        QTest::newRow("minus one keeps the old score")
            << QByteArray(R"({"score": 5, "elementType": "mask"})") << -1 << QString()
            << QByteArray(R"({"score": 5, "visible": false, "customScore": 0, "elementType": "mask",
                             "productionId": ""})");
        QTest::newRow("empty name keeps the old one")
            << QByteArray(R"({"name": "Alt", "tags": {}})") << 0 << QString()
            << QByteArray(R"({"name": "Alt", "visible": false, "score": 0, "customScore": 0, "elementType": "",
                             "productionId": "", "tags": {}})");
        QTest::newRow("tags that are no object are kept")
            << QByteArray(R"({"tags": "FEATURE"})") << 0 << QStringLiteral("Neu")
            << QByteArray(R"({"name": "Neu", "tags": "FEATURE", "visible": false, "score": 0, "customScore": 0,
                             "elementType": "", "productionId": ""})");
    }

    void writingRules()
    {
        QFETCH(QByteArray, source);
        QFETCH(int, score);
        QFETCH(QString, name);
        QFETCH(QByteArray, expected);

        LMDesignElementMetaData aRecord = fromJson(source);
        aRecord.setScore(score);
        aRecord.setName(name);
        QCOMPARE(aRecord.toJson(), QJsonDocument::fromJson(expected).object());
    }

    void copiesDetach()
    {
        const LMDesignElementMetaData anOriginal(fixture());
        LMDesignElementMetaData aCopy = anOriginal;
        QCOMPARE(aCopy, anOriginal);
        aCopy.setName(QStringLiteral("Kopie"));
        aCopy.setIsVisible(false);
        QCOMPARE(anOriginal.name(), QStringLiteral("Sommerwiese"));
        QVERIFY(anOriginal.isVisible());
        QVERIFY(aCopy != anOriginal);
        QCOMPARE(LMDesignElementMetaData(), LMDesignElementMetaData());
    }

    void badFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("warning"); // "%1" stands for the path; a leading "re:" marks a pattern

        QTest::newRow("malformed") << QByteArray(R"({"designElementId": 5,)")
                                   << QStringLiteral("re:^malformed JSON in %1: ");
        row("empty file", QByteArray(), QStringLiteral("re:^malformed JSON in %1: "));
        row("unicode garbage", QByteArray("{\"name\": \"Gr\xc3\xbc\xc3\x9f\xff\"}"),
            QStringLiteral("re:^malformed JSON in %1: "));
        QTest::newRow("a list") << QByteArray(R"([{"designElementId": 5}])")
                                << QStringLiteral("design element metadata %1 is not a JSON object");
    }

    void badFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);

        QTemporaryDir aDir;
        const QFileInfo aFile(LMTestSupport::writeFile(aDir, QStringLiteral("5.json"), content));
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
        QVERIFY(
            !LMDesignElementMetaData::createFromJsonFile(QFileInfo(aDir.filePath(QStringLiteral("6.json")))).isValid());
    }

    void failedSaveKeepsPreviousFile()
    {
        QTemporaryDir aDir;
        const QByteArray aPrevious = R"({"designElementId": 4711, "name": "vorher"})";
        const QFileInfo aFile(LMTestSupport::writeFile(aDir, QStringLiteral("4711.json"), aPrevious));
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
        QVERIFY(!aRecord.save(QFileInfo(aDir.filePath(QStringLiteral("missing/4711.json")))));
        // Without a limit the same save goes through.
        QVERIFY(aRecord.save(aFile));
        QCOMPARE(LMDesignElementMetaData::createFromJsonFile(aFile).name(), QStringLiteral("Sommerwiese"));
    }

    void search_data()
    {
        QTest::addColumn<QString>("contentRoot");
        QTest::addColumn<Files>("files");
        QTest::addColumn<QString>("startFile");
        QTest::addColumn<int>("expectedId");

        const auto aRecord = [](int theId) {
            return QStringLiteral(R"({"designElementId": %1})").arg(theId).toUtf8();
        };

        row("json of the same name beside the file", QStringLiteral("content"),
            Files { { "content/styles/summer/summer.json", aRecord(17) } },
            QStringLiteral("content/styles/summer/summer.xml"), 17);
        row("numbered record in the file's folder", QStringLiteral("content"),
            Files { { "content/styles/summer/4711.json", aRecord(4711) } },
            QStringLiteral("content/styles/summer/summer.xml"), 4711);
        row("record in a parent folder named after it", QStringLiteral("content"),
            Files { { "content/styles/4712/4712.json", aRecord(4712) } },
            QStringLiteral("content/styles/4712/pages/page1.svg"), 4712);
        row("record in a parent folder named otherwise", QStringLiteral("content"),
            Files { { "content/styles/summer/4713.json", aRecord(4713) } },
            QStringLiteral("content/styles/summer/pages/page1.svg"), 0);
        row("record whose id is not its name", QStringLiteral("content"),
            Files { { "content/styles/summer/4714.json", aRecord(99) } },
            QStringLiteral("content/styles/summer/summer.xml"), 0);
        row("record at the content root", QStringLiteral("4715"), Files { { "4715/4715.json", aRecord(4715) } },
            QStringLiteral("4715/styles/summer/summer.xml"), 4715);
        row("search stops at the content tree's edge", QStringLiteral("4715/content"),
            Files { { "4715/4715.json", aRecord(4715) } }, QStringLiteral("4715/content/styles/summer/summer.xml"), 0);
        row("nearest folder first", QStringLiteral("content"),
            Files { { "content/4716/4716.json", aRecord(4716) }, { "content/4716/4717/4717.json", aRecord(4717) } },
            QStringLiteral("content/4716/4717/pages/page1.svg"), 4717);
    }

    void search()
    {
        QFETCH(QString, contentRoot);
        QFETCH(Files, files);
        QFETCH(QString, startFile);
        QFETCH(int, expectedId);

        QTemporaryDir aDir;
        for (auto anIt = files.cbegin(); anIt != files.cend(); ++anIt)
            LMTestSupport::writeFile(aDir, anIt.key(), anIt.value());
        const QString aStart = LMTestSupport::writeFile(aDir, startFile, "<file/>");
        LMDirectoryConfig::instance()->setContentRoot(aDir.filePath(contentRoot));

        const LMDesignElementMetaData aRecord = LMDesignElementMetaData::createFromFile(QFileInfo(aStart));
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
        LMTestSupport::writeFile(aDir, QStringLiteral("designs/6201/6201.json"),
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
        LMTestSupport::writeFile(aDir, QStringLiteral("designs/6201/6201.json"),
                                 R"({"designElementId": 6201, "name": "New"})");
        QCOMPARE(LMDesignElementMetaData::createFromFile(
                     QFileInfo(aDir.filePath(QStringLiteral("designs/6201/pages/page-1.svg"))))
                     .name(),
                 QStringLiteral("New"));
    }

    void createFromDesignElementId()
    {
        QTemporaryDir aDir;
        LMTestSupport::writeFile(aDir, QStringLiteral("styles/21.json"), R"({"designElementId": 21})");
        LMTestSupport::writeFile(aDir, QStringLiteral("styles/summer/22.json"), R"({"designElementId": 22})");
        const QDir aSummer(aDir.filePath(QStringLiteral("styles/summer")));

        QCOMPARE(LMDesignElementMetaData::createFileInfo(aSummer, LMDesignElementID(22)).fileName(),
                 QStringLiteral("22.json"));
        QCOMPARE(
            LMDesignElementMetaData::createFromDesignElementId(aSummer, LMDesignElementID(22)).designElementId().id(),
            22);
        QCOMPARE(
            LMDesignElementMetaData::createFromDesignElementId(aSummer, LMDesignElementID(21)).designElementId().id(),
            21);
        QVERIFY(!LMDesignElementMetaData::createFromDesignElementId(aSummer, LMDesignElementID(23)).isValid());
    }

    void priceTexts_data()
    {
        QTest::addColumn<QByteArray>("tags");
        QTest::addColumn<QString>("cover");
        QTest::addColumn<QString>("inner");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("toolTipLong");
        QTest::addColumn<QStringList>("dropTarget"); // sum, cover, inner
        QTest::addColumn<bool>("classesValid");

        const QString anEuro = QString(QChar(0x00A0)) + QStringLiteral("€");
        const QString aFreeCover = QStringLiteral("Design für den Einband (kostenlos)");
        const QString aFreeInner = QStringLiteral("Design für die Innenseiten (kostenlos)");
        const QString aCover999 = QStringLiteral("Design für den Einband +9,99") + anEuro;
        const QString anInner499 = QStringLiteral("Design für die Innenseiten (pauschal) +4,99") + anEuro;

        row("no price classes", QByteArray("{}"), aFreeCover, aFreeInner, QStringLiteral("Design"), QString(),
            QStringList { "", "", "" }, true);
        QTest::newRow("general class only")
            << QByteArray(R"({"PRICE_CLASS": ["02"]})") << aFreeCover << aFreeInner
            << QStringLiteral("Design +4,99") + anEuro << QStringLiteral("Design +4,99") + anEuro
            << QStringList { "", "", "" } << true;
        QTest::newRow("cover class only") << QByteArray(R"({"PRICE_CLASS_COVER": ["03"]})") << aCover999 << aFreeInner
                                          << QStringLiteral("Design +9,99") + anEuro << aCover999
                                          << QStringList { " +9,99" + anEuro, " +9,99" + anEuro, "" } << true;
        QTest::newRow("inner class only")
            << QByteArray(R"({"PRICE_CLASS": ["03"], "PRICE_CLASS_INNER_PAGES": ["02"]})") << aFreeCover << anInner499
            << QStringLiteral("Design +4,99") + anEuro << anInner499
            << QStringList { " +4,99" + anEuro, "", " +4,99" + anEuro } << true;
        QTest::newRow("cover and inner classes")
            << QByteArray(R"({"PRICE_CLASS_COVER": ["03"], "PRICE_CLASS_INNER_PAGES": ["02"]})") << aCover999
            << anInner499 << QStringLiteral("Design ab 4,99") + anEuro << aCover999 + QLatin1Char('\n') + anInner499
            << QStringList { " +14,98" + anEuro, " +9,99" + anEuro, " +4,99" + anEuro } << true;
        QTest::newRow("same price on cover and inner pages")
            << QByteArray(R"({"PRICE_CLASS_COVER": ["02"], "PRICE_CLASS_INNER_PAGES": ["02"]})")
            << QStringLiteral("Design für den Einband +4,99") + anEuro << anInner499
            << QStringLiteral("Design ab 4,99") + anEuro
            << QStringLiteral("Design für den Einband +4,99") + anEuro + QLatin1Char('\n') + anInner499
            << QStringList { " +9,98" + anEuro, " +4,99" + anEuro, " +4,99" + anEuro } << true;
        QTest::newRow("free classes cost nothing")
            << QByteArray(R"({"PRICE_CLASS": ["01"], "PRICE_CLASS_COVER": ["01"], "PRICE_CLASS_INNER_PAGES": ["00"]})")
            << aFreeCover << aFreeInner << QStringLiteral("Design") << QString() << QStringList { "", "", "" } << true;
        QTest::newRow("add-on missing from the catalogue")
            << QByteArray(R"({"PRICE_CLASS": ["05"]})") << aFreeCover << aFreeInner << QStringLiteral("Design")
            << QString() << QStringList { "", "", "" } << false;
    }

    void priceTexts()
    {
        QFETCH(QByteArray, tags);
        QFETCH(QString, cover);
        QFETCH(QString, inner);
        QFETCH(QString, toolTip);
        QFETCH(QString, toolTipLong);
        QFETCH(QStringList, dropTarget);
        QFETCH(bool, classesValid);

        const LMArticle aBook = LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4_HC"));
        QVERIFY(aBook.isValid());
        const LMDesignElementMetaData aRecord = fromTags(tags);
        QCOMPARE(aRecord.priceTextCover(aBook), cover);
        QCOMPARE(aRecord.priceTextInnerPages(aBook), inner);
        QCOMPARE(aRecord.priceToolTip(aBook), toolTip);
        QCOMPARE(aRecord.priceToolTipLong(aBook), toolTipLong);
        const QHash<int, QString> aDropTarget = aRecord.dropTargetPriceStrings(aBook);
        QCOMPARE(aDropTarget.size(), 3);
        QCOMPARE((QStringList { aDropTarget.value(LMDesignElementMetaData::PriceSum),
                                aDropTarget.value(LMDesignElementMetaData::PriceCover),
                                aDropTarget.value(LMDesignElementMetaData::PriceInnerPages) }),
                 dropTarget);
        QCOMPARE(aRecord.priceClassesAreValid(aBook), classesValid);
        QCOMPARE(aRecord.price(aBook), aBook.priceOfDependendArticles(aRecord.priceClasses()));
    }

private:
    static LMDesignElementMetaData fromJson(const QByteArray& theJson)
    {
        return LMDesignElementMetaData(QJsonDocument::fromJson(theJson).object());
    }
    static LMDesignElementMetaData fromTags(const QByteArray& theTags, const QByteArray& theMore = QByteArray())
    {
        return fromJson(R"({"designElementId": 1, )" + theMore + R"("tags": )" + theTags + "}");
    }
    static QJsonObject fixture()
    {
        QFile aFile(LMTestSupport::dataPath(QStringLiteral("metadata/full.json")));
        if (!aFile.open(QIODevice::ReadOnly))
            return QJsonObject();
        return QJsonDocument::fromJson(aFile.readAll()).object();
    }

    QString myPreviousRoot;
};

QTEST_GUILESS_MAIN(TestDesignElementMetaData)
#include "tst_designelementmetadata.moc"
