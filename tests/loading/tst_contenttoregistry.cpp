#include "LMArticle.h"
#include "LMConfiguredTemplate.h"
#include "LMLoadingTest.h"
#include "LMPageType.h"
#include "LMTemplate.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateContext.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateList.h"
#include "LMTemplateLookup.h"
#include "LMTemplateRegistry.h"

#include <memory>

using namespace LMLoadingTest;
using LMTestSupport::writeFile;

namespace {

QByteArray layouts(const QString& theProduct, const QStringList& theNames)
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

// From a content tree to configured templates: the file manager's choice of files per product,
// white and black lists, a newer downloaded copy, the loader and the registry's lookups, and
// content that changes while the editor runs.
class TestContentToRegistry : public QObject
{
    Q_OBJECT

private slots:

    void init()
    {
        myDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lm-e2e-XXXXXX"));
        QVERIFY(myDir->isValid());
        // Calendar layouts belong to the calendar, everything else to every product; retired files to none.
        write(QStringLiteral("content/white_list.conf"), fixture(QStringLiteral("content_white_list.conf")));
        write(QStringLiteral("content/black_list.conf"), fixture(QStringLiteral("content_black_list.conf")));
        write(QStringLiteral("content/templates/categories/book_layouts.xml"),
              layouts(QStringLiteral("BOOK_A4_HC"), { QStringLiteral("Alt") }));
        write(QStringLiteral("content/templates/categories/calendar_layouts.xml"),
              layouts(QStringLiteral("CAL_A3"), { QStringLiteral("Monat") }));
        write(QStringLiteral("content/templates/categories/retired/old.xml"),
              layouts(QStringLiteral("BOOK_A4_HC"), { QStringLiteral("Ausgemustert") }));
        write(QStringLiteral("content/designs/meadow/meadow-1.svg"), svgPage(QStringLiteral("BOOK_A4_HC"), 501));
        // A downloaded copy of the book layouts, newer than the preinstalled one: it wins.
        const QString aDownloaded = write(QStringLiteral("user/downloads/templates/categories/book_layouts.xml"),
                                          layouts(QStringLiteral("BOOK_A4_HC"), { QStringLiteral("Neu") }));
        QVERIFY(makeOlder(aDownloaded, -24 * 3600));
        QVERIFY(useContentTree(*myDir, QStringLiteral("content_catalogue.json")));
        registry()->clear();
        LMTemplateFileManager::instance()->reInit();
    }

    void cleanup()
    {
        registry()->clear();
        myDir.reset();
    }

    void articleByArticle()
    {
        const LMArticle aBook = LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4_HC"));
        const LMArticle aCalendar = LMArticle::fromOrderTxtName(QStringLiteral("CAL_A3"));
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
        registry()->loadTemplates(LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4_HC")));
        const qsizetype aBefore = registry()->countTemplates();
        QSignalSpy anInserted(registry(), &LMTemplateRegistry::insertNewTemplate);

        // A design arrives while the editor runs, next to a picture and a page that is no master file.
        const QString aNew
            = write(QStringLiteral("content/designs/lake/lake-1.svg"), svgPage(QStringLiteral("BOOK_A4_HC"), 777));
        const QString aPage
            = write(QStringLiteral("content/designs/lake/lake-2.svg"), svgPage(QStringLiteral("BOOK_A4_HC"), 778));
        const QString aPicture = write(QStringLiteral("content/designs/lake/lake.png"), "png");
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
    QString write(const QString& theRelative, const QByteArray& theContent)
    {
        return writeFile(*myDir, theRelative, theContent);
    }
    static LMTemplateRegistry* registry() { return LMTemplateRegistry::instance(); }

    std::unique_ptr<QTemporaryDir> myDir;
};

QTEST_MAIN(TestContentToRegistry)
#include "tst_contenttoregistry.moc"
