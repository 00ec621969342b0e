#include "LMPageSizeSpec.h"

#include <QDebug>

QDebug operator<<(QDebug theDebug, const LMPageSizeSpec& theSpec)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMPageSizeSpec(usable " << theSpec.usableSize() << ", slipcase "
                       << theSpec.usableSlipcaseCoverSize() << ", offset " << theSpec.usablePrintAreaOffset() << ')';
    return theDebug;
}
