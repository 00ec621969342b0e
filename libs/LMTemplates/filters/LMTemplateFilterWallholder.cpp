#include "LMTemplateFilterWallholder.h"

#include <QJsonObject>

#include "LMTemplate.h"
#include "LMUnconfiguredTemplate.h"

LMTemplateFilterWallholder::LMTemplateFilterWallholder(const LMContentFilterParameter& theParameter)
    : LMTemplateFilterAbstract(theParameter, LMJigTypeEnum::Wallholder)
{
}

LMTemplateFilterWallholder::~LMTemplateFilterWallholder() = default;

bool LMTemplateFilterWallholder::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    return checkBasics(theTemplate) && checkTemplateVisibility(theTemplate)
        && checkConstraints(theTemplate, false, false) && checkSubcategory(theTemplate)
        && checkWallholderAddOnAvailable(theTemplate) && checkRequiredAddOns(theTemplate);
}

bool LMTemplateFilterWallholder::checkWallholderAddOnAvailable(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMPriceClass& aPriceClass = theTemplate->priceClass();
    return aPriceClass.isFree() || !findAddOnArticle(aPriceClass).isNull();
}

bool LMTemplateFilterWallholder::checkRequiredAddOns(const LMUnconfiguredTemplate& theTemplate) const
{
    if (!theTemplate->isRemoveItem())
        return true;
    const LMArticleList anArticles = articles();
    return anArticles.isEmpty()
        || !anArticles.first().catalogueEntry().value(QStringLiteral("requiresWallholder")).toBool();
}
