#pragma once

// Not public API: the page reader of the SVG template factory.

#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateLayerType.h"

#include <QDomDocument>
#include <QFileInfo>
#include <QMap>
#include <QRectF>
#include <QString>

#include <memory>

class LMSVGImageCalendar;
class LMSVGMetaData;
class LMTemplate;
class LMTemplateAreaDefinition;
class LMTemplateAreaDefinitionSVG;
class LMTemplateAreaDefinitionSmartLayout;
class LMTemplateAreaDefinitionText;

// Reads one page of an SVG design into its template: the root file's page or a further page file
// of a multi-page design, with the metadata block that belongs to it.
class LMSVGPageReader
{
public:
    LMSVGPageReader(const QDomDocument& theDocument, const LMSVGMetaData& theMetaData, const QFileInfo& thePageFile,
                    const QFileInfo& theRootFile);

    std::unique_ptr<LMTemplate> parse();

private:
    QDomElement root() const { return myDocument.documentElement(); }
    QString folder() const { return myRootFile.absolutePath(); }
    bool isLocked(const QDomElement& theElement) const;
    QRectF geometry(const QDomElement& theElement, int* theDegrees) const;
    QSizeF usableSize() const;

    void createBasicTemplate();
    void setMetaDataToTemplate();
    void collectAreas();
    std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> processSmartLayout() const;
    void parseTransferLayer(const QDomElement& theGroup, LMTemplateAreaDefinitionList& theAreas);
    void parseRenderLayer(const QDomElement& theGroup, LMTemplateAreaDefinitionList& theAreas);
    void parseReferenceLayer(const QDomElement& theGroup, LMTemplateAreaDefinitionList& theAreas);
    void parseRenderElements(const QDomElement& theGroup, LMTemplateAreaDefinitionList& theAreas);
    std::unique_ptr<LMTemplateAreaDefinition> parseFoto(const QDomElement& theImage) const;
    std::unique_ptr<LMTemplateAreaDefinitionText> parseTextElement(const QDomElement& theElement) const;
    void parseEmbededCalendarium(const QDomElement& theElement, LMTemplateAreaDefinitionList& theAreas) const;
    std::unique_ptr<LMTemplateAreaDefinitionSVG> parseRenderSectionAsSingleSVG(const QDomElement& theElement,
                                                                               const QRectF& theRect, int theDegrees,
                                                                               bool theBackgroundContent) const;
    void applyLegacyCheck(LMSVGImageCalendar& theImage) const;
    void createCssSheetMap();
    LMTemplateLayerType contentType() const;
    void takeSpotColor(const QDomElement& theElement, const QRectF& theRect = QRectF());

    const QDomDocument myDocument;
    const LMSVGMetaData& myMetaData;
    const QFileInfo myPageFile;
    const QFileInfo myRootFile;
    const double myStretch;
    const bool myLocked;
    std::unique_ptr<LMTemplate> myTemplate;
    // Style sheets of the SVG areas: name to style sheet text.
    QMap<QString, QString> myCssSheets;
    QString myDefaultCssSheet;
    QString myCustomCssSheet;
    bool myCustomFill = false;
};
