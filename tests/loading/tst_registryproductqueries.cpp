#include "LMArticlesGroup.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateContext.h"
#include "LMTemplateFrame.h"
#include "LMTemplateFrameGlass.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateWallholder.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using LMTestSupport::templateNames;
using LMTestSupport::writeFile;

namespace {

// A framed poster (class 32) with every add-on; a photo print (class 128, outside the wall-decor
// classes) with the same add-ons; a wall decor product that offers glasses and passepartouts
// without naming their add-on articles and must be hung; a bare wall decor product; a book.
const QByteArray CATALOGUE = R"({"articles": [
    {"id": 1001, "orderName": "BOOK_A4", "class": "photobook", "orientation": "portrait", "addOns": {"02": "DESIGN_02"}},
    {"id": 3001, "orderName": "FRAMED_A3", "class": "framedposter", "orientation": "landscape",
     "addOns": {"04": "FRAME_A3", "05": "GLASS_A3", "06": "MOUNT_A3", "08": "HOLDER_A3"},
     "glassesPriceClasses": ["04"], "passepartoutPriceClasses": ["04"]},
    {"id": 3002, "orderName": "PRINT_A3", "class": "photoprint", "orientation": "landscape",
     "addOns": {"04": "FRAME_A3", "05": "GLASS_A3", "06": "MOUNT_A3", "08": "HOLDER_A3"},
     "glassesPriceClasses": ["04"], "passepartoutPriceClasses": ["04"]},
    {"id": 3003, "orderName": "WALL_40", "class": "walldecor", "orientation": "landscape",
     "glassesPriceClasses": ["04"], "passepartoutPriceClasses": ["04"], "requiresWallholder": true},
    {"id": 3004, "orderName": "WALL_50", "class": "walldecor", "orientation": "landscape"},
    {"id": 9001, "orderName": "DESIGN_02", "addOn": true, "price": "2.00"},
    {"id": 9002, "orderName": "FRAME_A3", "addOn": true, "price": "30.00"},
    {"id": 9003, "orderName": "GLASS_A3", "addOn": true, "price": "10.00"},
    {"id": 9004, "orderName": "MOUNT_A3", "addOn": true, "price": "8.00"},
    {"id": 9005, "orderName": "HOLDER_A3", "addOn": true, "price": "5.00"}
]})";

// The registry's content, one template a line: its name, then "jig=N", "layer=N", "id=N",
// "art=A|B" (named articles), "price=CODE", "var=a|b", "orient=N", "page=N", "sub=a|b" and
// "theme=a|b" (categories), "bg" (a background file), "mc" (a multi-colour variant of it),
// "frame=N" (frame material), "glass=N" (glass material), "holder=none" (the no-wallholder item).
// Frame material 1, a glass without material and a free passepartout are the "leave it away" items.
const QStringList TEMPLATES = {
    // Frames, glasses, passepartouts and wallholders.
    "frame-wood jig=128 frame=2 price=04 orient=2 art=FRAMED_A3|PRINT_A3|WALL_40",
    "frame-none jig=128 frame=1 orient=31 art=WALL_50",
    "glass-clear jig=512 glass=2 price=05 art=FRAMED_A3|PRINT_A3|WALL_40",
    "glass-none jig=512 art=FRAMED_A3",
    "mount-white jig=256 price=06 var=mount=white art=FRAMED_A3|PRINT_A3|WALL_40",
    "mount-none jig=256 var=mount=plain art=FRAMED_A3",
    "holder-hook jig=1024 price=08 art=FRAMED_A3|PRINT_A3|WALL_40",
    "holder-none jig=1024 holder=none art=WALL_40|WALL_50",
    // Variant templates (layer 8192).
    "room-any jig=8192 layer=8192",
    "room-wood jig=8192 layer=8192 var=frame=wood|size=a3 art=FRAMED_A3",
    "room-alu jig=8192 layer=8192 var=frame=alu|size=a3 art=FRAMED_A3",
    "room-unlayered jig=8192 var=frame=wood art=PRINT_A3",
    "room-print jig=8192 layer=8192 var=frame=alu art=PRINT_A3",
    // Backgrounds.
    "paper jig=1 layer=1 id=4101 bg",
    "wash jig=1 layer=1 id=4102 bg sub=multicolor",
    "wash-mc jig=1 layer=1 id=4102 bg mc sub=multicolor",
    "red jig=1 layer=1 id=4103 bg sub=colors",
    "print-paper jig=1 layer=1 id=4104 bg art=PRINT_A3",
    // Designs of template groups (themes) and layouts of subcategories.
    "design-summer jig=4 theme=summer art=BOOK_A4",
    "design-summer-02 jig=4 theme=summer price=02 art=BOOK_A4",
    "design-summer-03 jig=4 theme=summer price=03 art=BOOK_A4",
    "design-winter jig=4 theme=winter art=BOOK_A4",
    "design-summer-print jig=4 theme=summer art=PRINT_A3",
    "layout-summer jig=8 theme=summer page=8 art=BOOK_A4",
    "layout-flowers jig=8 sub=flowers page=8 art=BOOK_A4",
    "layout-trees jig=8 sub=trees page=8 art=BOOK_A4",
    "layout-spine-flowers jig=8 sub=flowers page=1 art=BOOK_A4",
};

