#pragma once

#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTestSupport.h"

#include <QDateTime>
#include <QFile>
#include <QtTest>

// Helpers of the loading tests.
namespace LMLoadingTest {

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

// The words of theText, split at spaces: a list of names on one line.
inline QStringList words(const char* theText)
{
    return QString::fromUtf8(theText).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

inline QByteArray fixture(const QString& theName)
{
    QFile aFile(LMTestSupport::dataPath(QStringLiteral("loading/") + theName));
    return aFile.open(QIODevice::ReadOnly) ? aFile.readAll() : QByteArray();
}

// A content tree in theDir: "content" with the catalogue fixture, an empty "user" folder.
inline bool useContentTree(const QTemporaryDir& theDir, const QString& theCatalogue)
{
    const QByteArray aCatalogue = fixture(theCatalogue);
    LMTestSupport::writeFile(theDir, QStringLiteral("content/products/catalogue.json"), aCatalogue);
    LMDirectoryConfig::instance()->setContentRoot(theDir.filePath(QStringLiteral("content")));
    LMDirectoryConfig::instance()->setUserDataDir(theDir.filePath(QStringLiteral("user")));
    return !aCatalogue.isEmpty() && QDir().mkpath(theDir.filePath(QStringLiteral("user")))
        && LMProductCatalogue::instance()->reload();
}

// Sets the file's modification time theSeconds before the test began: files made as old as each
// other have the same time, however long the test took between them.
inline bool makeOlder(const QString& thePath, int theSeconds)
{
    static const qint64 ourStart = QDateTime::currentSecsSinceEpoch();
    QFile aFile(thePath);
    return aFile.open(QIODevice::ReadWrite)
        && aFile.setFileTime(QDateTime::fromSecsSinceEpoch(ourStart - theSeconds, Qt::UTC),
                             QFileDevice::FileModificationTime);
}

inline QStringList sorted(QStringList theList)
{
    theList.sort();
    return theList;
}

} // namespace LMLoadingTest
