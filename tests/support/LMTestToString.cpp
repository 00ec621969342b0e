#include "LMTestToString.h"

#include "LMArticlesGroup.h"
#include "LMArticleVariants.h"
#include "LMCategorization.h"
#include "LMDesignElementMetaData.h"
#include "LMPageConstraint.h"
#include "LMRenderingRule.h"

#include <QDebug>
#include <QJsonDocument>

namespace {
char* copy(const QString& theText)
{
    return qstrdup(theText.toUtf8().constData());
}
} // namespace

char* toString(const LMArticleVariants& theVariants)
{
    return copy(QStringLiteral("variants(") + theVariants.toStringList().join(QLatin1Char('|')) + QLatin1Char(')'));
}

char* toString(const LMArticlesGroup& theGroup)
{
    QStringList aNames;
    for (const LMArticle& anArticle : theGroup.explicitArticles())
        aNames.append(anArticle.orderTxtName());
    return copy(QStringLiteral("articles(%1; %2 restrictions)")
                    .arg(aNames.join(QLatin1Char('|')))
                    .arg(theGroup.restrictions().size()));
}

char* toString(const LMCategorization& theCategorization)
{
    QStringList aParts;
    for (const LMCategoryType& aType : theCategorization.types()) {
        QStringList aNames = theCategorization.categories(aType).internalNames();
        aNames.sort();
        aParts.append(QDebug::toString(aType) + QLatin1Char('=') + aNames.join(QLatin1Char('|')));
    }
    return copy(QStringLiteral("categorization(") + aParts.join(QLatin1Char(' ')) + QLatin1Char(')'));
}

char* toString(const LMDesignElementMetaData& theMetaData)
{
    return copy(QString::fromUtf8(QJsonDocument(theMetaData.toJson()).toJson(QJsonDocument::Compact)));
}

char* toString(const LMPageConstraint& theConstraint)
{
    return copy(
        QStringLiteral("pages(%1, %2, %3)")
            .arg(QDebug::toString(theConstraint.pageTypes()), QDebug::toString(theConstraint.intendedAlignments()))
            .arg(theConstraint.defaultWidthByHeight()));
}

char* toString(const LMRenderingRule& theRule)
{
    return copy(theRule.isPreview() ? QStringLiteral("preview") : QStringLiteral("print"));
}
