#include "LMContentGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

#include <algorithm>

namespace {
const char* const SUBCATEGORIES[] = { "Sommer", "Winter", "Hochzeit", "Reise", "Familie", "Natur", "Stadt", "Baby" };
const char* const PAGE_TYPES[] = { "inner_page", "cover", "first_page", "last_page", "calendar_month" };
const char* const ARTICLE_CLASSES[] = { "photobook", "calendar", "card", "poster" };
const char* const PRODUCTS[] = { "BOOK_A4", "BOOK_A5", "CAL_A3", "CARD_A6" };
const char* const PHRASES[] = { "Ihr Text", "Sommer am See", "Unsere Reise", "Alles Gute" };
const char* const MIRRORS[] = { "", "vertical", "horizontal", "both" };

template <size_t N> const char* pick(const char* const (&theWords)[N], std::mt19937& theRandom)
{
    return theWords[std::uniform_int_distribution<size_t>(0, N - 1)(theRandom)];
}

QByteArray number(double theValue)
{
    return QByteArray::number(theValue, 'f', 1);
}
} // namespace

LMContentGenerator::LMContentGenerator(quint32 theSeed) : myRandom(theSeed) { }

QByteArray LMContentGenerator::photoAreas(int theCount, double theWidth, double theHeight)
{
    std::uniform_real_distribution<double> aMargin(0.02, 0.15);
    std::uniform_int_distribution<int> aPercent(0, 99);
    const int aColumns = theCount <= 2 ? theCount : (theCount + 1) / 2;
    const int aRows = (theCount + aColumns - 1) / aColumns;
    const double aCellWidth = theWidth / aColumns;
    const double aCellHeight = theHeight / aRows;
    QByteArray aText;
    for (int i = 0; i < theCount; ++i) {
        const double aLeft = (i % aColumns) * aCellWidth + aMargin(myRandom) * aCellWidth;
        const double aTop = (i / aColumns) * aCellHeight + aMargin(myRandom) * aCellHeight;
        const double aWidth = aCellWidth * (1.0 - 2 * aMargin(myRandom));
        const double aHeight = aCellHeight * (1.0 - 2 * aMargin(myRandom));
        aText += "      <imagearea x=\"" + number(aLeft) + "\" y=\"" + number(aTop) + "\" width=\"" + number(aWidth)
            + "\" height=\"" + number(aHeight) + "\"";
        const int aRoll = aPercent(myRandom);
        if (aRoll < 10)
            aText += " angle=\"" + QByteArray::number(aRoll % 2 ? 5 : -5) + "\"";
        if (aRoll >= 80) {
            aText += ">\n        <border width=\"2mm\" position=\"inside\" color=\"#ffffff\"/>\n";
            if (aRoll >= 95)
                aText += "        <shadow distance=\"10\" angle=\"45\" opacity=\"128\" blur=\"5\"/>\n";
            aText += "      </imagearea>\n";
        } else {
            aText += "/>\n";
        }
    }
    return aText;
}

QByteArray LMContentGenerator::layoutV2(int theCollection, int theLayout)
{
    std::uniform_int_distribution<int> aPhotos(1, 8);
    std::uniform_int_distribution<int> aPercent(0, 99);
    const bool aLandscape = aPercent(myRandom) < 60;
    const double aWidth = aLandscape ? 3000.0 : 2100.0;
    const double aHeight = aLandscape ? 2100.0 : 3000.0;

    QByteArray aText = "  <template name=\"layout_" + QByteArray::number(theCollection) + "_"
        + QByteArray::number(theLayout) + "\" sort=\"" + QByteArray::number(theLayout) + "\"";
    if (aPercent(myRandom) < 20)
        aText += " viewAngle=\"" + QByteArray::number(aPercent(myRandom) - 50) + "\"";
    if (aPercent(myRandom) < 10)
        aText += " usableByAssistant=\"false\"";
    aText += ">\n";
    if (aPercent(myRandom) < 50) {
        aText += "    <filter>\n      <subcategory>" + QByteArray(pick(SUBCATEGORIES, myRandom)) + "</subcategory>\n";
        aText += "      <orientation>" + QByteArray(aLandscape ? "landscape" : "portrait") + "</orientation>\n";
        aText += "    </filter>\n";
    }
    aText += "    <layout";
    const QByteArray aMirror = pick(MIRRORS, myRandom);
    if (!aMirror.isEmpty())
        aText += " mirror=\"" + aMirror + "\"";
    aText += ">\n      <total width=\"" + QByteArray::number(int(aWidth)) + "\" height=\""
        + QByteArray::number(int(aHeight)) + "\"/>\n";
    aText += photoAreas(aPhotos(myRandom), aWidth, aHeight);
    const int aTexts = aPercent(myRandom) % 3;
    for (int i = 0; i < aTexts; ++i)
        aText += "      <textarea x=\"" + number(aWidth * 0.1) + "\" y=\"" + number(aHeight * (0.85 + 0.05 * i))
            + "\" width=\"" + number(aWidth * 0.8) + "\" height=\"" + number(aHeight * 0.04) + "\"/>\n";
    aText += "    </layout>\n  </template>\n";
    ++myLayoutsWritten;
    return aText;
}

