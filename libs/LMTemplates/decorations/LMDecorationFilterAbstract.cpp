#include "LMDecorationFilterAbstract.h"

#include "LMAbstractDecoration.h"

LMDecorationFilterAbstract::LMDecorationFilterAbstract(const LMContentFilterParameter& theParameter,
                                                       const LMJigType& theAcceptableJigType)
    : LMContentFilterAbstract(theParameter), myAcceptableJigType(theAcceptableJigType)
{
}

LMDecorationFilterAbstract::~LMDecorationFilterAbstract() = default;

bool LMDecorationFilterAbstract::accept(const LMAbstractDecoration* theDecoration) const
{
    return theDecoration != nullptr && theDecoration->isJigType(acceptableJigType())
        && checkCategorization(*theDecoration) && checkCategoryType(*theDecoration, LMCategoryTypeEnum::SpotColor)
        && checkCategoryType(*theDecoration, LMCategoryTypeEnum::Primary)
        && checkCategoryType(*theDecoration, LMCategoryTypeEnum::Feature);
}

bool LMDecorationFilterAbstract::checkCategoryType(const LMAbstractDecoration& theDecoration,
                                                   const LMCategoryType& theType) const
{
    const LMThematicCategorySet aWanted = categorization().categories(theType);
    return aWanted.isEmpty() || theDecoration.thematicCategories(theType).intersects(aWanted);
}
