#include "LMSVGImage.h"

#include "LMXMLElement.h"

LMSVGImage::LMSVGImage(const QByteArray& theData) : LMSVGImageAbstract(theData) { }

std::unique_ptr<LMSVGImageAbstract> LMSVGImage::clone() const
{
    return std::make_unique<LMSVGImage>(*this);
}

std::unique_ptr<LMSVGImage> LMSVGImage::fromXml(const LMXMLElement& theParent)
{
    return std::make_unique<LMSVGImage>(svgDataFromXml(theParent));
}
