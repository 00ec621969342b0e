#pragma once

#include "LMArticle.h"
#include "LMUnconfiguredTemplate.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>

class LMToolMessageCapture;
class QJsonDocument;

// One command of the tool: its options, the content tree and article it works on, and the
// Unix conventions every command shares (errors on stderr, exit 1 for errors, 2 for usage).
class LMToolCommand
{
public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

    LMToolCommand(const QString& theName, const QString& theDescription);
    virtual ~LMToolCommand();
    LMToolCommand(const LMToolCommand&) = delete;
    LMToolCommand& operator=(const LMToolCommand&) = delete;

    const QString& name() const { return myName; }
    const QString& description() const { return myDescription; }

    // Parses the arguments (the first is "lmtemplates <command>"), handles --help and runs.
    int run(const QStringList& theArguments);

    // Prints "lmtemplates: <text>" on stderr.
    static void printError(const QString& theText);

protected:
    // Adds the command's own options and positional arguments.
    virtual void addOptions(QCommandLineParser& theParser) = 0;
    // The work, after the arguments were parsed and checked.
    virtual int execute() = 0;

    // Options shared by several commands; a command adds those it takes.
    void addContentOption();
    void addArticleOption();
    void addJsonOption();

    const QCommandLineParser& parser() const { return myParser; }
    bool jsonWanted() const;

    // Points the library at the content tree (--content, else the sample content) and reads its
    // product catalogue (its warnings go to theCapture under the catalogue's file); prints an error
    // and returns false when the folder does not exist.
    bool openContent(LMToolMessageCapture& theCapture);
    // The article named by --article, else the catalogue's first product; prints an error and
    // returns a null article when it is unknown or the catalogue has none.
    LMArticle resolveArticle() const;
    // Loads the article's templates into the registry; with theProgress a bar on a terminal.
    void loadArticle(const LMArticle& theArticle, bool theProgress) const;
    // The three above in turn, as every command that reads content begins: the loaded article, or
    // a null article (after the error message) when the content or the article is not found.
    LMArticle openAndLoadArticle(LMToolMessageCapture& theCapture, bool theProgress);

    // The loaded template of that exact name or unique name, else the one whose name begins with
    // theName (letter case aside); prints an error and returns the null template when none or
    // several do ("ambiguous: ..." with the candidates).
    static LMUnconfiguredTemplate resolveTemplate(const QString& theName, const LMArticle& theArticle);

    // Notes on stderr how many warnings loading raised (the command's output does not list them);
    // nothing under --quiet.
    static void noteWarnings(const LMToolMessageCapture& theCapture);

    // A path relative to the content root when it lies inside it.
    static QString displayPath(const QString& thePath);

    // Under --quiet every command leaves out its notes and progress on stderr (errors stay).
    static bool isQuiet();

    static void printText(const QString& theText);
    // Prints the object with the tool's "version" added.
    static void printJson(const QJsonObject& theObject);
    // "1 file", "2 files": theWord is the singular, made plural by an "s".
    static QString counted(qint64 theCount, const char* theWord);
    // Prints a usage error with the hint to --help and returns UsageError.
    int usageError(const QString& theText) const;

private:
    QString myName;
    QString myDescription;
    QCommandLineParser myParser;
    QCommandLineOption myContentOption;
    QCommandLineOption myArticleOption;
    QCommandLineOption myJsonOption;
    QCommandLineOption myQuietOption;
    bool myTakesJson = false;
};
