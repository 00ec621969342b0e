#include "LMTemplateList.h"

#include "LMConcurrent.h"
#include "LMTemplate.h"
#include "LMTemplateAcceptor.h"
#include "LMTemplateLookup.h"
#include "LMTemplatesLogging.h"
#include "LMUnconfiguredTemplateList.h"

#include <QDataStream>
#include <QMimeData>

#include <algorithm>
#include <atomic>

const QString LMTemplateList::ourMimeFormat = QStringLiteral("text/template-list");

namespace {
std::atomic<const LMTemplateAcceptor*> ourAcceptTemplate { nullptr };

template <typename Predicate> LMTemplateList filtered(const LMTemplateList& theList, Predicate thePredicate)
{
    LMTemplateList aResult;
    std::copy_if(theList.cbegin(), theList.cend(), std::back_inserter(aResult), thePredicate);
    return aResult;
}
} // namespace

LMTemplateList::LMTemplateList(const QList<LMConfiguredTemplate>& theTemplates)
    : QList<LMConfiguredTemplate>(theTemplates)
{
    if (const LMTemplateAcceptor* anAcceptor = acceptTemplate())
        *this = filter(anAcceptor);
}

LMTemplateList::LMTemplateList(const QMimeData* theMimeData)
{
    if (!containsTemplates(theMimeData))
        return;
    const LMTemplateLookup* aLookup = LMTemplateLookup::installed();
    QDataStream aStream(theMimeData->data(ourMimeFormat));
    while (!aStream.atEnd()) {
        QString aName;
        aStream >> aName;
        if (aStream.status() != QDataStream::Ok) {
            qCWarning(lcModel) << "Broken template drag data after" << size() << "templates";
            break;
        }
        LMUnconfiguredTemplate aTemplate = aLookup ? aLookup->findTemplateByName(aName) : LMUnconfiguredTemplate();
        // Without a configuration text the template keeps the default rule.
        LMConfiguredTemplate aConfigured(aTemplate);
        if (!aStream.atEnd()) {
            QString aText;
            aStream >> aText;
            aConfigured.setConfiguration(LMTemplateConfiguration::deserialize(aText));
        }
        if (aTemplate.isNull()) {
            qCWarning(lcModel) << "Dragged template" << aName << "is not known";
            continue;
        }
        append(aConfigured);
    }
    if (const LMTemplateAcceptor* anAcceptor = acceptTemplate())
        *this = filter(anAcceptor);
}

void LMTemplateList::setAcceptTemplate(const LMTemplateAcceptor* theFilter)
{
    ourAcceptTemplate.store(theFilter, std::memory_order_release);
}

const LMTemplateAcceptor* LMTemplateList::acceptTemplate()
{
    return ourAcceptTemplate.load(std::memory_order_acquire);
}

// ---- As for unconfigured lists --------------------------------------------------------------

LMTemplateList LMTemplateList::filter(const LMTemplateAcceptor* theFilter) const
{
    Q_ASSERT_X(theFilter, "LMTemplateList::filter", "a filter is needed");
    LMTemplateList aResult;
    static_cast<QList<LMConfiguredTemplate>&>(aResult) = LMConcurrent::blockingFiltered(
        static_cast<const QList<LMConfiguredTemplate>&>(*this), [theFilter](const LMConfiguredTemplate& theTemplate) {
            return theFilter->acceptTemplate(theTemplate.unconfiguredTemplate());
        });
    return aResult;
}

LMTemplateList LMTemplateList::filter(const LMJigType& theJigType) const
{
    return filtered(*this, [&](const LMConfiguredTemplate& theTemplate) { return theTemplate->isJigType(theJigType); });
}

LMTemplateList LMTemplateList::filterUserLayout(bool theUserLayout) const
{
    return filtered(
        *this, [&](const LMConfiguredTemplate& theTemplate) { return theTemplate->isUserLayout() == theUserLayout; });
}

// The questions about the templates alone are the unconfigured list's.
LMUnconfiguredTemplateList LMTemplateList::unconfiguredTemplates() const
{
    LMUnconfiguredTemplateList aTemplates;
    aTemplates.reserve(size());
    for (const LMConfiguredTemplate& aTemplate : *this)
        aTemplates.append(aTemplate.unconfiguredTemplate());
    return aTemplates;
}

