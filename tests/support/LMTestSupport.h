#pragma once

#include "LMUnconfiguredTemplateList.h"

#include <QDomDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// Helpers shared by the test executables.
namespace LMTestSupport {

// One table row on one line: texts become QString, other cells stay as they are.
inline QString cell(const char* theText)
{
    return QString::fromUtf8(theText);
}
template <typename T> const T& cell(const T& theValue)
{
    return theValue;
}
template <typename... T> void row(const char* theName, const T&... theValues)
{
    (QTest::newRow(theName) << ... << cell(theValues));
}

// The columns of a data table, in one call: columns<int, QString>("count", "name").
template <typename... T, typename... Names> void columns(Names... theNames)
{
    (QTest::addColumn<T>(theNames), ...);
}

// The cell of the current row in that column, for a value used once.
template <typename T> T fetch(const char* theColumn)
{
    return *static_cast<T*>(QTest::qData(theColumn, qMetaTypeId<T>()));
}

// The words of theText, split at spaces: a list of names on one line.
inline QStringList words(const char* theText)
{
    return QString::fromUtf8(theText).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Absolute path of a fixture below tests/data, found the way QFINDTESTDATA finds test data; a
// missing fixture is warned about.
QString dataPath(const QString& theRelativePath);

// Writes the text to a file below the directory, creating missing folders; returns its path.
QString writeFile(const QTemporaryDir& theDir, const QString& theRelativePath, const QByteArray& theContent);

// The content of the fixture below tests/data; empty when it cannot be read.
QByteArray fixture(const QString& theRelativePath);

// The document element of theXml, parsed into theDocument (which keeps it alive); text that is no
// XML stops the test program.
QDomElement parseXml(QDomDocument& theDocument, const QString& theXml);

// Each of the warnings is expected once, in that order.
void expectWarnings(const QStringList& theWarnings);

// Copies the fixture folder below tests/data, with everything in it, to theTarget; false when a
// file could not be copied.
bool copyFixtureTree(const QString& theRelativePath, const QString& theTarget);

// What a run of a command-line program gave: exit code -1 when it did not finish normally.
struct ToolResult
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonObject json() const;
};

// Runs the program with the arguments, never on the user's own data: LM_USER_DATA_DIR is
// theUserDataDir, LM_CONTENT_DIR is theContentDir (unset when empty).
ToolResult runTool(const QString& theProgram, const QStringList& theArguments, const QString& theUserDataDir,
                   const QString& theContentDir = QString());

// "key=value" for each of the keys (split at spaces) in that order, joined by spaces: a key "a/b"
// reads b inside the object a; an array shows as "#" and its size, a missing key as "-".
QString jsonDump(const QJsonObject& theObject, const char* theKeys);

// The first element below theElement (itself included) whose "id" is theId, depth first in
// document order; a null element when there is none.
QDomElement elementWithId(const QDomElement& theElement, const QString& theId);

// Every value of the template that is not its default, as "key=value" in one line; "path" only
// when the file path is not theBasePath.
QString templateSummary(const LMTemplate& theTemplate, const QString& theBasePath = QString());

// The names of the templates, in list order.
QStringList templateNames(const LMUnconfiguredTemplateList& theTemplates);

// While it lives, no file of the process can grow beyond theBytes: writes beyond fail half-way
// (SIGXFSZ ignored), as on a full disk. isActive() is false when the limit could not be set.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(unsigned long theBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool isActive() const { return myActive; }

private:
    unsigned long myPreviousLimit = 0;
    void (*myPreviousHandler)(int) = nullptr;
    bool myActive = false;
};

} // namespace LMTestSupport
