#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QtGlobal>

// Takes over Qt's message handler while the tool works: warnings are collected (with the file
// being read at the time, when the caller names one) instead of printed, and the loader's timing
// line is picked out of its debug messages. Messages may come from the loader's worker threads.
class LMToolMessageCapture
{
public:
    struct Warning
    {
        QString file;
        QString category;
        QString text;
    };
    struct Timings
    {
        bool found = false;
        qint64 parsedMs = 0;
        qint64 addedMs = 0;
        qint64 markedMs = 0;
        qint64 files = 0;
    };

    // Installs the handler and enables the loading category's debug level; one capture at a time.
    LMToolMessageCapture();
    // Restores the handler found on construction.
    ~LMToolMessageCapture();
    LMToolMessageCapture(const LMToolMessageCapture&) = delete;
    LMToolMessageCapture& operator=(const LMToolMessageCapture&) = delete;

    // Warnings arriving from now on are attributed to this file (empty: to none).
    void setCurrentFile(const QString& theFile);
    QList<Warning> warnings() const;
    // The loader's timings; several loads add up.
    Timings timings() const;

    // Parses "parsed in A ms, added in B ms, marked in C ms (N files)"; false for any other text.
    static bool parseTimingLine(const QString& theText, Timings* theTimings);

private:
    static void handle(QtMsgType theType, const QMessageLogContext& theContext, const QString& theText);
    void record(QtMsgType theType, const QMessageLogContext& theContext, const QString& theText);

    mutable QMutex myMutex;
    QString myCurrentFile;
    QList<Warning> myWarnings;
    Timings myTimings;
    QtMessageHandler myPreviousHandler = nullptr;
};
