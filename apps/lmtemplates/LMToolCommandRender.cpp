#include "LMToolCommandRender.h"

#include "LMAbstractDecoration.h"
#include "LMDecorationRegistry.h"
#include "LMToolMessageCapture.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QSaveFile>

namespace {
const QString OPT_DECORATION = QStringLiteral("decoration");
const QString OPT_OUT = QStringLiteral("out");
const QString OPT_SIZE = QStringLiteral("size");
const QString OPT_MIRROR = QStringLiteral("mirror");
// The thumbnail sizes the tool accepts, in pixels.
constexpr int MINIMUM_SIZE = 1;
constexpr int MAXIMUM_SIZE = 4096;
} // namespace

LMToolCommandRender::LMToolCommandRender()
    : LMToolCommand(QStringLiteral("render"), QStringLiteral("Renders the thumbnail of a decoration to a PNG file."))
{
}

void LMToolCommandRender::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    theParser.addOption(QCommandLineOption(
        OPT_DECORATION, QStringLiteral("The decoration, by the name 'list --jig clipart,mask' shows."),
        QStringLiteral("name")));
    theParser.addOption(QCommandLineOption(OPT_OUT, QStringLiteral("The PNG file to write."), QStringLiteral("file")));
    theParser.addOption(
        QCommandLineOption(OPT_SIZE, QStringLiteral("The side of the square the thumbnail fits in (default: 256)."),
                           QStringLiteral("pixels"), QStringLiteral("256")));
    theParser.addOption(QCommandLineOption(OPT_MIRROR, QStringLiteral("Mirror rule: none, horizontal, vertical."),
                                           QStringLiteral("rule"), QStringLiteral("none")));
}

int LMToolCommandRender::execute()
{
    if (!parser().isSet(OPT_DECORATION))
        return usageError(QStringLiteral("--decoration is required"));
    if (!parser().isSet(OPT_OUT))
        return usageError(QStringLiteral("--out is required"));
    bool anOk = false;
    const int aSize = parser().value(OPT_SIZE).toInt(&anOk);
    if (!anOk || aSize < MINIMUM_SIZE || aSize > MAXIMUM_SIZE)
        return usageError(QStringLiteral("--size needs %1 to %2 pixels: %3")
                              .arg(MINIMUM_SIZE)
                              .arg(MAXIMUM_SIZE)
                              .arg(parser().value(OPT_SIZE)));
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
    const QImage anImage = aDecoration->thumbnail(QSize(aSize, aSize), aMirror, LMSpotColor());
    QByteArray aPng;
    QBuffer aBuffer(&aPng);
    aBuffer.open(QIODevice::WriteOnly);
    QSaveFile aFile(parser().value(OPT_OUT));
    if (anImage.isNull() || !anImage.save(&aBuffer, "PNG") || !aFile.open(QIODevice::WriteOnly)
        || aFile.write(aPng) != aPng.size() || !aFile.commit()) {
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
