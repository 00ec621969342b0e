#include "LMPlatformIndependent.h"

#include "LMDirectoryConfig.h"
#include "LMPlatformLogging.h"

#include <QFile>
#include <QRegularExpression>

#include <filesystem>
#include <system_error>

namespace {

// One name filter. "*.xml" and the like (the common case) compare a suffix; anything else goes
// through a wildcard expression.
class NameFilter
{
public:
    explicit NameFilter(const QString& thePattern)
    {
        const QStringView aTail = QStringView(thePattern).mid(1);
        if (thePattern.startsWith(QLatin1Char('*')) && !aTail.contains(QLatin1Char('*'))
            && !aTail.contains(QLatin1Char('?')) && !aTail.contains(QLatin1Char('['))) {
            mySuffix = aTail.toString();
            myIsSuffix = true;
        } else {
            myExpression = QRegularExpression(QRegularExpression::wildcardToRegularExpression(
                                                  thePattern, QRegularExpression::UnanchoredWildcardConversion),
                                              QRegularExpression::CaseInsensitiveOption);
            myExpression.setPattern(QLatin1String("\\A(?:") + myExpression.pattern() + QLatin1String(")\\z"));
        }
    }

    bool matches(const QString& theName) const
    {
        if (myIsSuffix)
            return theName.endsWith(mySuffix, Qt::CaseInsensitive);
        return myExpression.match(theName).hasMatch();
    }

private:
    bool myIsSuffix = false;
    QString mySuffix;
    QRegularExpression myExpression;
};

QList<NameFilter> nameFilters(const QString& theNameFilter)
{
    QList<NameFilter> aFilters;
    for (const QString& aPattern : theNameFilter.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString aTrimmed = aPattern.trimmed();
        if (!aTrimmed.isEmpty())
            aFilters.append(NameFilter(aTrimmed));
    }
    return aFilters;
}

bool matchesAny(const QList<NameFilter>& theFilters, const QString& theName)
{
    if (theFilters.isEmpty())
        return true;
    for (const NameFilter& aFilter : theFilters) {
        if (aFilter.matches(theName))
            return true;
    }
    return false;
}

QString toQString(const std::filesystem::path& thePath)
{
    return QFile::decodeName(QByteArray::fromStdString(thePath.native()));
}

} // namespace

QStringList LMPlatformIndependent::getFilesInDirectory(const QDir& theDir, const QString& theNameFilter,
                                                       bool theRecursive, bool theWithDirectories, int theMaxDepth)
{
    QStringList aPaths;
    const QString aRoot = QDir::cleanPath(theDir.absolutePath());
    std::error_code anError;
    namespace fs = std::filesystem;
    // Without follow_directory_symlink the iterator lists a linked folder but never enters it.
    fs::recursive_directory_iterator anIt(fs::path(QFile::encodeName(aRoot).toStdString()),
                                          fs::directory_options::skip_permission_denied, anError);
    if (anError)
        return aPaths;
    const int aMaxDepth = theRecursive ? theMaxDepth : 1;
    const QList<NameFilter> aFilters = nameFilters(theNameFilter);
    for (const fs::recursive_directory_iterator anEnd; anIt != anEnd; anIt.increment(anError)) {
        if (anError)
            break;
        const fs::directory_entry& anEntry = *anIt;
        std::error_code anEntryError;
        const bool aLinkedFolder = anEntry.is_symlink(anEntryError) && anEntry.is_directory(anEntryError);
        if (anEntry.is_directory(anEntryError) && !aLinkedFolder) {
            // Entries of this folder would lie one level deeper than the folder itself.
            if (aMaxDepth > 0 && anIt.depth() + 1 >= aMaxDepth)
                anIt.disable_recursion_pending();
            if (theWithDirectories)
                aPaths.append(toQString(anEntry.path()));
            continue;
        }
        if (aLinkedFolder || !anEntry.is_regular_file(anEntryError))
            continue;
        const QString aName = toQString(anEntry.path().filename());
        // A name the file system's encoding cannot give back could never be opened by it.
        if (QFile::encodeName(aName).toStdString() != anEntry.path().filename().native()) {
            qCWarning(lcPlatformCore).noquote()
                << QStringLiteral("skipped a file in %1: its name \"%2\" is not valid in the file names' encoding")
                       .arg(toQString(anEntry.path().parent_path()), aName);
            continue;
        }
        // A linked file is read only where it really lies inside the content tree.
        if (anEntry.is_symlink(anEntryError)
            && !LMDirectoryConfig::instance()->reallyLiesInsideContentTree(toQString(anEntry.path()))) {
            qCWarning(lcPlatformCore).noquote()
                << QStringLiteral("skipped %1: a link to a file outside the content tree")
                       .arg(toQString(anEntry.path()));
            continue;
        }
        if (matchesAny(aFilters, aName))
            aPaths.append(toQString(anEntry.path()));
    }
    aPaths.sort();
    return aPaths;
}
