#include "LMDesignElementMetaData.h"

#include "LMArticlesGroup.h"
#include "LMDirectoryConfig.h"
#include "LMFolderListing.h"
#include "LMJsonParser.h"
#include "LMSharedEmpty.h"
#include "LMTemplatesLogging.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSaveFile>

#include <algorithm>
#include <mutex>

namespace {
const QString STR_VISIBLE = QStringLiteral("visible");
const QString STR_NAME = QStringLiteral("name");
const QString STR_PAGES_NAME = QStringLiteral("pagesName");
const QString STR_COVER_NAME = QStringLiteral("coverName");
const QString STR_SCORE = QStringLiteral("score");
const QString STR_CUSTOM_SCORE = QStringLiteral("customScore");
const QString STR_PUBLISHED_AT = QStringLiteral("publishedAt");
const QString STR_LAST_CHANGED = QStringLiteral("lastChanged");
const QString STR_EXPIRATION_DATE = QStringLiteral("expirationDate");
const QString STR_PRODUCTION_ID = QStringLiteral("productionId");
const QString STR_ELEMENT_TYPE = QStringLiteral("elementType");
const QString STR_TAGS = QStringLiteral("tags");
const QString STR_ARTICLES = QStringLiteral("articles");
const QString STR_OTXT_TOKEN = QStringLiteral("otxtToken");
const QString STR_RGB_COLOR = QStringLiteral("rgbColor");

const QString STR_STYLE_PREVIEW_COUNT = QStringLiteral("STYLE_PREVIEW_COUNT");
const QString STR_SUPPORTED_ORIENTATION = QStringLiteral("SUPPORTED_ORIENTATION");
const QString STR_FEATURE = QStringLiteral("FEATURE");
const QString STR_REQUIRED_FEATURE = QStringLiteral("REQUIRED_FEATURE");
const QString STR_CATEGORY = QStringLiteral("CATEGORY");
const QString STR_FORM_PARAMETER = QStringLiteral("FORM_PARAMETER");
const QString STR_PRICE_CLASS = QStringLiteral("PRICE_CLASS");
const QString STR_SVG_PRICE_CLASS = QStringLiteral("SVG_PRICE_CLASS");
const QString STR_PRICE_CLASS_COVER = QStringLiteral("PRICE_CLASS_COVER");
const QString STR_PRICE_CLASS_INNER_PAGES = QStringLiteral("PRICE_CLASS_INNER_PAGES");
const QString STR_DEFAULT_ROTATION = QStringLiteral("DEFAULT_ROTATION");

const QString STR_PREVIEW_COUNT_PREFIX = QStringLiteral("style_preview_count-%1-");
const QString STR_COVER_PREVIEW_COUNT_PREFIX = QStringLiteral("style_cover_preview_count-%1-");
const QString STR_SUPPORTED_ORIENTATION_PREFIX = QStringLiteral("supported_orientation-");
const QString STR_REFINEMENT_PREFIX = QStringLiteral("feature-refinement-");
const QString STR_DEFAULT_ROTATION_PREFIX = QStringLiteral("default_rotation-");
const QString STR_JSON_SUFFIX = QStringLiteral(".json");

// The records read from sidecar files, shared by every template that reads the same file: a
// folder's sidecar is asked for by every page of a design, and a large one must be held once.
// An entry is used while the file keeps its size and time of change; the cache forgets all when
// it holds MAXIMUM_ENTRIES files, so records of files no longer loaded do not stay for ever.
class LMSidecarCache
{
public:
    static constexpr qsizetype MAXIMUM_ENTRIES = 512;

    bool find(const QFileInfo& theFile, LMDesignElementMetaData& theRecord)
    {
        const std::lock_guard aLock(myMutex);
        const auto aFound = myEntries.constFind(theFile.absoluteFilePath());
        if (aFound == myEntries.cend() || aFound->size != theFile.size()
            || aFound->lastModified != theFile.lastModified())
            return false;
        theRecord = aFound->record;
        return true;
    }

