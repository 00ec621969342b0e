#pragma once

#include "LMCoverType.h"
#include "LMTemplatesExport.h"

#include <QStringList>

class QDomElement;

// One page of a design style's page list ("page"): the names of the templates it may use, the
// first being the page's own and the others its alternatives, and the names used instead on
// linen and leather covers.
class LMTEMPLATES_EXPORT LMDesignStylePage
{
public:
    LMDesignStylePage() = default;
    explicit LMDesignStylePage(const QStringList& theTemplates, const QStringList& theTemplatesLL = QStringList())
        : myTemplates(theTemplates), myTemplatesLL(theTemplatesLL)
    {
    }
    // "template" (replaced by "templateV2" when that is present) and "templateLL", each a list of
    // names separated by commas; blanks around a name and empty names are dropped.
    explicit LMDesignStylePage(const QDomElement& theElement);

    const QStringList& templates() const { return myTemplates; }
    const QStringList& templatesLL() const { return myTemplatesLL; }
    // At least one template name.
    bool isValid() const { return !myTemplates.isEmpty(); }
    // True when one of the page's template names (either list) is the name.
    bool hasDefinedTemplateName(const QString& theName) const;

    // The i-th template name for the cover type: of the linen and leather list when the cover
    // type is linen or leather and that list is not empty (its first name when i lies beyond it),
    // else of the page's own list (empty when i lies beyond it).
    QString at(const LMCoverType& theCoverType, qsizetype theIndex) const;
    // The length of the list at() takes its names from.
    qsizetype count(const LMCoverType& theCoverType) const;

    // Appends a "page" element with "template" and, when there are any, "templateLL"; returns it.
    QDomElement buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStylePage& theA, const LMDesignStylePage& theB)
    {
        return theA.myTemplates == theB.myTemplates && theA.myTemplatesLL == theB.myTemplatesLL;
    }
    friend bool operator!=(const LMDesignStylePage& theA, const LMDesignStylePage& theB) { return !(theA == theB); }

private:
    bool usesLinenList(const LMCoverType& theCoverType) const;

    QStringList myTemplates;
    QStringList myTemplatesLL;
};
