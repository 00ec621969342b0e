#include "LMContentGenerator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
