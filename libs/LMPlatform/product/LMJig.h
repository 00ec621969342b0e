#pragma once

#include "LMCategorization.h"
#include "LMDesignElementID.h"
#include "LMJigKey.h"
#include "LMJigStatus.h"
#include "LMJigType.h"
#include "LMPlatformExport.h"

#include <QFileInfo>
#include <QList>
#include <QObject>

// The common base of every design element the editor offers for placing (templates, decorations,
// design styles): its design element id, its kind, its categories and how it presents itself.
class LMPLATFORM_EXPORT LMJig : public QObject
{
    Q_OBJECT

public:
    explicit LMJig(const LMJigType& theJigType = LMJigType(), QObject* theParent = nullptr);
    ~LMJig() override;

    const LMDesignElementID& designElementID() const { return myDesignElementID; }
    void setDesignElementID(const LMDesignElementID& theId) { myDesignElementID = theId; }
    const LMJigType& jigType() const { return myJigType; }
    void setJigType(const LMJigType& theJigType) { myJigType = theJigType; }
    // True when the jig type shares a bit with theType.
    bool isJigType(const LMJigType& theType) const { return myJigType.intersects(theType); }

    virtual LMCategorization categorization() const;
    void setCategorization(const LMCategorization& theCategorization) { myCategorization = theCategorization; }
    LMThematicCategorySet thematicCategories(const LMCategoryType& theType) const;
    void setThematicCategories(const LMCategoryType& theType, const LMThematicCategorySet& theCategories);

    // A favourite is an element filed under the favourites category.
    virtual bool isFavorite() const;
    // Inactive elements stay known but are not offered.
    virtual bool isActive() const { return myActive; }
    void setActive(bool theActive) { myActive = theActive; }
    // The status the jig status repository keeps for the design element id.
    LMJigStatus jigStatus() const;
    virtual bool isUserLayout() const { return false; }

    // The key that identifies the element in its registry; by default its type and id.
    virtual LMJigKey createKey() const;
    // The files that belong to the element besides its source.
    virtual QList<QFileInfo> associatedFiles() const;
    virtual bool mayBeRemoved() const { return true; }
    // True for an empty keyword, or when the keyword occurs (ignoring case) in the tool tip or in a
    // category's internal or visible name.
    virtual bool matchSearchKeyword(const QString& theKeyword) const;
    // The hint shown while the element is dragged onto a product.
    virtual QString basicDragAndDropHint() const;
    // The tool tip of the element in the editor: its drag-and-drop hint.
    virtual QString toolTip() const;

protected:
    // The categorisation as stored, for subclasses that compute theirs from it.
    const LMCategorization& storedCategorization() const { return myCategorization; }

private:
    LMDesignElementID myDesignElementID;
    LMJigType myJigType;
    LMCategorization myCategorization;
    bool myActive = true;
};
