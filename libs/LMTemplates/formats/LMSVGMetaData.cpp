#include "LMSVGMetaData.h"
#include "LMSVGMetaData_p.h"

#include "LMArticleClass.h"
#include "LMFolderListing.h"
#include "LMTemplatesLogging.h"
#include "LMTemplateSVGMetaDataElement.h"
#include "LMXMLParser.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

namespace {
const QString STR_SVG = QStringLiteral("svg");
const QString STR_METADATA = QStringLiteral("metadata");
const QString STR_TEMPLATE = QStringLiteral("lumo:template");
const QString STR_LOCKED = QStringLiteral("lumo:locked");
const QString STR_SVG_DPI = QStringLiteral("lumo:svg_dpi");
const QString STR_PROPERTIES = QStringLiteral("lumo:properties");
const QString STR_DEFAULT = QStringLiteral("lumo:default");
const QString STR_PRODUCTION = QStringLiteral("lumo:production");
const QString STR_PAGE = QStringLiteral("lumo:page");
const QString STR_PROPERTY = QStringLiteral("lumo:property");
const QString STR_KEY = QStringLiteral("key");
const QString STR_HREF = QStringLiteral("xlink:href");

const QString STR_CALENDARIUM = QStringLiteral("calendarium");
const QString STR_SCORE = QStringLiteral("score");
const QString STR_CUTOUT = QStringLiteral("form_parameter-cutout");

const QString STR_DESIGN = QStringLiteral("design");
const QString STR_JSON_FILE = QStringLiteral("%1.json");
const QString STR_JSON_SUFFIX = QStringLiteral(".json");

constexpr double DEFAULT_DPI = 254.0;
// Resolutions no page is made at (SVG's own 96 and print's 300 lie well inside).
constexpr double MINIMUM_SANE_DPI = 10.0;
constexpr double MAXIMUM_SANE_DPI = 100000.0;

// Whole degrees into 0..359; computed in 64 bits so that the smallest int turns as well.
int normalizedRotation(int theDegrees)
{
    const qint64 aDegrees = theDegrees;
    if (aDegrees >= 0)
        return int(aDegrees % 360);
    const qint64 aTurned = 360 - (-aDegrees % 360);
    return aTurned == 360 ? 0 : int(aTurned);
}

const QRegularExpression& posterExpression()
{
    static const QRegularExpression ourPoster(LMSVGMetaDataImpl::ourDetectPoster);
    return ourPoster;
}

void warn(const QString& theText)
{
    qWarning("%s", qUtf8Printable(theText));
}
} // namespace

const QString LMSVGMetaDataImpl::ourDetectSupportsHolidaysConfig = QStringLiteral("hasHolidays:true");
const QString LMSVGMetaDataImpl::ourDetectSuppportsCustomEventsConfig = QStringLiteral("hasCustomEvents:true");
const QString LMSVGMetaDataImpl::ourDetectPoster = QStringLiteral("\\d+x\\d+.*");

QDomElement LMSVGMetaDataImpl::firstTemplateElement(const QDomDocument& theDocument) const
{
    const QDomElement aRoot = theDocument.documentElement();
    const QDomElement aMetadata = aRoot.tagName() == STR_SVG ? aRoot.firstChildElement(STR_METADATA) : QDomElement();
    if (aMetadata.isNull()) {
        warn(QStringLiteral("no <metadata> element found ") + myFileInfo.filePath());
        return QDomElement();
    }
    const QDomElement aTemplate = aMetadata.firstChildElement(STR_TEMPLATE);
    if (aTemplate.isNull())
        warn(QStringLiteral(" svg parse error: <lumo:template> subsection not found in section <metadata>: ")
             + myFileInfo.filePath());
    return aTemplate;
}

