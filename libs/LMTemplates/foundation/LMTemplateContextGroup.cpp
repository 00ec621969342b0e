#include "LMTemplateContextGroup.h"

#include "LMSharedEmpty.h"

class LMTemplateContextGroupImpl : public QSharedData
{
public:
    LMArticlesGroup myArticlesGroup;
    LMPageConstraint myPageConstraint;
    LMArticleVariants myVariants;
    LMCoverType myAllowedCoverTypes;
    LMPageBinding myAllowedPageBinding;
    LMArticleClass myProductClasses;
    LMSpotColor mySpotColorCapability;
    LMSpaceMagnitude myMinimumProductSize;
};

LMTemplateContextGroup::LMTemplateContextGroup() : myImpl(lmSharedEmpty<LMTemplateContextGroupImpl>()) { }

LMTemplateContextGroup::LMTemplateContextGroup(const LMTemplateContextGroup& theOther) = default;
LMTemplateContextGroup::LMTemplateContextGroup(LMTemplateContextGroup&& theOther) noexcept = default;
LMTemplateContextGroup& LMTemplateContextGroup::operator=(const LMTemplateContextGroup& theOther) = default;
LMTemplateContextGroup::~LMTemplateContextGroup() = default;

LMTemplateContextGroup LMTemplateContextGroup::fromArticle(const LMArticle& theArticle, const LMPageType& thePageType,
                                                           const LMArticleVariants& theVariants)
{
    LMTemplateContextGroup aGroup;
    LMTemplateContextGroupImpl* anImpl = aGroup.myImpl.data();
    anImpl->myArticlesGroup.addArticle(theArticle);
    anImpl->myPageConstraint.setPageTypes(thePageType);
    anImpl->myVariants = theVariants;
    anImpl->myAllowedCoverTypes = theArticle.coverType();
    anImpl->myAllowedPageBinding = theArticle.pageBinding();
    anImpl->myProductClasses = theArticle.articleClass();
    return aGroup;
}

bool LMTemplateContextGroup::isEmpty() const
{
    return myImpl->myArticlesGroup.isEmpty() && myImpl->myPageConstraint.isEmpty() && myImpl->myVariants.isEmpty()
        && !myImpl->myAllowedCoverTypes.isValid() && !myImpl->myAllowedPageBinding.isValid()
        && !myImpl->myProductClasses.isValid() && !myImpl->mySpotColorCapability.isValid();
}

LMArticlesGroup LMTemplateContextGroup::articleGroup() const
{
    return myImpl->myArticlesGroup;
}

void LMTemplateContextGroup::setArticleGroup(const LMArticlesGroup& theGroup)
{
    myImpl->myArticlesGroup = theGroup;
}

LMArticleList LMTemplateContextGroup::explicitArticles() const
{
    return myImpl->myArticlesGroup.explicitArticles();
}

LMArticle LMTemplateContextGroup::defaultArticle() const
{
    const LMArticleList& anArticles = myImpl->myArticlesGroup.explicitArticles();
    return anArticles.isEmpty() ? LMArticle() : anArticles.first();
}

LMPageConstraint LMTemplateContextGroup::pageConstraint() const
{
    return myImpl->myPageConstraint;
}

void LMTemplateContextGroup::setPageConstraint(const LMPageConstraint& theConstraint)
{
    myImpl->myPageConstraint = theConstraint;
}

LMArticleVariants LMTemplateContextGroup::articleVariants() const
{
    return myImpl->myVariants;
}

void LMTemplateContextGroup::setArticleVariants(const LMArticleVariants& theVariants)
{
    myImpl->myVariants = theVariants;
}

LMCoverType LMTemplateContextGroup::allowedCoverTypes() const
{
    return myImpl->myAllowedCoverTypes;
}

void LMTemplateContextGroup::setAllowedCoverTypes(const LMCoverType& theCoverTypes)
{
    myImpl->myAllowedCoverTypes = theCoverTypes;
}

LMPageBinding LMTemplateContextGroup::allowedPageBinding() const
{
    return myImpl->myAllowedPageBinding;
}

void LMTemplateContextGroup::setAllowedPageBinding(const LMPageBinding& theBindings)
{
    myImpl->myAllowedPageBinding = theBindings;
}

