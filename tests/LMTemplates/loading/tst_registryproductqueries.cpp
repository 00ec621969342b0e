#include "LMLoadingTest.h"
#include "LMTemplateContext.h"
#include "LMTemplateRegistry.h"
#include "LMTestTemplates.h"

#include <memory>

using namespace LMLoadingTest;
using LMTestSupport::releasedTemplate;
using LMTestSupport::templateNames;
using LMTestSupport::writeFile;

namespace {

LMTemplateContext context(const QString& theOrderName)
{
    return LMTemplateContext(article(theOrderName), LMPageType());
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

} // namespace

// The registry's questions about a product: which frames, glasses, passepartouts and wallholders
// it is offered (with the add-on articles of the catalogue), its variant templates, backgrounds,
// the designs of a template group and the layouts of a subcategory. Each condition of a rule has
// a row where it holds and one where it fails, and the two expect different answers.
class TestRegistryProductQueries : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        myDir = std::make_unique<QTemporaryDir>();
        QVERIFY(myDir->isValid());
        QVERIFY(useContentTree(*myDir, fixture("productqueries_catalogue.json")));
        QVERIFY(article("WALL_50").isValid());

        registry()->clear();
        LMUnconfiguredTemplateList aTemplates;
        for (const QString& aLine :
             QString::fromUtf8(fixture(QStringLiteral("productqueries_templates.txt"))).split(QLatin1Char('\n')))
            if (!aLine.isEmpty() && !aLine.startsWith(QLatin1Char('#')))
                aTemplates.append(releasedTemplate(aLine));
        QVERIFY(registry()->insertTemplates(aTemplates, true, false));
        QCOMPARE(registry()->countTemplates(), 27);
    }

    void cleanupTestCase() { registry()->clear(); }

    void wallDecorOffers_data()
    {
        // The argument: an orientation, price class codes separated by commas, or one price class.
        columns<QString, QString, QString, bool>("query", "product", "argument", "expected");

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

    void wallDecorOffers()
    {
        QFETCH(QString, query);
        QFETCH(QString, argument);

        const LMTemplateContext aContext = context(fetch<QString>("product"));
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
        QCOMPARE(anAnswer, fetch<bool>("expected"));
    }

    void lookups_data()
    {
        columns<QString, QString, QString, QString>("query", "product", "wanted", "expected");

        // Variant templates: layer type 8192, the product named, the variants held.
        row("variant: named product, any variants: the first", "variant", "FRAMED_A3", "", "room-wood");
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

    void lookups()
    {
        QFETCH(QString, query);
        QFETCH(QString, product);
        QFETCH(QString, wanted);

        LMUnconfiguredTemplate aFound;
        if (query == QLatin1String("variant"))
            aFound = registry()->findVariantTemplate(article(product), variants(wanted));
        else if (query == QLatin1String("passepartout"))
            aFound = registry()->findFramePassepartoutTemplate(article(product), variants(wanted));
        else
            aFound = registry()->findNoPassepartoutTemplate(context(product));
        QCOMPARE(aFound.name(), fetch<QString>("expected"));
    }

    void backgrounds_data()
    {
        columns<QString, QString, QStringList>("query", "product", "expected");

        row("all: plain and multi-colour, any category", "all", "BOOK_A4", words("paper wash wash-mc red"));
        row("all: with the product's own", "all", "PRINT_A3", words("paper wash wash-mc red print-paper"));
        row("multi-colour category", "multi", "BOOK_A4", words("wash wash-mc"));
        row("flat-colour category", "flat", "BOOK_A4", words("red"));
    }

    void backgrounds()
    {
        QFETCH(QString, query);

        const LMArticle anArticle = article(fetch<QString>("product"));
        const LMUnconfiguredTemplateList aFound = query == QLatin1String("all") ? registry()->allBackgrounds(anArticle)
            : query == QLatin1String("multi") ? registry()->allMultiColorBackgrounds(anArticle)
                                              : registry()->allFlatColorBackgrounds(anArticle);
        QCOMPARE(templateNames(aFound), fetch<QStringList>("expected"));
    }

    void templateGroups_data()
    {
        // The warnings: price classes the filter finds no add-on article for.
        columns<QString, QString, QString, QStringList, QStringList>("query", "product", "category", "expected",
                                                                     "warnings");

        // Content templates of a group: categories and constraints only, any kind, no price check.
        row("content: the theme's templates for the product", "content", "BOOK_A4", "summer",
            words("design-summer design-summer-02 design-summer-03 layout-summer"), QStringList());
        row("content: another product", "content", "PRINT_A3", "summer", words("design-summer-print"), QStringList());
        // A template group: designs through the content filter (priced ones need the product's
        // add-on), then the group's layouts.
        row("group: designs with add-ons, then layouts", "group", "BOOK_A4", "summer",
            words("design-summer design-summer-02 layout-summer"), words("03"));
        row("group: another product", "group", "PRINT_A3", "summer", words("design-summer-print"), QStringList());
        // The layouts of a subcategory, for pages that take content.
        row("layouts: of the subcategory", "layouts", "BOOK_A4", "flowers", words("layout-flowers"), QStringList());
        row("layouts: another product", "layouts", "PRINT_A3", "flowers", QStringList(), QStringList());
    }

    void templateGroups()
    {
        QFETCH(QString, query);

        for (const QString& aPriceClass : fetch<QStringList>("warnings"))
            QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral("no add on article for ") + aPriceClass));
        const LMArticle anArticle = article(fetch<QString>("product"));
        const LMThematicCategory aCategory(fetch<QString>("category"));
        LMUnconfiguredTemplateList aFound;
        if (query == QLatin1String("content"))
            aFound = registry()->findAllContentTemplatesForTemplateGroup(
                anArticle, LMCategorization(LMCategoryTypeEnum::Theme, LMThematicCategorySet { aCategory }));
        else if (query == QLatin1String("group"))
            aFound = registry()->findAllTemplatesForTemplateGroup(anArticle, aCategory);
        else
            aFound = registry()->findAllLayoutsForSubCategory(anArticle, aCategory);
        QCOMPARE(templateNames(aFound), fetch<QStringList>("expected"));
    }

private:
    static LMTemplateRegistry* registry() { return LMTemplateRegistry::instance(); }

    std::unique_ptr<QTemporaryDir> myDir;
};

QTEST_GUILESS_MAIN(TestRegistryProductQueries)
#include "tst_registryproductqueries.moc"
