// Background strategies and distributors: the hue lists, the nearest list, the special lists'
// alternation, round robin, the strategy's XML and implicit distribution.
#include "LMBackgroundDistributorNearestNeighbour.h"
#include "LMBackgroundDistributorRegistry.h"
#include "LMBackgroundDistributorRoundRobin.h"
#include "LMTemplate.h"
#include "LMTemplateRegistry.h"
#include "LMTestPhoto.h"
#include "LMTestSupport.h"

#include <QDomDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

using Lists = QMap<int, QStringList>;

// Background templates live for the process, as the registry's do.
LMConfiguredTemplate background(const QString& theName, int theId, const QColor& theColor)
{
    static std::vector<std::unique_ptr<LMTemplate>> ourTemplates;
    auto aTemplate = std::make_unique<LMTemplate>(LMJigTypeEnum::Background);
    aTemplate->setName(theName);
    QDomDocument aDocument;
    QDomElement anElement = aDocument.createElement(QStringLiteral("template"));
    anElement.setAttribute(QStringLiteral("filename"), QStringLiteral("bg_%1.png").arg(theId));
    aTemplate->setLayerDefinitionBackground(LMTemplateBackgroundDefinition::fromXml(anElement.attributes()));
    LMTemplateContextGroup aGroup;
    aGroup.setPageConstraint(LMPageConstraint(LMPageTypeEnum::InnerPage));
    aTemplate->setContextGroup(aGroup);
    const LMConfiguredTemplate aResult(LMUnconfiguredTemplate(aTemplate.get()));
    ourTemplates.push_back(std::move(aTemplate));
    LMBackgroundDistributorAbstract::recordPredominantColor(aResult, theColor);
    return aResult;
}

Lists listsOf(const LMBackgroundDistributorAbstract& theDistributor)
{
    Lists aResult;
    auto& aDistributor = const_cast<LMBackgroundDistributorAbstract&>(theDistributor);
    for (int aKey : theDistributor.templateListKeys()) {
        for (const LMConfiguredTemplate& aTemplate : aDistributor.templateList(aKey))
            aResult[aKey].append(aTemplate.name());
    }
    return aResult;
}

LMBackgroundStrategy strategy(int theFlags, const LMTemplateList& theExplicit = LMTemplateList())
{
    LMBackgroundStrategy aStrategy;
    aStrategy.setBackgroundFlags(theFlags);
    aStrategy.setExplicitBackgrounds(theExplicit);
    return aStrategy;
}

} // namespace

