#include "LMContentFilterParameter.h"

#include "LMBasisSettings.h"
#include "LMTemplateContext.h"

class LMContentFilterParameterImpl : public QSharedData
{
public:
    LMTemplateContextGroup myTemplateConstraints;
    LMCategorization myCategorization;
    LMDesignElementIDSet myAllowedDesignElementIDs;
    LMMultiColorConfig myMultiColorConfig;
    bool myHasToBeMultiColor = false;
    int myNumberOfFotoAreas = -1;
    QString mySearchKeyword;
    QHash<LMArticleClass, LMPageTypeList> myTargetPageTypesForArticleClass;
    bool myCheckBasicDesign = false;
    LMOrientation myOrientation = LMOrientationEnum::All;
    QList<LMPriceClass> myFrameConstructionPriceClasses;
    int myCurrentPageNumber = -1;
    LMFrameMaterial myFrameMaterial = LMFrameMaterial::allMaterials();
    bool myIgnoreVisibility = LMBasisSettings::instance()->runsInMasterMode();
    LMSpotColor myAllowedSpotColors = LMSpotColorEnum::DefaultAllowed;
};

LMContentFilterParameter::LMContentFilterParameter() : myImpl(new LMContentFilterParameterImpl) { }

LMContentFilterParameter::LMContentFilterParameter(const LMTemplateContextGroup& theConstraints,
                                                   const LMCategorization& theCategorization)
    : myImpl(new LMContentFilterParameterImpl)
{
    myImpl->myTemplateConstraints = theConstraints;
    myImpl->myCategorization = theCategorization;
}

LMContentFilterParameter::LMContentFilterParameter(const LMTemplateContext& theContext,
                                                   const LMCategorization& theCategorization)
    : LMContentFilterParameter(theContext.contextGroup(), theCategorization)
{
}

LMContentFilterParameter::LMContentFilterParameter(const LMContentFilterParameter& theOther) = default;
LMContentFilterParameter::LMContentFilterParameter(LMContentFilterParameter&& theOther) noexcept = default;
LMContentFilterParameter& LMContentFilterParameter::operator=(const LMContentFilterParameter& theOther) = default;
LMContentFilterParameter::~LMContentFilterParameter() = default;

void LMContentFilterParameter::buildFromContext(const LMTemplateContext& theContext)
{
    *this = LMContentFilterParameter(theContext, LMCategorization());
}

const LMTemplateContextGroup& LMContentFilterParameter::templateConstraints() const
{
    return myImpl->myTemplateConstraints;
}

void LMContentFilterParameter::setTemplateConstraints(const LMTemplateContextGroup& theConstraints)
{
    myImpl->myTemplateConstraints = theConstraints;
}

const LMCategorization& LMContentFilterParameter::categorization() const
{
    return myImpl->myCategorization;
}

void LMContentFilterParameter::setCategorization(const LMCategorization& theCategorization)
{
    myImpl->myCategorization = theCategorization;
}

const LMDesignElementIDSet& LMContentFilterParameter::allowedDesignElementIDs() const
{
    return myImpl->myAllowedDesignElementIDs;
}

void LMContentFilterParameter::setAllowedDesignElementIDs(const LMDesignElementIDSet& theIds)
{
    myImpl->myAllowedDesignElementIDs = theIds;
}

const LMMultiColorConfig& LMContentFilterParameter::multiColorConfig() const
{
    return myImpl->myMultiColorConfig;
}

bool LMContentFilterParameter::hasToBeMultiColor() const
{
    return myImpl->myHasToBeMultiColor;
}

void LMContentFilterParameter::setMultiColorConfig(bool theHasToBeMultiColor, const LMMultiColorConfig& theConfig)
{
    myImpl->myHasToBeMultiColor = theHasToBeMultiColor;
    myImpl->myMultiColorConfig = theConfig;
}

int LMContentFilterParameter::numberOfFotoAreas() const
{
    return myImpl->myNumberOfFotoAreas;
}

void LMContentFilterParameter::setNumberOfFotoAreas(int theNumber)
{
    myImpl->myNumberOfFotoAreas = theNumber;
}

