#include "LMBasisSettings.h"

#include "LMSingletonDefinition.h"

LM_DEFINE_SINGLETON(LMBasisSettings)

namespace {

bool environmentFlag(const char* theName)
{
    const QString aValue = qEnvironmentVariable(theName).trimmed();
    return aValue == QLatin1String("1") || aValue.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QStringList cleanOptions(const QStringList& theOptions)
{
    QStringList aList;
    for (const QString& anOption : theOptions) {
        const QString aTrimmed = anOption.trimmed();
        if (!aTrimmed.isEmpty())
            aList.append(aTrimmed);
    }
    return aList;
}

} // namespace

LMBasisSettings::LMBasisSettings()
    : myMasterMode(environmentFlag("LM_MASTER_MODE"))
    , myPriceUpdateMode(environmentFlag("LM_PRICE_UPDATE_MODE"))
    , myRunOptions(cleanOptions(qEnvironmentVariable("LM_RUN_OPTIONS").split(QLatin1Char(','))))
{
}

bool LMBasisSettings::runsInMasterMode() const
{
    const QReadLocker aLocker(&myLock);
    return myMasterMode;
}

void LMBasisSettings::setMasterMode(bool theOn)
{
    const QWriteLocker aLocker(&myLock);
    myMasterMode = theOn;
}

bool LMBasisSettings::runsInPriceUpdateMode() const
{
    const QReadLocker aLocker(&myLock);
    return myPriceUpdateMode;
}

void LMBasisSettings::setPriceUpdateMode(bool theOn)
{
    const QWriteLocker aLocker(&myLock);
    myPriceUpdateMode = theOn;
}

bool LMBasisSettings::hasRunOption(const QString& theOption) const
{
    const QReadLocker aLocker(&myLock);
    return myRunOptions.contains(theOption.trimmed(), Qt::CaseInsensitive);
}

bool LMBasisSettings::hasRunOption(int theOption) const
{
    return hasRunOption(runOptionName(theOption));
}

QString LMBasisSettings::runOptionName(int theOption)
{
    if (theOption == 9)
        return QStringLiteral("noprogress");
    return QString::number(theOption);
}

QStringList LMBasisSettings::runOptions() const
{
    const QReadLocker aLocker(&myLock);
    return myRunOptions;
}

void LMBasisSettings::setRunOptions(const QStringList& theOptions)
{
    const QStringList aClean = cleanOptions(theOptions);
    const QWriteLocker aLocker(&myLock);
    myRunOptions = aClean;
}
