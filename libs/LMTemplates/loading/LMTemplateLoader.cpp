#include "LMTemplateLoader.h"

#include "LMArticle.h"
#include "LMBackgroundJobRunner.h"
#include "LMConcurrent.h"
#include "LMDirectoryConfig.h"
#include "LMFolderListing.h"
#include "LMIntRange.h"
#include "LMJobLoadTemplateFile.h"
#include "LMTemplate.h"
#include "LMTemplateFileManager.h"
#include "LMTemplateLayerType.h"
#include "LMTemplateLoaderLoadingInfo.h"
#include "LMTemplateRegistry.h"
#include "LMTemplatesLogging.h"
#include "LMTemplateSourceFileList.h"

#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <iterator>

namespace {

const QString STR_REFINEMENT = QStringLiteral("refinement");
const QString STR_XML = QStringLiteral("xml");
const QString STR_SVG = QStringLiteral("svg");
// Ranges of files parsed per processor core.
constexpr int RANGES_PER_CORE = 4;
// The number of templates from which a file's templates are filtered in parallel.
constexpr qsizetype PARALLEL_FILTER_MINIMUM = 256;

bool isKeptForRegistry(const LMUnconfiguredTemplate& theTemplate)
{
    return theTemplate->templateLayerType() == LMTemplateLayerTypeEnum::Background
        || theTemplate->articleGroup().isValid();
}

} // namespace

LMTemplateLoader::LMTemplateLoader(LMTemplateRegistry* theRegistry) : myRegistry(theRegistry)
{
    Q_ASSERT_X(theRegistry, "LMTemplateLoader", "a loader adds to a registry");
}

LMTemplateLoader::~LMTemplateLoader() = default;

void LMTemplateLoader::loadTemplates(const LMArticle& theArticle)
{
    if (theArticle.isNull()) {
        qCDebug(lcLoading) << "Null Artikel ???" << theArticle;
        return;
    }

    LMTemplateFileManager* aManager = LMTemplateFileManager::instance();
    const LMTemplateSourceFileList aFiles = aManager->filesToLoad(theArticle).masterSVGs();
    if (aFiles.isEmpty())
        return;

    QElapsedTimer aTimer;
    aTimer.start();
    qCInfo(lcLoading).noquote() << "Parsing templates for " + theArticle.orderTxtName() + " (" << theArticle << ")";
    const QList<LMTemplateLoaderLoadingInfo*> anInfos = loadTemplatesParallely(aFiles);
    const qint64 aParsed = aTimer.restart();

    qCInfo(lcLoading) << "Adding" << anInfos.size() << "templates to registry for" << theArticle.orderTxtName();
    for (LMTemplateLoaderLoadingInfo* anInfo : anInfos)
        addTemplatesToRegistry(anInfo);
    const qint64 anAdded = aTimer.restart();

    aManager->markFilesLoaded(aFiles);
    const qint64 aMarked = aTimer.elapsed();
    myTimings += LMTemplateLoadTimings { aParsed, anAdded, aMarked, aFiles.size(), 1 };
    qCDebug(lcLoading).nospace() << "parsed in " << aParsed << " ms, added in " << anAdded << " ms, marked in "
                                 << aMarked << " ms (" << aFiles.size() << " files)";
}

bool LMTemplateLoader::loadTemplates(const QStringList& theFiles)
{
    clearLoadingInfos();
    if (theFiles.isEmpty())
        return false;

    LMBackgroundJobRunner aRunner;
    QStringList aLoadedPaths;
    for (const QString& aPath : theFiles) {
        const QFileInfo aFile(aPath);
        const QString aSuffix = aFile.suffix().toLower();
        if (aSuffix != STR_XML && aSuffix != STR_SVG)
            continue;
        if (aSuffix == STR_SVG && !LMTemplateSourceFile(aPath).isMasterFile())
            continue;
        if (!aFile.exists())
            continue;
        aRunner.scheduleJob(LMJobLoadTemplateFile(newLoadingInfo(aPath)), LMBackgroundJobPriority::High);
        aLoadedPaths.append(aPath);
    }
    aRunner.wait();

    for (const auto& anInfo : myLoadingInfos)
        addTemplatesToRegistry(anInfo.get());
    LMTemplateFileManager::instance()->markFilesLoaded(LMTemplateSourceFileList(aLoadedPaths));
    return !myLoadingInfos.empty();
}

