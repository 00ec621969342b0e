#include "LMArticleFilter.h"
#include "LMArticlesGroup.h"
#include "LMBasisSettings.h"
#include "LMContentFilterParameter.h"
#include "LMIndirectArticleDescription.h"
#include "LMPageConstraint.h"
#include "LMProductCatalogue.h"
#include "LMTemplateFilterFactory.h"
#include "LMTemplateFilterRule.h"
#include "LMThematicCategorySet.h"
#include "LMXMLElement.h"

#include "LMTestSupport.h"

#include <QDomDocument>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

namespace {

using P = LMContentFilterParameter;
using Change = void (*)(P*);

QDomElement filterElement(QDomDocument* theDocument, const QString& theRules)
{
    if (!theDocument->setContent(QStringLiteral("<filter>") + theRules + QStringLiteral("</filter>")))
        return QDomElement();
    return theDocument->documentElement();
}

} // namespace

Q_DECLARE_METATYPE(Change)

// The filter-rule words of XML template files, the filter factory that reads them, the filter
// parameter's equality, and the article size filter.
class TestFilterRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(LMProductCatalogue::instance()->load(
            LMTestSupport::dataPath(QStringLiteral("filters/rules-catalogue.json"))));
    }

    void ruleWords_data()
    {
        QTest::addColumn<QString>("text"); // null: only the value is written
        columns<int, QString>("value", "written");

        row("arrangement reads as theme", "arrangement", 16, "theme");
        row("11 keeps its word", QString(), 11, "arrangement");
        row("misspelt alignment, the first spelling", "intendetAlignment", 7, "intendetAlignment");
        row("alignment", "intendedAlignment", 7, "intendetAlignment");
        row("upper case", "PAGETYPE", 5, "pagetype");
        row("unknown", "größe", 0, "");
    }

    void ruleWords()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        if (!text.isNull())
            QCOMPARE(LMTemplateFilterRule(text).value(), value);
        QCOMPARE(LMTemplateFilterRule(LMTemplateFilterRule::fromInt(value)).encode(), fetch<QString>("written"));
    }

    void parseFilter_data()
    {
        QTest::addColumn<QString>("rules");
        QTest::addColumn<QStringList>("expected"); // what differs from an empty filter

        const auto row = [](const char* theName, const char* theRules, const QStringList& theExpected) {
            QTest::newRow(theName) << QString::fromUtf8(theRules) << theExpected;
        };
        row("empty filter", "", {});
        row("orientations add up", "<orientation>portrait</orientation><orientation>landscape</orientation>",
            { "orientations=3" });
        row("article class", "<type>calendar</type>", { "classes=64" });
        row("products by order name", "<product>BOOK_B, book_a</product>", { "articles=BOOK_A,BOOK_B" });
        row("page types", "<pagetype>inner_page</pagetype><pagetype>full_cover</pagetype>", { "pageTypes=40" });
        row("both alignment spellings",
            "<intendetAlignment>left</intendetAlignment><intendedAlignment>right</intendedAlignment>",
            { "alignments=" + QString::number(LMPageAlignment("left, right").value()) });
        row("subcategories once each",
            "<subcategory>sea</subcategory><subcategory>sea</subcategory><subcategory>Größe</subcategory>",
            { "categories=Größe,sea" });
        row("invisible", "<visible>false</visible>", { "visible=false" });
        row("visible garbage is true", "<visible>maybe</visible>", {});
        row("binding sets cover types", "<binding>hardcover, softcover</binding>", { "coverTypes=33" });
        row("page bindings add up", "<pageBinding>glued</pageBinding><pageBinding>spiral</pageBinding>",
            { "pageBindings=5" });
        row("ignored rules", "<refinement>gold</refinement><theme>x</theme><arrangement>y</arrangement>", {});
        row("empty texts skipped", "<pagetype></pagetype><visible> </visible><product/>", {});
    }

    void parseFilter()
    {
        QDomDocument aDocument;
        const QDomElement anElement = filterElement(&aDocument, fetch<QString>("rules"));
        QVERIFY(!anElement.isNull());
        LMArticlesGroup aGroup;
        LMPageConstraint aConstraint;
        LMThematicCategorySet aCategories;
        bool aVisible = true;
        LMTemplateFilterFactory::parseFilter(anElement, &aGroup, &aConstraint, &aCategories, &aVisible);

        QVERIFY(aGroup.restrictions().size() <= 1);
        const LMProductRestriction aRestriction
            = aGroup.restrictions().isEmpty() ? LMProductRestriction() : aGroup.restrictions().first();
        QStringList aNames = aGroup.explicitArticles().orderTxtNames();
        aNames.sort(Qt::CaseInsensitive);
        QStringList aCategoryNames = aCategories.internalNames();
        aCategoryNames.sort();
        QStringList aFound;
        const auto add = [&aFound](const char* theName, const QString& theValue, const QString& theDefault) {
            if (theValue != theDefault)
                aFound << QLatin1String(theName) + QLatin1Char('=') + theValue;
        };
        const auto addNumber = [&add](const char* theName, int theValue) {
            add(theName, QString::number(theValue), "0");
        };
        addNumber("orientations", aRestriction.orientations().value());
        addNumber("classes", aRestriction.articleClasses().value());
        add("articles", aNames.join(QLatin1Char(',')), QString());
        addNumber("pageTypes", aConstraint.pageTypes().value());
        addNumber("alignments", aConstraint.intendedAlignments().value());
        add("categories", aCategoryNames.join(QLatin1Char(',')), QString());
        add("visible", aVisible ? "true" : "false", "true");
        addNumber("coverTypes", aRestriction.coverTypes().value());
        addNumber("pageBindings", aRestriction.pageBindings().value());
        QCOMPARE(aFound, fetch<QStringList>("expected"));
    }

    void parseFilterNullTargetsAndUnknownTags()
    {
        QDomDocument aDocument;
        // Only the page constraint is asked for: the other rules are read and dropped; the rules after
        // an unknown one are still read.
        const QDomElement anElement = filterElement(
            &aDocument,
            QStringLiteral("<colour>red</colour><pagetype>inner_page</pagetype><subcategory>sea</subcategory>"
                           "<visible>false</visible><product>BOOK_A</product><size/>"));
        QTest::ignoreMessage(QtWarningMsg, "-- found unknown <colour> element");
        QTest::ignoreMessage(QtWarningMsg, "-- found unknown <size> element");
        LMPageConstraint aConstraint;
        LMTemplateFilterFactory::parseFilter(anElement, nullptr, &aConstraint, nullptr, nullptr);
        QCOMPARE(aConstraint.pageTypes().value(), 0x8);

        // A null element leaves what was there.
        LMArticlesGroup aGroup(LMArticleList { LMArticle::fromId(11) });
        bool aVisible = false;
        LMTemplateFilterFactory::parseFilter(QDomElement(), &aGroup, &aConstraint, nullptr, &aVisible);
        QCOMPARE(aGroup.explicitArticles().size(), 1);
        QCOMPARE(aConstraint.pageTypes().value(), 0x8);
        QCOMPARE(aVisible, false);
    }

    void parameterIgnoreVisibilityFollowsMasterMode()
    {
        for (const bool aMaster : { true, false }) {
            LMBasisSettings::instance()->setMasterMode(aMaster);
            const P aParameter { LMTemplateContextGroup(), LMCategorization() };
            LMBasisSettings::instance()->setMasterMode(false);
            QCOMPARE(aParameter.ignoreVisibility(), aMaster);
        }
    }

    void parameterEquality_data()
    {
        QTest::addColumn<Change>("change");

        row("constraints", Change([](P* theP) {
                theP->setTemplateConstraints(
                    LMTemplateContextGroup::fromArticle(LMArticle::fromId(11), LMPageTypeEnum::InnerPage));
            }));
        row("categorisation", Change([](P* theP) {
                theP->setCategorization(
                    LMCategorization(LMCategoryTypeEnum::Subcategory, { LMThematicCategory("sea") }));
            }));
        row("allowed ids",
            Change([](P* theP) { theP->setAllowedDesignElementIDs(LMDesignElementIDSet::fromCSV("5")); }));
        row("multi-colour flag", Change([](P* theP) { theP->setMultiColorConfig(true, theP->multiColorConfig()); }));
        row("multi-colour config",
            Change([](P* theP) { theP->setMultiColorConfig(false, LMMultiColorConfig(30, 1)); }));
        row("photo areas", Change([](P* theP) { theP->setNumberOfFotoAreas(0); }));
        row("keyword", Change([](P* theP) { theP->setSearchKeyword("ü"); }));
        row("target page types", Change([](P* theP) {
                theP->setTargetPageTypesForArticleClass(
                    { { LMArticleClassEnum::Card, { LMPageTypeEnum::FirstPage } } });
            }));
        row("basic design", Change([](P* theP) { theP->setCheckBasicDesign(true); }));
        row("orientation", Change([](P* theP) { theP->setOrientation(LMOrientationEnum::Portrait); }));
        row("frame construction classes",
            Change([](P* theP) { theP->setFrameConstructionPriceClasses({ LMPriceClass::create("10") }); }));
        row("page number", Change([](P* theP) { theP->setCurrentPageNumber(0); }));
        row("frame material", Change([](P* theP) { theP->setFrameMaterial(LMFrameMaterialEnum::Wood); }));
        row("visibility", Change([](P* theP) { theP->setIgnoreVisibility(true); }));
        row("spot colours", Change([](P* theP) { theP->setAllowedSpotColors(LMSpotColorEnum::Varnish); }));
    }

    void parameterEquality()
    {
        LMBasisSettings::instance()->setMasterMode(false);
        const P anOriginal;
        P aCopy = anOriginal;
        QVERIFY(aCopy == anOriginal);
        fetch<Change>("change")(&aCopy);
        QVERIFY(aCopy != anOriginal);
        // The copy detached: the original keeps its value.
        QVERIFY(anOriginal == P());
    }

    void articleSize_data()
    {
        columns<QSizeF, int, QStringList>("size", "pageType", "articles");

        const int anInner = int(LMPageTypeEnum::InnerPage);
        row("portrait inner pages", QSizeF(2000, 3000), anInner, words("BOOK_A BOOK_C"));
        row("landscape inner pages", QSizeF(3000, 2000), anInner, words("BOOK_B"));
        row("cover size", QSizeF(4000, 3000), int(LMPageTypeEnum::FullCover), words("BOOK_C"));
        row("no such size", QSizeF(2000, 2000), anInner, QStringList());
        row("empty size", QSizeF(), anInner, QStringList());
    }

    void articleSize()
    {
        QFETCH(QStringList, articles);
        const LMArticleList aKept
            = LMArticleFilter::filterByArticleSize(LMProductCatalogue::instance()->articles(), fetch<QSizeF>("size"),
                                                   LMPageType(LMPageType::fromInt(fetch<int>("pageType"))));
        QCOMPARE(aKept.orderTxtNames(), articles);
    }
};

QTEST_GUILESS_MAIN(TestFilterRules)
#include "tst_filterrules.moc"
