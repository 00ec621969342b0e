#pragma once

#include "LMDesignElementID.h"
#include "LMJigType.h"
#include "LMPlatformExport.h"

#include <QString>

class QDebug;

// The identity of one design element across registries: two texts the element's kind chooses (a
// template uses its name and its file part), its jig type and its design element id.
class LMPLATFORM_EXPORT LMJigKey
{
public:
    LMJigKey() = default;
    LMJigKey(const QString& theName, const QString& theSource, const LMJigType& theType,
             const LMDesignElementID& theId);

    const QString& name() const { return myName; }
    const QString& source() const { return mySource; }
    const LMJigType& jigType() const { return myJigType; }
    const LMDesignElementID& designElementID() const { return myId; }
    // A key of nothing: no texts, no type, no id.
    bool isNull() const;

    size_t hashValue() const { return myHash; }

    friend LMPLATFORM_EXPORT bool operator==(const LMJigKey& theA, const LMJigKey& theB);
    friend bool operator!=(const LMJigKey& theA, const LMJigKey& theB) { return !(theA == theB); }

private:
    QString myName;
    QString mySource;
    LMJigType myJigType;
    LMDesignElementID myId;
    // Keys are hashed often (every registry index); computed once.
    size_t myHash = 0;
};

inline size_t qHash(const LMJigKey& theKey, size_t theSeed = 0) noexcept
{
    return theKey.hashValue() ^ theSeed;
}

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMJigKey& theKey);
