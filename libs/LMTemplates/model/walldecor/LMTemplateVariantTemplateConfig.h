#pragma once

#include "LMFoto.h"
#include "LMTemplatesExport.h"

#include <QRect>

class LMXMLElement;
class QDebug;

// How a variant template shows a product variant: the picture that surrounds it and the area of
// that picture where the product goes.
class LMTEMPLATES_EXPORT LMTemplateVariantTemplateConfig
{
public:
    LMTemplateVariantTemplateConfig() = default;
    LMTemplateVariantTemplateConfig(const QRect& theEditableArea, const LMFoto& theSurrounding)
        : myEditableArea(theEditableArea), mySurrounding(theSurrounding)
    {
    }

    // The editable area from "x", "y", "width" and "height"; the picture named by "surrounding",
    // relative to the folder, and only when that file exists.
    static LMTemplateVariantTemplateConfig fromXml(const LMXMLElement& theElement, const QString& theFolderPath);

    const QRect& editableArea() const { return myEditableArea; }
    const LMFoto& surrounding() const { return mySurrounding; }
    // Without picture and without area there is nothing to show: the empty choice.
    bool isRemoveItem() const { return !mySurrounding.isValid() && !myEditableArea.isValid(); }
    QString basicDragAndDropHint() const;

    friend bool operator==(const LMTemplateVariantTemplateConfig& theA, const LMTemplateVariantTemplateConfig& theB)
    {
        return theA.myEditableArea == theB.myEditableArea && theA.mySurrounding == theB.mySurrounding;
    }
    friend bool operator!=(const LMTemplateVariantTemplateConfig& theA, const LMTemplateVariantTemplateConfig& theB)
    {
        return !(theA == theB);
    }

private:
    QRect myEditableArea;
    LMFoto mySurrounding;
};

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateVariantTemplateConfig& theConfig);
