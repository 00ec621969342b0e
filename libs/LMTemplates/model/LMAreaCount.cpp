#include "LMAreaCount.h"

#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionList.h"

#include <QDebug>
#include <QHashFunctions>

void LMAreaCount::buildFromAreas(const LMTemplateAreaDefinitionList& theAreas, double thePageAspect)
{
    myCalendariums = theAreas.count(LMAreaTypeEnum::Calendarium);
    myClipartDummies = theAreas.count(LMAreaTypeEnum::Clipart);
    // Both kinds of text area count.
    myTexts = theAreas.count(LMAreaTypeEnum::AllTexts);
    myFotoAreas = LMPortraitAndLandscapeCount();
    // The photo areas a smart layout gathers are photo areas of the layout too.
    for (const LMTemplateAreaDefinition* anArea : theAreas.filterWithSmartLayoutChildren(LMAreaTypeEnum::Foto)) {
        if (anArea->orientation(thePageAspect).isPortrait())
            myFotoAreas.addPortrait();
        else
            myFotoAreas.addLandscape();
    }
}

void LMAreaCount::buildFromTemplate(const LMTemplate& theTemplate, double thePageAspect)
{
    buildFromAreas(theTemplate.areaDefinitions(), thePageAspect);
}

qint32 LMAreaCount::hashValue() const
{
    // Unsigned arithmetic: a huge calendar count wraps instead of overflowing.
    const quint32 aHash = quint32(myFotoAreas.landscape()) ^ (quint32(myCalendariums) * 100000u) ^ quint32(myTexts);
    return qint32(aHash);
}

size_t qHash(const LMAreaCount& theCount, size_t theSeed) noexcept
{
    return qHash(theCount.hashValue(), theSeed);
}

QDebug operator<<(QDebug theDebug, const LMAreaCount& theCount)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMAreaCount(portrait " << theCount.countFotoAreasInPortrait() << ", landscape "
                       << theCount.countFotoAreasInLandscape() << ", texts " << theCount.countTexts()
                       << ", clipart dummies " << theCount.countClipartDummies() << ", calendars "
                       << theCount.countCalendariums() << ')';
    return theDebug;
}
