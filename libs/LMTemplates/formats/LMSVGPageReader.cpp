#include "LMSVGPageReader_p.h"

#include "LMTemplateFactorySVG.h"

#include "LMArticleFilter.h"
#include "LMArticlesGroup.h"
#include "LMCrashReportSender.h"
#include "LMCssSheetRegistry.h"
#include "LMCustomCardColorConfig.h"
#include "LMDirectoryConfig.h"
#include "LMFileHandler.h"
#include "LMFolderListing.h"
#include "LMKeyAccount.h"
#include "LMLocaleAndTranslationManager.h"
#include "LMMath.h"
#include "LMReloadableResourcesManager.h"
#include "LMSVGImage.h"
#include "LMSVGImageCalendar.h"
#include "LMSVGLayerType.h"
#include "LMSVGMetaData.h"
#include "LMSVGNormalizer.h"
#include "LMSVGTransformReader.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionOsm.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateBundleRegistry.h"
#include "LMTemplateDefaultTilt.h"
#include "LMTemplatesLogging.h"
#include "LMTextFormatChange.h"
#include "LMTextFormatParserSVG.h"
#include "LMTextTransform.h"
#include "LMXMLLoader.h"
#include "LMXMLParser.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTransform>
#include <QXmlStreamWriter>

#include <cmath>

namespace {
const QString STR_SVG = QStringLiteral("svg");
const QString STR_G = QStringLiteral("g");
const QString STR_IMAGE = QStringLiteral("image");
const QString STR_RECT = QStringLiteral("rect");
const QString STR_TEXT = QStringLiteral("text");
const QString STR_DEFS = QStringLiteral("defs");
const QString STR_STYLE = QStringLiteral("style");
const QString STR_CLASS = QStringLiteral("class");
const QString STR_CAL = QStringLiteral("cal");
const QString STR_FILL = QStringLiteral("fill");
const QString STR_FILTER = QStringLiteral("filter");
const QString STR_GRAYSCALE = QStringLiteral("grayscale");
const QString STR_TRANSFORM = QStringLiteral("transform");
const QString STR_HREF = QStringLiteral("xlink:href");
const QString STR_WIDTH = QStringLiteral("width");
const QString STR_HEIGHT = QStringLiteral("height");
const QString STR_VIEW_BOX = QStringLiteral("viewBox");
const QString STR_LAYERTYPE = QStringLiteral("lumo:layertype");
const QString STR_LOCKED = QStringLiteral("lumo:locked");
const QString STR_TEXTAREA = QStringLiteral("lumo:textarea");
const QString STR_CAL_EMBED = QStringLiteral("lumo:cal_embed");
const QString STR_CUSTOM_FILL = QStringLiteral("lumo:custom_fill");
const QString STR_REFINEMENT = QStringLiteral("lumo:refinement");
const QString STR_CONTENT_REF = QStringLiteral("lumo:content_ref");
const QString STR_PRICECLASS = QStringLiteral("lumo:priceclass");
const QString STR_HIRESREF = QStringLiteral("lumo:hiresref");
const QString STR_PREVIEWREF = QStringLiteral("lumo:previewref");
const QString STR_SHARED = QStringLiteral("lumo:shared");
const QString STR_OSM = QStringLiteral("lumo:osm");
const QString STR_CONTENT_ID = QStringLiteral("lumo:content_id");
const QString STR_CONNECTED_CONTENT_ID = QStringLiteral("lumo:connected_content_id");
const QString STR_FORMAT = QStringLiteral("lumo:format");
const QString STR_CLICK = QStringLiteral("lumo:click");
const QString STR_LUMO_CAL = QStringLiteral("lumo:cal");
const QString STR_SHARE_COLUMN = QStringLiteral("share_column");
const QString STR_LAYOUT_AREA = QStringLiteral("lumo:layoutArea");
const QString STR_PADDING = QStringLiteral("lumo:padding");
const QString STR_SPACING = QStringLiteral("lumo:spacing");
const QString STR_HORIZONTAL = QStringLiteral("horizontal");
const QString STR_LUMO_PREFIX = QStringLiteral("lumo:");
const QString STR_CUSTOM_FILL_CLASS = QStringLiteral("lumoCustomFill");
const QString STR_CUSTOM_SHEET = QStringLiteral("customColor%1.css");
const QString STR_PATH_CATEGORY = QStringLiteral("__PATH__");
const QString STR_LEGACY_DESIGNS = QStringLiteral("legacyDesigns.xml");
const QString STR_LEGACY_STROKE_WIDTH = QStringLiteral("useLegacyBrokenSvgUnscaledTextStrokeWidth");
const QString STR_SMARTLAYOUT_SUFFIX = QStringLiteral(".smartlayout");

constexpr int FIRST_Z_POSITION = 7010;
constexpr int Z_STEP = 10;
// A centred text with a default text grows by this share of its size on each side.
constexpr double CENTRED_TEXT_GROWTH = 0.05;

bool isTrue(const QDomElement& theElement, const QString& theName, bool theDefault = false)
{
    return LMXMLParser::boolAttribute(theElement, theName, theDefault);
}

LMAreaAbility abilities(bool theResizable)
{
    // A locked area keeps every ability but its geometry (move, resize, rotate, scale).
    constexpr qint32 ALL = static_cast<qint32>(LMAreaAbilityEnum::FotoDefault);
    constexpr qint32 GEOMETRY = static_cast<qint32>(LMAreaAbilityEnum::Geometry);
    return LMAreaAbility(LMAreaAbility::fromInt(theResizable ? ALL : ALL & ~GEOMETRY));
}

// The "transform" values of the element and of its ancestors, outermost first, each followed by
// a blank: written in front of a copy, they put it where the original stands in the document.
QString ancestorTransforms(const QDomElement& theElement)
{
    QStringList aTransforms;
    for (QDomNode aNode = theElement; aNode.isElement(); aNode = aNode.parentNode()) {
        const QString aTransform = aNode.toElement().attribute(STR_TRANSFORM).trimmed();
        if (!aTransform.isEmpty())
            aTransforms.prepend(aTransform + QLatin1Char(' '));
    }
    return aTransforms.join(QString());
}

bool hasCustomFill(const QDomElement& theElement)
{
    if (isTrue(theElement, STR_CUSTOM_FILL))
        return true;
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        if (hasCustomFill(aChild))
            return true;
    return false;
}

// The layer kind of a top-level group; None for anything the format does not know.
LMSVGLayerTypeEnum layerKind(const QDomElement& theGroup)
{
    const int aKind = LMXMLParser::intAttribute(theGroup, STR_LAYERTYPE, 0);
    switch (aKind) {
    case int(LMSVGLayerTypeEnum::Transfer):
    case int(LMSVGLayerTypeEnum::Render):
    case int(LMSVGLayerTypeEnum::Reference):
        return LMSVGLayerTypeEnum(aKind);
    default:
        return LMSVGLayerTypeEnum::None;
    }
}

bool isRenderElement(const QDomElement& theElement)
{
    return theElement.tagName() == STR_TEXTAREA || theElement.attribute(STR_CAL_EMBED) == QLatin1String("true")
        || theElement.attribute(STR_CLASS) == STR_CAL;
}

// Depth first; a render element is collected and not searched further.
void collectRenderElements(const QDomElement& theElement, QList<QDomElement>& theResult)
{
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement()) {
        if (isRenderElement(aChild))
            theResult.append(aChild);
        else
            collectRenderElements(aChild, theResult);
    }
}

