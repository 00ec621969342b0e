#include "LMToolPhotos.h"

#include "LMFotoAccess.h"
#include "LMToolCommand.h"

#include <QDateTime>

#include <algorithm>

namespace {
const QStringList PHOTO_FILTERS { QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.png"),
                                  QStringLiteral("*.JPG"), QStringLiteral("*.JPEG"), QStringLiteral("*.PNG") };
} // namespace

QString LMToolPhotos::orientationText(const LMOrientation& theOrientation)
{
    if (theOrientation.isPortrait())
        return QStringLiteral("portrait");
    if (theOrientation.isSquare())
        return QStringLiteral("square");
    return theOrientation.isValid() ? QStringLiteral("landscape") : QStringLiteral("unreadable");
}

QString LMToolPhotos::takenText(qint64 theTaken)
{
    return theTaken < 0
        ? QStringLiteral("no time")
        : QDateTime::fromSecsSinceEpoch(theTaken, Qt::UTC).toString(QStringLiteral("yyyy-MM-dd hh:mm 'UTC'"));
}

QList<LMToolPhotos::Facts> LMToolPhotos::read(const QDir& theFolder)
{
    QList<Facts> aPhotos;
    for (const QFileInfo& aFile : theFolder.entryInfoList(PHOTO_FILTERS, QDir::Files, QDir::Name)) {
        Facts aFacts;
        aFacts.foto = LMFoto(aFile);
        const LMFotoAccess anAccess(aFacts.foto);
        if (!anAccess.isValid()) {
            LMToolCommand::printError(
                QStringLiteral("cannot read the photo %1; left out").arg(QDir::toNativeSeparators(aFile.filePath())));
            continue;
        }
        aFacts.file = aFile.fileName();
        aFacts.orientation = orientationText(anAccess.orientation());
        aFacts.rating = anAccess.adobeRating();
        aFacts.taken = anAccess.pictureTakenEpoch();
        aPhotos.append(aFacts);
    }
    std::stable_sort(aPhotos.begin(), aPhotos.end(), [](const Facts& theA, const Facts& theB) {
        if ((theA.taken < 0) != (theB.taken < 0))
            return theB.taken < 0;
        return theA.taken < theB.taken;
    });
    return aPhotos;
}
