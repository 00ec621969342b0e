#pragma once

#include "LMPlatformExport.h"

#include <QDebug>
#include <QHashFunctions>
#include <QString>

// The integer identity of a key account: a business customer whose users get designs made for
// them alone. Ids below 1 are invalid and stand for "no key account".
class LMPLATFORM_EXPORT LMKeyAccountId
{
public:
    LMKeyAccountId() = default;
    explicit LMKeyAccountId(qint32 theId) : myId(theId) { }

    qint32 id() const { return myId; }
    bool isValid() const { return myId > 0; }
    // The decimal id.
    QString toString() const { return QString::number(myId); }

    // The id of a decimal text (blanks around it allowed); invalid when the text is no whole number.
    static LMKeyAccountId fromString(const QString& theText);

    friend bool operator==(const LMKeyAccountId& theA, const LMKeyAccountId& theB) { return theA.myId == theB.myId; }
    friend bool operator!=(const LMKeyAccountId& theA, const LMKeyAccountId& theB) { return theA.myId != theB.myId; }
    friend bool operator<(const LMKeyAccountId& theA, const LMKeyAccountId& theB) { return theA.myId < theB.myId; }

private:
    qint32 myId = 0;
};

inline size_t qHash(const LMKeyAccountId& theId, size_t theSeed = 0) noexcept
{
    return qHash(theId.id(), theSeed);
}

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMKeyAccountId& theId);

Q_DECLARE_TYPEINFO(LMKeyAccountId, Q_PRIMITIVE_TYPE);
