#pragma once

#include "LMDesignStyleListAttributes.h"
#include "LMDesignStyleReferencePoint.h"

#include <QDomElement>
#include <QList>
#include <QMutex>
#include <QRandomGenerator64>
#include <QStringList>

// The list behind the backgrounds, borders, cliparts, passepartouts and corner sets of a rule
// set: its items in document order, the list attributes, and the state with which the items are
// handed out page by page (an area counter and a random pool, both changed by const selection).
//
// Item needs a default constructor giving the empty item, a constructor from its element,
// isValid(), buildXML(QDomElement&) that writes into the item's element, operator== and
// toDebugString().
template <typename Item> class LMDesignStyleIterableList
{
public:
    LMDesignStyleIterableList() = default;
    LMDesignStyleIterableList(const LMDesignStyleIterableList& theOther) { copyFrom(theOther); }
    LMDesignStyleIterableList& operator=(const LMDesignStyleIterableList& theOther)
    {
        if (this != &theOther)
            copyFrom(theOther);
        return *this;
    }
    ~LMDesignStyleIterableList() = default;

    const QList<Item>& items() const { return myItems; }
    void setItems(const QList<Item>& theItems) { myItems = theItems; }
    // An empty item keeps its place: when the list reaches it, the area gets nothing from it.
    void append(const Item& theItem) { myItems.append(theItem); }
    qsizetype count() const { return myItems.size(); }
    bool isEmpty() const { return myItems.isEmpty(); }

    const LMDesignStyleListAttributes& listAttributes() const { return myAttributes; }
    void setListAttributes(const LMDesignStyleListAttributes& theAttributes) { myAttributes = theAttributes; }
    const LMDesignStyleIterate& iterate() const { return myAttributes.iterate(); }
    const LMDesignStyleListOrder& order() const { return myAttributes.order(); }
    const LMDesignStyleListReset& reset() const { return myAttributes.reset(); }

    // ---- Choosing an item ---------------------------------------------------------------------
    // Where the list stands for the page, by "iterate": the page, the double page, the cluster, or
    // for "perArea" the area counter, which then counts on (each call is one area, or one page for
    // lists that give a page one item); "none" stands still at 0.
    int position(const LMDesignStyleReferencePoint& thePoint) const
    {
        switch (iterate().value()) {
        case qint32(LMDesignStyleIterateEnum::PerPage):
            return thePoint.page();
        case qint32(LMDesignStyleIterateEnum::PerDoublePage):
            return thePoint.scene();
        case qint32(LMDesignStyleIterateEnum::PerCluster):
            return thePoint.cluster();
        case qint32(LMDesignStyleIterateEnum::PerArea):
            return myAreaCounter++;
        default:
            return 0;
        }
    }
    // The item index for a position, by "order": "list" wraps round the items, "random" draws
    // without repetition; an order naming both takes the position as it is, so that positions
    // beyond the list give nothing. -1 for an empty list.
    qsizetype indexFor(int thePosition) const
    {
        const qsizetype aCount = myItems.size();
        if (aCount == 0)
            return -1;
        switch (order().value()) {
        case qint32(LMDesignStyleListOrderEnum::List):
            return ((thePosition % aCount) + aCount) % aCount;
        case qint32(LMDesignStyleListOrderEnum::Random):
            return random(thePosition);
        default:
            return thePosition;
        }
    }
    // An index drawn from the pool of the indexes not drawn yet, or the last one again when the
    // key is the last key (a page asking twice keeps its choice). The pool refills once empty.
    int random(int theKey) const
    {
        const QMutexLocker aLocker(&myRandomMutex);
        if (myRandomPool.isEmpty()) {
            for (int anIndex = 0; anIndex < int(myItems.size()); ++anIndex)
                myRandomPool.append(anIndex);
        }
        if (theKey == myLastRandomKey)
            return myLastRandomIndex;
        myLastRandomKey = theKey;
        if (myRandomPool.isEmpty())
            return myLastRandomIndex;
        const qsizetype aDrawn = qsizetype(QRandomGenerator64::system()->bounded(quint64(myRandomPool.size())));
        myLastRandomIndex = myRandomPool.at(aDrawn);
        myRandomPool.removeAll(myLastRandomIndex);
        return myLastRandomIndex;
    }
    // The item the list gives the page (and, for "perArea", the next area); null when it gives
    // nothing: no items, an index beyond them, or an empty ("skip") item.
    const Item* select(const LMDesignStyleReferencePoint& thePoint) const
    {
        if (myItems.isEmpty())
            return nullptr;
        const qsizetype anIndex = indexFor(position(thePoint));
        if (anIndex < 0 || anIndex >= myItems.size() || !myItems.at(anIndex).isValid())
            return nullptr;
        return &myItems.at(anIndex);
    }
    // How many areas "perArea" has counted so far.
    int areaCounter() const { return myAreaCounter; }

    // Items and attributes; the selection state is no part of the value.
    bool operator==(const LMDesignStyleIterableList& theOther) const
    {
        return myAttributes == theOther.myAttributes && myItems == theOther.myItems;
    }
    bool operator!=(const LMDesignStyleIterableList& theOther) const { return !(*this == theOther); }

protected:
    // Hands each area the item chosen for it, in order (one choice per area), to theApply(area,
    // item); an area for which the list gives nothing keeps what it has.
    template <typename Area, typename Apply>
    void applyPerArea(const QList<Area*>& theAreas, const LMDesignStyleReferencePoint& thePoint, Apply theApply) const
    {
        if (myItems.isEmpty())
            return;
        for (Area* anArea : theAreas) {
            if (const Item* anItem = select(thePoint))
                theApply(*anArea, *anItem);
        }
    }

    // The attributes of the list element and its children named theItemTag, in document order. An
    // item that is not valid is dropped, unless skipping is allowed and the child says "skip": then
    // it is kept as the empty item.
    void readList(const QDomElement& theElement, const QString& theItemTag, bool theSkipAllowed)
    {
        myAttributes = LMDesignStyleListAttributes(theElement);
        for (QDomElement aChild = theElement.firstChildElement(theItemTag); !aChild.isNull();
             aChild = aChild.nextSiblingElement(theItemTag)) {
            if (theSkipAllowed && LMDesignStyleListAttributes::isSkipped(aChild)) {
                myItems.append(Item());
                continue;
            }
            Item anItem(aChild);
            if (anItem.isValid())
                myItems.append(anItem);
        }
    }

    // Appends the list element with its attributes and one child per item; an empty item is
    // written as a child that says "skip".
    QDomElement writeList(QDomElement& theParent, const QString& theListTag, const QString& theItemTag) const
    {
        QDomDocument aDocument = theParent.ownerDocument();
        QDomElement aList = aDocument.createElement(theListTag);
        myAttributes.buildXML(aList);
        for (const Item& anItem : myItems) {
            QDomElement aChild = aDocument.createElement(theItemTag);
            if (anItem.isValid())
                anItem.buildXML(aChild);
            else
                LMDesignStyleListAttributes::markSkipped(aChild);
            aList.appendChild(aChild);
        }
        theParent.appendChild(aList);
        return aList;
    }

    // The heading, the list attributes and the items' lines.
    QString debugString(const QString& theHeading) const
    {
        QStringList aLines { theHeading };
        aLines << myAttributes.toDebugLines();
        for (const Item& anItem : myItems)
            aLines << anItem.toDebugString();
        return aLines.join(QLatin1Char('\n'));
    }

    QList<Item> myItems;
    LMDesignStyleListAttributes myAttributes;

    // Selection state. The area counter is not guarded: one distribution run uses a style at a
    // time. The random state is, by its own mutex.
    mutable int myAreaCounter = 0;
    mutable int myLastRandomKey = -1;
    mutable int myLastRandomIndex = -1;
    mutable QList<int> myRandomPool;
    mutable QMutex myRandomMutex;

private:
    void copyFrom(const LMDesignStyleIterableList& theOther)
    {
        myItems = theOther.myItems;
        myAttributes = theOther.myAttributes;
        myAreaCounter = theOther.myAreaCounter;
        const QMutexLocker aLocker(&theOther.myRandomMutex);
        myLastRandomKey = theOther.myLastRandomKey;
        myLastRandomIndex = theOther.myLastRandomIndex;
        myRandomPool = theOther.myRandomPool;
    }
};
