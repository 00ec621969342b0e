#pragma once

#include "LMPlatformExport.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QDebug;
class QDomDocument;

// The style sheets an SVG document names: sheet title -> sheet id (the file name the sheet is
// registered under), in the order they were named, with the title of the sheet in use by default.
class LMPLATFORM_EXPORT LMCssSheetTitleIdMap
{
public:
    bool isEmpty() const { return myEntries.isEmpty(); }
    qsizetype size() const { return myEntries.size(); }

    // A title named before keeps its place and gets the new sheet id.
    void insert(const QString& theTitle, const QString& theSheetId);
    bool contains(const QString& theTitle) const;
    // Empty when the title is unknown.
    QString sheetId(const QString& theTitle) const;
    // In insertion order.
    QStringList titles() const;

    const QString& defaultTitle() const { return myDefaultTitle; }
    void setDefaultTitle(const QString& theTitle) { myDefaultTitle = theTitle; }

    // Appends the other map's titles that this one lacks; this map's sheets and default stay, and
    // the other's default is taken only when this one has none.
    void unite(const LMCssSheetTitleIdMap& theOther);

    // The <?xml-stylesheet href=".." title=".." alternate=".."?> instructions of the document that
    // stand before its document element. The title defaults to the base name of the href, the sheet
    // id is the href's file name, and the first sheet that is not alternate is the default.
    static LMCssSheetTitleIdMap fromDocument(const QDomDocument& theDocument);

    friend bool operator==(const LMCssSheetTitleIdMap& theA, const LMCssSheetTitleIdMap& theB)
    {
        return theA.myDefaultTitle == theB.myDefaultTitle && theA.myEntries == theB.myEntries;
    }
    friend bool operator!=(const LMCssSheetTitleIdMap& theA, const LMCssSheetTitleIdMap& theB)
    {
        return !(theA == theB);
    }

private:
    qsizetype indexOf(const QString& theTitle) const;

    // Few sheets per document: a list keeps the order and is fast enough to search.
    QList<QPair<QString, QString>> myEntries;
    QString myDefaultTitle;
};

LMPLATFORM_EXPORT QDebug operator<<(QDebug theDebug, const LMCssSheetTitleIdMap& theMap);
