#include "LMArticle.h"

#include "LMProductCatalogue.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonValue>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
const QString STR_ID = QStringLiteral("id");
const QString STR_ORDER_NAME = QStringLiteral("orderName");
const QString STR_NAME = QStringLiteral("name");
const QString STR_CLASS = QStringLiteral("class");
const QString STR_ORIENTATION = QStringLiteral("orientation");
const QString STR_PAGE_BINDING = QStringLiteral("pageBinding");
const QString STR_COVER_TYPE = QStringLiteral("coverType");
const QString STR_PRICE_CLASS = QStringLiteral("priceClass");
const QString STR_PRICE = QStringLiteral("price");
const QString STR_ADD_ON = QStringLiteral("addOn");
const QString STR_ADD_ONS = QStringLiteral("addOns");
const QString STR_VARIANTS = QStringLiteral("variants");
const QString STR_PAGE_SIZES = QStringLiteral("pageSizes");
const QString STR_SIZE = QStringLiteral("size");
const QString STR_BLEED = QStringLiteral("bleed");
const QString STR_SLIPCASE_COVER = QStringLiteral("slipcaseCover");
const QString STR_WIDTH_BY_HEIGHT = QStringLiteral("widthByHeight");
const QString STR_FULL_BACKGROUND = QStringLiteral("fullBackgroundOnEachPage");
const QString STR_HORIZONTAL_PAGES = QStringLiteral("horizontalPages");
const QString STR_SPOT_COLORS = QStringLiteral("spotColors");
const QString STR_GLASSES = QStringLiteral("glassesPriceClasses");
const QString STR_PASSEPARTOUTS = QStringLiteral("passepartoutPriceClasses");
const QString STR_SIZE_CLASS = QStringLiteral("sizeClass");
const QString STR_COMPATIBLE_PRODUCTS = QStringLiteral("compatibleProducts");
const QString STR_MIN_PAGES = QStringLiteral("minPages");
const QString STR_EXACT_ARTICLE_JIG_TYPES = QStringLiteral("exactArticleJigTypes");
const QString STR_DEFAULT_TEMPLATES = QStringLiteral("defaultTemplates");
// The kinds of default template by their catalogue words, in the order of their numbers.
const QStringList STR_DEFAULT_KINDS { QStringLiteral("layout"), QStringLiteral("background"),
                                      QStringLiteral("design") };
} // namespace

class LMArticleImpl : public QSharedData
{
public:
    qint32 myId = 0;
    QString myOrderTxtName;
    QString myVisibleName;
    LMArticleClass myArticleClass;
    LMOrientation myOrientation;
    LMPageBinding myPageBinding;
    LMCoverType myCoverType;
    LMPriceClass myPriceClass;
    LMMoney myPrice;
    bool myIsAddOn = false;
    LMArticleVariants myPossibleVariants;
    // Price class to the order name of its add-on article.
    QHash<LMPriceClass, QString> myAddOns;
    // Page sizes in key order of the catalogue entry.
    QList<std::pair<LMPageType, LMPageSizeSpec>> myPageSizes;
    double myWidthByHeight = 0;
    bool myFullBackgroundOnEachPage = false;
    // Unset: follows the orientation.
    std::optional<bool> myHorizontalPages;
    LMSpotColor mySpotColors;
    LMPriceClassSet myGlassesPriceClasses;
    LMPriceClassSet myPassepartoutPriceClasses;
    LMSpaceMagnitude mySizeClass;
    QList<qint32> myCompatibleProductIds;
    // Per page type, the template names by kind.
    QList<std::pair<LMPageType, QHash<int, QString>>> myDefaultTemplates;
    QJsonObject myEntry;
};

LMArticle::LMArticle() : myImpl(new LMArticleImpl) { }

LMArticle::LMArticle(const LMArticle& theOther) = default;
LMArticle::LMArticle(LMArticle&& theOther) noexcept = default;
LMArticle& LMArticle::operator=(const LMArticle& theOther) = default;
LMArticle::~LMArticle() = default;

