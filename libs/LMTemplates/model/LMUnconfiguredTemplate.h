#pragma once

#include "LMJigType.h"
#include "LMMirrorRule.h"
#include "LMTemplatesExport.h"

#include <QHashFunctions>
#include <QString>

class LMTemplate;
class LMUnconfiguredTemplateList;
class LMXMLElement;
class QDebug;

// A handle to a template. It never owns the template: the template registry keeps templates for
// the life of the process. A default handle, or one made from a null pointer, points to the null
// template. Two handles are equal when they point to the same template object.
class LMTEMPLATES_EXPORT LMUnconfiguredTemplate
{
public:
    LMUnconfiguredTemplate();
    explicit LMUnconfiguredTemplate(LMTemplate* theTemplate);
    LMUnconfiguredTemplate(const LMUnconfiguredTemplate&) = default;
    LMUnconfiguredTemplate& operator=(const LMUnconfiguredTemplate&) = default;
    virtual ~LMUnconfiguredTemplate();

    static LMUnconfiguredTemplate null();

    // A handle to a new template of that jig type, of the class the kind needs. The new template
    // belongs to the caller, who hands it to the registry or deletes it (deleteTemplate).
    static LMUnconfiguredTemplate create(const LMJigType& theJigType);
    // A handle to a new mirrored copy of the template, of its class; it belongs to the caller.
    LMUnconfiguredTemplate clone(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const;
    // A new template for a template element of an XML template file; it belongs to the caller.
    // Frames, glasses, passepartouts, wallholders and variant templates are made by jig type;
    // any other jig type gives a plain template of the jig type the element names.
    static LMUnconfiguredTemplate fromXml(const LMXMLElement& theElement, const QString& theBasePath,
                                          const LMJigType& theJigType);
    // "designElementType" read as a jig type, or else "category".
    static LMJigType findJigType(const LMXMLElement& theElement);
    // The template, followed by a mirrored copy (belonging to the caller) for every single mirror
    // rule of its possible mirrorings.
    static LMUnconfiguredTemplateList thisTemplateAndItsMirrors(const LMUnconfiguredTemplate& theTemplate);
    // Deletes the template this handle points to (never the null template); the handle then
    // points to the null template. Only for templates the caller owns.
    void deleteTemplate();

    bool isNull() const;
    LMTemplate* templatePointer() const { return myTemplate; }
    const LMTemplate* operator->() const { return myTemplate; }
    const LMTemplate& operator*() const { return *myTemplate; }

    // The template queries asked most often.
    bool isValid() const;
    bool isEmpty() const;
    QString name() const;
    QString uniqueName() const;
    LMJigType jigType() const;
    bool isJigType(const LMJigType& theType) const;

    friend bool operator==(const LMUnconfiguredTemplate& theA, const LMUnconfiguredTemplate& theB)
    {
        return theA.myTemplate == theB.myTemplate;
    }
    friend bool operator!=(const LMUnconfiguredTemplate& theA, const LMUnconfiguredTemplate& theB)
    {
        return theA.myTemplate != theB.myTemplate;
    }
    // By the address of the template object.
    friend bool operator<(const LMUnconfiguredTemplate& theA, const LMUnconfiguredTemplate& theB)
    {
        return std::less<const LMTemplate*>()(theA.myTemplate, theB.myTemplate);
    }

private:
    LMTemplate* myTemplate;
};

inline size_t qHash(const LMUnconfiguredTemplate& theTemplate, size_t = 0) noexcept
{
    return qHash(static_cast<const void*>(theTemplate.templatePointer()), 0);
}

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMUnconfiguredTemplate& theTemplate);
