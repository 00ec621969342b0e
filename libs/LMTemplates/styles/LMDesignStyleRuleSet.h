#pragma once

#include "LMDesignElementIDSet.h"
#include "LMDesignStyleBackgrounds.h"
#include "LMDesignStyleBorders.h"
#include "LMDesignStyleCliparts.h"
#include "LMDesignStyleCornerSets.h"
#include "LMDesignStyleMasks.h"
#include "LMDesignStyleShadows.h"
#include "LMDesignStyleTextFormats.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QSet>
#include <QSharedDataPointer>
#include <QString>

class LMDesignStyleRuleSetImpl;

// One named rule set of a design style ("ruleset"): what it puts on the areas of a page, as
// backgrounds, borders and corner sets per area type, cliparts, passepartouts, shadows and text
// formats. Copies share their lists and the lists' selection state until one of them is changed.
class LMTEMPLATES_EXPORT LMDesignStyleRuleSet
{
public:
    LMDesignStyleRuleSet();
    explicit LMDesignStyleRuleSet(const QString& theName);
    // A "ruleset" element (another name: a warning, and the rule set stays empty and unnamed).
    // Only valid collections are kept: of "borders" and "cornersets" every element counts, a
    // later one of an area type replacing the earlier; of the others the first element.
    explicit LMDesignStyleRuleSet(const QDomElement& theElement);
    LMDesignStyleRuleSet(const LMDesignStyleRuleSet& theOther);
    LMDesignStyleRuleSet(LMDesignStyleRuleSet&& theOther) noexcept;
    LMDesignStyleRuleSet& operator=(const LMDesignStyleRuleSet& theOther);
    LMDesignStyleRuleSet& operator=(LMDesignStyleRuleSet&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMDesignStyleRuleSet();
    void swap(LMDesignStyleRuleSet& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    // The name of the rule set that applies where a page names none.
    static QString defaultName();

    QString name() const;
    bool isDefault() const { return name() == defaultName(); }
    // No collection at all.
    bool isEmpty() const;

    // Empty (not valid) when the rule set has none.
    const LMDesignStyleBackgrounds& backgrounds() const;
    void setBackgrounds(const LMDesignStyleBackgrounds& theBackgrounds);
    const LMDesignStyleCliparts& cliparts() const;
    void setCliparts(const LMDesignStyleCliparts& theCliparts);
    const LMDesignStyleMasks& masks() const;
    void setMasks(const LMDesignStyleMasks& theMasks);
    const LMDesignStyleShadows& shadows() const;
    void setShadows(const LMDesignStyleShadows& theShadows);
    const LMDesignStyleTextFormats& textFormats() const;
    void setTextFormats(const LMDesignStyleTextFormats& theFormats);

    // In area type order.
    QList<LMDesignStyleBorders> borders() const;
    // Of exactly that area type; empty when none.
    LMDesignStyleBorders borders(const LMAreaType& theAreaType) const;
    // Replaces the borders of the same area type; an invalid collection is ignored.
    void insertBorders(const LMDesignStyleBorders& theBorders);
    QList<LMDesignStyleCornerSets> cornerSets() const;
    LMDesignStyleCornerSets cornerSets(const LMAreaType& theAreaType) const;
    void insertCornerSets(const LMDesignStyleCornerSets& theCornerSets);

    // ---- Applying to a page ----------------------------------------------------------------
    // Puts on the areas, each part only when present and in this order: backgrounds, cliparts,
    // borders (each area type's), corner sets (each area type's), passepartouts, shadows, text
    // formats. The lists move on as their attributes say; the moves are shared by every copy.
    LMTemplateAreaDefinitionList applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                                        const LMTemplateContext& theContext,
                                                        const LMDesignStyleReferencePoint& thePoint) const;
    // The ids of the valid backgrounds, cliparts and passepartouts.
    LMDesignElementIDSet requiredDesignElementIDs() const;
    // The font families the text formats name.
    QSet<QString> requiredFontFamilies() const;

    // Appends a "ruleset" element: "name", then the valid collections in the order "backgrounds",
    // "borders", "cliparts", "passepartouts", "texts", "cornersets", "shadows".
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    // The same name and equal collections.
    friend LMTEMPLATES_EXPORT bool operator==(const LMDesignStyleRuleSet& theA, const LMDesignStyleRuleSet& theB);
    friend bool operator!=(const LMDesignStyleRuleSet& theA, const LMDesignStyleRuleSet& theB)
    {
        return !(theA == theB);
    }

private:
    QSharedDataPointer<LMDesignStyleRuleSetImpl> myImpl;
};

Q_DECLARE_SHARED(LMDesignStyleRuleSet)
