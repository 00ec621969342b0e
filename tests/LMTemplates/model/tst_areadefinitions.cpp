#include "LMFakeLookups.h"
#include "LMFotoInAreaDescription.h"
#include "LMSVGImage.h"
#include "LMSVGImageCalendar.h"
#include "LMTemplate.h"
#include "LMTemplateAnalysis.h"
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
#include <QTest>

#include <tuple>
#include <utility>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

using AreaPointer = std::shared_ptr<LMTemplateAreaDefinition>;
Q_DECLARE_METATYPE(AreaPointer)
Q_DECLARE_METATYPE(LMPageSizeSpec)
Q_DECLARE_METATYPE(LMFotoInAreaDescription)

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
    return LMTestSupport::parseXml(theDocument, QString::fromUtf8(LMTestSupport::fixture("areas/" + theName)));
}

// A photo area given in fractions of the page, and its rotation.
struct Box
{
    QRectF rect;
    int rotation = 0;
};
using Boxes = QList<Box>;

// A layout for the sort and distance tables: photo areas, text areas and the page it was
// generated for (0: made by hand).
struct Layout
{
    Boxes fotos;
    int texts = 0;
    int generatedFor = 0;
};

// A text area of the second text kind (bit 8192), as calendar texts are.
class CalendarTextArea : public LMTemplateAreaDefinitionText
{
public:
    using LMTemplateAreaDefinitionText::LMTemplateAreaDefinitionText;
    LMAreaType areaType() const override { return LMAreaTypeEnum::CalendarText; }
};

template <typename Area> std::unique_ptr<Area> area(const QRectF& theRect, int theRotation = 0)
{
    return std::make_unique<Area>(LMRotatedRect(theRect, LMAngle(theRotation)), LMAreaAbilityEnum::FotoDefault,
                                  LMAreaDecoration(), LMAreaPositioningConstraintEnum::Anywhere, LMImageFXs(),
                                  QSizeF(1, 1), LMAreaCreationRuleEnum::Default);
}

LMTemplateAreaDefinitionList photos(const Boxes& theBoxes)
{
    LMTemplateAreaDefinitionList aList;
    for (const Box& aBox : theBoxes)
        aList.append(area<LMTemplateAreaDefinitionFoto>(aBox.rect, aBox.rotation));
    aList.setValid(true);
    return aList;
}

// A list spelled one letter per area: p portrait photo, l landscape photo, s square photo,
// t text, x calendar text, c clipart, k calendar, b photo background. Two letters gather the photo
// areas spelled so far into a smart layout: g moves them into it (as layouts of XML files have
// them), G gives it copies and keeps them (as SVG pages have them).
template <typename Area> std::unique_ptr<LMTemplateAreaDefinition> anyArea(const QRectF& theRect)
{
    return area<Area>(theRect);
}

LMTemplateAreaDefinitionList spelled(const QString& theAreas)
{
    using Make = std::unique_ptr<LMTemplateAreaDefinition> (*)(const QRectF&);
    static const QHash<char, std::pair<Make, QRectF>> ourKinds {
        { 'p', { &anyArea<LMTemplateAreaDefinitionFoto>, QRectF(0.1, 0.1, 0.2, 0.4) } },
        { 'l', { &anyArea<LMTemplateAreaDefinitionFoto>, QRectF(0.5, 0.1, 0.4, 0.2) } },
        { 's', { &anyArea<LMTemplateAreaDefinitionFoto>, QRectF(0.5, 0.5, 0.3, 0.3) } },
        { 't', { &anyArea<LMTemplateAreaDefinitionText>, QRectF(0.1, 0.8, 0.8, 0.1) } },
        { 'x', { &anyArea<CalendarTextArea>, QRectF(0.1, 0.9, 0.8, 0.05) } },
        { 'c', { &anyArea<LMTemplateAreaDefinitionClipart>, QRectF(0.8, 0.8, 0.1, 0.1) } },
        { 'k', { &anyArea<LMTemplateAreaDefinitionCalendarium>, QRectF(0, 0.5, 1, 0.5) } },
        { 'b', { &anyArea<LMTemplateAreaDefinitionFotoBackground>, QRectF(0, 0, 1, 1) } },
    };
    LMTemplateAreaDefinitionList aList;
    for (const QChar aKind : theAreas) {
        if (aKind == QLatin1Char('g')) {
            aList = LMTemplate::injectSmartLayout(std::move(aList));
            if (aList.count(LMAreaTypeEnum::Foto) != 0)
                qFatal("the photo areas were not gathered");
        } else if (aKind == QLatin1Char('G')) {
            auto aSmartLayout = area<LMTemplateAreaDefinitionSmartLayout>(QRectF(0, 0, 1, 1));
            for (const LMTemplateAreaDefinition* anArea : aList.filter(LMAreaTypeEnum::Foto))
                aSmartLayout->addChild(anArea->clone());
            aList.append(std::move(aSmartLayout));
        } else {
            const auto [aMake, aRect] = ourKinds.value(aKind.toLatin1());
            aList.append(aMake(aRect));
        }
    }
    aList.setValid(true);
    return aList;
}

LMTemplateAnalysis analysed(const Layout& theLayout)
{
    LMTemplateAreaDefinitionList aList = photos(theLayout.fotos);
    for (int i = 0; i < theLayout.texts; ++i)
        aList.append(area<LMTemplateAreaDefinitionText>(QRectF(0.1, 0.9, 0.1, 0.05)));
    return LMTemplateAnalysis(aList, 1.0, LMPageAlignment::fromInt(theLayout.generatedFor));
}

// Photo areas written "x,y,w,h" or "x,y,w,h@degrees", separated by blanks.
Boxes boxes(const QString& theText)
{
    Boxes aBoxes;
    for (const QString& aBox : theText.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList aValues = aBox.section(QLatin1Char('@'), 0, 0).split(QLatin1Char(','));
        aBoxes.append({ QRectF(aValues.at(0).toDouble(), aValues.at(1).toDouble(), aValues.at(2).toDouble(),
                               aValues.at(3).toDouble()),
                        aBox.section(QLatin1Char('@'), 1).toInt() });
    }
    return aBoxes;
}

