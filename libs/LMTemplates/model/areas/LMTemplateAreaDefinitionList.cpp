#include "LMTemplateAreaDefinitionList.h"

#include "LMSVGImageCalendar.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFactory.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMXMLElement.h"

#include <QDomElement>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace {
// The page the crazy test draws the areas on, and the overlap below which areas only touch.
constexpr double CRAZY_PAGE_SIDE = 1000.0;
constexpr double TOUCHING_AREA = 1e-6;
} // namespace

LMTemplateAreaDefinitionList::LMTemplateAreaDefinitionList() = default;

LMTemplateAreaDefinitionList::LMTemplateAreaDefinitionList(const LMTemplateAreaDefinitionList& theOther)
{
    copyAreaDefinitions(theOther, LMMirrorRule());
}

LMTemplateAreaDefinitionList::LMTemplateAreaDefinitionList(const LMTemplateAreaDefinitionList& theOther,
                                                           const LMMirrorRule& theMirrorRule)
{
    copyAreaDefinitions(theOther, theMirrorRule);
}

LMTemplateAreaDefinitionList& LMTemplateAreaDefinitionList::operator=(const LMTemplateAreaDefinitionList& theOther)
{
    if (this != &theOther)
        copyAreaDefinitions(theOther, LMMirrorRule());
    return *this;
}

LMTemplateAreaDefinitionList::LMTemplateAreaDefinitionList(LMTemplateAreaDefinitionList&& theOther) noexcept = default;
LMTemplateAreaDefinitionList&
LMTemplateAreaDefinitionList::operator=(LMTemplateAreaDefinitionList&& theOther) noexcept = default;
LMTemplateAreaDefinitionList::~LMTemplateAreaDefinitionList() = default;

void LMTemplateAreaDefinitionList::copyAreaDefinitions(const LMTemplateAreaDefinitionList& theOther,
                                                       const LMMirrorRule& theMirrorRule)
{
    Storage aCopies;
    aCopies.reserve(theOther.myAreas.size());
    for (const auto& anArea : theOther.myAreas)
        aCopies.push_back(anArea->clone(theMirrorRule));
    myAreas = std::move(aCopies);
    myValid = theOther.myValid;
}

void LMTemplateAreaDefinitionList::append(std::unique_ptr<LMTemplateAreaDefinition> theArea)
{
    if (theArea)
        myAreas.push_back(std::move(theArea));
}

void LMTemplateAreaDefinitionList::prepend(std::unique_ptr<LMTemplateAreaDefinition> theArea)
{
    if (theArea)
        myAreas.insert(myAreas.begin(), std::move(theArea));
}

std::unique_ptr<LMTemplateAreaDefinition> LMTemplateAreaDefinitionList::takeAt(int theIndex)
{
    Q_ASSERT_X(theIndex >= 0 && theIndex < count(), "LMTemplateAreaDefinitionList::takeAt", "index out of range");
    std::unique_ptr<LMTemplateAreaDefinition> anArea = std::move(myAreas[size_t(theIndex)]);
    myAreas.erase(myAreas.begin() + theIndex);
    return anArea;
}

void LMTemplateAreaDefinitionList::removeAt(int theIndex)
{
    takeAt(theIndex);
}

void LMTemplateAreaDefinitionList::clear()
{
    myAreas.clear();
}

LMTemplateAreaDefinition* LMTemplateAreaDefinitionList::at(int theIndex) const
{
    Q_ASSERT_X(theIndex >= 0 && theIndex < count(), "LMTemplateAreaDefinitionList::at", "index out of range");
    return myAreas[size_t(theIndex)].get();
}

QList<LMTemplateAreaDefinition*> LMTemplateAreaDefinitionList::areas() const
{
    QList<LMTemplateAreaDefinition*> aList;
    aList.reserve(count());
    for (const auto& anArea : myAreas)
        aList.append(anArea.get());
    return aList;
}

int LMTemplateAreaDefinitionList::count(const LMAreaType& theType) const
{
    return int(
        std::count_if(myAreas.cbegin(), myAreas.cend(), [&](const auto& anArea) { return anArea->isType(theType); }));
}

LMTemplateAreaDefinitionList LMTemplateAreaDefinitionList::filter(const LMAreaType& theType, bool theMatch) const
{
    LMTemplateAreaDefinitionList aList;
    aList.myValid = myValid;
    for (const auto& anArea : myAreas) {
        if (anArea->isType(theType) == theMatch)
            aList.append(anArea->clone());
    }
    return aList;
}

