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

#include <QDomDocument>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using LMTestSupport::row;

// The small value types of the product stand-ins: ids, enumeration texts, categories, money,
// price classes and variants.
class TestProductValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void designElementIdFromJson_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("expectedId");

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
        QFETCH(QByteArray, json);
        QFETCH(int, expectedId);

        const LMDesignElementID anId = LMDesignElementID::fromJson(QJsonDocument::fromJson(json).object());
        QCOMPARE(anId.isValid(), expectedId > 0);
        if (expectedId > 0)
            QCOMPARE(anId.id(), expectedId);

        // Writing leaves the object alone for an invalid id and writes a number otherwise.
        QJsonObject anObject { { QStringLiteral("other"), 1 } };
        anId.toJSON(anObject);
        QCOMPARE(anObject.contains(QStringLiteral("designElementId")), anId.isValid());
        QCOMPARE(LMDesignElementID::fromJson(anObject), anId.isValid() ? anId : LMDesignElementID());
    }

    void designElementIdXmlRoundTrip()
    {
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("background"));
        LMDesignElementID(LMDesignElementID::WHITE_BACKGROUND).toXML(anElement, QStringLiteral("id"));
        LMDesignElementID().toXML(anElement);
        QCOMPARE(anElement.attribute(QStringLiteral("id")), QStringLiteral("201"));
        QVERIFY(!anElement.hasAttribute(QStringLiteral("designElementId")));

        const LMDesignElementID aRead = LMDesignElementID::fromXmlAttribute(anElement, QStringLiteral("id"));
        QVERIFY(aRead.isTheWhiteBackground());
        QVERIFY(!aRead.isTheBlackBackground());
        QVERIFY(LMDesignElementID(212).isTheBlackBackground());
        QVERIFY(!LMDesignElementID::fromXmlAttribute(anElement).isValid());
        QVERIFY(!LMDesignElementID::fromXmlAttribute(QDomElement()).isValid());
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
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expectedValue");
        QTest::addColumn<QString>("expectedText");

        row("portrait", QStringLiteral("portrait"), 1, QStringLiteral("portrait"));
        row("mixed case with blanks", QStringLiteral(" LandScape "), 2, QStringLiteral("landscape"));
        row("quadratic is square", QStringLiteral("quadratic"), 4, QStringLiteral("square"));
        row("all", QStringLiteral("all"), 31, QStringLiteral("all"));
        row("list of two", QStringLiteral("portrait,square"), 5, QStringLiteral("portrait, square"));
        row("unknown", QStringLiteral("diagonal"), 0, QString());
        row("empty", QString(), 0, QString());
    }

    void orientationTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, expectedValue);
        QFETCH(QString, expectedText);

        const LMOrientation anOrientation(text);
        QCOMPARE(anOrientation.value(), expectedValue);
        QCOMPARE(anOrientation.toString(), expectedText);
        QCOMPARE(anOrientation.singleOrientations().size(), qPopulationCount(quint32(expectedValue)));
    }

    void expandToConvertibles_data()
    {
        QTest::addColumn<QList<LMSpotColor>>("input");
        QTest::addColumn<QList<LMSpotColor>>("expected");

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
        QFETCH(QList<LMSpotColor>, input);
        QFETCH(QList<LMSpotColor>, expected);
        QCOMPARE(LMSpotColor::expandToConvertibles(input), expected);
    }

    void spotColorCategories_data()
    {
        QTest::addColumn<QString>("spotColorText");
        QTest::addColumn<bool>("expectedCategory");
        QTest::addColumn<QString>("expectedVisibleName");

        row("gold foil", QStringLiteral("gold-foil"), true, QStringLiteral("Goldfolie"));
        row("old short word", QStringLiteral("silver"), true, QStringLiteral("Silberfolie"));
        row("embossing", QStringLiteral("digital-embossing"), true, QStringLiteral("Digitale Prägung"));
        row("unknown", QStringLiteral("copper-foil"), false, QString());
    }

    void spotColorCategories()
    {
        QFETCH(QString, spotColorText);
        QFETCH(bool, expectedCategory);
        QFETCH(QString, expectedVisibleName);

        const LMSpotColor aSpotColor(spotColorText);
        const LMThematicCategory aCategory = LMThematicCategory::fromSpotColor(aSpotColor);
        QCOMPARE(!aCategory.isEmpty(), expectedCategory);
        QCOMPARE(aCategory.isSpotColorCategory(), expectedCategory);
        QCOMPARE(aCategory.visibleName(), expectedVisibleName);
        if (expectedCategory) {
            QCOMPARE(aCategory.spotColor(), aSpotColor);
            // A category of the same name read from a file is the same category.
            QCOMPARE(LMThematicCategory(aCategory.internalName()), aCategory);
        }
        QVERIFY(!LMThematicCategory(QStringLiteral("Hochzeit")).isSpotColorCategory());
    }

    void categorizationContainsOnePerType_data()
    {
        QTest::addColumn<LMCategorization>("wanted");
        QTest::addColumn<bool>("expected");

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
        QFETCH(LMCategorization, wanted);
        QFETCH(bool, expected);

        LMCategorization anOwn(LMCategoryType(LMCategoryTypeEnum::Subcategory),
                               LMThematicCategorySet { LMThematicCategory(QStringLiteral("Hochzeit")),
                                                       LMThematicCategory(QStringLiteral("Reise")) });
        anOwn.insert(LMCategoryType(LMCategoryTypeEnum::Theme), LMThematicCategory(QStringLiteral("Frühling")));
        anOwn.insert(LMCategoryType(LMCategoryTypeEnum::Theme), LMThematicCategory());
        QCOMPARE(anOwn.containsAtLeastOneForEachType(wanted), expected);
        QCOMPARE(anOwn.categories(LMCategoryType(LMCategoryTypeEnum::Theme)).size(), 1);
    }

    void moneyFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expectedValid");
        QTest::addColumn<qint64>("expectedCents");

        row("point", QStringLiteral("12.99"), true, qint64(1299));
        row("comma and one decimal", QStringLiteral("0,5"), true, qint64(50));
        row("whole", QStringLiteral(" 7 "), true, qint64(700));
        row("negative", QStringLiteral("-1.05"), true, qint64(-105));
        row("three decimals", QStringLiteral("1.999"), false, qint64(0));
        row("currency inside", QStringLiteral("12 EUR"), false, qint64(0));
        row("empty", QString(), false, qint64(0));
    }

    void moneyFromText()
    {
        QFETCH(QString, text);
        QFETCH(bool, expectedValid);
        QFETCH(qint64, expectedCents);

        const LMMoney aMoney = LMMoney::fromText(text);
        QCOMPARE(aMoney.isValid(), expectedValid);
        QCOMPARE(aMoney.cents(), expectedCents);
        QCOMPARE(aMoney.hasPrice(), expectedValid && expectedCents != 0);
    }

    void moneyFullText_data()
    {
        QTest::addColumn<LMMoney>("money");
        QTest::addColumn<bool>("withCurrency");
        QTest::addColumn<bool>("omitZeroCents");
        QTest::addColumn<bool>("withPlusSign");
        QTest::addColumn<QString>("expected");

        const QString aSpace(QChar(0x00A0));
        row("plain", LMMoney(499), true, false, false, QStringLiteral("4,99") + aSpace + QStringLiteral("€"));
        row("thousands", LMMoney(129900), true, false, false,
            QStringLiteral("1.299,00") + aSpace + QStringLiteral("€"));
        row("million without currency", LMMoney(123456789), false, false, false, QStringLiteral("1.234.567,89"));
        row("zero cents omitted", LMMoney(1200), false, true, false, QStringLiteral("12"));
        row("cents kept when not zero", LMMoney(1205), false, true, false, QStringLiteral("12,05"));
        row("plus sign", LMMoney(5), false, false, true, QStringLiteral("+0,05"));
        row("negative has no plus", LMMoney(-250), false, false, true, QStringLiteral("-2,50"));
        row("other currency", LMMoney(100, QStringLiteral("CHF")), true, false, false,
            QStringLiteral("1,00") + aSpace + QStringLiteral("CHF"));
        row("no price", LMMoney(), true, false, true, QString());
    }

    void moneyFullText()
    {
        QFETCH(LMMoney, money);
        QFETCH(bool, withCurrency);
        QFETCH(bool, omitZeroCents);
        QFETCH(bool, withPlusSign);
        QFETCH(QString, expected);
        QCOMPARE(money.fullText(withCurrency, omitZeroCents, withPlusSign), expected);
    }

    void moneySums()
    {
        QCOMPARE(LMMoney() + LMMoney(), LMMoney());
        QVERIFY(!(LMMoney() + LMMoney()).isValid());
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
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<bool>("expectedFree");

        row("one digit", QStringLiteral("2"), QStringLiteral("02"), false);
        row("two digits", QStringLiteral("03"), QStringLiteral("03"), false);
        row("leading zeros", QStringLiteral("007"), QStringLiteral("07"), false);
        row("class one is free", QStringLiteral(" 1 "), QStringLiteral("01"), true);
        row("class zero is free", QStringLiteral("00"), QStringLiteral("00"), true);
        row("word is lower-cased", QStringLiteral("Premium"), QStringLiteral("premium"), false);
        row("empty", QStringLiteral("  "), QString(), true);
    }

    void priceClassCreate()
    {
        QFETCH(QString, text);
        QFETCH(QString, expectedText);
        QFETCH(bool, expectedFree);

        const LMPriceClass aClass = LMPriceClass::create(text);
        QCOMPARE(aClass.toString(), expectedText);
        QCOMPARE(aClass.isFree(), expectedFree);
        QCOMPARE(aClass.isValid(), !expectedText.isEmpty());
        // Creating again from the text changes nothing.
        QCOMPARE(LMPriceClass::create(aClass.toString()), aClass);
    }

    void articleVariants_data()
    {
        QTest::addColumn<QStringList>("own");
        QTest::addColumn<QStringList>("other");
        QTest::addColumn<bool>("expectedContains");
        QTest::addColumn<bool>("expectedIntersects");

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
        QFETCH(QStringList, own);
        QFETCH(QStringList, other);
        QFETCH(bool, expectedContains);
        QFETCH(bool, expectedIntersects);

        const LMArticleVariants anOwn(own);
        const LMArticleVariants anOther(other);
        QCOMPARE(anOwn.contains(anOther), expectedContains);
        QCOMPARE(anOwn.intersects(anOther), expectedIntersects);
        QVERIFY(!anOwn.toStringList().contains(QString()));
    }

    void pageConstraintMatches_data()
    {
        QTest::addColumn<int>("own");
        QTest::addColumn<int>("other");
        QTest::addColumn<bool>("expected");

        row("both empty", 0, 0, true);
        row("own empty", 0, 8, true);
        row("other empty", 0x321, 0, true);
        row("cover and full cover", 0x321, 0x20, true);
        row("cover and inner page", 0x321, 0x8, false);
    }

    void pageConstraintMatches()
    {
        QFETCH(int, own);
        QFETCH(int, other);
        QFETCH(bool, expected);

        const LMPageConstraint anOwn(LMPageType(LMPageType::fromInt(own)));
        const LMPageConstraint anOther(LMPageType(LMPageType::fromInt(other)));
        QCOMPARE(anOwn.matches(anOther), expected);
        QCOMPARE(anOther.matches(anOwn), expected);
    }

    void dlpPath_data()
    {
        QTest::addColumn<QString>("elementType");
        QTest::addColumn<bool>("singlePage");
        QTest::addColumn<QString>("expected");

        row("design style", QStringLiteral("designstyle"), false, QStringLiteral("designstyles"));
        row("background for wall decor", QStringLiteral("Background"), true, QStringLiteral("walldecor/backgrounds"));
        row("unknown type", QStringLiteral("sticker"), true, QString());
    }

    void dlpPath()
    {
        QFETCH(QString, elementType);
        QFETCH(bool, singlePage);
        QFETCH(QString, expected);
        QCOMPARE(LMDlpType(elementType).dlpPath(singlePage), expected);
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