LMArticle article(const QString& theOrderName)
{
    return LMArticle::fromOrderTxtName(theOrderName);
}

LMTemplateContext context(const QString& theOrderName)
{
    return LMTemplateContext(article(theOrderName), LMPageType());
}

LMThematicCategorySet categories(const QString& theNames)
{
    LMThematicCategorySet aSet;
    for (const QString& aName : theNames.split(QLatin1Char('|')))
        aSet.insert(LMThematicCategory(aName));
    return aSet;
}

LMPriceClassSet priceClasses(const QString& theCodes)
{
    LMPriceClassSet aSet;
    for (const QString& aCode : theCodes.split(QLatin1Char(','), Qt::SkipEmptyParts))
        aSet.insert(LMPriceClass::create(aCode));
    return aSet;
}

LMArticleVariants variants(const QString& theEntries)
{
    return LMArticleVariants(theEntries.split(QLatin1Char('|'), Qt::SkipEmptyParts));
}

LMTemplateBackgroundDefinition backgroundDefinition(int theId, bool theMultiColor)
{
    QDomDocument aDocument;
    aDocument.setContent(QStringLiteral("<template filename='bg_%1.jpg' %2/>")
                             .arg(theId)
                             .arg(theMultiColor ? QStringLiteral("multicolor_id='%1'").arg(theId) : QString()));
    const LMTemplateBackgroundDefinition aDefinition
        = LMTemplateBackgroundDefinition::fromXml(aDocument.documentElement().attributes());
    return theMultiColor ? aDefinition.withMultiColorConfig(LMMultiColorConfig(30, 2)) : aDefinition;
}

LMUnconfiguredTemplate make(const QString& theDescription)
{
    QHash<QString, QString> aTokens;
    const QStringList aParts = theDescription.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& aPart : aParts.mid(1))
        aTokens.insert(aPart.section(QLatin1Char('='), 0, 0), aPart.section(QLatin1Char('='), 1));
    std::unique_ptr<LMTemplate> aTemplate = LMTemplate::create(LMJigType::fromInt(aTokens.value("jig").toInt()));
    aTemplate->setName(aParts.first());
    if (aTokens.contains("layer"))
        aTemplate->setTemplateLayerType(LMTemplateLayerType::fromInt(aTokens.value("layer").toInt()));
    if (aTokens.contains("id"))
        aTemplate->setDesignElementID(LMDesignElementID(aTokens.value("id").toInt()));
    if (aTokens.contains("art")) {
        LMArticleList anArticles;
        for (const QString& aName : aTokens.value("art").split(QLatin1Char('|')))
            anArticles.append(article(aName));
        aTemplate->setArticleGroup(LMArticlesGroup(anArticles));
    }
    if (aTokens.contains("price"))
        aTemplate->setPriceClass(LMPriceClass::create(aTokens.value("price")));
    if (aTokens.contains("var"))
        aTemplate->setArticleVariants(variants(aTokens.value("var")));
    if (aTokens.contains("orient"))
        aTemplate->setSupportedOrientation(LMOrientation::fromInt(aTokens.value("orient").toInt()));
    if (aTokens.contains("page"))
        aTemplate->setPageConstraint(LMPageConstraint(LMPageType::fromInt(aTokens.value("page").toInt())));
    if (aTokens.contains("sub"))
        aTemplate->setThematicCategories(LMCategoryTypeEnum::Subcategory, categories(aTokens.value("sub")));
    if (aTokens.contains("theme"))
        aTemplate->setThematicCategories(LMCategoryTypeEnum::Theme, categories(aTokens.value("theme")));
    if (aTokens.contains("bg"))
        aTemplate->setLayerDefinitionBackground(
            backgroundDefinition(aTemplate->designElementID().id(), aTokens.contains("mc")));
    if (aTokens.contains("frame"))
        static_cast<LMTemplateFrame*>(aTemplate.get())
            ->setFrameMaterial(LMFrameMaterial::fromInt(aTokens.value("frame").toInt()));
    if (aTokens.contains("glass"))
        static_cast<LMTemplateFrameGlass*>(aTemplate.get())
            ->setGlassMaterial(LMFrameGlassMaterial::fromInt(aTokens.value("glass").toInt()));
    if (aTokens.contains("holder"))
        static_cast<LMTemplateWallholder*>(aTemplate.get())
            ->setWallholderConfig(LMTemplateWallholderConfig(true, 0, 0, 0));
    return LMUnconfiguredTemplate(aTemplate.release());
}