    void insert(const QFileInfo& theFile, const LMDesignElementMetaData& theRecord)
    {
        const std::lock_guard aLock(myMutex);
        if (myEntries.size() >= MAXIMUM_ENTRIES)
            myEntries.clear();
        myEntries.insert(theFile.absoluteFilePath(), Entry { theFile.size(), theFile.lastModified(), theRecord });
    }

private:
    struct Entry
    {
        qint64 size = -1;
        QDateTime lastModified;
        LMDesignElementMetaData record;
    };
    std::mutex myMutex;
    QHash<QString, Entry> myEntries;
};

LMSidecarCache& sidecarCache()
{
    static LMSidecarCache ourCache;
    return ourCache;
}
} // namespace

class LMDesignElementMetaDataImpl : public QSharedData
{
public:
    QJsonObject mySource;
    LMDesignElementID myDesignElementId;
    bool myVisible = false;
    QString myName;
    QString myPagesName;
    QString myCoverName;
    QList<LMSpotColor> mySpotColors;
    int myScore = 0;
    int myCustomScore = 0;
    QDateTime myPublished;
    QDateTime myLastChanged;
    QDateTime myExpirationDate;
    QString myProductionId;
    LMDlpType myDlpType;
    QMap<LMOrientation, int> myPreviewCount;
    QMap<LMOrientation, int> myPreviewCountCover;
    QSet<LMOrientation> mySupportedOrientations;
    LMThematicCategorySet myCategories;
    LMTemplateContextGroup myTemplateConstraints;
    LMDlpFeatureTag myFeatures;
    LMDlpFeatureTag myRequiredFeatures;
    LMArticleVariants myVariants;
    LMPriceClassSet myPriceClasses;
    LMPriceClassSet myPriceClassesCover;
    LMPriceClassSet myPriceClassesInnerPages;
    QSet<int> myDefaultRotations;
    QColor myRgbColor;

    void read(const QJsonObject& theObject);
    void readPreviewCounts(const QJsonArray& theEntries);
    void readSupportedOrientations(const QJsonArray& theEntries);
    void readFeatures(const QJsonArray& theEntries);
    void readCategories(const QJsonObject& theTags);
    void readDefaultRotations(const QJsonArray& theEntries);
};

namespace {

// A date in milliseconds since the epoch; null, absent, zero or not a whole number leave it invalid.
QDateTime readDate(const QJsonObject& theObject, const QString& theKey)
{
    const QJsonValue aValue = theObject.value(theKey);
    if (aValue.isUndefined() || aValue.isNull())
        return QDateTime();
    const qint64 aMilliseconds = aValue.toInteger();
    return aMilliseconds != 0 ? QDateTime::fromMSecsSinceEpoch(aMilliseconds, Qt::UTC) : QDateTime();
}

// Only the first entry of a price-class list counts.
LMPriceClassSet readPriceClasses(const QJsonArray& theEntries)
{
    LMPriceClassSet aSet;
    if (theEntries.isEmpty())
        return aSet;
    const LMPriceClass aClass = LMPriceClass::create(LMPriceClass::create(theEntries.first().toString()).toString());
    if (aClass.isValid())
        aSet.insert(aClass);
    return aSet;
}

// Angles in 0..359: r mod 360, and for negative r 360 - (|r| mod 360), 0 where that is 360.
int normalizedAngle(int theDegrees)
{
    if (theDegrees >= 0)
        return theDegrees % 360;
    const int aRest = int((-qint64(theDegrees)) % 360);
    return aRest == 0 ? 0 : 360 - aRest;
}

// Appends the strings the array does not hold yet; never removes an entry. The array is stored
// only when it is not empty.
void appendMissing(QJsonObject& theTags, const QString& theKey, const QStringList& theStrings)
{
    const QJsonValue anExisting = theTags.value(theKey);
    QJsonArray anArray = anExisting.toArray();
    const qsizetype aSizeBefore = anArray.size();
    for (const QString& aString : theStrings) {
        if (!anArray.contains(QJsonValue(aString)))
            anArray.append(aString);
    }
    // A value of another type than a list is only replaced when there is something to write.
    if (!anArray.isEmpty() && (anArray.size() != aSizeBefore || !anExisting.isArray()))
        theTags.insert(theKey, anArray);
}

QStringList priceClassTexts(const LMPriceClassSet& theClasses)
{
    return theClasses.toStringList();
}

} // namespace

