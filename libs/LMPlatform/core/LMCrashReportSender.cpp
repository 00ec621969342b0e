#include "LMCrashReportSender.h"

#include "LMPlatformLogging.h"
#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMCrashReportSender)

void LMCrashReportSender::sendTextErrorToServer(const QString& theText)
{
    qCWarning(lcPlatformCore).noquote() << theText;
    const QMutexLocker aLocker(&myMutex);
    myTexts.append(theText);
    if (myTexts.size() > ourKeptTexts)
        myTexts.remove(0, myTexts.size() - ourKeptTexts);
}

QStringList LMCrashReportSender::sentTexts() const
{
    const QMutexLocker aLocker(&myMutex);
    return myTexts;
}

void LMCrashReportSender::clearSentTexts()
{
    const QMutexLocker aLocker(&myMutex);
    myTexts.clear();
}
