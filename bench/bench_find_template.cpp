// Finds templates by name in a registry of many templates built in memory: a cached hit, and a
// miss that runs through every fallback step of the search (and is then cached).
//
//   bench_find_template [count]      (default 40000)

#include "LMArticlesGroup.h"
#include "LMTemplate.h"
#include "LMTemplateRegistry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <cstdio>
#include <memory>

namespace {
constexpr int DEFAULT_COUNT = 40000;
constexpr int HIT_ROUNDS = 200000;
constexpr int MISS_ROUNDS = 20;
constexpr double HIT_TARGET_NS = 1000.0;
constexpr double MISS_TARGET_MS = 20.0;

// Layouts, backgrounds and frames in the mix the content has, with ids and file paths.
LMUnconfiguredTemplateList makeTemplates(int theCount)
{
    LMUnconfiguredTemplateList aTemplates;
    aTemplates.reserve(theCount);
    for (int i = 0; i < theCount; ++i) {
        const LMJigType aType = i % 5 == 0 ? LMJigTypeEnum::Background
            : i % 17 == 0                  ? LMJigTypeEnum::Frame
                                           : LMJigTypeEnum::Layout;
        std::unique_ptr<LMTemplate> aTemplate = LMTemplate::create(aType);
        aTemplate->setName(QStringLiteral("design_%1/page_%2").arg(i / 12).arg(i % 12));
        aTemplate->setDesignElementID(LMDesignElementID(100000 + i / 3));
        aTemplate->fileInfo().setFilePath(QStringLiteral("/content/templates/categories/set_%1/").arg(i / 50));
        aTemplates.append(LMUnconfiguredTemplate(aTemplate.release()));
    }
    return aTemplates;
}

double nanosecondsPer(qint64 theNanoseconds, int theRounds)
{
    return double(theNanoseconds) / theRounds;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication anApp(argc, argv);
    const int aCount = argc > 1 ? qMax(1, QByteArray(argv[1]).toInt()) : DEFAULT_COUNT;
    // Every miss warns once; the figures, not the warnings, are wanted here.
    QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.warning=false"));

    LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();
    const LMUnconfiguredTemplateList aTemplates = makeTemplates(aCount);
    QElapsedTimer aTimer;
    aTimer.start();
    aRegistry->insertTemplates(aTemplates, true, false);
    const qint64 anInsert = aTimer.nsecsElapsed();
    // Unique names are computed on first request; a loaded registry has them already.
    for (const LMUnconfiguredTemplate& aTemplate : aRegistry->allTemplates())
        aTemplate.uniqueName();

    const QString aHitName = QStringLiteral("design_%1/page_3").arg(aCount / 24);
    aTimer.restart();
    const LMUnconfiguredTemplate aFirst = aRegistry->findTemplateByName(aHitName);
    const qint64 aFirstHit = aTimer.nsecsElapsed();
    qint64 aFound = 0;
    aTimer.restart();
    for (int i = 0; i < HIT_ROUNDS; ++i)
        aFound += aRegistry->findTemplateByName(aHitName).isNull() ? 0 : 1;
    const double aHit = nanosecondsPer(aTimer.nsecsElapsed(), HIT_ROUNDS);

    // Each miss a new name: no step finds it, the id step has no background of that id.
    qint64 aMissTotal = 0;
    for (int i = 0; i < MISS_ROUNDS; ++i) {
        const QString aName = QStringLiteral("%1,nothing/like_this.svg_content%2,3,4,normal").arg(900 + i).arg(i);
        aTimer.restart();
        aFound += aRegistry->findTemplateByName(aName).isNull() ? 0 : 1;
        aMissTotal += aTimer.nsecsElapsed();
    }
    const double aMissMs = nanosecondsPer(aMissTotal, MISS_ROUNDS) / 1e6;
    // A cached miss costs what a cached hit costs.
    aTimer.restart();
    for (int i = 0; i < HIT_ROUNDS; ++i)
        aFound
            += aRegistry->findTemplateByName(QStringLiteral("900,nothing/like_this.svg_content0,3,4,normal")).isNull()
            ? 0
            : 1;
    const double aCachedMiss = nanosecondsPer(aTimer.nsecsElapsed(), HIT_ROUNDS);

    std::printf("templates: %d (inserted in %.1f ms), found: %lld, first hit valid: %s\n", aCount, anInsert / 1e6,
                static_cast<long long>(aFound), aFirst.isValid() ? "yes" : "no");
    std::printf("first lookup (searched):  %10.3f ms\n", aFirstHit / 1e6);
    std::printf("cached hit:               %10.1f ns   (target < %.0f ns, %s)\n", aHit, HIT_TARGET_NS,
                aHit < HIT_TARGET_NS ? "met" : "MISSED");
    std::printf("uncached miss, all steps: %10.3f ms   (target < %.0f ms, %s)\n", aMissMs, MISS_TARGET_MS,
                aMissMs < MISS_TARGET_MS ? "met" : "MISSED");
    std::printf("cached miss:              %10.1f ns\n", aCachedMiss);
    return 0;
}
