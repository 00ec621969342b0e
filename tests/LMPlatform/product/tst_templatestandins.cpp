#include "LMArticle.h"
#include "LMFrameMaterial.h"
#include "LMMultiColorConfig.h"
#include "LMProductCatalogue.h"
#include "LMSpaceMagnitude.h"
#include "LMTemplateCalendariumOptions.h"
#include "LMTemplateImageSize.h"

#include "LMTestSupport.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

Q_DECLARE_METATYPE(LMMultiColorConfig)
Q_DECLARE_METATYPE(LMPageSizeSpec)

// The product values templates ask for: multi-colour variants, frame materials, calendar
// options, product size classes, and the page sizes and features an article reads from the
// catalogue.
class TestTemplateStandIns : public QObject
{
    Q_OBJECT

    // Loads the catalogue (a file below tests/data/platform, or one with the one article entry) and
    // returns article 7.
    LMArticle loadArticle(const QByteArray& theEntry)
    {
        const QString aPath = theEntry.endsWith(".json")
            ? LMTestSupport::dataPath(QStringLiteral("platform/") + QString::fromLatin1(theEntry))
            : LMTestSupport::writeFile(myDir, "catalogue.json", R"({"articles": [)" + theEntry + "]}");
        return LMProductCatalogue::instance()->load(aPath) ? LMProductCatalogue::instance()->findById(7) : LMArticle();
    }

    QTemporaryDir myDir;

private Q_SLOTS:
    // Validity, and compatibility with a wanted variant (any variant for the validity rows).
    void multiColor_data()
    {
        columns<LMMultiColorConfig, LMMultiColorConfig, bool, bool>("config", "wanted", "valid", "compatible");

        const LMMultiColorConfig anyConfig = LMMultiColorConfig::anyMultiColorConfig();
        row("hue 45 is no multiple of 30", LMMultiColorConfig(45, 2), anyConfig, false, false);
        row("fading 6 is too faded", LMMultiColorConfig(30, 6), anyConfig, false, false);
        row("hue 390 has no upper bound", LMMultiColorConfig(390, 2), anyConfig, true, true);
        row("negative hue", LMMultiColorConfig(-30, 0), anyConfig, false, false);
        row("hue without fading", LMMultiColorConfig(60, -1), anyConfig, false, false);
        row("other fading", LMMultiColorConfig(30, 2), LMMultiColorConfig(30, 3), true, false);
        row("other hue", LMMultiColorConfig(30, 2), LMMultiColorConfig(60, 2), true, false);
        row("any hue of that fading", LMMultiColorConfig(90, 4), LMMultiColorConfig(-1, 4), true, true);
        row("any fading of that hue", LMMultiColorConfig(90, 4), LMMultiColorConfig(90, -1), true, true);
    }
    void multiColor()
    {
        QFETCH(LMMultiColorConfig, config);
        QTEST(config.isValid(), "valid");
        QTEST(config.isCompatibleWith(fetch<LMMultiColorConfig>("wanted")), "compatible");
    }

    void multiColorAllConfigurations()
    {
        const QList<LMMultiColorConfig> aList = LMMultiColorConfig::allConfigurations();
        QCOMPARE(aList.size(), 72);
        QCOMPARE(aList.first(), LMMultiColorConfig(0, 0));
        QCOMPARE(aList.last(), LMMultiColorConfig(330, 5));
        QVERIFY(std::is_sorted(aList.cbegin(), aList.cend()));
        QCOMPARE(QSet<LMMultiColorConfig>(aList.cbegin(), aList.cend()).size(), aList.size());
        QVERIFY(!LMMultiColorConfig::anyMultiColorConfig().isValid());
        QVERIFY(LMMultiColorConfig::anyMultiColorConfig().isAnyMultiColorConfig());
        QVERIFY(!LMMultiColorConfig().isAnyMultiColorConfig());
        // Written and read again, every variant is itself; texts that are no variant give none.
        for (const LMMultiColorConfig& aConfig : aList)
            QCOMPARE(LMMultiColorConfig::fromString(aConfig.toString()), aConfig);
        QCOMPARE(LMMultiColorConfig::fromString(QStringLiteral(" 330 , 5 ")), LMMultiColorConfig(330, 5));
        QCOMPARE(LMMultiColorConfig::fromString(QStringLiteral("30")), LMMultiColorConfig());
        QCOMPARE(LMMultiColorConfig::fromString(QStringLiteral("red,2")), LMMultiColorConfig());
        // No variant is compatible with nothing.
        QVERIFY(!LMMultiColorConfig().isCompatibleWith(LMMultiColorConfig::anyMultiColorConfig()));
    }

