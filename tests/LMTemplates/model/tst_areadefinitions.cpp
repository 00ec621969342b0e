#include "LMFakeLookups.h"
#include "LMSVGImage.h"
#include "LMSVGImageCalendar.h"
#include "LMTemplateAreaDefinitionBackground.h"
#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFactory.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionFotoBackground.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateAreaDefinitionOsm.h"
#include "LMTemplateAreaDefinitionQRCode.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateAreaDefinitionText.h"

#include "LMTestSupport.h"

#include <QDomDocument>
#include <QFile>
#include <QTest>

#include <tuple>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

using AreaPointer = std::shared_ptr<LMTemplateAreaDefinition>;
Q_DECLARE_METATYPE(AreaPointer)
Q_DECLARE_METATYPE(LMPageSizeSpec)

namespace {
const QSizeF PAGE(2000, 1000);
const QByteArray GREEN_SVG = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                             "<rect class='c' width='40' height='20' fill='#00ff00'/></svg>";

LMAreaDecoration someDecoration()
{
    LMCornersConfiguration aCorners;
    aCorners.setCorner(LMCornerEnum::TopLeft, LMCornerShapeEnum::Bevelled, LMDistance(30));
    return LMAreaDecoration(LMBorderConfig(LMDistance(2, LMDistanceUnit::Millimetre), LMBorderPositionEnum::Inside,
                                           QColor(0x33, 0x66, 0x99)),
                            LMShadowConfig(LMDistance(12), LMAngle(45), 128, LMDistance(4, LMDistanceUnit::Millimetre)),
                            aCorners);
}

// The arguments of the constructor from geometry, on a 2000 x 1000 page.
template <typename Area> std::unique_ptr<Area> make(const QRectF& theRect, int theRotation = 0)
{
    return std::make_unique<Area>(LMRotatedRect(theRect, LMAngle(theRotation)), LMAreaAbilityEnum::FotoDefault,
                                  someDecoration(), LMAreaPositioningConstraintEnum::LeftPage,
                                  LMImageFXs(LMImageFXsEnum::Sepia), PAGE, LMAreaCreationRuleEnum::Layout,
                                  LMAreaAssociationId(QStringLiteral("tie")));
}

// A plain photo area made for thePage.
LMTemplateAreaDefinitionFoto plain(const QRectF& theRect, const QSizeF& thePage, int theRotation = 0)
{
    return LMTemplateAreaDefinitionFoto(LMRotatedRect(theRect, LMAngle(theRotation)), LMAreaAbility(),
                                        LMAreaDecoration(), LMAreaPositioningConstraint(), LMImageFXs(), thePage,
                                        LMAreaCreationRule());
}

QDomElement readFixture(QDomDocument& theDocument, const QString& theName)
{
    QFile aFile(LMTestSupport::dataPath(QStringLiteral("areas/") + theName));
    if (!aFile.open(QIODevice::ReadOnly) || !theDocument.setContent(&aFile))
        qFatal("cannot read fixture %s", qPrintable(theName));
    return theDocument.documentElement();
}
} // namespace

