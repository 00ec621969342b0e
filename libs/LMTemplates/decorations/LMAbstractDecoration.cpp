#include "LMAbstractDecoration.h"

#include "LMCategoryType.h"
#include "LMFileEncoder.h"
#include "LMModelXml.h"
#include "LMSVGImageRendererCache.h"
#include "LMThematicCategory.h"
#include "LMXMLParser.h"

#include <QCoreApplication>
#include <QDomElement>
#include <QRegularExpression>
#include <QThread>

#include <cmath>

namespace {
const QString STR_RATIO = QStringLiteral("ratio");
const QString STR_USER_ELEMENT_ID = QStringLiteral("userElementId");
const QString STR_CATEGORIES = QStringLiteral("categories");
const QString STR_CATEGORY = QStringLiteral("category");
const QString STR_REFINEMENT = QStringLiteral("refinement");
const QString STR_FADING = QStringLiteral("fading");
const QString STR_CLIPART = QStringLiteral("clipart");
} // namespace

LMAbstractDecoration::LMAbstractDecoration(const LMJigType& theJigType, const QFileInfo& theSvgFile)
    : LMJig(theJigType), myComposition(LMSVGImageRendererCache::instance()->composition(theSvgFile.absoluteFilePath()))
{
    setUp();
}

LMAbstractDecoration::LMAbstractDecoration(const LMJigType& theJigType, const QFileInfo& theSvgFile,
                                           const QDomElement& theElement)
    : LMAbstractDecoration(theJigType, theSvgFile)
{
    readIdentity(theElement, theSvgFile.absoluteDir());
    myWidthHeightRatio = LMModelXml::doubleAttribute(theElement, STR_RATIO, 0.0);
    myAnchorPoint = LMRelativePinAnchorPoint::decode(theElement);
    myUserElementId = LMXMLParser::intAttribute(theElement, STR_USER_ELEMENT_ID, 0);
    readCategorization(theElement.parentNode().toElement(), theSvgFile.absoluteDir());
}

LMAbstractDecoration::~LMAbstractDecoration() = default;

void LMAbstractDecoration::setUp()
{
    // Decorations are made on loader threads; their signals are for the views of the main thread.
    if (const QCoreApplication* anApp = QCoreApplication::instance(); anApp && thread() != anApp->thread())
        moveToThread(anApp->thread());
    connect(LMSVGImageRendererCache::instance(), &LMSVGImageRendererCache::compositionLoaded, this,
            &LMAbstractDecoration::compositionRepaintNeeded);
}

void LMAbstractDecoration::readIdentity(const QDomElement& theElement, const QDir& theDirectory)
{
    const LMDesignElementID anId = LMDesignElementID::fromXmlAttribute(theElement);
    if (!anId.isValid())
        return;
    setDesignElementID(anId);
    myMetaData = LMDesignElementMetaData::createFromDesignElementId(theDirectory, anId);
}

void LMAbstractDecoration::readCategorization(const QDomElement& theCategoriesParent, const QDir& theDirectory)
{
    Q_UNUSED(theDirectory);
    LMCategorization aCategorization;
    for (QDomElement aCategories = theCategoriesParent.firstChildElement(STR_CATEGORIES); !aCategories.isNull();
         aCategories = aCategories.nextSiblingElement(STR_CATEGORIES)) {
        for (QDomElement aCategory = aCategories.firstChildElement(STR_CATEGORY); !aCategory.isNull();
             aCategory = aCategory.nextSiblingElement(STR_CATEGORY)) {
            const QString aName = aCategory.text().trimmed();
            if (!aName.isEmpty())
                aCategorization.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory(aName));
            if (aCategory.hasAttribute(STR_REFINEMENT)) {
                const LMThematicCategory aSpot
                    = LMThematicCategory::fromSpotColor(LMSpotColor(aCategory.attribute(STR_REFINEMENT)));
                if (!aSpot.isEmpty())
                    aCategorization.insert(LMCategoryTypeEnum::SpotColor, aSpot);
            }
        }
    }
    if (isJigType(LMJigTypeEnum::Mask)) {
        const QDomElement aFading = theCategoriesParent.firstChildElement(STR_FADING);
        aCategorization.insert(LMCategoryTypeEnum::Primary,
                               aFading.firstChildElement(STR_CLIPART).isNull() ? LMThematicCategory::passpartouts()
                                                                               : LMThematicCategory::frames());
    }
    aCategorization.insert(LMCategoryTypeEnum::Subcategory, myMetaData.categories());
    aCategorization.insert(LMCategoryTypeEnum::SpotColor,
                           LMThematicCategorySet::fromSpotColors(myMetaData.spotColors()));
    // The linen capability of the metadata has no category of its own here; filters ask the metadata.
    setCategorization(aCategorization);
}

LMJigKey LMAbstractDecoration::createKeyInternal(int theId) const
{
    return LMJigKey(QStringLiteral("-"), sourceFile(), jigType(), LMDesignElementID(theId));
}

LMJigKey LMAbstractDecoration::createKey() const
{
    return createKeyInternal(isUserElement() ? myUserElementId : designElementID().id());
}

QList<QFileInfo> LMAbstractDecoration::associatedFiles() const
{
    QList<QFileInfo> aFiles { QFileInfo(dataFile()) };
    if (!myExclusiveSourceFile.filePath().isEmpty() && myExclusiveSourceFile.exists())
        aFiles.append(myExclusiveSourceFile);
    return aFiles;
}

QList<LMJig*> LMAbstractDecoration::effectiveJigs()
{
    return { this };
}

QString LMAbstractDecoration::masterModeToolTip() const
{
    return QStringLiteral("UNIQUE NAME: %1\nCATEGORIES: %2")
        .arg(uniqueName(), categories().internalNames().join(QLatin1Char(',')));
}

