#pragma once

#include "LMUnconfiguredTemplateList.h"

#include <QDomElement>
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

// Absolute path of a fixture below tests/data.
QString dataPath(const QString& theRelativePath);

// Writes the text to a file below the directory, creating missing folders; returns its path.
QString writeFile(const QTemporaryDir& theDir, const QString& theRelativePath, const QByteArray& theContent);

// The first element below theElement (itself included) whose "id" is theId, depth first in
// document order; a null element when there is none.
QDomElement elementWithId(const QDomElement& theElement, const QString& theId);

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