void LMDesignElementMetaDataImpl::read(const QJsonObject& theObject)
{
    mySource = theObject;
    myDesignElementId = LMDesignElementID::fromJson(theObject);
    myVisible = theObject.value(STR_VISIBLE).toBool(false);
    myName = theObject.value(STR_NAME).toString();
    myPagesName = theObject.value(STR_PAGES_NAME).toString();
    myCoverName = theObject.value(STR_COVER_NAME).toString();
    myScore = theObject.value(STR_SCORE).toInt(0);
    myCustomScore = theObject.value(STR_CUSTOM_SCORE).toInt(0);
    myPublished = readDate(theObject, STR_PUBLISHED_AT);
    myLastChanged = readDate(theObject, STR_LAST_CHANGED);
    myExpirationDate = readDate(theObject, STR_EXPIRATION_DATE);
    myProductionId = theObject.value(STR_PRODUCTION_ID).toString();
    myDlpType = LMDlpType(theObject.value(STR_ELEMENT_TYPE).toString());

    const QJsonValue aTagsValue = theObject.value(STR_TAGS);
    if (aTagsValue.isObject()) {
        const QJsonObject aTags = aTagsValue.toObject();
        readPreviewCounts(aTags.value(STR_STYLE_PREVIEW_COUNT).toArray());
        readSupportedOrientations(aTags.value(STR_SUPPORTED_ORIENTATION).toArray());
        readFeatures(aTags.value(STR_FEATURE).toArray());
        for (const QJsonValue& anEntry : aTags.value(STR_REQUIRED_FEATURE).toArray())
            myRequiredFeatures |= LMDlpFeatureTag(anEntry.toString());
        readCategories(aTags);
        myVariants = LMArticleVariants::fromJsonArray(aTags.value(STR_FORM_PARAMETER).toArray());
        myPriceClasses = readPriceClasses(aTags.value(STR_PRICE_CLASS).toArray());
        if (myPriceClasses.isEmpty())
            myPriceClasses = readPriceClasses(aTags.value(STR_SVG_PRICE_CLASS).toArray());
        myPriceClassesCover = readPriceClasses(aTags.value(STR_PRICE_CLASS_COVER).toArray());
        myPriceClassesInnerPages = readPriceClasses(aTags.value(STR_PRICE_CLASS_INNER_PAGES).toArray());
        readDefaultRotations(aTags.value(STR_DEFAULT_ROTATION).toArray());
    }

    const QJsonValue anArticles = theObject.value(STR_ARTICLES);
    if (anArticles.isArray()) {
        LMArticlesGroup aGroup;
        for (const QJsonValue& anEntry : anArticles.toArray()) {
            const QString aNames = anEntry.toObject().value(STR_OTXT_TOKEN).toString();
            aGroup.addArticles(LMArticleList::buildFromCSVOrderTxtNames(aNames));
        }
        myTemplateConstraints.setArticleGroup(aGroup);
    }

    const QString aColor = theObject.value(STR_RGB_COLOR).toString();
    if (!aColor.isEmpty())
        myRgbColor = QColor::fromString(QLatin1Char('#') + aColor);
}

void LMDesignElementMetaDataImpl::readPreviewCounts(const QJsonArray& theEntries)
{
    for (const LMOrientationEnum anEnum :
         { LMOrientationEnum::Landscape, LMOrientationEnum::Portrait, LMOrientationEnum::Square }) {
        const LMOrientation anOrientation(anEnum);
        const QString aPrefix = STR_PREVIEW_COUNT_PREFIX.arg(anOrientation.toString());
        const QString aCoverPrefix = STR_COVER_PREVIEW_COUNT_PREFIX.arg(anOrientation.toString());
        for (const QJsonValue& anEntry : theEntries) {
            const QString aText = anEntry.toString();
            QMap<LMOrientation, int>* aCounts = nullptr;
            qsizetype aPrefixSize = 0;
            if (aText.startsWith(aPrefix)) {
                aCounts = &myPreviewCount;
                aPrefixSize = aPrefix.size();
            } else if (aText.startsWith(aCoverPrefix)) {
                aCounts = &myPreviewCountCover;
                aPrefixSize = aCoverPrefix.size();
            } else {
                continue;
            }
            bool anOk = false;
            const int aCount = aText.mid(aPrefixSize).toInt(&anOk);
            if (anOk)
                aCounts->insert(anOrientation, aCount);
        }
    }
}