bool LMTemplateList::filterHasMatches(const LMTemplateAcceptor* theFilter) const
{
    return unconfiguredTemplates().filterHasMatches(theFilter);
}

bool LMTemplateList::hasOnly(const LMAreaType& theType) const
{
    return unconfiguredTemplates().hasOnly(theType);
}

bool LMTemplateList::hasOnlyTextAreas() const
{
    return unconfiguredTemplates().hasOnlyTextAreas();
}

bool LMTemplateList::isSomeTemplateThemeContent() const
{
    return unconfiguredTemplates().isSomeTemplateThemeContent();
}

bool LMTemplateList::hasSomeTemplateLayout() const
{
    return unconfiguredTemplates().hasSomeTemplateLayout();
}

QList<LMJigKey> LMTemplateList::keys() const
{
    return unconfiguredTemplates().keys();
}

QList<LMJig*> LMTemplateList::toJigList() const
{
    return unconfiguredTemplates().toJigList();
}

LMTemplateList LMTemplateList::thisTemplateAndItsMirrors(const LMConfiguredTemplate& theTemplate)
{
    LMTemplateList aResult;
    const LMUnconfiguredTemplateList aTemplates
        = LMUnconfiguredTemplate::thisTemplateAndItsMirrors(theTemplate.unconfiguredTemplate());
    for (const LMUnconfiguredTemplate& aTemplate : aTemplates) {
        LMConfiguredTemplate aConfigured(aTemplate);
        aConfigured.setConfiguration(theTemplate.configuration());
        aResult.append(aConfigured);
    }
    return aResult;
}

// ---- Configured lists -----------------------------------------------------------------------

void LMTemplateList::configureTemplates(const LMTemplateConfiguration& theConfiguration)
{
    for (LMConfiguredTemplate& aTemplate : *this)
        aTemplate = LMConfiguredTemplate(aTemplate.unconfiguredTemplate(), theConfiguration);
}

void LMTemplateList::setCssSheetByTitle(const QString& theTitle)
{
    for (LMConfiguredTemplate& aTemplate : *this)
        aTemplate.setCssSheetByTitle(theTitle);
}

LMTemplateList LMTemplateList::filterTemplates(const LMTemplateLayerType& theLayerType) const
{
    return filtered(*this, [&](const LMConfiguredTemplate& theTemplate) {
        return theTemplate->isTemplateContentType(theLayerType);
    });
}

LMTemplateList LMTemplateList::filterFree(bool theFree) const
{
    return filtered(
        *this, [&](const LMConfiguredTemplate& theTemplate) { return theTemplate->priceClass().isFree() == theFree; });
}

LMTemplateList LMTemplateList::filter(const LMThematicCategorySet& theCategories) const
{
    if (theCategories.isEmpty())
        return *this;
    return filtered(*this, [&](const LMConfiguredTemplate& theTemplate) {
        return theTemplate->categorization().allCategories().intersects(theCategories);
    });
}

LMTemplateList LMTemplateList::sortFavouritesFirst() const
{
    LMTemplateList aResult = *this;
    std::stable_partition(aResult.begin(), aResult.end(),
                          [](const LMConfiguredTemplate& theTemplate) { return theTemplate->isFavorite(); });
    return aResult;
}

LMConfiguredTemplate LMTemplateList::findBackground() const
{
    const auto anIt = std::find_if(cbegin(), cend(),
                                   [](const LMConfiguredTemplate& theTemplate) { return theTemplate->isBackground(); });
    return anIt == cend() ? LMConfiguredTemplate() : *anIt;
}

LMDesignElementIDSet LMTemplateList::designElementIDs() const
{
    LMDesignElementIDSet anIds;
    for (const LMConfiguredTemplate& aTemplate : *this) {
        if (aTemplate->designElementID().isValid())
            anIds.insert(aTemplate->designElementID());
    }
    return anIds;
}

void LMTemplateList::removeInvalidDesignElementIds()
{
    removeIf([](const LMConfiguredTemplate& theTemplate) { return !theTemplate->designElementID().isValid(); });
}

