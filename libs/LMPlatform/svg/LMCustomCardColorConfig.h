#pragma once

#include "LMCssSheetTitleIdMap.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QReadWriteLock>

#include <optional>

// The colour sheets a customer may choose for designs with user-selectable fill colours, read
// from the content file "css/customcolors.json" on first use. Safe to use from any thread.
class LMPLATFORM_EXPORT LMCustomCardColorConfig : public LMSingleton<LMCustomCardColorConfig>
{
    friend class LMSingleton<LMCustomCardColorConfig>;

public:
    // The sheets of the content file; empty when the file is missing or unreadable.
    LMCssSheetTitleIdMap cssSheets() const;
    // Forgets what was read; the file is read again on the next use.
    void reload();

    // The sheets of such a file. A missing file gives an empty map without a warning; a malformed
    // file or entry is a warning and is skipped.
    static LMCssSheetTitleIdMap readFile(const QString& thePath);

private:
    LMCustomCardColorConfig() = default;

    mutable QReadWriteLock myLock;
    mutable std::optional<LMCssSheetTitleIdMap> mySheets;
    // Bumped by reload(), so that a read that started before it is not kept after it.
    mutable quint64 myGeneration = 0;
};