QList<QDomElement> renderElements(const QDomElement& theGroup)
{
    QList<QDomElement> aResult;
    collectRenderElements(theGroup, aResult);
    return aResult;
}

void writeNode(QXmlStreamWriter& theWriter, const QDomNode& theNode, bool theSkipRenderElements);

// The shortest text that reads back as the same double.
QString exactNumber(double theValue)
{
    return QString::number(theValue, 'g', QLocale::FloatingPointShortest);
}

// The element with its attributes and content; theTransform, when not null, replaces its
// "transform" (an empty one removes it). Render elements below it are left out on request.
void writeElement(QXmlStreamWriter& theWriter, const QDomElement& theElement, bool theSkipRenderElements,
                  const QString& theTransform = QString())
{
    theWriter.writeStartElement(theElement.tagName());
    const QDomNamedNodeMap anAttributes = theElement.attributes();
    for (int i = 0, aCount = anAttributes.count(); i < aCount; ++i) {
        const QDomAttr anAttribute = anAttributes.item(i).toAttr();
        if (theTransform.isNull() || anAttribute.name() != STR_TRANSFORM)
            theWriter.writeAttribute(anAttribute.name(), anAttribute.value());
    }
    if (!theTransform.isEmpty())
        theWriter.writeAttribute(STR_TRANSFORM, theTransform);
    for (QDomNode aChild = theElement.firstChild(); !aChild.isNull(); aChild = aChild.nextSibling())
        writeNode(theWriter, aChild, theSkipRenderElements);
    theWriter.writeEndElement();
}

// Elements, texts and character data; comments and processing instructions are dropped.
void writeNode(QXmlStreamWriter& theWriter, const QDomNode& theNode, bool theSkipRenderElements)
{
    switch (theNode.nodeType()) {
    case QDomNode::ElementNode: {
        const QDomElement anElement = theNode.toElement();
        if (!theSkipRenderElements || !isRenderElement(anElement))
            writeElement(theWriter, anElement, theSkipRenderElements);
        break;
    }
    case QDomNode::TextNode:
        theWriter.writeCharacters(theNode.nodeValue());
        break;
    case QDomNode::CDATASectionNode:
        theWriter.writeCDATA(theNode.nodeValue());
        break;
    default:
        break;
    }
}

// The names of designs whose texts keep the unscaled stroke width of old renderers, read once per
// process from the legacy designs file of the content.
const QSet<QString>& legacyStrokeWidthDesigns()
{
    static const QSet<QString> ourDesigns = [] {
        QSet<QString> aDesigns;
        const QFileInfo aFile(QDir(LMDirectoryConfig::instance()->legacyDesignsFolder()).filePath(STR_LEGACY_DESIGNS));
        if (!aFile.exists())
            return aDesigns;
        const QDomElement aList
            = LMXMLLoader::loadDocument(aFile).documentElement().firstChildElement(STR_LEGACY_STROKE_WIDTH);
        for (QDomElement anId = aList.firstChildElement(); !anId.isNull(); anId = anId.nextSiblingElement())
            aDesigns.insert(anId.text().trimmed());
        return aDesigns;
    }();
    return ourDesigns;
}

} // namespace

