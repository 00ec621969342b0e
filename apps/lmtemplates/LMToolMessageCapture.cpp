#include "LMToolMessageCapture.h"

#include <QLoggingCategory>
#include <QRegularExpression>

#include <atomic>
#include <cstring>

namespace {

const char* const LOADING_CATEGORY = "lm.templates.loading";

std::atomic<LMToolMessageCapture*> ourCapture { nullptr };

const QRegularExpression& timingExpression()
{
    static const QRegularExpression anExpression(
        QStringLiteral("parsed in (\\d+) ms, added in (\\d+) ms, marked in (\\d+) ms \\((\\d+) files\\)"));
    return anExpression;
}

} // namespace

LMToolMessageCapture::LMToolMessageCapture()
{
    LMToolMessageCapture* anExpected = nullptr;
    const bool anInstalled = ourCapture.compare_exchange_strong(anExpected, this);
    Q_ASSERT_X(anInstalled, "LMToolMessageCapture", "one capture at a time");
    Q_UNUSED(anInstalled);
    // The loader writes its timings at debug level only.
    QLoggingCategory::setFilterRules(QStringLiteral("lm.templates.loading.debug=true"));
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

LMToolMessageCapture::Timings LMToolMessageCapture::timings() const
{
    const QMutexLocker aLocker(&myMutex);
    return myTimings;
}

bool LMToolMessageCapture::parseTimingLine(const QString& theText, Timings* theTimings)
{
    const QRegularExpressionMatch aMatch = timingExpression().match(theText);
    if (!aMatch.hasMatch())
        return false;
    theTimings->found = true;
    theTimings->parsedMs += aMatch.captured(1).toLongLong();
    theTimings->addedMs += aMatch.captured(2).toLongLong();
    theTimings->markedMs += aMatch.captured(3).toLongLong();
    theTimings->files += aMatch.captured(4).toLongLong();
    return true;
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
        if (theContext.category && std::strcmp(theContext.category, LOADING_CATEGORY) == 0)
            parseTimingLine(theText, &myTimings);
        return;
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