LMArticleClass LMTemplateContextGroup::productClasses() const
{
    return myImpl->myProductClasses;
}

void LMTemplateContextGroup::setProductClasses(const LMArticleClass& theClasses)
{
    myImpl->myProductClasses = theClasses;
}

LMSpotColor LMTemplateContextGroup::spotColorCapability() const
{
    return myImpl->mySpotColorCapability;
}

void LMTemplateContextGroup::setSpotColorCapability(const LMSpotColor& theSpotColors)
{
    myImpl->mySpotColorCapability = theSpotColors;
}

LMSpaceMagnitude LMTemplateContextGroup::minimumProductSize() const
{
    return myImpl->myMinimumProductSize;
}

void LMTemplateContextGroup::setMinimumProductSize(const LMSpaceMagnitude& theSize, bool theReplace)
{
    if (theReplace || !myImpl->myMinimumProductSize.isValid())
        myImpl->myMinimumProductSize = theSize;
}

bool LMTemplateContextGroup::supportsArticle(const LMArticle& theArticle) const
{
    return myImpl->myArticlesGroup.explicitArticles().contains(theArticle);
}

bool LMTemplateContextGroup::isUsablePageType() const
{
    return myImpl->myPageConstraint.sharesPageType(LMPageType(LMPageType::fromInt(USABLE_PAGE_TYPES)));
}

bool LMTemplateContextGroup::isPageType(const LMPageType& thePageType) const
{
    return myImpl->myPageConstraint.isPageType(thePageType);
}

bool LMTemplateContextGroup::sharesPageType(const LMPageType& thePageType) const
{
    return myImpl->myPageConstraint.sharesPageType(thePageType);
}

bool LMTemplateContextGroup::pageConstraintFulfilled(const LMTemplateContextGroup& theOther) const
{
    return myImpl->myPageConstraint.matches(theOther.myImpl->myPageConstraint);
}

bool LMTemplateContextGroup::variantsFulfilled(const LMTemplateContextGroup& theOther) const
{
    const LMArticleVariants& anOwn = myImpl->myVariants;
    const LMArticleVariants& anOther = theOther.myImpl->myVariants;
    return anOwn.isEmpty() || anOther.isEmpty() || anOwn.intersects(anOther);
}

bool LMTemplateContextGroup::articlesFulfilled(const LMTemplateContextGroup& theOther, bool theExplicitOnly) const
{
    return myImpl->myArticlesGroup.intersects(theOther.myImpl->myArticlesGroup, theExplicitOnly);
}

bool LMTemplateContextGroup::fulfillsConstraints(const LMTemplateContextGroup& theOther, bool theExplicitOnly,
                                                 bool theIgnoreVariants) const
{
    return pageConstraintFulfilled(theOther) && (theIgnoreVariants || variantsFulfilled(theOther))
        && articlesFulfilled(theOther, theExplicitOnly);
}

QString LMTemplateContextGroup::describeDifference(const LMTemplateContextGroup& theOther) const
{
    const auto aWord = [](bool theOkay) {
        return theOkay ? QStringLiteral("true") : QStringLiteral("false");
    };
    return QStringLiteral("Article Okay: {%1}, Page Okay: {%2} Variant Okay: {%3}")
        .arg(aWord(articlesFulfilled(theOther, false)), aWord(pageConstraintFulfilled(theOther)),
             aWord(variantsFulfilled(theOther)));
}

bool operator==(const LMTemplateContextGroup& theA, const LMTemplateContextGroup& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    const LMTemplateContextGroupImpl& anA = *theA.myImpl;
    const LMTemplateContextGroupImpl& aB = *theB.myImpl;
    return anA.myArticlesGroup == aB.myArticlesGroup && anA.myPageConstraint == aB.myPageConstraint
        && anA.myVariants == aB.myVariants && anA.myAllowedCoverTypes == aB.myAllowedCoverTypes
        && anA.myAllowedPageBinding == aB.myAllowedPageBinding && anA.myProductClasses == aB.myProductClasses
        && anA.mySpotColorCapability == aB.mySpotColorCapability && anA.myMinimumProductSize == aB.myMinimumProductSize;
}
