#include "LMTemplateWhiteList.h"

#include "LMArticle.h"
#include "LMConcurrent.h"
#include "LMDirectoryConfig.h"
#include "LMTemplateFilterFactory.h"
#include "LMTemplatesLogging.h"
#include "LMXMLBuilder.h"
#include "LMXMLElement.h"
#include "LMXMLLoader.h"

#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QDomElement>
#include <QMutex>
#include <QMutexLocker>
#include <QTextStream>
#include <QThreadPool>

#include <algorithm>

namespace {

const QString STR_WHITELIST = QStringLiteral("whitelist");
const QString STR_GROUP = QStringLiteral("group");
const QString STR_PRODUCTS = QStringLiteral("products");
const QString STR_FILES = QStringLiteral("files");
const QString STR_FILE = QStringLiteral("file");
const QString STR_NAME = QStringLiteral("name");
// The user's own layouts load for every product, whatever a generated list says.
const QString STR_USER_LAYOUTS_FILE = QStringLiteral("categories/000-user-layouts.xml");

// Guards the merge of groups parsed in parallel, for every white list of the process.
QMutex ourConcurrentMutex;

// Nested blocking maps must not starve the pool: parallel only while the pool has room.
bool parseInParallel()
{
    return QThreadPool::globalInstance()->activeThreadCount() < LMConcurrent::maxRunningThreads();
}

} // namespace

QFileInfo LMTemplateWhiteList::whiteListFile(bool theUserCopy)
{
    return QFileInfo(LMDirectoryConfig::instance()->whiteListFile(theUserCopy));
}

bool LMTemplateWhiteList::load()
{
    const QFileInfo aContentCopy = whiteListFile(false);
    const QFileInfo aUserCopy = whiteListFile(true);
    const bool aUserCopyIsNewer
        = aUserCopy.exists() && (!aContentCopy.exists() || aUserCopy.lastModified() > aContentCopy.lastModified());
    return load(aUserCopyIsNewer ? aUserCopy : aContentCopy);
}

bool LMTemplateWhiteList::load(const QFileInfo& theFile)
{
    myGroups.clear();
    const QDomDocument aDocument = LMXMLLoader::loadDocument(theFile);
    if (aDocument.isNull())
        return false;
    const QDomElement aRoot = aDocument.documentElement();
    if (aRoot.tagName() != STR_WHITELIST) {
        qCWarning(lcLoading).noquote() << "no white list in" << theFile.filePath()
                                       << "- root element <" + aRoot.tagName() + ">";
        return false;
    }

    // Every group gets a document of its own, so that the parallel parses share no DOM.
    QList<QDomDocument> aGroups;
    for (QDomElement aGroup = aRoot.firstChildElement(STR_GROUP); !aGroup.isNull();
         aGroup = aGroup.nextSiblingElement(STR_GROUP)) {
        QDomDocument anOwnDocument;
        anOwnDocument.appendChild(anOwnDocument.importNode(aGroup, true));
        aGroups.append(anOwnDocument);
    }

    const auto aParse = [this](const QDomDocument& theGroup) {
        parseTemplateGroup(theGroup.documentElement());
    };
    if (parseInParallel()) {
        QtConcurrent::blockingMap(aGroups, aParse);
        // The merges were made under the mutex; taking it once orders them before the reads below
        // in a way the thread sanitizer sees too (the pool's own hand-over is invisible to it).
        const QMutexLocker aLocker(&ourConcurrentMutex);
    } else {
        std::for_each(aGroups.cbegin(), aGroups.cend(), aParse);
    }

    qsizetype aPatternCount = 0;
    for (const QStringList& aPatterns : std::as_const(myGroups))
        aPatternCount += aPatterns.size();
    qCDebug(lcLoading).noquote() << "white list" << theFile.filePath() << ":" << aGroups.size() << "groups,"
                                 << myGroups.size() << "distinct," << aPatternCount << "patterns";
    removeUndesirables();
    return true;
}

void LMTemplateWhiteList::parseTemplateGroup(const QDomElement& theGroup)
{
    LMArticlesGroup anArticles;
    LMTemplateFilterFactory::parseFilter(theGroup.firstChildElement(STR_PRODUCTS), &anArticles, nullptr, nullptr,
                                         nullptr);
    QStringList aPatterns;
    const QDomElement aFiles = theGroup.firstChildElement(STR_FILES);
    for (QDomElement aFile = aFiles.firstChildElement(STR_FILE); !aFile.isNull();
         aFile = aFile.nextSiblingElement(STR_FILE))
        aPatterns.append(aFile.attribute(STR_NAME));

    const QMutexLocker aLocker(&ourConcurrentMutex);
    addFiles(anArticles, aPatterns);
}

