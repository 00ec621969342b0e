#include "LMCssSheetTitleIdMap.h"

#include "LMPlatformLogging.h"

#include <QDebug>
#include <QDomDocument>
#include <QDomProcessingInstruction>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

namespace {

const QString STR_XML_STYLESHEET = QStringLiteral("xml-stylesheet");
const QString STR_HREF = QStringLiteral("href");
const QString STR_TITLE = QStringLiteral("title");
const QString STR_ALTERNATE = QStringLiteral("alternate");
const QString STR_YES = QStringLiteral("yes");

// One pseudo-attribute of a processing instruction: name="value" or name='value'.
const QRegularExpression& pseudoAttributeExpression()
{
    static const QRegularExpression anExpression(
        QStringLiteral(R"re(([A-Za-z_][\w.:-]*)\s*=\s*(?:"([^"]*)"|'([^']*)'))re"));
    return anExpression;
}

QHash<QString, QString> pseudoAttributes(const QString& theData)
{
    QHash<QString, QString> aResult;
    QRegularExpressionMatchIterator anIterator = pseudoAttributeExpression().globalMatch(theData);
    while (anIterator.hasNext()) {
        const QRegularExpressionMatch aMatch = anIterator.next();
        const QString aValue = aMatch.capturedStart(2) >= 0 ? aMatch.captured(2) : aMatch.captured(3);
        // The first occurrence counts, as a parser of real attributes would refuse a second one.
        if (!aResult.contains(aMatch.captured(1)))
            aResult.insert(aMatch.captured(1), aValue);
    }
    return aResult;
}

} // namespace

qsizetype LMCssSheetTitleIdMap::indexOf(const QString& theTitle) const
{
    for (qsizetype anIndex = 0; anIndex < myEntries.size(); ++anIndex) {
        if (myEntries.at(anIndex).first == theTitle)
            return anIndex;
    }
    return -1;
}

void LMCssSheetTitleIdMap::insert(const QString& theTitle, const QString& theSheetId)
{
    const qsizetype anIndex = indexOf(theTitle);
    if (anIndex >= 0)
        myEntries[anIndex].second = theSheetId;
    else
        myEntries.append({ theTitle, theSheetId });
}

bool LMCssSheetTitleIdMap::contains(const QString& theTitle) const
{
    return indexOf(theTitle) >= 0;
}

QString LMCssSheetTitleIdMap::sheetId(const QString& theTitle) const
{
    const qsizetype anIndex = indexOf(theTitle);
    return anIndex >= 0 ? myEntries.at(anIndex).second : QString();
}

QStringList LMCssSheetTitleIdMap::titles() const
{
    QStringList aTitles;
    aTitles.reserve(myEntries.size());
    for (const auto& anEntry : myEntries)
        aTitles.append(anEntry.first);
    return aTitles;
}

void LMCssSheetTitleIdMap::unite(const LMCssSheetTitleIdMap& theOther)
{
    for (const auto& anEntry : theOther.myEntries) {
        if (!contains(anEntry.first))
            myEntries.append(anEntry);
    }
    if (myDefaultTitle.isEmpty())
        myDefaultTitle = theOther.myDefaultTitle;
}

LMCssSheetTitleIdMap LMCssSheetTitleIdMap::fromDocument(const QDomDocument& theDocument)
{
    LMCssSheetTitleIdMap aMap;
    for (QDomNode aNode = theDocument.firstChild(); !aNode.isNull() && !aNode.isElement();
         aNode = aNode.nextSibling()) {
        const QDomProcessingInstruction anInstruction = aNode.toProcessingInstruction();
        if (anInstruction.isNull() || anInstruction.target() != STR_XML_STYLESHEET)
            continue;
        const QHash<QString, QString> anAttributes = pseudoAttributes(anInstruction.data());
        const QString aHref = anAttributes.value(STR_HREF).trimmed();
        if (aHref.isEmpty()) {
            qCWarning(lcPlatformRender).noquote()
                << QStringLiteral("style sheet instruction without href ignored: %1").arg(anInstruction.data());
            continue;
        }
        const QFileInfo aSheetFile(aHref);
        QString aTitle = anAttributes.value(STR_TITLE).trimmed();
        if (aTitle.isEmpty())
            aTitle = aSheetFile.completeBaseName();
        aMap.insert(aTitle, aSheetFile.fileName());
        const bool anAlternate = anAttributes.value(STR_ALTERNATE).trimmed().compare(STR_YES, Qt::CaseInsensitive) == 0;
        if (!anAlternate && aMap.myDefaultTitle.isEmpty())
            aMap.myDefaultTitle = aTitle;
    }
    return aMap;
}

QDebug operator<<(QDebug theDebug, const LMCssSheetTitleIdMap& theMap)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMCssSheetTitleIdMap(default " << theMap.defaultTitle() << ", {";
    const QStringList aTitles = theMap.titles();
    for (const QString& aTitle : aTitles)
        theDebug << ' ' << aTitle << ": " << theMap.sheetId(aTitle);
    theDebug << " })";
    return theDebug;
}
