// Distribution without a content tree: splits of photos into pages and scenes, design style layouts,
// the colour rating of templates and its cache, background strategies and distributors (hue lists,
// the nearest list, the special lists' alternation, round robin, the strategy's XML).
#include "LMBackgroundDistributorNearestNeighbour.h"
#include "LMBackgroundDistributorRegistry.h"
#include "LMBackgroundDistributorRoundRobin.h"
#include "LMBasisSettings.h"
#include "LMDesignStyleLayouts.h"
#include "LMFotoForScenePackList.h"
#include "LMTemplate.h"
#include "LMTemplateColorCache.h"
#include "LMTemplateRater.h"
#include "LMTemplateRegistry.h"
#include "LMTestPhoto.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
// Photos that exist only as names: enough where nothing reads their files.
LMFotoList names(int theCount)
{
    LMFotoList aFotos;
    for (int i = 0; i < theCount; ++i)
        aFotos.append(LMFoto(QUrl(QStringLiteral("file:///photos/%1.jpg").arg(i))));
    return aFotos;
}

QStringList dumps(const LMFotoForScenePackList& theSplits)
{
    QStringList aDumps;
    for (const LMFotosForScenePack& aPack : theSplits)
        aDumps.append(aPack.dump());
    return aDumps;
}

LMConfiguredTemplate namedTemplate(const QString& theName)
{
    static std::vector<std::unique_ptr<LMTemplate>> ourTemplates;
    auto aTemplate = std::make_unique<LMTemplate>(LMJigTypeEnum::Background);
    aTemplate->setName(theName);
    const LMConfiguredTemplate aResult(LMUnconfiguredTemplate(aTemplate.get()));
    ourTemplates.push_back(std::move(aTemplate));
    return aResult;
}

using Lists = QMap<int, QStringList>;

// Background templates live for the process, as the registry's do.
LMConfiguredTemplate background(const QString& theName, int theId, const QColor& theColor)
{
    static std::vector<std::unique_ptr<LMTemplate>> ourTemplates;
    auto aTemplate = std::make_unique<LMTemplate>(LMJigTypeEnum::Background);
    aTemplate->setName(theName);
    QDomDocument aDocument;
    QDomElement anElement = aDocument.createElement(QStringLiteral("template"));
    anElement.setAttribute(QStringLiteral("filename"), QStringLiteral("bg_%1.png").arg(theId));
    aTemplate->setLayerDefinitionBackground(LMTemplateBackgroundDefinition::fromXml(anElement));
    LMTemplateContextGroup aGroup;
    aGroup.setPageConstraint(LMPageConstraint(LMPageTypeEnum::InnerPage));
    aTemplate->setContextGroup(aGroup);
    const LMConfiguredTemplate aResult(LMUnconfiguredTemplate(aTemplate.get()));
    ourTemplates.push_back(std::move(aTemplate));
    LMBackgroundDistributorAbstract::recordPredominantColor(aResult, theColor);
    return aResult;
}

Lists listsOf(const LMBackgroundDistributorAbstract& theDistributor)
{
    Lists aResult;
    auto& aDistributor = const_cast<LMBackgroundDistributorAbstract&>(theDistributor);
    for (int aKey : theDistributor.templateListKeys()) {
        for (const LMConfiguredTemplate& aTemplate : aDistributor.templateList(aKey))
            aResult[aKey].append(aTemplate.name());
    }
    return aResult;
}

LMBackgroundStrategy strategy(int theFlags, const LMTemplateList& theExplicit = LMTemplateList())
{
    LMBackgroundStrategy aStrategy;
    aStrategy.setBackgroundFlags(theFlags);
    aStrategy.setExplicitBackgrounds(theExplicit);
    return aStrategy;
}
} // namespace

