#include "LMTemplateConfiguration.h"

#include "LMXMLParser.h"

#include <QDebug>
#include <QDomElement>

namespace {
const QString STR_NO_SHEET = QStringLiteral("---");
const QString STR_SEPARATOR = QStringLiteral(";");
const QString STR_TRUE = QStringLiteral("true");
const QString STR_FALSE = QStringLiteral("false");
const QString STR_CSS_SHEET = QStringLiteral("cssSheet");
const QString STR_SPOT_COLOR_ENABLED = QStringLiteral("spotColorEnabled");
} // namespace

LMTemplateConfiguration::LMTemplateConfiguration(const QString& theCssSheetTitle, bool theSpotColorEnabled)
    : myCssSheetTitle(theCssSheetTitle), mySpotColorEnabled(theSpotColorEnabled)
{
}

LMTemplateConfiguration::LMTemplateConfiguration(const QDomElement& theElement)
    : myCssSheetTitle(theElement.attribute(STR_CSS_SHEET)),
      mySpotColorEnabled(LMXMLParser::boolAttribute(theElement, STR_SPOT_COLOR_ENABLED, false))
{
}

LMTemplateConfiguration::~LMTemplateConfiguration() = default;

LMTemplateConfiguration LMTemplateConfiguration::deserialize(const QString& theText)
{
    const QStringList aFields = theText.split(STR_SEPARATOR, Qt::KeepEmptyParts);
    LMTemplateConfiguration aResult;
    if (aFields.constFirst() != STR_NO_SHEET)
        aResult.myCssSheetTitle = aFields.constFirst();
    if (aFields.size() > 1)
        aResult.mySpotColorEnabled = aFields.at(1) != STR_FALSE;
    return aResult;
}

QString LMTemplateConfiguration::serialize() const
{
    return (myCssSheetTitle.isEmpty() ? STR_NO_SHEET : myCssSheetTitle) + STR_SEPARATOR
        + (mySpotColorEnabled ? STR_TRUE : STR_FALSE);
}

void LMTemplateConfiguration::toMCF(QDomElement& theElement) const
{
    if (!myCssSheetTitle.isEmpty())
        theElement.setAttribute(STR_CSS_SHEET, myCssSheetTitle);
    if (mySpotColorEnabled)
        theElement.setAttribute(STR_SPOT_COLOR_ENABLED, 1);
}

QString LMTemplateConfiguration::toolTip() const
{
    return myCssSheetTitle.isEmpty() ? QString() : QStringLiteral("(%1)").arg(myCssSheetTitle);
}

bool operator<(const LMTemplateConfiguration& theA, const LMTemplateConfiguration& theB)
{
    const int aCompared = QString::compare(theA.myCssSheetTitle, theB.myCssSheetTitle, Qt::CaseSensitive);
    if (aCompared != 0)
        return aCompared < 0;
    return !theA.mySpotColorEnabled && theB.mySpotColorEnabled;
}

QDebug operator<<(QDebug theDebug, const LMTemplateConfiguration& theConfiguration)
{
    QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateConfiguration(" << theConfiguration.serialize() << ')';
    return theDebug;
}
