#include "LMArticleVariants.h"
#include "LMCategorization.h"
#include "LMDesignElementID.h"
#include "LMDesignElementIDSet.h"
#include "LMDlpType.h"
#include "LMJigFeature.h"
#include "LMMoney.h"
#include "LMOrientation.h"
#include "LMPageConstraint.h"
#include "LMPriceClass.h"
#include "LMSpotColor.h"
#include "LMTestSupport.h"
#include "LMThematicCategory.h"
#include "LMUrlQueryItemList.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

// The small value types of the product stand-ins: ids, enumeration texts, categories, money,
// price classes and variants.
class TestProductValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void designElementIdFromJson_data()
    {
        columns<QByteArray, int>("json", "expectedId");

        row("number", QByteArray(R"({"designElementId": 4711})"), 4711);
        row("decimal text", QByteArray(R"({"designElementId": " 815 "})"), 815);
        row("absent", QByteArray(R"({"id": 3})"), 0);
        row("fraction", QByteArray(R"({"designElementId": 3.5})"), 0);
        row("negative", QByteArray(R"({"designElementId": -4})"), 0);
        row("beyond 32 bits", QByteArray(R"({"designElementId": 4294967296})"), 0);
        row("boolean", QByteArray(R"({"designElementId": true})"), 0);
        row("text with letters", QByteArray(R"({"designElementId": "12a"})"), 0);
    }

    void designElementIdFromJson()
    {
        QFETCH(int, expectedId);

        const LMDesignElementID anId
            = LMDesignElementID::fromJson(QJsonDocument::fromJson(fetch<QByteArray>("json")).object());
        QCOMPARE(anId.isValid(), expectedId > 0);
        if (expectedId > 0)
            QCOMPARE(anId.id(), expectedId);

        // Writing leaves the object alone for an invalid id and writes a number otherwise.
        QJsonObject anObject { { QStringLiteral("other"), 1 } };
        anId.toJSON(anObject);
        QCOMPARE(anObject.contains(QStringLiteral("designElementId")), anId.isValid());
        QCOMPARE(LMDesignElementID::fromJson(anObject), anId.isValid() ? anId : LMDesignElementID());
    }

    void designElementIdSetFromCSV()
    {
        const LMDesignElementIDSet aSet = LMDesignElementIDSet::fromCSV(QStringLiteral("30, 4,x,,4,-2, 100"));
        QCOMPARE(aSet.size(), 3);
        QCOMPARE(aSet.toCSV(), QStringLiteral("4,30,100"));
        QCOMPARE(aSet.sorted().first(), LMDesignElementID(4));
    }

    void orientationTexts_data()
    {
        columns<QString, int, QString>("text", "expectedValue", "expectedText");

        row("mixed case with blanks", " LandScape ", 2, "landscape");
        row("quadratic is square", "quadratic", 4, "square");
        row("all", "all", 31, "all");
        row("list of two", "portrait,square", 5, "portrait, square");
        row("unknown", "diagonal", 0, QString());
        row("empty", QString(), 0, QString());
    }

    void orientationTexts()
    {
        QFETCH(int, expectedValue);

        const LMOrientation anOrientation(fetch<QString>("text"));
        QCOMPARE(anOrientation.value(), expectedValue);
        QCOMPARE(anOrientation.toString(), fetch<QString>("expectedText"));
        QCOMPARE(anOrientation.singleOrientations().size(), qPopulationCount(quint32(expectedValue)));
    }

    void expandToConvertibles_data()
    {
        columns<QList<LMSpotColor>, QList<LMSpotColor>>("input", "expected");

        const LMSpotColor aGold(LMSpotColorEnum::GoldFoil);
        const LMSpotColor aRose(LMSpotColorEnum::RoseFoil);
        const LMSpotColor aSilver(LMSpotColorEnum::SilverFoil);
        const LMSpotColor anEmbossing(LMSpotColorEnum::DigitalEmbossing);

        row("empty", QList<LMSpotColor>(), QList<LMSpotColor>());
        row("no foil", QList<LMSpotColor> { anEmbossing }, QList<LMSpotColor> { anEmbossing });
        row("rose adds gold and silver", QList<LMSpotColor> { anEmbossing, aRose },
            QList<LMSpotColor> { anEmbossing, aRose, aGold, aSilver });
        row("all foils stay as they are", QList<LMSpotColor> { aSilver, aGold, aRose },
            QList<LMSpotColor> { aSilver, aGold, aRose });
    }

    void expandToConvertibles()
    {
        QCOMPARE(LMSpotColor::expandToConvertibles(fetch<QList<LMSpotColor>>("input")),
                 fetch<QList<LMSpotColor>>("expected"));
    }

    void spotColorCategories_data()
    {
        columns<QString, bool, QString>("spotColorText", "expectedCategory", "expectedVisibleName");

        row("gold foil", "gold-foil", true, "Goldfolie");
        row("old short word", "silver", true, "Silberfolie");
        row("embossing", "digital-embossing", true, "Digitale Prägung");
        row("unknown", "copper-foil", false, QString());
    }

    void spotColorCategories()
    {
        QFETCH(bool, expectedCategory);

        const LMSpotColor aSpotColor(fetch<QString>("spotColorText"));
        const LMThematicCategory aCategory = LMThematicCategory::fromSpotColor(aSpotColor);
        QCOMPARE(!aCategory.isEmpty(), expectedCategory);
        QCOMPARE(aCategory.isSpotColorCategory(), expectedCategory);
        QCOMPARE(aCategory.visibleName(), fetch<QString>("expectedVisibleName"));
        if (expectedCategory) {
            QCOMPARE(aCategory.spotColor(), aSpotColor);
            // A category of the same name read from a file is the same category.
            QCOMPARE(LMThematicCategory(aCategory.internalName()), aCategory);
        }
        QVERIFY(!LMThematicCategory(QStringLiteral("Hochzeit")).isSpotColorCategory());
    }

    void categorizationContainsOnePerType_data()
    {
        columns<LMCategorization, bool>("wanted", "expected");

        const LMCategoryType aSub(LMCategoryTypeEnum::Subcategory);
        const LMCategoryType aTheme(LMCategoryTypeEnum::Theme);
        const LMThematicCategory aWedding(QStringLiteral("Hochzeit"));
        const LMThematicCategory aTravel(QStringLiteral("Reise"));
        const LMThematicCategory aSpring(QStringLiteral("Frühling"));

        row("nothing wanted", LMCategorization(), true);
        row("one of the subcategories", LMCategorization(aSub, LMThematicCategorySet { aTravel, aSpring }), true);
        LMCategorization aBoth(aSub, LMThematicCategorySet { aWedding });
        aBoth.insert(aTheme, aSpring);
        row("both types met", aBoth, true);
        LMCategorization aMissingTheme(aSub, LMThematicCategorySet { aWedding });
        aMissingTheme.insert(aTheme, aTravel);
        row("theme not met", aMissingTheme, false);
        row("category of another type",
            LMCategorization(LMCategoryType(LMCategoryTypeEnum::Primary), LMThematicCategorySet { aWedding }), false);
    }

    void categorizationContainsOnePerType()
    {

        LMCategorization anOwn(LMCategoryType(LMCategoryTypeEnum::Subcategory),
                               LMThematicCategorySet { LMThematicCategory(QStringLiteral("Hochzeit")),
                                                       LMThematicCategory(QStringLiteral("Reise")) });
        anOwn.insert(LMCategoryType(LMCategoryTypeEnum::Theme), LMThematicCategory(QStringLiteral("Frühling")));
        anOwn.insert(LMCategoryType(LMCategoryTypeEnum::Theme), LMThematicCategory());
        QCOMPARE(anOwn.containsAtLeastOneForEachType(fetch<LMCategorization>("wanted")), fetch<bool>("expected"));
        QCOMPARE(anOwn.categories(LMCategoryType(LMCategoryTypeEnum::Theme)).size(), 1);
    }

    void moneyFromText_data()
    {
        columns<QString, bool, qint64>("text", "expectedValid", "expectedCents");

        row("point", "12.99", true, qint64(1299));
        row("comma and one decimal", "0,5", true, qint64(50));
        row("whole", " 7 ", true, qint64(700));
        row("negative", "-1.05", true, qint64(-105));
        row("three decimals", "1.999", false, qint64(0));
        row("currency inside", "12 EUR", false, qint64(0));
        row("empty", QString(), false, qint64(0));
    }

    void moneyFromText()
    {
        QFETCH(bool, expectedValid);
        QFETCH(qint64, expectedCents);

        const LMMoney aMoney = LMMoney::fromText(fetch<QString>("text"));
        QCOMPARE(aMoney.isValid(), expectedValid);
        QCOMPARE(aMoney.cents(), expectedCents);
        QCOMPARE(aMoney.hasPrice(), expectedValid && expectedCents != 0);
    }

    void moneyFullText_data()
    {
        columns<LMMoney, bool, bool, bool, QString>("money", "withCurrency", "omitZeroCents", "withPlusSign",
                                                    "expected");

        const QString aSpace(QChar(0x00A0));
        row("thousands", LMMoney(129900), true, false, false,
            QStringLiteral("1.299,00") + aSpace + QStringLiteral("€"));
        row("million without currency", LMMoney(123456789), false, false, false, "1.234.567,89");
        row("zero cents omitted", LMMoney(1200), false, true, false, "12");
        row("cents kept when not zero", LMMoney(1205), false, true, false, "12,05");
        row("plus sign", LMMoney(5), false, false, true, "+0,05");
        row("negative has no plus", LMMoney(-250), false, false, true, "-2,50");
        row("other currency", LMMoney(100, QStringLiteral("CHF")), true, false, false,
            QStringLiteral("1,00") + aSpace + QStringLiteral("CHF"));
        row("no price", LMMoney(), true, false, true, QString());
    }

    void moneyFullText()
    {
        QCOMPARE(fetch<LMMoney>("money").fullText(fetch<bool>("withCurrency"), fetch<bool>("omitZeroCents"),
                                                  fetch<bool>("withPlusSign")),
                 fetch<QString>("expected"));
    }

    void moneySums()
    {
        QCOMPARE(LMMoney() + LMMoney(), LMMoney());
        QCOMPARE(LMMoney() + LMMoney(250), LMMoney(250));
        QCOMPARE(LMMoney(250) + LMMoney(), LMMoney(250));
        LMMoney aSum = LMMoney::zero();
        QVERIFY(aSum.isValid());
        QVERIFY(!aSum.hasPrice());
        aSum += LMMoney(199);
        aSum += LMMoney(1);
        QCOMPARE(aSum.cents(), qint64(200));
        QVERIFY(LMMoney() < LMMoney::zero());
        QVERIFY(LMMoney(1) < LMMoney(2));
    }

    void priceClassCreate_data()
    {
        columns<QString, QString, bool>("text", "expectedText", "expectedFree");

        row("one digit", "2", "02", false);
        row("leading zeros", "007", "07", false);
        row("class one is free", " 1 ", "01", true);
        row("class zero is free", "00", "00", true);
        row("word is lower-cased", "Premium", "premium", false);
        row("empty", "  ", QString(), true);
    }

    void priceClassCreate()
    {
        QFETCH(QString, text);
        QFETCH(QString, expectedText);

        const LMPriceClass aClass = LMPriceClass::create(text);
        QCOMPARE(aClass.toString(), expectedText);
        QCOMPARE(aClass.isFree(), fetch<bool>("expectedFree"));
        QCOMPARE(aClass.isValid(), !expectedText.isEmpty());
        // Creating again from the text changes nothing.
        QCOMPARE(LMPriceClass::create(aClass.toString()), aClass);
    }

    void articleVariants_data()
    {
        columns<QStringList, QStringList, bool, bool>("own", "other", "expectedContains", "expectedIntersects");

        const QStringList aHeartStar { QStringLiteral("cutout=heart"), QStringLiteral(" cutout=star") };
        row("empty other", aHeartStar, QStringList(), true, false);
        row("one of them", aHeartStar, QStringList { QStringLiteral("cutout=star") }, true, true);
        row("one more", aHeartStar, QStringList { QStringLiteral("cutout=star"), QStringLiteral("cutout=circle") },
            false, true);
        row("none shared", aHeartStar, QStringList { QStringLiteral("frame=oak") }, false, false);
        row("duplicates and blanks", QStringList { QStringLiteral("a"), QStringLiteral("a "), QString() },
            QStringList { QStringLiteral("a") }, true, true);
    }

    void articleVariants()
    {

        const LMArticleVariants anOwn(fetch<QStringList>("own"));
        const LMArticleVariants anOther(fetch<QStringList>("other"));
        QCOMPARE(anOwn.contains(anOther), fetch<bool>("expectedContains"));
        QCOMPARE(anOwn.intersects(anOther), fetch<bool>("expectedIntersects"));
        QVERIFY(!anOwn.toStringList().contains(QString()));
    }

    void pageConstraintMatches_data()
    {
        columns<int, int, bool>("own", "other", "expected");

        row("own empty", 0, 8, true);
        row("other empty", 0x321, 0, true);
        row("cover and full cover", 0x321, 0x20, true);
        row("cover and inner page", 0x321, 0x8, false);
    }

    void pageConstraintMatches()
    {
        QFETCH(bool, expected);

        const LMPageConstraint anOwn(LMPageType(LMPageType::fromInt(fetch<int>("own"))));
        const LMPageConstraint anOther(LMPageType(LMPageType::fromInt(fetch<int>("other"))));
        QCOMPARE(anOwn.matches(anOther), expected);
        QCOMPARE(anOther.matches(anOwn), expected);
    }

    void dlpPath_data()
    {
        columns<QString, bool, QString>("elementType", "singlePage", "expected");

        row("design style", "designstyle", false, "designstyles");
        row("background for wall decor", "Background", true, "walldecor/backgrounds");
        row("unknown type", "sticker", true, QString());
    }

    void dlpPath()
    {
        QCOMPARE(LMDlpType(fetch<QString>("elementType")).dlpPath(fetch<bool>("singlePage")),
                 fetch<QString>("expected"));
    }

    void jigFeatureDescribe()
    {
        QCOMPARE(LMJigFeature(2).describe(), QStringLiteral("Design"));
        QCOMPARE(LMJigFeature(5).describe(), QStringLiteral("Layout, Hintergrund"));
        QCOMPARE(LMJigFeature().describe(), QString());
    }

    void urlQueryItems()
    {
        LMUrlQueryItemList aList;
        aList.addQueryItem(QStringLiteral("supportedFeatures"), QStringLiteral("text:basic,clipart:mirror"));
        aList.addQueryItem(QStringLiteral("supportedFeatures"), QStringLiteral("second"));
        QVERIFY(aList.hasQueryItem(QStringLiteral("supportedFeatures")));
        QVERIFY(!aList.hasQueryItem(QStringLiteral("other")));
        QCOMPARE(aList.queryItemValue(QStringLiteral("supportedFeatures")),
                 QStringLiteral("text:basic,clipart:mirror"));
        QCOMPARE(aList.toUrlQuery().allQueryItemValues(QStringLiteral("supportedFeatures")).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestProductValues)
#include "tst_productvalues.moc"
