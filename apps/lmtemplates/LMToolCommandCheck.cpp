#include "LMToolCommandCheck.h"

#include "LMArticleList.h"
#include "LMDecorationRegistry.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateLoader.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateSourceFileList.h"
#include "LMToolMessageCapture.h"

#include <QJsonArray>
#include <QMap>

namespace {

const QString OPT_STRICT = QStringLiteral("strict");
// Files in a folder holding this file refine a design elsewhere; article loads leave them out.
const QString STR_REFINEMENT = QStringLiteral("refinement");

} // namespace

LMToolCommandCheck::LMToolCommandCheck()
    : LMToolCommand(QStringLiteral("check"),
                    QStringLiteral("Loads every article's templates and lists the warnings "
                                   "by file: the content author's lint."))
{
}

void LMToolCommandCheck::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addJsonOption();
    theParser.addOption(QCommandLineOption(OPT_STRICT, QStringLiteral("Exit with 1 when there is any warning.")));
}

int LMToolCommandCheck::execute()
{
    LMToolMessageCapture aCapture;
    if (!openContent(aCapture))
        return Failure;

    // One file at a time: the warnings that arrive meanwhile are that file's.
    const LMArticleList anArticles = LMProductCatalogue::instance()->articles();
    LMTemplateLoader aLoader(LMTemplateRegistry::instance());
    int aFileCount = 0;
    for (const LMArticle& anArticle : anArticles) {
        const LMTemplateSourceFileList aFiles = LMTemplateFileManager::instance()->filesToLoad(anArticle).masterSVGs();
        for (const LMTemplateSourceFile& aFile : aFiles) {
            if (QFileInfo::exists(aFile.dir().filePath(STR_REFINEMENT)))
                continue;
            aCapture.setCurrentFile(aFile.fullName());
            aLoader.loadTemplates(QStringList { aFile.fullName() });
            ++aFileCount;
        }
    }
    // The decoration files are read together; their warnings name the file.
    aCapture.setCurrentFile(LMDirectoryConfig::instance()->contentPath(QStringLiteral("decorations")));
    const qsizetype aDecorationCount = LMDecorationRegistry::instance()->decorations().size();
    aCapture.setCurrentFile(QString());

    QMap<QString, QStringList> aByFile;
    const QList<LMToolMessageCapture::Warning> aWarnings = aCapture.warnings();
    for (const LMToolMessageCapture::Warning& aWarning : aWarnings)
        aByFile[displayPath(aWarning.file)].append(aWarning.text);

    if (jsonWanted()) {
        QJsonArray aFileList;
        for (auto anIt = aByFile.cbegin(); anIt != aByFile.cend(); ++anIt)
            aFileList.append(QJsonObject { { QStringLiteral("file"), anIt.key() },
                                           { QStringLiteral("warnings"), QJsonArray::fromStringList(anIt.value()) } });
        printJson(
            QJsonObject { { QStringLiteral("articles"), qint64(anArticles.size()) },
                          { QStringLiteral("files"), aFileCount },
                          { QStringLiteral("templates"), qint64(LMTemplateRegistry::instance()->countTemplates()) },
                          { QStringLiteral("decorations"), qint64(aDecorationCount) },
                          { QStringLiteral("warnings"), qint64(aWarnings.size()) },
                          { QStringLiteral("byFile"), aFileList } });
    } else {
        QString aText;
        for (auto anIt = aByFile.cbegin(); anIt != aByFile.cend(); ++anIt) {
            aText += (anIt.key().isEmpty() ? QStringLiteral("(content tree)") : anIt.key()) + QStringLiteral(":\n");
            for (const QString& aLine : anIt.value())
                aText += QStringLiteral("  warning: %1\n").arg(aLine);
        }
        aText += QStringLiteral("%1 articles, %2 files, %3 templates, %4 decorations, %5 warnings in %6 files\n")
                     .arg(anArticles.size())
                     .arg(aFileCount)
                     .arg(LMTemplateRegistry::instance()->countTemplates())
                     .arg(aDecorationCount)
                     .arg(aWarnings.size())
                     .arg(aByFile.size());
        printText(aText);
    }
    return parser().isSet(OPT_STRICT) && !aWarnings.isEmpty() ? Failure : Success;
}
