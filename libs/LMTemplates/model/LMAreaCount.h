#pragma once

#include "LMPortraitAndLandscapeCount.h"
#include "LMTemplatesExport.h"

class LMTemplate;
class LMTemplateAreaDefinitionList;
class QDebug;

// How many areas of each kind a layout has: photo areas split into portrait and landscape, texts,
// clipart dummies and calendars. Layouts are sorted and matched to photos by these numbers.
class LMTEMPLATES_EXPORT LMAreaCount
{
public:
    LMAreaCount() = default;
    LMAreaCount(const LMPortraitAndLandscapeCount& theFotoAreas, int theTexts, int theClipartDummies,
                int theCalendariums)
        : myFotoAreas(theFotoAreas), myTexts(theTexts), myClipartDummies(theClipartDummies),
          myCalendariums(theCalendariums)
    {
    }

    // Counts the areas of the list; photo areas are portrait or landscape at the page aspect
    // (width / height of the page), square ones count as landscape.
    void buildFromAreas(const LMTemplateAreaDefinitionList& theAreas, double thePageAspect);
    // Counts the template's areas.
    void buildFromTemplate(const LMTemplate& theTemplate, double thePageAspect);

    const LMPortraitAndLandscapeCount& portraitAndLandscapeCount() const { return myFotoAreas; }
    int countFotoAreas() const { return myFotoAreas.total(); }
    int countFotoAreasInPortrait() const { return myFotoAreas.portrait(); }
    int countFotoAreasInLandscape() const { return myFotoAreas.landscape(); }
    bool hasLessPortraitThanLandscape() const { return myFotoAreas.portrait() < myFotoAreas.landscape(); }
    int countTexts() const { return myTexts; }
    int countClipartDummies() const { return myClipartDummies; }
    bool hasClipartDummy() const { return myClipartDummies > 0; }
    int countCalendariums() const { return myCalendariums; }

    // Landscape photo areas XOR calendars × 100000 XOR texts; the portrait count and the clipart
    // dummies do not take part, so counts differing only there collide (they still compare unequal).
    qint32 hashValue() const;

    friend bool operator==(const LMAreaCount& theA, const LMAreaCount& theB)
    {
        return theA.myFotoAreas == theB.myFotoAreas && theA.myTexts == theB.myTexts
            && theA.myClipartDummies == theB.myClipartDummies && theA.myCalendariums == theB.myCalendariums;
    }

private:
    LMPortraitAndLandscapeCount myFotoAreas;
    int myTexts = 0;
    int myClipartDummies = 0;
    int myCalendariums = 0;
};

LMTEMPLATES_EXPORT size_t qHash(const LMAreaCount& theCount, size_t theSeed = 0) noexcept;
LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMAreaCount& theCount);
