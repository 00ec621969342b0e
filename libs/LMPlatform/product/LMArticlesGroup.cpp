#include "LMArticlesGroup.h"

#include "LMPlatformLogging.h"

#include <QDomDocument>
#include <QDomElement>

#include <algorithm>

namespace {

// The rule words of template filters that this group writes.
const QString STR_PRODUCT = QStringLiteral("product");
const QString STR_ART_ID = QStringLiteral("art_id");
const QString STR_ORIENTATION = QStringLiteral("orientation");
const QString STR_TYPE = QStringLiteral("type");
const QString STR_BINDING = QStringLiteral("binding");
const QString STR_MINIMUM_SIZE = QStringLiteral("minimum_size");
const QString STR_PAGE_BINDING = QStringLiteral("pageBinding");

void appendRule(QDomElement& theFilter, const QString& theTag, const QString& theText)
{
    QDomDocument aDocument = theFilter.ownerDocument();
    QDomElement aRule = aDocument.createElement(theTag);
    aRule.appendChild(aDocument.createTextNode(theText));
    theFilter.appendChild(aRule);
}

// Bit sets are written as their words separated by commas; a bit without a word cannot be read
// back, so it is reported instead of written as something else.
template <typename Wrapper> void appendBitsRule(QDomElement& theFilter, const QString& theTag, const Wrapper& theValue)
{
    if (theValue.value() == 0)
        return;
    const QString aText = theValue.encodeCSV();
    if (Wrapper::decodeCSV(aText) != theValue.value())
        qCWarning(lcPlatformProduct) << "articles group: value" << theValue.value() << "of" << theTag
                                     << "has no complete text form, written as" << aText;
    if (!aText.isEmpty())
        appendRule(theFilter, theTag, aText);
}

} // namespace

LMArticlesGroup::LMArticlesGroup(const LMArticleList& theArticles)
{
    addArticles(theArticles);
}

void LMArticlesGroup::addArticle(const LMArticle& theArticle)
{
    if (theArticle.isNull())
        return;
    const auto aPosition = std::lower_bound(myArticles.begin(), myArticles.end(), theArticle);
    if (aPosition == myArticles.end() || *aPosition != theArticle)
        myArticles.insert(aPosition, theArticle);
}

void LMArticlesGroup::addArticles(const LMArticleList& theArticles)
{
    for (const LMArticle& anArticle : theArticles)
        addArticle(anArticle);
}

void LMArticlesGroup::addRestriction(const LMProductRestriction& theRestriction)
{
    if (!theRestriction.isEmpty() && !myRestrictions.contains(theRestriction))
        myRestrictions.append(theRestriction);
}

void LMArticlesGroup::unite(const LMArticlesGroup& theOther)
{
    addArticles(theOther.myArticles);
    for (const LMProductRestriction& aRestriction : theOther.myRestrictions)
        addRestriction(aRestriction);
}

void LMArticlesGroup::expandProductsToCompatibles()
{
    // Collected first: adding while walking would also follow the products just added.
    LMArticleList aCompatibles;
    for (const LMArticle& anArticle : std::as_const(myArticles)) {
        for (const qint32 anId : anArticle.compatibleProductIds())
            aCompatibles.append(LMArticle::fromId(anId));
    }
    addArticles(aCompatibles);
}

bool LMArticlesGroup::containsExplicitly(const LMArticle& theArticle) const
{
    return myArticles.containsMatching(theArticle);
}

bool LMArticlesGroup::contains(const LMArticle& theArticle) const
{
    if (containsExplicitly(theArticle))
        return true;
    return std::any_of(myRestrictions.cbegin(), myRestrictions.cend(),
                       [&](const LMProductRestriction& theRestriction) { return theRestriction.accepts(theArticle); });
}

bool LMArticlesGroup::intersects(const LMArticlesGroup& theOther, bool theExplicitOnly) const
{
    if (theExplicitOnly) {
        return std::any_of(theOther.myArticles.cbegin(), theOther.myArticles.cend(),
                           [this](const LMArticle& theArticle) { return containsExplicitly(theArticle); });
    }
    if (isEmpty() || theOther.isEmpty())
        return true;
    for (const LMArticle& anArticle : theOther.myArticles) {
        if (contains(anArticle))
            return true;
    }
    for (const LMArticle& anArticle : myArticles) {
        if (theOther.contains(anArticle))
            return true;
    }
    for (const LMProductRestriction& aRestriction : myRestrictions) {
        for (const LMProductRestriction& anOther : theOther.myRestrictions) {
            if (aRestriction.overlaps(anOther))
                return true;
        }
    }
    return false;
}

void LMArticlesGroup::toTemplates2Format(QDomElement& theFilterElement) const
{
    Q_ASSERT_X(!theFilterElement.isNull() && !theFilterElement.ownerDocument().isNull(),
               "LMArticlesGroup::toTemplates2Format", "needs an element of a document");

    for (const LMArticle& anArticle : myArticles) {
        const QString& aName = anArticle.orderTxtName();
        if (!aName.isEmpty() && !aName.contains(QLatin1Char(',')) && aName.trimmed() == aName)
            appendRule(theFilterElement, STR_PRODUCT, aName);
        else if (anArticle.isValid())
            appendRule(theFilterElement, STR_ART_ID, QString::number(anArticle.id()));
        else
            qCWarning(lcPlatformProduct) << "articles group: article" << anArticle << "cannot be written";
    }

    if (myRestrictions.isEmpty())
        return;
    if (myRestrictions.size() > 1)
        qCWarning(lcPlatformProduct) << "articles group: a filter carries one product restriction;"
                                     << myRestrictions.size() - 1 << "left out";
    const LMProductRestriction& aRestriction = myRestrictions.first();
    appendBitsRule(theFilterElement, STR_ORIENTATION, aRestriction.orientations());
    appendBitsRule(theFilterElement, STR_TYPE, aRestriction.articleClasses());
    appendBitsRule(theFilterElement, STR_BINDING, aRestriction.coverTypes());
    if (aRestriction.minimumSize().value() != 0)
        appendRule(theFilterElement, STR_MINIMUM_SIZE, aRestriction.minimumSize().toString());
    appendBitsRule(theFilterElement, STR_PAGE_BINDING, aRestriction.pageBindings());
}

size_t qHash(const LMArticlesGroup& theGroup, size_t theSeed) noexcept
{
    const size_t anArticles = qHashRange(theGroup.explicitArticles().cbegin(), theGroup.explicitArticles().cend());
    const size_t aRestrictions
        = qHashRangeCommutative(theGroup.restrictions().cbegin(), theGroup.restrictions().cend());
    return qHashMulti(theSeed, anArticles, aRestrictions);
}
