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

Q_DECLARE_METATYPE(LMMultiColorConfig)
Q_DECLARE_METATYPE(LMPageSizeSpec)

// The product values templates ask for: multi-colour variants, frame materials, calendar
// options, product size classes, and the page sizes and features an article reads from the
// catalogue.
class TestTemplateStandIns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void multiColorValidity_data();
    void multiColorValidity();
    void multiColorAllConfigurations();
    void multiColorCompatibility_data();
    void multiColorCompatibility();
    void multiColorText_data();
    void multiColorText();
    void frameMaterialFromXml_data();
    void frameMaterialFromXml();
    void frameMaterialHints();
    void spaceMagnitudeEstimate_data();
    void spaceMagnitudeEstimate();
    void spaceMagnitudeText_data();
    void spaceMagnitudeText();
    void calendariumOptions_data();
    void calendariumOptions();
    void articlePageSizes_data();
    void articlePageSizes();
    void articleFeatures();
    void articleDefaults();
    void badProductKeys_data();
    void badProductKeys();

private:
    // Loads a catalogue with the one article entry and returns that article.
    LMArticle loadArticle(const QByteArray& theEntry);

    QTemporaryDir myDir;
};

void TestTemplateStandIns::multiColorValidity_data()
{
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("fading");
    QTest::addColumn<bool>("valid");

    QTest::newRow("default") << -1 << -1 << false;
    QTest::newRow("first variant") << 0 << 0 << true;
    QTest::newRow("last listed variant") << 330 << 5 << true;
    QTest::newRow("hue 45 is no multiple of 30") << 45 << 2 << false;
    QTest::newRow("fading 6 is too faded") << 30 << 6 << false;
    QTest::newRow("hue 390 has no upper bound") << 390 << 2 << true;
    QTest::newRow("negative hue") << -30 << 0 << false;
    QTest::newRow("hue without fading") << 60 << -1 << false;
    QTest::newRow("special hue 12") << 12 << 0 << false;
    QTest::newRow("any marker") << LMMultiColorConfig::ANY << LMMultiColorConfig::ANY << false;
}

void TestTemplateStandIns::multiColorValidity()
{
    QFETCH(int, hue);
    QFETCH(int, fading);
    QFETCH(bool, valid);
    QCOMPARE(LMMultiColorConfig(hue, fading).isValid(), valid);
}

void TestTemplateStandIns::multiColorAllConfigurations()
{
    const QList<LMMultiColorConfig> aList = LMMultiColorConfig::allConfigurations();
    QCOMPARE(aList.size(), 72);
    QCOMPARE(aList.first(), LMMultiColorConfig(0, 0));
    QCOMPARE(aList.at(1), LMMultiColorConfig(0, 1));
    QCOMPARE(aList.at(6), LMMultiColorConfig(30, 0));
    QCOMPARE(aList.last(), LMMultiColorConfig(330, 5));
    QVERIFY(std::is_sorted(aList.cbegin(), aList.cend()));
    QVERIFY(std::all_of(aList.cbegin(), aList.cend(),
                        [](const LMMultiColorConfig& theConfig) { return theConfig.isValid(); }));
    QCOMPARE(QSet<LMMultiColorConfig>(aList.cbegin(), aList.cend()).size(), aList.size());
    QVERIFY(!LMMultiColorConfig::anyMultiColorConfig().isValid());
    QVERIFY(LMMultiColorConfig::anyMultiColorConfig().isAnyMultiColorConfig());
    QVERIFY(!LMMultiColorConfig().isAnyMultiColorConfig());
}

void TestTemplateStandIns::multiColorCompatibility_data()
{
    QTest::addColumn<LMMultiColorConfig>("config");
    QTest::addColumn<LMMultiColorConfig>("wanted");
    QTest::addColumn<bool>("compatible");

    QTest::newRow("same variant") << LMMultiColorConfig(30, 2) << LMMultiColorConfig(30, 2) << true;
    QTest::newRow("other fading") << LMMultiColorConfig(30, 2) << LMMultiColorConfig(30, 3) << false;
    QTest::newRow("other hue") << LMMultiColorConfig(30, 2) << LMMultiColorConfig(60, 2) << false;
    QTest::newRow("any hue of that fading") << LMMultiColorConfig(90, 4) << LMMultiColorConfig(-1, 4) << true;
    QTest::newRow("any fading of that hue") << LMMultiColorConfig(90, 4) << LMMultiColorConfig(90, -1) << true;
    QTest::newRow("any variant") << LMMultiColorConfig(90, 4) << LMMultiColorConfig::anyMultiColorConfig() << true;
    QTest::newRow("no variant is never compatible")
        << LMMultiColorConfig() << LMMultiColorConfig::anyMultiColorConfig() << false;
}

