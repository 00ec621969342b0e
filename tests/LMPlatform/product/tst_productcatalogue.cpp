#include "LMArticle.h"
#include "LMArticleList.h"
#include "LMArticlesGroup.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplateContextGroup.h"

#include "LMTestSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::row;

// The product catalogue file, the articles read from it, article groups and the product
// constraints of templates.
class TestProductCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myContent.isValid());
        QFile aFixture(LMTestSupport::dataPath(QStringLiteral("product/catalogue.json")));
        QVERIFY(aFixture.open(QIODevice::ReadOnly));
        LMTestSupport::writeFile(myContent, LMProductCatalogue::relativeFilePath(), aFixture.readAll());
        myPreviousRoot = LMDirectoryConfig::instance()->contentRoot();
        LMDirectoryConfig::instance()->setContentRoot(myContent.path());
    }

    void init() { QVERIFY(LMProductCatalogue::instance()->reload()); }

    void cleanupTestCase() { LMDirectoryConfig::instance()->setContentRoot(myPreviousRoot); }

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
        QTest::addColumn<QString>("orderName");
        QTest::addColumn<int>("expectedId");
        QTest::addColumn<bool>("expectedNull");

        row("exact", QStringLiteral("CANVAS_40x30"), 2001, false);
        row("other case and blanks", QStringLiteral(" book_a4_layflat "), 1002, false);
        row("unknown stays a name", QStringLiteral("MUG_WHITE"), 0, false);
        row("empty", QString(), 0, true);
    }

    void lookups()
    {
        QFETCH(QString, orderName);
        QFETCH(int, expectedId);
        QFETCH(bool, expectedNull);

        const LMArticle anArticle = LMArticle::fromOrderTxtName(orderName);
        QCOMPARE(anArticle.id(), expectedId);
        QCOMPARE(anArticle.isValid(), expectedId > 0);
        QCOMPARE(anArticle.isNull(), expectedNull);
        if (expectedId > 0)
            QCOMPARE(LMArticle::fromId(expectedId), anArticle);
        // An unresolved article still matches its own name, in any case.
        QVERIFY(anArticle.matches(LMArticle::fromOrderTxtName(orderName.toLower())));
        QVERIFY(!LMArticle::fromId(4242).isValid());
    }

    void dependentArticles_data()
    {
        QTest::addColumn<QString>("orderName");
        QTest::addColumn<QString>("priceClass");
        QTest::addColumn<QString>("expectedDependent");

        row("priced class", QStringLiteral("BOOK_A4_HC"), QStringLiteral("02"), QStringLiteral("DESIGN_BOOK_02"));
        row("class written with one digit in the file", QStringLiteral("BOOK_A4_HC"), QStringLiteral("03"),
            QStringLiteral("DESIGN_BOOK_03"));
        row("free class", QStringLiteral("BOOK_A4_HC"), QStringLiteral("01"), QString());
        row("add-on not in the catalogue", QStringLiteral("BOOK_A4_HC"), QStringLiteral("05"), QString());
        row("class without add-on", QStringLiteral("BOOK_A4_LAYFLAT"), QStringLiteral("03"), QString());
        row("unresolved article", QStringLiteral("MUG_WHITE"), QStringLiteral("02"), QString());
    }

    void dependentArticles()
    {
        QFETCH(QString, orderName);
        QFETCH(QString, priceClass);
        QFETCH(QString, expectedDependent);

        const LMArticle aDependent
            = LMArticle::fromOrderTxtName(orderName).findDependentArticle(LMPriceClass::create(priceClass));
        QCOMPARE(aDependent.orderTxtName(), expectedDependent);
        QCOMPARE(aDependent.isValid(), !expectedDependent.isEmpty());
    }

    void priceOfDependentArticles_data()
    {
        QTest::addColumn<QStringList>("priceClasses");
        QTest::addColumn<LMMoney>("expected");

        row("empty set has no price", QStringList(), LMMoney());
        row("free class costs zero", QStringList { "01" }, LMMoney::zero());
        row("one class", QStringList { "02" }, LMMoney(499));
        row("two classes add up", QStringList { "02", "3" }, LMMoney(1498));
        row("missing add-on adds nothing", QStringList { "05", "02" }, LMMoney(499));
    }

    void priceOfDependentArticles()
    {
        QFETCH(QStringList, priceClasses);
        QFETCH(LMMoney, expected);

        LMPriceClassSet aSet;
        for (const QString& aText : priceClasses)
            aSet.insert(LMPriceClass::create(aText));
        QCOMPARE(article("BOOK_A4_HC").priceOfDependendArticles(aSet), expected);
    }

    void buildFromOrderNames()
    {
        const LMArticleList aList
            = LMArticleList::buildFromCSVOrderTxtNames(QStringLiteral("BOOK_A4_HC, MUG_WHITE,,book_a4_layflat ,"));
        QCOMPARE(aList.orderTxtNames(), QStringList({ "BOOK_A4_HC", "MUG_WHITE", "BOOK_A4_LAYFLAT" }));
        QVERIFY(aList.at(0).isValid());
        QVERIFY(!aList.at(1).isValid());
        QVERIFY(!aList.at(1).isNull());
        QVERIFY(aList.containsArticleClass(LMArticleClass(LMArticleClassEnum::PhotoBook)));
        QVERIFY(!aList.containsArticleClass(LMArticleClass(LMArticleClassEnum::WallDecor)));
        QVERIFY(LMArticleList::buildFromCSVOrderTxtNames(QString()).isEmpty());
    }

    void badCatalogues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("orderNames");
        // "%1" stands for the file's path; a leading "re:" marks a regular expression.
        QTest::addColumn<QStringList>("warnings");

        const QByteArray aValid = R"({"id": 5, "orderName": "VALID"})";
        row("malformed JSON", QByteArray(R"({"articles": [)"), QStringList(),
            QStringList { QStringLiteral("re:^malformed JSON in .*catalogue\\.json: ") });
        row("empty file", QByteArray(), QStringList(),
            QStringList { QStringLiteral("re:^malformed JSON in .*catalogue\\.json: ") });
        row("document is a list", QByteArray("[]"), QStringList(),
            QStringList { QStringLiteral("product catalogue %1: the document is not an object") });
        row("articles not a list", QByteArray(R"({"articles": {}})"), QStringList(),
            QStringList { QStringLiteral("product catalogue %1: \"articles\" is not a list") });
        row("entry not an object", QByteArray(R"({"articles": [3, )" + aValid + "]}"), QStringList { "VALID" },
            QStringList { QStringLiteral("product catalogue %1: article 0 skipped: not an object") });
        row("id missing, as text, zero",
            QByteArray(
                R"({"articles": [{"orderName": "A"}, {"id": "7", "orderName": "B"}, {"id": 0, "orderName": "C"}, )"
                + aValid + "]}"),
            QStringList { "VALID" },
            QStringList {
                QStringLiteral("product catalogue %1: article 0 skipped: \"id\" is not a positive whole number"),
                QStringLiteral("product catalogue %1: article 1 skipped: \"id\" is not a positive whole number"),
                QStringLiteral("product catalogue %1: article 2 skipped: \"id\" is not a positive whole number") });
        row("order name missing", QByteArray(R"({"articles": [{"id": 8, "orderName": " "}]})"), QStringList(),
            QStringList { QStringLiteral("product catalogue %1: article 0 skipped: \"orderName\" is missing") });
        row("duplicates keep the first",
            QByteArray(R"({"articles": [)" + aValid
                       + R"(, {"id": 5, "orderName": "OTHER"}, {"id": 6, "orderName": "valid"}]})"),
            QStringList { "VALID" },
            QStringList {
                QStringLiteral("product catalogue %1: article 1 skipped: id 5 or order name OTHER is listed before"),
                QStringLiteral("product catalogue %1: article 2 skipped: id 6 or order name valid is listed before") });
        row("price beyond any amount", QByteArray(R"({"articles": [{"id": 9, "orderName": "P", "price": 1e300}]})"),
            QStringList { "P" },
            QStringList { QStringLiteral("product catalogue %1: article 0: \"price\" is no amount") });
        row("wrong optional types read as defaults",
            QByteArray(R"({"currency": 3, "articles": [{"id": 9, "orderName": "W", "name": 3, "price": "abc",)"
                       R"( "addOn": "yes", "addOns": [], "variants": "a"}]})"),
            QStringList { "W" },
            QStringList { QStringLiteral("product catalogue %1: \"currency\" is not a currency code"),
                          QStringLiteral("product catalogue %1: article 0: \"name\" is not a text"),
                          QStringLiteral("product catalogue %1: article 0: \"price\" is no amount"),
                          QStringLiteral("product catalogue %1: article 0: \"addOn\" is not true or false"),
                          QStringLiteral("product catalogue %1: article 0: \"addOns\" is not an object"),
                          QStringLiteral("product catalogue %1: article 0: \"variants\" is not a list") });
    }

    void badCatalogues()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, orderNames);
        QFETCH(QStringList, warnings);

        QTemporaryDir aDir;
        const QString aPath = LMTestSupport::writeFile(aDir, QStringLiteral("catalogue.json"), content);
        for (const QString& aWarning : std::as_const(warnings)) {
            if (aWarning.startsWith(QLatin1String("re:")))
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(aWarning.mid(3)));
            else
                QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning.arg(QFileInfo(aPath).absoluteFilePath())));
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
        QTest::addColumn<QString>("ownArticles");
        QTest::addColumn<int>("ownClasses");
        QTest::addColumn<QString>("otherArticles");
        QTest::addColumn<bool>("expectedLoose");
        QTest::addColumn<bool>("expectedExplicit");

        row("both empty", QString(), 0, QString(), true, false);
        row("own empty", QString(), 0, QStringLiteral("BOOK_A4_HC"), true, false);
        row("same article", QStringLiteral("BOOK_A4_HC,CANVAS_40x30"), 0, QStringLiteral("BOOK_A4_HC"), true, true);
        row("other article", QStringLiteral("BOOK_A4_HC"), 0, QStringLiteral("CANVAS_40x30"), false, false);
        row("class restriction accepts", QString(), int(LMArticleClassEnum::PhotoBook),
            QStringLiteral("BOOK_A4_LAYFLAT"), true, false);
        row("class restriction rejects", QString(), int(LMArticleClassEnum::PhotoBook), QStringLiteral("CANVAS_40x30"),
            false, false);
        row("unresolved names match by name", QStringLiteral("MUG_WHITE"), 0, QStringLiteral("mug_white"), true, true);
        row("unresolved name is no other article", QStringLiteral("MUG_WHITE"), 0, QStringLiteral("BOOK_A4_HC"), false,
            false);
    }

    void articlesGroupIntersects()
    {
        QFETCH(QString, ownArticles);
        QFETCH(int, ownClasses);
        QFETCH(QString, otherArticles);
        QFETCH(bool, expectedLoose);
        QFETCH(bool, expectedExplicit);

        LMArticlesGroup anOwn(LMArticleList::buildFromCSVOrderTxtNames(ownArticles));
        LMProductRestriction aRestriction;
        aRestriction.addArticleClass(LMArticleClass(LMArticleClass::fromInt(ownClasses)));
        anOwn.addRestriction(aRestriction);
        const LMArticlesGroup anOther(LMArticleList::buildFromCSVOrderTxtNames(otherArticles));
        QCOMPARE(anOwn.intersects(anOther, false), expectedLoose);
        QCOMPARE(anOwn.intersects(anOther, true), expectedExplicit);
    }

    void fulfillsConstraints_data()
    {
        QTest::addColumn<LMTemplateContextGroup>("own");
        QTest::addColumn<LMTemplateContextGroup>("other");
        QTest::addColumn<bool>("explicitOnly");
        QTest::addColumn<bool>("ignoreVariants");
        QTest::addColumn<bool>("expected");

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
        row("named article", aTemplate("BOOK_A4_HC", anInner, {}), aBookInner, false, false, true);
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
        QFETCH(LMTemplateContextGroup, own);
        QFETCH(LMTemplateContextGroup, other);
        QFETCH(bool, explicitOnly);
        QFETCH(bool, ignoreVariants);
        QFETCH(bool, expected);
        QCOMPARE(own.fulfillsConstraints(other, explicitOnly, ignoreVariants), expected);
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

    QTemporaryDir myContent;
    QString myPreviousRoot;
};

QTEST_GUILESS_MAIN(TestProductCatalogue)
#include "tst_productcatalogue.moc"