LMSVGPageReader::LMSVGPageReader(const QDomDocument& theDocument, const LMSVGMetaData& theMetaData,
                                 const QFileInfo& thePageFile, const QFileInfo& theRootFile)
    : myDocument(theDocument), myMetaData(theMetaData), myPageFile(thePageFile), myRootFile(theRootFile),
      myStretch(theMetaData.stretchFactor()), myLocked(theMetaData.isLocked())
{
}

bool LMSVGPageReader::isLocked(const QDomElement& theElement) const
{
    return isTrue(theElement, STR_LOCKED, myLocked);
}

QRectF LMSVGPageReader::geometry(const QDomElement& theElement, int* theDegrees) const
{
    return LMTemplateFactorySVG::readRotatedRectStretched(theElement, myStretch, theDegrees);
}

std::unique_ptr<LMTemplate> LMSVGPageReader::parse()
{
    if (myDocument.isNull() || myMetaData.isDuplicate())
        return nullptr;
    createCssSheetMap();
    createBasicTemplate();
    collectAreas();
    const LMTemplateLayerType aLayerType = contentType();
    myTemplate->setTemplateLayerType(aLayerType);
    myTemplate->setSpotColorLayerType(aLayerType);
    if (myTemplate->hasSpotColor())
        LMTemplateFactory::addSpotColorCategory(myTemplate.get(), myTemplate->spotColor());
    return std::move(myTemplate);
}

QSizeF LMSVGPageReader::usableSize() const
{
    const QSizeF aSize = LMXMLParser::readSizeF(root());
    return QSizeF(std::round(aSize.width() * myStretch), std::round(aSize.height() * myStretch));
}

void LMSVGPageReader::createBasicTemplate()
{
    myTemplate = std::make_unique<LMTemplate>(LMJigType(LMJigTypeEnum::SvgTemplate));
    setMetaDataToTemplate();
    myTemplate->setName(LMFileHandler::makeRelativeResourceReference(myPageFile.absoluteFilePath()));
    myTemplate->setPageSize(usableSize());
    LMTemplateFileInfo& anInfo = myTemplate->fileInfo();
    anInfo.setFileType(LMTemplateFileInfoType::SVG);
    anInfo.setFilePath(folder() + QLatin1Char('/'));
    anInfo.setExclusiveSourceFile(myPageFile);
    myTemplate->setTemplateImageSize(LMTemplateImageSizeEnum::SinglePage);
}

void LMSVGPageReader::setMetaDataToTemplate()
{
    LMTemplate& aTemplate = *myTemplate;
    LMArticlesGroup aGroup(LMArticleFilter::filterByArticleSize(myMetaData.effectiveTargetArticles(), usableSize()));
    aGroup.expandProductsToCompatibles();
    aTemplate.setArticleGroup(aGroup);
    aTemplate.setThematicCategories(LMCategoryTypeEnum::Subcategory, myMetaData.thematicCategories());
    LMTemplateFileInfo& anInfo = aTemplate.fileInfo();
    const bool aHasThumbnail = !myMetaData.thumbnail().isEmpty();
    if (aHasThumbnail)
        anInfo.setThumbnailFile(myMetaData.thumbnail());
    aTemplate.setAutoThumbSetting(aHasThumbnail ? LMAutoThumbOptionEnum::Default : LMAutoThumbOptionEnum::Layout);
    anInfo.setImagePathPrefix(myMetaData.imagePathPrefix());
    aTemplate.setLocksLayout(myMetaData.isLocked());
    aTemplate.setDefaultRotation(LMTemplateDefaultTilt(LMAngle(myMetaData.rotation())));
    aTemplate.setProductionRotation(LMTemplateDefaultTilt(LMAngle(myMetaData.productionRotation())));
    aTemplate.setExplicitCalendariumOptions(myMetaData.calendariumOptions());
    aTemplate.setDesignElementID(myMetaData.designElementID());
    if (myMetaData.pageType().isValid())
        aTemplate.setPageConstraint(LMPageConstraint(myMetaData.pageType()));
    aTemplate.setPriceClass(myMetaData.priceClass());
    aTemplate.setCalendariumFlow(myMetaData.calendariumFlow());
    aTemplate.setArticleVariants(myMetaData.articleVariants());
    aTemplate.setMetaData(myMetaData.designElementMetaData());
    aTemplate.setThematicCategories(LMCategoryTypeEnum::Internal,
                                    LMThematicCategorySet { LMThematicCategory(STR_PATH_CATEGORY + folder()) });
}

