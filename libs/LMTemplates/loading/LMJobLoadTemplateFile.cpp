#include "LMJobLoadTemplateFile.h"

#include "LMDesignElementMetaData.h"
#include "LMMultiColorConfig.h"
#include "LMTemplate.h"
#include "LMTemplateBackgroundDefinition.h"
#include "LMTemplateFactorySVG.h"
#include "LMTemplateFactoryXML.h"
#include "LMTemplateLoaderLoadingInfo.h"
#include "LMTemplatesLogging.h"
#include "LMTemplateStreamReaderXML2.h"
#include "LMXMLElement.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QDomElement>
#include <QXmlStreamReader>

#include <functional>

namespace {

const QString STR_TEMPLATE = QStringLiteral("template");
const QString STR_TEMPLATES = QStringLiteral("templates");
const QString STR_SVG = QStringLiteral("svg");
const QString STR_CATEGORY = QStringLiteral("category");
const QString STR_BACKGROUND_CATEGORY = QStringLiteral("hintergrund");

// The variants a version-1 background stands for: a multi-colour background itself and one per
// colour configuration, a spot-colour mask its spot-colour backgrounds, any other itself.
QList<LMTemplateBackgroundDefinition> backgroundVariants(const LMTemplateBackgroundDefinition& theDefinition)
{
    if (theDefinition.isSuitableForMultiColor()) {
        QList<LMTemplateBackgroundDefinition> aVariants { theDefinition };
        aVariants.append(theDefinition.multiColorVariants());
        return aVariants;
    }
    if (!theDefinition.isSpotColorMask())
        return { theDefinition };
    return theDefinition.spotColorBackgrounds();
}

} // namespace

LMJobLoadTemplateFile::LMJobLoadTemplateFile(LMTemplateLoaderLoadingInfo* theInfo) : myInfo(theInfo)
{
    Q_ASSERT_X(theInfo, "LMJobLoadTemplateFile", "a load job needs its loading info");
}

bool LMJobLoadTemplateFile::doStuff() const
{
    loadFile();
    // Measured here, in parallel, so that every published template carries its analysis.
    for (const LMUnconfiguredTemplate& aTemplate : myInfo->loadedTemplates())
        aTemplate.templatePointer()->analyzeAreas();
    return true;
}

std::unique_ptr<LMBackgroundJob> LMJobLoadTemplateFile::clone() const
{
    return std::make_unique<LMJobLoadTemplateFile>(*this);
}

size_t LMJobLoadTemplateFile::hash() const
{
    return std::hash<const void*>()(myInfo);
}

bool LMJobLoadTemplateFile::operator==(const LMBackgroundJob& theOther) const
{
    const auto* anOther = dynamic_cast<const LMJobLoadTemplateFile*>(&theOther);
    return anOther && anOther->myInfo == myInfo;
}

void LMJobLoadTemplateFile::loadFile() const
{
    const QFileInfo& aFile = myInfo->file();
    const QString aPath = aFile.absoluteFilePath();
    qsizetype anElements = 0;
    const std::optional<QString> aText = LMXMLLoader::loadText(aFile, &anElements);
    if (!aText) {
        qCWarning(lcLoading) << "could not open template file" << aPath;
        return;
    }
    const QString aBasePath = aFile.absolutePath() + QLatin1Char('/');

    // Version-2 files, most of any content tree, are read a template at a time; the others
    // through their DOM.
    LMTemplateStreamReaderXML2 aStreamReader(*aText, aPath);
    if (aStreamReader.readsFile()) {
        const bool aSingleTemplate = aStreamReader.rootTag() == STR_TEMPLATE;
        std::optional<LMUnconfiguredTemplateList> aTemplates = aStreamReader.read(
            aBasePath, aSingleTemplate ? LMDesignElementMetaData() : LMDesignElementMetaData::createFromFile(aFile));
        if (aTemplates)
            myInfo->append(*aTemplates);
        else
            qCWarning(lcLoading) << "could not open template file" << aPath;
        return;
    }

    if (aStreamReader.rootTag() == STR_TEMPLATES) {
        loadTemplateList(*aText, aBasePath);
        return;
    }

    const bool anSvgPage = aStreamReader.rootTag() == STR_SVG;
    const QDomDocument aDocument
        = anSvgPage && !LMXMLLoader::withinElements(anElements, LMTemplateFactorySVG::ourMaximumElements, aPath)
        ? QDomDocument()
        : LMXMLLoader::parseText(*aText, aPath);
    const QDomElement aRoot = aDocument.documentElement();
    if (aRoot.isNull()) {
        qCWarning(lcLoading) << "could not open template file" << aPath;
        return;
    }
    switch (detectFileType(aRoot)) {
    case FileType::Svg:
        myInfo->append(LMTemplateFactorySVG(aDocument, aFile).buildTemplates());
        break;
    case FileType::Templates:
    case FileType::Templates2:
    case FileType::Template:
    case FileType::Collection:
        // Read a template at a time above; a root the stream did not see (a broken text) gives
        // no document here either.
        break;
    case FileType::Unknown:
        break;
    }
}

