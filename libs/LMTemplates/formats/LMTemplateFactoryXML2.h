#pragma once

#include "LMDesignElementID.h"
#include "LMDesignElementMetaData.h"
#include "LMTemplateFactoryXMLAbstract.h"
#include "LMTemplateFileInfo.h"
#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLElement.h"

#include <QDomElement>
#include <QString>

#include <memory>

class LMTemplateAreaDefinitionSmartLayout;
class QDomDocument;

// Reads version 2 of the XML template files: "templates2" blocks of layouts with a document-wide
// filter, per-template filters, a layout with the areas and optional smart-layout settings. The
// templates it builds belong to the caller.
class LMTEMPLATES_EXPORT LMTemplateFactoryXML2 : public LMTemplateFactoryXMLAbstract
{
public:
    // The document-wide filter comes from the "filter" child of the "templates2" element.
    explicit LMTemplateFactoryXML2(const LMXMLElement& theFilterElement = LMXMLElement());

    // The revision of the file ("version" of "templates2"); files of revision 1 need the legacy
    // position fix.
    void setTemplateRevision(int theRevision) { myTemplateRevision = theRevision; }
    int templateRevision() const { return myTemplateRevision; }

    // The layouts of a "templates2" element, each followed by its mirrored variants.
    LMUnconfiguredTemplateList buildTemplates(const LMXMLElement& theTemplates2Element, const QString& theBasePath,
                                              const LMDesignElementMetaData& theMetaData) const;
    // The same for the document's "templates2" element.
    LMUnconfiguredTemplateList buildTemplates(const QDomDocument& theDocument, const QString& theBasePath,
                                              const LMDesignElementMetaData& theMetaData) const;
    // Parses the text and builds its "templates2" element with its own filter and revision and
    // default metadata; a broken text gives no templates.
    static LMUnconfiguredTemplateList buildTemplates(const QString& theXmlText);
    // One "template" element: the template followed by its mirrored variants. A valid collection
    // id replaces the template's own; the smart layout of the block, when given, is the base of the
    // template's own.
    LMUnconfiguredTemplateList buildLayoutTemplate(const LMXMLElement& theTemplateElement, const QString& theBasePath,
                                                   const LMDesignElementID& theCollectionId,
                                                   const LMDesignElementMetaData& theMetaData,
                                                   const LMTemplateAreaDefinitionSmartLayout* theSmartLayout) const;

    // The templates of a version-2 file by its root: a "templates2" block, a "collection" of them
    // (each block with its own filter and revision) or a single "template" (which takes no
    // metadata); none for another root. Smart layouts of the blocks are registered.
    static LMUnconfiguredTemplateList buildFileTemplates(const LMXMLElement& theRoot, const QString& theBasePath,
                                                         const LMDesignElementMetaData& theMetaData);
    // Whether buildFileTemplates reads files of this root element.
    static bool isVersion2Root(QStringView theTagName);
    // A block's revision: its "version", or 1 when missing or not a number.
    static int blockRevision(const LMXMLElement& theTemplates2Element);

    // The steps of buildTemplates, for readers that hand over a block piece by piece: the block
    // element with its attributes and at least its "smartLayout" child, then each "template"
    // element, in order, then the end.
    class LMTEMPLATES_EXPORT Block
    {
    public:
        Block();
        Block(Block&&) noexcept;
        Block& operator=(Block&&) noexcept;
        ~Block();

    private:
        friend class LMTemplateFactoryXML2;
        LMDesignElementID myCollectionId;
        std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> mySmartLayout;
        qsizetype myCount = 0;
        qint64 myLine = 0;
        QString myFile;
        // The file names every template of the block shares.
        LMTemplateFileInfo myFileInfo;
    };
    // theLine and theFile stand for the block in warnings; 0 takes the element's own line.
    Block beginBlock(const LMXMLElement& theTemplates2Element, const QString& theBasePath, qint64 theLine = 0,
                     const QString& theFile = QString()) const;
    // Appends the template and its mirrored variants; false, once said, when the block has given
    // its maximum of templates (the element is then left out).
    bool addTemplate(Block& theBlock, const LMXMLElement& theTemplateElement, const QString& theBasePath,
                     const LMDesignElementMetaData& theMetaData, LMUnconfiguredTemplateList& theResult) const;
    // The block's smart layout, categorised like its first template, for registerSmartLayout; null
    // when the block has none or no templates.
    static std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> endBlock(Block& theBlock);
    static void registerSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout);

    // "viewAngle" brought into 0..359 (-90 gives 270, 450 gives 90).
    static int normalizedViewAngle(int theDegrees);

private:
    // buildLayoutTemplate with the file names the template shares (their path is the base path).
    LMUnconfiguredTemplateList buildLayoutTemplate(const LMXMLElement& theTemplateElement,
                                                   const LMTemplateFileInfo& theFileInfo,
                                                   const LMDesignElementID& theCollectionId,
                                                   const LMDesignElementMetaData& theMetaData,
                                                   const LMTemplateAreaDefinitionSmartLayout* theSmartLayout) const;
    void parseLayoutProperties(const LMXMLElement& theLayoutElement, const LMXMLElement& theTemplateElement,
                               LMTemplate* theTemplate, const QString& theBasePath) const;

    int myTemplateRevision = 2;
};
