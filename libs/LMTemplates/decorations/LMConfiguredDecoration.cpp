#include "LMConfiguredDecoration.h"

#include "LMDecorationClipart.h"
#include "LMDecorationMaskFrame.h"
#include "LMDecorationRegistry.h"

#include <QDomElement>
#include <QJsonObject>

LMConfiguredDecoration::LMConfiguredDecoration(LMAbstractDecoration* theDecoration,
                                               const LMClipartConfiguration& theConfiguration, bool theForceAdjustSize)
    : myDecoration(theDecoration), myConfiguration(theConfiguration), myForceAdjustSize(theForceAdjustSize)
{
}

LMConfiguredDecoration::~LMConfiguredDecoration() = default;

LMDecorationMask* LMConfiguredDecoration::mask() const
{
    return qobject_cast<LMDecorationMask*>(myDecoration);
}

LMDecorationMaskFrame* LMConfiguredDecoration::frameMask() const
{
    return qobject_cast<LMDecorationMaskFrame*>(myDecoration);
}

LMDecorationClipart* LMConfiguredDecoration::clipart() const
{
    if (const LMDecorationMaskFrame* aFrame = frameMask())
        return aFrame->decorationClipart();
    return qobject_cast<LMDecorationClipart*>(myDecoration);
}

bool LMConfiguredDecoration::canRender() const
{
    return isValid() && (myDecoration->jigType() == LMJigTypeEnum::Clipart || frameMask() != nullptr);
}

LMDesignElementID LMConfiguredDecoration::designElementID() const
{
    return isValid() ? myDecoration->designElementID() : LMDesignElementID();
}

LMJigType LMConfiguredDecoration::jigType() const
{
    return isValid() ? myDecoration->jigType() : LMJigType();
}

QString LMConfiguredDecoration::designElementAttribute(const QString& theName) const
{
    return isValid() ? myDecoration->metaData().sourceObject().value(theName).toVariant().toString() : QString();
}

QRectF LMConfiguredDecoration::contentRect(const QRectF& theRect) const
{
    if (const LMDecorationMask* aMask = mask())
        return aMask->scaledFotoAreaRect(theRect, myConfiguration);
    return theRect;
}

LMClipartConfiguration LMConfiguredDecoration::effectiveConfiguration() const
{
    const LMDecorationClipart* aClipart = clipart();
    if (aClipart == nullptr)
        return myConfiguration;
    if (myDecoration->isUserElement())
        return aClipart->clipartConfiguration();
    if (!myConfiguration.hasChanges()) {
        LMClipartConfiguration anExtracted = aClipart->svgComposition().extractClipartConfiguration();
        anExtracted.setSpotColorEnabled(myConfiguration.isSpotColorEnabled());
        return anExtracted;
    }
    return myConfiguration;
}

LMSVGComposition LMConfiguredDecoration::svgComposition() const
{
    return isValid() ? myDecoration->svgComposition() : LMSVGComposition();
}

bool LMConfiguredDecoration::renderClipart(QPainter* thePainter, const QRectF& theTarget,
                                           LMBackgroundJobPriority thePriority) const
{
    Q_UNUSED(thePriority);
    const LMDecorationClipart* aClipart = clipart();
    if (!canRender() || aClipart == nullptr)
        return false;
    return aClipart->renderComposition(thePainter, theTarget, effectiveConfiguration(), aClipart->spotColor());
}

void LMConfiguredDecoration::toMcf(QDomElement& theElement) const
{
    if (!isValid())
        return;
    myDecoration->designElementID().toXML(theElement);
    myConfiguration.buildXML(theElement);
}

LMConfiguredDecoration LMConfiguredDecoration::fromTemplate(const LMConfiguredDecorationTemplate& theTemplate)
{
    return LMConfiguredDecoration(LMDecorationRegistry::instance()->decoration(theTemplate.designElementId()),
                                  theTemplate.configuration(), false);
}

LMConfiguredDecorationTemplate LMConfiguredDecoration::toTemplate() const
{
    return LMConfiguredDecorationTemplate(designElementID(), myConfiguration);
}

size_t LMConfiguredDecoration::hashValue() const
{
    size_t aHash = 0;
    if (isValid()) {
        const LMThematicCategorySet aCategories = myDecoration->categories();
        for (const LMThematicCategory& aCategory : aCategories)
            aHash += aCategory.hashValue();
    }
    return aHash;
}

bool operator==(const LMConfiguredDecoration& theA, const LMConfiguredDecoration& theB)
{
    if (!theA.isValid() && !theB.isValid())
        return true;
    return theA.myDecoration == theB.myDecoration && theA.myConfiguration == theB.myConfiguration
        && theA.myForceAdjustSize == theB.myForceAdjustSize;
}
