#include "LMCrashReportSender.h"
#include "LMCssSheetRegistry.h"
#include "LMCssSheetTitleIdMap.h"
#include "LMCustomCardColorConfig.h"
#include "LMDirectoryConfig.h"
#include "LMFileHandler.h"
#include "LMLocaleAndTranslationManager.h"
#include "LMMath.h"
#include "LMReloadableResourcesManager.h"
#include "LMSVGLayerType.h"
#include "LMSVGNormalizer.h"
#include "LMSVGTransformReader.h"
#include "LMTextFormatChange.h"
#include "LMTextFormatParserSVG.h"
#include "LMTextTransform.h"
#include "LMXMLLoader.h"

#include "LMTestSupport.h"

#include <QDomNamedNodeMap>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>

#include <atomic>
#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::elementWithId;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

Q_DECLARE_METATYPE(LMTextFormatChange)

namespace {

// Element names, sorted attributes and child elements, without blanks: what the reader sees.
QString compact(const QDomElement& theElement)
{
    QStringList anAttributes;
    const QDomNamedNodeMap aMap = theElement.attributes();
    for (int anIndex = 0; anIndex < aMap.size(); ++anIndex) {
        const QDomNode anAttribute = aMap.item(anIndex);
        anAttributes.append(QStringLiteral(" %1=\"%2\"").arg(anAttribute.nodeName(), anAttribute.nodeValue()));
    }
    anAttributes.sort();
    QString aChildren;
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        aChildren += compact(aChild);
    return QStringLiteral("<%1%2>%3</%1>").arg(theElement.tagName(), anAttributes.join(QString()), aChildren);
}

QString compactBody(const QDomDocument& theDocument)
{
    QString aBody;
    for (QDomElement aChild = theDocument.documentElement().firstChildElement(); !aChild.isNull();
         aChild = aChild.nextSiblingElement())
        aBody += compact(aChild);
    return aBody;
}

QDomDocument svgWithBody(const QString& theBody)
{
    const QString aText = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                         "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                                         "xmlns:lumo=\"urn:example:lumo\">%1</svg>")
                              .arg(theBody);
    return LMXMLLoader::loadDocumentFromData(aText.toUtf8(), QStringLiteral("body.svg"));
}

bool fuzzyEqual(const QTransform& theA, const QTransform& theB)
{
    const double anA[] = { theA.m11(), theA.m12(), theA.m13(), theA.m21(), theA.m22(),
                           theA.m23(), theA.m31(), theA.m32(), theA.m33() };
    const double aB[] = { theB.m11(), theB.m12(), theB.m13(), theB.m21(), theB.m22(),
                          theB.m23(), theB.m31(), theB.m32(), theB.m33() };
    for (int anIndex = 0; anIndex < 9; ++anIndex) {
        if (std::abs(anA[anIndex] - aB[anIndex]) > 1e-9)
            return false;
    }
    return true;
}

QString describe(const QTransform& theTransform)
{
    return QStringLiteral("(%1 %2 %3 %4 %5 %6)")
        .arg(theTransform.m11())
        .arg(theTransform.m12())
        .arg(theTransform.m21())
        .arg(theTransform.m22())
        .arg(theTransform.dx())
        .arg(theTransform.dy());
}

QString malformedMessage(const QString& theText)
{
    return QStringLiteral("malformed SVG transform \"%1\" read as identity").arg(theText);
}

// The change a row expects, from words: "family=Open_Sans" (_ for a blank), "size=12" (points),
// "bold=1", "italic=0", "color=#00ff00", "align=left" (center, right, justify), "spacing=1"
// (millimetres), "line=150" (percent). An unknown word stops the test program.
LMTextFormatChange expected(const char* theWords)
{
    const QStringList aNames = LMTestSupport::words("family size bold italic color align spacing line");
    const LMTextFormat::Field aFieldOfName[]
        = { LMTextFormat::FontFamily,    LMTextFormat::FontSize,  LMTextFormat::Bold,
            LMTextFormat::Italic,        LMTextFormat::FontColor, LMTextFormat::AlignmentHorizontal,
            LMTextFormat::LetterSpacing, LMTextFormat::LineHeight };
    const QStringList anAlignmentNames = LMTestSupport::words("left center right justify");
    const Qt::Alignment anAlignments[] = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify };
    LMTextFormat aFormat;
    LMTextFormat::Fields aFields;
    for (const QString& aWord : LMTestSupport::words(theWords)) {
        const QString aName = aWord.section(QLatin1Char('='), 0, 0);
        const QString aValue = aWord.section(QLatin1Char('='), 1);
        if (!aNames.contains(aName) || (aName == u"align" && !anAlignmentNames.contains(aValue)))
            qFatal("unknown word in an expected text format: %s", qPrintable(aWord));
        aFields |= aFieldOfName[aNames.indexOf(aName)];
        if (aName == u"family")
            aFormat.setFontFamily(QString(aValue).replace(QLatin1Char('_'), QLatin1Char(' ')));
        else if (aName == u"size")
            aFormat.setFontSize(aValue.toDouble());
        else if (aName == u"bold")
            aFormat.setBold(aValue == u"1");
        else if (aName == u"italic")
            aFormat.setItalic(aValue == u"1");
        else if (aName == u"color")
            aFormat.setFontColor(QColor::fromString(aValue));
        else if (aName == u"align")
            aFormat.setAlignmentHorizontal(anAlignments[anAlignmentNames.indexOf(aValue)]);
        else if (aName == u"spacing")
            aFormat.setLetterSpacing(LMDistance(aValue.toDouble(), LMDistanceUnit::Millimetre));
        else
            aFormat.setLineHeightPercent(aValue.toInt());
    }
    return LMTextFormatChange(aFormat, aFields);
}

// One row of a table whose columns are the text, the DPI and the expected change.
template <typename Text>
void textRow(const char* theTag, const Text& theText, const LMTextFormatChange& theExpected, double theDpi = 254)
{
    QTest::newRow(theTag) << theText << theDpi << theExpected;
}

QByteArray describe(const LMTextFormatChange& theChange)
{
    QString aText;
    QDebug(&aText) << theChange;
    return aText.toUtf8();
}

} // namespace

