#pragma once

#include "LMTemplatesExport.h"

#include <QDir>
#include <QFileInfo>
#include <QHashFunctions>
#include <QMetaType>
#include <QString>

// One template file of the content tree (an XML collection or an SVG page), named by its path and
// by its short name: the part of the path that stays the same wherever the content tree lies, so
// that a preinstalled and a downloaded copy of one template have equal short names.
class LMTEMPLATES_EXPORT LMTemplateSourceFile
{
public:
    LMTemplateSourceFile() = default;
    explicit LMTemplateSourceFile(const QString& theFullName);
    LMTemplateSourceFile(const LMTemplateSourceFile&) = default;
    LMTemplateSourceFile(LMTemplateSourceFile&&) noexcept = default;
    LMTemplateSourceFile& operator=(const LMTemplateSourceFile&) = default;
    LMTemplateSourceFile& operator=(LMTemplateSourceFile&&) noexcept = default;
    virtual ~LMTemplateSourceFile();

    const QString& fullName() const { return myFullName; }
    const QString& shortName() const { return myShortName; }
    QFileInfo fileInfo() const { return QFileInfo(myFullName); }
    QDir dir() const { return fileInfo().dir(); }

    // The short name ends with ".svg", in any letter case.
    bool isSvgFile() const;
    // An SVG file that starts a design (a single page, the first page of a series, a calendar's
    // page or a card game's master); the other pages are read with it. Always false for XML.
    bool isMasterFile() const;
    // The full name lies below the preinstalled content directory.
    bool isPreInstalled() const;

    // The short name of a path: the text behind the last "templates" in it, else behind the last
    // "designs/", else the whole path.
    static QString shortNameOf(const QString& theFullName);
    // The first page of a series: a name whose last character before ".svg" is a lone "1", after
    // cutting a trailing "_<text without digits>" ("page1.svg", "page1_back.svg"; not "page11.svg").
    static bool isHookFile(const QString& theShortName);
    // A page of a calendar: the file name starts with the name of its folder, which holds more than
    // one "-" ("2024-cal-a/2024-cal-a_01.svg").
    static bool isCalendarPageFile(const QString& theShortName);
    // The master of a card game: the name holds "PLC-", in any letter case.
    static bool isPlayingCardMasterFile(const QString& theShortName);

    // The preinstalled directory is looked up once; this looks it up again (after the content root
    // changed, as the file manager's reInit does).
    static void refreshPreInstalledDirectory();

    friend bool operator==(const LMTemplateSourceFile& theA, const LMTemplateSourceFile& theB)
    {
        return theA.myShortName == theB.myShortName && theA.myFullName == theB.myFullName;
    }
    friend bool operator!=(const LMTemplateSourceFile& theA, const LMTemplateSourceFile& theB)
    {
        return !(theA == theB);
    }

private:
    QString myFullName;
    QString myShortName;
};

// By short name alone: copies of one template fall into one bucket.
inline size_t qHash(const LMTemplateSourceFile& theFile, size_t theSeed = 0) noexcept
{
    return qHash(theFile.shortName(), theSeed);
}

Q_DECLARE_METATYPE(LMTemplateSourceFile)
