#include "LMArticle.h"
#include "LMArticlesGroup.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplateFilterFactory.h"
#include "LMTemplateWhiteList.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QLoggingCategory>
#include <QtConcurrent/QtConcurrentRun>
#include <QThreadPool>
#include <QtTest>

namespace {

const QByteArray CATALOGUE = R"({
    "articles": [
        {"id": 1001, "orderName": "BOOK_A4_HC", "class": "photobook", "orientation": "portrait",
         "coverType": "hardcover", "pageBinding": "glued", "sizeClass": "medium"},
        {"id": 1002, "orderName": "BOOK_A5_SC", "class": "photobook", "orientation": "landscape",
         "coverType": "softcover", "pageBinding": "layflat"},
        {"id": 2001, "orderName": "CAL_A3", "class": "calendar", "orientation": "portrait"},
        {"id": 2002, "orderName": "CAL_WIDE", "class": "calendar", "orientation": "landscape"},
        {"id": 3001, "orderName": "POSTER_XL", "class": "poster", "orientation": "portrait", "sizeClass": "xlarge"},
        {"id": 4001, "orderName": "CARD, FOLDED", "class": "card", "orientation": "square"}
    ]
})";

QString whiteListText(const QList<QPair<QString, QStringList>>& theGroups)
{
    QString aText = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist>\n");
    for (const auto& aGroup : theGroups) {
        aText += QStringLiteral("  <group><products>%1</products><files>").arg(aGroup.first);
        for (const QString& aFile : aGroup.second)
            aText += QStringLiteral("<file name=\"%1\"/>").arg(aFile);
        aText += QStringLiteral("</files></group>\n");
    }
    return aText + QStringLiteral("</whitelist>\n");
}

void setModified(const QString& thePath, const QDateTime& theTime)
{
    QFile aFile(thePath);
    QVERIFY(aFile.open(QIODevice::ReadWrite));
    QVERIFY(aFile.setFileTime(theTime, QFileDevice::FileModificationTime));
}

LMArticlesGroup groupOf(const QStringList& theOrderNames)
{
    LMArticlesGroup aGroup;
    for (const QString& aName : theOrderNames)
        aGroup.addArticle(LMArticle::fromOrderTxtName(aName));
    return aGroup;
}

LMProductRestriction restrictionOf(const QString& theOrientations, const QString& theClasses,
                                   const QString& theCoverTypes, const QString& theMinimumSize,
                                   const QString& thePageBindings)
{
    LMProductRestriction aRestriction;
    aRestriction.addOrientation(LMOrientation(theOrientations));
    aRestriction.addArticleClass(LMArticleClass(theClasses));
    aRestriction.setCoverTypes(LMCoverType(theCoverTypes));
    aRestriction.setMinimumSize(LMSpaceMagnitude(theMinimumSize));
    aRestriction.addPageBinding(LMPageBinding(thePageBindings));
    return aRestriction;
}

QStringList sorted(QStringList theList)
{
    theList.sort();
    return theList;
}

} // namespace

// The template white list: its file, which copy loads, patterns as expressions, which patterns
// concern an article, and groups written as filter rules.
class TestTemplateWhiteList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void wildcard_data();
    void wildcard();
    void articlesGroupAsFilter_data();
    void articlesGroupAsFilter();
    void articlesGroupKeepsOneRestriction();
    void newerCopyLoads_data();
    void newerCopyLoads();
    void userLayoutsAreNeverRestricted();
    void saveAndLoadGiveTheSameList();
    void findFiles_data();
    void findFiles();
    void equalGroupsShareOneList();
    void brokenFiles_data();
    void brokenFiles();
    void manyGroups_data();
    void manyGroups();

private:
    QString contentFile() const { return myDir.filePath(QStringLiteral("content/white_list.conf")); }
    QString userFile() const { return myDir.filePath(QStringLiteral("user/white_list.conf")); }

    QTemporaryDir myDir;
};

