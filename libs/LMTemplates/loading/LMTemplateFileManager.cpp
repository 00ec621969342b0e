#include "LMTemplateFileManager.h"

#include "LMArticle.h"
#include "LMConcurrent.h"
#include "LMDirectoryConfig.h"
#include "LMIntRange.h"
#include "LMPlatformIndependent.h"
#include "LMSingletonDefinition.h"
#include "LMTemplatesLogging.h"
#include "LMXMLLoader.h"

#include <QDomElement>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QStringMatcher>

#include <algorithm>
#include <optional>

LM_DEFINE_SINGLETON(LMTemplateFileManager)

namespace {

const QString STR_FILES = QStringLiteral("files");
const QString STR_NAME = QStringLiteral("name");
const QString STR_TEMPLATE_FILES = QStringLiteral("*.xml;*.svg");
// Characters that keep their regular-expression meaning in a white-list pattern.
const QString STR_EXPRESSION_SYNTAX = QStringLiteral("^$[]|(){}?+");

// Guards the lists of the file manager and the target list of the parallel matching.
QMutex ourConcurrentMutex;
// One rescan at a time: the target list below is shared by the whole process.
QMutex ourReInitMutex;
// What the parallel matching has not yet found named by a pattern.
LMTemplateSourceFileList ourTargetListOfUnassignedFiles;

// A white-list pattern for one worker. Most patterns are literal text around "*"; the longest such
// text (letter case folded) must occur in a short name before the expression can match, which
// rules out most files without running the expression. The expression is built on first use:
// building one costs more than testing it, and most are never needed.
class CompiledPattern
{
public:
    explicit CompiledPattern(const QString& thePattern) : myPattern(thePattern)
    {
        // Only plain ASCII text: its case folding is the one the expression applies.
        for (const QChar aChar : thePattern) {
            if (aChar.unicode() > 0x7f || STR_EXPRESSION_SYNTAX.contains(aChar))
                return;
        }
        for (const QString& aPart : thePattern.split(QLatin1Char('*'))) {
            if (aPart.size() > myRequiredText.size())
                myRequiredText = aPart;
        }
        myRequiredText = myRequiredText.toCaseFolded();
        if (!myRequiredText.isEmpty())
            myRequiredTextMatcher.setPattern(myRequiredText);
    }

    // The text every matching short name holds (case folded); empty when there is none.
    const QString& requiredText() const { return myRequiredText; }

    bool matches(const QString& theShortName, const QString& theFoldedShortName)
    {
        if (!myRequiredText.isEmpty() && myRequiredTextMatcher.indexIn(theFoldedShortName) < 0)
            return false;
        if (!myExpression)
            myExpression = LMTemplateWhiteList::wildcard2RegularExpression(myPattern);
        return myExpression->match(theShortName).hasMatch();
    }

private:
    QString myPattern;
    std::optional<QRegularExpression> myExpression;
    QString myRequiredText;
    QStringMatcher myRequiredTextMatcher;
};

// Every white-list pattern, each built at most once per worker. Patterns are found through the first
// characters of their required text, so a file is tested only against the patterns whose text
// could start somewhere in its name, instead of against all of them.
class PatternSet
{
public:
    explicit PatternSet(const QStringList& thePatterns)
    {
        myPatterns.reserve(thePatterns.size());
        for (const QString& aPattern : thePatterns) {
            const CompiledPattern aCompiled(aPattern);
            const qsizetype anIndex = myPatterns.size();
            myPatterns.append(aCompiled);
            if (aCompiled.requiredText().size() >= KEY_LENGTH)
                myByKey[keyAt(aCompiled.requiredText(), 0)].append(anIndex);
            else
                myAlwaysTested.append(anIndex);
        }
        myTestedFor.fill(-1, myPatterns.size());
    }

