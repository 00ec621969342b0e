#include "LMDesignStyleLayouts.h"

#include "LMBasisSettings.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_LAYOUTS = QStringLiteral("layouts");
const QString STR_LAYOUT_COLLECTION = QStringLiteral("layoutCollection");
const QString STR_PAGE_TYPE = QStringLiteral("pageType");
const QString STR_VALUE = QStringLiteral("value");
const QString STR_ID = QStringLiteral("id");
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
    if (!theLayoutName.isEmpty()) {
        for (const LMPageType& aSingle : thePageType.singlePageTypes())
            myNamedLayouts.insert(aSingle, theLayoutName);
    }
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
