// The layout distributor on layouts read from a content tree: admission and relaxation, the
// photo-area count, the nearest layout with alignment and take counts, filling a layout with
// photos, the editor's lists, judging splits, examples, the report and the registry.
#include "LMArticle.h"
#include "LMBasisSettings.h"
#include "LMCategorization.h"
#include "LMDirectoryConfig.h"
#include "LMLayoutDistributor.h"
#include "LMLayoutDistributorRegistry.h"
#include "LMTemplate.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateSourceFile.h"
#include "LMTestContentTree.h"
#include "LMTestPhoto.h"
#include "LMTestSupport.h"

#include <QtConcurrent>
#include <QtTest>

#include <memory>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

const QString ARTICLE = QStringLiteral("ALBUM_TALL_21");

// A layout in a line: its name, then one letter per area in a 3 × 4 grid of 700-unit cells on the
// 2160 × 2860 page: P and L a large portrait or landscape photo area, p and l a small one, T a
// caption. Extra attributes follow a "|".
QString layoutXml(const QString& theLine)
{
    const QStringList aParts = theLine.split(QLatin1Char('|'));
    const QStringList aNameAndAreas = aParts.first().split(QLatin1Char(':'));
    static const QHash<QChar, QString> ourAreas { { 'P', "imagearea width='400' height='600'" },
                                                  { 'p', "imagearea width='200' height='300'" },
                                                  { 'L', "imagearea width='600' height='400'" },
                                                  { 'l', "imagearea width='300' height='200'" },
                                                  { 'T', "textarea type='caption' width='600' height='100'" } };
    QString anAreas;
    int aCell = 0;
    for (const QChar anArea : aNameAndAreas.value(1)) {
        anAreas += QStringLiteral("<%1 x='%2' y='%3'/>")
                       .arg(ourAreas.value(anArea))
                       .arg(110 + (aCell % 3) * 700)
                       .arg(110 + (aCell / 3) * 700);
        ++aCell;
    }
    return QStringLiteral("<template name='%1' %2><layout><total width='2160' height='2860'/>%3</layout></template>")
        .arg(aNameAndAreas.first(), aParts.value(1), anAreas);
}

// A layout file for the test product's inner pages; the extra text goes into its filter.
QByteArray layoutFile(const QStringList& theLayouts, const QString& theFilter = QString(), int theId = 7000)
{
    QString aText = QStringLiteral("<templates2 version='2' type='layoutcollection' designElementId='%1'><filter>"
                                   "<product>%2</product><pagetype>inner_page</pagetype>%3</filter>")
                        .arg(theId)
                        .arg(ARTICLE, theFilter);
    for (const QString& aLine : theLayouts)
        aText += layoutXml(aLine);
    return (aText + QStringLiteral("</templates2>")).toUtf8();
}

QStringList names(const LMUnconfiguredTemplateList& theLayouts)
{
    return LMTestSupport::templateNames(theLayouts);
}

QStringList names(const QList<LMConfiguredTemplate>& theLayouts)
{
    QStringList aNames;
    for (const LMConfiguredTemplate& aLayout : theLayouts)
        aNames << aLayout.name();
    return aNames;
}

using Pages = QList<QPair<int, int>>; // portrait and landscape photos per page
using Files = QMap<QString, QByteArray>; // file name → contents

QList<LMPortraitAndLandscapeCount> counts(const Pages& thePages)
{
    QList<LMPortraitAndLandscapeCount> aCounts;
    for (const auto& aPage : thePages)
        aCounts << LMPortraitAndLandscapeCount(aPage.first, aPage.second);
    return aCounts;
}

} // namespace

