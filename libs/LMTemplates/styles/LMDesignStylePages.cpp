#include "LMDesignStylePages.h"

#include <QDomElement>
#include <QStringList>

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