void TestTemplateStandIns::multiColorCompatibility()
{
    QFETCH(LMMultiColorConfig, config);
    QFETCH(LMMultiColorConfig, wanted);
    QFETCH(bool, compatible);
    QCOMPARE(config.isCompatibleWith(wanted), compatible);
}

void TestTemplateStandIns::multiColorText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<LMMultiColorConfig>("config");

    QTest::newRow("variant") << QStringLiteral("30,2") << LMMultiColorConfig(30, 2);
    QTest::newRow("blanks") << QStringLiteral(" 330 , 5 ") << LMMultiColorConfig(330, 5);
    QTest::newRow("empty") << QString() << LMMultiColorConfig();
    QTest::newRow("one number") << QStringLiteral("30") << LMMultiColorConfig();
    QTest::newRow("three numbers") << QStringLiteral("30,2,1") << LMMultiColorConfig();
    QTest::newRow("words") << QStringLiteral("red,2") << LMMultiColorConfig();
}

void TestTemplateStandIns::multiColorText()
{
    QFETCH(QString, text);
    QFETCH(LMMultiColorConfig, config);
    QCOMPARE(LMMultiColorConfig::fromString(text), config);
    QCOMPARE(LMMultiColorConfig::fromString(config.toString()), config);
}

void TestTemplateStandIns::frameMaterialFromXml_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("material");
    QTest::addColumn<bool>("removeItem");
    QTest::addColumn<bool>("warns");

    QTest::newRow("missing attribute is the remove item") << QStringLiteral("<t/>") << 1 << true << false;
    QTest::newRow("none") << QStringLiteral("<t material='none'/>") << 1 << true << false;
    QTest::newRow("wood") << QStringLiteral("<t material='wood'/>") << 2 << false << false;
    QTest::newRow("upper case, blanks") << QStringLiteral("<t material=' ALU '/>") << 4 << false << false;
    QTest::newRow("plastic") << QStringLiteral("<t material='plastic'/>") << 8 << false << false;
    QTest::newRow("unknown word") << QStringLiteral("<t material='marble'/>") << 0 << false << true;
    QTest::newRow("empty value") << QStringLiteral("<t material=''/>") << 0 << false << true;
    QTest::newRow("list of materials") << QStringLiteral("<t material='wood,plastic'/>") << 0 << false << true;
    QTest::newRow("umlaut") << QStringLiteral("<t material='Eiche – geölt'/>") << 0 << false << true;
}

void TestTemplateStandIns::frameMaterialFromXml()
{
    QFETCH(QString, element);
    QFETCH(int, material);
    QFETCH(bool, removeItem);
    QFETCH(bool, warns);

    QDomDocument aDocument;
    QVERIFY(aDocument.setContent(element));
    if (warns)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^unknown frame material ")));
    const LMFrameMaterial aMaterial = LMFrameMaterial::fromXml(aDocument.documentElement().attributes());
    QCOMPARE(aMaterial.value(), material);
    QCOMPARE(aMaterial.isRemoveItem(), removeItem);
    // A filter that takes every material accepts every known one, the remove item too.
    QCOMPARE(aMaterial.intersects(LMFrameMaterial::allMaterials()), material != 0);
}

void TestTemplateStandIns::frameMaterialHints()
{
    const QString aRemove = LMFrameMaterial(LMFrameMaterialEnum::Remove).basicDragAndDropHint();
    const QString aWood = LMFrameMaterial(LMFrameMaterialEnum::Wood).basicDragAndDropHint();
    QVERIFY(aRemove.contains(QStringLiteral("entfernen")));
    QVERIFY(aWood.contains(QStringLiteral("Holz")));
    QVERIFY(!LMFrameMaterial().basicDragAndDropHint().isEmpty());
    QVERIFY(LMFrameMaterial::allMaterials().visibleName().isEmpty());
    QVERIFY(LMFrameMaterial(LMFrameMaterialEnum::Wood) != LMFrameMaterial(LMFrameMaterialEnum::Plastic));
    QCOMPARE(qHash(LMFrameMaterial(QStringLiteral("wood"))), qHash(LMFrameMaterial(LMFrameMaterialEnum::Wood)));
}

