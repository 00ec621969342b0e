#include "LMDirectoryConfig.h"
#include "LMFolderListing.h"
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
#include <thread>
#include <unistd.h>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

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
    void jsonFiles_data()
    {
        columns<int, QString>("kind", "warning");
        row("a pipe would block open()", int(Hostile::Pipe), "cannot read JSON file %1: not a regular file");
        row("a link to an endless device", int(Hostile::LinkToDevice), "cannot read JSON file %1: not a regular file");
        row("larger than the cap", int(Hostile::TooLarge),
            QStringLiteral("refused JSON file %1: larger than ") + QString::number(LMJsonParser::ourMaximumSize)
                + QStringLiteral(" bytes"));
    }

    void jsonFiles()
    {
        QFETCH(QString, warning);
        QTemporaryDir aTree;
        QTemporaryDir anOutside;
        const QString aPath = make(Hostile(fetch<int>("kind")), aTree, anOutside, QStringLiteral("designs/a.json"));
        QVERIFY(!aPath.isEmpty());
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(aPath)));
        QVERIFY(LMJsonParser::loadDocument(QFileInfo(aPath)).isNull());
    }

    void catalogueIsAPipe()
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

    void listedFiles_data()
    {
        columns<int, QString, QStringList>("kind", "warning", "listed");
        row("a link to a file outside the tree", int(Hostile::LinkOutside),
            "skipped %1: a link to a file outside the content tree", QStringList { "keep.xml", "other/real.xml" });
        row("a link to a file inside the tree", int(Hostile::LinkInside), QString(),
            QStringList { "designs/link.xml", "keep.xml", "other/real.xml" });
        row("a name that is not valid UTF-8", int(Hostile::UndecodableName),
            QString::fromUtf8("skipped a file in %1: its name \"bad\xef\xbf\xbd\xef\xbf\xbd.xml\" is not valid in the "
                              "file names' encoding"),
            QStringList { "keep.xml", "other/real.xml" });
        row("a pipe is no file to list", int(Hostile::Pipe), QString(), QStringList { "keep.xml", "other/real.xml" });
    }

    void listedFiles()
    {
        QFETCH(int, kind);
        QFETCH(QString, warning);
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
        for (const QString& aFile :
             LMPlatformIndependent::getFilesInDirectory(QDir(aTree.path()), "*.xml", true, false, 0))
            aListed.append(QDir(aTree.path()).relativeFilePath(aFile));
        LMDirectoryConfig::instance()->setContentRoot(QString());
        // QTemporaryDir cannot remove a file whose name it cannot encode.
        if (Hostile(kind) == Hostile::UndecodableName)
            QCOMPARE(::unlink((QFile::encodeName(aPath) + "/bad\xff\xfe.xml").constData()), 0);
        QTEST(aListed, "listed");
    }

    void init() { LMFolderListing::clear(); }
    void suffixes_data()
    {
        columns<QString, QStringList>("suffix", "expected");
        row("any letter case, sorted", ".json", QStringList { "A.JSON", "b.json" });
        row("longer suffix", ".smartlayout", QStringList { "a-b-c.smartlayout" });
        row("no match", ".xml", QStringList());
        row("empty suffix lists every file", "", QStringList { "A.JSON", "a-b-c.smartlayout", "b.json", "notes.txt" });
    }

    void suffixes()
    {
        QFETCH(QString, suffix);
        QTemporaryDir aDir;
        for (const char* aName : { "b.json", "A.JSON", "a-b-c.smartlayout", "notes.txt" })
            writeFile(aDir, QString::fromLatin1(aName), "x");
        // Folders are no files, whatever their names.
        QVERIFY(QDir(aDir.path()).mkdir(QStringLiteral("folder.json")));
        QTEST(LMFolderListing::filesWithSuffix(aDir.path(), suffix), "expected");
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.filePath(QStringLiteral("missing")), suffix), QStringList());
    }

    void changesAreSeen()
    {
        QTemporaryDir aDir;
        writeFile(aDir, QStringLiteral("one.json"), "x");
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")), QStringList { "one.json" });
        writeFile(aDir, QStringLiteral("two.json"), "x");
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")),
                 (QStringList { "one.json", "two.json" }));
        QVERIFY(QFile::remove(aDir.filePath(QStringLiteral("one.json"))));
        QCOMPARE(LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")), QStringList { "two.json" });
    }

    void severalThreads()
    {
        QTemporaryDir aDir;
        for (int i = 0; i < 20; ++i)
            writeFile(aDir, QStringLiteral("f%1.json").arg(i, 2, 10, QLatin1Char('0')), "x");
        constexpr int THREADS = 4;
        std::vector<qsizetype> aCounts(THREADS, 0);
        std::vector<std::thread> aThreads;
        for (int i = 0; i < THREADS; ++i)
            aThreads.emplace_back([&, i] {
                for (int aRound = 0; aRound < 50; ++aRound)
                    aCounts[size_t(i)] += LMFolderListing::filesWithSuffix(aDir.path(), QStringLiteral(".json")).size();
            });
        for (std::thread& aThread : aThreads)
            aThread.join();
        for (qsizetype aCount : aCounts)
            QCOMPARE(aCount, 50 * 20);
    }
};

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
