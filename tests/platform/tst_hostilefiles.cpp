#include "LMDirectoryConfig.h"
#include "LMJsonParser.h"
#include "LMPlatformIndependent.h"
#include "LMProductCatalogue.h"
#include "LMTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using LMTestSupport::writeFile;

namespace {

// The kinds of hostile file a content tree can hold, made where the test wants them.
enum class Hostile { Pipe, TooLarge, LinkToDevice, LinkOutside, LinkInside, UndecodableName };

// Makes the file; returns the path the library is given (for a name that cannot be decoded, the
// folder that holds it).
QString make(Hostile theKind, const QTemporaryDir& theTree, const QTemporaryDir& theOutside, const QString& theName)
{
    const QString aPath = theTree.filePath(theName);
    QDir().mkpath(QFileInfo(aPath).absolutePath());
    switch (theKind) {
    case Hostile::Pipe:
        return ::mkfifo(QFile::encodeName(aPath).constData(), 0600) == 0 ? aPath : QString();
    case Hostile::TooLarge: {
        QFile aFile(aPath);
        // Sparse: the size is there, the disk is not used.
        return aFile.open(QIODevice::WriteOnly) && aFile.resize(LMJsonParser::ourMaximumSize + 1) ? aPath : QString();
    }
    case Hostile::LinkToDevice:
        return QFile::link(QStringLiteral("/dev/zero"), aPath) ? aPath : QString();
    case Hostile::LinkOutside:
        return QFile::link(writeFile(theOutside, QStringLiteral("secret.xml"), "<templates2/>"), aPath) ? aPath
                                                                                                        : QString();
    case Hostile::LinkInside:
        return QFile::link(writeFile(theTree, QStringLiteral("other/real.xml"), "<templates2/>"), aPath) ? aPath
                                                                                                         : QString();
    case Hostile::UndecodableName: {
        const QByteArray aRaw = QFile::encodeName(QFileInfo(aPath).absolutePath()) + "/bad\xff\xfe.xml";
        const int aFile = ::open(aRaw.constData(), O_CREAT | O_WRONLY, 0600);
        return aFile >= 0 && ::close(aFile) == 0 ? QFileInfo(aPath).absolutePath() : QString();
    }
    }
    return QString();
}

} // namespace

// Files of a content tree that would hang, exhaust memory or lead out of the tree: refused with a
// warning that names them, and nothing else is lost.
class TestHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void jsonFiles_data();
    void jsonFiles();
    void catalogueIsAPipe();
    void listedFiles_data();
    void listedFiles();
};

void TestHostileFiles::jsonFiles_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("warning");
    QTest::newRow("a pipe would block open()") << int(Hostile::Pipe) << "cannot read JSON file %1: not a regular file";
    QTest::newRow("a link to an endless device")
        << int(Hostile::LinkToDevice) << "cannot read JSON file %1: not a regular file";
    QTest::newRow("larger than the cap") << int(Hostile::TooLarge)
                                         << QStringLiteral("refused JSON file %1: larger than ")
            + QString::number(LMJsonParser::ourMaximumSize) + QStringLiteral(" bytes");
}

void TestHostileFiles::jsonFiles()
{
    QFETCH(int, kind);
    QFETCH(QString, warning);
    QTemporaryDir aTree;
    QTemporaryDir anOutside;
    const QString aPath = make(Hostile(kind), aTree, anOutside, QStringLiteral("designs/a.json"));
    QVERIFY(!aPath.isEmpty());
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(aPath)));
    QVERIFY(LMJsonParser::loadDocument(QFileInfo(aPath)).isNull());
}

void TestHostileFiles::catalogueIsAPipe()
{
    QTemporaryDir aTree;
    QTemporaryDir anOutside;
    const QString aPath = make(Hostile::Pipe, aTree, anOutside, QStringLiteral("products/catalogue.json"));
    QVERIFY(!aPath.isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("catalogue\\.json: not a regular file")));
    // Returns at once (nothing waits for a writer), with no products.
    LMProductCatalogue::instance()->load(aPath);
    QVERIFY(LMProductCatalogue::instance()->articles().isEmpty());
}

void TestHostileFiles::listedFiles_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("a link to a file outside the tree")
        << int(Hostile::LinkOutside) << "skipped %1: a link to a file outside the content tree"
        << QStringList { "keep.xml", "other/real.xml" };
    QTest::newRow("a link to a file inside the tree")
        << int(Hostile::LinkInside) << QString() << QStringList { "designs/link.xml", "keep.xml", "other/real.xml" };
    QTest::newRow("a name that is not valid UTF-8")
        << int(Hostile::UndecodableName)
        << QString::fromUtf8("skipped a file in %1: its name \"bad\xef\xbf\xbd\xef\xbf\xbd.xml\" is not valid in the "
                             "file names' encoding")
        << QStringList { "keep.xml", "other/real.xml" };
    QTest::newRow("a pipe is no file to list")
        << int(Hostile::Pipe) << QString() << QStringList { "keep.xml", "other/real.xml" };
}

void TestHostileFiles::listedFiles()
{
    QFETCH(int, kind);
    QFETCH(QString, warning);
    QFETCH(QStringList, listed);
    QTemporaryDir aTree;
    QTemporaryDir anOutside;
    LMDirectoryConfig::instance()->setContentRoot(aTree.path());
    writeFile(aTree, QStringLiteral("keep.xml"), "<templates2/>");
    writeFile(aTree, QStringLiteral("other/real.xml"), "<templates2/>");
    const QString aPath = make(Hostile(kind), aTree, anOutside, QStringLiteral("designs/link.xml"));
    QVERIFY(!aPath.isEmpty());
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(aPath)));
    QStringList aListed;
    for (const QString& aFile : LMPlatformIndependent::getFilesInDirectory(QDir(aTree.path()), "*.xml", true, false, 0))
        aListed.append(QDir(aTree.path()).relativeFilePath(aFile));
    LMDirectoryConfig::instance()->setContentRoot(QString());
    // QTemporaryDir cannot remove a file whose name it cannot encode.
    if (Hostile(kind) == Hostile::UndecodableName)
        QCOMPARE(::unlink((QFile::encodeName(aPath) + "/bad\xff\xfe.xml").constData()), 0);
    QCOMPARE(aListed, listed);
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
