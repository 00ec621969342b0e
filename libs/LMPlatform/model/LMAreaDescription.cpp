#include "LMAreaDescription.h"

#include "LMMirrorRule.h"
#include "LMModelXml.h"
#include "LMPlatformLogging.h"
#include "LMSharedEmpty.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomElement>

#include <algorithm>
#include <cmath>

namespace {
const QString STR_X = QStringLiteral("x");
const QString STR_Y = QStringLiteral("y");
const QString STR_WIDTH = QStringLiteral("width");
const QString STR_HEIGHT = QStringLiteral("height");
const QString STR_ROTATION = QStringLiteral("angle");
const QString STR_ABILITIES = QStringLiteral("abilities");
const QString STR_CREATION_RULE = QStringLiteral("creationRule");
const QString STR_IMAGE_FX = QStringLiteral("imageFX");
const QString STR_BACKGROUND_CONTENT = QStringLiteral("backgroundContent");

// A bit set written as a decimal number or as the words of its table.
template <typename Wrapper>
Wrapper readBits(const LMXMLElement& theElement, const QString& theName, const Wrapper& theDefault)
{
    const std::optional<QStringView> aFound = theElement.findAttribute(theName);
    if (!aFound)
        return theDefault;
    bool anOk = false;
    const qint32 aNumber = aFound->trimmed().toInt(&anOk);
    if (anOk)
        return Wrapper(Wrapper::fromInt(aNumber));
    const QString aText = aFound->trimmed().toString();
    const auto& aTable = Wrapper::enumToStringTable();
    const QStringList aWords = aText.split(QLatin1Char(','));
    const bool allKnown = !aText.isEmpty() && std::all_of(aWords.cbegin(), aWords.cend(), [&](const QString& aWord) {
        return aTable.containsString(aWord.trimmed());
    });
    if (allKnown)
        return Wrapper(aText);
    LMModelXml::warnMalformed(theElement, theName, QStringLiteral("a number or known words"));
    return theDefault;
}

// A size with a negative side is "not known" (areas of SVG templates): silently not usable. A size
// with a zero side comes from broken input and is worth a warning.
bool sizeIsUsable(const QSizeF& theSize, const char* theWhat)
{
    if (theSize.width() > 0 && theSize.height() > 0)
        return true;
    if (theSize.width() >= 0 && theSize.height() >= 0)
        qCWarning(lcPlatformModel) << "cannot" << theWhat << "an area by the size" << theSize;
    return false;
}
} // namespace

// The bit sets are kept as their numbers: a wrapper costs sixteen bytes (it is polymorphic), its
// number four, and every area of every template holds a description.
class LMAreaDescriptionImpl : public QSharedData
{
public:
    LMAreaAbility::Int myAbilities = 0;
    LMRotatedRect myRect;
    LMAreaDecoration myDecoration;
    LMImageFXs::Int myImageFXs = 0;
    LMAreaCreationRule::Int myCreationRule = LMAreaCreationRule(LMAreaCreationRuleEnum::Default).value();
    bool myBackgroundContent = false;
    bool myNormalized = false;
};

LMAreaDescription::LMAreaDescription() : myImpl(lmSharedEmpty<LMAreaDescriptionImpl>()) { }

LMAreaDescription::LMAreaDescription(const LMRotatedRect& theRect, const LMAreaAbility& theAbilities,
                                     const LMAreaDecoration& theDecoration, const LMImageFXs& theImageFXs,
                                     const LMAreaCreationRule& theCreationRule)
    : myImpl(new LMAreaDescriptionImpl)
{
    myImpl->myRect = theRect;
    myImpl->myAbilities = theAbilities.value();
    myImpl->myDecoration = theDecoration;
    myImpl->myImageFXs = theImageFXs.value();
    myImpl->myCreationRule = theCreationRule.value();
}

LMAreaDescription::LMAreaDescription(const LMAreaDescription& theOther) = default;
LMAreaDescription& LMAreaDescription::operator=(const LMAreaDescription& theOther) = default;
LMAreaDescription::LMAreaDescription(LMAreaDescription&& theOther) noexcept = default;
LMAreaDescription::~LMAreaDescription() = default;

LMAreaDescriptionImpl* LMAreaDescription::impl()
{
    return myImpl.data();
}

