#pragma once

#include "LMAreaPositioningConstraint.h"
#include "LMMirrorRule.h"
#include "LMOrientation.h"
#include "LMPriceClass.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateImageSize.h"
#include "LMTemplateLayerType.h"
#include "LMTemplatesExport.h"

#include <QSize>
#include <QString>

#include <memory>

class LMTemplateAreaDefinition;
class LMXMLElement;

// Reads the areas and the enumerations of XML template files. Attribute values are compared in
// lower case.
class LMTEMPLATES_EXPORT LMXMLParserTemplate
{
public:
    // Bits of the legacy position fix older files need; used as 0, 1 and 3.
    enum FixLegacyTemplates : int { NoFix = 0, FixPosition = 1, FixRotation = 2, FixPositionAndRotation = 3 };

    // The layer type of a content or background type text ("content-1", "frame" ...); 1 for an
    // unknown text.
    static LMTemplateLayerType contentType(const QString& theText);
    // The "type" attribute of an area-bearing element read as a content type, "content-1" when
    // missing.
    static LMTemplateLayerType templateContentType(const LMXMLElement& theElement);
    // The "backgroundType" attribute read as a content type.
    static LMTemplateLayerType backgroundType(const LMXMLElement& theElement);

    // "align" read as a positioning constraint; missing or unknown gives anywhere.
    static LMAreaPositioningConstraint positioningConstraint(const QString& theText);
    // The element's "align", "anywhere" when missing.
    static LMAreaPositioningConstraint pageAligment(const LMXMLElement& theElement);
    // True when the element's lower-cased "align" starts with "cover".
    static bool isCover(const LMXMLElement& theElement);
    // "singlepage" or "doublepage"; anything else is a single page.
    static LMTemplateImageSize templateImageSize(const QString& theText);
    // The element's text as a price class, or the default for a null element.
    static LMPriceClass templatePriceClass(const LMXMLElement& theElement, const LMPriceClass& theDefault);
    // The mirror rule of an element that has a valid total size; otherwise none.
    static LMMirrorRule readMirrorRule(const LMXMLElement& theElement);
    // "orientation" when given (nothing named means all); else from the total size unless the
    // element is a background or calendar; else all orientations.
    static LMOrientation readOrientation(const LMXMLElement& theElement);
    // The element's width and height when both are present, else those of its first "total"
    // child, else an invalid size.
    static QSize readTotalSize(const LMXMLElement& theElement);

    // The areas of a layout element; an empty, invalid list without a valid total size.
    static LMTemplateAreaDefinitionList readAreas(const LMXMLElement& theLayoutElement, const QString& theBasePath,
                                                  int theFix);
    // The area an element describes; null for the silent non-area tags and, with the warning
    // "Unbekannter Knotentyp: " and the tag, for unknown tags.
    static std::unique_ptr<LMTemplateAreaDefinition>
    createAreaDefinition(const LMXMLElement& theElement, const QSize& theTotalSize, const QString& theBasePath);
};
