#include "LMArticle.h"
#include "LMJigType.h"
#include "LMLoadingTest.h"
#include "LMMultiColorConfig.h"
#include "LMPageType.h"
#include "LMTemplate.h"
#include "LMTemplateContext.h"
#include "LMTemplateContextGroup.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateRegistry.h"
#include "LMUnconfiguredTemplateList.h"

#include <QDomDocument>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

using namespace LMLoadingTest;

namespace {

const QString BOOK_PORTRAIT = QStringLiteral("ALBUM_TALL_21");
const QString BOOK_SQUARE = QStringLiteral("ALBUM_SQUARE_20");
const QString CALENDAR = QStringLiteral("WALLCAL_LANDSCAPE_42");
const QString WALL_DECOR = QStringLiteral("FRAMED_PRINT_60x40");

QString samplePath(const QString& theRelative)
{
    return QDir(LMDirectoryConfig::sampleContentRoot()).filePath(theRelative);
}

QByteArray readSample(const QString& theRelative)
{
    QFile aFile(samplePath(theRelative));
    if (!aFile.open(QIODevice::ReadOnly))
        return QByteArray();
    return aFile.readAll();
}

// The XML loader's complaint about a malformed file, worded from Qt's own parse of the same text.
QString malformedXmlWarning(const QString& theRelative)
{
    QDomDocument aDocument;
    QString aMessage;
    int aLine = 0;
    int aColumn = 0;
    if (aDocument.setContent(QString::fromUtf8(readSample(theRelative)), false, &aMessage, &aLine, &aColumn))
        return QString(); // the file is not broken: no warning to expect
    return QStringLiteral("malformed XML file %1 at line %2, column %3: %4")
        .arg(samplePath(theRelative))
        .arg(aLine)
        .arg(aColumn)
        .arg(aMessage);
}

QString couldNotOpenWarning(const QString& theRelative)
{
    return QStringLiteral("could not open template file \"%1\"").arg(samplePath(theRelative));
}

QString malformedJsonWarning(const QString& theRelative)
{
    QJsonParseError anError;
    QJsonDocument::fromJson(readSample(theRelative), &anError);
    if (anError.error == QJsonParseError::NoError)
        return QString();
    return QStringLiteral("malformed JSON in %1: %2 at offset %3")
        .arg(samplePath(theRelative), anError.errorString())
        .arg(anError.offset);
}

// The templates of a jig type that the article may use, on any page.
LMUnconfiguredTemplateList templatesFor(const LMArticle& theArticle, const LMJigType& theJigType)
{
    const LMTemplateContextGroup aSituation = LMTemplateContextGroup::fromArticle(theArticle, LMPageType(), {});
    LMUnconfiguredTemplateList aResult;
    for (const LMUnconfiguredTemplate& aTemplate : LMTemplateRegistry::instance()->allTemplatesForJigType(theJigType))
        if (aTemplate->contextGroup().fulfillsConstraints(aSituation, false, true))
            aResult.append(aTemplate);
    return aResult;
}

} // namespace

