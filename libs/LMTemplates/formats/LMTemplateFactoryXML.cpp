#include "LMTemplateFactoryXML.h"

#include "LMArticleList.h"
#include "LMArticlesGroup.h"
#include "LMArticleVariants.h"
#include "LMCategoryType.h"
#include "LMDesignElementID.h"
#include "LMPageConstraint.h"
#include "LMProductRestriction.h"
#include "LMSpotColor.h"
#include "LMTemplate.h"
#include "LMTemplateDefaultTilt.h"
#include "LMTemplateIO.h"
#include "LMThematicCategorySet.h"
#include "LMXMLElement.h"
#include "LMXMLParserTemplate.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomElement>
#include <QFileInfo>

namespace {
const QString STR_ORIENTATION = QStringLiteral("orientation");
const QString STR_REFINEMENT = QStringLiteral("refinement");
const QString STR_PAGE_TYPE = QStringLiteral("pagetype");
const QString STR_FARBEN = QStringLiteral("Farben");
const QString STR_LANDSCAPE_SINGLE_SIDED = QStringLiteral("landscapeSingleSided");
const QString STR_BACKGROUND_FILE_PATH = QStringLiteral("backgroundFilePath");
const QString STR_BACKGROUND_FILE_TYPE = QStringLiteral("backgroundFileType");
const QString STR_SIZE_PLACEHOLDER = QStringLiteral("%1.");
const QString STR_SPOT_COLOR_FILENAME = QStringLiteral("spotColorFilename");
const QString STR_VARIANT = QStringLiteral("variant");
const QString STR_PARENT_FOLDER = QStringLiteral("../");

// Pages whose templates are made for them alone: flyleaves, front and back covers, the slipcase.
constexpr qint32 SPECIAL_PAGES = 0x20390;
// The ordinary pages a template without special pages is offered on.
constexpr qint32 ORDINARY_PAGES = 0x6D006E;

bool existsIn(const QString& theFolder, const QString& theFile)
{
    return !theFile.isEmpty() && QFileInfo(QDir(theFolder), theFile).isFile();
}
} // namespace

LMUnconfiguredTemplate LMTemplateFactoryXML::createTemplate(const LMXMLElement& theElement, const QString& theBasePath,
                                                            const LMDesignElementMetaData& theMetaData)
{
    if (theElement.isNull())
        return LMUnconfiguredTemplate::null();
    const LMJigType aJigType(attribute(theElement, LMTemplateIO::WORD_TYPE));
    LMUnconfiguredTemplate aHandle = LMUnconfiguredTemplate::fromXml(theElement, theBasePath, aJigType);
    LMTemplate* aTemplate = aHandle.templatePointer();
    aTemplate->setMetaData(theMetaData);
    aTemplate->fileInfo().setFileType(LMTemplateFileInfoType::XML);
    aTemplate->fileInfo().setFilePath(theBasePath);

    aTemplate->setAreaDefinitions(
        LMXMLParserTemplate::readAreas(theElement, theBasePath, LMXMLParserTemplate::FixPosition));
    readGeneralInfo(aTemplate, theElement, theBasePath, theMetaData);

    aTemplate->setMinimumProductSize(aTemplate->estimateMinimumProductSize(), true);
    if (isPosterStrip(*aTemplate, theElement))
        aTemplate->setDefaultRotation(LMTemplateDefaultTilt::fromXml(theElement));
    return aHandle;
}

void LMTemplateFactoryXML::readGeneralInfo(LMTemplate* theTemplate, const LMXMLElement& theElement,
                                           const QString& theBasePath, const LMDesignElementMetaData& theMetaData)
{
    const LMDesignElementID anId = LMDesignElementID::fromXmlAttribute(theElement);
    if (anId.isValid())
        theTemplate->setDesignElementID(anId);
    readCategories(theTemplate, theElement, theMetaData);

    const QString aName = attribute(theElement, LMTemplateIO::WORD_NAME);
    theTemplate->setName(aName);
    theTemplate->setAutoThumbSetting(LMAutoThumbOption(attribute(theElement, LMTemplateIO::WORD_AUTOTHUMB)));
    // Nothing named, or nothing known, means every orientation.
    const LMOrientation aSupported(attribute(theElement, STR_ORIENTATION));
    theTemplate->setSupportedOrientation(aSupported.isValid() ? aSupported : LMOrientation(LMOrientationEnum::All));
    theTemplate->setPriceClass(
        LMPriceClass::create(attribute(theElement, LMTemplateIO::WORD_PRICECLASS, LMTemplateIO::WORD_01)));

    // The products: the article class and the orientation describe them, "product" names them.
    LMProductRestriction aRestriction;
    aRestriction.addArticleClass(readArticleClass(theElement, theTemplate->jigType()));
    const LMOrientation anOrientation = LMXMLParserTemplate::readOrientation(theElement);
    // All orientations restrict nothing; added, they would shut out articles without one.
    if (anOrientation != LMOrientationEnum::All)
        aRestriction.addOrientation(anOrientation);
    LMArticlesGroup aGroup;
    aGroup.addRestriction(aRestriction);
    aGroup.addArticles(LMArticleList::buildFromCSVOrderTxtNames(attribute(theElement, LMTemplateIO::WORD_PRODUCT)));
    theTemplate->setArticleGroup(aGroup);
    theTemplate->setPageConstraint(LMPageConstraint(readPageType(theElement)));

    theTemplate->setUserLayout(attribute(theElement, LMTemplateIO::WORD_CATEGORY) == userLayoutCategoryName());
    theTemplate->setLocksLayout(boolAttribute(theElement, LMTemplateIO::WORD_LOCKS_LAYOUT, false));
    theTemplate->setLandscapeSingleSided(boolAttribute(theElement, STR_LANDSCAPE_SINGLE_SIDED, false));
    theTemplate->readAttributes(theElement);

    if (theTemplate->isJigType(LMJigTypeEnum::Layout))
        theTemplate->setTemplateLayerType(LMTemplateLayerTypeEnum::Layout);
    else
        theTemplate->setTemplateLayerType(LMXMLParserTemplate::backgroundType(theElement));
    // Old background lists name their backgrounds by number only.
    if (theTemplate->isBackground() && !theTemplate->designElementID().isValid()) {
        bool anOk = false;
        const qint32 aNumber = aName.trimmed().toInt(&anOk);
        theTemplate->setDesignElementID(LMDesignElementID(anOk ? aNumber : 0));
    }

    theTemplate->fileInfo().setThumbnailFile(findThumbnailFile(theElement, theBasePath));
    const QString aPreview = attribute(theElement, LMTemplateIO::WORD_PREVIEW);
    if (existsIn(theBasePath, aPreview))
        theTemplate->fileInfo().setPreviewFile(aPreview);

    readSpotColor(theTemplate, theElement);
    readVariants(theTemplate, theElement);
    theTemplate->setSort(intAttribute(theElement, LMTemplateIO::WORD_SORT, 0));
}

