#include "LMTemplateBundle.h"

#include "LMTemplateBundleRegistry.h"

#include <QDebug>

LMUnconfiguredTemplate LMTemplateBundle::firstTemplate() const
{
    return myTemplates.isEmpty() ? LMUnconfiguredTemplate::null() : myTemplates.constFirst();
}

LMUnconfiguredTemplate LMTemplateBundle::nextTemplate(const LMUnconfiguredTemplate& theTemplate) const
{
    const qsizetype anIndex = indexOf(theTemplate);
    if (anIndex < 0 || anIndex + 1 >= myTemplates.size())
        return LMUnconfiguredTemplate::null();
    return myTemplates.at(anIndex + 1);
}

LMUnconfiguredTemplate LMTemplateBundle::previousTemplate(const LMUnconfiguredTemplate& theTemplate) const
{
    const qsizetype anIndex = indexOf(theTemplate);
    if (anIndex < 1)
        return LMUnconfiguredTemplate::null();
    return myTemplates.at(anIndex - 1);
}

bool LMTemplateBundle::hasNextTemplate(const LMUnconfiguredTemplate& theTemplate) const
{
    return !nextTemplate(theTemplate).isNull();
}

bool LMTemplateBundle::hasPreviousTemplate(const LMUnconfiguredTemplate& theTemplate) const
{
    return !previousTemplate(theTemplate).isNull();
}

int LMTemplateBundle::countNeededPages() const
{
    int aPages = 1;
    for (const LMUnconfiguredTemplate& aTemplate : myTemplates) {
        if (hasNextTemplate(aTemplate))
            ++aPages;
    }
    return aPages;
}

void LMTemplateBundle::remove(const LMUnconfiguredTemplate& theTemplate)
{
    myTemplates.removeAll(theTemplate);
}

void LMTemplateBundle::append(const LMUnconfiguredTemplate& theTemplate)
{
    const LMTemplateBundle anOther = LMTemplateBundleRegistry::instance()->find(theTemplate);
    for (const LMUnconfiguredTemplate& aTemplate : anOther.templates()) {
        if (!myTemplates.contains(aTemplate))
            myTemplates.append(aTemplate);
    }
}

qsizetype LMTemplateBundle::indexOf(const LMUnconfiguredTemplate& theTemplate) const
{
    if (!theTemplate.isValid())
        return -1;
    return myTemplates.indexOf(theTemplate);
}

QDebug operator<<(QDebug theDebug, const LMTemplateBundle& theBundle)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateBundle(";
    const LMUnconfiguredTemplateList& aTemplates = theBundle.templates();
    for (qsizetype anIndex = 0; anIndex < aTemplates.size(); ++anIndex)
        theDebug << (anIndex > 0 ? ", " : "") << aTemplates.at(anIndex).name();
    theDebug << ')';
    return theDebug;
}
