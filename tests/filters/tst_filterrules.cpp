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

#include "LMTestSupport.h"

#include <QDomDocument>
#include <QtTest>

// The filter-rule words of XML template files, the filter factory that reads them, the filter
// parameter's defaults and equality, and the article size filter.
class TestFilterRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ruleDecoding_data();
    void ruleDecoding();
    void ruleEncoding_data();
    void ruleEncoding();
    void parseFilter_data();
    void parseFilter();
    void parseFilterNullTargets();
    void parseFilterUnknownTag();
    void parameterDefaults();
    void parameterIgnoreVisibilityFollowsMasterMode_data();
    void parameterIgnoreVisibilityFollowsMasterMode();
    void parameterEquality_data();
    void parameterEquality();
    void articleSize_data();
    void articleSize();

private:
    QTemporaryDir myDir;
};

void TestFilterRules::initTestCase()
{
    const QString aPath = LMTestSupport::writeFile(myDir, QStringLiteral("catalogue.json"), R"({"articles": [
        {"id": 11, "orderName": "BOOK_A", "class": "photobook", "orientation": "portrait",
         "pageSizes": {"inner_page": [2000, 3000]}},
        {"id": 12, "orderName": "BOOK_B", "class": "photobook", "orientation": "landscape",
         "pageSizes": {"inner_page": [3000, 2000]}},
        {"id": 13, "orderName": "BOOK_C", "class": "photobook", "orientation": "portrait",
         "pageSizes": {"inner_page": [2000.05, 3000], "full_cover": [4000, 3000]}}
    ]})");
    QVERIFY(LMProductCatalogue::instance()->load(aPath));
}

void TestFilterRules::ruleDecoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("orientation") << "orientation" << 2;
    QTest::newRow("type") << "type" << 3;
    QTest::newRow("product") << "product" << 4;
    QTest::newRow("pagetype") << "pagetype" << 5;
    QTest::newRow("subcategory") << "subcategory" << 6;
    QTest::newRow("misspelt alignment") << "intendetAlignment" << 7;
    QTest::newRow("alignment") << "intendedAlignment" << 7;
    QTest::newRow("visible") << "visible" << 8;
    QTest::newRow("binding") << "binding" << 9;
    QTest::newRow("minimum_size") << "minimum_size" << 10;
    QTest::newRow("arrangement reads as theme") << "arrangement" << 16;
    QTest::newRow("pageBinding") << "pageBinding" << 12;
    QTest::newRow("refinement") << "refinement" << 14;
    QTest::newRow("art_id") << "art_id" << 15;
    QTest::newRow("theme") << "theme" << 16;
    QTest::newRow("upper case") << "PAGETYPE" << 5;
    QTest::newRow("unknown") << "colour" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("unicode") << QStringLiteral("größe") << 0;
}

void TestFilterRules::ruleDecoding()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(LMTemplateFilterRule(text).value(), value);
}

void TestFilterRules::ruleEncoding_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("11 keeps its word") << 11 << "arrangement";
    QTest::newRow("16 is theme") << 16 << "theme";
    QTest::newRow("7 first spelling") << 7 << "intendetAlignment";
    QTest::newRow("15") << 15 << "art_id";
}

void TestFilterRules::ruleEncoding()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(LMTemplateFilterRule(LMTemplateFilterRule::fromInt(value)).encode(), text);
}

namespace {

QDomElement filterElement(QDomDocument* theDocument, const QString& theRules)
{
    const QString aText = QStringLiteral("<filter>") + theRules + QStringLiteral("</filter>");
    if (!theDocument->setContent(aText))
        return QDomElement();
    return theDocument->documentElement();
}

} // namespace

