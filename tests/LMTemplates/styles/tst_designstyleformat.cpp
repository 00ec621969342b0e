#include "LMDesignStyleBackgrounds.h"
#include "LMDesignStyleBorders.h"
#include "LMDesignStyleCliparts.h"
#include "LMDesignStyleCornerSets.h"
#include "LMDesignStyleMasks.h"
#include "LMDesignStylePageNumbers.h"
#include "LMDesignStylePages.h"
#include "LMDesignStyleRuleSets.h"
#include "LMDesignStyleTemplates.h"
#include "LMDesignStyleXml.h"
#include "LMTestSupport.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::expectWarnings;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
// The document element of the text.
QDomElement parse(const QString& theXml)
{
    return LMXMLLoader::loadDocumentFromData(theXml.toUtf8(), QStringLiteral("test")).documentElement();
}

// A collection written into a fresh document and read back from what was written.
template <typename T> T reread(const T& theValue, const QString& theTagName)
{
    QDomDocument aDocument;
    QDomElement aRoot = aDocument.createElement(QStringLiteral("r"));
    aDocument.appendChild(aRoot);
    theValue.buildXML(aRoot);
    return T(parse(aDocument.toString()).firstChildElement(theTagName));
}

// An item written into its own element and read back.
template <typename T> T rereadItem(const T& theItem, const QString& theTagName)
{
    QDomDocument aDocument;
    QDomElement anElement = aDocument.createElement(theTagName);
    aDocument.appendChild(anElement);
    theItem.buildXML(anElement);
    return T(parse(aDocument.toString()));
}

// "1" for a valid item, "0" for an empty one, in list order.
template <typename List> QString validityOf(const List& theList)
{
    QStringList aMarks;
    for (const auto& anItem : theList.items())
        aMarks.append(anItem.isValid() ? QStringLiteral("1") : QStringLiteral("0"));
    return aMarks.join(QLatin1Char(' '));
}

const QRegularExpression
    SCHEMA_COLOR(QRegularExpression::anchoredPattern(QStringLiteral("#[0-9a-fA-F]{6}(,[0-9a-fA-F]{1,2})?")));

// The "pages" element of the text.
LMDesignStylePages pagesOf(const QString& theXml)
{
    return LMDesignStylePages(parse(QStringLiteral("<pages>%1</pages>").arg(theXml)));
}

// theCount borders of widths 1, 2, ... (an "s" in theSkips makes that one a "skip" entry).
LMDesignStyleBorders borderList(int theCount, const QString& theIterate, const QString& theOrder,
                                const QString& theSkips = QString())
{
    QString aXml = QStringLiteral(R"(<borders type="imagearea" iterate="%1" order="%2">)").arg(theIterate, theOrder);
    for (int i = 0; i < theCount; ++i)
        aXml += (i < theSkips.size() && theSkips.at(i) == QLatin1Char('s'))
            ? QStringLiteral(R"(<border skip="true"/>)")
            : QStringLiteral(R"(<border width="%1" position="inside" color="#000000"/>)").arg(i + 1);
    return LMDesignStyleBorders(parse(aXml + QStringLiteral("</borders>")));
}

// The index of the item given, "-" for none.
QString chosen(const LMDesignStyleBorders& theList, const LMDesignStyleReferencePoint& thePoint)
{
    const LMDesignStyleBorder* anItem = theList.select(thePoint);
    return anItem == nullptr ? QStringLiteral("-") : QString::number(theList.items().indexOf(*anItem));
}

const QString THREE_AND_TWO = QStringLiteral(
    R"(<page template="back"/><page template="spine"/><page template="front"/>
       <page template="u0" position="undefined"/><page template="u1" position="undefined"/>)");
} // namespace

