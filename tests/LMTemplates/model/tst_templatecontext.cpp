#include "LMProductCatalogue.h"
#include "LMTemplateContext.h"

#include "LMTestSupport.h"

#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
LMArticle article(const char* theOrderName)
{
    return LMArticle::fromOrderTxtName(QString::fromLatin1(theOrderName));
}
} // namespace

// The product situation a template is asked for: validity, the queries answered from the
// article's catalogue data, the spot colour rule, equality, order and hashing.
class TestTemplateContext : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(LMProductCatalogue::instance()->load(LMTestSupport::dataPath(QStringLiteral("model/catalogue.json"))));
    }

    void validity_data()
    {
        columns<QString, int, bool>("orderName", "pageType", "valid");

        row("catalogue article and page", "CARD_SPOT", 0x8, true);
        row("no page type", "CARD_SPOT", 0, false);
        row("unresolved article", "NOT_LISTED", 0x8, false);
        row("null article", QString(), 0x8, false);
    }

    void validity()
    {
        QTEST(LMTemplateContext(LMArticle::fromOrderTxtName(fetch<QString>("orderName")),
                                LMPageType::fromInt(fetch<int>("pageType")))
                  .isValid(),
              "valid");
        QVERIFY(!LMTemplateContext().isValid());
    }

    void canUseSpotColor_data()
    {
        columns<QString, QList<int>, bool>("orderName", "pageTypes", "canUse");

        // Inner, first, front flyleaf and wall decor pages; spine, full cover, single page, back
        // cover, calendar month, and inner page and spine in one.
        row("card pages", "CARD_SPOT", QList<int> { 0x8, 0x2, 0x10, 0x200000 }, true);
        row("pages without spot colour", "CARD_SPOT", QList<int> { 0x1, 0x20, 0x40, 0x200, 0x80000, 0x9 }, false);
        row("feature missing", "CARD_PLAIN", QList<int> { 0x8 }, false);
        row("article class not 8", "BOOK_SPOT", QList<int> { 0x8 }, false);
        row("classes include 8", "MIXED_SPOT", QList<int> { 0x8 }, true);
        row("unresolved article", "NOT_LISTED", QList<int> { 0x8 }, false);
    }

    void canUseSpotColor()
    {
        for (const int aPageType : fetch<QList<int>>("pageTypes")) {
            const LMTemplateContext aContext(article(qPrintable(fetch<QString>("orderName"))),
                                             LMPageType::fromInt(aPageType));
            QVERIFY2(aContext.canUseSpotColor() == fetch<bool>("canUse"), qPrintable(QString::number(aPageType, 16)));
        }
    }

    void pageQueries()
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

    void articleQueries()
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

    void equalityAndOrder_data()
    {
        columns<QString, int, QString, QString, int, QString, bool, bool>(
            "orderNameA", "pageTypeA", "variantA", "orderNameB", "pageTypeB", "variantB", "equal", "aBeforeB");

        const QString aCard = QStringLiteral("CARD_SPOT");
        row("same", aCard, 8, QString(), aCard, 8, QString(), true, false);
        row("variants do not count", aCard, 8, "cutout=star", aCard, 8, QString(), true, false);
        row("order name in other case matches", aCard, 8, QString(), "card_spot", 8, QString(), true, false);
        row("unresolved names match without case", "GONE", 8, QString(), "gone", 8, QString(), true, false);
        row("page type decides", aCard, 2, QString(), aCard, 8, QString(), false, true);
        row("article decides before page type", "CARD_PLAIN", 2, QString(), aCard, 8, QString(), false, false);
        row("lower id first", aCard, 8, QString(), "CARD_PLAIN", 2, QString(), false, true);
        row("null article first", QString(), 8, QString(), aCard, 8, QString(), false, true);
    }

    void equalityAndOrder()
    {
        QFETCH(bool, equal);
        QFETCH(bool, aBeforeB);

        const LMTemplateContext anA(LMArticle::fromOrderTxtName(fetch<QString>("orderNameA")),
                                    LMPageType::fromInt(fetch<int>("pageTypeA")),
                                    LMArticleVariants(QStringList { fetch<QString>("variantA") }));
        const LMTemplateContext aB(LMArticle::fromOrderTxtName(fetch<QString>("orderNameB")),
                                   LMPageType::fromInt(fetch<int>("pageTypeB")),
                                   LMArticleVariants(QStringList { fetch<QString>("variantB") }));
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
};

QTEST_GUILESS_MAIN(TestTemplateContext)
#include "tst_templatecontext.moc"