void LMDesignElementMetaDataImpl::readSupportedOrientations(const QJsonArray& theEntries)
{
    for (const QJsonValue& anEntry : theEntries) {
        const QString aText = anEntry.toString();
        if (!aText.startsWith(STR_SUPPORTED_ORIENTATION_PREFIX))
            continue;
        const LMOrientation anOrientation(aText.mid(STR_SUPPORTED_ORIENTATION_PREFIX.size()));
        if (anOrientation.isValid())
            mySupportedOrientations.insert(anOrientation);
    }
}

void LMDesignElementMetaDataImpl::readFeatures(const QJsonArray& theEntries)
{
    for (const QJsonValue& anEntry : theEntries) {
        const QString aText = anEntry.toString();
        myFeatures |= LMDlpFeatureTag(aText);
        if (aText.startsWith(STR_REFINEMENT_PREFIX)) {
            const LMSpotColor aSpotColor(aText.mid(STR_REFINEMENT_PREFIX.size()));
            if (aSpotColor.isValid())
                mySpotColors.append(aSpotColor);
        }
    }
    // Only cliparts keep their exact refinement; other designs can be made with any foil.
    if (!(myDlpType.value() & qint32(LMDlpTypeEnum::Clipart)))
        mySpotColors = LMSpotColor::expandToConvertibles(mySpotColors);
}

void LMDesignElementMetaDataImpl::readCategories(const QJsonObject& theTags)
{
    for (const QJsonValue& anEntry : theTags.value(STR_CATEGORY).toArray()) {
        const QString aName = anEntry.toString();
        if (!aName.isEmpty())
            myCategories.insert(LMThematicCategory(aName));
    }
    if (mySpotColors.isEmpty())
        readFeatures(theTags.value(STR_FEATURE).toArray());
    for (const LMSpotColor& aSpotColor : std::as_const(mySpotColors)) {
        const LMThematicCategory aCategory = LMThematicCategory::fromSpotColor(aSpotColor);
        if (!aCategory.isEmpty())
            myCategories.insert(aCategory);
    }
}

void LMDesignElementMetaDataImpl::readDefaultRotations(const QJsonArray& theEntries)
{
    for (const QJsonValue& anEntry : theEntries) {
        // The prefix is dropped by its length without looking at it.
        bool anOk = false;
        const int aDegrees = anEntry.toString().mid(STR_DEFAULT_ROTATION_PREFIX.size()).toInt(&anOk);
        if (anOk)
            myDefaultRotations.insert(normalizedAngle(aDegrees));
    }
}

LMDesignElementMetaData::LMDesignElementMetaData() : myImpl(lmSharedEmpty<LMDesignElementMetaDataImpl>()) { }

LMDesignElementMetaData::LMDesignElementMetaData(const QJsonObject& theObject) : myImpl(new LMDesignElementMetaDataImpl)
{
    myImpl->read(theObject);
}

LMDesignElementMetaData::LMDesignElementMetaData(const LMDesignElementMetaData& theOther) = default;
LMDesignElementMetaData::LMDesignElementMetaData(LMDesignElementMetaData&& theOther) noexcept = default;
LMDesignElementMetaData& LMDesignElementMetaData::operator=(const LMDesignElementMetaData& theOther) = default;
LMDesignElementMetaData::~LMDesignElementMetaData() = default;

LMDesignElementMetaData LMDesignElementMetaData::createFromJsonFile(const QFileInfo& theFile)
{
    // Most elements have no sidecar; one that is there but no regular file is said by the parser.
    if (!theFile.exists())
        return LMDesignElementMetaData();
    // A fresh look at size and time: the caller's QFileInfo may have cached them long ago.
    const QFileInfo aFile(theFile.absoluteFilePath());
    LMDesignElementMetaData aRecord;
    if (sidecarCache().find(aFile, aRecord))
        return aRecord;
    const QJsonDocument aDocument = LMJsonParser::loadDocument(aFile);
    if (aDocument.isNull())
        return LMDesignElementMetaData();
    if (!aDocument.isObject()) {
        qCWarning(lcMetadata).noquote()
            << QStringLiteral("design element metadata %1 is not a JSON object").arg(aFile.absoluteFilePath());
        return LMDesignElementMetaData();
    }
    aRecord = LMDesignElementMetaData(aDocument.object());
    sidecarCache().insert(aFile, aRecord);
    return aRecord;
}