class tst_DesignStyleFormat : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void colors_data()
    {
        columns<QString, bool, QColor>("text", "valid", "color");
        row("opaque", "#1a2b3c", true, QColor(0x1a, 0x2b, 0x3c));
        row("one digit of alpha", "#00ff00,8", true, QColor(0, 255, 0, 8));
        row("empty", "", false, QColor());
    }

    // Border colour and font colour read alike; what is written reads back and fits the schema.
    void colors()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(QColor, color);
        const LMDesignStyleBorder aBorder(parse(QStringLiteral("<border width='1' color='%1'/>").arg(text)));
        const LMDesignStyleTextFormat aFormat(parse(QStringLiteral("<text type='caption' fontColor='%1'/>").arg(text)));
        QCOMPARE(aBorder.borderConfig().color().isValid(), valid);
        QCOMPARE(aFormat.fontColor().isValid(), valid);
        if (!valid)
            return;
        QCOMPARE(aBorder.borderConfig().color().rgba(), color.rgba());
        QCOMPARE(aFormat.fontColor().rgba(), color.rgba());
        const QString aWritten = LMDesignStyleXml::colorText(color);
        QVERIFY2(SCHEMA_COLOR.match(aWritten).hasMatch(), qPrintable(aWritten));
        QCOMPARE(rereadItem(aBorder, QStringLiteral("border")), aBorder);
    }

    void borders_data()
    {
        columns<QString, double, double, QString, bool, bool>("attributes", "widthUnits", "offsetUnits", "position",
                                                              "spotColor", "valid");
        row("millimetres to tenths", "width='0.5' position='inside' color='#000000'", 5.0, 0.0, "inside", false, true);
        row("no width", "position='outside' color='#000000'", 0.0, 0.0, "outside", false, true);
        row("offset below 1 keeps inside", "width='1' position='inside' offset='0.5'", 10.0, 5.0, "inside", false,
            true);
        row("offset of 1 runs outside", "width='1' position='inside' offset='1'", 10.0, 10.0, "outside", false, true);
        row("offset moves center outside", "width='1' position='center' offset='2.5'", 10.0, 25.0, "outside", false,
            true);
        row("offset without position", "width='1' offset='3'", 10.0, 30.0, "", false, true);
        row("unknown position", "width='1' position='around'", 10.0, 0.0, "", false, true);
        row("spot colour alone is a border", "gsel='yes'", 0.0, 0.0, "", true, true);
        row("nothing is no border", "", 0.0, 0.0, "", false, false);
    }

    void borders()
    {
        QFETCH(bool, valid);
        const LMDesignStyleBorder aBorder(parse(QStringLiteral("<border %1/>").arg(fetch<QString>("attributes"))));
        const LMBorderConfig& aConfig = aBorder.borderConfig();
        QCOMPARE(aConfig.width(), LMDistance(fetch<double>("widthUnits")));
        QCOMPARE(aConfig.offset(), LMDistance(fetch<double>("offsetUnits")));
        QCOMPARE(aConfig.position().encodeCSV(), fetch<QString>("position"));
        QCOMPARE(aConfig.isSpotColor(), fetch<bool>("spotColor"));
        QCOMPARE(aBorder.isValid(), valid);
        if (valid)
            QCOMPARE(rereadItem(aBorder, QStringLiteral("border")), aBorder);
    }

    void corners_data()
    {
        columns<QString, QString, double>("corners", "set", "lengthUnits");
        row("whole millimetres", "<corner position='top-left' shape='convex' length='3'/>", "top-left", 30.0);
        row("a decimal length does not parse", "<corner position='top-left' shape='convex' length='2.5'/>", "", 0.0);
        row("unknown shape", "<corner position='top-left' shape='round' length='3'/>", "", 0.0);
        row("'all' names every corner", "<corner position='all' shape='notched' length='1'/>",
            "top-left top-right bottom-left bottom-right", 10.0);
        row("two corners, the bad one left out",
            "<corner position='bottom-right' shape='bevelled' length='4'/>"
            "<corner position='top-right' shape='bevelled' length='x'/>",
            "bottom-right", 40.0);
        row("none", "", "", 0.0);
    }

    void corners()
    {
        QFETCH(QString, set);
        const LMDesignStyleCornerSet aSet(
            parse(QStringLiteral("<corners>%1</corners>").arg(fetch<QString>("corners"))));
        QStringList aCorners;
        for (const LMCorner& aCorner : aSet.cornersConfig().corners())
            aCorners.append(aCorner.encode());
        QCOMPARE(aCorners.join(QLatin1Char(' ')), set);
        QCOMPARE(aSet.isValid(), !set.isEmpty());
        if (set.isEmpty())
            return;
        const LMCornersConfiguration::Corner aFirst
            = aSet.cornersConfig().corner(aSet.cornersConfig().corners().first());
        QCOMPARE(aFirst.length, LMDistance(fetch<double>("lengthUnits")));
        QCOMPARE(rereadItem(aSet, QStringLiteral("corners")), aSet);
    }

    void backgrounds_data()
    {
        columns<QString, bool, int, int>("attributes", "valid", "hue", "fading");
        row("plain", "id='4101'", true, -1, -1);
        row("a colour variant", "id='4105' hue='60' fading='3'", true, 60, 3);
        row("hue no multiple of 30", "id='4105' hue='45' fading='2'", true, -1, -1);
        row("no id", "hue='30' fading='1'", false, 30, 1);
        row("id under the other name", "designElementId='4101'", false, -1, -1);
    }

    void backgrounds()
    {
        QFETCH(bool, valid);
        const LMDesignStyleBackground aBackground(
            parse(QStringLiteral("<background %1/>").arg(fetch<QString>("attributes"))));
        QCOMPARE(aBackground.isValid(), valid);
        QCOMPARE(aBackground.multiColorConfig().hue(), fetch<int>("hue"));
        QCOMPARE(aBackground.multiColorConfig().fading(), fetch<int>("fading"));
        if (valid)
            QCOMPARE(rereadItem(aBackground, QStringLiteral("background")), aBackground);
    }

    void shadows_data()
    {
        columns<QString, bool, int, double, int, double, double>("attributes", "known", "opacity", "distance", "angle",
                                                                 "blur", "zoom");
        row("defaults", "type='imagearea'", true, 0x80, 0.0, 0, 4.0, 6.0);
        row("opacity that does not parse", "type='imagearea' opacity='zz'", true, 0, 0.0, 0, 4.0, 6.0);
        row("opacity in hexadecimal", "type='textarea' opacity='4d'", true, 0x4d, 0.0, 0, 4.0, 6.0);
        row("opacity beyond ff is opaque", "type='textarea' opacity='1ff'", true, 255, 0.0, 0, 4.0, 6.0);
        row("offset right and down", "type='clipartarea' horizontal='3' vertical='4'", true, 0x80, 5.0, 53, 4.0, 6.0);
        row("offset straight down", "type='all' vertical='2' blur='0' zoom='1.5'", true, 0x80, 2.0, 90, 0.0, 1.5);
        row("unknown type reads nothing else", "type='photo' opacity='ff' blur='9'", false, 0, 0.0, 0, 0.0, 0.0);
        row("no type", "opacity='ff'", false, 0, 0.0, 0, 0.0, 0.0);
    }

    void shadows()
    {
        QFETCH(bool, known);
        QFETCH(int, opacity);
        const LMDesignStyleShadow aShadow(parse(QStringLiteral("<shadow %1/>").arg(fetch<QString>("attributes"))));
        const LMShadowConfig& aConfig = aShadow.shadowConfig();
        QCOMPARE(aShadow.areaType().isValid(), known);
        QCOMPARE(aConfig.opacity(), opacity);
        QCOMPARE(aConfig.distance().toUnits(), fetch<double>("distance") * 10.0);
        QCOMPARE(aConfig.angle().degrees(), fetch<int>("angle"));
        QCOMPARE(aConfig.blur().toUnits(), fetch<double>("blur") * 10.0);
        QCOMPARE(aConfig.zoom().toUnits(), fetch<double>("zoom") * 10.0);
        QCOMPARE(aShadow.isValid(), known && opacity > 0);
        if (!known)
            return;
        // The offset written from the file's numbers, and the one taken from distance and angle.
        QCOMPARE(reread(aShadow, QStringLiteral("shadow")), aShadow);
        const LMDesignStyleShadow aBuilt(aShadow.areaType(), aConfig);
        QCOMPARE(reread(aBuilt, QStringLiteral("shadow")), aShadow);
    }

    void textFormats_data()
    {
        columns<QString, int, int, double, bool, int>("attributes", "type", "fontSize", "paddingHorizontal", "outline",
                                                      "alignment");
        row("points", "type='caption' fontSize='12pt'", 4, 12, -1.0, false, 0);
        row("pixels are not read", "type='caption' fontSize='12px'", 4, -1, -1.0, false, 0);
        row("decimal points are not read", "type='caption' fontSize='12.5pt'", 4, -1, -1.0, false, 0);
        row("points beyond int", "type='caption' fontSize='99999999999pt'", 4, -1, -1.0, false, 0);
        row("type by number", "type='64' fontSize='0pt'", 64, 0, -1.0, false, 0);
        row("padding in millimetres", "type='headline' paddingHorizontal='2.5'", 1, -1, 2.5, false, 0);
        row("outline needs a colour", "type='headline' outlineWidth='1'", 1, -1, -1.0, false, 0);
        row("outline needs a width", "type='headline' outlineColor='#000000'", 1, -1, -1.0, false, 0);
        row("outline of width 0", "type='headline' outlineWidth='0' outlineColor='#000000'", 1, -1, -1.0, true, 0);
        row("alignments", "type='text' alignmentHorizontal='justify' alignmentVertical='bottom'", 64, -1, -1.0, false,
            int(Qt::AlignJustify | Qt::AlignBottom));
        row("alignments of the wrong direction", "type='text' alignmentHorizontal='top' alignmentVertical='center'", 64,
            -1, -1.0, false, 0);
        row("unknown text type", "type='footnote' fontSize='9pt'", 0, 9, -1.0, false, 0);
    }

    void textFormats()
    {
        QFETCH(int, type);
        const LMDesignStyleTextFormat aFormat(parse(QStringLiteral("<text %1/>").arg(fetch<QString>("attributes"))));
        QCOMPARE(aFormat.textType().value(), type);
        QCOMPARE(aFormat.isValid(), type != 0);
        QCOMPARE(aFormat.fontSize(), fetch<int>("fontSize"));
        QCOMPARE(aFormat.paddingHorizontal(), fetch<double>("paddingHorizontal"));
        QCOMPARE(aFormat.hasOutline(), fetch<bool>("outline"));
        QCOMPARE(int((aFormat.alignmentHorizontal().toQt() | aFormat.alignmentVertical().toQt()).toInt()),
                 fetch<int>("alignment"));
        if (type != 0)
            QCOMPARE(reread(aFormat, QStringLiteral("text")), aFormat);
    }

    void listAttributes_data()
    {
        columns<QString, int, int, int>("attributes", "iterate", "order", "reset");
        row("absent: the defaults", "", 0, 1, 1);
        row("unknown words: the defaults", "iterate='perBook' order='shuffled' reset='never'", 0, 1, 1);
        row("words", "iterate='perDoublePage' order='random' reset='page'", 2, 2, 2);
        row("any letter case and blanks", "iterate=' PERAREA ' order='Random' reset='DOUBLEPAGE'", 4, 2, 3);
        row("lists OR together", "iterate='perPage, perArea' order='list,random' reset='page,endOfList'", 5, 3, 3);
        row("an unknown word adds the default", "order='random,bogus'", 0, 3, 1);
    }

    // The same for every iterable list; what is written reads back, "reset" only when not default.
    void listAttributes()
    {
        QFETCH(QString, attributes);
        QFETCH(int, reset);
        const LMDesignStyleBackgrounds aBackgrounds(
            parse(QStringLiteral("<backgrounds %1><background id='4101'/></backgrounds>").arg(attributes)));
        const LMDesignStyleMasks aMasks(
            parse(QStringLiteral("<passepartouts %1><passepartout designElementId='7201'/></passepartouts>")
                      .arg(attributes)));
        const LMDesignStyleCornerSets aCornerSets(
            parse(QStringLiteral("<cornersets type='imagearea' %1><corners><corner position='top-left' "
                                 "shape='convex' length='1'/></corners></cornersets>")
                      .arg(attributes)));
        const LMDesignStyleListAttributes anExpected(
            LMDesignStyleIterate(LMDesignStyleIterate::fromInt(fetch<int>("iterate"))),
            LMDesignStyleListOrder::fromInt(fetch<int>("order")), LMDesignStyleListReset::fromInt(reset));
        QCOMPARE(aBackgrounds.listAttributes(), anExpected);
        QCOMPARE(aMasks.listAttributes(), anExpected);
        QCOMPARE(aCornerSets.listAttributes(), anExpected);
        QCOMPARE(reread(aBackgrounds, QStringLiteral("backgrounds")), aBackgrounds);
        QCOMPARE(reread(aMasks, QStringLiteral("passepartouts")), aMasks);
        QCOMPARE(reread(aCornerSets, QStringLiteral("cornersets")), aCornerSets);

        QDomDocument aDocument;
        QDomElement aRoot = aDocument.createElement(QStringLiteral("r"));
        aBackgrounds.buildXML(aRoot);
        const QDomElement aWritten = aRoot.firstChildElement();
        QVERIFY(aWritten.hasAttribute(QStringLiteral("iterate")) && aWritten.hasAttribute(QStringLiteral("order")));
        QCOMPARE(aWritten.hasAttribute(QStringLiteral("reset")), reset != 1);
    }

    void skip_data()
    {
        columns<QString, QString>("list", "validity");
        const QString aBorder = QStringLiteral("<border width='1' color='#000000'/>");
        const QString aCorners
            = QStringLiteral("<corners><corner position='top-left' shape='convex' length='2'/></corners>");
        row("a skipped border keeps its place",
            QStringLiteral("<borders type='imagearea'>%1<border skip='true'/>%1</borders>").arg(aBorder), "1 0 1");
        row("skip wins over a real border",
            QStringLiteral("<borders type='imagearea'><border skip='1' width='3' color='#000000'/></borders>"), "0");
        row("skip false reads the border",
            QStringLiteral("<borders type='imagearea'><border skip='false' width='3' color='#000000'/></borders>"),
            "1");
        row("an invalid border without skip is dropped",
            QStringLiteral("<borders type='imagearea'><border/>%1</borders>").arg(aBorder), "1");
        row("skipped corner sets",
            QStringLiteral("<cornersets type='textarea'><corners skip='yes'/>%1<corners skip='true'/></cornersets>")
                .arg(aCorners),
            "0 1 0");
        row("skipped passepartout",
            QStringLiteral("<passepartouts><passepartout skip='true'/><passepartout designElementId='7201'/>"
                           "</passepartouts>"),
            "0 1");
        row("cliparts know no skip",
            QStringLiteral("<cliparts><clipart skip='true'/><clipart skip='true' designElementId='7101'/></cliparts>"),
            "1");
        row("backgrounds know no skip",
            QStringLiteral("<backgrounds><background skip='true' id='4101'/><background skip='true'/></backgrounds>"),
            "1");
    }

    // Skipped entries survive writing as skipped entries.
    void skip()
    {
        QFETCH(QString, validity);
        const QDomElement anElement = parse(fetch<QString>("list"));
        const QString aTag = anElement.tagName();
        auto check = [&](const auto& theList, bool theWritten) {
            QCOMPARE(validityOf(theList), validity);
            if (theWritten)
                QCOMPARE(reread(theList, aTag), theList);
        };
        if (aTag == QLatin1String("borders"))
            check(LMDesignStyleBorders(anElement), true);
        else if (aTag == QLatin1String("cornersets"))
            check(LMDesignStyleCornerSets(anElement), true);
        else if (aTag == QLatin1String("passepartouts"))
            check(LMDesignStyleMasks(anElement), true);
        else if (aTag == QLatin1String("cliparts"))
            check(LMDesignStyleCliparts(anElement), false);
        else
            check(LMDesignStyleBackgrounds(anElement), false);
    }

    void typedCollections_data()
    {
        columns<QString, QString, QString>("collections", "borders", "cornerSets");
        const QString aBorder = QStringLiteral("<border width='1' color='#000000'/>");
        const QString aCorners
            = QStringLiteral("<corners><corner position='top-left' shape='convex' length='2'/></corners>");
        row("no type", QStringLiteral("<borders>%1</borders><cornersets>%2</cornersets>").arg(aBorder, aCorners), "",
            "");
        row("unknown type",
            QStringLiteral("<borders type='floor'>%1</borders><cornersets type='sky'>%2</cornersets>")
                .arg(aBorder, aCorners),
            "", "");
        row("known type without items", "<borders type='textarea'/><cornersets type='imagearea'/>", "", "");
        row("one of each type",
            QStringLiteral("<borders type='textarea'>%1</borders><borders type='imagearea'>%1%1</borders>"
                           "<cornersets type='all'>%2</cornersets>")
                .arg(aBorder, aCorners),
            "imagearea:2 textarea:1", "all:1");
        row("the second of a type replaces the first",
            QStringLiteral("<borders type='textarea'>%1</borders><borders type='textarea'>%1%1%1</borders>"
                           "<cornersets type='imagearea'>%2%2</cornersets><cornersets type='imagearea'>%2</cornersets>")
                .arg(aBorder, aCorners),
            "textarea:3", "imagearea:1");
        row("an empty second keeps the first",
            QStringLiteral("<borders type='textarea'>%1</borders><borders type='textarea'/>").arg(aBorder),
            "textarea:1", "");
    }

    void typedCollections()
    {
        const LMDesignStyleRuleSet aRuleSet(
            parse(QStringLiteral("<ruleset name='r'>%1</ruleset>").arg(fetch<QString>("collections"))));
        QStringList aBorders;
        for (const LMDesignStyleBorders& aList : aRuleSet.borders())
            aBorders.append(
                QStringLiteral("%1:%2").arg(LMDesignStyleXml::wordsOf(aList.areaType())).arg(aList.count()));
        QStringList aCornerSets;
        for (const LMDesignStyleCornerSets& aList : aRuleSet.cornerSets())
            aCornerSets.append(
                QStringLiteral("%1:%2").arg(LMDesignStyleXml::wordsOf(aList.areaType())).arg(aList.count()));
        aBorders.sort();
        QCOMPARE(aBorders.join(QLatin1Char(' ')), fetch<QString>("borders"));
        QCOMPARE(aCornerSets.join(QLatin1Char(' ')), fetch<QString>("cornerSets"));
        QCOMPARE(reread(aRuleSet, QStringLiteral("ruleset")), aRuleSet);
    }

    void keyedCollections_data()
    {
        columns<QString, QStringList, QString, QString>("collections", "warnings", "shadowOpacities", "textSizes");
        row("later shadow and text of a kind win",
            "<shadows><shadow type='imagearea' opacity='10'/><shadow type='textarea'/>"
            "<shadow type='imagearea' opacity='20'/></shadows>"
            "<texts><text type='caption' fontSize='9pt'/><text type='caption' fontSize='11pt'/></texts>",
            QStringList(), "imagearea:32 textarea:128", "caption:11");
        row("unknown types are dropped",
            "<shadows><shadow type='window'/></shadows><texts><text type='footnote' fontSize='9pt'/></texts>",
            QStringList(), "", "");
        row("a text under another name is warned about",
            "<texts><txt type='caption' fontSize='9pt'/><text type='headline' fontSize='20pt'/></texts>",
            QStringList { "wrong tag name: txt; expected: text" }, "", "headline:20");
        row("only the first texts element counts",
            "<texts><text type='date' fontSize='8pt'/></texts><texts><text type='spine' fontSize='8pt'/></texts>",
            QStringList(), "", "date:8");
    }

    void keyedCollections()
    {
        expectWarnings(fetch<QStringList>("warnings"));
        const LMDesignStyleRuleSet aRuleSet(
            parse(QStringLiteral("<ruleset name='r'>%1</ruleset>").arg(fetch<QString>("collections"))));
        QStringList aShadows;
        for (const LMDesignStyleShadow& aShadow : aRuleSet.shadows().shadows())
            aShadows.append(QStringLiteral("%1:%2")
                                .arg(LMDesignStyleXml::wordsOf(aShadow.areaType()))
                                .arg(aShadow.shadowConfig().opacity()));
        QStringList aTexts;
        for (const LMDesignStyleTextFormat& aFormat : aRuleSet.textFormats().textFormats())
            aTexts.append(
                QStringLiteral("%1:%2").arg(LMDesignStyleXml::wordsOf(aFormat.textType())).arg(aFormat.fontSize()));
        QCOMPARE(aShadows.join(QLatin1Char(' ')), fetch<QString>("shadowOpacities"));
        QCOMPARE(aTexts.join(QLatin1Char(' ')), fetch<QString>("textSizes"));
        QCOMPARE(reread(aRuleSet, QStringLiteral("ruleset")), aRuleSet);
    }

    void pages_data()
    {
        columns<QString, QStringList, QString, QString, QString>("pages", "warnings", "defined", "undefined", "last");
        row("positions",
            "<page template='a'/><page template='b' position='defined'/><page template='c' position='undefined'/>"
            "<page template='d' position='last'/><page template='e' position='last-2'/>",
            QStringList(), "a b", "c", "-2:e 0:d");
        row("'last' with a positive number drops the page",
            "<page template='a' position='last1'/>"
            "<page template='b' position='last+3'/>",
            QStringList(), "", "", "");
        row("'last' with a rest that is no number is the last page", "<page template='a' position='lastpage'/>",
            QStringList(), "", "", "0:a");
        row("a later page of a key wins", "<page template='a' position='last'/><page template='b' position='last0'/>",
            QStringList(), "", "", "0:b");
        row("unknown positions",
            "<page template='a' position='Defined'/><page template='b' position='middle'/><page template='c'/>",
            QStringList { "unknown position 'Defined'", "unknown position 'middle'" }, "c", "", "");
        row("pages without templates are dropped",
            "<page/><page template=''/><page template=' , '/><page template='x'/>", QStringList(), "x", "", "");
        row("name lists", "<page template=' a , b,,c '/>", QStringList(), "a,b,c", "", "");
        row("templateV2 replaces template", "<page template='old' templateV2='new,newer'/>", QStringList(), "new,newer",
            "", "");
        row("other children are not pages", "<pagex template='x'/><page template='y'/>", QStringList(), "y", "", "");
    }

    void pages()
    {
        expectWarnings(fetch<QStringList>("warnings"));
        const LMDesignStylePages aPages = pagesOf(fetch<QString>("pages"));
        auto names = [](const QList<LMDesignStylePage>& thePages) {
            QStringList aNames;
            for (const LMDesignStylePage& aPage : thePages)
                aNames.append(aPage.templates().join(QLatin1Char(',')));
            return aNames.join(QLatin1Char(' '));
        };
        QStringList aLast;
        for (auto anIt = aPages.lastPages().cbegin(); anIt != aPages.lastPages().cend(); ++anIt)
            aLast.append(QStringLiteral("%1:%2").arg(anIt.key()).arg(anIt.value().templates().join(QLatin1Char(','))));
        QCOMPARE(names(aPages.definedPages()), fetch<QString>("defined"));
        QCOMPARE(names(aPages.undefinedPages()), fetch<QString>("undefined"));
        QCOMPARE(aLast.join(QLatin1Char(' ')), fetch<QString>("last"));
        QCOMPARE(reread(aPages, QStringLiteral("pages")), aPages);
    }

    void wrongTags_data()
    {
        columns<QString, QStringList, QString>("document", "warnings", "names");
        row("a rule set under another name", "<rulesets><rules name='x'/><ruleset name='y'/></rulesets>",
            QStringList { "wrong tag name: rules; expected: ruleset", "skipping unnamed ruleset" }, "y");
        row("an unnamed rule set", "<rulesets><ruleset/><ruleset name=''/><ruleset name='z'/></rulesets>",
            QStringList { "skipping unnamed ruleset", "skipping unnamed ruleset" }, "z");
        row("a later rule set of a name wins",
            "<rulesets><ruleset name='a'/><ruleset name='a'><shadows>"
            "<shadow type='imagearea'/></shadows></ruleset></rulesets>",
            QStringList(), "a");
        row("a template under another name", "<templates><tmpl name='a'/><template name='b'/></templates>",
            QStringList { "wrong tag name: tmpl; expected: template" }, "b");
        row("an orientation under another name",
            "<templates><template name='a'><orient value='all'><layouts><layoutCollection designElementId='1'/>"
            "</layouts></orient></template></templates>",
            QStringList { "wrong tag name: orient; expected: orientation" }, "a");
    }

    void wrongTags()
    {
        QFETCH(QString, names);
        expectWarnings(fetch<QStringList>("warnings"));
        const QDomElement anElement = parse(fetch<QString>("document"));
        QStringList aNames;
        if (anElement.tagName() == QLatin1String("rulesets")) {
            const LMDesignStyleRuleSets aRuleSets(anElement);
            aNames = aRuleSets.ruleSetNames();
            QCOMPARE(aRuleSets.ruleSet(QStringLiteral("a")).shadows().count(), qsizetype(names == "a" ? 1 : 0));
        } else {
            const LMDesignStyleTemplates aTemplates(anElement);
            for (const LMDesignStyleTemplate& aTemplate : aTemplates.templates()) {
                aNames.append(aTemplate.name());
                QCOMPARE(aTemplate.bundles().size(), 0);
            }
        }
        QCOMPARE(aNames.join(QLatin1Char(' ')), names);
    }

    void defaultRuleSet_data()
    {
        columns<QString, QString>("ruleSets", "name");
        row("named default", "<rulesets><ruleset name='a'/><ruleset name='default'/></rulesets>", "default");
        row("letter case counts", "<rulesets><ruleset name='Default'/></rulesets>", "");
        row("none", "<rulesets/>", "");
    }

    void defaultRuleSet()
    {
        QFETCH(QString, name);
        if (name.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "no default ruleset found");
        const LMDesignStyleRuleSet aDefault = LMDesignStyleRuleSets(parse(fetch<QString>("ruleSets"))).defaultRuleSet();
        QCOMPARE(aDefault.name(), name);
        QCOMPARE(aDefault.isDefault(), !name.isEmpty());
    }

    void bundles_data()
    {
        columns<QString, QString>("orientations", "collections");
        const QString aLayouts = QStringLiteral("<layouts><layoutCollection designElementId='%1'/></layouts>");
        row("'all' answers for every orientation",
            QStringLiteral("<orientation value='all'>%1</orientation>").arg(aLayouts.arg(1)),
            "portrait:1 landscape:1 square:1 panorama_landscape:1 panorama_portrait:1");
        row("a later bundle replaces where it applies",
            QStringLiteral("<orientation value='all'>%1</orientation><orientation value='landscape'>%2</orientation>")
                .arg(aLayouts.arg(1), aLayouts.arg(2)),
            "portrait:1 landscape:2 square:1 panorama_landscape:1 panorama_portrait:1");
        row("a bundle replaced everywhere",
            QStringLiteral("<orientation value='portrait'>%1</orientation><orientation value='portrait, square'>%2"
                           "</orientation>")
                .arg(aLayouts.arg(1), aLayouts.arg(2)),
            "portrait:2 square:2");
        row("without layouts or orientation nothing",
            QStringLiteral("<orientation value='portrait'/><orientation value='diagonal'>%1</orientation>"
                           "<orientation value='square'><layouts/></orientation>")
                .arg(aLayouts.arg(1)),
            "");
    }

    // Bundles are stored per single orientation; writing keeps what each one answers.
    void bundles()
    {
        const LMDesignStyleTemplate aTemplate(
            parse(QStringLiteral("<template name='t'>%1</template>").arg(fetch<QString>("orientations"))));
        QStringList anAnswers;
        for (const LMOrientation& aSingle : LMOrientation(LMOrientationEnum::All).singleOrientations()) {
            const LMDesignStyleLayoutRuleSetBundle aBundle = aTemplate.bundle(aSingle);
            if (aBundle.isValid())
                anAnswers.append(QStringLiteral("%1:%2")
                                     .arg(aSingle.toString())
                                     .arg(aBundle.layouts().layoutCollections().first().id()));
        }
        QCOMPARE(anAnswers.join(QLatin1Char(' ')), fetch<QString>("collections"));
        QCOMPARE(reread(aTemplate, QStringLiteral("template")), aTemplate);
    }

    void pageNumbers_data()
    {
        columns<QString, bool>("document", "enabled");
        row("global", "<designStyleV2><pagenumbers apply='global'/></designStyleV2>", true);
        row("letter case counts", "<designStyleV2><pagenumbers apply='Global'/></designStyleV2>", false);
        row("no element", "<designStyleV2/>", false);
        row("only the first element counts",
            "<designStyleV2><pagenumbers apply='none'/><pagenumbers apply='global'/></designStyleV2>", false);
    }

    void pageNumbers()
    {
        QFETCH(bool, enabled);
        const LMDesignStylePageNumbers aPageNumbers(parse(fetch<QString>("document")));
        QCOMPARE(aPageNumbers.pageNumberConfig().isEnabled(), enabled);
        QDomDocument aDocument;
        QDomElement aRoot = aDocument.createElement(QStringLiteral("designStyleV2"));
        aDocument.appendChild(aRoot);
        aPageNumbers.buildXML(aRoot);
        QCOMPARE(aRoot.childNodes().size(), enabled ? 1 : 0);
        QCOMPARE(LMDesignStylePageNumbers(parse(aDocument.toString())), aPageNumbers);
    }

    void equality_data()
    {
        columns<QString, QString, bool>("first", "second", "equal");
        row("border, same", "<border width='1' color='#ff0000,80'/>", "<border width='1.0' color='#FF0000,80'/>", true);
        row("border, width", "<border width='1' color='#ff0000'/>", "<border width='1.1' color='#ff0000'/>", false);
        row("border, alpha", "<border width='1' color='#ff0000'/>", "<border width='1' color='#ff0000,fe'/>", false);
        row("border, spot colour", "<border width='1' gsel='true'/>", "<border width='1'/>", false);
        row("background, variant", "<background id='4105' hue='30' fading='1'/>",
            "<background id='4105' hue='30' fading='2'/>", false);
        row("background, invalid variants alike", "<background id='4105' hue='31' fading='1'/>",
            "<background id='4105'/>", true);
        row("clipart, same", "<clipart designElementId='7101' gsel='1'/>",
            "<clipart designElementId='7101' gsel='true'/>", true);
        row("clipart, aspect ratio", "<clipart designElementId='7101'/>",
            "<clipart designElementId='7101' keepAspectRatio='false'/>", false);
        row("clipart, mirror", "<clipart designElementId='7101'/>",
            "<clipart designElementId='7101'><mirror mirror-axis='vertical'/></clipart>", false);
        row("clipart, unique name", "<clipart designElementId='7101'/>",
            "<clipart designElementId='7101' uniqueName='x'/>", false);
        row("corners, shape", "<corners><corner position='top-left' shape='convex' length='2'/></corners>",
            "<corners><corner position='top-left' shape='concave' length='2'/></corners>", false);
        row("corners, the same in another order",
            "<corners><corner position='top-left' shape='convex' length='2'/>"
            "<corner position='bottom-left' shape='convex' length='2'/></corners>",
            "<corners><corner position='bottom-left' shape='convex' length='2'/>"
            "<corner position='top-left' shape='convex' length='2'/></corners>",
            true);
        row("shadow, direction", "<shadow type='imagearea' horizontal='3' vertical='4'/>",
            "<shadow type='imagearea' horizontal='4' vertical='3'/>", false);
        row("shadow, type", "<shadow type='imagearea'/>", "<shadow type='textarea'/>", false);
        row("shadow, the same distance and angle", "<shadow type='imagearea' horizontal='3' vertical='4'/>",
            "<shadow type='imagearea' horizontal='3.0' vertical='4.0' opacity='80'/>", true);
        row("text, line height", "<text type='caption'/>", "<text type='caption' lineHeight='1.2'/>", false);
        row("text, outline colour", "<text type='caption' outlineWidth='1' outlineColor='#000000'/>",
            "<text type='caption' outlineWidth='1' outlineColor='#000001'/>", false);
        row("text, an outline not set is no outline", "<text type='caption' outlineWidth='1'/>",
            "<text type='caption' outlineColor='#000001'/>", true);
    }

    // Equal items hash alike.
    void equality()
    {
        QFETCH(bool, equal);
        const QDomElement aFirst = parse(fetch<QString>("first"));
        const QDomElement aSecond = parse(fetch<QString>("second"));
        const QString aTag = aFirst.tagName();
        auto check = [&](const auto& theA, const auto& theB) {
            QCOMPARE(theA == theB, equal);
            QCOMPARE(theA != theB, !equal);
            if (equal)
                QCOMPARE(theA.hash(), theB.hash());
        };
        if (aTag == QLatin1String("border"))
            check(LMDesignStyleBorder(aFirst), LMDesignStyleBorder(aSecond));
        else if (aTag == QLatin1String("background"))
            check(LMDesignStyleBackground(aFirst), LMDesignStyleBackground(aSecond));
        else if (aTag == QLatin1String("clipart"))
            check(LMDesignStyleClipart(aFirst), LMDesignStyleClipart(aSecond));
        else if (aTag == QLatin1String("corners"))
            check(LMDesignStyleCornerSet(aFirst), LMDesignStyleCornerSet(aSecond));
        else if (aTag == QLatin1String("shadow"))
            check(LMDesignStyleShadow(aFirst), LMDesignStyleShadow(aSecond));
        else
            check(LMDesignStyleTextFormat(aFirst), LMDesignStyleTextFormat(aSecond));
    }

    void decimals_data()
    {
        columns<double, QString>("value", "text");
        row("whole", 3.0, "3");
        row("noise of a conversion", 7.000000000000001 / 10.0, "0.7");
        row("negative", -2.25, "-2.25");
        row("small, no exponent", 0.00001, "0.00001");
        row("large, no exponent", 123456789.0, "123456789");
        row("negative zero", -0.0, "0");
    }

    void decimals() { QCOMPARE(LMDesignStyleXml::decimalText(fetch<double>("value")), fetch<QString>("text")); }

    void templateNameForPage_data()
    {
        columns<QString, int, int, int, int, QString>("pages", "pageCount", "page", "cover", "alternative", "expected");
        row("a defined page", THREE_AND_TWO, 20, 2, 32, 0, "front");
        row("the first undefined page after the defined", THREE_AND_TWO, 20, 3, 32, 0, "u0");
        row("the second undefined page", THREE_AND_TWO, 20, 4, 32, 0, "u1");
        row("the undefined pages cycle", THREE_AND_TWO, 20, 5, 32, 0, "u0");
        row("a regular cover skips the inside of the cover", THREE_AND_TWO, 20, 4, 1, 0, "u0");
        row("a regular cover counts page 3 as it is", THREE_AND_TWO, 20, 3, 1, 0, "u0");
        const QString aLast = THREE_AND_TWO
            + QStringLiteral(R"(<page template="A" position="last"/><page template="B" position="last-1"/>)");
        row("the last page by key 0", aLast, 20, 19, 32, 0, "A");
        row("the page before by key -1", aLast, 20, 18, 32, 0, "B");
        row("a page before the last pages cycles", aLast, 20, 17, 32, 0, "u0");
        row("a regular cover's last page lies four pages on", aLast, 20, 23, 1, 0, "A");
        row("and the one before it", aLast, 20, 22, 16, 0, "B");
        row("last0 is key 0", THREE_AND_TWO + QStringLiteral(R"(<page template="X" position="last0"/>)"), 9, 8, 32, 0,
            "X");
        row("an alternative", QStringLiteral(R"(<page template="a, b ,c"/>)"), 5, 0, 32, 2, "c");
        row("an alternative beyond the list", QStringLiteral(R"(<page template="a,b"/>)"), 5, 0, 32, 2, "");
        row("linen takes the linen list", QStringLiteral(R"(<page template="a,b" templateLL="l1,l2"/>)"), 5, 0, 4, 1,
            "l2");
        row("leather beyond the linen list takes its first",
            QStringLiteral(R"(<page template="a,b,c" templateLL="l1,l2"/>)"), 5, 0, 8, 2, "l1");
        row("linen without a linen list", QStringLiteral(R"(<page template="a,b"/>)"), 5, 0, 4, 1, "b");
        row("no undefined pages: nothing beyond the defined", QStringLiteral(R"(<page template="a"/>)"), 5, 3, 32, 0,
            "");
        row("no page before the first", THREE_AND_TWO, 20, -1, 32, 0, "");
        row("nothing at all", QString(), 5, 0, 32, 0, "");
    }
    void templateNameForPage()
    {
        QFETCH(int, page);
        const LMDesignStylePages aPages = pagesOf(fetch<QString>("pages"));
        const LMDesignStyleReferencePoint aPoint(0, page / 2, page, LMCoverType::fromInt(fetch<int>("cover")),
                                                 fetch<int>("alternative"));
        QCOMPARE(aPages.templateNameForPage(aPoint, fetch<int>("pageCount")), fetch<QString>("expected"));
    }

    void pageCounts_data()
    {
        columns<QString, int, int, int, QString, int>("pages", "cover", "doublePages", "normalPages", "emptyPages",
                                                      "coverDoublePages");
        row("three and two, soft", THREE_AND_TWO, 32, 3, 6, "", 1);
        row("three and two, hard", THREE_AND_TWO, 1, 3, 2, "3 6", 1);
        row("with last pages", THREE_AND_TWO + QStringLiteral(R"(<page template="z" position="last"/>)"), 2, 4, 4,
            "3 8", 1);
        row("alternative covers: the fewer of front and back",
            QStringLiteral(R"(<page template="b1,b2,b3"/><page template="s"/><page template="f1,f2"/>)"), 32, 2, 4, "",
            2);
        row("linen covers count the linen lists",
            QStringLiteral(R"(<page template="b1,b2" templateLL="l"/><page template="s"/><page template="f1,f2"/>)"), 4,
            2, 0, "3 4", 1);
        row("no cover pages", QStringLiteral(R"(<page template="a"/><page template="b"/>)"), 32, 1, 2, "", 0);
        row("nothing", QString(), 1, 0, 0, "0 3", 0);
    }
    void pageCounts()
    {
        const LMDesignStylePages aPages = pagesOf(fetch<QString>("pages"));
        const LMCoverType aCover = LMCoverType::fromInt(fetch<int>("cover"));
        QCOMPARE(aPages.doublePageTemplateCount(), fetch<int>("doublePages"));
        QCOMPARE(aPages.normalPageCount(aCover), fetch<int>("normalPages"));
        QStringList anEmpty;
        for (int p = 0; p < 12; ++p) {
            if (aPages.isEmptyPage(p, aCover))
                anEmpty << QString::number(p);
        }
        QCOMPARE(anEmpty.join(QLatin1Char(' ')), fetch<QString>("emptyPages"));
        QCOMPARE(aPages.coverDoublePages(aCover), fetch<int>("coverDoublePages"));
    }

    void plainPageList()
    {
        const LMDesignStylePages aPages(3);
        QStringList aNames;
        for (int p = 0; p < 8; ++p)
            aNames << aPages.templateNameForPage(LMDesignStyleReferencePoint(0, 0, p, LMCoverTypeEnum::Softcover), 8);
        QCOMPARE(aNames.join(QLatin1Char(' ')),
                 QStringLiteral("cover_back cover_spine cover_front page_001 page_002 page_003 page_001 page_002"));
    }

    void listSelection_data()
    {
        columns<int, QString, QString, QString, QString>("items", "iterate", "order", "points", "expected");
        // A point is page/scene/cluster; a list is asked once per point.
        row("list per page: round the items", 3, "perPage", "list", "0/0/0 1/0/0 2/1/0 3/1/0 4/2/0", "0 1 2 0 1");
        row("list per double page", 3, "perDoublePage", "list", "0/0/0 1/0/0 2/1/0 3/1/0 9/4/0", "0 0 1 1 1");
        row("list per cluster", 2, "perCluster", "list", "0/0/0 5/2/1 9/4/2 9/4/3", "0 1 0 1");
        row("list per area counts every call", 2, "perArea", "list", "0/0/0 0/0/0 0/0/0 1/0/0", "0 1 0 1");
        row("none stands still", 3, "none", "list", "0/0/0 1/0/0 7/3/2", "0 0 0");
        row("list and random together: beyond the list gives nothing", 2, "perPage", "list,random",
            "0/0/0 1/0/0 2/1/0 3/1/0", "0 1 - -");
        row("an unknown iterate stands still", 2, "sideways", "list", "0/0/0 1/0/0", "0 0");
        row("a skip entry gives nothing", 3, "perPage", "list", "0/0/0 1/0/0 2/0/0 3/0/0", "0 - 2 0");
        row("an empty list gives nothing", 0, "perPage", "list", "0/0/0 1/0/0", "- -");
    }
    void listSelection()
    {
        QFETCH(QString, points);
        const bool aSkip = QString::fromUtf8(QTest::currentDataTag()).contains(QLatin1String("skip"));
        const LMDesignStyleBorders aList
            = borderList(fetch<int>("items"), fetch<QString>("iterate"), fetch<QString>("order"),
                         aSkip ? QStringLiteral("-s-") : QString());
        QStringList aChosen;
        for (const QString& aPoint : points.split(QLatin1Char(' '))) {
            const QStringList aParts = aPoint.split(QLatin1Char('/'));
            aChosen << chosen(
                aList, LMDesignStyleReferencePoint(aParts.at(2).toInt(), aParts.at(1).toInt(), aParts.at(0).toInt()));
        }
        QCOMPARE(aChosen.join(QLatin1Char(' ')), fetch<QString>("expected"));
    }

    // Random order: a page asked again keeps its item; n pages in a row get every item once, and
    // the next n pages again every item once.
    void randomWithoutRepetition_data()
    {
        columns<int, QString>("items", "iterate");
        row("one item", 1, "perPage");
        row("seven items", 7, "perPage");
        row("per area", 5, "perArea");
    }
    void randomWithoutRepetition()
    {
        QFETCH(int, items);
        QFETCH(QString, iterate);
        const LMDesignStyleBorders aList = borderList(items, iterate, QStringLiteral("random"));
        const bool aPerArea = iterate == QLatin1String("perArea");
        for (int aRound = 0; aRound < 3; ++aRound) {
            QSet<QString> aSeen;
            for (int i = 0; i < items; ++i) {
                const LMDesignStyleReferencePoint aPoint(0, 0, aRound * items + i);
                const QString anItem = chosen(aList, aPoint);
                QVERIFY2(anItem != QLatin1String("-"), "random gives an item");
                if (!aPerArea)
                    QCOMPARE(chosen(aList, aPoint), anItem);
                QVERIFY2(!aSeen.contains(anItem), qPrintable(QStringLiteral("item %1 came twice").arg(anItem)));
                aSeen.insert(anItem);
            }
            QCOMPARE(aSeen.size(), items);
        }
    }

    // A copy takes over where the list stands.
    void copyKeepsTheState()
    {
        const LMDesignStyleBorders aList = borderList(3, QStringLiteral("perArea"), QStringLiteral("list"));
        QCOMPARE(chosen(aList, LMDesignStyleReferencePoint()), QStringLiteral("0"));
        const LMDesignStyleBorders aCopy = aList;
        QCOMPARE(chosen(aCopy, LMDesignStyleReferencePoint()), QStringLiteral("1"));
        QCOMPARE(chosen(aList, LMDesignStyleReferencePoint()), QStringLiteral("1"));
    }
};

QTEST_GUILESS_MAIN(tst_DesignStyleFormat)
#include "tst_designstyleformat.moc"
