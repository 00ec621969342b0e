// Loads every template of a generated content tree for one article, the way the editor does at
// start-up (file manager, parallel parse, build, filter, insertion into the registry), and prints
// next to it the bare parallel QDom parse of the same files in the same run: one task per core,
// each parsing its share of the files.
//
//   bench_load_templates [xml files] [svg designs] [rounds]    (default 4000, 1000, 3)
#include "LMArticle.h"
#include "LMBenchSupport.h"
#include "LMContentGenerator.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateRegistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThreadPool>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int DEFAULT_XML_FILES = 4000;
constexpr int DEFAULT_SVG_DESIGNS = 1000;
constexpr int DEFAULT_ROUNDS = 3;
constexpr int MIN_LAYOUTS = 2;
constexpr int MAX_LAYOUTS = 8;
// The full load may take at most this multiple of the bare parallel parse.
constexpr double RATIO_TARGET = 1.3;

// The products the generated files name, by their article classes.
const QByteArray CATALOGUE = R"({"articles": [
    {"id": 1, "orderName": "BOOK_A4", "class": "photobook", "orientation": "portrait"},
    {"id": 2, "orderName": "BOOK_A5", "class": "photobook", "orientation": "landscape"},
    {"id": 3, "orderName": "CAL_A3", "class": "calendar", "orientation": "landscape"},
    {"id": 4, "orderName": "CARD_A6", "class": "card", "orientation": "portrait"}
]})";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication anApp(argc, argv);
    const QStringList anArguments = QCoreApplication::arguments();
    const int anXmlFiles = anArguments.size() > 1 ? anArguments.at(1).toInt() : DEFAULT_XML_FILES;
    const int aSvgDesigns = anArguments.size() > 2 ? anArguments.at(2).toInt() : DEFAULT_SVG_DESIGNS;
    const int aRounds = anArguments.size() > 3 ? anArguments.at(3).toInt() : DEFAULT_ROUNDS;
    if (anXmlFiles < 0 || aSvgDesigns < 0 || aRounds <= 0) {
        std::fprintf(stderr, "bench_load_templates: file counts must not be negative, rounds must be positive\n");
        return 2;
    }

    QTemporaryDir aContent;
    LMContentGenerator aGenerator;
    const QString aRoot = aContent.path();
    const QString aCategories = QDir(aRoot).filePath(QStringLiteral("templates/categories"));
    QFile aCatalogue(QDir(aRoot).filePath(QStringLiteral("products/catalogue.json")));
    if (!QDir().mkpath(aCategories) || !QDir().mkpath(QDir(aRoot).filePath(QStringLiteral("products")))
        || !aCatalogue.open(QIODevice::WriteOnly) || aCatalogue.write(CATALOGUE) < 0)
        return 1;
    aCatalogue.close();
    if (aGenerator.writeLayoutCollectionsV2(aCategories, anXmlFiles, MIN_LAYOUTS, MAX_LAYOUTS).size() != anXmlFiles
        || aGenerator.writeSvgDesigns(aRoot, aSvgDesigns, 0, 10).size() != aSvgDesigns) {
        std::fprintf(stderr, "bench_load_templates: cannot write the content\n");
        return 1;
    }
    // The bare parse reads what the load reads: the XML files and the SVG pages.
    const QStringList aFiles = LMBenchSupport::filesBelow(aRoot, QStringLiteral("*.xml"))
        + LMBenchSupport::filesBelow(aRoot, QStringLiteral("*.svg"));

    LMDirectoryConfig::instance()->setContentRoot(aRoot);
    LMProductCatalogue::instance()->reload();
    const LMArticle anArticle = LMArticle::fromOrderTxtName(QStringLiteral("BOOK_A4"));
    LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();

    qint64 anElements = 0;
    LMBenchSupport::bareParallelParse(aFiles, anElements); // warms the file cache
    qint64 aBare = std::numeric_limits<qint64>::max();
    qint64 aLoad = std::numeric_limits<qint64>::max();
    qsizetype aTemplates = 0;
    for (int aRound = 0; aRound < aRounds; ++aRound) {
        aBare = std::min(aBare, LMBenchSupport::bareParallelParse(aFiles, anElements));
        // Every round starts over: the registry forgets its templates and the file manager
        // offers every file again. (The registry keeps the templates it has handed out alive.)
        aRegistry->clear();
        QElapsedTimer aTimer;
        aTimer.start();
        LMTemplateFileManager::instance()->reInit();
        aRegistry->loadTemplates(anArticle);
        aLoad = std::min(aLoad, aTimer.nsecsElapsed());
        aTemplates = aRegistry->countTemplates();
    }

    std::printf("content: %d XML files (%d to %d layouts each), %d SVG designs; %lld files parsed; %d threads\n",
                anXmlFiles, MIN_LAYOUTS, MAX_LAYOUTS, aSvgDesigns, static_cast<long long>(aFiles.size()),
                QThreadPool::globalInstance()->maxThreadCount());
    std::printf("templates in the registry for %s: %lld, best of %d rounds\n", qPrintable(anArticle.orderTxtName()),
                static_cast<long long>(aTemplates), aRounds);
    std::printf("bare parallel QDom parse: %8.1f ms\n", double(aBare) / 1e6);
    std::printf("full load:                %8.1f ms\n", double(aLoad) / 1e6);
    const double aRatio = double(aLoad) / double(aBare);
    std::printf("ratio: %.2f (target at most %.1f)%s\n", aRatio, RATIO_TARGET,
                aRatio <= RATIO_TARGET ? "" : "  -- above target");
    std::printf("checksum: %lld\n", static_cast<long long>(anElements));
    return 0;
}
