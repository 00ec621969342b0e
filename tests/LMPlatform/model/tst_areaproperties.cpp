#include "LMAreaDescription.h"
#include "LMAreaPositioningConstraint.h"
#include "LMAreaType.h"
#include "LMCalendariumAppearance.h"
#include "LMClipartConfiguration.h"
#include "LMOsmContent.h"
#include "LMSmartLayoutConfiguration.h"
#include "LMTestSupport.h"
#include "LMTextFormatChange.h"

#include <QDomDocument>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

Q_DECLARE_METATYPE(LMAreaDescription)
Q_DECLARE_METATYPE(LMTextFormatChange)

namespace {
QDomElement parse(QDomDocument& theDocument, const QString& theXml)
{
    if (!theDocument.setContent(theXml))
        qFatal("fixture is no XML: %s", qPrintable(theXml));
    return theDocument.documentElement();
}

LMAreaDecoration fullDecoration()
{
    LMCornersConfiguration aCorners;
    aCorners.setCorner(LMCornerEnum::TopLeft, LMCornerShapeEnum::Convex, LMDistance(20));
    aCorners.setCorner(LMCornerEnum::BottomRight, LMCornerShapeEnum::Notched,
                       LMDistance(2, LMDistanceUnit::Millimetre));
    return LMAreaDecoration(
        LMBorderConfig(LMDistance(25), LMBorderPositionEnum::Outside, QColor(10, 20, 30), true, LMDistance(5)),
        LMShadowConfig(LMDistance(12), LMAngle(45), 128, LMDistance(4, LMDistanceUnit::Millimetre),
                       LMDistance(6, LMDistanceUnit::Millimetre)),
        aCorners);
}
} // namespace

