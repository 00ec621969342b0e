#pragma once

#include "LMPlatformExport.h"
#include "LMSVGImageAbstract.h"

class LMXMLElement;

// A plain SVG image: the document drawn as it is.
class LMPLATFORM_EXPORT LMSVGImage : public LMSVGImageAbstract
{
public:
    explicit LMSVGImage(const QByteArray& theData);

    Type type() const override { return Type::Plain; }
    std::unique_ptr<LMSVGImageAbstract> clone() const override;

    // The image of the child "svg" of the element.
    static std::unique_ptr<LMSVGImage> fromXml(const LMXMLElement& theParent);
};
