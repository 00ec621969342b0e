#include "LMToolCommandStyles.h"

#include "LMContentFilterParameter.h"
#include "LMDesignStyleDisplayingFilter.h"
#include "LMDesignStyleRegistry.h"
#include "LMTemplateContext.h"
#include "LMToolMessageCapture.h"

#include <QJsonArray>

namespace {
const QString OPT_ALL = QStringLiteral("all");
} // namespace

LMToolCommandStyles::LMToolCommandStyles()
    : LMToolCommand(QStringLiteral("styles"),
                    QStringLiteral("Lists the design styles a product may offer: id, name, kind, orientations."))
{
}

void LMToolCommandStyles::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addArticleOption();
    addJsonOption();
    theParser.addOption(QCommandLineOption(
        OPT_ALL, QStringLiteral("Lists every style of the content, with whether the product offers it.")));
}

int LMToolCommandStyles::execute()
{
    LMToolMessageCapture aCapture;
    if (!openContent(aCapture))
        return Failure;
    const LMArticle anArticle = resolveArticle();
    if (anArticle.isNull())
        return Failure;
    const LMDesignStyleList aStyles = LMDesignStyleRegistry::instance()->allStyles();
    noteWarnings(aCapture);
    // What the product's list of styles offers on its pages: the list's filter for an inner page,
    // which also asks the styles' own constraints (the products their records name).
    const LMDesignStyleDisplayingFilter aFilter(
        LMContentFilterParameter(LMTemplateContext(anArticle, LMPageTypeEnum::InnerPage), LMCategorization()), false);
    const bool anAll = parser().isSet(OPT_ALL);
    QJsonArray aList;
    QString aText;
    int anOffered = 0;
    for (const LMDesignStyle& aStyle : aStyles) {
        const bool anOffers = aFilter.accept(aStyle);
        anOffered += anOffers ? 1 : 0;
        if (!anOffers && !anAll)
            continue;
        const QString aKind = aStyle.isStoryBook() ? QStringLiteral("story book") : QStringLiteral("assistant");
        const QString anOrientations = aStyle.allowedOrientations().encodeCSV();
        const QString aFile = displayPath(aStyle.impl()->sourceFile().filePath());
        QJsonObject anEntry { { QStringLiteral("id"), aStyle.designElementID().id() },
                              { QStringLiteral("name"), aStyle.visibleName() },
                              { QStringLiteral("kind"), aKind },
                              { QStringLiteral("orientations"), anOrientations },
                              { QStringLiteral("pages"), aStyle.doublePageTemplateCount() * 2 },
                              { QStringLiteral("templates"), int(aStyle.impl()->templates().count()) },
                              { QStringLiteral("ruleSets"), int(aStyle.impl()->ruleSets().count()) },
                              { QStringLiteral("file"), aFile } };
        if (anAll)
            anEntry.insert(QStringLiteral("offered"), anOffers);
        aList.append(anEntry);
        aText += QStringLiteral("%1 %2 %3 %4 %5 templates, %6 rule sets%7\n")
                     .arg(aStyle.designElementID().id(), 6)
                     .arg(aStyle.visibleName(), -20)
                     .arg(aKind, -10)
                     .arg(anOrientations, -16)
                     .arg(aStyle.impl()->templates().count())
                     .arg(aStyle.impl()->ruleSets().count())
                     .arg(anAll && !anOffers ? QStringLiteral(" (not offered)") : QString());
    }
    if (jsonWanted()) {
        printJson(QJsonObject { { QStringLiteral("article"), anArticle.orderTxtName() },
                                { QStringLiteral("styles"), aList } });
        return Success;
    }
    printText(aText
              + QStringLiteral("%1 offers %2 of %3\n")
                    .arg(anArticle.orderTxtName(), counted(anOffered, "style"))
                    .arg(aStyles.size()));
    return Success;
}
