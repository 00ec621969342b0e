#include "LMDesignStyleRuleSet.h"

#include <QDomElement>
#include <QMap>
#include <QStringList>

namespace {
const QString STR_RULESET = QStringLiteral("ruleset");
const QString STR_NAME = QStringLiteral("name");
const QString STR_DEFAULT = QStringLiteral("default");
const QString STR_BACKGROUNDS = QStringLiteral("backgrounds");
const QString STR_BORDERS = QStringLiteral("borders");
const QString STR_CLIPARTS = QStringLiteral("cliparts");
const QString STR_PASSEPARTOUTS = QStringLiteral("passepartouts");
const QString STR_TEXTS = QStringLiteral("texts");
const QString STR_CORNERSETS = QStringLiteral("cornersets");
const QString STR_SHADOWS = QStringLiteral("shadows");
} // namespace

class LMDesignStyleRuleSetImpl : public QSharedData
{
public:
    QString myName;
    LMDesignStyleBackgrounds myBackgrounds;
    LMDesignStyleCliparts myCliparts;
    LMDesignStyleMasks myMasks;
    LMDesignStyleShadows myShadows;
    LMDesignStyleTextFormats myTextFormats;
    // Keyed by the area type's value.
    QMap<qint32, LMDesignStyleBorders> myBorders;
    QMap<qint32, LMDesignStyleCornerSets> myCornerSets;
};

LMDesignStyleRuleSet::LMDesignStyleRuleSet() : myImpl(new LMDesignStyleRuleSetImpl) { }

LMDesignStyleRuleSet::LMDesignStyleRuleSet(const QString& theName) : myImpl(new LMDesignStyleRuleSetImpl)
{
    myImpl->myName = theName;
}

LMDesignStyleRuleSet::LMDesignStyleRuleSet(const QDomElement& theElement) : myImpl(new LMDesignStyleRuleSetImpl)
{
    if (theElement.tagName() != STR_RULESET) {
        qWarning(
            "%s",
            qUtf8Printable(QStringLiteral("wrong tag name: %1; expected: %2").arg(theElement.tagName(), STR_RULESET)));
        return;
    }
    LMDesignStyleRuleSetImpl& aData = *myImpl;
    aData.myName = theElement.attribute(STR_NAME);
    const LMDesignStyleBackgrounds aBackgrounds(theElement.firstChildElement(STR_BACKGROUNDS));
    if (aBackgrounds.isValid())
        aData.myBackgrounds = aBackgrounds;
    for (QDomElement aChild = theElement.firstChildElement(STR_BORDERS); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_BORDERS))
        insertBorders(LMDesignStyleBorders(aChild));
    const LMDesignStyleCliparts aCliparts(theElement.firstChildElement(STR_CLIPARTS));
    if (aCliparts.isValid())
        aData.myCliparts = aCliparts;
    const LMDesignStyleMasks aMasks(theElement.firstChildElement(STR_PASSEPARTOUTS));
    if (aMasks.isValid())
        aData.myMasks = aMasks;
    aData.myTextFormats = LMDesignStyleTextFormats(theElement.firstChildElement(STR_TEXTS));
    for (QDomElement aChild = theElement.firstChildElement(STR_CORNERSETS); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_CORNERSETS))
        insertCornerSets(LMDesignStyleCornerSets(aChild));
    aData.myShadows = LMDesignStyleShadows(theElement.firstChildElement(STR_SHADOWS));
}

LMDesignStyleRuleSet::LMDesignStyleRuleSet(const LMDesignStyleRuleSet& theOther) = default;
LMDesignStyleRuleSet::LMDesignStyleRuleSet(LMDesignStyleRuleSet&& theOther) noexcept = default;
LMDesignStyleRuleSet& LMDesignStyleRuleSet::operator=(const LMDesignStyleRuleSet& theOther) = default;
LMDesignStyleRuleSet::~LMDesignStyleRuleSet() = default;

QString LMDesignStyleRuleSet::defaultName()
{
    return STR_DEFAULT;
}

QString LMDesignStyleRuleSet::name() const
{
    return myImpl->myName;
}

