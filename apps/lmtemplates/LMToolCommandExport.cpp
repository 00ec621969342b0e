#include "LMToolCommandExport.h"

#include "LMErrorHistory.h"
#include "LMXMLBuilder.h"

#include "LMTemplate.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateList.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateWriter.h"
#include "LMToolMessageCapture.h"

#include <QRegularExpression>

#include <cstdio>

namespace {

const QString OPT_OUT = QStringLiteral("out");
const QString OPT_PAGE_SIZE = QStringLiteral("page-size");

// The page of the first template that knows its page; a neutral page otherwise.
QSizeF defaultPageSize(const LMUnconfiguredTemplateList& theTemplates)
{
    for (const LMUnconfiguredTemplate& aTemplate : theTemplates)
        if (const QSizeF aPage = aTemplate->pageSize(); !aPage.isEmpty())
            return aPage;
    return QSizeF(1000, 1000);
}

} // namespace

LMToolCommandExport::LMToolCommandExport()
    : LMToolCommand(QStringLiteral("export"),
                    QStringLiteral("Writes the named layouts and SVG templates as a "
                                   "version-2 layout collection."))
{
}

void LMToolCommandExport::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addArticleOption();
    theParser.addOption(
        QCommandLineOption(OPT_OUT, QStringLiteral("The file to write (replaced atomically); - for standard output."),
                           QStringLiteral("file")));
    theParser.addOption(QCommandLineOption(
        OPT_PAGE_SIZE,
        QStringLiteral(
            "The page size the areas are written for, WIDTHxHEIGHT "
            "(default: the page of the first template: a layout's total size, an SVG page's document size)."),
        QStringLiteral("size")));
    theParser.addPositionalArgument(QStringLiteral("names"), QStringLiteral("Names of the templates to export."),
                                    QStringLiteral("name..."));
}

int LMToolCommandExport::execute()
{
    const QStringList aNames = parser().positionalArguments();
    if (aNames.isEmpty())
        return usageError(QStringLiteral("export needs at least one template name"));
    if (!parser().isSet(OPT_OUT) || parser().value(OPT_OUT).isEmpty())
        return usageError(QStringLiteral("export needs --out FILE"));
    QSizeF aPageSize;
    if (parser().isSet(OPT_PAGE_SIZE)) {
        static const QRegularExpression ourSize(QStringLiteral("^(\\d+(?:\\.\\d+)?)x(\\d+(?:\\.\\d+)?)$"));
        const QRegularExpressionMatch aMatch = ourSize.match(parser().value(OPT_PAGE_SIZE));
        aPageSize = aMatch.hasMatch() ? QSizeF(aMatch.captured(1).toDouble(), aMatch.captured(2).toDouble()) : QSizeF();
        // Pages are written in whole units of int: a side beyond a million is a typing slip.
        constexpr double LARGEST_SIDE = 1e6;
        if (aPageSize.isEmpty() || aPageSize.width() > LARGEST_SIDE || aPageSize.height() > LARGEST_SIDE)
            return usageError(QStringLiteral("--page-size needs WIDTHxHEIGHT with positive numbers up to 1000000: %1")
                                  .arg(parser().value(OPT_PAGE_SIZE)));
    }

    LMToolMessageCapture aCapture;
    const LMArticle anArticle = openAndLoadArticle(aCapture, false);
    if (anArticle.isNull())
        return Failure;

    noteWarnings(aCapture);
    LMUnconfiguredTemplateList aTemplates;
    for (const QString& aName : aNames) {
        const LMUnconfiguredTemplate aTemplate = resolveTemplate(aName, anArticle);
        if (aTemplate.isNull())
            return Failure;
        // The writer leaves other kinds out; a silent gap in the file would surprise.
        if (!aTemplate->hasLayout() && !aTemplate.isJigType(LMJigTypeEnum::SvgTemplate)) {
            printError(QStringLiteral("'%1' is a %2 template: only layouts and SVG templates can be exported")
                           .arg(aName, aTemplate.jigType().encodeCSV()));
            return Failure;
        }
        aTemplates.append(aTemplate);
    }
    if (aPageSize.isEmpty())
        aPageSize = defaultPageSize(aTemplates);

    const QDomDocument aDocument
        = LMTemplateWriter::buildXML2FromTemplates(aTemplates.toConfiguredList(LMTemplateConfiguration()), aPageSize);
    // "-" is standard output; a file is replaced atomically, or left as it was.
    const QString anOut = parser().value(OPT_OUT);
    if (anOut == QLatin1String("-")) {
        const QByteArray aText = LMXMLBuilder::toUTF8(aDocument);
        std::fwrite(aText.constData(), 1, size_t(aText.size()), stdout);
        std::fflush(stdout);
        return Success;
    }
    LMErrorHistory anErrors;
    if (!LMXMLBuilder::saveUTF8(aDocument, QFileInfo(anOut), &anErrors)) {
        printError(anErrors.messages().join(QLatin1Char('\n')));
        return Failure;
    }
    if (!isQuiet())
        printText(QStringLiteral("wrote %1 to %2").arg(counted(aTemplates.size(), "template"), anOut));
    return Success;
}