// One table row on one line: texts become QString, other cells stay as they are.
QString cell(const char* theText)
{
    return QString::fromUtf8(theText);
}
template <typename T> const T& cell(const T& theValue)
{
    return theValue;
}
template <typename... T> void row(const char* theName, const T&... theValues)
{
    (QTest::newRow(theName) << ... << cell(theValues));
}

} // namespace

// The registry's questions about a product: which frames, glasses, passepartouts and wallholders
// it is offered (with the add-on articles of the catalogue), its variant templates, backgrounds,
// the designs of a template group and the layouts of a subcategory. Each condition of a rule has
// a row where it holds and one where it fails, and the two expect different answers.
class TestRegistryProductQueries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void wallDecorOffers_data();
    void wallDecorOffers();
    void lookups_data();
    void lookups();
    void backgrounds_data();
    void backgrounds();
    void templateGroups_data();
    void templateGroups();

private:
    static LMTemplateRegistry* registry() { return LMTemplateRegistry::instance(); }

    std::unique_ptr<QTemporaryDir> myDir;
};

void TestRegistryProductQueries::initTestCase()
{
    myDir = std::make_unique<QTemporaryDir>();
    QVERIFY(myDir->isValid());
    writeFile(*myDir, QStringLiteral("content/products/catalogue.json"), CATALOGUE);
    QVERIFY(QDir().mkpath(myDir->filePath(QStringLiteral("user"))));
    LMDirectoryConfig::instance()->setContentRoot(myDir->filePath(QStringLiteral("content")));
    LMDirectoryConfig::instance()->setUserDataDir(myDir->filePath(QStringLiteral("user")));
    QVERIFY(LMProductCatalogue::instance()->reload());
    QVERIFY(article(QStringLiteral("WALL_50")).isValid());

    registry()->clear();
    LMUnconfiguredTemplateList aTemplates;
    for (const QString& aDescription : TEMPLATES)
        aTemplates.append(make(aDescription));
    QVERIFY(registry()->insertTemplates(aTemplates, true, false));
    QCOMPARE(registry()->countTemplates(), TEMPLATES.size());
}

void TestRegistryProductQueries::cleanupTestCase()
{
    registry()->clear();
}

