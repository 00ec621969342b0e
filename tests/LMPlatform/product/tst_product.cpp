#include "LMArticle.h"
#include "LMArticleList.h"
#include "LMArticlesGroup.h"
#include "LMArticleVariants.h"
#include "LMCategorization.h"
#include "LMDesignElementID.h"
#include "LMDesignElementIDSet.h"
#include "LMDlpType.h"
#include "LMFrameMaterial.h"
#include "LMJigFeature.h"
#include "LMMoney.h"
#include "LMMultiColorConfig.h"
#include "LMOrientation.h"
#include "LMPageConstraint.h"
#include "LMPriceClass.h"
#include "LMProductCatalogue.h"
#include "LMSpaceMagnitude.h"
#include "LMSpotColor.h"
#include "LMTemplateCalendariumOptions.h"
#include "LMTemplateContextGroup.h"
#include "LMTemplateImageSize.h"
#include "LMThematicCategory.h"
#include "LMUrlQueryItemList.h"

#include "LMTestContentTree.h"
#include "LMTestSupport.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

Q_DECLARE_METATYPE(LMMultiColorConfig)
Q_DECLARE_METATYPE(LMPageSizeSpec)

// The product catalogue file and the articles read from it (their page sizes and features too),
// article groups and the product constraints of templates; the small value types of the product
// stand-ins: ids, enumeration texts, categories, money, price classes, variants, multi-colour
// variants, frame materials, calendar options and product size classes.
class TestProduct : public QObject
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

    static LMArticle article(const char* theOrderName)
    {
        return LMArticle::fromOrderTxtName(QLatin1String(theOrderName));
    }

    const LMTestSupport::ContentTree myContent { LMTestSupport::fixture(QStringLiteral("product/catalogue.json")) };
    QTemporaryDir myDir;

