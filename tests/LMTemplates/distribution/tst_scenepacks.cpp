#include "LMBasisSettings.h"
#include "LMDesignStyleLayouts.h"
#include "LMFotoForScenePackList.h"
#include "LMTestPhoto.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

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
} // namespace

class tst_ScenePacks : public QObject
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

private:
    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(tst_ScenePacks)
#include "tst_scenepacks.moc"
