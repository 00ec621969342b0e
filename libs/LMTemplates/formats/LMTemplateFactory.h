#pragma once

#include "LMTemplatesExport.h"

#include <QString>

class LMSpotColor;
class LMTemplate;
class LMXMLElement;

// The common base of the template readers: attribute readers with defaults and the spot colour
// category every reader adds the same way.
class LMTEMPLATES_EXPORT LMTemplateFactory
{
public:
    LMTemplateFactory() = default;
    LMTemplateFactory(const LMTemplateFactory&) = default;
    LMTemplateFactory& operator=(const LMTemplateFactory&) = default;
    virtual ~LMTemplateFactory();

    // Templates read from one list or block at most: a real collection holds hundreds, and each
    // template costs some kilobytes however small its element.
    static constexpr qsizetype ourMaximumTemplates = 20000;

    // The attribute's value, or the default when the attribute is missing; malformed numbers and
    // booleans read as 0 and false.
    static QString attribute(const LMXMLElement& theElement, const QString& theName,
                             const QString& theDefault = QString());
    static int intAttribute(const LMXMLElement& theElement, const QString& theName, int theDefault);
    static bool boolAttribute(const LMXMLElement& theElement, const QString& theName, bool theDefault);

    // Adds the category of the spot colour to the template's spot colour categories; an invalid
    // spot colour adds nothing.
    static void addSpotColorCategory(LMTemplate* theTemplate, const LMSpotColor& theSpotColor);
};
