// How a design style chooses: the template of each page (defined pages, the undefined ones in a
// cycle, last pages, covers), the page counts, and the item a list gives each page or area (by
// iterate and order, at random without repetition).
#include "LMDesignStyleBorders.h"
#include "LMDesignStylePages.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QSet>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

// The "pages" element of the text.
LMDesignStylePages pagesOf(const QString& theXml)
{
    QDomDocument aDocument;
    aDocument.setContent(QStringLiteral("<pages>%1</pages>").arg(theXml));
    return LMDesignStylePages(aDocument.documentElement());
}

// theCount borders of widths 1, 2, ... (an "s" in theSkips makes that one a "skip" entry).
LMDesignStyleBorders borders(int theCount, const QString& theIterate, const QString& theOrder,
                             const QString& theSkips = QString())
{
    QString aXml = QStringLiteral(R"(<borders type="imagearea" iterate="%1" order="%2">)").arg(theIterate, theOrder);
    for (int i = 0; i < theCount; ++i)
        aXml += (i < theSkips.size() && theSkips.at(i) == QLatin1Char('s'))
            ? QStringLiteral(R"(<border skip="true"/>)")
            : QStringLiteral(R"(<border width="%1" position="inside" color="#000000"/>)").arg(i + 1);
    QDomDocument aDocument;
    aDocument.setContent(aXml + QStringLiteral("</borders>"));
    return LMDesignStyleBorders(aDocument.documentElement());
}

// The index of the item given, "-" for none.
QString chosen(const LMDesignStyleBorders& theList, const LMDesignStyleReferencePoint& thePoint)
{
    const LMDesignStyleBorder* anItem = theList.select(thePoint);
    return anItem == nullptr ? QStringLiteral("-") : QString::number(theList.items().indexOf(*anItem));
}

const QString THREE_AND_TWO = QStringLiteral(
    R"(<page template="back"/><page template="spine"/><page template="front"/>
       <page template="u0" position="undefined"/><page template="u1" position="undefined"/>)");

} // namespace

class tst_DesignStylePages : public QObject
{
    Q_OBJECT

private slots:
    void templateNameForPage_data()
    {
        columns<QString, int, int, int, int, QString>("pages", "pageCount", "page", "cover", "alternative", "expected");
        row("a defined page", THREE_AND_TWO, 20, 2, 32, 0, "front");
        row("the first undefined page after the defined", THREE_AND_TWO, 20, 3, 32, 0, "u0");
        row("the second undefined page", THREE_AND_TWO, 20, 4, 32, 0, "u1");
        row("the undefined pages cycle", THREE_AND_TWO, 20, 5, 32, 0, "u0");
        row("and cycle on", THREE_AND_TWO, 20, 12, 32, 0, "u1");
        row("a regular cover skips the inside of the cover", THREE_AND_TWO, 20, 4, 1, 0, "u0");
        row("a regular cover counts page 3 as it is", THREE_AND_TWO, 20, 3, 1, 0, "u0");
        const QString aLast = THREE_AND_TWO
            + QStringLiteral(R"(<page template="A" position="last"/><page template="B" position="last-1"/>)");
        row("the last page by key 0", aLast, 20, 19, 32, 0, "A");
        row("the page before by key -1", aLast, 20, 18, 32, 0, "B");
        row("a page before the last pages cycles", aLast, 20, 17, 32, 0, "u0");
        row("a regular cover's last page lies four pages on", aLast, 20, 23, 1, 0, "A");
        row("and the one before it", aLast, 20, 22, 16, 0, "B");
        row("last0 is key 0", THREE_AND_TWO + QStringLiteral(R"(<page template="X" position="last0"/>)"), 9, 8, 32, 0,
            "X");
        row("an alternative", QStringLiteral(R"(<page template="a, b ,c"/>)"), 5, 0, 32, 2, "c");
        row("an alternative beyond the list", QStringLiteral(R"(<page template="a,b"/>)"), 5, 0, 32, 2, "");
        row("linen takes the linen list", QStringLiteral(R"(<page template="a,b" templateLL="l1,l2"/>)"), 5, 0, 4, 1,
            "l2");
        row("leather beyond the linen list takes its first",
            QStringLiteral(R"(<page template="a,b,c" templateLL="l1,l2"/>)"), 5, 0, 8, 2, "l1");
        row("linen without a linen list", QStringLiteral(R"(<page template="a,b"/>)"), 5, 0, 4, 1, "b");
        row("no undefined pages: nothing beyond the defined", QStringLiteral(R"(<page template="a"/>)"), 5, 3, 32, 0,
            "");
        row("no page before the first", THREE_AND_TWO, 20, -1, 32, 0, "");
        row("nothing at all", QString(), 5, 0, 32, 0, "");
    }
    void templateNameForPage()
    {
        QFETCH(int, page);
        const LMDesignStylePages aPages = pagesOf(fetch<QString>("pages"));
        const LMDesignStyleReferencePoint aPoint(0, page / 2, page, LMCoverType::fromInt(fetch<int>("cover")),
                                                 fetch<int>("alternative"));
        QCOMPARE(aPages.templateNameForPage(aPoint, fetch<int>("pageCount")), fetch<QString>("expected"));
    }