void TestTemplateWhiteList::initTestCase()
{
    QVERIFY(myDir.isValid());
    LMTestSupport::writeFile(myDir, QStringLiteral("content/products/catalogue.json"), CATALOGUE);
    QVERIFY(QDir().mkpath(myDir.filePath(QStringLiteral("user"))));
    LMDirectoryConfig::instance()->setContentRoot(myDir.filePath(QStringLiteral("content")));
    LMDirectoryConfig::instance()->setUserDataDir(myDir.filePath(QStringLiteral("user")));
    QVERIFY(LMProductCatalogue::instance()->reload());
    QVERIFY(LMArticle::fromOrderTxtName(QStringLiteral("CARD, FOLDED")).isValid());
}

void TestTemplateWhiteList::cleanup()
{
    QFile::remove(contentFile());
    QFile::remove(userFile());
}

void TestTemplateWhiteList::wildcard_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<bool>("matches");

    QTest::newRow("plain name") << "summer.xml"
                                << "/categories/summer.xml" << true;
    QTest::newRow("dot is only a dot") << "summer.xml"
                                       << "/categories/summerXxml" << false;
    QTest::newRow("star spans folders") << "layouts/*.xml"
                                        << "/layouts/a/b/beach.xml" << true;
    QTest::newRow("star matches nothing") << "beach*.xml"
                                          << "beach.xml" << true;
    QTest::newRow("two stars") << "*/cal-*/*.svg"
                               << "/cal-2024/cal-2024_01.svg" << true;
    QTest::newRow("star needs the rest") << "layouts/*.xml"
                                         << "/layouts/beach.svg" << false;
    QTest::newRow("case ignored") << "LAYOUTS/Beach.XML"
                                  << "/layouts/beach.xml" << true;
    QTest::newRow("unicode case ignored") << "müller*.svg"
                                          << "/designs/MÜLLER_1.svg" << true;
    QTest::newRow("not anchored at the start") << "beach"
                                               << "/categories/layouts/beach_2.svg" << true;
    QTest::newRow("not anchored at the end") << "/layouts/be"
                                             << "/x/layouts/beach.xml" << true;
    QTest::newRow("order kept") << "b*a"
                                << "ab" << false;
    QTest::newRow("empty pattern matches anything") << ""
                                                    << "/a.xml" << true;
    QTest::newRow("backslash stands for itself") << "a\\b.xml"
                                                 << "/a\\b.xml" << true;
    QTest::newRow("backslash does not match a quote") << "a\\b.xml"
                                                      << "/a\"b.xml" << false;
    QTest::newRow("backslash does not escape the dot") << "a\\.xml"
                                                       << "/a.xml" << false;
    QTest::newRow("backslash before a dot") << "a\\.xml"
                                            << "/a\\.xml" << true;
    QTest::newRow("trailing backslash") << "dir\\"
                                        << "/dir\\x.xml" << true;
}

void TestTemplateWhiteList::wildcard()
{
    QFETCH(QString, pattern);
    QFETCH(QString, shortName);
    QFETCH(bool, matches);

    const QRegularExpression anExpression = LMTemplateWhiteList::wildcard2RegularExpression(pattern);
    QVERIFY2(anExpression.isValid(), qPrintable(anExpression.errorString()));
    QCOMPARE(anExpression.match(shortName).hasMatch(), matches);
    QCOMPARE(LMTemplateWhiteList::toRegExpList({ pattern, pattern }),
             QList<QRegularExpression>({ anExpression, anExpression }));
}

