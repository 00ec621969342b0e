#include "LMJigKey.h"

#include <QDebug>

LMJigKey::LMJigKey(const QString& theName, const QString& theSource, const LMJigType& theType,
                   const LMDesignElementID& theId)
    : myName(theName), mySource(theSource), myJigType(theType), myId(theId)
{
    myHash = qHashMulti(0, myName, mySource, myJigType.value(), myId.id());
}

bool LMJigKey::isNull() const
{
    return myName.isEmpty() && mySource.isEmpty() && !myJigType.isValid() && !myId.isValid();
}

bool operator==(const LMJigKey& theA, const LMJigKey& theB)
{
    return theA.myHash == theB.myHash && theA.myId == theB.myId && theA.myJigType == theB.myJigType
        && theA.myName == theB.myName && theA.mySource == theB.mySource;
}

QDebug operator<<(QDebug theDebug, const LMJigKey& theKey)
{
    QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMJigKey(" << theKey.name() << ", " << theKey.source() << ", " << theKey.jigType().value()
                       << ", " << theKey.designElementID().id() << ')';
    return theDebug;
}