namespace {

// Reads an optional text key; anything but a string is reported and read as empty.
QString optionalText(const QJsonObject& theEntry, const QString& theKey, QStringList* theProblems)
{
    const QJsonValue aValue = theEntry.value(theKey);
    if (aValue.isUndefined() || aValue.isNull())
        return QString();
    if (!aValue.isString()) {
        theProblems->append(QStringLiteral("\"%1\" is not a text").arg(theKey));
        return QString();
    }
    return aValue.toString();
}

// Reads an optional true/false key; anything else is reported and leaves the default.
std::optional<bool> optionalBool(const QJsonObject& theEntry, const QString& theKey, QStringList* theProblems)
{
    const QJsonValue aValue = theEntry.value(theKey);
    if (aValue.isBool())
        return aValue.toBool();
    if (!aValue.isUndefined() && !aValue.isNull())
        theProblems->append(QStringLiteral("\"%1\" is not true or false").arg(theKey));
    return std::nullopt;
}

// Two finite numbers [a, b], each at least theMinimum (and above it when theStrict).
std::optional<QPointF> numberPair(const QJsonValue& theValue, double theMinimum, bool theStrict)
{
    if (!theValue.isArray())
        return std::nullopt;
    const QJsonArray anArray = theValue.toArray();
    if (anArray.size() != 2 || !anArray.at(0).isDouble() || !anArray.at(1).isDouble())
        return std::nullopt;
    const QPointF aPair(anArray.at(0).toDouble(), anArray.at(1).toDouble());
    for (const double aNumber : { aPair.x(), aPair.y() }) {
        if (!std::isfinite(aNumber) || aNumber < theMinimum || (theStrict && aNumber == theMinimum))
            return std::nullopt;
    }
    return aPair;
}

// One value of "pageSizes": [width, height] or {"size": [w, h], "bleed": [x, y], "slipcaseCover": [w, h]}.
std::optional<LMPageSizeSpec> pageSizeOf(const QJsonValue& theValue)
{
    const QJsonObject anObject = theValue.isObject() ? theValue.toObject() : QJsonObject { { STR_SIZE, theValue } };
    const std::optional<QPointF> aSize = numberPair(anObject.value(STR_SIZE), 0, true);
    if (!aSize)
        return std::nullopt;
    QPointF aBleed;
    if (anObject.contains(STR_BLEED)) {
        const std::optional<QPointF> aRead = numberPair(anObject.value(STR_BLEED), 0, false);
        if (!aRead)
            return std::nullopt;
        aBleed = *aRead;
    }
    QSizeF aSlipcase(-1, -1);
    if (anObject.contains(STR_SLIPCASE_COVER)) {
        const std::optional<QPointF> aRead = numberPair(anObject.value(STR_SLIPCASE_COVER), 0, true);
        if (!aRead)
            return std::nullopt;
        aSlipcase = QSizeF(aRead->x(), aRead->y());
    }
    return LMPageSizeSpec(QSizeF(aSize->x(), aSize->y()), aBleed, aSlipcase);
}

// A list of price class codes; a bad entry is reported and skipped.
LMPriceClassSet priceClassList(const QJsonObject& theEntry, const QString& theKey, QStringList* theProblems)
{
    LMPriceClassSet aSet;
    const QJsonValue aValue = theEntry.value(theKey);
    if (aValue.isUndefined() || aValue.isNull())
        return aSet;
    if (!aValue.isArray()) {
        theProblems->append(QStringLiteral("\"%1\" is not a list").arg(theKey));
        return aSet;
    }
    const QJsonArray anArray = aValue.toArray();
    for (qsizetype anIndex = 0; anIndex < anArray.size(); ++anIndex) {
        const LMPriceClass aClass = LMPriceClass::create(anArray.at(anIndex).toString());
        if (aClass.isValid())
            aSet.insert(aClass);
        else
            theProblems->append(QStringLiteral("\"%1\" entry %2 is not a price class").arg(theKey).arg(anIndex));
    }
    return aSet;
}

// "defaultTemplates": {"inner_page": {"layout": "...", "background": "...", "design": "..."}}.
void readDefaultTemplates(const QJsonObject& theEntry, LMArticleImpl* theImpl, QStringList* theProblems)
{
    const QJsonValue aDefaults = theEntry.value(STR_DEFAULT_TEMPLATES);
    if (aDefaults.isUndefined() || aDefaults.isNull())
        return;
    if (!aDefaults.isObject()) {
        theProblems->append(QStringLiteral("\"defaultTemplates\" is not an object"));
        return;
    }
    const QJsonObject anObject = aDefaults.toObject();
    for (auto anIt = anObject.constBegin(); anIt != anObject.constEnd(); ++anIt) {
        const LMPageType aType(anIt.key());
        if (!aType.isValid() || !anIt.value().isObject()) {
            theProblems->append(
                QStringLiteral("default templates \"%1\" are not a page type with templates").arg(anIt.key()));
            continue;
        }
        QHash<int, QString> aNames;
        const QJsonObject aKinds = anIt.value().toObject();
        for (auto aKind = aKinds.constBegin(); aKind != aKinds.constEnd(); ++aKind) {
            const qsizetype aNumber = STR_DEFAULT_KINDS.indexOf(aKind.key());
            if (aNumber < 0 || !aKind.value().isString())
                theProblems->append(QStringLiteral("default template \"%1\" of \"%2\" is not a layout, background "
                                                   "or design name")
                                        .arg(aKind.key(), anIt.key()));
            else
                aNames.insert(int(aNumber), aKind.value().toString());
        }
        theImpl->myDefaultTemplates.append({ aType, aNames });
    }
}

// The product keys of the catalogue entry beyond names, classes and prices.
void readProductKeys(const QJsonObject& theEntry, LMArticleImpl* theImpl, QStringList* theProblems)
{
    const QJsonValue aSizes = theEntry.value(STR_PAGE_SIZES);
    if (aSizes.isObject()) {
        const QJsonObject anObject = aSizes.toObject();
        for (auto anIt = anObject.constBegin(); anIt != anObject.constEnd(); ++anIt) {
            const LMPageType aType(anIt.key());
            const std::optional<LMPageSizeSpec> aSpec = pageSizeOf(anIt.value());
            if (!aType.isValid() || !aSpec)
                theProblems->append(QStringLiteral("page size \"%1\" is not a page type with a size").arg(anIt.key()));
            else
                theImpl->myPageSizes.append({ aType, *aSpec });
        }
    } else if (!aSizes.isUndefined()) {
        theProblems->append(QStringLiteral("\"pageSizes\" is not an object"));
    }

    const QJsonValue aRatio = theEntry.value(STR_WIDTH_BY_HEIGHT);
    if (aRatio.isDouble() && aRatio.toDouble() > 0 && std::isfinite(aRatio.toDouble()))
        theImpl->myWidthByHeight = aRatio.toDouble();
    else if (!aRatio.isUndefined() && !aRatio.isNull())
        theProblems->append(QStringLiteral("\"widthByHeight\" is not a positive number"));

    theImpl->myFullBackgroundOnEachPage = optionalBool(theEntry, STR_FULL_BACKGROUND, theProblems).value_or(false);
    theImpl->myHorizontalPages = optionalBool(theEntry, STR_HORIZONTAL_PAGES, theProblems);

    const QString aSpotColors = optionalText(theEntry, STR_SPOT_COLORS, theProblems);
    theImpl->mySpotColors = LMSpotColor(aSpotColors);
    if (!aSpotColors.trimmed().isEmpty() && !theImpl->mySpotColors.isValid())
        theProblems->append(QStringLiteral("\"spotColors\" names no spot colour"));

    theImpl->myGlassesPriceClasses = priceClassList(theEntry, STR_GLASSES, theProblems);
    theImpl->myPassepartoutPriceClasses = priceClassList(theEntry, STR_PASSEPARTOUTS, theProblems);

    const QString aSizeClass = optionalText(theEntry, STR_SIZE_CLASS, theProblems);
    theImpl->mySizeClass = LMSpaceMagnitude(aSizeClass);
    if (!aSizeClass.trimmed().isEmpty() && !theImpl->mySizeClass.isValid())
        theProblems->append(QStringLiteral("\"sizeClass\" names no size class"));

    const QJsonValue aCompatible = theEntry.value(STR_COMPATIBLE_PRODUCTS);
    if (aCompatible.isArray()) {
        const QJsonArray anArray = aCompatible.toArray();
        for (qsizetype anIndex = 0; anIndex < anArray.size(); ++anIndex) {
            const double aNumber = anArray.at(anIndex).toDouble();
            if (anArray.at(anIndex).isDouble() && aNumber >= 1 && aNumber <= std::numeric_limits<qint32>::max()
                && aNumber == qint64(aNumber))
                theImpl->myCompatibleProductIds.append(qint32(aNumber));
            else
                theProblems->append(
                    QStringLiteral("\"compatibleProducts\" entry %1 is not an article id").arg(anIndex));
        }
    } else if (!aCompatible.isUndefined() && !aCompatible.isNull()) {
        theProblems->append(QStringLiteral("\"compatibleProducts\" is not a list"));
    }
    readDefaultTemplates(theEntry, theImpl, theProblems);
}

} // namespace

