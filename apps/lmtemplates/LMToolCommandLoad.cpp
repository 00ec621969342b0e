#include "LMToolCommandLoad.h"

#include "LMDirectoryConfig.h"

#include "LMJigType.h"
#include "LMTemplate.h"
#include "LMTemplateLayerType.h"
#include "LMTemplateRegistry.h"
#include "LMToolCommandList.h"
#include "LMToolMessageCapture.h"

#include <QDir>
#include <QJsonArray>
#include <QMap>

namespace {

QJsonObject toJson(const QMap<QString, int>& theCounts)
{
    QJsonObject anObject;
    for (auto anIt = theCounts.cbegin(); anIt != theCounts.cend(); ++anIt)
        anObject.insert(anIt.key(), anIt.value());
    return anObject;
}

QString toText(const QMap<QString, int>& theCounts)
{
    QString aText;
    for (auto anIt = theCounts.cbegin(); anIt != theCounts.cend(); ++anIt)
        aText += QStringLiteral("  %1 %2\n").arg(anIt.key(), -28).arg(anIt.value());
    return aText;
}

} // namespace

LMToolCommandLoad::LMToolCommandLoad()
    : LMToolCommand(QStringLiteral("load"),
                    QStringLiteral("Loads the templates of an article and reports what was "
                                   "loaded, the warnings and the loader's timings."))
{
}

void LMToolCommandLoad::addOptions(QCommandLineParser& theParser)
{
    Q_UNUSED(theParser);
    addContentOption();
    addArticleOption();
    addJsonOption();
}

int LMToolCommandLoad::execute()
{
    LMToolMessageCapture aCapture;
    const LMArticle anArticle = openAndLoadArticle(aCapture, true);
    if (anArticle.isNull())
        return Failure;

    QMap<QString, int> aByJig;
    QMap<QString, int> aByJigText; // the tool's word, with the file's word in parentheses
    QMap<QString, int> aByLayer;
    const LMUnconfiguredTemplateList aTemplates = LMTemplateRegistry::instance()->allTemplates();
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        const QString aFileWord = aTemplate.jigType().encodeCSV();
        const QString aWord = LMToolCommandList::jigWord(aTemplate.jigType());
        ++aByJig[aFileWord];
        ++aByJigText[aWord.isEmpty() || aWord == aFileWord ? aFileWord
                                                           : QStringLiteral("%1 (%2)").arg(aWord, aFileWord)];
        ++aByLayer[aTemplate->templateLayerType().encodeCSV()];
    }
    const LMToolMessageCapture::Timings aTimings = aCapture.timings();
    const QList<LMToolMessageCapture::Warning> aWarnings = aCapture.warnings();

    if (jsonWanted()) {
        QJsonArray aWarningList;
        for (const LMToolMessageCapture::Warning& aWarning : aWarnings)
            aWarningList.append(QJsonObject { { QStringLiteral("file"), displayPath(aWarning.file) },
                                              { QStringLiteral("category"), aWarning.category },
                                              { QStringLiteral("text"), aWarning.text } });
        // The same keys whether or not the loader timed anything (0 then).
        const QJsonObject aTimingObject { { QStringLiteral("parsedMs"), aTimings.parsedMs },
                                          { QStringLiteral("addedMs"), aTimings.addedMs },
                                          { QStringLiteral("markedMs"), aTimings.markedMs } };
        printJson(QJsonObject {
            { QStringLiteral("article"), anArticle.orderTxtName() },
            { QStringLiteral("content"), QDir::toNativeSeparators(LMDirectoryConfig::instance()->contentRoot()) },
            { QStringLiteral("templates"), qint64(aTemplates.size()) },
            { QStringLiteral("byJigType"), toJson(aByJig) },
            { QStringLiteral("byLayer"), toJson(aByLayer) },
            { QStringLiteral("filesParsed"), aTimings.files },
            { QStringLiteral("timings"), aTimingObject },
            { QStringLiteral("warnings"), aWarningList } });
        return Success;
    }

    QString aText
        = QStringLiteral("content: %1\n").arg(QDir::toNativeSeparators(LMDirectoryConfig::instance()->contentRoot()));
    aText += QStringLiteral("article: %1 (%2)\n").arg(anArticle.orderTxtName()).arg(anArticle.id());
    aText += QStringLiteral("templates: %1\n").arg(aTemplates.size());
    aText += QStringLiteral("by jig type:\n") + toText(aByJigText);
    aText += QStringLiteral("by layer:\n") + toText(aByLayer);
    aText += QStringLiteral("files parsed: %1\n").arg(aTimings.files);
    if (aTimings.found)
        aText += QStringLiteral("timings: parsed in %1 ms, added in %2 ms, marked in %3 ms\n")
                     .arg(aTimings.parsedMs)
                     .arg(aTimings.addedMs)
                     .arg(aTimings.markedMs);
    aText += QStringLiteral("warnings: %1\n").arg(aWarnings.size());
    for (const LMToolMessageCapture::Warning& aWarning : aWarnings)
        aText += QStringLiteral("  [%1] %2\n").arg(aWarning.category, aWarning.text);
    printText(aText);
    return Success;
}
