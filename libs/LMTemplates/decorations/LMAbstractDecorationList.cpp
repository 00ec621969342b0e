#include "LMAbstractDecorationList.h"

#include "LMAbstractDecoration.h"
#include "LMDecorationFilterAbstract.h"
#include "LMDecorationRegistry.h"

#include <QDataStream>
#include <QDebug>
#include <QMimeData>

#include <algorithm>

namespace {
const QString STR_MIME_TYPE = QStringLiteral("application/kiv.clipartOrFading");
} // namespace

LMAbstractDecorationList::LMAbstractDecorationList(const QMimeData* theMimeData)
{
    const LMAbstractDecorationList anAll = LMDecorationRegistry::instance()->decorations();
    const QStringList aNames = namesOf(theMimeData);
    for (const QString& aName : aNames) {
        if (LMAbstractDecoration* aDecoration = anAll.find(aName))
            append(aDecoration);
        else
            qWarning().noquote() << "not found:" << aName;
    }
}

LMAbstractDecorationList::~LMAbstractDecorationList() = default;

LMAbstractDecoration* LMAbstractDecorationList::find(const LMDesignElementID& theId) const
{
    const auto anIt = std::find_if(cbegin(), cend(), [&theId](const LMAbstractDecoration* theDecoration) {
        return theDecoration->designElementID() == theId;
    });
    return anIt == cend() ? nullptr : *anIt;
}

LMAbstractDecoration* LMAbstractDecorationList::find(const LMJigKey& theKey) const
{
    const auto anIt = std::find_if(cbegin(), cend(), [&theKey](const LMAbstractDecoration* theDecoration) {
        return theDecoration->createKey() == theKey;
    });
    return anIt == cend() ? nullptr : *anIt;
}

LMAbstractDecoration* LMAbstractDecorationList::find(const QString& theName) const
{
    const auto anIt = std::find_if(cbegin(), cend(), [&theName](const LMAbstractDecoration* theDecoration) {
        return (theDecoration->isUserElement() ? theDecoration->mimeData() : theDecoration->uniqueName()) == theName;
    });
    return anIt == cend() ? nullptr : *anIt;
}

LMAbstractDecorationList LMAbstractDecorationList::filter(const LMJigType& theType) const
{
    LMAbstractDecorationList aResult;
    std::copy_if(cbegin(), cend(), std::back_inserter(aResult),
                 [&theType](const LMAbstractDecoration* theDecoration) { return theDecoration->isJigType(theType); });
    return aResult;
}

LMAbstractDecorationList LMAbstractDecorationList::filter(const LMThematicCategorySet& theCategories) const
{
    LMAbstractDecorationList aResult;
    std::copy_if(cbegin(), cend(), std::back_inserter(aResult),
                 [&theCategories](const LMAbstractDecoration* theDecoration) {
                     return theDecoration->isInCategory(theCategories, true);
                 });
    return aResult;
}

LMAbstractDecorationList LMAbstractDecorationList::filter(const LMJigType& theType,
                                                          const LMCategorization& theCategorization) const
{
    LMAbstractDecorationList aResult;
    std::copy_if(cbegin(), cend(), std::back_inserter(aResult), [&](const LMAbstractDecoration* theDecoration) {
        return acceptDecoration(theDecoration, theType, theCategorization);
    });
    return aResult;
}

LMAbstractDecorationList LMAbstractDecorationList::filter(const LMContentFilterAbstract* theFilter) const
{
    if (theFilter == nullptr)
        return *this;
    const auto* aDecorationFilter = dynamic_cast<const LMDecorationFilterAbstract*>(theFilter);
    LMAbstractDecorationList aResult;
    std::copy_if(cbegin(), cend(), std::back_inserter(aResult), [&](const LMAbstractDecoration* theDecoration) {
        return aDecorationFilter ? aDecorationFilter->accept(theDecoration)
                                 : theFilter->checkCategorization(*theDecoration);
    });
    return aResult;
}

LMAbstractDecorationList LMAbstractDecorationList::sortFavouritesFirst() const
{
    LMAbstractDecorationList aResult = *this;
    std::stable_partition(aResult.begin(), aResult.end(),
                          [](const LMAbstractDecoration* theDecoration) { return theDecoration->isFavorite(); });
    return aResult;
}

QList<LMJig*> LMAbstractDecorationList::toJigList() const
{
    return QList<LMJig*>(cbegin(), cend());
}

LMDesignElementIDSet LMAbstractDecorationList::collectAllDesignElementIds() const
{
    LMDesignElementIDSet anIds;
    for (const LMAbstractDecoration* aDecoration : *this)
        anIds.insert(aDecoration->designElementID());
    return anIds;
}

LMThematicCategorySet LMAbstractDecorationList::unitedCategories() const
{
    LMThematicCategorySet aCategories;
    for (const LMAbstractDecoration* aDecoration : *this)
        aCategories.unite(aDecoration->effectiveCategories(false));
    return aCategories;
}

QList<LMJigKey> LMAbstractDecorationList::jigKeys() const
{
    QList<LMJigKey> aKeys;
    aKeys.reserve(size());
    for (const LMAbstractDecoration* aDecoration : *this)
        aKeys.append(aDecoration->createKey());
    return aKeys;
}

bool LMAbstractDecorationList::acceptDecoration(const LMAbstractDecoration* theDecoration, const LMJigType& theType,
                                                const LMCategorization& theCategorization)
{
    return theDecoration != nullptr && theDecoration->isJigType(theType)
        && theDecoration->categorization().containsAtLeastOneForEachType(theCategorization);
}

void LMAbstractDecorationList::decode(const QMimeData* theMimeData)
{
    const LMAbstractDecorationList aKnown = LMDecorationRegistry::instance()->decorations();
    const QStringList aNames = namesOf(theMimeData);
    for (const QString& aName : aNames) {
        if (LMAbstractDecoration* aDecoration = aKnown.find(aName))
            append(aDecoration);
    }
}

void LMAbstractDecorationList::encode(QMimeData* theMimeData) const
{
    if (theMimeData == nullptr)
        return;
    QStringList aNames;
    for (const LMAbstractDecoration* aDecoration : *this)
        aNames.append(aDecoration->mimeData());
    QByteArray aData;
    QDataStream aStream(&aData, QIODevice::WriteOnly);
    aStream << aNames.join(QLatin1Char('\n'));
    theMimeData->setData(STR_MIME_TYPE, aData);
}

QString LMAbstractDecorationList::mimeType()
{
    return STR_MIME_TYPE;
}

QStringList LMAbstractDecorationList::namesOf(const QMimeData* theMimeData)
{
    QStringList aNames;
    if (theMimeData == nullptr || !theMimeData->hasFormat(STR_MIME_TYPE))
        return aNames;
    QDataStream aStream(theMimeData->data(STR_MIME_TYPE));
    while (!aStream.atEnd()) {
        QString aText;
        aStream >> aText;
        if (aStream.status() != QDataStream::Ok)
            break;
        aNames.append(aText.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    }
    return aNames;
}
