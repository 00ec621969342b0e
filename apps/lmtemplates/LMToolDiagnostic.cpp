#include "LMToolDiagnostic.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {

const QString STR_WARNING = QStringLiteral("warning");
const QString RULE_READER = QStringLiteral("reader");
const QString RULE_XML_SYNTAX = QStringLiteral("xml-syntax");

// Edits between the words without regard to letter case, a swap of two neighbours counting as
// one (optimal string alignment); given up above theLimit.
int editDistance(const QString& theA, const QString& theB, int theLimit)
{
    const QString anA = theA.toCaseFolded();
    const QString aB = theB.toCaseFolded();
    if (std::abs(anA.size() - aB.size()) > theLimit)
        return theLimit + 1;
    const size_t aWidth = size_t(aB.size()) + 1;
    // Three rows: two back for the swap, one back, and the current one.
    std::vector<int> aRows(3 * aWidth);
    int* aBefore = aRows.data();
    int* aPrevious = aBefore + aWidth;
    int* aCurrent = aPrevious + aWidth;
    for (size_t j = 0; j < aWidth; ++j)
        aPrevious[j] = int(j);
    for (qsizetype i = 1; i <= anA.size(); ++i) {
        aCurrent[0] = int(i);
        int aRowMinimum = aCurrent[0];
        for (qsizetype j = 1; j <= aB.size(); ++j) {
            const int aCost = anA.at(i - 1) == aB.at(j - 1) ? 0 : 1;
            int aValue = std::min({ aPrevious[j - 1] + aCost, aPrevious[j] + 1, aCurrent[j - 1] + 1 });
            if (i > 1 && j > 1 && anA.at(i - 1) == aB.at(j - 2) && anA.at(i - 2) == aB.at(j - 1))
                aValue = std::min(aValue, aBefore[j - 2] + 1);
            aCurrent[j] = aValue;
            aRowMinimum = std::min(aRowMinimum, aValue);
        }
        if (aRowMinimum > theLimit)
            return theLimit + 1;
        std::swap(aBefore, aPrevious);
        std::swap(aPrevious, aCurrent);
    }
    return aPrevious[aB.size()];
}

} // namespace

LMToolDiagnostic LMToolDiagnostic::fromReaderWarning(const QString& theFile, const QString& theText)
{
    static const QRegularExpression ourLocation(QStringLiteral("\\bline (\\d+), column (\\d+)"));
    static const QRegularExpression ourPath(QStringLiteral("(/[^\\s\"':]+\\.(?:xml|svg|json|conf|smartlayout))\\b"));
    LMToolDiagnostic aDiagnostic { theFile, 0, 0, RULE_READER, theText };
    // Readers of whole folders (the decorations) name the file in the text.
    if (theFile.isEmpty() || QFileInfo(theFile).isDir()) {
        QRegularExpressionMatchIterator anIt = ourPath.globalMatch(theText);
        while (anIt.hasNext()) {
            const QString aPath = anIt.next().captured(1);
            if (QFileInfo(aPath).isFile()) {
                aDiagnostic.file = aPath;
                break;
            }
        }
    }
    const QRegularExpressionMatch aMatch = ourLocation.match(theText);
    if (aMatch.hasMatch()) {
        aDiagnostic.line = aMatch.captured(1).toInt();
        aDiagnostic.column = aMatch.captured(2).toInt();
    }
    if (theText.startsWith(QLatin1String("malformed XML file")))
        aDiagnostic.rule = RULE_XML_SYNTAX;
    return aDiagnostic;
}

QString LMToolDiagnostic::toText(const QString& theDisplayPath) const
{
    QString aPlace = theDisplayPath.isEmpty() ? QStringLiteral("(content tree)") : theDisplayPath;
    if (line > 0) {
        aPlace += QLatin1Char(':') + QString::number(line);
        if (column > 0)
            aPlace += QLatin1Char(':') + QString::number(column);
    }
    return QStringLiteral("%1: %2: %3 [%4]").arg(aPlace, STR_WARNING, message, rule);
}

QJsonObject LMToolDiagnostic::toJson(const QString& theDisplayPath) const
{
    return QJsonObject { { QStringLiteral("file"), theDisplayPath }, { QStringLiteral("line"), line },
                         { QStringLiteral("column"), column },       { QStringLiteral("severity"), STR_WARNING },
                         { QStringLiteral("rule"), rule },           { QStringLiteral("message"), message } };
}

void sortDiagnostics(QList<LMToolDiagnostic>& theDiagnostics)
{
    std::stable_sort(theDiagnostics.begin(), theDiagnostics.end(),
                     [](const LMToolDiagnostic& theA, const LMToolDiagnostic& theB) {
                         if (theA.file != theB.file)
                             return theA.file < theB.file;
                         if (theA.line != theB.line)
                             return theA.line < theB.line;
                         return theA.column < theB.column;
                     });
}

QString nearestWord(const QString& theWord, const QStringList& theWords)
{
    const int aLimit = theWord.size() <= 4 ? 1 : 2;
    QString aBest;
    int aBestDistance = aLimit + 1;
    for (const QString& aCandidate : theWords) {
        const int aDistance = editDistance(theWord, aCandidate, aLimit);
        if (aDistance < aBestDistance) {
            aBest = aCandidate;
            aBestDistance = aDistance;
        }
    }
    return aBest;
}