class TestBackgroundDistribution : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(myPhotoDir.isValid());
        LMTemplateRegistry::instance()->clear();
        myBlack = background(QStringLiteral("black"), 212, Qt::black);
        myWhite = background(QStringLiteral("white"), 201, Qt::white);
        LMUnconfiguredTemplateList aBlackAndWhite;
        aBlackAndWhite << myBlack.unconfiguredTemplate() << myWhite.unconfiguredTemplate();
        QVERIFY(LMTemplateRegistry::instance()->insertTemplates(aBlackAndWhite, true, false));
    }

    void hueLists_data()
    {
        columns<int, QList<int>, Lists>("flags", "explicitHues", "expected");

        const QStringList aRed { QStringLiteral("hue350") };
        row("explicit hue 350 is class 0 and goes to its neighbours 330 and 30", 0, QList<int> { 350 },
            Lists { { 0, aRed }, { 30, aRed }, { 330, aRed } });
        const QStringList aCyan { QStringLiteral("hue170") };
        row("explicit hue 170 is class 180", 0, QList<int> { 170 },
            Lists { { 150, aCyan }, { 180, aCyan }, { 210, aCyan } });
        Lists aBlackAndWhite;
        for (int aHue = 0; aHue < 360; aHue += 30)
            aBlackAndWhite[aHue] = QStringList { QStringLiteral("black"), QStringLiteral("white") };
        row("flags 3: black and white in every list", 3, QList<int>(), aBlackAndWhite);
        Lists aBlack;
        for (int aHue = 0; aHue < 360; aHue += 30)
            aBlack[aHue] = QStringList { QStringLiteral("black") };
        row("flag 2 alone: the white fallback of the registry does not sneak in", 2, QList<int>(), aBlack);
        row("without multi-colour backgrounds only black and white count", (64 | 16 | 2), QList<int>(), aBlack);
    }

    void hueLists()
    {
        LMTemplateList anExplicit;
        for (int aHue : fetch<QList<int>>("explicitHues"))
            anExplicit << background(QStringLiteral("hue%1").arg(aHue), 9000 + aHue, QColor::fromHsv(aHue, 200, 200));
        const LMBackgroundDistributorNearestNeighbour aDistributor(LMArticle(),
                                                                   strategy(fetch<int>("flags"), anExplicit));
        QCOMPARE(listsOf(aDistributor), fetch<Lists>("expected"));
    }

    void flatColorHue_data()
    {
        columns<QColor, int>("color", "hueClass");

        row("hue 350 rounds to 0, not 360", QColor::fromHsv(350, 255, 255), 0);
        row("hue 345 is half-way: up to 0", QColor::fromHsv(345, 255, 255), 0);
        row("hue 344 stays in 330", QColor::fromHsv(344, 255, 255), 330);
        row("hue 15 is half-way: up to 30", QColor::fromHsv(15, 255, 255), 30);
        row("grey has no hue: class 0", QColor(128, 128, 128), 0);
    }

    void flatColorHue()
    {
        QFETCH(QColor, color);
        QCOMPARE(LMBackgroundDistributorAbstract::findHueForFlatColor(
                     background(QTest::currentDataTag(), 8000 + color.hue(), color)),
                 fetch<int>("hueClass"));
    }

    void nearestNeighbour_data()
    {
        QTest::addColumn<QColor>("fotoColor");
        QTest::addColumn<QList<int>>("listHues"); // one dark and one bright background per hue
        QTest::addColumn<QString>("expected");

        row("achromatic photos look in class 0, bright picks bright", QColor(230, 230, 230), QList<int> { 0, 180 },
            QStringLiteral("bright0"));
        row("dark grey photos pick the dark background of class 0", QColor(40, 40, 40), QList<int> { 0, 180 },
            QStringLiteral("dark0"));
        row("a red photo walks out to the nearest filled list, 60 before 270", QColor(200, 0, 0),
            QList<int> { 60, 270 }, QStringLiteral("bright60"));
        row("a blue photo finds its own class", QColor(20, 20, 200), QList<int> { 0, 240 },
            QStringLiteral("bright240"));
        row("no list filled: no background", QColor(200, 0, 0), QList<int>(), QString());
    }

    void nearestNeighbour()
    {
        LMBackgroundDistributorNearestNeighbour aDistributor(LMArticle(), strategy(0));
        for (int aHue : fetch<QList<int>>("listHues")) {
            aDistributor.insertIntoTemplateList(
                background(QStringLiteral("dark%1").arg(aHue), 7000 + aHue, QColor::fromHsv(aHue, 200, 50)), aHue);
            aDistributor.insertIntoTemplateList(
                background(QStringLiteral("bright%1").arg(aHue), 7500 + aHue, QColor::fromHsv(aHue, 200, 240)), aHue);
        }
        QImage anImage(64, 48, QImage::Format_RGB32);
        anImage.fill(fetch<QColor>("fotoColor"));
        const QString aPath = myPhotoDir.filePath(QStringLiteral("%1.jpg").arg(QTest::currentDataTag()));
        QVERIFY(LMTestSupport::writePhoto(aPath, anImage, LMTestSupport::PhotoTags()));
        const LMFotoList aFotos { LMFoto(QFileInfo(aPath)), LMFoto(QFileInfo(aPath)) };
        QCOMPARE(aDistributor.selectTemplate(aFotos).name(), fetch<QString>("expected"));
    }

    void specialLists_data()
    {
        columns<QList<int>, bool>("specialKeys", "takeSepiaNext");
        QTest::addColumn<QList<int>>("expectedKeys"); // of three searches in a row

        row("both lists alternate, starting with 12", QList<int> { 12, 13 }, false, QList<int> { 12, 13, 12 });
        row("both lists alternate, starting with sepia when its turn", QList<int> { 12, 13 }, true,
            QList<int> { 13, 12, 13 });
        row("only sepia: always sepia", QList<int> { 13 }, true, QList<int> { 13, 13, 13 });
        row("only 12: always 12", QList<int> { 12 }, false, QList<int> { 12, 12, 12 });
        row("none: the far list after the special steps", QList<int>(), false, QList<int> { 180 });
    }

    void specialLists()
    {
        QFETCH(QList<int>, expectedKeys);

        LMBackgroundDistributorNearestNeighbour aDistributor(LMArticle(), strategy(0));
        // Beyond three steps from class 0: found only after the special lists.
        aDistributor.insertIntoTemplateList(background(QStringLiteral("special180"), 7180, Qt::cyan), 180);
        for (int aKey : fetch<QList<int>>("specialKeys"))
            aDistributor.insertIntoTemplateList(
                background(QStringLiteral("special%1").arg(aKey), 7700 + aKey, Qt::darkYellow), aKey);
        LMBackgroundDistributorNearestNeighbour::setTakeSepiaNext(fetch<bool>("takeSepiaNext"));
        QList<int> aKeys;
        for (int i = 0; i < expectedKeys.size(); ++i) {
            const LMTemplateList* aList = aDistributor.findClosestTemplateList(0);
            QVERIFY(aList);
            aKeys << aList->first().name().mid(7).toInt();
        }
        QCOMPARE(aKeys, expectedKeys);
    }

    void roundRobinWraps()
    {
        LMBackgroundDistributorRoundRobin aDistributor(LMArticle(), strategy(0));
        aDistributor.insertIntoTemplateList(background(QStringLiteral("a"), 7301, Qt::red), 0);
        aDistributor.insertIntoTemplateList(background(QStringLiteral("b"), 7302, Qt::green), 120);
        aDistributor.insertIntoTemplateList(background(QStringLiteral("c"), 7303, Qt::blue), 240);
        QStringList aNames;
        for (int i = 0; i < 5; ++i)
            aNames << aDistributor.selectTemplate(LMFotoList()).name();
        QCOMPARE(aNames, (QStringList { "a", "b", "c", "a", "b" }));
    }

    void strategyXml_data()
    {
        columns<QString, int, int, int>("xml", "flags", "hueCount", "distribution");

        row("no flags: black and white", "<background/>", 3, 12, 2);
        row("flags, hues and nearest neighbour",
            R"(<background flags="64" distribution="1"><hues><hue value="0"/><hue value="13"/></hues></background>)",
            64, 2, 1);
        row("empty hues: no hue allowed", R"(<background flags="4"><hues/></background>)", 4, 0, 2);
        row("unknown distribution is implicit", R"(<background flags="1" distribution="7"/>)", 1, 12, 2);
    }

    void strategyXml()
    {
        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(fetch<QString>("xml")));
        const LMBackgroundStrategy aStrategy(aDocument.documentElement());
        QCOMPARE(aStrategy.totalBackgroundFlags(), fetch<int>("flags"));
        QCOMPARE(aStrategy.backgroundHues().size(), fetch<int>("hueCount"));
        QCOMPARE(int(aStrategy.distributionStrategyImplicit()), fetch<int>("distribution"));

        // A named document: a default-constructed one is null and takes no elements.
        QDomDocument aWritten(QStringLiteral("strategy"));
        aStrategy.buildXML(aWritten);
        QCOMPARE(LMBackgroundStrategy(aWritten.documentElement()), aStrategy);
    }

    void implicitDistribution_data()
    {
        columns<int, int, int>("flags", "explicitCount", "expected");

        row("four explicit is still few", 0, 4, 1);
        row("five explicit: round robin", 0, 5, 2);
        row("no explicit: round robin", 0, 0, 2);
        row("explicit and implicit: round robin", 64, 2, 2);
    }

    void implicitDistribution()
    {
        QFETCH(int, expected);

        LMTemplateList anExplicit;
        const int explicitCount = fetch<int>("explicitCount");
        for (int i = 0; i < explicitCount; ++i)
            anExplicit << background(QStringLiteral("x%1").arg(i), 7400 + i, Qt::red);
        const LMBackgroundStrategy aStrategy = strategy(fetch<int>("flags"), anExplicit);
        QCOMPARE(int(aStrategy.distributionStrategyImplicit()), expected);
        const bool aRoundRobin = dynamic_cast<LMBackgroundDistributorRoundRobin*>(
            LMBackgroundDistributorRegistry::instance()->findManager(LMArticle(), aStrategy));
        QCOMPARE(aRoundRobin, expected == 2);
    }

private:
    QTemporaryDir myPhotoDir;
    LMConfiguredTemplate myBlack;
    LMConfiguredTemplate myWhite;
};

QTEST_MAIN(TestBackgroundDistribution)
#include "tst_backgrounddistribution.moc"
