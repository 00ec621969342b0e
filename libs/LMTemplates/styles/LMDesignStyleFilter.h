#pragma once

#include "LMContentFilterAbstract.h"
#include "LMTemplatesExport.h"

class LMDesignStyle;

// Decides which design styles a product may offer: the categories asked for, the article, the
// binding, the orientation and, on covers, linen capability. Only design styles pass.
class LMTEMPLATES_EXPORT LMDesignStyleFilter : public LMContentFilterAbstract
{
public:
    explicit LMDesignStyleFilter(const LMContentFilterParameter& theParameter) : LMContentFilterAbstract(theParameter)
    {
    }
    ~LMDesignStyleFilter() override;

    // The checks below in turn, after the categorisation check of the content filter.
    bool accept(const LMDesignStyle& theStyle) const override;
    bool acceptDesignStyle(const LMDesignStyle& theStyle) const override { return accept(theStyle); }
    using LMContentFilterAbstract::accept;

    // The product does not insist on designs made for it, or the style is a basic design, or the
    // style's constraints name the product explicitly.
    bool checkArticle(const LMDesignStyle& theStyle) const;
    // The style names no binding, or the constraints allow its binding.
    bool checkBinding(const LMDesignStyle& theStyle) const;
    // The style offers the orientation of the product.
    bool checkOrientation(const LMDesignStyle& theStyle) const;
    // Only covers (front and back, 768) need a style for linen.
    bool checkLinnenCapable(const LMDesignStyle& theStyle) const;

    static constexpr qint32 LINEN_PAGE_TYPES = 768;
};
