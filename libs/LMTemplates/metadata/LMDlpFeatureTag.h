#pragma once

#include "LMEnumWrapper.h"
#include "LMTemplatesExport.h"
#include "LMUrlQueryItemList.h"

#include <QStringList>

// The editing features a design element uses or needs, one bit each (bit 39 and bits 57 to 63
// carry no name).
enum class LMDlpFeatureTagEnum : qint64 {
    None = 0,
    TextBasic = qint64(1) << 0,
    TextFontWeight = qint64(1) << 1,
    TextFontColorTransparency = qint64(1) << 2,
    TextAlignmentVertical = qint64(1) << 3,
    TextPaddingHorizontal = qint64(1) << 4,
    TextPaddingVertical = qint64(1) << 5,
    TextOutline = qint64(1) << 6,
    TextOutlineColorTransparency = qint64(1) << 7,
    TextRefinement = qint64(1) << 8,
    TextBackgroundColor = qint64(1) << 9,
    TextBackgroundColorTransparency = qint64(1) << 10,
    ClipartBasic = qint64(1) << 11,
    ClipartRefinement = qint64(1) << 12,
    ClipartMirror = qint64(1) << 13,
    ClipartColor = qint64(1) << 14,
    ClipartColorTransparency = qint64(1) << 15,
    MaskBasic = qint64(1) << 16,
    FramesBasic = qint64(1) << 17,
    BorderBasic = qint64(1) << 18,
    BorderColorTransparency = qint64(1) << 19,
    BorderPositionInside = qint64(1) << 20,
    BorderPositionCenter = qint64(1) << 21,
    BorderRefinement = qint64(1) << 22,
    BorderOffset = qint64(1) << 23,
    BackgroundBasic = qint64(1) << 24,
    BackgroundMulticolor = qint64(1) << 25,
    BackgroundRefinement = qint64(1) << 26,
    CornerBasic = qint64(1) << 27,
    CornerDefault = qint64(1) << 28,
    CornerShapeConcave = qint64(1) << 29,
    CornerShapeBevelled = qint64(1) << 30,
    CornerShapeNotched = qint64(1) << 31,
    ShadowBasic = qint64(1) << 32,
    ShadowTypeClipartArea = qint64(1) << 33,
    ShadowTypeTextArea = qint64(1) << 34,
    StoryBook = qint64(1) << 35,
    PhotosIncluded = qint64(1) << 36,
    PageNumbersBasic = qint64(1) << 37,
    AssistentQualified = qint64(1) << 38,
    LinnenCapable = qint64(1) << 40,
    RefinementGoldFoil = qint64(1) << 41,
    RefinementRoseFoil = qint64(1) << 42,
    RefinementSilverFoil = qint64(1) << 43,
    RefinementDigitalEmbossing = qint64(1) << 44,
    LayoutV2 = qint64(1) << 45,
    RefinementSilverInk = qint64(1) << 46,
    DesignLayerPositioning = qint64(1) << 47,
    StyleV2PriceClass = qint64(1) << 48,
    RequiredPosterRefinement = qint64(1) << 49,
    KidsBook = qint64(1) << 50,
    MapsIncluded = qint64(1) << 51,
    OptionalMaps = qint64(1) << 52,
    RequiredDesignLayerTransforming = qint64(1) << 53,
    StyleV2Cover = qint64(1) << 54,
    StyleV2Pages = qint64(1) << 55,
    PremiumCover = qint64(1) << 56,
};
LM_DECLARE_ENUM_TABLE(LMTEMPLATES_EXPORT, LMDlpFeatureTagEnum)

// The feature tags of a design element ("text:basic", "feature-story-book" ...) as a 64-bit flag
// word. Several names may set one bit; the name inserted first is the one written.
class LMTEMPLATES_EXPORT LMDlpFeatureTag : public LMEnumWrapper<LMDlpFeatureTagEnum>
{
public:
    LMDlpFeatureTag() = default;
    LMDlpFeatureTag(LMDlpFeatureTagEnum theValue) : LMEnumWrapper(theValue) { }
    LMDlpFeatureTag(const LMEnumWrapper& theOther) : LMEnumWrapper(theOther) { }
    // A comma-separated list of names, each trimmed and compared without regard to case; unknown
    // names set no bit.
    explicit LMDlpFeatureTag(const QString& theText) : LMEnumWrapper(fromInt(decodeCSV(theText))) { }

    bool hasFeature(LMDlpFeatureTagEnum theFeature) const { return (myValue & Int(theFeature)) != 0; }

    // The names of the single flags that are set, lowest bit first; bits without a name are left out.
    QStringList names() const;

    // The item "supportedFeatures" that tells the content server which features this client
    // supports: the names of the set flags separated by bare commas.
    LMUrlQueryItemList toSupportedFeaturesQueryItem() const;

    void fillTable(Table* theTable) const override;
};
