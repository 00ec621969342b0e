#include "LMToolCommandList.h"

#include "LMAbstractDecoration.h"
#include "LMCategorization.h"
#include "LMContentFilterParameter.h"
#include "LMDecorationRegistry.h"
#include "LMOrientation.h"
#include "LMPageType.h"
#include "LMRatedTemplate.h"
#include "LMTemplate.h"
#include "LMTemplateAnalysis.h"
#include "LMTemplateContext.h"
#include "LMTemplateFilterBackground.h"
#include "LMTemplateFilterContent.h"
#include "LMTemplateFilterFrame.h"
#include "LMTemplateFilterFrameGlasses.h"
#include "LMTemplateFilterFramePassepartout.h"
#include "LMTemplateFilterLayout.h"
#include "LMTemplateFilterVariantTemplate.h"
#include "LMTemplateFilterWallholder.h"
#include "LMTemplateRater.h"
#include "LMTemplateRegistry.h"
#include "LMToolCommandShow.h"
#include "LMToolMessageCapture.h"

#include <QJsonArray>

#include <algorithm>
#include <memory>

namespace {

const QString OPT_JIG = QStringLiteral("jig");
const QString OPT_PAGE_TYPE = QStringLiteral("page-type");
const QString OPT_KEYWORD = QStringLiteral("keyword");
const QString OPT_PHOTOS = QStringLiteral("photos");
const QString OPT_ORIENTATION = QStringLiteral("orientation");
const QString OPT_ALL = QStringLiteral("all");
const QString OPT_NEAR = QStringLiteral("near");

// The words of the command line, each with the kind of template its filter accepts.
struct Kind
{
    QString word;
    LMJigTypeEnum jigType;
};

const QList<Kind>& kinds()
{
    static const QList<Kind> ourKinds {
        { QStringLiteral("layout"), LMJigTypeEnum::Layout },
        { QStringLiteral("background"), LMJigTypeEnum::Background },
        { QStringLiteral("content"), LMJigTypeEnum::SvgTemplate },
        { QStringLiteral("frame"), LMJigTypeEnum::Frame },
        { QStringLiteral("passepartout"), LMJigTypeEnum::Passepartout },
        { QStringLiteral("frameglass"), LMJigTypeEnum::FrameGlass },
        { QStringLiteral("wallholder"), LMJigTypeEnum::Wallholder },
        { QStringLiteral("variant"), LMJigTypeEnum::VariantTemplate },
    };
    return ourKinds;
}

std::unique_ptr<LMTemplateFilterAbstract> makeFilter(LMJigTypeEnum theJigType,
                                                     const LMContentFilterParameter& theParameter)
{
    switch (theJigType) {
    case LMJigTypeEnum::Layout:
        return std::make_unique<LMTemplateFilterLayout>(theParameter);
    case LMJigTypeEnum::Background:
        return std::make_unique<LMTemplateFilterBackground>(theParameter);
    case LMJigTypeEnum::SvgTemplate:
        return std::make_unique<LMTemplateFilterContent>(theParameter);
    case LMJigTypeEnum::Frame:
        return std::make_unique<LMTemplateFilterFrame>(theParameter);
    case LMJigTypeEnum::Passepartout:
        return std::make_unique<LMTemplateFilterFramePassepartout>(theParameter);
    case LMJigTypeEnum::FrameGlass:
        return std::make_unique<LMTemplateFilterFrameGlasses>(theParameter);
    case LMJigTypeEnum::Wallholder:
        return std::make_unique<LMTemplateFilterWallholder>(theParameter);
    case LMJigTypeEnum::VariantTemplate:
        return std::make_unique<LMTemplateFilterVariantTemplate>(theParameter);
    default:
        return nullptr;
    }
}

} // namespace

LMToolCommandList::LMToolCommandList()
    : LMToolCommand(QStringLiteral("list"),
                    QStringLiteral("Lists the templates a product context offers, through the library's filters."))
{
}

QList<QString> LMToolCommandList::decorationWords()
{
    return { QStringLiteral("clipart"), QStringLiteral("mask") };
}

QString LMToolCommandList::jigWord(const LMJigType& theJigType)
{
    const auto anIt = std::find_if(kinds().cbegin(), kinds().cend(),
                                   [&](const Kind& theKind) { return theJigType == theKind.jigType; });
    return anIt == kinds().cend() ? QString() : anIt->word;
}

std::unique_ptr<LMTemplateFilterAbstract> LMToolCommandList::filterForKind(const QString& theWord,
                                                                           const LMContentFilterParameter& theParameter)
{
    const auto anIt = std::find_if(kinds().cbegin(), kinds().cend(),
                                   [&theWord](const Kind& theKind) { return theKind.word == theWord.trimmed(); });
    return anIt == kinds().cend() ? nullptr : makeFilter(anIt->jigType, theParameter);
}

