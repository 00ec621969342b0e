#include "LMDecorationRegistry.h"

#include "LMConcurrent.h"
#include "LMConfiguredDecoration.h"
#include "LMDecorationClipart.h"
#include "LMDecorationMaskFrame.h"
#include "LMDirectoryConfig.h"
#include "LMFileEncoder.h"
#include "LMFileSystemWatcher.h"
#include "LMJigRegistry.h"
#include "LMJigStatusRepository.h"
#include "LMKeyAccount.h"
#include "LMOsmMapStyleRegistry.h"
#include "LMSingletonDefinition.h"
#include "LMThematicCategory.h"
#include "LMXMLBuilder.h"
#include "LMXMLLoader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDomDocument>
#include <QFile>
#include <QThread>
#include <QTimeZone>

#include <algorithm>
#include <atomic>
#include <mutex>

LM_DEFINE_SINGLETON(LMDecorationRegistry)

namespace {
const QString STR_DECORATIONS = QStringLiteral("decorations");
const QString STR_DECORATION = QStringLiteral("decoration");
const QString STR_TYPE = QStringLiteral("type");
const QString STR_UNKNOWN = QStringLiteral("unknown");
const QString STR_CLIPART = QStringLiteral("clipart");
const QString STR_FADING = QStringLiteral("fading");
const QString STR_FOTOAREA = QStringLiteral("fotoarea");
const QString STR_CATEGORIES = QStringLiteral("categories");
const QString STR_CATEGORY = QStringLiteral("category");
const QString STR_FILE = QStringLiteral("file");
const QString STR_USER_ELEMENT_ID = QStringLiteral("userElementId");
const QString STR_DESIGN_ELEMENT_TYPE = QStringLiteral("designElementType");
const QString STR_PASSEPARTOUT = QStringLiteral("passepartout");
const QString STR_KEEP_ASPECT_RATIO = QStringLiteral("keepAspectRatio");
const QString STR_RATIO = QStringLiteral("ratio");
const QString STR_X = QStringLiteral("x");
const QString STR_Y = QStringLiteral("y");
const QString STR_WIDTH = QStringLiteral("width");
const QString STR_HEIGHT = QStringLiteral("height");
const QString STR_USER_FOLDER = QStringLiteral("USER_%1_%2");
const QString STR_DESCRIPTION_FILE = QStringLiteral("%1.xml");

// The key account whose map pins must be configured.
constexpr qint32 PIN_KEY_ACCOUNT = 10422;

void addDouble(QDomElement& theElement, const QString& theName, double theValue)
{
    LMXMLBuilder::addAttribute(theElement, theName, theValue);
}
} // namespace

LMDecorationRegistry::LMDecorationRegistry() : LMXMLBasedRegistry(QStringLiteral("xml"), true)
{
    myDecorationsByKey.reserve(100000);
    LMJigRegistry::instance()->addRegistry(this);
}

LMDecorationRegistry::~LMDecorationRegistry()
{
    LMDecorationLookup::install(nullptr);
    LMJigRegistry::instance()->removeRegistry(this);
}

void LMDecorationRegistry::setupInstance()
{
    if (const QCoreApplication* anApp = QCoreApplication::instance(); anApp && thread() != anApp->thread())
        moveToThread(anApp->thread());
    LMDecorationLookup::install(this);
    init();
}

// ---- reading

