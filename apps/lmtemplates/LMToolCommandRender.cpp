#include "LMToolCommandRender.h"

#include "LMAbstractDecoration.h"
#include "LMDecorationRegistry.h"
#include "LMPageType.h"
#include "LMTemplateRegistry.h"
#include "LMToolMessageCapture.h"
#include "LMToolPictures.h"
#include "LMUnconfiguredTemplate.h"

#include <QDir>
#include <QImage>

namespace {
const QString OPT_DECORATION = QStringLiteral("decoration");
const QString OPT_OUT = QStringLiteral("out");
const QString OPT_SIZE = QStringLiteral("size");
const QString OPT_MIRROR = QStringLiteral("mirror");
const QString OPT_PAGE_TYPE = QStringLiteral("page-type");
const QString OPT_PHOTO = QStringLiteral("photo");
// The thumbnail sizes the tool accepts, in pixels.
constexpr int MINIMUM_SIZE = 1;
constexpr int MAXIMUM_SIZE = 4096;
} // namespace

LMToolCommandRender::LMToolCommandRender()
    : LMToolCommand(QStringLiteral("render"),
                    QStringLiteral("Renders the thumbnails of templates, or of a decoration, to PNG files."))
{
}

void LMToolCommandRender::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addArticleOption();
    theParser.addPositionalArgument(QStringLiteral("names"),
                                    QStringLiteral("Templates, by the names 'list' shows; one PNG file each in --out."),
                                    QStringLiteral("[NAME...]"));
    theParser.addOption(QCommandLineOption(
        OPT_DECORATION, QStringLiteral("A decoration instead, by the name 'list --jig clipart,mask' shows."),
        QStringLiteral("name")));
    theParser.addOption(QCommandLineOption(
        OPT_OUT, QStringLiteral("The folder of the templates' PNG files, or the PNG file of the decoration."),
        QStringLiteral("path")));
    theParser.addOption(
        QCommandLineOption(OPT_SIZE, QStringLiteral("The side of the square the thumbnail fits in (default: 256)."),
                           QStringLiteral("pixels"), QStringLiteral("256")));
    theParser.addOption(QCommandLineOption(
        OPT_PAGE_TYPE, QStringLiteral("The page type templates are drawn for (default: inner_page)."),
        QStringLiteral("type"), QStringLiteral("inner_page")));
    theParser.addOption(QCommandLineOption(
        OPT_PHOTO, QStringLiteral("A photo shown in the photo areas of templates (default: the empty-area marker)."),
        QStringLiteral("file")));
    theParser.addOption(QCommandLineOption(OPT_MIRROR,
                                           QStringLiteral("Mirror rule of a decoration: none, horizontal, vertical."),
                                           QStringLiteral("rule"), QStringLiteral("none")));
}

int LMToolCommandRender::execute()
{
    if (!parser().isSet(OPT_OUT))
        return usageError(QStringLiteral("--out is required"));
    bool anOk = false;
    const int aSize = parser().value(OPT_SIZE).toInt(&anOk);
    if (!anOk || aSize < MINIMUM_SIZE || aSize > MAXIMUM_SIZE)
        return usageError(QStringLiteral("--size needs %1 to %2 pixels: %3")
                              .arg(MINIMUM_SIZE)
                              .arg(MAXIMUM_SIZE)
                              .arg(parser().value(OPT_SIZE)));
    if (parser().isSet(OPT_DECORATION)) {
        if (!parser().positionalArguments().isEmpty())
            return usageError(QStringLiteral("templates and --decoration are rendered on their own"));
        return renderDecoration(aSize);
    }
    if (parser().positionalArguments().isEmpty())
        return usageError(QStringLiteral("name the templates to render, or --decoration"));
    return renderTemplates(aSize);
}

int LMToolCommandRender::renderTemplates(int theSize)
{
    const LMPageType aPageType(parser().value(OPT_PAGE_TYPE));
    if (!aPageType.isValid())
        return usageError(QStringLiteral("unknown page type: %1").arg(parser().value(OPT_PAGE_TYPE)));
    QString aPhotoPath;
    if (!LMToolPictures::resolvePhoto(parser().value(OPT_PHOTO), aPhotoPath))
        return Failure;
    const QDir anOut(parser().value(OPT_OUT));
    if (!anOut.exists() && !QDir().mkpath(anOut.path())) {
        printError(QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(anOut.path())));
        return Failure;
    }

    LMToolMessageCapture aCapture;
    const LMArticle anArticle = openAndLoadArticle(aCapture, false);
    if (anArticle.isNull())
        return Failure;
    noteWarnings(aCapture);
    QList<LMUnconfiguredTemplate> aTemplates;
    for (const QString& aName : parser().positionalArguments()) {
        const LMUnconfiguredTemplate aTemplate = resolveTemplate(aName, anArticle);
        if (aTemplate.isNull())
            return Failure;
        aTemplates.append(aTemplate);
    }
    const QList<QImage> anImages = LMToolPictures::thumbnails(aTemplates, anArticle, aPageType, theSize, aPhotoPath);
    int aResult = Success;
    for (qsizetype i = 0; i < aTemplates.size(); ++i) {
        const QString aFile
            = anOut.filePath(LMToolPictures::fileNameFor(aTemplates.at(i).name()) + QStringLiteral(".png"));
        if (!LMToolPictures::writePng(anImages.at(i), aFile)) {
            printError(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(aFile)));
            aResult = Failure;
            continue;
        }
        printText(QStringLiteral("%1: %2x%3 -> %4\n")
                      .arg(aTemplates.at(i).name())
                      .arg(anImages.at(i).width())
                      .arg(anImages.at(i).height())
                      .arg(QDir::toNativeSeparators(aFile)));
    }
    return aResult;
}

int LMToolCommandRender::renderDecoration(int theSize)
{
    const LMMirrorRule aMirror(parser().value(OPT_MIRROR));
    if (aMirror.encode() != parser().value(OPT_MIRROR).trimmed().toLower())
        return usageError(QStringLiteral("unknown mirror rule: %1").arg(parser().value(OPT_MIRROR)));

    LMToolMessageCapture aCapture;
    if (!openContent(aCapture))
        return Failure;
    const QString aName = parser().value(OPT_DECORATION);
    LMAbstractDecoration* aDecoration = LMDecorationRegistry::instance()->decorations().find(aName);
    if (aDecoration == nullptr) {
        printError(
            QStringLiteral("unknown decoration: %1 ('lmtemplates list --jig clipart,mask' names them)").arg(aName));
        return Failure;
    }
    const QImage anImage = aDecoration->thumbnail(QSize(theSize, theSize), aMirror, LMSpotColor());
    if (!LMToolPictures::writePng(anImage, parser().value(OPT_OUT))) {
        printError(QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(parser().value(OPT_OUT))));
        return Failure;
    }
    printText(QStringLiteral("%1: %2x%3 -> %4\n")
                  .arg(aName)
                  .arg(anImage.width())
                  .arg(anImage.height())
                  .arg(QDir::toNativeSeparators(parser().value(OPT_OUT))));
    return Success;
}
