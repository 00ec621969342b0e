#include "LMDesignStyleList.h"

#include "LMCategoryType.h"
#include "LMDesignStyleFilter.h"
#include "LMDesignStyleRegistry.h"

#include <QDataStream>
#include <QMimeData>

#include <algorithm>

namespace {
const QString STR_MIME_TYPE = QStringLiteral("application/kiv.designstyleV2");
} // namespace

LMDesignStyleList::LMDesignStyleList(const QMimeData* theMimeData)
{
    if (!containsStyle(theMimeData))
        return;
    QDataStream aStream(theMimeData->data(STR_MIME_TYPE));
    while (!aStream.atEnd()) {
        qint32 anId = 0;
        aStream >> anId;
        if (aStream.status() != QDataStream::Ok)
            break;
        const LMDesignStyle aStyle
            = LMDesignStyleRegistry::instance()->findStyleByDesignElementId(LMDesignElementID(anId));
        if (aStyle.isValid())
            append(aStyle);
    }
}

QString LMDesignStyleList::mimeType()
{
    return STR_MIME_TYPE;
}

QMimeData* LMDesignStyleList::toMimeData() const
{
    QByteArray aPayload;
    QDataStream aStream(&aPayload, QIODevice::WriteOnly);
    for (const LMDesignStyle& aStyle : *this)
        aStream << qint32(aStyle.designElementID().id());
    auto* aData = new QMimeData;
    aData->setData(STR_MIME_TYPE, aPayload);
    return aData;
}

bool LMDesignStyleList::containsStyle(const QMimeData* theMimeData)
{
    return theMimeData != nullptr && theMimeData->hasFormat(STR_MIME_TYPE);
}

LMDesignStyle LMDesignStyleList::firstStyleIn(const QMimeData* theMimeData)
{
    const LMDesignStyleList aStyles(theMimeData);
    return aStyles.isEmpty() ? LMDesignStyle() : aStyles.first();
}

QStringList LMDesignStyleList::designStyleIds() const
{
    QStringList anIds;
    for (const LMDesignStyle& aStyle : *this)
        anIds.append(aStyle.designElementID().toString());
    return anIds;
}

LMDesignStyleList LMDesignStyleList::filter(const LMDesignStyleFilter* theFilter) const
{
    LMDesignStyleList aResult;
    for (const LMDesignStyle& aStyle : *this) {
        if (acceptDesignStyle(aStyle, theFilter))
            aResult.append(aStyle);
    }
    return aResult;
}

bool LMDesignStyleList::acceptDesignStyle(const LMDesignStyle& theStyle, const LMDesignStyleFilter* theFilter)
{
    return theFilter == nullptr || theFilter->accept(theStyle);
}

void LMDesignStyleList::sortFavouritesFirst()
{
    std::stable_partition(begin(), end(), [](const LMDesignStyle& theStyle) { return theStyle.isFavorite(); });
}

LMThematicCategorySet LMDesignStyleList::categories() const
{
    LMThematicCategorySet aCategories;
    for (const LMDesignStyle& aStyle : *this) {
        if (!aStyle.isBasicDesign())
            aCategories.unite(aStyle.categorization().allCategories());
    }
    return aCategories;
}
