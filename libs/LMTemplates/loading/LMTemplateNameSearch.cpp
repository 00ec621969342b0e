#include "LMTemplateNameSearch_p.h"

#include "LMConcurrent.h"
#include "LMIntRange.h"
#include "LMPageType.h"
#include "LMPoolSlotRelease.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateRegistry.h"
#include "LMUnconfiguredTemplateList.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
const QString STR_DESIGN_THEME = QStringLiteral(",design,");
const QString STR_ALBFREE_THEME = QStringLiteral(",albfreetheme,");
const QString STR_NORMAL_THEME = QStringLiteral(",normal,");
const QString STR_WEISS = QStringLiteral("Weiss,");
const QString STR_WHITE_REPLACEMENT = QStringLiteral("201,");
const QString STR_SVG_CONTENT = QStringLiteral(".svg_content");
const QString STR_UNKNOWN_TYPE = QStringLiteral(",unknown type");
const QString STR_PASSEPARTOUT = QStringLiteral("passepartout");
const QString STR_PDF = QStringLiteral(".pdf");
const QString STR_PNG = QStringLiteral(".png");

// The page types a background named only by its id may be of.
constexpr qint32 BACKGROUND_BY_ID_PAGE_TYPES = 0xF03F9;

const QRegularExpression& weissRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^Weiss,"));
    return ourRx;
}
const QRegularExpression& productionIdRx()
{
    static const QRegularExpression ourRx(QStringLiteral("([^/]*/[^/]+.svg)"));
    return ourRx;
}
const QRegularExpression& svgContentRx()
{
    static const QRegularExpression ourRx(QStringLiteral("\\.svg_content(\\d+)"));
    return ourRx;
}
const QRegularExpression& backgroundIdRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(\\d+),.*$"));
    return ourRx;
}
const QRegularExpression& niceDekoRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(.+),[+-]?[0-9]+,[+-]?[0-9]+,normal,.*,(Deko:.*)$"));
    return ourRx;
}
const QRegularExpression& niceHueRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(.+),[+-]?[0-9]+,[+-]?[0-9]+,([0-9]+),([0-9]+,.*)$"));
    return ourRx;
}
const QRegularExpression& niceOffsetRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(.+),[+-]?[0-9]+,[+-]?[0-9]+,(.*)$"));
    return ourRx;
}
const QRegularExpression& categoriesRx()
{
    static const QRegularExpression ourRx(QStringLiteral("^(.*/)(categories/.*)"));
    return ourRx;
}

// ASCII without "?": re-encoding between UTF-8 and Latin-1 leaves such a text as it is, and no
// name turns into it by losing characters to "?".
bool isPlainText(const QString& theText)
{
    for (const QChar aChar : theText) {
        if (aChar.unicode() >= 0x80 || aChar == QLatin1Char('?'))
            return false;
    }
    return true;
}

// The template's name variants hold the text; for plain texts that is plain equality, which
// saves the re-encodings.
bool matchesVariant(const LMUnconfiguredTemplate& theTemplate, const QString& theText, bool thePlainText)
{
    if (thePlainText)
        return theTemplate->nameVariants().contains(theText);
    return theTemplate->matchesNameVariants(theText);
}

// What one slice of the templates answers to steps three to seven: indexes into the list, -1 for
// none.
struct LMNameSearchResult
{
    qsizetype myProductionId = -1;
    qsizetype myNice = -1;
    qsizetype myNiceLength = 0;
    qsizetype myPassepartout = -1;
    qsizetype myMinimal = -1;
    qsizetype myMinimalLength = 0;
    qsizetype myVariant = -1;

    // Takes a later slice's answers: the first hits stay, shorter names win, equal ones stay earlier.
    void merge(const LMNameSearchResult& theLater)
    {
        if (myProductionId < 0)
            myProductionId = theLater.myProductionId;
        if (theLater.myNice >= 0 && (myNice < 0 || theLater.myNiceLength < myNiceLength)) {
            myNice = theLater.myNice;
            myNiceLength = theLater.myNiceLength;
        }
        if (myPassepartout < 0)
            myPassepartout = theLater.myPassepartout;
        if (theLater.myMinimal >= 0 && (myMinimal < 0 || theLater.myMinimalLength < myMinimalLength)) {
            myMinimal = theLater.myMinimal;
            myMinimalLength = theLater.myMinimalLength;
        }
        if (myVariant < 0)
            myVariant = theLater.myVariant;
    }
};

