#include "LMOsmMapStyle.h"

#include "LMContentFileReader.h"
#include "LMOsmMapStyleRegistry.h"
#include "LMPlatformLogging.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {
const QString STR_STANDARD = QStringLiteral("standard");
const QString STR_STYLES = QStringLiteral("styles");
const std::array<QString, 2> STR_SUFFIXES { QStringLiteral(".png"), QStringLiteral(".jpg") };

struct Palette
{
    const char* myName;
    QRgb myLand;
    QRgb myPark;
    QRgb myWater;
    QRgb myMinorRoad;
    QRgb myMajorRoad;
    QRgb myCasing;
};

// The first entry is the default.
constexpr std::array<Palette, 4> ourPalettes { {
    { "standard", 0xfff2efe9, 0xffc8e6a8, 0xffaad3df, 0xffffffff, 0xfff9c97a, 0xffc9a060 },
    { "dark", 0xff23272e, 0xff2c3b2e, 0xff17283a, 0xff3b404b, 0xff5d6473, 0xff14161a },
    { "sepia", 0xffeee2c6, 0xffd5cb98, 0xffb7b39a, 0xfffbf4e2, 0xffc9a66f, 0xff9b7b4c },
    { "mono", 0xfff4f4f4, 0xffdadada, 0xffbdbdbd, 0xffffffff, 0xff8f8f8f, 0xff5c5c5c },
} };

const Palette& paletteOf(const QString& theName)
{
    for (const Palette& aPalette : ourPalettes) {
        if (theName.compare(QLatin1String(aPalette.myName), Qt::CaseInsensitive) == 0)
            return aPalette;
    }
    if (!theName.isEmpty())
        qCDebug(lcPlatformRender) << "map style" << theName << "has no colours of its own, standard taken";
    return ourPalettes.front();
}

// A name that is a file name of its own: no folders, no hidden or parent files.
bool isPlainFileName(const QString& theName)
{
    return !theName.startsWith(QLatin1Char('.')) && !theName.contains(QLatin1Char('/'))
        && !theName.contains(QLatin1Char('\\')) && !theName.contains(QChar(0));
}

// The first sample file of the style that reads as a picture; null when there is none.
QImage readSample(const QString& theFolder, const QString& theName)
{
    for (const QString& aSuffix : STR_SUFFIXES) {
        const QString aPath = theFolder + QLatin1Char('/') + theName + aSuffix;
        const LMContentFileReader::Result aFile = LMContentFileReader::read(aPath, LMOsmMapStyle::ourMaximumFileSize);
        if (aFile.status == LMContentFileReader::Status::NotFound)
            continue;
        if (!aFile.isRead()) {
            qCWarning(lcPlatformRender).noquote()
                << QStringLiteral("cannot read map style sample %1: %2")
                       .arg(aPath, LMContentFileReader::reason(aFile, LMOsmMapStyle::ourMaximumFileSize));
            continue;
        }
        QImage anImage = QImage::fromData(aFile.data);
        if (!anImage.isNull())
            return anImage;
        qCWarning(lcPlatformRender).noquote() << QStringLiteral("map style sample %1 is no picture").arg(aPath);
    }
    return QImage();
}

// The images read or drawn so far, by styles folder and name. The lock is never held while a
// file is read or a map drawn: when two threads make the same image, the first one stored wins.
struct SampleCache
{
    QMutex myMutex;
    QHash<QString, QImage> myImages;
};

SampleCache& sampleCache()
{
    static SampleCache ourCache;
    return ourCache;
}
} // namespace

LMOsmMapStyle::LMOsmMapStyle(const QString& theName) : myName(theName) { }

QImage LMOsmMapStyle::image() const
{
    const QString aName = myName.isEmpty() ? STR_STANDARD : myName;
    const QString aFolder = QFileInfo(LMOsmMapStyleRegistry::configFile()).dir().filePath(STR_STYLES);
    const QString aKey = aFolder + QLatin1Char('\n') + aName;
    SampleCache& aCache = sampleCache();
    {
        const QMutexLocker aLocker(&aCache.myMutex);
        const auto anIt = aCache.myImages.constFind(aKey);
        if (anIt != aCache.myImages.cend())
            return *anIt;
    }
    QImage anImage;
    if (isPlainFileName(aName))
        anImage = readSample(aFolder, aName);
    else
        qCWarning(lcPlatformRender).noquote()
            << QStringLiteral("map style name \"%1\" is no file name, its sample is drawn").arg(aName);
    if (anImage.isNull())
        anImage = drawnSample(aName);
    const QMutexLocker aLocker(&aCache.myMutex);
    return *aCache.myImages.insert(aKey, aCache.myImages.value(aKey, anImage));
}

QImage LMOsmMapStyle::drawnSample(const QString& theName)
{
    const Palette& aPalette = paletteOf(theName);
    QImage anImage(ourSampleSize, ourSampleSize, QImage::Format_RGB32);
    anImage.fill(aPalette.myLand);
    QPainter aPainter(&anImage);
    aPainter.setRenderHint(QPainter::Antialiasing);

    aPainter.setPen(Qt::NoPen);
    aPainter.setBrush(QColor::fromRgba(aPalette.myPark));
    aPainter.drawPolygon(QPolygonF({ { 58, 64 }, { 204, 38 }, { 236, 150 }, { 128, 204 }, { 46, 164 } }));
    aPainter.setBrush(QColor::fromRgba(aPalette.myWater));
    aPainter.drawEllipse(QPointF(384, 392), 84, 56);

    QPainterPath aRiver(QPointF(-10, 300));
    aRiver.cubicTo(QPointF(150, 236), QPointF(290, 338), QPointF(522, 176));
    aPainter.setBrush(Qt::NoBrush);
    aPainter.setPen(QPen(QColor::fromRgba(aPalette.myWater), 18, Qt::SolidLine, Qt::RoundCap));
    aPainter.drawPath(aRiver);

    aPainter.setPen(QPen(QColor::fromRgba(aPalette.myMinorRoad), 5, Qt::SolidLine, Qt::RoundCap));
    aPainter.drawLine(QLineF(0, 104, 512, 132));
    aPainter.drawLine(QLineF(262, 0, 236, 512));
    aPainter.drawLine(QLineF(0, 452, 310, 512));
    aPainter.drawLine(QLineF(330, 0, 470, 300));

    QPainterPath aMajorRoad(QPointF(-10, 226));
    aMajorRoad.cubicTo(QPointF(160, 200), QPointF(340, 280), QPointF(522, 250));
    QPainterPath aCrossRoad(QPointF(118, -10));
    aCrossRoad.cubicTo(QPointF(170, 180), QPointF(120, 330), QPointF(184, 522));
    for (const auto& [aColor, aWidth] :
         { std::pair { aPalette.myCasing, 16 }, std::pair { aPalette.myMajorRoad, 11 } }) {
        aPainter.setPen(QPen(QColor::fromRgba(aColor), aWidth, Qt::SolidLine, Qt::RoundCap));
        aPainter.drawPath(aMajorRoad);
        aPainter.drawPath(aCrossRoad);
    }
    return anImage;
}
