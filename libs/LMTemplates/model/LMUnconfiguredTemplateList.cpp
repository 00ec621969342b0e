#include "LMUnconfiguredTemplateList.h"

#include "LMConcurrent.h"
#include "LMTemplate.h"
#include "LMTemplateAcceptor.h"
#include "LMTemplateList.h"

#include <algorithm>
#include <atomic>

namespace {
std::atomic<const LMTemplateAcceptor*> ourAcceptTemplate { nullptr };

template <typename Predicate>
LMUnconfiguredTemplateList filtered(const LMUnconfiguredTemplateList& theList, Predicate thePredicate)
{
    LMUnconfiguredTemplateList aResult;
    std::copy_if(theList.cbegin(), theList.cend(), std::back_inserter(aResult), thePredicate);
    return aResult;
}
} // namespace

LMUnconfiguredTemplateList::LMUnconfiguredTemplateList(const QList<LMUnconfiguredTemplate>& theTemplates)
    : QList<LMUnconfiguredTemplate>(theTemplates)
{
    if (const LMTemplateAcceptor* anAcceptor = acceptTemplate())
        *this = filter(anAcceptor);
}

void LMUnconfiguredTemplateList::setAcceptTemplate(const LMTemplateAcceptor* theFilter)
{
    ourAcceptTemplate.store(theFilter, std::memory_order_release);
}

const LMTemplateAcceptor* LMUnconfiguredTemplateList::acceptTemplate()
{
    return ourAcceptTemplate.load(std::memory_order_acquire);
}

LMUnconfiguredTemplateList LMUnconfiguredTemplateList::filter(const LMTemplateAcceptor* theFilter) const
{
    Q_ASSERT_X(theFilter, "LMUnconfiguredTemplateList::filter", "a filter is needed");
    LMUnconfiguredTemplateList aResult;
    static_cast<QList<LMUnconfiguredTemplate>&>(aResult) = LMConcurrent::blockingFiltered(
        static_cast<const QList<LMUnconfiguredTemplate>&>(*this),
        [theFilter](const LMUnconfiguredTemplate& theTemplate) { return theFilter->acceptTemplate(theTemplate); });
    return aResult;
}

LMUnconfiguredTemplateList LMUnconfiguredTemplateList::filter(const LMJigType& theJigType) const
{
    return filtered(*this,
                    [&](const LMUnconfiguredTemplate& theTemplate) { return theTemplate.isJigType(theJigType); });
}

LMUnconfiguredTemplateList LMUnconfiguredTemplateList::filterUserLayout(bool theUserLayout) const
{
    return filtered(
        *this, [&](const LMUnconfiguredTemplate& theTemplate) { return theTemplate->isUserLayout() == theUserLayout; });
}

bool LMUnconfiguredTemplateList::filterHasMatches(const LMTemplateAcceptor* theFilter) const
{
    Q_ASSERT_X(theFilter, "LMUnconfiguredTemplateList::filterHasMatches", "a filter is needed");
    return std::any_of(cbegin(), cend(), [theFilter](const LMUnconfiguredTemplate& theTemplate) {
        return theFilter->acceptTemplate(theTemplate);
    });
}

bool LMUnconfiguredTemplateList::hasOnly(const LMAreaType& theType) const
{
    return std::all_of(cbegin(), cend(), [&](const LMUnconfiguredTemplate& theTemplate) {
        const LMTemplateAreaDefinitionList& anAreas = theTemplate->areaDefinitions();
        return !anAreas.isEmpty() && anAreas.count(theType) == anAreas.count();
    });
}

bool LMUnconfiguredTemplateList::hasOnlyTextAreas() const
{
    return hasOnly(LMAreaTypeEnum::AllTexts);
}

bool LMUnconfiguredTemplateList::isSomeTemplateThemeContent() const
{
    return !isEmpty() && std::all_of(cbegin(), cend(), [](const LMUnconfiguredTemplate& theTemplate) {
        return theTemplate->isSomeTemplateThemeContent();
    });
}

bool LMUnconfiguredTemplateList::hasSomeTemplateLayout() const
{
    return std::any_of(cbegin(), cend(),
                       [](const LMUnconfiguredTemplate& theTemplate) { return theTemplate->hasLayout(); });
}