void TestTemplateWhiteList::articlesGroupAsFilter_data()
{
    QTest::addColumn<LMArticlesGroup>("group");
    QTest::addColumn<QStringList>("rules");

    QTest::newRow("empty group") << LMArticlesGroup() << QStringList();
    QTest::newRow("catalogue articles") << groupOf({ QStringLiteral("cal_a3"), QStringLiteral("BOOK_A4_HC") })
                                        << QStringList { QStringLiteral("product"), QStringLiteral("product") };
    QTest::newRow("unresolved article keeps its name")
        << groupOf({ QStringLiteral("Fotobuch Groß") }) << QStringList { QStringLiteral("product") };
    QTest::newRow("name with a comma goes by id")
        << groupOf({ QStringLiteral("CARD, FOLDED") }) << QStringList { QStringLiteral("art_id") };

    LMArticlesGroup aFull;
    aFull.addRestriction(restrictionOf(QStringLiteral("portrait, landscape"), QStringLiteral("photobook, calendar"),
                                       QStringLiteral("hardcover, linen"), QStringLiteral("large"),
                                       QStringLiteral("glued, spiral")));
    QTest::newRow("every restriction rule")
        << aFull
        << QStringList { QStringLiteral("orientation"), QStringLiteral("type"), QStringLiteral("binding"),
                         QStringLiteral("minimum_size"), QStringLiteral("pageBinding") };

    LMArticlesGroup anAll;
    anAll.addRestriction(restrictionOf(QStringLiteral("all"), QString(), QString(), QString(), QStringLiteral("all")));
    QTest::newRow("all orientations and bindings")
        << anAll << QStringList { QStringLiteral("orientation"), QStringLiteral("pageBinding") };

    LMArticlesGroup aMixed = groupOf({ QStringLiteral("POSTER_XL") });
    aMixed.addRestriction(restrictionOf(QString(), QString(), QString(), QStringLiteral("xlarge"), QString()));
    QTest::newRow("articles and a minimum size")
        << aMixed << QStringList { QStringLiteral("product"), QStringLiteral("minimum_size") };
}

void TestTemplateWhiteList::articlesGroupAsFilter()
{
    QFETCH(LMArticlesGroup, group);
    QFETCH(QStringList, rules);

    QDomDocument aDocument;
    QDomElement aFilter = aDocument.createElement(QStringLiteral("filter"));
    aDocument.appendChild(aFilter);
    group.toTemplates2Format(aFilter);

    QStringList aTags;
    for (QDomElement aRule = aFilter.firstChildElement(); !aRule.isNull(); aRule = aRule.nextSiblingElement())
        aTags.append(aRule.tagName());
    QCOMPARE(aTags, rules);

    LMArticlesGroup aReadBack;
    LMTemplateFilterFactory::parseFilter(aFilter, &aReadBack, nullptr, nullptr, nullptr);
    QCOMPARE(aReadBack, group);
}

void TestTemplateWhiteList::articlesGroupKeepsOneRestriction()
{
    LMArticlesGroup aGroup;
    const LMProductRestriction aFirst
        = restrictionOf(QStringLiteral("portrait"), QString(), QString(), QString(), QString());
    aGroup.addRestriction(aFirst);
    aGroup.addRestriction(restrictionOf(QString(), QStringLiteral("poster"), QString(), QString(), QString()));

    QDomDocument aDocument;
    QDomElement aFilter = aDocument.createElement(QStringLiteral("filter"));
    aDocument.appendChild(aFilter);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("one product restriction")));
    aGroup.toTemplates2Format(aFilter);

    LMArticlesGroup aReadBack;
    LMTemplateFilterFactory::parseFilter(aFilter, &aReadBack, nullptr, nullptr, nullptr);
    LMArticlesGroup anExpected;
    anExpected.addRestriction(aFirst);
    QCOMPARE(aReadBack, anExpected);
}

void TestTemplateWhiteList::newerCopyLoads_data()
{
    QTest::addColumn<int>("contentAge"); // seconds in the past; -1: no file
    QTest::addColumn<int>("userAge");
    QTest::addColumn<QString>("expected"); // pattern of the copy that loads; empty: none

    QTest::newRow("user copy newer") << 100 << 10 << "from-user";
    QTest::newRow("content copy newer") << 10 << 100 << "from-content";
    QTest::newRow("same time") << 50 << 50 << "from-content";
    QTest::newRow("only the content copy") << 10 << -1 << "from-content";
    QTest::newRow("only the user copy") << -1 << 10 << "from-user";
    QTest::newRow("no copy") << -1 << -1 << "";
}

