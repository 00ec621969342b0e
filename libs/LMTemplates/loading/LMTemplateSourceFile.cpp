#include "LMTemplateSourceFile.h"

#include "LMDirectoryConfig.h"

#include <QMutex>
#include <QMutexLocker>
#include <QRegularExpression>

namespace {

// Directory kinds whose folder names the directory configuration gives.
constexpr int KIND_DESIGNS = 0x1;
constexpr int KIND_TEMPLATES = 0x20;
constexpr int KIND_CALENDARS = 0x10000;
constexpr int KIND_GAMES = 0x20000;
constexpr int KIND_CARDS = 0x40000;

const QString STR_SVG_SUFFIX = QStringLiteral(".svg");
const QString STR_PLAYING_CARD = QStringLiteral("PLC-");

// Folder names never change while the process runs.
struct DirectoryNames
{
    QString templates;
    QString designsWithSlash;
    QString calendars;
    QString games;
    QString cards;
};

const DirectoryNames& directoryNames()
{
    static const DirectoryNames ourNames = [] {
        const LMDirectoryConfig* aConfig = LMDirectoryConfig::instance();
        return DirectoryNames { aConfig->directoryName(KIND_TEMPLATES),
                                aConfig->directoryName(KIND_DESIGNS) + QLatin1Char('/'),
                                aConfig->directoryName(KIND_CALENDARS), aConfig->directoryName(KIND_GAMES),
                                aConfig->directoryName(KIND_CARDS) };
    }();
    return ourNames;
}

// A trailing "_<no digits>.svg" names a variant of a page ("page1_back.svg" belongs to "page1.svg").
// The suffix is matched in any letter case, as SVG files are recognised.
const QRegularExpression& variantSuffixExpression()
{
    static const QRegularExpression ourExpression(QStringLiteral("_\\D+\\.svg$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    return ourExpression;
}

// The preinstalled directory with a trailing slash, so that a sibling folder whose name merely
// starts alike ("content2" beside "content") does not count as inside.
QMutex ourPreInstalledMutex;
QString ourPreInstalledPrefix;
bool ourPreInstalledKnown = false;

QString preInstalledPrefix()
{
    const QMutexLocker aLocker(&ourPreInstalledMutex);
    if (!ourPreInstalledKnown) {
        ourPreInstalledPrefix = LMDirectoryConfig::instance()->preinstalledDirectory() + QLatin1Char('/');
        ourPreInstalledKnown = true;
    }
    return ourPreInstalledPrefix;
}

} // namespace

LMTemplateSourceFile::LMTemplateSourceFile(const QString& theFullName)
    : myFullName(theFullName), myShortName(shortNameOf(theFullName))
{
}

LMTemplateSourceFile::~LMTemplateSourceFile() = default;

QString LMTemplateSourceFile::shortNameOf(const QString& theFullName)
{
    const DirectoryNames& aNames = directoryNames();
    // The slash behind "templates" stays: "templates/categories/a.xml" gives "/categories/a.xml".
    if (const qsizetype anIndex = theFullName.lastIndexOf(aNames.templates);
        anIndex >= 0 && !aNames.templates.isEmpty())
        return theFullName.mid(anIndex + aNames.templates.size());
    if (const qsizetype anIndex = theFullName.lastIndexOf(aNames.designsWithSlash); anIndex >= 0)
        return theFullName.mid(anIndex + aNames.designsWithSlash.size());
    return theFullName;
}

bool LMTemplateSourceFile::isSvgFile() const
{
    return myShortName.endsWith(STR_SVG_SUFFIX, Qt::CaseInsensitive);
}

bool LMTemplateSourceFile::isMasterFile() const
{
    if (!isSvgFile())
        return false;
    const DirectoryNames& aNames = directoryNames();
    if (myShortName.startsWith(aNames.calendars))
        return isCalendarPageFile(myShortName);
    if (myShortName.startsWith(aNames.cards))
        return isPlayingCardMasterFile(myShortName) || isCalendarPageFile(myShortName);
    if (myShortName.startsWith(aNames.games))
        return isPlayingCardMasterFile(myShortName) || isHookFile(myShortName);
    return isHookFile(myShortName);
}

bool LMTemplateSourceFile::isPreInstalled() const
{
    return myFullName.startsWith(preInstalledPrefix());
}

bool LMTemplateSourceFile::isHookFile(const QString& theShortName)
{
    QString aName = theShortName;
    const QRegularExpressionMatch aMatch = variantSuffixExpression().match(theShortName);
    if (aMatch.hasMatch() && aMatch.capturedStart() > 0)
        aName = theShortName.left(aMatch.capturedStart()) + STR_SVG_SUFFIX;
    const qsizetype aLength = aName.size();
    return aLength > 5 && aName.at(aLength - 5) == QLatin1Char('1') && !aName.at(aLength - 6).isDigit();
}

bool LMTemplateSourceFile::isCalendarPageFile(const QString& theShortName)
{
    const QStringList aParts = theShortName.split(QLatin1Char('/'));
    if (aParts.size() < 2)
        return false;
    const QString& aFolder = aParts.at(aParts.size() - 2);
    return aFolder.count(QLatin1Char('-')) > 1 && aParts.last().startsWith(aFolder);
}

bool LMTemplateSourceFile::isPlayingCardMasterFile(const QString& theShortName)
{
    return theShortName.contains(STR_PLAYING_CARD, Qt::CaseInsensitive);
}

void LMTemplateSourceFile::refreshPreInstalledDirectory()
{
    const QString aPrefix = LMDirectoryConfig::instance()->preinstalledDirectory() + QLatin1Char('/');
    const QMutexLocker aLocker(&ourPreInstalledMutex);
    ourPreInstalledPrefix = aPrefix;
    ourPreInstalledKnown = true;
}
