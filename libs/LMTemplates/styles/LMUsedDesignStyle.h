#pragma once

#include "LMDesignElementID.h"
#include "LMTemplatesExport.h"

#include <QString>

class QDomElement;

// Which design style (and which of its page templates) a page or product document uses, as
// attributes of the document's own element.
class LMTEMPLATES_EXPORT LMUsedDesignStyle
{
public:
    LMUsedDesignStyle() = default;
    LMUsedDesignStyle(const LMDesignElementID& theId, const QString& thePageTemplate)
        : myDesignElementId(theId), myPageTemplate(thePageTemplate)
    {
    }
    // "designStyleID" and "designStyleTemplateName" of the element.
    explicit LMUsedDesignStyle(const QDomElement& theElement);

    const LMDesignElementID& designElementId() const { return myDesignElementId; }
    const QString& pageTemplate() const { return myPageTemplate; }
    bool isValid() const { return myDesignElementId.isValid(); }

    // Sets "designStyleID" and, when there is one, "designStyleTemplateName" on the element.
    void buildXML(QDomElement& theElement) const;

    friend bool operator==(const LMUsedDesignStyle& theA, const LMUsedDesignStyle& theB)
    {
        return theA.myDesignElementId == theB.myDesignElementId && theA.myPageTemplate == theB.myPageTemplate;
    }
    friend bool operator!=(const LMUsedDesignStyle& theA, const LMUsedDesignStyle& theB) { return !(theA == theB); }

private:
    LMDesignElementID myDesignElementId;
    QString myPageTemplate;
};
