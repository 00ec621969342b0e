#include "LMDesignStyleShadows.h"

#include "LMDesignStyleAreas.h"
#include "LMTemplateAreaDefinition.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_SHADOWS = QStringLiteral("shadows");
const QString STR_SHADOW = QStringLiteral("shadow");
} // namespace

LMDesignStyleShadows::LMDesignStyleShadows(const QDomElement& theElement)
{
    for (QDomElement aChild = theElement.firstChildElement(STR_SHADOW); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_SHADOW))
        insert(LMDesignStyleShadow(aChild));
}

void LMDesignStyleShadows::insert(const LMDesignStyleShadow& theShadow)
{
    if (theShadow.areaType().isValid())
        myShadows.insert(theShadow.areaType().value(), theShadow);
}

void LMDesignStyleShadows::buildXML(QDomElement& theParent) const
{
    QDomElement aShadows = theParent.ownerDocument().createElement(STR_SHADOWS);
    for (const LMDesignStyleShadow& aShadow : myShadows)
        aShadow.buildXML(aShadows);
    theParent.appendChild(aShadows);
}

QString LMDesignStyleShadows::toDebugString() const
{
    QStringList aLines { QStringLiteral("      Shadows:") };
    for (const LMDesignStyleShadow& aShadow : myShadows)
        aLines << aShadow.toDebugString();
    return aLines.join(QLatin1Char('\n'));
}

LMTemplateAreaDefinitionList LMDesignStyleShadows::applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas) const
{
    for (const LMDesignStyleShadow& aShadow : myShadows) {
        for (LMTemplateAreaDefinition* anArea : LMDesignStyleAreas::ofType(theAreas, aShadow.areaType()))
            LMDesignStyleAreas::changeDecoration(*anArea, [&aShadow](LMAreaDecoration& theDecoration) {
                theDecoration.setShadow(aShadow.shadowConfig());
            });
    }
    return theAreas;
}