struct LMNameSearchSlice
{
    LMIntRange myRange;
    LMNameSearchResult myResult;
};

// The names steps three to seven look for; an empty name is a step left out.
struct LMNameSearch
{
    QString myProductionId;
    QString myNice;
    QString myPassepartout;
    QString myMinimal;
    QString myName;
    bool myPlainText;

    LMNameSearchResult run(const LMUnconfiguredTemplateList& theTemplates, const LMIntRange& theSlice) const
    {
        LMNameSearchResult aResult;
        for (qsizetype anIndex = theSlice.min(); anIndex <= theSlice.max(); ++anIndex) {
            const LMUnconfiguredTemplate& aTemplate = theTemplates.at(anIndex);
            const QString aUniqueName = aTemplate.uniqueName();
            const QString& aName = aTemplate->name();
            if (!myProductionId.isEmpty() && (aName == myProductionId || aUniqueName == myProductionId)) {
                // The earliest step: nothing later in this slice can win over it.
                aResult.myProductionId = anIndex;
                return aResult;
            }
            if (!myNice.isEmpty() && aUniqueName.startsWith(myNice)
                && (aResult.myNice < 0 || aName.size() < aResult.myNiceLength)) {
                aResult.myNice = anIndex;
                aResult.myNiceLength = aName.size();
            }
            if (!myPassepartout.isEmpty() && aResult.myPassepartout < 0
                && (aName == myPassepartout || aUniqueName == myPassepartout))
                aResult.myPassepartout = anIndex;
            if (!myMinimal.isEmpty() && aUniqueName.startsWith(myMinimal)
                && (aResult.myMinimal < 0 || aUniqueName.size() < aResult.myMinimalLength)) {
                aResult.myMinimal = anIndex;
                aResult.myMinimalLength = aUniqueName.size();
            }
            if (aResult.myVariant < 0 && matchesVariant(aTemplate, myName, myPlainText))
                aResult.myVariant = anIndex;
        }
        return aResult;
    }
};
} // namespace

QString LMTemplateNameSearch::normalized(const QString& theName)
{
    QString aName = theName;
    aName.replace(STR_DESIGN_THEME, STR_NORMAL_THEME);
    aName.replace(STR_ALBFREE_THEME, STR_NORMAL_THEME);
    // The expression is asked only when it can match: cached lookups must stay cheap.
    if (aName.startsWith(STR_WEISS))
        aName.replace(weissRx(), STR_WHITE_REPLACEMENT);
    return aName;
}

LMUnconfiguredTemplate LMTemplateNameSearch::find(const QString& theName) const
{
    if (theName.isEmpty())
        return LMUnconfiguredTemplate();
    const LMUnconfiguredTemplateList aTemplates = myRegistry.allTemplates();

    // The name itself, in parallel; the name travels in the predicate (no shared state).
    {
        const LMPoolSlotRelease aRelease;
        const LMUnconfiguredTemplateList aMatches
            = LMConcurrent::blockingFiltered(aTemplates, [theName](const LMUnconfiguredTemplate& theTemplate) {
                  return theTemplate->matchesName(theName);
              });
        if (!aMatches.isEmpty())
            return aMatches.constFirst();
    }

    // Steps three to seven in one pass over the list (in parallel slices): each step's answer
    // depends only on the list and its own name, so the first step with an answer wins as if they
    // had run one after the other.
    const QString aProductionId = extractProductionID(theName);
    const bool aCheckProductionId = aProductionId != theName;
    const QString aNiceName = makeTemplateNameNice(theName);
    // An empty prefix would take any template.
    const bool aCheckNice = !aNiceName.isEmpty();
    const QString aPassepartoutName = changePassepartoutArticles(theName);
    const bool aCheckPassepartout = aPassepartoutName != theName;
    const QString aMinimalName = makeTemplateNameMinimal(aNiceName);
    const bool aCheckMinimal = !aMinimalName.isEmpty();
    const bool aPlainText = isPlainText(theName);

    const LMNameSearch aSearch { aCheckProductionId ? aProductionId : QString(),
                                 aCheckNice ? aNiceName : QString(),
                                 aCheckPassepartout ? aPassepartoutName : QString(),
                                 aCheckMinimal ? aMinimalName : QString(),
                                 theName,
                                 aPlainText };
    // Slices of the list searched in parallel, each answer kept with its slice, merged in list order.
    QList<LMNameSearchSlice> aSlices;
    const QList<LMIntRange> aRanges
        = LMIntRange::splitEvenlyForCpuCores(LMIntRange(0, static_cast<int>(aTemplates.size()) - 1));
    for (const LMIntRange& aRange : aRanges)
        aSlices.append(LMNameSearchSlice { aRange, {} });
    {
        const LMPoolSlotRelease aRelease;
        LMConcurrent::blockingMap(aSlices, [&aSearch, &aTemplates](LMNameSearchSlice& theSlice) {
            theSlice.myResult = aSearch.run(aTemplates, theSlice.myRange);
        });
    }
    LMNameSearchResult aMerged;
    for (const LMNameSearchSlice& aSlice : std::as_const(aSlices))
        aMerged.merge(aSlice.myResult);
    for (const qsizetype anIndex :
         { aMerged.myProductionId, aMerged.myNice, aMerged.myPassepartout, aMerged.myMinimal, aMerged.myVariant }) {
        if (anIndex >= 0)
            return aTemplates.at(anIndex);
    }

    if (theName.contains(STR_SVG_CONTENT)) {
        QString aSvgName = theName;
        aSvgName.replace(svgContentRx(), QStringLiteral(".svg"));
        // Without digits behind it nothing changes: searching again would not end.
        if (aSvgName != theName)
            return find(aSvgName);
    }
    const QRegularExpressionMatch anIdMatch = backgroundIdRx().match(theName);
    if (anIdMatch.hasMatch()) {
        bool anOk = false;
        const qint32 anId = anIdMatch.captured(1).toInt(&anOk);
        if (anOk)
            return myRegistry.findBackgroundByID(LMDesignElementID(anId),
                                                 LMPageType::fromInt(BACKGROUND_BY_ID_PAGE_TYPES));
    }
    return LMUnconfiguredTemplate();
}

