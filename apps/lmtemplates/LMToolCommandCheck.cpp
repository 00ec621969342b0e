#include "LMToolCommandCheck.h"

#include "LMArticleList.h"
#include "LMDecorationRegistry.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateLoader.h"
#include "LMTemplateLoaderLoadingInfo.h"
#include "LMTemplateRegistry.h"
#include "LMTemplateSourceFileList.h"
#include "LMToolLint.h"
#include "LMToolMessageCapture.h"
#include "LMToolProgressBar.h"
#include "LMToolStyleCheck.h"

#include <QJsonArray>
#include <QSet>

#include <memory>

#include <unistd.h>

namespace {

const QString OPT_STRICT = QStringLiteral("strict");
// Files in a folder holding this file refine a design elsewhere; article loads leave them out.
const QString STR_REFINEMENT = QStringLiteral("refinement");

// Whether any product of the catalogue is offered the template. Backgrounds are offered by the
// product's class and page, not by a filter of their own: the registry keeps every one.
bool isOffered(const LMUnconfiguredTemplate& theTemplate, const LMArticleList& theArticles)
{
    if (theTemplate->templateLayerType() == LMTemplateLayerTypeEnum::Background)
        return true;
    const LMArticlesGroup& aGroup = theTemplate->articleGroup();
    return std::any_of(theArticles.cbegin(), theArticles.cend(),
                       [&](const LMArticle& theArticle) { return aGroup.contains(theArticle); });
}

} // namespace