QSet<QString> LMTemplateList::availableCssSheetSet() const
{
    QSet<QString> aSheets;
    for (const LMConfiguredTemplate& aTemplate : *this) {
        const QStringList aTemplateSheets = aTemplate->areaDefinitions().availableCssSheets();
        aSheets.unite(QSet<QString>(aTemplateSheets.cbegin(), aTemplateSheets.cend()));
    }
    return aSheets;
}

LMThematicCategorySet LMTemplateList::cssSheetCategories() const
{
    LMThematicCategorySet aCategories;
    const QSet<QString> aSheets = availableCssSheetSet();
    for (const QString& aSheet : aSheets)
        aCategories.insert(LMThematicCategory(aSheet));
    return aCategories;
}

LMThematicCategorySet LMTemplateList::thematicCategories() const
{
    LMThematicCategorySet aCategories;
    for (const LMConfiguredTemplate& aTemplate : *this)
        aCategories.unite(aTemplate->categorization().allCategories());
    return aCategories;
}

LMArticleList LMTemplateList::allowedArticles() const
{
    LMArticleList anArticles;
    for (const LMConfiguredTemplate& aTemplate : *this) {
        const LMArticleList aTemplateArticles = aTemplate->explicitArticles();
        for (const LMArticle& anArticle : aTemplateArticles) {
            if (!anArticles.contains(anArticle))
                anArticles.append(anArticle);
        }
    }
    return anArticles;
}

LMPriceClassSet LMTemplateList::allPriceClasses() const
{
    LMPriceClassSet aClasses;
    for (const LMConfiguredTemplate& aTemplate : *this)
        aClasses.insert(aTemplate->priceClass());
    return aClasses;
}

LMSpotColor LMTemplateList::recommendedSpotColor() const
{
    // Counted in list order, so that of equally frequent colours the first met wins.
    QList<QPair<LMSpotColor, int>> aCounts;
    for (const LMConfiguredTemplate& aTemplate : *this) {
        const LMSpotColor& aColor = aTemplate->spotColor();
        if (!aColor.isValid())
            continue;
        const auto anIt = std::find_if(aCounts.begin(), aCounts.end(),
                                       [&](const auto& theCount) { return theCount.first == aColor; });
        if (anIt == aCounts.end())
            aCounts.append({ aColor, 1 });
        else
            ++anIt->second;
    }
    const auto aBest = std::max_element(aCounts.cbegin(), aCounts.cend(),
                                        [](const auto& theA, const auto& theB) { return theA.second < theB.second; });
    return aBest == aCounts.cend() ? LMSpotColor() : aBest->first;
}

bool LMTemplateList::showMultiColorHint() const
{
    return std::any_of(cbegin(), cend(),
                       [](const LMConfiguredTemplate& theTemplate) { return theTemplate->isMultiColor(); });
}

bool LMTemplateList::showCalendarHolidayHint() const
{
    return std::any_of(cbegin(), cend(),
                       [](const LMConfiguredTemplate& theTemplate) { return theTemplate->allowHolidays(); });
}

bool LMTemplateList::showCalendarCustomEntriesHint() const
{
    return std::any_of(cbegin(), cend(),
                       [](const LMConfiguredTemplate& theTemplate) { return theTemplate->allowCustomEvents(); });
}

std::unique_ptr<QMimeData> LMTemplateList::toMimeData() const
{
    QByteArray aData;
    QDataStream aStream(&aData, QIODevice::WriteOnly);
    for (const LMConfiguredTemplate& aTemplate : *this)
        aStream << aTemplate.uniqueName() << aTemplate.configuration().serialize();
    auto aMimeData = std::make_unique<QMimeData>();
    aMimeData->setData(ourMimeFormat, aData);
    return aMimeData;
}

bool LMTemplateList::containsTemplates(const QMimeData* theMimeData)
{
    return theMimeData && theMimeData->hasFormat(ourMimeFormat);
}

void LMTemplateList::deleteEntriesAndClear()
{
    LMUnconfiguredTemplateList aTemplates = unconfiguredTemplates();
    aTemplates.deleteEntriesAndClear();
    clear();
}
