#include "LMToolCommand.h"

#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateRegistry.h"
#include "LMToolMessageCapture.h"
#include "LMToolProgressBar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cstdio>

#include <unistd.h>

LMToolCommand::LMToolCommand(const QString& theName, const QString& theDescription)
    : myName(theName), myDescription(theDescription),
      myContentOption(QStringLiteral("content"),
                      QStringLiteral("The content tree to read (default: $LM_CONTENT_DIR, else the bundled "
                                     "sample content)."),
                      QStringLiteral("dir")),
      myArticleOption(QStringLiteral("article"),
                      QStringLiteral("The article (order name) whose templates to load (default: the "
                                     "catalogue's first product)."),
                      QStringLiteral("name")),
      myJsonOption(QStringLiteral("json"), QStringLiteral("Print JSON instead of text.")),
      myQuietOption(QStringList { QStringLiteral("q"), QStringLiteral("quiet") },
                    QStringLiteral("No notes and no progress on stderr; errors only."))
{
}

LMToolCommand::~LMToolCommand() = default;

namespace {
bool ourQuiet = false;
}

bool LMToolCommand::isQuiet()
{
    return ourQuiet;
}

void LMToolCommand::printError(const QString& theText)
{
    std::fputs((QStringLiteral("lmtemplates: ") + theText + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

int LMToolCommand::run(const QStringList& theArguments)
{
    myParser.setApplicationDescription(myDescription);
    const QCommandLineOption aHelp = myParser.addHelpOption();
    myParser.addOption(myQuietOption);
    addOptions(myParser);
    if (!myParser.parse(theArguments))
        return usageError(myParser.errorText());
    ourQuiet = myParser.isSet(myQuietOption);
    if (myParser.isSet(aHelp)) {
        // The usage line names the command after the program.
        QString aText = myParser.helpText();
        static const QRegularExpression ourUsage(QStringLiteral("^Usage: \\S+"));
        aText.replace(ourUsage, QStringLiteral("Usage: lmtemplates ") + myName);
        printText(aText);
        return Success;
    }
    return execute();
}

void LMToolCommand::addContentOption()
{
    myParser.addOption(myContentOption);
}

void LMToolCommand::addArticleOption()
{
    myParser.addOption(myArticleOption);
}

void LMToolCommand::addJsonOption()
{
    myTakesJson = true;
    myParser.addOption(myJsonOption);
}

bool LMToolCommand::jsonWanted() const
{
    return myTakesJson && myParser.isSet(myJsonOption);
}

bool LMToolCommand::openContent(LMToolMessageCapture& theCapture)
{
    // Without --content the library's own default: LM_CONTENT_DIR, else the sample content.
    const QString aRoot = myParser.isSet(myContentOption) ? myParser.value(myContentOption)
                                                          : LMDirectoryConfig::instance()->contentRoot();
    const QFileInfo aFolder(aRoot);
    if (!aFolder.isDir()) {
        printError(QStringLiteral("content folder not found: %1").arg(QDir::toNativeSeparators(aRoot)));
        return false;
    }
    LMDirectoryConfig::instance()->setContentRoot(aFolder.absoluteFilePath());
    theCapture.setCurrentFile(LMDirectoryConfig::instance()->contentPath(LMProductCatalogue::relativeFilePath()));
    LMProductCatalogue::instance()->reload();
    theCapture.setCurrentFile(QString());
    // Without products nothing can be loaded: say where the catalogue is expected.
    if (LMProductCatalogue::instance()->articles().isEmpty()) {
        const QString aPath = LMDirectoryConfig::instance()->contentPath(LMProductCatalogue::relativeFilePath());
        for (const LMToolMessageCapture::Warning& aWarning : theCapture.warnings())
            printError(QStringLiteral("%1: warning: %2").arg(displayPath(aWarning.file), aWarning.text));
        if (QFileInfo::exists(aPath))
            printError(
                QStringLiteral("the product catalogue %1 holds no product; see docs/content-tree.md for its form")
                    .arg(QDir::toNativeSeparators(aPath)));
        else
            printError(
                QStringLiteral("no product catalogue: expected %1 below %2")
                    .arg(LMProductCatalogue::relativeFilePath(), QDir::toNativeSeparators(aFolder.absoluteFilePath())));
        return false;
    }
    LMTemplateFileManager::instance()->reInit();
    return true;
}

LMArticle LMToolCommand::resolveArticle() const
{
    if (myParser.isSet(myArticleOption)) {
        const QString aName = myParser.value(myArticleOption);
        const LMArticle anArticle = LMProductCatalogue::instance()->findByOrderTxtName(aName);
        if (!anArticle.isValid())
            printError(QStringLiteral("unknown article: %1 (not in %2)")
                           .arg(aName, displayPath(LMProductCatalogue::instance()->filePath())));
        return anArticle.isValid() ? anArticle : LMArticle();
    }
    const LMArticle aFirst = LMArticle::createFirstValidArticle();
    if (aFirst.isNull())
        printError(QStringLiteral("the content has no product catalogue with a product: %1")
                       .arg(QDir::toNativeSeparators(
                           LMDirectoryConfig::instance()->contentPath(LMProductCatalogue::relativeFilePath()))));
    return aFirst;
}

LMArticle LMToolCommand::openAndLoadArticle(LMToolMessageCapture& theCapture, bool theProgress)
{
    if (!openContent(theCapture))
        return LMArticle();
    const LMArticle anArticle = resolveArticle();
    if (!anArticle.isNull())
        loadArticle(anArticle, theProgress);
    return anArticle;
}

void LMToolCommand::loadArticle(const LMArticle& theArticle, bool theProgress) const
{
    LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();
    if (theProgress && !ourQuiet && ::isatty(STDERR_FILENO)) {
        const LMToolProgressBar aBar;
        aRegistry->loadTemplatesWithProgress(theArticle);
    } else {
        aRegistry->loadTemplates(theArticle);
    }
}

LMUnconfiguredTemplate LMToolCommand::resolveTemplate(const QString& theName, const LMArticle& theArticle)
{
    LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();
    const LMUnconfiguredTemplateList aTemplates = aRegistry->allTemplates();
    QStringList aCandidates;
    LMUnconfiguredTemplate aFound;
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        if (aTemplate.name() == theName || aTemplate.uniqueName() == theName)
            return aTemplate;
        if (!aTemplate.name().startsWith(theName, Qt::CaseInsensitive))
            continue;
        if (aFound.isNull())
            aFound = aTemplate;
        aCandidates.append(aTemplate.name());
    }
    aCandidates.removeDuplicates();
    aCandidates.sort();
    if (aCandidates.size() == 1)
        return aFound;
    if (aCandidates.size() > 1) {
        constexpr qsizetype SHOWN = 10;
        QString aList = QStringList(aCandidates.mid(0, SHOWN)).join(QStringLiteral("', '")) + QLatin1Char('\'');
        if (aCandidates.size() > SHOWN)
            aList += QStringLiteral(" and %1 more").arg(aCandidates.size() - SHOWN);
        printError(QStringLiteral("ambiguous: '%1' begins %2: '%3")
                       .arg(theName, counted(aCandidates.size(), "template name"), aList));
        return LMUnconfiguredTemplate();
    }
    // The registry's own search knows the other spellings of a name (production codes, previews).
    const LMUnconfiguredTemplate aSearched = aRegistry->findTemplateByName(theName);
    if (aSearched.isNull())
        printError(QStringLiteral("no template named '%1' for %2").arg(theName, theArticle.orderTxtName()));
    return aSearched;
}

void LMToolCommand::noteWarnings(const LMToolMessageCapture& theCapture)
{
    const qsizetype aCount = theCapture.warnings().size();
    if (aCount > 0 && !ourQuiet)
        printError(QStringLiteral("%1 warnings while loading; 'lmtemplates check' lists them by file").arg(aCount));
}

QString LMToolCommand::displayPath(const QString& thePath)
{
    if (thePath.isEmpty())
        return thePath;
    const QString aRoot = LMDirectoryConfig::instance()->contentRoot();
    const QString aRelative = QDir(aRoot).relativeFilePath(thePath);
    if (!QFileInfo(thePath).isAbsolute() || aRelative.startsWith(QLatin1String("..")))
        return QDir::toNativeSeparators(thePath);
    return QDir::toNativeSeparators(aRelative);
}

void LMToolCommand::printText(const QString& theText)
{
    std::fputs(theText.toUtf8().constData(), stdout);
    if (!theText.endsWith(QLatin1Char('\n')))
        std::fputc('\n', stdout);
    std::fflush(stdout);
}

void LMToolCommand::printJson(const QJsonObject& theObject)
{
    QJsonObject anObject = theObject;
    anObject.insert(QStringLiteral("version"), QCoreApplication::applicationVersion());
    printText(QString::fromUtf8(QJsonDocument(anObject).toJson(QJsonDocument::Indented)));
}

QString LMToolCommand::counted(qint64 theCount, const char* theWord)
{
    return QStringLiteral("%1 %2%3").arg(theCount).arg(QLatin1String(theWord),
                                                       theCount == 1 ? QString() : QStringLiteral("s"));
}

int LMToolCommand::usageError(const QString& theText) const
{
    printError(theText);
    printError(QStringLiteral("try 'lmtemplates %1 --help'").arg(myName));
    return UsageError;
}