bool LMDesignStyleRuleSet::isEmpty() const
{
    const LMDesignStyleRuleSetImpl& aData = *myImpl;
    return aData.myBackgrounds.isEmpty() && aData.myCliparts.isEmpty() && aData.myMasks.isEmpty()
        && aData.myShadows.isEmpty() && aData.myTextFormats.isEmpty() && aData.myBorders.isEmpty()
        && aData.myCornerSets.isEmpty();
}

const LMDesignStyleBackgrounds& LMDesignStyleRuleSet::backgrounds() const
{
    return myImpl->myBackgrounds;
}

void LMDesignStyleRuleSet::setBackgrounds(const LMDesignStyleBackgrounds& theBackgrounds)
{
    myImpl->myBackgrounds = theBackgrounds;
}

const LMDesignStyleCliparts& LMDesignStyleRuleSet::cliparts() const
{
    return myImpl->myCliparts;
}

void LMDesignStyleRuleSet::setCliparts(const LMDesignStyleCliparts& theCliparts)
{
    myImpl->myCliparts = theCliparts;
}

const LMDesignStyleMasks& LMDesignStyleRuleSet::masks() const
{
    return myImpl->myMasks;
}

void LMDesignStyleRuleSet::setMasks(const LMDesignStyleMasks& theMasks)
{
    myImpl->myMasks = theMasks;
}

const LMDesignStyleShadows& LMDesignStyleRuleSet::shadows() const
{
    return myImpl->myShadows;
}

void LMDesignStyleRuleSet::setShadows(const LMDesignStyleShadows& theShadows)
{
    myImpl->myShadows = theShadows;
}

const LMDesignStyleTextFormats& LMDesignStyleRuleSet::textFormats() const
{
    return myImpl->myTextFormats;
}

void LMDesignStyleRuleSet::setTextFormats(const LMDesignStyleTextFormats& theFormats)
{
    myImpl->myTextFormats = theFormats;
}

QList<LMDesignStyleBorders> LMDesignStyleRuleSet::borders() const
{
    return myImpl->myBorders.values();
}

LMDesignStyleBorders LMDesignStyleRuleSet::borders(const LMAreaType& theAreaType) const
{
    return myImpl->myBorders.value(theAreaType.value());
}

void LMDesignStyleRuleSet::insertBorders(const LMDesignStyleBorders& theBorders)
{
    if (theBorders.isValid())
        myImpl->myBorders.insert(theBorders.areaType().value(), theBorders);
}

QList<LMDesignStyleCornerSets> LMDesignStyleRuleSet::cornerSets() const
{
    return myImpl->myCornerSets.values();
}

LMDesignStyleCornerSets LMDesignStyleRuleSet::cornerSets(const LMAreaType& theAreaType) const
{
    return myImpl->myCornerSets.value(theAreaType.value());
}

void LMDesignStyleRuleSet::insertCornerSets(const LMDesignStyleCornerSets& theCornerSets)
{
    if (theCornerSets.isValid())
        myImpl->myCornerSets.insert(theCornerSets.areaType().value(), theCornerSets);
}

void LMDesignStyleRuleSet::buildXML(QDomElement& theParent) const
{
    const LMDesignStyleRuleSetImpl& aData = *myImpl;
    QDomElement aRuleSet = theParent.ownerDocument().createElement(STR_RULESET);
    aRuleSet.setAttribute(STR_NAME, aData.myName);
    if (aData.myBackgrounds.isValid())
        aData.myBackgrounds.buildXML(aRuleSet);
    for (const LMDesignStyleBorders& aBorders : aData.myBorders)
        aBorders.buildXML(aRuleSet);
    if (aData.myCliparts.isValid())
        aData.myCliparts.buildXML(aRuleSet);
    if (aData.myMasks.isValid())
        aData.myMasks.buildXML(aRuleSet);
    if (aData.myTextFormats.isValid())
        aData.myTextFormats.buildXML(aRuleSet);
    for (const LMDesignStyleCornerSets& aCornerSets : aData.myCornerSets)
        aCornerSets.buildXML(aRuleSet);
    if (aData.myShadows.isValid())
        aData.myShadows.buildXML(aRuleSet);
    theParent.appendChild(aRuleSet);
}