void LMTemplateFactoryXML::readCategories(LMTemplate* theTemplate, const LMXMLElement& theElement,
                                          const LMDesignElementMetaData& theMetaData)
{
    // The metadata, where it names categories, is newer than the file.
    const LMThematicCategorySet aFromMetaData = theMetaData.categories();
    theTemplate->setThematicCategories(
        LMCategoryType(LMCategoryTypeEnum::Subcategory),
        aFromMetaData.isEmpty() ? LMThematicCategorySet::fromCSV(attribute(theElement, LMTemplateIO::WORD_SUBCATEGORY))
                                : aFromMetaData);
}

void LMTemplateFactoryXML::readSpotColor(LMTemplate* theTemplate, const LMXMLElement& theElement)
{
    const LMSpotColor aSpotColor(attribute(theElement, STR_REFINEMENT));
    if (!aSpotColor.isValid())
        return;
    theTemplate->setSpotColorLayer(aSpotColor);
    theTemplate->fileInfo().setSpotColorFile(attribute(theElement, STR_SPOT_COLOR_FILENAME));
    // Version 1 names no layer of its own for the spot colour: it lies on the template's layer.
    theTemplate->setSpotColorLayerType(theTemplate->templateLayerType());
    addSpotColorCategory(theTemplate, aSpotColor);
}

void LMTemplateFactoryXML::readVariants(LMTemplate* theTemplate, const LMXMLElement& theElement)
{
    const QString aText = attribute(theElement, STR_VARIANT);
    if (theTemplate->templateLayerType() == LMTemplateLayerTypeEnum::Frame)
        theTemplate->setArticleVariants(LMArticleVariants(aText.split(QLatin1Char(','))));
    else
        theTemplate->setArticleVariants(LMArticleVariants::createFromMCF(aText));
}

LMPageType LMTemplateFactoryXML::readPageType(const LMXMLElement& theElement)
{
    LMPageType aPageType(attribute(theElement, STR_PAGE_TYPE));
    if (!aPageType.intersects(LMPageType::fromInt(SPECIAL_PAGES)))
        aPageType |= LMPageType::fromInt(ORDINARY_PAGES);
    return aPageType;
}

LMArticleClass LMTemplateFactoryXML::readArticleClass(const LMXMLElement& theElement, const LMJigType& theJigType)
{
    if (theJigType == LMJigTypeEnum::Background
        && attribute(theElement, LMTemplateIO::WORD_SUBCATEGORY).trimmed().compare(STR_FARBEN, Qt::CaseInsensitive)
            == 0)
        return LMArticleClass::colorBackgrounds();
    return LMArticleClass(attribute(theElement, LMTemplateIO::WORD_TYPE));
}

QString LMTemplateFactoryXML::findThumbnailFile(const LMXMLElement& theElement, const QString& theBasePath)
{
    QString aFile = attribute(theElement, LMTemplateIO::WORD_FILENAME);
    if (aFile.isEmpty()) {
        const QString aPath = attribute(theElement, STR_BACKGROUND_FILE_PATH);
        const QString aType = attribute(theElement, STR_BACKGROUND_FILE_TYPE);
        if (aPath.isEmpty() && aType.isEmpty())
            return QString();
        aFile = aPath + STR_SIZE_PLACEHOLDER + aType;
    }
    if (existsIn(theBasePath, aFile))
        return aFile;
    // Refinement variants live in a subfolder and share the thumbnails of the plain ones.
    if (QDir::cleanPath(theBasePath).endsWith(STR_REFINEMENT, Qt::CaseInsensitive)
        && existsIn(theBasePath, STR_PARENT_FOLDER + aFile))
        return STR_PARENT_FOLDER + aFile;
    return aFile;
}

QString LMTemplateFactoryXML::readDescription(const LMXMLElement& theElement)
{
    return theElement.firstChildElement(LMTemplateIO::WORD_DESCRIPTION).text();
}

QString LMTemplateFactoryXML::userLayoutCategoryName()
{
    return QCoreApplication::translate("LMTemplateFactoryXML", "Eigenes Layout");
}

bool LMTemplateFactoryXML::isPosterStrip(const LMTemplate& theTemplate, const LMXMLElement& theElement)
{
    return theTemplate.isFrame() && LMPageType(attribute(theElement, STR_PAGE_TYPE)).intersects(LMPageTypeEnum::Poster);
}
