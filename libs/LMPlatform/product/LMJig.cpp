#include "LMJig.h"

#include "LMJigStatusRepository.h"

LMJig::LMJig(const LMJigType& theJigType, QObject* theParent) : QObject(theParent), myJigType(theJigType) { }

LMJig::~LMJig() = default;

LMCategorization LMJig::categorization() const
{
    return myCategorization;
}

LMThematicCategorySet LMJig::thematicCategories(const LMCategoryType& theType) const
{
    return categorization().categories(theType);
}

void LMJig::setThematicCategories(const LMCategoryType& theType, const LMThematicCategorySet& theCategories)
{
    myCategorization.setCategories(theType, theCategories);
}

bool LMJig::isFavorite() const
{
    return categorization().contains(LMThematicCategory::favourites());
}

LMJigStatus LMJig::jigStatus() const
{
    return LMJigStatusRepository::instance()->status(myDesignElementID);
}

LMJigKey LMJig::createKey() const
{
    return LMJigKey(QString(), QString(), myJigType, myDesignElementID);
}

QList<QFileInfo> LMJig::associatedFiles() const
{
    return QList<QFileInfo>();
}

bool LMJig::matchSearchKeyword(const QString& theKeyword) const
{
    const QString aKeyword = theKeyword.trimmed();
    if (aKeyword.isEmpty())
        return true;
    if (toolTip().contains(aKeyword, Qt::CaseInsensitive))
        return true;
    const LMThematicCategorySet aCategories = categorization().allCategories();
    for (const LMThematicCategory& aCategory : aCategories) {
        if (aCategory.internalName().contains(aKeyword, Qt::CaseInsensitive)
            || aCategory.visibleName().contains(aKeyword, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString LMJig::basicDragAndDropHint() const
{
    return QString();
}

QString LMJig::toolTip() const
{
    return basicDragAndDropHint();
}