QString LMDesignStyleRuleSet::toDebugString() const
{
    const LMDesignStyleRuleSetImpl& aData = *myImpl;
    QStringList aLines { QStringLiteral("    RuleSet: %1").arg(aData.myName) };
    if (aData.myBackgrounds.isValid())
        aLines << aData.myBackgrounds.toDebugString();
    for (const LMDesignStyleBorders& aBorders : aData.myBorders)
        aLines << aBorders.toDebugString();
    if (aData.myCliparts.isValid())
        aLines << aData.myCliparts.toDebugString();
    if (aData.myMasks.isValid())
        aLines << aData.myMasks.toDebugString();
    for (const LMDesignStyleCornerSets& aCornerSets : aData.myCornerSets)
        aLines << aCornerSets.toDebugString();
    if (aData.myShadows.isValid())
        aLines << aData.myShadows.toDebugString();
    if (aData.myTextFormats.isValid())
        aLines << aData.myTextFormats.toDebugString();
    return aLines.join(QLatin1Char('\n'));
}

bool operator==(const LMDesignStyleRuleSet& theA, const LMDesignStyleRuleSet& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    const LMDesignStyleRuleSetImpl& anA = *theA.myImpl;
    const LMDesignStyleRuleSetImpl& aB = *theB.myImpl;
    return anA.myName == aB.myName && anA.myBackgrounds == aB.myBackgrounds && anA.myCliparts == aB.myCliparts
        && anA.myMasks == aB.myMasks && anA.myShadows == aB.myShadows && anA.myTextFormats == aB.myTextFormats
        && anA.myBorders == aB.myBorders && anA.myCornerSets == aB.myCornerSets;
}

LMTemplateAreaDefinitionList
LMDesignStyleRuleSet::applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas, const LMTemplateContext& theContext,
                                             const LMDesignStyleReferencePoint& thePoint) const
{
    const LMDesignStyleRuleSetImpl& aData = *myImpl;
    if (aData.myBackgrounds.isValid())
        theAreas = aData.myBackgrounds.applyToAreaDefinitions(std::move(theAreas), theContext, thePoint);
    if (aData.myCliparts.isValid())
        theAreas = aData.myCliparts.applyToAreaDefinitions(std::move(theAreas), thePoint);
    for (const LMDesignStyleBorders& aBorders : aData.myBorders)
        theAreas = aBorders.applyToAreaDefinitions(std::move(theAreas), thePoint);
    for (const LMDesignStyleCornerSets& aCornerSets : aData.myCornerSets)
        theAreas = aCornerSets.applyToAreaDefinitions(std::move(theAreas), thePoint);
    if (aData.myMasks.isValid())
        theAreas = aData.myMasks.applyToAreaDefinitions(std::move(theAreas), thePoint);
    if (aData.myShadows.isValid())
        theAreas = aData.myShadows.applyToAreaDefinitions(std::move(theAreas));
    if (aData.myTextFormats.isValid())
        theAreas = aData.myTextFormats.applyToAreaDefinitions(std::move(theAreas));
    return theAreas;
}

LMDesignElementIDSet LMDesignStyleRuleSet::requiredDesignElementIDs() const
{
    LMDesignElementIDSet anIds;
    for (const LMDesignStyleBackground& aBackground : myImpl->myBackgrounds.items()) {
        if (aBackground.isValid())
            anIds.insert(aBackground.designElementID());
    }
    for (const auto* aList : { &myImpl->myCliparts.items(), &myImpl->myMasks.items() }) {
        for (const LMDesignStyleClipart& aDecoration : *aList) {
            if (aDecoration.isValid())
                anIds.insert(aDecoration.designElementID());
        }
    }
    return anIds;
}

QSet<QString> LMDesignStyleRuleSet::requiredFontFamilies() const
{
    QSet<QString> aFamilies;
    for (const LMDesignStyleTextFormat& aFormat : myImpl->myTextFormats.textFormats()) {
        if (!aFormat.fontFamily().isEmpty())
            aFamilies.insert(aFormat.fontFamily());
    }
    return aFamilies;
}