QByteArray LMContentGenerator::layoutCollectionV2(int theIndex, int theLayouts)
{
    QByteArray aText = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<templates2 version=\"2\" type=\"layoutcollection\""
                       " designElementId=\""
        + QByteArray::number(100000 + theIndex) + "\">\n";
    aText += "  <filter>\n    <type>" + QByteArray(pick(ARTICLE_CLASSES, myRandom)) + "</type>\n    <pagetype>"
        + QByteArray(pick(PAGE_TYPES, myRandom)) + "</pagetype>\n    <subcategory>"
        + QByteArray(pick(SUBCATEGORIES, myRandom)) + "</subcategory>\n  </filter>\n";
    for (int i = 0; i < theLayouts; ++i)
        aText += layoutV2(theIndex, i);
    aText += "</templates2>\n";
    return aText;
}

QStringList LMContentGenerator::writeLayoutCollectionsV2(const QString& theFolder, int theFiles, int theMinLayouts,
                                                         int theMaxLayouts)
{
    if (!QDir().mkpath(theFolder))
        return {};
    std::uniform_int_distribution<int> aLayouts(theMinLayouts, theMaxLayouts);
    QStringList aPaths;
    for (int i = 0; i < theFiles; ++i) {
        const QString aPath = QDir(theFolder).filePath(QStringLiteral("layouts_%1.xml").arg(i));
        QSaveFile aFile(aPath);
        if (!aFile.open(QIODevice::WriteOnly) || aFile.write(layoutCollectionV2(i, aLayouts(myRandom))) < 0
            || !aFile.commit())
            return {};
        aPaths.append(aPath);
    }
    return aPaths;
}

QByteArray LMContentGenerator::svgPage(int theDesign, int thePage, const QStringList& theMorePages)
{
    std::uniform_int_distribution<int> aPhotos(1, 6);
    std::uniform_int_distribution<int> aTexts(1, 3);
    std::uniform_int_distribution<int> aPercent(0, 99);
    const QByteArray aName = "d" + QByteArray::number(theDesign);
    QByteArray aText = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                       "xmlns:lumo=\"urn:lumo\" width=\"2970\" height=\"2100\">\n"
                       "  <metadata>\n    <lumo:template lumo:properties=\"score:"
        + QByteArray::number(aPercent(myRandom)) + "\">\n      <lumo:category>" + pick(SUBCATEGORIES, myRandom)
        + "</lumo:category>\n      <lumo:product>" + pick(PRODUCTS, myRandom)
        + "</lumo:product>\n      <lumo:designelementid>" + QByteArray::number(200000 + theDesign)
        + "</lumo:designelementid>\n      <lumo:pagetype>" + pick(PAGE_TYPES, myRandom)
        + "</lumo:pagetype>\n      <lumo:thumbnail xlink:href=\"" + aName + ".png\"/>\n";
    if (!theMorePages.isEmpty()) {
        aText += "      <lumo:pages>\n";
        for (const QString& aPage : theMorePages)
            aText += "        <lumo:page xlink:href=\"" + aPage.toUtf8() + "\"/>\n";
        aText += "      </lumo:pages>\n";
    }
    aText += "    </lumo:template>\n  </metadata>\n";
    if (aPercent(myRandom) < 30)
        aText += "  <g lumo:layertype=\"4\"><image width=\"2970\" height=\"2100\" lumo:content_ref=\"bg"
            + QByteArray::number(theDesign) + "\" lumo:priceclass=\"01\"/></g>\n";

    aText += "  <g lumo:layertype=\"1\" transform=\"translate(10 20)\">\n";
    const int aCount = aPhotos(myRandom);
    for (int i = 0; i < aCount; ++i) {
        const int aLeft = 100 + (i % 3) * 950;
        const int aTop = 100 + (i / 3) * 1000;
        const int aTurn = aPercent(myRandom) < 20 ? aPercent(myRandom) % 11 - 5 : 0;
        aText += "    <g transform=\"rotate(" + QByteArray::number(aTurn) + " " + QByteArray::number(aLeft + 400) + " "
            + QByteArray::number(aTop + 400) + ")\"><image x=\"" + QByteArray::number(aLeft) + "\" y=\""
            + QByteArray::number(aTop) + "\" width=\"800\" height=\"800\"/></g>\n";
    }
    aText += "  </g>\n  <g lumo:layertype=\"2\">\n"
             "    <path d=\"M 0 0 L 2970 0 L 2970 60 L 0 60 Z\" fill=\"#336699\"/>\n"
             "    <circle cx=\"2800\" cy=\"1950\" r=\"80\" fill=\"#cc3333\" stroke=\"#ffffff\" stroke-width=\"4\"/>\n";
    const int aTextCount = aTexts(myRandom);
    for (int i = 0; i < aTextCount; ++i)
        aText += "    <lumo:textarea x=\"200\" y=\"" + QByteArray::number(1800 + i * 90)
            + "\" width=\"2000\" height=\"80\" font-family=\"Sans\" font-size=\"40\" text-anchor=\"middle\">"
            + pick(PHRASES, myRandom) + "</lumo:textarea>\n";
    aText += "  </g>\n</svg>\n";
    Q_UNUSED(thePage);
    ++mySvgPagesWritten;
    return aText;
}

