#include "LMDesignStyleTemplates.h"

#include "LMPageAlignment.h"
#include "LMTemplate.h"
#include "LMTemplateContext.h"
#include "LMTemplateRegistry.h"

#include <QDomElement>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>

namespace {
const QString STR_TEMPLATES = QStringLiteral("templates");
const QString STR_SYNTHESIZED_PAGE = QStringLiteral("synthesized_page_%1");
constexpr qint32 INNER_PAGE_TYPES
    = qint32(LMPageTypeEnum::FirstPage) | qint32(LMPageTypeEnum::InnerPage) | qint32(LMPageTypeEnum::LastPage);

// The layout names of the collections grouped by the name without its variant suffix, in name
// order; each group in name order.
QList<QStringList> layoutGroups(const QList<LMDesignElementID>& theCollections)
{
    static const QRegularExpression ourVariant(QStringLiteral("(_[xyz])$"));
    QMap<QString, QStringList> aGroups;
    for (const LMDesignElementID& anId : theCollections) {
        for (const LMUnconfiguredTemplate& aLayout :
             LMTemplateRegistry::instance()->allTemplatesByDesignElementId(anId)) {
            if (!aLayout.isJigType(LMJigTypeEnum::Layout))
                continue;
            const QString aName = aLayout.name();
            QString aGroup = aName;
            aGroup.remove(ourVariant);
            if (!aGroups[aGroup].contains(aName))
                aGroups[aGroup].append(aName);
        }
    }
    QList<QStringList> aResult;
    for (QStringList& aGroup : aGroups) {
        aGroup.sort();
        aResult.append(aGroup);
    }
    return aResult;
}

} // namespace

LMDesignStyleTemplates::LMDesignStyleTemplates(const QDomElement& theElement)
{
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        append(LMDesignStyleTemplate(aChild));
}

void LMDesignStyleTemplates::append(const LMDesignStyleTemplate& theTemplate)
{
    if (theTemplate.isValid())
        myTemplates.append(theTemplate);
}

LMDesignStyleTemplate LMDesignStyleTemplates::templateByName(const QString& theName) const
{
    for (const LMDesignStyleTemplate& aTemplate : myTemplates) {
        if (aTemplate.name() == theName)
            return aTemplate;
    }
    return LMDesignStyleTemplate();
}

LMOrientation LMDesignStyleTemplates::supportedOrientations() const
{
    LMOrientation anOrientations;
    for (const LMDesignStyleTemplate& aTemplate : myTemplates)
        anOrientations |= aTemplate.orientations();
    return anOrientations;
}

void LMDesignStyleTemplates::buildXML(QDomElement& theParent) const
{
    QDomElement aTemplates = theParent.ownerDocument().createElement(STR_TEMPLATES);
    for (const LMDesignStyleTemplate& aTemplate : myTemplates)
        aTemplate.buildXML(aTemplates);
    theParent.appendChild(aTemplates);
}

QString LMDesignStyleTemplates::toDebugString() const
{
    QStringList aLines { QStringLiteral(" Templates:") };
    for (const LMDesignStyleTemplate& aTemplate : myTemplates)
        aLines << aTemplate.toDebugString();
    return aLines.join(QLatin1Char('\n'));
}

LMDesignStyleLayoutRuleSetBundle LMDesignStyleTemplates::bundleForPage(const QString& theName,
                                                                       const LMOrientation& theOrientation) const
{
    return templateByName(theName).bundle(theOrientation);
}

QStringList LMDesignStyleTemplates::ruleSetNamesForPage(const QString& theName,
                                                        const LMOrientation& theOrientation) const
{
    return bundleForPage(theName, theOrientation).ruleSetNames();
}

QList<LMDesignElementID>
LMDesignStyleTemplates::layoutCollectionIDsForOrientation(const QString& theName,
                                                          const LMOrientation& theOrientation) const
{
    return bundleForPage(theName, theOrientation).layouts().layoutCollectionIDs();
}

