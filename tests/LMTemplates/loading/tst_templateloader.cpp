#include "LMArticle.h"
#include "LMConfiguredTemplate.h"
#include "LMJobLoadTemplateFile.h"
#include "LMLoadingTest.h"
#include "LMMultiColorConfig.h"
#include "LMPageType.h"
#include "LMTemplate.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateContext.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateList.h"
#include "LMTemplateLoader.h"
#include "LMTemplateLoaderLoadingInfo.h"
#include "LMTemplateLookup.h"
#include "LMTemplateQueue.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateSourceFileList.h"
#include "LMTestTemplates.h"

#include <QDomDocument>

#include <memory>

using namespace LMLoadingTest;
using LMTestSupport::templateNames;
using LMTestSupport::writeFile;

namespace {

// A version-2 document with one layout per name ("name" or "name:design element id"), for the
// product named (none: no product).
QByteArray layouts(const QStringList& theNames, const QString& theProduct = QStringLiteral("BOOK_A4_HC"),
                   const QString& theVersion = QStringLiteral("2"))
{
    QString aText
        = QStringLiteral("<templates2%1><filter>%2</filter>")
              .arg(theVersion.isNull() ? QString() : QStringLiteral(" version='%1'").arg(theVersion),
                   theProduct.isEmpty() ? QString() : QStringLiteral("<product>%1</product>").arg(theProduct));
    for (const QString& aName : theNames)
        aText += QStringLiteral("<template name='%1'%2><layout><total width='1000' height='1000'/>"
                                "<imagearea x='0.5' y='0' width='999' height='500'/></layout></template>")
                     .arg(aName.section(QLatin1Char(':'), 0, 0),
                          aName.contains(QLatin1Char(':'))
                              ? QStringLiteral(" designElementId='%1'").arg(aName.section(QLatin1Char(':'), 1))
                              : QString());
    return (aText + QStringLiteral("</templates2>")).toUtf8();
}

// A version-1 list of backgrounds ("category" in the given spelling).
QByteArray backgrounds(const QString& theCategory, const QStringList& theFiles, bool theMultiColor)
{
    QString aText = QStringLiteral("<templates>");
    for (const QString& aFile : theFiles)
        aText += QStringLiteral("<template name='%1' type='hintergrund' category='%2' filename='%1'%3 "
                                "product='BOOK_A4_HC'/>")
                     .arg(aFile, theCategory, theMultiColor ? QStringLiteral(" multicolor_id='5'") : QString());
    return (aText + QStringLiteral("</templates>")).toUtf8();
}

// A version-2 document of layouts for the inner pages of the product.
QByteArray pageLayouts(const QString& theProduct, const QStringList& theNames)
{
    QString aText = QStringLiteral("<templates2 version='2'><filter><product>%1</product>"
                                   "<pagetype>inner_page</pagetype></filter>")
                        .arg(theProduct);
    for (const QString& aName : theNames)
        aText += QStringLiteral("<template name='%1'><layout><total width='1000' height='1000'/>"
                                "<imagearea x='100' y='100' width='800' height='800'/></layout></template>")
                     .arg(aName);
    return (aText + QStringLiteral("</templates2>")).toUtf8();
}

// A design page for the product (the catalogue gives its pages the size of the page).
QByteArray svgPage(const QString& theProduct, int theId)
{
    return QString::fromUtf8(fixture(QStringLiteral("content_page.svg"))).arg(theProduct).arg(theId).toUtf8();
}

QStringList names(const LMUnconfiguredTemplateList& theTemplates)
{
    return sorted(LMTestSupport::templateNames(theTemplates));
}

} // namespace

// The loader between content files and the registry: the reader chosen by root element, version-1
// background variants, named and article loads, refinement folders, what reaches the registry and
// in which order; the wrapping template queue; and a whole content tree to configured templates,
// product by product, with white and black lists, a newer download and files that change.
class TestTemplateLoader : public QObject
{
    Q_OBJECT

private slots:

    void init()
    {
        myDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lm-loader-XXXXXX"));
        QVERIFY(myDir->isValid());
        QVERIFY(useContentTree(*myDir, fixture("content_catalogue.json")));
        registry()->clear();
    }

