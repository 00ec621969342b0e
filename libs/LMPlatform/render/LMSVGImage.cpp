#include "LMSVGImage.h"

LMSVGImage::LMSVGImage(const QByteArray& theData) : LMSVGImageAbstract(theData) { }

std::unique_ptr<LMSVGImageAbstract> LMSVGImage::clone() const
{
    return std::make_unique<LMSVGImage>(*this);
}

std::unique_ptr<LMSVGImage> LMSVGImage::fromXml(const QDomElement& theParent)
{
    return std::make_unique<LMSVGImage>(svgDataFromXml(theParent));
}
