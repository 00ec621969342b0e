#include "LMDirectoryConfig.h"
#include "LMFileHandler.h"

#include "LMTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The guard that keeps references inside content files from reaching files outside the content
// tree. The tree lies in a temporary folder with hostile links beside it.
class TestContentReference : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void resolve_data();
    void resolve();
    void missingContentRoot();

private:
    QString root() const { return myDir.path() + QStringLiteral("/tree"); }
    QString designFolder() const { return root() + QStringLiteral("/designs/a"); }

    QTemporaryDir myDir;
};

void TestContentReference::initTestCase()
{
    QVERIFY(myDir.isValid());
    LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/a/pic.png"), "png");
    LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/a/sub/inner.png"), "png");
    LMTestSupport::writeFile(myDir, QString::fromUtf8("tree/designs/a/Bild \xc3\xa4.png"), "png");
    LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/b/other.png"), "png");
    LMTestSupport::writeFile(myDir, QStringLiteral("outside/secret.png"), "secret");
    // Links inside the design folder: one out of the tree, one to a file, one to a folder outside.
    QVERIFY(
        QFile::link(QStringLiteral("../../../outside/secret.png"), designFolder() + QStringLiteral("/link-out.png")));
    QVERIFY(QFile::link(QStringLiteral("../b/other.png"), designFolder() + QStringLiteral("/link-in.png")));
    QVERIFY(QFile::link(myDir.path() + QStringLiteral("/outside"), designFolder() + QStringLiteral("/linkdir")));
    QVERIFY(QFile::link(QStringLiteral("nowhere.png"), designFolder() + QStringLiteral("/dangling.png")));
    LMDirectoryConfig::instance()->setContentRoot(root());
}

void TestContentReference::cleanupTestCase()
{
    LMDirectoryConfig::instance()->setContentRoot(QString());
}

void TestContentReference::resolve_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("reference");
    // Below the root; empty when refused.
    QTest::addColumn<QString>("expected");
    // The reason of the warning; empty when none is expected.
    QTest::addColumn<QString>("reason");

    const QString aBase = designFolder();
    const QString anOutside = QStringLiteral("outside the content tree");
    const QString anUrl = QStringLiteral("URLs are not content files");
    const QString aPic = QStringLiteral("designs/a/pic.png");

    QTest::newRow("relative") << aBase << QStringLiteral("pic.png") << aPic << QString();
    QTest::newRow("dot slash") << aBase << QStringLiteral("./pic.png") << aPic << QString();
    QTest::newRow("blanks around") << aBase << QStringLiteral("  pic.png ") << aPic << QString();
    QTest::newRow("fragment after the file") << aBase << QStringLiteral("pic.png#layer1") << aPic << QString();
    QTest::newRow("unicode name") << aBase << QString::fromUtf8("Bild \xc3\xa4.png")
                                  << QString::fromUtf8("designs/a/Bild \xc3\xa4.png") << QString();
    QTest::newRow("sibling folder inside")
        << aBase << QStringLiteral("../b/other.png") << QStringLiteral("designs/b/other.png") << QString();
    QTest::newRow("out and back in") << aBase << QStringLiteral("../../../outside/../tree/designs/a/pic.png") << aPic
                                     << QString();
    QTest::newRow("absolute inside") << aBase << root() + QStringLiteral("/designs/b/other.png")
                                     << QStringLiteral("designs/b/other.png") << QString();
    QTest::newRow("link to a file inside")
        << aBase << QStringLiteral("link-in.png") << QStringLiteral("designs/b/other.png") << QString();
    QTest::newRow("empty base is the root") << QString() << QStringLiteral("designs/a/pic.png") << aPic << QString();

    QTest::newRow("dot dot escape") << aBase << QStringLiteral("../../../outside/secret.png") << QString() << anOutside;
    QTest::newRow("dot dot escape to missing file")
        << aBase << QStringLiteral("../../../outside/none.png") << QString() << anOutside;
    QTest::newRow("absolute outside") << aBase << myDir.path() + QStringLiteral("/outside/secret.png") << QString()
                                      << anOutside;
    QTest::newRow("system file") << aBase << QStringLiteral("/etc/passwd") << QString() << anOutside;
    QTest::newRow("link to a file outside") << aBase << QStringLiteral("link-out.png") << QString() << anOutside;
    QTest::newRow("link to a folder outside")
        << aBase << QStringLiteral("linkdir/secret.png") << QString() << anOutside;
    QTest::newRow("file URL") << aBase << QStringLiteral("file://") + aBase + QStringLiteral("/pic.png") << QString()
                              << anUrl;
    QTest::newRow("file URL upper case") << aBase << QStringLiteral("FILE:pic.png") << QString() << anUrl;
    QTest::newRow("http URL") << aBase << QStringLiteral("http://example.org/pic.png") << QString() << anUrl;
    QTest::newRow("resource path") << aBase << QStringLiteral(":/images/pic.png") << QString()
                                   << QStringLiteral("resource paths are not content files");
    QTest::newRow("missing file") << aBase << QStringLiteral("missing.png") << QString()
                                  << QStringLiteral("no such file");
    QTest::newRow("dangling link") << aBase << QStringLiteral("dangling.png") << QString()
                                   << QStringLiteral("no such file");
    QTest::newRow("folder") << aBase << QStringLiteral("sub") << QString() << QStringLiteral("not a file");
    QTest::newRow("only a fragment of the root")
        << aBase << QStringLiteral("..#x") << QString() << QStringLiteral("not a file");

    QTest::newRow("data URI") << aBase << QStringLiteral("data:image/png;base64,iVBORw0KGgo=") << QString()
                              << QString();
    QTest::newRow("data URI upper case") << aBase << QStringLiteral("DATA:,x") << QString() << QString();
    QTest::newRow("fragment") << aBase << QStringLiteral("#gradient1") << QString() << QString();
    QTest::newRow("empty") << aBase << QString() << QString() << QString();
}

void TestContentReference::resolve()
{
    QFETCH(QString, base);
    QFETCH(QString, reference);
    QFETCH(QString, expected);
    QFETCH(QString, reason);

    if (!reason.isEmpty()) {
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("refused file reference \"%1\": %2").arg(reference, reason)));
    }
    const QString aCanonicalRoot = QFileInfo(root()).canonicalFilePath();
    const QString aResult = LMFileHandler::resolveContentReference(base, reference);
    QCOMPARE(aResult, expected.isEmpty() ? QString() : aCanonicalRoot + QLatin1Char('/') + expected);
}

void TestContentReference::missingContentRoot()
{
    LMDirectoryConfig::instance()->setContentRoot(myDir.path() + QStringLiteral("/no-such-root"));
    QTest::ignoreMessage(QtWarningMsg, "refused file reference \"pic.png\": the content tree does not exist");
    QVERIFY(LMFileHandler::resolveContentReference(designFolder(), QStringLiteral("pic.png")).isEmpty());
    LMDirectoryConfig::instance()->setContentRoot(root());
}

QTEST_GUILESS_MAIN(TestContentReference)
#include "tst_contentreference.moc"