QList<LMTemplateLoaderLoadingInfo*> LMTemplateLoader::loadTemplatesParallely(const LMTemplateSourceFileList& theFiles)
{
    clearLoadingInfos();
    // The tree is read as it stands: the folders every file asks for sidecars are looked at once.
    const LMFolderListing::Snapshot aSnapshot;
    QList<LMTemplateLoaderLoadingInfo*> anInfos;
    anInfos.reserve(theFiles.size());
    // Files come folder by folder: each folder is looked at once.
    QHash<QString, bool> aRefinementFolders;
    for (const LMTemplateSourceFile& aFile : theFiles) {
        // A refinement folder's files are loaded only when named (they refine a design elsewhere).
        const QString aFolder = aFile.fileInfo().path();
        auto aRefinement = aRefinementFolders.constFind(aFolder);
        if (aRefinement == aRefinementFolders.cend())
            aRefinement
                = aRefinementFolders.insert(aFolder, QFileInfo::exists(aFolder + QLatin1Char('/') + STR_REFINEMENT));
        if (*aRefinement)
            continue;
        anInfos.append(newLoadingInfo(aFile.fullName()));
    }

    // A few ranges per core rather than one task per file: many small files need not each pay for a
    // task, and a core that finishes its range early takes another (XML files come before the
    // costlier SVG pages). In a busy pool thread the ranges run here, one after the other (no
    // nested starvation).
    QList<LMIntRange> aRanges = LMIntRange::splitEvenlyForCpuCores(LMIntRange(0, static_cast<int>(anInfos.size()) - 1),
                                                                   QThread::idealThreadCount() * RANGES_PER_CORE);
    // Each range hands its infos over through this mutex: the end of a Qt Concurrent map is
    // signalled inside Qt, where the thread sanitizer cannot see it.
    QMutex aHandOver;
    LMConcurrent::blockingMap(aRanges, [&anInfos, &aHandOver](const LMIntRange& theRange) {
        for (int anIndex = theRange.min(); anIndex <= theRange.max(); ++anIndex)
            LMJobLoadTemplateFile(anInfos.at(anIndex)).doStuff();
        const QMutexLocker aLocker(&aHandOver);
    });
    const QMutexLocker aLocker(&aHandOver);
    return anInfos;
}

void LMTemplateLoader::addTemplatesToRegistry(LMTemplateLoaderLoadingInfo* theInfo)
{
    LMUnconfiguredTemplateList aTemplates = theInfo->takeTemplates();
    if (aTemplates.size() == 1)
        aTemplates.first().templatePointer()->fileInfo().setExclusiveSourceFile(theInfo->file());

    myLastFileFirstValidId = LMDesignElementID();
    for (const LMUnconfiguredTemplate& aTemplate : std::as_const(aTemplates)) {
        const LMDesignElementID anId = aTemplate->designElementID();
        if (anId.isValid()) {
            if (!myLastFileFirstValidId.isValid())
                myLastFileFirstValidId = anId;
            myLoadedIds.insert(anId);
        }
        myLoadedKeys.append(aTemplate->createKey());
    }

    // A parallel filter pays for its tasks only on long lists; most files hold a few templates.
    LMUnconfiguredTemplateList aKept;
    if (aTemplates.size() >= PARALLEL_FILTER_MINIMUM) {
        aKept = LMConcurrent::blockingFiltered(aTemplates, isKeptForRegistry);
    } else {
        aKept.reserve(aTemplates.size());
        std::copy_if(aTemplates.cbegin(), aTemplates.cend(), std::back_inserter(aKept), isKeptForRegistry);
    }
    // The templates no product takes are ours to drop.
    if (aKept.size() != aTemplates.size()) {
        for (LMUnconfiguredTemplate aTemplate : std::as_const(aTemplates)) {
            if (!isKeptForRegistry(aTemplate))
                aTemplate.deleteTemplate();
        }
    }
    myRegistry->insertTemplates(aKept, true, false);
}

LMDesignElementID LMTemplateLoader::lastLoadedDesignElementId() const
{
    return myLastFileFirstValidId;
}

LMDesignElementIDSet LMTemplateLoader::lastLoadedDesignElementIds() const
{
    return myLoadedIds;
}

QSet<LMJigKey> LMTemplateLoader::allLoadedJigs() const
{
    return QSet<LMJigKey>(myLoadedKeys.cbegin(), myLoadedKeys.cend());
}

QString LMTemplateLoader::fileInCategories(const QString& theFileName)
{
    if (theFileName.contains(QLatin1Char('/')))
        return theFileName;
    return LMDirectoryConfig::instance()->categoriesDir().filePath(theFileName);
}

LMTemplateLoaderLoadingInfo* LMTemplateLoader::newLoadingInfo(const QString& thePath)
{
    myLoadingInfos.push_back(std::make_unique<LMTemplateLoaderLoadingInfo>(QFileInfo(thePath)));
    return myLoadingInfos.back().get();
}

void LMTemplateLoader::clearLoadingInfos()
{
    myLoadingInfos.clear();
    myLastFileFirstValidId = LMDesignElementID();
    myLoadedIds.clear();
    myLoadedKeys.clear();
}
