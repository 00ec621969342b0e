#pragma once

#include "LMAreaType.h"
#include "LMDesignStyleCornerSet.h"
#include "LMDesignStyleIterableList.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplatesExport.h"

// The corner sets a rule set puts on the areas of one area type ("cornersets" with "type").
class LMTEMPLATES_EXPORT LMDesignStyleCornerSets : public LMDesignStyleIterableList<LMDesignStyleCornerSet>
{
public:
    LMDesignStyleCornerSets() = default;
    explicit LMDesignStyleCornerSets(const LMAreaType& theAreaType) : myAreaType(theAreaType) { }
    // Without a known "type" the collection stays empty and its items are not read. A "corners"
    // that says "skip" keeps its place as the empty item.
    explicit LMDesignStyleCornerSets(const QDomElement& theElement);

    const LMAreaType& areaType() const { return myAreaType; }
    // A known type and at least one item.
    bool isValid() const { return myAreaType.isValid() && !isEmpty(); }

    // Gives every area of the collection's area type the next item, as the list attributes say;
    // an empty list or a "skip" item leaves the area as it is.
    LMTemplateAreaDefinitionList applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                                        const LMDesignStyleReferencePoint& thePoint) const;
    // Appends a "cornersets" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    bool operator==(const LMDesignStyleCornerSets& theOther) const
    {
        return myAreaType == theOther.myAreaType && LMDesignStyleIterableList::operator==(theOther);
    }
    bool operator!=(const LMDesignStyleCornerSets& theOther) const { return !(*this == theOther); }

private:
    LMAreaType myAreaType;
};
