#pragma once

#include <QMetaObject>
#include <QString>

// A one-line progress bar on stderr that follows the progress controller for as long as it
// lives; meant for terminals only (the caller checks).
class LMToolProgressBar
{
public:
    LMToolProgressBar();
    ~LMToolProgressBar();
    LMToolProgressBar(const LMToolProgressBar&) = delete;
    LMToolProgressBar& operator=(const LMToolProgressBar&) = delete;

    // The bar's text for a state: "title [#####.....] done/total", width characters of bar.
    static QString render(const QString& theTitle, int theDone, int theTotal, int theWidth);

private:
    void draw(int theDone, int theTotal);
    void finish();

    QString myTitle;
    bool myDrawn = false;
    QMetaObject::Connection myStarted;
    QMetaObject::Connection myAdvanced;
    QMetaObject::Connection myEnded;
};
