#pragma once

#include "LMUnconfiguredTemplateList.h"

#include <QByteArray>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>

// What the fuzz harnesses share: a process set up once, the input as bytes or as a file, and the
// clean-up of what a reader built, so that a leak is the reader's.
namespace LMFuzzSupport {

// Once per process: an application object, a content tree of its own (an empty catalogue, a user
// folder) and Qt's messages dropped, since every malformed input warns.
void init();

inline QByteArray bytes(const uint8_t* theData, size_t theSize)
{
    return QByteArray(reinterpret_cast<const char*>(theData), static_cast<qsizetype>(theSize));
}

// Writes the input to the file theName below the harness's content tree (replacing it) and
// returns it; readers that take only files read it from there.
QFileInfo writeInput(const QString& theName, const uint8_t* theData, size_t theSize);

// The content tree's root, with a trailing slash: the base path of templates read from memory.
QString basePath();

// Deletes the templates the reader handed over.
void deleteAll(const LMUnconfiguredTemplateList& theTemplates);

} // namespace LMFuzzSupport
