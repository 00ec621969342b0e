#pragma once

#include "LMArticleList.h"
#include "LMCategorization.h"
#include "LMContentFilterParameter.h"
#include "LMDesignElementIDSet.h"
#include "LMPageType.h"
#include "LMTemplateAcceptor.h"
#include "LMTemplateContextGroup.h"
#include "LMTemplatesExport.h"

class LMDesignStyle;
class LMJig;
class LMTemplate;
class LMUnconfiguredTemplate;

// The base of every filter over design elements: holds the product context (the parameter) and
// the checks that templates, styles and decorations share. Filters are immutable while in use and
// are asked from several threads at once.
class LMTEMPLATES_EXPORT LMContentFilterAbstract : public LMTemplateAcceptor
{
public:
    explicit LMContentFilterAbstract(const LMContentFilterParameter& theParameter);
    ~LMContentFilterAbstract() override;

    // The base accepts every valid template.
    virtual bool accept(const LMUnconfiguredTemplate& theTemplate) const;
    // Design styles: the base accepts every style; the style filters narrow it.
    virtual bool accept(const LMDesignStyle& theStyle) const;
    virtual bool acceptDesignStyle(const LMDesignStyle& theStyle) const;

    // What template lists ask: the same as accept().
    bool acceptTemplate(const LMUnconfiguredTemplate& theTemplate) const override;

    const LMContentFilterParameter& parameter() const { return myParameter; }
    const LMCategorization& categorization() const { return myParameter.categorization(); }
    const LMTemplateContextGroup& constraints() const { return myParameter.templateConstraints(); }
    const LMDesignElementIDSet& allowedDesignElementIDs() const { return myParameter.allowedDesignElementIDs(); }
    // The explicit articles of the constraints: the products the filter is asked for.
    LMArticleList articles() const { return constraints().explicitArticles(); }
    // The page type of the constraints when they name exactly one, else none.
    LMPageType uniquePageType() const;
    bool weAreOnAFullCover() const;
    bool weAreOnAUsablePage() const;

    // Whether the element's constraints admit the filter's situation.
    bool checkConstraints(const LMTemplateContextGroup& theGroup, bool theExplicitOnly, bool theIgnoreVariants) const;
    // True when any number of photo areas is wanted, or exactly the number the template's bundle has.
    bool checkNumberOfFotoAreas(const LMUnconfiguredTemplate& theTemplate) const;
    bool acceptTheCategoryAll() const;
    bool checkIsSearchedOne(const LMJig& theJig) const;
    // Allowed ids, at least one category of each wanted type, and the search keyword. Two
    // categories are special: a wanted type that holds the inverted pseudo category
    // (LMThematicCategory::invertedCategory) asks that the element holds none of that type's other
    // wanted categories (with no others it asks nothing); an element that holds the style-V2-only
    // category (LMThematicCategory::styleV2Only, under any type) passes only filters that want that
    // category under some type.
    bool checkCategorization(const LMJig& theJig) const;
    bool checkCategorization(const LMUnconfiguredTemplate& theTemplate) const;

protected:
    LMContentFilterAbstract(const LMContentFilterAbstract&) = default;
    LMContentFilterAbstract& operator=(const LMContentFilterAbstract&) = default;

private:
    LMContentFilterParameter myParameter;
};