    void frameMaterialHints()
    {
        QVERIFY(LMFrameMaterial(LMFrameMaterialEnum::Remove).basicDragAndDropHint().contains("entfernen"));
        QVERIFY(LMFrameMaterial(LMFrameMaterialEnum::Wood).basicDragAndDropHint().contains("Holz"));
        QVERIFY(!LMFrameMaterial().basicDragAndDropHint().isEmpty());
        QVERIFY(LMFrameMaterial::allMaterials().visibleName().isEmpty());
        QCOMPARE(qHash(LMFrameMaterial(QStringLiteral("wood"))), qHash(LMFrameMaterial(LMFrameMaterialEnum::Wood)));
    }

    void spaceMagnitudeEstimate_data()
    {
        columns<double, int>("share", "magnitude");

        row("no photo area", 0.0, 0);
        row("not a number", qQNaN(), 0);
        row("a fifth", 0.2, 1);
        row("just below a fifth", 0.199, 2);
        row("three hundredths", 0.03, 3);
        row("tiny", 0.001, 4);
    }
    void spaceMagnitudeEstimate()
    {
        QTEST(LMSpaceMagnitude::estimateByAreaSizes(fetch<double>("share")).value(), "magnitude");
    }

    void spaceMagnitudeText_data()
    {
        columns<QString, int, QString>("text", "magnitude", "written");

        row("word", "medium", 2, "medium");
        row("capitals and blanks", " XLarge ", 4, "xlarge");
        row("number", "3", 3, "large");
        row("number out of range", "7", 0, QString());
        row("list is no class", "small,large", 0, QString());
    }
    void spaceMagnitudeText()
    {
        QFETCH(int, magnitude);
        const LMSpaceMagnitude aMagnitude(fetch<QString>("text"));
        QCOMPARE(aMagnitude.value(), magnitude);
        QTEST(aMagnitude.toString(), "written");
        QVERIFY(aMagnitude.satisfies(LMSpaceMagnitude()));
        QCOMPARE(LMSpaceMagnitude(LMSpaceMagnitudeEnum::Large).satisfies(aMagnitude), magnitude <= 3);
    }

    void calendariumOptions_data()
    {
        columns<int, int, bool, bool>("explicitOptions", "implicitOptions", "holidays", "customEvents");

        row("implicit only", 0, 2, false, true);
        row("explicit wins", 1, 2, true, false);
    }
    void calendariumOptions()
    {
        const LMTemplateCalendariumOptions anEffective = LMTemplateCalendariumOptions::effective(
            LMTemplateCalendariumOptions::fromInt(fetch<int>("explicitOptions")),
            LMTemplateCalendariumOptions::fromInt(fetch<int>("implicitOptions")));
        QTEST(anEffective.allowHolidays(), "holidays");
        QTEST(anEffective.allowCustomEvents(), "customEvents");
        QCOMPARE(LMTemplateCalendariumOptions(QStringLiteral("holidays, custom_events")).value(), 3);
        QCOMPARE(LMTemplateImageSize(QStringLiteral("double_page")).value(), 1);
    }

    void articlePageSizes_data()
    {
        columns<int, int, LMPageSizeSpec>("pageType", "alignment", "spec");

        const LMPageSizeSpec anInner(QSizeF(2100, 2970), QPointF(30, 40));
        row("left inner page", 0x8, 1, anInner);
        row("double inner page is two pages wide", 0x8, 8, LMPageSizeSpec(QSizeF(4200, 2970), QPointF(30, 40)));
        row("any alignment is one page", 0x8, 127, anInner);
        row("first page shares the entry", 0x2, 0, anInner);
        row("full cover with slipcase", 0x20, 0,
            LMPageSizeSpec(QSizeF(4400, 3100), QPointF(150, 150), QSizeF(4500, 3200)));
        row("plain size without bleed", 0x1, 0, LMPageSizeSpec(QSizeF(80, 3100)));
        row("exact entry before shared bits", 0xA, 0, LMPageSizeSpec(QSizeF(1000, 1000)));
        row("unknown page type", 0x80000, 0, LMPageSizeSpec());
        row("no page type", 0, 0, LMPageSizeSpec());
    }
    void articlePageSizes()
    {
        QFETCH(int, alignment);
        QFETCH(LMPageSizeSpec, spec);

        const LMArticle anArticle = loadArticle("book.json");
        QVERIFY(anArticle.isValid());
        const LMPageType aType = LMPageType::fromInt(fetch<int>("pageType"));
        QCOMPARE(anArticle.pageSizeSpec(aType, LMPageAlignment::fromInt(alignment)), spec);
        QCOMPARE(anArticle.usableSize(aType),
                 spec.isValid() && alignment != 8 ? spec.usableSize() : anArticle.usableSize(aType));
        if (alignment == 0)
            QCOMPARE(anArticle.topLeftBleedOffset(aType), spec.usablePrintAreaOffset());
    }