// Area types and their tags, constraints, and the XML forms of descriptions, decorations, text
// formats and the small configurations of areas.
class TestAreaProperties : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void areaTypeTags_data()
    {
        columns<int, QString>("type", "tag");

        row("photo", 2, "imagearea");
        row("smart layout", 32768, "smartlayoutarea");
    }

    void areaTypeTags()
    {
        QFETCH(QString, tag);

        const LMAreaType aType(LMAreaType::fromInt(fetch<int>("type")));
        QCOMPARE(aType.tagName(), tag);
        QCOMPARE(LMAreaType::fromTagName(tag), aType);
        QCOMPARE(LMAreaType::fromTagName(tag.toUpper()), aType);
        // Groups and lists are no tags.
        QCOMPARE(LMAreaType::fromTagName(QStringLiteral("all")).value(), 0);
        QCOMPARE(LMAreaType::fromTagName(QStringLiteral("alltextareas")).value(), 0);
        QCOMPARE(LMAreaType::fromTagName(tag + QStringLiteral(",textarea")).value(), 0);
        QCOMPARE(LMAreaType::fromTagName(QStringLiteral("fotozone")).value(), 0);
        QCOMPARE(LMAreaType(QStringLiteral("alltextareas")).value(), 8224);
    }

    void positioningConstraint_data()
    {
        columns<QString, int>("text", "value");

        row("missing", QString(), 7);
        row("unknown", "top", 7);
        row("nowhere", "nowhere", 0);
        row("leftpage", "LeftPage", 1);
        row("left and right", "left, right", 3);
    }

    void positioningConstraint()
    {
        QFETCH(int, value);

        const LMAreaPositioningConstraint aConstraint(fetch<QString>("text"));
        QCOMPARE(aConstraint.value(), value);
        // The written text reads back as the same value, also for combinations without a word.
        QCOMPARE(LMAreaPositioningConstraint(aConstraint.toText()).value(), value);
    }

    void descriptionRoundTrip_data()
    {
        QTest::addColumn<LMAreaDescription>("description");

        LMAreaDescription aFull(LMRotatedRect(QRectF(-5.25, 0.125, 1e6, 1.0 / 3), LMAngle(359)),
                                LMAreaAbilityEnum::FotoFix, fullDecoration(), LMImageFXs(QStringLiteral("sepia, blur")),
                                LMAreaCreationRuleEnum::Layout);
        aFull.setBackgroundContent(true);
        row("everything set", aFull);
        row("no abilities, no rule",
            LMAreaDescription(LMRotatedRect(QRectF(0, 0, 0, 0), LMAngle(90)), LMAreaAbility(), LMAreaDecoration(),
                              LMImageFXs(), LMAreaCreationRule()));
    }

    void descriptionRoundTrip()
    {
        QFETCH(LMAreaDescription, description);

        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("imagearea"));
        description.buildXML(anElement);
        const LMAreaDescription aRead
            = LMAreaDescription::fromXml(anElement, LMAreaAbilityEnum::Move, LMAreaCreationRuleEnum::Import);
        QCOMPARE(aRead, description);
        QCOMPARE(aRead.decoration(), description.decoration());
    }

    void descriptionBadAttributes_data()
    {
        columns<QString, QStringList, QRectF, int, int, int>("xml", "warnings", "rect", "rotation", "abilities",
                                                             "creationRule");

        const auto row
            = [](const char* theTag, const QString& theXml, const QStringList& theWarnings,
                 const QRectF& theRect = QRectF(), int theRotation = 0, int theAbilities = 1, int theRule = 16) {
                  QTest::newRow(theTag) << theXml << theWarnings << theRect << theRotation << theAbilities << theRule;
              };
        const auto bad = [](const char* theName, const char* theValue, const char* theKind) {
            return QStringLiteral("<imagearea> attribute \"%1\": \"%2\" is not %3; default used")
                .arg(theName, theValue, theKind);
        };
        row("all missing", "<imagearea/>", {});
        row("decimal comma", "<imagearea x='1,5' y='2' width='3' height='4'/>", { bad("x", "1,5", "a number") },
            QRectF(0, 2, 3, 4));
        row("infinite width", "<imagearea width='inf' height='1e999'/>",
            { bad("width", "inf", "a number"), bad("height", "1e999", "a number") });
        row("negative rotation", "<imagearea angle='-90'/>", {}, QRectF(), 270);
        row("rotation is no integer", "<imagearea angle='12.5'/>", { bad("angle", "12.5", "an integer") });
        row("ability words", "<imagearea abilities='move, rotate' creationRule='layout,import'/>", {}, QRectF(), 0, 9,
            18);
        row("unknown ability word", "<imagearea abilities='move, fly'/>",
            { bad("abilities", "move, fly", "a number or known words") });
        row("empty abilities", "<imagearea abilities=''/>", { bad("abilities", "", "a number or known words") });
    }

    void descriptionBadAttributes()
    {
        QFETCH(QStringList, warnings);

        QDomDocument aDocument;
        const QDomElement anElement = parse(aDocument, fetch<QString>("xml"));
        for (const QString& aWarning : std::as_const(warnings))
            QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning));
        const LMAreaDescription aRead
            = LMAreaDescription::fromXml(anElement, LMAreaAbilityEnum::Move, LMAreaCreationRuleEnum::Import);
        QCOMPARE(aRead.rect(), fetch<QRectF>("rect"));
        QCOMPARE(aRead.rotation().degrees(), fetch<int>("rotation"));
        QCOMPARE(aRead.abilities().value(), fetch<int>("abilities"));
        QCOMPARE(aRead.creationRule().value(), fetch<int>("creationRule"));
        QVERIFY(!aRead.isNormalized());
    }

    void decorationParts()
    {
        LMAreaDecoration aDecoration;
        QVERIFY(aDecoration.isEmpty());
        QVERIFY(aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Border));

        // A border with width but nothing else is still a border; a shadow without opacity is none.
        aDecoration.setBorder(LMBorderConfig(LMDistance(1), LMBorderPosition(), QColor()));
        aDecoration.setShadow(LMShadowConfig(LMDistance(10), LMAngle(0), 0, LMDistance(4)));
        QVERIFY(!aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Border));
        QVERIFY(aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Shadow));
        QVERIFY(aDecoration.decorationPartIsEmpty(LMAreaDecorationPart::Corners));

        // Corners are set only with a valid corner, a valid shape and a length.
        LMCornersConfiguration aCorners;
        aCorners.setCorner(LMCornerEnum::TopLeft, LMCornerShape(), LMDistance(5));
        aCorners.setCorner(LMCornerEnum::TopLeft, LMCornerShapeEnum::Concave, LMDistance());
        aCorners.setCorner(LMCorner(), LMCornerShapeEnum::Concave, LMDistance(5));
        QVERIFY(aCorners.isDefault());
        aCorners.setCorner(LMCornerEnum::All, LMCornerShapeEnum::Concave, LMDistance(5));
        QCOMPARE(aCorners.corners().size(), 4);
        QVERIFY(aCorners.isEnabled());
    }

    void decorationCopies()
    {
        // Copies share their parts until one of them changes.
        const LMAreaDecoration aFull = fullDecoration();
        LMAreaDecoration aCopy = aFull;
        aCopy.setBorder(LMBorderConfig());
        QCOMPARE(aFull, fullDecoration());
        QVERIFY(aCopy != aFull);
        QVERIFY(aCopy.decorationPartIsEmpty(LMAreaDecorationPart::Border));
        QCOMPARE(aCopy.shadow(), aFull.shadow());

        // Taking every part away again, or giving the default parts, is no decoration at all.
        aCopy.setShadow(LMShadowConfig());
        aCopy.setCorners(LMCornersConfiguration());
        QCOMPARE(aCopy, LMAreaDecoration());
        QCOMPARE(LMAreaDecoration(LMBorderConfig(), LMShadowConfig(), LMCornersConfiguration()), LMAreaDecoration());
        QVERIFY(aCopy.isEmpty());
        QVERIFY(LMAreaDecoration().mirrored(LMMirrorRuleEnum::BothAxes).isEmpty());

        LMAreaDecoration aMoved = std::move(aCopy);
        aMoved.setCorners(fullDecoration().corners());
        QCOMPARE(aMoved.corners(), aFull.corners());
        QVERIFY(aMoved.decorationPartIsEmpty(LMAreaDecorationPart::Border));
    }

    void decorationMirrorsAndScales()
    {
        const LMAreaDecoration aDecoration = fullDecoration();

        const LMAreaDecoration aMirrored = aDecoration.mirrored(LMMirrorRuleEnum::VerticalAxis);
        QVERIFY(aMirrored.corners().hasCorner(LMCornerEnum::TopRight));
        QVERIFY(aMirrored.corners().hasCorner(LMCornerEnum::BottomLeft));
        QVERIFY(!aMirrored.corners().hasCorner(LMCornerEnum::TopLeft));
        QCOMPARE(aMirrored.corners().corner(LMCornerEnum::TopRight).shape, LMCornerShape(LMCornerShapeEnum::Convex));
        // The shadow falls to the other side: 45 degrees becomes 135.
        QCOMPARE(aMirrored.shadow().angle().degrees(), 135);
        QCOMPARE(aDecoration.mirrored(LMMirrorRuleEnum::HorizontalAxis).shadow().angle().degrees(), 315);
        QCOMPARE(aDecoration.mirrored(LMMirrorRuleEnum::BothAxes).shadow().angle().degrees(), 225);
        QCOMPARE(aMirrored.mirrored(LMMirrorRuleEnum::VerticalAxis), aDecoration);

        const LMAreaDecoration aScaled = aDecoration.scaled(2.0);
        QCOMPARE(aScaled.border().width(), LMDistance(50));
        QCOMPARE(aScaled.border().offset(), LMDistance(10));
        QCOMPARE(aScaled.shadow().blur(), LMDistance(8, LMDistanceUnit::Millimetre));
        QCOMPARE(aScaled.corners().corner(LMCornerEnum::TopLeft).length, LMDistance(40));
        QCOMPARE(aDecoration.scaled(1.0), aDecoration);
    }

    void textFormatChangeMerge()
    {
        LMTextFormat aFirst;
        aFirst.setFontFamily(QStringLiteral("Fira Sans"));
        aFirst.setFontSize(12);
        const LMTextFormatChange aFamilyAndSize(aFirst, LMTextFormat::FontFamily | LMTextFormat::FontSize);

        LMTextFormat aSecond;
        aSecond.setFontSize(14);
        aSecond.setBold(true);
        aSecond.setFontFamily(QStringLiteral("ignored: not a field of the change"));
        const LMTextFormatChange aSizeAndBold(aSecond, LMTextFormat::FontSize | LMTextFormat::Bold);

        LMTextFormatChange aMerged = aFamilyAndSize;
        aMerged.merge(aSizeAndBold);
        QCOMPARE(aMerged.fields(), LMTextFormat::FontFamily | LMTextFormat::FontSize | LMTextFormat::Bold);
        QCOMPARE(aMerged.format().fontFamily(), QStringLiteral("Fira Sans"));
        QCOMPARE(aMerged.format().fontSize(), 14.0);
        QVERIFY(aMerged.format().isBold());

        LMTextFormat aBase;
        aBase.setItalic(true);
        aBase.setFontSize(8);
        const LMTextFormat anApplied = aMerged.appliedTo(aBase);
        QVERIFY(anApplied.isItalic());
        QCOMPARE(anApplied.fontSize(), 14.0);
        QCOMPARE(anApplied.fontFamily(), QStringLiteral("Fira Sans"));
        // The base itself is untouched.
        QCOMPARE(aBase.fontSize(), 8.0);

        // Only a change that sets the size scales it.
        LMTextFormatChange aBoldOnly(aSecond, LMTextFormat::Bold);
        aBoldOnly.scaleFontSize(2.0);
        QCOMPARE(aBoldOnly.format().fontSize(), 14.0);
        aMerged.scaleFontSize(0.5);
        QCOMPARE(aMerged.format().fontSize(), 7.0);

        // Equality looks only at the fields a change sets.
        LMTextFormat aThird;
        aThird.setBold(true);
        aThird.setFontSize(99);
        QCOMPARE(LMTextFormatChange(aSecond, LMTextFormat::Bold), LMTextFormatChange(aThird, LMTextFormat::Bold));
        QVERIFY(
            !(LMTextFormatChange(aSecond, LMTextFormat::Bold) == LMTextFormatChange(aSecond, LMTextFormat::Italic)));
    }

    void textFormatChangeXml_data()
    {
        QTest::addColumn<LMTextFormatChange>("change");

        row("empty", LMTextFormatChange());
        LMTextFormat aFormat;
        aFormat.setFontFamily(QStringLiteral("Ünicode Grotesk"));
        aFormat.setFontSize(10.5);
        aFormat.setBold(true);
        aFormat.setItalic(true);
        aFormat.setFontColor(QColor(1, 2, 3));
        aFormat.setBackgroundColor(QColor(255, 0, 0, 128));
        aFormat.setPaddingHorizontal(LMDistance(1.5, LMDistanceUnit::Millimetre));
        aFormat.setPaddingVertical(LMDistance(3));
        aFormat.setOutline(LMOutlineConfig(LMDistance(0.2, LMDistanceUnit::Millimetre), QColor(Qt::white)));
        aFormat.setAlignmentHorizontal(Qt::AlignJustify);
        aFormat.setAlignmentVertical(Qt::AlignBottom);
        aFormat.setLetterSpacing(LMDistance(0.1, LMDistanceUnit::Millimetre));
        aFormat.setLineHeightPercent(120);
        aFormat.setSpotColorBackground(true);
        aFormat.setSpotColorText(true);
        row("every field", LMTextFormatChange(aFormat, LMTextFormat::AllFields));
        row("some fields", LMTextFormatChange(aFormat, LMTextFormat::Outline | LMTextFormat::AlignmentVertical));
    }

    void textFormatChangeXml()
    {
        QFETCH(LMTextFormatChange, change);

        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("textarea"));
        change.buildXML(anElement);
        QCOMPARE(anElement.firstChildElement(QStringLiteral("textformat")).isNull(), change.isEmpty());
        QCOMPARE(LMTextFormatChange::fromXml(anElement), change);
    }

    void clipartConfiguration_data()
    {
        columns<QString, int, bool, bool>("xml", "mirror", "gsel", "changes");

        row("none", "<image/>", 0, false, false);
        row("mirrored", "<image mirror='horizontal'/>", 1, false, true);
        row("spot colour", "<image gsel='yes'/>", 0, true, true);
        row("malformed boolean", "<image gsel='maybe'/>", 0, false, false);
    }

    void clipartConfiguration()
    {
        QFETCH(int, mirror);

        QDomDocument aDocument;
        const QDomElement anElement = parse(aDocument, fetch<QString>("xml"));
        if (anElement.attribute(QStringLiteral("gsel")) == QLatin1String("maybe"))
            QTest::ignoreMessage(QtWarningMsg, "<image> attribute \"gsel\": \"maybe\" is not a boolean; default used");
        const LMClipartConfiguration aConfiguration = LMClipartConfiguration::fromXml(anElement);
        QCOMPARE(aConfiguration.mirrorRule().value(), mirror);
        QCOMPARE(aConfiguration.isSpotColorEnabled(), fetch<bool>("gsel"));
        QTEST(aConfiguration.hasChanges(), "changes");
        // Mirroring adds up and undoes itself.
        QCOMPARE(aConfiguration.mirrored(LMMirrorRuleEnum::BothAxes).mirrorRule().value(), mirror ^ 3);
        QCOMPARE(aConfiguration.mirrored(LMMirrorRuleEnum::VerticalAxis).mirrored(LMMirrorRuleEnum::VerticalAxis),
                 aConfiguration);
    }

    void smartLayoutConfiguration()
    {
        LMSmartLayoutConfiguration aConfiguration;
        aConfiguration.setSpacing(LMDistance(20));
        aConfiguration.setElegant(true);
        aConfiguration.setElegantPaddings(QMarginsF(10, 5, 30, 15));

        const QSizeF aPage(1000, 500);
        const LMSmartLayoutConfiguration aNormalized = aConfiguration.normalized(aPage);
        QCOMPARE(aNormalized.spacing(), LMDistance(0.02, LMDistanceUnit::Relative));
        QCOMPARE(aNormalized.elegantPaddings(), QMarginsF(0.01, 0.01, 0.03, 0.03));
        QCOMPARE(aNormalized.denormalized(aPage), aConfiguration);
        // Millimetres become document units on the way.
        LMSmartLayoutConfiguration aMillimetres;
        aMillimetres.setSpacing(LMDistance(2, LMDistanceUnit::Millimetre));
        QCOMPARE(aMillimetres.normalized(aPage).spacing(), LMDistance(0.02, LMDistanceUnit::Relative));
        // An unusable size changes nothing.
        QCOMPARE(aConfiguration.normalized(QSizeF(0, 500)), aConfiguration);

        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("layoutArea"));
        aNormalized.buildXML(anElement);
        QCOMPARE(LMSmartLayoutConfiguration::fromXml(anElement), aNormalized);
    }

    void osmContent()
    {
        QDomDocument aDocument;
        const QDomElement anElement = parse(
            aDocument,
            QStringLiteral(
                "<g xmlns:lumo='urn:lumo'><lumo:osm lumo:lat='47.5' lumo:lon='8.25' lumo:zoom='11' lumo:style='winter'>"
                "<lumo:marker lumo:id='home' lumo:lat='47.4' lumo:lon='8.5'/><lumo:marker lumo:id='' lumo:lat='1'/>"
                "</lumo:osm></g>"));
        const LMOsmContent aContent = LMOsmContent::read(anElement.firstChildElement(), QStringLiteral("lumo:"));
        QVERIFY(aContent.isValid());
        QCOMPARE(aContent.center(), QPointF(8.25, 47.5));
        QCOMPARE(aContent.zoom(), 11.0);
        QCOMPARE(aContent.style(), QStringLiteral("winter"));
        // A marker without id ties nothing to the map.
        QCOMPARE(aContent.positions().size(), 1);
        QCOMPARE(aContent.positions().value(LMAreaAssociationId(QStringLiteral("home"))), QPointF(8.5, 47.4));

        QDomDocument anOut;
        QDomElement anArea = anOut.createElement(QStringLiteral("maparea"));
        aContent.buildXML(anArea);
        QCOMPARE(LMOsmContent::fromXml(anArea), aContent);

        LMOsmContent anOffGlobe = aContent;
        anOffGlobe.setCenter(QPointF(-180, -90));
        QVERIFY(anOffGlobe.isValid());
        anOffGlobe.setCenter(QPointF(181, 0));
        QVERIFY(!anOffGlobe.isValid());
        anOffGlobe.setCenter(QPointF(0, 90.5));
        QVERIFY(!anOffGlobe.isValid());
        QVERIFY(!LMOsmContent().isValid());
    }

    void calendariumAppearance()
    {
        LMCalendariumAppearance anAppearance;
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("calendararea"));
        anAppearance.buildXML(anElement);
        QVERIFY(anElement.firstChildElement().isNull());

        anAppearance.setColorSchema(QStringLiteral("Herbst"));
        anAppearance.setLayout(QStringLiteral("block"));
        anAppearance.setLanguage(QStringLiteral("de"));
        anAppearance.setMonthOffset(-2);
        anAppearance.buildXML(anElement);
        QCOMPARE(LMCalendariumAppearance::fromXml(anElement), anAppearance);
    }
};

QTEST_GUILESS_MAIN(TestAreaProperties)
#include "tst_areaproperties.moc"
