#include "LMUsedDesignStyle.h"

#include <QDomElement>

namespace {
const QString STR_DESIGN_STYLE_ID = QStringLiteral("designStyleID");
const QString STR_TEMPLATE_NAME = QStringLiteral("designStyleTemplateName");
} // namespace

LMUsedDesignStyle::LMUsedDesignStyle(const QDomElement& theElement)
    : myDesignElementId(LMDesignElementID::fromXmlAttribute(theElement, STR_DESIGN_STYLE_ID)),
      myPageTemplate(theElement.attribute(STR_TEMPLATE_NAME))
{
}

void LMUsedDesignStyle::buildXML(QDomElement& theElement) const
{
    myDesignElementId.toXML(theElement, STR_DESIGN_STYLE_ID);
    if (!myPageTemplate.isEmpty())
        theElement.setAttribute(STR_TEMPLATE_NAME, myPageTemplate);
}