void TestTemplateStandIns::spaceMagnitudeEstimate_data()
{
    QTest::addColumn<double>("share");
    QTest::addColumn<int>("magnitude");

    QTest::newRow("no photo area") << 0.0 << 0;
    QTest::newRow("negative share") << -0.5 << 0;
    QTest::newRow("not a number") << qQNaN() << 0;
    QTest::newRow("whole page") << 1.0 << 1;
    QTest::newRow("a fifth") << 0.2 << 1;
    QTest::newRow("just below a fifth") << 0.199 << 2;
    QTest::newRow("a tenth") << 0.1 << 2;
    QTest::newRow("a twentieth") << 0.05 << 3;
    QTest::newRow("three hundredths") << 0.03 << 3;
    QTest::newRow("tiny") << 0.001 << 4;
}

void TestTemplateStandIns::spaceMagnitudeEstimate()
{
    QFETCH(double, share);
    QFETCH(int, magnitude);
    QCOMPARE(LMSpaceMagnitude::estimateByAreaSizes(share).value(), magnitude);
}

void TestTemplateStandIns::spaceMagnitudeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("magnitude");
    QTest::addColumn<QString>("written");

    QTest::newRow("word") << QStringLiteral("medium") << 2 << QStringLiteral("medium");
    QTest::newRow("capitals and blanks") << QStringLiteral(" XLarge ") << 4 << QStringLiteral("xlarge");
    QTest::newRow("other spelling") << QStringLiteral("extra_large") << 4 << QStringLiteral("xlarge");
    QTest::newRow("number") << QStringLiteral("3") << 3 << QStringLiteral("large");
    QTest::newRow("number out of range") << QStringLiteral("7") << 0 << QString();
    QTest::newRow("list is no class") << QStringLiteral("small,large") << 0 << QString();
    QTest::newRow("unknown") << QStringLiteral("huge") << 0 << QString();
    QTest::newRow("empty") << QString() << 0 << QString();
}

void TestTemplateStandIns::spaceMagnitudeText()
{
    QFETCH(QString, text);
    QFETCH(int, magnitude);
    QFETCH(QString, written);
    const LMSpaceMagnitude aMagnitude(text);
    QCOMPARE(aMagnitude.value(), magnitude);
    QCOMPARE(aMagnitude.toString(), written);
    QVERIFY(aMagnitude.satisfies(LMSpaceMagnitude()));
    QCOMPARE(LMSpaceMagnitude(LMSpaceMagnitudeEnum::Large).satisfies(aMagnitude), magnitude <= 3);
}

void TestTemplateStandIns::calendariumOptions_data()
{
    QTest::addColumn<int>("explicitOptions");
    QTest::addColumn<int>("implicitOptions");
    QTest::addColumn<bool>("holidays");
    QTest::addColumn<bool>("customEvents");

    QTest::newRow("nothing said") << 0 << 0 << false << false;
    QTest::newRow("implicit only") << 0 << 2 << false << true;
    QTest::newRow("explicit wins") << 1 << 2 << true << false;
    QTest::newRow("explicit both") << 3 << 0 << true << true;
}

void TestTemplateStandIns::calendariumOptions()
{
    QFETCH(int, explicitOptions);
    QFETCH(int, implicitOptions);
    QFETCH(bool, holidays);
    QFETCH(bool, customEvents);
    const LMTemplateCalendariumOptions anEffective = LMTemplateCalendariumOptions::effective(
        LMTemplateCalendariumOptions::fromInt(explicitOptions), LMTemplateCalendariumOptions::fromInt(implicitOptions));
    QCOMPARE(anEffective.allowHolidays(), holidays);
    QCOMPARE(anEffective.allowCustomEvents(), customEvents);
    QCOMPARE(LMTemplateCalendariumOptions(QStringLiteral("holidays, custom_events")).value(), 3);
    QCOMPARE(LMTemplateImageSize(QStringLiteral("double_page")).value(), 1);
}

LMArticle TestTemplateStandIns::loadArticle(const QByteArray& theEntry)
{
    const QString aPath
        = LMTestSupport::writeFile(myDir, QStringLiteral("catalogue.json"), R"({"articles": [)" + theEntry + "]}");
    if (!LMProductCatalogue::instance()->load(aPath))
        return LMArticle();
    return LMProductCatalogue::instance()->findById(7);
}