LMAreaDefinitionResult LMDesignStyleTemplates::areaDefinitionsForPage(const QString& theName,
                                                                      const LMTemplateContext& theContext,
                                                                      const LMFotoList& theFotos,
                                                                      const LMPageAlignment& theAlignment) const
{
    const LMDesignStyleLayoutRuleSetBundle aBundle = bundleForPage(theName, theContext.orientation());
    if (!aBundle.isValid())
        return LMAreaDefinitionResult();
    const LMDesignStyleLayouts& aLayouts = aBundle.layouts();
    if (!aLayouts.layoutName(theContext.pageType()).isEmpty())
        return aLayouts.createDefinitionsForNamedPage(theContext.pageType(), theFotos);
    return aLayouts.createDefinitionsDynamically(theContext, theFotos, theAlignment);
}

LMDesignElementIDSet LMDesignStyleTemplates::requiredDesignElementIDs(const LMOrientation& theOrientation) const
{
    LMDesignElementIDSet anIds;
    for (const LMDesignStyleTemplate& aTemplate : myTemplates) {
        if (theOrientation.isValid()) {
            anIds.unite(aTemplate.bundle(theOrientation).layouts().requiredDesignElementIDs());
            continue;
        }
        for (const LMDesignStyleLayoutRuleSetBundle& aBundle : aTemplate.bundles())
            anIds.unite(aBundle.layouts().requiredDesignElementIDs());
    }
    return anIds;
}

bool LMDesignStyleTemplates::canHaveOsmMap() const
{
    for (const LMDesignStyleTemplate& aTemplate : myTemplates) {
        for (const LMDesignStyleLayoutRuleSetBundle& aBundle : aTemplate.bundles()) {
            for (const LMPageType& aPageType : LMPageType(LMPageType::fromInt(0x7fffffff)).singlePageTypes()) {
                const LMConfiguredTemplate aLayout = aBundle.layouts().findNamedLayout(aPageType);
                if (aLayout.isValid() && aLayout->areaDefinitions().containsOsmMaps())
                    return true;
            }
        }
    }
    return false;
}

int LMDesignStyleTemplates::createVirtualTemplatesForDesignStyleV2FromName(const QString& theName, int theCount)
{
    const LMDesignStyleTemplate aSource = templateByName(theName);
    const QHash<LMOrientation, LMDesignStyleLayoutRuleSetBundle> aBundles = aSource.bundles();
    // Sorted by orientation, so that the templates come out the same on every run.
    QMap<qint32, std::pair<LMDesignStyleLayoutRuleSetBundle, QList<QStringList>>> aByOrientation;
    for (auto anIt = aBundles.cbegin(); anIt != aBundles.cend(); ++anIt) {
        const QList<QStringList> aGroups = layoutGroups(anIt.value().layouts().layoutCollectionIDs());
        if (!aGroups.isEmpty())
            aByOrientation.insert(anIt.key().value(), { anIt.value(), aGroups });
    }
    if (aByOrientation.isEmpty())
        return 0;
    for (int anIndex = 1; anIndex <= theCount; ++anIndex) {
        LMDesignStyleTemplate aTemplate(STR_SYNTHESIZED_PAGE.arg(anIndex, 3, 10, QLatin1Char('0')));
        for (auto anIt = aByOrientation.cbegin(); anIt != aByOrientation.cend(); ++anIt) {
            const auto& [aBundle, aGroups] = anIt.value();
            LMDesignStyleLayouts aLayouts = aBundle.layouts();
            aLayouts.setLayoutName(LMPageType::fromInt(INNER_PAGE_TYPES),
                                   aGroups.at((anIndex - 1) % aGroups.size()).first());
            aTemplate.insert(
                LMDesignStyleLayoutRuleSetBundle(LMOrientation::fromInt(anIt.key()), aLayouts, aBundle.ruleSetNames()));
        }
        append(aTemplate);
    }
    return theCount;
}