void LMSVGPageReader::collectAreas()
{
    LMTemplateAreaDefinitionList anAreas;
    std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> aSmartLayout = processSmartLayout();
    for (QDomElement aGroup = root().firstChildElement(STR_G); !aGroup.isNull();
         aGroup = aGroup.nextSiblingElement(STR_G)) {
        switch (layerKind(aGroup)) {
        case LMSVGLayerTypeEnum::Transfer:
            parseTransferLayer(aGroup, anAreas);
            break;
        case LMSVGLayerTypeEnum::Render:
            parseRenderLayer(aGroup, anAreas);
            break;
        case LMSVGLayerTypeEnum::Reference:
            parseReferenceLayer(aGroup, anAreas);
            break;
        default:
            break; // not a layer of the format
        }
    }

    int aZ = FIRST_Z_POSITION + (aSmartLayout ? Z_STEP : 0);
    for (int i = 0; i < anAreas.count(); ++i, aZ += Z_STEP) {
        anAreas.at(i)->setZPosition(aZ);
        if (aSmartLayout && anAreas.at(i)->isType(LMAreaType(LMAreaTypeEnum::Foto) | LMAreaTypeEnum::Osm))
            aSmartLayout->addChild(anAreas.at(i)->clone());
    }
    if (aSmartLayout) {
        aSmartLayout->setZPosition(aZ);
        myTemplate->addAreaDefinition(std::move(aSmartLayout));
    }
    // Handed over, not copied: the list is not needed afterwards.
    while (!anAreas.isEmpty())
        myTemplate->addAreaDefinition(anAreas.takeAt(0));
    myTemplate->injectSmartLayout();
}

std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> LMSVGPageReader::processSmartLayout() const
{
    const QStringList aParts = myPageFile.completeBaseName().split(QLatin1Char('-'));
    const QString aPrefix = aParts.mid(0, 3).join(QLatin1Char('-'));
    const QStringList aFiles = LMFolderListing::filesWithSuffix(folder(), STR_SMARTLAYOUT_SUFFIX);
    for (const QString& aName : aFiles) {
        if (!aName.startsWith(aPrefix))
            continue;
        const QString aPath = LMFileHandler::resolveContentReference(folder(), aName);
        if (aPath.isEmpty())
            return nullptr;
        const QDomElement aLayoutArea = LMXMLLoader::loadDocument(QFileInfo(aPath))
                                            .documentElement()
                                            .elementsByTagName(STR_LAYOUT_AREA)
                                            .item(0)
                                            .toElement();
        if (aLayoutArea.isNull())
            return nullptr;
        int aDegrees = 0;
        QRectF aRect = geometry(aLayoutArea, &aDegrees);
        const QMarginsF aPadding = LMXMLParser::readMargins(aLayoutArea.firstChildElement(STR_PADDING)) * myStretch;
        aRect = aRect.marginsRemoved(aPadding);
        auto aSmartLayout = std::make_unique<LMTemplateAreaDefinitionSmartLayout>(
            LMAreaDescription(LMRotatedRect(aRect, LMAngle(aDegrees)), abilities(true)),
            LMAreaPositioningConstraintEnum::Anywhere);
        aSmartLayout->setActive(true);
        aSmartLayout->setSpacing(
            LMDistance(LMXMLParser::doubleAttribute(aLayoutArea.firstChildElement(STR_SPACING), STR_HORIZONTAL, 0.0)));
        return aSmartLayout;
    }
    return nullptr;
}

void LMSVGPageReader::parseTransferLayer(const QDomElement& theGroup, LMTemplateAreaDefinitionList& theAreas)
{
    // Images nested in groups of the layer are slots as well.
    const QDomNodeList anImages = theGroup.elementsByTagName(STR_IMAGE);
    for (int i = 0; i < anImages.size(); ++i)
        theAreas.append(parseFoto(anImages.item(i).toElement()));
}

std::unique_ptr<LMTemplateAreaDefinition> LMSVGPageReader::parseFoto(const QDomElement& theImage) const
{
    int aDegrees = 0;
    const QRectF aRect = geometry(theImage, &aDegrees);
    LMImageFXs anEffects;
    if (theImage.attribute(STR_FILTER).contains(STR_GRAYSCALE, Qt::CaseInsensitive))
        anEffects = LMImageFXsEnum::Grayscale;
    const LMAreaDescription aDescription(LMRotatedRect(aRect, LMAngle(aDegrees)), abilities(!isLocked(theImage)),
                                         LMAreaDecoration(), anEffects);
    const QDomElement anOsm = theImage.firstChildElement(STR_OSM);
    if (anOsm.isNull())
        return std::make_unique<LMTemplateAreaDefinitionFoto>(aDescription, LMAreaPositioningConstraintEnum::Anywhere);

    auto aMap = std::make_unique<LMTemplateAreaDefinitionOsm>(aDescription, LMAreaPositioningConstraintEnum::Anywhere);
    const LMOsmContent aContent = LMOsmContent::read(anOsm, STR_LUMO_PREFIX);
    aMap->setContent(aContent);
    const QString aContentId = theImage.attribute(STR_CONTENT_ID).trimmed();
    if (!aContentId.isEmpty()) {
        aMap->setAssociationId(LMAreaAssociationId(aContentId));
        aMap->setGeoPosition(LMAreaAssociationId(aContentId), aContent.center());
    }
    return aMap;
}

void LMSVGPageReader::takeSpotColor(const QDomElement& theElement, const QRectF& theRect)
{
    const QString aText = theElement.attribute(STR_REFINEMENT).trimmed();
    if (myTemplate->hasSpotColor() || aText.isEmpty())
        return;
    const LMSpotColor aSpotColor(aText);
    if (aSpotColor.isValid())
        myTemplate->setSpotColorLayer(aSpotColor, theRect);
}