// Every kind of area: construction and normalisation, the measures of one area, mirrored clones,
// XML round trips, lookups through the registry seams, and bad input.
class TestAreaDefinitions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        LMTemplateLookup::install(nullptr);
        LMDecorationLookup::install(nullptr);
    }

    void constructorsNormalise()
    {
        const auto aFoto = make<LMTemplateAreaDefinitionFoto>(QRectF(200, 100, 600, 400), 30);
        QVERIFY(aFoto->isNormalized());
        QCOMPARE(aFoto->rotatedRect(), LMRotatedRect(QRectF(0.1, 0.1, 0.3, 0.4), LMAngle(30)));
        QCOMPARE(aFoto->originallyScaledForSize(), PAGE);
        QCOMPARE(aFoto->scaledRect(QSizeF(4000, 2000), QPointF(5, 5)), QRectF(405, 205, 1200, 800));
        QCOMPARE(aFoto->areaSizeOnOriginallyScaledForSize(), QSizeF(600, 400));

        // From a description: kept in document units, no original size.
        const LMTemplateAreaDefinitionText aText(
            LMAreaDescription(LMRotatedRect(QRectF(200, 100, 600, 400)), LMAreaAbilityEnum::Move),
            LMAreaPositioningConstraintEnum::Anywhere);
        QVERIFY(!aText.isNormalized());
        QCOMPARE(aText.originallyScaledForSize(), QSizeF(-1, -1));
        QCOMPARE(aText.scaledRect(QSizeF(4000, 2000)), QRectF(200, 100, 600, 400));

        // A page size with a zero side keeps document units, leaves the original size unknown and warns.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^cannot normalise")));
        const LMTemplateAreaDefinitionFoto aZeroPage = plain(QRectF(1, 2, 3, 4), QSizeF(0, 0));
        QVERIFY(!aZeroPage.isNormalized());
        QVERIFY(!aZeroPage.hasOriginalScale());
        QCOMPARE(aZeroPage.rect(), QRectF(1, 2, 3, 4));
    }

    // Orientation, spaciousness and weight point of an area given in page fractions.
    void measures_data()
    {
        columns<QRectF, bool, double, int, double, QPointF>("rect", "normalise", "aspect", "orientation",
                                                            "spaciousness", "weight");

        row("landscape", QRectF(0, 0, 0.6, 0.5), true, 1.0, 2, 0.3, QPointF(-0.06, -0.075));
        row("portrait", QRectF(0, 0, 0.4, 0.5), true, 1.0, 1, 0.2, QPointF(-0.06, -0.05));
        row("square by the page aspect", QRectF(0.75, 0.5, 0.25, 0.5), true, 2.0, 4, 0.125, QPointF(0.046875, 0.03125));
        row("zero height", QRectF(0, 0, 0.4, 0.0), true, 1.0, 4, 0.0, QPointF(0, 0));
        // An area in document units with a known page is measured on that page.
        row("document units, known page", QRectF(0.5, 0, 0.5, 0.5), false, 1.0, 4, 0.25, QPointF(0.0625, -0.0625));
    }

    void measures()
    {
        QFETCH(QRectF, rect);
        QFETCH(bool, normalise);

        LMTemplateAreaDefinitionFoto anArea
            = plain(QRectF(rect.x() * 2000, rect.y() * 1000, rect.width() * 2000, rect.height() * 1000), PAGE);
        if (!normalise)
            anArea.denormalize(PAGE);
        QCOMPARE(anArea.isNormalized(), normalise);
        QCOMPARE(anArea.orientation(fetch<double>("aspect")).value(), fetch<int>("orientation"));
        QTEST(anArea.calculateSpaciousness(), "spaciousness");
        QTEST(anArea.calculateWeightPoint(), "weight");
    }

    void scaleFactor_data()
    {
        columns<QSizeF, QSizeF, double>("original", "size", "factor");

        row("unknown original", QSizeF(-1, -1), QSizeF(500, 300), 1.0);
        row("neutral page, fuzzily", QSizeF(100000.00000001, 99999.99999999), QSizeF(50, 30), 1.0);
        row("only one side neutral", QSizeF(100000, 50000), QSizeF(50000, 50000), 0.5);
        row("smaller side ratio wins", QSizeF(2000, 1000), QSizeF(4000, 1500), 1.5);
    }

    void scaleFactor()
    {
        QFETCH(QSizeF, original);
        QFETCH(QSizeF, size);
        QFETCH(double, factor);

        auto anArea = original.width() > 0
            ? std::make_unique<LMTemplateAreaDefinitionFoto>(plain(QRectF(0, 0, 10, 10), original))
            : std::make_unique<LMTemplateAreaDefinitionFoto>(LMAreaDescription(), LMAreaPositioningConstraint());
        QCOMPARE(anArea->scaleFactor(size), factor);
        QCOMPARE(anArea->scaledDecoration(size), anArea->decoration().scaled(factor));
        anArea->forgetOriginalScale();
        QCOMPARE(anArea->scaleFactor(size), 1.0);
    }

    void scaledRectOnPageSpec_data()
    {
        columns<LMPageSizeSpec, int, QRectF>("spec", "options", "expected");

        const QPointF aBleed(30, 20);
        const QSizeF aPage(4000, 2000);
        row("with the print area offset", LMPageSizeSpec(aPage, aBleed), 1, QRectF(430, 220, 1200, 800));
        row("slipcase cover size", LMPageSizeSpec(aPage, aBleed, QSizeF(1000, 500)), 0, QRectF(100, 50, 300, 200));
        row("zero slipcase size counts", LMPageSizeSpec(aPage, aBleed, QSizeF(0, 0)), 0, QRectF(0, 0, 0, 0));
        row("negative slipcase side: usable size", LMPageSizeSpec(aPage, aBleed, QSizeF(1000, -1)), 0,
            QRectF(400, 200, 1200, 800));
        row("original size and offset", LMPageSizeSpec(aPage, aBleed), 3, QRectF(230, 120, 600, 400));
    }

    void scaledRectOnPageSpec()
    {
        QFETCH(LMPageSizeSpec, spec);
        QFETCH(QRectF, expected);

        // Made for a page of 2000.4 x 999.6, which rounds to 2000 x 1000.
        const LMTemplateAreaDefinitionFoto anArea
            = plain(QRectF(200.04, 99.96, 600.12, 399.84), QSizeF(2000.4, 999.6), 15);
        const auto anOptions = LMTemplateAreaDefinition::CreateOptions::fromInt(fetch<int>("options"));
        QCOMPARE(anArea.scaledRect(spec, anOptions), expected);
        QCOMPARE(anArea.createRotatedRect(spec, anOptions), LMRotatedRect(expected, LMAngle(15)));
    }

    void pageAlignmentIsOkay_data()
    {
        columns<int, int, bool>("constraint", "alignment", "okay");

        row("anywhere, even on no page", 7, 0, true);
        row("left area on the left", 1, 1, true);
        row("left area on the right", 1, 2, false);
        row("left area on a double page", 1, 8, true);
        row("nowhere on a double page", 0, 8, false);
        row("left area on both pages, which is no page", 1, 3, false);
    }

    void pageAlignmentIsOkay()
    {
        LMTemplateAreaDefinitionText anArea(LMAreaDescription(),
                                            LMAreaPositioningConstraint::fromInt(fetch<int>("constraint")));
        QTEST(anArea.pageAlignmentIsOkay(LMPageAlignment::fromInt(fetch<int>("alignment"))), "okay");
    }

    void equality()
    {
        const auto aFoto = make<LMTemplateAreaDefinitionFoto>(QRectF(200, 100, 600, 400));
        const std::unique_ptr<LMTemplateAreaDefinition> aClone = aFoto->clone();
        QVERIFY(*aClone == *aFoto);

        aClone->setZPosition(7010);
        aClone->setOriginId(3);
        const FakeTemplateLookup aTemplates({ QStringLiteral("elsewhere") });
        aClone->setReference(aTemplates.findTemplateByName(QStringLiteral("elsewhere")), QStringLiteral("c1"));
        QVERIFY2(*aClone == *aFoto, "z position and references do not count");

        aClone->markAsLayoutContent();
        QVERIFY(*aClone != *aFoto);
        aClone->markAsLayoutContent(false);
        aClone->setPositioningConstraint(LMAreaPositioningConstraintEnum::RightPage);
        QVERIFY(*aClone != *aFoto);

        // Same geometry, other kind.
        const auto aBackground = make<LMTemplateAreaDefinitionFotoBackground>(QRectF(200, 100, 600, 400));
        QVERIFY(*aBackground != *aFoto);

        // QR codes also compare their videos.
        auto aCode = make<LMTemplateAreaDefinitionQRCode>(QRectF(0, 0, 100, 100));
        auto anOtherCode = make<LMTemplateAreaDefinitionQRCode>(QRectF(0, 0, 100, 100));
        QVERIFY(*aCode == *anOtherCode);
        aCode->setVideo(LMFoto::fromString(QStringLiteral("https://example.org/a.mp4")));
        QVERIFY(!(*aCode == *anOtherCode));
        QVERIFY(static_cast<const LMTemplateAreaDefinition&>(*aCode) == *anOtherCode);
    }

    void mirroredClones()
    {
        const LMMirrorRule aVertical(LMMirrorRuleEnum::VerticalAxis);

        auto aFoto = make<LMTemplateAreaDefinitionFoto>(QRectF(200, 200, 600, 400), 30);
        aFoto->setMask(LMConfiguredDecorationTemplate(LMDesignElementID(4711)));
        aFoto->setFoto(LMFoto::fromString(QStringLiteral("/fotos/a.jpg")));
        aFoto->setZPosition(7020);
        const std::unique_ptr<LMTemplateAreaDefinition> aMirrored = aFoto->clone(aVertical);
        QCOMPARE(aMirrored->rotatedRect(), LMRotatedRect(QRectF(0.6, 0.2, 0.3, 0.4), LMAngle(330)));
        QVERIFY(aMirrored->decoration().corners().hasCorner(LMCornerEnum::TopRight));
        QCOMPARE(aMirrored->foto(), aFoto->foto());
        QCOMPARE(aMirrored->zPosition(), 7020);
        QCOMPARE(static_cast<LMTemplateAreaDefinitionFoto&>(*aMirrored).mask().configuration().mirrorRule(), aVertical);
        QVERIFY(*aMirrored->clone(aVertical) == *aFoto);
        QVERIFY(*aMirrored != *aFoto);

        // Cliparts are mirrored with their area; backgrounds swap sides and turn the other way.
        auto aClipart = make<LMTemplateAreaDefinitionClipart>(QRectF(0, 0, 100, 100));
        aClipart->setClipart(LMConfiguredDecorationTemplate(
            LMDesignElementID(5), LMClipartConfiguration(LMMirrorRuleEnum::HorizontalAxis, true)));
        const auto aMirroredClipart = aClipart->clone(aVertical);
        QCOMPARE(static_cast<LMTemplateAreaDefinitionClipart&>(*aMirroredClipart)
                     .clipart()
                     .configuration()
                     .mirrorRule()
                     .value(),
                 3);
        auto aBackground = make<LMTemplateAreaDefinitionBackground>(QRectF(0, 0, 1000, 1000));
        aBackground->setAlignment(LMAreaBackgroundAlignmentEnum::Left);
        aBackground->setBackgroundRotation(LMAngle(90));
        const auto aMirroredBackground = aBackground->clone(aVertical);
        const auto& aSwapped = static_cast<LMTemplateAreaDefinitionBackground&>(*aMirroredBackground);
        QCOMPARE(aSwapped.alignment().value(), 3);
        QCOMPARE(aSwapped.backgroundRotation().degrees(), 270);
        QCOMPARE(aSwapped.rect(), QRectF(0.5, 0, 0.5, 1));

        // An SVG area owns a copy of its image; a smart layout mirrors its children.
        auto anSvg = make<LMTemplateAreaDefinitionSVG>(QRectF(0, 0, 100, 100));
        anSvg->setSvgImage(std::make_unique<LMSVGImage>(GREEN_SVG));
        const auto anSvgClone = anSvg->clone();
        anSvg->setSvgImage(nullptr);
        QVERIFY(!anSvg->isValid());
        QVERIFY(anSvgClone->isValid());
        auto aSmart = make<LMTemplateAreaDefinitionSmartLayout>(QRectF(0, 0, 2000, 1000));
        aSmart->addChild(make<LMTemplateAreaDefinitionFoto>(QRectF(0, 0, 500, 500)));
        const auto aSmartClone = aSmart->clone(aVertical);
        const auto& aMirroredSmart = static_cast<LMTemplateAreaDefinitionSmartLayout&>(*aSmartClone);
        QCOMPARE(aMirroredSmart.children().count(), 1);
        QCOMPARE(aMirroredSmart.children().first()->rect(), QRectF(0.75, 0, 0.25, 0.5));

        // In document units with an unknown page the area mirrors in place.
        const LMTemplateAreaDefinitionText aText(
            LMAreaDescription(LMRotatedRect(QRectF(10, 20, 30, 40), LMAngle(10)), LMAreaAbility()),
            LMAreaPositioningConstraint());
        QCOMPARE(aText.clone(aVertical)->rotatedRect(), LMRotatedRect(QRectF(10, 20, 30, 40), LMAngle(350)));
    }

    void roundTrip_data()
    {
        columns<AreaPointer, QString>("area", "tag");

        auto aFoto = make<LMTemplateAreaDefinitionFoto>(QRectF(200, 100, 600, 400), 30);
        aFoto->setFotoInAreaDescription(LMFotoInAreaDescription(LMFoto::fromString(QStringLiteral("/fotos/Ä.jpg")),
                                                                LMFotoInAreaPositionState(QPointF(-10, 5), 1.5),
                                                                false));
        aFoto->setFotoStatus(LMTemplateAreaDefinitionFotoStatus(QStringLiteral("preview, printable")));
        aFoto->setOptiFillContent(true);
        aFoto->setAdjustAspectRatioForVideo(true);
        aFoto->setMask(LMConfiguredDecorationTemplate(LMDesignElementID(4711),
                                                      LMClipartConfiguration(LMMirrorRuleEnum::VerticalAxis, false)));
        aFoto->setKeepAspectRatio(false);
        row("photo", AreaPointer(std::move(aFoto)), "imagearea");

        auto aFixed = make<LMTemplateAreaDefinitionFoto>(QRectF(0, 0, 100, 100));
        aFixed->setFotoStatus(LMTemplateAreaDefinitionFotoStatusEnum::Fix);
        row("fixed photo", AreaPointer(std::move(aFixed)), "imagearea");

        auto aFotoBackground = make<LMTemplateAreaDefinitionFotoBackground>(QRectF(0, 0, 2000, 1000));
        aFotoBackground->setBackgroundPosition(LMImageBackgroundPositionEnum::Tile);
        row("photo background", AreaPointer(std::move(aFotoBackground)), "imagebackgroundarea");

        auto aCode = make<LMTemplateAreaDefinitionQRCode>(QRectF(1800, 850, 150, 150));
        aCode->setVideo(LMFoto::fromString(QStringLiteral("https://example.org/clips/see.mp4")));
        row("qr code", AreaPointer(std::move(aCode)), "qrcodearea");

        auto aSmart = make<LMTemplateAreaDefinitionSmartLayout>(QRectF(100, 100, 1800, 800));
        aSmart->setActive(true);
        LMSmartLayoutConfiguration aConfiguration;
        aConfiguration.setSpacing(LMDistance(0.01, LMDistanceUnit::Relative));
        aConfiguration.setAutoGenerated(true);
        aSmart->setConfiguration(aConfiguration);
        row("smart layout", AreaPointer(std::move(aSmart)), "smartlayoutarea");

        auto aMap = make<LMTemplateAreaDefinitionOsm>(QRectF(1000, 750, 400, 200));
        LMOsmContent aContent;
        aContent.setCenter(QPointF(9.5, 47.5));
        aContent.setZoom(10);
        aContent.setPosition(LMAreaAssociationId(QStringLiteral("first")), QPointF(9.4, 47.6));
        aMap->setContent(aContent);
        aMap->setEffect(LMEffectEnum::Grayscale);
        aMap->setGeoPosition(LMAreaAssociationId(QStringLiteral("centre")), QPointF(9.5, 47.5));
        row("map", AreaPointer(std::move(aMap)), "maparea");

        auto aText = make<LMTemplateAreaDefinitionText>(QRectF(1000, 800, 800, 100));
        aText->setDefaultText(QStringLiteral("Grüße \"vom\" <See>"));
        aText->setAutoTextPattern(QStringLiteral("{place}"));
        aText->setAutoTextTransform(LMTextTransformEnum::Uppercase);
        aText->setBackgroundColor(QColor(255, 255, 255, 128));
        aText->setOutline(LMOutlineConfig(LMDistance(0.3, LMDistanceUnit::Millimetre), QColor(Qt::black)));
        LMTextFormat aFormat;
        aFormat.setFontFamily(QStringLiteral("Fira Sans"));
        aFormat.setFontSize(11.8);
        aText->setTextFormatChange(LMTextFormatChange(aFormat, LMTextFormat::FontFamily | LMTextFormat::FontSize));
        aText->setTextType(LMAreaTextType(QStringLiteral("caption, editor")));
        aText->setGrowthStrategy(LMTextGrowthStrategyEnum::Centered);
        aText->setCssClassName(QStringLiteral("title"));
        aText->setShareName(QStringLiteral("shared-1"));
        aText->setCharacterRange(LMIntRange(0, 120));
        row("text", AreaPointer(std::move(aText)), "textarea");

        auto aCalendar = make<LMTemplateAreaDefinitionCalendarium>(QRectF(1000, 100, 900, 600));
        LMCalendariumAppearance anAppearance;
        anAppearance.setColorSchema(QStringLiteral("Herbst"));
        anAppearance.setMonthOffset(1);
        aCalendar->setAppearance(anAppearance);
        row("calendar", AreaPointer(std::move(aCalendar)), "calendararea");

        auto aClipart = make<LMTemplateAreaDefinitionClipart>(QRectF(50, 850, 100, 100), 45);
        aClipart->setClipart(LMConfiguredDecorationTemplate(LMDesignElementID(815),
                                                            LMClipartConfiguration(LMMirrorRuleEnum::BothAxes, true)));
        aClipart->setKeepAspectRatio(false);
        row("clipart", AreaPointer(std::move(aClipart)), "clipartarea");

        row("empty clipart", AreaPointer(make<LMTemplateAreaDefinitionClipart>(QRectF(0, 0, 10, 10))), "clipartarea");

        auto aPlainSvg = make<LMTemplateAreaDefinitionSVG>(QRectF(0, 0, 400, 200));
        aPlainSvg->setSvgImage(std::make_unique<LMSVGImage>(GREEN_SVG));
        aPlainSvg->setDefaultCssSheet(QStringLiteral("day"));
        row("plain svg", AreaPointer(std::move(aPlainSvg)), "svgarea");

        auto aCalendarSvg = make<LMTemplateAreaDefinitionSVG>(QRectF(0, 0, 400, 200));
        aCalendarSvg->setSvgImage(std::make_unique<LMSVGImageCalendar>(
            GREEN_SVG,
            QMap<QString, QString>({ { QStringLiteral("night"), QStringLiteral(".c { fill: #000000; }") } })));
        aCalendarSvg->setCustomCssSheet(QStringLiteral("customColor#ff0000.css"));
        row("calendar svg", AreaPointer(std::move(aCalendarSvg)), "svgarea");

        auto aBackground = make<LMTemplateAreaDefinitionBackground>(QRectF(0, 0, 2000, 1000));
        aBackground->setAlignment(LMAreaBackgroundAlignmentEnum::Center);
        aBackground->setBackgroundRotation(LMAngle(270));
        row("background", AreaPointer(std::move(aBackground)), "backgroundarea");
    }

    void roundTrip()
    {
        QFETCH(AreaPointer, area);

        const FakeTemplateLookup aTemplates({ QStringLiteral("bg-blue"), QStringLiteral("frame-oak") });
        const FakeDecorationLookup aDecorations({}, { 4711 });
        LMTemplateLookup::install(&aTemplates);
        LMDecorationLookup::install(&aDecorations);
        if (auto* aBackground = dynamic_cast<LMTemplateAreaDefinitionBackground*>(area.get())) {
            aBackground->setTemplate(LMTemplateLayerTypeEnum::Background,
                                     aTemplates.reference(QStringLiteral("bg-blue")));
            aBackground->setTemplate(LMTemplateLayerTypeEnum::Frame, aTemplates.reference(QStringLiteral("frame-oak")));
        }

        // Written for a page twice as large, read back for it: the normalised geometry is the same.
        const QSizeF aPage(4000, 2000);
        QDomDocument aDocument;
        QDomElement aLayout = aDocument.createElement(QStringLiteral("layout"));
        aDocument.appendChild(aLayout);
        area->buildXML(aLayout, aPage);
        QCOMPARE(aLayout.childNodes().size(), 1);
        QTEST(aLayout.firstChildElement().tagName(), "tag");

        // Through text, as a file would carry it.
        QDomDocument aReparsed;
        QVERIFY(aReparsed.setContent(aDocument.toString()));
        const std::unique_ptr<LMTemplateAreaDefinition> aRead
            = LMTemplateAreaDefinitionFactory::create(aReparsed.documentElement().firstChildElement(), aPage);
        QVERIFY(aRead);
        QVERIFY2(*aRead == *area, qPrintable(aDocument.toString()));
        QCOMPARE(aRead->areaDescription().decoration(), area->areaDescription().decoration());
        QCOMPARE(aRead->associationId(), area->associationId());
        QCOMPARE(aRead->originallyScaledForSize(), aPage);
        QCOMPARE(aRead->isValid(), area->isValid());
        QCOMPARE(aRead->foto(), area->foto());
        QCOMPARE(aRead->templates(), area->templates());
        QCOMPARE(aRead->associations(), area->associations());

// The values the read area of that kind gives are the ones the written area has.
#define SAME(Kind, ...)                                                                                                \
    if (const auto* anOriginal = dynamic_cast<const Kind*>(area.get())) {                                              \
        const auto aValues = [](const Kind& x) {                                                                       \
            return std::make_tuple(__VA_ARGS__);                                                                       \
        };                                                                                                             \
        QVERIFY(aValues(dynamic_cast<const Kind&>(*aRead)) == aValues(*anOriginal));                                   \
    }
        SAME(LMTemplateAreaDefinitionFotoContainer, x.fotoInAreaDescription(), x.fotoStatus(), x.useABK(),
             x.optiFillContent(), x.mask(), x.keepsAspectRatio());
        SAME(LMTemplateAreaDefinitionFoto, x.adjustAspectRatioForVideo());
        SAME(LMTemplateAreaDefinitionFotoBackground, x.backgroundPosition());
        SAME(LMTemplateAreaDefinitionSmartLayout, x.isActive(), x.configuration());
        SAME(LMTemplateAreaDefinitionOsm, x.content(), x.effect(), x.geoPositions());
        SAME(LMTemplateAreaDefinitionText, x.defaultText(), x.autoTextPattern(), x.autoTextTransform(),
             x.backgroundColor(), x.outline(), x.textFormatChange(), x.textType(), x.growthStrategy(), x.cssClassName(),
             x.shareName());
        SAME(LMTemplateAreaDefinitionCalendarium, x.appearance());
        SAME(LMTemplateAreaDefinitionClipart, x.clipart(), x.hasClipart(), x.keepsAspectRatio());
        SAME(LMTemplateAreaDefinitionSVG, x.defaultCssSheet(), x.customCssSheet());
        SAME(LMTemplateAreaDefinitionBackground, x.referencedTemplates(), x.alignment(), x.backgroundRotation());
#undef SAME
        if (const auto* aCode = dynamic_cast<const LMTemplateAreaDefinitionQRCode*>(area.get()))
            QVERIFY(dynamic_cast<const LMTemplateAreaDefinitionQRCode&>(*aRead) == *aCode);
        if (const auto* aText = dynamic_cast<const LMTemplateAreaDefinitionText*>(area.get()))
            QVERIFY(dynamic_cast<const LMTemplateAreaDefinitionText&>(*aRead).characterRange()
                    == aText->characterRange());
        if (const auto* anSvg = dynamic_cast<const LMTemplateAreaDefinitionSVG*>(area.get()))
            QVERIFY(dynamic_cast<const LMTemplateAreaDefinitionSVG&>(*aRead).svgImage()->equals(*anSvg->svgImage()));
    }

    void readFixtureOfAllKinds()
    {
        const FakeTemplateLookup aTemplates({ QStringLiteral("bg-blue"), QStringLiteral("frame-oak") });
        const FakeDecorationLookup aDecorations({ { QStringLiteral("clipart_sun.svg"), 815 } }, { 4711 });
        LMTemplateLookup::install(&aTemplates);
        LMDecorationLookup::install(&aDecorations);

        QDomDocument aDocument;
        const QDomElement aLayout = readFixture(aDocument, QStringLiteral("all_kinds.xml"));
        QTest::ignoreMessage(QtWarningMsg, "background template not found: \"no-such-template\"");
        const LMTemplateAreaDefinitionList aList
            = LMTemplateAreaDefinitionList::fromXml(aLayout, PAGE, QStringLiteral("/content/designs/see"));
        QVERIFY(aList.isValid());
        QList<int> aTypes;
        for (const LMTemplateAreaDefinition* anArea : aList)
            aTypes.append(anArea->areaType().value());
        QCOMPARE(aTypes, QList<int>({ 2048, 2, 4, 32, 64, 256, 1024, 4096, 16384, 32768 }));
        QCOMPARE(LMMirrorRule::fromXml(aLayout).value(), 2);

        const auto* aBackground = dynamic_cast<const LMTemplateAreaDefinitionBackground*>(aList.at(0));
        QCOMPARE(aBackground->templates(),
                 LMTemplateList({ aTemplates.reference(QStringLiteral("bg-blue")),
                                  aTemplates.reference(QStringLiteral("frame-oak")) }));
        QCOMPARE(aBackground->alignment().value(), 3);
        QCOMPARE(aBackground->backgroundRotation().degrees(), 270);

        const auto* aFoto = dynamic_cast<const LMTemplateAreaDefinitionFoto*>(aList.at(1));
        QCOMPARE(aFoto->rotatedRect(), LMRotatedRect(QRectF(0.05, 0.1, 0.4, 0.6), LMAngle(5)));
        QCOMPARE(aFoto->positioningConstraint().value(), 1);
        QCOMPARE(aFoto->associationId().id(), QStringLiteral("first"));
        QCOMPARE(aFoto->abilities().value(), 4701183);
        QCOMPARE(aFoto->foto().localFilePath(), QStringLiteral("/content/designs/see/fotos/Sommer am See.jpg"));
        QCOMPARE(aFoto->fotoInAreaDescription().position(), LMFotoInAreaPositionState(QPointF(-40, -10), 1.25));
        QCOMPARE(aFoto->mask(),
                 LMConfiguredDecorationTemplate(LMDesignElementID(4711),
                                                LMClipartConfiguration(LMMirrorRuleEnum::HorizontalAxis, false)));
        QCOMPARE(aFoto->decoration().border().width(), LMDistance(2, LMDistanceUnit::Millimetre));

        const auto* aText = dynamic_cast<const LMTemplateAreaDefinitionText*>(aList.at(3));
        QCOMPARE(aText->defaultText(), QStringLiteral("Grüße vom See"));
        QCOMPARE(aText->textType().value(), 64 | 256);
        QCOMPARE(aText->textFormatChange().format().fontSize(), 11.8 * 2.65 / 2.36);
        QCOMPARE(aText->growthStrategy().value(), 15);

        QVERIFY(dynamic_cast<const LMTemplateAreaDefinitionCalendarium*>(aList.at(4))->isLegacy());
        QCOMPARE(dynamic_cast<const LMTemplateAreaDefinitionClipart*>(aList.at(5))->clipart().designElementId().id(),
                 815);
        QVERIFY(aList.at(6)->isValid());
        QCOMPARE(aList.at(8)->associations().value(LMAreaAssociationId(QStringLiteral("first"))), QPointF(9.4, 47.6));

        const auto* aSmart = dynamic_cast<const LMTemplateAreaDefinitionSmartLayout*>(aList.at(9));
        QVERIFY(aSmart->isActive());
        QCOMPARE(aSmart->rect(), QRectF(0.075, 0.15, 0.85, 0.7));
        QCOMPARE(aSmart->spacing(), LMDistance(0.01, LMDistanceUnit::Relative));
        QCOMPARE(aSmart->creationRule().value(), 4);
    }

    void backgroundLookup()
    {
        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(
            QStringLiteral("<backgroundarea x='0' y='0' width='10' height='10' alignment='left'>"
                           "<templateref type='TEMPLATE_CONTENT_BACKGROUND' alignment='right'> bg-blue </templateref>"
                           "<templateref type='TEMPLATE_FRAME'>frame-oak</templateref></backgroundarea>")));
        const QDomElement anElement = aDocument.documentElement();

        // No registry yet: nothing resolves.
        QTest::ignoreMessage(QtWarningMsg, "background template not found: \"bg-blue\"");
        QTest::ignoreMessage(QtWarningMsg, "background template not found: \"frame-oak\"");
        const LMTemplateAreaDefinitionBackground aWithout(anElement, QSizeF(10, 10));
        QVERIFY(aWithout.referencedTemplates().isEmpty());
        // The first child's alignment wins over the area's.
        QCOMPARE(aWithout.alignment().value(), 3);

        const FakeTemplateLookup aTemplates({ QStringLiteral("bg-blue") });
        LMTemplateLookup::install(&aTemplates);
        QCOMPARE(LMTemplateLookup::installed(), &aTemplates);
        QTest::ignoreMessage(QtWarningMsg, "background template not found: \"frame-oak\"");
        const LMTemplateAreaDefinitionBackground aWith(anElement, QSizeF(10, 10));
        QCOMPARE(aWith.referencedTemplates().size(), 1);
        QCOMPARE(aWith.referencedTemplates().value(LMTemplateLayerTypeEnum::Background),
                 aTemplates.reference(QStringLiteral("bg-blue")));

        // A lookup that goes away uninstalls itself.
        {
            const FakeTemplateLookup aShortLived({});
            LMTemplateLookup::install(&aShortLived);
        }
        QCOMPARE(LMTemplateLookup::installed(), nullptr);
    }

    // What each kind reads from its attributes and children, on a page of 1000 x 500.
    void readAttributes_data()
    {
        columns<QString, bool, QString, QString>("xml", "lookups", "warning", "expected");

        row("photo: no status", "<imagearea/>", true, "", "status 0 abilities 6799359 rule 30 mask 0 0");
        row("photo: preview", "<imagearea editor='preview'/>", true, "", "status 1 abilities 6799359 rule 30 mask 0 0");
        row("photo: fix among others", "<imagearea editor='preview, FIX'/>", true, "",
            "status 5 abilities 4701183 rule 30 mask 0 0");
        row("photo: known mask", "<imagearea><image fading='4711'/></imagearea>", true, "",
            "status 0 abilities 6799359 rule 30 mask 4711 1");
        row("photo: unknown mask", "<imagearea><image fading='4712'/></imagearea>", true, "mask not found: 4712",
            "status 0 abilities 6799359 rule 30 mask 0 0");
        row("photo: mask kept without registry", "<imagearea><image fading='4712'/></imagearea>", false, "",
            "status 0 abilities 6799359 rule 30 mask 4712 1");
        row("photo: fading on the area is not read", "<imagearea fading='4711'/>", true, "",
            "status 0 abilities 6799359 rule 30 mask 0 0");
        row("clipart: id wins over unique name", "<clipartarea designElementId='12' uniqueName='clipart_sun.svg'/>",
            true, "", "clipart 12 1");
        row("clipart: unique name through the registry",
            "<clipartarea designElementId='0' uniqueName='clipart_sun.svg'/>", true, "", "clipart 815 1");
        row("clipart: unknown unique name", "<clipartarea uniqueName='clipart_moon.svg'/>", true,
            "clipart not found: \"clipart_moon.svg\"", "clipart 0 0");
        row("clipart: unique name without registry", "<clipartarea uniqueName='clipart_sun.svg'/>", false,
            "clipart not found: \"clipart_sun.svg\"", "clipart 0 0");
        row("clipart: none", "<clipartarea/>", true, "", "clipart 0 0");
        const QString aFont = QStringLiteral("<textformat fontSize='10'/></textarea>");
        row("text: reference size", "<textarea kiv34fontsize='2.36'>" + aFont, true, "", "text 64 10");
        row("text: no size given", "<textarea>" + aFont, true, "", "text 64 11.2288");
        row("text: type 0 means 64", "<textarea kiv34fontsize='2.36' type='0'>" + aFont, true, "", "text 64 10");
        row("text: type word", "<textarea kiv34fontsize='2.36' type='headline'>" + aFont, true, "", "text 1 10");
        row("text: editor adds its bit", "<textarea kiv34fontsize='2.36' type='4' editor='256'>" + aFont, true, "",
            "text 260 10");
        row("text: other editor values add nothing", "<textarea kiv34fontsize='2.36' editor='4'>" + aFont, true, "",
            "text 64 10");
        const QString anSvg = QStringLiteral("<svgarea svgImageType='%1'>") + QString::fromUtf8(GREEN_SVG)
            + QStringLiteral("</svgarea>");
        row("svg: plain", qPrintable(anSvg.arg("1")), true, "", "svg 1 1");
        row("svg: calendar", qPrintable(anSvg.arg(" 2 ")), true, "", "svg 1 2");
        row("svg: zero", qPrintable(anSvg.arg("0")), true, "unknown svgImageType 0", "svg 0 0");
        const QString aSmart = QStringLiteral("<smartlayoutarea x='100' y='50' width='500' height='250'>%1"
                                              "</smartlayoutarea>");
        const QString aPadding = QStringLiteral("<padding left='10' top='20' right='30' bottom='40'/></layoutArea>");
        row("smart layout: no layout area", qPrintable(aSmart.arg("")), true, "", "mask 0 0 smart 0.1 0.1 0.5 0.5 0 0");
        row("smart layout: padding shrinks",
            qPrintable(aSmart.arg("<layoutArea x='100' y='100' width='800' height='400' spacing='20'>" + aPadding)),
            true, "", "mask 0 0 smart 0.11 0.24 0.76 0.68 0.02rel 1");
        row("smart layout: elegant keeps the rectangle",
            qPrintable(aSmart.arg("<layoutArea x='100' y='100' width='800' height='400' elegant='1'>" + aPadding)),
            true, "", "mask 0 0 smart 0.1 0.2 0.8 0.8 0rel 1");
        row("smart layout: the last layout area wins",
            qPrintable(aSmart.arg("<layoutArea x='0' y='0' width='100' height='100'/>"
                                  "<layoutArea x='500' y='250' width='500' height='250'/>")),
            true, "", "mask 0 0 smart 0.5 0.5 0.5 0.5 0rel 1");
    }

    void readAttributes()
    {
        QFETCH(QString, warning);

        const FakeDecorationLookup aDecorations({ { QStringLiteral("clipart_sun.svg"), 815 } }, { 4711 });
        if (fetch<bool>("lookups"))
            LMDecorationLookup::install(&aDecorations);
        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(fetch<QString>("xml")));
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        const QSizeF aPage(1000, 500);
        const auto anArea = LMTemplateAreaDefinitionFactory::create(aDocument.documentElement(), aPage);
        QVERIFY(anArea);
        QStringList aParts;
        if (const auto* aFoto = dynamic_cast<const LMTemplateAreaDefinitionFoto*>(anArea.get()))
            aParts << QStringLiteral("status %1 abilities %2 rule %3")
                          .arg(aFoto->fotoStatus().value())
                          .arg(aFoto->abilities().value())
                          .arg(aFoto->creationRule().value());
        if (const auto* aMaskable = dynamic_cast<const LMTemplateAreaDefinitionMaskable*>(anArea.get()))
            aParts
                << QStringLiteral("mask %1 %2").arg(aMaskable->mask().designElementId().id()).arg(aMaskable->hasMask());
        if (const auto* aClipart = dynamic_cast<const LMTemplateAreaDefinitionClipart*>(anArea.get()))
            aParts << QStringLiteral("clipart %1 %2")
                          .arg(aClipart->clipart().designElementId().id())
                          .arg(aClipart->hasClipart());
        if (const auto* aText = dynamic_cast<const LMTemplateAreaDefinitionText*>(anArea.get()))
            aParts << QStringLiteral("text %1 %2")
                          .arg(aText->textType().value())
                          .arg(aText->textFormatChange().format().fontSize());
        if (const auto* anSvg = dynamic_cast<const LMTemplateAreaDefinitionSVG*>(anArea.get()))
            aParts << QStringLiteral("svg %1 %2")
                          .arg(anSvg->isValid())
                          .arg(anSvg->svgImage() ? int(anSvg->svgImage()->type()) : 0);
        if (auto* aSmart = dynamic_cast<LMTemplateAreaDefinitionSmartLayout*>(anArea.get())) {
            const QRectF aRect = aSmart->rect();
            aParts << QStringLiteral("smart %1 %2 %3 %4 %5")
                          .arg(aRect.x())
                          .arg(aRect.y())
                          .arg(aRect.width())
                          .arg(aRect.height())
                          .arg(aSmart->spacing().toString());
            // Reading again changes nothing and says whether a layout area was found.
            aParts << QString::number(aSmart->readXml(aDocument.documentElement(), aPage));
            QCOMPARE(aSmart->rect(), aRect);
        }
        QTEST(aParts.join(QLatin1Char(' ')), "expected");
    }

    void badInput()
    {
        QDomDocument aDocument;
        const QDomElement aLayout = readFixture(aDocument, QStringLiteral("bad_areas.xml"));
        const QString aMalformed = QStringLiteral("<%1> attribute \"%2\": \"%3\" is not %4; default used");
        QTest::ignoreMessage(QtWarningMsg, "Unbekannter Knotentyp: circlearea");
        QTest::ignoreMessage(QtWarningMsg, qPrintable(aMalformed.arg("imagearea", "x", "1,5", "a number")));
        QTest::ignoreMessage(QtWarningMsg, qPrintable(aMalformed.arg("imagearea", "height", "abc", "a number")));
        QTest::ignoreMessage(QtWarningMsg, "unknown svgImageType 7");
        QTest::ignoreMessage(QtWarningMsg, "SVG image could not be read: \"\"");
        QTest::ignoreMessage(QtWarningMsg, qPrintable(aMalformed.arg("textarea", "kiv34fontsize", "big", "a number")));
        QTest::ignoreMessage(QtWarningMsg, qPrintable(aMalformed.arg("textarea", "editor", "12x", "an integer")));
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));

        const LMTemplateAreaDefinitionList aList = LMTemplateAreaDefinitionList::fromXml(aLayout, PAGE);
        QVERIFY(aList.isValid());
        QCOMPARE(aList.count(), 6);
        QCOMPARE(aList.at(0)->rect(), QRectF(0, 0.1, 0.1, 0));
        for (int i = 1; i <= 3; ++i)
            QVERIFY2(!aList.at(i)->isValid(), qPrintable(QStringLiteral("svg area %1").arg(i)));
        const auto* aText = dynamic_cast<const LMTemplateAreaDefinitionText*>(aList.at(4));
        QCOMPARE(aText->textType().value(), 64);
        QCOMPARE(aText->textFormatChange().format().fontSize(), 10.0 * 2.65 / 2.36);
        QVERIFY(!dynamic_cast<const LMTemplateAreaDefinitionClipart*>(aList.at(5))->hasClipart());

        // Children that name no area give nothing, silently; an empty layout is no layout.
        QDomDocument anEmpty;
        QVERIFY(anEmpty.setContent(QStringLiteral("<layout><total/><fotozone/></layout>")));
        const LMTemplateAreaDefinitionList aNone
            = LMTemplateAreaDefinitionList::fromXml(anEmpty.documentElement(), PAGE);
        QVERIFY(!aNone.isValid());
        QVERIFY(aNone.isEmpty());
    }
};

QTEST_MAIN(TestAreaDefinitions)
#include "tst_areadefinitions.moc"
