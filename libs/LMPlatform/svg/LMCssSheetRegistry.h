#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

class LMCssSheetRegistryImpl;
class LMCssSheetTitleIdMap;

// The CSS style sheets that SVG designs and calendars name, by sheet id (the file name, e.g.
// "winter.css"). The sheets of the content folder "css" are read on first use; more can be
// registered or read from other folders. Safe to use from any thread.
class LMPLATFORM_EXPORT LMCssSheetRegistry : public LMSingleton<LMCssSheetRegistry>
{
    friend class LMSingleton<LMCssSheetRegistry>;

public:
    // Sheets larger than this are not read.
    static constexpr qint64 ourMaximumSheetSize = 1024 * 1024;

    // Registers or replaces the sheet.
    void registerSheet(const QString& theSheetId, const QString& theCssText);
    bool contains(const QString& theSheetId) const;
    // The sheet's text; empty when unknown.
    QString sheet(const QString& theSheetId) const;
    QStringList sheetIds() const;

    // The texts of the map's sheets by title, for LMSVGImageCalendar; titles whose sheet is not
    // registered are left out.
    QMap<QString, QString> sheetTexts(const LMCssSheetTitleIdMap& theMap) const;

    // Reads every "*.css" file of the folder (UTF-8), id = file name, replacing sheets of the same
    // id; returns how many were read. A missing folder or an unreadable file is a warning.
    int loadFolder(const QString& thePath);

    // Forgets every sheet; the content folder is read again on the next use.
    void reload();

private:
    LMCssSheetRegistry();
    ~LMCssSheetRegistry() override;

    void ensureContentLoaded() const;

    std::unique_ptr<LMCssSheetRegistryImpl> const myImpl;
};
