#include "LMArticlesGroup.h"
#include "LMBasisSettings.h"
#include "LMFileSystemWatcher.h"
#include "LMJigRegistry.h"
#include "LMJigStatusRepository.h"
#include "LMLoadingTest.h"
#include "LMProgressController.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateContext.h"
#include "LMTemplateFrame.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateRegistryInitBackgroundJob.h"
#include "LMTemplateRegistryWatcher.h"
#include "LMTestTemplates.h"

#include <QDomDocument>

#include <memory>

using namespace LMLoadingTest;
using LMTestSupport::templateNames;
using LMTestSupport::writeFile;

namespace {
const QString NOT_FOUND = QStringLiteral("could not find Template ");

// The registry's templates are layouts unless their description names another jig type.
LMUnconfiguredTemplate make(const QString& theDescription)
{
    const LMUnconfiguredTemplate aTemplate = LMTestSupport::releasedTemplate(theDescription);
    if (aTemplate->jigType() == LMJigType())
        aTemplate.templatePointer()->setJigType(LMJigTypeEnum::Layout);
    return aTemplate;
}

LMUnconfiguredTemplateList makeAll(const QStringList& theDescriptions)
{
    LMUnconfiguredTemplateList aList;
    for (const QString& aDescription : theDescriptions)
        aList.append(make(aDescription));
    return aList;
}

std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> smartLayout()
{
    return std::make_unique<LMTemplateAreaDefinitionSmartLayout>(LMRotatedRect(QRectF(0, 0, 10, 10)), LMAreaAbility(),
                                                                 LMAreaDecoration(), LMAreaPositioningConstraint(),
                                                                 LMImageFXs(), QSizeF(100, 100), LMAreaCreationRule());
}

// A version-2 document with one layout per name and design element id ("name:id").
QByteArray layouts(const QStringList& theNamesAndIds)
{
    QString aText = QStringLiteral("<templates2 version='2'><filter><product>BOOK_A4_HC</product></filter>");
    for (const QString& anEntry : theNamesAndIds)
        aText += QStringLiteral("<template name='%1' designElementId='%2'><layout><total width='10' height='10'/>"
                                "</layout></template>")
                     .arg(anEntry.section(QLatin1Char(':'), 0, 0), anEntry.section(QLatin1Char(':'), 1));
    return (aText + QStringLiteral("</templates2>")).toUtf8();
}
} // namespace