QList<QString> LMToolCommandList::jigWords()
{
    QList<QString> aWords;
    for (const Kind& aKind : kinds())
        aWords.append(aKind.word);
    return aWords;
}

void LMToolCommandList::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addArticleOption();
    addJsonOption();
    theParser.addOption(
        QCommandLineOption(OPT_JIG,
                           QStringLiteral("Kinds to list, comma-separated: %1 (default: all); or the decorations: %2.")
                               .arg(jigWords().join(QLatin1String(", ")), decorationWords().join(QLatin1String(", "))),
                           QStringLiteral("types")));
    theParser.addOption(QCommandLineOption(OPT_PAGE_TYPE,
                                           QStringLiteral("The page type of the context (default: inner_page)."),
                                           QStringLiteral("type"), QStringLiteral("inner_page")));
    theParser.addOption(QCommandLineOption(OPT_KEYWORD, QStringLiteral("Only layouts whose name has the keyword."),
                                           QStringLiteral("text")));
    theParser.addOption(QCommandLineOption(OPT_PHOTOS, QStringLiteral("Only layouts with that many photo areas."),
                                           QStringLiteral("count")));
    theParser.addOption(QCommandLineOption(OPT_ORIENTATION,
                                           QStringLiteral("Frames for that orientation (portrait, landscape, square)."),
                                           QStringLiteral("orientation")));
    theParser.addOption(QCommandLineOption(OPT_ALL, QStringLiteral("Also templates hidden from the editor's lists.")));
    theParser.addOption(QCommandLineOption(
        OPT_NEAR,
        QStringLiteral("Orders the templates by how near their colour is to this one (#rrggbb or a colour name), "
                       "greys first."),
        QStringLiteral("colour")));
}

