// The prices a design element adds to an article, and their texts for the editor.

#include "LMDesignElementMetaData.h"

#include "LMJigFeature.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
const char* const TR_CONTEXT = "LMDesignElementMetaData";

QString tr(const char* theText)
{
    return QCoreApplication::translate(TR_CONTEXT, theText);
}
} // namespace

LMMoney LMDesignElementMetaData::price(const LMArticle& theArticle) const
{
    return theArticle.priceOfDependendArticles(priceClasses());
}

bool LMDesignElementMetaData::priceClassesAreValid(const LMArticle& theArticle) const
{
    const LMPriceClassSet aClasses = priceClasses();
    return std::all_of(aClasses.cbegin(), aClasses.cend(), [&](const LMPriceClass& theClass) {
        return theClass.isFree() || theArticle.findDependentArticle(theClass).isValid();
    });
}

QString LMDesignElementMetaData::priceTextCover(const LMArticle& theArticle) const
{
    const LMMoney aCover = theArticle.priceOfDependendArticles(priceClassesCover());
    if (aCover.hasPrice())
        return tr("%1 für den Einband +%2").arg(LMJigFeature(2).describe(), aCover.fullText());
    return tr("Design für den Einband (kostenlos)");
}

QString LMDesignElementMetaData::priceTextInnerPages(const LMArticle& theArticle) const
{
    const LMMoney anInner = theArticle.priceOfDependendArticles(priceClassesInnerPages());
    if (anInner.hasPrice())
        return tr("%1 für die Innenseiten (pauschal) +%2").arg(LMJigFeature(2).describe(), anInner.fullText());
    return tr("Design für die Innenseiten (kostenlos)");
}

QString LMDesignElementMetaData::priceToolTip(const LMArticle& theArticle) const
{
    const QString aDesign = LMJigFeature(2).describe();
    const LMMoney anInner = theArticle.priceOfDependendArticles(priceClassesInnerPages());
    const LMMoney aCover = theArticle.priceOfDependendArticles(priceClassesCover());
    if (anInner.hasPrice() && aCover.hasPrice()) {
        const LMMoney& aSmaller = anInner < aCover ? anInner : aCover;
        return aDesign + tr(" ab %1").arg(aSmaller.fullText());
    }
    const LMMoney aShown = aCover.hasPrice() ? aCover
        : anInner.hasPrice()                 ? anInner
                                             : theArticle.priceOfDependendArticles(priceClasses());
    return aShown.hasPrice() ? aDesign + tr(" +%1").arg(aShown.fullText()) : aDesign;
}

QString LMDesignElementMetaData::priceToolTipLong(const LMArticle& theArticle) const
{
    const LMMoney anInner = theArticle.priceOfDependendArticles(priceClassesInnerPages());
    const LMMoney aCover = theArticle.priceOfDependendArticles(priceClassesCover());
    if (!anInner.hasPrice() && !aCover.hasPrice()) {
        const LMMoney aGeneral = theArticle.priceOfDependendArticles(priceClasses());
        return aGeneral.hasPrice() ? LMJigFeature(2).describe() + tr(" +%1").arg(aGeneral.fullText()) : QString();
    }
    QStringList aLines;
    if (aCover.hasPrice())
        aLines.append(priceTextCover(theArticle));
    if (anInner.hasPrice())
        aLines.append(priceTextInnerPages(theArticle));
    return aLines.join(QLatin1Char('\n'));
}

QHash<int, QString> LMDesignElementMetaData::dropTargetPriceStrings(const LMArticle& theArticle) const
{
    // Here an empty set counts as zero, not as "no price".
    const auto anAmount = [&](const LMPriceClassSet& theClasses) {
        return theClasses.isEmpty() ? LMMoney::zero() : theArticle.priceOfDependendArticles(theClasses);
    };
    const auto aText = [](const LMMoney& theAmount) {
        return theAmount.hasPrice() ? tr(" +%1").arg(theAmount.fullText()) : QString();
    };
    const LMMoney aCover = anAmount(priceClassesCover());
    const LMMoney anInner = anAmount(priceClassesInnerPages());
    return { { PriceSum, aText(aCover + anInner) },
             { PriceCover, aText(aCover) },
             { PriceInnerPages, aText(anInner) } };
}