void TestTemplateWhiteList::newerCopyLoads()
{
    QFETCH(int, contentAge);
    QFETCH(int, userAge);
    QFETCH(QString, expected);

    QCOMPARE(LMTemplateWhiteList::whiteListFile(false).absoluteFilePath(), contentFile());
    QCOMPARE(LMTemplateWhiteList::whiteListFile(true).absoluteFilePath(), userFile());

    const QDateTime aNow = QDateTime::currentDateTimeUtc();
    const QString aProducts = QStringLiteral("<product>BOOK_A4_HC</product>");
    if (contentAge >= 0) {
        LMTestSupport::writeFile(myDir, QStringLiteral("content/white_list.conf"),
                                 whiteListText({ { aProducts, { QStringLiteral("from-content") } } }).toUtf8());
        setModified(contentFile(), aNow.addSecs(-contentAge));
    }
    if (userAge >= 0) {
        LMTestSupport::writeFile(myDir, QStringLiteral("user/white_list.conf"),
                                 whiteListText({ { aProducts, { QStringLiteral("from-user") } } }).toUtf8());
        setModified(userFile(), aNow.addSecs(-userAge));
    }
    if (expected.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("XML file .*white_list.conf not found")));

    LMTemplateWhiteList aList;
    aList.addFiles(groupOf({ QStringLiteral("CAL_A3") }), { QStringLiteral("left-over") });
    QCOMPARE(aList.load(), !expected.isEmpty());
    const QStringList anExpected = expected.isEmpty() ? QStringList() : QStringList { expected };
    QCOMPARE(aList.allFiles(), anExpected);
}

void TestTemplateWhiteList::userLayoutsAreNeverRestricted()
{
    const QString aUserLayouts = QStringLiteral("categories/000-user-layouts.xml");
    const QString aProducts = QStringLiteral("<type>photobook</type>");
    LMTestSupport::writeFile(
        myDir, QStringLiteral("content/white_list.conf"),
        whiteListText({ { aProducts, { QStringLiteral("a.xml"), aUserLayouts, QStringLiteral("b.xml") } } }).toUtf8());

    LMTemplateWhiteList aLoaded;
    QVERIFY(aLoaded.load(QFileInfo(contentFile())));
    QCOMPARE(aLoaded.allFiles(), QStringList({ QStringLiteral("a.xml"), QStringLiteral("b.xml") }));

    LMTemplateWhiteList aBuilt;
    aBuilt.addFiles(groupOf({ QStringLiteral("BOOK_A4_HC") }), { aUserLayouts, QStringLiteral("c.xml") });
    aBuilt.addFiles(groupOf({ QStringLiteral("CAL_A3") }), { aUserLayouts });
    QVERIFY(aBuilt.save(QFileInfo(userFile())));
    QFile aFile(userFile());
    QVERIFY(aFile.open(QIODevice::ReadOnly));
    const QByteArray aText = aFile.readAll();
    QVERIFY(aText.contains("c.xml"));
    QVERIFY(!aText.contains("000-user-layouts"));
    QCOMPARE(aBuilt.allFiles(), QStringList({ QStringLiteral("c.xml") }));
}

void TestTemplateWhiteList::saveAndLoadGiveTheSameList()
{
    LMTemplateWhiteList aList;
    aList.addFiles(groupOf({ QStringLiteral("BOOK_A4_HC"), QStringLiteral("book_a5_sc") }),
                   { QStringLiteral("books/*.xml"), QStringLiteral("books/cover-*.svg") });
    aList.addFiles(groupOf({ QStringLiteral("Kalender Spezial"), QStringLiteral("CARD, FOLDED") }),
                   { QStringLiteral("special/Ünïcode & <signs>.xml") });
    LMArticlesGroup aRestricted = groupOf({ QStringLiteral("POSTER_XL") });
    aRestricted.addRestriction(restrictionOf(QStringLiteral("landscape, square"), QStringLiteral("walldecor"),
                                             QStringLiteral("softcover"), QStringLiteral("small"),
                                             QStringLiteral("layflat")));
    aList.addFiles(aRestricted, { QStringLiteral("walldecor/*"), QStringLiteral("*poster*") });
    QCOMPARE(aList.groups().size(), 3);

    QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.info=true"));
    QTest::ignoreMessage(QtInfoMsg,
                         QRegularExpression(QStringLiteral("^Saving White List to .*user/white_list.conf$")));
    const bool aSaved = aList.save();
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(aSaved);

    LMTemplateWhiteList aReadBack;
    QVERIFY(aReadBack.load(QFileInfo(userFile())));
    QCOMPARE(aReadBack.groups().size(), 3);
    QCOMPARE(aReadBack, aList);
}

