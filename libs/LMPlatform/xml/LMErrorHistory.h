#pragma once

#include "LMPlatformExport.h"

#include <QStringList>

// Collects the error messages of an operation for a caller that wants to show or report them
// itself instead of reading the log.
class LMPLATFORM_EXPORT LMErrorHistory
{
public:
    void append(const QString& theMessage) { myMessages.append(theMessage); }
    bool isEmpty() const { return myMessages.isEmpty(); }
    qsizetype count() const { return myMessages.count(); }
    // In the order they were appended.
    const QStringList& messages() const { return myMessages; }
    void clear() { myMessages.clear(); }

private:
    QStringList myMessages;
};