void LMDecorationRegistry::init()
{
    // The files are read and their decorations made in parallel (the pictures are read and
    // checked too); they are registered in path order, so that the first of two equal ones wins.
    const QStringList aFiles = supervisedFiles();
    std::vector<ReadFile> aRead(size_t(aFiles.size()));
    for (qsizetype i = 0; i < aFiles.size(); ++i)
        aRead[size_t(i)].file = QFileInfo(aFiles.at(i));
    // The state (one look at the file) is taken on the reading threads too.
    LMConcurrent::blockingMap(aRead, [this](ReadFile& theFile) {
        theFile.changed = takeChangedState(theFile.file);
        if (theFile.changed)
            readFile(theFile);
    });
    size_t aNew = 0;
    for (const ReadFile& aFile : aRead)
        aNew += aFile.decorations.size();
    {
        // Room for all at once: the index grows once, not a dozen times.
        const std::unique_lock aLocker(myLock);
        myDecorationsByKey.reserve(myDecorationsByKey.size() + qsizetype(aNew));
        myDecorationList.reserve(myDecorationList.size() + qsizetype(aNew));
    }
    for (ReadFile& aFile : aRead) {
        if (aFile.changed)
            registerFile(aFile, false);
    }
    watchSupervisedDirectories();
}

bool LMDecorationRegistry::parseXML(const QFileInfo& theFile, bool theMarkDownloaded)
{
    ReadFile aFile;
    aFile.file = theFile;
    readFile(aFile);
    return registerFile(aFile, theMarkDownloaded);
}

void LMDecorationRegistry::readFile(ReadFile& theFile)
{
    const QDomElement aRoot = LMXMLLoader::loadDocumentElement(theFile.file);
    for (QDomElement anElement = aRoot.firstChildElement(STR_DECORATION); !anElement.isNull();
         anElement = anElement.nextSiblingElement(STR_DECORATION)) {
        std::unique_ptr<LMAbstractDecoration> aNew = createDecoration(anElement, theFile.file.absoluteDir());
        if (aNew)
            theFile.decorations.push_back(std::move(aNew));
        else
            qWarning().noquote().nospace() << "newDecoration==nullptr file=" << theFile.file.absoluteFilePath();
    }
}

bool LMDecorationRegistry::registerFile(ReadFile& theFile, bool theMarkDownloaded)
{
    QList<LMAbstractDecoration*> aCollected;
    for (std::unique_ptr<LMAbstractDecoration>& aNew : theFile.decorations)
        aCollected.append(registerDecoration(std::move(aNew)));
    if (aCollected.size() == 1)
        aCollected.first()->setExclusiveSourceFile(theFile.file);
    if (theMarkDownloaded) {
        QSet<LMJigKey> aKeys;
        for (const LMAbstractDecoration* aDecoration : std::as_const(aCollected))
            aKeys.insert(aDecoration->createKey());
        LMJigStatusRepository::instance()->markDownloaded(aKeys);
    }
    return !aCollected.isEmpty();
}

LMAbstractDecoration* LMDecorationRegistry::registerDecoration(std::unique_ptr<LMAbstractDecoration> theNew)
{
    // Looked up and added under one lock: two threads reading the same file add it once.
    const LMJigKey aKey = theNew->createKey();
    LMAbstractDecoration* aDecoration = nullptr;
    bool aDoublet = false;
    {
        const std::unique_lock aLocker(myLock);
        aDecoration = myDecorationsByKey.value(aKey, nullptr);
        if (aDecoration != nullptr) {
            aDoublet = aDecoration->isActive();
        } else {
            aDecoration = theNew.get();
            myDecorationList.append(aDecoration);
            myDecorationsByKey.insert(aKey, aDecoration);
            myOwnedDecorations.push_back(std::move(theNew));
        }
        myLastAddedJigKey = aKey;
    }
    if (aDoublet)
        qWarning().noquote().nospace() << "Dublette: " << aDecoration->uniqueName();
    return aDecoration;
}