void TestTemplateWhiteList::findFiles_data()
{
    QTest::addColumn<QString>("article");
    QTest::addColumn<QStringList>("patterns");
    QTest::addColumn<QString>("matchingFile");

    QTest::newRow("named explicitly") << "BOOK_A4_HC" << QStringList { "books/a4-*.xml" } << "/books/a4-summer.xml";
    QTest::newRow("name in other case") << "book_a4_hc" << QStringList { "books/a4-*.xml" } << "/BOOKS/A4-x.XML";
    QTest::newRow("by article class") << "CAL_A3" << QStringList { "calendars/*" } << "/calendars/c.svg";
    QTest::newRow("by orientation") << "BOOK_A5_SC" << QStringList { "landscape/*" } << "/landscape/l.xml";
    QTest::newRow("in two groups") << "CAL_WIDE" << QStringList { "calendars/*", "landscape/*" } << "/landscape/w.svg";
    QTest::newRow("in no group") << "POSTER_XL" << QStringList() << "";
    QTest::newRow("unknown article") << "NOT_IN_CATALOGUE" << QStringList() << "";
    QTest::newRow("null article") << "" << QStringList() << "";
}

void TestTemplateWhiteList::findFiles()
{
    QFETCH(QString, article);
    QFETCH(QStringList, patterns);
    QFETCH(QString, matchingFile);

    LMTestSupport::writeFile(
        myDir, QStringLiteral("content/white_list.conf"),
        whiteListText({ { QStringLiteral("<product>BOOK_A4_HC</product>"), { "books/a4-*.xml" } },
                        { QStringLiteral("<type>calendar</type>"), { "calendars/*" } },
                        { QStringLiteral("<orientation>landscape</orientation>"), { "landscape/*" } } })
            .toUtf8());
    LMTemplateWhiteList aList;
    QVERIFY(aList.load(QFileInfo(contentFile())));
    QCOMPARE(sorted(aList.allFiles()), QStringList({ "books/a4-*.xml", "calendars/*", "landscape/*" }));

    const LMArticle anArticle = article.isEmpty() ? LMArticle() : LMArticle::fromOrderTxtName(article);
    const QStringList aFound = aList.findFiles(anArticle);
    QCOMPARE(sorted(aFound), patterns);

    const QList<QRegularExpression> anExpressions = aList.findFilesRx(anArticle);
    QCOMPARE(anExpressions, LMTemplateWhiteList::toRegExpList(aFound));
    const bool aMatched
        = std::any_of(anExpressions.cbegin(), anExpressions.cend(),
                      [&](const QRegularExpression& theRx) { return theRx.match(matchingFile).hasMatch(); });
    QCOMPARE(aMatched, !matchingFile.isEmpty());
}

void TestTemplateWhiteList::equalGroupsShareOneList()
{
    // Written differently, the same article twice: one group, one list, each pattern once.
    LMTestSupport::writeFile(myDir, QStringLiteral("content/white_list.conf"),
                             whiteListText({ { QStringLiteral("<product>BOOK_A4_HC</product>"), { "a.xml", "b.xml" } },
                                             { QStringLiteral("<art_id>1001</art_id>"), { "b.xml", "c.xml", "" } },
                                             { QStringLiteral("<product>CAL_A3</product>"), { "a.xml" } } })
                                 .toUtf8());
    LMTemplateWhiteList aList;
    QVERIFY(aList.load(QFileInfo(contentFile())));
    QCOMPARE(aList.groups().size(), 2);
    QCOMPARE(sorted(aList.groups().value(groupOf({ QStringLiteral("BOOK_A4_HC") }))),
             QStringList({ "a.xml", "b.xml", "c.xml" }));
    QCOMPARE(aList.groups().value(groupOf({ QStringLiteral("CAL_A3") })), QStringList({ "a.xml" }));
    QCOMPARE(sorted(aList.allFiles()), QStringList({ "a.xml", "b.xml", "c.xml" }));
}

