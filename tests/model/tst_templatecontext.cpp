#include "LMProductCatalogue.h"
#include "LMTemplateContext.h"

#include "LMTestSupport.h"

#include <QTemporaryDir>
#include <QTest>

// The product situation a template is asked for: validity, the queries answered from the
// article's catalogue data, the spot colour rule, equality, order and hashing.
class TestTemplateContext : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void validity_data();
    void validity();
    void canUseSpotColor_data();
    void canUseSpotColor();
    void pageQueries();
    void articleQueries();
    void equalityAndOrder_data();
    void equalityAndOrder();

private:
    QTemporaryDir myDir;
};

namespace {
LMArticle article(const char* theOrderName)
{
    return LMArticle::fromOrderTxtName(QString::fromLatin1(theOrderName));
}
} // namespace

void TestTemplateContext::initTestCase()
{
    const QString aPath = LMTestSupport::writeFile(myDir, QStringLiteral("catalogue.json"), R"({"articles": [
        {"id": 1, "orderName": "CARD_SPOT", "class": "card", "spotColors": "gold", "orientation": "landscape",
         "pageSizes": {"first_page, inner_page, last_page": {"size": [1480, 1050], "bleed": [20, 30]},
                       "full_cover": {"size": [3000, 1100], "bleed": [100, 100]}},
         "glassesPriceClasses": ["10"], "passepartoutPriceClasses": ["11"]},
        {"id": 2, "orderName": "CARD_PLAIN", "class": "card"},
        {"id": 3, "orderName": "BOOK_SPOT", "class": "photobook", "spotColors": "varnish"},
        {"id": 4, "orderName": "MIXED_SPOT", "class": "photobook, card", "spotColors": "silver"}
    ]})");
    QVERIFY(LMProductCatalogue::instance()->load(aPath));
}

void TestTemplateContext::validity_data()
{
    QTest::addColumn<QString>("orderName");
    QTest::addColumn<int>("pageType");
    QTest::addColumn<bool>("valid");

    QTest::newRow("catalogue article and page") << QStringLiteral("CARD_SPOT") << 0x8 << true;
    QTest::newRow("no page type") << QStringLiteral("CARD_SPOT") << 0 << false;
    QTest::newRow("unresolved article") << QStringLiteral("NOT_LISTED") << 0x8 << false;
    QTest::newRow("null article") << QString() << 0x8 << false;
}

void TestTemplateContext::validity()
{
    QFETCH(QString, orderName);
    QFETCH(int, pageType);
    QFETCH(bool, valid);
    QCOMPARE(LMTemplateContext(LMArticle::fromOrderTxtName(orderName), LMPageType::fromInt(pageType)).isValid(), valid);
    QVERIFY(!LMTemplateContext().isValid());
}

void TestTemplateContext::canUseSpotColor_data()
{
    QTest::addColumn<QString>("orderName");
    QTest::addColumn<int>("pageType");
    QTest::addColumn<bool>("canUse");

    QTest::newRow("card inner page") << QStringLiteral("CARD_SPOT") << 0x8 << true;
    QTest::newRow("card first page") << QStringLiteral("CARD_SPOT") << 0x2 << true;
    QTest::newRow("card front flyleaf") << QStringLiteral("CARD_SPOT") << 0x10 << true;
    QTest::newRow("spine") << QStringLiteral("CARD_SPOT") << 0x1 << false;
    QTest::newRow("full cover") << QStringLiteral("CARD_SPOT") << 0x20 << false;
    QTest::newRow("single page") << QStringLiteral("CARD_SPOT") << 0x40 << false;
    QTest::newRow("back cover") << QStringLiteral("CARD_SPOT") << 0x200 << false;
    QTest::newRow("calendar month") << QStringLiteral("CARD_SPOT") << 0x80000 << false;
    QTest::newRow("inner page and spine share a bit") << QStringLiteral("CARD_SPOT") << 0x9 << false;
    QTest::newRow("wall decor page") << QStringLiteral("CARD_SPOT") << 0x200000 << true;
    QTest::newRow("feature missing") << QStringLiteral("CARD_PLAIN") << 0x8 << false;
    QTest::newRow("article class not 8") << QStringLiteral("BOOK_SPOT") << 0x8 << false;
    QTest::newRow("classes include 8") << QStringLiteral("MIXED_SPOT") << 0x8 << true;
    QTest::newRow("unresolved article") << QStringLiteral("NOT_LISTED") << 0x8 << false;
}

void TestTemplateContext::canUseSpotColor()
{
    QFETCH(QString, orderName);
    QFETCH(int, pageType);
    QFETCH(bool, canUse);
    const LMTemplateContext aContext(LMArticle::fromOrderTxtName(orderName), LMPageType::fromInt(pageType));
    QCOMPARE(aContext.canUseSpotColor(), canUse);
}

