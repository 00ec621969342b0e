// A design style building the pages of the sample's products: named layouts before the
// distributor, "all" orientations, rule sets in their order and where their items land, photos in
// the areas and those left over, the spine's logo, what a style needs, and inner pages
// synthesised from the first inner page.
#include "LMArticle.h"
#include "LMDecorationRegistry.h"
#include "LMDesignStyle.h"
#include "LMDesignStyleAreas.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionFotoContainer.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateRegistry.h"
#include "LMTestSample.h"
#include "LMTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

const QString TALL = QStringLiteral("ALBUM_TALL_21");
const QString SQUARE = QStringLiteral("ALBUM_SQUARE_20");

QString samplePath(const QString& theRelativePath)
{
    return LMDirectoryConfig::sampleContentRoot() + QLatin1Char('/') + theRelativePath;
}

LMDesignStyle meadow()
{
    return LMDesignStyle(QFileInfo(samplePath(QStringLiteral("styles/meadow-album.xml"))));
}

LMFotoList samplePhotos(int theCount)
{
    static const QStringList ourNames { "morning-sunrise.jpg", "morning-dunes.jpg",    "morning-lighthouse.jpg",
                                        "morning-shell.jpg",   "afternoon-forest.jpg", "afternoon-rocks.jpg" };
    LMFotoList aFotos;
    for (int i = 0; i < theCount; ++i)
        aFotos.append(LMFoto(QFileInfo(samplePath(QStringLiteral("photos/") + ourNames.at(i % ourNames.size())))));
    return aFotos;
}

// A page of the portrait book (hard cover).
LMDesignStyleReferencePoint tallPage(int thePage)
{
    return LMDesignStyleReferencePoint(0, thePage / 2, thePage, LMCoverTypeEnum::Hardcover);
}

// The photo areas' borders in list order: the width in tenths of a millimetre, "-" for none.
QString borders(const LMAreaDefinitionResult& thePage)
{
    QStringList aWidths;
    for (const LMTemplateAreaDefinition* anArea :
         LMDesignStyleAreas::ofType(thePage.templateAreaDefinitionList(), LMAreaTypeEnum::Foto)) {
        const LMBorderConfig& aBorder = anArea->decoration().border();
        aWidths << (aBorder.isNoBorder() ? QStringLiteral("-") : QString::number(aBorder.width().toUnits()));
    }
    return aWidths.join(QLatin1Char(' '));
}

} // namespace