    // Whether a pattern names the file; theStamp tells this file from the previous ones.
    bool namesFile(const QString& theShortName, qsizetype theStamp)
    {
        const QString aFolded = theShortName.toCaseFolded();
        for (const qsizetype anIndex : std::as_const(myAlwaysTested)) {
            if (myPatterns[anIndex].matches(theShortName, aFolded))
                return true;
        }
        for (qsizetype aPosition = 0; aPosition + KEY_LENGTH <= aFolded.size(); ++aPosition) {
            const auto aCandidates = myByKey.constFind(keyAt(aFolded, aPosition));
            if (aCandidates == myByKey.cend())
                continue;
            for (const qsizetype anIndex : aCandidates.value()) {
                if (myTestedFor.at(anIndex) == theStamp)
                    continue;
                myTestedFor[anIndex] = theStamp;
                if (myPatterns[anIndex].matches(theShortName, aFolded))
                    return true;
            }
        }
        return false;
    }

private:
    static constexpr qsizetype KEY_LENGTH = 4;

    static quint64 keyAt(const QString& theText, qsizetype thePosition)
    {
        quint64 aKey = 0;
        for (qsizetype anOffset = 0; anOffset < KEY_LENGTH; ++anOffset)
            aKey = (aKey << 16) | theText.at(thePosition + anOffset).unicode();
        return aKey;
    }

    QList<CompiledPattern> myPatterns;
    QHash<quint64, QList<qsizetype>> myByKey;
    QList<qsizetype> myAlwaysTested;
    // Per pattern, the stamp of the file it was last tested against.
    QList<qsizetype> myTestedFor;
};

} // namespace

// One unit of the parallel matching: a slice of the unloaded files and every white-list pattern.
class LMTemplateFileManagerWorkerPackage
{
public:
    LMTemplateFileManagerWorkerPackage(const LMTemplateSourceFileList& theFiles, const LMIntRange& theRange,
                                       const QStringList& thePatterns)
        : myFiles(theFiles), myRange(theRange), myPatterns(thePatterns)
    {
    }

    // Removes the files of the slice that a pattern names from the target list, all at once.
    void run() const
    {
        PatternSet aPatterns(myPatterns);
        QSet<LMTemplateSourceFile> aNamed;
        for (int anIndex = myRange.min(); anIndex <= myRange.max(); ++anIndex) {
            const LMTemplateSourceFile& aFile = myFiles.at(anIndex);
            if (aPatterns.namesFile(aFile.shortName(), anIndex))
                aNamed.insert(aFile);
        }
        if (aNamed.isEmpty())
            return;
        const QMutexLocker aLocker(&ourConcurrentMutex);
        ourTargetListOfUnassignedFiles.removeIf(
            [&aNamed](const LMTemplateSourceFile& theFile) { return aNamed.contains(theFile); });
    }

private:
    LMTemplateSourceFileList myFiles;
    LMIntRange myRange;
    QStringList myPatterns;
};

class LMTemplateFileManagerImpl
{
public:
    // All guarded by ourConcurrentMutex.
    LMTemplateSourceFileList myUnloadedFiles;
    LMTemplateSourceFileList myUnassignedFiles;
    QStringList myBlackList;
    LMTemplateWhiteList myWhiteList;
};

LMTemplateFileManager::LMTemplateFileManager() : myImpl(std::make_unique<LMTemplateFileManagerImpl>())
{
    reInit();
}

LMTemplateFileManager::~LMTemplateFileManager() = default;

void LMTemplateFileManager::reInit()
{
    const QMutexLocker aReInitLocker(&ourReInitMutex);
    {
        const QMutexLocker aLocker(&ourConcurrentMutex);
        myImpl->myUnloadedFiles.clear();
        myImpl->myUnassignedFiles.clear();
    }
    // The content root may have moved since the last scan.
    LMTemplateSourceFile::refreshPreInstalledDirectory();
    parseWhitelist();
    parseBlacklist();
    createListOfAllUnloadedFiles();
    removeUnwantedFilesFromUnloadedFiles();
    createListOfUnassignedFiles();
}

void LMTemplateFileManager::parseWhitelist()
{
    LMTemplateWhiteList aWhiteList;
    // A content tree without a white list is no error: every file then belongs to every article.
    if (LMTemplateWhiteList::whiteListFile(false).exists() || LMTemplateWhiteList::whiteListFile(true).exists())
        aWhiteList.load();
    const QMutexLocker aLocker(&ourConcurrentMutex);
    myImpl->myWhiteList = aWhiteList;
}