std::unique_ptr<LMAbstractDecoration> LMDecorationRegistry::createDecoration(const QDomElement& theElement,
                                                                             const QDir& theDirectory)
{
    const LMJigType aType(theElement.attribute(STR_TYPE, STR_UNKNOWN));
    std::unique_ptr<LMAbstractDecoration> aDecoration;
    if (aType == LMJigTypeEnum::Clipart) {
        const QDomElement aContent = theElement.firstChildElement(STR_CLIPART);
        if (!aContent.isNull())
            aDecoration = std::make_unique<LMDecorationClipart>(aContent, theDirectory);
    } else if (aType == LMJigTypeEnum::Mask) {
        const QDomElement aContent = theElement.firstChildElement(STR_FADING);
        if (!aContent.isNull()) {
            if (aContent.firstChildElement(STR_CLIPART).isNull())
                aDecoration = std::make_unique<LMDecorationMask>(aContent, theDirectory);
            else
                aDecoration = std::make_unique<LMDecorationMaskFrame>(aContent, theDirectory);
        }
    }
    // A missing picture or an absurd ratio makes the element unusable, like an unknown type.
    if (aDecoration && !aDecoration->isUsable())
        aDecoration.reset();
    return aDecoration;
}

QList<QDir> LMDecorationRegistry::supervisedDirectories() const
{
    return LMDirectoryConfig::instance()->decorationDirectories();
}

// ---- lookups

bool LMDecorationRegistry::isInstalled(const LMDesignElementID& theId) const
{
    return decoration(theId) != nullptr;
}

bool LMDecorationRegistry::isActive(const LMDesignElementID& theId) const
{
    const LMAbstractDecoration* aDecoration = decoration(theId);
    return aDecoration != nullptr && aDecoration->isActive();
}

LMJig* LMDecorationRegistry::consumeLastAddedJig(const LMJigType& theJigType)
{
    LMAbstractDecoration* aDecoration = decoration(lastAddedDesignElementId());
    resetLastAddedDesignElementId();
    return aDecoration != nullptr && aDecoration->isJigType(theJigType) ? aDecoration : nullptr;
}

LMJig* LMDecorationRegistry::find(const LMJigKey& theKey) const
{
    const std::shared_lock aLocker(myLock);
    return myDecorationsByKey.value(theKey, nullptr);
}

QList<LMJigType> LMDecorationRegistry::supportedJigs() const
{
    return { LMJigTypeEnum::Clipart, LMJigTypeEnum::Mask };
}

LMAbstractDecorationList LMDecorationRegistry::decorations() const
{
    const std::shared_lock aLocker(myLock);
    return myDecorationList;
}

LMAbstractDecorationList LMDecorationRegistry::decorations(const LMJigType& theType) const
{
    return decorations().filter(theType);
}

LMAbstractDecorationList LMDecorationRegistry::cliparts() const
{
    return decorations(LMJigTypeEnum::Clipart);
}

LMAbstractDecorationList LMDecorationRegistry::passepartouts() const
{
    return decorations(LMJigTypeEnum::Mask);
}

LMDesignElementIDSet LMDecorationRegistry::collectAllDesignElementIds() const
{
    return decorations().collectAllDesignElementIds();
}

LMThematicCategorySet LMDecorationRegistry::categories() const
{
    const std::shared_lock aLocker(myLock);
    return myDecorationList.unitedCategories();
}

LMAbstractDecoration* LMDecorationRegistry::decoration(const LMDesignElementID& theId) const
{
    const std::shared_lock aLocker(myLock);
    for (LMAbstractDecoration* aDecoration : myDecorationList) {
        if (aDecoration->designElementID() == theId && !aDecoration->isUserElement())
            return aDecoration;
    }
    return nullptr;
}

LMDecorationClipart* LMDecorationRegistry::clipart(const LMDesignElementID& theId) const
{
    return qobject_cast<LMDecorationClipart*>(decoration(theId));
}

LMDecorationMask* LMDecorationRegistry::mask(const LMDesignElementID& theId) const
{
    return qobject_cast<LMDecorationMask*>(decoration(theId));
}

LMDecorationClipart* LMDecorationRegistry::findClipart(const LMJigKey& theKey) const
{
    return qobject_cast<LMDecorationClipart*>(find(theKey));
}

LMDecorationMask* LMDecorationRegistry::findMask(const LMJigKey& theKey) const
{
    return qobject_cast<LMDecorationMask*>(find(theKey));
}