void TestTemplateStandIns::articlePageSizes_data()
{
    QTest::addColumn<int>("pageType");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<LMPageSizeSpec>("spec");

    const LMPageSizeSpec anInner(QSizeF(2100, 2970), QPointF(30, 40));
    const LMPageSizeSpec aCover(QSizeF(4400, 3100), QPointF(150, 150), QSizeF(4500, 3200));
    QTest::newRow("inner page") << 0x8 << 0 << anInner;
    QTest::newRow("left inner page") << 0x8 << 1 << anInner;
    QTest::newRow("double inner page is two pages wide")
        << 0x8 << 8 << LMPageSizeSpec(QSizeF(4200, 2970), QPointF(30, 40));
    QTest::newRow("any alignment is one page") << 0x8 << 127 << anInner;
    QTest::newRow("first page shares the entry") << 0x2 << 0 << anInner;
    QTest::newRow("full cover with slipcase") << 0x20 << 0 << aCover;
    QTest::newRow("plain size without bleed") << 0x1 << 0 << LMPageSizeSpec(QSizeF(80, 3100));
    QTest::newRow("exact entry before shared bits") << 0xA << 0 << LMPageSizeSpec(QSizeF(1000, 1000));
    QTest::newRow("unknown page type") << 0x80000 << 0 << LMPageSizeSpec();
    QTest::newRow("no page type") << 0 << 0 << LMPageSizeSpec();
}

void TestTemplateStandIns::articlePageSizes()
{
    QFETCH(int, pageType);
    QFETCH(int, alignment);
    QFETCH(LMPageSizeSpec, spec);

    const LMArticle anArticle = loadArticle(R"({"id": 7, "orderName": "BOOK", "pageSizes": {
        "first_page, inner_page, last_page": {"size": [2100, 2970], "bleed": [30, 40]},
        "full_cover": {"size": [4400, 3100], "bleed": [150, 150], "slipcaseCover": [4500, 3200]},
        "spine": [80, 3100],
        "inner_page, first_page": [1000, 1000]}})");
    QVERIFY(anArticle.isValid());
    const LMPageSizeSpec aSpec
        = anArticle.pageSizeSpec(LMPageType::fromInt(pageType), LMPageAlignment::fromInt(alignment));
    QCOMPARE(aSpec, spec);
    QCOMPARE(anArticle.usableSize(LMPageType::fromInt(pageType)),
             spec.isValid() && alignment != 8 ? spec.usableSize()
                                              : anArticle.usableSize(LMPageType::fromInt(pageType)));
    if (alignment == 0)
        QCOMPARE(anArticle.topLeftBleedOffset(LMPageType::fromInt(pageType)), spec.usablePrintAreaOffset());
}

void TestTemplateStandIns::articleFeatures()
{
    const LMArticle anArticle = loadArticle(R"({"id": 7, "orderName": "FRAMED", "orientation": "portrait",
        "pageSizes": {"single_page": [3000, 2000], "wall_decor": [500, 500]},
        "fullBackgroundOnEachPage": true, "horizontalPages": true, "spotColors": "gold, silver",
        "glassesPriceClasses": ["10", "11"], "passepartoutPriceClasses": ["12"]})");
    QVERIFY(anArticle.isValid());
    QCOMPARE(anArticle.widthByHeight(), 1.5);
    QVERIFY(anArticle.fullBackgroundOnEachPage());
    QVERIFY(anArticle.hasHorizontalPages());
    QVERIFY(anArticle.hasSpotColorFeature());
    QCOMPARE(anArticle.spotColors().value(), int(LMSpotColorEnum::GoldFoil) | int(LMSpotColorEnum::SilverFoil));
    QVERIFY(anArticle.hasGlassesAddOn({ LMPriceClass::create(QStringLiteral("11")) }));
    QVERIFY(!anArticle.hasGlassesAddOn({ LMPriceClass::create(QStringLiteral("12")) }));
    QVERIFY(!anArticle.hasGlassesAddOn({}));
    QVERIFY(anArticle.hasPassepartoutAddOn(
        { LMPriceClass::create(QStringLiteral("3")), LMPriceClass::create(QStringLiteral("12")) }));
    QVERIFY(!anArticle.hasPassepartoutAddOn({ LMPriceClass::create(QStringLiteral("10")) }));

    const LMArticle aRatio = loadArticle(R"({"id": 7, "orderName": "R", "widthByHeight": 0.75,
        "pageSizes": {"inner_page": [3000, 2000]}})");
    QCOMPARE(aRatio.widthByHeight(), 0.75);
    const LMArticle anInner = loadArticle(R"({"id": 7, "orderName": "I",
        "pageSizes": {"full_cover": [4000, 1000], "inner_page": [1000, 2000]}})");
    QCOMPARE(anInner.widthByHeight(), 0.5);
}

