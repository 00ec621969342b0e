#include "LMDesignStyleBackgrounds.h"

#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionBackground.h"
#include "LMTemplateRegistry.h"

namespace {
const QString STR_BACKGROUNDS = QStringLiteral("backgrounds");
const QString STR_BACKGROUND = QStringLiteral("background");
} // namespace

LMDesignStyleBackgrounds::LMDesignStyleBackgrounds(const QDomElement& theElement)
{
    readList(theElement, STR_BACKGROUND, false);
}

void LMDesignStyleBackgrounds::buildXML(QDomElement& theParent) const
{
    writeList(theParent, STR_BACKGROUNDS, STR_BACKGROUND);
}

QString LMDesignStyleBackgrounds::toDebugString() const
{
    return debugString(QStringLiteral("      Backgrounds:"));
}

LMTemplateAreaDefinitionList
LMDesignStyleBackgrounds::applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas,
                                                 const LMTemplateContext& theContext,
                                                 const LMDesignStyleReferencePoint& thePoint) const
{
    const LMDesignStyleBackground* aBackground = select(thePoint);
    if (aBackground == nullptr)
        return theAreas;
    const LMUnconfiguredTemplate aTemplate = LMTemplateRegistry::instance()->findBackgroundByDesignElementId(
        aBackground->designElementID(), aBackground->multiColorConfig(), theContext.article());
    if (!aTemplate.isValid()) {
        qWarning("%s",
                 qUtf8Printable(
                     QStringLiteral("background with id %1 not found").arg(aBackground->designElementID().toString())));
        return theAreas;
    }
    LMTemplateAreaDefinitionBackground* anArea = nullptr;
    for (LMTemplateAreaDefinition* aCandidate : theAreas) {
        anArea = dynamic_cast<LMTemplateAreaDefinitionBackground*>(aCandidate);
        if (anArea != nullptr)
            break;
    }
    if (anArea == nullptr) {
        LMAreaDescription aPage(LMRotatedRect(QRectF(0, 0, 1, 1)),
                                LMTemplateAreaDefinitionBackground::defaultAbilities());
        aPage.normalize(QSizeF(1, 1));
        auto aNew = std::make_unique<LMTemplateAreaDefinitionBackground>(aPage, LMAreaPositioningConstraint());
        anArea = aNew.get();
        theAreas.append(std::move(aNew));
    }
    // Odd pages are left pages: the first inner page (4) of a book opens on the right.
    const bool aLeftPage = thePoint.page() % 2 != 0;
    anArea->setTemplate(LMTemplateLayerTypeEnum::Background, LMConfiguredTemplate(aTemplate));
    anArea->setAlignment(aTemplate->correctedAlignment(anArea->alignment(), theContext, 0, aLeftPage, !aLeftPage));
    return theAreas;
}
