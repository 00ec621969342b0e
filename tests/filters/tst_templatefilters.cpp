#include "LMBasisSettings.h"
#include "LMContentFilterParameter.h"
#include "LMDesignElementMetaData.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateBundleRegistry.h"
#include "LMTemplateFilterBackground.h"
#include "LMTemplateFilterContent.h"
#include "LMTemplateFilterFrame.h"
#include "LMTemplateFilterFrameGlasses.h"
#include "LMTemplateFilterFramePassepartout.h"
#include "LMTemplateFilterLayout.h"
#include "LMTemplateFilterVariantTemplate.h"
#include "LMTemplateFilterWallholder.h"
#include "LMTemplateFrame.h"
#include "LMTemplateFrameGlass.h"
#include "LMUnconfiguredTemplate.h"

#include "LMTestSupport.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

// One filter situation: a template that passes the filter of its kind, changed by a row.
struct FilterCase
{
    std::unique_ptr<LMTemplate> myTemplate;
    // Further pages of the template's bundle, before it.
    std::vector<std::unique_ptr<LMTemplate>> myPreviousPages;
    LMContentFilterParameter myParameter;
    QColor myColor;
    LMJigStatus myJigStatus;
    bool myAllowCliparts = false;
    bool myUseNullTemplate = false;
    bool myMasterMode = false;
};

using Setup = void (*)(FilterCase*);

LMArticle article(const char* theName)
{
    return LMArticle::fromOrderTxtName(QString::fromLatin1(theName));
}

LMArticlesGroup groupOf(const char* theName)
{
    return LMArticlesGroup(LMArticleList { article(theName) });
}

LMTemplateContextGroup contextOf(const char* theName, LMPageTypeEnum thePageType)
{
    return LMTemplateContextGroup::fromArticle(article(theName), thePageType);
}

LMCategorization subcategories(const QStringList& theNames)
{
    LMThematicCategorySet aSet;
    for (const QString& aName : theNames)
        aSet.insert(LMThematicCategory(aName));
    return LMCategorization(LMCategoryTypeEnum::Subcategory, aSet);
}

void setSubcategories(LMTemplate* theTemplate, const QStringList& theNames)
{
    theTemplate->setThematicCategories(LMCategoryTypeEnum::Subcategory,
                                       subcategories(theNames).categories(LMCategoryTypeEnum::Subcategory));
}

std::unique_ptr<LMTemplate> noWallholder();

} // namespace

Q_DECLARE_METATYPE(Setup)

// The chains of the template filters: a template that passes, then one row per check that makes it
// fail, and the edge cases of page numbers, keywords, add-ons and the special article.
class TestTemplateFilters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void chains_data();
    void chains();
    void acceptableJigTypes();
    void listAcceptorAsksTheChain();

private:
    std::unique_ptr<LMTemplateFilterAbstract> makeFilter(int theJigType, const FilterCase& theCase) const;
    static void prepareBaseline(int theJigType, FilterCase* theCase);

    QTemporaryDir myDir;
};

QString ourRedMetaData;

void TestTemplateFilters::initTestCase()
{
    const QString aPath = LMTestSupport::writeFile(myDir, QStringLiteral("catalogue.json"), R"({"articles": [
        {"id": 100, "orderName": "BOOK", "class": "photobook", "orientation": "landscape",
         "addOns": {"05": "BOOK_ADDON"}, "variants": ["cutout=heart"],
         "allowedCategories": [{"jigType": "background, svgtemplate", "pageType": "inner_page", "categories": ["sea"]}]},
        {"id": 101, "orderName": "BOOK_ADDON", "addOn": true, "price": "2.00"},
        {"id": 200, "orderName": "WALL", "class": "walldecor", "orientation": "portrait",
         "addOns": {"07": "FRAME_ADDON", "08": "HOLDER_ADDON", "10": "CONSTRUCTION_ADDON"},
         "glassesPriceClasses": ["10"], "passepartoutPriceClasses": ["10"], "requiresWallholder": true,
         "variants": ["size=big"]},
        {"id": 201, "orderName": "FRAME_ADDON", "addOn": true, "variants": ["frame=black", "frame=white"]},
        {"id": 202, "orderName": "HOLDER_ADDON", "addOn": true},
        {"id": 203, "orderName": "CONSTRUCTION_ADDON", "addOn": true},
        {"id": 6770, "orderName": "SPECIAL", "class": "photobook", "orientation": "landscape"}
    ]})");
    QVERIFY(LMProductCatalogue::instance()->load(aPath));
    ourRedMetaData = LMTestSupport::writeFile(myDir, QStringLiteral("red.json"), R"({"rgbColor": "ff0000"})");
}

