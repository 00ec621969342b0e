#include "LMMediaLoaderAbstract.h"

#include "LMContentFileReader.h"
#include "LMFotoMetaDataCache_p.h"
#include "LMPlatformLogging.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <optional>

namespace {

void warn(const QString& theFile, const QString& theReason)
{
    qCWarning(lcPlatformFoto).noquote() << QStringLiteral("cannot read image file %1: %2").arg(theFile, theReason);
}

// The file's content in a buffer, with a reader on it that knows the picture's size. The content
// tells the format; only for SVG, which Qt's plugin does not see behind a run of blank lines, the
// suffix decides when the content did not.
class LMMediaFile
{
public:
    explicit LMMediaFile(const QString& theFile)
    {
        const LMContentFileReader::Result aFile
            = LMContentFileReader::read(theFile, LMMediaLoaderAbstract::ourMaximumFileSize);
        if (!aFile.isRead()) {
            myError = LMContentFileReader::reason(aFile, LMMediaLoaderAbstract::ourMaximumFileSize);
            return;
        }
        myBuffer.setData(aFile.data);
        myBuffer.open(QIODevice::ReadOnly);
        myReader.setDevice(&myBuffer);
        mySize = myReader.size();
        const QByteArray aSuffix = QFileInfo(theFile).suffix().toLower().toLatin1();
        if ((!myReader.canRead() || mySize.isEmpty()) && (aSuffix == "svg" || aSuffix == "svgz")) {
            myBuffer.seek(0);
            myReader.setFormat(aSuffix);
            myReader.setDevice(&myBuffer);
            mySize = myReader.size();
        }
        if (!myReader.canRead() || mySize.isEmpty()) {
            mySize = QSize();
            myError = QStringLiteral("not a picture");
        }
    }

    bool isReadable() const { return mySize.isValid(); }
    const QSize& size() const { return mySize; }
    const QString& error() const { return myError; }
    QImageReader& reader() { return myReader; }

private:
    QBuffer myBuffer;
    QImageReader myReader;
    QSize mySize;
    QString myError;
};

} // namespace

LMMediaLoaderAbstract::~LMMediaLoaderAbstract() = default;

bool LMMediaLoaderAbstract::isValidMedia(const QString& theFile)
{
    return !theFile.isEmpty() && LMMediaFile(theFile).isReadable();
}

QImage LMMediaLoaderAbstract::bitmap(const QString& theFile, const QSize& theSize)
{
    LMMediaFile aFile(theFile);
    if (!aFile.isReadable()) {
        warn(theFile, aFile.error());
        return QImage();
    }
    const QSize aSize = theSize.isEmpty() ? aFile.size() : aFile.size().scaled(theSize, Qt::KeepAspectRatio);
    if (aSize.isEmpty() || qint64(aSize.width()) * aSize.height() > LMFotoMetaDataCache::ourMaximumPixels) {
        warn(theFile, QStringLiteral("%1 x %2 pixels cannot be drawn").arg(aSize.width()).arg(aSize.height()));
        return QImage();
    }
    if (aSize != aFile.size())
        aFile.reader().setScaledSize(aSize);
    QImage anImage = aFile.reader().read();
    if (anImage.isNull())
        warn(theFile, aFile.reader().errorString());
    return anImage;
}

QSize LMMediaLoaderAbstract::imageSize(const QString& theFile)
{
    return LMMediaFile(theFile).size();
}