LMToolCommandCheck::LMToolCommandCheck()
    : LMToolCommand(QStringLiteral("check"),
                    QStringLiteral("Loads every article's templates, the decorations and the design "
                                   "styles (validated against style_v2.xsd) and lints every file of the "
                                   "content tree: the content author's check."))
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
    LMTemplateFileManager* aManager = LMTemplateFileManager::instance();
    LMTemplateLoader aLoader(LMTemplateRegistry::instance());
    QList<LMToolDiagnostic> aDiagnostics;
    QSet<QString> aHandedOut;
    int aFileCount = 0;
    // A bar of the files read, on a terminal.
    std::unique_ptr<LMToolProgressBar> aBar;
    if (!isQuiet() && ::isatty(STDERR_FILENO))
        aBar = std::make_unique<LMToolProgressBar>(false);
    const int aTotal = int(aManager->allFiles().size());
    for (const LMArticle& anArticle : anArticles) {
        const LMTemplateSourceFileList aFiles = aManager->filesToLoad(anArticle).masterSVGs();
        for (const LMTemplateSourceFile& aFile : aFiles) {
            aHandedOut.insert(aFile.fullName());
            if (aBar)
                aBar->show(QStringLiteral("Checking"), int(aHandedOut.size()), aTotal);
            if (QFileInfo::exists(aFile.dir().filePath(STR_REFINEMENT)))
                continue;
            aCapture.setCurrentFile(aFile.fullName());
            const QList<LMTemplateLoaderLoadingInfo*> anInfos = aLoader.loadTemplatesParallely({ aFile });
            for (LMTemplateLoaderLoadingInfo* anInfo : anInfos) {
                // Before the registry drops the templates no product takes.
                const LMUnconfiguredTemplateList& aTemplates = anInfo->loadedTemplates();
                if (!aTemplates.isEmpty()
                    && std::none_of(
                        aTemplates.cbegin(), aTemplates.cend(),
                        [&](const LMUnconfiguredTemplate& theTemplate) { return isOffered(theTemplate, anArticles); }))
                    aDiagnostics.append({ aFile.fullName(), 0, 0, LMToolLint::notOfferedRule(),
                                          QStringLiteral("no product of the catalogue is offered its %1: "
                                                         "their filters take none of the catalogue's products")
                                              .arg(counted(aTemplates.size(), "template")) });
                aLoader.addTemplatesToRegistry(anInfo);
            }
            ++aFileCount;
        }
    }
    // The files no article was given: the white list assigns them to products the catalogue lacks.
    for (const LMTemplateSourceFile& aFile : aManager->unloadedFiles()) {
        if (!aHandedOut.contains(aFile.fullName()) && (!aFile.isSvgFile() || aFile.isMasterFile())
            && !QFileInfo::exists(aFile.dir().filePath(STR_REFINEMENT)))
            aDiagnostics.append({ aFile.fullName(), 0, 0, LMToolLint::notOfferedRule(),
                                  QStringLiteral("no product of the catalogue is offered this file: the white list "
                                                 "assigns it only to products the catalogue does not have") });
    }
    aBar.reset();
    // The decoration files are read together; their warnings name the file.
    aCapture.setCurrentFile(LMDirectoryConfig::instance()->contentPath(QStringLiteral("decorations")));
    const qsizetype aDecorationCount = LMDecorationRegistry::instance()->decorations().size();
    aCapture.setCurrentFile(QString());
    // The design styles one at a time: what the library says while reading one is the file's, and
    // the schema adds its own findings.
    const QStringList aStyles = LMToolStyleCheck::styleFiles();
    if (!aStyles.isEmpty()) {
        const LMToolStyleCheck aStyleCheck;
        aDiagnostics += aStyleCheck.unavailable();
        for (const QString& aStyle : aStyles) {
            aCapture.setCurrentFile(aStyle);
            LMToolStyleCheck::read(aStyle);
            aCapture.setCurrentFile(QString());
            aDiagnostics += aStyleCheck.validate(aStyle);
        }
    }

    for (const LMToolMessageCapture::Warning& aWarning : aCapture.warnings())
        aDiagnostics.append(LMToolDiagnostic::fromReaderWarning(aWarning.file, aWarning.text));
    LMToolLint aLint;
    aLint.run();
    aDiagnostics += aLint.diagnostics();
    sortDiagnostics(aDiagnostics);

    const qsizetype aTemplateCount = LMTemplateRegistry::instance()->countTemplates();
    QSet<QString> aFilesWithFindings;
    for (const LMToolDiagnostic& aDiagnostic : std::as_const(aDiagnostics))
        aFilesWithFindings.insert(aDiagnostic.file);
    if (jsonWanted()) {
        QJsonArray aList;
        for (const LMToolDiagnostic& aDiagnostic : std::as_const(aDiagnostics))
            aList.append(aDiagnostic.toJson(displayPath(aDiagnostic.file)));
        printJson(QJsonObject { { QStringLiteral("articles"), qint64(anArticles.size()) },
                                { QStringLiteral("files"), aFileCount },
                                { QStringLiteral("templates"), qint64(aTemplateCount) },
                                { QStringLiteral("decorations"), qint64(aDecorationCount) },
                                { QStringLiteral("styles"), qint64(aStyles.size()) },
                                { QStringLiteral("warnings"), qint64(aDiagnostics.size()) },
                                { QStringLiteral("diagnostics"), aList } });
    } else {
        QString aText;
        for (const LMToolDiagnostic& aDiagnostic : std::as_const(aDiagnostics))
            aText += aDiagnostic.toText(displayPath(aDiagnostic.file)) + QLatin1Char('\n');
        aText += QStringLiteral("%1, %2, %3, %4, %5, %6 in %7\n")
                     .arg(counted(anArticles.size(), "article"), counted(aFileCount, "file"),
                          counted(aTemplateCount, "template"), counted(aDecorationCount, "decoration"),
                          counted(aStyles.size(), "style"), counted(aDiagnostics.size(), "warning"),
                          counted(aFilesWithFindings.size(), "file"));
        printText(aText);
    }
    if (aTemplateCount == 0 && aDecorationCount == 0) {
        printError(QStringLiteral("nothing could be loaded: no file of %1 gave a template or a decoration")
                       .arg(QDir::toNativeSeparators(LMDirectoryConfig::instance()->contentRoot())));
        return Failure;
    }
    return parser().isSet(OPT_STRICT) && !aDiagnostics.isEmpty() ? Failure : Success;
}