QString LMAbstractDecoration::visibleDescription() const
{
    return svgComposition().debugName();
}

QImage LMAbstractDecoration::thumbnail(const QSize& theRequested, const LMMirrorRule& theMirrorRule,
                                       const LMSpotColor& theSpotColor)
{
    const QMutexLocker aLocker(&myThumbMutex);
    const QSize aSize = thumbnailSize(theRequested);
    if (myThumbImage.isNull() || myThumbImage.size() != aSize || myThumbMirrorRule != theMirrorRule
        || myThumbSpotColor != theSpotColor) {
        myThumbImage = thumbnailInternal(aSize, theMirrorRule, theSpotColor);
        myThumbMirrorRule = theMirrorRule;
        myThumbSpotColor = theSpotColor;
    }
    return myThumbImage;
}

void LMAbstractDecoration::resetThumbImage()
{
    const QMutexLocker aLocker(&myThumbMutex);
    myThumbImage = QImage();
}

QString LMAbstractDecoration::mimeData() const
{
    if (isUserElement())
        return uniqueName() + QStringLiteral(" %1").arg(myUserElementId);
    return uniqueName();
}

QSize LMAbstractDecoration::thumbnailSize(const QSize& theRequested) const
{
    const int aWidth = theRequested.width();
    const int aHeight = int(std::lround(aWidth * ratio()));
    if (aWidth <= 0 || aHeight <= 0)
        return theRequested;
    return QSize(aWidth, aHeight).scaled(theRequested, Qt::KeepAspectRatio);
}

double LMAbstractDecoration::ratio() const
{
    if (std::abs(myWidthHeightRatio) > 1e-12)
        return myWidthHeightRatio;
    return svgComposition().ratio();
}

bool LMAbstractDecoration::iWatchThisComposition(const LMSVGComposition& theComposition) const
{
    return svgComposition() == theComposition;
}

bool LMAbstractDecoration::isUsable() const
{
    return svgComposition().isReadable() && std::isfinite(myWidthHeightRatio) && myWidthHeightRatio >= 0.0
        && myWidthHeightRatio <= MaximumRatio;
}

QString LMAbstractDecoration::sourceFile() const
{
    return QFileInfo(svgComposition().fileName()).fileName();
}

QString LMAbstractDecoration::dataFile() const
{
    return LMFileEncoder::encodedFilenameCLP(svgComposition().fileName());
}

QString LMAbstractDecoration::productionId() const
{
    static const QRegularExpression ourXml(QStringLiteral(".xml$"));
    static const QRegularExpression ourSvg(QStringLiteral(".svg$"));
    static const QRegularExpression ourMask(QStringLiteral("-mask$"));
    QString anId = sourceFile();
    anId.remove(ourXml);
    anId.remove(ourSvg);
    anId.remove(ourMask);
    return anId;
}

LMRelativePinAnchorPoint LMAbstractDecoration::anchorPoint() const
{
    return myAnchorPoint.isValid() ? myAnchorPoint : svgComposition().anchorPoint();
}

bool LMAbstractDecoration::canBeRecolored() const
{
    return !svgComposition().extractClipartConfiguration().colorReplacements().isEmpty();
}

QList<LMSpotColor> LMAbstractDecoration::availableSpotColors() const
{
    return categorization().availableSpotColors();
}

LMSpotColor LMAbstractDecoration::spotColor() const
{
    const QList<LMSpotColor> aSpotColors = availableSpotColors();
    if (aSpotColors.isEmpty())
        return LMSpotColor();
    const int anIndex = int(std::abs(designElementID().id()) % aSpotColors.size());
    return aSpotColors.at(anIndex);
}

LMSVGComposition LMAbstractDecoration::svgComposition() const
{
    const QMutexLocker aLocker(&myThumbMutex);
    return myComposition;
}

bool LMAbstractDecoration::renderComposition(QPainter* thePainter, const QRectF& theTarget,
                                             const LMClipartConfiguration& theConfiguration,
                                             const LMSpotColor& theSpotColor) const
{
    return svgComposition().render(thePainter, theTarget, theConfiguration,
                                   LMSVGComposition::displayColor(theSpotColor));
}

QDateTime LMAbstractDecoration::lastChanged() const
{
    const QDateTime aChanged = myMetaData.lastChanged();
    return aChanged.isValid() ? aChanged : QFileInfo(svgComposition().fileName()).lastModified();
}

LMThematicCategorySet LMAbstractDecoration::effectiveCategories(bool theWithAll) const
{
    LMThematicCategorySet aCategories = categories();
    if (theWithAll)
        aCategories.insert(LMThematicCategory::categoryAll());
    return aCategories;
}

bool LMAbstractDecoration::isInCategory(const LMThematicCategorySet& theCategories, bool theWithAll) const
{
    return effectiveCategories(theWithAll).intersects(theCategories);
}

bool LMAbstractDecoration::isInCategory(const LMThematicCategory& theCategory, bool theWithAll) const
{
    return effectiveCategories(theWithAll).contains(theCategory);
}

QList<LMSpotColor> LMAbstractDecoration::compatibleSpotColors() const
{
    return LMSpotColor::expandToConvertibles(availableSpotColors());
}

bool LMAbstractDecoration::configMatches(const LMClipartConfiguration& theConfiguration) const
{
    return clipartConfiguration() == theConfiguration;
}

void LMAbstractDecoration::compositionRepaintNeeded(const LMSVGComposition& theComposition)
{
    if (!iWatchThisComposition(theComposition))
        return;
    {
        const QMutexLocker aLocker(&myThumbMutex);
        if (myComposition == theComposition)
            myComposition = theComposition;
        myThumbImage = QImage();
    }
    emit repaint(this);
}
