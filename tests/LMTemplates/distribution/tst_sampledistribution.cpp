// Distribution over the sample content: the templates a new page starts with, as the catalogue
// names them per page type; the sample's backgrounds in their hue lists and chosen for photos.
#include "LMArticle.h"
#include "LMBackgroundDistributorNearestNeighbour.h"
#include "LMBackgroundDistributorRegistry.h"
#include "LMDefaultTemplateDetector.h"
#include "LMDirectoryConfig.h"
#include "LMPageType.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateContext.h"
#include "LMTemplateRegistry.h"
#include "LMTestPhoto.h"
#include "LMTestSample.h"
#include "LMTestSupport.h"

#include <QTemporaryDir>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

using Lists = QMap<int, QStringList>;

const QStringList FLAT_NAMES { "Flat red",   "Flat orange",       "Flat yellow",  "Flat lime",
                               "Flat green", "Flat spring green", "Flat cyan",    "Flat azure",
                               "Flat blue",  "Flat violet",       "Flat magenta", "Flat rose" };

// A background by name, a colour variant with its configuration: "Watercolour 240,1".
QString nameOf(const LMConfiguredTemplate& theTemplate)
{
    return theTemplate->isMultiColor()
        ? theTemplate.name() + QLatin1Char(' ') + theTemplate->multiColorConfig().toString()
        : theTemplate.name();
}

QStringList watercolours(int theHue, QList<int> theFadings)
{
    QStringList aNames;
    for (int aFading : theFadings)
        aNames << QStringLiteral("Watercolour %1,%2").arg(theHue).arg(aFading);
    return aNames;
}

LMBackgroundStrategy strategy(int theFlags, const QList<int>& theHues)
{
    LMBackgroundStrategy aStrategy;
    aStrategy.setBackgroundFlags(theFlags);
    aStrategy.setBackgroundHues(QSet<int>(theHues.begin(), theHues.end()));
    aStrategy.setExplicitDistributionStrategy(LMBackgroundStrategy::NearestNeighbour);
    return aStrategy;
}

const QList<int> ALL_HUES { 0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330 };

} // namespace

