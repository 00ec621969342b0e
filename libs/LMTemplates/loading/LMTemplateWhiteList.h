#pragma once

#include "LMArticlesGroup.h"
#include "LMTemplatesExport.h"

#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

class LMArticle;
class QDomDocument;
class QDomElement;

// Which template files concern which products: for groups of articles, the wildcard patterns of
// the template files made for them, as "white_list.conf" stores them. Files that no pattern names
// concern every product.
class LMTEMPLATES_EXPORT LMTemplateWhiteList
{
public:
    using GroupHash = QHash<LMArticlesGroup, QStringList>;

    // "white_list.conf" as the directory configuration places it: the content's copy, or with
    // theUserCopy the user's copy (where a regenerated list is saved).
    static QFileInfo whiteListFile(bool theUserCopy);

    // Loads the user's copy when it exists and is newer than the content's copy (or that one is
    // missing), otherwise the content's copy. Returns whether the file was read.
    bool load();
    // Replaces the list by the file's. A missing, unreadable or malformed file leaves the list empty
    // (with the XML loader's warning) and returns false.
    bool load(const QFileInfo& theFile);
    // Saves to the user's copy, creating its folder when needed.
    bool save();
    // Writes the list atomically; the previous file stays when writing fails.
    bool save(const QFileInfo& theFile);
    // The document save() writes: the groups ordered by their products, so that one list is always
    // the same file.
    QDomDocument toDocument() const;

    // The patterns of every group that contains the article, concatenated in hash order.
    QStringList findFiles(const LMArticle& theArticle) const;
    QList<QRegularExpression> findFilesRx(const LMArticle& theArticle) const;
    // Every pattern of every group, in hash order (a pattern of several groups comes once).
    QStringList allFiles() const;
    QList<QRegularExpression> allFilesRx() const;

    static QList<QRegularExpression> toRegExpList(const QStringList& thePatterns);
    // "." stands for itself and "*" for any text; case-insensitive and not anchored, so a file
    // matches when its short name contains a match. A backslash stands for itself as well.
    static QRegularExpression wildcard2RegularExpression(const QString& thePattern);

    // Drops the user-layout file from every group: it must load for every product.
    void removeUndesirables();

    // Adds patterns to the group's list; patterns the list has already and empty ones are skipped.
    void addFiles(const LMArticlesGroup& theGroup, const QStringList& thePatterns);
    const GroupHash& groups() const { return myGroups; }
    bool isEmpty() const { return myGroups.isEmpty(); }
    void clear() { myGroups.clear(); }

    friend bool operator==(const LMTemplateWhiteList& theA, const LMTemplateWhiteList& theB)
    {
        return theA.myGroups == theB.myGroups;
    }
    friend bool operator!=(const LMTemplateWhiteList& theA, const LMTemplateWhiteList& theB) { return !(theA == theB); }

private:
    // Reads one "group" element and merges it into the hash under the process-wide mutex. Equal
    // groups share one list; when they are parsed in parallel, the order of their patterns follows
    // the order in which the parses finish.
    void parseTemplateGroup(const QDomElement& theGroup);

    GroupHash myGroups;
};