    void cleanup()
    {
        registry()->clear();
        myDir.reset();
    }

    void detectFileType_data()
    {
        columns<QString, int>("xml", "kind");
        row("single layout", "<template/>", 3);
        row("collection", "<collection/>", 6);
        row("tags are case-sensitive", "<Templates2/>", 0);
        row("a prefixed svg is not ours", "<svg:svg xmlns:svg='urn:x'/>", 0);
        row("no document", "", 0);
    }

    void detectFileType()
    {
        QDomDocument aDocument;
        aDocument.setContent(fetch<QString>("xml"));
        QCOMPARE(int(LMTemplateParseJob::detectFileType(aDocument.documentElement())), fetch<int>("kind"));
    }

    void queue_data()
    {
        // "f" dequeues forward, "r" reverse; the indexes of the templates returned (-1: none).
        columns<int, QString, QList<int>>("count", "steps", "indexes");
        row("empty queue gives nothing", 0, "rf", QList<int> { -1, -1 });
        row("forward wraps", 3, "fff", QList<int> { 1, 2, 0 });
        row("reverse wraps twice", 3, "rrrrr", QList<int> { 2, 1, 0, 2, 1 });
        row("single template", 1, "frf", QList<int> { 0, 0, 0 });
    }

    void queue()
    {
        QFETCH(int, count);
        const LMTestSupport::TemplatePool aPool(words("0 1 2").mid(0, count));
        LMTemplateQueue aQueue(aPool.configured());
        const auto anIndex = [](const LMConfiguredTemplate& theTemplate) {
            const LMUnconfiguredTemplate aTemplate = theTemplate.unconfiguredTemplate();
            return aTemplate.isNull() ? -1 : aTemplate.name().toInt();
        };
        QCOMPARE(aQueue.isEmpty(), count == 0);
        QCOMPARE(anIndex(aQueue.currentTemplate()), count == 0 ? -1 : 0);
        QList<int> aSeen;
        for (const QChar aStep : fetch<QString>("steps")) {
            aSeen.append(anIndex(aStep == QLatin1Char('f') ? aQueue.dequeueForward() : aQueue.dequeueReverse()));
            QCOMPARE(aQueue.here(), qMax(0, aSeen.last()));
        }
        QCOMPARE(aSeen, fetch<QList<int>>("indexes"));
        aQueue.clear();
        QVERIFY(aQueue.isEmpty());
        QCOMPARE(aQueue.here(), 0);
        QCOMPARE(anIndex(aQueue.currentTemplate()), -1);
    }

    void namedFiles_data()
    {
        columns<QStringList, bool, QStringList>("files", "loaded", "templates");
        row("nothing named", QStringList(), false, QStringList());
        row("only images", words("templates/a.png templates/b.PNG"), false, QStringList());
        row("a missing file", words("templates/gone.xml"), false, QStringList());
        row("an xml file", words("templates/categories/a.xml"), true, words("A1 A2"));
        row("a page that is no master", words("designs/meadow/meadow-2.svg"), false, QStringList());
        row("in the order named", words("templates/categories/C.XML templates/a.png templates/categories/a.xml"), true,
            words("C1 A1 A2"));
    }

    void namedFiles()
    {
        write("templates/categories/a.xml", layouts({ QStringLiteral("A1"), QStringLiteral("A2") }));
        write("templates/categories/C.XML", layouts({ QStringLiteral("C1") }));
        write("templates/a.png", "png");
        write("designs/meadow/meadow-2.svg", "<svg/>");
        QStringList aPaths;
        for (const QString& aFile : fetch<QStringList>("files"))
            aPaths.append(myDir->filePath(QStringLiteral("content/") + aFile));

        LMTemplateLoader aLoader(registry());
        QCOMPARE(aLoader.loadTemplates(aPaths), fetch<bool>("loaded"));
        QCOMPARE(templateNames(registry()->allTemplates()), fetch<QStringList>("templates"));
        // Only the one template of its file owns the file.
        for (const LMUnconfiguredTemplate& aTemplate : registry()->allTemplates())
            QCOMPARE(aTemplate->fileInfo().exclusiveSourceFile().fileName(),
                     aTemplate.name() == QLatin1String("C1") ? QStringLiteral("C.XML") : QString());
    }

