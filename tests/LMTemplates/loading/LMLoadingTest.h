#pragma once

#include "LMArticle.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTestContentTree.h"
#include "LMTestSupport.h"

#include <QDateTime>
#include <QFile>
#include <QtTest>

// Helpers of the loading tests.
namespace LMLoadingTest {

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::useContentTree;
using LMTestSupport::words;

inline QByteArray fixture(const QString& theName)
{
    return LMTestSupport::fixture(QStringLiteral("loading/") + theName);
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

inline LMArticle article(const QString& theOrderName)
{
    return LMArticle::fromOrderTxtName(theOrderName);
}

inline QStringList sorted(QStringList theList)
{
    theList.sort();
    return theList;
}

} // namespace LMLoadingTest