void TestRegistryProductQueries::wallDecorOffers_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("product");
    // An orientation, price class codes separated by commas, or one price class.
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("expected");

    // Frames: a product of the wall-decor classes (310) and a frame the frame filter accepts.
    row("frames: framed poster, frame's orientation", "frames", "FRAMED_A3", "2", true);
    row("frames: orientations sharing a bit", "frames", "FRAMED_A3", "3", true);
    row("frames: other orientation", "frames", "FRAMED_A3", "1", false);
    row("frames: class outside 310", "frames", "PRINT_A3", "2", false);
    row("frames: frame's add-on missing", "frames", "WALL_40", "2", false);
    row("frames: only the no-frame item", "frames", "WALL_50", "1", true);
    row("frame icon: framed poster", "icon", "FRAMED_A3", "", true);
    row("frame icon: class outside 310", "icon", "PRINT_A3", "", false);
    row("frame icon: frame's add-on missing", "icon", "WALL_40", "", false);

    // Glasses and passepartouts: the add-on for the frame's classes, and accepted templates.
    row("glasses: add-on for the class", "glasses", "FRAMED_A3", "04", true);
    row("glasses: one class of several", "glasses", "FRAMED_A3", "07,04", true);
    row("glasses: no add-on for the class", "glasses", "FRAMED_A3", "07", false);
    row("glasses: no classes", "glasses", "FRAMED_A3", "", false);
    row("glasses: any product class", "glasses", "PRINT_A3", "04", true);
    row("glasses: glass's add-on article missing", "glasses", "WALL_40", "04", false);
    row("passepartouts: add-on for the class", "passepartouts", "FRAMED_A3", "04", true);
    row("passepartouts: no add-on for the class", "passepartouts", "FRAMED_A3", "07", false);
    row("passepartouts: no classes", "passepartouts", "FRAMED_A3", "", false);
    row("passepartouts: mount's add-on article missing", "passepartouts", "WALL_40", "04", false);

    // Wallholders: the wallholder filter's results, of the price class.
    row("wallholders: priced hook with its add-on", "wallholders", "FRAMED_A3", "", true);
    row("wallholders: none fits", "wallholders", "BOOK_A4", "", false);
    row("wallholders: hook without add-on, must be hung", "wallholders", "WALL_40", "", false);
    row("wallholders: the no-wallholder item", "wallholders", "WALL_50", "", true);
    row("wallholder: of the hook's class", "wallholder", "FRAMED_A3", "08", true);
    row("wallholder: of another class", "wallholder", "FRAMED_A3", "09", false);
    row("wallholder: class without an accepted hook", "wallholder", "WALL_40", "08", false);
}

void TestRegistryProductQueries::wallDecorOffers()
{
    QFETCH(QString, query);
    QFETCH(QString, product);
    QFETCH(QString, argument);
    QFETCH(bool, expected);

    const LMTemplateContext aContext = context(product);
    QVERIFY(aContext.article().isValid());
    bool anAnswer = false;
    if (query == QLatin1String("frames"))
        anAnswer = registry()->hasFrameCategories(aContext, LMOrientation::fromInt(argument.toInt()));
    else if (query == QLatin1String("icon"))
        anAnswer = registry()->showFrameIcon(aContext);
    else if (query == QLatin1String("glasses"))
        anAnswer = registry()->hasFrameGlassesCategories(aContext, priceClasses(argument));
    else if (query == QLatin1String("passepartouts"))
        anAnswer = registry()->hasFramePassepartoutCategories(aContext, priceClasses(argument));
    else if (query == QLatin1String("wallholders"))
        anAnswer = registry()->hasWallholderCategories(aContext);
    else
        anAnswer = registry()->hasWallholder(aContext, LMPriceClass::create(argument));
    QCOMPARE(anAnswer, expected);
}

void TestRegistryProductQueries::lookups_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("expected");

    // Variant templates: layer type 8192, the product named, the variants held.
    row("variant: named product, any variants: the first", "variant", "FRAMED_A3", "", "room-wood");
    row("variant: one variant", "variant", "FRAMED_A3", "frame=alu", "room-alu");
    row("variant: all variants held", "variant", "FRAMED_A3", "frame=alu|size=a3", "room-alu");
    row("variant: variant nobody holds", "variant", "FRAMED_A3", "frame=plastic", "");
    row("variant: one variant of two missing", "variant", "FRAMED_A3", "frame=alu|size=a2", "");
    row("variant: product admitted only by an open template", "variant", "WALL_40", "", "");
    row("variant: layer type 8192", "variant", "PRINT_A3", "frame=alu", "room-print");
    row("variant: variant template kind without the layer type", "variant", "PRINT_A3", "frame=wood", "");
    // Passepartouts of a product, and the no-passepartout item (else the no-frame item).
    row("passepartout: the first for the product", "passepartout", "FRAMED_A3", "", "mount-white");
    row("passepartout: of the variant", "passepartout", "FRAMED_A3", "mount=plain", "mount-none");
    row("passepartout: of a variant none has", "passepartout", "FRAMED_A3", "mount=black", "");
    row("passepartout: product without", "passepartout", "BOOK_A4", "", "");
    row("no passepartout: framed class 48", "none", "FRAMED_A3", "", "mount-none");
    row("no passepartout: class 6 falls back to no frame", "none", "WALL_50", "", "frame-none");
    row("no passepartout: neither class", "none", "PRINT_A3", "", "");
}