void TestFilterRules::parseFilter_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QStringList>("articles");
    QTest::addColumn<int>("orientations");
    QTest::addColumn<int>("classes");
    QTest::addColumn<int>("coverTypes");
    QTest::addColumn<int>("pageBindings");
    QTest::addColumn<int>("pageTypes");
    QTest::addColumn<int>("alignments");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<bool>("visible");

    const QStringList aNone;
    QTest::newRow("empty filter") << "" << aNone << 0 << 0 << 0 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("orientations add up") << "<orientation>portrait</orientation><orientation>landscape</orientation>"
                                         << aNone << 3 << 0 << 0 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("article class") << "<type>calendar</type>" << aNone << 0 << 64 << 0 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("products by order name") << "<product>BOOK_B, book_a</product>" << QStringList { "BOOK_A", "BOOK_B" }
                                            << 0 << 0 << 0 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("unresolved product kept") << "<product>NOT_LISTED</product>" << QStringList { "NOT_LISTED" } << 0
                                             << 0 << 0 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("art_id") << "<art_id>12</art_id>" << QStringList { "BOOK_B" } << 0 << 0 << 0 << 0 << 0 << 0 << aNone
                            << true;
    QTest::newRow("art_id not a number") << "<art_id>twelve</art_id>" << aNone << 0 << 0 << 0 << 0 << 0 << 0 << aNone
                                         << true;
    QTest::newRow("art_id beyond 32 bits")
        << "<art_id>4294967308</art_id>" << aNone << 0 << 0 << 0 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("page types") << "<pagetype>inner_page</pagetype><pagetype>full_cover</pagetype>" << aNone << 0 << 0
                                << 0 << 0 << 0x28 << 0 << aNone << true;
    QTest::newRow("both alignment spellings")
        << "<intendetAlignment>left</intendetAlignment><intendedAlignment>right</intendedAlignment>" << aNone << 0 << 0
        << 0 << 0 << 0 << int(LMPageAlignment(QStringLiteral("left, right")).value()) << aNone << true;
    QTest::newRow("subcategories once each")
        << "<subcategory>sea</subcategory><subcategory>sea</subcategory>"
           "<subcategory>Größe</subcategory>"
        << aNone << 0 << 0 << 0 << 0 << 0 << 0 << QStringList { "Größe", "sea" } << true;
    QTest::newRow("invisible") << "<visible>false</visible>" << aNone << 0 << 0 << 0 << 0 << 0 << 0 << aNone << false;
    QTest::newRow("visible garbage is true")
        << "<visible>maybe</visible>" << aNone << 0 << 0 << 0 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("binding sets cover types")
        << "<binding>hardcover, softcover</binding>" << aNone << 0 << 0 << 33 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("page bindings add up") << "<pageBinding>glued</pageBinding><pageBinding>spiral</pageBinding>"
                                          << aNone << 0 << 0 << 0 << 5 << 0 << 0 << aNone << true;
    QTest::newRow("ignored rules") << "<refinement>gold</refinement><theme>x</theme><arrangement>y</arrangement>"
                                   << aNone << 0 << 0 << 0 << 0 << 0 << 0 << aNone << true;
    QTest::newRow("empty texts skipped") << "<pagetype></pagetype><visible> </visible><product/>" << aNone << 0 << 0
                                         << 0 << 0 << 0 << 0 << aNone << true;
}

void TestFilterRules::parseFilter()
{
    QFETCH(QString, rules);
    QFETCH(QStringList, articles);
    QFETCH(int, orientations);
    QFETCH(int, classes);
    QFETCH(int, coverTypes);
    QFETCH(int, pageBindings);
    QFETCH(int, pageTypes);
    QFETCH(int, alignments);
    QFETCH(QStringList, categories);
    QFETCH(bool, visible);

    QDomDocument aDocument;
    const QDomElement anElement = filterElement(&aDocument, rules);
    QVERIFY(!anElement.isNull());

    LMArticlesGroup aGroup;
    LMPageConstraint aConstraint;
    LMThematicCategorySet aCategories;
    bool aVisible = true;
    LMTemplateFilterFactory::parseFilter(anElement, &aGroup, &aConstraint, &aCategories, &aVisible);

    QStringList aNames = aGroup.explicitArticles().orderTxtNames();
    aNames.sort(Qt::CaseInsensitive);
    QCOMPARE(aNames, articles);
    const LMProductRestriction aRestriction
        = aGroup.restrictions().isEmpty() ? LMProductRestriction() : aGroup.restrictions().first();
    QVERIFY(aGroup.restrictions().size() <= 1);
    QCOMPARE(aRestriction.orientations().value(), orientations);
    QCOMPARE(aRestriction.articleClasses().value(), classes);
    QCOMPARE(aRestriction.coverTypes().value(), coverTypes);
    QCOMPARE(aRestriction.pageBindings().value(), pageBindings);
    QCOMPARE(aConstraint.pageTypes().value(), pageTypes);
    QCOMPARE(aConstraint.intendedAlignments().value(), alignments);
    QStringList aCategoryNames = aCategories.internalNames();
    aCategoryNames.sort();
    QCOMPARE(aCategoryNames, categories);
    QCOMPARE(aVisible, visible);
}

