#pragma once

#include "LMArticlesGroup.h"
#include "LMPageConstraint.h"
#include "LMTemplateFactory.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"

class LMTemplate;
class LMXMLElement;

// The base of the XML template readers: the filter a document states for all its templates
// (products, page types, subcategories), on top of which each template's own filter is read.
class LMTEMPLATES_EXPORT LMTemplateFactoryXMLAbstract : public LMTemplateFactory
{
public:
    // An empty document-wide filter.
    LMTemplateFactoryXMLAbstract();
    // The document-wide filter read from a "filter" element; a null element leaves it empty.
    explicit LMTemplateFactoryXMLAbstract(const LMXMLElement& theFilterElement);

    void parseFilterForAllTemplates(const LMXMLElement& theFilterElement);
    const LMArticlesGroup& articlesGroup() const { return myArticlesGroup; }
    const LMPageConstraint& pageConstraint() const { return myPageConstraint; }
    const LMThematicCategorySet& categories() const { return myCategories; }

    // Copies of the document-wide filter with the rules of the element added; a null element
    // gives the document-wide filter itself.
    void parseFilter(const LMXMLElement& theFilterElement, LMArticlesGroup* theArticlesGroup,
                     LMPageConstraint* thePageConstraint, LMThematicCategorySet* theCategories) const;
    // Sets the template's articles, page constraint and subcategories from parseFilter.
    void readFilter(LMTemplate* theTemplate, const LMXMLElement& theFilterElement) const;
    // The union of the articles of all "template" children's filters, each on top of the
    // document-wide filter.
    LMArticlesGroup parseFilters(const LMXMLElement& theElement) const;

private:
    LMArticlesGroup myArticlesGroup;
    LMPageConstraint myPageConstraint;
    LMThematicCategorySet myCategories;
};