void TestRegistryProductQueries::lookups()
{
    QFETCH(QString, query);
    QFETCH(QString, product);
    QFETCH(QString, wanted);
    QFETCH(QString, expected);

    LMUnconfiguredTemplate aFound;
    if (query == QLatin1String("variant"))
        aFound = registry()->findVariantTemplate(article(product), variants(wanted));
    else if (query == QLatin1String("passepartout"))
        aFound = registry()->findFramePassepartoutTemplate(article(product), variants(wanted));
    else
        aFound = registry()->findNoPassepartoutTemplate(context(product));
    QCOMPARE(aFound.name(), expected);
}

void TestRegistryProductQueries::backgrounds_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QStringList>("expected");

    row("all: plain and multi-colour, any category", "all", "BOOK_A4",
        QStringList { "paper", "wash", "wash-mc", "red" });
    row("all: with the product's own", "all", "PRINT_A3",
        QStringList { "paper", "wash", "wash-mc", "red", "print-paper" });
    row("multi-colour category", "multi", "BOOK_A4", QStringList { "wash", "wash-mc" });
    row("flat-colour category", "flat", "BOOK_A4", QStringList { "red" });
}

void TestRegistryProductQueries::backgrounds()
{
    QFETCH(QString, query);
    QFETCH(QString, product);
    QFETCH(QStringList, expected);

    const LMArticle anArticle = article(product);
    const LMUnconfiguredTemplateList aFound = query == QLatin1String("all") ? registry()->allBackgrounds(anArticle)
        : query == QLatin1String("multi") ? registry()->allMultiColorBackgrounds(anArticle)
                                          : registry()->allFlatColorBackgrounds(anArticle);
    QCOMPARE(templateNames(aFound), expected);
}

void TestRegistryProductQueries::templateGroups_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("expected");
    // Price classes the filter finds no add-on article for.
    QTest::addColumn<QStringList>("warnings");

    // Content templates of a group: categories and constraints only, any kind, no price check.
    row("content: the theme's templates for the product", "content", "BOOK_A4", "summer",
        QStringList { "design-summer", "design-summer-02", "design-summer-03", "layout-summer" }, QStringList());
    row("content: another theme", "content", "BOOK_A4", "winter", QStringList { "design-winter" }, QStringList());
    row("content: another product", "content", "PRINT_A3", "summer", QStringList { "design-summer-print" },
        QStringList());
    // A template group: designs through the content filter (priced ones need the product's
    // add-on), then the group's layouts.
    row("group: designs with add-ons, then layouts", "group", "BOOK_A4", "summer",
        QStringList { "design-summer", "design-summer-02", "layout-summer" }, QStringList { "03" });
    row("group: another theme", "group", "BOOK_A4", "winter", QStringList { "design-winter" }, QStringList());
    row("group: another product", "group", "PRINT_A3", "summer", QStringList { "design-summer-print" }, QStringList());
    // The layouts of a subcategory, for pages that take content.
    row("layouts: of the subcategory", "layouts", "BOOK_A4", "flowers", QStringList { "layout-flowers" },
        QStringList());
    row("layouts: of another subcategory", "layouts", "BOOK_A4", "trees", QStringList { "layout-trees" },
        QStringList());
    row("layouts: another product", "layouts", "PRINT_A3", "flowers", QStringList(), QStringList());
}

void TestRegistryProductQueries::templateGroups()
{
    QFETCH(QString, query);
    QFETCH(QString, product);
    QFETCH(QString, category);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, warnings);

    for (const QString& aPriceClass : warnings)
        QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("no add on article for ") + aPriceClass));
    const LMArticle anArticle = article(product);
    const LMThematicCategory aCategory(category);
    LMUnconfiguredTemplateList aFound;
    if (query == QLatin1String("content"))
        aFound = registry()->findAllContentTemplatesForTemplateGroup(
            anArticle, LMCategorization(LMCategoryTypeEnum::Theme, LMThematicCategorySet { aCategory }));
    else if (query == QLatin1String("group"))
        aFound = registry()->findAllTemplatesForTemplateGroup(anArticle, aCategory);
    else
        aFound = registry()->findAllLayoutsForSubCategory(anArticle, aCategory);
    QCOMPARE(templateNames(aFound), expected);
}

QTEST_GUILESS_MAIN(TestRegistryProductQueries)
#include "tst_registryproductqueries.moc"
