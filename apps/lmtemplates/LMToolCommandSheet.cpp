#include "LMToolCommandSheet.h"

#include "LMCategorization.h"
#include "LMContentFilterParameter.h"
#include "LMPageType.h"
#include "LMTemplateContext.h"
#include "LMTemplateFilterAbstract.h"
#include "LMTemplateRegistry.h"
#include "LMToolCommandList.h"
#include "LMToolMessageCapture.h"
#include "LMToolPictures.h"
#include "LMUnconfiguredTemplateList.h"

#include <QDir>
#include <QFontMetrics>
#include <QPainter>

namespace {
const QString OPT_JIG = QStringLiteral("jig");
const QString OPT_OUT = QStringLiteral("out");
const QString OPT_SIZE = QStringLiteral("size");
const QString OPT_COLUMNS = QStringLiteral("columns");
const QString OPT_PAGE_TYPE = QStringLiteral("page-type");
const QString OPT_PHOTO = QStringLiteral("photo");
constexpr int MINIMUM_SIZE = 16;
constexpr int MAXIMUM_SIZE = 1024;
constexpr int MAXIMUM_COLUMNS = 64;
// Room around each thumbnail, in pixels.
constexpr int GAP = 12;

// Reads a whole number option within the bounds; false when it is none.
bool boundedOption(const QString& theText, int theMinimum, int theMaximum, int* theValue)
{
    bool anOk = false;
    *theValue = theText.toInt(&anOk);
    return anOk && *theValue >= theMinimum && *theValue <= theMaximum;
}
} // namespace

LMToolCommandSheet::LMToolCommandSheet()
    : LMToolCommand(
        QStringLiteral("sheet"),
        QStringLiteral("Draws a contact sheet of every template of a kind, with their names, as a PNG file."))
{
}

void LMToolCommandSheet::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addArticleOption();
    theParser.addOption(QCommandLineOption(OPT_JIG,
                                           QStringLiteral("The kind of templates: %1 (default: layout).")
                                               .arg(LMToolCommandList::jigWords().join(QLatin1String(", "))),
                                           QStringLiteral("type"), QStringLiteral("layout")));
    theParser.addOption(QCommandLineOption(OPT_OUT, QStringLiteral("The PNG file to write."), QStringLiteral("file")));
    theParser.addOption(
        QCommandLineOption(OPT_SIZE, QStringLiteral("The side of the square each thumbnail fits in (default: 160)."),
                           QStringLiteral("pixels"), QStringLiteral("160")));
    theParser.addOption(QCommandLineOption(OPT_COLUMNS, QStringLiteral("Thumbnails per row (default: 6)."),
                                           QStringLiteral("count"), QStringLiteral("6")));
    theParser.addOption(QCommandLineOption(OPT_PAGE_TYPE,
                                           QStringLiteral("The page type of the context (default: inner_page)."),
                                           QStringLiteral("type"), QStringLiteral("inner_page")));
    theParser.addOption(QCommandLineOption(
        OPT_PHOTO, QStringLiteral("A photo shown in the photo areas (default: the empty-area marker)."),
        QStringLiteral("file")));
}

