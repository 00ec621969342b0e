#pragma once

#include "LMArticleClass.h"
#include "LMDesignElementMetaData.h"
#include "LMPageType.h"
#include "LMTemplateFactory.h"
#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplate.h"

#include <QString>

class LMTemplate;
class LMXMLElement;

// Reads version 1 of the XML template files: one "template" element of a "templates" list, a
// background or a template whose areas and properties all sit in the element's attributes and
// children. The templates it builds belong to the caller.
class LMTEMPLATES_EXPORT LMTemplateFactoryXML : public LMTemplateFactory
{
public:
    // The template of the element, its areas read with the legacy position fix; a null element
    // gives the null handle.
    static LMUnconfiguredTemplate createTemplate(const LMXMLElement& theElement, const QString& theBasePath,
                                                 const LMDesignElementMetaData& theMetaData);

    // The page types of "pagetype"; a value without any of the cover, flyleaf and slipcase bits
    // (0x20390) gets the ordinary pages 0x6D006E added.
    static LMPageType readPageType(const LMXMLElement& theElement);
    // The article class of "type"; backgrounds (jig type 1) filed under the subcategory "Farben"
    // (any case) take the fixed class of colour backgrounds instead.
    static LMArticleClass readArticleClass(const LMXMLElement& theElement, const LMJigType& theJigType);
    // The thumbnail named by "filename", else by "backgroundFilePath" + "%1." + "backgroundFileType",
    // relative to the base folder. When it is not there and the base folder is a "refinement"
    // folder (any case), the file of the parent folder is taken when that one exists.
    static QString findThumbnailFile(const LMXMLElement& theElement, const QString& theBasePath);
    // The text of the "description" child; the template model keeps no description, so callers
    // that show one read it here.
    static QString readDescription(const LMXMLElement& theElement);
    // The category name that marks the user's own layouts: "Eigenes Layout", translated in the
    // context "LMTemplateFactoryXML". A template whose "category" is exactly that text is a user
    // layout.
    static QString userLayoutCategoryName();
    // A poster strip is a frame (jig type 128) whose "pagetype" as written names the poster page
    // (0x400000): the strips a poster hangs from. They take their default tilt from the element.
    static bool isPosterStrip(const LMTemplate& theTemplate, const LMXMLElement& theElement);

private:
    static void readGeneralInfo(LMTemplate* theTemplate, const LMXMLElement& theElement, const QString& theBasePath,
                                const LMDesignElementMetaData& theMetaData);
    static void readCategories(LMTemplate* theTemplate, const LMXMLElement& theElement,
                               const LMDesignElementMetaData& theMetaData);
    static void readSpotColor(LMTemplate* theTemplate, const LMXMLElement& theElement);
    static void readVariants(LMTemplate* theTemplate, const LMXMLElement& theElement);
};
