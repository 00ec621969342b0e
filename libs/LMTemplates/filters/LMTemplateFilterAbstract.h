#pragma once

#include "LMArticle.h"
#include "LMArticleClass.h"
#include "LMArticleVariants.h"
#include "LMContentFilterAbstract.h"
#include "LMJigType.h"
#include "LMPriceClass.h"
#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplateList.h"

#include <QList>

// The base of the template filters: one jig type it looks for, and the checks the concrete
// filters chain in their accept().
class LMTEMPLATES_EXPORT LMTemplateFilterAbstract : public LMContentFilterAbstract
{
public:
    LMTemplateFilterAbstract(const LMContentFilterParameter& theParameter, const LMJigType& theJigType);
    ~LMTemplateFilterAbstract() override;

    using LMContentFilterAbstract::accept;
    virtual LMJigType acceptableJigType() const;

    bool checkJigType(const LMUnconfiguredTemplate& theTemplate) const;
    using LMContentFilterAbstract::checkConstraints;
    bool checkConstraints(const LMUnconfiguredTemplate& theTemplate, bool theExplicitOnly,
                          bool theIgnoreVariants) const;
    bool checkTemplateVisibility(const LMUnconfiguredTemplate& theTemplate) const;
    bool checkSubcategory(const LMUnconfiguredTemplate& theTemplate) const;
    // On cover pages (page types 768) only linen-capable templates.
    bool checkLinnenCapable(const LMUnconfiguredTemplate& theTemplate) const;

    // The add-on article the first of the filter's articles names for a priced class; the null
    // article for a free class.
    LMArticle findAddOnArticle(const LMPriceClass& thePriceClass) const;
    // As above; when the class itself names none, the first frame construction class that does.
    LMArticle findAddOnArticle(const LMPriceClass& thePriceClass,
                               const QList<LMPriceClass>& theFrameConstructionPriceClasses) const;
    // The add-on can be made in every variant the template needs; a null add-on fails.
    bool checkAddOnAvailable(const LMArticle& theAddOn, const LMPriceClass& thePriceClass,
                             const LMArticleVariants& theVariants) const;
    // True when the parameter makes the template's page type mandatory for the article class and
    // the template is not made for it.
    bool excludeTemplateNonMatchingTargetPageType(const LMUnconfiguredTemplate& theTemplate,
                                                  const LMArticleClass& theArticleClass) const;
    bool acceptContentCategory(const LMUnconfiguredTemplate& theTemplate) const;
    bool spotColorIsOkay(const LMUnconfiguredTemplate& theTemplate) const;
    bool checkRequiredVariant(const LMUnconfiguredTemplate& theTemplate) const;

protected:
    // The validity and jig type checks every chain starts with.
    bool checkBasics(const LMUnconfiguredTemplate& theTemplate) const;
    // The templates of the template's bundle; the template alone when it has none.
    static LMUnconfiguredTemplateList bundleTemplates(const LMUnconfiguredTemplate& theTemplate);

private:
    LMJigType myJigType;
};