void TestTemplateWhiteList::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("warning");

    QTest::newRow("empty file") << QByteArray() << "^malformed XML file .*white_list.conf";
    QTest::newRow("not well-formed") << QByteArray("<whitelist><group></whitelist>")
                                     << "^malformed XML file .*white_list.conf at line 1";
    QTest::newRow("wrong root") << QByteArray("<blacklist><group/></blacklist>")
                                << "^no white list in .*white_list.conf - root element <blacklist>$";
    QTest::newRow("entity declaration") << QByteArray("<!DOCTYPE w [<!ENTITY x \"y\">]><whitelist/>")
                                        << "^refused XML file .*white_list.conf";
}

void TestTemplateWhiteList::brokenFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, warning);

    LMTestSupport::writeFile(myDir, QStringLiteral("content/white_list.conf"), content);
    LMTemplateWhiteList aList;
    aList.addFiles(groupOf({ QStringLiteral("CAL_A3") }), { QStringLiteral("left-over") });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    QVERIFY(!aList.load(QFileInfo(contentFile())));
    QVERIFY(aList.isEmpty());
    QVERIFY(aList.findFiles(LMArticle::fromOrderTxtName(QStringLiteral("CAL_A3"))).isEmpty());
}

void TestTemplateWhiteList::manyGroups_data()
{
    QTest::addColumn<bool>("fromBusyPool");

    QTest::newRow("parallel from the main thread") << false;
    QTest::newRow("sequential inside a full pool") << true;
}

void TestTemplateWhiteList::manyGroups()
{
    QFETCH(bool, fromBusyPool);

    // 200 groups over 40 distinct article groups: every distinct group is merged five times.
    constexpr int aGroupCount = 200;
    constexpr int aDistinct = 40;
    QList<QPair<QString, QStringList>> aGroups;
    for (int anIndex = 0; anIndex < aGroupCount; ++anIndex) {
        aGroups.append({ QStringLiteral("<product>ART_%1</product><type>card</type>").arg(anIndex % aDistinct),
                         { QStringLiteral("f%1-a.xml").arg(anIndex), QStringLiteral("f%1-b.svg").arg(anIndex) } });
    }
    LMTestSupport::writeFile(myDir, QStringLiteral("content/white_list.conf"), whiteListText(aGroups).toUtf8());

    LMTemplateWhiteList aList;
    if (fromBusyPool) {
        QThreadPool* aPool = QThreadPool::globalInstance();
        const int aMaximum = aPool->maxThreadCount();
        aPool->setMaxThreadCount(1);
        QFuture<bool> aLoad = QtConcurrent::run([&aList, this] { return aList.load(QFileInfo(contentFile())); });
        const bool aLoaded = aLoad.result();
        aPool->setMaxThreadCount(aMaximum);
        QVERIFY(aLoaded);
    } else {
        QVERIFY(aList.load(QFileInfo(contentFile())));
    }

    QCOMPARE(aList.groups().size(), aDistinct);
    QCOMPARE(aList.allFiles().size(), 2 * aGroupCount);
    for (int aGroup = 0; aGroup < aDistinct; ++aGroup) {
        LMArticlesGroup aKey = groupOf({ QStringLiteral("ART_%1").arg(aGroup) });
        LMProductRestriction aCards;
        aCards.addArticleClass(LMArticleClass(QStringLiteral("card")));
        aKey.addRestriction(aCards);
        QStringList anExpected;
        for (int anIndex = aGroup; anIndex < aGroupCount; anIndex += aDistinct)
            anExpected << QStringLiteral("f%1-a.xml").arg(anIndex) << QStringLiteral("f%1-b.svg").arg(anIndex);
        QCOMPARE(sorted(aList.groups().value(aKey)), sorted(anExpected));
    }
}

QTEST_GUILESS_MAIN(TestTemplateWhiteList)
#include "tst_templatewhitelist.moc"
