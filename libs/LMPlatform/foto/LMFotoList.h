#pragma once

#include "LMFoto.h"
#include "LMPlatformExport.h"
#include "LMPortraitAndLandscapeCount.h"

#include <QList>

// A list of photos, with what layouts ask of a whole selection of them.
class LMPLATFORM_EXPORT LMFotoList : public QList<LMFoto>
{
public:
    using QList<LMFoto>::QList;
    LMFotoList() = default;
    LMFotoList(const QList<LMFoto>& theList) : QList<LMFoto>(theList) { }

    // Photos whose preferred size at the level is taller than wide count as portrait, all others
    // (landscape and square) as landscape; photos that are not valid are not counted.
    LMPortraitAndLandscapeCount countPortraitAndLandscape(int theSizeLevel = 4) const;
    // The photo with the highest rating, the first of equal ones; photos that are not valid are
    // passed by. An invalid LMFoto when there is no valid photo.
    LMFoto bestRatedFoto(int theSizeLevel = 4) const;
};
