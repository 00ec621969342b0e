#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <random>

// Writes synthetic template files for the benchmarks: deterministic for a seed, varied enough that
// the readers take their ordinary paths (filters, mirrored layouts, rotated and decorated areas,
// texts). The output is meant for temporary folders and is never part of the repository.
class LMContentGenerator
{
public:
    explicit LMContentGenerator(quint32 theSeed = 20261206);

    // One "templates2" layout collection of revision 2 with the given number of layouts.
    QByteArray layoutCollectionV2(int theIndex, int theLayouts);

    // Writes theFiles collections ("layouts_<n>.xml") into theFolder, each with theMinLayouts to
    // theMaxLayouts layouts; returns the paths written, in order. An unwritable folder gives an
    // empty list.
    QStringList writeLayoutCollectionsV2(const QString& theFolder, int theFiles, int theMinLayouts, int theMaxLayouts);

    // One SVG page of a design: a metadata block (products, category, design element id, page
    // type, thumbnail; with theMorePages, the page files of the design), a background reference
    // layer on some pages, a transfer layer with 1 to 6 photo slots in turned and nested groups, and
    // a render layer with artwork and 1 to 3 text slots.
    QByteArray svgPage(int theDesign, int thePage, const QStringList& theMorePages = {});
    // Writes theDesigns designs ("designs/d<n>/d<n>-a-<page>.svg", pages from 1) below theRoot. Every
    // theMultiPageEvery-th design has four pages (0: none), every theSmartLayoutEvery-th a smart layout
    // file (0: none). Returns the root files of the designs (one per design), in order.
    QStringList writeSvgDesigns(const QString& theRoot, int theDesigns, int theMultiPageEvery, int theSmartLayoutEvery);

    // A content tree below theRoot: a catalogue of four products (BOOK_A4, BOOK_A5, CAL_A3, CARD_A6),
    // theXmlFiles collections of 2 to 8 layouts in "templates/categories" and theSvgDesigns designs
    // (every theSmartLayoutEvery-th with a smart layout file, 0: none). False when a file could not
    // be written.
    bool writeContentTree(const QString& theRoot, int theXmlFiles, int theSvgDesigns, int theSmartLayoutEvery);

    // A design style of the style V2 format whose rule sets hold theItems items in all (backgrounds,
    // borders, cliparts, passepartouts, corner sets, shadows and text formats, every one valid),
    // with pages and templates that name them. With theBeyondSchema it also uses what the library
    // reads but the schema does not name: "skip" items, colour variants, border offsets, list
    // resets, text spacing, linen page names and page numbers; without, it is valid against the
    // schema. theItems below 3 gives 3.
    QByteArray designStyle(int theItems, bool theBeyondSchema);

    // Number of "template" elements written since construction.
    qint64 layoutsWritten() const { return myLayoutsWritten; }

private:
    QByteArray layoutV2(int theCollection, int theLayout);
    QByteArray photoAreas(int theCount, double theWidth, double theHeight);

    std::mt19937 myRandom;
    qint64 myLayoutsWritten = 0;
    qint64 mySvgPagesWritten = 0;

public:
    // Number of SVG pages written since construction.
    qint64 svgPagesWritten() const { return mySvgPagesWritten; }
};
