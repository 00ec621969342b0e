#include "LMDirectoryConfig.h"
#include "LMFileHandler.h"

#include "LMTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

// The guard that keeps references inside content files from reaching files outside the content
// tree. The tree lies in a temporary folder with hostile links beside it.
class TestContentReference : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/a/pic.png"), "png");
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/a/sub/inner.png"), "png");
        LMTestSupport::writeFile(myDir, QString::fromUtf8("tree/designs/a/Bild \xc3\xa4.png"), "png");
        LMTestSupport::writeFile(myDir, QStringLiteral("tree/designs/b/other.png"), "png");
        LMTestSupport::writeFile(myDir, QStringLiteral("outside/secret.png"), "secret");
        // Links inside the design folder: one out of the tree, one to a file, one to a folder outside.
        QVERIFY(QFile::link(QStringLiteral("../../../outside/secret.png"),
                            designFolder() + QStringLiteral("/link-out.png")));
        QVERIFY(QFile::link(QStringLiteral("../b/other.png"), designFolder() + QStringLiteral("/link-in.png")));
        QVERIFY(QFile::link(myDir.path() + QStringLiteral("/outside"), designFolder() + QStringLiteral("/linkdir")));
        QVERIFY(QFile::link(QStringLiteral("nowhere.png"), designFolder() + QStringLiteral("/dangling.png")));
        LMDirectoryConfig::instance()->setContentRoot(root());
    }

    void cleanupTestCase() { LMDirectoryConfig::instance()->setContentRoot(QString()); }

    void resolve_data()
    {
        columns<QString, QString>("base", "reference");
        // Below the root; empty when refused.
        QTest::addColumn<QString>("expected");
        // The reason of the warning; empty when none is expected.
        QTest::addColumn<QString>("reason");

        // Rows resolved from the design folder: the reference, the result below the root (empty when
        // refused) and the reason of the warning (empty when none is expected).
        const auto row = [this](const char* theTag, const QString& theReference, const QString& theExpected,
                                const QString& theReason = QString()) {
            QTest::newRow(theTag) << designFolder() << theReference << theExpected << theReason;
        };
        const QString anOutside = QStringLiteral("outside the content tree");
        const QString anUrl = QStringLiteral("URLs are not content files");
        const QString aPic = QStringLiteral("designs/a/pic.png");
        const QString anOther = QStringLiteral("designs/b/other.png");

        row("relative", "./pic.png", aPic);
        row("blanks around", "  pic.png ", aPic);
        row("fragment after the file", "pic.png#layer1", aPic);
        row("unicode name", "Bild \u00e4.png", "designs/a/Bild \u00e4.png");
        row("out and back in", "../../../outside/../tree/designs/a/pic.png", aPic);
        row("absolute inside", root() + "/designs/b/other.png", anOther);
        row("link to a file inside", "link-in.png", anOther);
        LMTestSupport::row("empty base is the root", QString(), QStringLiteral("designs/a/pic.png"), aPic, QString());

        row("dot dot escape", "../../../outside/secret.png", QString(), anOutside);
        row("dot dot escape to missing file", "../../../outside/none.png", QString(), anOutside);
        row("absolute outside", myDir.path() + "/outside/secret.png", QString(), anOutside);
        row("link to a file outside", "link-out.png", QString(), anOutside);
        row("link to a folder outside", "linkdir/secret.png", QString(), anOutside);
        row("file URL", "file://" + designFolder() + "/pic.png", QString(), anUrl);
        row("file URL upper case", "FILE:pic.png", QString(), anUrl);
        row("http URL", "http://example.org/pic.png", QString(), anUrl);
        row("resource path", ":/images/pic.png", QString(), "resource paths are not content files");
        row("missing file", "missing.png", QString(), "no such file");
        row("dangling link", "dangling.png", QString(), "no such file");
        row("folder", "sub", QString(), "not a file");
        row("only a fragment of the root", "..#x", QString(), "not a file");

        row("data URI", "data:image/png;base64,iVBORw0KGgo=", QString());
        row("data URI upper case", "DATA:,x", QString());
        row("fragment", "#gradient1", QString());
        row("empty", QString(), QString());
    }

    void resolve()
    {
        QFETCH(QString, reference);
        QFETCH(QString, expected);
        QFETCH(QString, reason);

        if (!reason.isEmpty()) {
            QTest::ignoreMessage(
                QtWarningMsg, qPrintable(QStringLiteral("refused file reference \"%1\": %2").arg(reference, reason)));
        }
        const QString aCanonicalRoot = QFileInfo(root()).canonicalFilePath();
        const QString aResult = LMFileHandler::resolveContentReference(fetch<QString>("base"), reference);
        QCOMPARE(aResult, expected.isEmpty() ? QString() : aCanonicalRoot + QLatin1Char('/') + expected);
    }

    void missingContentRoot()
    {
        LMDirectoryConfig::instance()->setContentRoot(myDir.path() + QStringLiteral("/no-such-root"));
        QTest::ignoreMessage(QtWarningMsg, "refused file reference \"pic.png\": the content tree does not exist");
        QVERIFY(LMFileHandler::resolveContentReference(designFolder(), QStringLiteral("pic.png")).isEmpty());
        LMDirectoryConfig::instance()->setContentRoot(root());
    }

private:
    QString root() const { return myDir.path() + QStringLiteral("/tree"); }
    QString designFolder() const { return root() + QStringLiteral("/designs/a"); }

    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestContentReference)
#include "tst_contentreference.moc"
