#include "LMTestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using LMTestSupport::fetch;

// Every lmtemplates command the README and docs/ show, run as written from a folder where
// "content" is the project's content (so "content/sample/photos" resolves as in the docs, and the
// files they write land in a scratch folder): none may be a usage error or crash.
class TestDocExamples : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        QVERIFY(QFile::link(QStringLiteral(LM_SOURCE_DIR "/content"), myDir.filePath(QStringLiteral("content"))));
    }

    void examples_data()
    {
        QTest::addColumn<QString>("command");

        // "$ lmtemplates ..." in a fenced block, or a README line indented as code; the shell's
        // part of a line (redirections, pipes, "; echo $?", comments) is not the tool's.
        static const QRegularExpression ourCommand(QStringLiteral("^(?:\\$ |    )lmtemplates (.*)$"));
        static const QRegularExpression ourShell(QStringLiteral("\\s*[;|].*$|\\s+2?>.*$|\\s+#\\s.*$"));
        QStringList aFiles { QStringLiteral(LM_SOURCE_DIR "/README.md") };
        QDirIterator anIt(QStringLiteral(LM_SOURCE_DIR "/docs"), { QStringLiteral("*.md") }, QDir::Files,
                          QDirIterator::Subdirectories);
        while (anIt.hasNext())
            aFiles.append(anIt.next());
        aFiles.sort();
        int aCount = 0;
        for (const QString& aPath : std::as_const(aFiles)) {
            QFile aFile(aPath);
            QVERIFY(aFile.open(QIODevice::ReadOnly));
            const QStringList aLines = QString::fromUtf8(aFile.readAll()).split(QLatin1Char('\n'));
            for (qsizetype i = 0; i < aLines.size(); ++i) {
                const QRegularExpressionMatch aMatch = ourCommand.match(aLines.at(i));
                if (!aMatch.hasMatch())
                    continue;
                QString aCommand = aMatch.captured(1);
                aCommand.remove(ourShell);
                QTest::addRow("%s:%d", qPrintable(QFileInfo(aPath).fileName()), int(i) + 1) << aCommand;
                ++aCount;
            }
        }
        QVERIFY2(aCount >= 30, "the docs show fewer commands than they did");
    }

    void examples()
    {
        QProcess aProcess;
        aProcess.setWorkingDirectory(myDir.path());
        QProcessEnvironment anEnvironment = QProcessEnvironment::systemEnvironment();
        anEnvironment.remove(QStringLiteral("LM_CONTENT_DIR"));
        anEnvironment.insert(QStringLiteral("LM_USER_DATA_DIR"), myDir.filePath(QStringLiteral("user")));
        aProcess.setProcessEnvironment(anEnvironment);
        aProcess.start(QStringLiteral(LM_TOOL_PATH), QProcess::splitCommand(fetch<QString>("command")));
        QVERIFY(aProcess.waitForFinished(300000));
        QCOMPARE(aProcess.exitStatus(), QProcess::NormalExit);
        // 1 is an answer some examples show on purpose (check --strict, a diff, a refused file).
        QVERIFY2(aProcess.exitCode() == 0 || aProcess.exitCode() == 1, aProcess.readAllStandardError().constData());
        const QByteArray anErrors = aProcess.readAllStandardError();
        QVERIFY2(!anErrors.contains("--help'"), anErrors.constData());
    }

private:
    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestDocExamples)
#include "tst_docexamples.moc"

