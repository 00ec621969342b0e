#include "LMTemplateBackgroundDefinition.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

Q_DECLARE_METATYPE(LMMultiColorConfig)

namespace {
LMTemplateBackgroundDefinition read(const QString& theAttributes)
{
    QDomDocument aDocument;
    if (!aDocument.setContent(QStringLiteral("<template %1/>").arg(theAttributes)))
        return LMTemplateBackgroundDefinition();
    return LMTemplateBackgroundDefinition::fromXml(aDocument.documentElement().attributes());
}

QList<int> numbers(const QList<LMDesignElementID>& theIds)
{
    QList<int> aList;
    for (const LMDesignElementID& anId : theIds)
        aList.append(anId.id());
    return aList;
}
} // namespace

// The background references of a template: id detection from the file name, reading from the
// attributes of a template element, the colour variants of a multi-colour background, the
// hash key, equality and the spot colour backgrounds of a mask.
class TestBackgroundDefinition : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void detectBackgroundId_data()
    {
        columns<QString, int>("fileName", "id");

        row("leading zeros", "bg_0012.jpg", 12);
        row("only the last four digits", "12345.jpg", 2345);
        row("four-letter suffix", "bg_77.jpeg", 77);
        row("digits not before the suffix", "bg_12_blue.jpg", 0);
        row("two-letter suffix", "bg_12.gz", 0);
        row("five-letter suffix", "bg_12.jpegx", 0);
        row("blank after the suffix", "bg_12.jpg ", 0);
        row("zero is no id", "bg_0000.jpg", 0);
    }

    void detectBackgroundId()
    {
        QFETCH(QString, fileName);
        QFETCH(int, id);
        QCOMPARE(LMTemplateBackgroundDefinition::detectBackgroundId(fileName).id(), id);
        QCOMPARE(read(QStringLiteral("filename='%1'").arg(fileName)).backgroundID().id(), id);
    }

    void fromXml_data()
    {
        columns<QString, int, int, int, QList<int>, bool, bool, QStringList>(
            "attributes", "backgroundId", "multiColorId", "spotColorId", "ids", "suitableForMultiColor",
            "spotColorMask", "warnings");

        row("plain background", "filename='bg_0012.jpg'", 12, 0, 0, QList<int>(), false, false, QStringList());
        row("multi-colour background", "filename='mc_0012.jpg' multicolor_id='500'", 12, 500, 0, QList<int>(), true,
            false, QStringList());
        row("malformed multi-colour id", "filename='bg_3.jpg' multicolor_id='5x'", 3, 0, 0, QList<int>(), false, false,
            QStringList());
        row("spot colour production id", "filename='bg_3.jpg' spotColorProductionId='901'", 3, 0, 901, QList<int>(),
            false, false, QStringList());
        row("spot colour mask", "filename='mask_9.png' backgroundDesignElementIds='7, 8,11'", 9, 0, 0,
            QList<int> { 7, 8, 11 }, false, true, QStringList());
        row("bad and empty id entries", "backgroundDesignElementIds='7,,x,-3,8,'", 0, 0, 0, QList<int> { 7, 8 }, false,
            true,
            QStringList { "background design element id \"x\" is no design element id",
                          "background design element id \"-3\" is no design element id" });
    }

    void fromXml()
    {
        for (const QString& aWarning : fetch<QStringList>("warnings"))
            QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning));
        const LMTemplateBackgroundDefinition aDefinition = read(fetch<QString>("attributes"));
        QTEST(aDefinition.backgroundID().id(), "backgroundId");
        QTEST(aDefinition.multiColorBackgroundId().id(), "multiColorId");
        QTEST(aDefinition.spotColorBackgroundId().id(), "spotColorId");
        QTEST(numbers(aDefinition.backgroundDesignElementIds()), "ids");
        QTEST(aDefinition.isSuitableForMultiColor(), "suitableForMultiColor");
        QTEST(aDefinition.isSpotColorMask(), "spotColorMask");
        // Read definitions carry no colour variant yet.
        QCOMPARE(aDefinition.multiColorConfig(), LMMultiColorConfig());
        QVERIFY(!aDefinition.isMultiColor());
    }

    void backgroundIdAndHashKey_data()
    {
        columns<QString, LMMultiColorConfig, int, int>("attributes", "config", "backgroundId", "hashKey");

        const QString aMulti = QStringLiteral("filename='mc_0012.jpg' multicolor_id='500'");
        row("no variant: the file's id", aMulti, LMMultiColorConfig(), 12, -1000 - 1 + 12);
        row("valid variant: the multi-colour id", aMulti, LMMultiColorConfig(30, 2), 500, 30502);
        row("first variant", aMulti, LMMultiColorConfig(0, 0), 500, 500);
        row("hue without bound", aMulti, LMMultiColorConfig(390, 5), 500, 390505);
        row("invalid hue keeps the file's id", aMulti, LMMultiColorConfig(45, 2), 12, 45014);
        row("invalid fading keeps the file's id", aMulti, LMMultiColorConfig(30, 6), 12, 30018);
        row("variant without multi-colour id", "filename='bg_0012.jpg'", LMMultiColorConfig(60, 1), 12, 60013);
        row("nothing at all", QString(), LMMultiColorConfig(), 0, -1001);
    }

    void backgroundIdAndHashKey()
    {
        QFETCH(QString, attributes);
        QFETCH(LMMultiColorConfig, config);
        const LMTemplateBackgroundDefinition aVariant = read(attributes).withMultiColorConfig(config);
        QCOMPARE(aVariant.multiColorConfig(), config);
        QTEST(aVariant.backgroundID().id(), "backgroundId");
        QTEST(aVariant.hashKey(), "hashKey");

        LMTemplateBackgroundDefinition aSet = read(attributes);
        aSet.setMultiColorConfig(config);
        QCOMPARE(aSet, aVariant);
        QCOMPARE(qHash(aSet), qHash(aVariant));
    }

    void equality_data()
    {
        columns<QString, LMMultiColorConfig, QString, LMMultiColorConfig, bool>("attributesA", "configA", "attributesB",
                                                                                "configB", "equal");

        const QString aMulti = QStringLiteral("filename='mc_0012.jpg' multicolor_id='500'");
        const LMMultiColorConfig aNone;
        row("same attributes", aMulti, aNone, aMulti, aNone, true);
        row("file names with the same id", "filename='bg_12.jpg'", aNone, "filename='other_0012.png'", aNone, true);
        row("other file id", "filename='bg_12.jpg'", aNone, "filename='bg_13.jpg'", aNone, false);
        row("other variant", aMulti, LMMultiColorConfig(30, 2), aMulti, LMMultiColorConfig(30, 3), false);
        row("variant and none", aMulti, LMMultiColorConfig(30, 2), aMulti, aNone, false);
        row("other multi-colour id", aMulti, aNone, "filename='mc_0012.jpg' multicolor_id='501'", aNone, false);
        row("other spot colour id", "filename='bg_1.jpg' spotColorProductionId='5'", aNone,
            "filename='bg_1.jpg' spotColorProductionId='6'", aNone, false);
        row("other id list", "filename='bg_1.jpg' backgroundDesignElementIds='7,8'", aNone,
            "filename='bg_1.jpg' backgroundDesignElementIds='8,7'", aNone, false);
    }

    void equality()
    {
        QFETCH(bool, equal);

        const LMTemplateBackgroundDefinition anA
            = read(fetch<QString>("attributesA")).withMultiColorConfig(fetch<LMMultiColorConfig>("configA"));
        const LMTemplateBackgroundDefinition aB
            = read(fetch<QString>("attributesB")).withMultiColorConfig(fetch<LMMultiColorConfig>("configB"));
        QCOMPARE(anA == aB, equal);
        QCOMPARE(anA != aB, !equal);
        if (equal)
            QCOMPARE(qHash(anA), qHash(aB));
    }

    void colorVariants()
    {
        const LMTemplateBackgroundDefinition anOriginal
            = read(QStringLiteral("filename='mc_0012.jpg' multicolor_id='500'"));
        const LMTemplateBackgroundDefinition aCopy = anOriginal;
        const LMTemplateBackgroundDefinition aVariant = aCopy.withMultiColorConfig(LMMultiColorConfig(90, 3));
        // The copy with another configuration leaves the source as it was.
        QCOMPARE(aCopy, anOriginal);
        QVERIFY(aVariant.isMultiColor());

        const QList<LMTemplateBackgroundDefinition> aVariants = anOriginal.multiColorVariants();
        const QList<LMMultiColorConfig> aConfigs = LMMultiColorConfig::allConfigurations();
        QCOMPARE(aVariants.size(), aConfigs.size());
        QCOMPARE(aVariants.first().multiColorConfig(), aConfigs.first());
        QCOMPARE(aVariants.last().multiColorConfig(), aConfigs.last());
        QCOMPARE(aVariants.at(20), anOriginal.withMultiColorConfig(aConfigs.at(20)));
        QSet<int> aKeys;
        for (const LMTemplateBackgroundDefinition& aDefinition : aVariants)
            aKeys.insert(aDefinition.hashKey());
        QCOMPARE(aKeys.size(), aVariants.size());
    }

    void spotColorBackgrounds()
    {
        LMTemplateBackgroundDefinition aMask
            = read(QStringLiteral("filename='mask_9.png' backgroundDesignElementIds='7,8'"));
        const QList<LMTemplateBackgroundDefinition> aBackgrounds = aMask.spotColorBackgrounds();
        QCOMPARE(aBackgrounds.size(), 2);
        QCOMPARE(aBackgrounds.at(0).spotColorBackgroundId().id(), 7);
        QCOMPARE(aBackgrounds.at(1).spotColorBackgroundId().id(), 8);
        QVERIFY(!aBackgrounds.at(0).isSpotColorMask());
        QCOMPARE(aBackgrounds.at(0).backgroundID().id(), 9);

        aMask.setSpotColorMask(false);
        QVERIFY(aMask.spotColorBackgrounds().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBackgroundDefinition)
#include "tst_backgrounddefinition.moc"