QStringList LMContentGenerator::writeSvgDesigns(const QString& theRoot, int theDesigns, int theMultiPageEvery,
                                                int theSmartLayoutEvery)
{
    constexpr int MULTI_PAGES = 4;
    QStringList aRoots;
    for (int aDesign = 0; aDesign < theDesigns; ++aDesign) {
        const QString aName = QStringLiteral("d%1").arg(aDesign);
        const QString aFolder = QDir(theRoot).filePath(QStringLiteral("designs/") + aName);
        if (!QDir().mkpath(aFolder))
            return {};
        const bool aMultiPage = theMultiPageEvery > 0 && aDesign % theMultiPageEvery == 0;
        const int aPages = aMultiPage ? MULTI_PAGES : 1;
        QStringList aPageFiles;
        for (int aPage = 0; aPage < aPages; ++aPage)
            // Numbered from 1: the first page file is the design's master file ("...-a-1.svg").
            aPageFiles.append(QStringLiteral("%1-a-%2.svg").arg(aName).arg(aPage + 1));
        for (int aPage = 0; aPage < aPages; ++aPage) {
            QSaveFile aFile(QDir(aFolder).filePath(aPageFiles.at(aPage)));
            const QByteArray aText = svgPage(aDesign, aPage, aMultiPage && aPage == 0 ? aPageFiles : QStringList());
            if (!aFile.open(QIODevice::WriteOnly) || aFile.write(aText) < 0 || !aFile.commit())
                return {};
        }
        if (theSmartLayoutEvery > 0 && aDesign % theSmartLayoutEvery == 0) {
            QSaveFile aFile(QDir(aFolder).filePath(QFileInfo(aPageFiles.first()).completeBaseName()
                                                   + QStringLiteral(".smartlayout")));
            const QByteArray aText = "<smartlayout xmlns:lumo=\"urn:lumo\"><lumo:layoutArea x=\"100\" y=\"100\" "
                                     "width=\"2770\" height=\"1600\"><lumo:padding left=\"20\" top=\"20\" "
                                     "right=\"20\" bottom=\"20\"/><lumo:spacing horizontal=\"30\"/>"
                                     "</lumo:layoutArea></smartlayout>\n";
            if (!aFile.open(QIODevice::WriteOnly) || aFile.write(aText) < 0 || !aFile.commit())
                return {};
        }
        aRoots.append(QDir(aFolder).filePath(aPageFiles.first()));
    }
    return aRoots;
}