void TestTemplateFilters::cleanup()
{
    LMBasisSettings::instance()->setMasterMode(false);
}

void TestTemplateFilters::prepareBaseline(int theJigType, FilterCase* theCase)
{
    const LMJigType aJigType = LMJigType::fromInt(theJigType);
    theCase->myTemplate = LMTemplate::create(aJigType);
    theCase->myTemplate->setName(QStringLiteral("Three Photos Left"));
    theCase->myParameter.setIgnoreVisibility(false);
    switch (LMJigTypeEnum(theJigType)) {
    case LMJigTypeEnum::Background:
    case LMJigTypeEnum::SvgTemplate:
    case LMJigTypeEnum::Layout:
        theCase->myParameter.setTemplateConstraints(contextOf("BOOK", LMPageTypeEnum::InnerPage));
        break;
    case LMJigTypeEnum::Frame:
        static_cast<LMTemplateFrame*>(theCase->myTemplate.get())->setFrameMaterial(LMFrameMaterialEnum::Wood);
        theCase->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("07")));
        theCase->myTemplate->setArticleVariants(LMArticleVariants({ QStringLiteral("frame=black") }));
        theCase->myTemplate->setArticleGroup(groupOf("WALL"));
        theCase->myTemplate->setSupportedOrientation(LMOrientationEnum::Portrait);
        theCase->myParameter.setTemplateConstraints(contextOf("WALL", LMPageTypeEnum::WallDecor));
        break;
    case LMJigTypeEnum::FrameGlass:
        static_cast<LMTemplateFrameGlass*>(theCase->myTemplate.get())
            ->setGlassMaterial(LMFrameGlassMaterial(QStringLiteral("glas")));
        [[fallthrough]];
    case LMJigTypeEnum::Passepartout:
        theCase->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("10")));
        theCase->myTemplate->setArticleGroup(groupOf("WALL"));
        theCase->myParameter.setFrameConstructionPriceClasses({ LMPriceClass::create(QStringLiteral("10")) });
        theCase->myParameter.setTemplateConstraints(contextOf("WALL", LMPageTypeEnum::WallDecor));
        break;
    case LMJigTypeEnum::Wallholder:
        theCase->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("08")));
        theCase->myParameter.setTemplateConstraints(contextOf("WALL", LMPageTypeEnum::WallDecor));
        break;
    case LMJigTypeEnum::VariantTemplate:
        theCase->myTemplate->setArticleGroup(groupOf("WALL"));
        theCase->myTemplate->setArticleVariants(LMArticleVariants({ QStringLiteral("size=big") }));
        theCase->myParameter.setTemplateConstraints(contextOf("WALL", LMPageTypeEnum::WallDecor));
        theCase->myParameter.setCurrentPageNumber(0);
        break;
    default:
        break;
    }
}

std::unique_ptr<LMTemplateFilterAbstract> TestTemplateFilters::makeFilter(int theJigType,
                                                                          const FilterCase& theCase) const
{
    const LMContentFilterParameter& aParameter = theCase.myParameter;
    switch (LMJigTypeEnum(theJigType)) {
    case LMJigTypeEnum::Background: {
        auto aFilter = std::make_unique<LMTemplateFilterBackground>(aParameter);
        aFilter->setColor(theCase.myColor);
        return aFilter;
    }
    case LMJigTypeEnum::SvgTemplate:
        return std::make_unique<LMTemplateFilterContent>(aParameter);
    case LMJigTypeEnum::Layout: {
        auto aFilter = std::make_unique<LMTemplateFilterLayout>(aParameter);
        aFilter->setJigStatus(theCase.myJigStatus);
        aFilter->setAllowCliparts(theCase.myAllowCliparts);
        return aFilter;
    }
    case LMJigTypeEnum::Frame:
        return std::make_unique<LMTemplateFilterFrame>(aParameter);
    case LMJigTypeEnum::Passepartout:
        return std::make_unique<LMTemplateFilterFramePassepartout>(aParameter);
    case LMJigTypeEnum::FrameGlass:
        return std::make_unique<LMTemplateFilterFrameGlasses>(aParameter);
    case LMJigTypeEnum::Wallholder:
        return std::make_unique<LMTemplateFilterWallholder>(aParameter);
    case LMJigTypeEnum::VariantTemplate:
        return std::make_unique<LMTemplateFilterVariantTemplate>(aParameter);
    default:
        return nullptr;
    }
}