void LMTemplateFileManager::parseBlacklist()
{
    QStringList aBlackList;
    const QFileInfo aFile(LMDirectoryConfig::instance()->blackListFile());
    if (aFile.exists()) {
        const QDomElement aFiles = LMXMLLoader::loadDocumentElement(aFile).firstChildElement(STR_FILES);
        for (QDomElement anEntry = aFiles.firstChildElement(); !anEntry.isNull();
             anEntry = anEntry.nextSiblingElement()) {
            QString aName = anEntry.attribute(STR_NAME);
            if (aName.isEmpty())
                continue;
            if (aName.startsWith(QLatin1String("*/")))
                aName.remove(0, 1);
            aBlackList.append(aName);
        }
    }
    const QMutexLocker aLocker(&ourConcurrentMutex);
    myImpl->myBlackList = aBlackList;
}

void LMTemplateFileManager::createListOfAllUnloadedFiles()
{
    const LMTemplateSourceFileList aFiles = allFiles();
    const QMutexLocker aLocker(&ourConcurrentMutex);
    myImpl->myUnloadedFiles = aFiles;
}

void LMTemplateFileManager::removeUnwantedFilesFromUnloadedFiles()
{
    const QList<QRegularExpression> anExpressions = LMTemplateWhiteList::toRegExpList(blackList());
    if (anExpressions.isEmpty())
        return;
    const QMutexLocker aLocker(&ourConcurrentMutex);
    myImpl->myUnloadedFiles.removeIf([&anExpressions](const LMTemplateSourceFile& theFile) {
        return std::any_of(
            anExpressions.cbegin(), anExpressions.cend(),
            [&theFile](const QRegularExpression& theExpression) { return fileMatches(theExpression, theFile); });
    });
}

void LMTemplateFileManager::createListOfUnassignedFiles()
{
    const LMTemplateSourceFileList anUnloaded = unloadedFiles();
    const QStringList aPatterns = whiteList().allFiles();
    QList<LMTemplateFileManagerWorkerPackage> aPackages;
    if (!aPatterns.isEmpty()) {
        for (const LMIntRange& aRange : LMIntRange::splitEvenlyForCpuCores(LMIntRange(0, int(anUnloaded.size()) - 1)))
            aPackages.append(LMTemplateFileManagerWorkerPackage(anUnloaded, aRange, aPatterns));
    }
    {
        const QMutexLocker aLocker(&ourConcurrentMutex);
        ourTargetListOfUnassignedFiles = anUnloaded;
    }
    LMConcurrent::blockingMap(aPackages,
                              [](const LMTemplateFileManagerWorkerPackage& thePackage) { thePackage.run(); });
    // The packages removed under the mutex: taking it orders their work before this read.
    const QMutexLocker aLocker(&ourConcurrentMutex);
    myImpl->myUnassignedFiles = ourTargetListOfUnassignedFiles;
    ourTargetListOfUnassignedFiles.clear();
}

LMTemplateSourceFileList LMTemplateFileManager::filesToLoad(const LMArticle& theArticle)
{
    LMTemplateSourceFileList aResult;
    if (theArticle.isValid())
        aResult = assignedFiles(theArticle);
    const LMTemplateSourceFileList anUnassigned = unassignedFiles();
    qCDebug(lcLoading).nospace() << "assigned files: " << aResult.size()
                                 << " unassigned files: " << anUnassigned.size();
    aResult.append(anUnassigned);

    LMTemplateSourceFileList aDropped;
    aResult = aResult.removeDuplicateTemplates(&aDropped).sortXmlBeforeSvg().removeUnwantedFiles();
    // The copy left out is settled as well: offered with a later article, it would load after all.
    markFilesLoaded(aResult + aDropped);

    qCDebug(lcLoading) << "to load";
    for (const LMTemplateSourceFile& aFile : std::as_const(aResult))
        qCDebug(lcLoading).noquote() << aFile.fileInfo().fileName();
    return aResult;
}

