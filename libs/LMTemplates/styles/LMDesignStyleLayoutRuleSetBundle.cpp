#include "LMDesignStyleLayoutRuleSetBundle.h"

#include <QDomElement>

namespace {
const QString STR_ORIENTATION = QStringLiteral("orientation");
const QString STR_VALUE = QStringLiteral("value");
const QString STR_LAYOUTS = QStringLiteral("layouts");
const QString STR_RULESET = QStringLiteral("ruleset");
const QString STR_NAME = QStringLiteral("name");
} // namespace

LMDesignStyleLayoutRuleSetBundle::LMDesignStyleLayoutRuleSetBundle(const QDomElement& theElement)
{
    if (theElement.tagName() != STR_ORIENTATION) {
        qWarning("%s",
                 qUtf8Printable(
                     QStringLiteral("wrong tag name: %1; expected: %2").arg(theElement.tagName(), STR_ORIENTATION)));
        return;
    }
    myOrientation = LMOrientation(theElement.attribute(STR_VALUE));
    const QDomElement aLayouts = theElement.firstChildElement(STR_LAYOUTS);
    if (!aLayouts.isNull())
        myLayouts = LMDesignStyleLayouts(aLayouts);
    for (QDomElement aChild = theElement.firstChildElement(STR_RULESET); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_RULESET)) {
        const QString aName = aChild.attribute(STR_NAME);
        if (!aName.isEmpty())
            myRuleSetNames.append(aName);
    }
}

void LMDesignStyleLayoutRuleSetBundle::buildXML(QDomElement& theParent) const
{
    QDomDocument aDocument = theParent.ownerDocument();
    QDomElement anOrientation = aDocument.createElement(STR_ORIENTATION);
    anOrientation.setAttribute(STR_VALUE, myOrientation.toString());
    myLayouts.buildXML(anOrientation);
    for (const QString& aName : myRuleSetNames) {
        QDomElement aRuleSet = aDocument.createElement(STR_RULESET);
        aRuleSet.setAttribute(STR_NAME, aName);
        anOrientation.appendChild(aRuleSet);
    }
    theParent.appendChild(anOrientation);
}

QString LMDesignStyleLayoutRuleSetBundle::toDebugString() const
{
    return QStringLiteral("    Orientation: %1\n      %2\n      Rule sets: %3")
        .arg(myOrientation.toString(), myLayouts.toDebugString(), myRuleSetNames.join(QLatin1String(", ")));
}
