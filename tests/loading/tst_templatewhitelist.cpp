#include "LMArticle.h"
#include "LMArticlesGroup.h"
#include "LMLoadingTest.h"
#include "LMTemplateFilterFactory.h"
#include "LMTemplateWhiteList.h"

#include <QDomDocument>
#include <QLoggingCategory>
#include <QtConcurrent/QtConcurrentRun>
#include <QThreadPool>

using namespace LMLoadingTest;

namespace {

QByteArray whiteListText(const QList<QPair<QString, QStringList>>& theGroups)
{
    QString aText = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist>\n");
    for (const auto& aGroup : theGroups) {
        aText += QStringLiteral("  <group><products>%1</products><files>").arg(aGroup.first);
        for (const QString& aFile : aGroup.second)
            aText += QStringLiteral("<file name=\"%1\"/>").arg(aFile);
        aText += QStringLiteral("</files></group>\n");
    }
    return (aText + QStringLiteral("</whitelist>\n")).toUtf8();
}

LMArticlesGroup groupOf(const QStringList& theOrderNames)
{
    LMArticlesGroup aGroup;
    for (const QString& aName : theOrderNames)
        aGroup.addArticle(LMArticle::fromOrderTxtName(aName));
    return aGroup;
}

// Orientations, classes, cover types, minimum size, page bindings.
LMProductRestriction restrictionOf(const char* theOrientations, const char* theClasses, const char* theCoverTypes,
                                   const char* theMinimumSize, const char* thePageBindings)
{
    LMProductRestriction aRestriction;
    aRestriction.addOrientation(LMOrientation(QString::fromUtf8(theOrientations)));
    aRestriction.addArticleClass(LMArticleClass(QString::fromUtf8(theClasses)));
    aRestriction.setCoverTypes(LMCoverType(QString::fromUtf8(theCoverTypes)));
    aRestriction.setMinimumSize(LMSpaceMagnitude(QString::fromUtf8(theMinimumSize)));
    aRestriction.addPageBinding(LMPageBinding(QString::fromUtf8(thePageBindings)));
    return aRestriction;
}

LMArticlesGroup restricted(LMArticlesGroup theGroup, const QList<LMProductRestriction>& theRestrictions)
{
    for (const LMProductRestriction& aRestriction : theRestrictions)
        theGroup.addRestriction(aRestriction);
    return theGroup;
}

} // namespace