LMAreaDescription LMAreaDescription::fromXml(const LMXMLElement& theElement, const LMAreaAbility& theDefaultAbilities,
                                             const LMAreaCreationRule& theDefaultCreationRule)
{
    LMAreaDescription aDescription;
    LMAreaDescriptionImpl* anImpl = aDescription.impl();
    const QRectF aRect(LMModelXml::doubleAttribute(theElement, STR_X, 0.0),
                       LMModelXml::doubleAttribute(theElement, STR_Y, 0.0),
                       LMModelXml::doubleAttribute(theElement, STR_WIDTH, 0.0),
                       LMModelXml::doubleAttribute(theElement, STR_HEIGHT, 0.0));
    const LMAngle aRotation(LMAngle::normalizedDegrees(LMModelXml::intAttribute(theElement, STR_ROTATION, 0)));
    anImpl->myRect = LMRotatedRect(aRect, aRotation);
    anImpl->myAbilities = readBits(theElement, STR_ABILITIES, theDefaultAbilities).value();
    anImpl->myCreationRule = readBits(theElement, STR_CREATION_RULE, theDefaultCreationRule).value();
    anImpl->myImageFXs = readBits(theElement, STR_IMAGE_FX, LMImageFXs()).value();
    anImpl->myBackgroundContent = LMModelXml::boolAttribute(theElement, STR_BACKGROUND_CONTENT, false);
    anImpl->myDecoration = LMAreaDecoration::fromXml(theElement);
    return aDescription;
}

void LMAreaDescription::buildXML(QDomElement& theElement) const
{
    const QRectF& aRect = myImpl->myRect.rect();
    theElement.setAttribute(STR_X, LMModelXml::doubleText(aRect.x()));
    theElement.setAttribute(STR_Y, LMModelXml::doubleText(aRect.y()));
    theElement.setAttribute(STR_WIDTH, LMModelXml::doubleText(aRect.width()));
    theElement.setAttribute(STR_HEIGHT, LMModelXml::doubleText(aRect.height()));
    if (myImpl->myRect.isRotated())
        theElement.setAttribute(STR_ROTATION, myImpl->myRect.angle().normalized().degrees());
    theElement.setAttribute(STR_ABILITIES, myImpl->myAbilities);
    theElement.setAttribute(STR_CREATION_RULE, myImpl->myCreationRule);
    if (const LMImageFXs anEffects = imageFXs(); anEffects.isValid())
        theElement.setAttribute(STR_IMAGE_FX, anEffects.encodeCSV());
    if (myImpl->myBackgroundContent)
        theElement.setAttribute(STR_BACKGROUND_CONTENT, LMModelXml::boolText(true));
    myImpl->myDecoration.buildXML(theElement);
}

const LMRotatedRect& LMAreaDescription::rotatedRect() const
{
    return myImpl->myRect;
}

void LMAreaDescription::setRotatedRect(const LMRotatedRect& theRect)
{
    myImpl->myRect = theRect;
}

const QRectF& LMAreaDescription::rect() const
{
    return myImpl->myRect.rect();
}

void LMAreaDescription::setRect(const QRectF& theRect)
{
    myImpl->myRect.setRect(theRect);
}

LMAngle LMAreaDescription::rotation() const
{
    return myImpl->myRect.angle();
}

void LMAreaDescription::setRotation(LMAngle theRotation)
{
    myImpl->myRect.setAngle(theRotation);
}

LMAreaAbility LMAreaDescription::abilities() const
{
    return LMAreaAbility::fromInt(myImpl->myAbilities);
}

void LMAreaDescription::setAbilities(const LMAreaAbility& theAbilities)
{
    myImpl->myAbilities = theAbilities.value();
}

const LMAreaDecoration& LMAreaDescription::decoration() const
{
    return myImpl->myDecoration;
}

void LMAreaDescription::setDecoration(const LMAreaDecoration& theDecoration)
{
    myImpl->myDecoration = theDecoration;
}

LMImageFXs LMAreaDescription::imageFXs() const
{
    return LMImageFXs::fromInt(myImpl->myImageFXs);
}

void LMAreaDescription::setImageFXs(const LMImageFXs& theImageFXs)
{
    myImpl->myImageFXs = theImageFXs.value();
}

LMAreaCreationRule LMAreaDescription::creationRule() const
{
    return LMAreaCreationRule::fromInt(myImpl->myCreationRule);
}

void LMAreaDescription::setCreationRule(const LMAreaCreationRule& theRule)
{
    myImpl->myCreationRule = theRule.value();
}

bool LMAreaDescription::isBackgroundContent() const
{
    return myImpl->myBackgroundContent;
}

