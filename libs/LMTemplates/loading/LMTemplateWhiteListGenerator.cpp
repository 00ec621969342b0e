#include "LMTemplateWhiteListGenerator.h"

#include "LMBackgroundJobManager.h"
#include "LMBackgroundJobRunner.h"
#include "LMBackgroundJobUpdateWhiteList.h"
#include "LMBackgroundTask.h"
#include "LMBasisSettings.h"
#include "LMInstallationSettings.h"
#include "LMTemplateFileManager.h"
#include "LMTemplatesLogging.h"
#include "LMTemplateWhiteListGeneratorJob.h"

#include <QRegularExpression>

namespace {
// The run option under which downloaded files count too.
constexpr int RUN_OPTION_ALL_FILES = 2;
} // namespace

bool LMTemplateWhiteListGenerator::generateWhiteListFile() const
{
    return saveResults(generateWhiteList());
}

LMTemplateWhiteList LMTemplateWhiteListGenerator::generateWhiteList() const
{
    const LMTemplateSourceFileList aFiles = filesToScan();
    qCInfo(lcLoading).noquote() << "Generating White List from" << aFiles.size() << "files";
    return summarizeResults(parseFilesParallely(aFiles));
}

LMTemplateSourceFileList LMTemplateWhiteListGenerator::filesToScan()
{
    const LMTemplateSourceFileList aFiles = LMTemplateFileManager::instance()->allFiles();
    return LMBasisSettings::instance()->hasRunOption(RUN_OPTION_ALL_FILES) ? aFiles : aFiles.preInstalled();
}

QList<LMTemplateWhiteListGeneratorInfo>
LMTemplateWhiteListGenerator::parseFilesParallely(const LMTemplateSourceFileList& theFiles) const
{
    QList<LMTemplateWhiteListGeneratorInfo> anInfos;
    anInfos.reserve(theFiles.size());
    for (const LMTemplateSourceFile& aFile : theFiles)
        anInfos.append(LMTemplateWhiteListGeneratorInfo(aFile));
    // The jobs point into the list: it is not resized until the runner has finished.
    LMBackgroundJobRunner aRunner;
    for (LMTemplateWhiteListGeneratorInfo& anInfo : anInfos)
        aRunner.scheduleJob(LMTemplateWhiteListGeneratorJob(&anInfo));
    aRunner.wait();
    return anInfos;
}

LMTemplateWhiteList
LMTemplateWhiteListGenerator::summarizeResults(const QList<LMTemplateWhiteListGeneratorInfo>& theInfos)
{
    LMTemplateWhiteList aWhiteList;
    for (const LMTemplateWhiteListGeneratorInfo& anInfo : theInfos) {
        if (anInfo.productFilter().isValid())
            aWhiteList.addFiles(anInfo.productFilter(), { filePattern(anInfo.sourceFile()) });
    }
    return aWhiteList;
}

bool LMTemplateWhiteListGenerator::saveResults(LMTemplateWhiteList theWhiteList) const
{
    if (!theWhiteList.save()) {
        qCWarning(lcLoading).noquote() << "the generated white list was not saved; it is generated again after "
                                          "the next update";
        return false;
    }
    LMInstallationSettings::instance()->setMustGenerateWhiteList(false);
    return true;
}

QString LMTemplateWhiteListGenerator::filePattern(const LMTemplateSourceFile& theFile)
{
    const QString& aShortName = theFile.shortName();
    if (!theFile.isSvgFile())
        return aShortName;
    // The series folder and the page, at the end of the name.
    static const QRegularExpression ourSeriesPage(QStringLiteral("[^/]+/[^/]+\\.svg$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch aMatch = ourSeriesPage.match(aShortName);
    if (!aMatch.hasMatch())
        return aShortName;
    if (aMatch.capturedStart() > 0)
        return aShortName.left(aMatch.capturedStart()) + QLatin1Char('*');
    return aShortName.left(aShortName.indexOf(QLatin1Char('/')) + 1) + QLatin1Char('*');
}

void LMTemplateWhiteListGenerator::updateAfterVersionChange()
{
    if (!LMInstallationSettings::instance()->mustGenerateWhiteList())
        return;
    qCInfo(lcLoading) << "the installed content changed: the white list is generated again";
    LMBackgroundJobManager::instance()->schedule(LMBackgroundTask(LMBackgroundJobUpdateWhiteList()),
                                                 LMBackgroundJobPriority::Low);
}