class tst_DesignStyleBook : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(myUserData.isValid());
        QVERIFY(LMTestSupport::openSampleContent(myUserData, { TALL, SQUARE }));
        myTall = LMArticle::fromOrderTxtName(TALL);
        QVERIFY(LMDecorationRegistry::instance()->clipart(LMDesignElementID(7103)) != nullptr);
    }

    // Which template and layout a page gets; "from N" names the collection of a distributor's
    // layout.
    void pageLayouts_data()
    {
        columns<QString, int, int, QString, QString, QString>("article", "pageCount", "page", "template", "layout",
                                                              "pageType");
        row("the portrait title page takes its named layout", TALL, 10, 4, "title", "Album title page", "first_page");
        row("the square title page has none: the distributor's", SQUARE, 13, 3, "title", "from 5100", "first_page");
        row("all orientations: portrait", TALL, 10, 5, "inner_warm", "from 5100", "inner_page");
        row("all orientations: square", SQUARE, 13, 4, "inner_warm", "from 5100", "inner_page");
        row("the cool pages draw from two collections", TALL, 10, 6, "inner_cool", "from 5100 5160", "inner_page");
        row("the last page by key", TALL, 10, 13, "closing", "from 5100", "last_page");
        row("a board cover's spine", TALL, 10, 1, "cover_spine", "from 5160", "spine");
    }
    void pageLayouts()
    {
        QFETCH(int, pageCount);
        QFETCH(int, page);
        QFETCH(QString, layout);
        const LMArticle anArticle = LMArticle::fromOrderTxtName(fetch<QString>("article"));
        const LMDesignStyleReferencePoint aPoint(0, page / 2, page, anArticle.coverType());
        QCOMPARE(LMDesignStyleImpl::createTemplateContext(anArticle, aPoint, pageCount).pageType().encodeCSV(),
                 fetch<QString>("pageType"));
        const LMAreaDefinitionResult aPage = meadow().areaDefinitions(aPoint, pageCount, anArticle, samplePhotos(1));
        QTEST(aPage.usedPageTemplate(), "template");
        QVERIFY(aPage.layoutTemplate().isValid());
        if (layout.startsWith(QLatin1String("from "))) {
            const QStringList aCollections = layout.mid(5).split(QLatin1Char(' '));
            QVERIFY2(aCollections.contains(aPage.layoutTemplate()->designElementID().toString()),
                     qPrintable(aPage.layoutTemplate().name()));
        } else {
            QCOMPARE(aPage.layoutTemplate().name(), layout);
        }
    }

    // A page beyond the product's pages has no page type: no bundle, no layout, no areas.
    void pageBeyondTheProduct()
    {
        const LMAreaDefinitionResult aPage
            = meadow().areaDefinitions(LMDesignStyleReferencePoint(0, 20, 40), 10, myTall, samplePhotos(2));
        QVERIFY(!aPage.layoutTemplate().isValid());
        QCOMPARE(aPage.templateAreaDefinitionList().count(), 0);
    }

    void missingLayouts()
    {
        const LMArticle aCalendar = LMArticle::fromOrderTxtName(QStringLiteral("WALLCAL_LANDSCAPE_42"));
        LMTemplateRegistry::instance()->loadTemplates(aCalendar);
        QTest::ignoreMessage(QtWarningMsg, "Template repository empty!");
        QTest::ignoreMessage(QtWarningMsg, "no layout found for 2 fotos. 5100");
        const LMAreaDefinitionResult aPage
            = meadow().areaDefinitions(LMDesignStyleReferencePoint(0, 2, 4), 13, aCalendar, samplePhotos(2));
        QVERIFY(!aPage.layoutTemplate().isValid());
    }

    // The rule sets of a page in their order: the default rule set's text formats, then those of
    // the page's own rule set over them, on every text area of the type; backgrounds page by page.
    void ruleSets_data()
    {
        columns<int, int, QString, QString>("page", "textType", "format", "background");
        row("a warm page keeps the default caption", 5, 4, "Noto Sans 11 #404040", "4111");
        row("a cool page's caption over the default one", 6, 4, "Noto Sans 10 #ffffff", "");
        row("the next warm page: the next background", 7, 4, "Noto Sans 11 #404040", "4112");
        row("the backgrounds wrap round", 9, 4, "Noto Sans 11 #404040", "4111");
        row("the title's headline", 4, 1, "Noto Serif 28 #2f4f2f", "4101");
        row("no format for subheadlines", 4, 2, " -1 #000000", "4101");
        row("free text on a cool page: the default", 6, 64, "Noto Sans 12 #202020", "");
    }
    void ruleSets()
    {
        QFETCH(int, page);
        QFETCH(QString, background);
        const LMDesignStyle aStyle = meadow();
        const LMAreaTextType aType = LMAreaTextType::fromInt(fetch<int>("textType"));
        const LMTextFormat aFormat
            = aStyle.textFormatChange(tallPage(page), 10, myTall, aType).appliedTo(LMTextFormat());
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(aFormat.fontFamily())
                     .arg(aFormat.fontSize())
                     .arg(aFormat.fontColor().name()),
                 fetch<QString>("format"));
        const LMAreaDefinitionResult aPage = aStyle.areaDefinitions(tallPage(page), 10, myTall, samplePhotos(2));
        for (const LMTemplateAreaDefinition* anArea : LMDesignStyleAreas::all(aPage.templateAreaDefinitionList())) {
            const auto* aText = dynamic_cast<const LMTemplateAreaDefinitionText*>(anArea);
            if (aText != nullptr && aText->textType() == aType)
                QCOMPARE(aText->textFormatChange().appliedTo(LMTextFormat()), aFormat);
        }
        const LMTemplateList aBackgrounds = aPage.backgroundTemplates();
        QCOMPARE(aBackgrounds.size(), 1);
        const QString anId = aBackgrounds.first()->designElementID().toString();
        // The cool backgrounds are drawn at random.
        QVERIFY2(background.isEmpty() ? QStringList({ "4115", "4116", "4117" }).contains(anId) : anId == background,
                 qPrintable(anId));
    }

    // The borders of one style go on from page to page: "perArea" counts every photo area.
    void bordersContinueOverPages()
    {
        const LMDesignStyle aStyle = meadow();
        QStringList aPages;
        for (int aPage : { 5, 7, 9 })
            aPages << borders(aStyle.areaDefinitions(tallPage(aPage), 10, myTall, samplePhotos(aPage == 7 ? 3 : 1)));
        QCOMPARE(aPages.join(QLatin1String(" | ")), QStringLiteral("8 | 4 8 4 | 8"));
    }

    void photosInAreas_data()
    {
        columns<int, int, int, int>("page", "photos", "filled", "leftOver");
        row("one photo on the title", 4, 1, 1, 0);
        row("three photos on the title: two left over", 4, 3, 1, 2);
        row("no photos", 5, 0, 0, 0);
        row("the distributor's layout takes them all", 5, 4, 4, 0);
    }
    void photosInAreas()
    {
        const LMAreaDefinitionResult aPage
            = meadow().areaDefinitions(tallPage(fetch<int>("page")), 10, myTall, samplePhotos(fetch<int>("photos")));
        int aFilled = 0;
        for (const LMTemplateAreaDefinitionFotoContainer* anArea :
             LMDesignStyleAreas::fotoAreasInFillingOrder(aPage.templateAreaDefinitionList())) {
            if (anArea->foto().isValid()) {
                ++aFilled;
                QVERIFY(anArea->optiFillContent());
            }
        }
        QTEST(aFilled, "filled");
        QTEST(int(aPage.leftOverFotos().size()), "leftOver");
    }

    void pageQueries()
    {
        const LMDesignStyle aStyle = meadow();
        QCOMPARE(aStyle.fotoCount(myTall, tallPage(4), 10), 1);
        QVERIFY(
            aStyle.definesDecorationPartOnPage(tallPage(5), 10, myTall, samplePhotos(1), LMAreaDecorationPart::Border));
        // The spine takes only the default rule set: text formats and a shadow for cliparts it lacks.
        QVERIFY(!aStyle.definesDecorationPartOnPage(tallPage(1), 10, myTall, samplePhotos(1),
                                                    LMAreaDecorationPart::Shadow));
        QVERIFY(
            aStyle.definesDecorationPartOnPage(tallPage(6), 10, myTall, samplePhotos(1), LMAreaDecorationPart::Shadow));
        QCOMPARE(aStyle.textFormatChange(tallPage(6), 10, myTall, LMAreaTextType(LMAreaTextTypeEnum::Caption))
                     .format()
                     .fontSize(),
                 10.0);
        // Asked with no cover: page 5 is the second undefined page, the cool one.
        QCOMPARE(aStyle.layoutCollectionIDsForPage(5, 10, LMOrientationEnum::Portrait),
                 (QList<LMDesignElementID> { LMDesignElementID(5100), LMDesignElementID(5160) }));
        QCOMPARE(
            aStyle.layoutCollectionIDs(),
            (QList<LMDesignElementID> { LMDesignElementID(5100), LMDesignElementID(5160), LMDesignElementID(5150) }));
        QVERIFY(!aStyle.canHaveOsmMap());
        QCOMPARE(aStyle.requiredFontFamilies(), (QSet<QString> { "Noto Serif", "Noto Sans" }));
        // The spine names only the default rule set, which has no clipart.
        QCOMPARE(aStyle.spineLogo(myTall), nullptr);
        QCOMPARE(aStyle.spineLogoWidth(myTall), 0);
        QVERIFY(!aStyle.spineLogoBackgroundColor(myTall).isValid());
    }

    void requiredIds_data()
    {
        columns<int, QString>("orientation", "collections");
        row("every orientation", 0, "5100 5150 5160");
        row("portrait", 1, "5100 5150 5160");
        row("square: the title without its fixed layout", 4, "5100 5160");
        row("landscape: the templates for all orientations", 2, "5100 5160");
    }
    void requiredIds()
    {
        LMDesignElementIDSet anExpected;
        for (const QString& anId : (fetch<QString>("collections")
                                    + QStringLiteral(" 4101 4102 4111 4112 4115 4116 4117 7101 7103 7104 "
                                                     "7201 7202 7301"))
                                       .split(QLatin1Char(' ')))
            anExpected.insert(LMDesignElementID(anId.toInt()));
        QCOMPARE(meadow().requiredDesignElementIDs(LMOrientation::fromInt(fetch<int>("orientation"))), anExpected);
    }

    // A spine whose rule set has cliparts shows the first one the registry knows as its logo.
    void spineLogo()
    {
        QTemporaryDir aDir;
        QFile aSource(samplePath(QStringLiteral("styles/meadow-album.xml")));
        QVERIFY(aSource.open(QIODevice::ReadOnly));
        QByteArray aText = aSource.readAll();
        aText.replace(R"(<layoutCollection designElementId="5160"/>
                </layouts>
                <ruleset name="default"/>)",
                      R"(<layoutCollection designElementId="5160"/>
                </layouts>
                <ruleset name="default"/><ruleset name="meadow-warm"/>)");
        const QString aFile = LMTestSupport::writeFile(aDir, QStringLiteral("spine.xml"), aText);
        const LMDesignStyle aStyle { QFileInfo(aFile) };
        QCOMPARE(aStyle.spineLogo(myTall), LMDecorationRegistry::instance()->clipart(LMDesignElementID(7103)));
        QCOMPARE(aStyle.spineLogoWidth(myTall), 400);
        QCOMPARE(aStyle.spineLogoBackgroundColor(myTall), QColor(Qt::transparent));
    }

    // Inner pages synthesised from the first inner page: each shows one layout of its
    // collections, and consecutive ones differ.
    void virtualInnerPages()
    {
        LMDesignStyle aStyle = meadow();
        const LMDesignStyle anUntouched = aStyle;
        QVERIFY(!aStyle.hasVirtualPages());
        aStyle.updateDisignVirtualInnerPages();
        QVERIFY(aStyle.hasVirtualPages());
        QVERIFY(!anUntouched.hasVirtualPages());
        const LMArticle anArticle = LMArticle::fromOrderTxtName(SQUARE);
        QStringList aLayouts;
        for (int aPage = 5; aPage < 5 + 2 * 8; aPage += 2) {
            const LMAreaDefinitionResult aResult = aStyle.areaDefinitions(
                LMDesignStyleReferencePoint(0, aPage / 2, aPage), 60, anArticle, samplePhotos(2));
            QVERIFY2(aResult.usedPageTemplate().startsWith(QLatin1String("synthesized_page_")),
                     qPrintable(aResult.usedPageTemplate()));
            QCOMPARE(aResult.layoutTemplate()->designElementID(), LMDesignElementID(5100));
            aLayouts << aResult.layoutTemplate().name();
        }
        for (qsizetype i = 1; i < aLayouts.size(); ++i)
            QVERIFY2(aLayouts.at(i) != aLayouts.at(i - 1), qPrintable(aLayouts.join(QLatin1String(", "))));
        // Once is enough: the pages stay as they are.
        const int aDoublePages = aStyle.doublePageTemplateCount();
        aStyle.updateDisignVirtualInnerPages();
        QCOMPARE(aStyle.doublePageTemplateCount(), aDoublePages);
        // A story book keeps its pages.
        LMDesignStyle aStoryBook(QFileInfo(samplePath(QStringLiteral("styles/seasons-calendar.xml"))));
        aStoryBook.updateDisignVirtualInnerPages();
        QVERIFY(!aStoryBook.hasVirtualPages());
    }

private:
    QTemporaryDir myUserData;
    LMArticle myTall;
};

QTEST_GUILESS_MAIN(tst_DesignStyleBook)
#include "tst_designstylebook.moc"
