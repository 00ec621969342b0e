#include "LMDesignElementIDSet.h"

#include <QStringList>

#include <algorithm>

QList<LMDesignElementID> LMDesignElementIDSet::sorted() const
{
    QList<LMDesignElementID> aList(cbegin(), cend());
    std::sort(aList.begin(), aList.end());
    return aList;
}

LMDesignElementIDSet LMDesignElementIDSet::fromCSV(const QString& theText)
{
    LMDesignElementIDSet aSet;
    for (const QString& aPiece : theText.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const LMDesignElementID anId = LMDesignElementID::fromString(aPiece);
        if (anId.isValid())
            aSet.insert(anId);
    }
    return aSet;
}

QString LMDesignElementIDSet::toCSV() const
{
    QStringList aTexts;
    for (const LMDesignElementID& anId : sorted())
        aTexts.append(anId.toString());
    return aTexts.join(QLatin1Char(','));
}