QFileInfo LMDesignElementMetaData::createFileInfo(const QDir& theDir, const LMDesignElementID& theId)
{
    return QFileInfo(theDir, QStringLiteral("%1.json").arg(theId.id()));
}

LMDesignElementMetaData LMDesignElementMetaData::createFromDesignElementId(const QDir& theDir,
                                                                           const LMDesignElementID& theId)
{
    const QFileInfo aFile = createFileInfo(theDir, theId);
    if (aFile.exists())
        return createFromJsonFile(aFile);
    // The parent by its path (QFileInfo::path() does not look at the file system): asking whether
    // it is there costs one more look for every element, and the lookup below answers that anyway.
    const QString aFolder = theDir.absolutePath();
    const QString aParent = QFileInfo(aFolder).path();
    if (aParent != aFolder) {
        const QFileInfo aParentFile = createFileInfo(QDir(aParent), theId);
        if (aParentFile.exists())
            return createFromJsonFile(aParentFile);
    }
    return LMDesignElementMetaData();
}

namespace {
// The record of the folder's listing (its ".json" files) or, failing that, of the folders above it.
LMDesignElementMetaData searchFrom(const QString& theDirPath, const QStringList& theListing, bool theAcceptAnyDirectory)
{
    QDir aDir(theDirPath);
    for (const QString& aName : theListing) {
        const QFileInfo anEntry(aDir, aName);
        const QString aBaseName = anEntry.completeBaseName();
        bool aNumber = false;
        const LMDesignElementID aCandidate(aBaseName.toInt(&aNumber));
        // A file whose name is no id can never match: it is not read.
        if (!aNumber || !aCandidate.isValid())
            continue;
        if (!theAcceptAnyDirectory && !theDirPath.contains(aBaseName))
            continue;
        const LMDesignElementMetaData aRecord = LMDesignElementMetaData::createFromFile(anEntry);
        if (aRecord.designElementId() == aCandidate)
            return aRecord;
    }
    if (aDir.cdUp() && LMDirectoryConfig::instance()->isInsideContentTree(aDir.absolutePath()))
        return LMDesignElementMetaData::findDesignElementMetaData(aDir, false);
    return LMDesignElementMetaData();
}
} // namespace

LMDesignElementMetaData LMDesignElementMetaData::createFromFile(const QFileInfo& theFile)
{
    // The folder's listing (kept while the folder is unchanged) tells whether the file has a
    // sidecar of its own, and serves the search when it has none: no look at the disk per file.
    const QString aFolder = theFile.absolutePath();
    const QStringList aListing = LMFolderListing::filesWithSuffix(aFolder, STR_JSON_SUFFIX);
    const QString aSidecar = theFile.completeBaseName() + STR_JSON_SUFFIX;
    if (aListing.contains(aSidecar))
        return createFromJsonFile(QFileInfo(QDir(aFolder), aSidecar));
    return searchFrom(aFolder, aListing, true);
}

LMDesignElementMetaData LMDesignElementMetaData::findDesignElementMetaData(const QDir& theDir,
                                                                           bool theAcceptAnyDirectory)
{
    const QString aDirPath = QDir(theDir.absolutePath()).absolutePath();
    // Every template file of a folder asks for the folder's sidecars: the listing is kept.
    return searchFrom(aDirPath, LMFolderListing::filesWithSuffix(aDirPath, STR_JSON_SUFFIX), theAcceptAnyDirectory);
}

