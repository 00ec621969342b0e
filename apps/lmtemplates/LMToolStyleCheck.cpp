#include "LMToolStyleCheck.h"

#include "LMDesignStyleImpl.h"
#include "LMDesignStyleSchema.h"
#include "LMDirectoryConfig.h"

#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
const QString STR_STYLES = QStringLiteral("styles");
const QString STR_XMLLINT = QStringLiteral("xmllint");
const QString STR_SCHEMA_NAME = QStringLiteral("style_v2.xsd");
const QString RULE_SCHEMA = QStringLiteral("schema");
// Long enough for a style file of the loader's largest size.
constexpr int VALIDATION_TIMEOUT_MS = 5 * 60 * 1000;

// "<file>:<line>: element <name>: Schemas validity error : <message>", or a parser error.
const QRegularExpression& findingExpression()
{
    static const QRegularExpression ourExpression(
        QStringLiteral("^.*:(\\d+): (?:element \\S+: )?(?:Schemas validity|parser) (?:error|warning) : (.*)$"));
    return ourExpression;
}
} // namespace

LMToolStyleCheck::LMToolStyleCheck() : myXmllint(QStandardPaths::findExecutable(STR_XMLLINT))
{
    const QString aSchema = myDir.filePath(STR_SCHEMA_NAME);
    if (!myXmllint.isEmpty() && myDir.isValid() && LMDesignStyleSchema::writeTo(aSchema))
        mySchemaFile = aSchema;
}

QString LMToolStyleCheck::schemaRule()
{
    return RULE_SCHEMA;
}

QStringList LMToolStyleCheck::styleFiles()
{
    QStringList aFiles;
    QDirIterator anIterator(LMDirectoryConfig::instance()->contentPath(STR_STYLES), { QStringLiteral("*.xml") },
                            QDir::Files, QDirIterator::Subdirectories);
    while (anIterator.hasNext())
        aFiles.append(anIterator.next());
    aFiles.sort();
    return aFiles;
}

void LMToolStyleCheck::read(const QString& theFile)
{
    const LMDesignStyleImpl aStyle { QFileInfo(theFile) };
    Q_UNUSED(aStyle)
}

QList<LMToolDiagnostic> LMToolStyleCheck::unavailable() const
{
    if (!mySchemaFile.isEmpty())
        return {};
    const QString aText = myXmllint.isEmpty()
        ? QStringLiteral("xmllint not found: style files are not checked against style_v2.xsd")
        : QStringLiteral("cannot write style_v2.xsd for xmllint: style files are not checked against it");
    return { LMToolDiagnostic { QString(), 0, 0, RULE_SCHEMA, aText } };
}

QList<LMToolDiagnostic> LMToolStyleCheck::validate(const QString& theFile) const
{
    if (mySchemaFile.isEmpty())
        return {};
    QProcess aProcess;
    aProcess.setProcessChannelMode(QProcess::MergedChannels);
    aProcess.start(myXmllint, { QStringLiteral("--noout"), QStringLiteral("--schema"), mySchemaFile, theFile });
    if (!aProcess.waitForFinished(VALIDATION_TIMEOUT_MS)) {
        aProcess.kill();
        aProcess.waitForFinished();
        return { LMToolDiagnostic { theFile, 0, 0, RULE_SCHEMA, QStringLiteral("xmllint did not finish") } };
    }
    QList<LMToolDiagnostic> aFindings;
    for (const QString& aLine : QString::fromUtf8(aProcess.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch aMatch = findingExpression().match(aLine);
        if (aMatch.hasMatch())
            aFindings.append({ theFile, aMatch.captured(1).toInt(), 0, RULE_SCHEMA, aMatch.captured(2) });
    }
    if (aFindings.isEmpty() && (aProcess.exitStatus() != QProcess::NormalExit || aProcess.exitCode() != 0))
        aFindings.append(
            { theFile, 0, 0, RULE_SCHEMA, QStringLiteral("the file does not validate against style_v2.xsd") });
    return aFindings;
}