    void pageCounts_data()
    {
        columns<QString, int, int, int, QString, int>("pages", "cover", "doublePages", "normalPages", "emptyPages",
                                                      "coverDoublePages");
        row("three and two, soft", THREE_AND_TWO, 32, 3, 6, "", 1);
        row("three and two, hard", THREE_AND_TWO, 1, 3, 2, "3 6", 1);
        row("with last pages", THREE_AND_TWO + QStringLiteral(R"(<page template="z" position="last"/>)"), 2, 4, 4,
            "3 8", 1);
        row("alternative covers: the fewer of front and back",
            QStringLiteral(R"(<page template="b1,b2,b3"/><page template="s"/><page template="f1,f2"/>)"), 32, 2, 4, "",
            2);
        row("linen covers count the linen lists",
            QStringLiteral(R"(<page template="b1,b2" templateLL="l"/><page template="s"/><page template="f1,f2"/>)"), 4,
            2, 0, "3 4", 1);
        row("no cover pages", QStringLiteral(R"(<page template="a"/><page template="b"/>)"), 32, 1, 2, "", 0);
        row("nothing", QString(), 1, 0, 0, "0 3", 0);
    }
    void pageCounts()
    {
        const LMDesignStylePages aPages = pagesOf(fetch<QString>("pages"));
        const LMCoverType aCover = LMCoverType::fromInt(fetch<int>("cover"));
        QCOMPARE(aPages.doublePageTemplateCount(), fetch<int>("doublePages"));
        QCOMPARE(aPages.normalPageCount(aCover), fetch<int>("normalPages"));
        QStringList anEmpty;
        for (int p = 0; p < 12; ++p) {
            if (aPages.isEmptyPage(p, aCover))
                anEmpty << QString::number(p);
        }
        QCOMPARE(anEmpty.join(QLatin1Char(' ')), fetch<QString>("emptyPages"));
        QCOMPARE(aPages.coverDoublePages(aCover), fetch<int>("coverDoublePages"));
    }

    void plainPageList()
    {
        const LMDesignStylePages aPages(3);
        QStringList aNames;
        for (int p = 0; p < 8; ++p)
            aNames << aPages.templateNameForPage(LMDesignStyleReferencePoint(0, 0, p, LMCoverTypeEnum::Softcover), 8);
        QCOMPARE(aNames.join(QLatin1Char(' ')),
                 QStringLiteral("cover_back cover_spine cover_front page_001 page_002 page_003 page_001 page_002"));
    }

