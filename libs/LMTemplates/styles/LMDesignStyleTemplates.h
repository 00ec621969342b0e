#pragma once

#include "LMDesignStyleTemplate.h"
#include "LMTemplatesExport.h"

#include <QList>

// The page templates of a design style ("templates"), in document order.
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