bool LMTemplateWhiteList::save()
{
    const QFileInfo aFile = whiteListFile(true);
    if (!QDir().mkpath(aFile.absolutePath())) {
        qCWarning(lcLoading).noquote() << "cannot create the folder" << aFile.absolutePath();
        return false;
    }
    return save(aFile);
}

bool LMTemplateWhiteList::save(const QFileInfo& theFile)
{
    qCInfo(lcLoading).noquote() << "Saving White List to" << theFile.filePath();
    removeUndesirables();
    return LMXMLBuilder::saveUTF8(toDocument(), theFile);
}

QDomDocument LMTemplateWhiteList::toDocument() const
{
    QDomDocument aDocument;
    QDomElement aRoot = aDocument.createElement(STR_WHITELIST);
    aDocument.appendChild(aRoot);
    // The groups in the order of their products' text, not in the hash's order of the process: a
    // changed list differs from the old file only where it changed.
    QList<std::pair<QString, QDomElement>> aSortedGroups;
    for (auto anIt = myGroups.cbegin(); anIt != myGroups.cend(); ++anIt) {
        QDomElement aGroup = aDocument.createElement(STR_GROUP);
        QDomElement aProducts = aDocument.createElement(STR_PRODUCTS);
        anIt.key().toTemplates2Format(aProducts);
        aGroup.appendChild(aProducts);
        QString aSortKey;
        QTextStream aKeyStream(&aSortKey);
        aProducts.save(aKeyStream, 0);
        aKeyStream.flush();
        QDomElement aFiles = aDocument.createElement(STR_FILES);
        for (const QString& aPattern : anIt.value()) {
            QDomElement aFile = aDocument.createElement(STR_FILE);
            aFile.setAttribute(STR_NAME, aPattern);
            aFiles.appendChild(aFile);
        }
        aGroup.appendChild(aFiles);
        aSortedGroups.append({ aSortKey, aGroup });
    }
    std::stable_sort(aSortedGroups.begin(), aSortedGroups.end(),
                     [](const auto& theA, const auto& theB) { return theA.first < theB.first; });
    for (const auto& aGroup : std::as_const(aSortedGroups))
        aRoot.appendChild(aGroup.second);
    return aDocument;
}

QStringList LMTemplateWhiteList::findFiles(const LMArticle& theArticle) const
{
    QStringList aPatterns;
    for (auto anIt = myGroups.cbegin(); anIt != myGroups.cend(); ++anIt) {
        if (anIt.key().contains(theArticle))
            aPatterns.append(anIt.value());
    }
    return aPatterns;
}

QList<QRegularExpression> LMTemplateWhiteList::findFilesRx(const LMArticle& theArticle) const
{
    return toRegExpList(findFiles(theArticle));
}

QStringList LMTemplateWhiteList::allFiles() const
{
    QStringList aPatterns;
    for (const QStringList& aGroupPatterns : myGroups)
        aPatterns.append(aGroupPatterns);
    aPatterns.removeDuplicates();
    return aPatterns;
}

QList<QRegularExpression> LMTemplateWhiteList::allFilesRx() const
{
    return toRegExpList(allFiles());
}

QList<QRegularExpression> LMTemplateWhiteList::toRegExpList(const QStringList& thePatterns)
{
    QList<QRegularExpression> aList;
    aList.reserve(thePatterns.size());
    for (const QString& aPattern : thePatterns)
        aList.append(wildcard2RegularExpression(aPattern));
    return aList;
}

QRegularExpression LMTemplateWhiteList::wildcard2RegularExpression(const QString& thePattern)
{
    QString anExpression = thePattern;
    // The backslash first: escaped, it can neither escape the characters below nor end the
    // expression unfinished.
    anExpression.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    anExpression.replace(QLatin1Char('.'), QLatin1String("\\."));
    anExpression.replace(QLatin1Char('*'), QLatin1String(".*"));
    QRegularExpression aRegularExpression(anExpression, QRegularExpression::CaseInsensitiveOption);
    if (!aRegularExpression.isValid())
        qCWarning(lcLoading).noquote() << "white list pattern" << thePattern
                                       << "is no valid expression:" << aRegularExpression.errorString();
    return aRegularExpression;
}

void LMTemplateWhiteList::removeUndesirables()
{
    for (QStringList& aPatterns : myGroups)
        aPatterns.removeAll(STR_USER_LAYOUTS_FILE);
}

void LMTemplateWhiteList::addFiles(const LMArticlesGroup& theGroup, const QStringList& thePatterns)
{
    QStringList& aList = myGroups[theGroup];
    for (const QString& aPattern : thePatterns) {
        if (!aPattern.isEmpty() && !aList.contains(aPattern))
            aList.append(aPattern);
    }
}