// What SVG documents of the content tree go through before the template reader sees them: the
// registry of CSS sheets (the content folder on first use, registering, folders, reloading, use
// from many threads), the guard that keeps references inside content files from reaching files
// outside the content tree (the tree lies in a temporary folder with hostile links beside it), the
// preparation of documents, the small services the reader asks (language, error reports, custom
// colour sheets), and transforms, rotations, layer kinds and text formats as SVG documents write
// them.
class TestSVG : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/a/pic.png"), "png");
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/a/sub/inner.png"), "png");
        LMTestSupport::writeFile(myDir, QString::fromUtf8("tree/designs/a/Bild \xc3\xa4.png"), "png");
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/a/cal_fr.svg"), "<svg/>");
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/a/cal2.svg"), "<svg/>");
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/b/other.png"), "png");
        LMTestSupport::writeFile(myDir, QStringLiteral("outside/secret.png"), "secret");
        LMTestSupport::writeFile(myDir, QStringLiteral("outside/evil_fr.svg"), "<svg/>");
        // Links inside the design folder: one out of the tree, one to a file, one to a folder outside.
        QVERIFY(QFile::link(QStringLiteral("../../../outside/secret.png"),
                            designFolder() + QStringLiteral("/link-out.png")));
        QVERIFY(QFile::link(QStringLiteral("../b/other.png"), designFolder() + QStringLiteral("/link-in.png")));
        QVERIFY(QFile::link(myDir.path() + QStringLiteral("/outside"), designFolder() + QStringLiteral("/linkdir")));
        QVERIFY(QFile::link(QStringLiteral("nowhere.png"), designFolder() + QStringLiteral("/dangling.png")));
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/css/winter.css"), "text { fill: #ffffff }");
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/css/summer.css"), "text { fill: #ffcc00 }");
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/css/notes.txt"), "not a sheet");
        LMTestSupport::writeFile(myDir, QString::fromUtf8("more/gr\xc3\xbcn.css"),
                                 "/* \xc3\xbc */ text { fill: green }");
        LMTestSupport::writeFile(myDir, QStringLiteral("more/winter.css"), "text { fill: #eeeeee }");
        LMTestSupport::writeFile(myDir, QStringLiteral("huge/big.css"),
                                 QByteArray(LMCssSheetRegistry::ourMaximumSheetSize + 1, ' '));
        LMTestSupport::writeFile(myDir, QStringLiteral("huge/small.css"), "text {}");
        QVERIFY(QDir().mkpath(myDir.path() + QStringLiteral("/empty")));
        // Before the registry's first use: its content comes from here.
        LMDirectoryConfig::instance()->setContentRoot(root());
        LMLocaleAndTranslationManager::instance()->setLanguageCode(QStringLiteral(" FR "));
    }

    void cleanupTestCase()
    {
        LMDirectoryConfig::instance()->setContentRoot(QString());
        qunsetenv("LM_LANGUAGE");
        LMLocaleAndTranslationManager::instance()->setLanguageCode(QString());
    }

    void contentSheetsOnFirstUse()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        QCOMPARE(aRegistry->sheetIds(), words("summer.css winter.css"));
        QCOMPARE(aRegistry->sheet(QStringLiteral("winter.css")), QStringLiteral("text { fill: #ffffff }"));
        QVERIFY(!aRegistry->contains(QStringLiteral("notes.txt")));
        QVERIFY(!aRegistry->contains(QStringLiteral("Winter.css")));
        QVERIFY(aRegistry->sheet(QStringLiteral("autumn.css")).isEmpty());
    }

    void registerReplaces()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        aRegistry->registerSheet(QStringLiteral("custom.css"), QStringLiteral("a"));
        aRegistry->registerSheet(QStringLiteral("custom.css"), QStringLiteral("b"));
        QCOMPARE(aRegistry->sheet(QStringLiteral("custom.css")), QStringLiteral("b"));
        aRegistry->registerSheet(QStringLiteral("empty.css"), QString());
        QVERIFY(aRegistry->contains(QStringLiteral("empty.css")));
    }

    void sheetTextsByTitle()
    {
        LMCssSheetTitleIdMap aMap;
        aMap.insert(QStringLiteral("Sommer"), QStringLiteral("summer.css"));
        aMap.insert(QStringLiteral("Herbst"), QStringLiteral("autumn.css")); // not registered
        aMap.insert(QStringLiteral("Eigen"), QStringLiteral("custom.css"));
        const QMap<QString, QString> aTexts = LMCssSheetRegistry::instance()->sheetTexts(aMap);
        QCOMPARE(aTexts.keys(), words("Eigen Sommer"));
        QCOMPARE(aTexts.value(QStringLiteral("Sommer")), QStringLiteral("text { fill: #ffcc00 }"));
        QCOMPARE(aTexts.value(QStringLiteral("Eigen")), QStringLiteral("b"));
    }

    void loadFolder_data()
    {
        columns<QString, int, QString, QString, QString>("folder", "count", "warning", "checkedId", "checkedText");

        row("replaces and adds, unicode names", "more", 2, QString(), QString::fromUtf8("gr\xc3\xbcn.css"),
            QString::fromUtf8("/* \xc3\xbc */ text { fill: green }"));
        row("same id replaced", "more", 2, QString(), "winter.css", "text { fill: #eeeeee }");
        row("empty folder", "empty", 0, QString(), "summer.css", "text { fill: #ffcc00 }");
        row("missing folder", "absent", 0, "CSS folder %1 not found", "summer.css", "text { fill: #ffcc00 }");
        row("oversized sheet skipped", "huge", 1, "CSS sheet %1/big.css not read: larger than 1048576 bytes",
            "small.css", "text {}");
    }

    void loadFolder()
    {
        QFETCH(QString, warning);
        const QString aPath = myDir.path() + QLatin1Char('/') + fetch<QString>("folder");
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(aPath)));
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        QTEST(aRegistry->loadFolder(aPath), "count");
        QTEST(aRegistry->sheet(fetch<QString>("checkedId")), "checkedText");
        QVERIFY(!aRegistry->contains(QStringLiteral("big.css")));
    }

    void reloadRereadsTheContent()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        aRegistry->registerSheet(QStringLiteral("custom.css"), QStringLiteral("x"));
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/css/autumn.css"), "text { fill: brown }");
        QVERIFY(!aRegistry->contains(QStringLiteral("autumn.css"))); // read once, not watched
        aRegistry->reload();
        QCOMPARE(aRegistry->sheetIds(), words("autumn.css summer.css winter.css"));
        // The content's own sheet again, not the one a folder replaced it with.
        QCOMPARE(aRegistry->sheet(QStringLiteral("winter.css")), QStringLiteral("text { fill: #ffffff }"));
    }

    void concurrentFirstUse()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        aRegistry->reload();
        std::atomic<int> aFound { 0 };
        std::vector<std::thread> aThreads;
        for (int anIndex = 0; anIndex < 8; ++anIndex) {
            aThreads.emplace_back([&aFound, aRegistry] {
                if (aRegistry->sheet(QStringLiteral("summer.css")) == QStringLiteral("text { fill: #ffcc00 }"))
                    ++aFound;
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        QCOMPARE(aFound.load(), 8);
        QCOMPARE(aRegistry->sheetIds().size(), 3);
    }

    void concurrentRegisterAndRead()
    {
        LMCssSheetRegistry* aRegistry = LMCssSheetRegistry::instance();
        constexpr int aThreadCount = 4;
        constexpr int aSheetCount = 200;
        std::atomic<int> aMismatches { 0 };
        std::vector<std::thread> aThreads;
        for (int aThread = 0; aThread < aThreadCount; ++aThread) {
            aThreads.emplace_back([=, &aMismatches] {
                for (int aSheet = 0; aSheet < aSheetCount; ++aSheet) {
                    const QString anId = QStringLiteral("t%1-%2.css").arg(aThread).arg(aSheet);
                    aRegistry->registerSheet(anId, anId);
                    if (aRegistry->sheet(anId) != anId || !aRegistry->contains(QStringLiteral("winter.css")))
                        ++aMismatches;
                    if (aSheet % 50 == 0)
                        aRegistry->sheetIds();
                }
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        QCOMPARE(aMismatches.load(), 0);
        QCOMPARE(aRegistry->sheetIds().size(), 3 + aThreadCount * aSheetCount);
    }

    // Titles keep their first place; a title inserted again takes the new sheet; uniting keeps
    // the own sheet of a title and the own default; the order is part of the value.
    void titleIdMap()
    {
        LMCssSheetTitleIdMap aMap;
        QVERIFY(aMap.isEmpty());
        aMap.insert(QStringLiteral("winter"), QStringLiteral("winter.css"));
        aMap.insert(QStringLiteral("autumn"), QStringLiteral("autumn.css"));
        aMap.insert(QStringLiteral("winter"), QStringLiteral("snow.css"));
        QCOMPARE(aMap.titles(), words("winter autumn"));
        QCOMPARE(aMap.sheetId(QStringLiteral("winter")), QStringLiteral("snow.css"));
        QVERIFY(aMap.contains(QStringLiteral("autumn")) && !aMap.contains(QStringLiteral("Autumn")));
        QVERIFY(aMap.sheetId(QStringLiteral("spring")).isEmpty());

        LMCssSheetTitleIdMap anOther;
        anOther.insert(QStringLiteral("spring"), QStringLiteral("spring.css"));
        anOther.insert(QStringLiteral("winter"), QStringLiteral("ice.css"));
        anOther.setDefaultTitle(QStringLiteral("spring"));
        LMCssSheetTitleIdMap aUnited = aMap;
        QVERIFY(aUnited == aMap);
        aUnited.unite(anOther);
        QCOMPARE(aUnited.titles(), words("winter autumn spring"));
        QCOMPARE(aUnited.sheetId(QStringLiteral("winter")), QStringLiteral("snow.css"));
        QCOMPARE(aUnited.defaultTitle(), QStringLiteral("spring")); // taken: this map had none
        aUnited.setDefaultTitle(QStringLiteral("autumn"));
        aUnited.unite(anOther);
        QCOMPARE(aUnited.defaultTitle(), QStringLiteral("autumn"));
        QCOMPARE(aUnited.size(), 3);

        LMCssSheetTitleIdMap aDefaulted = aMap;
        aDefaulted.setDefaultTitle(QStringLiteral("winter"));
        QVERIFY(aDefaulted != aMap);
        LMCssSheetTitleIdMap aReversed;
        aReversed.insert(QStringLiteral("autumn"), QStringLiteral("autumn.css"));
        aReversed.insert(QStringLiteral("winter"), QStringLiteral("snow.css"));
        QVERIFY(aReversed != aMap);
    }

    void fromDocument_data()
    {
        columns<QByteArray, QStringList, QStringList, QString>("xml", "titles", "sheetIds", "defaultTitle");

        const QByteArray aRoot = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
        row("no instructions", aRoot, QStringList(), QStringList(), QString());
        row("title from base name",
            QByteArray("<?xml-stylesheet type=\"text/css\" href=\"css/blue.sheet.css\"?>" + aRoot), words("blue.sheet"),
            words("blue.sheet.css"), "blue.sheet");
        row("alternate first, default is the first non-alternate",
            QByteArray("<?xml version=\"1.0\"?>"
                       "<?xml-stylesheet href='red.css' title='Rot' alternate='yes'?>"
                       "<?xml-stylesheet href=\"green.css\" title=\"Gr\xc3\xbcn\"?>"
                       "<?xml-stylesheet href=\"blue.css\"?>"
                       + aRoot),
            QStringList({ "Rot", QString::fromUtf8("Gr\xc3\xbcn"), "blue" }), words("red.css green.css blue.css"),
            QString::fromUtf8("Gr\xc3\xbcn"));
        row("all alternate: no default", QByteArray("<?xml-stylesheet href=\"a.css\" alternate=\"YES\"?>" + aRoot),
            words("a"), words("a.css"), QString());
        row("alternate no counts as default", QByteArray("<?xml-stylesheet href=\"a.css\" alternate=\"no\"?>" + aRoot),
            words("a"), words("a.css"), "a");
        QTest::newRow("after the root: ignored")
            << QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\"><?xml-stylesheet href=\"x.css\"?></svg>"
                          "<?xml-stylesheet href=\"y.css\"?>")
            << QStringList() << QStringList() << QString();
        row("other instruction ignored", QByteArray("<?other-thing href=\"x.css\"?>" + aRoot), QStringList(),
            QStringList(), QString());
    }

    void fromDocument()
    {
        QFETCH(QStringList, titles);
        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(fetch<QByteArray>("xml"), QStringLiteral("sheets.svg"));
        QVERIFY(!aDocument.isNull());
        const LMCssSheetTitleIdMap aMap = LMCssSheetTitleIdMap::fromDocument(aDocument);
        QCOMPARE(aMap.titles(), titles);
        QStringList anIds;
        for (const QString& aTitle : titles)
            anIds.append(aMap.sheetId(aTitle));
        QTEST(anIds, "sheetIds");
        QCOMPARE(aMap.defaultTitle(), fetch<QString>("defaultTitle"));
    }

    void resolve_data()
    {
        columns<QString, QString>("base", "reference");
        // Below the root; empty when refused.
        QTest::addColumn<QString>("expected");
        // The reason of the warning; empty when none is expected.
        QTest::addColumn<QString>("reason");

        // Rows resolved from the design folder: the reference, the result below the root (empty when
        // refused) and the reason of the warning (empty when none is expected).
        const auto row = [this](const char* theTag, const QString& theReference, const QString& theExpected,
                                const QString& theReason = QString()) {
            QTest::newRow(theTag) << designFolder() << theReference << theExpected << theReason;
        };
        const QString anOutside = QStringLiteral("outside the content tree");
        const QString anUrl = QStringLiteral("URLs are not content files");
        const QString aPic = QStringLiteral("designs/a/pic.png");
        const QString anOther = QStringLiteral("designs/b/other.png");

        row("relative", "./pic.png", aPic);
        row("blanks around", "  pic.png ", aPic);
        row("fragment after the file", "pic.png#layer1", aPic);
        row("unicode name", "Bild \u00e4.png", "designs/a/Bild \u00e4.png");
        row("out and back in", "../../../outside/../tree/designs/a/pic.png", aPic);
        row("absolute inside", root() + "/designs/b/other.png", anOther);
        row("link to a file inside", "link-in.png", anOther);
        LMTestSupport::row("empty base is the root", QString(), QStringLiteral("designs/a/pic.png"), aPic, QString());

        row("dot dot escape", "../../../outside/secret.png", QString(), anOutside);
        row("dot dot escape to missing file", "../../../outside/none.png", QString(), anOutside);
        row("link to a file outside", "link-out.png", QString(), anOutside);
        row("link to a folder outside", "linkdir/secret.png", QString(), anOutside);
        row("file URL", "file://" + designFolder() + "/pic.png", QString(), anUrl);
        row("file URL upper case", "FILE:pic.png", QString(), anUrl);
        row("resource path", ":/images/pic.png", QString(), "resource paths are not content files");
        row("missing file", "missing.png", QString(), "no such file");
        row("dangling link", "dangling.png", QString(), "no such file");
        row("folder", "sub", QString(), "not a file");

        row("data URI", "data:image/png;base64,iVBORw0KGgo=", QString());
        row("data URI upper case", "DATA:,x", QString());
        row("fragment", "#gradient1", QString());
        row("empty", QString(), QString());
    }

    void resolve()
    {
        QFETCH(QString, reference);
        QFETCH(QString, expected);
        QFETCH(QString, reason);

        if (!reason.isEmpty()) {
            QTest::ignoreMessage(
                QtWarningMsg, qPrintable(QStringLiteral("refused file reference \"%1\": %2").arg(reference, reason)));
        }
        const QString aCanonicalRoot = QFileInfo(root()).canonicalFilePath();
        const QString aResult = LMFileHandler::resolveContentReference(fetch<QString>("base"), reference);
        QCOMPARE(aResult, expected.isEmpty() ? QString() : aCanonicalRoot + QLatin1Char('/') + expected);
    }

    void missingContentRoot()
    {
        LMDirectoryConfig::instance()->setContentRoot(myDir.path() + QStringLiteral("/no-such-root"));
        QTest::ignoreMessage(QtWarningMsg, "refused file reference \"pic.png\": the content tree does not exist");
        QVERIFY(LMFileHandler::resolveContentReference(designFolder(), QStringLiteral("pic.png")).isEmpty());
        LMDirectoryConfig::instance()->setContentRoot(root());
    }

    void prepare_data()
    {
        columns<QString, QString>("body", "designLogo");
        // "$A" stands for the canonical design folder.
        columns<QString, QStringList>("expected", "warnings");

        const QString aLogo = QStringLiteral("/content/logos/design-logo.svg");
        // The expected body is written with ' for ", and '$A' for the canonical design folder.
        const auto row = [&aLogo](const char* theTag, const QString& theBody, const QString& theExpected,
                                  const QString& theRefused = QString(), const QString& theReason = QString()) {
            const QString aWarning = QStringLiteral("refused file reference \"%1\": %2").arg(theRefused, theReason);
            QTest::newRow(theTag) << theBody << aLogo << QString(theExpected).replace('\'', '"')
                                  << (theRefused.isEmpty() ? QStringList() : QStringList { aWarning });
        };
        const QString anOutside = QStringLiteral("outside the content tree");
        const QString aMissing = QStringLiteral("no such file");
        row("empty document", QString(), QString());
        row("script removed", "<g><script>alert(1)</script><rect/></g>", "<g><rect></rect></g>");
        row("prefixed script and foreign object removed", "<svg:script/><foreignObject><div/></foreignObject><rect/>",
            "<rect></rect>");
        row("event handlers and xml:base removed", "<rect onclick='x()' ONLOAD='y()' xml:base='/etc/' opacity='1'/>",
            "<rect opacity='1'></rect>");
        row("relative image made absolute", "<image xlink:href='pic.png' width='5'/>",
            "<image width='5' xlink:href='$A/pic.png'></image>");
        row("plain href, other prefix, fragment kept", "<image href='pic.png#x'/><image x:href='./pic.png'/>",
            "<image href='$A/pic.png#x'></image><image x:href='$A/pic.png'></image>");
        row("fragments and data URIs stay",
            "<use xlink:href='#shape'/><image xlink:href='data:image/png;base64,AAAA'/>",
            "<use xlink:href='#shape'></use><image xlink:href='data:image/png;base64,AAAA'></image>");
        row("escape removed", "<image xlink:href='../../../outside/secret.png' width='5'/>",
            "<image width='5'></image>", "../../../outside/secret.png", anOutside);
        row("design logo placeholder", "<image xlink:href='lumo:designlogo'/><image href='LUMO:DesignLogo'/>",
            QStringLiteral("<image xlink:href='%1'></image><image href='%1'></image>").arg(aLogo));
        LMTestSupport::row("design logo placeholder without logo",
                           QStringLiteral("<image xlink:href='lumo:designlogo' x='1'/>"), QString(),
                           QStringLiteral("<image x=\"1\"></image>"), QStringList());
        row("metadata references stay, scripts go",
            "<metadata><lumo:template><lumo:thumbnail xlink:href='thumbs/t.jpg'/><script/></lumo:template></metadata>",
            "<metadata><lumo:template><lumo:thumbnail xlink:href='thumbs/t.jpg'></lumo:thumbnail></lumo:template>"
            "</metadata>");
        row("calendar only in the language variant stays as written",
            "<image lumo:cal_embed='true' xlink:href='cal.svg'/>",
            "<image lumo:cal_embed='true' xlink:href='cal.svg'></image>");
        row("calendar file made absolute", "<image lumo:cal_embed='true' xlink:href='cal2.svg'/>",
            "<image lumo:cal_embed='true' xlink:href='$A/cal2.svg'></image>");
        row("calendar language variant outside removed",
            "<image lumo:cal_embed='true' xlink:href='../../../outside/evil.svg'/>",
            "<image lumo:cal_embed='true'></image>", "../../../outside/evil_fr.svg", anOutside);
        row("calendar missing in both removed", "<image lumo:cal_embed='true' xlink:href='none.svg'/>",
            "<image lumo:cal_embed='true'></image>", "none.svg", aMissing);
        row("language variant only for calendars", "<image xlink:href='cal.svg'/>", "<image></image>", "cal.svg",
            aMissing);
    }

    void prepare()
    {
        const QDomDocument aDocument = svgWithBody(fetch<QString>("body"));
        QVERIFY(!aDocument.isNull());
        LMTestSupport::expectWarnings(fetch<QStringList>("warnings"));
        const QFileInfo aFile(root() + QStringLiteral("/designs/a/template.svg"));
        const QDomDocument aPrepared
            = LMSVGNormalizer::prepareDomDocument(aDocument, aFile, fetch<QString>("designLogo"));
        const QString aFolder = QFileInfo(root() + QStringLiteral("/designs/a")).canonicalFilePath();
        QCOMPARE(compactBody(aPrepared), QString(fetch<QString>("expected")).replace(QStringLiteral("$A"), aFolder));
    }

    void originalStaysAndNullStaysNull()
    {
        const QDomDocument aDocument
            = svgWithBody(QStringLiteral("<script/><image xlink:href=\"pic.png\"/><?xml-stylesheet href=\"a.css\"?>"));
        const QString aBefore = aDocument.toString();
        const QDomDocument aPrepared = LMSVGNormalizer::prepareDomDocument(
            aDocument, QFileInfo(root() + QStringLiteral("/designs/a/t.svg")), QString());
        QCOMPARE(aDocument.toString(), aBefore);
        QVERIFY(aPrepared.toString() != aBefore);
        QVERIFY(LMSVGNormalizer::prepareDomDocument(QDomDocument(), QFileInfo(), QString()).isNull());

        // The style sheet instructions before the root survive the copy.
        const QDomDocument aSheeted = LMXMLLoader::loadDocumentFromData(
            "<?xml-stylesheet href=\"winter.css\" title=\"Winter\"?><svg/>", QStringLiteral("sheets.svg"));
        const LMCssSheetTitleIdMap aSheets
            = LMCssSheetTitleIdMap::fromDocument(LMSVGNormalizer::prepareDomDocument(aSheeted, QFileInfo(), QString()));
        QCOMPARE(aSheets.sheetId(QStringLiteral("Winter")), QStringLiteral("winter.css"));
        QCOMPARE(aSheets.defaultTitle(), QStringLiteral("Winter"));
    }

    void designLogoFollowsTheContentTree()
    {
        LMReloadableResourcesManager* aManager = LMReloadableResourcesManager::instance();
        const QString aLogo = root() + QStringLiteral("/logos/design-logo.svg");
        QVERIFY(aManager->designLogo().isEmpty());
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/logos/design-logo.svg"), "<svg/>");
        QCOMPARE(aManager->designLogo(), aLogo);
        QVERIFY(QFile::remove(aLogo));
        QVERIFY(aManager->designLogo().isEmpty());
        // A folder of that name is no logo.
        QVERIFY(QDir().mkpath(aLogo));
        QVERIFY(aManager->designLogo().isEmpty());
    }

    void languageCode_data()
    {
        columns<QByteArray, QString, QString>("environment", "set", "expected");

        row("default German", QByteArray(), QString(), "de");
        row("environment", QByteArray("It"), QString(), "it");
        row("blank environment", QByteArray("  "), QString(), "de");
        row("set wins over environment", QByteArray("it"), " FR ", "fr");
        row("set blank goes back", QByteArray(), "  ", "de");
    }

    void languageCode()
    {
        QFETCH(QByteArray, environment);
        if (environment.isEmpty())
            qunsetenv("LM_LANGUAGE");
        else
            qputenv("LM_LANGUAGE", environment);
        LMLocaleAndTranslationManager* aManager = LMLocaleAndTranslationManager::instance();
        aManager->setLanguageCode(QStringLiteral("xx")); // something else first
        aManager->setLanguageCode(fetch<QString>("set"));
        QTEST(aManager->languageCode(), "expected");
    }

    void errorReportsKeepTheLastHundred()
    {
        LMCrashReportSender* aSender = LMCrashReportSender::instance();
        aSender->clearSentTexts();
        const QString aText = QString::fromUtf8("read: FILE:/x/\xc3\xa4.svg PARENT:/x SIZE:0");
        QTest::ignoreMessage(QtWarningMsg, aText.toUtf8().constData());
        aSender->sendTextErrorToServer(aText);
        QCOMPARE(aSender->sentTexts(), QStringList { aText });

        for (int anIndex = 1; anIndex <= LMCrashReportSender::ourKeptTexts; ++anIndex) {
            const QString aNumbered = QStringLiteral("report %1").arg(anIndex);
            QTest::ignoreMessage(QtWarningMsg, qPrintable(aNumbered));
            aSender->sendTextErrorToServer(aNumbered);
        }
        const QStringList aKept = aSender->sentTexts();
        QCOMPARE(aKept.size(), LMCrashReportSender::ourKeptTexts);
        QCOMPARE(aKept.first(), QStringLiteral("report 1")); // the first report fell out
        QCOMPARE(aKept.last(), QStringLiteral("report 100"));
    }

    void errorReportsFromManyThreads()
    {
        LMCrashReportSender* aSender = LMCrashReportSender::instance();
        aSender->clearSentTexts();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^thread \\d item \\d+$")));
        // Every warning must be announced once per message; announce the rest with a filter.
        for (int anIndex = 1; anIndex < 4 * 60; ++anIndex)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^thread \\d item \\d+$")));
        std::vector<std::thread> aThreads;
        for (int aThread = 0; aThread < 4; ++aThread) {
            aThreads.emplace_back([aSender, aThread] {
                for (int anItem = 0; anItem < 60; ++anItem)
                    aSender->sendTextErrorToServer(QStringLiteral("thread %1 item %2").arg(aThread).arg(anItem));
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        const QStringList aKept = aSender->sentTexts();
        QCOMPARE(aKept.size(), LMCrashReportSender::ourKeptTexts);
        // Each thread's reports stay in the order it sent them.
        for (int aThread = 0; aThread < 4; ++aThread) {
            int aLast = -1;
            for (const QString& aText : aKept) {
                if (!aText.startsWith(QStringLiteral("thread %1 ").arg(aThread)))
                    continue;
                const int anItem = aText.section(QLatin1Char(' '), 3).toInt();
                QVERIFY(anItem > aLast);
                aLast = anItem;
            }
        }
    }

    void customColorFile_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("sheets"); // "title=sheet", in list order
        columns<QString, QString>("defaultTitle", "warning");
        const auto row = [](const char* theTag, const QByteArray& theJson, const QStringList& theSheets,
                            const QString& theDefault = QString(), const QString& theWarning = QString()) {
            QTest::newRow(theTag) << theJson << theSheets << theDefault << theWarning;
        };

        row("two sheets with default",
            R"({"default": "Rot", "sheets": [{"title": "Blau", "sheet": "customColorBlue.css"},
                                             {"title": "Rot", "sheet": "customColorRed.css"}]})",
            { "Blau=customColorBlue.css", "Rot=customColorRed.css" }, "Rot");
        row("title from the sheet name, unicode", R"({"sheets": [{"sheet": "grün.css"}]})", { "grün=grün.css" });
        row("entry without sheet skipped", R"({"sheets": [{"title": "Leer"}, {"title": "Gelb", "sheet": "y.css"}]})",
            { "Gelb=y.css" }, QString(), "entry 0 has no \"sheet\"");
        row("unknown default ignored", R"({"default": "Lila", "sheets": [{"title": "Gelb", "sheet": "y.css"}]})",
            { "Gelb=y.css" }, QString(), "the default \"Lila\" is no title of the list");
        row("sheets not a list", R"({"sheets": {"title": "x"}})", {}, QString(), "\"sheets\" is not a list");
        row("not an object", "[1, 2]", {}, QString(), "not a JSON object");
        row("malformed", "{\"sheets\": [", {}, QString(), "unterminated array");
        row("empty object", "{}", {});
    }

    void customColorFile()
    {
        QFETCH(QString, warning);

        const QString aPath = LMTestSupport::writeFile(
            myDir, QStringLiteral("colors/%1.json").arg(QTest::currentDataTag()), fetch<QByteArray>("json"));
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("custom colour file %1: %2").arg(aPath, warning)));
        const LMCssSheetTitleIdMap aMap = LMCustomCardColorConfig::readFile(aPath);
        QStringList aSheets;
        for (const QString& aTitle : aMap.titles())
            aSheets.append(aTitle + QLatin1Char('=') + aMap.sheetId(aTitle));
        QTEST(aSheets, "sheets");
        QTEST(aMap.defaultTitle(), "defaultTitle");
    }

    void customColorsOfTheContent()
    {
        LMCustomCardColorConfig* aConfig = LMCustomCardColorConfig::instance();
        aConfig->reload();
        QVERIFY(aConfig->cssSheets().isEmpty()); // no file: no sheets, no warning

        LMTestSupport::writeFile(myDir, QStringLiteral("tree/css/customcolors.json"),
                                 R"({"sheets": [{"title": "Blau", "sheet": "blue.css"}]})");
        QVERIFY(aConfig->cssSheets().isEmpty()); // read once
        aConfig->reload();
        QCOMPARE(aConfig->cssSheets().sheetId(QStringLiteral("Blau")), QStringLiteral("blue.css"));
    }

    void parse_data()
    {
        columns<QString, QTransform>("text", "expected");

        const double aTan30 = std::tan(qDegreesToRadians(30.0));
        row("empty", QString(), QTransform());
        row("blanks only", " \t\n ", QTransform());
        row("translate x only", "translate(10)", QTransform(1, 0, 0, 1, 10, 0));
        row("translate comma and blanks", "  translate ( 10 , -20 )  ", QTransform(1, 0, 0, 1, 10, -20));
        row("numbers touching", "translate(10-5)", QTransform(1, 0, 0, 1, 10, -5));
        row("fractions touching", "translate(.5.25)", QTransform(1, 0, 0, 1, 0.5, 0.25));
        row("exponents", "translate(1e1,-2E-1)", QTransform(1, 0, 0, 1, 10, -0.2));
        row("scale uniform", "scale(2)", QTransform(2, 0, 0, 2, 0, 0));
        row("scale two", "scale(2,-3)", QTransform(2, 0, 0, -3, 0, 0));
        row("rotate quarter", "rotate(90)", QTransform(0, 1, -1, 0, 0, 0));
        row("matrix", "matrix(1 2 3 4 5 6)", QTransform(1, 2, 3, 4, 5, 6));
        row("skewX", "skewX(30)", QTransform(1, 0, aTan30, 1, 0, 0));
        row("skewY", "skewY(30)", QTransform(1, aTan30, 0, 1, 0, 0));
        // The rightmost function acts first.
        row("translate then scale", "translate(10,0) scale(2)", QTransform(2, 0, 0, 2, 10, 0));
        row("functions touching", "translate(1)scale(2)", QTransform(2, 0, 0, 2, 1, 0));
        row("functions comma", "translate(1) , scale(2)", QTransform(2, 0, 0, 2, 1, 0));
        // (1, 0) -> rotate: (0, 1) -> translate: (5, 1).
    }

    void parse()
    {
        const QTransform aResult = LMSVGTransformReader::parse(fetch<QString>("text"));
        QVERIFY2(fuzzyEqual(aResult, fetch<QTransform>("expected")), qPrintable(describe(aResult)));
    }

    void malformed_data()
    {
        QTest::addColumn<QString>("text");

        row("unclosed", "translate(10");
        row("no parentheses", "translate 10");
        row("unknown function", "shift(1)");
        row("names are case-sensitive", "Translate(1)");
        row("rotate two arguments", "rotate(1 2)");
        row("matrix too few", "matrix(1 2 3)");
        row("matrix too many", "matrix(1 2 3 4 5 6 7)");
        row("no arguments", "scale()");
        row("double comma", "translate(1,,2)");
        row("leading comma", "translate(,1)");
        row("trailing comma", "translate(1),");
        row("overflow", "translate(1e400)");
        row("unit", "translate(10px)");
        row("fullwidth digits", QString::fromUtf8("translate(\xef\xbc\x91)"));
        row("garbage after a good function", "translate(10) ;");
        row("skewX two", "skewX(1 2)");
    }

    void malformed()
    {
        QFETCH(QString, text);
        QTest::ignoreMessage(QtWarningMsg, qPrintable(malformedMessage(text)));
        QVERIFY(LMSVGTransformReader::parse(text).isIdentity());
    }

    void transformMatrix_data()
    {
        columns<QByteArray, QString, QPointF, QPointF>("xml", "warning", "local", "document");

        // Three ancestors and the element itself; the target element has id "t".
        const QByteArray aChain = "<svg><g transform=\"translate(100,0)\"><g transform=\"scale(2)\">"
                                  "<g transform=\"rotate(90)\"><rect id=\"t\" transform=\"translate(1,0)\"/>"
                                  "</g></g></g></svg>";
        // (0,0) -> (1,0) -> (0,1) -> (0,2) -> (100,2)
        row("three ancestors, origin", aChain, QString(), QPointF(0, 0), QPointF(100, 2));
        // (1,0) -> (2,0) -> (0,2) -> (0,4) -> (100,4)
        row("three ancestors, unit x", aChain, QString(), QPointF(1, 0), QPointF(100, 4));
        row("no transforms", QByteArray("<svg><g><rect id=\"t\"/></g></svg>"), QString(), QPointF(3, 4), QPointF(3, 4));
        row("root transform counts",
            QByteArray("<svg transform=\"scale(10)\"><g><rect id=\"t\" transform=\"translate(1 1)\"/></g></svg>"),
            QString(), QPointF(0, 0), QPointF(10, 10));
        row("malformed ancestor is identity",
            QByteArray("<svg><g transform=\"translate(5,5)\"><g transform=\"rotate(\">"
                       "<rect id=\"t\" transform=\"scale(3)\"/></g></g></svg>"),
            "rotate(", QPointF(1, 1), QPointF(8, 8));
        row("children of the element do not count",
            QByteArray("<svg><g id=\"t\" transform=\"translate(1,2)\"><g transform=\"scale(9)\"/></g></svg>"),
            QString(), QPointF(0, 0), QPointF(1, 2));
    }

    void transformMatrix()
    {
        QFETCH(QString, warning);
        QFETCH(QPointF, document);

        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(fetch<QByteArray>("xml"), QStringLiteral("chain.svg"));
        QVERIFY(!aDocument.isNull());
        const QDomElement aTarget = elementWithId(aDocument.documentElement(), QStringLiteral("t"));
        QVERIFY(!aTarget.isNull());
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(malformedMessage(warning)));
        const QPointF aMapped = LMSVGTransformReader::transformMatrix(aTarget).map(fetch<QPointF>("local"));
        QVERIFY2(std::abs(aMapped.x() - document.x()) < 1e-9 && std::abs(aMapped.y() - document.y()) < 1e-9,
                 qPrintable(QStringLiteral("%1, %2").arg(aMapped.x()).arg(aMapped.y())));
    }

    // Whole numbers from numbers read from files: every reader's conversion goes through it.
    void boundedInt_data()
    {
        columns<double, int>("value", "expected");
        row("inside, rounded half away from zero", 2.5, 3);
        row("just below the maximum", 99.4, 99);
        row("above the maximum", 100.5, 100);
        row("far below int", -1e300, -100);
        row("not a number gives the fallback", qQNaN(), 7);
    }

    void boundedInt()
    {
        QFETCH(double, value);
        QTEST(LMMath::boundedInt(value, -100, 100, 7), "expected");
        QCOMPARE(LMMath::boundedInt64(value * 1e10, -100, 100, 7), LMMath::boundedInt(value * 1e10, -100, 100, 7));
    }

    void rotation_data()
    {
        columns<QString, double>("transform", "degrees");

        row("identity", QString(), 0.0);
        row("270 is minus 90", "rotate(270)", -90.0);
        row("minus 180 is 180", "rotate(-180)", 180.0);
        row("just above minus 180", "rotate(-179.5)", -179.5);
        row("composed to a quarter turn", "rotate(30) rotate(60)", 90.0);
        row("tiny error snaps", "rotate(1e-12)", 0.0);
        row("small angle kept", "rotate(1e-6)", 1e-6);
        row("scaled", "rotate(10) scale(3)", 10.0);
        row("mirrored y", "scale(1,-1)", 0.0);
        // The x axis is mirrored to (-1, 0) first, then turned by 45 degrees.
        row("mirrored then rotated", "rotate(45) scale(-1,1)", -135.0);
    }

    void rotation()
    {
        const double aResult = LMMath::calcRotation(LMSVGTransformReader::parse(fetch<QString>("transform")));
        QVERIFY2(std::abs(aResult - fetch<double>("degrees")) < 1e-9, qPrintable(QString::number(aResult, 'g', 17)));
        QVERIFY(aResult > -180.0 && aResult <= 180.0);
    }

    void layerType_data()
    {
        columns<QString, int>("attribute", "expected");

        row("transfer", "1", 1);
        row("reference with blanks", " 4 ", 4);
        row("three is no kind", "3", 0);
        row("word", "render", 0);
        row("empty", QString(), 0);
    }

    void layerType()
    {
        QFETCH(int, expected);
        const LMSVGLayerType aType = LMSVGLayerType::fromAttributeValue(fetch<QString>("attribute"));
        QCOMPARE(aType.value(), expected);
        if (expected != 0)
            QCOMPARE(LMSVGLayerType(aType.encode()).value(), expected); // the words read back
    }

    void parseCSS_data()
    {
        columns<QString, double, LMTextFormatChange>("css", "dpi", "expected");

        textRow("empty", QString(), expected(""));
        textRow("size in points", "font-size: 12pt", expected("size=12"));
        textRow("size in px at 254 dpi", "font-size:127px", expected("size=36"));
        textRow("size in user units at 72 dpi", "font-size: 10", expected("size=10"), 72);
        textRow("size in mm", "font-size: 25.4mm", expected("size=72"));
        textRow("size in inches, upper case", "FONT-SIZE: .5IN", expected("size=36"));
        textRow("size malformed", "font-size: big", expected(""));
        textRow("size negative", "font-size: -3pt", expected(""));
        textRow("size relative unit", "font-size: 2em", expected(""));
        textRow("important", "font-size: 12pt !important", expected("size=12"));
        textRow("family list quoted", "font-family: 'Open Sans', Arial, sans-serif", expected("family=Open_Sans"));
        textRow("bold", "font-weight: bold", expected("bold=1"));
        textRow("weight 700", "font-weight: 700", expected("bold=1"));
        textRow("weight 400", "font-weight: 400", expected("bold=0"));
        textRow("weight unknown", "font-weight: heavy", expected(""));
        textRow("italic", "font-style: Italic", expected("italic=1"));
        textRow("oblique", "font-style: oblique", expected("italic=1"));
        textRow("style normal", "font-style: normal", expected("italic=0"));
        textRow("fill short hex", "fill: #f00", expected("color=#ff0000"));
        textRow("fill rgb", "fill: rgb(255, 0, 128)", expected("color=#ff0080"));
        textRow("fill rgb percent", "fill:rgb(100%,0%,50%)", expected("color=#ff0080"));
        textRow("fill none", "fill: none", expected("color=transparent"));
        textRow("fill gradient", "fill: url(#g)", expected(""));
        textRow("fill with alpha first", "fill: #80ff0000", expected(""));
        textRow("anchor middle", "text-anchor: middle", expected("align=center"));
        textRow("anchor end", "text-anchor: end", expected("align=right"));
        textRow("anchor start", "text-anchor: start", expected("align=left"));
        textRow("align justify", "text-align: justify", expected("align=justify"));
        textRow("anchor justify", "text-anchor: justify", expected(""));
        textRow("letter spacing mm", "letter-spacing: 1mm", expected("spacing=1"));
        textRow("letter spacing user units", "letter-spacing: 10", expected("spacing=1"));
        textRow("line height factor", "line-height: 1.5", expected("line=150"));
        textRow("line height percent", "line-height: 120%", expected("line=120"));
        textRow("line height beyond int", "line-height: 1e300", expected("line=10000"));
        textRow("fill rgb beyond long", "fill: rgb(99999999999999999999, 0, 0)", expected("color=#ff0000"));
        textRow("line height absolute", "line-height: 12pt", expected(""));
        textRow("unknown properties ignored", "stroke: red; font-size: 12pt; opacity: .5", expected("size=12"));
        textRow("later declaration wins", "font-size: 10pt; font-size: 12pt;", expected("size=12"));
        textRow("comments", "/* fill: red; */ font-size: 8pt /* ; bold */", expected("size=8"));
        textRow("declaration without colon", "bold; font-style: italic", expected("italic=1"));
        textRow("sheet with rules", ".a { font-size: 10pt }\ntext { fill: #00ff00; font-size: 11pt }",
                expected("size=11 color=#00ff00"));
        textRow("unclosed last rule", "text { font-weight: bold", expected("bold=1"));
        textRow("everything",
                "font-family: Georgia; font-size: 254; font-weight: bolder; font-style: italic; fill: #123456; "
                "text-anchor: end",
                expected("family=Georgia size=72 bold=1 italic=1 color=#123456 align=right"));
    }

    void parseCSS()
    {
        const LMTextFormatChange aResult = LMTextFormatParserSVG::parseCSS(fetch<QString>("css"), fetch<double>("dpi"));
        QVERIFY2(aResult == fetch<LMTextFormatChange>("expected"), describe(aResult).constData());
    }

    void fromSVG_data()
    {
        columns<QByteArray, double, LMTextFormatChange>("xml", "dpi", "expected");

        textRow("nearest wins over three levels",
                QByteArray("<svg font-style='italic'><g font-family='Arial' font-size='10pt' style='fill:#ff0000'>"
                           "<g style='font-size: 20pt' font-weight='bold'>"
                           "<text id='t' fill='#0000ff' text-anchor='middle'>x</text></g></g></svg>"),
                expected("italic=1 family=Arial size=20 bold=1 color=#0000ff align=center"));
        textRow("style over attribute on one element",
                QByteArray("<svg><text id='t' style='fill:#00ff00' fill='#0000ff'>x</text></svg>"),
                expected("color=#00ff00"));
        textRow("inherit keeps the ancestor's",
                QByteArray("<svg><g font-size='12pt'><text id='t' font-size='inherit'>x</text></g></svg>"),
                expected("size=12"));
        textRow("user units at the DPI", QByteArray("<svg><text id='t' font-size='127'>x</text></svg>"),
                expected("size=72"), 127);
        textRow("descendants do not count",
                QByteArray("<svg><text id='t'>x<tspan font-size='30pt'>y</tspan></text></svg>"), expected(""));
    }

    void fromSVG()
    {
        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(fetch<QByteArray>("xml"), QStringLiteral("text.svg"));
        const QDomElement aText = elementWithId(aDocument.documentElement(), QStringLiteral("t"));
        QVERIFY(!aText.isNull());
        const LMTextFormatChange aResult = LMTextFormatParserSVG::elementFormat(aText, fetch<double>("dpi"));
        QVERIFY2(aResult == fetch<LMTextFormatChange>("expected"), describe(aResult).constData());
    }

    void textTransform_data()
    {
        columns<QString, int, bool>("text", "expected", "warns");

        row("uppercase", "uppercase", 1, false);
        row("mixed case with blanks", " UpperCase ", 1, false);
        row("lowercase", "LOWERCASE", 2, false);
        row("capitalize", "Capitalize", 4, false);
        row("none", "none", 0, false);
        row("empty", QString(), 0, false);
        row("unknown", "shout", 0, true);
        row("two words", "uppercase,lowercase", 0, true);
        row("unicode look-alike", QString::fromUtf8("upp\xd0\xb5rcase"), 0, true);
    }

    void textTransform()
    {
        QFETCH(QString, text);
        if (fetch<bool>("warns")) {
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("unknown text transform \"%1\" read as none").arg(text)));
        }
        QTEST(LMTextTransform::parse(text).value(), "expected");
    }

private:
    QString root() const { return myDir.path() + QStringLiteral("/tree"); }
    QString designFolder() const { return root() + QStringLiteral("/designs/a"); }

    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestSVG)
#include "tst_svg.moc"
