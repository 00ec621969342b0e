#include "LMFotoList.h"

#include "LMFotoAccess.h"

LMPortraitAndLandscapeCount LMFotoList::countPortraitAndLandscape(int theSizeLevel) const
{
    LMPortraitAndLandscapeCount aCount;
    for (const LMFoto& aFoto : *this) {
        const LMOrientation anOrientation = LMFotoAccess(aFoto, theSizeLevel).orientation();
        if (anOrientation.isPortrait())
            aCount.addPortrait();
        else if (anOrientation != LMOrientationEnum::None)
            aCount.addLandscape();
    }
    return aCount;
}

LMFoto LMFotoList::bestRatedFoto(int theSizeLevel) const
{
    LMFoto aBest;
    int aBestRating = 0;
    for (const LMFoto& aFoto : *this) {
        const LMFotoAccess anAccess(aFoto, theSizeLevel);
        if (!anAccess.isValid())
            continue;
        const int aRating = anAccess.adobeRating();
        if (!aBest.isValid() || aRating > aBestRating) {
            aBest = aFoto;
            aBestRating = aRating;
        }
    }
    return aBest;
}