void TestTemplateStandIns::articleDefaults()
{
    const LMArticle aLandscape = loadArticle(R"({"id": 7, "orderName": "L", "orientation": "landscape"})");
    QVERIFY(aLandscape.hasHorizontalPages());
    QVERIFY(!aLandscape.fullBackgroundOnEachPage());
    QVERIFY(!aLandscape.hasSpotColorFeature());
    QCOMPARE(aLandscape.widthByHeight(), 0.0);
    QVERIFY(!aLandscape.pageSizeSpec(LMPageTypeEnum::InnerPage, LMPageAlignmentEnum::Left).isValid());
    QVERIFY(aLandscape.usableSize(LMPageTypeEnum::InnerPage).isEmpty());
    const LMArticle aPortrait = loadArticle(R"({"id": 7, "orderName": "P", "orientation": "portrait",
        "horizontalPages": false})");
    QVERIFY(!aPortrait.hasHorizontalPages());
    QVERIFY(!LMArticle().hasHorizontalPages());
    QVERIFY(!LMArticle().pageSizeSpec(LMPageTypeEnum::InnerPage, LMPageAlignment()).isValid());
}

void TestTemplateStandIns::badProductKeys_data()
{
    QTest::addColumn<QByteArray>("keys");
    QTest::addColumn<QStringList>("problems");

    QTest::newRow("page sizes not an object")
        << QByteArray(R"("pageSizes": [1, 2])") << QStringList { QStringLiteral("\"pageSizes\" is not an object") };
    QTest::newRow("page size entries")
        << QByteArray(R"("pageSizes": {"nowhere": [1, 2], "spine": [0, 2], "inner_page": [1, 2, 3],)"
                      R"( "single_page": {"size": [1, 2], "bleed": [-1, 0]}, "poster": "big",)"
                      R"( "full_cover": {"size": [5, 5], "slipcaseCover": [0, 1]}, "last_page": [1, 2]})")
        << QStringList { QStringLiteral("page size \"full_cover\" is not a page type with a size"),
                         QStringLiteral("page size \"inner_page\" is not a page type with a size"),
                         QStringLiteral("page size \"nowhere\" is not a page type with a size"),
                         QStringLiteral("page size \"poster\" is not a page type with a size"),
                         QStringLiteral("page size \"single_page\" is not a page type with a size"),
                         QStringLiteral("page size \"spine\" is not a page type with a size") };
    QTest::newRow("ratio and flags")
        << QByteArray(R"("widthByHeight": -2, "fullBackgroundOnEachPage": "yes", "horizontalPages": 1)")
        << QStringList { QStringLiteral("\"widthByHeight\" is not a positive number"),
                         QStringLiteral("\"fullBackgroundOnEachPage\" is not true or false"),
                         QStringLiteral("\"horizontalPages\" is not true or false") };
    QTest::newRow("spot colours") << QByteArray(R"("spotColors": "glitter")")
                                  << QStringList { QStringLiteral("\"spotColors\" names no spot colour") };
    QTest::newRow("spot colours not a text")
        << QByteArray(R"("spotColors": 2)") << QStringList { QStringLiteral("\"spotColors\" is not a text") };
    QTest::newRow("add-on price classes")
        << QByteArray(R"("glassesPriceClasses": "10", "passepartoutPriceClasses": ["12", "", 4])")
        << QStringList { QStringLiteral("\"glassesPriceClasses\" is not a list"),
                         QStringLiteral("\"passepartoutPriceClasses\" entry 1 is not a price class"),
                         QStringLiteral("\"passepartoutPriceClasses\" entry 2 is not a price class") };
}

void TestTemplateStandIns::badProductKeys()
{
    QFETCH(QByteArray, keys);
    QFETCH(QStringList, problems);

    const QString aPath = QFileInfo(myDir.filePath(QStringLiteral("catalogue.json"))).absoluteFilePath();
    for (const QString& aProblem : std::as_const(problems))
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("product catalogue %1: article 0: %2").arg(aPath, aProblem)));
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

QTEST_GUILESS_MAIN(TestTemplateStandIns)
#include "tst_templatestandins.moc"