class tst_Distribution : public QObject
{
    Q_OBJECT

private slots:
    void splits_data()
    {
        columns<int, int, int, int, bool, QStringList>("fotos", "pages", "min", "max", "left", "expected");

        row("ascending first page, then second", 10, 3, 3, 4, true,
            QStringList { "left: 3 + 3 + 4", "left: 3 + 4 + 3", "left: 4 + 3 + 3" });
        row("one page inside the range", 4, 1, 3, 5, false, QStringList { "right: 4" });
        row("one page outside the range", 6, 1, 3, 5, true, QStringList());
        row("too many photos for the pages", 10, 2, 1, 4, true, QStringList());
        row("too few photos for the pages", 3, 2, 2, 4, true, QStringList());
        row("no pages", 3, 0, 1, 4, true, QStringList());
        row("exactly the largest pages", 8, 2, 1, 4, true, QStringList { "left: 4 + 4" });
        row("empty pages allowed", 1, 2, 0, 1, true, QStringList { "left: 0 + 1", "left: 1 + 0" });
        row("negative sizes count as empty", 1, 2, -3, 1, true, QStringList { "left: 0 + 1", "left: 1 + 0" });
        row("invalid range", 4, 2, 3, 1, true, QStringList());
    }
    void splits()
    {
        QFETCH(int, fotos);
        QFETCH(int, pages);
        QFETCH(QStringList, expected);

        const LMFotoList aFotos = names(fotos);
        const LMIntRange aRange(fetch<int>("min"), fetch<int>("max"));
        const LMFotoForScenePackList aSplits
            = LMFotoForScenePackList::createDifferentSplits(fetch<bool>("left"), aFotos, pages, aRange);
        QCOMPARE(dumps(aSplits), expected);
        QCOMPARE(LMFotoForScenePackList::countSplits(fotos, pages, aRange), qint64(expected.size()));
        // Every split keeps the photos in their order.
        for (const LMFotosForScenePack& aPack : aSplits)
            QCOMPARE(aPack.allFotos(), aFotos);
    }
    void splitsAreCapped()
    {
        // 30 pages of 3 to 5 photos: about 10^12 splits of 120 photos.
        const LMIntRange aRange(3, 5);
        QVERIFY(LMFotoForScenePackList::countSplits(120, 30, aRange) > LMFotoForScenePackList::MAXIMUM_SPLITS);
        const LMFotoForScenePackList aSplits
            = LMFotoForScenePackList::createDifferentSplits(true, names(120), 30, aRange);
        QCOMPARE(aSplits.size(), LMFotoForScenePackList::MAXIMUM_SPLITS);
        // The first splits in order: the smallest pages first, the last pages taking up the rest.
        QVERIFY(aSplits.first().dump().startsWith(QStringLiteral("left: 3 + 3 + 3")));
        QVERIFY(aSplits.first().dump().endsWith(QStringLiteral("5 + 5 + 5")));
    }
    void variationRange_data()
    {
        columns<int, int, int, int, int>("fotos", "pages", "variation", "min", "max");

        row("no variation: average and one more", 10, 3, 0, 3, 4);
        row("negative variation is none", 10, 3, -2, 3, 4);
        row("variation around the average", 40, 10, 1, 3, 5);
        row("never below one photo", 3, 4, 2, 1, 2);
        row("fewer photos than pages", 2, 5, 0, 1, 1);
    }
    void variationRange()
    {
        QCOMPARE(LMFotoForScenePackList::rangeForVariation(fetch<int>("fotos"), fetch<int>("pages"),
                                                           fetch<int>("variation")),
                 LMIntRange(fetch<int>("min"), fetch<int>("max")));
    }
    void connectedFotos_data()
    {
        columns<QStringList, int>("times", "expected");

        // The first time is that of the given list, the others those of the queued pages.
        row("exactly 12 hours later belongs",
            QStringList { "2024:05:01 08:00:00", "2024:05:01 12:00:00", "2024:05:01 20:00:00" }, 3);
        row("12 hours and a second later ends it",
            QStringList { "2024:05:01 08:00:00", "2024:05:01 20:00:01", "2024:05:01 09:00:00" }, 1);
        row("the first later page ends it",
            QStringList { "2024:05:01 08:00:00", "2024:05:01 09:00:00", "2024:05:03 09:00:00", "2024:05:01 10:00:00" },
            2);
    }
    void connectedFotos()
    {
        QFETCH(QStringList, times);

        QVERIFY(myDir.isValid());
        LMFotoList aFotos;
        for (int i = 0; i < times.size(); ++i) {
            const QString aPath = myDir.filePath(QStringLiteral("%1/%2.jpg").arg(QTest::currentDataTag()).arg(i));
            QImage anImage(40, 30, QImage::Format_RGB32);
            anImage.fill(Qt::gray);
            LMTestSupport::PhotoTags aTags;
            aTags.dateTimeOriginal = times.at(i);
            aTags.offsetTimeOriginal = QStringLiteral("+00:00");
            QVERIFY(LMTestSupport::writePhoto(aPath, anImage, aTags));
            aFotos.append(LMFoto(QFileInfo(aPath)));
        }
        LMFotosForScenePack aPack(true);
        for (int i = 1; i < aFotos.size(); ++i)
            aPack.appendPageFotos({ aFotos.at(i) });
        QCOMPARE(aPack.connectedFotos({ aFotos.first() }), aFotos.mid(0, fetch<int>("expected")));
    }
    void optimizeScenes_data()
    {
        // Per page its photos as "p" (portrait) or "l" (landscape) with a rating digit.
        columns<bool, QStringList, QStringList>("left", "pages", "expected");

        row("single page gets the best of its orientation", true, QStringList { "p1", "p3 l5 p2" },
            QStringList { "p3", "p1 l5 p2" });
        row("single right page", true, QStringList { "l1 l2 p4", "l3" }, QStringList { "l1 l2 p4", "l3" });
        row("the single page keeps its photo when it is best", true, QStringList { "l4 l2", "l3" },
            QStringList { "l2 l3", "l4" });
        row("equal sizes stay", true, QStringList { "p1 p2", "p5 l1" }, QStringList { "p1 p2", "p5 l1" });
        row("no single page stays", true, QStringList { "p1 p2", "p5 l1 l2" }, QStringList { "p1 p2", "p5 l1 l2" });
        row("a right page first stays alone", false, QStringList { "p1", "p2 p5", "l1" },
            QStringList { "p1", "p2 p5", "l1" });
        row("last unpaired page stays", true, QStringList { "p1", "p4 p2", "l1" }, QStringList { "p4", "p1 p2", "l1" });
    }
    void optimizeScenes()
    {
        QFETCH(bool, left);

        QVERIFY(myDir.isValid());
        QHash<QString, LMFoto> aByName;
        LMFotosForScenePack aPack(left);
        for (const QString& aPage : fetch<QStringList>("pages")) {
            LMFotoList aFotos;
            for (const QString& aName : aPage.split(QLatin1Char(' '))) {
                const QString aPath = myDir.filePath(QStringLiteral("scenes/%1.jpg").arg(aName));
                if (!QFileInfo::exists(aPath)) {
                    QImage anImage = aName.startsWith(QLatin1Char('p')) ? QImage(30, 40, QImage::Format_RGB32)
                                                                        : QImage(40, 30, QImage::Format_RGB32);
                    anImage.fill(Qt::darkGreen);
                    LMTestSupport::PhotoTags aTags;
                    aTags.xmpRating = aName.mid(1).toInt();
                    QVERIFY(LMTestSupport::writePhoto(aPath, anImage, aTags));
                }
                aByName.insert(aName, LMFoto(QFileInfo(aPath)));
                aFotos.append(aByName.value(aName));
            }
            aPack.appendPageFotos(aFotos);
        }
        aPack.optimizeScenes();
        QStringList aResult;
        for (const LMFotoList& aPage : aPack.pages()) {
            QStringList aNames;
            for (const LMFoto& aFoto : aPage)
                aNames.append(aByName.key(aFoto));
            aResult.append(aNames.join(QLatin1Char(' ')));
        }
        QCOMPARE(aResult, fetch<QStringList>("expected"));
        QCOMPARE(aPack.weAreOnALeftPage(), left);
    }
    void consumeTurnsThePage()
    {
        QQueue<LMFotoList> aPages;
        aPages << names(2) << names(1);
        LMFotosForScenePack aPack(aPages, true);
        QCOMPARE(aPack.peekNextFotos(5).size(), 3);
        QCOMPARE(aPack.consumePageFotos().size(), 2);
        QVERIFY(!aPack.weAreOnALeftPage());
        QCOMPARE(aPack.consumePageFotos().size(), 1);
        QVERIFY(aPack.weAreOnALeftPage());
        // An empty pack gives nothing and stays on its side.
        QVERIFY(aPack.consumePageFotos().isEmpty());
        QVERIFY(aPack.weAreOnALeftPage());
        // The sum keeps the side of the left operand.
        const LMFotosForScenePack aSum = LMFotosForScenePack(names(1), false) + LMFotosForScenePack(names(2), true);
        QCOMPARE(aSum.dump(), QStringLiteral("right: 1 + 2"));
    }
    void designStyleLayouts_data()
    {
        columns<QString, bool, bool, QString>("xml", "masterMode", "valid", "debug");

        row("collections in order, names per page type",
            R"(<layouts><layoutCollection designElementId="12"/><layoutCollection designElementId="7"/>)"
            R"(<pageType value="inner_page" id="Two photos"/><fill/></layouts>)",
            false, true, "LMDesignStyleLayouts(collections [12, 7], named [inner_page=Two photos])");
        row("one value, two page types",
            R"(<layouts><layoutCollection designElementId="3"/>)"
            R"(<pageType value="first_page, last_page" id="Title"/></layouts>)",
            false, true, "LMDesignStyleLayouts(collections [3], named [first_page=Title, last_page=Title])");
        row("unparsable id outside authoring mode", R"(<layouts><layoutCollection designElementId="x"/></layouts>)",
            false, false, "LMDesignStyleLayouts(collections [], named [])");
        row("unparsable id kept in authoring mode", R"(<layouts><layoutCollection designElementId="x"/></layouts>)",
            true, true, "LMDesignStyleLayouts(collections [0], named [])");
        row("names without page type or name are skipped",
            R"(<layouts><pageType value="" id="A"/><pageType value="inner_page" id=""/></layouts>)", false, false,
            "LMDesignStyleLayouts(collections [], named [])");
    }
    void designStyleLayouts()
    {
        LMBasisSettings::instance()->setMasterMode(fetch<bool>("masterMode"));
        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(fetch<QString>("xml")));
        const LMDesignStyleLayouts aLayouts(aDocument.documentElement());
        QCOMPARE(aLayouts.isValid(), fetch<bool>("valid"));
        QCOMPARE(aLayouts.toDebugString(), fetch<QString>("debug"));