LMDecorationClipart* LMDecorationRegistry::findClipart(const QString& theName) const
{
    return theName.isEmpty() ? nullptr : qobject_cast<LMDecorationClipart*>(cliparts().find(theName));
}

LMDecorationMask* LMDecorationRegistry::findMask(const QString& theName) const
{
    return theName.isEmpty() ? nullptr : qobject_cast<LMDecorationMask*>(passepartouts().find(theName));
}

LMDecorationClipart* LMDecorationRegistry::findClipart(const LMDesignElementID& theId,
                                                       const LMClipartConfiguration& theConfiguration) const
{
    const LMAbstractDecorationList aCliparts = cliparts();
    for (LMAbstractDecoration* aDecoration : aCliparts) {
        if (aDecoration->designElementID() == theId && aDecoration->configMatches(theConfiguration))
            return qobject_cast<LMDecorationClipart*>(aDecoration);
    }
    return nullptr;
}

LMAbstractDecorationList LMDecorationRegistry::findCliparts(const QMimeData* theMimeData) const
{
    const LMAbstractDecorationList aCliparts = cliparts();
    LMAbstractDecorationList aFound;
    const QStringList aNames = LMAbstractDecorationList::namesOf(theMimeData);
    for (const QString& aName : aNames) {
        if (LMAbstractDecoration* aDecoration = aCliparts.find(aName))
            aFound.append(aDecoration);
    }
    return aFound;
}

LMDecorationMask* LMDecorationRegistry::findMask(const QMimeData* theMimeData) const
{
    const LMAbstractDecorationList aMasks = passepartouts();
    const QStringList aNames = LMAbstractDecorationList::namesOf(theMimeData);
    for (const QString& aName : aNames) {
        if (LMAbstractDecoration* aDecoration = aMasks.find(aName))
            return qobject_cast<LMDecorationMask*>(aDecoration);
    }
    return nullptr;
}

LMAbstractDecoration* LMDecorationRegistry::findDecoration(const LMAbstractDecoration* theDecoration) const
{
    if (theDecoration == nullptr)
        return nullptr;
    const std::shared_lock aLocker(myLock);
    return myDecorationsByKey.value(theDecoration->createKey(), nullptr);
}

bool LMDecorationRegistry::isDoubletOfActiveDecoration(const LMAbstractDecoration* theDecoration) const
{
    const LMAbstractDecoration* aRegistered = findDecoration(theDecoration);
    return aRegistered != nullptr && aRegistered->isActive();
}

LMJigKey LMDecorationRegistry::lastAddedJigKey() const
{
    const std::shared_lock aLocker(myLock);
    return myLastAddedJigKey;
}

void LMDecorationRegistry::resetLastAddedDesignElementId()
{
    const std::unique_lock aLocker(myLock);
    myLastAddedJigKey = LMJigKey();
}

// ---- the seam of the lower floors

LMDesignElementID LMDecorationRegistry::findClipartByUniqueName(const QString& theUniqueName) const
{
    const LMDecorationClipart* aClipart = findClipart(theUniqueName);
    return aClipart != nullptr ? aClipart->designElementID() : LMDesignElementID();
}

bool LMDecorationRegistry::containsMask(const LMDesignElementID& theId) const
{
    return mask(theId) != nullptr;
}

LMJig* LMDecorationRegistry::decorationJig(const LMDesignElementID& theId) const
{
    return decoration(theId);
}

// ---- user decorations

int LMDecorationRegistry::generateUserElementId()
{
    const QDateTime aStart(QDate(2000, 1, 1), QTime(0, 0), QTimeZone::systemTimeZone());
    return int(std::abs(aStart.secsTo(QDateTime::currentDateTime())));
}

QString LMDecorationRegistry::findClipartsDir() const
{
    const QString aDirectory = LMDirectoryConfig::instance()->userDecorationsDirectory();
    if (!QDir().mkpath(aDirectory))
        return QString();
    return aDirectory;
}

