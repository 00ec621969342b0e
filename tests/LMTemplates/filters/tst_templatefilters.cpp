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
#include "LMTestTemplates.h"

#include <QtTest>

#include <memory>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;

namespace {

// A free wallholder template that stands for hanging nothing.
std::unique_ptr<LMTemplate> noWallholder()
{
    return LMTestSupport::makeTemplate(QStringLiteral("None jig=1024 holder=none price=00"));
}

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

LMDesignElementMetaData redMetaData()
{
    return LMDesignElementMetaData::createFromJsonFile(
        QFileInfo(LMTestSupport::dataPath(QStringLiteral("filters/red.json"))));
}

} // namespace

Q_DECLARE_METATYPE(Setup)

// The changes that rows of several filters share.
struct Common
{
    static void nothing(FilterCase*) { }
    static void nullTemplate(FilterCase* theC) { theC->myUseNullTemplate = true; }
    static void otherJigType(FilterCase* theC) { theC->myTemplate->setJigType(LMJigTypeEnum::Clipart); }
    static void invisible(FilterCase* theC) { theC->myTemplate->setArticleGroup(groupOf("NOT_LISTED")); }
    static void otherPage(FilterCase* theC)
    {
        theC->myTemplate->setPageConstraint(LMPageConstraint(LMPageTypeEnum::Spine));
    }
    static void wantedSubcategory(FilterCase* theC)
    {
        theC->myParameter.setCategorization(subcategories({ QStringLiteral("forest") }));
    }
    static void bookOnly(FilterCase* theC) { theC->myTemplate->setArticleGroup(groupOf("BOOK")); }
};

