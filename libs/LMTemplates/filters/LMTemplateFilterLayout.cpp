#include "LMTemplateFilterLayout.h"

#include "LMBasisSettings.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMUnconfiguredTemplate.h"

#include <QRegularExpression>

#include <algorithm>

LMTemplateFilterLayout::LMTemplateFilterLayout(const LMContentFilterParameter& theParameter)
    : LMTemplateFilterAbstract(theParameter, LMJigTypeEnum::Layout)
{
}

LMTemplateFilterLayout::~LMTemplateFilterLayout() = default;

bool LMTemplateFilterLayout::accept(const LMUnconfiguredTemplate& theTemplate) const
{
    if (!checkBasics(theTemplate) || !checkSearchKeyword(theTemplate) || !checkNumberOfFotoAreas(theTemplate)
        || !checkCliparts(theTemplate))
        return false;
    const bool aNamesArticle = !theTemplate->explicitArticles().isEmpty();
    return checkConstraints(theTemplate, aNamesArticle, false) && checkJigStatus(theTemplate)
        && checkTemplateVisibility(theTemplate) && weAreOnAUsablePage()
        && (acceptTheCategoryAll() || checkCategorization(theTemplate)) && checkSpecialArticle(theTemplate);
}

bool LMTemplateFilterLayout::checkSearchKeyword(const LMUnconfiguredTemplate& theTemplate) const
{
    const QString& aKeyword = parameter().searchKeyword();
    if (aKeyword.isEmpty() || checkIsSearchedOne(*theTemplate))
        return true;
    if (!LMBasisSettings::instance()->runsInMasterMode())
        return false;
    // Content authors search layouts by the words of their names.
    static const QRegularExpression ourBlanks(QStringLiteral("\\s+"));
    const QStringList aWords = aKeyword.split(ourBlanks, Qt::SkipEmptyParts);
    const QString& aName = theTemplate->name();
    return !aWords.isEmpty() && std::all_of(aWords.cbegin(), aWords.cend(), [&aName](const QString& aWord) {
        return aName.contains(aWord, Qt::CaseInsensitive);
    });
}

bool LMTemplateFilterLayout::checkCliparts(const LMUnconfiguredTemplate& theTemplate) const
{
    if (myAllowCliparts || theTemplate->isUserLayout() || LMBasisSettings::instance()->runsInMasterMode())
        return true;
    for (const LMTemplateAreaDefinition* anArea : theTemplate->areaDefinitions()) {
        const auto* aClipart = dynamic_cast<const LMTemplateAreaDefinitionClipart*>(anArea);
        if (aClipart && !aClipart->hasClipart())
            return false;
    }
    return true;
}

bool LMTemplateFilterLayout::checkJigStatus(const LMUnconfiguredTemplate& theTemplate) const
{
    return theTemplate->jigStatus().hasStatus(myJigStatus);
}

bool LMTemplateFilterLayout::checkSpecialArticle(const LMUnconfiguredTemplate& theTemplate) const
{
    const LMArticleList anArticles = articles();
    const bool aSpecial = std::any_of(anArticles.cbegin(), anArticles.cend(),
                                      [](const LMArticle& anArticle) { return anArticle.id() == SPECIAL_ARTICLE_ID; });
    return !aSpecial || !theTemplate->contextGroup().isPageType(LMPageTypeEnum::InnerPage);
}
