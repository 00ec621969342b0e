#include "LMDlpFeatureTag.h"

#include <QRegularExpression>

LM_DEFINE_ENUM_TABLE(LMDlpFeatureTag)

namespace {
const QString STR_SUPPORTED_FEATURES = QStringLiteral("supportedFeatures");
} // namespace

QStringList LMDlpFeatureTag::names() const
{
    const Table& aTable = enumToStringTable();
    QStringList aNames;
    const quint64 aBits = quint64(myValue);
    for (int aBit = 0; aBit < 64; ++aBit) {
        const quint64 aFlag = quint64(1) << aBit;
        if (!(aBits & aFlag) || !aTable.containsValue(Int(aFlag)))
            continue;
        aNames.append(aTable.encode(Int(aFlag)));
    }
    return aNames;
}

LMUrlQueryItemList LMDlpFeatureTag::toSupportedFeaturesQueryItem() const
{
    static const QRegularExpression ourWhiteSpace(QStringLiteral("\\s"));
    LMUrlQueryItemList aList;
    aList.addQueryItem(STR_SUPPORTED_FEATURES, encodeCSV().remove(ourWhiteSpace));
    return aList;
}

void LMDlpFeatureTag::fillTable(Table* theTable) const
{
    using E = LMDlpFeatureTagEnum;
    // The order decides the name written for a bit that has two.
    theTable->insert(QStringLiteral("text:basic"), E::TextBasic);
    theTable->insert(QStringLiteral("text:fontWeight"), E::TextFontWeight);
    theTable->insert(QStringLiteral("text:fontColor:transparency"), E::TextFontColorTransparency);
    theTable->insert(QStringLiteral("text:alignmentVertical"), E::TextAlignmentVertical);
    theTable->insert(QStringLiteral("text:paddingHorizontal"), E::TextPaddingHorizontal);
    theTable->insert(QStringLiteral("text:paddingVertical"), E::TextPaddingVertical);
    theTable->insert(QStringLiteral("text:outline"), E::TextOutline);
    theTable->insert(QStringLiteral("text:outlineColor:transparency"), E::TextOutlineColorTransparency);
    theTable->insert(QStringLiteral("text:refinement"), E::TextRefinement);
    theTable->insert(QStringLiteral("text:backgroundColor"), E::TextBackgroundColor);
    theTable->insert(QStringLiteral("text:backgroundColor:transparency"), E::TextBackgroundColorTransparency);
    theTable->insert(QStringLiteral("clipart:basic"), E::ClipartBasic);
    theTable->insert(QStringLiteral("clipart:refinement"), E::ClipartRefinement);
    theTable->insert(QStringLiteral("clipart:mirror"), E::ClipartMirror);
    theTable->insert(QStringLiteral("clipart:color"), E::ClipartColor);
    theTable->insert(QStringLiteral("clipart:color:transparency"), E::ClipartColorTransparency);
    theTable->insert(QStringLiteral("mask:basic"), E::MaskBasic);
    theTable->insert(QStringLiteral("frames:basic"), E::FramesBasic);
    theTable->insert(QStringLiteral("border:basic"), E::BorderBasic);
    theTable->insert(QStringLiteral("border:color:transparency"), E::BorderColorTransparency);
    theTable->insert(QStringLiteral("border:position:inside"), E::BorderPositionInside);
    theTable->insert(QStringLiteral("border:position:center"), E::BorderPositionCenter);
    theTable->insert(QStringLiteral("border:refinement"), E::BorderRefinement);
    theTable->insert(QStringLiteral("background:basic"), E::BackgroundBasic);
    theTable->insert(QStringLiteral("background:multicolor"), E::BackgroundMulticolor);
    theTable->insert(QStringLiteral("background:refinement"), E::BackgroundRefinement);
    theTable->insert(QStringLiteral("corner:basic"), E::CornerBasic);
    theTable->insert(QStringLiteral("corner:default"), E::CornerDefault);
    theTable->insert(QStringLiteral("corner:shape:concave"), E::CornerShapeConcave);
    theTable->insert(QStringLiteral("corner:shape:bevelled"), E::CornerShapeBevelled);
    theTable->insert(QStringLiteral("corner:shape:notched"), E::CornerShapeNotched);
    theTable->insert(QStringLiteral("shadow:basic"), E::ShadowBasic);
    theTable->insert(QStringLiteral("shadow:type:clipartarea"), E::ShadowTypeClipartArea);
    theTable->insert(QStringLiteral("shadow:type:textarea"), E::ShadowTypeTextArea);
    theTable->insert(QStringLiteral("story-book"), E::StoryBook);
    theTable->insert(QStringLiteral("feature-story-book"), E::StoryBook);
    theTable->insert(QStringLiteral("photos:included"), E::PhotosIncluded);
    theTable->insert(QStringLiteral("border:offset"), E::BorderOffset);
    theTable->insert(QStringLiteral("pagenumbers:basic"), E::PageNumbersBasic);
    theTable->insert(QStringLiteral("feature-assistent-qualified"), E::AssistentQualified);
    theTable->insert(QStringLiteral("feature-linnen-capable"), E::LinnenCapable);
    theTable->insert(QStringLiteral("layout:v2"), E::LayoutV2);
    theTable->insert(QStringLiteral("feature-refinement-gold-foil"), E::RefinementGoldFoil);
    theTable->insert(QStringLiteral("feature-refinement-rose-foil"), E::RefinementRoseFoil);
    theTable->insert(QStringLiteral("feature-refinement-silver-foil"), E::RefinementSilverFoil);
    theTable->insert(QStringLiteral("feature-refinement-digital-embossing"), E::RefinementDigitalEmbossing);
    theTable->insert(QStringLiteral("feature-refinement-silver-ink"), E::RefinementSilverInk);
    theTable->insert(QStringLiteral("required_feature-poster:refinement"), E::RequiredPosterRefinement);
    theTable->insert(QStringLiteral("designlayer-positioning"), E::DesignLayerPositioning);
    theTable->insert(QStringLiteral("style_v2:price_class"), E::StyleV2PriceClass);
    theTable->insert(QStringLiteral("feature-kids-book"), E::KidsBook);
    theTable->insert(QStringLiteral("maps:included"), E::MapsIncluded);
    theTable->insert(QStringLiteral("feature-optional-maps"), E::OptionalMaps);
    theTable->insert(QStringLiteral("required_feature-designlayer-transforming"), E::RequiredDesignLayerTransforming);
    theTable->insert(QStringLiteral("feature-style_v2-cover"), E::StyleV2Cover);
    theTable->insert(QStringLiteral("feature-style_v2-pages"), E::StyleV2Pages);
    theTable->insert(QStringLiteral("feature-premium_cover"), E::PremiumCover);
}