// The bundled sample content: every article loads through the registry, the deliberately broken
// files each give exactly their warning, and the content is what the sample is built to show.
// Test functions run in their order: the first loads the articles the later ones look at.
class TestSampleContent : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        QVERIFY(QFileInfo(samplePath("products/catalogue.json")).isFile());
        QVERIFY(myUserDataDir.isValid());
        LMDirectoryConfig::instance()->setContentRoot(LMDirectoryConfig::sampleContentRoot());
        LMDirectoryConfig::instance()->setUserDataDir(myUserDataDir.path());
        QVERIFY(LMProductCatalogue::instance()->reload());
        registry()->clear();
        LMTemplateFileManager::instance()->reInit();
    }

    void init()
    {
        // Any warning not expected by name is a fault of the sample.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void loadEveryArticle_data()
    {
        // design elements present after this load; and those that wait for another product
        columns<QString, QStringList, QList<int>, QList<int>>("orderName", "expectedWarnings", "loadedIds",
                                                              "notLoadedIds");

        // The first article also reads every file the white list names for no product, and the
        // broken files are either such files or the portrait book's own.
        const QStringList aWarnings {
            QStringLiteral("unknown svgImageType 7"),
            malformedXmlWarning("templates/categories/album_broken_markup.xml"),
            couldNotOpenWarning("templates/categories/album_broken_markup.xml"),
            malformedJsonWarning("templates/categories/album_stickers.json"),
            malformedXmlWarning("designs/broken/broken-1.svg"),
            couldNotOpenWarning("designs/broken/broken-1.svg"),
            QStringLiteral("no <metadata> element found ") + samplePath("designs/plain/plain-1.svg"),
        };
        row("portrait book first: its files, unassigned files, every broken file", BOOK_PORTRAIT, aWarnings,
            QList<int> { 5100, 5150, 5160, 5170, 6101, 4101, 4104 },
            QList<int> { 6201, 5201, 5202, 5301, 6301, 5180, 5190, 6901 });
        row("square book: shares the book files, reads its harbour pages", BOOK_SQUARE, QStringList(),
            QList<int> { 5100, 6201 }, QList<int> { 5201, 5301 });
        row("calendar: only the calendar layouts", CALENDAR, QStringList(), QList<int> { 5201, 5202 },
            QList<int> { 5301, 6301 });
        row("wall decor: its layouts and design", WALL_DECOR, QStringList(), QList<int> { 5301, 6301 },
            QList<int> { 5180, 5190, 6901 });
    }

    void loadEveryArticle()
    {
        QFETCH(QString, orderName);

        const LMArticle anArticle = article(orderName);
        QVERIFY2(anArticle.isValid(), qPrintable(orderName));
        for (const QString& aWarning : fetch<QStringList>("expectedWarnings")) {
            QVERIFY2(!aWarning.isEmpty(), "a deliberately broken file reads without fault");
            QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning));
        }
        registry()->loadTemplates(anArticle);
        for (int anId : fetch<QList<int>>("loadedIds"))
            QVERIFY2(!registry()->allTemplatesByDesignElementId(LMDesignElementID(anId)).isEmpty(),
                     qPrintable(QString::number(anId)));
        for (int anId : fetch<QList<int>>("notLoadedIds"))
            QVERIFY2(registry()->allTemplatesByDesignElementId(LMDesignElementID(anId)).isEmpty(),
                     qPrintable(QString::number(anId)));
        QVERIFY(registry()->productHasJigType(anArticle, LMJigTypeEnum::Layout));

        // A second load of the same article reads nothing and warns about nothing.
        const qsizetype aCount = registry()->countTemplates();
        registry()->loadTemplates(anArticle);
        QCOMPARE(registry()->countTemplates(), aCount);
    }

    void countsByJigType_data()
    {
        columns<QString, int, int>("orderName", "jigType", "expected");

        // Backgrounds serve every product: two papers, twelve flat colours, the colour wash and the
        // watercolour, these two once plain and once per colour configuration. The flat colour
        // 4103 ("Farben") is a colour background, no product's own.
        const int aBackgrounds = 2 + 12 + 2 * (1 + int(LMMultiColorConfig::allConfigurations().size()));
        const int aBackground = int(LMJigTypeEnum::Background);
        const int aLayout = int(LMJigTypeEnum::Layout);
        const int aSvg = int(LMJigTypeEnum::SvgTemplate);

        // Portrait book: 16 collection layouts, the scrapbook, the title page, two of the faulty file.
        row("backgrounds: every article the same", BOOK_PORTRAIT, aBackground, aBackgrounds);
        row("portrait book, layouts", BOOK_PORTRAIT, aLayout, 20);
        row("portrait book, SVG designs (meadow)", BOOK_PORTRAIT, aSvg, 1);
        row("square book, layouts", BOOK_SQUARE, aLayout, 17);
        row("square book, SVG designs (harbour pages)", BOOK_SQUARE, aSvg, 3);
        row("calendar, layouts (title and month)", CALENDAR, aLayout, 6);
        row("calendar, no SVG design", CALENDAR, aSvg, 0);
        row("wall decor, layouts", WALL_DECOR, aLayout, 2);
        row("wall decor, SVG designs (lake)", WALL_DECOR, aSvg, 1);
        row("portrait book, no frames", BOOK_PORTRAIT, int(LMJigTypeEnum::Frame), 0);
    }

    void countsByJigType()
    {
        QFETCH(QString, orderName);
        QFETCH(int, jigType);
        QFETCH(int, expected);
        QVERIFY2(registry()->countTemplates() > 0, "loadEveryArticle runs first");

        const LMUnconfiguredTemplateList aTemplates = templatesFor(article(orderName), LMJigType::fromInt(jigType));
        QCOMPARE(aTemplates.size(), qsizetype(expected));
        QCOMPARE(registry()->productHasJigType(article(orderName), LMJigType::fromInt(jigType)), expected > 0);
    }

private:
    static LMTemplateRegistry* registry() { return LMTemplateRegistry::instance(); }

    // An empty user data folder: no downloads and no white list of this machine mix in.
    QTemporaryDir myUserDataDir;
};

QTEST_MAIN(TestSampleContent)
#include "tst_samplecontent.moc"
