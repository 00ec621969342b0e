#include "LMDesignStyleMasks.h"

#include "LMDesignStyleAreas.h"
#include "LMTemplateAreaDefinitionMaskable.h"

namespace {
const QString STR_PASSEPARTOUTS = QStringLiteral("passepartouts");
const QString STR_PASSEPARTOUT = QStringLiteral("passepartout");
} // namespace

LMDesignStyleMasks::LMDesignStyleMasks(const QDomElement& theElement)
{
    readList(theElement, STR_PASSEPARTOUT, true);
}

void LMDesignStyleMasks::buildXML(QDomElement& theParent) const
{
    writeList(theParent, STR_PASSEPARTOUTS, STR_PASSEPARTOUT);
}

QString LMDesignStyleMasks::toDebugString() const
{
    return debugString(QStringLiteral("      Passepartouts:"));
}

LMTemplateAreaDefinitionList
LMDesignStyleMasks::applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                           const LMDesignStyleReferencePoint& thePoint) const
{
    QList<LMTemplateAreaDefinitionMaskable*> aMaskable;
    for (LMTemplateAreaDefinition* anArea : LMDesignStyleAreas::all(theAreas)) {
        auto* aMaskableArea = dynamic_cast<LMTemplateAreaDefinitionMaskable*>(anArea);
        if (aMaskableArea != nullptr && !anArea->isType(LMAreaTypeEnum::SmartLayout))
            aMaskable.append(aMaskableArea);
    }
    applyPerArea(aMaskable, thePoint,
                 [](LMTemplateAreaDefinitionMaskable& theArea, const LMDesignStyleClipart& theMask) {
                     theArea.setMask(theMask.configuration());
                     theArea.setKeepAspectRatio(theMask.keepAspectRatio());
                 });
    return theAreas;
}