private Q_SLOTS:
    void initTestCase() { QVERIFY(myContent.isValid()); }

    void init() { QVERIFY(LMProductCatalogue::instance()->reload()); }

    void articleFields()
    {
        const LMArticle aBook = article("BOOK_A4_HC");
        QVERIFY(aBook.isValid());
        QCOMPARE(aBook.id(), 1001);
        QCOMPARE(aBook.visibleName(), QStringLiteral("Fotobuch A4 Hardcover"));
        QCOMPARE(aBook.articleClass(), LMArticleClass(LMArticleClassEnum::PhotoBook));
        QCOMPARE(aBook.orientation(), LMOrientation(LMOrientationEnum::Portrait));
        QCOMPARE(aBook.pageBinding(), LMPageBinding(LMPageBindingEnum::Glued));
        QCOMPARE(aBook.coverType(), LMCoverType(LMCoverTypeEnum::Hardcover));
        QCOMPARE(aBook.priceClass().toString(), QStringLiteral("01"));
        QCOMPARE(aBook.price(), LMMoney(2999));
        QVERIFY(!aBook.isAddOn());
        QCOMPARE(aBook.addOnPriceClasses().toStringList(), words("02 03 05"));
        // Keys this class does not model stay readable for later readers.
        QVERIFY(aBook.catalogueEntry().value(QStringLiteral("pageSizes")).isObject());

        QCOMPARE(article("BOOK_A4_LAYFLAT").price(), LMMoney(4990));
        QCOMPARE(article("CANVAS_40x30").possibleVariants().values(QStringLiteral("cutout")), words("heart star"));
        QVERIFY(article("DESIGN_WALL_02").isAddOn());
        QCOMPARE(LMArticle::createFirstValidArticle(), aBook);
        QCOMPARE(LMProductCatalogue::instance()->count(), 6);
    }

    void lookups_data()
    {
        columns<QString, int, bool>("orderName", "expectedId", "expectedNull");

        row("exact", "CANVAS_40x30", 2001, false);
        row("other case and blanks", " book_a4_layflat ", 1002, false);
        row("unknown stays a name", "MUG_WHITE", 0, false);
        row("empty", QString(), 0, true);
    }

    void lookups()
    {
        QFETCH(QString, orderName);
        QFETCH(int, expectedId);

        const LMArticle anArticle = LMArticle::fromOrderTxtName(orderName);
        QCOMPARE(anArticle.id(), expectedId);
        QCOMPARE(anArticle.isValid(), expectedId > 0);
        QCOMPARE(anArticle.isNull(), fetch<bool>("expectedNull"));
        if (expectedId > 0)
            QCOMPARE(LMArticle::fromId(expectedId), anArticle);
        // An unresolved article still matches its own name, in any case.
        QVERIFY(anArticle.matches(LMArticle::fromOrderTxtName(orderName.toLower())));
        QVERIFY(!LMArticle::fromId(4242).isValid());
    }

    void dependentArticles_data()
    {
        columns<QString, QString, QString>("orderName", "priceClass", "expectedDependent");

        row("priced class", "BOOK_A4_HC", "02", "DESIGN_BOOK_02");
        row("class written with one digit in the file", "BOOK_A4_HC", "03", "DESIGN_BOOK_03");
        row("free class", "BOOK_A4_HC", "01", QString());
        row("add-on not in the catalogue", "BOOK_A4_HC", "05", QString());
        row("class without add-on", "BOOK_A4_LAYFLAT", "03", QString());
        row("unresolved article", "MUG_WHITE", "02", QString());
    }

    void dependentArticles()
    {
        QFETCH(QString, expectedDependent);

        const LMArticle aDependent = LMArticle::fromOrderTxtName(fetch<QString>("orderName"))
                                         .findDependentArticle(LMPriceClass::create(fetch<QString>("priceClass")));
        QCOMPARE(aDependent.orderTxtName(), expectedDependent);
        QCOMPARE(aDependent.isValid(), !expectedDependent.isEmpty());
    }

    void priceOfDependentArticles_data()
    {
        columns<QStringList, LMMoney>("priceClasses", "expected");

        row("empty set has no price", QStringList(), LMMoney());
        row("free class costs zero", words("01"), LMMoney::zero());
        row("two classes add up", words("02 3"), LMMoney(1498));
        row("missing add-on adds nothing", words("05 02"), LMMoney(499));
    }

    void priceOfDependentArticles()
    {

        LMPriceClassSet aSet;
        for (const QString& aText : fetch<QStringList>("priceClasses"))
            aSet.insert(LMPriceClass::create(aText));
        QCOMPARE(article("BOOK_A4_HC").priceOfDependendArticles(aSet), fetch<LMMoney>("expected"));
    }

    void buildFromOrderNames()
    {
        const LMArticleList aList
            = LMArticleList::buildFromCSVOrderTxtNames(QStringLiteral("BOOK_A4_HC, MUG_WHITE,,book_a4_layflat ,"));
        QCOMPARE(aList.orderTxtNames(), words("BOOK_A4_HC MUG_WHITE BOOK_A4_LAYFLAT"));
        QVERIFY(aList.containsArticleClass(LMArticleClass(LMArticleClassEnum::PhotoBook)));
        QVERIFY(!aList.containsArticleClass(LMArticleClass(LMArticleClassEnum::WallDecor)));
        QVERIFY(LMArticleList::buildFromCSVOrderTxtNames(QString()).isEmpty());
    }

    // The warnings follow "product catalogue PATH: " unless they begin with "re:" (a whole pattern).
    void badCatalogues_data()
    {
        columns<QByteArray, QStringList, QStringList>("content", "orderNames", "warnings");
        const QByteArray aValid = R"({"id": 5, "orderName": "VALID"})";
        const QStringList aMalformed { QStringLiteral("re:^malformed JSON in .*catalogue\\.json: ") };
        const QString anId = QStringLiteral("skipped: \"id\" is not a positive whole number");
        row("malformed JSON", QByteArray(R"({"articles": [)"), QStringList(), aMalformed);
        row("document is a list", QByteArray("[]"), QStringList(), QStringList { "the document is not an object" });
        row("articles not a list", QByteArray(R"({"articles": {}})"), QStringList(),
            QStringList { "\"articles\" is not a list" });
        row("entry not an object", QByteArray(R"({"articles": [3, )" + aValid + "]}"), words("VALID"),
            QStringList { "article 0 skipped: not an object" });
        row("id missing, as text, zero",
            QByteArray(
                R"({"articles": [{"orderName": "A"}, {"id": "7", "orderName": "B"}, {"id": 0, "orderName": "C"}, )"
                + aValid + "]}"),
            words("VALID"), QStringList { "article 0 " + anId, "article 1 " + anId, "article 2 " + anId });
        row("order name missing", QByteArray(R"({"articles": [{"id": 8, "orderName": " "}]})"), QStringList(),
            QStringList { "article 0 skipped: \"orderName\" is missing" });
        row("duplicates keep the first",
            QByteArray(R"({"articles": [)" + aValid
                       + R"(, {"id": 5, "orderName": "OTHER"}, {"id": 6, "orderName": "valid"}]})"),
            words("VALID"),
            QStringList { "article 1 skipped: id 5 or order name OTHER is listed before",
                          "article 2 skipped: id 6 or order name valid is listed before" });
        row("price beyond any amount", QByteArray(R"({"articles": [{"id": 9, "orderName": "P", "price": 1e300}]})"),
            words("P"), QStringList { "article 0: \"price\" is no amount" });
        row("wrong optional types read as defaults",
            QByteArray(R"({"currency": 3, "articles": [{"id": 9, "orderName": "W", "name": 3, "price": "abc",)"
                       R"( "addOn": "yes", "addOns": [], "variants": "a"}]})"),
            words("W"),
            QStringList { "\"currency\" is not a currency code", "article 0: \"name\" is not a text",
                          "article 0: \"price\" is no amount", "article 0: \"addOn\" is not true or false",
                          "article 0: \"addOns\" is not an object", "article 0: \"variants\" is not a list" });
    }

    void badCatalogues()
    {
        QFETCH(QStringList, orderNames);
        QFETCH(QStringList, warnings);

        QTemporaryDir aDir;
        const QString aPath = LMTestSupport::writeFile(aDir, "catalogue.json", fetch<QByteArray>("content"));
        for (const QString& aWarning : std::as_const(warnings)) {
            if (aWarning.startsWith(QLatin1String("re:")))
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(aWarning.mid(3)));
            else
                QTest::ignoreMessage(
                    QtWarningMsg,
                    qPrintable(
                        QStringLiteral("product catalogue %1: %2").arg(QFileInfo(aPath).absoluteFilePath(), aWarning)));
        }
        QVERIFY(LMProductCatalogue::instance()->load(aPath));
        QCOMPARE(LMProductCatalogue::instance()->articles().orderTxtNames(), orderNames);
        if (orderNames == words("W")) {
            const LMArticle anArticle = LMProductCatalogue::instance()->findById(9);
            QCOMPARE(anArticle.visibleName(), QString());
            QVERIFY(!anArticle.price().isValid());
            QVERIFY(!anArticle.isAddOn());
            QVERIFY(anArticle.possibleVariants().isEmpty());
            QCOMPARE(LMProductCatalogue::instance()->currency(), QStringLiteral("EUR"));
        }
    }

    void articlesGroupIntersects_data()
    {
        columns<QString, int, QString, bool, bool>("ownArticles", "ownClasses", "otherArticles", "expectedLoose",
                                                   "expectedExplicit");

        row("class restriction accepts", QString(), int(LMArticleClassEnum::PhotoBook), "BOOK_A4_LAYFLAT", true, false);
        row("class restriction rejects", QString(), int(LMArticleClassEnum::PhotoBook), "CANVAS_40x30", false, false);
        row("unresolved names match by name", "MUG_WHITE", 0, "mug_white", true, true);
        row("unresolved name is no other article", "MUG_WHITE", 0, "BOOK_A4_HC", false, false);
    }

    void articlesGroupIntersects()
    {

        LMArticlesGroup anOwn(LMArticleList::buildFromCSVOrderTxtNames(fetch<QString>("ownArticles")));
        LMProductRestriction aRestriction;
        aRestriction.addArticleClass(LMArticleClass(LMArticleClass::fromInt(fetch<int>("ownClasses"))));
        anOwn.addRestriction(aRestriction);
        const LMArticlesGroup anOther(LMArticleList::buildFromCSVOrderTxtNames(fetch<QString>("otherArticles")));
        QCOMPARE(anOwn.intersects(anOther, false), fetch<bool>("expectedLoose"));
        QCOMPARE(anOwn.intersects(anOther, true), fetch<bool>("expectedExplicit"));
    }

    void fulfillsConstraints_data()
    {
        columns<LMTemplateContextGroup, LMTemplateContextGroup, bool, bool, bool>("own", "other", "explicitOnly",
                                                                                  "ignoreVariants", "expected");

        const LMPageType anInner(LMPageTypeEnum::InnerPage);
        const LMPageType aCover(LMPageTypeEnum::Cover);
        const LMArticleVariants aHeart(words("cutout=heart"));
        const LMArticleVariants aStar(words("cutout=star"));
        const LMTemplateContextGroup aBookInner = LMTemplateContextGroup::fromArticle(article("BOOK_A4_HC"), anInner);

        const auto aTemplate
            = [](const QString& theArticles, const LMPageType& thePageTypes, const LMArticleVariants& theVariants) {
                  LMTemplateContextGroup aGroup;
                  aGroup.setArticleGroup(LMArticlesGroup(LMArticleList::buildFromCSVOrderTxtNames(theArticles)));
                  aGroup.setPageConstraint(LMPageConstraint(thePageTypes));
                  aGroup.setArticleVariants(theVariants);
                  return aGroup;
              };
        const LMTemplateContextGroup anUnrestricted;

        row("unrestricted template", anUnrestricted, aBookInner, false, false, true);
        row("unrestricted template, explicit only", anUnrestricted, aBookInner, true, false, false);
        row("named article, explicit only", aTemplate("BOOK_A4_HC", anInner, {}), aBookInner, true, false, true);
        row("other article", aTemplate("CANVAS_40x30", anInner, {}), aBookInner, false, false, false);
        row("cover template on an inner page", aTemplate("BOOK_A4_HC", aCover, {}), aBookInner, false, false, false);
        row("template for cover and inner pages", aTemplate("BOOK_A4_HC", LMPageType(aCover | anInner), {}), aBookInner,
            false, false, true);
        row("context without page type", aTemplate("BOOK_A4_HC", aCover, {}),
            LMTemplateContextGroup::fromArticle(article("BOOK_A4_HC"), LMPageType()), false, false, true);

        const LMTemplateContextGroup aCanvasHeart = LMTemplateContextGroup::fromArticle(
            article("CANVAS_40x30"), LMPageType(LMPageTypeEnum::WallDecor), aHeart);
        row("variant shared", aTemplate("CANVAS_40x30", {}, LMArticleVariants(words("cutout=heart cutout=star"))),
            aCanvasHeart, false, false, true);
        row("variant not shared", aTemplate("CANVAS_40x30", {}, aStar), aCanvasHeart, false, false, false);
        row("variant not shared but ignored", aTemplate("CANVAS_40x30", {}, aStar), aCanvasHeart, false, true, true);
        row("template without variants", aTemplate("CANVAS_40x30", {}, {}), aCanvasHeart, false, false, true);
        row("context without variants", aTemplate("CANVAS_40x30", {}, aStar),
            LMTemplateContextGroup::fromArticle(article("CANVAS_40x30"), {}), false, false, true);
    }

    void fulfillsConstraints()
    {
        QCOMPARE(fetch<LMTemplateContextGroup>("own").fulfillsConstraints(fetch<LMTemplateContextGroup>("other"),
                                                                          fetch<bool>("explicitOnly"),
                                                                          fetch<bool>("ignoreVariants")),
                 fetch<bool>("expected"));
    }

    void describeDifference()
    {
        LMTemplateContextGroup aTemplate;
        aTemplate.setPageConstraint(LMPageConstraint(LMPageType(LMPageTypeEnum::Cover)));
        const LMTemplateContextGroup aContext
            = LMTemplateContextGroup::fromArticle(article("BOOK_A4_HC"), LMPageType(LMPageTypeEnum::InnerPage));
        QCOMPARE(aTemplate.describeDifference(aContext),
                 QStringLiteral("Article Okay: {true}, Page Okay: {false} Variant Okay: {true}"));
        QVERIFY(aContext.supportsArticle(article("BOOK_A4_HC")));
        QCOMPARE(aContext.defaultArticle(), article("BOOK_A4_HC"));
        QVERIFY(aContext.isUsablePageType());
        QVERIFY(aTemplate.isUsablePageType());
        LMTemplateContextGroup aSpine;
        aSpine.setPageConstraint(LMPageConstraint(LMPageType(LMPageTypeEnum::Spine)));
        QVERIFY(!aSpine.isUsablePageType());
    }

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

    void sharedCategorySets_data()
    {
        columns<QString, QString, bool>("first", "second", "sameStorage");
        row("equal sets built apart", "Reise,Hochzeit", "Hochzeit,Reise", true);
        row("different sets", "Reise,Hochzeit", "Reise", false);
    }

    void sharedCategorySets()
    {
        const LMThematicCategorySet aFirst = LMThematicCategorySet::fromCSV(fetch<QString>("first"));
        const LMThematicCategorySet aSecond = LMThematicCategorySet::fromCSV(fetch<QString>("second"));
        const LMThematicCategorySet aSharedFirst = LMThematicCategorySet::shared(aFirst);
        const LMThematicCategorySet aSharedSecond = LMThematicCategorySet::shared(aSecond);
        QCOMPARE(aSharedFirst, aFirst);
        QCOMPARE(aSharedSecond, aSecond);
        // One storage: the first element of one is the first element of the other.
        QCOMPARE(&*aSharedFirst.cbegin() == &*aSharedSecond.cbegin(), fetch<bool>("sameStorage"));
        QVERIFY(LMThematicCategorySet::shared(LMThematicCategorySet()).isEmpty());
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
        QCOMPARE(anArticle.usableSize(aType), spec.usableSize());
        if (alignment == 0)
            QCOMPARE(anArticle.topLeftBleedOffset(aType), spec.usablePrintAreaOffset());
    }

    void articleFeatures()
    {
        const LMArticle anArticle = loadArticle("framed.json");
        QVERIFY(anArticle.isValid());
        QCOMPARE(anArticle.widthByHeight(), 1.5);
        QVERIFY(anArticle.fullBackgroundOnEachPage());
        QVERIFY(anArticle.hasSpotColorFeature());
        QCOMPARE(anArticle.spotColors().value(), int(LMSpotColorEnum::GoldFoil) | int(LMSpotColorEnum::SilverFoil));
        const auto aClass = [](const char* theName) {
            return LMPriceClass::create(QString::fromLatin1(theName));
        };
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

QTEST_GUILESS_MAIN(TestProduct)
#include "tst_product.moc"
