#pragma once

#include "LMTemplatesExport.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRect>

class QPainter;
class QStyleOptionViewItem;

// Paints the page bullets and the two arrow buttons with which a list item that shows several
// pages of one design lets the user page through them, and tells what the mouse is over. The
// bullets sit centred at the bottom of the item, the buttons halfway up to the bullets at its sides.
class LMTEMPLATES_EXPORT LMPaginationPaintingManager : public QObject
{
    Q_OBJECT

public:
    explicit LMPaginationPaintingManager(QObject* theParent = nullptr);
    ~LMPaginationPaintingManager() override;

    static constexpr int bulletWidth() { return 9; }
    static constexpr int bulletGap() { return 8; }

    const QPoint& lastMousePosition() const { return myLastMousePosition; }
    void setLastMousePosition(const QPoint& thePosition) { myLastMousePosition = thePosition; }
    int bottomOffset() const { return myBottomOffset; }
    void setBottomOffset(int theOffset) { myBottomOffset = theOffset; }
    int buttonWidth() const { return myButtonWidth; }
    void setButtonWidth(int theWidth) { myButtonWidth = theWidth; }
    int sideOffset() const { return mySideOffset; }
    void setSideOffset(int theOffset) { mySideOffset = theOffset; }
    int bulletsCount() const { return myBulletsCount; }
    void setBulletsCount(int theCount) { myBulletsCount = theCount; }
    const QColor& bulletColor() const { return myBulletColor; }
    void setBulletColor(const QColor& theColor) { myBulletColor = theColor; }
    const QColor& bulletHoverColor() const { return myBulletHoverColor; }
    void setBulletHoverColor(const QColor& theColor) { myBulletHoverColor = theColor; }
    const QColor& bulletSelectedColor() const { return myBulletSelectedColor; }
    void setBulletSelectedColor(const QColor& theColor) { myBulletSelectedColor = theColor; }
    const QColor& paginationButtonBackgroundColor() const { return myButtonBackgroundColor; }
    void setPaginationButtonBackgroundColor(const QColor& theColor) { myButtonBackgroundColor = theColor; }
    const QColor& paginationButtonHoveredBackgroundColor() const { return myButtonHoveredBackgroundColor; }
    void setPaginationButtonHoveredBackgroundColor(const QColor& theColor)
    {
        myButtonHoveredBackgroundColor = theColor;
    }
    const QColor& paginationButtonArrowColor() const { return myButtonArrowColor; }
    void setPaginationButtonArrowColor(const QColor& theColor) { myButtonArrowColor = theColor; }

    QPoint firstBulletTopLeft(const QStyleOptionViewItem& theOption) const;
    static QRect bulletAt(int theIndex, const QPoint& theTopLeft);
    // Button 0 goes back, button 1 forward; any other index gives an empty rectangle.
    QRect buttonAt(int theIndex, const QStyleOptionViewItem& theOption) const;

    bool isMouseOverAnyBulletPoint(const QStyleOptionViewItem& theOption) const;
    // The bullet under the mouse; -1 for none.
    int selectedBullet(const QStyleOptionViewItem& theOption) const;
    bool isMouseOverAnyPaginationButton(const QStyleOptionViewItem& theOption) const;
    // The button under the mouse; -1 for none.
    int selectedButton(const QStyleOptionViewItem& theOption) const;
    bool isMouseOverAnyPaginationUI(const QStyleOptionViewItem& theOption) const;

    void drawPaginationBullets(QPainter* thePainter, const QStyleOptionViewItem& theOption, int theSelected) const;
    void drawPaginationButtons(QPainter* thePainter, const QStyleOptionViewItem& theOption) const;
    // The bullets, and the buttons while the mouse is over the item; nothing for a single page.
    void renderPagination(QPainter* thePainter, const QStyleOptionViewItem& theOption, int theSelected) const;

private:
    QPoint myLastMousePosition;
    int myBottomOffset = 0;
    int myButtonWidth = 24;
    int mySideOffset = 10;
    int myBulletsCount = 5;
    QColor myBulletColor;
    QColor myBulletHoverColor;
    QColor myBulletSelectedColor;
    QColor myButtonBackgroundColor;
    QColor myButtonHoveredBackgroundColor;
    QColor myButtonArrowColor;
};
