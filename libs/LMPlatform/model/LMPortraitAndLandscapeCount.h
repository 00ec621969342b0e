#pragma once

#include "LMPlatformExport.h"

class QDebug;

// How many areas (or photos) of a layout are portrait and how many landscape; square ones count
// as landscape.
class LMPLATFORM_EXPORT LMPortraitAndLandscapeCount
{
public:
    LMPortraitAndLandscapeCount() = default;
    LMPortraitAndLandscapeCount(int thePortrait, int theLandscape) : myPortrait(thePortrait), myLandscape(theLandscape)
    {
    }

    int portrait() const { return myPortrait; }
    int landscape() const { return myLandscape; }
    int total() const { return myPortrait + myLandscape; }
    void addPortrait(int theCount = 1) { myPortrait += theCount; }
    void addLandscape(int theCount = 1) { myLandscape += theCount; }

    friend bool operator==(const LMPortraitAndLandscapeCount& theA, const LMPortraitAndLandscapeCount& theB)
    {
        return theA.myPortrait == theB.myPortrait && theA.myLandscape == theB.myLandscape;
    }

private:
    int myPortrait = 0;
    int myLandscape = 0;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMPortraitAndLandscapeCount& theCount);
