#include "LMToolCommandBook.h"

#include "LMBookPlanner.h"
#include "LMDecorationRegistry.h"
#include "LMDesignStyleRegistry.h"
#include "LMToolMessageCapture.h"
#include "LMToolPhotos.h"
#include "LMToolPictures.h"
#include "LMToolStylePages.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QSaveFile>

namespace {
const QString OPT_STYLE = QStringLiteral("style");
const QString OPT_PHOTOS = QStringLiteral("photos");
const QString OPT_OUT = QStringLiteral("out");
const QString OPT_PAGES = QStringLiteral("pages");
const QString OPT_SIZE = QStringLiteral("size");
const QString BOOK_JSON = QStringLiteral("book.json");
const QString BOOK_SHEET = QStringLiteral("book.png");
constexpr int MAXIMUM_PAGES = 500;
constexpr int MAXIMUM_SIZE = 4096;
// The contact sheet: spreads side by side, a gap round each, the page number under it.
constexpr int SPREADS_PER_ROW = 3;
constexpr int GAP = 16;
constexpr int LABEL = 18;

// The style named by its id, its visible name (letter case aside) or its file's base name.
LMDesignStyle findStyle(const QString& theName)
{
    for (const LMDesignStyle& aStyle : LMDesignStyleRegistry::instance()->allStyles()) {
        if (aStyle.designElementID().toString() == theName
            || aStyle.visibleName().compare(theName, Qt::CaseInsensitive) == 0
            || aStyle.impl()->sourceFile().completeBaseName() == theName)
            return aStyle;
    }
    return LMDesignStyle();
}

// The pages grouped as the book opens: the cover spread, then the double pages.
QList<QList<int>> spreads(const QList<LMDesignStyleBook::Page>& thePages)
{
    QList<QList<int>> aSpreads;
    for (int p = 0; p < thePages.size(); ++p) {
        if (aSpreads.isEmpty() || aSpreads.last().isEmpty()
            || thePages.at(aSpreads.last().first()).point.scene() != thePages.at(p).point.scene())
            aSpreads.append(QList<int>());
        aSpreads.last().append(p);
    }
    return aSpreads;
}

QImage contactSheet(const QList<LMDesignStyleBook::Page>& thePages, const QList<QImage>& thePictures, int theSide)
{
    // Each spread at its own width, a first page on the right of its spread; rows of a few spreads.
    struct Placed
    {
        QList<int> pages;
        int width = 0;
        int indent = 0;
    };
    QList<QList<Placed>> aRows;
    for (const QList<int>& aSpread : spreads(thePages)) {
        Placed aPlaced { aSpread, 0, 0 };
        for (int p : aSpread)
            aPlaced.width += thePictures.at(p).width();
        if (aSpread.size() == 1 && thePages.at(aSpread.first()).point.scene() > 0) {
            aPlaced.indent = thePictures.at(aSpread.first()).width();
            aPlaced.width += aPlaced.indent;
        }
        if (aRows.isEmpty() || aRows.last().size() == SPREADS_PER_ROW)
            aRows.append(QList<Placed>());
        aRows.last().append(aPlaced);
    }
    int aWidth = GAP;
    for (const QList<Placed>& aRow : std::as_const(aRows)) {
        int aRowWidth = GAP;
        for (const Placed& aPlaced : aRow)
            aRowWidth += aPlaced.width + GAP;
        aWidth = std::max(aWidth, aRowWidth);
    }
    const int aRowHeight = theSide + LABEL + GAP;
    QImage aSheet(aWidth, GAP + int(std::max<qsizetype>(1, aRows.size())) * aRowHeight, QImage::Format_RGB32);
    aSheet.fill(QColor(235, 235, 235));
    QPainter aPainter(&aSheet);
    aPainter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    QFont aFont = aPainter.font();
    aFont.setPixelSize(12);
    aPainter.setFont(aFont);
    aPainter.setPen(QColor(60, 60, 60));
    for (qsizetype r = 0; r < aRows.size(); ++r) {
        const int aTop = GAP + int(r) * aRowHeight;
        int aLeft = GAP;
        for (const Placed& aPlaced : aRows.at(r)) {
            int anX = aLeft + aPlaced.indent;
            QStringList aNumbers;
            for (int p : aPlaced.pages) {
                const QImage& aPicture = thePictures.at(p);
                aPainter.drawImage(anX, aTop + (theSide - aPicture.height()) / 2, aPicture);
                anX += aPicture.width();
                aNumbers << QString::number(p);
            }
            aPainter.drawText(QRect(aLeft, aTop + theSide, aPlaced.width, LABEL), Qt::AlignCenter,
                              QStringLiteral("page %1").arg(aNumbers.join(QLatin1Char('-'))));
            aLeft += aPlaced.width + GAP;
        }
    }
    return aSheet;
}

bool writeJson(const QJsonObject& theObject, const QString& theFile)
{
    const QByteArray aText = QJsonDocument(theObject).toJson(QJsonDocument::Indented);
    QSaveFile aFile(theFile);
    return aFile.open(QIODevice::WriteOnly) && aFile.write(aText) == aText.size() && aFile.commit();
}
} // namespace

