#pragma once

#include "LMOrientation.h"
#include "LMPortraitAndLandscapeCount.h"
#include "LMRealRange.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class LMAreaType;
class LMMirrorRule;
class LMXMLElement;
class QDomElement;

// The areas of a template, owned by the list, with the measures by which layouts are compared.
// Copies are deep: every area is cloned. The validity flag tells that the list was read from a
// layout (an empty list of a layout is still valid).
class LMTEMPLATES_EXPORT LMTemplateAreaDefinitionList
{
    using Storage = std::vector<std::unique_ptr<LMTemplateAreaDefinition>>;

public:
    // Iterates the areas as non-owning pointers.
    class const_iterator
    {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = LMTemplateAreaDefinition*;
        using difference_type = std::ptrdiff_t;
        using pointer = LMTemplateAreaDefinition* const*;
        using reference = LMTemplateAreaDefinition*;

        const_iterator() = default;
        explicit const_iterator(Storage::const_iterator theIt) : myIt(theIt) { }
        LMTemplateAreaDefinition* operator*() const { return myIt->get(); }
        const_iterator& operator++()
        {
            ++myIt;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator aCopy = *this;
            ++myIt;
            return aCopy;
        }
        friend bool operator==(const const_iterator& theA, const const_iterator& theB)
        {
            return theA.myIt == theB.myIt;
        }

    private:
        Storage::const_iterator myIt;
    };

    LMTemplateAreaDefinitionList();
    LMTemplateAreaDefinitionList(const LMTemplateAreaDefinitionList& theOther);
    // A deep copy with every area mirrored by the rule.
    LMTemplateAreaDefinitionList(const LMTemplateAreaDefinitionList& theOther, const LMMirrorRule& theMirrorRule);
    LMTemplateAreaDefinitionList& operator=(const LMTemplateAreaDefinitionList& theOther);
    LMTemplateAreaDefinitionList(LMTemplateAreaDefinitionList&& theOther) noexcept;
    LMTemplateAreaDefinitionList& operator=(LMTemplateAreaDefinitionList&& theOther) noexcept;
    ~LMTemplateAreaDefinitionList();

    // Replaces the areas by mirrored clones of the other list's; takes over its validity.
    void copyAreaDefinitions(const LMTemplateAreaDefinitionList& theOther, const LMMirrorRule& theMirrorRule);

    bool isValid() const { return myValid; }
    void setValid(bool theValid) { myValid = theValid; }

    // Takes ownership; a null area is ignored.
    void append(std::unique_ptr<LMTemplateAreaDefinition> theArea);
    void prepend(std::unique_ptr<LMTemplateAreaDefinition> theArea);
    std::unique_ptr<LMTemplateAreaDefinition> takeAt(int theIndex);
    void removeAt(int theIndex);
    void clear();

    int count() const { return int(myAreas.size()); }
    bool isEmpty() const { return myAreas.empty(); }
    LMTemplateAreaDefinition* at(int theIndex) const;
    LMTemplateAreaDefinition* first() const { return at(0); }
    const_iterator begin() const { return const_iterator(myAreas.cbegin()); }
    const_iterator end() const { return const_iterator(myAreas.cend()); }
    // The areas as non-owning pointers.
    QList<LMTemplateAreaDefinition*> areas() const;

    // The number of areas sharing a bit with the type.
    int count(const LMAreaType& theType) const;
    // A new list owning clones of the areas whose isType(type) equals theMatch.
    LMTemplateAreaDefinitionList filter(const LMAreaType& theType, bool theMatch = true) const;
    // filter(type) with the children of that type of the list's smart layouts that the list does
    // not hold itself (an area on the same rotated rectangle): layouts of XML files move their
    // photo areas into the smart layout, SVG pages keep them in both places.
    LMTemplateAreaDefinitionList filterWithSmartLayoutChildren(const LMAreaType& theType) const;
    // The number of areas filterWithSmartLayoutChildren(type) holds.
    int countWithSmartLayoutChildren(const LMAreaType& theType) const;

    // The sum of the areas' spaciousness.
    double calculateSpaciousness() const;
    int countInclined() const;
    // True when an area is turned at all, or when two areas overlap on a 1000 x 1000 page (areas
    // that only touch do not overlap).
    bool isCrazy() const;
    // True when the mean weight point of the areas lies within 0.01 (|x| + |y|) of the centre.
    bool isWellBalanced() const;
    // The smallest and largest format (width/height ratio times the page aspect) of the areas.
    LMRealRange formatRange(double thePageAspect) const;
    QList<LMOrientation> orientations(double thePageAspect) const;
    // Square areas count as landscape.
    LMPortraitAndLandscapeCount countPortraitAndLandscapeAreas(double thePageAspect) const;
    // The smallest spaciousness of an area of the type; 0 when there is none.
    double smallestPercentageUsedByAnyArea(const LMAreaType& theType) const;
    // The scale factor of the first area that knows its original size; 1.0 when none does.
    double scaleFactor(const QSizeF& theSize) const;

    // True when both lists have as many areas and every area of the other equals one of these.
    bool areAreaTypesAndPositionsEqual(const LMTemplateAreaDefinitionList& theOther) const;
    bool containsAreaDefinition(const LMTemplateAreaDefinition& theArea) const;

    bool containsOsmMaps() const;
    // Some clipart area holds a clipart.
    bool hasFilledCliparts() const;
    // Some text area has a default text.
    bool containsPrefilledTexts() const;
    // A copy without the clipart areas that hold no clipart.
    LMTemplateAreaDefinitionList withoutEmptyCliparts() const;
    // The CSS sheets the SVG areas name or offer, sorted, each once.
    QStringList availableCssSheets() const;
    // Locking takes the geometry abilities (move, resize, rotate, scale) from every area;
    // unlocking gives them back.
    void setLocked(bool theLocked);

    // Writes every area for a page of the given size.
    void buildXML(QDomElement& theParent, const QSizeF& thePageSize) const;
    // Reads every child element of the parent that names an area (LMTemplateAreaDefinitionFactory);
    // the list is valid when it read at least one.
    static LMTemplateAreaDefinitionList fromXml(const LMXMLElement& theParent, const QSizeF& thePageSize,
                                                const QString& theBasePath = QString());

private:
    // The areas filterWithSmartLayoutChildren(type) holds, in its order.
    void forEachWithSmartLayoutChildren(const LMAreaType& theType,
                                        const std::function<void(const LMTemplateAreaDefinition&)>& theVisitor) const;

    Storage myAreas;
    bool myValid = false;
};
