#include "LMTemplateFactoryXMLAbstract.h"

#include "LMCategoryType.h"
#include "LMTemplate.h"
#include "LMTemplateFilterFactory.h"
#include "LMTemplateIO.h"
#include "LMXMLElement.h"

#include <QDomElement>

LMTemplateFactoryXMLAbstract::LMTemplateFactoryXMLAbstract() = default;

LMTemplateFactoryXMLAbstract::LMTemplateFactoryXMLAbstract(const LMXMLElement& theFilterElement)
{
    parseFilterForAllTemplates(theFilterElement);
}

void LMTemplateFactoryXMLAbstract::parseFilterForAllTemplates(const LMXMLElement& theFilterElement)
{
    myArticlesGroup = LMArticlesGroup();
    myPageConstraint = LMPageConstraint();
    myCategories = LMThematicCategorySet();
    LMTemplateFilterFactory::parseFilter(theFilterElement, &myArticlesGroup, &myPageConstraint, &myCategories, nullptr);
    myCategories = LMThematicCategorySet::shared(myCategories);
}

void LMTemplateFactoryXMLAbstract::parseFilter(const LMXMLElement& theFilterElement, LMArticlesGroup* theArticlesGroup,
                                               LMPageConstraint* thePageConstraint,
                                               LMThematicCategorySet* theCategories) const
{
    Q_ASSERT_X(theArticlesGroup && thePageConstraint && theCategories, "LMTemplateFactoryXMLAbstract::parseFilter",
               "null output");
    *theArticlesGroup = myArticlesGroup;
    *thePageConstraint = myPageConstraint;
    *theCategories = myCategories;
    LMTemplateFilterFactory::parseFilter(theFilterElement, theArticlesGroup, thePageConstraint, theCategories, nullptr);
}

void LMTemplateFactoryXMLAbstract::readFilter(LMTemplate* theTemplate, const LMXMLElement& theFilterElement) const
{
    Q_ASSERT_X(theTemplate, "LMTemplateFactoryXMLAbstract::readFilter", "no template");
    LMArticlesGroup aGroup;
    LMPageConstraint aConstraint;
    LMThematicCategorySet aCategories;
    parseFilter(theFilterElement, &aGroup, &aConstraint, &aCategories);
    theTemplate->setArticleGroup(aGroup);
    theTemplate->setPageConstraint(aConstraint);
    // Most templates add nothing to the file's set and keep it as it is, without the shared table.
    theTemplate->setThematicCategories(LMCategoryType(LMCategoryTypeEnum::Subcategory),
                                       aCategories == myCategories ? myCategories
                                                                   : LMThematicCategorySet::shared(aCategories));
}

LMArticlesGroup LMTemplateFactoryXMLAbstract::parseFilters(const LMXMLElement& theElement) const
{
    LMArticlesGroup aResult;
    for (LMXMLElement aTemplate = theElement.firstChildElement(LMTemplateIO::WORD_TEMPLATE); !aTemplate.isNull();
         aTemplate = aTemplate.nextSiblingElement(LMTemplateIO::WORD_TEMPLATE)) {
        LMArticlesGroup aGroup;
        LMPageConstraint aConstraint;
        LMThematicCategorySet aCategories;
        parseFilter(aTemplate.firstChildElement(LMTemplateIO::WORD_FILTER), &aGroup, &aConstraint, &aCategories);
        aResult.unite(aGroup);
    }
    return aResult;
}