class tst_SampleDistribution : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(LMTestSupport::openSampleContent(myUserData, { BOOK })); }

    void defaultTemplates_data()
    {
        columns<QString, QString, QStringList>("article", "pageType", "expected");

        row("inner page: background and layout", "ALBUM_TALL_21", "inner_page",
            QStringList { "4101", "Album 4 photos A" });
        row("an exact entry wins over the first sharing one", "ALBUM_TALL_21", "first_page",
            QStringList { "4102", "Album 1 photo A" });
        row("a design takes the place of the layout", "ALBUM_TALL_21", "last_page",
            QStringList { "4101", "designs/meadow/meadow-1.svg" });
        row("a product naming nothing: nothing, with a warning", "ALBUM_SQUARE_20", "inner_page", QStringList());
    }

    void defaultTemplates()
    {
        QFETCH(QStringList, expected);
        const LMArticle anArticle = LMArticle::fromOrderTxtName(fetch<QString>("article"));
        QVERIFY(anArticle.isValid());
        LMTemplateRegistry::instance()->loadTemplates(anArticle);
        if (expected.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "there is no default layout for page inner_page");
        const LMDefaultTemplateDetector aDetector(anArticle);
        QStringList aNames;
        for (const LMConfiguredTemplate& aTemplate : aDetector.defaultTemplatesForPage(
                 LMTemplateContext(anArticle, LMPageType(fetch<QString>("pageType"))), 0, 24))
            aNames << aTemplate.name();
        QCOMPARE(aNames, expected);
    }

    void unknownNames()
    {
        QVERIFY(LMDefaultTemplateDetector::findTemplateByName(QString()).isNull());
        QVERIFY(LMDefaultTemplateDetector::findTemplateByName(QStringLiteral("no such layout")).isNull());
        // Only "layout", "background" and "design" are kinds.
        const LMArticle anArticle = LMArticle::fromOrderTxtName(QStringLiteral("ALBUM_TALL_21"));
        QCOMPARE(anArticle.defaultTemplateForPage(3, LMPageTypeEnum::InnerPage, 0, 1), QString());
        QCOMPARE(anArticle.defaultTemplateForPage(LMArticle::DefaultLayout, LMPageTypeEnum::Spine, 0, 1), QString());
    }

    void hueLists_data()
    {
        columns<int, QList<int>, Lists>("flags", "hues", "expected");

        Lists aFlats;
        for (int i = 0; i < FLAT_NAMES.size(); ++i)
            aFlats[30 * i] = QStringList { FLAT_NAMES.at(i) };
        row("flat colours: each in its own hue class", 64, ALL_HUES, aFlats);
        Lists aColourful;
        for (int aHue : ALL_HUES)
            aColourful[aHue] = watercolours(aHue, { 0, 1 });
        row("colourful variants: fadings 0 and 1 in their hue's list", 16, ALL_HUES, aColourful);
        row("discrete variants of two hues only", 4, QList<int> { 90, 240 },
            Lists { { 90, watercolours(90, { 4, 5 }) }, { 240, watercolours(240, { 4, 5 }) } });
        Lists aMixed = aFlats;
        aMixed[180] = watercolours(180, { 2, 3 }) << QStringLiteral("Flat cyan");
        row("middle fading before the flat colours", (64 | 8), QList<int> { 180 }, aMixed);
        row("black and white are not in the sample", 3, ALL_HUES, Lists());
    }

    void hueLists()
    {
        LMBackgroundDistributorNearestNeighbour aDistributor(LMArticle::fromOrderTxtName(BOOK),
                                                             strategy(fetch<int>("flags"), fetch<QList<int>>("hues")));
        Lists aLists;
        for (int aKey : aDistributor.templateListKeys()) {
            for (const LMConfiguredTemplate& aTemplate : aDistributor.templateList(aKey))
                aLists[aKey] << nameOf(aTemplate);
        }
        QCOMPARE(aLists, fetch<Lists>("expected"));
    }

    void variantColours_data()
    {
        columns<int, int, int, int>("hue", "fading", "minimumSaturation", "maximumSaturation");

        row("red, full colour", 0, 0, 150, 255);
        row("blue, one step faded", 240, 1, 120, 255);
        row("blue, most faded", 240, 5, 1, 80);
    }

    void variantColours()
    {
        QFETCH(int, hue);
        LMConfiguredTemplate aVariant;
        for (const LMUnconfiguredTemplate& aHandle :
             LMTemplateRegistry::instance()->allMultiColorBackgrounds(LMArticle::fromOrderTxtName(BOOK)))
            if (aHandle->multiColorConfig() == LMMultiColorConfig(hue, fetch<int>("fading")))
                aVariant = LMConfiguredTemplate(aHandle);
        QVERIFY(aVariant.isValid());
        // The grey watercolour takes the variant's colours: the distribution sees its hue.
        const QColor aColour = LMBackgroundDistributorAbstract::calculatePredominantColor(aVariant, true);
        QCOMPARE((aColour.hue() + 15) / 30 * 30 % 360, hue);
        QVERIFY2(aColour.saturation() >= fetch<int>("minimumSaturation")
                     && aColour.saturation() <= fetch<int>("maximumSaturation"),
                 qPrintable(QString::number(aColour.saturation())));
    }

    void flatColourForPhotos_data()
    {
        columns<QColor, QString>("photoColour", "expected");

        row("red photos", QColor::fromHsv(5, 120, 220), "Flat red");
        row("violet photos, half-way to magenta rounds up", QColor::fromHsv(285, 120, 220), "Flat magenta");
    }

    void flatColourForPhotos()
    {
        QImage anImage(48, 32, QImage::Format_RGB32);
        anImage.fill(fetch<QColor>("photoColour"));
        const QString aPath = QDir(myUserData.path()).filePath(QStringLiteral("%1.jpg").arg(QTest::currentDataTag()));
        QVERIFY(LMTestSupport::writePhoto(aPath, anImage, LMTestSupport::PhotoTags()));
        const LMConfiguredTemplate aChoice = LMBackgroundDistributorRegistry::instance()->backgroundForPage(
            LMFotoList { LMFoto(QFileInfo(aPath)) }, LMArticle::fromOrderTxtName(BOOK), strategy(64, ALL_HUES));
        QCOMPARE(nameOf(aChoice), fetch<QString>("expected"));
    }

private:
    static inline const QString BOOK = QStringLiteral("ALBUM_TALL_21");
    QTemporaryDir myUserData;
};

QTEST_MAIN(tst_SampleDistribution)
#include "tst_sampledistribution.moc"