int LMToolCommandList::execute()
{
    // Arguments first: a usage error needs no content.
    QList<Kind> aWanted;
    if (parser().isSet(OPT_JIG)) {
        const QStringList aWords = parser().value(OPT_JIG).split(QLatin1Char(','), Qt::SkipEmptyParts);
        const bool aDecorations = std::any_of(aWords.cbegin(), aWords.cend(), [](const QString& theWord) {
            return decorationWords().contains(theWord.trimmed());
        });
        if (aDecorations) {
            if (!std::all_of(aWords.cbegin(), aWords.cend(),
                             [](const QString& theWord) { return decorationWords().contains(theWord.trimmed()); }))
                return usageError(QStringLiteral("decorations (%1) are listed on their own")
                                      .arg(decorationWords().join(QLatin1String(", "))));
            return listDecorations(aWords);
        }
        for (const QString& aWord : parser().value(OPT_JIG).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const auto anIt = std::find_if(kinds().cbegin(), kinds().cend(),
                                           [&aWord](const Kind& theKind) { return theKind.word == aWord.trimmed(); });
            if (anIt == kinds().cend())
                return usageError(
                    QStringLiteral("unknown jig type: %1 (one of %2; or the decorations: %3)")
                        .arg(aWord, jigWords().join(QLatin1String(", ")), decorationWords().join(QLatin1String(", "))));
            aWanted.append(*anIt);
        }
    } else {
        aWanted = kinds();
    }
    const LMPageType aPageType(parser().value(OPT_PAGE_TYPE));
    if (!aPageType.isValid())
        return usageError(QStringLiteral("unknown page type: %1").arg(parser().value(OPT_PAGE_TYPE)));
    int aPhotos = -1;
    if (parser().isSet(OPT_PHOTOS)) {
        bool anOk = false;
        aPhotos = parser().value(OPT_PHOTOS).toInt(&anOk);
        if (!anOk || aPhotos < 0)
            return usageError(
                QStringLiteral("--photos needs a count of 0 or more: %1").arg(parser().value(OPT_PHOTOS)));
    }
    LMOrientation anOrientation;
    if (parser().isSet(OPT_ORIENTATION)) {
        anOrientation = LMOrientation(parser().value(OPT_ORIENTATION));
        if (!anOrientation.isValid())
            return usageError(QStringLiteral("unknown orientation: %1").arg(parser().value(OPT_ORIENTATION)));
    }

    QColor aNear;
    if (parser().isSet(OPT_NEAR)) {
        aNear = QColor(parser().value(OPT_NEAR));
        if (!aNear.isValid())
            return usageError(
                QStringLiteral("--near needs a colour such as #3366cc: %1").arg(parser().value(OPT_NEAR)));
    }

    LMToolMessageCapture aCapture;
    const LMArticle anArticle = openAndLoadArticle(aCapture, false);
    if (anArticle.isNull())
        return Failure;

    LMContentFilterParameter aParameter(LMTemplateContext(anArticle, aPageType), LMCategorization());
    aParameter.setNumberOfFotoAreas(aPhotos);
    if (parser().isSet(OPT_KEYWORD))
        aParameter.setSearchKeyword(parser().value(OPT_KEYWORD));
    if (anOrientation.isValid())
        aParameter.setOrientation(anOrientation);
    if (parser().isSet(OPT_ALL))
        aParameter.setIgnoreVisibility(true);

    noteWarnings(aCapture);
    LMTemplateRegistry* aRegistry = LMTemplateRegistry::instance();
    QJsonObject aJsonKinds;
    QString aText = QStringLiteral("article: %1, page type: %2\n").arg(anArticle.orderTxtName(), aPageType.encode());
    for (const Kind& aKind : aWanted) {
        const std::unique_ptr<LMTemplateFilterAbstract> aFilter = makeFilter(aKind.jigType, aParameter);
        const LMUnconfiguredTemplateList aTemplates = aRegistry->getTemplates(*aFilter).sortedByName();
        QList<LMRatedTemplate> aRated;
        const LMTemplateRater aRater(aNear, LMTemplateContext(anArticle, aPageType));
        if (aNear.isValid()) {
            LMTemplateList aList;
            for (const LMUnconfiguredTemplate& aTemplate : aTemplates)
                aList.append(LMConfiguredTemplate(aTemplate));
            aRated = aRater.prepareList(aList);
            std::stable_sort(aRated.begin(), aRated.end());
        } else {
            for (const LMUnconfiguredTemplate& aTemplate : aTemplates)
                aRated.append(LMRatedTemplate(LMConfiguredTemplate(aTemplate), 0));
        }
        QJsonArray anArray;
        aText += QStringLiteral("%1: %2\n").arg(aKind.word).arg(aTemplates.size());
        for (const LMRatedTemplate& aRating : std::as_const(aRated)) {
            const LMConfiguredTemplate& aTemplate = aRating.configuredTemplate();
            const int aPhotoAreas = aTemplate->analysis().countFotoAreas();
            QJsonObject anObject { { QStringLiteral("name"), aTemplate.name() },
                                   { QStringLiteral("uniqueName"), aTemplate.uniqueName() },
                                   { QStringLiteral("photoAreas"), aPhotoAreas } };
            QString aColor;
            if (aNear.isValid()) {
                const QString aName = aRater.measureColor(aTemplate).name();
                anObject.insert(QStringLiteral("color"), aName);
                anObject.insert(QStringLiteral("distance"), aRating.value());
                aColor = QStringLiteral(", colour %1, distance %2").arg(aName).arg(aRating.value());
            }
            anArray.append(anObject);
            aText += QStringLiteral("  %1  (%2, %3 photo areas%4)\n")
                         .arg(aTemplate.name(), aTemplate.uniqueName())
                         .arg(aPhotoAreas)
                         .arg(aColor);
        }
        aJsonKinds.insert(aKind.word, anArray);
    }

    if (jsonWanted())
        printJson(QJsonObject { { QStringLiteral("article"), anArticle.orderTxtName() },
                                { QStringLiteral("pageType"), aPageType.encode() },
                                { QStringLiteral("templates"), aJsonKinds } });
    else
        printText(aText);
    return Success;
}

int LMToolCommandList::listDecorations(const QStringList& theWords)
{
    LMToolMessageCapture aCapture;
    if (!openContent(aCapture))
        return Failure;
    LMDecorationRegistry* aRegistry = LMDecorationRegistry::instance();
    noteWarnings(aCapture);
    QJsonObject aJsonKinds;
    QString aText;
    for (const QString& aWord : theWords) {
        const QString aKind = aWord.trimmed();
        LMAbstractDecorationList aList
            = aKind == QLatin1String("clipart") ? aRegistry->cliparts() : aRegistry->passepartouts();
        std::sort(aList.begin(), aList.end(), [](const LMAbstractDecoration* theA, const LMAbstractDecoration* theB) {
            return theA->mimeData() < theB->mimeData();
        });
        QJsonArray anArray;
        aText += QStringLiteral("%1: %2\n").arg(aKind).arg(aList.size());
        for (const LMAbstractDecoration* aDecoration : std::as_const(aList)) {
            const QString aCategories = aDecoration->categories().internalNames().join(QLatin1Char(','));
            anArray.append(QJsonObject { { QStringLiteral("name"), aDecoration->mimeData() },
                                         { QStringLiteral("designElementId"), aDecoration->designElementID().id() },
                                         { QStringLiteral("categories"), aCategories } });
            aText += QStringLiteral("  %1  (%2, %3)\n")
                         .arg(aDecoration->mimeData(), aDecoration->designElementID().toString(), aCategories);
        }
        aJsonKinds.insert(aKind, anArray);
    }
    if (jsonWanted())
        printJson(QJsonObject { { QStringLiteral("decorations"), aJsonKinds } });
    else
        printText(aText);
    return Success;
}