LMAreaMeasurements measured(const Boxes& theBoxes, double theAspect = 1.0)
{
    LMAreaMeasurements aMeasurements;
    aMeasurements.buildFromAreas(photos(theBoxes), theAspect);
    return aMeasurements;
}

// Photo areas that cover the given share of the page: one full-width area, and a second one for
// what exceeds the page.
Boxes covering(double theShare)
{
    if (theShare <= 1.0)
        return { { QRectF(0, 0, 1, theShare) } };
    return { { QRectF(0, 0, 1, 1) }, { QRectF(0, 0, 1, theShare - 1.0) } };
}

const Boxes ONE_AREA = { { QRectF(0.25, 0.25, 0.5, 0.5) } };
const Boxes OVERLAPPING = { { QRectF(0, 0, 0.5, 0.5) }, { QRectF(0.25, 0.25, 0.5, 0.5) } };
const Box PORTRAIT { QRectF(0.1, 0.1, 0.2, 0.4) };
const Box LANDSCAPE { QRectF(0.5, 0.1, 0.4, 0.2) };
// Just off a boundary, far enough for the boundary's own rounding.
constexpr double JUST = 1e-9;
// One area of several kinds: a photo, a text with a default text, a clipart with and one
// without clipart, a map and an SVG area with a calendar image.
LMTemplateAreaDefinitionList mixed()
{
    LMTemplateAreaDefinitionList aList;
    aList.append(area<LMTemplateAreaDefinitionFoto>(QRectF(0.1, 0.1, 0.3, 0.4)));
    auto aText = area<LMTemplateAreaDefinitionText>(QRectF(0.5, 0.8, 0.4, 0.1));
    aText->setDefaultText(QStringLiteral("Hallo"));
    aList.append(std::move(aText));
    auto aFilled = area<LMTemplateAreaDefinitionClipart>(QRectF(0.8, 0.1, 0.1, 0.1));
    aFilled->setClipart(LMConfiguredDecorationTemplate(LMDesignElementID(7)));
    aList.append(std::move(aFilled));
    aList.append(area<LMTemplateAreaDefinitionClipart>(QRectF(0.8, 0.3, 0.1, 0.1)));
    aList.append(area<LMTemplateAreaDefinitionOsm>(QRectF(0.5, 0.1, 0.2, 0.2)));
    auto anSvg = area<LMTemplateAreaDefinitionSVG>(QRectF(0, 0, 1, 1));
    anSvg->setDefaultCssSheet(QStringLiteral("winter"));
    anSvg->setSvgImage(std::make_unique<LMSVGImageCalendar>(
        QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='4' height='2'/>"),
        QMap<QString, QString>({ { QStringLiteral("autumn"), QString() }, { QStringLiteral("winter"), QString() } })));
    aList.append(std::move(anSvg));
    aList.setValid(true);
    return aList;
}
} // namespace

Q_DECLARE_METATYPE(Boxes)
Q_DECLARE_METATYPE(Layout)
Q_DECLARE_METATYPE(LMRealRange)