    void articleFeatures()
    {
        const LMArticle anArticle = loadArticle("framed.json");
        QVERIFY(anArticle.isValid());
        QCOMPARE(anArticle.widthByHeight(), 1.5);
        QVERIFY(anArticle.fullBackgroundOnEachPage());
        QVERIFY(anArticle.hasHorizontalPages());
        QVERIFY(anArticle.hasSpotColorFeature());
        QCOMPARE(anArticle.spotColors().value(), int(LMSpotColorEnum::GoldFoil) | int(LMSpotColorEnum::SilverFoil));
        const auto aClass = [](const char* theName) {
            return LMPriceClass::create(QString::fromLatin1(theName));
        };
        QVERIFY(anArticle.hasGlassesAddOn({ aClass("11") }));
        QVERIFY(!anArticle.hasGlassesAddOn({ aClass("12") }));
        QVERIFY(!anArticle.hasGlassesAddOn({}));
        QVERIFY(anArticle.hasPassepartoutAddOn({ aClass("3"), aClass("12") }));
        QVERIFY(!anArticle.hasPassepartoutAddOn({ aClass("10") }));

        QCOMPARE(loadArticle(
                     R"({"id": 7, "orderName": "R", "widthByHeight": 0.75, "pageSizes": {"inner_page": [3000, 2000]}})")
                     .widthByHeight(),
                 0.75);
        QCOMPARE(
            loadArticle(
                R"({"id": 7, "orderName": "I", "pageSizes": {"full_cover": [4000, 1000], "inner_page": [1000, 2000]}})")
                .widthByHeight(),
            0.5);
    }

    void badProductKeys_data()
    {
        columns<QByteArray, QStringList>("keys", "problems");

        const QString aNoSize = QStringLiteral("page size \"%1\" is not a page type with a size");
        row("page sizes not an object", QByteArray(R"("pageSizes": [1, 2])"),
            QStringList { "\"pageSizes\" is not an object" });
        row("page size entries",
            QByteArray(R"("pageSizes": {"nowhere": [1, 2], "spine": [0, 2], "inner_page": [1, 2, 3],)"
                       R"( "single_page": {"size": [1, 2], "bleed": [-1, 0]}, "poster": "big",)"
                       R"( "full_cover": {"size": [5, 5], "slipcaseCover": [0, 1]}, "last_page": [1, 2]})"),
            QStringList { aNoSize.arg("full_cover"), aNoSize.arg("inner_page"), aNoSize.arg("nowhere"),
                          aNoSize.arg("poster"), aNoSize.arg("single_page"), aNoSize.arg("spine") });
        row("ratio and flags",
            QByteArray(R"("widthByHeight": -2, "fullBackgroundOnEachPage": "yes", "horizontalPages": 1)"),
            QStringList { "\"widthByHeight\" is not a positive number",
                          "\"fullBackgroundOnEachPage\" is not true or false",
                          "\"horizontalPages\" is not true or false" });
        row("spot colours", QByteArray(R"("spotColors": "glitter")"),
            QStringList { "\"spotColors\" names no spot colour" });
        row("spot colours not a text", QByteArray(R"("spotColors": 2)"),
            QStringList { "\"spotColors\" is not a text" });
        row("add-on price classes",
            QByteArray(R"("glassesPriceClasses": "10", "passepartoutPriceClasses": ["12", "", 4])"),
            QStringList { "\"glassesPriceClasses\" is not a list",
                          "\"passepartoutPriceClasses\" entry 1 is not a price class",
                          "\"passepartoutPriceClasses\" entry 2 is not a price class" });
    }
    void badProductKeys()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QStringList, problems);

        const QString aPath = QFileInfo(myDir.filePath("catalogue.json")).absoluteFilePath();
        for (const QString& aProblem : std::as_const(problems))
            QTest::ignoreMessage(
                QtWarningMsg, qPrintable(QStringLiteral("product catalogue %1: article 0: %2").arg(aPath, aProblem)));
        const LMArticle anArticle
            = loadArticle(R"({"id": 7, "orderName": "BAD", "orientation": "portrait", )" + keys + "}");
        QVERIFY(anArticle.isValid());
        // Every bad key keeps its default; a good entry beside bad ones is kept.
        QVERIFY(!anArticle.fullBackgroundOnEachPage());
        QVERIFY(!anArticle.hasHorizontalPages());
        QVERIFY(!anArticle.hasSpotColorFeature());
        QVERIFY(!anArticle.hasPassepartoutAddOn({ LMPriceClass::create(QStringLiteral("04")) }));
        const bool aGoodPageSize = keys.contains("\"last_page\"");
        QCOMPARE(anArticle.usableSize(LMPageTypeEnum::LastPage), aGoodPageSize ? QSizeF(1, 2) : QSizeF());
        QCOMPARE(anArticle.widthByHeight(), aGoodPageSize ? 0.5 : 0.0);
    }
};

QTEST_GUILESS_MAIN(TestTemplateStandIns)
#include "tst_templatestandins.moc"