LMArticle LMArticle::fromCatalogueEntry(const QJsonObject& theEntry, const QString& theCurrency,
                                        QStringList* theProblems)
{
    Q_ASSERT_X(theProblems, "LMArticle::fromCatalogueEntry", "needs a problem list");
    const QJsonValue anId = theEntry.value(STR_ID);
    const double anIdNumber = anId.toDouble();
    if (!anId.isDouble() || anIdNumber < 1 || anIdNumber > std::numeric_limits<qint32>::max()
        || anIdNumber != qint64(anIdNumber)) {
        theProblems->append(QStringLiteral("\"id\" is not a positive whole number"));
        return LMArticle();
    }
    const QString anOrderName = theEntry.value(STR_ORDER_NAME).toString().trimmed();
    if (anOrderName.isEmpty()) {
        theProblems->append(QStringLiteral("\"orderName\" is missing"));
        return LMArticle();
    }

    LMArticle anArticle;
    LMArticleImpl* anImpl = anArticle.myImpl.data();
    anImpl->myId = qint32(anIdNumber);
    anImpl->myOrderTxtName = anOrderName;
    anImpl->myEntry = theEntry;
    anImpl->myVisibleName = optionalText(theEntry, STR_NAME, theProblems);
    anImpl->myArticleClass = LMArticleClass(optionalText(theEntry, STR_CLASS, theProblems));
    anImpl->myOrientation = LMOrientation(optionalText(theEntry, STR_ORIENTATION, theProblems));
    anImpl->myPageBinding = LMPageBinding(optionalText(theEntry, STR_PAGE_BINDING, theProblems));
    anImpl->myCoverType = LMCoverType(optionalText(theEntry, STR_COVER_TYPE, theProblems));
    anImpl->myPriceClass = LMPriceClass::create(optionalText(theEntry, STR_PRICE_CLASS, theProblems));

    const QJsonValue aPrice = theEntry.value(STR_PRICE);
    if (aPrice.isDouble()) {
        // As many whole units as a price text may have (15 digits): beyond them the conversion
        // to cents would leave the range of its integer.
        constexpr double LARGEST_PRICE = 1e15;
        const double anAmount = aPrice.toDouble();
        if (std::abs(anAmount) < LARGEST_PRICE)
            anImpl->myPrice = LMMoney(qint64(std::round(anAmount * 100)), theCurrency);
    } else if (aPrice.isString())
        anImpl->myPrice = LMMoney::fromText(aPrice.toString(), theCurrency);
    if (!aPrice.isUndefined() && !aPrice.isNull() && !anImpl->myPrice.isValid())
        theProblems->append(QStringLiteral("\"price\" is no amount"));

    const QJsonValue anAddOn = theEntry.value(STR_ADD_ON);
    if (anAddOn.isBool())
        anImpl->myIsAddOn = anAddOn.toBool();
    else if (!anAddOn.isUndefined())
        theProblems->append(QStringLiteral("\"addOn\" is not true or false"));

    const QJsonValue anAddOns = theEntry.value(STR_ADD_ONS);
    if (anAddOns.isObject()) {
        const QJsonObject anObject = anAddOns.toObject();
        for (auto anIt = anObject.constBegin(); anIt != anObject.constEnd(); ++anIt) {
            const LMPriceClass aClass = LMPriceClass::create(anIt.key());
            const QString aName = anIt.value().toString().trimmed();
            if (!aClass.isValid() || aName.isEmpty())
                theProblems->append(
                    QStringLiteral("add-on \"%1\" is not a price class with an order name").arg(anIt.key()));
            else
                anImpl->myAddOns.insert(aClass, aName);
        }
    } else if (!anAddOns.isUndefined()) {
        theProblems->append(QStringLiteral("\"addOns\" is not an object"));
    }

    const QJsonValue aVariants = theEntry.value(STR_VARIANTS);
    if (aVariants.isArray())
        anImpl->myPossibleVariants = LMArticleVariants::fromJsonArray(aVariants.toArray());
    else if (!aVariants.isUndefined())
        theProblems->append(QStringLiteral("\"variants\" is not a list"));

    readProductKeys(theEntry, anImpl, theProblems);
    return anArticle;
}

