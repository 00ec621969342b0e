#pragma once

#include "LMTemplatesExport.h"

class LMArticlesGroup;
class LMPageConstraint;
class LMThematicCategorySet;
class LMXMLElement;

// Reads the "filter" element of XML template files: which products, pages and subcategories a
// template is made for, and whether it is visible.
class LMTEMPLATES_EXPORT LMTemplateFilterFactory
{
public:
    // Adds the rules of the element to the given objects; any of them may be null, and its rules
    // are then read but dropped. A null element adds nothing. Each child element is one rule, its
    // tag the rule (LMTemplateFilterRule), its text the value; rules with empty text are skipped,
    // unknown tags are warned about. The products the rules describe indirectly and the articles
    // they name are added to the articles group at the end.
    static void parseFilter(const LMXMLElement& theElement, LMArticlesGroup* theArticlesGroup,
                            LMPageConstraint* thePageConstraint, LMThematicCategorySet* theCategories,
                            bool* theVisible);
};