const QString& LMContentFilterParameter::searchKeyword() const
{
    return myImpl->mySearchKeyword;
}

void LMContentFilterParameter::setSearchKeyword(const QString& theKeyword)
{
    myImpl->mySearchKeyword = theKeyword;
}

const QHash<LMArticleClass, LMPageTypeList>& LMContentFilterParameter::targetPageTypesForArticleClass() const
{
    return myImpl->myTargetPageTypesForArticleClass;
}

void LMContentFilterParameter::setTargetPageTypesForArticleClass(
    const QHash<LMArticleClass, LMPageTypeList>& theTargets)
{
    myImpl->myTargetPageTypesForArticleClass = theTargets;
}

bool LMContentFilterParameter::checkBasicDesign() const
{
    return myImpl->myCheckBasicDesign;
}

void LMContentFilterParameter::setCheckBasicDesign(bool theCheck)
{
    myImpl->myCheckBasicDesign = theCheck;
}

const LMOrientation& LMContentFilterParameter::orientation() const
{
    return myImpl->myOrientation;
}

void LMContentFilterParameter::setOrientation(const LMOrientation& theOrientation)
{
    myImpl->myOrientation = theOrientation;
}

const QList<LMPriceClass>& LMContentFilterParameter::frameConstructionPriceClasses() const
{
    return myImpl->myFrameConstructionPriceClasses;
}

void LMContentFilterParameter::setFrameConstructionPriceClasses(const QList<LMPriceClass>& thePriceClasses)
{
    myImpl->myFrameConstructionPriceClasses = thePriceClasses;
}

int LMContentFilterParameter::currentPageNumber() const
{
    return myImpl->myCurrentPageNumber;
}

void LMContentFilterParameter::setCurrentPageNumber(int thePageNumber)
{
    myImpl->myCurrentPageNumber = thePageNumber;
}

const LMFrameMaterial& LMContentFilterParameter::frameMaterial() const
{
    return myImpl->myFrameMaterial;
}

void LMContentFilterParameter::setFrameMaterial(const LMFrameMaterial& theMaterial)
{
    myImpl->myFrameMaterial = theMaterial;
}

bool LMContentFilterParameter::ignoreVisibility() const
{
    return myImpl->myIgnoreVisibility;
}

void LMContentFilterParameter::setIgnoreVisibility(bool theIgnore)
{
    myImpl->myIgnoreVisibility = theIgnore;
}

const LMSpotColor& LMContentFilterParameter::allowedSpotColors() const
{
    return myImpl->myAllowedSpotColors;
}

void LMContentFilterParameter::setAllowedSpotColors(const LMSpotColor& theSpotColors)
{
    myImpl->myAllowedSpotColors = theSpotColors;
}

bool operator==(const LMContentFilterParameter& theA, const LMContentFilterParameter& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    const LMContentFilterParameterImpl& anA = *theA.myImpl;
    const LMContentFilterParameterImpl& aB = *theB.myImpl;
    return anA.myTemplateConstraints == aB.myTemplateConstraints && anA.myCategorization == aB.myCategorization
        && anA.myAllowedDesignElementIDs == aB.myAllowedDesignElementIDs
        && anA.myMultiColorConfig == aB.myMultiColorConfig && anA.myHasToBeMultiColor == aB.myHasToBeMultiColor
        && anA.myNumberOfFotoAreas == aB.myNumberOfFotoAreas && anA.mySearchKeyword == aB.mySearchKeyword
        && anA.myTargetPageTypesForArticleClass == aB.myTargetPageTypesForArticleClass
        && anA.myCheckBasicDesign == aB.myCheckBasicDesign && anA.myOrientation == aB.myOrientation
        && anA.myFrameConstructionPriceClasses == aB.myFrameConstructionPriceClasses
        && anA.myCurrentPageNumber == aB.myCurrentPageNumber && anA.myFrameMaterial == aB.myFrameMaterial
        && anA.myIgnoreVisibility == aB.myIgnoreVisibility && anA.myAllowedSpotColors == aB.myAllowedSpotColors;
}
