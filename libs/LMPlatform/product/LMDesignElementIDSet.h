#pragma once

#include "LMDesignElementID.h"
#include "LMPlatformExport.h"

#include <QList>
#include <QSet>

// A set of design element ids, with the conversions the content files need.
class LMPLATFORM_EXPORT LMDesignElementIDSet : public QSet<LMDesignElementID>
{
public:
    LMDesignElementIDSet() = default;
    LMDesignElementIDSet(std::initializer_list<LMDesignElementID> theIds) : QSet<LMDesignElementID>(theIds) { }
    LMDesignElementIDSet(const QSet<LMDesignElementID>& theSet) : QSet<LMDesignElementID>(theSet) { }

    // The ids in ascending order.
    QList<LMDesignElementID> sorted() const;
    // The valid ids of a comma-separated list of decimal numbers; other pieces are skipped.
    static LMDesignElementIDSet fromCSV(const QString& theText);
    // The ids in ascending order, joined by ",".
    QString toCSV() const;
};