QString LMTemplateNameSearch::makeTemplateNameNice(const QString& theName)
{
    QString aName = theName;
    aName.remove(STR_UNKNOWN_TYPE);
    if (const QRegularExpressionMatch aMatch = niceDekoRx().match(aName); aMatch.hasMatch())
        aName = aMatch.captured(1) + STR_NORMAL_THEME + aMatch.captured(2);
    if (const QRegularExpressionMatch aMatch = niceHueRx().match(aName); aMatch.hasMatch())
        aName = aMatch.captured(1) + QStringLiteral(",hue=") + aMatch.captured(2) + QStringLiteral(",fading=")
            + aMatch.captured(3);
    if (const QRegularExpressionMatch aMatch = niceOffsetRx().match(aName); aMatch.hasMatch())
        aName = aMatch.captured(1) + QLatin1Char(',') + aMatch.captured(2);
    aName.replace(QStringLiteral("/./"), QStringLiteral("/"));
    if (const QRegularExpressionMatch aMatch = categoriesRx().match(aName); aMatch.hasMatch())
        aName = aName.mid(aMatch.capturedLength(1));
    if (const qsizetype aPdf = aName.indexOf(STR_PDF); aPdf >= 0) {
        aName.truncate(aPdf + STR_PDF.size());
        aName.remove(QStringLiteral(",-1,-1"));
    }
    return removePreviewAndPDFFromTemplatename(aName);
}

QString LMTemplateNameSearch::makeTemplateNameMinimal(const QString& theName)
{
    return theName.split(QLatin1Char(',')).mid(0, 2).join(QLatin1Char(','));
}

QString LMTemplateNameSearch::removePreviewAndPDFFromTemplatename(const QString& theName)
{
    QStringList aKept;
    const QStringList aParts = theName.split(QLatin1Char(','));
    for (const QString& aPart : aParts) {
        if (!aPart.endsWith(STR_PDF) && !aPart.endsWith(STR_PNG))
            aKept.append(aPart);
    }
    return aKept.join(QLatin1Char(','));
}

QString LMTemplateNameSearch::extractProductionID(const QString& theName)
{
    const QRegularExpressionMatch aMatch = productionIdRx().match(theName);
    return aMatch.hasMatch() ? aMatch.captured(1) : theName;
}

QString LMTemplateNameSearch::changePassepartoutArticles(const QString& theName)
{
    if (!theName.startsWith(STR_PASSEPARTOUT))
        return theName;
    QString aName = theName;
    const QList<QPair<QString, QString>> aChanges = LMProductCatalogue::instance()->passepartoutCodeChanges();
    for (const QPair<QString, QString>& aChange : aChanges)
        aName.replace(aChange.first, aChange.second);
    return aName;
}