// The template white list: its file, which copy loads, patterns as expressions, which patterns
// concern an article, and groups written as filter rules.
class TestTemplateWhiteList : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        QVERIFY(useContentTree(myDir, QStringLiteral("whitelist_catalogue.json")));
        QVERIFY(LMArticle::fromOrderTxtName(QStringLiteral("CARD, FOLDED")).isValid());
    }

    void cleanup()
    {
        QFile::remove(contentFile());
        QFile::remove(userFile());
    }

    void wildcard_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("shortName");
        QTest::addColumn<bool>("matches");

        row("plain name", "summer.xml", "/categories/summer.xml", true);
        row("dot is only a dot", "summer.xml", "/categories/summerXxml", false);
        row("star spans folders", "layouts/*.xml", "/layouts/a/b/beach.xml", true);
        row("star matches nothing", "beach*.xml", "beach.xml", true);
        row("star needs the rest", "layouts/*.xml", "/layouts/beach.svg", false);
        row("case ignored", "LAYOUTS/Beach.XML", "/layouts/beach.xml", true);
        row("unicode case ignored", "müller*.svg", "/designs/MÜLLER_1.svg", true);
        row("anchored at neither end", "beach", "/categories/layouts/beach_2.svg", true);
        row("empty pattern matches anything", "", "/a.xml", true);
        row("backslash stands for itself", "a\\b.xml", "/a\\b.xml", true);
        row("backslash does not escape the dot", "a\\.xml", "/a.xml", false);
        row("trailing backslash", "dir\\", "/dir\\x.xml", true);
    }

    void wildcard()
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

    void articlesGroupAsFilter_data()
    {
        QTest::addColumn<LMArticlesGroup>("group");
        QTest::addColumn<QStringList>("rules");
        QTest::addColumn<LMArticlesGroup>("readBack");

        const LMArticlesGroup aCatalogue = groupOf({ QStringLiteral("cal_a3"), QStringLiteral("BOOK_A4_HC") });
        row("empty group", LMArticlesGroup(), QStringList(), LMArticlesGroup());
        row("catalogue articles", aCatalogue, words("product product"), aCatalogue);
        const LMArticlesGroup anUnresolved = groupOf({ QStringLiteral("Fotobuch Groß") });
        row("unresolved article keeps its name", anUnresolved, words("product"), anUnresolved);
        const LMArticlesGroup aComma = groupOf({ QStringLiteral("CARD, FOLDED") });
        row("name with a comma goes by id", aComma, words("art_id"), aComma);
        const LMArticlesGroup aFull = restricted({},
                                                 { restrictionOf("portrait, landscape", "photobook, calendar",
                                                                 "hardcover, linen", "large", "glued, spiral") });
        row("every restriction rule", aFull, words("orientation type binding minimum_size pageBinding"), aFull);
        const LMArticlesGroup anAll = restricted({}, { restrictionOf("all", "", "", "", "all") });
        row("all orientations and bindings", anAll, words("orientation pageBinding"), anAll);
        const LMArticlesGroup aMixed
            = restricted(groupOf({ QStringLiteral("POSTER_XL") }), { restrictionOf("", "", "", "xlarge", "") });
        row("articles and a minimum size", aMixed, words("product minimum_size"), aMixed);
        const LMProductRestriction aFirst = restrictionOf("portrait", "", "", "", "");
        row("only the first restriction", restricted({}, { aFirst, restrictionOf("", "poster", "", "", "") }),
            words("orientation"), restricted({}, { aFirst }));
    }

    void articlesGroupAsFilter()
    {
        QFETCH(LMArticlesGroup, group);
        QFETCH(QStringList, rules);
        QFETCH(LMArticlesGroup, readBack);

        QDomDocument aDocument;
        QDomElement aFilter = aDocument.createElement(QStringLiteral("filter"));
        aDocument.appendChild(aFilter);
        if (group.restrictions().size() > 1)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("one product restriction")));
        group.toTemplates2Format(aFilter);

        QStringList aTags;
        for (QDomElement aRule = aFilter.firstChildElement(); !aRule.isNull(); aRule = aRule.nextSiblingElement())
            aTags.append(aRule.tagName());
        QCOMPARE(aTags, rules);

        LMArticlesGroup aReadBack;
        LMTemplateFilterFactory::parseFilter(aFilter, &aReadBack, nullptr, nullptr, nullptr);
        QCOMPARE(aReadBack, readBack);
    }

    void newerCopyLoads_data()
    {
        QTest::addColumn<int>("contentAge"); // seconds in the past; -1: no file
        QTest::addColumn<int>("userAge");
        QTest::addColumn<QString>("expected"); // pattern of the copy that loads; empty: none

        row("user copy newer", 100, 10, "from-user");
        row("content copy newer", 10, 100, "from-content");
        row("same time", 50, 50, "from-content");
        row("only the content copy", 10, -1, "from-content");
        row("only the user copy", -1, 10, "from-user");
        row("no copy", -1, -1, "");
    }

    void newerCopyLoads()
    {
        QFETCH(int, contentAge);
        QFETCH(int, userAge);
        QFETCH(QString, expected);

        QCOMPARE(LMTemplateWhiteList::whiteListFile(false).absoluteFilePath(), contentFile());
        QCOMPARE(LMTemplateWhiteList::whiteListFile(true).absoluteFilePath(), userFile());
        const QString aProducts = QStringLiteral("<product>BOOK_A4_HC</product>");
        for (const auto& [anAge, aFolder] : { std::pair(contentAge, "content"), std::pair(userAge, "user") }) {
            if (anAge < 0)
                continue;
            const QString aFrom = QStringLiteral("from-") + QLatin1String(aFolder);
            QVERIFY(
                makeOlder(LMTestSupport::writeFile(myDir, QLatin1String(aFolder) + QStringLiteral("/white_list.conf"),
                                                   whiteListText({ { aProducts, { aFrom } } })),
                          anAge));
        }
        if (expected.isEmpty())
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("XML file .*white_list.conf not found")));

        LMTemplateWhiteList aList;
        aList.addFiles(groupOf({ QStringLiteral("CAL_A3") }), { QStringLiteral("left-over") });
        QCOMPARE(aList.load(), !expected.isEmpty());
        QCOMPARE(aList.allFiles(), expected.isEmpty() ? QStringList() : QStringList { expected });
    }

    void userLayoutsAreNeverRestricted()
    {
        const QString aUserLayouts = QStringLiteral("categories/000-user-layouts.xml");
        writeContentFile(
            whiteListText({ { QStringLiteral("<type>photobook</type>"), { "a.xml", aUserLayouts, "b.xml" } } }));
        LMTemplateWhiteList aLoaded;
        QVERIFY(aLoaded.load(QFileInfo(contentFile())));
        QCOMPARE(aLoaded.allFiles(), words("a.xml b.xml"));

        LMTemplateWhiteList aBuilt;
        aBuilt.addFiles(groupOf({ QStringLiteral("BOOK_A4_HC") }), { aUserLayouts, QStringLiteral("c.xml") });
        aBuilt.addFiles(groupOf({ QStringLiteral("CAL_A3") }), { aUserLayouts });
        QVERIFY(aBuilt.save(QFileInfo(userFile())));
        QFile aFile(userFile());
        QVERIFY(aFile.open(QIODevice::ReadOnly));
        const QByteArray aText = aFile.readAll();
        QVERIFY(aText.contains("c.xml"));
        QVERIFY(!aText.contains("000-user-layouts"));
        QCOMPARE(aBuilt.allFiles(), words("c.xml"));
    }

    void saveAndLoadGiveTheSameList()
    {
        LMTemplateWhiteList aList;
        aList.addFiles(groupOf({ QStringLiteral("BOOK_A4_HC"), QStringLiteral("book_a5_sc") }),
                       { QStringLiteral("books/*.xml"), QStringLiteral("books/cover-*.svg") });
        aList.addFiles(groupOf({ QStringLiteral("Kalender Spezial"), QStringLiteral("CARD, FOLDED") }),
                       { QStringLiteral("special/Ünïcode & <signs>.xml") });
        aList.addFiles(restricted(groupOf({ QStringLiteral("POSTER_XL") }),
                                  { restrictionOf("landscape, square", "walldecor", "softcover", "small", "layflat") }),
                       { QStringLiteral("walldecor/*"), QStringLiteral("*poster*") });
        QCOMPARE(aList.groups().size(), 3);

        QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.info=true"));
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression(QStringLiteral("^Saving White List to .*user/white_list.conf$")));
        const bool aSaved = aList.save();
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(aSaved);

        LMTemplateWhiteList aReadBack;
        QVERIFY(aReadBack.load(QFileInfo(userFile())));
        QCOMPARE(aReadBack, aList);
    }

    void findFiles_data()
    {
        QTest::addColumn<QString>("article");
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<QString>("matchingFile");

        row("named explicitly", "BOOK_A4_HC", words("books/a4-*.xml"), "/books/a4-summer.xml");
        row("by article class", "CAL_A3", words("calendars/*"), "/calendars/c.svg");
        row("by orientation", "BOOK_A5_SC", words("landscape/*"), "/landscape/l.xml");
        row("in two groups", "CAL_WIDE", words("calendars/* landscape/*"), "/landscape/w.svg");
        row("in no group", "POSTER_XL", QStringList(), "");
        row("unknown article", "NOT_IN_CATALOGUE", QStringList(), "");
        row("null article", "", QStringList(), "");
    }

    void findFiles()
    {
        QFETCH(QString, article);
        QFETCH(QStringList, patterns);
        QFETCH(QString, matchingFile);

        writeContentFile(
            whiteListText({ { QStringLiteral("<product>BOOK_A4_HC</product>"), { "books/a4-*.xml" } },
                            { QStringLiteral("<type>calendar</type>"), { "calendars/*" } },
                            { QStringLiteral("<orientation>landscape</orientation>"), { "landscape/*" } } }));
        LMTemplateWhiteList aList;
        QVERIFY(aList.load(QFileInfo(contentFile())));
        QCOMPARE(sorted(aList.allFiles()), words("books/a4-*.xml calendars/* landscape/*"));

        const LMArticle anArticle = article.isEmpty() ? LMArticle() : LMArticle::fromOrderTxtName(article);
        const QStringList aFound = aList.findFiles(anArticle);
        QCOMPARE(sorted(aFound), patterns);
        const QList<QRegularExpression> anExpressions = aList.findFilesRx(anArticle);
        QCOMPARE(anExpressions, LMTemplateWhiteList::toRegExpList(aFound));
        QCOMPARE(std::any_of(anExpressions.cbegin(), anExpressions.cend(),
                             [&](const QRegularExpression& theRx) { return theRx.match(matchingFile).hasMatch(); }),
                 !matchingFile.isEmpty());
    }

    void equalGroupsShareOneList()
    {
        // Written differently, the same article twice: one group, one list, each pattern once.
        writeContentFile(whiteListText({ { QStringLiteral("<product>BOOK_A4_HC</product>"), { "a.xml", "b.xml" } },
                                         { QStringLiteral("<art_id>1001</art_id>"), { "b.xml", "c.xml", "" } },
                                         { QStringLiteral("<product>CAL_A3</product>"), { "a.xml" } } }));
        LMTemplateWhiteList aList;
        QVERIFY(aList.load(QFileInfo(contentFile())));
        QCOMPARE(aList.groups().size(), 2);
        QCOMPARE(sorted(aList.groups().value(groupOf({ QStringLiteral("BOOK_A4_HC") }))), words("a.xml b.xml c.xml"));
        QCOMPARE(aList.groups().value(groupOf({ QStringLiteral("CAL_A3") })), words("a.xml"));
        QCOMPARE(sorted(aList.allFiles()), words("a.xml b.xml c.xml"));
    }

    void brokenFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("warning");

        row("empty file", QByteArray(), "^malformed XML file .*white_list.conf");
        row("not well-formed", QByteArray("<whitelist><group></whitelist>"),
            "^malformed XML file .*white_list.conf at line 1");
        row("wrong root", QByteArray("<blacklist><group/></blacklist>"),
            "^no white list in .*white_list.conf - root element <blacklist>$");
        row("entity declaration", QByteArray("<!DOCTYPE w [<!ENTITY x \"y\">]><whitelist/>"),
            "^refused XML file .*white_list.conf");
    }

    void brokenFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);

        writeContentFile(content);
        LMTemplateWhiteList aList;
        aList.addFiles(groupOf({ QStringLiteral("CAL_A3") }), { QStringLiteral("left-over") });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QVERIFY(!aList.load(QFileInfo(contentFile())));
        QVERIFY(aList.isEmpty());
        QVERIFY(aList.findFiles(LMArticle::fromOrderTxtName(QStringLiteral("CAL_A3"))).isEmpty());
    }

    void manyGroups_data()
    {
        QTest::addColumn<bool>("fromBusyPool");
        row("parallel from the main thread", false);
        row("sequential inside a full pool", true);
    }

    void manyGroups()
    {
        QFETCH(bool, fromBusyPool);

        // 200 groups over 40 distinct article groups: every distinct group is merged five times.
        constexpr int aGroupCount = 200;
        constexpr int aDistinct = 40;
        QList<QPair<QString, QStringList>> aGroups;
        for (int anIndex = 0; anIndex < aGroupCount; ++anIndex)
            aGroups.append({ QStringLiteral("<product>ART_%1</product><type>card</type>").arg(anIndex % aDistinct),
                             { QStringLiteral("f%1-a.xml").arg(anIndex), QStringLiteral("f%1-b.svg").arg(anIndex) } });
        writeContentFile(whiteListText(aGroups));

        LMTemplateWhiteList aList;
        if (fromBusyPool) {
            QThreadPool* aPool = QThreadPool::globalInstance();
            const int aMaximum = aPool->maxThreadCount();
            aPool->setMaxThreadCount(1);
            const bool aLoaded
                = QtConcurrent::run([&aList, this] { return aList.load(QFileInfo(contentFile())); }).result();
            aPool->setMaxThreadCount(aMaximum);
            QVERIFY(aLoaded);
        } else {
            QVERIFY(aList.load(QFileInfo(contentFile())));
        }

        QCOMPARE(aList.groups().size(), aDistinct);
        QCOMPARE(aList.allFiles().size(), 2 * aGroupCount);
        for (int aGroup = 0; aGroup < aDistinct; ++aGroup) {
            const LMArticlesGroup aKey = restricted(groupOf({ QStringLiteral("ART_%1").arg(aGroup) }),
                                                    { restrictionOf("", "card", "", "", "") });
            QStringList anExpected;
            for (int anIndex = aGroup; anIndex < aGroupCount; anIndex += aDistinct)
                anExpected << QStringLiteral("f%1-a.xml").arg(anIndex) << QStringLiteral("f%1-b.svg").arg(anIndex);
            QCOMPARE(sorted(aList.groups().value(aKey)), sorted(anExpected));
        }
    }

private:
    QString contentFile() const { return myDir.filePath(QStringLiteral("content/white_list.conf")); }
    QString userFile() const { return myDir.filePath(QStringLiteral("user/white_list.conf")); }
    void writeContentFile(const QByteArray& theText)
    {
        LMTestSupport::writeFile(myDir, QStringLiteral("content/white_list.conf"), theText);
    }

    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestTemplateWhiteList)
#include "tst_templatewhitelist.moc"