void LMSVGPageReader::parseRenderLayer(const QDomElement& theGroup, LMTemplateAreaDefinitionList& theAreas)
{
    takeSpotColor(theGroup);
    // The style sheet map has looked at every element: without a custom fill on the page, none of
    // the group has one either.
    if (!myCustomFill || !hasCustomFill(theGroup)) {
        theAreas.append(parseRenderSectionAsSingleSVG(theGroup, QRectF(), 0, false));
    } else {
        for (QDomElement aChild = theGroup.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
            if (!isRenderElement(aChild))
                theAreas.append(parseRenderSectionAsSingleSVG(aChild, QRectF(), 0, false));
    }
    parseRenderElements(theGroup, theAreas);
}

void LMSVGPageReader::parseRenderElements(const QDomElement& theGroup, LMTemplateAreaDefinitionList& theAreas)
{
    for (const QDomElement& anElement : renderElements(theGroup)) {
        if (anElement.tagName() == STR_TEXTAREA)
            theAreas.append(parseTextElement(anElement));
        else if (anElement.attribute(STR_CAL_EMBED) == QLatin1String("true"))
            parseEmbededCalendarium(anElement, theAreas);
        else
            theAreas.append(parseRenderSectionAsSingleSVG(anElement, QRectF(), 0, false));
        takeSpotColor(anElement);
    }
}

void LMSVGPageReader::parseReferenceLayer(const QDomElement& theGroup, LMTemplateAreaDefinitionList& theAreas)
{
    const int aFirst = theAreas.count();
    const QDomElement anImage = theGroup.firstChildElement(STR_IMAGE);
    const QString aContentRef = anImage.attribute(STR_CONTENT_REF).trimmed();
    LMTemplateFileInfo& anInfo = myTemplate->fileInfo();
    if (!anImage.isNull()) {
        int aDegrees = 0;
        const QRectF aRect = geometry(anImage, &aDegrees);
        const QString aHref = anImage.attribute(STR_HREF);
        if (!anImage.attribute(STR_REFINEMENT).trimmed().isEmpty() && !myTemplate->hasSpotColor()) {
            const QRectF aLayerRect(LMXMLParser::doubleAttribute(anImage, QStringLiteral("x"), -1.0),
                                    LMXMLParser::doubleAttribute(anImage, QStringLiteral("y"), -1.0),
                                    LMXMLParser::doubleAttribute(anImage, STR_WIDTH, -1.0),
                                    LMXMLParser::doubleAttribute(anImage, STR_HEIGHT, -1.0));
            takeSpotColor(anImage, aLayerRect);
            anInfo.setSpotColorFile(aHref);
        }
        if (anImage.hasAttribute(STR_PRICECLASS)) {
            const LMPriceClass aPriceClass = LMPriceClass::create(anImage.attribute(STR_PRICECLASS));
            anInfo.setPriceClass(aPriceClass);
            anInfo.setSpotColorPriceClass(aPriceClass);
        }
        // The high-resolution thumbnail, else the preview image.
        const QString anImagePath = QDir(folder()).filePath(myMetaData.imagePathPrefix());
        for (const QString& aName : { STR_HIRESREF, STR_PREVIEWREF }) {
            const QString aValue = anImage.attribute(aName).trimmed();
            if (aValue.isEmpty())
                continue;
            const QString aPath = QDir(anImagePath).filePath(aValue);
            if (QFileInfo(aPath).isFile() && !LMFileHandler::resolveContentReference(anImagePath, aValue).isEmpty()) {
                anInfo.setThumbnailFile(aPath);
                break;
            }
            qCWarning(lcFormats).noquote() << QStringLiteral("no image found with name: ") + aPath;
        }
        QString aPrefix = myMetaData.imagePathPrefix();
        aPrefix.replace(QLatin1Char('/'), QLatin1Char('_'));
        anInfo.setPDFFile(
            QStringList { myMetaData.contentRefPrefix(), anInfo.priceClass().toString(), aPrefix, aContentRef }.join(
                QLatin1Char('_')));
        if (aHref.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) && QFileInfo(aHref).isFile()) {
            LMAreaDescription aDescription(LMRotatedRect(aRect, LMAngle(aDegrees)), abilities(!isLocked(anImage)));
            aDescription.setBackgroundContent(true);
            auto anArea = std::make_unique<LMTemplateAreaDefinitionSVG>(aDescription,
                                                                        LMAreaPositioningConstraintEnum::Anywhere);
            QFile aFile(aHref);
            if (aFile.open(QIODevice::ReadOnly))
                anArea->setSvgImage(std::make_unique<LMSVGImage>(aFile.readAll()));
            theAreas.append(std::move(anArea));
        }
    }
    parseRenderElements(theGroup, theAreas);
    for (int i = aFirst; i < theAreas.count(); ++i)
        theAreas.at(i)->setReference(LMUnconfiguredTemplate(myTemplate.get()), aContentRef);
}

