#pragma once

#include "LMToolDiagnostic.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The design style files of a content tree ("styles", sub-folders included), checked for `check`:
// each is read by the library, whose warnings the caller attributes to the file, and validated
// against the library's schema with xmllint, whose findings become diagnostics of the file.
class LMToolStyleCheck
{
public:
    // Finds xmllint and writes the schema out for it.
    LMToolStyleCheck();

    // The "*.xml" files below the content root's "styles" folder, sorted.
    static QStringList styleFiles();
    // Reads the style as the library does; its warnings go to Qt's message log.
    static void read(const QString& theFile);

    // One diagnostic of the content tree when the files cannot be validated (no xmllint, or the
    // schema could not be written out); none otherwise.
    QList<LMToolDiagnostic> unavailable() const;
    // The schema's findings on the file, each with its line ("schema"); none when the file is valid
    // or cannot be validated.
    QList<LMToolDiagnostic> validate(const QString& theFile) const;

    static QString schemaRule();

private:
    QTemporaryDir myDir;
    QString myXmllint;
    QString mySchemaFile;
};