void LMTemplateAreaDefinitionList::forEachWithSmartLayoutChildren(
    const LMAreaType& theType, const std::function<void(const LMTemplateAreaDefinition&)>& theVisitor) const
{
    for (const auto& anArea : myAreas) {
        if (anArea->isType(theType))
            theVisitor(*anArea);
    }
    for (const auto& anArea : myAreas) {
        if (anArea->areaType() != LMAreaType(LMAreaTypeEnum::SmartLayout))
            continue;
        const auto* aSmartLayout = static_cast<const LMTemplateAreaDefinitionSmartLayout*>(anArea.get());
        for (const LMTemplateAreaDefinition* aChild : aSmartLayout->children()) {
            if (!aChild->isType(theType))
                continue;
            const bool aHeld = std::any_of(myAreas.cbegin(), myAreas.cend(), [aChild](const auto& theArea) {
                return theArea->areaType() == aChild->areaType() && theArea->rotatedRect() == aChild->rotatedRect();
            });
            if (!aHeld)
                theVisitor(*aChild);
        }
    }
}

LMTemplateAreaDefinitionList
LMTemplateAreaDefinitionList::filterWithSmartLayoutChildren(const LMAreaType& theType) const
{
    LMTemplateAreaDefinitionList aList;
    aList.myValid = myValid;
    forEachWithSmartLayoutChildren(
        theType, [&aList](const LMTemplateAreaDefinition& theArea) { aList.append(theArea.clone()); });
    return aList;
}

int LMTemplateAreaDefinitionList::countWithSmartLayoutChildren(const LMAreaType& theType) const
{
    int aCount = 0;
    forEachWithSmartLayoutChildren(theType, [&aCount](const LMTemplateAreaDefinition&) { ++aCount; });
    return aCount;
}

double LMTemplateAreaDefinitionList::calculateSpaciousness() const
{
    double aSum = 0.0;
    for (const auto& anArea : myAreas)
        aSum += anArea->calculateSpaciousness();
    return aSum;
}

int LMTemplateAreaDefinitionList::countInclined() const
{
    return int(
        std::count_if(myAreas.cbegin(), myAreas.cend(), [](const auto& anArea) { return anArea->isInclined(); }));
}

bool LMTemplateAreaDefinitionList::isCrazy() const
{
    for (const auto& anArea : myAreas) {
        if (anArea->rotatedRect().isRotated())
            return true;
    }
    // Unturned areas are rectangles on the page. The areas before one that overlaps nothing do not
    // overlap each other either, so its overlap with their union is the sum of its overlaps with
    // each: no path clipping needed.
    const QSizeF aPage(CRAZY_PAGE_SIDE, CRAZY_PAGE_SIDE);
    // Called for every template a load builds: a layout's few rectangles stay on the stack.
    QVarLengthArray<QRectF, 16> aRects;
    for (const auto& anArea : myAreas) {
        const QRectF aRect = anArea->polygon(aPage).boundingRect();
        double anOverlap = 0.0;
        for (const QRectF& anEarlier : std::as_const(aRects)) {
            const QRectF aCommon = aRect.intersected(anEarlier);
            anOverlap += aCommon.width() * aCommon.height();
        }
        if (anOverlap > TOUCHING_AREA)
            return true;
        aRects.append(aRect);
    }
    return false;
}

bool LMTemplateAreaDefinitionList::isWellBalanced() const
{
    if (myAreas.empty())
        return true;
    QPointF aSum;
    for (const auto& anArea : myAreas)
        aSum += anArea->calculateWeightPoint();
    const QPointF aMean = aSum / double(myAreas.size());
    return std::abs(aMean.x()) + std::abs(aMean.y()) < 0.01;
}

LMRealRange LMTemplateAreaDefinitionList::formatRange(double thePageAspect) const
{
    LMRealRange aRange;
    bool aFirst = true;
    for (const auto& anArea : myAreas) {
        const double aFormat = anArea->widthHeightRatio() * thePageAspect;
        if (aFirst) {
            // The first area sets both bounds, also when its format is 0.
            aRange = LMRealRange(aFormat, aFormat);
            aFirst = false;
        } else {
            aRange = LMRealRange(std::min(aRange.min(), aFormat), std::max(aRange.max(), aFormat));
        }
    }
    return aRange;
}

QList<LMOrientation> LMTemplateAreaDefinitionList::orientations(double thePageAspect) const
{
    QList<LMOrientation> aList;
    aList.reserve(count());
    for (const auto& anArea : myAreas)
        aList.append(anArea->orientation(thePageAspect));
    return aList;
}

LMPortraitAndLandscapeCount LMTemplateAreaDefinitionList::countPortraitAndLandscapeAreas(double thePageAspect) const
{
    LMPortraitAndLandscapeCount aCount;
    for (const auto& anArea : myAreas) {
        if (anArea->orientation(thePageAspect).isPortrait())
            aCount.addPortrait();
        else
            aCount.addLandscape();
    }
    return aCount;
}

