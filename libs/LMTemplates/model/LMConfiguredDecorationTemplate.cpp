#include "LMConfiguredDecorationTemplate.h"

#include <QDebug>

size_t LMConfiguredDecorationTemplate::hash() const
{
    return qHash(*this);
}

LMConfiguredDecorationTemplate LMConfiguredDecorationTemplate::mirrored(const LMMirrorRule& theRule) const
{
    return LMConfiguredDecorationTemplate(myDesignElementId, myConfiguration.mirrored(theRule));
}

QDebug operator<<(QDebug theDebug, const LMConfiguredDecorationTemplate& theTemplate)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMConfiguredDecorationTemplate(" << theTemplate.designElementId() << ", "
                       << theTemplate.configuration() << ')';
    return theDebug;
}
