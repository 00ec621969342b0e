#pragma once

#include "LMDesignStyleListAttributes.h"

#include <QDomElement>
#include <QList>
#include <QMutex>
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

    // Items and attributes; the selection state is no part of the value.
    bool operator==(const LMDesignStyleIterableList& theOther) const
    {
        return myAttributes == theOther.myAttributes && myItems == theOther.myItems;
    }
    bool operator!=(const LMDesignStyleIterableList& theOther) const { return !(*this == theOther); }

protected:
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
