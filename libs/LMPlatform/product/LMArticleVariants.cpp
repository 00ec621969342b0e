#include "LMArticleVariants.h"

#include "LMMultiColorConfig.h"

#include <QJsonArray>
#include <QJsonValue>

#include <algorithm>

namespace {
const QString STR_CUTOUT = QStringLiteral("cutout");
const QString STR_NONE = QStringLiteral("none");
const QString STR_MULTICOLOR = QStringLiteral("multicolor");
} // namespace

LMArticleVariants::LMArticleVariants(const QStringList& theEntries)
{
    for (const QString& anEntry : theEntries)
        insert(anEntry);
}

LMArticleVariants LMArticleVariants::fromJsonArray(const QJsonArray& theArray)
{
    LMArticleVariants aVariants;
    for (const QJsonValue& aValue : theArray) {
        if (aValue.isString())
            aVariants.insert(aValue.toString());
    }
    return aVariants;
}

LMArticleVariants LMArticleVariants::createFromMCF(const QString& theText)
{
    LMArticleVariants aVariants;
    for (const QString& aPiece : theText.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const LMMultiColorConfig aConfig = LMMultiColorConfig::fromString(aPiece);
        if (aConfig.isValid())
            aVariants.insert(STR_MULTICOLOR, aConfig.toString());
    }
    return aVariants;
}

void LMArticleVariants::insert(const QString& theEntry)
{
    const QString anEntry = theEntry.trimmed();
    if (anEntry.isEmpty())
        return;
    const auto aPosition = std::lower_bound(myEntries.begin(), myEntries.end(), anEntry);
    if (aPosition == myEntries.end() || *aPosition != anEntry)
        myEntries.insert(aPosition, anEntry);
}

void LMArticleVariants::insert(const QString& theKey, const QString& theValue)
{
    insert(theKey.trimmed() + QLatin1Char('=') + theValue.trimmed());
}

void LMArticleVariants::unite(const LMArticleVariants& theOther)
{
    for (const QString& anEntry : theOther.myEntries)
        insert(anEntry);
}

bool LMArticleVariants::contains(const QString& theEntry) const
{
    return std::binary_search(myEntries.cbegin(), myEntries.cend(), theEntry.trimmed());
}

bool LMArticleVariants::contains(const LMArticleVariants& theOther) const
{
    return std::includes(myEntries.cbegin(), myEntries.cend(), theOther.myEntries.cbegin(), theOther.myEntries.cend());
}

bool LMArticleVariants::intersects(const LMArticleVariants& theOther) const
{
    return std::any_of(theOther.myEntries.cbegin(), theOther.myEntries.cend(),
                       [this](const QString& theEntry) { return contains(theEntry); });
}

QStringList LMArticleVariants::values(const QString& theKey) const
{
    const QString aPrefix = theKey.trimmed() + QLatin1Char('=');
    QStringList aValues;
    for (const QString& anEntry : myEntries) {
        if (anEntry.startsWith(aPrefix))
            aValues.append(anEntry.mid(aPrefix.size()));
    }
    return aValues;
}

bool LMArticleVariants::hasNotAccountableVariant() const
{
    return std::any_of(myEntries.cbegin(), myEntries.cend(),
                       [](const QString& theEntry) { return !isAccountable(theEntry); });
}

bool LMArticleVariants::isAccountable(const QString& theEntry)
{
    const QString anEntry = theEntry.trimmed();
    const qsizetype anEquals = anEntry.indexOf(QLatin1Char('='));
    const QString aValue = anEquals < 0 ? anEntry : anEntry.mid(anEquals + 1);
    return aValue.compare(STR_NONE, Qt::CaseInsensitive) != 0;
}

QString LMArticleVariants::cutOutKey()
{
    return STR_CUTOUT;
}

QString LMArticleVariants::multiColorKey()
{
    return STR_MULTICOLOR;
}