    void backgroundVariants_data()
    {
        columns<QString, bool, bool, int>("category", "multiColor", "thumbnailExists", "count");
        const int aColours = int(LMMultiColorConfig::allConfigurations().size());
        row("plain background", "hintergrund", false, true, 1);
        row("multi-colour: itself and every colour", "Hintergrund", true, true, 1 + aColours);
        row("no thumbnail: nothing", "hintergrund", false, false, 0);
        row("multi-colour without thumbnail", "hintergrund", true, false, 0);
        row("not the background category", "hintergründe", false, false, 1);
    }

    void backgroundVariants()
    {
        QFETCH(int, count);
        const QString aFile = write(
            "templates/categories/bg.xml",
            backgrounds(fetch<QString>("category"), { QStringLiteral("bg_0012.jpg") }, fetch<bool>("multiColor")));
        if (fetch<bool>("thumbnailExists"))
            write("templates/categories/bg_0012.jpg", "jpg");

        LMTemplateLoader aLoader(registry());
        QVERIFY(aLoader.loadTemplates(QStringList { aFile }));
        const LMUnconfiguredTemplateList aTemplates = registry()->allTemplates();
        QCOMPARE(aTemplates.size(), count);
        // The variants differ in their colour configuration, so each keeps a name of its own.
        QSet<QString> aUniqueNames;
        for (const LMUnconfiguredTemplate& aTemplate : aTemplates)
            aUniqueNames.insert(aTemplate.uniqueName());
        QCOMPARE(aUniqueNames.size(), count);
    }

    void revisionDefaultsToOne()
    {
        // The legacy position fix of revision 1 moves the half-unit area: without "version" the file
        // reads as revision 1, not as the current one.
        const auto aRect = [this](const QString& theName, const QString& theVersion) {
            const QString aFile = write(QStringLiteral("templates/%1.xml").arg(theName),
                                        layouts({ theName }, QStringLiteral("BOOK_A4_HC"), theVersion));
            LMTemplateLoader aLoader(registry());
            aLoader.loadTemplates(QStringList { aFile });
            const LMUnconfiguredTemplate aTemplate = registry()->findTemplateByName(theName);
            return aTemplate.isNull() || aTemplate->areaDefinitions().isEmpty()
                ? QRectF()
                : aTemplate->areaDefinitions().at(0)->rect();
        };
        const QRectF aDefault = aRect(QStringLiteral("Ohne"), QString());
        QVERIFY(aDefault.isValid());
        QCOMPARE(aRect(QStringLiteral("Eins"), QStringLiteral("1")), aDefault);
        QVERIFY(aRect(QStringLiteral("Zwei"), QStringLiteral("2")) != aDefault);
    }

