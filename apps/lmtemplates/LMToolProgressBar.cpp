#include "LMToolProgressBar.h"

#include "LMProgressController.h"

#include <QObject>

#include <cstdio>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {
constexpr int BAR_WIDTH = 30;
constexpr int MINIMUM_BAR_WIDTH = 10;
} // namespace

LMToolProgressBar::LMToolProgressBar(bool theFollowController)
{
    if (!theFollowController)
        return;
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

QString LMToolProgressBar::render(const QString& theTitle, int theDone, int theTotal, int theColumns)
{
    const int aTotal = qMax(1, theTotal);
    const int aDone = qBound(0, theDone, aTotal);
    const QString aCount = QStringLiteral("%1/%2").arg(aDone).arg(aTotal);
    // "title [" + bar + "] " + count, one column short of the width so the cursor never wraps.
    const int aRoom = theColumns - 1 - int(aCount.size()) - 3;
    int aWidth = qBound(MINIMUM_BAR_WIDTH, aRoom - int(theTitle.size()) - 1, BAR_WIDTH);
    QString aTitle = theTitle;
    if (aTitle.size() + 1 + aWidth > aRoom)
        aTitle = aTitle.left(qMax(0, aRoom - aWidth - 1));
    aWidth = qMax(0, qMin(aWidth, aRoom - int(aTitle.size()) - 1));
    const int aFilled = aWidth * aDone / aTotal;
    return QStringLiteral("%1 [%2%3] %4")
        .arg(aTitle, QString(aFilled, QLatin1Char('#')), QString(aWidth - aFilled, QLatin1Char('.')), aCount);
}

int LMToolProgressBar::terminalColumns()
{
    winsize aSize {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &aSize) == 0 && aSize.ws_col > 0)
        return aSize.ws_col;
    bool anOk = false;
    const int aColumns = qEnvironmentVariableIntValue("COLUMNS", &anOk);
    return anOk && aColumns > 0 ? aColumns : 80;
}

void LMToolProgressBar::show(const QString& theTitle, int theDone, int theTotal)
{
    myTitle = theTitle;
    draw(theDone, theTotal);
}

void LMToolProgressBar::draw(int theDone, int theTotal)
{
    // "\r" and the erase-line sequence keep the bar on one line of the terminal.
    const QString aLine = QStringLiteral("\r\033[K") + render(myTitle, theDone, theTotal, terminalColumns());
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
