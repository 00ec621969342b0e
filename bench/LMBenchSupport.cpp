#include "LMBenchSupport.h"

#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>

QByteArray LMBenchSupport::readFile(const QString& thePath)
{
    QFile aFile(thePath);
    return aFile.open(QIODevice::ReadOnly) ? aFile.readAll() : QByteArray();
}

qint64 LMBenchSupport::bareParse(const QStringList& thePaths, qint64& theElements)
{
    QElapsedTimer aTimer;
    aTimer.start();
    for (const QString& aPath : thePaths) {
        QDomDocument aDocument;
        if (aDocument.setContent(readFile(aPath)))
            theElements += aDocument.documentElement().childNodes().size();
    }
    return aTimer.nsecsElapsed();
}
