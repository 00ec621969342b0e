#pragma once

#include "LMDesignStyleIterate.h"
#include "LMDesignStyleListOrder.h"
#include "LMDesignStyleListReset.h"
#include "LMTemplatesExport.h"

#include <QStringList>

class QDomElement;

// The three attributes every iterable list of a design style carries: what moves the list on
// ("iterate"), how the next item is picked ("order") and when the list starts again ("reset").
class LMTEMPLATES_EXPORT LMDesignStyleListAttributes
{
public:
    // "none", "list", "endOfList".
    LMDesignStyleListAttributes() = default;
    LMDesignStyleListAttributes(const LMDesignStyleIterate& theIterate, const LMDesignStyleListOrder& theOrder,
                                const LMDesignStyleListReset& theReset = LMDesignStyleListReset())
        : myIterate(theIterate), myOrder(theOrder), myReset(theReset)
    {
    }
    // Each attribute a comma list of words OR-ed together; an absent attribute, an empty value or
    // an unknown word gives the table's default.
    explicit LMDesignStyleListAttributes(const QDomElement& theElement);

    const LMDesignStyleIterate& iterate() const { return myIterate; }
    void setIterate(const LMDesignStyleIterate& theIterate) { myIterate = theIterate; }
    const LMDesignStyleListOrder& order() const { return myOrder; }
    void setOrder(const LMDesignStyleListOrder& theOrder) { myOrder = theOrder; }
    const LMDesignStyleListReset& reset() const { return myReset; }
    void setReset(const LMDesignStyleListReset& theReset) { myReset = theReset; }

    // "iterate" and "order" always; "reset", which the schema does not know, only when it is not
    // "endOfList". A value without a word of its own is written as the words of its bits.
    void buildXML(QDomElement& theElement) const;
    // "        Iterate: %1", "        Order: %1", "        Reset: %1".
    QStringList toDebugLines() const;

    // True for a "skip" attribute that reads as true: the item stands for nothing.
    static bool isSkipped(const QDomElement& theItem);
    // Marks an item element as standing for nothing.
    static void markSkipped(QDomElement& theItem);

    friend bool operator==(const LMDesignStyleListAttributes& theA, const LMDesignStyleListAttributes& theB)
    {
        return theA.myIterate == theB.myIterate && theA.myOrder == theB.myOrder && theA.myReset == theB.myReset;
    }
    friend bool operator!=(const LMDesignStyleListAttributes& theA, const LMDesignStyleListAttributes& theB)
    {
        return !(theA == theB);
    }

private:
    LMDesignStyleIterate myIterate;
    LMDesignStyleListOrder myOrder;
    LMDesignStyleListReset myReset;
};