LMToolCommandBook::LMToolCommandBook()
    : LMToolCommand(QStringLiteral("book"),
                    QStringLiteral("Builds every page of a product from a design style and a folder of photos."))
{
}

void LMToolCommandBook::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addArticleOption();
    addJsonOption();
    theParser.addOption(
        QCommandLineOption(QStringList { OPT_STYLE, QStringLiteral("design-style") },
                           QStringLiteral("The design style: its id, name or file name (see 'lmtemplates styles')."),
                           QStringLiteral("name")));
    theParser.addOption(QCommandLineOption(
        OPT_PHOTOS, QStringLiteral("The folder of photos (JPEG or PNG), laid out in the order they were taken."),
        QStringLiteral("folder")));
    theParser.addOption(QCommandLineOption(
        OPT_OUT, QStringLiteral("The folder for the page pictures, the contact sheet book.png and book.json."),
        QStringLiteral("folder")));
    theParser.addOption(QCommandLineOption(
        OPT_PAGES,
        QStringLiteral("The number of inner pages (default: about 4 photos a page, at least the product's fewest)."),
        QStringLiteral("count")));
    theParser.addOption(
        QCommandLineOption(OPT_SIZE, QStringLiteral("The side of the square each page picture fits in (default: 400)."),
                           QStringLiteral("pixels"), QStringLiteral("400")));
}

