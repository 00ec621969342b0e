#include "LMPaginationPaintingManager.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionViewItem>

LMPaginationPaintingManager::LMPaginationPaintingManager(QObject* theParent) : QObject(theParent) { }

LMPaginationPaintingManager::~LMPaginationPaintingManager() = default;

QPoint LMPaginationPaintingManager::firstBulletTopLeft(const QStyleOptionViewItem& theOption) const
{
    const QRect& aRect = theOption.rect;
    const int aRowWidth = (bulletWidth() + bulletGap()) * myBulletsCount - bulletGap();
    return QPoint(aRect.left() + (aRect.right() - aRect.left() + 1 - aRowWidth) / 2,
                  aRect.bottom() - myBottomOffset - bulletWidth());
}

QRect LMPaginationPaintingManager::bulletAt(int theIndex, const QPoint& theTopLeft)
{
    return QRect(theTopLeft.x() + (bulletWidth() + bulletGap()) * theIndex, theTopLeft.y(), bulletWidth(),
                 bulletWidth());
}

QRect LMPaginationPaintingManager::buttonAt(int theIndex, const QStyleOptionViewItem& theOption) const
{
    if (theIndex < 0 || theIndex > 1)
        return QRect();
    const QRect& aRect = theOption.rect;
    const int aY = aRect.top() + (firstBulletTopLeft(theOption).y() - aRect.top()) / 2;
    const int aX = theIndex == 0 ? aRect.left() + mySideOffset : aRect.right() - mySideOffset - myButtonWidth;
    return QRect(aX, aY, myButtonWidth, myButtonWidth);
}

bool LMPaginationPaintingManager::isMouseOverAnyBulletPoint(const QStyleOptionViewItem& theOption) const
{
    return selectedBullet(theOption) >= 0;
}

int LMPaginationPaintingManager::selectedBullet(const QStyleOptionViewItem& theOption) const
{
    const QPoint aTopLeft = firstBulletTopLeft(theOption);
    for (int i = 0; i < myBulletsCount; ++i) {
        if (bulletAt(i, aTopLeft).contains(myLastMousePosition))
            return i;
    }
    return -1;
}

bool LMPaginationPaintingManager::isMouseOverAnyPaginationButton(const QStyleOptionViewItem& theOption) const
{
    return selectedButton(theOption) >= 0;
}

int LMPaginationPaintingManager::selectedButton(const QStyleOptionViewItem& theOption) const
{
    for (int i = 0; i < 2; ++i) {
        if (buttonAt(i, theOption).contains(myLastMousePosition))
            return i;
    }
    return -1;
}

bool LMPaginationPaintingManager::isMouseOverAnyPaginationUI(const QStyleOptionViewItem& theOption) const
{
    return isMouseOverAnyBulletPoint(theOption) || isMouseOverAnyPaginationButton(theOption);
}

void LMPaginationPaintingManager::drawPaginationBullets(QPainter* thePainter, const QStyleOptionViewItem& theOption,
                                                        int theSelected) const
{
    const QPoint aTopLeft = firstBulletTopLeft(theOption);
    thePainter->save();
    thePainter->setRenderHint(QPainter::Antialiasing);
    thePainter->setPen(Qt::NoPen);
    for (int i = 0; i < myBulletsCount; ++i) {
        const QRect aBullet = bulletAt(i, aTopLeft);
        const bool aHighlighted = i == theSelected || aBullet.contains(myLastMousePosition);
        thePainter->setBrush(aHighlighted ? myBulletSelectedColor : myBulletColor);
        thePainter->drawEllipse(aBullet);
    }
    thePainter->restore();
}

void LMPaginationPaintingManager::drawPaginationButtons(QPainter* thePainter,
                                                        const QStyleOptionViewItem& theOption) const
{
    thePainter->save();
    thePainter->setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 2; ++i) {
        const QRectF aButton = buttonAt(i, theOption);
        const bool aHovered = aButton.contains(myLastMousePosition);
        thePainter->setPen(Qt::NoPen);
        thePainter->setBrush(aHovered ? myButtonHoveredBackgroundColor : myButtonBackgroundColor);
        thePainter->drawEllipse(aButton);

        // A chevron pointing back (button 0) or forward (button 1), a third of the button wide.
        const double aHalf = aButton.width() / 6;
        const double aTip = i == 0 ? -aHalf : aHalf;
        const QPointF aCentre = aButton.center();
        QPainterPath anArrow;
        anArrow.moveTo(aCentre + QPointF(-aTip, -2 * aHalf));
        anArrow.lineTo(aCentre + QPointF(aTip, 0));
        anArrow.lineTo(aCentre + QPointF(-aTip, 2 * aHalf));
        thePainter->setPen(QPen(myButtonArrowColor, 3, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        thePainter->setBrush(Qt::NoBrush);
        thePainter->drawPath(anArrow);
    }
    thePainter->restore();
}

void LMPaginationPaintingManager::renderPagination(QPainter* thePainter, const QStyleOptionViewItem& theOption,
                                                   int theSelected) const
{
    if (myBulletsCount < 2)
        return;
    drawPaginationBullets(thePainter, theOption, theSelected);
    if (theOption.state.testFlag(QStyle::State_MouseOver))
        drawPaginationButtons(thePainter, theOption);
}
