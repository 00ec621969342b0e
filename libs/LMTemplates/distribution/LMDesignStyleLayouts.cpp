#include "LMDesignStyleLayouts.h"

#include "LMAreaDefinitionResult.h"
#include "LMBasisSettings.h"
#include "LMDesignStyleAreas.h"
#include "LMFotoStatusRegistry.h"
#include "LMLayoutDistributor.h"
#include "LMLayoutDistributorRegistry.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionFotoContainer.h"
#include "LMTemplateContext.h"
#include "LMTemplateRegistry.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_LAYOUTS = QStringLiteral("layouts");
const QString STR_LAYOUT_COLLECTION = QStringLiteral("layoutCollection");
const QString STR_PAGE_TYPE = QStringLiteral("pageType");
const QString STR_VALUE = QStringLiteral("value");
const QString STR_ID = QStringLiteral("id");

QString idsText(const QList<LMDesignElementID>& theIds, const QString& theSeparator)
{
    QStringList aTexts;
    for (const LMDesignElementID& anId : theIds)
        aTexts.append(anId.toString());
    return aTexts.join(theSeparator);
}
} // namespace

LMDesignStyleLayouts::LMDesignStyleLayouts(const QDomElement& theElement)
{
    // Authoring mode keeps collections whose id does not parse, so that the author sees them.
    const bool aKeepInvalid = LMBasisSettings::instance()->runsInMasterMode();
    for (QDomElement aChild = theElement.firstChildElement(STR_LAYOUT_COLLECTION); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_LAYOUT_COLLECTION)) {
        const LMDesignElementID anId = LMDesignElementID::fromXmlAttribute(aChild);
        if (anId.isValid() || aKeepInvalid)
            myCollections.append(anId);
    }
    for (QDomElement aChild = theElement.firstChildElement(STR_PAGE_TYPE); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_PAGE_TYPE)) {
        const LMPageType aPageType(aChild.attribute(STR_VALUE));
        const QString aName = aChild.attribute(STR_ID);
        if (!aPageType.isValid() || aName.isEmpty())
            continue;
        for (const LMPageType& aSingle : aPageType.singlePageTypes())
            myNamedLayouts.insert(aSingle, aName);
    }
}

LMDesignStyleLayouts::LMDesignStyleLayouts(const LMPageType& thePageType, const LMDesignElementID& theCollection,
                                           const QString& theLayoutName)
{
    myCollections.append(theCollection);
    setLayoutName(thePageType, theLayoutName);
}

void LMDesignStyleLayouts::setLayoutName(const LMPageType& thePageType, const QString& theLayoutName)
{
    if (theLayoutName.isEmpty())
        return;
    for (const LMPageType& aSingle : thePageType.singlePageTypes())
        myNamedLayouts.insert(aSingle, theLayoutName);
}

LMDesignElementIDSet LMDesignStyleLayouts::requiredDesignElementIDs() const
{
    return LMDesignElementIDSet(QSet<LMDesignElementID>(myCollections.cbegin(), myCollections.cend()));
}

void LMDesignStyleLayouts::buildXML(QDomElement& theParent) const
{
    if (isNull())
        return;
    QDomDocument aDocument = theParent.ownerDocument();
    QDomElement aLayouts = aDocument.createElement(STR_LAYOUTS);
    for (const LMDesignElementID& anId : myCollections) {
        QDomElement aCollection = aDocument.createElement(STR_LAYOUT_COLLECTION);
        anId.toXML(aCollection);
        aLayouts.appendChild(aCollection);
    }
    // Sorted by page type, so that writing the same value twice gives the same file.
    QList<LMPageType> aPageTypes = myNamedLayouts.keys();
    std::sort(aPageTypes.begin(), aPageTypes.end(),
              [](const LMPageType& theA, const LMPageType& theB) { return theA.value() < theB.value(); });
    for (const LMPageType& aPageType : aPageTypes) {
        QDomElement aNamed = aDocument.createElement(STR_PAGE_TYPE);
        aNamed.setAttribute(STR_VALUE, aPageType.toString());
        aNamed.setAttribute(STR_ID, myNamedLayouts.value(aPageType));
        aLayouts.appendChild(aNamed);
    }
    theParent.appendChild(aLayouts);
}