LMArticle LMArticle::fromOrderTxtName(const QString& theOrderTxtName)
{
    const QString aName = theOrderTxtName.trimmed();
    if (aName.isEmpty())
        return LMArticle();
    const LMArticle aFound = LMProductCatalogue::instance()->findByOrderTxtName(aName);
    if (aFound.isValid())
        return aFound;
    LMArticle anUnresolved;
    anUnresolved.myImpl->myOrderTxtName = aName;
    return anUnresolved;
}

LMArticle LMArticle::fromId(qint32 theId)
{
    return LMProductCatalogue::instance()->findById(theId);
}

LMArticle LMArticle::createFirstValidArticle()
{
    for (const LMArticle& anArticle : LMProductCatalogue::instance()->articles()) {
        if (!anArticle.isAddOn())
            return anArticle;
    }
    return LMArticle();
}

namespace {

// Where a page file goes: its group (0 cover, 1 numbered, 2 other) and, for numbered pages, the
// number's digits without leading zeros, compared by length first so that no number overflows.
struct LMPageOrderKey
{
    int myGroup = 2;
    QString myNumber;

    bool operator<(const LMPageOrderKey& theOther) const
    {
        if (myGroup != theOther.myGroup)
            return myGroup < theOther.myGroup;
        if (myNumber.size() != theOther.myNumber.size())
            return myNumber.size() < theOther.myNumber.size();
        return myNumber < theOther.myNumber;
    }
};

LMPageOrderKey pageOrderKey(const QString& theFile)
{
    const QString aName = QFileInfo(theFile).completeBaseName();
    if (aName.endsWith(QLatin1String("cover"), Qt::CaseInsensitive))
        return { 0, QString() };
    qsizetype aStart = aName.size();
    while (aStart > 0 && aName.at(aStart - 1) >= u'0' && aName.at(aStart - 1) <= u'9')
        --aStart;
    if (aStart == aName.size())
        return { 2, QString() };
    while (aStart < aName.size() - 1 && aName.at(aStart) == u'0')
        ++aStart;
    return { 1, aName.mid(aStart) };
}

} // namespace