QString LMDecorationRegistry::copyFile(const QFileInfo& theSource, const QString& theDirectory)
{
    const QString aName = LMFileEncoder::encodedFilenameCLP(theSource.absoluteFilePath());
    const QString aTarget = QDir(theDirectory).filePath(aName);
    QFile::remove(aTarget);
    if (!QFile::copy(theSource.absoluteFilePath(), aTarget))
        return QString();
    return QFileInfo(aTarget).completeBaseName();
}

QDomElement LMDecorationRegistry::buildXML(QDomDocument* theDocument, const QString& theType,
                                           const LMThematicCategorySet& theCategories)
{
    QDomElement aRoot = LMXMLBuilder::buildRootElement(*theDocument, STR_DECORATIONS);
    QDomElement aDecoration = LMXMLBuilder::buildDomElement(aRoot, STR_DECORATION);
    LMXMLBuilder::addAttribute(aDecoration, STR_TYPE, theType);
    QDomElement aCategories = LMXMLBuilder::buildDomElement(aDecoration, STR_CATEGORIES);
    const QList<LMThematicCategory> aSorted = theCategories.sorted();
    for (const LMThematicCategory& aCategory : aSorted) {
        QDomElement anElement = LMXMLBuilder::buildDomElement(aCategories, STR_CATEGORY);
        anElement.appendChild(theDocument->createTextNode(aCategory.internalName()));
    }
    return aDecoration;
}

LMJigKey
LMDecorationRegistry::saveUserDecoration(const LMDesignElementID& theSourceId, const QList<QFileInfo>& theSvgFiles,
                                         const std::function<void(QDomDocument*, const QStringList&, int)>& theBuild)
{
    const QString aBase = findClipartsDir();
    if (aBase.isEmpty())
        return LMJigKey();
    const QDir aBaseDir(aBase);
    // Two saves within one second would share the user id (and so the key): a later one takes the
    // next id not handed out in this process and not used by a folder.
    static std::atomic<int> ourLastUserId { 0 };
    int aUserId = generateUserElementId();
    int aLast = ourLastUserId.load();
    do {
        aUserId = std::max(aUserId, aLast + 1);
    } while (!ourLastUserId.compare_exchange_weak(aLast, aUserId));
    while (aBaseDir.exists(STR_USER_FOLDER.arg(theSourceId.id()).arg(aUserId)))
        ++aUserId;
    const QString aFolderName = STR_USER_FOLDER.arg(theSourceId.id()).arg(aUserId);
    // Written into a hidden folder first and renamed when complete: the watcher and the next start
    // never see half a decoration.
    const QString aStaging = aBaseDir.filePath(QLatin1Char('.') + aFolderName + QStringLiteral(".partial"));
    QDir(aStaging).removeRecursively();
    if (!QDir().mkpath(aStaging))
        return LMJigKey();
    const auto aFail = [&aStaging]() {
        QDir(aStaging).removeRecursively();
        return LMJigKey();
    };
    QStringList aCopies;
    for (const QFileInfo& aFile : theSvgFiles) {
        const QString aCopy = copyFile(aFile, aStaging);
        if (aCopy.isEmpty())
            return aFail();
        aCopies.append(aCopy + QStringLiteral(".svg"));
    }
    QDomDocument aDocument;
    theBuild(&aDocument, aCopies, aUserId);
    const QString aFileName = STR_DESCRIPTION_FILE.arg(theSourceId.id());
    if (!LMXMLBuilder::saveUTF8(aDocument, QFileInfo(QDir(aStaging).filePath(aFileName))))
        return aFail();
    const QString aFinal = aBaseDir.filePath(aFolderName);
    if (!QDir().rename(aStaging, aFinal))
        return aFail();
    resetLastAddedDesignElementId();
    notifyAll(QDir(aFinal).filePath(aFileName));
    return lastAddedJigKey();
}