    void listSelection_data()
    {
        columns<int, QString, QString, QString, QString>("items", "iterate", "order", "points", "expected");
        // A point is page/scene/cluster; a list is asked once per point.
        row("list per page: round the items", 3, "perPage", "list", "0/0/0 1/0/0 2/1/0 3/1/0 4/2/0", "0 1 2 0 1");
        row("list per double page", 3, "perDoublePage", "list", "0/0/0 1/0/0 2/1/0 3/1/0 9/4/0", "0 0 1 1 1");
        row("list per cluster", 2, "perCluster", "list", "0/0/0 5/2/1 9/4/2 9/4/3", "0 1 0 1");
        row("list per area counts every call", 2, "perArea", "list", "0/0/0 0/0/0 0/0/0 1/0/0", "0 1 0 1");
        row("none stands still", 3, "none", "list", "0/0/0 1/0/0 7/3/2", "0 0 0");
        row("list and random together: beyond the list gives nothing", 2, "perPage", "list,random",
            "0/0/0 1/0/0 2/1/0 3/1/0", "0 1 - -");
        row("an unknown iterate stands still", 2, "sideways", "list", "0/0/0 1/0/0", "0 0");
        row("a skip entry gives nothing", 3, "perPage", "list", "0/0/0 1/0/0 2/0/0 3/0/0", "0 - 2 0");
        row("an empty list gives nothing", 0, "perPage", "list", "0/0/0 1/0/0", "- -");
    }
    void listSelection()
    {
        QFETCH(QString, points);
        const bool aSkip = QString::fromUtf8(QTest::currentDataTag()).contains(QLatin1String("skip"));
        const LMDesignStyleBorders aList = borders(fetch<int>("items"), fetch<QString>("iterate"),
                                                   fetch<QString>("order"), aSkip ? QStringLiteral("-s-") : QString());
        QStringList aChosen;
        for (const QString& aPoint : points.split(QLatin1Char(' '))) {
            const QStringList aParts = aPoint.split(QLatin1Char('/'));
            aChosen << chosen(
                aList, LMDesignStyleReferencePoint(aParts.at(2).toInt(), aParts.at(1).toInt(), aParts.at(0).toInt()));
        }
        QCOMPARE(aChosen.join(QLatin1Char(' ')), fetch<QString>("expected"));
    }

    // Random order: a page asked again keeps its item; n pages in a row get every item once, and
    // the next n pages again every item once.
    void randomWithoutRepetition_data()
    {
        columns<int, QString>("items", "iterate");
        row("one item", 1, "perPage");
        row("seven items", 7, "perPage");
        row("per area", 5, "perArea");
    }
    void randomWithoutRepetition()
    {
        QFETCH(int, items);
        QFETCH(QString, iterate);
        const LMDesignStyleBorders aList = borders(items, iterate, QStringLiteral("random"));
        const bool aPerArea = iterate == QLatin1String("perArea");
        for (int aRound = 0; aRound < 3; ++aRound) {
            QSet<QString> aSeen;
            for (int i = 0; i < items; ++i) {
                const LMDesignStyleReferencePoint aPoint(0, 0, aRound * items + i);
                const QString anItem = chosen(aList, aPoint);
                QVERIFY2(anItem != QLatin1String("-"), "random gives an item");
                if (!aPerArea)
                    QCOMPARE(chosen(aList, aPoint), anItem);
                QVERIFY2(!aSeen.contains(anItem), qPrintable(QStringLiteral("item %1 came twice").arg(anItem)));
                aSeen.insert(anItem);
            }
            QCOMPARE(aSeen.size(), items);
        }
    }

    // A copy takes over where the list stands.
    void copyKeepsTheState()
    {
        const LMDesignStyleBorders aList = borders(3, QStringLiteral("perArea"), QStringLiteral("list"));
        QCOMPARE(chosen(aList, LMDesignStyleReferencePoint()), QStringLiteral("0"));
        const LMDesignStyleBorders aCopy = aList;
        QCOMPARE(chosen(aCopy, LMDesignStyleReferencePoint()), QStringLiteral("1"));
        QCOMPARE(chosen(aList, LMDesignStyleReferencePoint()), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(tst_DesignStylePages)
#include "tst_designstylepages.moc"
