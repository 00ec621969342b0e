// Colour rating of templates: the distance (greys first, hue wrap), the order of a rating and the
// colour cache's parallel preparation.
#include "LMTemplate.h"
#include "LMTemplateColorCache.h"
#include "LMTemplateRater.h"
#include "LMTestSupport.h"

#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

LMConfiguredTemplate namedTemplate(const QString& theName)
{
    static std::vector<std::unique_ptr<LMTemplate>> ourTemplates;
    auto aTemplate = std::make_unique<LMTemplate>(LMJigTypeEnum::Background);
    aTemplate->setName(theName);
    const LMConfiguredTemplate aResult(LMUnconfiguredTemplate(aTemplate.get()));
    ourTemplates.push_back(std::move(aTemplate));
    return aResult;
}

} // namespace

class TestTemplateRater : public QObject
{
    Q_OBJECT

private slots:
    void distance_data()
    {
        columns<QColor, QColor, int>("reference", "color", "expected");

        const QColor aRed = QColor::fromHsv(350, 255, 255);
        row("hues 350 and 10 are 20 apart", aRed, QColor::fromHsv(10, 255, 255), 20 * 65025);
        row("hues 10 and 350 are 20 apart too", QColor::fromHsv(10, 255, 255), aRed, 20 * 65025);
        row("exactly 180 apart does not wrap", QColor::fromHsv(0, 255, 255), QColor::fromHsv(180, 255, 255),
            180 * 65025);
        row("lack of saturation, then of brightness", aRed, QColor::fromHsv(350, 200, 100), 55 * 255 + 155);
        row("a grey: squared brightness distance, negative", QColor::fromHsv(0, 255, 200), QColor(100, 100, 100),
            100 * 100 - 650250);
        row("the brightest grey far off is still negative", QColor::fromHsv(0, 255, 0), QColor(255, 255, 255),
            255 * 255 - 650250);
    }

    void distance()
    {
        QCOMPARE(
            LMTemplateRater(fetch<QColor>("reference"), LMTemplateContext()).measureDistance(fetch<QColor>("color")),
            fetch<int>("expected"));
    }

    void rate_data()
    {
        QTest::addColumn<QColor>("reference");
        QTest::addColumn<QList<QColor>>("colors"); // of templates t0, t1 ...
        QTest::addColumn<QStringList>("expected");

        const QList<QColor> aColors { QColor::fromHsv(120, 255, 255), QColor(200, 200, 200),
                                      QColor::fromHsv(220, 255, 255), QColor(30, 30, 30) };
        row("invalid colour keeps the input order", QColor(), aColors, QStringList { "t0", "t1", "t2", "t3" });
        row("greys first by brightness, then colours by hue", QColor::fromHsv(200, 255, 40), aColors,
            QStringList { "t3", "t1", "t2", "t0" });
        row("a bright reference puts the light grey first", QColor::fromHsv(100, 255, 255), aColors,
            QStringList { "t1", "t3", "t0", "t2" });
    }

    void rate()
    {
        QFETCH(QList<QColor>, colors);

        LMTemplateList aTemplates;
        QHash<QString, QString> aNames;
        for (qsizetype i = 0; i < colors.size(); ++i) {
            const LMConfiguredTemplate aTemplate
                = namedTemplate(QStringLiteral("%1-t%2").arg(QTest::currentDataTag()).arg(i));
            LMTemplateColorCache::instance()->record(aTemplate, colors.at(i));
            aNames.insert(aTemplate.name(), QStringLiteral("t%1").arg(i));
            aTemplates << aTemplate;
        }
        QStringList aResult;
        for (const LMConfiguredTemplate& aTemplate :
             LMTemplateRater(fetch<QColor>("reference"), LMTemplateContext()).rate(aTemplates))
            aResult << aNames.value(aTemplate.name());
        QCOMPARE(aResult, fetch<QStringList>("expected"));
    }

    void ratedOrder()
    {
        const LMConfiguredTemplate aFirst = namedTemplate(QStringLiteral("first"));
        const LMConfiguredTemplate aSecond = namedTemplate(QStringLiteral("second"));
        QVERIFY(LMRatedTemplate(aSecond, 1) < LMRatedTemplate(aFirst, 2));
        QCOMPARE(LMRatedTemplate(aFirst, 5) < LMRatedTemplate(aSecond, 5), aFirst < aSecond);
        QVERIFY(LMRatedTemplate(aFirst, 5) != LMRatedTemplate(aFirst, 6));
    }

    // Two threads prepare overlapping lists while a third asks for colours: every template ends
    // up measured once per name, and what colorOf answers is what was measured.
    void parallelPrepare()
    {
        LMTemplateList aTemplates;
        for (int i = 0; i < 24; ++i)
            aTemplates << namedTemplate(QStringLiteral("parallel%1").arg(i));
        const LMTemplateList aFirstHalf(aTemplates.mid(0, 16));
        const LMTemplateList aSecondHalf(aTemplates.mid(8));
        LMTemplateColorCache* aCache = LMTemplateColorCache::instance();
        QCOMPARE(aCache->filterNotInCacheNow(aTemplates).size(), aTemplates.size());

        std::thread aOne([&] { aCache->prepare(aFirstHalf, LMTemplateContext()); });
        std::thread aTwo([&] { aCache->prepare(aSecondHalf, LMTemplateContext()); });
        std::thread aReader([&] {
            for (const LMConfiguredTemplate& aTemplate : aTemplates)
                aCache->colorOf(aTemplate, LMTemplateContext());
        });
        aOne.join();
        aTwo.join();
        aReader.join();

        QVERIFY(aCache->filterNotInCacheNow(aTemplates).isEmpty());
        for (const LMConfiguredTemplate& aTemplate : aTemplates)
            QCOMPARE(aCache->colorOf(aTemplate, LMTemplateContext()),
                     LMTemplateColorCache::measure(aTemplate, LMTemplateContext()));
    }
};

QTEST_MAIN(TestTemplateRater)
#include "tst_templaterater.moc"
