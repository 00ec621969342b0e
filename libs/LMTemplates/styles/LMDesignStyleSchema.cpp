#include "LMDesignStyleSchema.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString STR_RESOURCE_PATH = QStringLiteral(":/style_v2.xsd");
} // namespace

QString LMDesignStyleSchema::resourcePath()
{
    return STR_RESOURCE_PATH;
}

QByteArray LMDesignStyleSchema::content()
{
    QFile aFile(STR_RESOURCE_PATH);
    return aFile.open(QIODevice::ReadOnly) ? aFile.readAll() : QByteArray();
}

bool LMDesignStyleSchema::writeTo(const QString& thePath)
{
    const QByteArray aContent = content();
    if (aContent.isEmpty())
        return false;
    QSaveFile aFile(thePath);
    // A write that fails only when commit() flushes (a full disk) shows in flush().
    return aFile.open(QIODevice::WriteOnly) && aFile.write(aContent) == aContent.size() && aFile.flush()
        && aFile.commit();
}