class tst_LayoutDistributor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(myPhotos.isValid()); }
    void cleanup() { LMBasisSettings::instance()->setMasterMode(false); }
    void countSelection_data()
    {
        columns<QStringList, int, int>("layouts", "photos", "areas");

        const QStringList aGappy { QStringLiteral("one:L"), QStringLiteral("two:LL"), QStringLiteral("three:LLL"),
                                   QStringLiteral("five:LLLLL"), QStringLiteral("six:LLLLLL") };
        row("a count with layouts is its own", aGappy, 3, 3);
        row("a gap goes to the next larger count", aGappy, 4, 5);
        row("above the largest: the smallest count", aGappy, 7, 1);
        row("no photos: the smallest count", aGappy, 0, 1);
        row("an empty list made by asking does not count",
            QStringList { QStringLiteral("two:LL"), QStringLiteral("four:LLLL") }, 3, 4);
    }
    void countSelection()
    {
        QFETCH(QStringList, layouts);
        QFETCH(int, photos);
        QFETCH(int, areas);
        const auto aDistributor = distributor(layouts);
        // Asking for a count keeps an empty list for it; it must not be taken for layouts.
        QVERIFY(aDistributor->templates(photos).isEmpty() || photos == areas);
        QCOMPARE(aDistributor->findNonEmptyTemplateListWithAboutThisAmountOfFotoAreas(photos), areas);
        QCOMPARE(aDistributor->maximumImagesOnAnyTemplate(), layouts.size() == 5 ? 6 : 4);
    }
    void emptyRepository()
    {
        QTest::ignoreMessage(QtWarningMsg, "Template repository empty!");
        const auto aDistributor = distributor(QStringList());
        QCOMPARE(aDistributor->findNonEmptyTemplateListWithAboutThisAmountOfFotoAreas(2), 0);
        QTest::ignoreMessage(QtWarningMsg, "Template repository empty!");
        QVERIFY(aDistributor->findLayout(LMPortraitAndLandscapeCount(1, 1), LMPageAlignmentEnum::Left).isNull());
        QCOMPARE(aDistributor->maximumImagesOnAnyTemplate(), 0);
        // Every count was relaxed for, five times, in vain.
        QCOMPARE(aDistributor->problematicImageCountLevel(1), 5);
        QCOMPARE(aDistributor->problematicImageCountLevel(11), 5);
        QCOMPARE(aDistributor->problematicImageCountLevel(12), 0);
        QVERIFY(aDistributor->exampleTemplate(2, 0, false).isNull());
    }
    void findLayout_data()
    {
        columns<Files, int, int, int, QString>("files", "portraits", "landscapes", "alignment", "expected");

        const Files aFives {
            { QStringLiteral("a.xml"),
              layoutFile({ QStringLiteral("1P4L:PLLLL"), QStringLiteral("2P3L:PPLLL"), QStringLiteral("two:LL") }) }
        };
        // Unadjusted, 1 + 3 would be as near to 1P4L as to 2P3L, and the first would win.
        row("4 photos on 5 areas: one more portrait wanted", aFives, 1, 3, 1, "2P3L");
        row("no portraits: the extra area is a portrait", aFives, 0, 4, 1, "1P4L");
        row("6 photos, more than any layout: the smallest count", aFives, 6, 0, 1, "two");
        row("an exact count is not adjusted", aFives, 2, 3, 2, "2P3L");

        const Files aSides { { QStringLiteral("left.xml"),
                               layoutFile({ QStringLiteral("left:LL") },
                                          QStringLiteral("<intendedAlignment>left</intendedAlignment>"), 7001) },
                             { QStringLiteral("right.xml"),
                               layoutFile({ QStringLiteral("right:PP") },
                                          QStringLiteral("<intendedAlignment>right</intendedAlignment>"), 7002) },
                             { QStringLiteral("any.xml"),
                               layoutFile({ QStringLiteral("any:LP") },
                                          QStringLiteral("<intendedAlignment>any</intendedAlignment>"), 7003) } };
        row("a layout for right pages only is not used on the left", aSides, 2, 0, 1, "any");
        row("on the right the right-page layout is nearer", aSides, 2, 0, 2, "right");
        row("two landscapes on the left", aSides, 0, 2, 1, "left");
        row("two landscapes on the right: the mixed layout is nearer than the portrait one", aSides, 0, 2, 2, "any");
    }
    void findLayout()
    {
        const auto aDistributor = distributorOf(fetch<Files>("files"));
        const LMConfiguredTemplate aLayout
            = aDistributor->findLayout(LMPortraitAndLandscapeCount(fetch<int>("portraits"), fetch<int>("landscapes")),
                                       LMPageAlignment::fromInt(fetch<int>("alignment")));
        QCOMPARE(aLayout.name(), fetch<QString>("expected"));
        QCOMPARE(aDistributor->layoutTakeCount(aLayout.unconfiguredTemplate()), 1);
    }
    void tiesAlternateByTakeCount()
    {
        const auto aDistributor
            = distributor({ QStringLiteral("first:PL"), QStringLiteral("second:LP"), QStringLiteral("far:PP") });
        QStringList aTaken;
        for (int i = 0; i < 5; ++i)
            aTaken << aDistributor->findLayout(LMPortraitAndLandscapeCount(1, 1), LMPageAlignmentEnum::Left).name();
        QCOMPARE(aTaken, QStringList({ "first", "second", "first", "second", "first" }));
        // Taking a layout by hand counts too: "second" (layouts are kept in name order) is now ahead.
        const LMUnconfiguredTemplateList aTwos = aDistributor->templates(2);
        QCOMPARE(names(aTwos), QStringList({ "far", "first", "second" }));
        aDistributor->takeLayout(aTwos.at(2));
        aDistributor->takeLayout(aTwos.at(2));
        QCOMPARE(aDistributor->findLayout(LMPortraitAndLandscapeCount(1, 1), LMPageAlignmentEnum::Right).name(),
                 QStringLiteral("first"));
        // A layout never taken counts 0.
        QVERIFY(aDistributor->tookLessOften(LMUnconfiguredTemplate(), aTwos.at(1)));
        QVERIFY(!aDistributor->tookLessOften(LMUnconfiguredTemplate(), aTwos.at(0)));
    }
    void concurrentTakes()
    {
        const auto aDistributor
            = distributor({ QStringLiteral("a:LL"), QStringLiteral("b:LL"), QStringLiteral("c:LLL") });
        QList<int> aCalls(400);
        std::iota(aCalls.begin(), aCalls.end(), 0);
        QtConcurrent::blockingMap(aCalls, [&aDistributor](int theCall) {
            aDistributor->findLayout(LMPortraitAndLandscapeCount(0, 2 + theCall % 2), LMPageAlignmentEnum::Left);
            aDistributor->judgeLayout(LMPortraitAndLandscapeCount(theCall % 3, 1), LMPageAlignmentEnum::Right);
        });
        const LMUnconfiguredTemplateList aTwos = aDistributor->templates(2);
        const int aA = aDistributor->layoutTakeCount(aTwos.at(0));
        const int aB = aDistributor->layoutTakeCount(aTwos.at(1));
        QCOMPARE(aA + aB, 200);
        // Ties alternate, whatever the interleaving: neither layout gets far ahead.
        QVERIFY2(qAbs(aA - aB) <= 2, qPrintable(QStringLiteral("%1 against %2").arg(aA).arg(aB)));
        QCOMPARE(aDistributor->layoutTakeCount(aDistributor->templates(3).at(0)), 200);
    }
    void admission_data()
    {
        columns<int, int, QStringList, QStringList, int>("configuration", "flags", "twos", "threes", "levelOfThree");

        // "shy" may not be used by the assistant; "caption" has a text area.
        row("no checks: everything, nothing relaxed", 0, 16, QStringList { "caption", "plain" }, QStringList { "shy" },
            0);
        row("assistant check: shy comes in by the first relaxation", 1, 16, QStringList { "caption", "plain" },
            QStringList { "shy" }, 1);
        row("assistant check, strictly: nothing is relaxed", 3, 16, QStringList { "caption", "plain" }, QStringList(),
            0);
        row("texts not allowed: captions stay out, relaxation does not allow them", 0, 0, QStringList { "plain" },
            QStringList { "shy" }, 0);
    }
    void admission()
    {
        QFETCH(int, configuration);
        QFETCH(int, levelOfThree);
        if (levelOfThree == 1)
            QTest::ignoreMessage(QtWarningMsg, "is breaking the law for shy");
        const auto aDistributor
            = distributorOf({ { QStringLiteral("a.xml"),
                                layoutFile({ QStringLiteral("plain:LL"), QStringLiteral("caption:LLT"),
                                             QStringLiteral("shy:LLL|usableByAssistant='false'") }) } },
                            configuration, LMLayoutFlags::fromInt(fetch<int>("flags")));
        QCOMPARE(names(aDistributor->templates(2)), fetch<QStringList>("twos"));
        QCOMPARE(names(aDistributor->templates(3)), fetch<QStringList>("threes"));
        QCOMPARE(aDistributor->problematicImageCountLevel(3), levelOfThree);
        QCOMPARE(aDistributor->problematicImageCountLevel(2), 0);
        QCOMPARE(aDistributor->problematicImageCountLevel(4), configuration & 2 ? 0 : 5);
    }
    void organizeFotos_data()
    {
        // Photos as name, orientation (P or L) and rating; "-" is a photo that cannot be read.
        columns<QString, QStringList, QStringList, QStringList>("layout", "photos", "expected", "remaining");

        row("3 photos on 2 areas: the lowest rated is left over", "two:LL", QStringList { "a L 1", "b L 3", "c L 2" },
            QStringList { "b", "c" }, QStringList { "a" });
        row("a landscape photo goes into a portrait area when nothing else is left", "tall:Pl", QStringList { "a L 0" },
            QStringList { "a" }, QStringList());
        row("each photo into the first area of its orientation, largest area first", "mixed:lP",
            QStringList { "p P 1", "q L 5" }, QStringList { "p", "q" }, QStringList());
        row("the best-rated portrait gets the large portrait area", "mixed:pLP",
            QStringList { "x P 1", "y P 4", "z L 2" }, QStringList { "z", "y", "x" }, QStringList());
        row("equal ratings keep their order", "three:LLL", QStringList { "a L 2", "b L 2", "c L 2" },
            QStringList { "a", "b", "c" }, QStringList());
        row("a photo that cannot be read fills a place that is left", "two:LL", QStringList { "-", "a L 1" },
            QStringList { "a", "-" }, QStringList());
    }
    void organizeFotos()
    {
        QFETCH(QStringList, photos);
        const auto aDistributor = distributor(QStringList { fetch<QString>("layout") });
        const LMConfiguredTemplate aLayout(
            aDistributor->templates(aDistributor->maximumImagesOnAnyTemplate()).value(0));
        QVERIFY(aLayout.isValid());

        QHash<LMFoto, QString> aNames;
        LMFotoList aFotos;
        for (const QString& aPhoto : std::as_const(photos)) {
            const QStringList aParts = aPhoto.split(QLatin1Char(' '));
            const LMFoto aFoto = aPhoto == QLatin1String("-")
                ? LMFoto(QUrl(QStringLiteral("file:///nowhere/missing.jpg")))
                : photo(aParts.at(0), aParts.value(1) == QLatin1String("P"), aParts.value(2).toInt());
            aNames.insert(aFoto, aParts.at(0));
            aFotos << aFoto;
        }
        const auto namesOf = [&aNames](const LMFotoList& theFotos) {
            QStringList aResult;
            for (const LMFoto& aFoto : theFotos)
                aResult << aNames.value(aFoto);
            return aResult;
        };
        const int anAreas = aLayout->analysis().countFotoAreas();
        if (anAreas < photos.size())
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("Wir haben nicht genug Fotoareas, benötigt: %1, "
                                                           "verfügbar: %2")
                                                .arg(photos.size())
                                                .arg(anAreas)));
        LMFotoList aRemaining { LMFoto(QUrl(QStringLiteral("file:///stale.jpg"))) };
        QCOMPARE(namesOf(aDistributor->organizeFotos(aFotos, aLayout, &aRemaining)), fetch<QStringList>("expected"));
        QCOMPARE(namesOf(aRemaining), fetch<QStringList>("remaining"));
        // Nothing to fill: the photos come back as they are, the remaining ones untouched.
        QCOMPARE(aDistributor->organizeFotos(aFotos, LMConfiguredTemplate(), &aRemaining), aFotos);
    }
    void editorLists_data()
    {
        columns<int, int, int, bool, QStringList>("portraits", "landscapes", "texts", "allowMore", "expected");

        // Offsets to 1 + 1 without texts: a 0, b 1 (one portrait too few), c 1 + 1 text, d 0.
        row("best first, of equal scores the later layout first", 1, 1, 0, false, QStringList { "d", "a", "b" });
        row("more texts allowed: the caption layout is one off, and newer than b", 1, 1, 0, true,
            QStringList { "d", "a", "c", "b" });
        row("one text wanted: only the caption layout has exactly one", 1, 1, 1, false, QStringList { "c" });
        row("no portraits wanted", 0, 2, 0, false, QStringList { "b", "d", "a" });
    }
    void editorLists()
    {
        QFETCH(int, texts);
        QFETCH(bool, allowMore);
        QFETCH(QStringList, expected);
        const auto aDistributor = distributor(
            { QStringLiteral("a:PL"), QStringLiteral("b:LL"), QStringLiteral("c:PLT"), QStringLiteral("d:LP") });
        const LMPortraitAndLandscapeCount aCount(fetch<int>("portraits"), fetch<int>("landscapes"));
        QCOMPARE(names(aDistributor->findLayouts(aCount, texts, allowMore, false)), expected);
        const QMultiMap<int, LMUnconfiguredTemplate> anOffsets
            = aDistributor->listOfOffsets(aCount, texts, allowMore, true);
        QCOMPARE(anOffsets.size(), expected.size());
        QVERIFY(std::is_sorted(anOffsets.keyBegin(), anOffsets.keyEnd()));
    }
    void judge_data()
    {
        columns<Pages, bool, int>("pages", "left", "expected");

        row("exact layouts, equal pages: 0", Pages { { 0, 2 }, { 0, 2 } }, true, 0);
        row("1 and 2 photos: 5 × 0.5 = 2.5 rounds away from zero to 3", Pages { { 0, 1 }, { 0, 2 } }, true, -3);
        row("1 and 3 photos: 5 × 1", Pages { { 0, 1 }, { 0, 3 } }, true, -5);
        row("a portrait where only landscapes are: 2 per page (one missing, one too many)", Pages { { 1, 1 } }, true,
            2);
        row("4 photos, layouts up to 3: the smallest count, 300 for three missing areas and 4 off", Pages { { 0, 4 } },
            true, 303);
        row("empty pages turn the page but are not judged", Pages { { 0, 0 }, { 0, 2 } }, true, 0);
        row("the left-only layout does not count on a right page", Pages { { 2, 0 } }, false, 4);
        row("on a left page it does", Pages { { 2, 0 } }, true, 0);
    }
    void judge()
    {
        QFETCH(Pages, pages);
        QFETCH(bool, left);
        QFETCH(int, expected);
        const auto aDistributor = distributorOf(
            { { QStringLiteral("a.xml"),
                layoutFile({ QStringLiteral("one:L"), QStringLiteral("two:LL"), QStringLiteral("three:LLL") }) },
              { QStringLiteral("b.xml"),
                layoutFile({ QStringLiteral("tall:PP") }, QStringLiteral("<intendedAlignment>left</intendedAlignment>"),
                           7004) } });
        QCOMPARE(aDistributor->judge(counts(pages), left), expected);
        // Remembered scores are the same scores.
        QCOMPARE(aDistributor->judge(counts(pages), left), expected);
    }
    void judgeOfRealPhotosAndTheBest()
    {
        const auto aDistributor = distributor({ QStringLiteral("one:L"), QStringLiteral("two:LL"),
                                                QStringLiteral("three:LLL"), QStringLiteral("tall:PP") });
        LMFotoList aFotos;
        for (int i = 0; i < 5; ++i)
            aFotos << photo(QStringLiteral("wide%1").arg(i), false, 0);
        const LMFotoList aPortraits { photo(QStringLiteral("up0"), true, 0), photo(QStringLiteral("up1"), true, 0) };

        // Photos read from files are judged as their counts are.
        const LMFotosForScenePack aPack(QQueue<LMFotoList>({ aFotos.mid(0, 2), aPortraits }), true);
        QCOMPARE(aDistributor->judge(aPack), aDistributor->judge(counts({ { 0, 2 }, { 2, 0 } }), true));
        QCOMPARE(aDistributor->judgeLayout(aPortraits, LMPageAlignmentEnum::Left), 0);
        QCOMPARE(aDistributor->judgeLayout(aFotos.mid(0, 3), LMPageAlignmentEnum::Left), 0);

        // 5 photos on 2 pages: 2 + 3 and 3 + 2 both score -3, 1 + 4 and 4 + 1 far worse; the first of the
        // equal ones wins.
        const LMFotoForScenePackList aSplits
            = LMFotoForScenePackList::createDifferentSplits(true, aFotos, 2, LMIntRange(1, 4));
        QCOMPARE(aSplits.size(), 4);
        QCOMPARE(aDistributor->findTheBest(aSplits).dump(), aSplits.at(1).dump());
        const LMFotosForScenePack anEmpty = aDistributor->findTheBest(LMFotoForScenePackList());
        QVERIFY(anEmpty.isEmpty());
        QVERIFY(anEmpty.weAreOnALeftPage());
    }
    void examples()
    {
        const auto aDistributor
            = distributor({ QStringLiteral("one:L"), QStringLiteral("two cap:LLT"), QStringLiteral("two tall:PP"),
                            QStringLiteral("two wide:LL"), QStringLiteral("three:PPL"), QStringLiteral("four:PLLL") });
        const auto example = [&aDistributor](unsigned theCount, int theIndex) {
            return aDistributor->exampleTemplate(theCount, theIndex, false).name();
        };
        // Without texts, most landscape areas first: "two wide", "two tall"; then on to 3, 4 and back to 1.
        QCOMPARE(example(2, 0), QStringLiteral("two wide"));
        QCOMPARE(example(2, 1), QStringLiteral("two tall"));
        QCOMPARE(example(2, 2), QStringLiteral("three"));
        QCOMPARE(example(2, 4), QStringLiteral("one"));
        QCOMPARE(example(1, 3), QStringLiteral("three"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^giving up .* false$")));
        QVERIFY(aDistributor->exampleTemplate(2, 50, false).isNull());

        QCOMPARE(aDistributor->findDemoTemplate(2, false).name(), QString());
        QCOMPARE(aDistributor->findDemoTemplate(3, false).name(), QStringLiteral("three"));
        QCOMPARE(aDistributor->findDemoTemplate(4, true).name(), QStringLiteral("four"));
    }
    void themeLayouts()
    {
        const QString aFilter = QStringLiteral("<subcategory>%1</subcategory>");
        const auto aDistributor = distributorOf(
            { { QStringLiteral("sea.xml"), layoutFile({ QStringLiteral("sea:LL") }, aFilter.arg("travel"), 7101) },
              { QStringLiteral("city.xml"), layoutFile({ QStringLiteral("city:LL") }, aFilter.arg("travel"), 7102) },
              { QStringLiteral("home.xml"), layoutFile({ QStringLiteral("home:LL") }, aFilter.arg("family"), 7103) } });
        // Content files name no themes: the editor's styles give them.
        const LMTemplateContext aContext(LMArticle::fromOrderTxtName(ARTICLE), LMPageTypeEnum::InnerPage);
        for (const LMUnconfiguredTemplate& aLayout : LMTemplateRegistry::instance()->getAllLayouts(aContext))
            aLayout.templatePointer()->setThematicCategories(
                LMCategoryTypeEnum::Theme,
                LMThematicCategorySet { LMThematicCategory(aLayout.name() == QLatin1String("city") ? "city" : "sea") });

        // A style's distributor without a collection starts empty and takes the theme's layouts.
        LMLayoutDistributor aThemed(aContext.article(), LMDesignElementIDSet());
        QCOMPARE(aThemed.maximumImagesOnAnyTemplate(), 0);
        LMCategorization aWanted;
        aWanted.insert(LMCategoryTypeEnum::Theme, LMThematicCategory(QStringLiteral("sea")));
        aWanted.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory(QStringLiteral("travel")));
        aThemed.initTemplates(aWanted);
        QCOMPARE(names(aThemed.templates(2)), QStringList { "sea" });
        // Demo layouts by subcategory: the first with one of them.
        QCOMPARE(
            aDistributor->findDemoTemplate(2, LMThematicCategorySet { LMThematicCategory(QStringLiteral("family")) })
                .name(),
            QStringLiteral("home"));
        QVERIFY(aDistributor->findDemoTemplate(2, LMThematicCategorySet { LMThematicCategory(QStringLiteral("x")) })
                    .isNull());
    }
    void report_data()
    {
        columns<QStringList, QStringList>("layouts", "expected");

        const QStringList aHead { "Layout Info:", "============" };
        const QStringList aTail { "End of Report", "=============" };
        row("a gap", QStringList { "one:L", "two a:PL", "two b:LL", "four:LLLL" },
            aHead
                + QStringList { "Anzahlen Fotos, für die es kein Layout gibt: 3",
                                "(Dadurch können leere Platzhalter oder leere Seiten entstehen!)", "Details:",
                                "--------", "#Fotos / #Layouts / L/P-Varianten / L/P-Abdeckung 1 / 1 / 1 / 50%",
                                "Name: one", "#Fotos / #Layouts / L/P-Varianten / L/P-Abdeckung 2 / 2 / 2 / 66%",
                                "Name: two a", "Name: two b",
                                "#Fotos / #Layouts / L/P-Varianten / L/P-Abdeckung 4 / 1 / 1 / 20%", "Name: four" }
                + aTail);
        row("every count", QStringList { "one:P", "two:LL" },
            aHead
                + QStringList { "Alle Anzahlen Fotos von 0 bis 2 haben mindestens ein Layout.", "Details:", "--------",
                                "#Fotos / #Layouts / L/P-Varianten / L/P-Abdeckung 1 / 1 / 1 / 50%", "Name: one",
                                "#Fotos / #Layouts / L/P-Varianten / L/P-Abdeckung 2 / 1 / 1 / 33%", "Name: two" }
                + aTail);
    }
    void report()
    {
        QFETCH(QStringList, expected);
        QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.distribution.info=true"));
        LMBasisSettings::instance()->setMasterMode(true);
        // The report is written as the distributor is made, line by line.
        for (const QString& aLine : std::as_const(expected))
            QTest::ignoreMessage(QtInfoMsg, qPrintable(aLine));
        const auto aDistributor = distributor(fetch<QStringList>("layouts"));
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(aDistributor->reportLines(), expected);
    }
    void registryKeepsOnePerPair()
    {
        const auto aDistributor = distributor({ QStringLiteral("one:L"), QStringLiteral("two:LL") });
        const LMArticle anArticle = LMArticle::fromOrderTxtName(ARTICLE);
        LMLayoutDistributorRegistry* aRegistry = LMLayoutDistributorRegistry::instance();
        const LMDesignStyleLayouts aMine(LMPageTypeEnum::InnerPage, LMDesignElementID(7000), QString());
        const LMDesignStyleLayouts anOther(LMPageTypeEnum::InnerPage, LMDesignElementID(7999), QString());
        LMLayoutDistributor* aFirst = aRegistry->findManager(anArticle, aMine);
        QCOMPARE(aRegistry->findManager(anArticle, aMine), aFirst);
        QVERIFY(aRegistry->findManager(anArticle, anOther) != aFirst);
        QCOMPARE(aRegistry->count(), 2);
        QCOMPARE(names(aFirst->templates(2)), QStringList { "two" });
        QCOMPARE(aRegistry->findManager(anArticle, anOther)->maximumImagesOnAnyTemplate(), 0);
        // The collection's layouts, on inner pages, for the assistant.
        QVERIFY(aFirst->checkUsableByAssistent());
        QCOMPARE(aFirst->templateContext().pageType(), LMPageType(LMPageTypeEnum::InnerPage));
    }

private:
    // A distributor (never null) for the test product's inner pages over the files (name → contents).
    std::unique_ptr<LMLayoutDistributor> distributorOf(const Files& theFiles, int theConfiguration = 0,
                                                       LMLayoutFlags theFlags = LMLayoutFlags(LMLayoutFlagsEnum::Texts))
    {
        QFile aCatalogue(LMDirectoryConfig::sampleContentRoot() + QStringLiteral("/products/catalogue.json"));
        myContent = std::make_unique<LMTestSupport::ContentTree>(
            aCatalogue.open(QIODevice::ReadOnly) ? aCatalogue.readAll() : QByteArray());
        if (!myContent->isValid())
            qFatal("cannot make the content tree");
        for (auto anIt = theFiles.cbegin(); anIt != theFiles.cend(); ++anIt)
            myContent->write(QStringLiteral("templates/categories/") + anIt.key(), anIt.value());
        LMTemplateSourceFile::refreshPreInstalledDirectory();
        LMTemplateFileManager::instance()->reInit();
        LMTemplateRegistry::instance()->clear();
        const LMTemplateContext aContext(LMArticle::fromOrderTxtName(ARTICLE), LMPageTypeEnum::InnerPage);
        return std::make_unique<LMLayoutDistributor>(
            aContext, LMLayoutDistributorConfiguration::fromInt(theConfiguration), theFlags);
    }
    std::unique_ptr<LMLayoutDistributor> distributor(const QStringList& theLayouts)
    {
        return distributorOf({ { QStringLiteral("layouts.xml"), layoutFile(theLayouts) } });
    }
    LMFoto photo(const QString& theName, bool thePortrait, int theRating)
    {
        const QString aPath
            = myPhotos.filePath(QStringLiteral("%1-%2-%3.jpg")
                                    .arg(theName, thePortrait ? QStringLiteral("P") : QStringLiteral("L"))
                                    .arg(theRating));
        if (!QFile::exists(aPath)) {
            QImage anImage(thePortrait ? QSize(40, 60) : QSize(60, 40), QImage::Format_RGB32);
            anImage.fill(Qt::darkCyan);
            LMTestSupport::PhotoTags aTags;
            aTags.xmpRating = theRating;
            if (!LMTestSupport::writePhoto(aPath, anImage, aTags))
                return LMFoto();
        }
        return LMFoto(QFileInfo(aPath));
    }

    QTemporaryDir myPhotos;
    std::unique_ptr<LMTestSupport::ContentTree> myContent;
};

QTEST_MAIN(tst_LayoutDistributor)
#include "tst_layoutdistributor.moc"
