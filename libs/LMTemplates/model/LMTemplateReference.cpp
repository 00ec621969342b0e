#include "LMTemplateReference.h"

#include <QDebug>

QDebug operator<<(QDebug theDebug, const LMTemplateReference& theReference)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateReference(" << theReference.name()
                       << (theReference.isValid() ? "" : ", unresolved") << ')';
    return theDebug;
}
