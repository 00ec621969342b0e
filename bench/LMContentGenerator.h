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

    // Number of "template" elements written since construction.
    qint64 layoutsWritten() const { return myLayoutsWritten; }

private:
    QByteArray layoutV2(int theCollection, int theLayout);
    QByteArray photoAreas(int theCount, double theWidth, double theHeight);

    std::mt19937 myRandom;
    qint64 myLayoutsWritten = 0;
};