void LMJobLoadTemplateFile::loadTemplateList(const QString& theText, const QString& theBasePath) const
{
    const QString aPath = myInfo->file().absoluteFilePath();
    QXmlStreamReader aReader(theText);
    LMXMLLoader::prepareReader(aReader);
    LMXMLElement::readToDocumentElement(aReader);
    const qint64 aLine = aReader.lineNumber();
    const LMDesignElementMetaData aMetaData = LMDesignElementMetaData::createFromFile(myInfo->file());
    LMUnconfiguredTemplateList aTemplates;
    qsizetype aCount = 0;
    LMXMLElement::readChildren(aReader, STR_TEMPLATE, [&](const LMXMLElement& theElement) {
        if (++aCount > LMTemplateFactory::ourMaximumTemplates) {
            if (aCount == LMTemplateFactory::ourMaximumTemplates + 1)
                qCWarning(lcLoading).noquote()
                    << QStringLiteral("a template list at line %1 of %2 holds more than %3 templates: the rest is "
                                      "left out")
                           .arg(aLine)
                           .arg(aPath)
                           .arg(LMTemplateFactory::ourMaximumTemplates);
            return;
        }
        if (theElement.attribute(STR_CATEGORY).compare(STR_BACKGROUND_CATEGORY, Qt::CaseInsensitive) == 0)
            addBackgroundDefinition(theElement, theBasePath, aMetaData, aTemplates);
        else
            addTemplate(theElement, theBasePath, aMetaData, aTemplates);
    });
    if (!LMXMLElement::readToEnd(aReader)) {
        LMXMLLoader::warnMalformed(aPath, aReader);
        qCWarning(lcLoading) << "could not open template file" << aPath;
        aTemplates.deleteEntriesAndClear();
        return;
    }
    myInfo->append(aTemplates);
}

void LMJobLoadTemplateFile::addTemplate(const LMXMLElement& theElement, const QString& theBasePath,
                                        const LMDesignElementMetaData& theMetaData,
                                        LMUnconfiguredTemplateList& theResult) const
{
    const LMUnconfiguredTemplate aTemplate = LMTemplateFactoryXML::createTemplate(theElement, theBasePath, theMetaData);
    if (aTemplate.isNull())
        return;
    aTemplate.templatePointer()->fileInfo().setFileType(LMTemplateFileInfoType::XML);
    aTemplate.templatePointer()->fileInfo().setFilePath(theBasePath);
    theResult.append(aTemplate);
}

void LMJobLoadTemplateFile::addBackgroundDefinition(const LMXMLElement& theElement, const QString& theBasePath,
                                                    const LMDesignElementMetaData& theMetaData,
                                                    LMUnconfiguredTemplateList& theResult) const
{
    LMUnconfiguredTemplate aTemplate = LMTemplateFactoryXML::createTemplate(theElement, theBasePath, theMetaData);
    if (aTemplate.isNull())
        return;
    aTemplate.templatePointer()->fileInfo().setFileType(LMTemplateFileInfoType::XML);
    aTemplate.templatePointer()->fileInfo().setFilePath(theBasePath);

    const auto aDefinition = LMTemplateBackgroundDefinition::fromXml(theElement);
    for (const LMTemplateBackgroundDefinition& aVariant : backgroundVariants(aDefinition)) {
        LMUnconfiguredTemplate aClone = aTemplate.clone();
        aClone.templatePointer()->setLayerDefinitionBackground(aVariant);
        if (aClone->fileInfo().thumbnailPath().exists())
            theResult.append(aClone);
        else
            aClone.deleteTemplate();
    }
    // Only the variants are loaded.
    aTemplate.deleteTemplate();
}