LMJigKey LMDecorationRegistry::saveClipartTemplate(LMDecorationClipart* theClipart,
                                                   const LMClipartConfiguration& theConfiguration)
{
    if (theClipart == nullptr || !theClipart->svgComposition().isValid())
        return LMJigKey();
    LMThematicCategorySet aCategories = theClipart->categories();
    aCategories.insert(LMThematicCategory::userCliparts());
    const LMDesignElementID anId = theClipart->designElementID();
    return saveUserDecoration(anId, { QFileInfo(theClipart->svgComposition().fileName()) },
                              [&](QDomDocument* theDocument, const QStringList& theFiles, int theUserId) {
                                  QDomElement aDecoration = buildXML(theDocument, STR_CLIPART, aCategories);
                                  QDomElement aClipart = LMXMLBuilder::buildDomElement(aDecoration, STR_CLIPART);
                                  LMXMLBuilder::addAttribute(aClipart, STR_FILE, theFiles.first());
                                  anId.toXML(aClipart);
                                  LMXMLBuilder::addAttribute(aClipart, STR_USER_ELEMENT_ID, theUserId);
                                  LMXMLBuilder::addAttribute(aClipart, STR_DESIGN_ELEMENT_TYPE, STR_CLIPART);
                                  theConfiguration.buildXML(aClipart);
                              });
}

LMJigKey LMDecorationRegistry::saveMaskTemplate(const LMConfiguredDecoration& theMask,
                                                const LMClipartConfiguration& theConfiguration)
{
    if (LMDecorationMaskFrame* aFrame = theMask.frameMask())
        return saveMaskFrameTemplate(aFrame, theConfiguration);
    const LMDecorationMask* aMask = theMask.mask();
    if (aMask == nullptr || !aMask->svgComposition().isValid())
        return LMJigKey();
    LMThematicCategorySet aCategories = aMask->categories();
    aCategories.insert(LMThematicCategory::userMask());
    const LMDesignElementID anId = aMask->designElementID();
    return saveUserDecoration(anId, { QFileInfo(aMask->svgComposition().fileName()) },
                              [&](QDomDocument* theDocument, const QStringList& theFiles, int theUserId) {
                                  QDomElement aDecoration = buildXML(theDocument, STR_FADING, aCategories);
                                  QDomElement aFading = LMXMLBuilder::buildDomElement(aDecoration, STR_FADING);
                                  LMXMLBuilder::addAttribute(aFading, STR_FILE, theFiles.first());
                                  LMXMLBuilder::addAttribute(aFading, STR_DESIGN_ELEMENT_TYPE, STR_PASSEPARTOUT);
                                  anId.toXML(aFading);
                                  LMXMLBuilder::addAttribute(aFading, STR_USER_ELEMENT_ID, theUserId);
                                  LMXMLBuilder::addAttribute(aFading, STR_KEEP_ASPECT_RATIO,
                                                             aMask->adjustAreaSizeOnDragAndDrop() ? "1" : "0");
                                  addDouble(aFading, STR_RATIO, aMask->widthHeightRatio());
                                  theConfiguration.buildXML(aFading);
                              });
}