QStringList LMArticle::sortPageFileNameListInInternOrder(const QStringList& theFiles)
{
    QList<std::pair<LMPageOrderKey, QString>> aPages;
    aPages.reserve(theFiles.size());
    for (const QString& aFile : theFiles)
        aPages.append({ pageOrderKey(aFile), aFile });
    std::stable_sort(aPages.begin(), aPages.end(),
                     [](const auto& theA, const auto& theB) { return theA.first < theB.first; });
    QStringList aSorted;
    aSorted.reserve(aPages.size());
    for (const auto& aPage : aPages)
        aSorted.append(aPage.second);
    return aSorted;
}

bool LMArticle::isNull() const
{
    return myImpl->myId == 0 && myImpl->myOrderTxtName.isEmpty();
}

bool LMArticle::isValid() const
{
    return myImpl->myId > 0;
}

qint32 LMArticle::id() const
{
    return myImpl->myId;
}

const QString& LMArticle::orderTxtName() const
{
    return myImpl->myOrderTxtName;
}

const QString& LMArticle::visibleName() const
{
    return myImpl->myVisibleName;
}

LMArticleClass LMArticle::articleClass() const
{
    return myImpl->myArticleClass;
}

bool LMArticle::hasArticleClass(const LMArticleClass& theClasses) const
{
    return myImpl->myArticleClass.intersects(theClasses);
}

LMOrientation LMArticle::orientation() const
{
    return myImpl->myOrientation;
}

LMPageBinding LMArticle::pageBinding() const
{
    return myImpl->myPageBinding;
}

LMCoverType LMArticle::coverType() const
{
    return myImpl->myCoverType;
}

LMPriceClass LMArticle::priceClass() const
{
    return myImpl->myPriceClass;
}

LMMoney LMArticle::price() const
{
    return myImpl->myPrice;
}

bool LMArticle::isAddOn() const
{
    return myImpl->myIsAddOn;
}

LMArticleVariants LMArticle::possibleVariants() const
{
    return myImpl->myPossibleVariants;
}

LMPriceClassSet LMArticle::addOnPriceClasses() const
{
    LMPriceClassSet aSet;
    for (auto anIt = myImpl->myAddOns.cbegin(); anIt != myImpl->myAddOns.cend(); ++anIt)
        aSet.insert(anIt.key());
    return aSet;
}