int LMToolCommandSheet::execute()
{
    if (!parser().isSet(OPT_OUT))
        return usageError(QStringLiteral("--out is required"));
    const QString aKind = parser().value(OPT_JIG).trimmed();
    if (!LMToolCommandList::jigWords().contains(aKind))
        return usageError(QStringLiteral("unknown jig type: %1 (one of %2)")
                              .arg(aKind, LMToolCommandList::jigWords().join(QLatin1String(", "))));
    int aSize = 0;
    if (!boundedOption(parser().value(OPT_SIZE), MINIMUM_SIZE, MAXIMUM_SIZE, &aSize))
        return usageError(QStringLiteral("--size needs %1 to %2 pixels: %3")
                              .arg(MINIMUM_SIZE)
                              .arg(MAXIMUM_SIZE)
                              .arg(parser().value(OPT_SIZE)));
    int aColumns = 0;
    if (!boundedOption(parser().value(OPT_COLUMNS), 1, MAXIMUM_COLUMNS, &aColumns))
        return usageError(
            QStringLiteral("--columns needs 1 to %1: %2").arg(MAXIMUM_COLUMNS).arg(parser().value(OPT_COLUMNS)));
    const LMPageType aPageType(parser().value(OPT_PAGE_TYPE));
    if (!aPageType.isValid())
        return usageError(QStringLiteral("unknown page type: %1").arg(parser().value(OPT_PAGE_TYPE)));
    QString aPhotoPath;
    if (!LMToolPictures::resolvePhoto(parser().value(OPT_PHOTO), aPhotoPath))
        return Failure;

    LMToolMessageCapture aCapture;
    const LMArticle anArticle = openAndLoadArticle(aCapture, false);
    if (anArticle.isNull())
        return Failure;
    noteWarnings(aCapture);
    const LMContentFilterParameter aParameter(LMTemplateContext(anArticle, aPageType), LMCategorization());
    const std::unique_ptr<LMTemplateFilterAbstract> aFilter = LMToolCommandList::filterForKind(aKind, aParameter);
    const LMUnconfiguredTemplateList aTemplates = LMTemplateRegistry::instance()->getTemplates(*aFilter).sortedByName();
    if (aTemplates.isEmpty()) {
        printError(QStringLiteral("%1 offers no %2 templates").arg(anArticle.orderTxtName(), aKind));
        return Failure;
    }
    const QList<QImage> anImages = LMToolPictures::thumbnails(aTemplates, anArticle, aPageType, aSize, aPhotoPath);

    // One cell per template: the thumbnail centred in a square, the name under it.
    QFont aFont;
    aFont.setPixelSize(std::max(9, aSize / 12));
    const QFontMetrics aMetrics(aFont);
    const int aCellWidth = aSize + GAP;
    const int aCellHeight = aSize + GAP + aMetrics.height() + GAP / 2;
    const int aRows = int((aTemplates.size() + aColumns - 1) / aColumns);
    const int aUsedColumns = int(std::min<qsizetype>(aColumns, aTemplates.size()));
    QImage aSheet(aUsedColumns * aCellWidth + GAP, aRows * aCellHeight + GAP, QImage::Format_RGB32);
    aSheet.fill(QColor(245, 245, 245));
    {
        QPainter aPainter(&aSheet);
        aPainter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        aPainter.setFont(aFont);
        for (qsizetype i = 0; i < aTemplates.size(); ++i) {
            const QPoint aCell(GAP + int(i % aColumns) * aCellWidth, GAP + int(i / aColumns) * aCellHeight);
            const QImage& anImage = anImages.at(i);
            const QRect aPicture(aCell + QPoint((aSize - anImage.width()) / 2, (aSize - anImage.height()) / 2),
                                 anImage.size());
            aPainter.drawImage(aPicture.topLeft(), anImage);
            aPainter.setPen(QColor(190, 190, 190));
            aPainter.drawRect(aPicture.adjusted(0, 0, -1, -1));
            aPainter.setPen(QColor(40, 40, 40));
            const QRect aLabel(aCell.x(), aCell.y() + aSize + GAP / 2, aSize, aMetrics.height());
            aPainter.drawText(aLabel, Qt::AlignHCenter | Qt::AlignTop,
                              aMetrics.elidedText(aTemplates.at(i).name(), Qt::ElideMiddle, aSize));
        }
    }
    const QString anOut = parser().value(OPT_OUT);
    if (!LMToolPictures::writePng(aSheet, anOut)) {
        printError(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(anOut)));
        return Failure;
    }
    printText(QStringLiteral("%1 %2 templates of %3: %4x%5 -> %6\n")
                  .arg(aTemplates.size())
                  .arg(aKind, anArticle.orderTxtName())
                  .arg(aSheet.width())
                  .arg(aSheet.height())
                  .arg(QDir::toNativeSeparators(anOut)));
    return Success;
}
