#pragma once

#include "LMJigKey.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"
#include "LMUnconfiguredTemplate.h"

#include <QList>

#include <algorithm>
#include <utility>

class LMAreaType;
class LMCategorization;
class LMJig;
class LMTemplateAcceptor;
class LMTemplateConfiguration;
class LMTemplateList;

// A list of template handles, with the filtering and sorting the registry, the browsing models
// and the distributors use. Filters return new lists and keep the order.
class LMTEMPLATES_EXPORT LMUnconfiguredTemplateList : public QList<LMUnconfiguredTemplate>
{
public:
    LMUnconfiguredTemplateList() = default;
    LMUnconfiguredTemplateList(std::initializer_list<LMUnconfiguredTemplate> theTemplates)
        : QList<LMUnconfiguredTemplate>(theTemplates)
    {
    }
    // Keeps only the templates the process-wide acceptance filter accepts.
    explicit LMUnconfiguredTemplateList(const QList<LMUnconfiguredTemplate>& theTemplates);

    // The process-wide acceptance filter of list construction; null accepts everything. The
    // editor installs it once at start-up; it must outlive its installation.
    static void setAcceptTemplate(const LMTemplateAcceptor* theFilter);
    static const LMTemplateAcceptor* acceptTemplate();

    // The templates the filter accepts; filtered in parallel where the thread pool allows.
    LMUnconfiguredTemplateList filter(const LMTemplateAcceptor* theFilter) const;
    LMUnconfiguredTemplateList filter(const LMJigType& theJigType) const;
    LMUnconfiguredTemplateList filterUserLayout(bool theUserLayout = true) const;
    // Some template passes the filter.
    bool filterHasMatches(const LMTemplateAcceptor* theFilter) const;
    // The first template for which thePredicate holds; the null template when none does.
    template <typename Predicate> LMUnconfiguredTemplate findFirst(Predicate&& thePredicate) const
    {
        const auto aFound = std::find_if(cbegin(), cend(), std::forward<Predicate>(thePredicate));
        return aFound == cend() ? LMUnconfiguredTemplate() : *aFound;
    }
    // Every template has areas, and all of them are of the type.
    bool hasOnly(const LMAreaType& theType) const;
    bool hasOnlyTextAreas() const;
    // The list is not empty and every template fills a content layer.
    bool isSomeTemplateThemeContent() const;
    bool hasSomeTemplateLayout() const;
    QList<LMJigKey> keys() const;
    QList<LMJig*> toJigList() const;
    static LMUnconfiguredTemplateList thisTemplateAndItsMirrors(const LMUnconfiguredTemplate& theTemplate);

    LMTemplateList toConfiguredList(const LMTemplateConfiguration& theConfiguration) const;
    // Ascending by name, case-sensitive; equal names keep their order.
    LMUnconfiguredTemplateList sortedByName() const;
    // The templates whose areas include a clipart (theWith) or none (not theWith).
    LMUnconfiguredTemplateList filterThoseWithClipart(bool theWith) const;
    LMUnconfiguredTemplateList filterThoseWithText(bool theWith) const;
    // The thematic categories every template has; when they share none, all of them.
    LMThematicCategorySet preferredThematicCategories() const;
    // The union of the categorisations of all templates.
    LMCategorization combinedCategories() const;
    // Gives every template the combined categorisation (used while a design's pages are read,
    // before the templates are published) and returns the list.
    LMUnconfiguredTemplateList withCombinedCategories() const;
    // Deletes the templates (never the null template) and empties the list. Only for templates
    // the list's owner owns.
    void deleteEntriesAndClear();
};