bool LMDesignElementMetaData::save(const QFileInfo& theFile) const
{
    QSaveFile aFile(theFile.absoluteFilePath());
    if (!aFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray aContent = QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
    // QSaveFile does not notice a write that fails only when its buffer is flushed by commit() (a
    // full disk writes part of it): flush first; an uncommitted file is thrown away.
    if (aFile.write(aContent) != aContent.size() || !aFile.flush())
        return false;
    return aFile.commit();
}

QJsonObject LMDesignElementMetaData::toJson() const
{
    const LMDesignElementMetaDataImpl& aData = *myImpl;
    QJsonObject anObject = aData.mySource;
    aData.myDesignElementId.toJSON(anObject);
    anObject.insert(STR_VISIBLE, aData.myVisible);
    if (!aData.myName.isEmpty())
        anObject.insert(STR_NAME, aData.myName);
    if (!aData.myCoverName.isEmpty())
        anObject.insert(STR_COVER_NAME, aData.myCoverName);
    if (!aData.myPagesName.isEmpty())
        anObject.insert(STR_PAGES_NAME, aData.myPagesName);
    if (aData.myScore != -1)
        anObject.insert(STR_SCORE, aData.myScore);
    if (aData.myCustomScore != -1)
        anObject.insert(STR_CUSTOM_SCORE, aData.myCustomScore);
    anObject.insert(STR_ELEMENT_TYPE, aData.myDlpType.toString());
    anObject.insert(STR_PRODUCTION_ID, aData.myProductionId);
    if (aData.myPublished.isValid())
        anObject.insert(STR_PUBLISHED_AT, aData.myPublished.toMSecsSinceEpoch());
    if (aData.myLastChanged.isValid())
        anObject.insert(STR_LAST_CHANGED, aData.myLastChanged.toMSecsSinceEpoch());
    if (aData.myExpirationDate.isValid())
        anObject.insert(STR_EXPIRATION_DATE, aData.myExpirationDate.toMSecsSinceEpoch());

    const QJsonValue aSourceTags = anObject.value(STR_TAGS);
    QJsonObject aTags = aSourceTags.toObject();

    QStringList aPreviewCounts;
    for (auto anIt = aData.myPreviewCount.cbegin(); anIt != aData.myPreviewCount.cend(); ++anIt)
        aPreviewCounts.append(STR_PREVIEW_COUNT_PREFIX.arg(anIt.key().toString()) + QString::number(anIt.value()));
    appendMissing(aTags, STR_STYLE_PREVIEW_COUNT, aPreviewCounts);

    QList<LMOrientation> anOrientations(aData.mySupportedOrientations.cbegin(), aData.mySupportedOrientations.cend());
    std::sort(anOrientations.begin(), anOrientations.end());
    QStringList anOrientationTexts;
    for (const LMOrientation& anOrientation : std::as_const(anOrientations))
        anOrientationTexts.append(STR_SUPPORTED_ORIENTATION_PREFIX + anOrientation.toString());
    appendMissing(aTags, STR_SUPPORTED_ORIENTATION, anOrientationTexts);

    QList<int> aRotations(aData.myDefaultRotations.cbegin(), aData.myDefaultRotations.cend());
    std::sort(aRotations.begin(), aRotations.end());
    QStringList aRotationTexts;
    for (const int aRotation : std::as_const(aRotations))
        aRotationTexts.append(STR_DEFAULT_ROTATION_PREFIX + QString::number(aRotation));
    appendMissing(aTags, STR_DEFAULT_ROTATION, aRotationTexts);

    appendMissing(aTags, STR_FEATURE, aData.myFeatures.names());

    QStringList aCategoryNames;
    for (const LMThematicCategory& aCategory : aData.myCategories.sorted()) {
        if (!aCategory.isSpotColorCategory())
            aCategoryNames.append(aCategory.internalName());
    }
    appendMissing(aTags, STR_CATEGORY, aCategoryNames);

    appendMissing(aTags, STR_PRICE_CLASS, priceClassTexts(aData.myPriceClasses));
    appendMissing(aTags, STR_PRICE_CLASS_COVER, priceClassTexts(aData.myPriceClassesCover));
    appendMissing(aTags, STR_PRICE_CLASS_INNER_PAGES, priceClassTexts(aData.myPriceClassesInnerPages));

    // A record without tags gets none; a "tags" value that is no object is kept unless there is
    // something to write.
    if (!aTags.isEmpty() || aSourceTags.isObject())
        anObject.insert(STR_TAGS, aTags);
    return anObject;
}

QJsonObject LMDesignElementMetaData::sourceObject() const
{
    return myImpl->mySource;
}

bool LMDesignElementMetaData::isValid() const
{
    return myImpl->myDesignElementId.isValid();
}

LMDesignElementID LMDesignElementMetaData::designElementId() const
{
    return myImpl->myDesignElementId;
}

bool LMDesignElementMetaData::isVisible() const
{
    return myImpl->myVisible;
}

QString LMDesignElementMetaData::name() const
{
    return myImpl->myName;
}

QString LMDesignElementMetaData::pagesName() const
{
    return myImpl->myPagesName;
}

QString LMDesignElementMetaData::coverName() const
{
    return myImpl->myCoverName;
}

int LMDesignElementMetaData::score() const
{
    return myImpl->myScore;
}

int LMDesignElementMetaData::sort() const
{
    return myImpl->myCustomScore;
}

QDateTime LMDesignElementMetaData::published() const
{
    return myImpl->myPublished;
}

QDateTime LMDesignElementMetaData::lastChanged() const
{
    return myImpl->myLastChanged;
}

QDateTime LMDesignElementMetaData::expirationDateTime() const
{
    return myImpl->myExpirationDate;
}

int LMDesignElementMetaData::previewCountForOrientation(const LMOrientation& theOrientation) const
{
    return myImpl->myPreviewCount.value(theOrientation, 0);
}

int LMDesignElementMetaData::previewCountCoverForOrientation(const LMOrientation& theOrientation) const
{
    return myImpl->myPreviewCountCover.value(theOrientation, 0);
}

QSet<LMOrientation> LMDesignElementMetaData::supportedOrientations() const
{
    return myImpl->mySupportedOrientations;
}

LMDlpFeatureTag LMDesignElementMetaData::features() const
{
    return myImpl->myFeatures;
}

LMDlpFeatureTag LMDesignElementMetaData::requiredFeatures() const
{
    return myImpl->myRequiredFeatures;
}

bool LMDesignElementMetaData::isUsableByAssistent() const
{
    return myImpl->myFeatures.hasFeature(LMDlpFeatureTagEnum::AssistentQualified);
}

bool LMDesignElementMetaData::isStoryBook() const
{
    return myImpl->myFeatures.hasFeature(LMDlpFeatureTagEnum::StoryBook);
}

bool LMDesignElementMetaData::isLinnenCapable() const
{
    return myImpl->myFeatures.hasFeature(LMDlpFeatureTagEnum::LinnenCapable);
}

bool LMDesignElementMetaData::isSpotColorRequired() const
{
    return myImpl->myRequiredFeatures.hasFeature(LMDlpFeatureTagEnum::RequiredPosterRefinement);
}

bool LMDesignElementMetaData::hasOsmMap() const
{
    return myImpl->myFeatures.hasFeature(LMDlpFeatureTagEnum::MapsIncluded)
        || myImpl->myRequiredFeatures.hasFeature(LMDlpFeatureTagEnum::MapsIncluded);
}

bool LMDesignElementMetaData::hasOptionalOsmMap() const
{
    return myImpl->myFeatures.hasFeature(LMDlpFeatureTagEnum::OptionalMaps);
}

QString LMDesignElementMetaData::productionId() const
{
    return myImpl->myProductionId;
}

LMDlpType LMDesignElementMetaData::dlpType() const
{
    return myImpl->myDlpType;
}

QList<LMSpotColor> LMDesignElementMetaData::spotColors() const
{
    return myImpl->mySpotColors;
}

LMThematicCategorySet LMDesignElementMetaData::categories() const
{
    return myImpl->myCategories;
}

LMTemplateContextGroup LMDesignElementMetaData::templateConstraints() const
{
    return myImpl->myTemplateConstraints;
}

QString LMDesignElementMetaData::legacyPath() const
{
    const bool aSinglePage = explicitArticles().containsArticleClass(LMArticleClass(LMArticleClassEnum::WallDecor));
    return myImpl->myDlpType.dlpPath(aSinglePage);
}

LMArticleVariants LMDesignElementMetaData::variants() const
{
    return myImpl->myVariants;
}

LMPriceClassSet LMDesignElementMetaData::priceClasses() const
{
    return myImpl->myPriceClasses;
}

LMPriceClassSet LMDesignElementMetaData::priceClasses(const LMPageType& thePageType) const
{
    if (thePageType == LMPageTypeEnum::Cover && !myImpl->myPriceClassesCover.isEmpty())
        return myImpl->myPriceClassesCover;
    if (thePageType == LMPageTypeEnum::InnerPage && !myImpl->myPriceClassesInnerPages.isEmpty())
        return myImpl->myPriceClassesInnerPages;
    return myImpl->myPriceClasses;
}

LMPriceClassSet LMDesignElementMetaData::priceClassesCover() const
{
    return myImpl->myPriceClassesCover;
}

LMPriceClassSet LMDesignElementMetaData::priceClassesInnerPages() const
{
    return myImpl->myPriceClassesInnerPages;
}

QSet<int> LMDesignElementMetaData::defaultRotations() const
{
    return myImpl->myDefaultRotations;
}

LMArticleList LMDesignElementMetaData::explicitArticles() const
{
    return myImpl->myTemplateConstraints.explicitArticles();
}

bool LMDesignElementMetaData::containsArticle(const LMArticle& theArticle) const
{
    return explicitArticles().contains(theArticle);
}

QColor LMDesignElementMetaData::rgbColor() const
{
    return myImpl->myRgbColor;
}

void LMDesignElementMetaData::setCategories(const LMThematicCategorySet& theCategories)
{
    myImpl->myCategories = theCategories;
}

void LMDesignElementMetaData::setSpotColors(const QList<LMSpotColor>& theSpotColors)
{
    myImpl->mySpotColors = theSpotColors;
}

void LMDesignElementMetaData::setScore(int theScore)
{
    myImpl->myScore = theScore;
}

void LMDesignElementMetaData::setSort(int theSort)
{
    myImpl->myCustomScore = theSort;
}

void LMDesignElementMetaData::setPublished(const QDateTime& theDate)
{
    myImpl->myPublished = theDate;
}

void LMDesignElementMetaData::setLastChanged(const QDateTime& theDate)
{
    myImpl->myLastChanged = theDate;
}

void LMDesignElementMetaData::setFeature(const LMDlpFeatureTag& theFeatures)
{
    myImpl->myFeatures = theFeatures;
}

void LMDesignElementMetaData::setSupportedOrientations(const QSet<LMOrientation>& theOrientations)
{
    myImpl->mySupportedOrientations = theOrientations;
}

void LMDesignElementMetaData::setProductionId(const QString& theProductionId)
{
    myImpl->myProductionId = theProductionId;
}

void LMDesignElementMetaData::setDlpType(const LMDlpType& theType)
{
    myImpl->myDlpType = theType;
}

void LMDesignElementMetaData::setDesignElementId(const LMDesignElementID& theId)
{
    myImpl->myDesignElementId = theId;
}

void LMDesignElementMetaData::setIsVisible(bool theVisible)
{
    myImpl->myVisible = theVisible;
}

void LMDesignElementMetaData::setName(const QString& theName)
{
    myImpl->myName = theName;
}

bool operator==(const LMDesignElementMetaData& theA, const LMDesignElementMetaData& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    const LMDesignElementMetaDataImpl& anA = *theA.myImpl;
    const LMDesignElementMetaDataImpl& aB = *theB.myImpl;
    return anA.mySource == aB.mySource && anA.myDesignElementId == aB.myDesignElementId && anA.myVisible == aB.myVisible
        && anA.myName == aB.myName && anA.myPagesName == aB.myPagesName && anA.myCoverName == aB.myCoverName
        && anA.mySpotColors == aB.mySpotColors && anA.myScore == aB.myScore && anA.myCustomScore == aB.myCustomScore
        && anA.myPublished == aB.myPublished && anA.myLastChanged == aB.myLastChanged
        && anA.myExpirationDate == aB.myExpirationDate && anA.myProductionId == aB.myProductionId
        && anA.myDlpType == aB.myDlpType && anA.myPreviewCount == aB.myPreviewCount
        && anA.myPreviewCountCover == aB.myPreviewCountCover
        && anA.mySupportedOrientations == aB.mySupportedOrientations && anA.myCategories == aB.myCategories
        && anA.myTemplateConstraints == aB.myTemplateConstraints && anA.myFeatures == aB.myFeatures
        && anA.myRequiredFeatures == aB.myRequiredFeatures && anA.myVariants == aB.myVariants
        && anA.myPriceClasses == aB.myPriceClasses && anA.myPriceClassesCover == aB.myPriceClassesCover
        && anA.myPriceClassesInnerPages == aB.myPriceClassesInnerPages
        && anA.myDefaultRotations == aB.myDefaultRotations && anA.myRgbColor == aB.myRgbColor;
}