// The chains of the template filters: a template that passes, then one row per check that makes it
// fail, and the edge cases of page numbers, keywords, add-ons and the special article.
class TestTemplateFilters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(LMProductCatalogue::instance()->load(
            LMTestSupport::dataPath(QStringLiteral("filters/chains-catalogue.json"))));
    }

    void cleanup() { LMBasisSettings::instance()->setMasterMode(false); }

    void chains_data()
    {
        columns<int, Setup, bool, QString>("jigType", "setup", "accepted", "warning");

        int aJig = 0;
        const auto row
            = [&aJig](const char* theName, bool theAccepted, Setup theSetup, const QString& theWarning = {}) {
                  QTest::newRow(theName) << aJig << theSetup << theAccepted << theWarning;
              };

        aJig = int(LMJigTypeEnum::Background);
        row("background: passes", true, Common::nothing);
        row("background: null template", false, Common::nullTemplate);
        row("background: jig type", false, Common::otherJigType);
        row("background: visibility", false, Common::invisible);
        row("background: invisible but ignored", false, [](FilterCase* theC) {
            theC->myTemplate->setArticleGroup(groupOf("NOT_LISTED"));
            theC->myParameter.setIgnoreVisibility(true);
            // The unknown article does not match the book: the constraints stop it instead.
        });
        row("background: constraints", false, Common::otherPage);
        row("background: constraints ignore variants", true,
            [](FilterCase* theC) { theC->myTemplate->setArticleVariants(LMArticleVariants({ "cutout=heart" })); });
        row("background: categorisation", false, Common::wantedSubcategory);
        row("background: colour instead of categorisation", true, [](FilterCase* theC) {
            LMCategorization aWanted = subcategories({ "forest" });
            aWanted.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory::matchingToFlyleaf());
            theC->myParameter.setCategorization(aWanted);
            theC->myColor = QColor(255, 0, 0);
            theC->myTemplate->setMetaData(redMetaData());
        });
        row("background: other colour falls back to categorisation", false, [](FilterCase* theC) {
            LMCategorization aWanted = subcategories({ "forest" });
            aWanted.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory::matchingToFlyleaf());
            theC->myParameter.setCategorization(aWanted);
            theC->myColor = QColor(0, 0, 255);
            theC->myTemplate->setMetaData(redMetaData());
        });
        row("background: multi-colour wanted", false,
            [](FilterCase* theC) { theC->myParameter.setMultiColorConfig(true, LMMultiColorConfig(30, 1)); });
        row("background: any multi-colour", true, [](FilterCase* theC) {
            theC->myParameter.setMultiColorConfig(true, LMMultiColorConfig::anyMultiColorConfig());
        });
        row("background: category not allowed by the article", false,
            [](FilterCase* theC) { setSubcategories(theC->myTemplate.get(), { "forest" }); });
        row("background: category allowed by the article", true, [](FilterCase* theC) {
            setSubcategories(theC->myTemplate.get(), { "sea", LMThematicCategory::favourites().internalName() });
        });
        row("background: target page type", false, [](FilterCase* theC) {
            theC->myParameter.setTargetPageTypesForArticleClass(
                { { LMArticleClassEnum::PhotoBook, { LMPageTypeEnum::InnerPage } } });
        });
        row("background: target page type met", true, [](FilterCase* theC) {
            theC->myParameter.setTargetPageTypesForArticleClass(
                { { LMArticleClassEnum::PhotoBook, { LMPageTypeEnum::InnerPage } } });
            theC->myTemplate->setPageConstraint(LMPageConstraint(LMPageTypeEnum::InnerPage));
        });
        row("background: single-sided on a portrait cover", false, [](FilterCase* theC) {
            theC->myParameter.setTemplateConstraints(contextOf("WALL", LMPageTypeEnum::FullCover));
            theC->myTemplate->setLandscapeSingleSided(true);
        });
        row("background: single-sided off the cover", true, [](FilterCase* theC) {
            theC->myParameter.setTemplateConstraints(contextOf("WALL", LMPageTypeEnum::InnerPage));
            theC->myTemplate->setLandscapeSingleSided(true);
        });
        row("background: spot colour on the background layer", true, [](FilterCase* theC) {
            theC->myTemplate->setTemplateLayerType(LMTemplateLayerTypeEnum::Background);
            theC->myTemplate->setSpotColorLayer(LMSpotColorEnum::GoldFoil);
        });
        row("background: spot colour elsewhere", false, [](FilterCase* theC) {
            theC->myTemplate->setTemplateLayerType(LMTemplateLayerTypeEnum::BackgroundMask);
            theC->myTemplate->setSpotColorLayer(LMSpotColorEnum::GoldFoil);
        });
        row("background: required variant", false,
            [](FilterCase* theC) { theC->myTemplate->setArticleVariants(LMArticleVariants({ "cutout=star" })); });
        row("background: not accountable variant", true, [](FilterCase* theC) {
            theC->myTemplate->setArticleVariants(LMArticleVariants({ "cutout=star", "frame=none" }));
        });

        aJig = int(LMJigTypeEnum::SvgTemplate);
        row("content: passes", true, Common::nothing);
        row("content: jig type", false, Common::otherJigType);
        row("content: visibility", false, Common::invisible);
        row("content: constraints", false, Common::otherPage);
        row("content: cut-out ignores variants", true,
            [](FilterCase* theC) { theC->myTemplate->setArticleVariants(LMArticleVariants({ "cutout=heart" })); });
        row("content: photo areas", false, [](FilterCase* theC) { theC->myParameter.setNumberOfFotoAreas(2); });
        row("content: no photo areas wanted", true,
            [](FilterCase* theC) { theC->myParameter.setNumberOfFotoAreas(0); });
        row("content: not first in its bundle", false,
            [](FilterCase* theC) { theC->myPreviousPages.push_back(LMTemplate::create(LMJigTypeEnum::SvgTemplate)); });
        row("content: categorisation", false, Common::wantedSubcategory);
        row("content: content category", false,
            [](FilterCase* theC) { setSubcategories(theC->myTemplate.get(), { "forest" }); });
        row("content: price class with add-on", true,
            [](FilterCase* theC) { theC->myTemplate->setPriceClass(LMPriceClass::create("5")); });
        row(
            "content: price class without add-on", false,
            [](FilterCase* theC) { theC->myTemplate->setPriceClass(LMPriceClass::create("09")); },
            "no add on article for 09");
        row("content: spot colour the product cannot print", false,
            [](FilterCase* theC) { theC->myTemplate->setSpotColorLayer(LMSpotColorEnum::GoldFoil); });

        aJig = int(LMJigTypeEnum::Layout);
        row("layout: passes with an empty keyword", true, Common::nothing);
        row("layout: jig type", false, Common::otherJigType);
        row("layout: keyword", false, [](FilterCase* theC) { theC->myParameter.setSearchKeyword("zebra"); });
        row("layout: keyword found in the tool tip", true,
            [](FilterCase* theC) { theC->myParameter.setSearchKeyword("VORLAGE"); });
        row("layout: keyword by name words in master mode", true, [](FilterCase* theC) {
            // The categorisation check asks the keyword again: only the category "all" skips it.
            theC->myParameter.setSearchKeyword("  photos   three ");
            theC->myParameter.setCategorization(
                LMCategorization(LMCategoryTypeEnum::Subcategory, { LMThematicCategory::categoryAll() }));
            theC->myMasterMode = true;
        });
        row("layout: missing name word in master mode", false, [](FilterCase* theC) {
            theC->myParameter.setSearchKeyword("photos four");
            theC->myMasterMode = true;
        });
        row("layout: photo areas", false, [](FilterCase* theC) { theC->myParameter.setNumberOfFotoAreas(3); });
        row("layout: photo areas gathered by a smart layout", true, [](FilterCase* theC) {
            for (const QRectF& aRect : { QRectF(0.1, 0.1, 0.3, 0.3), QRectF(0.5, 0.1, 0.3, 0.3) })
                theC->myTemplate->addAreaDefinition(std::make_unique<LMTemplateAreaDefinitionFoto>(
                    LMRotatedRect(aRect, LMAngle()), LMAreaAbilityEnum::FotoDefault, LMAreaDecoration(),
                    LMAreaPositioningConstraintEnum::Anywhere, LMImageFXs(), QSizeF(1, 1),
                    LMAreaCreationRuleEnum::Default));
            theC->myTemplate->injectSmartLayout();
            theC->myParameter.setNumberOfFotoAreas(2);
        });
        row("layout: empty clipart area", false, [](FilterCase* theC) {
            theC->myTemplate->addAreaDefinition(
                std::make_unique<LMTemplateAreaDefinitionClipart>(LMAreaDescription(), LMAreaPositioningConstraint()));
        });
        row("layout: cliparts allowed", true, [](FilterCase* theC) {
            theC->myTemplate->addAreaDefinition(
                std::make_unique<LMTemplateAreaDefinitionClipart>(LMAreaDescription(), LMAreaPositioningConstraint()));
            theC->myAllowCliparts = true;
        });
        row("layout: user layout with empty clipart", true, [](FilterCase* theC) {
            theC->myTemplate->addAreaDefinition(
                std::make_unique<LMTemplateAreaDefinitionClipart>(LMAreaDescription(), LMAreaPositioningConstraint()));
            theC->myTemplate->setUserLayout(true);
        });
        row("layout: constraints of another article", false,
            [](FilterCase* theC) { theC->myTemplate->setArticleGroup(groupOf("WALL")); });
        row("layout: constraints of the article", true, Common::bookOnly);
        row("layout: jig status", false, [](FilterCase* theC) { theC->myJigStatus = LMJigStatusEnum::New; });
        row("layout: one of two jig statuses", true, [](FilterCase* theC) {
            theC->myJigStatus = LMJigStatus(LMJigStatusEnum::Installed) | LMJigStatus(LMJigStatusEnum::Downloaded);
        });
        row("layout: usable page", false, [](FilterCase* theC) {
            theC->myParameter.setTemplateConstraints(contextOf("BOOK", LMPageTypeEnum::Spine));
        });
        row("layout: categorisation", false, Common::wantedSubcategory);
        row("layout: the category all", true, [](FilterCase* theC) {
            LMCategorization aWanted = subcategories({ "forest" });
            aWanted.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory::categoryAll());
            theC->myParameter.setCategorization(aWanted);
        });
        row("layout: special article inner page", false, [](FilterCase* theC) {
            theC->myParameter.setTemplateConstraints(contextOf("SPECIAL", LMPageTypeEnum::InnerPage));
            theC->myTemplate->setPageConstraint(LMPageConstraint(LMPageTypeEnum::InnerPage));
        });
        row("layout: special article any page", true, [](FilterCase* theC) {
            theC->myParameter.setTemplateConstraints(contextOf("SPECIAL", LMPageTypeEnum::InnerPage));
        });

        aJig = int(LMJigTypeEnum::Frame);
        row("frame: passes", true, Common::nothing);
        row("frame: jig type", false, Common::otherJigType);
        row("frame: visibility", false, Common::invisible);
        row("frame: constraints name the article", false, Common::bookOnly);
        row("frame: subcategory", false, Common::wantedSubcategory);
        row("frame: remove item passes the subcategory", true, [](FilterCase* theC) {
            theC->myParameter.setCategorization(subcategories({ "oak" }));
            static_cast<LMTemplateFrame*>(theC->myTemplate.get())->setFrameMaterial(LMFrameMaterialEnum::Remove);
        });
        row("frame: add-on missing", false,
            [](FilterCase* theC) { theC->myTemplate->setPriceClass(LMPriceClass::create("09")); });
        row("frame: free frame has no add-on", false,
            [](FilterCase* theC) { theC->myTemplate->setPriceClass(LMPriceClass::create("01")); });
        row("frame: add-on variant missing", false,
            [](FilterCase* theC) { theC->myTemplate->setArticleVariants(LMArticleVariants({ "frame=gold" })); });
        row("frame: editor orientation", false, [](FilterCase* theC) {
            theC->myTemplate->setSupportedOrientation(LMOrientationEnum::Landscape);
            theC->myParameter.setOrientation(LMOrientationEnum::Portrait);
        });
        row("frame: all orientations", true, [](FilterCase* theC) {
            theC->myTemplate->setSupportedOrientation(LMOrientationEnum::All);
            theC->myParameter.setOrientation(LMOrientationEnum::Portrait);
        });
        row("frame: material", false,
            [](FilterCase* theC) { theC->myParameter.setFrameMaterial(LMFrameMaterialEnum::Aluminium); });

        aJig = int(LMJigTypeEnum::Passepartout);
        row("passepartout: passes", true, Common::nothing);
        row("passepartout: visibility", false, Common::invisible);
        row("passepartout: constraints", false, Common::bookOnly);
        row("passepartout: subcategory", false, Common::wantedSubcategory);
        row("passepartout: construction class not offered", false, [](FilterCase* theC) {
            theC->myParameter.setFrameConstructionPriceClasses({ LMPriceClass::create("11") });
        });
        row("passepartout: add-on of the construction class", true,
            [](FilterCase* theC) { theC->myTemplate->setPriceClass(LMPriceClass::create("12")); });

        aJig = int(LMJigTypeEnum::FrameGlass);
        row("glass: passes", true, Common::nothing);
        row("glass: constraints", false, Common::bookOnly);
        row("glass: subcategory", false, Common::wantedSubcategory);
        row("glass: without material it is the remove item", true, [](FilterCase* theC) {
            theC->myParameter.setFrameConstructionPriceClasses({});
            static_cast<LMTemplateFrameGlass*>(theC->myTemplate.get())->setGlassMaterial(LMFrameGlassMaterial());
        });
        row("glass: no construction classes", false,
            [](FilterCase* theC) { theC->myParameter.setFrameConstructionPriceClasses({}); });

        aJig = int(LMJigTypeEnum::Wallholder);
        row("wallholder: passes", true, Common::nothing);
        row("wallholder: constraints", false, Common::otherPage);
        row("wallholder: subcategory", false, Common::wantedSubcategory);
        row("wallholder: add-on missing", false,
            [](FilterCase* theC) { theC->myTemplate->setPriceClass(LMPriceClass::create("09")); });
        row("wallholder: free", true,
            [](FilterCase* theC) { theC->myTemplate->setPriceClass(LMPriceClass::create("00")); });
        row("wallholder: required, remove item refused", false,
            [](FilterCase* theC) { theC->myTemplate = noWallholder(); });
        row("wallholder: not required, remove item offered", true, [](FilterCase* theC) {
            theC->myTemplate = noWallholder();
            theC->myParameter.setTemplateConstraints(contextOf("BOOK", LMPageTypeEnum::WallDecor));
        });

        aJig = int(LMJigTypeEnum::VariantTemplate);
        row("variant: passes on page 0", true, Common::nothing);
        row("variant: default page number", false,
            [](FilterCase* theC) { theC->myParameter.setCurrentPageNumber(-1); });
        row("variant: later page", false, [](FilterCase* theC) { theC->myParameter.setCurrentPageNumber(1); });
        row("variant: visibility", false, Common::invisible);
        row("variant: constraints", false, Common::bookOnly);
        row("variant: subcategory", false, Common::wantedSubcategory);
        row("variant: required variant", false,
            [](FilterCase* theC) { theC->myTemplate->setArticleVariants(LMArticleVariants({ "size=small" })); });
    }

    void chains()
    {
        QFETCH(int, jigType);
        QFETCH(QString, warning);

        LMBasisSettings::instance()->setMasterMode(false);
        FilterCase aCase;
        prepareBaseline(jigType, &aCase);
        fetch<Setup>("setup")(&aCase);
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
        QCOMPARE(aFilter->acceptableJigType().value(), jigType);
        const bool anAccepted = aFilter->accept(aTemplate);
        for (const LMUnconfiguredTemplate& aPage : aBundle)
            LMTemplateBundleRegistry::instance()->remove(aPage);
        QCOMPARE(anAccepted, fetch<bool>("accepted"));
    }

    void listAcceptorAsksTheChain()
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

private:
    void prepareBaseline(int theJigType, FilterCase* theCase)
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

    std::unique_ptr<LMTemplateFilterAbstract> makeFilter(int theJigType, const FilterCase& theCase) const
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
};

QTEST_GUILESS_MAIN(TestTemplateFilters)
#include "tst_templatefilters.moc"
