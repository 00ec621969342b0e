#pragma once

#include "LMArticleList.h"
#include "LMConfiguredTemplate.h"
#include "LMDesignElementIDSet.h"
#include "LMJigKey.h"
#include "LMPriceClassSet.h"
#include "LMSpotColor.h"
#include "LMTemplatesExport.h"
#include "LMThematicCategorySet.h"

#include <QList>
#include <QSet>

#include <memory>

class LMAreaType;
class LMJig;
class LMTemplateAcceptor;
class LMTemplateLayerType;
class LMUnconfiguredTemplateList;
class QMimeData;

// A list of configured templates, with the filtering and sorting of the registry and the browsing
// models, and the drag payload "text/template-list" (each template's unique name and
// configuration text). Filters return new lists and keep the order.
class LMTEMPLATES_EXPORT LMTemplateList : public QList<LMConfiguredTemplate>
{
public:
    LMTemplateList() = default;
    LMTemplateList(std::initializer_list<LMConfiguredTemplate> theTemplates) : QList<LMConfiguredTemplate>(theTemplates)
    {
    }
    // Keeps only the templates the process-wide acceptance filter accepts.
    explicit LMTemplateList(const QList<LMConfiguredTemplate>& theTemplates);
    // The templates of a drag payload, found by unique name through the installed template
    // lookup; names nobody knows are left out. Only accepted templates are kept.
    explicit LMTemplateList(const QMimeData* theMimeData);

    static const QString ourMimeFormat;

    static void setAcceptTemplate(const LMTemplateAcceptor* theFilter);
    static const LMTemplateAcceptor* acceptTemplate();

    // The handles, in list order.
    LMUnconfiguredTemplateList unconfiguredTemplates() const;

    // ---- As for unconfigured lists ----------------------------------------------------------
    LMTemplateList filter(const LMTemplateAcceptor* theFilter) const;
    LMTemplateList filter(const LMJigType& theJigType) const;
    LMTemplateList filterUserLayout(bool theUserLayout = true) const;
    bool filterHasMatches(const LMTemplateAcceptor* theFilter) const;
    bool hasOnly(const LMAreaType& theType) const;
    bool hasOnlyTextAreas() const;
    bool isSomeTemplateThemeContent() const;
    bool hasSomeTemplateLayout() const;
    QList<LMJigKey> keys() const;
    QList<LMJig*> toJigList() const;
    // The template, then its mirrored copies (belonging to the caller), with its configuration.
    static LMTemplateList thisTemplateAndItsMirrors(const LMConfiguredTemplate& theTemplate);

    // ---- Configured lists -------------------------------------------------------------------
    void configureTemplates(const LMTemplateConfiguration& theConfiguration);
    void setCssSheetByTitle(const QString& theTitle);
    // The templates whose layer shares a bit with the type.
    LMTemplateList filterTemplates(const LMTemplateLayerType& theLayerType) const;
    // The templates of a free price class (theFree) or of a priced one.
    LMTemplateList filterFree(bool theFree) const;
    // The templates filed under one of the categories; an empty set keeps all.
    LMTemplateList filter(const LMThematicCategorySet& theCategories) const;
    // Favourites first, each part in its order.
    LMTemplateList sortFavouritesFirst() const;
    // The first background template; the null configured template when there is none.
    LMConfiguredTemplate findBackground() const;
    LMDesignElementIDSet designElementIDs() const;
    void removeInvalidDesignElementIds();
    // The CSS sheets the templates' areas offer.
    QSet<QString> availableCssSheetSet() const;
    // The sheets, as categories to choose them by.
    LMThematicCategorySet cssSheetCategories() const;
    LMThematicCategorySet thematicCategories() const;
    // The explicit articles of all templates, each once, in list order.
    LMArticleList allowedArticles() const;
    LMPriceClassSet allPriceClasses() const;
    // The spot colour most templates have; none when no template has one.
    LMSpotColor recommendedSpotColor() const;
    // Some template is a colour variant of a multi-colour design.
    bool showMultiColorHint() const;
    // Some template's calendar shows holidays / the user's own events.
    bool showCalendarHolidayHint() const;
    bool showCalendarCustomEntriesHint() const;

    // The drag payload: for every template its unique name and configuration text.
    std::unique_ptr<QMimeData> toMimeData() const;
    static bool containsTemplates(const QMimeData* theMimeData);
    // Deletes the templates (never the null template) and empties the list. Only for templates
    // the list's owner owns.
    void deleteEntriesAndClear();
};
