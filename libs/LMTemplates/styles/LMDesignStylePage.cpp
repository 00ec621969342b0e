#include "LMDesignStylePage.h"

#include <QDomElement>
#include <QRegularExpression>

namespace {
const QString STR_PAGE = QStringLiteral("page");
const QString STR_TEMPLATE = QStringLiteral("template");
const QString STR_TEMPLATE_V2 = QStringLiteral("templateV2");
const QString STR_TEMPLATE_LL = QStringLiteral("templateLL");
const QString STR_SEPARATOR = QStringLiteral(",");

QStringList namesOf(const QString& theText)
{
    static const QRegularExpression ourSeparator(QStringLiteral("\\s*,\\s*"));
    QStringList aNames;
    for (const QString& aName : theText.split(ourSeparator, Qt::SkipEmptyParts)) {
        const QString aTrimmed = aName.trimmed();
        if (!aTrimmed.isEmpty())
            aNames.append(aTrimmed);
    }
    return aNames;
}
} // namespace

LMDesignStylePage::LMDesignStylePage(const QDomElement& theElement)
    : myTemplates(namesOf(theElement.hasAttribute(STR_TEMPLATE_V2) ? theElement.attribute(STR_TEMPLATE_V2)
                                                                   : theElement.attribute(STR_TEMPLATE))),
      myTemplatesLL(namesOf(theElement.attribute(STR_TEMPLATE_LL)))
{
}

bool LMDesignStylePage::hasDefinedTemplateName(const QString& theName) const
{
    return myTemplates.contains(theName) || myTemplatesLL.contains(theName);
}

bool LMDesignStylePage::usesLinenList(const LMCoverType& theCoverType) const
{
    constexpr qint32 aLinenOrLeather = qint32(LMCoverTypeEnum::Linen) | qint32(LMCoverTypeEnum::Leather);
    return (theCoverType.value() & aLinenOrLeather) != 0 && !myTemplatesLL.isEmpty();
}

QString LMDesignStylePage::at(const LMCoverType& theCoverType, qsizetype theIndex) const
{
    if (usesLinenList(theCoverType))
        return theIndex >= 0 && theIndex < myTemplatesLL.size() ? myTemplatesLL.at(theIndex) : myTemplatesLL.first();
    return myTemplates.value(theIndex);
}

qsizetype LMDesignStylePage::count(const LMCoverType& theCoverType) const
{
    return usesLinenList(theCoverType) ? myTemplatesLL.size() : myTemplates.size();
}

QDomElement LMDesignStylePage::buildXML(QDomElement& theParent) const
{
    QDomElement aPage = theParent.ownerDocument().createElement(STR_PAGE);
    aPage.setAttribute(STR_TEMPLATE, myTemplates.join(STR_SEPARATOR));
    if (!myTemplatesLL.isEmpty())
        aPage.setAttribute(STR_TEMPLATE_LL, myTemplatesLL.join(STR_SEPARATOR));
    theParent.appendChild(aPage);
    return aPage;
}

QString LMDesignStylePage::toDebugString() const
{
    QString aText = myTemplates.join(QLatin1String(", "));
    if (!myTemplatesLL.isEmpty())
        aText += QStringLiteral(" (linen and leather: %1)").arg(myTemplatesLL.join(QLatin1String(", ")));
    return aText;
}