bool LMContentGenerator::writeContentTree(const QString& theRoot, int theXmlFiles, int theSvgDesigns,
                                          int theSmartLayoutEvery)
{
    // The products the generated files name, by their article classes.
    static const QByteArray ourCatalogue = R"({"articles": [
    {"id": 1, "orderName": "BOOK_A4", "class": "photobook", "orientation": "portrait"},
    {"id": 2, "orderName": "BOOK_A5", "class": "photobook", "orientation": "landscape"},
    {"id": 3, "orderName": "CAL_A3", "class": "calendar", "orientation": "landscape"},
    {"id": 4, "orderName": "CARD_A6", "class": "card", "orientation": "portrait"}
]})";
    const QString aCategories = QDir(theRoot).filePath(QStringLiteral("templates/categories"));
    QFile aCatalogue(QDir(theRoot).filePath(QStringLiteral("products/catalogue.json")));
    if (!QDir().mkpath(aCategories) || !QDir().mkpath(QDir(theRoot).filePath(QStringLiteral("products")))
        || !aCatalogue.open(QIODevice::WriteOnly) || aCatalogue.write(ourCatalogue) != ourCatalogue.size())
        return false;
    aCatalogue.close();
    return writeLayoutCollectionsV2(aCategories, theXmlFiles, 2, 8).size() == theXmlFiles
        && writeSvgDesigns(theRoot, theSvgDesigns, 0, theSmartLayoutEvery).size() == theSvgDesigns;
}

namespace {
const char* const ITERATES[] = { "none", "perPage", "perDoublePage", "perCluster", "perArea" };
const char* const ORDERS[] = { "list", "random" };
const char* const RESETS[] = { "page", "doublePage" };
const char* const BORDER_POSITIONS[] = { "inside", "outside", "center" };
const char* const CORNERS[] = { "top-left", "top-right", "bottom-left", "bottom-right" };
const char* const CORNER_SHAPES[] = { "default", "convex", "concave", "bevelled", "notched" };
const char* const STYLE_AREA_TYPES[] = { "imagearea", "textarea", "clipartarea" };
const char* const TEXT_TYPES[] = { "headline", "subheadline", "caption",      "pagenumber", "date",
                                   "spine",    "text",        "calendartext", "editor",     "mapcaption" };
const char* const ALIGNMENTS_H[] = { "left", "center", "right", "justify" };
const char* const ALIGNMENTS_V[] = { "top", "middle", "bottom" };
const char* const FONTS[] = { "Noto Sans", "Noto Serif", "DejaVu Sans" };
const char* const ORIENTATIONS[] = { "portrait", "landscape", "square" };
} // namespace

