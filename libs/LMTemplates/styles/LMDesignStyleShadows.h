#pragma once

#include "LMDesignStyleShadow.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QMap>

// The shadows of a rule set ("shadows"), one per area type.
class LMTEMPLATES_EXPORT LMDesignStyleShadows
{
public:
    LMDesignStyleShadows() = default;
    // The "shadow" children of a known type; a later one of the same type replaces the earlier.
    explicit LMDesignStyleShadows(const QDomElement& theElement);

    // Replaces the shadow of the same area type; one of an unknown type is ignored.
    void insert(const LMDesignStyleShadow& theShadow);
    // The shadow of exactly that area type; an invalid one when there is none.
    LMDesignStyleShadow shadow(const LMAreaType& theAreaType) const { return myShadows.value(theAreaType.value()); }
    // In area type order.
    QList<LMDesignStyleShadow> shadows() const { return myShadows.values(); }
    qsizetype count() const { return myShadows.size(); }
    bool isEmpty() const { return myShadows.isEmpty(); }
    bool isValid() const { return !isEmpty(); }

    // Gives the areas of each shadow's area type that shadow.
    LMTemplateAreaDefinitionList applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas) const;
    // Appends a "shadows" element with the shadows in area type order.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleShadows& theA, const LMDesignStyleShadows& theB)
    {
        return theA.myShadows == theB.myShadows;
    }
    friend bool operator!=(const LMDesignStyleShadows& theA, const LMDesignStyleShadows& theB)
    {
        return !(theA == theB);
    }

private:
    // Keyed by the area type's value.
    QMap<qint32, LMDesignStyleShadow> myShadows;
};
