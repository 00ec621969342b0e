#pragma once

#include "LMAreaDefinitionResult.h"
#include "LMDesignElementIDSet.h"
#include "LMDesignStyleTemplate.h"
#include "LMTemplatesExport.h"

#include <QList>

// The page templates of a design style ("templates"), in document order.
class LMPageAlignment;
class LMTemplateContext;

class LMTEMPLATES_EXPORT LMDesignStyleTemplates
{
public:
    LMDesignStyleTemplates() = default;
    // Every child element is read as a "template"; one that is not (warned about) or has no name
    // is dropped.
    explicit LMDesignStyleTemplates(const QDomElement& theElement);

    const QList<LMDesignStyleTemplate>& templates() const { return myTemplates; }
    // An invalid template is ignored.
    void append(const LMDesignStyleTemplate& theTemplate);
    // The first template of exactly that name; an invalid one when there is none.
    LMDesignStyleTemplate templateByName(const QString& theName) const;
    // Every single orientation some template has a bundle for.
    LMOrientation supportedOrientations() const;
    // The bundle of the named template for the orientation; invalid when there is none.
    LMDesignStyleLayoutRuleSetBundle bundleForPage(const QString& theName, const LMOrientation& theOrientation) const;
    QStringList ruleSetNamesForPage(const QString& theName, const LMOrientation& theOrientation) const;
    QList<LMDesignElementID> layoutCollectionIDsForOrientation(const QString& theName,
                                                               const LMOrientation& theOrientation) const;
    // The layout of the named template's page: the layout named for the context's page type, else
    // the one the distributor chooses for the photos; an empty result without a bundle for the
    // context's orientation.
    LMAreaDefinitionResult areaDefinitionsForPage(const QString& theName, const LMTemplateContext& theContext,
                                                  const LMFotoList& theFotos,
                                                  const LMPageAlignment& theAlignment) const;
    // The layout collections of every template for the orientation; of all orientations for an
    // invalid one.
    LMDesignElementIDSet requiredDesignElementIDs(const LMOrientation& theOrientation) const;
    // Some template's bundle names a layout that holds a map.
    bool canHaveOsmMap() const;

    // Appends theCount templates "synthesized_page_001" ... for the inner pages of a style that
    // defines one inner template, theName. Per orientation of theName, the layouts of its
    // collections are grouped by name (a last "_x", "_y" or "_z" marks variants of one layout); the
    // i-th template fixes the first layout of group (i - 1) modulo the groups for the inner pages
    // and keeps theName's collections and rule sets, so that consecutive inner pages show different
    // layouts whenever there are two groups or more. Returns how many were appended: none when the
    // template registry knows no layouts of those collections.
    int createVirtualTemplatesForDesignStyleV2FromName(const QString& theName, int theCount);

    qsizetype count() const { return myTemplates.size(); }
    bool isEmpty() const { return myTemplates.isEmpty(); }

    // Appends a "templates" element.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleTemplates& theA, const LMDesignStyleTemplates& theB)
    {
        return theA.myTemplates == theB.myTemplates;
    }
    friend bool operator!=(const LMDesignStyleTemplates& theA, const LMDesignStyleTemplates& theB)
    {
        return !(theA == theB);
    }

private:
    QList<LMDesignStyleTemplate> myTemplates;
};
