#pragma once

#include <QList>
#include <QMutex>
#include <QString>
#include <QtGlobal>

// Takes over Qt's message handler while the tool works: warnings are collected (with the file
// being read at the time, when the caller names one) instead of printed. Messages may come from
// the loader's worker threads.
class LMToolMessageCapture
{
public:
    struct Warning
    {
        QString file;
        QString category;
        QString text;
    };
    // Installs the handler; one capture at a time.
    LMToolMessageCapture();
    // Restores the handler found on construction.
    ~LMToolMessageCapture();
    LMToolMessageCapture(const LMToolMessageCapture&) = delete;
    LMToolMessageCapture& operator=(const LMToolMessageCapture&) = delete;

    // Warnings arriving from now on are attributed to this file (empty: to none).
    void setCurrentFile(const QString& theFile);
    QList<Warning> warnings() const;

private:
    static void handle(QtMsgType theType, const QMessageLogContext& theContext, const QString& theText);
    void record(QtMsgType theType, const QMessageLogContext& theContext, const QString& theText);

    mutable QMutex myMutex;
    QString myCurrentFile;
    QList<Warning> myWarnings;
    QtMessageHandler myPreviousHandler = nullptr;
};