void TestTemplateFilters::chains_data()
{
    QTest::addColumn<int>("jigType");
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("warning");

    const Setup aNothing = [](FilterCase*) {
    };
    const Setup aNull = [](FilterCase* theC) {
        theC->myUseNullTemplate = true;
    };
    const Setup anOtherJigType = [](FilterCase* theC) {
        theC->myTemplate->setJigType(LMJigTypeEnum::Clipart);
    };
    const Setup anInvisible = [](FilterCase* theC) {
        theC->myTemplate->setArticleGroup(groupOf("NOT_LISTED"));
    };
    const Setup anOtherPage = [](FilterCase* theC) {
        theC->myTemplate->setPageConstraint(LMPageConstraint(LMPageTypeEnum::Spine));
    };
    const Setup aWantedSubcategory = [](FilterCase* theC) {
        theC->myParameter.setCategorization(subcategories({ QStringLiteral("forest") }));
    };
    const Setup aBookOnly = [](FilterCase* theC) {
        theC->myTemplate->setArticleGroup(groupOf("BOOK"));
    };

    const int aBackground = int(LMJigTypeEnum::Background);
    QTest::newRow("background: passes") << aBackground << aNothing << true << QString();
    QTest::newRow("background: null template") << aBackground << aNull << false << QString();
    QTest::newRow("background: jig type") << aBackground << anOtherJigType << false << QString();
    QTest::newRow("background: visibility") << aBackground << anInvisible << false << QString();
    QTest::newRow("background: invisible but ignored") << aBackground << Setup([](FilterCase* theC) {
        theC->myTemplate->setArticleGroup(groupOf("NOT_LISTED"));
        theC->myParameter.setIgnoreVisibility(true);
        // The unknown article does not match the book: the constraints stop it instead.
    }) << false << QString();
    QTest::newRow("background: constraints") << aBackground << anOtherPage << false << QString();
    QTest::newRow("background: constraints ignore variants") << aBackground << Setup([](FilterCase* theC) {
        theC->myTemplate->setArticleVariants(LMArticleVariants({ QStringLiteral("cutout=heart") }));
    }) << true << QString();
    QTest::newRow("background: categorisation") << aBackground << aWantedSubcategory << false << QString();
    QTest::newRow("background: colour instead of categorisation") << aBackground << Setup([](FilterCase* theC) {
        LMCategorization aWanted = subcategories({ QStringLiteral("forest") });
        aWanted.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory::matchingToFlyleaf());
        theC->myParameter.setCategorization(aWanted);
        theC->myColor = QColor(255, 0, 0);
        theC->myTemplate->setMetaData(LMDesignElementMetaData::createFromJsonFile(QFileInfo(ourRedMetaData)));
    }) << true << QString();
    QTest::newRow("background: other colour falls back to categorisation")
        << aBackground << Setup([](FilterCase* theC) {
               LMCategorization aWanted = subcategories({ QStringLiteral("forest") });
               aWanted.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory::matchingToFlyleaf());
               theC->myParameter.setCategorization(aWanted);
               theC->myColor = QColor(0, 0, 255);
               theC->myTemplate->setMetaData(LMDesignElementMetaData::createFromJsonFile(QFileInfo(ourRedMetaData)));
           })
        << false << QString();
    QTest::newRow("background: multi-colour wanted") << aBackground << Setup([](FilterCase* theC) {
        theC->myParameter.setMultiColorConfig(true, LMMultiColorConfig(30, 1));
    }) << false << QString();
    QTest::newRow("background: any multi-colour") << aBackground << Setup([](FilterCase* theC) {
        theC->myParameter.setMultiColorConfig(true, LMMultiColorConfig::anyMultiColorConfig());
    }) << true << QString();
    QTest::newRow("background: category not allowed by the article") << aBackground << Setup([](FilterCase* theC) {
        setSubcategories(theC->myTemplate.get(), { QStringLiteral("forest") });
    }) << false << QString();
    QTest::newRow("background: category allowed by the article") << aBackground << Setup([](FilterCase* theC) {
        setSubcategories(theC->myTemplate.get(),
                         { QStringLiteral("sea"), LMThematicCategory::favourites().internalName() });
    }) << true << QString();
    QTest::newRow("background: target page type") << aBackground << Setup([](FilterCase* theC) {
        theC->myParameter.setTargetPageTypesForArticleClass(
            { { LMArticleClassEnum::PhotoBook, { LMPageTypeEnum::InnerPage } } });
    }) << false << QString();
    QTest::newRow("background: target page type met") << aBackground << Setup([](FilterCase* theC) {
        theC->myParameter.setTargetPageTypesForArticleClass(
            { { LMArticleClassEnum::PhotoBook, { LMPageTypeEnum::InnerPage } } });
        theC->myTemplate->setPageConstraint(LMPageConstraint(LMPageTypeEnum::InnerPage));
    }) << true << QString();
    QTest::newRow("background: single-sided on a portrait cover") << aBackground << Setup([](FilterCase* theC) {
        theC->myParameter.setTemplateConstraints(contextOf("WALL", LMPageTypeEnum::FullCover));
        theC->myTemplate->setLandscapeSingleSided(true);
    }) << false << QString();
    QTest::newRow("background: single-sided off the cover") << aBackground << Setup([](FilterCase* theC) {
        theC->myParameter.setTemplateConstraints(contextOf("WALL", LMPageTypeEnum::InnerPage));
        theC->myTemplate->setLandscapeSingleSided(true);
    }) << true << QString();
    QTest::newRow("background: spot colour on the background layer") << aBackground << Setup([](FilterCase* theC) {
        theC->myTemplate->setTemplateLayerType(LMTemplateLayerTypeEnum::Background);
        theC->myTemplate->setSpotColorLayer(LMSpotColorEnum::GoldFoil);
    }) << true << QString();
    QTest::newRow("background: spot colour elsewhere") << aBackground << Setup([](FilterCase* theC) {
        theC->myTemplate->setTemplateLayerType(LMTemplateLayerTypeEnum::BackgroundMask);
        theC->myTemplate->setSpotColorLayer(LMSpotColorEnum::GoldFoil);
    }) << false << QString();
    QTest::newRow("background: required variant") << aBackground << Setup([](FilterCase* theC) {
        theC->myTemplate->setArticleVariants(LMArticleVariants({ QStringLiteral("cutout=star") }));
    }) << false << QString();
    QTest::newRow("background: not accountable variant") << aBackground << Setup([](FilterCase* theC) {
        theC->myTemplate->setArticleVariants(
            LMArticleVariants({ QStringLiteral("cutout=star"), QStringLiteral("frame=none") }));
    }) << true << QString();

    const int aContent = int(LMJigTypeEnum::SvgTemplate);
    QTest::newRow("content: passes") << aContent << aNothing << true << QString();
    QTest::newRow("content: jig type") << aContent << anOtherJigType << false << QString();
    QTest::newRow("content: visibility") << aContent << anInvisible << false << QString();
    QTest::newRow("content: constraints") << aContent << anOtherPage << false << QString();
    QTest::newRow("content: cut-out ignores variants") << aContent << Setup([](FilterCase* theC) {
        theC->myTemplate->setArticleVariants(LMArticleVariants({ QStringLiteral("cutout=heart") }));
    }) << true << QString();
    QTest::newRow("content: photo areas")
        << aContent << Setup([](FilterCase* theC) { theC->myParameter.setNumberOfFotoAreas(2); }) << false << QString();
    QTest::newRow("content: no photo areas wanted")
        << aContent << Setup([](FilterCase* theC) { theC->myParameter.setNumberOfFotoAreas(0); }) << true << QString();
    QTest::newRow("content: not first in its bundle") << aContent << Setup([](FilterCase* theC) {
        theC->myPreviousPages.push_back(LMTemplate::create(LMJigTypeEnum::SvgTemplate));
    }) << false << QString();
    QTest::newRow("content: categorisation") << aContent << aWantedSubcategory << false << QString();
    QTest::newRow("content: content category") << aContent << Setup([](FilterCase* theC) {
        setSubcategories(theC->myTemplate.get(), { QStringLiteral("forest") });
    }) << false << QString();
    QTest::newRow("content: price class with add-on") << aContent << Setup([](FilterCase* theC) {
        theC->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("5")));
    }) << true << QString();
    QTest::newRow("content: price class without add-on") << aContent << Setup([](FilterCase* theC) {
        theC->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("09")));
    }) << false << QStringLiteral("no add on article for 09");
    QTest::newRow("content: spot colour the product cannot print")
        << aContent << Setup([](FilterCase* theC) { theC->myTemplate->setSpotColorLayer(LMSpotColorEnum::GoldFoil); })
        << false << QString();

    const int aLayout = int(LMJigTypeEnum::Layout);
    QTest::newRow("layout: passes with an empty keyword") << aLayout << aNothing << true << QString();
    QTest::newRow("layout: jig type") << aLayout << anOtherJigType << false << QString();
    QTest::newRow("layout: keyword") << aLayout << Setup([](FilterCase* theC) {
        theC->myParameter.setSearchKeyword(QStringLiteral("zebra"));
    }) << false << QString();
    QTest::newRow("layout: keyword by name words in master mode") << aLayout << Setup([](FilterCase* theC) {
        // The categorisation check asks the keyword again: only the category "all" skips it.
        theC->myParameter.setSearchKeyword(QStringLiteral("  photos   three "));
        theC->myParameter.setCategorization(
            LMCategorization(LMCategoryTypeEnum::Subcategory, { LMThematicCategory::categoryAll() }));
        theC->myMasterMode = true;
    }) << true << QString();
    QTest::newRow("layout: missing name word in master mode") << aLayout << Setup([](FilterCase* theC) {
        theC->myParameter.setSearchKeyword(QStringLiteral("photos four"));
        theC->myMasterMode = true;
    }) << false << QString();
    QTest::newRow("layout: photo areas") << aLayout
                                         << Setup([](FilterCase* theC) { theC->myParameter.setNumberOfFotoAreas(3); })
                                         << false << QString();
    QTest::newRow("layout: photo areas gathered by a smart layout") << aLayout << Setup([](FilterCase* theC) {
        for (const QRectF& aRect : { QRectF(0.1, 0.1, 0.3, 0.3), QRectF(0.5, 0.1, 0.3, 0.3) })
            theC->myTemplate->addAreaDefinition(std::make_unique<LMTemplateAreaDefinitionFoto>(
                LMRotatedRect(aRect, LMAngle()), LMAreaAbilityEnum::FotoDefault, LMAreaDecoration(),
                LMAreaPositioningConstraintEnum::Anywhere, LMImageFXs(), QSizeF(1, 1), LMAreaCreationRuleEnum::Default));
        theC->myTemplate->injectSmartLayout();
        theC->myParameter.setNumberOfFotoAreas(2);
    }) << true << QString();
    QTest::newRow("layout: empty clipart area") << aLayout << Setup([](FilterCase* theC) {
        theC->myTemplate->addAreaDefinition(
            std::make_unique<LMTemplateAreaDefinitionClipart>(LMAreaDescription(), LMAreaPositioningConstraint()));
    }) << false << QString();
    QTest::newRow("layout: cliparts allowed") << aLayout << Setup([](FilterCase* theC) {
        theC->myTemplate->addAreaDefinition(
            std::make_unique<LMTemplateAreaDefinitionClipart>(LMAreaDescription(), LMAreaPositioningConstraint()));
        theC->myAllowCliparts = true;
    }) << true << QString();
    QTest::newRow("layout: user layout with empty clipart") << aLayout << Setup([](FilterCase* theC) {
        theC->myTemplate->addAreaDefinition(
            std::make_unique<LMTemplateAreaDefinitionClipart>(LMAreaDescription(), LMAreaPositioningConstraint()));
        theC->myTemplate->setUserLayout(true);
    }) << true << QString();
    QTest::newRow("layout: constraints of another article")
        << aLayout << Setup([](FilterCase* theC) { theC->myTemplate->setArticleGroup(groupOf("WALL")); }) << false
        << QString();
    QTest::newRow("layout: constraints of the article") << aLayout << aBookOnly << true << QString();
    QTest::newRow("layout: jig status") << aLayout
                                        << Setup([](FilterCase* theC) { theC->myJigStatus = LMJigStatusEnum::New; })
                                        << false << QString();
    QTest::newRow("layout: one of two jig statuses") << aLayout << Setup([](FilterCase* theC) {
        theC->myJigStatus = LMJigStatus(LMJigStatusEnum::Installed) | LMJigStatus(LMJigStatusEnum::Downloaded);
    }) << true << QString();
    QTest::newRow("layout: usable page") << aLayout << Setup([](FilterCase* theC) {
        theC->myParameter.setTemplateConstraints(contextOf("BOOK", LMPageTypeEnum::Spine));
    }) << false << QString();
    QTest::newRow("layout: categorisation") << aLayout << aWantedSubcategory << false << QString();
    QTest::newRow("layout: the category all") << aLayout << Setup([](FilterCase* theC) {
        LMCategorization aWanted = subcategories({ QStringLiteral("forest") });
        aWanted.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory::categoryAll());
        theC->myParameter.setCategorization(aWanted);
    }) << true << QString();
    QTest::newRow("layout: special article inner page") << aLayout << Setup([](FilterCase* theC) {
        theC->myParameter.setTemplateConstraints(contextOf("SPECIAL", LMPageTypeEnum::InnerPage));
        theC->myTemplate->setPageConstraint(LMPageConstraint(LMPageTypeEnum::InnerPage));
    }) << false << QString();
    QTest::newRow("layout: special article any page") << aLayout << Setup([](FilterCase* theC) {
        theC->myParameter.setTemplateConstraints(contextOf("SPECIAL", LMPageTypeEnum::InnerPage));
    }) << true << QString();

    const int aFrame = int(LMJigTypeEnum::Frame);
    QTest::newRow("frame: passes") << aFrame << aNothing << true << QString();
    QTest::newRow("frame: jig type") << aFrame << anOtherJigType << false << QString();
    QTest::newRow("frame: visibility") << aFrame << anInvisible << false << QString();
    QTest::newRow("frame: constraints name the article") << aFrame << aBookOnly << false << QString();
    QTest::newRow("frame: subcategory") << aFrame << aWantedSubcategory << false << QString();
    QTest::newRow("frame: remove item passes the subcategory") << aFrame << Setup([](FilterCase* theC) {
        theC->myParameter.setCategorization(subcategories({ QStringLiteral("oak") }));
        static_cast<LMTemplateFrame*>(theC->myTemplate.get())->setFrameMaterial(LMFrameMaterialEnum::Remove);
    }) << true << QString();
    QTest::newRow("frame: add-on missing") << aFrame << Setup([](FilterCase* theC) {
        theC->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("09")));
    }) << false << QString();
    QTest::newRow("frame: free frame has no add-on") << aFrame << Setup([](FilterCase* theC) {
        theC->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("01")));
    }) << false << QString();
    QTest::newRow("frame: add-on variant missing") << aFrame << Setup([](FilterCase* theC) {
        theC->myTemplate->setArticleVariants(LMArticleVariants({ QStringLiteral("frame=gold") }));
    }) << false << QString();
    QTest::newRow("frame: editor orientation") << aFrame << Setup([](FilterCase* theC) {
        theC->myTemplate->setSupportedOrientation(LMOrientationEnum::Landscape);
        theC->myParameter.setOrientation(LMOrientationEnum::Portrait);
    }) << false << QString();
    QTest::newRow("frame: all orientations") << aFrame << Setup([](FilterCase* theC) {
        theC->myTemplate->setSupportedOrientation(LMOrientationEnum::All);
        theC->myParameter.setOrientation(LMOrientationEnum::Portrait);
    }) << true << QString();
    QTest::newRow("frame: material") << aFrame << Setup([](FilterCase* theC) {
        theC->myParameter.setFrameMaterial(LMFrameMaterialEnum::Aluminium);
    }) << false << QString();

    const int aPassepartout = int(LMJigTypeEnum::Passepartout);
    QTest::newRow("passepartout: passes") << aPassepartout << aNothing << true << QString();
    QTest::newRow("passepartout: visibility") << aPassepartout << anInvisible << false << QString();
    QTest::newRow("passepartout: constraints") << aPassepartout << aBookOnly << false << QString();
    QTest::newRow("passepartout: subcategory") << aPassepartout << aWantedSubcategory << false << QString();
    QTest::newRow("passepartout: construction class not offered") << aPassepartout << Setup([](FilterCase* theC) {
        theC->myParameter.setFrameConstructionPriceClasses({ LMPriceClass::create(QStringLiteral("11")) });
    }) << false << QString();
    QTest::newRow("passepartout: add-on of the construction class") << aPassepartout << Setup([](FilterCase* theC) {
        theC->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("12")));
    }) << true << QString();

    const int aGlass = int(LMJigTypeEnum::FrameGlass);
    QTest::newRow("glass: passes") << aGlass << aNothing << true << QString();
    QTest::newRow("glass: constraints") << aGlass << aBookOnly << false << QString();
    QTest::newRow("glass: subcategory") << aGlass << aWantedSubcategory << false << QString();
    QTest::newRow("glass: without material it is the remove item") << aGlass << Setup([](FilterCase* theC) {
        theC->myParameter.setFrameConstructionPriceClasses({});
        static_cast<LMTemplateFrameGlass*>(theC->myTemplate.get())->setGlassMaterial(LMFrameGlassMaterial());
    }) << true << QString();
    QTest::newRow("glass: no construction classes")
        << aGlass << Setup([](FilterCase* theC) { theC->myParameter.setFrameConstructionPriceClasses({}); }) << false
        << QString();

    const int aWallholder = int(LMJigTypeEnum::Wallholder);
    QTest::newRow("wallholder: passes") << aWallholder << aNothing << true << QString();
    QTest::newRow("wallholder: constraints") << aWallholder << anOtherPage << false << QString();
    QTest::newRow("wallholder: subcategory") << aWallholder << aWantedSubcategory << false << QString();
    QTest::newRow("wallholder: add-on missing") << aWallholder << Setup([](FilterCase* theC) {
        theC->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("09")));
    }) << false << QString();
    QTest::newRow("wallholder: free") << aWallholder << Setup([](FilterCase* theC) {
        theC->myTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("00")));
    }) << true << QString();
    QTest::newRow("wallholder: required, remove item refused")
        << aWallholder << Setup([](FilterCase* theC) { theC->myTemplate = noWallholder(); }) << false << QString();
    QTest::newRow("wallholder: not required, remove item offered") << aWallholder << Setup([](FilterCase* theC) {
        theC->myTemplate = noWallholder();
        theC->myParameter.setTemplateConstraints(contextOf("BOOK", LMPageTypeEnum::WallDecor));
    }) << true << QString();

    const int aVariant = int(LMJigTypeEnum::VariantTemplate);
    QTest::newRow("variant: passes on page 0") << aVariant << aNothing << true << QString();
    QTest::newRow("variant: default page number")
        << aVariant << Setup([](FilterCase* theC) { theC->myParameter.setCurrentPageNumber(-1); }) << false
        << QString();
    QTest::newRow("variant: later page") << aVariant
                                         << Setup([](FilterCase* theC) { theC->myParameter.setCurrentPageNumber(1); })
                                         << false << QString();
    QTest::newRow("variant: visibility") << aVariant << anInvisible << false << QString();
    QTest::newRow("variant: constraints") << aVariant << aBookOnly << false << QString();
    QTest::newRow("variant: subcategory") << aVariant << aWantedSubcategory << false << QString();
    QTest::newRow("variant: required variant") << aVariant << Setup([](FilterCase* theC) {
        theC->myTemplate->setArticleVariants(LMArticleVariants({ QStringLiteral("size=small") }));
    }) << false << QString();
}