QList<LMJigKey> LMUnconfiguredTemplateList::keys() const
{
    QList<LMJigKey> aKeys;
    aKeys.reserve(size());
    for (const LMUnconfiguredTemplate& aTemplate : *this)
        aKeys.append(aTemplate->createKey());
    return aKeys;
}

QList<LMJig*> LMUnconfiguredTemplateList::toJigList() const
{
    QList<LMJig*> aJigs;
    aJigs.reserve(size());
    for (const LMUnconfiguredTemplate& aTemplate : *this)
        aJigs.append(aTemplate.templatePointer());
    return aJigs;
}

LMUnconfiguredTemplateList
LMUnconfiguredTemplateList::thisTemplateAndItsMirrors(const LMUnconfiguredTemplate& theTemplate)
{
    return LMUnconfiguredTemplate::thisTemplateAndItsMirrors(theTemplate);
}

LMTemplateList LMUnconfiguredTemplateList::toConfiguredList(const LMTemplateConfiguration& theConfiguration) const
{
    LMTemplateList aResult;
    aResult.reserve(size());
    for (const LMUnconfiguredTemplate& aTemplate : *this)
        aResult.append(LMConfiguredTemplate(aTemplate, theConfiguration));
    return aResult;
}

LMUnconfiguredTemplateList LMUnconfiguredTemplateList::sortedByName() const
{
    LMUnconfiguredTemplateList aResult = *this;
    std::stable_sort(aResult.begin(), aResult.end(),
                     [](const LMUnconfiguredTemplate& theA, const LMUnconfiguredTemplate& theB) {
                         return QString::compare(theA->name(), theB->name(), Qt::CaseSensitive) < 0;
                     });
    return aResult;
}

LMUnconfiguredTemplateList LMUnconfiguredTemplateList::filterThoseWithClipart(bool theWith) const
{
    return filtered(*this, [&](const LMUnconfiguredTemplate& theTemplate) {
        return (theTemplate->areaDefinitions().count(LMAreaTypeEnum::Clipart) > 0) == theWith;
    });
}

LMUnconfiguredTemplateList LMUnconfiguredTemplateList::filterThoseWithText(bool theWith) const
{
    return filtered(*this, [&](const LMUnconfiguredTemplate& theTemplate) {
        return (theTemplate->areaDefinitions().count(LMAreaTypeEnum::AllTexts) > 0) == theWith;
    });
}

LMThematicCategorySet LMUnconfiguredTemplateList::preferredThematicCategories() const
{
    if (isEmpty())
        return LMThematicCategorySet();
    LMThematicCategorySet aShared = constFirst()->categorization().allCategories();
    LMThematicCategorySet anAll = aShared;
    for (const LMUnconfiguredTemplate& aTemplate : *this) {
        const LMThematicCategorySet aCategories = aTemplate->categorization().allCategories();
        aShared.intersect(aCategories);
        anAll.unite(aCategories);
    }
    return aShared.isEmpty() ? anAll : aShared;
}

LMCategorization LMUnconfiguredTemplateList::combinedCategories() const
{
    LMCategorization aCombined;
    for (const LMUnconfiguredTemplate& aTemplate : *this)
        aCombined.unite(aTemplate->categorization());
    return aCombined;
}

LMUnconfiguredTemplateList LMUnconfiguredTemplateList::withCombinedCategories() const
{
    const LMCategorization aCombined = combinedCategories();
    for (const LMUnconfiguredTemplate& aTemplate : *this) {
        if (!aTemplate.isNull())
            aTemplate.templatePointer()->setCategorization(aCombined);
    }
    return *this;
}

void LMUnconfiguredTemplateList::deleteEntriesAndClear()
{
    // A template may stand in the list more than once; delete it once.
    QSet<LMTemplate*> aDeleted;
    for (LMUnconfiguredTemplate& aTemplate : *this) {
        if (!aTemplate.isNull() && !aDeleted.contains(aTemplate.templatePointer())) {
            aDeleted.insert(aTemplate.templatePointer());
            aTemplate.deleteTemplate();
        }
    }
    clear();
}