void LMSVGMetaDataImpl::read(const QDomDocument& theDocument)
{
    // The sheets stand before the document element, outside the block: a file without a block
    // still has them.
    myCssSheets = LMCssSheetTitleIdMap::fromDocument(theDocument);

    const QDomElement aTemplate = firstTemplateElement(theDocument);
    if (aTemplate.isNull())
        return;

    myLocked = LMXMLParser::boolAttribute(aTemplate, STR_LOCKED, false);
    mySvgDPI = LMXMLParser::doubleAttribute(aTemplate, STR_SVG_DPI, DEFAULT_DPI);
    // A DPI of zero or less would make every size infinite or mirrored.
    if (mySvgDPI <= 0) {
        qCWarning(lcFormats).noquote()
            << QStringLiteral("%1 has no usable %2; %3 used").arg(myFileInfo.filePath(), STR_SVG_DPI).arg(DEFAULT_DPI);
        mySvgDPI = DEFAULT_DPI;
    } else if (mySvgDPI < MINIMUM_SANE_DPI || mySvgDPI > MAXIMUM_SANE_DPI) {
        // Kept, but said: at such a resolution the page shrinks to a dot or grows beyond any sheet.
        qCWarning(lcFormats).noquote() << QStringLiteral("%1 has %2=%3, far from the usual %4")
                                              .arg(myFileInfo.filePath(), STR_SVG_DPI)
                                              .arg(mySvgDPI)
                                              .arg(DEFAULT_DPI);
    }
    readProperties(LMXMLParser::attribute(aTemplate, STR_PROPERTIES));

    for (QDomElement aChild = aTemplate.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        readChild(aChild);
    // Designs repeat a few combinations of categories; a set of its own would cost every page
    // a kilobyte.
    myThematicCategories = LMThematicCategorySet::shared(myThematicCategories);
}

void LMSVGMetaDataImpl::readProperties(const QString& theText)
{
    if (theText.isEmpty())
        return;
    myCalendariumOptions = theText.contains(ourDetectSupportsHolidaysConfig, Qt::CaseInsensitive)
        ? LMTemplateCalendariumOptions(LMTemplateCalendariumOptionsEnum::All)
        : LMTemplateCalendariumOptions();

    for (const QString& aPair : theText.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype aColon = aPair.indexOf(QLatin1Char(':'));
        if (aColon < 0)
            continue;
        const QString aKey = aPair.left(aColon).trimmed();
        const QString aValue = aPair.mid(aColon + 1).trimmed();
        if (aKey == STR_CALENDARIUM) {
            myCalendariumFlow = LMCalendariumFlow(aValue);
        } else if (aKey == STR_SCORE) {
            bool anOk = false;
            const int aScore = LMXMLParser::fastDecodeInt(aValue, &anOk);
            myScore = anOk ? aScore : 0;
        } else if (aKey == STR_CUTOUT && !aValue.isEmpty()) {
            myArticleVariants.insert(LMArticleVariants::cutOutKey(), aValue);
        }
    }
}

void LMSVGMetaDataImpl::readChild(const QDomElement& theChild)
{
    using E = LMTemplateSVGMetaDataElementEnum;
    const QString aText = theChild.text().trimmed();
    switch (LMTemplateSVGMetaDataElement::fromName(theChild.tagName()).toEnum()) {
    case E::Category:
        if (!aText.isEmpty())
            myThematicCategories.insert(LMThematicCategory(aText));
        return;
    case E::Product:
        if (!aText.isEmpty())
            myTargetProducts.append(
                LMArticle::fromOrderTxtName(aText.contains(posterExpression()) ? aText : aText.toUpper()));
        return;
    case E::Variant:
        myArticleVariants.insert(aText);
        return;
    case E::PageType: {
        const LMPageType aPageType(aText);
        if (aPageType.isValid())
            myPageType = aPageType;
        return;
    }
    case E::ImagePath:
        myImagePath = aText;
        return;
    case E::ImageSubPath:
        myImageSubPath = aText;
        return;
    case E::Reference:
        myRefContentID = aText;
        return;
    case E::Thumbnail:
        myThumbnail = LMXMLParser::attribute(theChild, STR_HREF);
        return;
    case E::Rotation:
        readRotations(theChild);
        return;
    case E::DesignElementId: {
        bool anOk = false;
        const int anId = LMXMLParser::fastDecodeInt(aText, &anOk);
        if (anOk)
            myDesignElementID = LMDesignElementID(anId);
        else
            warn(QStringLiteral("found a non-integer designElementId=") + aText);
        return;
    }
    case E::KeyAccount: {
        bool anOk = false;
        const int anId = LMXMLParser::fastDecodeInt(aText, &anOk);
        if (anOk)
            myKeyAccounts.append(LMKeyAccountId(anId));
        else
            warn(QStringLiteral("found a non-integer keyaccount=") + aText);
        return;
    }
    case E::Pages:
        readPages(theChild);
        return;
    case E::PriceClass:
        myPriceClass = LMPriceClass::create(aText);
        return;
    case E::Flags:
        readFlags(theChild);
        return;
    case E::Title:
    case E::Author:
    case E::Comment:
        return;
    case E::None:
    case E::PropertyDuplicate:
        break;
    }
    warn(QStringLiteral("unknown attribute ") + theChild.tagName() + QLatin1Char(' ') + aText);
}

void LMSVGMetaDataImpl::readRotations(const QDomElement& theElement)
{
    const std::pair<const QString&, int*> aRotations[]
        = { { STR_DEFAULT, &myRotation }, { STR_PRODUCTION, &myProductionRotation } };
    for (const auto& [aName, aTarget] : aRotations) {
        // A rotation the element does not name stays as it is.
        if (!theElement.hasAttribute(aName))
            continue;
        bool anOk = false;
        const QString aText = theElement.attribute(aName);
        const int aDegrees = LMXMLParser::fastDecodeInt(aText, &anOk);
        if (anOk)
            *aTarget = normalizedRotation(aDegrees);
        else
            warn(QStringLiteral("found a non-integer rotation=") + aText);
    }
}

void LMSVGMetaDataImpl::readPages(const QDomElement& theElement)
{
    const QDir aFolder = myFileInfo.absoluteDir();
    for (QDomElement aPage = theElement.firstChildElement(STR_PAGE); !aPage.isNull();
         aPage = aPage.nextSiblingElement(STR_PAGE)) {
        const QString aReference = LMXMLParser::attribute(aPage, STR_HREF).trimmed();
        if (aReference.isEmpty())
            continue;
        // "#..." points into this document and stays as written.
        myMultiPages.append(aReference.startsWith(QLatin1Char('#'))
                                ? aReference
                                : QDir::cleanPath(aFolder.absoluteFilePath(aReference)));
    }
}

void LMSVGMetaDataImpl::readFlags(const QDomElement& theElement)
{
    for (QDomElement aProperty = theElement.firstChildElement(STR_PROPERTY); !aProperty.isNull();
         aProperty = aProperty.nextSiblingElement(STR_PROPERTY)) {
        const QString aKey = aProperty.attribute(STR_KEY);
        if (LMTemplateSVGMetaDataElement::fromName(aKey) == LMTemplateSVGMetaDataElementEnum::PropertyDuplicate)
            myDuplicate = true;
        else
            warn(QStringLiteral("unknown property key ") + aKey);
    }
}

void LMSVGMetaDataImpl::readDesignElementMetaData()
{
    const QDir aFileFolder = myFileInfo.absoluteDir();
    if (aFileFolder.isRoot())
        return;
    const QDir anUpperFolder(QFileInfo(aFileFolder.absolutePath()).absolutePath());
    // Every page of a folder asks; the listing is kept while the folder is unchanged. The file
    // named after the folder wins, else the first by name.
    const QStringList aCandidates = LMFolderListing::filesWithSuffix(anUpperFolder.absolutePath(), STR_JSON_SUFFIX);
    if (aCandidates.isEmpty())
        return;
    const QString aNamed = STR_JSON_FILE.arg(anUpperFolder.dirName());
    myDesignElementMetaData = LMDesignElementMetaData::createFromJsonFile(
        QFileInfo(anUpperFolder.absoluteFilePath(aCandidates.contains(aNamed) ? aNamed : aCandidates.first())));
}

bool LMSVGMetaDataImpl::operator==(const LMSVGMetaDataImpl& theOther) const
{
    return myFileInfo == theOther.myFileInfo && myCssSheets == theOther.myCssSheets && myLocked == theOther.myLocked
        && mySvgDPI == theOther.mySvgDPI && myCalendariumOptions == theOther.myCalendariumOptions
        && myCalendariumFlow == theOther.myCalendariumFlow && myScore == theOther.myScore
        && myThematicCategories == theOther.myThematicCategories && myTargetProducts == theOther.myTargetProducts
        && myImagePath == theOther.myImagePath && myImageSubPath == theOther.myImageSubPath
        && myThumbnail == theOther.myThumbnail && myRefContentID == theOther.myRefContentID
        && myRotation == theOther.myRotation && myProductionRotation == theOther.myProductionRotation
        && myDesignElementID == theOther.myDesignElementID && myKeyAccounts == theOther.myKeyAccounts
        && myMultiPages == theOther.myMultiPages && myPriceClass == theOther.myPriceClass
        && myArticleVariants == theOther.myArticleVariants && myPageType == theOther.myPageType
        && myDuplicate == theOther.myDuplicate && myDesignElementMetaData == theOther.myDesignElementMetaData;
}

LMSVGMetaData::LMSVGMetaData() : myImpl(new LMSVGMetaDataImpl) { }

LMSVGMetaData::LMSVGMetaData(const QDomDocument& theDocument, const QFileInfo& theFile)
    : myImpl(new LMSVGMetaDataImpl(theFile))
{
    myImpl->read(theDocument);
    myImpl->readDesignElementMetaData();
}

LMSVGMetaData::LMSVGMetaData(const LMSVGMetaData& theOther) = default;
LMSVGMetaData::LMSVGMetaData(LMSVGMetaData&& theOther) noexcept = default;
LMSVGMetaData& LMSVGMetaData::operator=(const LMSVGMetaData& theOther) = default;
LMSVGMetaData::~LMSVGMetaData() = default;

const QFileInfo& LMSVGMetaData::fileInfo() const
{
    return myImpl->myFileInfo;
}

const LMCssSheetTitleIdMap& LMSVGMetaData::cssSheets() const
{
    return myImpl->myCssSheets;
}

bool LMSVGMetaData::isLocked() const
{
    return myImpl->myLocked;
}

double LMSVGMetaData::svgDPI() const
{
    return myImpl->mySvgDPI;
}

double LMSVGMetaData::stretchFactor() const
{
    return DEFAULT_DPI / myImpl->mySvgDPI;
}

LMTemplateCalendariumOptions LMSVGMetaData::calendariumOptions() const
{
    return myImpl->myCalendariumOptions;
}

LMCalendariumFlow LMSVGMetaData::calendariumFlow() const
{
    return myImpl->myCalendariumFlow;
}

void LMSVGMetaData::setCalendariumFlow(const LMCalendariumFlow& theFlow)
{
    myImpl->myCalendariumFlow = theFlow;
}

int LMSVGMetaData::score() const
{
    return myImpl->myScore;
}

const LMThematicCategorySet& LMSVGMetaData::thematicCategories() const
{
    return myImpl->myThematicCategories;
}

const LMArticleList& LMSVGMetaData::effectiveTargetArticles() const
{
    return myImpl->myTargetProducts;
}

LMArticle LMSVGMetaData::firstConfiguredArticle() const
{
    for (const LMArticle& anArticle : myImpl->myTargetProducts) {
        if (anArticle.isValid())
            return anArticle;
    }
    return LMArticle();
}

bool LMSVGMetaData::anyConfiguredProduct() const
{
    return !myImpl->myTargetProducts.isEmpty();
}

const QString& LMSVGMetaData::imagePath() const
{
    return myImpl->myImagePath;
}

const QString& LMSVGMetaData::imageSubPath() const
{
    return myImpl->myImageSubPath;
}

QString LMSVGMetaData::imagePathPrefix() const
{
    if (myImpl->myImageSubPath.isEmpty())
        return myImpl->myImagePath;
    return myImpl->myImagePath + QLatin1Char('/') + myImpl->myImageSubPath;
}

const QString& LMSVGMetaData::thumbnail() const
{
    return myImpl->myThumbnail;
}

void LMSVGMetaData::setThumbnail(const QString& theThumbnail)
{
    myImpl->myThumbnail = theThumbnail;
}

const QString& LMSVGMetaData::refContentID() const
{
    return myImpl->myRefContentID;
}

QString LMSVGMetaData::contentRefPrefix() const
{
    return myImpl->myRefContentID.isEmpty() ? QString() : STR_DESIGN;
}

int LMSVGMetaData::rotation() const
{
    return myImpl->myRotation;
}

int LMSVGMetaData::productionRotation() const
{
    return myImpl->myProductionRotation;
}

LMDesignElementID LMSVGMetaData::designElementID() const
{
    return myImpl->myDesignElementID;
}

const QList<LMKeyAccountId>& LMSVGMetaData::keyAccounts() const
{
    return myImpl->myKeyAccounts;
}

const QStringList& LMSVGMetaData::multipages() const
{
    return myImpl->myMultiPages;
}

bool LMSVGMetaData::useMultiPages() const
{
    const LMArticleList& aProducts = myImpl->myTargetProducts;
    if (aProducts.isEmpty())
        return true;
    return !std::all_of(aProducts.cbegin(), aProducts.cend(), [](const LMArticle& theArticle) {
        return theArticle.hasArticleClass(LMArticleClass(LMArticleClassEnum::WallDecor));
    });
}

QStringList LMSVGMetaData::allMultiPageFiles() const
{
    if (useMultiPages() && !myImpl->myMultiPages.isEmpty())
        return LMArticle::sortPageFileNameListInInternOrder(myImpl->myMultiPages);
    return { myImpl->myFileInfo.absoluteFilePath() };
}

const LMPriceClass& LMSVGMetaData::priceClass() const
{
    return myImpl->myPriceClass;
}

const LMArticleVariants& LMSVGMetaData::articleVariants() const
{
    return myImpl->myArticleVariants;
}

LMPageType LMSVGMetaData::pageType() const
{
    return myImpl->myPageType;
}

bool LMSVGMetaData::isDuplicate() const
{
    return myImpl->myDuplicate;
}

const LMDesignElementMetaData& LMSVGMetaData::designElementMetaData() const
{
    return myImpl->myDesignElementMetaData;
}

QString LMSVGMetaData::exampleTemplateId() const
{
    const QString aBaseName = myImpl->myFileInfo.baseName();
    const QString aFolderName = myImpl->myFileInfo.absoluteDir().dirName();
    if (aFolderName.isEmpty() || aBaseName.size() <= aFolderName.size() || !aBaseName.startsWith(aFolderName))
        return QString();
    return aBaseName.mid(aFolderName.size(), 1);
}

bool LMSVGMetaData::fileNameQualifiesAsCover() const
{
    const QString aFolderName = myImpl->myFileInfo.absoluteDir().dirName();
    return !aFolderName.isEmpty() && myImpl->myFileInfo.baseName().startsWith(aFolderName + QLatin1Char('0'));
}

bool operator==(const LMSVGMetaData& theA, const LMSVGMetaData& theB)
{
    return theA.myImpl == theB.myImpl || *theA.myImpl == *theB.myImpl;
}
