#include "LMUrlQueryItemList.h"

bool LMUrlQueryItemList::hasQueryItem(const QString& theKey) const
{
    for (const auto& anItem : *this) {
        if (anItem.first == theKey)
            return true;
    }
    return false;
}

QString LMUrlQueryItemList::queryItemValue(const QString& theKey) const
{
    for (const auto& anItem : *this) {
        if (anItem.first == theKey)
            return anItem.second;
    }
    return QString();
}

QUrlQuery LMUrlQueryItemList::toUrlQuery() const
{
    QUrlQuery aQuery;
    aQuery.setQueryItems(*this);
    return aQuery;
}
