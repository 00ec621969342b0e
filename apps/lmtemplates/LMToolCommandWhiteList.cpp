#include "LMToolCommandWhiteList.h"

#include "LMTemplateFileManager.h"
#include "LMTemplateWhiteListGenerator.h"
#include "LMToolMessageCapture.h"
#include "LMXMLBuilder.h"

#include <QDomDocument>
#include <QMap>

namespace {

const QString OPT_OUT = QStringLiteral("out");
const QString OPT_DIFF = QStringLiteral("diff");

// A group as a person reads it: its products, then its other rules as name=value.
QString groupLabel(const LMArticlesGroup& theGroup)
{
    QDomDocument aDocument;
    QDomElement aProducts = aDocument.createElement(QStringLiteral("products"));
    theGroup.toTemplates2Format(aProducts);
    QStringList aParts;
    for (QDomElement aRule = aProducts.firstChildElement(); !aRule.isNull(); aRule = aRule.nextSiblingElement())
        aParts.append(aRule.tagName() == QLatin1String("product") ? aRule.text()
                                                                  : aRule.tagName() + QLatin1Char('=') + aRule.text());
    return aParts.isEmpty() ? QStringLiteral("(every product)") : aParts.join(QStringLiteral(", "));
}

// The groups by their labels, which orders them the same way on every run.
QMap<QString, QStringList> byLabel(const LMTemplateWhiteList& theList)
{
    QMap<QString, QStringList> aGroups;
    for (auto anIt = theList.groups().cbegin(); anIt != theList.groups().cend(); ++anIt)
        aGroups[groupLabel(anIt.key())].append(anIt.value());
    return aGroups;
}

// Lines in the manner of a unified diff: a group's label, then its patterns that only one side
// has, "-" for the installed list and "+" for the generated one. Empty when both name the same.
QString differences(const LMTemplateWhiteList& theInstalled, const LMTemplateWhiteList& theGenerated)
{
    const QMap<QString, QStringList> anInstalled = byLabel(theInstalled);
    const QMap<QString, QStringList> aGenerated = byLabel(theGenerated);
    QStringList aLabels = anInstalled.keys() + aGenerated.keys();
    aLabels.sort();
    aLabels.removeDuplicates();
    QString aText;
    for (const QString& aLabel : std::as_const(aLabels)) {
        const QStringList anOld = anInstalled.value(aLabel);
        const QStringList aNew = aGenerated.value(aLabel);
        QString aLines;
        for (const QString& aPattern : anOld)
            if (!aNew.contains(aPattern))
                aLines += QStringLiteral("-  %1\n").arg(aPattern);
        for (const QString& aPattern : aNew)
            if (!anOld.contains(aPattern))
                aLines += QStringLiteral("+  %1\n").arg(aPattern);
        if (aLines.isEmpty())
            continue;
        const QChar aMark = anOld.isEmpty() ? QLatin1Char('+') : aNew.isEmpty() ? QLatin1Char('-') : QLatin1Char(' ');
        aText += QStringLiteral("%1group %2\n").arg(aMark, aLabel) + aLines;
    }
    return aText;
}

qsizetype patternCount(const LMTemplateWhiteList& theList)
{
    qsizetype aCount = 0;
    for (const QStringList& aPatterns : theList.groups())
        aCount += aPatterns.size();
    return aCount;
}

} // namespace

LMToolCommandWhiteList::LMToolCommandWhiteList()
    : LMToolCommand(QStringLiteral("whitelist"),
                    QStringLiteral("Generates the white list of the content tree from the filters of its files."))
{
}

void LMToolCommandWhiteList::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    theParser.addOption(QCommandLineOption(
        OPT_OUT, QStringLiteral("The file to write (replaced atomically); without it the list goes to stdout."),
        QStringLiteral("file")));
    theParser.addOption(
        QCommandLineOption(OPT_DIFF,
                           QStringLiteral("Lists what would change against the content's white_list.conf; exits with 1 "
                                          "when something would, as diff does.")));
}

int LMToolCommandWhiteList::execute()
{
    if (parser().isSet(OPT_DIFF) && parser().isSet(OPT_OUT))
        return usageError(QStringLiteral("--diff writes nothing: it cannot go with --out"));
    if (parser().isSet(OPT_OUT) && parser().value(OPT_OUT).isEmpty())
        return usageError(QStringLiteral("--out needs a file name"));

    LMToolMessageCapture aCapture;
    if (!openContent(aCapture))
        return Failure;
    // The content tree's own files: downloads of this machine's user are no part of it.
    const LMTemplateSourceFileList aFiles = LMTemplateFileManager::instance()->allFiles().preInstalled();
    LMTemplateWhiteList aGenerated
        = LMTemplateWhiteListGenerator::summarizeResults(LMTemplateWhiteListGenerator().parseFilesParallely(aFiles));
    aGenerated.removeUndesirables();

    LMTemplateWhiteList anInstalled;
    const QFileInfo anInstalledFile = LMTemplateWhiteList::whiteListFile(false);
    if (parser().isSet(OPT_DIFF) && anInstalledFile.exists())
        anInstalled.load(anInstalledFile);
    // The files are read in parallel: sorted, the warnings come in the same order on every run.
    QStringList aWarnings;
    for (const LMToolMessageCapture::Warning& aWarning : aCapture.warnings())
        aWarnings.append(aWarning.text);
    aWarnings.sort();
    for (const QString& aWarning : std::as_const(aWarnings))
        printError(QStringLiteral("warning: %1").arg(aWarning));

    if (parser().isSet(OPT_DIFF)) {
        const QString aDifferences = differences(anInstalled, aGenerated);
        if (aDifferences.isEmpty()) {
            printText(QStringLiteral("%1 is up to date (%2 files read)")
                          .arg(displayPath(anInstalledFile.filePath()))
                          .arg(aFiles.size()));
            return Success;
        }
        printText(QStringLiteral("--- %1\n+++ generated from %2 files\n%3")
                      .arg(displayPath(anInstalledFile.filePath()))
                      .arg(aFiles.size())
                      .arg(aDifferences));
        return Failure;
    }
    if (!parser().isSet(OPT_OUT)) {
        std::fputs(LMXMLBuilder::toUTF8(aGenerated.toDocument()).constData(), stdout);
        return Success;
    }
    const QFileInfo anOut(parser().value(OPT_OUT));
    if (!aGenerated.save(anOut)) {
        printError(QStringLiteral("cannot write %1").arg(anOut.filePath()));
        return Failure;
    }
    printText(QStringLiteral("wrote %1 groups, %2 patterns from %3 files to %4")
                  .arg(aGenerated.groups().size())
                  .arg(patternCount(aGenerated))
                  .arg(aFiles.size())
                  .arg(anOut.filePath()));
    return Success;
}
