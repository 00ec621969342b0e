#include "LMCalendariumAppearance.h"

#include "LMModelXml.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomDocument>

namespace {
const QString STR_CALENDAR = QStringLiteral("calendar");
const QString STR_SCHEMA = QStringLiteral("schema");
const QString STR_LAYOUT = QStringLiteral("layout");
const QString STR_LANGUAGE = QStringLiteral("language");
const QString STR_MONTH_OFFSET = QStringLiteral("monthOffset");
} // namespace

LMCalendariumAppearance LMCalendariumAppearance::fromXml(const LMXMLElement& theParent)
{
    LMCalendariumAppearance anAppearance;
    const LMXMLElement anElement = theParent.firstChildElement(STR_CALENDAR);
    if (anElement.isNull())
        return anAppearance;
    anAppearance.myColorSchema = anElement.attribute(STR_SCHEMA);
    anAppearance.myLayout = anElement.attribute(STR_LAYOUT);
    anAppearance.myLanguage = anElement.attribute(STR_LANGUAGE);
    anAppearance.myMonthOffset = LMModelXml::intAttribute(anElement, STR_MONTH_OFFSET, 0);
    return anAppearance;
}

void LMCalendariumAppearance::buildXML(QDomElement& theParent) const
{
    if (isDefault())
        return;
    QDomElement anElement = theParent.ownerDocument().createElement(STR_CALENDAR);
    if (!myColorSchema.isEmpty())
        anElement.setAttribute(STR_SCHEMA, myColorSchema);
    if (!myLayout.isEmpty())
        anElement.setAttribute(STR_LAYOUT, myLayout);
    if (!myLanguage.isEmpty())
        anElement.setAttribute(STR_LANGUAGE, myLanguage);
    if (myMonthOffset != 0)
        anElement.setAttribute(STR_MONTH_OFFSET, myMonthOffset);
    theParent.appendChild(anElement);
}

QDebug operator<<(QDebug theDebug, const LMCalendariumAppearance& theAppearance)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMCalendariumAppearance(" << theAppearance.colorSchema() << ", " << theAppearance.layout()
                       << ", " << theAppearance.language() << ", offset " << theAppearance.monthOffset() << ')';
    return theDebug;
}
