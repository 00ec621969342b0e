#include "LMKeyAccountId.h"

LMKeyAccountId LMKeyAccountId::fromString(const QString& theText)
{
    bool anOk = false;
    const qint32 anId = theText.trimmed().toInt(&anOk, 10);
    return anOk ? LMKeyAccountId(anId) : LMKeyAccountId();
}

QDebug operator<<(QDebug theDebug, const LMKeyAccountId& theId)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMKeyAccountId(" << theId.id() << ')';
    return theDebug;
}
