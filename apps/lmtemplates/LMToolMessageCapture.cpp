#include "LMToolMessageCapture.h"

#include <atomic>

namespace {

std::atomic<LMToolMessageCapture*> ourCapture { nullptr };

} // namespace

LMToolMessageCapture::LMToolMessageCapture()
{
    LMToolMessageCapture* anExpected = nullptr;
    const bool anInstalled = ourCapture.compare_exchange_strong(anExpected, this);
    Q_ASSERT_X(anInstalled, "LMToolMessageCapture", "one capture at a time");
    Q_UNUSED(anInstalled);
    myPreviousHandler = qInstallMessageHandler(&LMToolMessageCapture::handle);
}

LMToolMessageCapture::~LMToolMessageCapture()
{
    qInstallMessageHandler(myPreviousHandler);
    ourCapture.store(nullptr);
}

void LMToolMessageCapture::setCurrentFile(const QString& theFile)
{
    const QMutexLocker aLocker(&myMutex);
    myCurrentFile = theFile;
}

QList<LMToolMessageCapture::Warning> LMToolMessageCapture::warnings() const
{
    const QMutexLocker aLocker(&myMutex);
    return myWarnings;
}

void LMToolMessageCapture::handle(QtMsgType theType, const QMessageLogContext& theContext, const QString& theText)
{
    if (LMToolMessageCapture* aCapture = ourCapture.load())
        aCapture->record(theType, theContext, theText);
}

void LMToolMessageCapture::record(QtMsgType theType, const QMessageLogContext& theContext, const QString& theText)
{
    const QString aCategory = QString::fromUtf8(theContext.category ? theContext.category : "default");
    const QMutexLocker aLocker(&myMutex);
    switch (theType) {
    case QtDebugMsg:
    case QtInfoMsg:
        return;
    case QtWarningMsg:
    case QtCriticalMsg:
        myWarnings.append({ myCurrentFile, aCategory, theText });
        return;
    case QtFatalMsg:
        break;
    }
    // A fatal message ends the process: say why before Qt aborts.
    if (myPreviousHandler)
        myPreviousHandler(theType, theContext, theText);
}
