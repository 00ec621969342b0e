#pragma once

#include "LMTemplatesExport.h"

#include <QHashFunctions>
#include <QString>

class LMTemplate;
class QDebug;

// A template named by an area (a background area's templates, the source of an area, the related
// templates of a smart layout): the template object the registry owns, and the name it was
// found by. It never owns the template; the registry keeps templates for the life of the process.
class LMTEMPLATES_EXPORT LMTemplateReference
{
public:
    LMTemplateReference() = default;
    LMTemplateReference(LMTemplate* theTemplate, const QString& theName) : myTemplate(theTemplate), myName(theName) { }

    LMTemplate* templatePointer() const { return myTemplate; }
    const QString& name() const { return myName; }
    bool isValid() const { return myTemplate != nullptr; }

    // The same template object; two references to no template are equal when their names are.
    friend bool operator==(const LMTemplateReference& theA, const LMTemplateReference& theB)
    {
        return theA.myTemplate == theB.myTemplate && (theA.myTemplate || theA.myName == theB.myName);
    }

private:
    LMTemplate* myTemplate = nullptr;
    QString myName;
};

inline size_t qHash(const LMTemplateReference& theReference, size_t theSeed = 0) noexcept
{
    return theReference.isValid() ? qHash(static_cast<const void*>(theReference.templatePointer()), theSeed)
                                  : qHash(theReference.name(), theSeed);
}

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateReference& theReference);
