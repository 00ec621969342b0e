#pragma once

#include "LMTemplatesExport.h"

#include <QString>

class LMXMLElement;
class QDebug;

// The hanging system of a wallholder template: the diameter of its holes and their distances.
// The null configuration stands for hanging nothing; a default-constructed one is null.
class LMTEMPLATES_EXPORT LMTemplateWallholderConfig
{
public:
    LMTemplateWallholderConfig() = default;
    LMTemplateWallholderConfig(bool theIsNull, int theDiameter, int theDistanceX, int theDistanceY)
        : myIsNull(theIsNull), myDiameter(theDiameter), myDistanceX(theDistanceX), myDistanceY(theDistanceY)
    {
    }

    // "isNull" (default false: a wallholder the file describes is one), "diameter", "distancex"
    // and "distancey" (default 0).
    static LMTemplateWallholderConfig fromXml(const LMXMLElement& theElement);

    bool isNull() const { return myIsNull; }
    int diameter() const { return myDiameter; }
    int distanceX() const { return myDistanceX; }
    int distanceY() const { return myDistanceY; }
    bool isRemoveItem() const { return myIsNull; }
    QString basicDragAndDropHint() const;

    friend bool operator==(const LMTemplateWallholderConfig& theA, const LMTemplateWallholderConfig& theB)
    {
        return theA.myIsNull == theB.myIsNull && theA.myDiameter == theB.myDiameter
            && theA.myDistanceX == theB.myDistanceX && theA.myDistanceY == theB.myDistanceY;
    }
    friend bool operator!=(const LMTemplateWallholderConfig& theA, const LMTemplateWallholderConfig& theB)
    {
        return !(theA == theB);
    }

private:
    bool myIsNull = true;
    int myDiameter = 0;
    int myDistanceX = 0;
    int myDistanceY = 0;
};

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateWallholderConfig& theConfig);
