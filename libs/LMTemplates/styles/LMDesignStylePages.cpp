#include "LMDesignStylePages.h"

#include <QDomElement>
#include <QStringList>

#include <algorithm>

namespace {
const QString STR_PAGES = QStringLiteral("pages");
const QString STR_PAGE = QStringLiteral("page");
const QString STR_POSITION = QStringLiteral("position");
const QString STR_DEFINED = QStringLiteral("defined");
const QString STR_UNDEFINED = QStringLiteral("undefined");
const QString STR_LAST = QStringLiteral("last");
const QString STR_COVER_BACK = QStringLiteral("cover_back");
const QString STR_COVER_SPINE = QStringLiteral("cover_spine");
const QString STR_COVER_FRONT = QStringLiteral("cover_front");
const QString STR_INNER_PAGE = QStringLiteral("page_%1");
const QString STR_SYNTHESIZED_PAGE = QStringLiteral("synthesized_page_%1");
// The cover types with board covers, whose page lists count four cover pages.
constexpr qint32 BOARD_COVERS = 1 | 2 | 4 | 8 | 16;
} // namespace

LMDesignStylePages::LMDesignStylePages(int theInnerPages)
{
    for (const QString& aName : { STR_COVER_BACK, STR_COVER_SPINE, STR_COVER_FRONT })
        myDefinedPages.append(LMDesignStylePage(QStringList { aName }));
    for (int aPage = 1; aPage <= theInnerPages; ++aPage)
        myUndefinedPages.append(LMDesignStylePage(QStringList { STR_INNER_PAGE.arg(aPage, 3, 10, QLatin1Char('0')) }));
}

LMDesignStylePages::LMDesignStylePages(const QDomElement& theElement)
{
    for (QDomElement aChild = theElement.firstChildElement(STR_PAGE); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_PAGE)) {
        const QString aPosition = aChild.attribute(STR_POSITION, STR_DEFINED);
        QList<LMDesignStylePage>* aList = nullptr;
        int aLastKey = 1;
        if (aPosition == STR_DEFINED) {
            aList = &myDefinedPages;
        } else if (aPosition == STR_UNDEFINED) {
            aList = &myUndefinedPages;
        } else if (aPosition.startsWith(STR_LAST)) {
            bool aNumber = false;
            const int aKey = aPosition.mid(STR_LAST.size()).toInt(&aNumber, 10);
            aLastKey = aNumber ? aKey : 0;
        } else {
            qWarning("%s", qUtf8Printable(QStringLiteral("unknown position '%1'").arg(aPosition)));
            continue;
        }
        const LMDesignStylePage aPage(aChild);
        if (!aPage.isValid())
            continue;
        if (aList)
            aList->append(aPage);
        else
            insertLastPage(aLastKey, aPage);
    }
}

void LMDesignStylePages::insertLastPage(int theKey, const LMDesignStylePage& thePage)
{
    if (theKey <= 0)
        myLastPages.insert(theKey, thePage);
}

void LMDesignStylePages::buildXML(QDomElement& theParent) const
{
    QDomElement aPages = theParent.ownerDocument().createElement(STR_PAGES);
    for (const LMDesignStylePage& aPage : myDefinedPages)
        aPage.buildXML(aPages);
    for (const LMDesignStylePage& aPage : myUndefinedPages)
        aPage.buildXML(aPages).setAttribute(STR_POSITION, STR_UNDEFINED);
    for (auto anIt = myLastPages.cbegin(); anIt != myLastPages.cend(); ++anIt) {
        const QString aPosition = anIt.key() == 0 ? STR_LAST : STR_LAST + QString::number(anIt.key());
        anIt.value().buildXML(aPages).setAttribute(STR_POSITION, aPosition);
    }
    theParent.appendChild(aPages);
}

QString LMDesignStylePages::toDebugString() const
{
    QStringList aLines { QStringLiteral(" Pages:") };
    for (const LMDesignStylePage& aPage : myDefinedPages)
        aLines << QStringLiteral("    Defined: %1").arg(aPage.toDebugString());
    for (const LMDesignStylePage& aPage : myUndefinedPages)
        aLines << QStringLiteral("    Undefined: %1").arg(aPage.toDebugString());
    for (auto anIt = myLastPages.cbegin(); anIt != myLastPages.cend(); ++anIt)
        aLines << QStringLiteral("    Last %1: %2").arg(anIt.key()).arg(anIt.value().toDebugString());
    return aLines.join(QLatin1Char('\n'));
}

QString LMDesignStylePages::templateNameForPage(const LMDesignStyleReferencePoint& thePoint, int thePageCount) const
{
    int aPage = thePoint.page();
    const LMCoverType& aCoverType = thePoint.coverType();
    const int anAlternative = thePoint.alternativeSceneIndex();
    const int anExtra = (aCoverType.value() & BOARD_COVERS) != 0 ? 4 : 0;
    if (!myLastPages.isEmpty()) {
        const auto aLast = myLastPages.constFind(aPage - (thePageCount - 1 + anExtra));
        if (aLast != myLastPages.cend())
            return aLast->at(aCoverType, anAlternative);
    }
    if (aPage > 3 && anExtra == 4)
        --aPage;
    if (aPage >= 0 && aPage < myDefinedPages.size())
        return myDefinedPages.at(aPage).at(aCoverType, anAlternative);
    if (myUndefinedPages.isEmpty() || aPage < 0)
        return QString();
    const qsizetype aCycled = (aPage - myDefinedPages.size()) % myUndefinedPages.size();
    return myUndefinedPages.at(aCycled).at(aCoverType, anAlternative);
}

int LMDesignStylePages::doublePageTemplateCount() const
{
    const qsizetype aPages = myDefinedPages.size() + myUndefinedPages.size() + (myLastPages.isEmpty() ? 0 : 2);
    return int((aPages + 1) / 2);
}

int LMDesignStylePages::normalPageCount(const LMCoverType& theCoverType) const
{
    return std::max(0, 2 * doublePageTemplateCount() - (theCoverType.isRegularCover() ? 4 : 0));
}

bool LMDesignStylePages::isEmptyPage(int thePage, const LMCoverType& theCoverType) const
{
    return theCoverType.isRegularCover() && (thePage == 2 * doublePageTemplateCount() || thePage == 3);
}

int LMDesignStylePages::coverDoublePages(const LMCoverType& theCoverType) const
{
    if (myDefinedPages.size() < 3)
        return 0;
    return int(std::min(myDefinedPages.at(2).count(theCoverType), myDefinedPages.at(0).count(theCoverType)));
}

void LMDesignStylePages::createVirtualPagesForDesignStyleV2(int theCount, const QString& theReplacedName)
{
    QList<LMDesignStylePage> aVirtual;
    for (int anIndex = 1; anIndex < theCount; ++anIndex)
        aVirtual.append(LMDesignStylePage(QStringList { STR_SYNTHESIZED_PAGE.arg(anIndex, 3, 10, QLatin1Char('0')) }));
    if (theCount > 0)
        aVirtual.append(LMDesignStylePage());
    myUndefinedPages.removeIf([&theReplacedName](const LMDesignStylePage& thePage) {
        return thePage.hasDefinedTemplateName(theReplacedName);
    });
    myUndefinedPages.append(aVirtual);
    myVirtualPages = aVirtual;
}
