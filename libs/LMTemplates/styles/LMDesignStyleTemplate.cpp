#include "LMDesignStyleTemplate.h"

#include <QDomElement>
#include <QSet>
#include <QStringList>

namespace {
const QString STR_TEMPLATE = QStringLiteral("template");
const QString STR_NAME = QStringLiteral("name");
} // namespace

LMDesignStyleTemplate::LMDesignStyleTemplate(const QDomElement& theElement)
{
    if (theElement.tagName() != STR_TEMPLATE) {
        qWarning(
            "%s",
            qUtf8Printable(QStringLiteral("wrong tag name: %1; expected: %2").arg(theElement.tagName(), STR_TEMPLATE)));
        return;
    }
    myName = theElement.attribute(STR_NAME);
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        insert(LMDesignStyleLayoutRuleSetBundle(aChild));
}

void LMDesignStyleTemplate::insert(const LMDesignStyleLayoutRuleSetBundle& theBundle)
{
    if (!theBundle.isValid())
        return;
    myBundles.append(theBundle);
    for (const LMOrientation& aSingle : theBundle.orientation().singleOrientations())
        myIndexByOrientation.insert(aSingle.value(), myBundles.size() - 1);
}

LMDesignStyleLayoutRuleSetBundle LMDesignStyleTemplate::bundle(const LMOrientation& theOrientation) const
{
    for (const LMOrientation& aSingle : theOrientation.singleOrientations()) {
        const auto aFound = myIndexByOrientation.constFind(aSingle.value());
        if (aFound != myIndexByOrientation.cend())
            return myBundles.at(*aFound);
    }
    return LMDesignStyleLayoutRuleSetBundle();
}

QHash<LMOrientation, LMDesignStyleLayoutRuleSetBundle> LMDesignStyleTemplate::bundles() const
{
    QHash<LMOrientation, LMDesignStyleLayoutRuleSetBundle> aBundles;
    for (auto anIt = myIndexByOrientation.cbegin(); anIt != myIndexByOrientation.cend(); ++anIt)
        aBundles.insert(LMOrientation(LMOrientation::fromInt(anIt.key())), myBundles.at(anIt.value()));
    return aBundles;
}

LMOrientation LMDesignStyleTemplate::orientations() const
{
    LMOrientation anOrientations;
    for (auto anIt = myIndexByOrientation.cbegin(); anIt != myIndexByOrientation.cend(); ++anIt)
        anOrientations |= LMOrientation::fromInt(anIt.key());
    return anOrientations;
}

void LMDesignStyleTemplate::buildXML(QDomElement& theParent) const
{
    QDomElement aTemplate = theParent.ownerDocument().createElement(STR_TEMPLATE);
    aTemplate.setAttribute(STR_NAME, myName);
    const QList<qsizetype> aValues = myIndexByOrientation.values();
    const QSet<qsizetype> aStored(aValues.cbegin(), aValues.cend());
    for (qsizetype anIndex = 0; anIndex < myBundles.size(); ++anIndex) {
        if (aStored.contains(anIndex))
            myBundles.at(anIndex).buildXML(aTemplate);
    }
    theParent.appendChild(aTemplate);
}

QString LMDesignStyleTemplate::toDebugString() const
{
    QStringList aLines { QStringLiteral("  Template: %1").arg(myName) };
    const QList<LMOrientation> aSingles = orientations().singleOrientations();
    for (const LMOrientation& aSingle : aSingles)
        aLines << bundle(aSingle).toDebugString();
    return aLines.join(QLatin1Char('\n'));
}

bool operator==(const LMDesignStyleTemplate& theA, const LMDesignStyleTemplate& theB)
{
    return theA.myName == theB.myName && theA.bundles() == theB.bundles();
}