double LMTemplateAreaDefinitionList::smallestPercentageUsedByAnyArea(const LMAreaType& theType) const
{
    double aSmallest = std::numeric_limits<double>::max();
    bool aFound = false;
    for (const auto& anArea : myAreas) {
        if (!anArea->isType(theType))
            continue;
        aSmallest = std::min(aSmallest, anArea->calculateSpaciousness());
        aFound = true;
    }
    return aFound ? aSmallest : 0.0;
}

double LMTemplateAreaDefinitionList::scaleFactor(const QSizeF& theSize) const
{
    for (const auto& anArea : myAreas) {
        if (anArea->hasOriginalScale())
            return anArea->scaleFactor(theSize);
    }
    return 1.0;
}

bool LMTemplateAreaDefinitionList::areAreaTypesAndPositionsEqual(const LMTemplateAreaDefinitionList& theOther) const
{
    if (count() != theOther.count())
        return false;
    return std::all_of(theOther.myAreas.cbegin(), theOther.myAreas.cend(),
                       [this](const auto& anArea) { return containsAreaDefinition(*anArea); });
}

bool LMTemplateAreaDefinitionList::containsAreaDefinition(const LMTemplateAreaDefinition& theArea) const
{
    return std::any_of(myAreas.cbegin(), myAreas.cend(), [&](const auto& anArea) { return *anArea == theArea; });
}

bool LMTemplateAreaDefinitionList::containsOsmMaps() const
{
    return count(LMAreaTypeEnum::Osm) > 0;
}

bool LMTemplateAreaDefinitionList::hasFilledCliparts() const
{
    return std::any_of(myAreas.cbegin(), myAreas.cend(), [](const auto& anArea) {
        const auto* aClipart = dynamic_cast<const LMTemplateAreaDefinitionClipart*>(anArea.get());
        return aClipart && aClipart->hasClipart();
    });
}

bool LMTemplateAreaDefinitionList::containsPrefilledTexts() const
{
    return std::any_of(myAreas.cbegin(), myAreas.cend(), [](const auto& anArea) {
        const auto* aText = dynamic_cast<const LMTemplateAreaDefinitionText*>(anArea.get());
        return aText && !aText->defaultText().isEmpty();
    });
}

LMTemplateAreaDefinitionList LMTemplateAreaDefinitionList::withoutEmptyCliparts() const
{
    LMTemplateAreaDefinitionList aList;
    aList.myValid = myValid;
    for (const auto& anArea : myAreas) {
        const auto* aClipart = dynamic_cast<const LMTemplateAreaDefinitionClipart*>(anArea.get());
        if (!aClipart || aClipart->hasClipart())
            aList.append(anArea->clone());
    }
    return aList;
}

QStringList LMTemplateAreaDefinitionList::availableCssSheets() const
{
    QStringList aSheets;
    for (const auto& anArea : myAreas) {
        const auto* anSvg = dynamic_cast<const LMTemplateAreaDefinitionSVG*>(anArea.get());
        if (!anSvg)
            continue;
        for (const QString& aName : { anSvg->defaultCssSheet(), anSvg->customCssSheet() }) {
            if (!aName.isEmpty())
                aSheets.append(aName);
        }
        if (const auto* aCalendar = dynamic_cast<const LMSVGImageCalendar*>(anSvg->svgImage()))
            aSheets.append(aCalendar->cssSheetNames());
    }
    aSheets.sort();
    aSheets.removeDuplicates();
    return aSheets;
}

void LMTemplateAreaDefinitionList::setLocked(bool theLocked)
{
    for (const auto& anArea : myAreas) {
        LMAreaAbility anAbilities = anArea->abilities();
        if (theLocked)
            anAbilities.exclude(LMAreaAbilityEnum::Geometry);
        else
            anAbilities.expandTo(LMAreaAbilityEnum::Geometry);
        anArea->setAbilities(anAbilities);
    }
}

void LMTemplateAreaDefinitionList::buildXML(QDomElement& theParent, const QSizeF& thePageSize) const
{
    for (const auto& anArea : myAreas)
        anArea->buildXML(theParent, thePageSize);
}

LMTemplateAreaDefinitionList LMTemplateAreaDefinitionList::fromXml(const LMXMLElement& theParent,
                                                                   const QSizeF& thePageSize,
                                                                   const QString& theBasePath)
{
    LMTemplateAreaDefinitionList aList;
    for (LMXMLElement aChild = theParent.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement()) {
        std::unique_ptr<LMTemplateAreaDefinition> anArea
            = LMTemplateAreaDefinitionFactory::create(aChild, thePageSize, theBasePath);
        if (!anArea)
            continue;
        aList.append(std::move(anArea));
        aList.myValid = true;
    }
    return aList;
}
