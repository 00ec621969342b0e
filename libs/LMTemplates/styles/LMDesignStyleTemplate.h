#pragma once

#include "LMDesignStyleLayoutRuleSetBundle.h"
#include "LMTemplatesExport.h"

#include <QHash>
#include <QList>
#include <QString>

// A named page template of a design style ("template"): per single orientation, the layouts
// and rule sets of its pages.
class LMTEMPLATES_EXPORT LMDesignStyleTemplate
{
public:
    LMDesignStyleTemplate() = default;
    explicit LMDesignStyleTemplate(const QString& theName) : myName(theName) { }
    // A "template" element (another name: a warning, and the template stays unnamed) with its
    // "name"; every child element is read as an "orientation".
    explicit LMDesignStyleTemplate(const QDomElement& theElement);

    const QString& name() const { return myName; }
    bool isValid() const { return !myName.isEmpty(); }

    // Stores a valid bundle under every single orientation of its orientation ("all" thus under
    // each), replacing what was stored there.
    void insert(const LMDesignStyleLayoutRuleSetBundle& theBundle);
    // The bundle under the lowest single orientation of theOrientation that has one; an invalid
    // bundle when none has.
    LMDesignStyleLayoutRuleSetBundle bundle(const LMOrientation& theOrientation) const;
    // By single orientation.
    QHash<LMOrientation, LMDesignStyleLayoutRuleSetBundle> bundles() const;
    // The single orientations that have a bundle.
    LMOrientation orientations() const;

    // Appends a "template" element with the bundles that are still stored somewhere, in the order
    // they were inserted, so that reading it back stores the same bundles.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    // The same name and, for every single orientation, the same bundle.
    friend LMTEMPLATES_EXPORT bool operator==(const LMDesignStyleTemplate& theA, const LMDesignStyleTemplate& theB);
    friend bool operator!=(const LMDesignStyleTemplate& theA, const LMDesignStyleTemplate& theB)
    {
        return !(theA == theB);
    }

private:
    QString myName;
    // In the order of insertion, including those that later ones replaced everywhere.
    QList<LMDesignStyleLayoutRuleSetBundle> myBundles;
    // Single orientation bit to the index of its bundle in myBundles.
    QHash<qint32, qsizetype> myIndexByOrientation;
};
