#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// One finding of `check`: where it is (file, and line and column when known), the rule that
// found it and what it says. Printed as compilers print theirs, so editors can jump to it.
struct LMToolDiagnostic
{
    QString file; // absolute path; empty for the content tree as a whole
    int line = 0; // 1-based; 0 when unknown
    int column = 0;
    QString rule;
    QString message;

    // A warning a reader of the library logged while file was loaded. The line and column come
    // from the text where it names them ("... at line 3, column 7: ...").
    static LMToolDiagnostic fromReaderWarning(const QString& theFile, const QString& theText);

    // "file:line:column: warning: message [rule]", without the parts that are not known; the
    // file as theDisplayPath shows it.
    QString toText(const QString& theDisplayPath) const;
    QJsonObject toJson(const QString& theDisplayPath) const;
};

// By file, then line, then column; findings at one place keep their order.
void sortDiagnostics(QList<LMToolDiagnostic>& theDiagnostics);

// The word of theWords nearest to theWord when it is near enough to be a slip of the keyboard
// (two edits at most, one for words of up to four letters; letter case counts as no edit); empty
// otherwise.
QString nearestWord(const QString& theWord, const QStringList& theWords);
