#include "LMTemplateContext.h"

namespace {
// Page types that never carry a spot colour.
constexpr qint32 NO_SPOT_COLOR_PAGE_TYPES = 0xF03E1;
constexpr qint32 SPOT_COLOR_ARTICLE_CLASS = 8;
} // namespace

LMTemplateContext::LMTemplateContext(const LMArticle& theArticle, const LMPageType& thePageType,
                                     const LMArticleVariants& theVariants)
    : myArticle(theArticle), myPageType(thePageType), myVariants(theVariants)
{
}

bool LMTemplateContext::hasGlassesAddOn(const LMPriceClassSet& thePriceClasses) const
{
    return myArticle.hasGlassesAddOn(thePriceClasses);
}

bool LMTemplateContext::hasPassepartoutAddOn(const LMPriceClassSet& thePriceClasses) const
{
    return myArticle.hasPassepartoutAddOn(thePriceClasses);
}

LMPageSizeSpec LMTemplateContext::pageSizeSpecs(const LMPageAlignment& theAlignment) const
{
    return myArticle.pageSizeSpec(myPageType, theAlignment);
}

QSizeF LMTemplateContext::usableSize() const
{
    return myArticle.usableSize(myPageType);
}

QPointF LMTemplateContext::topLeftBleedOffset() const
{
    return pageSizeSpecs(LMPageAlignmentEnum::Left).usablePrintAreaOffset();
}

bool LMTemplateContext::canUseSpotColor() const
{
    return myArticle.hasSpotColorFeature() && !myPageType.intersects(LMPageType::fromInt(NO_SPOT_COLOR_PAGE_TYPES))
        && myArticle.hasArticleClass(LMArticleClass::fromInt(SPOT_COLOR_ARTICLE_CLASS));
}

LMTemplateContextGroup LMTemplateContext::contextGroup() const
{
    return LMTemplateContextGroup::fromArticle(myArticle, myPageType, myVariants);
}

bool operator==(const LMTemplateContext& theA, const LMTemplateContext& theB)
{
    return theA.myArticle.matches(theB.myArticle) && theA.myPageType == theB.myPageType;
}

bool operator<(const LMTemplateContext& theA, const LMTemplateContext& theB)
{
    if (!theA.myArticle.matches(theB.myArticle))
        return theA.myArticle < theB.myArticle;
    return theA.myPageType.value() < theB.myPageType.value();
}

size_t qHash(const LMTemplateContext& theContext, size_t theSeed) noexcept
{
    return qHashMulti(theSeed, theContext.article().orderTxtName().toCaseFolded(), theContext.pageType().value());
}

QDebug operator<<(QDebug theDebug, const LMTemplateContext& theContext)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateContext(" << theContext.article() << ", " << theContext.pageType() << ", "
                       << theContext.productVariant().toStringList() << ')';
    return theDebug;
}
