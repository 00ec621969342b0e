#pragma once

#include "LMBackgroundJobPriority.h"
#include "LMClipartConfiguration.h"
#include "LMConfiguredDecorationTemplate.h"
#include "LMJigType.h"
#include "LMSVGComposition.h"
#include "LMTemplatesExport.h"

#include <QRectF>

class LMAbstractDecoration;
class LMDecorationClipart;
class LMDecorationMask;
class LMDecorationMaskFrame;
class QDomElement;
class QPainter;

// A decoration together with how it is shown (colours, spot colour, mirroring): what an area
// holds. The decoration belongs to the registry; invalid without one.
class LMTEMPLATES_EXPORT LMConfiguredDecoration
{
public:
    LMConfiguredDecoration() = default;
    explicit LMConfiguredDecoration(LMAbstractDecoration* theDecoration,
                                    const LMClipartConfiguration& theConfiguration = LMClipartConfiguration(),
                                    bool theForceAdjustSize = false);
    virtual ~LMConfiguredDecoration();
    LMConfiguredDecoration(const LMConfiguredDecoration&) = default;
    LMConfiguredDecoration& operator=(const LMConfiguredDecoration&) = default;

    LMAbstractDecoration* decoration() const { return myDecoration; }
    void setDecoration(LMAbstractDecoration* theDecoration) { myDecoration = theDecoration; }
    const LMClipartConfiguration& configuration() const { return myConfiguration; }
    void setConfiguration(const LMClipartConfiguration& theConfiguration) { myConfiguration = theConfiguration; }
    bool forceAdjustSize() const { return myForceAdjustSize; }
    bool isValid() const { return myDecoration != nullptr; }

    LMDecorationMask* mask() const;
    LMDecorationMaskFrame* frameMask() const;
    // The frame's clipart for a mask frame, else the decoration as a clipart.
    LMDecorationClipart* clipart() const;
    bool canRender() const;
    LMDesignElementID designElementID() const;
    LMJigType jigType() const;
    // An attribute of the decoration's metadata source object; empty when it has none.
    QString designElementAttribute(const QString& theName) const;
    // Where the photo lies in an area of the rectangle.
    QRectF contentRect(const QRectF& theRect) const;
    LMClipartConfiguration effectiveConfiguration() const;
    LMSVGComposition svgComposition() const;
    // Draws the clipart with the effective configuration; false when there is nothing to draw.
    bool renderClipart(QPainter* thePainter, const QRectF& theTarget, LMBackgroundJobPriority thePriority) const;
    // The design element id and the configuration into the element, when valid.
    void toMcf(QDomElement& theElement) const;

    static LMConfiguredDecoration fromTemplate(const LMConfiguredDecorationTemplate& theTemplate);
    LMConfiguredDecorationTemplate toTemplate() const;
    size_t hashValue() const;

    friend LMTEMPLATES_EXPORT bool operator==(const LMConfiguredDecoration& theA, const LMConfiguredDecoration& theB);
    friend bool operator!=(const LMConfiguredDecoration& theA, const LMConfiguredDecoration& theB)
    {
        return !(theA == theB);
    }

private:
    LMAbstractDecoration* myDecoration = nullptr;
    LMClipartConfiguration myConfiguration;
    bool myForceAdjustSize = false;
};