void TestFilterRules::parseFilterNullTargets()
{
    QDomDocument aDocument;
    const QDomElement anElement
        = filterElement(&aDocument,
                        QStringLiteral("<pagetype>inner_page</pagetype><subcategory>sea</subcategory>"
                                       "<visible>false</visible><product>BOOK_A</product>"));
    // Only the page constraint is asked for: the other rules are read and dropped.
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

void TestFilterRules::parseFilterUnknownTag()
{
    QDomDocument aDocument;
    const QDomElement anElement
        = filterElement(&aDocument, QStringLiteral("<colour>red</colour><pagetype>spine</pagetype><size/>"));
    QTest::ignoreMessage(QtWarningMsg, "-- found unknown <colour> element");
    QTest::ignoreMessage(QtWarningMsg, "-- found unknown <size> element");
    LMPageConstraint aConstraint;
    LMTemplateFilterFactory::parseFilter(anElement, nullptr, &aConstraint, nullptr, nullptr);
    // The rules after an unknown one are still read.
    QCOMPARE(aConstraint.pageTypes().value(), 0x1);
}

void TestFilterRules::parameterDefaults()
{
    LMBasisSettings::instance()->setMasterMode(false);
    const LMContentFilterParameter aParameter;
    QVERIFY(aParameter.templateConstraints().isEmpty());
    QVERIFY(aParameter.categorization().isEmpty());
    QVERIFY(aParameter.allowedDesignElementIDs().isEmpty());
    QCOMPARE(aParameter.multiColorConfig(), LMMultiColorConfig(-1, -1));
    QCOMPARE(aParameter.hasToBeMultiColor(), false);
    QCOMPARE(aParameter.numberOfFotoAreas(), -1);
    QVERIFY(aParameter.searchKeyword().isEmpty());
    QVERIFY(aParameter.targetPageTypesForArticleClass().isEmpty());
    QCOMPARE(aParameter.checkBasicDesign(), false);
    QCOMPARE(aParameter.orientation().value(), 31);
    QVERIFY(aParameter.frameConstructionPriceClasses().isEmpty());
    QCOMPARE(aParameter.currentPageNumber(), -1);
    QCOMPARE(aParameter.frameMaterial(), LMFrameMaterial::allMaterials());
    QCOMPARE(aParameter.ignoreVisibility(), false);
    QCOMPARE(aParameter.allowedSpotColors().value(), 30);
}

void TestFilterRules::parameterIgnoreVisibilityFollowsMasterMode_data()
{
    QTest::addColumn<bool>("master");
    QTest::newRow("master mode") << true;
    QTest::newRow("user mode") << false;
}

void TestFilterRules::parameterIgnoreVisibilityFollowsMasterMode()
{
    QFETCH(bool, master);
    LMBasisSettings::instance()->setMasterMode(master);
    const LMContentFilterParameter aParameter{LMTemplateContextGroup(), LMCategorization()};
    LMBasisSettings::instance()->setMasterMode(false);
    QCOMPARE(aParameter.ignoreVisibility(), master);
}

namespace {

using Change = void (*)(LMContentFilterParameter*);

} // namespace

Q_DECLARE_METATYPE(Change)

void TestFilterRules::parameterEquality_data()
{
    QTest::addColumn<Change>("change");

    QTest::newRow("constraints") << Change([](LMContentFilterParameter* theP) {
        theP->setTemplateConstraints(
            LMTemplateContextGroup::fromArticle(LMArticle::fromId(11), LMPageTypeEnum::InnerPage));
    });
    QTest::newRow("categorisation") << Change([](LMContentFilterParameter* theP) {
        theP->setCategorization(LMCategorization(LMCategoryTypeEnum::Subcategory, { LMThematicCategory("sea") }));
    });
    QTest::newRow("allowed ids") << Change([](LMContentFilterParameter* theP) {
        theP->setAllowedDesignElementIDs(LMDesignElementIDSet::fromCSV(QStringLiteral("5")));
    });
    QTest::newRow("multi-colour flag") << Change(
        [](LMContentFilterParameter* theP) { theP->setMultiColorConfig(true, theP->multiColorConfig()); });
    QTest::newRow("multi-colour config") << Change(
        [](LMContentFilterParameter* theP) { theP->setMultiColorConfig(false, LMMultiColorConfig(30, 1)); });
    QTest::newRow("photo areas") << Change([](LMContentFilterParameter* theP) { theP->setNumberOfFotoAreas(0); });
    QTest::newRow("keyword") << Change([](LMContentFilterParameter* theP) { theP->setSearchKeyword("ü"); });
    QTest::newRow("target page types") << Change([](LMContentFilterParameter* theP) {
        theP->setTargetPageTypesForArticleClass({ { LMArticleClassEnum::Card, { LMPageTypeEnum::FirstPage } } });
    });
    QTest::newRow("basic design") << Change([](LMContentFilterParameter* theP) { theP->setCheckBasicDesign(true); });
    QTest::newRow("orientation") << Change(
        [](LMContentFilterParameter* theP) { theP->setOrientation(LMOrientationEnum::Portrait); });
    QTest::newRow("frame construction classes") << Change(
        [](LMContentFilterParameter* theP) { theP->setFrameConstructionPriceClasses({ LMPriceClass::create("10") }); });
    QTest::newRow("page number") << Change([](LMContentFilterParameter* theP) { theP->setCurrentPageNumber(0); });
    QTest::newRow("frame material") << Change(
        [](LMContentFilterParameter* theP) { theP->setFrameMaterial(LMFrameMaterialEnum::Wood); });
    QTest::newRow("visibility") << Change([](LMContentFilterParameter* theP) { theP->setIgnoreVisibility(true); });
    QTest::newRow("spot colours") << Change(
        [](LMContentFilterParameter* theP) { theP->setAllowedSpotColors(LMSpotColorEnum::Varnish); });
}

void TestFilterRules::parameterEquality()
{
    QFETCH(Change, change);
    LMBasisSettings::instance()->setMasterMode(false);
    const LMContentFilterParameter anOriginal;
    LMContentFilterParameter aCopy = anOriginal;
    QVERIFY(aCopy == anOriginal);
    change(&aCopy);
    QVERIFY(aCopy != anOriginal);
    // The copy detached: the original keeps its value.
    QVERIFY(anOriginal == LMContentFilterParameter());
}

void TestFilterRules::articleSize_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<int>("pageType");
    QTest::addColumn<QStringList>("articles");

    QTest::newRow("portrait inner pages")
        << QSizeF(2000, 3000) << int(LMPageTypeEnum::InnerPage) << QStringList { "BOOK_A", "BOOK_C" };
    QTest::newRow("landscape inner pages")
        << QSizeF(3000, 2000) << int(LMPageTypeEnum::InnerPage) << QStringList { "BOOK_B" };
    QTest::newRow("cover size") << QSizeF(4000, 3000) << int(LMPageTypeEnum::FullCover) << QStringList { "BOOK_C" };
    QTest::newRow("no such size") << QSizeF(2000, 2000) << int(LMPageTypeEnum::InnerPage) << QStringList();
    QTest::newRow("empty size") << QSizeF() << int(LMPageTypeEnum::InnerPage) << QStringList();
}

void TestFilterRules::articleSize()
{
    QFETCH(QSizeF, size);
    QFETCH(int, pageType);
    QFETCH(QStringList, articles);
    const LMArticleList anAll = LMProductCatalogue::instance()->articles();
    const LMArticleList aKept
        = LMArticleFilter::filterByArticleSize(anAll, size, LMPageType(LMPageType::fromInt(pageType)));
    QCOMPARE(aKept.orderTxtNames(), articles);
}

QTEST_GUILESS_MAIN(TestFilterRules)
#include "tst_filterrules.moc"
