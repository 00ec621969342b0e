#include "LMConfiguredTemplate.h"

#include "LMTemplate.h"
#include "LMTemplateBundleRegistry.h"

#include <QDebug>
#include <QDomElement>

namespace {
const QString STR_TEMPLATE = QStringLiteral("template");
} // namespace

LMConfiguredTemplate::LMConfiguredTemplate(const LMUnconfiguredTemplate& theTemplate,
                                           const LMTemplateConfiguration& theConfiguration)
    : myTemplate(theTemplate), myConfiguration(theConfiguration)
{
    if (myConfiguration.isDefault())
        myConfiguration.setSpotColorEnabled(myTemplate->hasSpotColor());
}

LMConfiguredTemplate::~LMConfiguredTemplate() = default;

bool LMConfiguredTemplate::setConfiguration(const LMTemplateConfiguration& theConfiguration)
{
    if (myConfiguration == theConfiguration)
        return false;
    myConfiguration = theConfiguration;
    return true;
}

LMConfiguredTemplate LMConfiguredTemplate::clone(const LMMirrorRule& theMirrorRule) const
{
    LMConfiguredTemplate aClone;
    aClone.myTemplate = myTemplate.clone(theMirrorRule);
    aClone.myConfiguration = myConfiguration;
    return aClone;
}

void LMConfiguredTemplate::toMcf(QDomElement& theElement) const
{
    theElement.setAttribute(STR_TEMPLATE, myTemplate.uniqueName());
    myConfiguration.toMCF(theElement);
}

LMConfiguredTemplate LMConfiguredTemplate::nextBundleTemplate() const
{
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(myTemplate);
    return LMConfiguredTemplate(aBundle.nextTemplate(myTemplate), myConfiguration);
}

LMConfiguredTemplate LMConfiguredTemplate::previousBundleTemplate() const
{
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(myTemplate);
    return LMConfiguredTemplate(aBundle.previousTemplate(myTemplate), myConfiguration);
}

LMConfiguredTemplate LMConfiguredTemplate::firstBundleTemplate() const
{
    const LMTemplateBundle aBundle = LMTemplateBundleRegistry::instance()->find(myTemplate);
    return LMConfiguredTemplate(aBundle.firstTemplate(), myConfiguration);
}

int LMConfiguredTemplate::countNeededBundlePages() const
{
    return LMTemplateBundleRegistry::instance()->find(myTemplate).countNeededPages();
}

bool LMConfiguredTemplate::inSameBundle(const LMConfiguredTemplate& theOther) const
{
    return LMTemplateBundleRegistry::instance()->find(myTemplate).contains(theOther.myTemplate);
}

QString LMConfiguredTemplate::toolTip() const
{
    return myTemplate->toolTip() + QLatin1Char(' ') + myConfiguration.toolTip();
}

QDebug operator<<(QDebug theDebug, const LMConfiguredTemplate& theTemplate)
{
    QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMConfiguredTemplate(" << theTemplate.name() << ", "
                       << theTemplate.configuration().serialize() << ')';
    return theDebug;
}
