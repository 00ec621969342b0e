#include "LMContentGenerator.h"

#include <QDir>
#include <QSaveFile>

namespace {
const char* const SUBCATEGORIES[] = { "Sommer", "Winter", "Hochzeit", "Reise", "Familie", "Natur", "Stadt", "Baby" };
const char* const PAGE_TYPES[] = { "inner_page", "cover", "first_page", "last_page", "calendar_month" };
const char* const ARTICLE_CLASSES[] = { "photobook", "calendar", "card", "poster" };
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