    void unreadableFile()
    {
        const QString aBroken = write("templates/broken.xml", "<templates2><template");
        const QString anUnknown = write("templates/unknown.xml", "<whitelist/>");
        const QString aGood = write("templates/good.xml", layouts({ QStringLiteral("Gut") }));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^malformed XML file")));
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("could not open template file \"%1\"").arg(aBroken)));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        LMTemplateLoader aLoader(registry());
        // Both unusable files still count as loaded; the good one is not held up by them.
        QVERIFY(aLoader.loadTemplates(QStringList { aBroken, anUnknown, aGood }));
        QCOMPARE(templateNames(registry()->allTemplates()), QStringList { QStringLiteral("Gut") });
    }

    void articleLoadSkipsRefinementFolders()
    {
        write("templates/categories/plain.xml", layouts({ QStringLiteral("Schlicht") }));
        const QString aRefined = write("templates/categories/gold/gold.xml", layouts({ QStringLiteral("Golden") }));
        write("templates/categories/gold/refinement", "");
        // Templates no product takes never reach the registry.
        write("templates/categories/nobody.xml", layouts({ QStringLiteral("Niemand") }, QString()));
        LMTemplateFileManager::instance()->reInit();

        LMTemplateLoader aLoader(registry());
        aLoader.loadTemplates(book());
        QCOMPARE(templateNames(registry()->allTemplates()), QStringList { QStringLiteral("Schlicht") });

        // Named explicitly, a refinement file loads.
        QVERIFY(LMTemplateLoader(registry()).loadTemplates(QStringList { aRefined }));
        QCOMPARE(templateNames(registry()->allTemplates()),
                 (QStringList { QStringLiteral("Schlicht"), QStringLiteral("Golden") }));

        // The files were handed out: loading the article again finds nothing new.
        LMTemplateLoader(registry()).loadTemplates(book());
        QCOMPARE(registry()->countTemplates(), 2);
        // The null article loads nothing.
        LMTemplateLoader(registry()).loadTemplates(LMArticle());
        QCOMPARE(registry()->countTemplates(), 2);
    }

    void fileOrderOfInsertion()
    {
        // Many files parsed in parallel still reach the registry in file order: XML files first, each
        // file's templates together and in their own order.
        QStringList anExpected;
        for (int i = 0; i < 24; ++i) {
            const QStringList aNames { QStringLiteral("L%1a").arg(i, 2, 10, QLatin1Char('0')),
                                       QStringLiteral("L%1b").arg(i, 2, 10, QLatin1Char('0')) };
            write(QStringLiteral("templates/categories/f%1.xml").arg(i, 2, 10, QLatin1Char('0')), layouts(aNames));
            anExpected += aNames;
        }
        LMTemplateSourceFileList aFiles;
        for (int i = 0; i < 24; ++i)
            aFiles.append(LMTemplateSourceFile(myDir->filePath(
                QStringLiteral("content/templates/categories/f%1.xml").arg(i, 2, 10, QLatin1Char('0')))));

        LMTemplateLoader aLoader(registry());
        const QList<LMTemplateLoaderLoadingInfo*> anInfos = aLoader.loadTemplatesParallely(aFiles);
        QCOMPARE(anInfos.size(), 24);
        for (int i = 0; i < 24; ++i)
            QCOMPARE(anInfos.at(i)->file(), aFiles.at(i).fileInfo());
        for (LMTemplateLoaderLoadingInfo* anInfo : anInfos)
            aLoader.addTemplatesToRegistry(anInfo);
        QCOMPARE(templateNames(registry()->allTemplates()), anExpected);
    }

    void fileInCategories_data()
    {
        columns<QString, QString>("name", "expected");
        row("bare file name", "a.xml", "content/templates/categories/a.xml");
        row("a path stays", "x/a.xml", "x/a.xml");
        row("absolute path stays", "/abs/a.xml", "/abs/a.xml");
    }

    void fileInCategories()
    {
        QFETCH(QString, expected);
        const QString anExpected
            = expected.startsWith(QLatin1String("content/")) ? myDir->filePath(expected) : expected;
        QCOMPARE(LMTemplateLoader::fileInCategories(fetch<QString>("name")), anExpected);
    }

    void articleByArticle()
    {
        writeContentTree();
        const LMArticle aBook = book();
        const LMArticle aCalendar = LMArticle::fromOrderTxtName("CAL_A3");
        QVERIFY(aBook.isValid() && aCalendar.isValid());

        registry()->loadTemplates(aBook);
        // The downloaded copy replaces the preinstalled one; the calendar's file waits for the calendar;
        // the black list keeps the retired file out.
        QCOMPARE(names(registry()->allTemplates()),
                 (QStringList { QStringLiteral("Neu"), QStringLiteral("designs/meadow/meadow-1.svg") }));

        // A layout for a page of the book, configured for use.
        const LMTemplateContext aPage(aBook, LMPageType(LMPageTypeEnum::InnerPage));
        const LMUnconfiguredTemplateList aLayouts = registry()->getAllLayouts(aPage);
        QCOMPARE(names(aLayouts), QStringList { QStringLiteral("Neu") });
        const LMTemplateList aConfigured = aLayouts.toConfiguredList(LMTemplateConfiguration());
        QCOMPARE(aConfigured.size(), 1);
        QCOMPARE(aConfigured.first().unconfiguredTemplate(), aLayouts.first());
        // Names stored in documents find the template again, also through the model's seam.
        const QString aUniqueName = aLayouts.first().uniqueName();
        QCOMPARE(registry()->findTemplateByName(aUniqueName), aLayouts.first());
        QVERIFY(LMTemplateLookup::installed());
        QCOMPARE(LMTemplateLookup::installed()->findTemplateByName(aUniqueName), aLayouts.first());
        QCOMPARE(registry()->findTemplateByDesignElementId(LMDesignElementID(501)).name(),
                 QStringLiteral("designs/meadow/meadow-1.svg"));

        // The second product loads only its own files; loading a product twice changes nothing.
        registry()->loadTemplates(aCalendar);
        registry()->loadTemplates(aBook);
        QCOMPARE(names(registry()->allTemplates()),
                 (QStringList { QStringLiteral("Monat"), QStringLiteral("Neu"),
                                QStringLiteral("designs/meadow/meadow-1.svg") }));
        QVERIFY(registry()->productHasJigType(aCalendar, LMJigTypeEnum::Layout));
    }

    void changedFiles()
    {
        writeContentTree();
        registry()->loadTemplates(LMArticle::fromOrderTxtName("BOOK_A4_HC"));
        const qsizetype aBefore = registry()->countTemplates();
        QSignalSpy anInserted(registry(), &LMTemplateRegistry::insertNewTemplate);

        // A design arrives while the editor runs, next to a picture and a page that is no master file.
        const QString aNew = write("designs/lake/lake-1.svg", svgPage(QStringLiteral("BOOK_A4_HC"), 777));
        const QString aPage = write("designs/lake/lake-2.svg", svgPage(QStringLiteral("BOOK_A4_HC"), 778));
        const QString aPicture = write("designs/lake/lake.png", "png");
        registry()->readChangedFiles({ aPicture, aNew, aPage });

        QCOMPARE(registry()->countTemplates(), aBefore + 1);
        QCOMPARE(anInserted.size(), 1);
        QCOMPARE(registry()->lastAddedDesignElementId(), LMDesignElementID(777));
        const LMUnconfiguredTemplate aTemplate = registry()->consumeLastAddedTemplate(LMJigTypeEnum::SvgTemplate);
        QCOMPARE(aTemplate.name(), QStringLiteral("designs/lake/lake-1.svg"));
        QVERIFY(registry()->consumeLastAddedTemplate(LMJigTypeEnum::SvgTemplate).isNull());

        // The same file read again is no newer: nothing is replaced.
        registry()->readChangedFiles({ aNew });
        QCOMPARE(registry()->countTemplates(), aBefore + 1);
    }