// The template registry: insertion and replacement, the name search with every fallback and its
// cache, the name helpers, the jig registry interface, content updates, product queries, signals.
class TestTemplateRegistry : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        myDir = std::make_unique<QTemporaryDir>();
        QVERIFY(myDir->isValid());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("passepartout code change 2 skipped")));
        QVERIFY(useContentTree(*myDir, fixture("registry_catalogue.json")));
        QCOMPARE(LMProductCatalogue::instance()->passepartoutCodeChanges().size(), 2);
        writeFile(*myDir, "content/templates/categories/book.xml", layouts({ "Buch:61" }));
    }

    void init() { registry()->clear(); }

    void insertReplacement_data()
    {
        columns<QString, QString, bool, QStringList, int>("first", "second", "inserted", "remaining", "oldSignals");

        row("same name, newer replaces", "a time=10", "a time=20", true, words("a@2"), 0);
        row("same name, older is refused", "a time=20", "a time=10", false, words("a@1"), 1);
        row("same name, equal time is refused", "a time=10", "a time=10", false, words("a@1"), 1);
        row("same name, no times is refused", "a", "a", false, words("a@1"), 1);
        row("other name, same time", "a time=10", "b time=10", true, words("a@1 b@2"), 0);
        row("ref- background after plain replaces it", "X B id=5", "ref-X B id=5", true, words("ref-X@2"), 0);
        row("plain background after ref- is refused", "ref-X B id=5", "X B id=5", false, words("ref-X@1"), 0);
        row("name holding the other's wins", "X B id=5", "BX B id=5", true, words("BX@2"), 0);
        row("name held by the other's is refused", "BX B id=5", "X B id=5", false, words("BX@1"), 0);
        row("unrelated backgrounds of one id both stay", "X B id=5", "Y B id=5", true, words("X@1 Y@2"), 0);
        row("two references: the new one wins", "ref-X B id=5", "ref-Y B id=5", true, words("ref-Y@2"), 0);
        row("multi-colour new one is exempt", "X B id=5 bg=5", "ref-X B id=5 bg=5 mc", true, words("X@1 ref-X@2"), 0);
        row("multi-colour existing one is exempt", "ref-X B id=5 bg=5 mc", "X B id=5 bg=5", true, words("ref-X@1 X@2"),
            0);
        row("other ids both stay", "X B id=5", "ref-X B id=6", true, words("X@1 ref-X@2"), 0);
        row("layouts are no backgrounds", "X layer=4 id=5", "ref-X layer=4 id=5", true, words("X@1 ref-X@2"), 0);
        row("backgrounds without id both stay", "X B", "ref-X B", true, words("X@1 ref-X@2"), 0);
    }

    void insertReplacement()
    {

        const LMUnconfiguredTemplate aFirst = make(fetch<QString>("first"));
        const LMUnconfiguredTemplate aSecond = make(fetch<QString>("second"));
        QSignalSpy anOldSpy(registry(), &LMTemplateRegistry::tryToInsertOldTemplate);
        QVERIFY(registry()->insertTemplate(aFirst, true));
        QCOMPARE(registry()->insertTemplate(aSecond, true), fetch<bool>("inserted"));
        QCOMPARE(anOldSpy.count(), fetch<int>("oldSignals"));

        QStringList aRemaining;
        for (const LMUnconfiguredTemplate& aTemplate : registry()->allTemplates())
            aRemaining.append(aTemplate.name() + (aTemplate == aFirst ? QStringLiteral("@1") : QStringLiteral("@2")));
        QCOMPARE(aRemaining, fetch<QStringList>("remaining"));
        // The unique-name index follows the central list.
        QCOMPARE(registry()->templateNameIsKnown(aFirst.uniqueName()),
                 registry()->allTemplates().contains(aFirst) || aFirst.uniqueName() == aSecond.uniqueName());
        QCOMPARE(registry()->templateNameIsKnown(aSecond.uniqueName()),
                 registry()->allTemplates().contains(aSecond) || aFirst.uniqueName() == aSecond.uniqueName());
    }

    void insertKeepsIndexes()
    {
        // A list's result is false when one was refused; the rest go in, in order.
        QVERIFY(!registry()->insertTemplates(makeAll({ "a id=1", "b B id=1", "a", "c jig=128 id=2" }), true, false));
        QCOMPARE(templateNames(registry()->allTemplates()), (words("a b c")));
        QCOMPARE(registry()->countTemplates(), 3);
        QCOMPARE(templateNames(registry()->allTemplatesForJigType(LMJigTypeEnum::Background)), words("b"));
        QCOMPARE(templateNames(registry()->allTemplatesForJigType(LMJigTypeEnum::Frame)), words("c"));
        QCOMPARE(templateNames(registry()->allTemplatesByDesignElementId(LMDesignElementID(1))), (words("a b")));
        QCOMPARE(registry()->findTemplateByDesignElementId(LMDesignElementID(1)).name(), QStringLiteral("a"));
        QVERIFY(registry()->findTemplateByDesignElementId(LMDesignElementID(3)).isNull());
        QCOMPARE(registry()->collectAllDesignElementIds(),
                 (LMDesignElementIDSet { LMDesignElementID(1), LMDesignElementID(2) }));
        QCOMPARE(registry()
                     ->findTemplateByDesignElementIdANDDesignElementName(LMDesignElementID(1), QStringLiteral("xbx"))
                     .name(),
                 QStringLiteral("b"));
        QVERIFY(registry()
                    ->findTemplateByDesignElementIdANDDesignElementName(LMDesignElementID(1), QStringLiteral("z"))
                    .isNull());
        QCOMPARE(registry()
                     ->findLayoutByName(QStringLiteral("c"),
                                        QList<LMDesignElementID> { LMDesignElementID(1), LMDesignElementID(2) })
                     .name(),
                 QStringLiteral("c"));
        QVERIFY(registry()->findLayoutByName(QStringLiteral("c"), LMDesignElementID(1)).isNull());
        QVERIFY(registry()->insertTemplates({}, true, false));

        // Removing takes the template out of every index.
        const LMUnconfiguredTemplate aB = registry()->findTemplateByName("b");
        registry()->removeFromCentralList(aB);
        QCOMPARE(templateNames(registry()->allTemplatesByDesignElementId(LMDesignElementID(1))), words("a"));
        QVERIFY(registry()->allTemplatesForJigType(LMJigTypeEnum::Background).isEmpty());
        QVERIFY(!registry()->templateNameIsKnown(aB.uniqueName()));
        // The handle stays valid: the registry keeps its templates.
        QCOMPARE(aB.name(), QStringLiteral("b"));
    }

    void insertAtFront()
    {
        registry()->insertTemplates(makeAll({ "a id=1", "b id=1" }), true, false);
        registry()->insertTemplate(make("c id=1"), false);
        QCOMPARE(templateNames(registry()->allTemplates()), (words("c a b")));
        QCOMPARE(templateNames(registry()->allTemplatesForJigType(LMJigTypeEnum::Layout)), (words("c a b")));
        QCOMPARE(templateNames(registry()->allTemplatesByDesignElementId(LMDesignElementID(1))), (words("c a b")));
        // The id index always appends: the first of the id stays the first inserted.
        QCOMPARE(registry()->findTemplateByDesignElementId(LMDesignElementID(1)).name(), QStringLiteral("a"));
    }

    void nameSearch_data()
    {
        columns<QStringList, QString, QString>("templates", "query", "found");

        row("empty name", words("a"), "", "");
        row("name", words("b a"), "a", "a");
        row("unique name", QStringList { "a art=BOOK_A4_HC" }, "a,normal,BOOK_A4_HC", "a");
        row("production id from a path", words("other dir/p.svg"), "/content/designs/dir/p.svg,normal,x", "dir/p.svg");
        row("nice name without offsets", QStringList { "x", "ab art=BOOK_A4_HC" }, "ab,5,-7,normal", "ab");
        row("passepartout code change", words("passepartout_500200"), "passepartout_100200", "passepartout_500200");
        row("passepartout codes only in passepartout names", words("frame_500200"), "frame_100200", "");
        row("minimal name", words("m"), "m,normal,gone", "m");
        row("nice name takes the shortest name", words("bgxx bgx bgy"), "bg", "bgx");
        row("nice name: the shortest at the end", words("bgxx bgyy bgzz bgx"), "bg", "bgx");
        row("production id in the last slice", words("a1 a2 a3 d/q.svg"), "/c/d/q.svg", "d/q.svg");
        row("nice name: the earlier of equal length", words("bgb bga"), "bg", "bgb");
        row("name variant of another theme", words("v"), "v,albfreetheme", "v");
        row("svg content part", words("p.svg"), "p.svg_content3", "p.svg");
        row("svg content without number", words("p.svg"), "p.svg_contentX", "");
        row("background of the leading id", QStringList { "other B bg=13 page=8", "twelve B bg=12 page=8" }, "12,foo",
            "twelve");
        row("leading id of another page type", QStringList { "twelve B bg=12 page=2" }, "12,foo", "");
        row("leading id falls back to white", QStringList { "white B bg=201 page=2" }, "12,foo", "white");
        row("leading id beyond 32 bits", QStringList { "white B bg=201 page=8" }, "99999999999,foo", "");
        row("a name that lost a character to Latin-1", words("Preis€"), "Preis?,normal", "Preis€");
        row("nothing", words("a b"), "zzz", "");
    }

    void nameSearch()
    {
        QFETCH(QString, found);

        registry()->insertTemplates(makeAll(fetch<QStringList>("templates")), true, false);
        const LMUnconfiguredTemplate aFound = registry()->searchForTemplate(fetch<QString>("query"));
        QCOMPARE(aFound.name(), found);
        QCOMPARE(aFound.isNull(), found.isEmpty());
    }

    void missesAreCachedUntilInsertion()
    {
        registry()->insertTemplates(makeAll({ "a", "201 B", "b art=BOOK_A4_HC" }), true, false);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("could not find Template")));

        // Normalised before searching and caching.
        QCOMPARE(registry()->findTemplateByName("Weiss,normal,").name(), QStringLiteral("201"));
        QCOMPARE(registry()->findTemplateByName("b,design,BOOK_A4_HC").name(), QStringLiteral("b"));
        QCOMPARE(registry()->findTemplateByName("b,albfreetheme,BOOK_A4_HC").name(), QStringLiteral("b"));

        QTest::ignoreMessage(QtWarningMsg, qPrintable(NOT_FOUND + QStringLiteral("zzz,normal,x")));
        QVERIFY(registry()->findTemplateByName("zzz,design,x").isNull());
        // The same miss again, under both spellings: answered from the cache without a warning.
        QVERIFY(registry()->findTemplateByName("zzz,normal,x").isNull());
        QVERIFY(registry()->findTemplateByName("zzz,design,x").isNull());

        // An insertion empties the cache: the new template is found.
        registry()->insertTemplates(makeAll({ "zzz art=BOOK_A4_HC" }), true, false);
        QVERIFY(registry()->findTemplateByName("zzz,design,x").isNull() == false);

        // A miss after another insertion warns again, once.
        QTest::ignoreMessage(QtWarningMsg, qPrintable(NOT_FOUND + QStringLiteral("nope")));
        QVERIFY(registry()->findTemplateByName("nope").isNull());
        QVERIFY(registry()->findTemplateByName("nope").isNull());
        registry()->insertTemplate(make("other"), true);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(NOT_FOUND + QStringLiteral("nope")));
        QVERIFY(registry()->findTemplateByName("nope").isNull());
    }

    void nameHelpers_data()
    {
        columns<QString, QString, QString>("helper", "input", "expected");

        row("nice: empty", "nice", "", "");
        row("nice: unknown type dropped", "nice", "a,unknown type,normal", "a,normal");
        row("nice: decoration after offsets", "nice", "a,1,-2,normal,x,Deko:y", "a,normal,Deko:y");
        row("nice: hue and fading", "nice", "bg,0,+0,30,2,normal,", "bg,hue=30,fading=2,normal,");
        row("nice: offsets dropped", "nice", "lay,10,-20,normal,BOOK", "lay,normal,BOOK");
        row("nice: one number is no offset", "nice", "lay,10,normal", "lay,10,normal");
        row("nice: dot folders", "nice", "x/./y/./z,normal", "x/y/z,normal");
        row("nice: absolute part before categories", "nice", "/c/templates/categories/a.xml,normal",
            "categories/a.xml,normal");
        row("nice: cut behind the pdf", "nice", "a,-1,-1,b.pdf,z", "a");
        row("nice: previews dropped", "nice", "a,normal,t.png", "a,normal");
        row("preview: png and pdf parts", "preview", "a,b.png,c.pdf,d", "a,d");
        row("preview: case-sensitive", "preview", "a,b.PNG,c.Pdf", "a,b.PNG,c.Pdf");
        row("minimal: two parts", "minimal", "a,b,c,d", "a,b");
        row("minimal: one part", "minimal", "a", "a");
        row("production id: last folder and file", "production", "/x/y/z.svg,normal", "y/z.svg");
        row("production id: none", "production", "plain,normal", "plain,normal");
        row("production id: no folder", "production", "z.svg", "z.svg");
        row("passepartout: all pairs", "passepartout", "passepartout,100200,100300", "passepartout,500200,500300");
        row("passepartout: other names unchanged", "passepartout", "frame,100200", "frame,100200");
        row("passepartout: case-sensitive prefix", "passepartout", "Passepartout,100200", "Passepartout,100200");
    }

    void nameHelpers()
    {
        QFETCH(QString, helper);
        QFETCH(QString, input);

        QString aResult;
        if (helper == QLatin1String("nice"))
            aResult = LMTemplateRegistry::makeTemplateNameNice(input);
        else if (helper == QLatin1String("preview"))
            aResult = LMTemplateRegistry::removePreviewAndPDFFromTemplatename(input);
        else if (helper == QLatin1String("minimal"))
            aResult = LMTemplateRegistry::makeTemplateNameMinimal(input);
        else if (helper == QLatin1String("production"))
            aResult = LMTemplateRegistry::extractProductionID(input);
        else
            aResult = LMTemplateRegistry::changePassepartoutArticles(input);
        QCOMPARE(aResult, fetch<QString>("expected"));
    }

    void jigRegistry()
    {
        registry()->insertTemplates(makeAll({ "a id=7", "b B id=8 inactive" }), true, false);
        const QList<LMJigType> aSupported = registry()->supportedJigs();
        QList<int> aValues;
        for (const LMJigType& aType : aSupported)
            aValues.append(aType.value());
        QCOMPARE(aValues, (QList<int> { 1, 4, 8, 128, 1024 }));

        const LMUnconfiguredTemplate aA = registry()->findTemplateByName("a");
        QCOMPARE(registry()->find(aA->createKey()), aA.templatePointer());
        QVERIFY(
            !registry()->find(LMJigKey(QStringLiteral("x"), QString(), LMJigTypeEnum::Layout, LMDesignElementID(7))));
        // Through the global jig registry, which asks the registries of the key's type.
        QVERIFY(LMJigRegistry::instance()->registries().contains(registry()));
        QCOMPARE(LMJigRegistry::instance()->find(aA->createKey()), aA.templatePointer());
        const LMJigKey aClipartKey(aA.name(), QString(), LMJigTypeEnum::Clipart, LMDesignElementID(7));
        QVERIFY(!LMJigRegistry::instance()->find(aClipartKey));

        QVERIFY(registry()->isInstalled(LMDesignElementID(7)));
        QVERIFY(registry()->isActive(LMDesignElementID(7)));
        QVERIFY(registry()->isInstalled(LMDesignElementID(8)));
        QVERIFY(!registry()->isActive(LMDesignElementID(8)));
        QVERIFY(!registry()->isInstalled(LMDesignElementID(9)));
        QVERIFY(!registry()->isActive(LMDesignElementID(9)));
    }

    void changedFilesAndConsumption()
    {
        const QString aFirst = writeFile(*myDir, "content/templates/upd1.xml", layouts({ "Eins:41" }));
        const QString aSecond = writeFile(*myDir, "content/templates/upd2.xml", layouts({ "Zwei:42", "Drei:43" }));
        registry()->readChangedFiles({ aFirst, aSecond });
        QCOMPARE(registry()->countTemplates(), 3);
        QCOMPARE(registry()->lastAddedDesignElementId(), LMDesignElementID(42));
        const LMJigType aType = registry()->findTemplateByDesignElementId(LMDesignElementID(42)).jigType();
        QCOMPARE(LMJigStatusRepository::instance()->status(LMDesignElementID(43)),
                 LMJigStatus(LMJigStatusEnum::Downloaded) | LMJigStatus(LMJigStatusEnum::New));

        // Another jig type keeps the id.
        QVERIFY(registry()->consumeLastAddedTemplate(LMJigTypeEnum::Wallholder).isNull());
        QVERIFY(!registry()->consumeLastAddedJig(LMJigTypeEnum::Wallholder));
        QCOMPARE(registry()->lastAddedDesignElementId(), LMDesignElementID(42));
        QCOMPARE(registry()->consumeLastAddedTemplate(aType).name(), QStringLiteral("Zwei"));
        QVERIFY(registry()->consumeLastAddedTemplate(aType).isNull());
        QVERIFY(!registry()->lastAddedDesignElementId().isValid());

        QCOMPARE(registry()->consumeLastAddedTemplates(LMJigTypeEnum::Wallholder).size(), 0);
        // The set is emptied by every call, also one of another type.
        QVERIFY(registry()->consumeLastAddedTemplates(aType).isEmpty());

        // A file read again: its template is not newer, but the ids count as added.
        registry()->readChangedFiles({ aFirst });
        QCOMPARE(registry()->countTemplates(), 3);
        // Files that load nothing change nothing.
        registry()->readChangedFiles({ myDir->filePath("content/missing.xml"), QStringLiteral("a.png") });
        QCOMPARE(registry()->lastAddedDesignElementId(), LMDesignElementID(41));
        QCOMPARE(templateNames(registry()->consumeLastAddedTemplates(aType)), words("Eins"));
        QVERIFY(registry()->consumeLastAddedTemplates(aType).isEmpty());
        QCOMPARE(registry()->consumeLastAddedJig(aType)->designElementID(), LMDesignElementID(41));
        QVERIFY(!registry()->consumeLastAddedJig(aType));
        registry()->readChangedFiles({ aFirst });
        registry()->resetLastAddedDesignElementId();
        QVERIFY(!registry()->consumeLastAddedJig(aType));
    }

    void backgroundById_data()
    {
        columns<QStringList, int, int, QString>("templates", "id", "pageType", "found");

        row("first of the id and page", QStringList { "a B bg=3 page=2", "b B bg=3 page=8", "c B bg=3 page=8" }, 3, 8,
            "b");
        row("page type shared", QStringList { "a B bg=3 page=24" }, 3, 8, "a");
        row("last white one", QStringList { "w1 B bg=201 page=2", "w2 B bg=201 page=2" }, 3, 8, "w2");
        row("nothing", QStringList { "a B bg=4 page=8" }, 3, 8, "");
        row("empty registry", QStringList {}, 3, 8, "");
    }

    void backgroundById()
    {
        QFETCH(int, id);
        QFETCH(int, pageType);
        QFETCH(QString, found);

        registry()->insertTemplates(makeAll(fetch<QStringList>("templates")), true, false);
        QCOMPARE(registry()->findBackgroundByID(LMDesignElementID(id), LMPageType::fromInt(pageType)).name(), found);
        if (pageType == 8)
            QCOMPARE(registry()->findBackgroundByID(LMDesignElementID(id)).name(), found);
    }

    void productQueries()
    {
        const LMArticle aBook = article("BOOK_A4_HC");
        const LMArticle aFrameArticle = article("FRAME_A3");
        QVERIFY(aBook.isValid() && aFrameArticle.isValid());
        registry()->insertTemplates(
            makeAll({ "p1 art=BOOK_A4_HC price=02 var=x", "p2 art=BOOK_A4_HC price=02 var=cover=linen",
                      "p3 art=BOOK_A4_HC price=03 var=x", "code file=/c/templates/ABC123/",
                      "f1 frame=2 art=FRAME_A3 orient=31", "f0 frame=1 art=FRAME_A3 orient=31", "ub user",
                      "bb B art=BOOK_A4_HC var=cover=linen bg=9 id=9" }),
            true, false);

        // The candidate with the article's default variants wins, else the last candidate.
        const auto aFind = [&aBook](const char* theClass, const char* theVariants, bool theExact) {
            return registry()
                ->findTemplate(LMPriceClass::create(QLatin1String(theClass)), aBook,
                               LMArticleVariants(words(theVariants)), theExact)
                .name();
        };
        QCOMPARE(aFind("02", "", false), QStringLiteral("p2"));
        QCOMPARE(aFind("03", "", false), QStringLiteral("p3"));
        QCOMPARE(aFind("02", "x", true), QStringLiteral("p1"));
        QCOMPARE(aFind("04", "", false), QString());
        QCOMPARE(registry()
                     ->findTemplateByPriceClassAndVariant(LMPriceClass::create(QStringLiteral("02")),
                                                          LMArticleVariants(words("cover=linen")))
                     .name(),
                 QStringLiteral("p2"));
        QCOMPARE(registry()->findTemplateByProductionCode(QStringLiteral("ABC123")).name(), QStringLiteral("code"));
        QVERIFY(registry()->findTemplateByProductionCode(QStringLiteral("XYZ")).isNull());
        QCOMPARE(templateNames(registry()->allUserLayouts()), words("ub"));

        // The no-frame choice only for framed articles.
        const LMTemplateContext aFrameContext(aFrameArticle, LMPageType());
        QCOMPARE(registry()->findNoFrameTemplate(aFrameContext).name(), QStringLiteral("f0"));
        QVERIFY(registry()->findNoFrameTemplate(LMTemplateContext(aBook, LMPageType())).isNull());
        QVERIFY(registry()->productHasJigType(aFrameArticle, LMJigTypeEnum::Frame));
        QVERIFY(!registry()->productHasJigType(aBook, LMJigTypeEnum::Frame));

        // Backgrounds by variant and by id.
        QCOMPARE(registry()->findDefaultBackgroundByProductVariant(aBook).name(), QStringLiteral("bb"));
        QVERIFY(registry()->findBackgroundByProductVariant(aBook, LMArticleVariants(words("y"))).isNull());
        QCOMPARE(registry()->findBackgroundByDesignElementId(LMDesignElementID(9), LMMultiColorConfig(), aBook).name(),
                 QStringLiteral("bb"));
        QVERIFY(registry()->findBackgroundByDesignElementId(LMDesignElementID(9), { 30, 2 }, aBook).isNull());
    }

    void notifications_data()
    {
        columns<bool, int>("notify", "reloads");
        row("without notification", false, 0);
        row("with notification", true, 1);
    }

    void notifications()
    {
        QFETCH(int, reloads);

        QSignalSpy anInserted(registry(), &LMTemplateRegistry::insertNewTemplate);
        QSignalSpy aReloaded(registry(), &LMTemplateRegistry::templatesReloaded);
        const LMUnconfiguredTemplateList aTemplates = makeAll({ "s1", "s2 user", "s1" });
        QVERIFY(!registry()->insertTemplates(aTemplates, true, fetch<bool>("notify")));
        QCOMPARE(anInserted.count(), 2);
        QCOMPARE(anInserted.at(1).at(0).value<LMUnconfiguredTemplate>(), aTemplates.at(1));
        QCOMPARE(aReloaded.count(), reloads);

        // Only user layouts are removed, with a reload.
        registry()->removeUserLayout(aTemplates.at(0));
        QCOMPARE(aReloaded.count(), reloads);
        QCOMPARE(registry()->countTemplates(), 2);
        registry()->removeUserLayout(aTemplates.at(1));
        QCOMPARE(aReloaded.count(), reloads + 1);
        QCOMPARE(templateNames(registry()->allTemplates()), words("s1"));
    }

    void smartLayoutsComeFirstAndOutliveClear()
    {
        LMCategorization aCategorization;
        aCategorization.insert(LMCategoryTypeEnum::Theme, LMThematicCategory(QStringLiteral("kept")));
        const std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> aSmartLayout = smartLayout();
        registry()->addSmartLayout(aCategorization, aSmartLayout.get());
        const LMUnconfiguredTemplate aGenerated = make("gen");
        registry()->setSmartGeneratedLayouts({ aGenerated });
        registry()->insertTemplates(makeAll({ "c1 id=3", "gen" }), true, false);
        // A generated layout comes first, found only under its unique name, and is none of the registry's.
        QCOMPARE(registry()->findTemplateByName("gen,normal"), aGenerated);
        QVERIFY(registry()->findTemplateByName("gen") != aGenerated);
        QVERIFY(!registry()->allTemplates().contains(aGenerated));
        registry()->clear();
        QCOMPARE(registry()->countTemplates(), 0);
        QVERIFY(registry()->collectAllDesignElementIds().isEmpty());
        QVERIFY(!registry()->templateNameIsKnown(QStringLiteral("c1,normal")));
        QCOMPARE(registry()->findSmartLayout(aCategorization), aSmartLayout.get());
        QCOMPARE(registry()->findTemplateByName("gen,normal"), aGenerated);
        registry()->addSmartLayout(aCategorization, nullptr);
    }

    void articleLoadsOnce()
    {
        QSignalSpy aStarted(LMProgressController::instance(), &LMProgressController::progressStarted);
        QSignalSpy aLoaded(registry(), &LMTemplateRegistry::templatesLoaded);
        const LMArticle aBook = article("BOOK_A4_HC");
        registry()->loadTemplatesWithProgress(aBook);
        QCOMPARE(aLoaded.count(), 1);
        // On the main thread with progress: four steps, all done, closed.
        QCOMPARE(aStarted.count(), 1);
        QCOMPARE(aStarted.at(0).at(0).toString(), QStringLiteral("Lade Designelemente für Buch A4"));
        QCOMPARE(LMProgressController::instance()->done(), 4);
        QVERIFY(!LMProgressController::instance()->isRunning());
        QVERIFY(registry()->countTemplates() >= 1);

        // Run option 9: no progress.
        LMBasisSettings::instance()->setRunOptions({ LMBasisSettings::runOptionName(9) });
        QVERIFY(LMBasisSettings::instance()->hasRunOption(9));
        registry()->loadTemplatesWithProgress(article("FRAME_A3"));
        LMBasisSettings::instance()->setRunOptions({});
        QCOMPARE(aStarted.count(), 1);
        QCOMPARE(aLoaded.count(), 2);
    }

    void initJob()
    {
        const LMTemplateRegistryInitBackgroundJob aJob;
        QVERIFY(aJob.doStuff());
        // The watcher passes the reload on, once however often the job ran.
        QVERIFY(aJob.doStuff());
        QSignalSpy aForwarded(LMTemplateRegistryWatcher::instance(), &LMTemplateRegistryWatcher::templatesReloaded);
        registry()->reloadTemplates();
        QCOMPARE(aForwarded.count(), 1);
    }

    void fileSystemWatcher()
    {
        LMFileSystemWatcher* aWatcher = LMFileSystemWatcher::instance();
        QSignalSpy aChanged(aWatcher, &LMFileSystemWatcher::filesChanged);
        aWatcher->notifyThatThisFilesHavechanged({ QStringLiteral("/x/a.xml") });
        QCOMPARE(aChanged.count(), 1);
        QCOMPARE(aChanged.takeFirst().at(0).toStringList(), words("/x/a.xml"));

        const QString aFolder = myDir->filePath("watched");
        QVERIFY(QDir().mkpath(aFolder + QStringLiteral("/old")));
        writeFile(*myDir, "watched/old/kept.xml", "<x/>");
        aWatcher->setWatchedFolders({ aFolder, myDir->filePath("absent") });
        QCOMPARE(aWatcher->watchedFolders(), QStringList { QDir::cleanPath(aFolder) });
        aWatcher->setDebounceInterval(50);
        // Only new template files count; a file there before and other kinds do not.
        const QString aNew = writeFile(*myDir, "watched/old/new.svg", "<x/>");
        writeFile(*myDir, "watched/old/notes.txt", "x");
        QTRY_COMPARE(aChanged.count(), 1);
        QCOMPARE(aChanged.takeFirst().at(0).toStringList(), QStringList { QFileInfo(aNew).absoluteFilePath() });
        // Another registry adds its folder: a change just made in a folder watched before is not lost.
        const QString aLater = writeFile(*myDir, "watched/old/later.xml", "<x/>");
        QVERIFY(QDir().mkpath(myDir->filePath("other")));
        aWatcher->setWatchedFolders({ aFolder, myDir->filePath("other") });
        QTRY_COMPARE(aChanged.count(), 1);
        QCOMPARE(aChanged.takeFirst().at(0).toStringList(), QStringList { QFileInfo(aLater).absoluteFilePath() });
        aWatcher->setWatchedFolders({});
        QVERIFY(aWatcher->watchedFolders().isEmpty());
    }

private:
    static LMTemplateRegistry* registry() { return LMTemplateRegistry::instance(); }

    std::unique_ptr<QTemporaryDir> myDir;
};

QTEST_GUILESS_MAIN(TestTemplateRegistry)
#include "tst_templateregistry.moc"
