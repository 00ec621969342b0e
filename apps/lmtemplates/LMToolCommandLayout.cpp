#include "LMToolCommandLayout.h"

#include "LMBackgroundDistributorRegistry.h"
#include "LMBackgroundStrategy.h"
#include "LMBookPlanner.h"
#include "LMCategorization.h"
#include "LMContentFilterParameter.h"
#include "LMFotoAccess.h"
#include "LMLayoutDistributor.h"
#include "LMLayoutPreviewRenderer.h"
#include "LMPageType.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateFilterBackground.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateThumbnailContext.h"
#include "LMToolMessageCapture.h"
#include "LMToolPhotos.h"
#include "LMToolPictures.h"

#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QJsonArray>

#include <algorithm>

namespace {
const QString OPT_PHOTOS = QStringLiteral("photos");
const QString OPT_PAGES = QStringLiteral("pages");
const QString OPT_PREVIEW = QStringLiteral("preview");
const QString OPT_SIZE = QStringLiteral("size");
const QString OPT_VARIATION = QStringLiteral("variation");
const QString OPT_REPORT = QStringLiteral("report");
const QString OPT_BACKGROUND = QStringLiteral("background");
const QString OPT_STRATEGY = QStringLiteral("strategy");
const QString STRATEGY_ROOT = QStringLiteral("background");
constexpr int MAXIMUM_PAGES = 10000;
constexpr int MAXIMUM_SIZE = 4096;

QString areaText(const LMTemplateAreaDefinition& theArea, double theAspect)
{
    // Area rectangles are fractions of the page.
    const QRectF aRect = theArea.rotatedRect().rect();
    return QStringLiteral("%1 %2% x %3%")
        .arg(LMToolPhotos::orientationText(theArea.orientation(theAspect)))
        .arg(qRound(aRect.width() * 100))
        .arg(qRound(aRect.height() * 100));
}
// The strategy of a file whose document element is "background"; false with the reason printed.
// Read after the templates are loaded: explicit backgrounds may be named by unique name.
bool readStrategy(const QString& thePath, LMBackgroundStrategy& theStrategy)
{
    QFile aFile(thePath);
    if (!QFileInfo(thePath).isFile() || !aFile.open(QIODevice::ReadOnly)) {
        LMToolCommand::printError(QStringLiteral("cannot read the strategy %1").arg(QDir::toNativeSeparators(thePath)));
        return false;
    }
    QDomDocument aDocument;
    QString aMessage;
    int aLine = 0;
    int aColumn = 0;
    if (!aDocument.setContent(&aFile, &aMessage, &aLine, &aColumn)) {
        LMToolCommand::printError(QStringLiteral("%1:%2:%3: %4")
                                      .arg(QDir::toNativeSeparators(thePath))
                                      .arg(aLine)
                                      .arg(aColumn)
                                      .arg(aMessage));
        return false;
    }
    const QDomElement aRoot = aDocument.documentElement();
    if (aRoot.tagName() != STRATEGY_ROOT) {
        LMToolCommand::printError(QStringLiteral("%1: the strategy is a \"%2\" element, not \"%3\"")
                                      .arg(QDir::toNativeSeparators(thePath), STRATEGY_ROOT, aRoot.tagName()));
        return false;
    }
    theStrategy = LMBackgroundStrategy(aRoot);
    return true;
}

// A background by name, a colour variant with its hue and fading: "Watercolour (240,1)".
QString backgroundText(const LMConfiguredTemplate& theBackground)
{
    if (!theBackground.isValid())
        return QStringLiteral("none");
    if (!theBackground->isMultiColor())
        return theBackground.name();
    return QStringLiteral("%1 (%2)").arg(theBackground.name(), theBackground->multiColorConfig().toString());
}

} // namespace

LMToolCommandLayout::LMToolCommandLayout()
    : LMToolCommand(QStringLiteral("layout"),
                    QStringLiteral("Lays a folder of photos out as a book: pages, layouts, photos in their areas."))
{
}