void TestTemplateFilters::chains()
{
    QFETCH(int, jigType);
    QFETCH(Setup, setup);
    QFETCH(bool, accepted);
    QFETCH(QString, warning);

    LMBasisSettings::instance()->setMasterMode(false);
    FilterCase aCase;
    prepareBaseline(jigType, &aCase);
    setup(&aCase);
    LMBasisSettings::instance()->setMasterMode(aCase.myMasterMode);

    const LMUnconfiguredTemplate aTemplate
        = aCase.myUseNullTemplate ? LMUnconfiguredTemplate() : LMUnconfiguredTemplate(aCase.myTemplate.get());
    LMUnconfiguredTemplateList aBundle;
    for (const std::unique_ptr<LMTemplate>& aPage : aCase.myPreviousPages)
        aBundle.append(LMUnconfiguredTemplate(aPage.get()));
    if (!aBundle.isEmpty()) {
        aBundle.append(aTemplate);
        LMTemplateBundleRegistry::instance()->createBundle(aBundle);
    }

    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    const std::unique_ptr<LMTemplateFilterAbstract> aFilter = makeFilter(jigType, aCase);
    QVERIFY(aFilter);
    const bool anAccepted = aFilter->accept(aTemplate);
    for (const LMUnconfiguredTemplate& aPage : aBundle)
        LMTemplateBundleRegistry::instance()->remove(aPage);
    QCOMPARE(anAccepted, accepted);
}

