#include "LMToolStylePages.h"

#include "LMDesignStyleAreas.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionMaskable.h"
#include "LMTemplateAreaDefinitionText.h"

#include <QJsonArray>

namespace {
QString colorText(const QColor& theColor)
{
    return theColor.alpha() == 255 ? theColor.name() : theColor.name(QColor::HexArgb);
}
} // namespace

QString LMToolStylePages::photoName(const LMFoto& theFoto)
{
    return theFoto.filenameHint();
}

QJsonObject LMToolStylePages::json(const LMDesignStyleBook::Page& thePage)
{
    QJsonObject aPage { { QStringLiteral("page"), thePage.point.page() },
                        { QStringLiteral("scene"), thePage.point.scene() },
                        { QStringLiteral("pageType"), thePage.pageType.encodeCSV() } };
    if (!thePage.built) {
        aPage.insert(QStringLiteral("empty"), true);
        return aPage;
    }
    const LMAreaDefinitionResult& aResult = thePage.result;
    aPage.insert(QStringLiteral("template"), aResult.usedPageTemplate());
    aPage.insert(QStringLiteral("layout"),
                 aResult.layoutTemplate().isValid() ? aResult.layoutTemplate().name() : QString());
    const LMConfiguredTemplate aBackground = LMDesignStyleBook::background(aResult);
    aPage.insert(QStringLiteral("background"), aBackground.isValid() ? aBackground.name() : QString());
    QJsonArray anAreas;
    for (const LMTemplateAreaDefinition* anArea : LMDesignStyleAreas::all(aResult.templateAreaDefinitionList())) {
        if (anArea->isType(LMAreaTypeEnum::Background) || anArea->isType(LMAreaTypeEnum::SmartLayout))
            continue;
        const QRectF aRect = anArea->normalizedRect();
        QJsonObject anEntry { { QStringLiteral("type"), anArea->areaType().encodeCSV() },
                              { QStringLiteral("rect"),
                                QStringLiteral("%1 %2 %3 %4")
                                    .arg(aRect.x(), 0, 'f', 3)
                                    .arg(aRect.y(), 0, 'f', 3)
                                    .arg(aRect.width(), 0, 'f', 3)
                                    .arg(aRect.height(), 0, 'f', 3) } };
        if (anArea->foto().isValid())
            anEntry.insert(QStringLiteral("photo"), photoName(anArea->foto()));
        const LMAreaDecoration& aDecoration = anArea->decoration();
        if (!aDecoration.border().isNoBorder())
            anEntry.insert(
                QStringLiteral("border"),
                QStringLiteral("%1 mm %2 %3")
                    .arg(aDecoration.border().width().toUnits() / 10.0)
                    .arg(aDecoration.border().position().encodeCSV(), colorText(aDecoration.border().color())));
        if (!aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Corners))
            anEntry.insert(QStringLiteral("corners"), true);
        if (!aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Shadow))
            anEntry.insert(QStringLiteral("shadow"), true);
        if (const auto* aMaskable = dynamic_cast<const LMTemplateAreaDefinitionMaskable*>(anArea);
            aMaskable && aMaskable->hasMask())
            anEntry.insert(QStringLiteral("mask"), aMaskable->mask().designElementId().id());
        if (const auto* aClipart = dynamic_cast<const LMTemplateAreaDefinitionClipart*>(anArea);
            aClipart && aClipart->clipart().isValid())
            anEntry.insert(QStringLiteral("clipart"), aClipart->clipart().designElementId().id());
        if (const auto* aText = dynamic_cast<const LMTemplateAreaDefinitionText*>(anArea);
            aText && !aText->textFormatChange().isEmpty()) {
            const LMTextFormat aFormat = aText->textFormatChange().appliedTo(LMTextFormat());
            anEntry.insert(QStringLiteral("textType"), aText->textType().encodeCSV());
            anEntry.insert(
                QStringLiteral("font"),
                QStringLiteral("%1 %2pt%3 %4")
                    .arg(aFormat.fontFamily())
                    .arg(aFormat.fontSize())
                    .arg(aFormat.isBold() ? QStringLiteral(" bold") : QString(), colorText(aFormat.fontColor())));
        }
        anAreas.append(anEntry);
    }
    aPage.insert(QStringLiteral("areas"), anAreas);
    QJsonArray aLeftOver;
    for (const LMFoto& aFoto : aResult.leftOverFotos())
        aLeftOver.append(photoName(aFoto));
    aPage.insert(QStringLiteral("leftOver"), aLeftOver);
    return aPage;
}