std::unique_ptr<LMTemplateAreaDefinitionText> LMSVGPageReader::parseTextElement(const QDomElement& theElement) const
{
    int aDegrees = 0;
    QRectF aRect = geometry(theElement, &aDegrees);
    LMTextFormatChange aFormat = LMTextFormatParserSVG::elementFormat(theElement, myMetaData.svgDPI());
    if (LMSpotColor(theElement.attribute(STR_REFINEMENT).trimmed()).isValid()) {
        LMTextFormat aSpotColorText = aFormat.format();
        aSpotColorText.setSpotColorText(true);
        aFormat = LMTextFormatChange(aSpotColorText, aFormat.fields() | LMTextFormat::SpotColorText);
    }
    QString aDefaultText = theElement.text().trimmed();
    if (LMTemplateFactorySVG::isPlaceholderText(aDefaultText))
        aDefaultText.clear();
    if (!aDefaultText.isEmpty() && aFormat.changes(LMTextFormat::AlignmentHorizontal)
        && aFormat.format().alignmentHorizontal() == Qt::AlignHCenter)
        aRect.adjust(-aRect.width() * CENTRED_TEXT_GROWTH, -aRect.height() * CENTRED_TEXT_GROWTH,
                     aRect.width() * CENTRED_TEXT_GROWTH, aRect.height() * CENTRED_TEXT_GROWTH);

    auto aText = std::make_unique<LMTemplateAreaDefinitionText>(
        LMAreaDescription(LMRotatedRect(aRect, LMAngle(aDegrees)), abilities(!isLocked(theElement))),
        LMAreaPositioningConstraintEnum::Anywhere);
    aText->setTextFormatChange(aFormat);
    aText->setDefaultText(aDefaultText);
    const QString aShared = theElement.attribute(STR_SHARED).trimmed();
    if (!aShared.isEmpty())
        aText->setAssociationId(LMAreaAssociationId(aShared));
    const QDomElement anOsm = theElement.firstChildElement(STR_OSM);
    const QString aConnected = anOsm.attribute(STR_CONNECTED_CONTENT_ID).trimmed();
    if (!aConnected.isEmpty() && anOsm.hasAttribute(STR_FORMAT)) {
        // "pattern" or "pattern|transform".
        const QString aFormatText = anOsm.attribute(STR_FORMAT);
        const qsizetype aBar = aFormatText.lastIndexOf(QLatin1Char('|'));
        aText->setAssociationId(LMAreaAssociationId(aConnected));
        aText->setAutoTextPattern(aBar < 0 ? aFormatText : aFormatText.left(aBar));
        if (aBar >= 0)
            aText->setAutoTextTransform(LMTextTransform::parse(aFormatText.mid(aBar + 1)));
    }
    return aText;
}

void LMSVGPageReader::parseEmbededCalendarium(const QDomElement& theElement,
                                              LMTemplateAreaDefinitionList& theAreas) const
{
    int aDegrees = 0;
    const QRectF aRect = geometry(theElement, &aDegrees);
    // The outermost refinement of the ancestors wins.
    LMSpotColor aSpotColor;
    for (QDomNode aNode = theElement; aNode.isElement(); aNode = aNode.parentNode()) {
        const LMSpotColor aFound(aNode.toElement().attribute(STR_REFINEMENT).trimmed());
        if (aFound.isValid())
            aSpotColor = aFound;
    }
    const QString aHref = theElement.attribute(STR_HREF).trimmed();
    // The document's preparation removed a reference it refused, with its own warning.
    if (aHref.isEmpty())
        return;
    QFileInfo aFile(QDir(folder()).filePath(aHref));
    if (!aFile.isFile()) {
        const QString aVariant = QStringLiteral("%1/%2_%3.%4")
                                     .arg(aFile.absolutePath(), aFile.completeBaseName(),
                                          LMLocaleAndTranslationManager::instance()->languageCode(), aFile.suffix());
        if (QFileInfo(aVariant).isFile())
            aFile = QFileInfo(aVariant);
    }
    const QString aPath
        = aFile.isFile() ? LMFileHandler::resolveContentReference(folder(), aFile.absoluteFilePath()) : QString();
    if (aPath.isEmpty()) {
        qCWarning(lcFormats).noquote() << QStringLiteral("file does not exist: ") + aFile.absoluteFilePath();
        return;
    }
    const QDomDocument aCalendar = LMXMLLoader::loadDocument(QFileInfo(aPath));
    if (aCalendar.isNull())
        return;

    auto anArea = std::make_unique<LMTemplateAreaDefinitionSVG>(
        LMAreaDescription(LMRotatedRect(aRect, LMAngle(aDegrees)), abilities(!isLocked(theElement))),
        LMAreaPositioningConstraintEnum::Anywhere);
    auto anImage = std::make_unique<LMSVGImageCalendar>(aCalendar.toByteArray(-1), myCssSheets);
    applyLegacyCheck(*anImage);
    anArea->setSvgImage(std::move(anImage));
    anArea->setDefaultCssSheet(myDefaultCssSheet);
    anArea->setCustomCssSheet(myCustomCssSheet);
    theAreas.append(std::move(anArea));

    // Named text areas: a rectangle and a text of the calendar carrying the same name. The
    // calendar's own coordinates are scaled onto the area; a turned area turns its texts with it.
    LMTextFormatChange aSheetFormat;
    const LMCssSheetTitleIdMap aSheets = LMCssSheetTitleIdMap::fromDocument(aCalendar);
    const QString aSheetId = aSheets.sheetId(aSheets.defaultTitle());
    if (!aSheetId.isEmpty() && LMCssSheetRegistry::instance()->contains(aSheetId))
        aSheetFormat
            = LMTextFormatParserSVG::parseCSS(LMCssSheetRegistry::instance()->sheet(aSheetId), myMetaData.svgDPI());
    const QSizeF aCalendarSize = LMXMLParser::readSizeF(aCalendar.documentElement());
    if (aCalendarSize.width() <= 0 || aCalendarSize.height() <= 0)
        return;
    const double aScaleX = aRect.width() / aCalendarSize.width();
    const double aScaleY = aRect.height() / aCalendarSize.height();
    const auto aNameOf = [](const QDomElement& theCandidate) {
        for (const QString& anAttribute : { STR_LUMO_CAL, STR_CLICK, STR_CLASS }) {
            const QString aName = theCandidate.attribute(anAttribute).trimmed();
            if (!aName.isEmpty())
                return aName;
        }
        return QString();
    };
    QHash<QString, QDomElement> aTexts;
    const QDomNodeList aTextNodes = aCalendar.elementsByTagName(STR_TEXT);
    for (int i = 0; i < aTextNodes.size(); ++i) {
        const QDomElement aText = aTextNodes.item(i).toElement();
        const QString aName = aNameOf(aText);
        if (!aName.isEmpty() && !aTexts.contains(aName))
            aTexts.insert(aName, aText);
    }
    const QDomNodeList aRects = aCalendar.elementsByTagName(STR_RECT);
    for (int i = 0; i < aRects.size(); ++i) {
        const QDomElement aRectElement = aRects.item(i).toElement();
        const QString aName = aNameOf(aRectElement);
        const QDomElement aText = aTexts.value(aName);
        if (aName.isEmpty() || aText.isNull())
            continue;
        const QRectF aLocal = QTransform(LMSVGTransformReader::transformMatrix(aRectElement))
                                  .mapRect(LMXMLParser::readRectF(aRectElement));
        const QRectF aTextRect(aRect.left() + aLocal.left() * aScaleX, aRect.top() + aLocal.top() * aScaleY,
                               aLocal.width() * aScaleX, aLocal.height() * aScaleY);
        LMTextFormatChange aFormat = LMTextFormatParserSVG::elementFormat(aText, myMetaData.svgDPI());
        aFormat.merge(aSheetFormat);
        if (aSpotColor.isValid()) {
            LMTextFormat aSpotColorText = aFormat.format();
            aSpotColorText.setSpotColorText(true);
            aFormat = LMTextFormatChange(aSpotColorText, aFormat.fields() | LMTextFormat::SpotColorText);
        }
        auto aTextArea = std::make_unique<LMTemplateAreaDefinitionText>(
            LMAreaDescription(LMRotatedRect(aTextRect, LMAngle(aDegrees)), abilities(false)),
            LMAreaPositioningConstraintEnum::Anywhere);
        aTextArea->setTextFormatChange(aFormat);
        aTextArea->setDefaultText(aText.text().trimmed());
        if (aName.startsWith(STR_SHARE_COLUMN))
            aTextArea->setShareName(aName);
        theAreas.append(std::move(aTextArea));
    }
}