void LMAreaDescription::setBackgroundContent(bool theBackgroundContent)
{
    myImpl->myBackgroundContent = theBackgroundContent;
}

bool LMAreaDescription::isNormalized() const
{
    return myImpl->myNormalized;
}

bool LMAreaDescription::normalize(const QSizeF& theSize)
{
    if (!sizeIsUsable(theSize, "normalise"))
        return false;
    myImpl->myRect = myImpl->myRect.scaled(1.0 / theSize.width(), 1.0 / theSize.height());
    myImpl->myNormalized = true;
    return true;
}

bool LMAreaDescription::denormalize(const QSizeF& theSize)
{
    if (!sizeIsUsable(theSize, "denormalise"))
        return false;
    myImpl->myRect = myImpl->myRect.scaled(theSize.width(), theSize.height());
    myImpl->myNormalized = false;
    return true;
}

LMAreaDescription LMAreaDescription::normalized(const QSizeF& theSize) const
{
    LMAreaDescription aCopy = *this;
    aCopy.normalize(theSize);
    return aCopy;
}

LMAreaDescription LMAreaDescription::denormalized(const QSizeF& theSize) const
{
    LMAreaDescription aCopy = *this;
    aCopy.denormalize(theSize);
    return aCopy;
}

QRectF LMAreaDescription::scaledRect(const QSizeF& theSize) const
{
    if (!myImpl->myNormalized)
        return myImpl->myRect.rect();
    return myImpl->myRect.scaled(theSize.width(), theSize.height()).rect();
}

LMAreaDescription LMAreaDescription::mirrored(const LMMirrorRule& theRule, const QSizeF& thePageSize) const
{
    if (!theRule.isValid())
        return *this;
    LMAreaDescription aCopy = *this;
    const QSizeF aReference = myImpl->myNormalized ? QSizeF(1.0, 1.0) : thePageSize;
    aCopy.myImpl->myRect = myImpl->myRect.mirrored(theRule, aReference);
    aCopy.myImpl->myDecoration = myImpl->myDecoration.mirrored(theRule);
    return aCopy;
}

void LMAreaDescription::fixLegacyTemplates(const QSize& theTotalSize, bool theFixRotation)
{
    QRectF aRect = myImpl->myRect.rect().normalized();
    if (theTotalSize.width() > 0 && theTotalSize.height() > 0) {
        const double aPageWidth = myImpl->myNormalized ? 1.0 : theTotalSize.width();
        const double aPageHeight = myImpl->myNormalized ? 1.0 : theTotalSize.height();
        const double aUnitX = aPageWidth / theTotalSize.width();
        const double aUnitY = aPageHeight / theTotalSize.height();
        // Each edge is snapped on its own, so the opposite edge stays where it is.
        if (std::abs(aRect.left()) < aUnitX)
            aRect.setLeft(0.0);
        if (std::abs(aRect.top()) < aUnitY)
            aRect.setTop(0.0);
        if (std::abs(aRect.right() - aPageWidth) < aUnitX)
            aRect.setRight(aPageWidth);
        if (std::abs(aRect.bottom() - aPageHeight) < aUnitY)
            aRect.setBottom(aPageHeight);
    }
    LMAngle aRotation = myImpl->myRect.angle().normalized();
    if (theFixRotation)
        aRotation = LMAngle(360 - aRotation.degrees()).normalized();
    myImpl->myRect = LMRotatedRect(aRect, aRotation);
}

bool operator==(const LMAreaDescription& theA, const LMAreaDescription& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    const LMAreaDescriptionImpl& anA = *theA.myImpl;
    const LMAreaDescriptionImpl& aB = *theB.myImpl;
    return anA.myRect == aB.myRect && anA.myAbilities == aB.myAbilities && anA.myDecoration == aB.myDecoration
        && anA.myImageFXs == aB.myImageFXs && anA.myCreationRule == aB.myCreationRule
        && anA.myBackgroundContent == aB.myBackgroundContent && anA.myNormalized == aB.myNormalized;
}

QDebug operator<<(QDebug theDebug, const LMAreaDescription& theDescription)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMAreaDescription(" << theDescription.rotatedRect() << ", abilities "
                       << theDescription.abilities().value() << ", rule " << theDescription.creationRule().value()
                       << (theDescription.isNormalized() ? ", normalised" : "")
                       << (theDescription.isBackgroundContent() ? ", background content" : "") << ')';
    return theDebug;
}
