#pragma once

#include "LMPlatformExport.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QUrlQuery>

// Key/value pairs for the query of a request to the content server, in the order they were added.
class LMPLATFORM_EXPORT LMUrlQueryItemList : public QList<QPair<QString, QString>>
{
public:
    LMUrlQueryItemList() = default;

    void addQueryItem(const QString& theKey, const QString& theValue) { append(qMakePair(theKey, theValue)); }
    bool hasQueryItem(const QString& theKey) const;
    // The value of the first item with the key; empty when there is none.
    QString queryItemValue(const QString& theKey) const;
    QUrlQuery toUrlQuery() const;
};