void LMToolCommandLayout::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addArticleOption();
    addJsonOption();
    theParser.addOption(QCommandLineOption(
        OPT_PHOTOS, QStringLiteral("The folder of photos (JPEG or PNG), laid out in the order they were taken."),
        QStringLiteral("folder")));
    theParser.addOption(QCommandLineOption(
        OPT_PAGES,
        QStringLiteral("The number of pages (default: every event on pages of its own, about 4 photos each)."),
        QStringLiteral("count")));
    theParser.addOption(QCommandLineOption(
        OPT_VARIATION, QStringLiteral("How far page sizes may differ from the average (default: 1)."),
        QStringLiteral("photos"), QStringLiteral("1")));
    theParser.addOption(QCommandLineOption(
        OPT_PREVIEW, QStringLiteral("Writes a preview picture of every page with its photos to this folder."),
        QStringLiteral("folder")));
    theParser.addOption(QCommandLineOption(OPT_SIZE,
                                           QStringLiteral("The side of the square previews fit in (default: 512)."),
                                           QStringLiteral("pixels"), QStringLiteral("512")));
    theParser.addOption(QCommandLineOption(
        OPT_BACKGROUND,
        QStringLiteral("Gives every page a background matched to its photos: 'nearest' colour or 'roundrobin' "
                       "through the hues."),
        QStringLiteral("choice")));
    theParser.addOption(QCommandLineOption(
        OPT_STRATEGY,
        QStringLiteral("Gives every page a background as the strategy file says (a \"background\" element: "
                       "flags, hues, category, explicit backgrounds, distribution)."),
        QStringLiteral("file")));
    theParser.addOption(QCommandLineOption(
        OPT_REPORT, QStringLiteral("Prints the coverage of the article's layouts, as content authors see it.")));
}