LMPageSizeSpec LMArticle::pageSizeSpec(const LMPageType& thePageType, const LMPageAlignment& theAlignment) const
{
    const auto& aSizes = myImpl->myPageSizes;
    auto aFound = std::find_if(aSizes.cbegin(), aSizes.cend(),
                               [&](const auto& anEntry) { return anEntry.first == thePageType; });
    if (aFound == aSizes.cend()) {
        aFound = std::find_if(aSizes.cbegin(), aSizes.cend(),
                              [&](const auto& anEntry) { return anEntry.first.intersects(thePageType); });
    }
    if (aFound == aSizes.cend())
        return LMPageSizeSpec();
    const LMPageSizeSpec& aSpec = aFound->second;
    if (theAlignment != LMPageAlignmentEnum::Double)
        return aSpec;
    const QSizeF aPage = aSpec.usableSize();
    return LMPageSizeSpec(QSizeF(aPage.width() * 2, aPage.height()), aSpec.usablePrintAreaOffset(),
                          aSpec.usableSlipcaseCoverSize());
}

QString LMArticle::defaultTemplateForPage(int theKind, const LMPageType& thePageType, int thePage,
                                          int thePageCount) const
{
    Q_UNUSED(thePage);
    Q_UNUSED(thePageCount);
    const auto& aDefaults = myImpl->myDefaultTemplates;
    auto aFound = std::find_if(aDefaults.cbegin(), aDefaults.cend(),
                               [&](const auto& anEntry) { return anEntry.first == thePageType; });
    if (aFound == aDefaults.cend())
        aFound = std::find_if(aDefaults.cbegin(), aDefaults.cend(),
                              [&](const auto& anEntry) { return anEntry.first.intersects(thePageType); });
    return aFound == aDefaults.cend() ? QString() : aFound->second.value(theKind);
}

QSizeF LMArticle::usableSize(const LMPageType& thePageType) const
{
    const LMPageSizeSpec aSpec = pageSizeSpec(thePageType, LMPageAlignment());
    return aSpec.isValid() ? aSpec.usableSize() : QSizeF();
}

QPointF LMArticle::topLeftBleedOffset(const LMPageType& thePageType) const
{
    return pageSizeSpec(thePageType, LMPageAlignmentEnum::Left).usablePrintAreaOffset();
}

LMPageSizeSpec LMArticle::innerPageSizeSpec() const
{
    if (myImpl->myPageSizes.isEmpty())
        return LMPageSizeSpec();
    LMPageSizeSpec aSpec = pageSizeSpec(LMPageTypeEnum::InnerPage, LMPageAlignment());
    if (!aSpec.isValid())
        aSpec = pageSizeSpec(LMPageTypeEnum::SinglePage, LMPageAlignment());
    if (!aSpec.isValid())
        aSpec = myImpl->myPageSizes.constFirst().second;
    return aSpec;
}

QSizeF LMArticle::usablePrintSizeForBackgroundTemplate(bool theDoubleSided) const
{
    const LMPageSizeSpec aSpec = innerPageSizeSpec();
    if (!aSpec.isValid())
        return QSizeF();
    const QSizeF aPage = aSpec.usableSize();
    return theDoubleSided ? QSizeF(aPage.width() * 2, aPage.height()) : aPage;
}

double LMArticle::widthByHeight() const
{
    if (myImpl->myWidthByHeight > 0)
        return myImpl->myWidthByHeight;
    const LMPageSizeSpec aSpec = innerPageSizeSpec();
    if (!aSpec.isValid())
        return 0;
    return aSpec.usableSize().width() / aSpec.usableSize().height();
}

bool LMArticle::fullBackgroundOnEachPage() const
{
    return myImpl->myFullBackgroundOnEachPage;
}

bool LMArticle::hasHorizontalPages() const
{
    if (myImpl->myHorizontalPages)
        return *myImpl->myHorizontalPages;
    return myImpl->myOrientation.intersects(LMOrientation(
        LMOrientation::fromInt(int(LMOrientationEnum::Landscape) | int(LMOrientationEnum::PanoramaLandscape))));
}

