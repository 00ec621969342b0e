#include "LMDesignStyleCliparts.h"

#include "LMDesignStyleAreas.h"
#include "LMTemplateAreaDefinitionClipart.h"

namespace {
const QString STR_CLIPARTS = QStringLiteral("cliparts");
const QString STR_CLIPART = QStringLiteral("clipart");
} // namespace

LMDesignStyleCliparts::LMDesignStyleCliparts(const QDomElement& theElement)
{
    readList(theElement, STR_CLIPART, false);
}

void LMDesignStyleCliparts::buildXML(QDomElement& theParent) const
{
    writeList(theParent, STR_CLIPARTS, STR_CLIPART);
}

QString LMDesignStyleCliparts::toDebugString() const
{
    return debugString(QStringLiteral("      Cliparts:"));
}

LMTemplateAreaDefinitionList
LMDesignStyleCliparts::applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                              const LMDesignStyleReferencePoint& thePoint) const
{
    QList<LMTemplateAreaDefinitionClipart*> aClipartAreas;
    for (LMTemplateAreaDefinition* anArea : LMDesignStyleAreas::ofType(theAreas, LMAreaTypeEnum::Clipart)) {
        if (auto* aClipartArea = dynamic_cast<LMTemplateAreaDefinitionClipart*>(anArea))
            aClipartAreas.append(aClipartArea);
    }
    applyPerArea(aClipartAreas, thePoint,
                 [](LMTemplateAreaDefinitionClipart& theArea, const LMDesignStyleClipart& theClipart) {
                     theArea.setClipart(theClipart.configuration());
                     theArea.setKeepAspectRatio(theClipart.keepAspectRatio());
                 });
    return theAreas;
}

const LMDesignStyleClipart* LMDesignStyleCliparts::firstClipart() const
{
    for (const LMDesignStyleClipart& aClipart : myItems) {
        if (aClipart.isValid())
            return &aClipart;
    }
    return nullptr;
}