int LMToolCommandLayout::execute()
{
    if (!parser().isSet(OPT_PHOTOS))
        return usageError(QStringLiteral("--photos is required"));
    const QDir aFolder(parser().value(OPT_PHOTOS));
    if (!aFolder.exists()) {
        printError(QStringLiteral("no folder %1").arg(QDir::toNativeSeparators(aFolder.path())));
        return Failure;
    }
    bool anOk = true;
    const int aWantedPages = parser().isSet(OPT_PAGES) ? parser().value(OPT_PAGES).toInt(&anOk) : 0;
    if (!anOk || aWantedPages < 0 || aWantedPages > MAXIMUM_PAGES)
        return usageError(
            QStringLiteral("--pages needs 1 to %1 pages: %2").arg(MAXIMUM_PAGES).arg(parser().value(OPT_PAGES)));
    const int aVariation = parser().value(OPT_VARIATION).toInt(&anOk);
    if (!anOk || aVariation < 0 || aVariation > 10)
        return usageError(QStringLiteral("--variation needs 0 to 10 photos: %1").arg(parser().value(OPT_VARIATION)));
    const int aSize = parser().value(OPT_SIZE).toInt(&anOk);
    if (!anOk || aSize < 16 || aSize > MAXIMUM_SIZE)
        return usageError(
            QStringLiteral("--size needs 16 to %1 pixels: %2").arg(MAXIMUM_SIZE).arg(parser().value(OPT_SIZE)));
    const QString aBackgroundChoice = parser().value(OPT_BACKGROUND);
    if (parser().isSet(OPT_BACKGROUND) && aBackgroundChoice != QLatin1String("nearest")
        && aBackgroundChoice != QLatin1String("roundrobin"))
        return usageError(QStringLiteral("--background is 'nearest' or 'roundrobin': %1").arg(aBackgroundChoice));
    if (parser().isSet(OPT_BACKGROUND) && parser().isSet(OPT_STRATEGY))
        return usageError(QStringLiteral("--background and --strategy exclude each other"));
    const bool aBackgroundsWanted = parser().isSet(OPT_BACKGROUND) || parser().isSet(OPT_STRATEGY);
    const QString aPreviewPath = parser().value(OPT_PREVIEW);
    if (!aPreviewPath.isEmpty() && !QDir().mkpath(aPreviewPath)) {
        printError(QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(aPreviewPath)));
        return Failure;
    }

    LMToolMessageCapture aCapture;
    const LMArticle anArticle = openAndLoadArticle(aCapture, false);
    if (anArticle.isNull())
        return Failure;
    noteWarnings(aCapture);
    const QList<LMToolPhotos::Facts> aPhotos = LMToolPhotos::read(aFolder);
    if (aPhotos.isEmpty()) {
        printError(QStringLiteral("no photos in %1").arg(QDir::toNativeSeparators(aFolder.path())));
        return Failure;
    }
    QHash<LMFoto, const LMToolPhotos::Facts*> aFactsOf;
    LMFotoList aFotos;
    for (const LMToolPhotos::Facts& aPhoto : aPhotos) {
        aFotos.append(aPhoto.foto);
        aFactsOf.insert(aPhoto.foto, &aPhoto);
    }

    const LMTemplateContext aContext(anArticle, LMPageTypeEnum::InnerPage);
    // The assistant's distributor of a design style without collections of its own: every layout
    // of the inner pages that meets the styles' requirements.
    LMLayoutDistributor aDistributor(aContext, LMDesignElementIDSet(), LMDesignElementIDSet());
    if (aDistributor.maximumImagesOnAnyTemplate() == 0) {
        printError(QStringLiteral("%1 has no layouts for inner pages").arg(anArticle.orderTxtName()));
        return Failure;
    }

    // The report the distributor writes in the master mode, here on request.
    if (parser().isSet(OPT_REPORT) && !jsonWanted())
        printText(aDistributor.reportLines().join(QLatin1Char('\n')) + QLatin1Char('\n'));

    QElapsedTimer aTimer;
    aTimer.start();
    const int aPages = aWantedPages > 0 ? aWantedPages : LMBookPlanner::suggestedPageCount(aFotos);
    const LMFotosForScenePack aBook = LMBookPlanner(aDistributor).plan(aFotos, aPages, true, aVariation);
    const int aScore = aDistributor.judge(aBook);

    LMBackgroundStrategy aStrategy;
    if (parser().isSet(OPT_STRATEGY)) {
        if (!readStrategy(parser().value(OPT_STRATEGY), aStrategy))
            return Failure;
    } else if (aBackgroundsWanted) {
        // The product's backgrounds, each in the hue lists near its colour, the flat colours and
        // the colour variants of the multi-colour backgrounds, and white everywhere.
        aStrategy.setBackgroundFlags(LMBackgroundStrategy::White | LMBackgroundStrategy::FlatColor
                                     | LMBackgroundStrategy::MultiColor);
        aStrategy.setExplicitDistributionStrategy(aBackgroundChoice == QLatin1String("roundrobin")
                                                      ? LMBackgroundStrategy::RoundRobin
                                                      : LMBackgroundStrategy::NearestNeighbour);
        const LMContentFilterParameter aParameter(aContext, LMCategorization());
        LMTemplateList aBackgrounds;
        for (const LMUnconfiguredTemplate& aHandle :
             LMTemplateRegistry::instance()->getTemplates(LMTemplateFilterBackground(aParameter)).sortedByName())
            aBackgrounds.append(LMConfiguredTemplate(aHandle));
        aStrategy.setExplicitBackgrounds(aBackgrounds);
    }

    struct Page
    {
        LMConfiguredTemplate background;
        LMConfiguredTemplate layout;
        LMFotoList fotos;
        LMFotoList remaining;
        bool left = true;
    };
    QList<Page> aLaidOut;
    LMFotosForScenePack aPacks(aBook);
    while (!aPacks.isEmpty()) {
        Page aPage;
        aPage.left = aPacks.weAreOnALeftPage();
        const LMFotoList aPageFotos = aPacks.consumePageFotos();
        aPage.layout
            = aDistributor.findLayout(aPageFotos, aPage.left ? LMPageAlignmentEnum::Left : LMPageAlignmentEnum::Right);
        aPage.fotos = aDistributor.organizeFotos(aPageFotos, aPage.layout, &aPage.remaining);
        if (aBackgroundsWanted)
            aPage.background
                = LMBackgroundDistributorRegistry::instance()->backgroundForPage(aPageFotos, anArticle, aStrategy);
        aLaidOut.append(aPage);
    }
    const qint64 aMicroseconds = aTimer.nsecsElapsed() / 1000;

    const double anAspect = aContext.widthByHeight();
    QJsonArray aJsonPages;
    QString aText = QStringLiteral("%1: %2 photos on %3 pages, split score %4 (%5 ms)\n")
                        .arg(anArticle.orderTxtName())
                        .arg(aPhotos.size())
                        .arg(aLaidOut.size())
                        .arg(aScore)
                        .arg(double(aMicroseconds) / 1000.0, 0, 'f', 1);
    int aResult = Success;
    for (qsizetype p = 0; p < aLaidOut.size(); ++p) {
        const Page& aPage = aLaidOut.at(p);
        const QString aSide = aPage.left ? QStringLiteral("left") : QStringLiteral("right");
        aText += QStringLiteral("page %1 (%2): %3\n")
                     .arg(p + 1)
                     .arg(aSide, aPage.layout.isValid() ? aPage.layout.name() : QStringLiteral("no layout"));
        const LMTemplateAreaDefinitionList anAreas
            = LMLayoutDistributor::fotoAreasInFillingOrder(aPage.layout.unconfiguredTemplate());
        if (aBackgroundsWanted)
            aText += QStringLiteral("  background: %1\n").arg(backgroundText(aPage.background));
        QJsonArray aJsonAreas;
        QList<QPair<LMRotatedRect, LMFoto>> anAreaFotos;
        for (int a = 0; a < anAreas.count(); ++a) {
            const LMToolPhotos::Facts* aFacts = a < aPage.fotos.size() ? aFactsOf.value(aPage.fotos.at(a)) : nullptr;
            aText += QStringLiteral("  area %1 (%2): %3\n")
                         .arg(a + 1)
                         .arg(areaText(*anAreas.at(a), anAspect),
                              aFacts ? QStringLiteral("%1 (%2, rating %3, %4)")
                                           .arg(aFacts->file, aFacts->orientation)
                                           .arg(aFacts->rating)
                                           .arg(LMToolPhotos::takenText(aFacts->taken))
                                     : QStringLiteral("empty"));
            QJsonObject aJsonArea { { QStringLiteral("area"), a + 1 },
                                    { QStringLiteral("size"), areaText(*anAreas.at(a), anAspect) } };
            if (aFacts) {
                aJsonArea.insert(QStringLiteral("photo"), aFacts->file);
                aJsonArea.insert(QStringLiteral("orientation"), aFacts->orientation);
                aJsonArea.insert(QStringLiteral("rating"), aFacts->rating);
                aJsonArea.insert(QStringLiteral("taken"), aFacts->taken);
                anAreaFotos.append(qMakePair(anAreas.at(a)->rotatedRect(), aFacts->foto));
            }
            aJsonAreas.append(aJsonArea);
        }
        QJsonArray aJsonRemaining;
        for (const LMFoto& aLeft : aPage.remaining) {
            const LMToolPhotos::Facts* aFacts = aFactsOf.value(aLeft);
            aText += QStringLiteral("  left over: %1\n").arg(aFacts ? aFacts->file : aLeft.filenameHint());
            aJsonRemaining.append(aFacts ? aFacts->file : aLeft.filenameHint());
        }
        QJsonObject aJsonPage { { QStringLiteral("page"), p + 1 },
                                { QStringLiteral("side"), aSide },
                                { QStringLiteral("layout"), aPage.layout.name() },
                                { QStringLiteral("areas"), aJsonAreas },
                                { QStringLiteral("leftOver"), aJsonRemaining } };
        if (aBackgroundsWanted)
            aJsonPage.insert(QStringLiteral("background"), backgroundText(aPage.background));

        if (!aPreviewPath.isEmpty() && aPage.layout.isValid()) {
            const QColor aPaper = aPage.background.isValid() ? QColor(Qt::transparent) : QColor(Qt::white);
            const LMTemplateThumbnailContext aKey(QSize(aSize, aSize), aContext, aPage.layout,
                                                  LMCalendariumPreviewParameters(), QString(), aPaper);
            LMLayoutPreviewRenderer aRenderer(aKey);
            aRenderer.setAreaFotos(anAreaFotos);
            const QString aFile
                = QDir(aPreviewPath).filePath(QStringLiteral("page-%1.png").arg(p + 1, 2, 10, QLatin1Char('0')));
            QImage aPicture = aRenderer.createImage();
            if (aPage.background.isValid())
                aPicture = LMToolPictures::onBackground(aPicture, aPage.background, aContext);
            if (LMToolPictures::writePng(aPicture, aFile)) {
                aText += QStringLiteral("  preview: %1\n").arg(QDir::toNativeSeparators(aFile));
                aJsonPage.insert(QStringLiteral("preview"), aFile);
            } else {
                printError(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(aFile)));
                aResult = Failure;
            }
        }
        aJsonPages.append(aJsonPage);
    }

    if (jsonWanted()) {
        QJsonObject aJson { { QStringLiteral("article"), anArticle.orderTxtName() },
                            { QStringLiteral("photos"), int(aPhotos.size()) },
                            { QStringLiteral("score"), aScore },
                            { QStringLiteral("microseconds"), aMicroseconds },
                            { QStringLiteral("pages"), aJsonPages } };
        if (parser().isSet(OPT_REPORT))
            aJson.insert(QStringLiteral("report"), QJsonArray::fromStringList(aDistributor.reportLines()));
        printJson(aJson);
    } else {
        printText(aText);
    }
    return aResult;
}
