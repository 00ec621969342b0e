#include "LMDesignStyleTemplates.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_TEMPLATES = QStringLiteral("templates");
} // namespace

LMDesignStyleTemplates::LMDesignStyleTemplates(const QDomElement& theElement)
{
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        append(LMDesignStyleTemplate(aChild));
}

void LMDesignStyleTemplates::append(const LMDesignStyleTemplate& theTemplate)
{
    if (theTemplate.isValid())
        myTemplates.append(theTemplate);
}

LMDesignStyleTemplate LMDesignStyleTemplates::templateByName(const QString& theName) const
{
    for (const LMDesignStyleTemplate& aTemplate : myTemplates) {
        if (aTemplate.name() == theName)
            return aTemplate;
    }
    return LMDesignStyleTemplate();
}

LMOrientation LMDesignStyleTemplates::supportedOrientations() const
{
    LMOrientation anOrientations;
    for (const LMDesignStyleTemplate& aTemplate : myTemplates)
        anOrientations |= aTemplate.orientations();
    return anOrientations;
}

void LMDesignStyleTemplates::buildXML(QDomElement& theParent) const
{
    QDomElement aTemplates = theParent.ownerDocument().createElement(STR_TEMPLATES);
    for (const LMDesignStyleTemplate& aTemplate : myTemplates)
        aTemplate.buildXML(aTemplates);
    theParent.appendChild(aTemplates);
}

QString LMDesignStyleTemplates::toDebugString() const
{
    QStringList aLines { QStringLiteral(" Templates:") };
    for (const LMDesignStyleTemplate& aTemplate : myTemplates)
        aLines << aTemplate.toDebugString();
    return aLines.join(QLatin1Char('\n'));
}
