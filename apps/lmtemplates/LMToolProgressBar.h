#pragma once

#include <QMetaObject>
#include <QString>

// A one-line progress bar on stderr that follows the progress controller for as long as it
// lives; meant for terminals only (the caller checks).
class LMToolProgressBar
{
public:
    // With theFollowController the bar follows the library's progress controller; without it the
    // caller draws with show().
    explicit LMToolProgressBar(bool theFollowController = true);
    ~LMToolProgressBar();
    LMToolProgressBar(const LMToolProgressBar&) = delete;
    LMToolProgressBar& operator=(const LMToolProgressBar&) = delete;

    // The bar's text for a state: "title [#####.....] done/total", at most 30 characters of bar and
    // the whole line shorter than theColumns (the title cut when it must be), so it never wraps.
    static QString render(const QString& theTitle, int theDone, int theTotal, int theColumns);

    void show(const QString& theTitle, int theDone, int theTotal);

private:
    void draw(int theDone, int theTotal);
    void finish();
    // The terminal's width: the window size of stderr, else $COLUMNS, else 80.
    static int terminalColumns();

    QString myTitle;
    bool myDrawn = false;
    QMetaObject::Connection myStarted;
    QMetaObject::Connection myAdvanced;
    QMetaObject::Connection myEnded;
};