int LMToolCommandBook::execute()
{
    for (const QString& aRequired : { OPT_STYLE, OPT_PHOTOS, OPT_OUT }) {
        if (!parser().isSet(aRequired))
            return usageError(QStringLiteral("--%1 is required").arg(aRequired));
    }
    bool anOk = true;
    const int aWantedPages = parser().isSet(OPT_PAGES) ? parser().value(OPT_PAGES).toInt(&anOk) : 0;
    if (!anOk || aWantedPages < 0 || aWantedPages > MAXIMUM_PAGES)
        return usageError(
            QStringLiteral("--pages needs 1 to %1 pages: %2").arg(MAXIMUM_PAGES).arg(parser().value(OPT_PAGES)));
    const int aSize = parser().value(OPT_SIZE).toInt(&anOk);
    if (!anOk || aSize < 16 || aSize > MAXIMUM_SIZE)
        return usageError(
            QStringLiteral("--size needs 16 to %1 pixels: %2").arg(MAXIMUM_SIZE).arg(parser().value(OPT_SIZE)));
    const QDir aFolder(parser().value(OPT_PHOTOS));
    if (!aFolder.exists()) {
        printError(QStringLiteral("no folder %1").arg(QDir::toNativeSeparators(aFolder.path())));
        return Failure;
    }
    const QString anOut = parser().value(OPT_OUT);
    if (!QDir().mkpath(anOut)) {
        printError(QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(anOut)));
        return Failure;
    }

    LMToolMessageCapture aCapture;
    const LMArticle anArticle = openAndLoadArticle(aCapture, false);
    if (anArticle.isNull())
        return Failure;
    // Cliparts and masks are looked up in the decoration registry; design styles in theirs.
    LMDecorationRegistry::instance();
    const LMDesignStyle aStyle = findStyle(parser().value(OPT_STYLE));
    noteWarnings(aCapture);
    if (aStyle.isNull()) {
        printError(QStringLiteral("no design style %1 (lmtemplates styles lists them)").arg(parser().value(OPT_STYLE)));
        return Failure;
    }
    const QList<LMToolPhotos::Facts> aPhotos = LMToolPhotos::read(aFolder);
    if (aPhotos.isEmpty()) {
        printError(QStringLiteral("no photos in %1").arg(QDir::toNativeSeparators(aFolder.path())));
        return Failure;
    }
    LMFotoList aFotos;
    for (const LMToolPhotos::Facts& aPhoto : aPhotos)
        aFotos.append(aPhoto.foto);
    int anInnerPages = aWantedPages;
    if (anInnerPages == 0) {
        anInnerPages = std::max(LMBookPlanner::suggestedPageCount(aFotos), anArticle.minPages());
        anInnerPages += anInnerPages % 2;
    }

    QElapsedTimer aTimer;
    aTimer.start();
    const QList<LMDesignStyleBook::Page> aPages = LMDesignStyleBook::build(aStyle, anArticle, anInnerPages, aFotos);
    const qint64 aBuildMicroseconds = aTimer.nsecsElapsed() / 1000;

    aTimer.restart();
    QList<QImage> aPictures;
    QJsonArray aJsonPages;
    int aResult = Success;
    for (const LMDesignStyleBook::Page& aPage : aPages) {
        aPictures.append(LMDesignStyleBook::picture(aPage, anArticle, aSize));
        QJsonObject aJson = LMToolStylePages::json(aPage);
        const QString aFile
            = QDir(anOut).filePath(QStringLiteral("page-%1.png").arg(aPage.point.page(), 2, 10, QLatin1Char('0')));
        if (LMToolPictures::writePng(aPictures.last(), aFile)) {
            aJson.insert(QStringLiteral("picture"), QFileInfo(aFile).fileName());
        } else {
            printError(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(aFile)));
            aResult = Failure;
        }
        aJsonPages.append(aJson);
    }
    const QString aSheetFile = QDir(anOut).filePath(BOOK_SHEET);
    if (!LMToolPictures::writePng(contactSheet(aPages, aPictures, aSize), aSheetFile)) {
        printError(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(aSheetFile)));
        aResult = Failure;
    }
    const qint64 aRenderMicroseconds = aTimer.nsecsElapsed() / 1000;

    const QJsonObject aBook { { QStringLiteral("style"), aStyle.visibleName() },
                              { QStringLiteral("styleId"), aStyle.designElementID().id() },
                              { QStringLiteral("article"), anArticle.orderTxtName() },
                              { QStringLiteral("innerPages"), anInnerPages },
                              { QStringLiteral("photos"), int(aPhotos.size()) },
                              { QStringLiteral("pages"), aJsonPages } };
    const QString aJsonFile = QDir(anOut).filePath(BOOK_JSON);
    if (!writeJson(aBook, aJsonFile)) {
        printError(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(aJsonFile)));
        aResult = Failure;
    }
    if (jsonWanted()) {
        QJsonObject aJson = aBook;
        aJson.insert(QStringLiteral("buildMicroseconds"), aBuildMicroseconds);
        aJson.insert(QStringLiteral("renderMicroseconds"), aRenderMicroseconds);
        printJson(aJson);
        return aResult;
    }
    QString aText = QStringLiteral("%1 with %2: %3 photos on %4 pages (built in %5 ms, drawn in %6 ms)\n")
                        .arg(anArticle.orderTxtName(), aStyle.visibleName())
                        .arg(aPhotos.size())
                        .arg(aPages.size())
                        .arg(double(aBuildMicroseconds) / 1000.0, 0, 'f', 1)
                        .arg(double(aRenderMicroseconds) / 1000.0, 0, 'f', 0);
    for (const QJsonValue aValue : std::as_const(aJsonPages)) {
        const QJsonObject aPage = aValue.toObject();
        if (aPage.value(QStringLiteral("empty")).toBool()) {
            aText += QStringLiteral("page %1 (%2): empty\n")
                         .arg(aPage.value(QStringLiteral("page")).toInt())
                         .arg(aPage.value(QStringLiteral("pageType")).toString());
            continue;
        }
        int aPhotosOnPage = 0;
        for (const QJsonValue anArea : aPage.value(QStringLiteral("areas")).toArray())
            aPhotosOnPage += anArea.toObject().contains(QStringLiteral("photo")) ? 1 : 0;
        const QString aLayout = aPage.value(QStringLiteral("layout")).toString();
        const QString aBackground = aPage.value(QStringLiteral("background")).toString();
        aText += QStringLiteral("page %1 (%2): %3, layout %4, %5 photos%6\n")
                     .arg(aPage.value(QStringLiteral("page")).toInt())
                     .arg(aPage.value(QStringLiteral("pageType")).toString(),
                          aPage.value(QStringLiteral("template")).toString(),
                          aLayout.isEmpty() ? QStringLiteral("none") : aLayout)
                     .arg(aPhotosOnPage)
                     .arg(aBackground.isEmpty() ? QString() : QStringLiteral(", background %1").arg(aBackground));
    }
    aText += QStringLiteral("wrote %1 page pictures, %2 and %3 to %4\n")
                 .arg(aPages.size())
                 .arg(BOOK_SHEET, BOOK_JSON, QDir::toNativeSeparators(anOut));
    printText(aText);
    return aResult;
}