void LMTemplateFileManager::markFilesLoaded(const LMTemplateSourceFileList& theFiles)
{
    if (theFiles.isEmpty())
        return;
    const QSet<LMTemplateSourceFile> aLoaded = theFiles.asSet();
    const auto anIsLoaded = [&aLoaded](const LMTemplateSourceFile& theFile) {
        return aLoaded.contains(theFile);
    };
    const QMutexLocker aLocker(&ourConcurrentMutex);
    myImpl->myUnloadedFiles.removeIf(anIsLoaded);
    myImpl->myUnassignedFiles.removeIf(anIsLoaded);
}

LMTemplateSourceFileList LMTemplateFileManager::allFiles() const
{
    LMTemplateSourceFileList aFiles;
    QSet<LMTemplateSourceFile> aSeen;
    const auto anAdd = [&](const LMTemplateSourceFileList& theFiles) {
        for (const LMTemplateSourceFile& aFile : theFiles) {
            if (!aSeen.contains(aFile)) {
                aSeen.insert(aFile);
                aFiles.append(aFile);
            }
        }
    };
    // One walk per folder for both kinds: the result is a set, so the order of the kinds is free.
    for (const QDir& aDirectory : LMDirectoryConfig::instance()->templateDirectories())
        anAdd(fileList(aDirectory, STR_TEMPLATE_FILES, true));
    return aFiles;
}

LMTemplateSourceFileList LMTemplateFileManager::assignedFiles(const LMArticle& theArticle) const
{
    LMTemplateSourceFileList aResult;
    if (!theArticle.isValid())
        return aResult;
    const QList<QRegularExpression> anExpressions = whiteList().findFilesRx(theArticle);
    const LMTemplateSourceFileList anUnloaded = unloadedFiles();
    QSet<LMTemplateSourceFile> aTaken;
    for (const QRegularExpression& anExpression : anExpressions) {
        for (const LMTemplateSourceFile& aFile : anUnloaded) {
            if (!aTaken.contains(aFile) && fileMatches(anExpression, aFile)) {
                aTaken.insert(aFile);
                aResult.append(aFile);
            }
        }
    }
    return aResult;
}

LMTemplateSourceFileList LMTemplateFileManager::fileList(const QDir& theDir, const QString& theWildcard,
                                                         bool theMasterFilesOnly)
{
    const LMTemplateSourceFileList aFiles(
        LMPlatformIndependent::getFilesInDirectory(theDir, theWildcard, true, false, 0));
    return theMasterFilesOnly ? aFiles.masterSVGs() : aFiles;
}

bool LMTemplateFileManager::fileMatches(const QRegularExpression& theExpression, const LMTemplateSourceFile& theFile)
{
    return theExpression.match(theFile.shortName()).hasMatch();
}

QRegularExpression LMTemplateFileManager::wildcard2RegularExpression(const QString& thePattern)
{
    return LMTemplateWhiteList::wildcard2RegularExpression(thePattern);
}

QString LMTemplateFileManager::joinAllAssignedFiles() const
{
    QStringList anAlternatives;
    for (const QString& aPattern : whiteList().allFiles())
        anAlternatives.append(QLatin1String("(?:") + wildcard2RegularExpression(aPattern).pattern() + QLatin1Char(')'));
    if (anAlternatives.isEmpty())
        return QString();
    // The patterns ignore letter case; the joined text carries that with it.
    return QLatin1String("(?i)") + anAlternatives.join(QLatin1Char('|'));
}

LMTemplateSourceFileList LMTemplateFileManager::unloadedFiles() const
{
    const QMutexLocker aLocker(&ourConcurrentMutex);
    return myImpl->myUnloadedFiles;
}

LMTemplateSourceFileList LMTemplateFileManager::unassignedFiles() const
{
    const QMutexLocker aLocker(&ourConcurrentMutex);
    return myImpl->myUnassignedFiles;
}

QStringList LMTemplateFileManager::blackList() const
{
    const QMutexLocker aLocker(&ourConcurrentMutex);
    return myImpl->myBlackList;
}

LMTemplateWhiteList LMTemplateFileManager::whiteList() const
{
    const QMutexLocker aLocker(&ourConcurrentMutex);
    return myImpl->myWhiteList;
}
