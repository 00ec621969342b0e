#include "LMToolCommandArticles.h"

#include "LMArticleList.h"
#include "LMPageType.h"
#include "LMProductCatalogue.h"
#include "LMToolMessageCapture.h"

#include <QJsonArray>

LMToolCommandArticles::LMToolCommandArticles()
    : LMToolCommand(QStringLiteral("articles"),
                    QStringLiteral("Lists the products of the catalogue: order name, id, class, orientation "
                                   "and inner page size."))
{
}

void LMToolCommandArticles::addOptions(QCommandLineParser& theParser)
{
    Q_UNUSED(theParser);
    addContentOption();
    addJsonOption();
}

int LMToolCommandArticles::execute()
{
    LMToolMessageCapture aCapture;
    if (!openContent(aCapture))
        return Failure;
    noteWarnings(aCapture);

    const LMArticleList anArticles = LMProductCatalogue::instance()->articles();
    QJsonArray aList;
    QString aText;
    for (const LMArticle& anArticle : anArticles) {
        const QSizeF aSize = anArticle.usableSize(LMPageTypeEnum::InnerPage);
        const QString aClass = anArticle.articleClass().encodeCSV();
        const QString anOrientation = anArticle.orientation().encodeCSV();
        aList.append(QJsonObject { { QStringLiteral("orderName"), anArticle.orderTxtName() },
                                   { QStringLiteral("id"), anArticle.id() },
                                   { QStringLiteral("name"), anArticle.visibleName() },
                                   { QStringLiteral("class"), aClass },
                                   { QStringLiteral("orientation"), anOrientation },
                                   { QStringLiteral("innerPageWidth"), aSize.width() },
                                   { QStringLiteral("innerPageHeight"), aSize.height() } });
        const QString aSizeText
            = aSize.isEmpty() ? QStringLiteral("-") : QStringLiteral("%1 x %2").arg(aSize.width()).arg(aSize.height());
        aText += QStringLiteral("%1 %2 %3 %4 %5\n")
                     .arg(anArticle.orderTxtName(), -24)
                     .arg(anArticle.id(), 6)
                     .arg(aClass, -12)
                     .arg(anOrientation, -10)
                     .arg(aSizeText);
    }
    if (jsonWanted())
        printJson(QJsonObject { { QStringLiteral("articles"), aList } });
    else
        printText(aText + counted(anArticles.size(), "article"));
    return Success;
}