// Every kind of area: construction and normalisation, the measures of one area, mirrored clones,
// XML round trips, lookups through the registry seams, and bad input; the placement of a photo in
// its area; lists of areas and the analysis of templates.
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
        const std::unique_ptr<LMTemplateAreaDefinition> aRead = LMTemplateAreaDefinitionFactory::create(
            LMTestSupport::parseXml(aReparsed, aDocument.toString()).firstChildElement(), aPage);
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

        // Each kind's attributes are read as the table of readAttributes and the round trip of each
        // kind show; here the list resolves what the areas name: templates, decorations, photo files.
        QCOMPARE(dynamic_cast<const LMTemplateAreaDefinitionBackground*>(aList.at(0))->templates(),
                 LMTemplateList({ aTemplates.reference(QStringLiteral("bg-blue")),
                                  aTemplates.reference(QStringLiteral("frame-oak")) }));
        const auto* aFoto = dynamic_cast<const LMTemplateAreaDefinitionFoto*>(aList.at(1));
        QCOMPARE(aFoto->foto().localFilePath(), QStringLiteral("/content/designs/see/fotos/Sommer am See.jpg"));
        QCOMPARE(aFoto->mask(),
                 LMConfiguredDecorationTemplate(LMDesignElementID(4711),
                                                LMClipartConfiguration(LMMirrorRuleEnum::HorizontalAxis, false)));
        QVERIFY(dynamic_cast<const LMTemplateAreaDefinitionCalendarium*>(aList.at(4))->isLegacy());
        QCOMPARE(dynamic_cast<const LMTemplateAreaDefinitionClipart*>(aList.at(5))->clipart().designElementId().id(),
                 815);
    }

    void backgroundLookup()
    {
        QDomDocument aDocument;
        const QDomElement anElement = LMTestSupport::parseXml(
            aDocument,
            QStringLiteral("<backgroundarea x='0' y='0' width='10' height='10' alignment='left'>"
                           "<templateref type='TEMPLATE_CONTENT_BACKGROUND' alignment='right'> bg-blue "
                           "</templateref><templateref type='TEMPLATE_FRAME'>frame-oak</templateref>"
                           "</backgroundarea>"));

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
        const QDomElement anElement = LMTestSupport::parseXml(aDocument, fetch<QString>("xml"));
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        const QSizeF aPage(1000, 500);
        const auto anArea = LMTemplateAreaDefinitionFactory::create(anElement, aPage);
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
            aParts << QString::number(aSmart->readXml(anElement, aPage));
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
        const LMTemplateAreaDefinitionList aNone = LMTemplateAreaDefinitionList::fromXml(
            LMTestSupport::parseXml(anEmpty, QStringLiteral("<layout><total/><fotozone/></layout>")), PAGE);
        QVERIFY(!aNone.isValid());
        QVERIFY(aNone.isEmpty());
    }

    // The placement of a photo inside its area and its XML form.
    void fuzzyEquals_data()
    {
        columns<double, double, bool>("a", "b", "equal");

        row("fourteenth significant digit", 1.2345678901234, 1.2345678901235, true);
        row("eleventh significant digit", 1.2345678901, 1.2345678902, false);
        row("zero and zero", 0.0, 0.0, true);
        row("zero and tiny", 0.0, 1e-300, false);
        row("opposite signs", 1.0, -1.0, false);
        row("large values", 1e15, 1e15 + 1, true);
    }

    void fuzzyEquals()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(bool, equal);

        QCOMPARE(LMFotoInAreaPositionState::fuzzyEquals(a, b), equal);
        QCOMPARE(LMFotoInAreaPositionState::fuzzyEquals(b, a), equal);
    }

    void moveAndZoom()
    {
        LMFotoInAreaPositionState aState(QPointF(10.123456789012, -4), 2.0);
        QVERIFY(!aState.moveTo(QPointF(10.123456789013, -4)));
        QCOMPARE(aState.topLeft(), QPointF(10.123456789012, -4));
        QVERIFY(aState.moveTo(QPointF(11, -4)));
        QCOMPARE(aState.topLeft(), QPointF(11, -4));
        aState.translate(QPointF(-1, 1));
        QCOMPARE(aState.topLeft(), QPointF(10, -3));

        QVERIFY(!aState.zoomTo(2.0));
        QVERIFY(aState.zoomTo(4.0));
        aState.zoomBy(0.5);
        QCOMPARE(aState.zoomFactor(), 2.0);
        QCOMPARE(aState, LMFotoInAreaPositionState(QPointF(10, -3), 2.0 + 1e-14));
        QVERIFY(!(aState == LMFotoInAreaPositionState(QPointF(10, -3.001), 2.0)));
    }

    void visibleRect_data()
    {
        columns<QPointF, double, QRectF>("topLeft", "zoom", "expected");

        const QSizeF anArea(200, 100);
        row("zoom 1", QPointF(-20, -10), 1.0, QRectF(20, 10, 200, 100));
        row("zoom 2", QPointF(-20, -10), 2.0, QRectF(10, 5, 100, 50));
        row("zoom 0 counts as 1", QPointF(-20, -10), 0.0, QRectF(20, 10, 200, 100));
        row("tiny zoom counts as 1", QPointF(5, 6), -1e-12, QRectF(-5, -6, 200, 100));
        row("zoom just above the bound", QPointF(0, 0), 2e-12, QRectF(0, 0, 1e14, 5e13));
    }

    void visibleRect()
    {
        QTEST(LMFotoInAreaPositionState(fetch<QPointF>("topLeft"), fetch<double>("zoom")).visibleRect(QSizeF(200, 100)),
              "expected");
    }

    void readXml_data()
    {
        columns<QString, QStringList, LMFotoInAreaDescription>("xml", "warnings", "expected");

        const LMFoto aFoto = LMFoto::fromString(QStringLiteral("/base/fotos/a.jpg"));
        row("everything", "<image fileName='fotos/a.jpg' useABK='0' zoomFactor='1.5' left='-12' top='7.5'/>",
            QStringList(), LMFotoInAreaDescription(aFoto, LMFotoInAreaPositionState(QPointF(-12, 7.5), 1.5), false));
        row("defaults", "<image fileName='/base/fotos/a.jpg'/>", QStringList(),
            LMFotoInAreaDescription(aFoto, LMFotoInAreaPositionState(QPointF(0, 0), 1.0), true));
        row("no photo, whatever the rest says", "<image useABK='0' zoomFactor='3' left='1' top='2'/>", QStringList(),
            LMFotoInAreaDescription());
        QTest::newRow("photo that is no photo")
            << "<image fileName='ftp://host/a.jpg' zoomFactor='3'/>" << QStringList() << LMFotoInAreaDescription();
        row("malformed zoom", "<image fileName='fotos/a.jpg' zoomFactor='two'/>",
            QStringList({ "<image> attribute \"zoomFactor\": \"two\" is not a number; default used" }),
            LMFotoInAreaDescription(aFoto, LMFotoInAreaPositionState(QPointF(0, 0), 1.0), true));
    }

    void readXml()
    {
        QDomDocument aDocument;
        const QDomElement anElement = LMTestSupport::parseXml(aDocument, fetch<QString>("xml"));
        LMTestSupport::expectWarnings(fetch<QStringList>("warnings"));
        QTEST(LMFotoInAreaDescription::fromXml(anElement, QStringLiteral("/base")), "expected");
    }

    void fotoPlacementRoundTrip_data()
    {
        columns<QPointF, QPointF>("topLeft", "written");

        row("whole numbers", QPointF(-12, 7), QPointF(-12, 7));
        row("halves away from zero", QPointF(2.5, -2.5), QPointF(3, -3));
        row("below half", QPointF(2.49, -2.49), QPointF(2, -2));
    }

    void fotoPlacementRoundTrip()
    {
        const LMFoto aFoto = LMFoto::fromString(QStringLiteral("/fotos/Ä b.jpg"));
        const LMFotoInAreaDescription aDescription(aFoto, LMFotoInAreaPositionState(fetch<QPointF>("topLeft"), 0.75),
                                                   false);
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("image"));
        aDescription.buildXML(anElement);
        QCOMPARE(anElement.attribute(QStringLiteral("useABK")), QStringLiteral("0"));
        const LMFotoInAreaDescription aRead = LMFotoInAreaDescription::fromXml(anElement, QStringLiteral("/elsewhere"));
        QCOMPARE(aRead.foto(), aFoto);
        QCOMPARE(aRead.position(), LMFotoInAreaPositionState(fetch<QPointF>("written"), 0.75));
        QCOMPARE(aRead.useABK(), false);
    }

    void debugText()
    {
        const LMFotoInAreaDescription aDescription(LMFoto(), LMFotoInAreaPositionState(QPointF(1.5, -2), 0.25));
        QCOMPARE(aDescription.toDebugString(), QStringLiteral("LMFotoInAreaDescription: topleft=(1.5, -2) zoom=0.25"));
        QString aText;
        QDebug(&aText) << aDescription;
        QCOMPARE(aText.trimmed(), aDescription.toDebugString());
    }

    // The measures of a list of areas, its deep copies and filters; area counts, area measurements
    // and their checks against the layout flags, and the analysis that sorts layouts and measures how
    // different they are.
    void areaCount_data()
    {
        columns<QString, double, int, int, int, int, int>("areas", "aspect", "portrait", "landscape", "texts",
                                                          "clipartDummies", "calendars");

        row("mixed list", "ptlckpsc", 1.0, 2, 2, 1, 2, 1);
        row("both text kinds count", "txtx", 1.0, 0, 0, 4, 0, 0);
        row("square photos count as landscape", "ss", 1.0, 0, 2, 0, 0, 0);
        row("a tall page turns a square area portrait", "s", 0.5, 1, 0, 0, 0, 0);
        row("photo backgrounds are no photo areas", "bp", 1.0, 1, 0, 0, 0, 0);
        row("photos moved into a smart layout", "pltg", 1.0, 1, 1, 1, 0, 0);
        row("photos kept beside the smart layout's copies", "pltG", 1.0, 1, 1, 1, 0, 0);
        row("a photo beside the gathered ones", "plgs", 1.0, 1, 2, 0, 0, 0);
    }

    void areaCount()
    {
        QFETCH(int, portrait);
        QFETCH(int, landscape);
        QFETCH(int, texts);
        QFETCH(int, clipartDummies);
        QFETCH(int, calendars);

        LMAreaCount aCount;
        aCount.buildFromAreas(spelled(fetch<QString>("areas")), fetch<double>("aspect"));
        QCOMPARE(aCount.portraitAndLandscapeCount(), LMPortraitAndLandscapeCount(portrait, landscape));
        QCOMPARE(aCount.countFotoAreas(), portrait + landscape);
        QCOMPARE(aCount.hasLessPortraitThanLandscape(), portrait < landscape);
        QCOMPARE(aCount.countTexts(), texts);
        QCOMPARE(aCount.countClipartDummies(), clipartDummies);
        QCOMPARE(aCount.hasClipartDummy(), clipartDummies > 0);
        QCOMPARE(aCount.countCalendariums(), calendars);
        QCOMPARE(aCount,
                 LMAreaCount(LMPortraitAndLandscapeCount(portrait, landscape), texts, clipartDummies, calendars));
    }

    void areaCountHash()
    {
        LMAreaCount aCount;
        aCount.buildFromAreas(spelled(QStringLiteral("ltpkltx")), 1.0);
        LMAreaCount aReordered;
        aReordered.buildFromAreas(spelled(QStringLiteral("xtltlpk")), 1.0);
        QCOMPARE(aReordered, aCount);
        QCOMPARE(aReordered.hashValue(), aCount.hashValue());
        QCOMPARE(qHash(aReordered), qHash(aCount));
        // Landscape 2 XOR 1 calendar × 100000 XOR 3 texts.
        QCOMPARE(aCount.hashValue(), 2 ^ 100000 ^ 3);

        // The portrait count takes no part in the hash, but in the equality.
        const LMAreaCount aMorePortrait(LMPortraitAndLandscapeCount(5, 2), 3, 0, 1);
        QCOMPARE(aMorePortrait.hashValue(), aCount.hashValue());
        QVERIFY(!(aMorePortrait == aCount));
        QCOMPARE(LMAreaCount(LMPortraitAndLandscapeCount(1, 2), 3, 0, 1), aCount);
        QVERIFY(!(LMAreaCount(LMPortraitAndLandscapeCount(1, 2), 3, 1, 1) == aCount));
    }

    void measurementsOfPhotoAreasOnly()
    {
        // A text across both photos and a turned clipart change none of the measurements.
        LMTemplateAreaDefinitionList aList
            = photos({ { QRectF(0, 0.25, 0.4, 0.5) }, { QRectF(0.6, 0.25, 0.4, 0.2), 5 } });
        aList.append(area<LMTemplateAreaDefinitionText>(QRectF(0, 0.3, 1, 0.1)));
        aList.append(area<LMTemplateAreaDefinitionClipart>(QRectF(0.2, 0.2, 0.1, 0.1), 45));

        LMAreaMeasurements aMeasurements;
        aMeasurements.buildFromAreas(aList, 2.0);
        QCOMPARE(aMeasurements.spaciousness(), 0.4 * 0.5 + 0.4 * 0.2);
        QVERIFY(aMeasurements.isCrazy()); // the turned photo
        QCOMPARE(aMeasurements.countInclinedFotos(), 1);
        QVERIFY(!aMeasurements.isWellBalanced());
        QCOMPARE(aMeasurements.formatRange(), LMRealRange(1.6, 4.0));
        QVERIFY(!aMeasurements.isTight());

        LMAreaMeasurements anEmpty;
        anEmpty.buildFromAreas(spelled(QStringLiteral("tck")), 1.0);
        QCOMPARE(anEmpty, LMAreaMeasurements());
        QCOMPARE(anEmpty.hashValue(), 0u);
        QCOMPARE(measured(covering(0.25)).hashValue(), 250000u);
    }

    // Each check of the measurements against the layout flags, strict or not.
    void checks_data()
    {
        columns<QString, Boxes, int, int, bool, bool>("check", "boxes", "texts", "flags", "strict", "ok");
        const auto spaciness = [](const char* theName, double theShare, int theFlags, bool theStrict, bool theOk) {
            row(theName, "spaciness", covering(theShare), 0, theFlags, theStrict, theOk);
        };
        const auto crazyness = [](const char* theName, int theFlags, bool theStrict, bool theCrazy, bool theOk) {
            row(theName, "crazyness", theCrazy ? OVERLAPPING : ONE_AREA, 0, theFlags, theStrict, theOk);
        };
        const auto panoramaness
            = [](const char* theName, bool theExtreme, bool thePanorama, bool theStrict, bool theOk) {
                  row(theName, "panoramaness", Boxes({ { QRectF(0, 0.4, theExtreme ? 0.9 : 0.3, 0.2) } }), 0,
                      thePanorama ? 8 : 0, theStrict, theOk);
              };

        const int T = 1, W = 2, R = 256;
        spaciness("no wish, below 1.1", 1.1 - 0.001, 0, false, true);
        spaciness("no wish, above 1.1", 1.1 + 0.001, 0, false, false);
        spaciness("tight and spacious, anything below 1.1", 0.1, T + W, true, true);
        spaciness("tight strict, just below 0.65", 0.649, T, true, false);
        spaciness("tight strict, just above 0.65", 0.651, T, true, true);
        spaciness("spacious strict, just below 0.51", 0.509, W, true, true);
        spaciness("spacious strict, just above 0.51", 0.511, W, true, false);
        spaciness("strict ignores the relaxed test", 0.6, T + R, true, false);
        spaciness("tight, just below 0.65", 0.649, T, false, false);
        spaciness("tight, just above 0.65", 0.651, T, false, true);
        spaciness("spacious, just above 0.65", 0.651, W, false, false);
        spaciness("relaxed tight, just below 0.55", 0.549, T + R, false, false);
        spaciness("relaxed tight, just above 0.55", 0.551, T + R, false, true);
        spaciness("relaxed spacious, just below 0.8", 0.799, W + R, false, true);
        spaciness("relaxed spacious, just above 0.8", 0.801, W + R, false, false);

        // Not strict: the crazy setting (mask 224) decides.
        crazyness("0, calm", 0, false, false, true);
        crazyness("0, crazy", 0, false, true, false);
        crazyness("64 requires, calm", 64, false, false, false);
        crazyness("64 requires, crazy", 64, false, true, true);
        crazyness("128 allows, crazy", 128, false, true, true);
        crazyness("192 is no setting, crazy", 192, false, true, false);
        crazyness("other bits do not matter, crazy", 64 + 256 + 1, false, true, true);
        // Strict: crazy exactly when the lowest byte is 64 or more.
        crazyness("strict 64, calm", 64, true, false, false);
        crazyness("strict 64, crazy", 64, true, true, true);
        crazyness("strict 63, crazy", 63, true, true, false);
        crazyness("strict 256 has a low byte of 0, calm", 256, true, false, true);

        panoramaness("ordinary, no panorama", false, false, false, true);
        panoramaness("extreme, no panorama", true, false, false, false);
        panoramaness("extreme, panorama", true, true, false, true);
        panoramaness("strict ordinary, panorama", false, true, true, false);
        panoramaness("strict extreme, no panorama", true, false, true, false);
        panoramaness("strict extreme, panorama", true, true, true, true);

        const Boxes aTightCalm = { { QRectF(0, 0, 1, 0.7) } };
        const Boxes aPanorama = { { QRectF(0, 0, 1, 0.7) }, { QRectF(0, 0.8, 0.9, 0.2) } };
        row("all pass", "measurements", aTightCalm, 0, 1, false, true);
        row("crazy fails", "measurements", Boxes({ { QRectF(0, 0, 1, 0.7), 3 } }), 0, 1, false, false);
        row("spaciness fails", "measurements", aTightCalm, 0, 2, false, false);
        row("panorama fails", "measurements", aPanorama, 0, 1, false, false);
        row("panorama allowed", "measurements", aPanorama, 0, 1 + 8, false, true);

        row("no texts, no flags", "texts", ONE_AREA, 0, 0, false, true);
        row("a text, no flags", "texts", ONE_AREA, 1, 0, false, false);
        row("a text, texts allowed", "texts", ONE_AREA, 1, 16, false, true);
        row("a text, every other bit", "texts", ONE_AREA, 1, 1023 - 16, false, false);
    }

    void checks()
    {
        QFETCH(QString, check);
        QFETCH(Boxes, boxes);
        QFETCH(bool, strict);

        const LMAreaMeasurements aMeasurements = measured(boxes);
        const LMLayoutFlags aFlags = LMLayoutFlags::fromInt(fetch<int>("flags"));
        bool anOk = false;
        if (check == QLatin1String("spaciness")) {
            anOk = aMeasurements.checkSpaciness(aFlags, strict);
        } else if (check == QLatin1String("crazyness")) {
            anOk = aMeasurements.checkCrazyness(aFlags, strict);
        } else if (check == QLatin1String("panoramaness")) {
            anOk = aMeasurements.checkPanoramaness(aFlags, strict);
        } else if (check == QLatin1String("measurements")) {
            anOk = aMeasurements.checkMeasurements(aFlags, strict);
            QCOMPARE(LMTemplateAnalysis(photos(boxes), 1.0).checkMeasurements(aFlags, strict), anOk);
        } else {
            anOk = analysed({ boxes, fetch<int>("texts") }).checkTexts(aFlags);
        }
        QTEST(anOk, "ok");
    }

    void formats_data()
    {
        columns<Boxes, double, double, bool, bool>("boxes", "aspect", "mostExtreme", "extremeFormat",
                                                   "extremePortrait");

        const Boxes aSquare = { { QRectF(0.25, 0.25, 0.5, 0.5) } };
        row("exactly 16:9", aSquare, 16.0 / 9.0, 16.0 / 9.0, false, false);
        row("just wider than 16:9", aSquare, 16.0 / 9.0 + JUST, 16.0 / 9.0 + JUST, true, false);
        row("exactly 9:16", aSquare, 9.0 / 16.0, 16.0 / 9.0, false, false);
        row("just taller than 9:16", aSquare, 9.0 / 16.0 - JUST, 1.0 / (9.0 / 16.0 - JUST), true, true);
        row("the taller side decides", Boxes({ { QRectF(0, 0, 0.1, 0.5) }, { QRectF(0.5, 0, 0.4, 0.1) } }), 1.0, 5.0,
            true, true);
        // Without photo areas the range stays unset: most extreme 1, but a minimum of 0 is below 9:16.
        row("no photo areas", Boxes(), 1.0, 1.0, false, true);
    }

    void formats()
    {
        const LMAreaMeasurements aMeasurements = measured(fetch<Boxes>("boxes"), fetch<double>("aspect"));
        QTEST(aMeasurements.mostExtremeFormat(), "mostExtreme");
        QTEST(aMeasurements.hasExtremeFormat(), "extremeFormat");
        QTEST(aMeasurements.hasExtremePortrait(), "extremePortrait");
    }

    void layoutSortCriterium_data()
    {
        columns<Layout, Layout, int>("a", "b", "order");

        const Box aSmall { QRectF(0.1, 0.1, 0.2, 0.1) };
        row("generated first, despite more photos", Layout { { PORTRAIT, LANDSCAPE }, 0, 1 }, Layout { { PORTRAIT } },
            1);
        row("made by hand after generated", Layout { { PORTRAIT } }, Layout { { PORTRAIT }, 0, 4 }, 0);
        row("both generated, for other pages", Layout { { PORTRAIT }, 0, 1 }, Layout { { PORTRAIT }, 0, 2 }, 2);
        row("fewer photos first, despite more texts", Layout { { PORTRAIT }, 2 }, Layout { { PORTRAIT, PORTRAIT } }, 1);
        row("fewer texts first, despite less landscape", Layout { { PORTRAIT } }, Layout { { LANDSCAPE }, 1 }, 1);
        row("more landscape first, despite more cover", Layout { { LANDSCAPE, { QRectF(0, 0, 0.9, 0.5) } } },
            Layout { { PORTRAIT, LANDSCAPE } }, 1);
        row("less cover first", Layout { { aSmall } }, Layout { { LANDSCAPE } }, 1);
        row("equal cover, different places", Layout { { LANDSCAPE } },
            Layout { { { QRectF(0.1, 0.7, 0.4, 0.2), 10 } } }, 2);
        row("equal layouts", Layout { { PORTRAIT, LANDSCAPE }, 1 }, Layout { { PORTRAIT, LANDSCAPE }, 1 }, 2);
    }

    void layoutSortCriterium()
    {
        QFETCH(int, order);

        const LMTemplateAnalysis anA = analysed(fetch<Layout>("a"));
        const LMTemplateAnalysis aB = analysed(fetch<Layout>("b"));
        QCOMPARE(anA.layoutSortCriterium(aB), order);
        // Swapped, the other comes first; undecided stays undecided.
        QCOMPARE(aB.layoutSortCriterium(anA), order == LMTemplateAnalysis::Undecided ? order : 1 - order);
    }

    void normalizedDistance_data()
    {
        columns<Layout, Layout, double>("a", "b", "distance");

        const Box aTurned { PORTRAIT.rect, 5 };
        row("equal", Layout { { PORTRAIT, LANDSCAPE }, 1 }, Layout { { PORTRAIT, LANDSCAPE }, 1 }, 0.0);
        row("spaciousness only", Layout { { { QRectF(0, 0, 0.5, 0.2) } } }, Layout { { { QRectF(0, 0, 0.5, 0.4) } } },
            0.1 / 100);
        row("inclined only", Layout { { PORTRAIT } }, Layout { { aTurned } }, 10.0 / 100);
        row("orientation only", Layout { { PORTRAIT } }, Layout { { LANDSCAPE } }, 20.0 / 100);
        row("one more photo", Layout { { PORTRAIT } }, Layout { { PORTRAIT, PORTRAIT } }, (0.08 + 20 + 19) / 100);
        row("texts only", Layout { { PORTRAIT }, 1 }, Layout { { PORTRAIT }, 3 }, 50.0 / 100);
        row("generated for a page counts for nothing", Layout { { PORTRAIT }, 0, 1 }, Layout { { PORTRAIT } }, 0.0);
        row("everything", Layout { { PORTRAIT } }, Layout { { aTurned, PORTRAIT }, 1 },
            (0.08 + 10 + 20 + 19 + 50) / 100);
    }

    void normalizedDistance()
    {
        QFETCH(double, distance);

        const LMTemplateAnalysis anA = analysed(fetch<Layout>("a"));
        const LMTemplateAnalysis aB = analysed(fetch<Layout>("b"));
        QCOMPARE(anA.normalizedDistance(aB), distance);
        QCOMPARE(aB.normalizedDistance(anA), distance);
    }

    void copiesAndHashes()
    {
        const LMTemplateAnalysis anAnalysis = analysed({ { PORTRAIT, LANDSCAPE }, 1, 2 });
        const LMTemplateAnalysis aSame = analysed({ { LANDSCAPE, PORTRAIT }, 1, 2 });
        QCOMPARE(aSame, anAnalysis);
        QCOMPARE(aSame.hashValue(), anAnalysis.hashValue());
        QCOMPARE(qHash(aSame), qHash(anAnalysis));
        QVERIFY(!(analysed({ { PORTRAIT, LANDSCAPE }, 1, 1 }) == anAnalysis));

        LMTemplateAnalysis aCopy(anAnalysis);
        QCOMPARE(aCopy, anAnalysis);
        LMTemplateAnalysis aMoved(std::move(aCopy));
        QCOMPARE(aMoved, anAnalysis);
        // A moved-from analysis answers like an empty layout and can be assigned again.
        QCOMPARE(aCopy, LMTemplateAnalysis()); // NOLINT(bugprone-use-after-move)
        QCOMPARE(aCopy.countFotoAreas(), 0);
        aCopy = aMoved;
        QCOMPARE(aCopy.countFotoAreasInLandscape(), 1);
        aMoved = LMTemplateAnalysis();
        QCOMPARE(aCopy, anAnalysis);
        QCOMPARE(aMoved.countFotoAreas(), 0);

        // The default analysis is that of an empty layout.
        QCOMPARE(LMTemplateAnalysis(), LMTemplateAnalysis(LMTemplateAreaDefinitionList(), 1.0));
        QVERIFY(LMTemplateAnalysis().isWellBalanced());
        QCOMPARE(LMTemplateAnalysis().mostExtremeFormat(), 1.0);
    }

    void fromTemplate()
    {
        LMTemplate aTemplate;
        aTemplate.setAreaDefinitions(spelled(QStringLiteral("pslltkc")));
        aTemplate.setSmartGeneratedLayoutForPage(LMPageAlignmentEnum::Right);

        const LMTemplateAnalysis anAnalysis(aTemplate, 0.5);
        QCOMPARE(anAnalysis, LMTemplateAnalysis(spelled(QStringLiteral("pslltkc")), 0.5, LMPageAlignmentEnum::Right));
        QCOMPARE(anAnalysis.smartGeneratedLayoutForPage(), LMPageAlignment(LMPageAlignmentEnum::Right));
        // On a page half as wide as tall the square area is portrait.
        QCOMPARE(anAnalysis.portraitAndLandscapeCount(), LMPortraitAndLandscapeCount(2, 2));
        QCOMPARE(anAnalysis.countTexts(), 1);
        QCOMPARE(anAnalysis.countCalendariums(), 1);
        QVERIFY(anAnalysis.hasClipartDummy());
    }

    // What a list of photo areas answers on a page of that aspect, for each key the row names.
    void listMeasures_data()
    {
        columns<QString, double, QString>("boxes", "aspect", "expected");
        row("apart", ".0,0,.4,.4 .5,.5,.4,.4", 1.0, "crazy=0 inclined=0");
        row("touching edges", "0,0,.5,.5 .5,0,.5,.5", 1.0, "crazy=0 inclined=0");
        row("overlap of a thousandth", "0,0,.5,.5 .499,0,.5,.5", 1.0, "crazy=1 inclined=0");
        row("third overlaps the first only", "0,0,.3,.3 .6,.6,.3,.3 .2,.2,.3,.3", 1.0, "crazy=1 inclined=0");
        row("two inclined", "0,0,.2,.2@45 .5,.5,.2,.2@-10", 1.0, "crazy=1 inclined=2");
        row("turned by a right angle, apart", "0,0,.2,.2@90 .5,.5,.2,.2", 1.0, "crazy=1 inclined=0");
        row("turned a little, apart", "0,0,.2,.2 .5,.5,.2,.2@5", 1.0, "crazy=1 inclined=1");
        row("full turn counts as none", "0,0,.2,.2@360 .5,.5,.2,.2", 1.0, "crazy=0 inclined=0");
        row("empty", "", 1.0, "balanced=1 range=0,0 orientations= counts=0,0");
        row("mirror pair", "0,.25,.4,.5 .6,.25,.4,.5", 1.0, "balanced=1");
        // A whole-page area weighs 1; its centre moved by d gives |x| = d.
        row("just inside the bound", ".0099,0,1,1", 1.0, "balanced=1");
        row("just outside the bound", ".0101,0,1,1", 1.0, "balanced=0");
        row("x and y add up", ".006,.006,1,1", 1.0, "balanced=0");
        // Weights (-0.04, 0), (0.012, -0.004) and (0.012, 0.004): the mean is about -0.0053.
        row("heavy left, two light right", ".1,.25,.4,.5 .7,.3,.2,.2 .7,.5,.2,.2", 1.0, "balanced=1");
        row("one area sets both bounds", "0,0,.2,.4", 1.0, "range=0.5,0.5 orientations=1 counts=1,0");
        row("page aspect", "0,0,.2,.4 0,0,.4,.2 0,0,.2,.2", 1.5, "range=0.75,3 orientations=1,2,2 counts=1,2");
        row("square counts as landscape", "0,0,.2,.4 0,0,.4,.2", 2.0, "range=1,4 orientations=4,2 counts=0,2");
    }

    void listMeasures()
    {
        const double anAspect = fetch<double>("aspect");
        const LMTemplateAreaDefinitionList aList = photos(boxes(fetch<QString>("boxes")));
        QStringList aValues;
        for (const QString& aPair : fetch<QString>("expected").split(QLatin1Char(' '))) {
            const QString aKey = aPair.section(QLatin1Char('='), 0, 0);
            QStringList aValue;
            if (aKey == QLatin1String("crazy"))
                aValue << QString::number(aList.isCrazy());
            else if (aKey == QLatin1String("inclined"))
                aValue << QString::number(aList.countInclined());
            else if (aKey == QLatin1String("balanced"))
                aValue << QString::number(aList.isWellBalanced());
            else if (aKey == QLatin1String("range"))
                aValue << QString::number(aList.formatRange(anAspect).min())
                       << QString::number(aList.formatRange(anAspect).max());
            else if (aKey == QLatin1String("counts"))
                aValue << QString::number(aList.countPortraitAndLandscapeAreas(anAspect).portraitCount())
                       << QString::number(aList.countPortraitAndLandscapeAreas(anAspect).landscapeCount());
            else
                for (const LMOrientation& anOrientation : aList.orientations(anAspect))
                    aValue << QString::number(anOrientation.value());
            aValues << aKey + QLatin1Char('=') + aValue.join(QLatin1Char(','));
        }
        QTEST(aValues.join(QLatin1Char(' ')), "expected");
    }

    // The counts, shares, filters and per-area answers of a list of every kind.
    void mixedList()
    {
        QCOMPARE(LMTemplateAreaDefinitionList().calculateSpaciousness(), 0.0);
        QCOMPARE(LMTemplateAreaDefinitionList().smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Foto), 0.0);
        LMTemplateAreaDefinitionList aList = mixed();
        QCOMPARE(aList.count(LMAreaType(LMAreaTypeEnum::Foto) | LMAreaType(LMAreaTypeEnum::Osm)), 2);
        QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Foto), 0.12);
        QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Clipart), 0.01);
        QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::QRCode), 0.0);
        QCOMPARE(aList.calculateSpaciousness(), 0.12 + 0.04 + 0.01 + 0.01 + 0.04 + 1.0);
        QVERIFY(aList.containsOsmMaps() && aList.hasFilledCliparts() && aList.containsPrefilledTexts());
        QCOMPARE(aList.availableCssSheets(), words("autumn winter"));

        // Filters answer clones of their own.
        LMTemplateAreaDefinitionList aCliparts = aList.filter(LMAreaTypeEnum::Clipart);
        QCOMPARE(aCliparts.count(), 2);
        QVERIFY(aCliparts.isValid());
        aCliparts.at(0)->setZPosition(9);
        QCOMPARE(aList.at(2)->zPosition(), 1);
        const LMTemplateAreaDefinitionList anOthers = aList.filter(LMAreaTypeEnum::Clipart, false);
        QCOMPARE(anOthers.count(), 4);
        QCOMPARE(anOthers.count(LMAreaTypeEnum::Clipart), 0);
        QCOMPARE(aList.filter(LMAreaTypeEnum::All).count(), 6);
        QCOMPARE(aList.filter(LMAreaType()).count(), 0);
        const LMTemplateAreaDefinitionList aWithout = aList.withoutEmptyCliparts();
        QCOMPARE(aWithout.count(), 5);
        QCOMPARE(aWithout.count(LMAreaTypeEnum::Clipart), 1);
        const LMTemplateAreaDefinitionList aPhotos = aList.filter(LMAreaTypeEnum::Foto);
        QVERIFY(!aPhotos.containsOsmMaps() && !aPhotos.hasFilledCliparts() && !aPhotos.containsPrefilledTexts());
        QVERIFY(aPhotos.availableCssSheets().isEmpty());

        aList.setLocked(true);
        for (const LMTemplateAreaDefinition* anArea : aList)
            QCOMPARE(anArea->abilities().value(), 6799332);
        aList.setLocked(false);
        for (const LMTemplateAreaDefinition* anArea : aList)
            QCOMPARE(anArea->abilities().value(), 6799359);
    }

    void listScaleFactor()
    {
        LMTemplateAreaDefinitionList aList;
        QCOMPARE(aList.scaleFactor(QSizeF(10, 10)), 1.0);
        aList.append(
            std::make_unique<LMTemplateAreaDefinitionFoto>(LMAreaDescription(), LMAreaPositioningConstraint()));
        QCOMPARE(aList.scaleFactor(QSizeF(10, 10)), 1.0);
        aList.append(std::make_unique<LMTemplateAreaDefinitionFoto>(
            LMRotatedRect(QRectF(0, 0, 1, 1)), LMAreaAbility(), LMAreaDecoration(), LMAreaPositioningConstraint(),
            LMImageFXs(), QSizeF(200, 100), LMAreaCreationRule()));
        aList.append(std::make_unique<LMTemplateAreaDefinitionFoto>(
            LMRotatedRect(QRectF(0, 0, 1, 1)), LMAreaAbility(), LMAreaDecoration(), LMAreaPositioningConstraint(),
            LMImageFXs(), QSizeF(50, 50), LMAreaCreationRule()));
        // The first area that knows its page decides.
        QCOMPARE(aList.scaleFactor(QSizeF(100, 100)), 0.5);
    }

    void areaTypesAndPositions()
    {
        const LMTemplateAreaDefinitionList aList = mixed();
        LMTemplateAreaDefinitionList aReordered;
        for (int i = aList.count() - 1; i >= 0; --i) {
            std::unique_ptr<LMTemplateAreaDefinition> aClone = aList.at(i)->clone();
            aClone->setZPosition(100 + i);
            aReordered.append(std::move(aClone));
        }
        QVERIFY(aList.areAreaTypesAndPositionsEqual(aReordered));
        QVERIFY(aReordered.areAreaTypesAndPositionsEqual(aList));

        LMTemplateAreaDefinitionList aShorter = aReordered;
        aShorter.removeAt(0);
        QVERIFY(!aList.areAreaTypesAndPositionsEqual(aShorter));

        // Same count, but one area moved.
        LMTemplateAreaDefinitionList aMoved = aReordered;
        std::unique_ptr<LMTemplateAreaDefinition> anArea = aMoved.takeAt(0);
        LMAreaDescription aDescription = anArea->areaDescription();
        aDescription.setRect(aDescription.rect().translated(0.01, 0));
        anArea->setAreaDescription(aDescription);
        aMoved.prepend(std::move(anArea));
        QVERIFY(!aList.areAreaTypesAndPositionsEqual(aMoved));
        QVERIFY(LMTemplateAreaDefinitionList().areAreaTypesAndPositionsEqual(LMTemplateAreaDefinitionList()));
    }

    void copiesAreDeep()
    {
        LMTemplateAreaDefinitionList aList = photos({ { QRectF(0.1, 0.2, 0.3, 0.4), 30 } });
        LMTemplateAreaDefinitionList aCopy(aList);
        QVERIFY(aCopy.isValid());
        QVERIFY(aCopy.at(0) != aList.at(0));
        aCopy.at(0)->setZPosition(42);
        QCOMPARE(aList.at(0)->zPosition(), 1);

        const LMTemplateAreaDefinitionList aMirrored(aList, LMMirrorRuleEnum::BothAxes);
        QCOMPARE(aMirrored.at(0)->rotatedRect(), LMRotatedRect(QRectF(0.6, 0.4, 0.3, 0.4), LMAngle(30)));

        LMTemplateAreaDefinitionList anAssigned;
        anAssigned = aMirrored;
        const LMTemplateAreaDefinitionList& aSame = anAssigned;
        anAssigned = aSame; // assigning a list to itself keeps its areas
        QCOMPARE(anAssigned.count(), 1);
        anAssigned.copyAreaDefinitions(aList, LMMirrorRuleEnum::HorizontalAxis);
        QCOMPARE(anAssigned.at(0)->rotatedRect(), LMRotatedRect(QRectF(0.1, 0.4, 0.3, 0.4), LMAngle(330)));

        LMTemplateAreaDefinitionList aMoved(std::move(anAssigned));
        QCOMPARE(aMoved.count(), 1);
    }
};

QTEST_MAIN(TestAreaDefinitions)
#include "tst_areadefinitions.moc"
