#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QMutex>
#include <QStringList>

// Error reports for the editor's maker. This stand-in has no server: a report is logged as a
// warning (the text as it is) and the most recent ones are kept for inspection.
class LMPLATFORM_EXPORT LMCrashReportSender : public LMSingleton<LMCrashReportSender>
{
    friend class LMSingleton<LMCrashReportSender>;

public:
    // How many reports sentTexts() keeps.
    static constexpr int ourKeptTexts = 100;

    void sendTextErrorToServer(const QString& theText);
    // The last reports, oldest first.
    QStringList sentTexts() const;
    void clearSentTexts();

private:
    LMCrashReportSender() = default;

    mutable QMutex myMutex;
    QStringList myTexts;
};