private:
    // A content tree with white and black lists, layouts of two products, a design and a newer
    // downloaded copy of the book layouts.
    void writeContentTree()
    {
        // Calendar layouts belong to the calendar, everything else to every product; retired files to none.
        write("white_list.conf", fixture(QStringLiteral("content_white_list.conf")));
        write("black_list.conf", fixture(QStringLiteral("content_black_list.conf")));
        write("templates/categories/book_layouts.xml",
              pageLayouts(QStringLiteral("BOOK_A4_HC"), { QStringLiteral("Alt") }));
        write("templates/categories/calendar_layouts.xml",
              pageLayouts(QStringLiteral("CAL_A3"), { QStringLiteral("Monat") }));
        write("templates/categories/retired/old.xml",
              pageLayouts(QStringLiteral("BOOK_A4_HC"), { QStringLiteral("Ausgemustert") }));
        write("designs/meadow/meadow-1.svg", svgPage(QStringLiteral("BOOK_A4_HC"), 501));
        // A downloaded copy of the book layouts, newer than the preinstalled one: it wins.
        const QString aDownloaded = writeFile(*myDir, "user/downloads/templates/categories/book_layouts.xml",
                                              pageLayouts(QStringLiteral("BOOK_A4_HC"), { QStringLiteral("Neu") }));
        QVERIFY(makeOlder(aDownloaded, -24 * 3600));
        LMTemplateFileManager::instance()->reInit();
    }
    QString write(const QString& theRelative, const QByteArray& theContent)
    {
        return writeFile(*myDir, QStringLiteral("content/") + theRelative, theContent);
    }
    static LMTemplateRegistry* registry() { return LMTemplateRegistry::instance(); }
    static LMArticle book() { return LMArticle::fromOrderTxtName("BOOK_A4_HC"); }

    std::unique_ptr<QTemporaryDir> myDir;
};

QTEST_MAIN(TestTemplateLoader)
#include "tst_templateloader.moc"