LMJigKey LMDecorationRegistry::saveMaskFrameTemplate(LMDecorationMaskFrame* theFrame,
                                                     const LMClipartConfiguration& theConfiguration)
{
    if (theFrame == nullptr || !theFrame->svgComposition().isValid())
        return LMJigKey();
    const LMDecorationClipart* aClipart = theFrame->decorationClipart();
    LMThematicCategorySet aCategories = theFrame->categories();
    aCategories.insert(LMThematicCategory::userMaskFrames());
    const LMDesignElementID anId = theFrame->designElementID();
    return saveUserDecoration(
        anId, { QFileInfo(theFrame->svgComposition().fileName()), QFileInfo(aClipart->svgComposition().fileName()) },
        [&](QDomDocument* theDocument, const QStringList& theFiles, int theUserId) {
            QDomElement aDecoration = buildXML(theDocument, STR_FADING, aCategories);
            anId.toXML(aDecoration);
            LMXMLBuilder::addAttribute(aDecoration, STR_USER_ELEMENT_ID, theUserId);
            QDomElement aFading = LMXMLBuilder::buildDomElement(aDecoration, STR_FADING);
            LMXMLBuilder::addAttribute(aFading, STR_FILE, theFiles.at(0));
            LMXMLBuilder::addAttribute(aFading, STR_DESIGN_ELEMENT_TYPE, STR_PASSEPARTOUT);
            LMXMLBuilder::addAttribute(aFading, STR_KEEP_ASPECT_RATIO,
                                       theFrame->adjustAreaSizeOnDragAndDrop() ? "1" : "0");
            addDouble(aFading, STR_RATIO, theFrame->widthHeightRatio());
            QDomElement aClipartElement = LMXMLBuilder::buildDomElement(aFading, STR_CLIPART);
            LMXMLBuilder::addAttribute(aClipartElement, STR_FILE, theFiles.at(1));
            LMXMLBuilder::addAttribute(aClipartElement, STR_DESIGN_ELEMENT_TYPE, STR_CLIPART);
            addDouble(aClipartElement, STR_RATIO, aClipart->widthHeightRatio());
            QDomElement aFotoArea = LMXMLBuilder::buildDomElement(aFading, STR_FOTOAREA);
            const QRectF aRect = theFrame->relativeFotoRect();
            addDouble(aFotoArea, STR_X, aRect.x());
            addDouble(aFotoArea, STR_Y, aRect.y());
            addDouble(aFotoArea, STR_WIDTH, aRect.width());
            addDouble(aFotoArea, STR_HEIGHT, aRect.height());
            theConfiguration.buildXML(aFading);
        });
}

void LMDecorationRegistry::notifyAll(const QString& thePath)
{
    LMDirectoryConfig::instance()->invalidateDecorationDirectoryCache();
    LMFileSystemWatcher::instance()->notifyThatThisFilesHavechanged({ thePath });
    // Read here as well: the caller wants the decoration now, and the watcher's report may come
    // later (it is queued when this runs off the application's thread). A file read once in this
    // state is not read again.
    readChangedFiles({ thePath });
}

// ---- map pins

LMDecorationClipart* LMDecorationRegistry::defaultMapPinClipart() const
{
    const QStringList aNames = LMOsmMapStyleRegistry::instance()->pinClipartNames();
    for (const QString& aName : aNames) {
        if (LMDecorationClipart* aClipart = findClipart(aName)) {
            qDebug().noquote().nospace() << "Pin Clipart ok: " << aName;
            return aClipart;
        }
        qDebug().noquote().nospace() << "Pin Clipart not found: " << aName;
    }
    // Only logged: the editor goes on without a default pin.
    if (LMKeyAccount::instance()->keyAccountId().id() == PIN_KEY_ACCOUNT)
        qCritical().noquote().nospace()
            << "Bitte definieren sie ein existierendes Clipart in osm_config-zip/osm_config.xml";
    return nullptr;
}

LMDecorationMask* LMDecorationRegistry::defaultPinDecorationMask() const
{
    const QStringList aNames = LMOsmMapStyleRegistry::instance()->pinDecorationFrameNames();
    for (const QString& aName : aNames) {
        if (LMDecorationMask* aMask = findMask(aName)) {
            qDebug().noquote().nospace() << "Pin Mask ok: " << aName;
            return aMask;
        }
        qDebug().noquote().nospace() << "Pin Mask not found: " << aName;
    }
    if (LMKeyAccount::instance()->keyAccountId().id() == PIN_KEY_ACCOUNT)
        qCritical().noquote().nospace()
            << "Bitte definieren sie eine existierende Maske in osm_config-zip/osm_config.xml";
    return nullptr;
}