QList<LMPageType> LMArticle::pageTypes(int theCount) const
{
    using P = LMPageTypeEnum;
    QList<LMPageType> aTypes;
    if (theCount <= 0)
        return aTypes;
    if (hasArticleClass(LMArticleClassEnum::Calendar)) {
        aTypes.append(P::CalendarTitle);
        while (aTypes.size() < theCount)
            aTypes.append(P::CalendarMonth);
        return aTypes;
    }
    if (!hasArticleClass(LMArticleClassEnum::PhotoBook)) {
        while (aTypes.size() < theCount)
            aTypes.append(P::SinglePage);
        return aTypes;
    }
    const bool aRegularCover = coverType().isRegularCover();
    aTypes << P::BackCover << P::Spine << P::FrontCover;
    if (aRegularCover)
        aTypes << P::FrontFlyleaf;
    const int anInside = aRegularCover ? theCount : theCount - 3;
    for (int aPage = 0; aPage < anInside; ++aPage)
        aTypes << (aPage == 0 ? P::FirstPage : aPage == anInside - 1 ? P::LastPage : P::InnerPage);
    if (aRegularCover)
        aTypes << P::BackFlyleaf;
    return aTypes;
}

int LMArticle::minPages() const
{
    return std::max(1, myImpl->myEntry.value(STR_MIN_PAGES).toInt(1));
}

bool LMArticle::requiresExactArticle(const LMJigType& theJigType) const
{
    for (const QJsonValue aWord : myImpl->myEntry.value(STR_EXACT_ARTICLE_JIG_TYPES).toArray()) {
        if (LMJigType(LMJigType::fromInt(LMJigType::decodeCSV(aWord.toString()))).intersects(theJigType))
            return true;
    }
    return false;
}

LMSpaceMagnitude LMArticle::sizeClass() const
{
    return myImpl->mySizeClass;
}

QList<qint32> LMArticle::compatibleProductIds() const
{
    return myImpl->myCompatibleProductIds;
}

LMSpotColor LMArticle::spotColors() const
{
    return myImpl->mySpotColors;
}

bool LMArticle::hasGlassesAddOn(const LMPriceClassSet& thePriceClasses) const
{
    return myImpl->myGlassesPriceClasses.intersects(thePriceClasses);
}

bool LMArticle::hasPassepartoutAddOn(const LMPriceClassSet& thePriceClasses) const
{
    return myImpl->myPassepartoutPriceClasses.intersects(thePriceClasses);
}

QJsonObject LMArticle::catalogueEntry() const
{
    return myImpl->myEntry;
}

LMArticle LMArticle::findDependentArticle(const LMPriceClass& thePriceClass) const
{
    if (thePriceClass.isFree())
        return LMArticle();
    const QString aName = myImpl->myAddOns.value(thePriceClass);
    if (aName.isEmpty())
        return LMArticle();
    return LMProductCatalogue::instance()->findByOrderTxtName(aName);
}

LMMoney LMArticle::priceOfDependendArticles(const LMPriceClassSet& thePriceClasses) const
{
    if (thePriceClasses.isEmpty())
        return LMMoney();
    const QString aCurrency
        = myImpl->myPrice.isValid() ? myImpl->myPrice.currency() : LMProductCatalogue::instance()->currency();
    LMMoney aSum = LMMoney::zero(aCurrency);
    for (const LMPriceClass& aClass : thePriceClasses.sorted()) {
        const LMArticle anAddOn = findDependentArticle(aClass);
        if (anAddOn.isValid())
            aSum += anAddOn.price();
    }
    return aSum;
}

bool LMArticle::matches(const LMArticle& theOther) const
{
    if (isValid() && theOther.isValid())
        return id() == theOther.id();
    return orderTxtName().compare(theOther.orderTxtName(), Qt::CaseInsensitive) == 0;
}

bool operator==(const LMArticle& theA, const LMArticle& theB)
{
    return theA.id() == theB.id() && theA.orderTxtName() == theB.orderTxtName();
}

bool operator<(const LMArticle& theA, const LMArticle& theB)
{
    if (theA.id() != theB.id())
        return theA.id() < theB.id();
    return theA.orderTxtName() < theB.orderTxtName();
}

size_t qHash(const LMArticle& theArticle, size_t theSeed) noexcept
{
    return qHashMulti(theSeed, theArticle.id(), theArticle.orderTxtName());
}

QDebug operator<<(QDebug theDebug, const LMArticle& theArticle)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMArticle(" << theArticle.id() << ", " << theArticle.orderTxtName() << ')';
    return theDebug;
}
