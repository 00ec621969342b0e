#include "LMToolProgressBar.h"

#include "LMProgressController.h"

#include <QObject>

#include <cstdio>

namespace {
constexpr int BAR_WIDTH = 30;
}

LMToolProgressBar::LMToolProgressBar()
{
    LMProgressController* aController = LMProgressController::instance();
    myStarted = QObject::connect(aController, &LMProgressController::progressStarted,
                                 [this](const QString& theTitle, int theTotal) {
                                     myTitle = theTitle;
                                     draw(0, theTotal);
                                 });
    myAdvanced = QObject::connect(aController, &LMProgressController::progressAdvanced,
                                  [this](int theDone, int theTotal) { draw(theDone, theTotal); });
    myEnded = QObject::connect(aController, &LMProgressController::progressEnded, [this]() { finish(); });
}

LMToolProgressBar::~LMToolProgressBar()
{
    QObject::disconnect(myStarted);
    QObject::disconnect(myAdvanced);
    QObject::disconnect(myEnded);
    finish();
}

QString LMToolProgressBar::render(const QString& theTitle, int theDone, int theTotal, int theWidth)
{
    const int aTotal = qMax(1, theTotal);
    const int aDone = qBound(0, theDone, aTotal);
    const int aFilled = theWidth * aDone / aTotal;
    return QStringLiteral("%1 [%2%3] %4/%5")
        .arg(theTitle, QString(aFilled, QLatin1Char('#')), QString(theWidth - aFilled, QLatin1Char('.')))
        .arg(aDone)
        .arg(aTotal);
}

void LMToolProgressBar::draw(int theDone, int theTotal)
{
    // "\r" and the erase-line sequence keep the bar on one line of the terminal.
    const QString aLine = QStringLiteral("\r\033[K") + render(myTitle, theDone, theTotal, BAR_WIDTH);
    std::fputs(aLine.toUtf8().constData(), stderr);
    std::fflush(stderr);
    myDrawn = true;
}

void LMToolProgressBar::finish()
{
    if (!myDrawn)
        return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    myDrawn = false;
}