void TestTemplateFilters::acceptableJigTypes()
{
    const LMContentFilterParameter aParameter;
    QCOMPARE(LMTemplateFilterBackground(aParameter).acceptableJigType().value(), 1);
    QCOMPARE(LMTemplateFilterContent(aParameter).acceptableJigType().value(), 4);
    QCOMPARE(LMTemplateFilterLayout(aParameter).acceptableJigType().value(), 8);
    QCOMPARE(LMTemplateFilterFrame(aParameter).acceptableJigType().value(), 128);
    QCOMPARE(LMTemplateFilterFramePassepartout(aParameter).acceptableJigType().value(), 256);
    QCOMPARE(LMTemplateFilterFrameGlasses(aParameter).acceptableJigType().value(), 512);
    QCOMPARE(LMTemplateFilterWallholder(aParameter).acceptableJigType().value(), 1024);
    QCOMPARE(LMTemplateFilterVariantTemplate(aParameter).acceptableJigType().value(), 8192);
}

void TestTemplateFilters::listAcceptorAsksTheChain()
{
    FilterCase aCase;
    prepareBaseline(int(LMJigTypeEnum::VariantTemplate), &aCase);
    const LMUnconfiguredTemplate aTemplate(aCase.myTemplate.get());
    LMTemplateFilterVariantTemplate aFilter(aCase.myParameter);
    const LMTemplateAcceptor& anAcceptor = aFilter;
    QVERIFY(anAcceptor.acceptTemplate(aTemplate));
    aCase.myParameter.setCurrentPageNumber(-1);
    LMTemplateFilterVariantTemplate aFirstPageFilter(aCase.myParameter);
    QVERIFY(!static_cast<const LMTemplateAcceptor&>(aFirstPageFilter).acceptTemplate(aTemplate));
}

namespace {

// A free wallholder template that stands for hanging nothing.
std::unique_ptr<LMTemplate> noWallholder()
{
    QDomDocument aDocument;
    aDocument.setContent(QStringLiteral("<template isNull=\"true\"/>"));
    std::unique_ptr<LMTemplate> aTemplate = LMTemplate::create(LMJigTypeEnum::Wallholder, aDocument.documentElement());
    aTemplate->setPriceClass(LMPriceClass::create(QStringLiteral("00")));
    return aTemplate;
}

} // namespace

QTEST_GUILESS_MAIN(TestTemplateFilters)
#include "tst_templatefilters.moc"