QByteArray LMContentGenerator::designStyle(int theItems, bool theBeyondSchema)
{
    const int anItems = std::max(3, theItems);
    std::uniform_int_distribution<int> aPercent(0, 99);
    std::uniform_int_distribution<int> aColour(0, 0xffffff);
    auto color = [&]() {
        QByteArray aText = "#" + QByteArray::number(aColour(myRandom), 16).rightJustified(6, '0');
        if (aPercent(myRandom) < 20)
            aText += "," + QByteArray::number(aPercent(myRandom) + 16, 16);
        return aText;
    };
    auto length = [&](int theMaxTenths) {
        return number(std::uniform_int_distribution<int>(1, theMaxTenths)(myRandom) / 10.0);
    };
    auto listAttributes = [&]() {
        QByteArray aText
            = QByteArray(" iterate=\"") + pick(ITERATES, myRandom) + "\" order=\"" + pick(ORDERS, myRandom) + "\"";
        if (theBeyondSchema && aPercent(myRandom) < 30)
            aText += QByteArray(" reset=\"") + pick(RESETS, myRandom) + "\"";
        return aText;
    };
    auto skipped = [&](const char* theTag) -> QByteArray {
        if (theBeyondSchema && aPercent(myRandom) < 5)
            return QByteArray("        <") + theTag + " skip=\"true\"/>\n";
        return QByteArray();
    };

    // About 250 items a rule set; shadows take at most one per area type, texts one per text type.
    const int aRuleSets = std::max(3, anItems / 250);
    const int aTemplates = std::max(4, aRuleSets / 2);
    QByteArray aText;
    aText.reserve(qsizetype(anItems) * 110 + aTemplates * 400);
    aText += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<designStyleV2>\n  <header>\n"
             "    <language value=\"en\">\n      <name>Generated style</name>\n"
             "      <category>generated</category>\n    </language>\n  </header>\n  <pages>\n";
    for (int aTemplate = 0; aTemplate < aTemplates; ++aTemplate) {
        aText += "    <page template=\"t" + QByteArray::number(aTemplate) + "\"";
        if (aTemplate >= 4)
            aText += " position=\"undefined\"";
        if (theBeyondSchema && aTemplate < 3)
            aText += " templateLL=\"t" + QByteArray::number(aTemplates - 1) + "\"";
        aText += "/>\n";
    }
    aText += "    <page template=\"t1\" position=\"last\"/>\n";
    if (theBeyondSchema)
        aText += "    <page template=\"t2,t3\" position=\"last-1\"/>\n";
    aText += "  </pages>\n  <templates>\n";
    for (int aTemplate = 0; aTemplate < aTemplates; ++aTemplate) {
        aText += "    <template name=\"t" + QByteArray::number(aTemplate) + "\">\n";
        // Every third template has one bundle for every orientation, the others one per orientation.
        const QList<const char*> anOrientations = aTemplate % 3 == 0
            ? QList<const char*> { "all" }
            : QList<const char*> { ORIENTATIONS[0], ORIENTATIONS[1], ORIENTATIONS[2] };
        for (const char* anOrientation : anOrientations) {
            aText += QByteArray("      <orientation value=\"") + anOrientation + "\">\n        <layouts>\n";
            aText += "          <layoutCollection designElementId=\"" + QByteArray::number(5100 + aTemplate % 5)
                + "\"/>\n";
            if (aPercent(myRandom) < 30)
                aText += "          <pageType value=\"inner_page\" id=\"Layout " + QByteArray::number(aTemplate)
                    + "\"/>\n";
            aText += "        </layouts>\n        <ruleset name=\"default\"/>\n        <ruleset name=\"r"
                + QByteArray::number(1 + aTemplate % (aRuleSets - 1)) + "\"/>\n      </orientation>\n";
        }
        aText += "    </template>\n";
    }
    aText += "  </templates>\n  <rulesets>\n";

    int aWritten = 0;
    for (int aRuleSet = 0; aRuleSet < aRuleSets; ++aRuleSet) {
        const int aShare = anItems / aRuleSets + (aRuleSet < anItems % aRuleSets ? 1 : 0);
        const int aShadows = std::min(3, aShare / 7);
        const int aTexts = std::min(10, aShare / 7);
        const int aListItems = aShare - aShadows - aTexts;
        // backgrounds, image borders, text borders, cliparts, passepartouts, image corners, clipart corners
        int aCounts[7] = {};
        for (int anItem = 0; anItem < aListItems; ++anItem)
            ++aCounts[anItem % 7];
        aText += aRuleSet == 0 ? QByteArray("    <ruleset name=\"default\">\n")
                               : "    <ruleset name=\"r" + QByteArray::number(aRuleSet) + "\">\n";
        if (aCounts[0] > 0) {
            aText += "      <backgrounds" + listAttributes() + ">\n";
            for (int anItem = 0; anItem < aCounts[0]; ++anItem) {
                aText += "        <background id=\"" + QByteArray::number(4101 + anItem % 21) + "\"";
                if (theBeyondSchema && aPercent(myRandom) < 30)
                    aText += " hue=\"" + QByteArray::number(30 * (anItem % 14)) + "\" fading=\""
                        + QByteArray::number(anItem % 7) + "\"";
                aText += "/>\n";
            }
            aText += "      </backgrounds>\n";
        }
        for (int aType = 0; aType < 2; ++aType) {
            if (aCounts[1 + aType] == 0)
                continue;
            aText += "      <borders" + listAttributes() + " type=\"" + STYLE_AREA_TYPES[aType] + "\">\n";
            for (int anItem = 0; anItem < aCounts[1 + aType]; ++anItem) {
                aText += skipped("border");
                aText += "        <border width=\"" + length(30) + "\" position=\"" + pick(BORDER_POSITIONS, myRandom)
                    + "\" color=\"" + color() + "\"";
                if (aPercent(myRandom) < 20)
                    aText += " gsel=\"true\"";
                if (theBeyondSchema && aPercent(myRandom) < 20)
                    aText += " offset=\"" + length(20) + "\"";
                aText += "/>\n";
            }
            aText += "      </borders>\n";
        }
        for (int aKind = 0; aKind < 2; ++aKind) {
            if (aCounts[3 + aKind] == 0)
                continue;
            const QByteArray aTag = aKind == 0 ? "clipart" : "passepartout";
            aText += "      <" + aTag + "s" + listAttributes() + ">\n";
            for (int anItem = 0; anItem < aCounts[3 + aKind]; ++anItem) {
                if (aKind == 1)
                    aText += skipped("passepartout");
                aText += "        <" + aTag + " designElementId=\""
                    + QByteArray::number(aKind == 0 ? 7101 + anItem % 5 : 7201 + anItem % 2) + "\"";
                if (aPercent(myRandom) < 20)
                    aText += " gsel=\"1\"";
                if (aPercent(myRandom) < 10)
                    aText += " uniqueName=\"" + aTag + "_" + QByteArray::number(anItem) + "\"";
                if (theBeyondSchema && aPercent(myRandom) < 10)
                    aText += " keepAspectRatio=\"false\"";
                const char* aMirror = pick(MIRRORS, myRandom);
                if (*aMirror)
                    aText += ">\n          <mirror mirror-axis=\"" + QByteArray(aMirror) + "\"/>\n        </" + aTag
                        + ">\n";
                else
                    aText += "/>\n";
            }
            aText += "      </" + aTag + "s>\n";
        }
        if (aTexts > 0) {
            aText += "      <texts>\n";
            for (int anItem = 0; anItem < aTexts; ++anItem) {
                aText += QByteArray("        <text type=\"") + TEXT_TYPES[anItem] + "\" font=\"" + pick(FONTS, myRandom)
                    + "\" fontSize=\"" + QByteArray::number(8 + aPercent(myRandom) % 30) + "pt\" fontColor=\"" + color()
                    + "\" alignmentHorizontal=\"" + pick(ALIGNMENTS_H, myRandom) + "\" alignmentVertical=\""
                    + pick(ALIGNMENTS_V, myRandom) + "\"";
                if (aPercent(myRandom) < 40)
                    aText += " fontWeight=\"bold\" backgroundColor=\"" + color() + "\" paddingHorizontal=\""
                        + length(40) + "\" paddingVertical=\"" + length(40) + "\"";
                if (aPercent(myRandom) < 20)
                    aText += " outlineWidth=\"" + length(10) + "\" outlineColor=\"" + color() + "\" gsel=\"true\"";
                if (theBeyondSchema && aPercent(myRandom) < 30)
                    aText += " letterSpacing=\"" + length(10) + "\" lineHeight=\"1.25\"";
                aText += "/>\n";
            }
            aText += "      </texts>\n";
        }
        for (int aType = 0; aType < 2; ++aType) {
            if (aCounts[5 + aType] == 0)
                continue;
            aText += "      <cornersets" + listAttributes() + " type=\"" + STYLE_AREA_TYPES[aType * 2] + "\">\n";
            for (int anItem = 0; anItem < aCounts[5 + aType]; ++anItem) {
                aText += skipped("corners");
                aText += "        <corners>\n";
                // One to four corners, never the same twice.
                const int aFirst = aPercent(myRandom) % 4;
                const int aCount = 1 + aPercent(myRandom) % 4;
                for (int aCorner = 0; aCorner < aCount; ++aCorner)
                    aText += QByteArray("          <corner position=\"") + CORNERS[(aFirst + aCorner) % 4]
                        + "\" shape=\"" + CORNER_SHAPES[1 + aPercent(myRandom) % 4] + "\" length=\""
                        + QByteArray::number(1 + aPercent(myRandom) % 9) + "\"/>\n";
                aText += "        </corners>\n";
            }
            aText += "      </cornersets>\n";
        }
        if (aShadows > 0) {
            aText += "      <shadows>\n";
            for (int anItem = 0; anItem < aShadows; ++anItem)
                aText += QByteArray("        <shadow type=\"") + STYLE_AREA_TYPES[anItem] + "\" opacity=\""
                    + QByteArray::number(16 + aPercent(myRandom), 16) + "\" blur=\"" + length(60) + "\" zoom=\""
                    + length(30) + "\" horizontal=\"" + length(40) + "\" vertical=\"" + length(40) + "\"/>\n";
            aText += "      </shadows>\n";
        }
        aText += "    </ruleset>\n";
        aWritten += aShare;
    }
    aText += "  </rulesets>\n";
    if (theBeyondSchema)
        aText += "  <pagenumbers apply=\"global\"/>\n";
    aText += "</designStyleV2>\n";
    Q_ASSERT(aWritten == anItems);
    return aText;
}
