#pragma once

#include "LMPlatformExport.h"

#include <QHashFunctions>
#include <QStringList>

class QJsonArray;

// The variants in which a product or an add-on is made (a cut-out shape, a frame colour ...): a set
// of variant texts, each either a plain word or "key=value". A variant whose value is "none"
// ("frame=none", or the word "none") stands for leaving the add-on out and is not accountable.
class LMPLATFORM_EXPORT LMArticleVariants
{
public:
    LMArticleVariants() = default;
    explicit LMArticleVariants(const QStringList& theEntries);
    // The string entries of a JSON array; other entries are skipped.
    static LMArticleVariants fromJsonArray(const QJsonArray& theArray);
    // The colour variants of a multi-colour configuration text: configurations "hue,fading"
    // (LMMultiColorConfig's text form) separated by ";", each valid one giving the variant
    // "multicolor=hue,fading"; pieces that are no valid configuration are skipped.
    static LMArticleVariants createFromMCF(const QString& theText);

    bool isEmpty() const { return myEntries.isEmpty(); }
    qsizetype size() const { return myEntries.size(); }
    // Adds a variant; blanks around it are dropped, an empty text is ignored.
    void insert(const QString& theEntry);
    void insert(const QString& theKey, const QString& theValue);
    void unite(const LMArticleVariants& theOther);

    bool contains(const QString& theEntry) const;
    // True when every variant of the other is one of these (an empty other is always contained).
    bool contains(const LMArticleVariants& theOther) const;
    bool intersects(const LMArticleVariants& theOther) const;
    // The values stored under the key, in text order.
    QStringList values(const QString& theKey) const;
    bool hasNotAccountableVariant() const;
    static bool isAccountable(const QString& theEntry);

    // The variants in text order.
    const QStringList& toStringList() const { return myEntries; }

    // The key under which the cut-out shape of a product is stored.
    static QString cutOutKey();
    // The key under which the colour variant of a multi-colour design is stored.
    static QString multiColorKey();

    friend bool operator==(const LMArticleVariants& theA, const LMArticleVariants& theB)
    {
        return theA.myEntries == theB.myEntries;
    }
    friend bool operator!=(const LMArticleVariants& theA, const LMArticleVariants& theB) { return !(theA == theB); }

private:
    // Sorted, without duplicates.
    QStringList myEntries;
};

inline size_t qHash(const LMArticleVariants& theVariants, size_t theSeed = 0) noexcept
{
    return qHashRange(theVariants.toStringList().cbegin(), theVariants.toStringList().cend(), theSeed);
}