QString LMDesignStyleLayouts::toDebugString() const
{
    QStringList aCollections;
    for (const LMDesignElementID& anId : myCollections)
        aCollections.append(anId.toString());
    QStringList aNamed;
    for (auto anIt = myNamedLayouts.cbegin(); anIt != myNamedLayouts.cend(); ++anIt)
        aNamed.append(anIt.key().toString() + QLatin1Char('=') + anIt.value());
    aNamed.sort();
    return QStringLiteral("LMDesignStyleLayouts(collections [%1], named [%2])")
        .arg(aCollections.join(QLatin1String(", ")), aNamed.join(QLatin1String(", ")));
}

quint32 LMDesignStyleLayouts::hashValue() const
{
    quint32 aSum = 0;
    for (const LMDesignElementID& anId : myCollections)
        aSum += quint32(anId.id());
    return aSum;
}

LMConfiguredTemplate LMDesignStyleLayouts::findNamedLayout(const LMPageType& thePageType) const
{
    const QString aName = layoutName(thePageType);
    if (aName.isEmpty())
        return LMConfiguredTemplate();
    const LMUnconfiguredTemplate aLayout = LMTemplateRegistry::instance()->findLayoutByName(aName, myCollections);
    return aLayout.isValid() ? LMConfiguredTemplate(aLayout) : LMConfiguredTemplate();
}

LMAreaDefinitionResult LMDesignStyleLayouts::createDefinitionsForNamedPage(const LMPageType& thePageType,
                                                                           const LMFotoList& theFotos) const
{
    const LMConfiguredTemplate aLayout = findNamedLayout(thePageType);
    if (!aLayout.isValid()) {
        qWarning("%s",
                 qUtf8Printable(QStringLiteral("layout with name '%1' in layout collections %2 not found.")
                                    .arg(layoutName(thePageType), idsText(myCollections, QStringLiteral(", ")))));
        return LMAreaDefinitionResult();
    }
    LMTemplateAreaDefinitionList anAreas = aLayout->areaDefinitionsSmartLayout();
    LMFotoList aLeftOver;
    insertFotos(theFotos, anAreas, &aLeftOver);
    return LMAreaDefinitionResult(anAreas, aLayout, aLeftOver);
}

LMAreaDefinitionResult LMDesignStyleLayouts::createDefinitionsDynamically(const LMTemplateContext& theContext,
                                                                          const LMFotoList& theFotos,
                                                                          const LMPageAlignment& theAlignment) const
{
    LMLayoutDistributor* aDistributor
        = LMLayoutDistributorRegistry::instance()->findManager(theContext.article(), *this);
    const LMConfiguredTemplate aLayout = aDistributor->findLayout(theFotos, theAlignment);
    if (!aLayout.isValid()) {
        qWarning("%s",
                 qUtf8Printable(QStringLiteral("no layout found for %1 fotos. %2")
                                    .arg(theFotos.size())
                                    .arg(idsText(myCollections, QStringLiteral(";")))));
        return LMAreaDefinitionResult();
    }
    LMTemplateAreaDefinitionList anAreas = aLayout->areaDefinitionsSmartLayout();
    LMFotoList aLeftOver;
    const LMFotoList anOrdered = aDistributor->organizeFotos(theFotos, aLayout, &aLeftOver);
    insertFotos(anOrdered, anAreas, &aLeftOver);
    return LMAreaDefinitionResult(anAreas, aLayout, aLeftOver);
}

void LMDesignStyleLayouts::insertFotos(const LMFotoList& theFotos, LMTemplateAreaDefinitionList& theAreas,
                                       LMFotoList* theLeftOver)
{
    QList<LMTemplateAreaDefinitionFotoContainer*> aFree = LMDesignStyleAreas::fotoAreasInFillingOrder(theAreas);
    aFree.removeIf([](const LMTemplateAreaDefinitionFotoContainer* theArea) { return theArea->foto().isValid(); });
    qsizetype aNext = 0;
    for (const LMFoto& aFoto : theFotos) {
        if (aNext >= aFree.size()) {
            if (theLeftOver != nullptr)
                theLeftOver->append(aFoto);
            continue;
        }
        LMTemplateAreaDefinitionFotoContainer* anArea = aFree.at(aNext++);
        anArea->setFoto(aFoto);
        anArea->setOptiFillContent(true);
        if (LMFotoStatusRegistry::instance()->preferUseABK(aFoto) != 1)
            anArea->setUseABK(true);
    }
}
