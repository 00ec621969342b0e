#pragma once

#include "LMPlatformExport.h"

#include <QtGlobal>

class QDebug;

// How many areas (or photos) of a layout are portrait and how many landscape; square ones count
// as landscape. The bad count stands for "no layout": it is farther from every real count than
// any real count is.
class LMPLATFORM_EXPORT LMPortraitAndLandscapeCount
{
public:
    LMPortraitAndLandscapeCount() = default;
    LMPortraitAndLandscapeCount(int thePortrait, int theLandscape) : myPortrait(thePortrait), myLandscape(theLandscape)
    {
    }

    // The count of no layout at all; not valid.
    static LMPortraitAndLandscapeCount badCount() { return LMPortraitAndLandscapeCount(-1, -1); }
    // Both counts are not negative; the bad count is not valid.
    bool isValid() const { return myPortrait >= 0 && myLandscape >= 0; }

    int portrait() const { return myPortrait; }
    int landscape() const { return myLandscape; }
    int total() const { return myPortrait + myLandscape; }
    int portraitCount() const { return myPortrait; }
    int landscapeCount() const { return myLandscape; }
    int totalCount() const { return total(); }
    void setPortrait(int thePortrait) { myPortrait = thePortrait; }
    void setLandscape(int theLandscape) { myLandscape = theLandscape; }
    void addPortrait(int theCount = 1) { myPortrait += theCount; }
    void addLandscape(int theCount = 1) { myLandscape += theCount; }

    // How far apart two counts are: the portrait difference plus the landscape difference, both
    // taken absolutely. When either count is not valid the distance is badDistance(), larger
    // than between any two valid counts, so that a real layout always beats no layout.
    int metricDistance(const LMPortraitAndLandscapeCount& theOther) const;
    static int badDistance();
    // This count's landscape areas minus the other's: positive when this has more landscape.
    int diffLandscape(const LMPortraitAndLandscapeCount& theOther) const { return myLandscape - theOther.myLandscape; }

    friend bool operator==(const LMPortraitAndLandscapeCount& theA, const LMPortraitAndLandscapeCount& theB)
    {
        return theA.myPortrait == theB.myPortrait && theA.myLandscape == theB.myLandscape;
    }

private:
    int myPortrait = 0;
    int myLandscape = 0;
};

LMPLATFORM_EXPORT size_t qHash(const LMPortraitAndLandscapeCount& theCount, size_t theSeed = 0) noexcept;
LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMPortraitAndLandscapeCount& theCount);
