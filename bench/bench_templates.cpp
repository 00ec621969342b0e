// Builds many layout templates with 1 to 8 photo areas and reports, per template, the time to
// build it, to analyse its areas and to compute its unique name, and the heap it holds without
// its areas.
//
//   bench_templates [count]      (default 40000)

#include "LMBenchSupport.h"
#include "LMTemplate.h"
#include "LMTemplateAnalysis.h"
#include "LMTemplateAreaDefinitionFoto.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

namespace {
constexpr int DEFAULT_COUNT = 40000;
constexpr int MAX_FOTO_AREAS = 8;
// Target of the heap a template holds besides its areas.
constexpr double MEMORY_TARGET = 4096.0;
constexpr double PAGE_ASPECT = 1.5;

using Templates = std::vector<std::unique_ptr<LMTemplate>>;

// Photo areas in the cells of a grid, each cell's area shrunk by its own margins, so layouts
// differ in formats and spaciousness and overlap nowhere.
LMTemplateAreaDefinitionList photoAreas(int theCount, std::mt19937& theRandom)
{
    std::uniform_real_distribution<double> aMargin(0.01, 0.2);
    const int aColumns = theCount <= 2 ? theCount : (theCount + 1) / 2;
    const int aRows = (theCount + aColumns - 1) / aColumns;
    const double aWidth = 1.0 / aColumns;
    const double aHeight = 1.0 / aRows;
    LMTemplateAreaDefinitionList aList;
    for (int i = 0; i < theCount; ++i) {
        const double aLeft = aMargin(theRandom) * aWidth;
        const double aTop = aMargin(theRandom) * aHeight;
        const QRectF aRect((i % aColumns) * aWidth + aLeft, (i / aColumns) * aHeight + aTop,
                           aWidth - aLeft - aMargin(theRandom) * aWidth, aHeight - aTop - aMargin(theRandom) * aHeight);
        aList.append(std::make_unique<LMTemplateAreaDefinitionFoto>(
            LMRotatedRect(aRect), LMAreaAbilityEnum::FotoDefault, LMAreaDecoration(),
            LMAreaPositioningConstraintEnum::Anywhere, LMImageFXs(), QSizeF(1, 1), LMAreaCreationRuleEnum::Default));
    }
    aList.setValid(true);
    return aList;
}

std::unique_ptr<LMTemplate> makeTemplate(int theIndex, LMTemplateAreaDefinitionList theAreas)
{
    auto aTemplate = std::make_unique<LMTemplate>(LMJigType(LMJigTypeEnum::Layout));
    aTemplate->setName(QStringLiteral("layout_%1").arg(theIndex));
    aTemplate->fileInfo().setFilePath(QStringLiteral("content/layouts/layout_%1").arg(theIndex));
    aTemplate->fileInfo().setImageFile(QStringLiteral("content/layouts/layout_%1/preview.png").arg(theIndex));
    aTemplate->setAreaDefinitions(std::move(theAreas));
    return aTemplate;
}

// One pass over all templates; the time per template in microseconds.
template <typename Work> double perTemplate(const Templates& theTemplates, Work theWork)
{
    QElapsedTimer aTimer;
    aTimer.start();
    for (const auto& aTemplate : theTemplates)
        theWork(*aTemplate);
    return double(aTimer.nsecsElapsed()) / 1000.0 / double(theTemplates.size());
}

struct Figures
{
    double buildMicros = 0.0;
    double analyseMicros = 0.0;
    double uniqueNameMicros = 0.0;
    double bytesPerTemplate = 0.0;
    qint64 checksum = 0;
};

// Builds, analyses and names the templates; with theWithAreas false they get no areas, so the
// heap they hold is the template's own.
Figures run(int theCount, bool theWithAreas)
{
    std::mt19937 aRandom(20261205);
    std::uniform_int_distribution<int> aFotoAreas(1, MAX_FOTO_AREAS);

    Figures aFigures;
    Templates aTemplates;
    aTemplates.reserve(size_t(theCount));
    const size_t aHeapBefore = LMBenchSupport::heapInUse();
    QElapsedTimer aTimer;
    aTimer.start();
    for (int i = 0; i < theCount; ++i) {
        const int aCount = aFotoAreas(aRandom);
        aTemplates.push_back(
            makeTemplate(i, theWithAreas ? photoAreas(aCount, aRandom) : LMTemplateAreaDefinitionList()));
    }
    aFigures.buildMicros = double(aTimer.nsecsElapsed()) / 1000.0 / theCount;

    aFigures.analyseMicros
        = perTemplate(aTemplates, [](LMTemplate& theTemplate) { theTemplate.analyzeAreas(PAGE_ASPECT); });
    aFigures.uniqueNameMicros = perTemplate(
        aTemplates, [&](LMTemplate& theTemplate) { aFigures.checksum += theTemplate.uniqueName().size(); });
    aFigures.bytesPerTemplate = (double(LMBenchSupport::heapInUse()) - double(aHeapBefore)) / theCount;

    for (const auto& aTemplate : aTemplates)
        aFigures.checksum += aTemplate->analysis().countFotoAreas();
    return aFigures;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    const QStringList anArguments = QCoreApplication::arguments();
    const int aCount = anArguments.size() > 1 ? anArguments.at(1).toInt() : DEFAULT_COUNT;
    if (aCount <= 0) {
        std::fprintf(stderr, "bench_templates: the count must be a positive number\n");
        return 2;
    }

    const Figures aWith = run(aCount, true);
    const Figures aWithout = run(aCount, false);

    std::printf("templates: %d, 1 to %d photo areas each, page aspect %.2f\n", aCount, MAX_FOTO_AREAS, PAGE_ASPECT);
    std::printf("build:        %8.2f us per template\n", aWith.buildMicros);
    std::printf("analyse:      %8.2f us per template\n", aWith.analyseMicros);
    std::printf("unique name:  %8.2f us per template\n", aWith.uniqueNameMicros);
    std::printf("heap with areas:    %8.0f bytes per template\n", aWith.bytesPerTemplate);
    std::printf("heap without areas: %8.0f bytes per template (target under %.0f, ratio %.2f)\n",
                aWithout.bytesPerTemplate, MEMORY_TARGET, aWithout.bytesPerTemplate / MEMORY_TARGET);
    std::printf("checksum: %lld\n", static_cast<long long>(aWith.checksum + aWithout.checksum));
    return 0;
}