void TestTemplateContext::pageQueries()
{
    const LMTemplateContext anInner(article("CARD_SPOT"), LMPageTypeEnum::InnerPage);
    QCOMPARE(anInner.usableSize(), QSizeF(1480, 1050));
    QCOMPARE(anInner.topLeftBleedOffset(), QPointF(20, 30));
    QCOMPARE(anInner.pageSizeSpecs(LMPageAlignmentEnum::Double).usableSize(), QSizeF(2960, 1050));
    QCOMPARE(anInner.pageSizeSpecs(LMPageAlignmentEnum::Right).usableSize(), QSizeF(1480, 1050));

    const LMTemplateContext aCover(article("CARD_SPOT"), LMPageTypeEnum::FullCover);
    QCOMPARE(aCover.usableSize(), QSizeF(3000, 1100));
    QCOMPARE(aCover.topLeftBleedOffset(), QPointF(100, 100));

    const LMTemplateContext aSpine(article("CARD_SPOT"), LMPageTypeEnum::Spine);
    QVERIFY(!aSpine.pageSizeSpecs(LMPageAlignmentEnum::Left).isValid());
    QVERIFY(aSpine.usableSize().isEmpty());
    QCOMPARE(aSpine.topLeftBleedOffset(), QPointF());
}

void TestTemplateContext::articleQueries()
{
    LMArticleVariants aVariants;
    aVariants.insert(QStringLiteral("cutout"), QStringLiteral("heart"));
    const LMTemplateContext aContext(article("CARD_SPOT"), LMPageTypeEnum::InnerPage, aVariants);
    QCOMPARE(aContext.productVariant(), aVariants);
    QVERIFY(aContext.hasArticleClass(LMArticleClassEnum::Card));
    QVERIFY(!aContext.hasArticleClass(LMArticleClassEnum::PhotoBook));
    QCOMPARE(aContext.orientation(), LMOrientation(LMOrientationEnum::Landscape));
    QVERIFY(aContext.hasHorizontalPages());
    QVERIFY(!aContext.fullBackgroundOnEachPage());
    QCOMPARE(aContext.widthByHeight(), 1480.0 / 1050.0);
    QVERIFY(aContext.hasGlassesAddOn({ LMPriceClass::create(QStringLiteral("10")) }));
    QVERIFY(!aContext.hasPassepartoutAddOn({ LMPriceClass::create(QStringLiteral("10")) }));
    QVERIFY(aContext.hasPassepartoutAddOn({ LMPriceClass::create(QStringLiteral("11")) }));

    const LMTemplateContextGroup aGroup = aContext.contextGroup();
    QVERIFY(aGroup.supportsArticle(aContext.article()));
    QVERIFY(aGroup.isPageType(LMPageTypeEnum::InnerPage));
    QCOMPARE(aGroup.articleVariants(), aVariants);
}

void TestTemplateContext::equalityAndOrder_data()
{
    QTest::addColumn<QString>("orderNameA");
    QTest::addColumn<int>("pageTypeA");
    QTest::addColumn<QString>("variantA");
    QTest::addColumn<QString>("orderNameB");
    QTest::addColumn<int>("pageTypeB");
    QTest::addColumn<QString>("variantB");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<bool>("aBeforeB");

    const QString aCard = QStringLiteral("CARD_SPOT");
    QTest::newRow("same") << aCard << 8 << QString() << aCard << 8 << QString() << true << false;
    QTest::newRow("variants do not count")
        << aCard << 8 << QStringLiteral("cutout=star") << aCard << 8 << QString() << true << false;
    QTest::newRow("order name in other case matches")
        << aCard << 8 << QString() << QStringLiteral("card_spot") << 8 << QString() << true << false;
    QTest::newRow("unresolved names match without case")
        << QStringLiteral("GONE") << 8 << QString() << QStringLiteral("gone") << 8 << QString() << true << false;
    QTest::newRow("page type decides") << aCard << 2 << QString() << aCard << 8 << QString() << false << true;
    QTest::newRow("page type decides, reversed")
        << aCard << 8 << QString() << aCard << 2 << QString() << false << false;
    QTest::newRow("article decides before page type")
        << QStringLiteral("CARD_PLAIN") << 2 << QString() << aCard << 8 << QString() << false << false;
    QTest::newRow("lower id first") << aCard << 8 << QString() << QStringLiteral("CARD_PLAIN") << 2 << QString()
                                    << false << true;
    QTest::newRow("null article first") << QString() << 8 << QString() << aCard << 8 << QString() << false << true;
}

void TestTemplateContext::equalityAndOrder()
{
    QFETCH(QString, orderNameA);
    QFETCH(int, pageTypeA);
    QFETCH(QString, variantA);
    QFETCH(QString, orderNameB);
    QFETCH(int, pageTypeB);
    QFETCH(QString, variantB);
    QFETCH(bool, equal);
    QFETCH(bool, aBeforeB);

    const LMTemplateContext anA(LMArticle::fromOrderTxtName(orderNameA), LMPageType::fromInt(pageTypeA),
                                LMArticleVariants(QStringList { variantA }));
    const LMTemplateContext aB(LMArticle::fromOrderTxtName(orderNameB), LMPageType::fromInt(pageTypeB),
                               LMArticleVariants(QStringList { variantB }));
    QCOMPARE(anA == aB, equal);
    QCOMPARE(anA != aB, !equal);
    QCOMPARE(anA < aB, aBeforeB);
    if (equal) {
        QVERIFY(!(aB < anA));
        QCOMPARE(qHash(anA), qHash(aB));
    } else {
        QCOMPARE(aB < anA, !aBeforeB);
    }
}

QTEST_GUILESS_MAIN(TestTemplateContext)
#include "tst_templatecontext.moc"
