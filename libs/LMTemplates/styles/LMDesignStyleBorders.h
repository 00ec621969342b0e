#pragma once

#include "LMAreaType.h"
#include "LMDesignStyleBorder.h"
#include "LMDesignStyleIterableList.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplatesExport.h"

// The borders a rule set puts on the areas of one area type ("borders" with "type").
class LMTEMPLATES_EXPORT LMDesignStyleBorders : public LMDesignStyleIterableList<LMDesignStyleBorder>
{
public:
    LMDesignStyleBorders() = default;
    explicit LMDesignStyleBorders(const LMAreaType& theAreaType) : myAreaType(theAreaType) { }
    // Without a known "type" the collection stays empty and its items are not read. A "border"
    // that says "skip" keeps its place as the empty item.
    explicit LMDesignStyleBorders(const QDomElement& theElement);

    const LMAreaType& areaType() const { return myAreaType; }
    // A known type and at least one item.
    bool isValid() const { return myAreaType.isValid() && !isEmpty(); }

    // Gives every area of the collection's area type the next item, as the list attributes say;
    // an empty list or a "skip" item leaves the area as it is.
    LMTemplateAreaDefinitionList applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                                        const LMDesignStyleReferencePoint& thePoint) const;

    // Appends a "borders" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    bool operator==(const LMDesignStyleBorders& theOther) const
    {
        return myAreaType == theOther.myAreaType && LMDesignStyleIterableList::operator==(theOther);
    }
    bool operator!=(const LMDesignStyleBorders& theOther) const { return !(*this == theOther); }

private:
    LMAreaType myAreaType;
};