std::unique_ptr<LMTemplateAreaDefinitionSVG>
LMSVGPageReader::parseRenderSectionAsSingleSVG(const QDomElement& theElement, const QRectF& theRect, int theDegrees,
                                               bool theBackgroundContent) const
{
    // The area's own SVG document, written straight from the page's nodes: no copy of them is
    // built, the group's render elements are left out and its transform is replaced on the way.
    // Written into a string and encoded once: a writer on bytes encodes every piece it writes.
    QString aText;
    QXmlStreamWriter aWriter(&aText);
    aWriter.writeStartElement(STR_SVG);
    QRectF anAreaRect = theRect;
    if (theRect.isValid()) {
        aWriter.writeAttribute(STR_WIDTH, exactNumber(theRect.width() / myStretch));
        aWriter.writeAttribute(STR_HEIGHT, exactNumber(theRect.height() / myStretch));
    } else {
        // The area covers the page.
        const QSizeF aSize = LMXMLParser::readSizeF(root());
        aWriter.writeAttribute(STR_WIDTH, exactNumber(aSize.width()));
        aWriter.writeAttribute(STR_HEIGHT, exactNumber(aSize.height()));
        if (root().hasAttribute(STR_VIEW_BOX))
            aWriter.writeAttribute(STR_VIEW_BOX, root().attribute(STR_VIEW_BOX));
        anAreaRect = QRectF(QPointF(0, 0), aSize * myStretch);
        theDegrees = 0;
    }
    aWriter.writeAttribute(QStringLiteral("xmlns:lumo"), LMTemplateFactorySVG::STR_NAMESPACE_URI);
    aWriter.writeAttribute(QStringLiteral("xmlns"), QStringLiteral("http://www.w3.org/2000/svg"));
    aWriter.writeAttribute(QStringLiteral("xmlns:xlink"), QStringLiteral("http://www.w3.org/1999/xlink"));
    // Gradients, patterns and style rules the area may refer to.
    for (QDomElement aChild = root().firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        if (aChild.tagName() == STR_DEFS || aChild.tagName() == STR_STYLE)
            writeNode(aWriter, aChild, false);

    QString aTransform;
    if (theRect.isValid()) {
        const QPointF aTopLeft = theRect.topLeft() / myStretch;
        aTransform = QStringLiteral(" translate(%1 %2) ").arg(-aTopLeft.x()).arg(-aTopLeft.y());
        if (theDegrees != 0)
            aTransform += QStringLiteral(" rotate(%1 %2 %3) ")
                              .arg(-theDegrees)
                              .arg(LMXMLParser::doubleAttribute(theElement, STR_WIDTH, 1.0) / 2)
                              .arg(LMXMLParser::doubleAttribute(theElement, STR_HEIGHT, 1.0) / 2);
    }
    aTransform += ancestorTransforms(theElement);
    // Render elements of a group become areas of their own.
    writeElement(aWriter, theElement, !isRenderElement(theElement),
                 aTransform.trimmed().isEmpty() ? QString() : aTransform);
    aWriter.writeEndElement();

    auto anImage = std::make_unique<LMSVGImageCalendar>(aText.toUtf8(), myCssSheets);
    applyLegacyCheck(*anImage);
    LMAreaDescription aDescription(LMRotatedRect(anAreaRect, LMAngle(theDegrees)), abilities(!isLocked(theElement)));
    aDescription.setBackgroundContent(theBackgroundContent);
    auto anArea
        = std::make_unique<LMTemplateAreaDefinitionSVG>(aDescription, LMAreaPositioningConstraintEnum::Anywhere);
    anArea->setSvgImage(std::move(anImage));
    anArea->setDefaultCssSheet(myDefaultCssSheet);
    anArea->setCustomCssSheet(myCustomCssSheet);
    return anArea;
}

void LMSVGPageReader::applyLegacyCheck(LMSVGImageCalendar& theImage) const
{
    const LMDesignElementID anId = myMetaData.designElementID();
    if (anId.isValid() && legacyStrokeWidthDesigns().contains(anId.toString()))
        theImage.setUseLegacyBrokenSvgUnscaledTextStrokeWidth(true);
}

void LMSVGPageReader::createCssSheetMap()
{
    LMCssSheetTitleIdMap aSheets = myMetaData.cssSheets();
    myDefaultCssSheet = aSheets.defaultTitle();
    QColor aCustomColor;
    // Custom fill: the elements take the class of the user's colour sheet instead of their fill.
    QList<QDomElement> aPending { root() };
    while (!aPending.isEmpty()) {
        QDomElement anElement = aPending.takeLast();
        for (QDomElement aChild = anElement.lastChildElement(); !aChild.isNull();
             aChild = aChild.previousSiblingElement())
            aPending.append(aChild);
        if (!isTrue(anElement, STR_CUSTOM_FILL))
            continue;
        myCustomFill = true;
        anElement.setAttribute(STR_CLASS, STR_CUSTOM_FILL_CLASS);
        if (!aCustomColor.isValid())
            aCustomColor = LMXMLParser::colorAttribute(anElement, STR_FILL, QColor(Qt::black));
        anElement.removeAttribute(STR_FILL);
    }
    aSheets.unite(LMCustomCardColorConfig::instance()->cssSheets());
    for (const QString& aTitle : aSheets.titles()) {
        const QString aText = LMCssSheetRegistry::instance()->sheet(aSheets.sheetId(aTitle));
        if (!aText.isEmpty())
            myCssSheets.insert(aTitle, aText);
    }
    if (myCustomFill) {
        myCustomCssSheet = STR_CUSTOM_SHEET.arg(aCustomColor.name());
        myCssSheets.insert(myCustomCssSheet,
                           QStringLiteral(".%1 { fill: %2; }").arg(STR_CUSTOM_FILL_CLASS, aCustomColor.name()));
        if (myDefaultCssSheet.isEmpty())
            myDefaultCssSheet = myCustomCssSheet;
    }
}

LMTemplateLayerType LMSVGPageReader::contentType() const
{
    LMTemplateLayerType aLayer = LMTemplateLayerTypeEnum::Content0;
    bool aReferenceSeen = false;
    bool aTextSeen = false;
    bool aTransferSeen = false;
    for (QDomElement aGroup = root().firstChildElement(STR_G); !aGroup.isNull();
         aGroup = aGroup.nextSiblingElement(STR_G)) {
        switch (layerKind(aGroup)) {
        case LMSVGLayerTypeEnum::Render:
            for (const QDomElement& anElement : renderElements(aGroup))
                aTextSeen = aTextSeen || anElement.tagName() == STR_TEXTAREA;
            break;
        case LMSVGLayerTypeEnum::Transfer:
            aTransferSeen = true;
            break;
        case LMSVGLayerTypeEnum::Reference:
            if (myCustomFill) {
                aLayer = LMTemplateLayerTypeEnum::Content2;
                aReferenceSeen = true;
            } else if (aTextSeen) {
                aLayer = aReferenceSeen ? LMTemplateLayerTypeEnum::Content2 : LMTemplateLayerTypeEnum::Content3;
            } else if (aTransferSeen) {
                aLayer = LMTemplateLayerTypeEnum::Content2;
                aTextSeen = false;
            } else {
                aReferenceSeen = true;
                aTextSeen = false;
            }
            break;
        default:
            break;
        }
    }
    if (aLayer == LMTemplateLayerTypeEnum::Content2 && !myCustomFill
        && myTemplate->areaDefinitions().count(LMAreaTypeEnum::SVG) > 0)
        aLayer = LMTemplateLayerTypeEnum::Content1;
    return aLayer;
}