        // What is written reads back equal; a null value writes nothing.
        QDomDocument aWritten;
        QDomElement aRoot = aWritten.createElement(QStringLiteral("page"));
        aWritten.appendChild(aRoot);
        aLayouts.buildXML(aRoot);
        QCOMPARE(aRoot.firstChildElement().isNull(), aLayouts.isNull());
        const LMDesignStyleLayouts aRead(aRoot.firstChildElement(QStringLiteral("layouts")));
        QCOMPARE(aRead, aLayouts);
        QCOMPARE(aRead.hashValue(), aLayouts.hashValue());
        LMBasisSettings::instance()->setMasterMode(false);
    }
    void designStyleLayoutsOrder()
    {
        // The same collections in another order differ, and hash alike.
        const auto read = [](const QString& theXml) {
            QDomDocument aDocument;
            aDocument.setContent(theXml);
            return LMDesignStyleLayouts(aDocument.documentElement());
        };
        const LMDesignStyleLayouts aForward = read(QStringLiteral(
            R"(<layouts><layoutCollection designElementId="12"/><layoutCollection designElementId="7"/></layouts>)"));
        const LMDesignStyleLayouts aBackward = read(QStringLiteral(
            R"(<layouts><layoutCollection designElementId="7"/><layoutCollection designElementId="12"/></layouts>)"));
        QVERIFY(aForward != aBackward);
        QCOMPARE(aForward.hashValue(), aBackward.hashValue());
        QCOMPARE(aForward.hashValue(), 19u);
        QCOMPARE(LMDesignStyleLayouts().hashValue(), 0u);
    }

    void distance_data()
    {
        columns<QColor, QColor, int>("reference", "color", "expected");

        const QColor aRed = QColor::fromHsv(350, 255, 255);
        row("hues 350 and 10 are 20 apart", aRed, QColor::fromHsv(10, 255, 255), 20 * 65025);
        row("hues 10 and 350 are 20 apart too", QColor::fromHsv(10, 255, 255), aRed, 20 * 65025);
        row("exactly 180 apart does not wrap", QColor::fromHsv(0, 255, 255), QColor::fromHsv(180, 255, 255),
            180 * 65025);
        row("lack of saturation, then of brightness", aRed, QColor::fromHsv(350, 200, 100), 55 * 255 + 155);
        row("a grey: squared brightness distance, negative", QColor::fromHsv(0, 255, 200), QColor(100, 100, 100),
            100 * 100 - 650250);
        row("the brightest grey far off is still negative", QColor::fromHsv(0, 255, 0), QColor(255, 255, 255),
            255 * 255 - 650250);
    }

    void distance()
    {
        QCOMPARE(
            LMTemplateRater(fetch<QColor>("reference"), LMTemplateContext()).measureDistance(fetch<QColor>("color")),
            fetch<int>("expected"));
    }

    void rate_data()
    {
        QTest::addColumn<QColor>("reference");
        QTest::addColumn<QList<QColor>>("colors"); // of templates t0, t1 ...
        QTest::addColumn<QStringList>("expected");

        const QList<QColor> aColors { QColor::fromHsv(120, 255, 255), QColor(200, 200, 200),
                                      QColor::fromHsv(220, 255, 255), QColor(30, 30, 30) };
        row("invalid colour keeps the input order", QColor(), aColors, QStringList { "t0", "t1", "t2", "t3" });
        row("greys first by brightness, then colours by hue", QColor::fromHsv(200, 255, 40), aColors,
            QStringList { "t3", "t1", "t2", "t0" });
        row("a bright reference puts the light grey first", QColor::fromHsv(100, 255, 255), aColors,
            QStringList { "t1", "t3", "t0", "t2" });
    }

    void rate()
    {
        QFETCH(QList<QColor>, colors);

        LMTemplateList aTemplates;
        QHash<QString, QString> aNames;
        for (qsizetype i = 0; i < colors.size(); ++i) {
            const LMConfiguredTemplate aTemplate
                = namedTemplate(QStringLiteral("%1-t%2").arg(QTest::currentDataTag()).arg(i));
            LMTemplateColorCache::instance()->record(aTemplate, colors.at(i));
            aNames.insert(aTemplate.name(), QStringLiteral("t%1").arg(i));
            aTemplates << aTemplate;
        }
        QStringList aResult;
        for (const LMConfiguredTemplate& aTemplate :
             LMTemplateRater(fetch<QColor>("reference"), LMTemplateContext()).rate(aTemplates))
            aResult << aNames.value(aTemplate.name());
        QCOMPARE(aResult, fetch<QStringList>("expected"));
    }

    void ratedOrder()
    {
        const LMConfiguredTemplate aFirst = namedTemplate(QStringLiteral("first"));
        const LMConfiguredTemplate aSecond = namedTemplate(QStringLiteral("second"));
        QVERIFY(LMRatedTemplate(aSecond, 1) < LMRatedTemplate(aFirst, 2));
        QCOMPARE(LMRatedTemplate(aFirst, 5) < LMRatedTemplate(aSecond, 5), aFirst < aSecond);
        QVERIFY(LMRatedTemplate(aFirst, 5) != LMRatedTemplate(aFirst, 6));
    }

    // Two threads prepare overlapping lists while a third asks for colours: every template ends
    // up measured once per name, and what colorOf answers is what was measured.
    void parallelPrepare()
    {
        LMTemplateList aTemplates;
        for (int i = 0; i < 24; ++i)
            aTemplates << namedTemplate(QStringLiteral("parallel%1").arg(i));
        const LMTemplateList aFirstHalf(aTemplates.mid(0, 16));
        const LMTemplateList aSecondHalf(aTemplates.mid(8));
        LMTemplateColorCache* aCache = LMTemplateColorCache::instance();
        QCOMPARE(aCache->filterNotInCacheNow(aTemplates).size(), aTemplates.size());

        std::thread aOne([&] { aCache->prepare(aFirstHalf, LMTemplateContext()); });
        std::thread aTwo([&] { aCache->prepare(aSecondHalf, LMTemplateContext()); });
        std::thread aReader([&] {
            for (const LMConfiguredTemplate& aTemplate : aTemplates)
                aCache->colorOf(aTemplate, LMTemplateContext());
        });
        aOne.join();
        aTwo.join();
        aReader.join();

        QVERIFY(aCache->filterNotInCacheNow(aTemplates).isEmpty());
        for (const LMConfiguredTemplate& aTemplate : aTemplates)
            QCOMPARE(aCache->colorOf(aTemplate, LMTemplateContext()),
                     LMTemplateColorCache::measure(aTemplate, LMTemplateContext()));
    }

    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        LMTemplateRegistry::instance()->clear();
        myBlack = background(QStringLiteral("black"), 212, Qt::black);
        myWhite = background(QStringLiteral("white"), 201, Qt::white);
        LMUnconfiguredTemplateList aBlackAndWhite;
        aBlackAndWhite << myBlack.unconfiguredTemplate() << myWhite.unconfiguredTemplate();
        QVERIFY(LMTemplateRegistry::instance()->insertTemplates(aBlackAndWhite, true, false));
    }

    void hueLists_data()
    {
        columns<int, QList<int>, Lists>("flags", "explicitHues", "expected");

        const QStringList aRed { QStringLiteral("hue350") };
        row("explicit hue 350 is class 0 and goes to its neighbours 330 and 30", 0, QList<int> { 350 },
            Lists { { 0, aRed }, { 30, aRed }, { 330, aRed } });
        const QStringList aCyan { QStringLiteral("hue170") };
        row("explicit hue 170 is class 180", 0, QList<int> { 170 },
            Lists { { 150, aCyan }, { 180, aCyan }, { 210, aCyan } });
        Lists aBlackAndWhite;
        for (int aHue = 0; aHue < 360; aHue += 30)
            aBlackAndWhite[aHue] = QStringList { QStringLiteral("black"), QStringLiteral("white") };
        row("flags 3: black and white in every list", 3, QList<int>(), aBlackAndWhite);
        Lists aBlack;
        for (int aHue = 0; aHue < 360; aHue += 30)
            aBlack[aHue] = QStringList { QStringLiteral("black") };
        row("flag 2 alone: the white fallback of the registry does not sneak in", 2, QList<int>(), aBlack);
        row("without multi-colour backgrounds only black and white count", (64 | 16 | 2), QList<int>(), aBlack);
    }

    void hueLists()
    {
        LMTemplateList anExplicit;
        for (int aHue : fetch<QList<int>>("explicitHues"))
            anExplicit << background(QStringLiteral("hue%1").arg(aHue), 9000 + aHue, QColor::fromHsv(aHue, 200, 200));
        const LMBackgroundDistributorNearestNeighbour aDistributor(LMArticle(),
                                                                   strategy(fetch<int>("flags"), anExplicit));
        QCOMPARE(listsOf(aDistributor), fetch<Lists>("expected"));
    }

    void flatColorHue_data()
    {
        columns<QColor, int>("color", "hueClass");

        row("hue 350 rounds to 0, not 360", QColor::fromHsv(350, 255, 255), 0);
        row("hue 345 is half-way: up to 0", QColor::fromHsv(345, 255, 255), 0);
        row("hue 344 stays in 330", QColor::fromHsv(344, 255, 255), 330);
        row("hue 15 is half-way: up to 30", QColor::fromHsv(15, 255, 255), 30);
        row("grey has no hue: class 0", QColor(128, 128, 128), 0);
    }

    void flatColorHue()
    {
        QFETCH(QColor, color);
        QCOMPARE(LMBackgroundDistributorAbstract::findHueForFlatColor(
                     background(QTest::currentDataTag(), 8000 + color.hue(), color)),
                 fetch<int>("hueClass"));
    }

    void nearestNeighbour_data()
    {
        QTest::addColumn<QColor>("fotoColor");
        QTest::addColumn<QList<int>>("listHues"); // one dark and one bright background per hue
        QTest::addColumn<QString>("expected");

        row("achromatic photos look in class 0, bright picks bright", QColor(230, 230, 230), QList<int> { 0, 180 },
            QStringLiteral("bright0"));
        row("dark grey photos pick the dark background of class 0", QColor(40, 40, 40), QList<int> { 0, 180 },
            QStringLiteral("dark0"));
        row("a red photo walks out to the nearest filled list, 60 before 270", QColor(200, 0, 0),
            QList<int> { 60, 270 }, QStringLiteral("bright60"));
        row("a blue photo finds its own class", QColor(20, 20, 200), QList<int> { 0, 240 },
            QStringLiteral("bright240"));
        row("no list filled: no background", QColor(200, 0, 0), QList<int>(), QString());
    }

    void nearestNeighbour()
    {
        LMBackgroundDistributorNearestNeighbour aDistributor(LMArticle(), strategy(0));
        for (int aHue : fetch<QList<int>>("listHues")) {
            aDistributor.insertIntoTemplateList(
                background(QStringLiteral("dark%1").arg(aHue), 7000 + aHue, QColor::fromHsv(aHue, 200, 50)), aHue);
            aDistributor.insertIntoTemplateList(
                background(QStringLiteral("bright%1").arg(aHue), 7500 + aHue, QColor::fromHsv(aHue, 200, 240)), aHue);
        }
        QImage anImage(64, 48, QImage::Format_RGB32);
        anImage.fill(fetch<QColor>("fotoColor"));
        const QString aPath = myDir.filePath(QStringLiteral("%1.jpg").arg(QTest::currentDataTag()));
        QVERIFY(LMTestSupport::writePhoto(aPath, anImage, LMTestSupport::PhotoTags()));
        const LMFotoList aFotos { LMFoto(QFileInfo(aPath)), LMFoto(QFileInfo(aPath)) };
        QCOMPARE(aDistributor.selectTemplate(aFotos).name(), fetch<QString>("expected"));
    }

    void specialLists_data()
    {
        columns<QList<int>, bool>("specialKeys", "takeSepiaNext");
        QTest::addColumn<QList<int>>("expectedKeys"); // of three searches in a row

        row("both lists alternate, starting with 12", QList<int> { 12, 13 }, false, QList<int> { 12, 13, 12 });
        row("both lists alternate, starting with sepia when its turn", QList<int> { 12, 13 }, true,
            QList<int> { 13, 12, 13 });
        row("only sepia: always sepia", QList<int> { 13 }, true, QList<int> { 13, 13, 13 });
        row("only 12: always 12", QList<int> { 12 }, false, QList<int> { 12, 12, 12 });
        row("none: the far list after the special steps", QList<int>(), false, QList<int> { 180 });
    }

    void specialLists()
    {
        QFETCH(QList<int>, expectedKeys);

        LMBackgroundDistributorNearestNeighbour aDistributor(LMArticle(), strategy(0));
        // Beyond three steps from class 0: found only after the special lists.
        aDistributor.insertIntoTemplateList(background(QStringLiteral("special180"), 7180, Qt::cyan), 180);
        for (int aKey : fetch<QList<int>>("specialKeys"))
            aDistributor.insertIntoTemplateList(
                background(QStringLiteral("special%1").arg(aKey), 7700 + aKey, Qt::darkYellow), aKey);
        LMBackgroundDistributorNearestNeighbour::setTakeSepiaNext(fetch<bool>("takeSepiaNext"));
        QList<int> aKeys;
        for (int i = 0; i < expectedKeys.size(); ++i) {
            const LMTemplateList* aList = aDistributor.findClosestTemplateList(0);
            QVERIFY(aList);
            aKeys << aList->first().name().mid(7).toInt();
        }
        QCOMPARE(aKeys, expectedKeys);
    }

    void roundRobinWraps()
    {
        LMBackgroundDistributorRoundRobin aDistributor(LMArticle(), strategy(0));
        aDistributor.insertIntoTemplateList(background(QStringLiteral("a"), 7301, Qt::red), 0);
        aDistributor.insertIntoTemplateList(background(QStringLiteral("b"), 7302, Qt::green), 120);
        aDistributor.insertIntoTemplateList(background(QStringLiteral("c"), 7303, Qt::blue), 240);
        QStringList aNames;
        for (int i = 0; i < 5; ++i)
            aNames << aDistributor.selectTemplate(LMFotoList()).name();
        QCOMPARE(aNames, (QStringList { "a", "b", "c", "a", "b" }));
    }

    void strategyXml_data()
    {
        columns<QString, int, int, int>("xml", "flags", "hueCount", "distribution");

        row("no flags: black and white", "<background/>", 3, 12, 2);
        row("flags, hues and nearest neighbour",
            R"(<background flags="64" distribution="1"><hues><hue value="0"/><hue value="13"/></hues></background>)",
            64, 2, 1);
        row("empty hues: no hue allowed", R"(<background flags="4"><hues/></background>)", 4, 0, 2);
        row("unknown distribution is implicit", R"(<background flags="1" distribution="7"/>)", 1, 12, 2);
    }

    void strategyXml()
    {
        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(fetch<QString>("xml")));
        const LMBackgroundStrategy aStrategy(aDocument.documentElement());
        QCOMPARE(aStrategy.totalBackgroundFlags(), fetch<int>("flags"));
        QCOMPARE(aStrategy.backgroundHues().size(), fetch<int>("hueCount"));
        QCOMPARE(int(aStrategy.distributionStrategyImplicit()), fetch<int>("distribution"));

        // A named document: a default-constructed one is null and takes no elements.
        QDomDocument aWritten(QStringLiteral("strategy"));
        aStrategy.buildXML(aWritten);
        QCOMPARE(LMBackgroundStrategy(aWritten.documentElement()), aStrategy);
    }

    void implicitDistribution_data()
    {
        columns<int, int, int>("flags", "explicitCount", "expected");

        row("four explicit is still few", 0, 4, 1);
        row("five explicit: round robin", 0, 5, 2);
        row("no explicit: round robin", 0, 0, 2);
        row("explicit and implicit: round robin", 64, 2, 2);
    }

    void implicitDistribution()
    {
        QFETCH(int, expected);

        LMTemplateList anExplicit;
        const int explicitCount = fetch<int>("explicitCount");
        for (int i = 0; i < explicitCount; ++i)
            anExplicit << background(QStringLiteral("x%1").arg(i), 7400 + i, Qt::red);
        const LMBackgroundStrategy aStrategy = strategy(fetch<int>("flags"), anExplicit);
        QCOMPARE(int(aStrategy.distributionStrategyImplicit()), expected);
        const bool aRoundRobin = dynamic_cast<LMBackgroundDistributorRoundRobin*>(
            LMBackgroundDistributorRegistry::instance()->findManager(LMArticle(), aStrategy));
        QCOMPARE(aRoundRobin, expected == 2);
    }

private:
    QTemporaryDir myDir;
    LMConfiguredTemplate myBlack;
    LMConfiguredTemplate myWhite;
};

QTEST_MAIN(tst_Distribution)
#include "tst_distribution.moc"
