#include "LMArticle.h"
#include "LMArticleList.h"
#include "LMArticlesGroup.h"
#include "LMProductCatalogue.h"
#include "LMTemplateContextGroup.h"

#include "LMTestContentTree.h"
#include "LMTestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

// The product catalogue file, the articles read from it, article groups and the product
// constraints of templates.
class TestProductCatalogue : public QObject
{
    Q_OBJECT

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
        QCOMPARE(aBook.addOnPriceClasses().toStringList(), QStringList({ "02", "03", "05" }));
        // Keys this class does not model stay readable for later readers.
        QVERIFY(aBook.catalogueEntry().value(QStringLiteral("pageSizes")).isObject());

        QCOMPARE(article("BOOK_A4_LAYFLAT").price(), LMMoney(4990));
        QCOMPARE(article("CANVAS_40x30").possibleVariants().values(QStringLiteral("cutout")),
                 QStringList({ "heart", "star" }));
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
        row("free class costs zero", QStringList { "01" }, LMMoney::zero());
        row("two classes add up", QStringList { "02", "3" }, LMMoney(1498));
        row("missing add-on adds nothing", QStringList { "05", "02" }, LMMoney(499));
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
        QCOMPARE(aList.orderTxtNames(), QStringList({ "BOOK_A4_HC", "MUG_WHITE", "BOOK_A4_LAYFLAT" }));
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
        if (orderNames == QStringList { "W" }) {
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

        row("own empty", QString(), 0, "BOOK_A4_HC", true, false);
        row("same article", "BOOK_A4_HC,CANVAS_40x30", 0, "BOOK_A4_HC", true, true);
        row("other article", "BOOK_A4_HC", 0, "CANVAS_40x30", false, false);
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
        const LMArticleVariants aHeart(QStringList { "cutout=heart" });
        const LMArticleVariants aStar(QStringList { "cutout=star" });
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
        row("variant shared",
            aTemplate("CANVAS_40x30", {}, LMArticleVariants(QStringList { "cutout=heart", "cutout=star" })),
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

private:
    static LMArticle article(const char* theOrderName)
    {
        return LMArticle::fromOrderTxtName(QLatin1String(theOrderName));
    }

    const LMTestSupport::ContentTree myContent { LMTestSupport::fixture(QStringLiteral("product/catalogue.json")) };
};

QTEST_GUILESS_MAIN(TestProductCatalogue)
#include "tst_productcatalogue.moc"
