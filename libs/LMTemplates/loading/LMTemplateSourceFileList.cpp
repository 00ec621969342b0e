#include "LMTemplateSourceFileList.h"

#include "LMTemplatesLogging.h"

#include <QDateTime>
#include <QHash>

#include <algorithm>
#include <iterator>

namespace {
const QString STR_UNWANTED_FILE = QStringLiteral("categories/backgrounds_default.xml");
} // namespace

LMTemplateSourceFileList::LMTemplateSourceFileList(const QList<LMTemplateSourceFile>& theFiles)
    : QList<LMTemplateSourceFile>(theFiles)
{
}

LMTemplateSourceFileList::LMTemplateSourceFileList(const QStringList& thePaths)
{
    reserve(thePaths.size());
    for (const QString& aPath : thePaths)
        append(LMTemplateSourceFile(aPath));
}

LMTemplateSourceFileList::LMTemplateSourceFileList(std::initializer_list<LMTemplateSourceFile> theFiles)
    : QList<LMTemplateSourceFile>(theFiles)
{
}

LMTemplateSourceFileList::~LMTemplateSourceFileList() = default;

QSet<LMTemplateSourceFile> LMTemplateSourceFileList::asSet() const
{
    return QSet<LMTemplateSourceFile>(cbegin(), cend());
}

QStringList LMTemplateSourceFileList::fullNames() const
{
    QStringList aNames;
    aNames.reserve(size());
    for (const LMTemplateSourceFile& aFile : *this)
        aNames.append(aFile.fullName());
    return aNames;
}

LMTemplateSourceFileList LMTemplateSourceFileList::masterSVGs() const
{
    LMTemplateSourceFileList aResult;
    std::copy_if(cbegin(), cend(), std::back_inserter(aResult),
                 [](const LMTemplateSourceFile& theFile) { return !theFile.isSvgFile() || theFile.isMasterFile(); });
    return aResult;
}

LMTemplateSourceFileList LMTemplateSourceFileList::preInstalled() const
{
    LMTemplateSourceFileList aResult;
    std::copy_if(cbegin(), cend(), std::back_inserter(aResult),
                 [](const LMTemplateSourceFile& theFile) { return theFile.isPreInstalled(); });
    return aResult;
}

LMTemplateSourceFileList LMTemplateSourceFileList::removeUnwantedFiles() const
{
    LMTemplateSourceFileList aResult;
    aResult.reserve(size());
    for (const LMTemplateSourceFile& aFile : *this) {
        if (aFile.fullName().contains(STR_UNWANTED_FILE)) {
            qCDebug(lcLoading).noquote() << aFile.fullName() << "die Datei lade ich nicht.";
            continue;
        }
        aResult.append(aFile);
    }
    return aResult;
}

LMTemplateSourceFileList LMTemplateSourceFileList::removeDuplicateTemplates(LMTemplateSourceFileList* theDropped) const
{
    // Index of the files outside the preinstalled directory by short name; a later file replaces
    // an earlier one.
    QHash<QString, qsizetype> anOthers;
    QList<qsizetype> aPreInstalled;
    for (qsizetype anIndex = 0; anIndex < size(); ++anIndex) {
        const LMTemplateSourceFile& aFile = at(anIndex);
        if (aFile.isPreInstalled())
            aPreInstalled.append(anIndex);
        else
            anOthers.insert(aFile.shortName(), anIndex);
    }

    QList<bool> aDropped(size(), false);
    LMTemplateSourceFileList aDroppedFiles;
    const auto aDrop = [&](qsizetype theIndex) {
        if (aDropped.at(theIndex))
            return;
        aDropped[theIndex] = true;
        aDroppedFiles.append(at(theIndex));
    };
    for (const qsizetype aPreInstalledIndex : std::as_const(aPreInstalled)) {
        const auto anOther = anOthers.constFind(at(aPreInstalledIndex).shortName());
        if (anOther == anOthers.cend())
            continue;
        const QDateTime aPreInstalledTime = at(aPreInstalledIndex).fileInfo().lastModified();
        const QDateTime anOtherTime = at(anOther.value()).fileInfo().lastModified();
        if (aPreInstalledTime > anOtherTime)
            aDrop(anOther.value());
        else
            aDrop(aPreInstalledIndex);
    }

    LMTemplateSourceFileList aResult;
    aResult.reserve(size() - aDroppedFiles.size());
    for (qsizetype anIndex = 0; anIndex < size(); ++anIndex) {
        if (!aDropped.at(anIndex))
            aResult.append(at(anIndex));
    }
    if (theDropped)
        theDropped->append(aDroppedFiles);
    return aResult;
}

LMTemplateSourceFileList LMTemplateSourceFileList::sortXmlBeforeSvg() const
{
    LMTemplateSourceFileList aResult = *this;
    std::stable_partition(aResult.begin(), aResult.end(),
                          [](const LMTemplateSourceFile& theFile) { return !theFile.isSvgFile(); });
    return aResult;
}

void LMTemplateSourceFileList::dump() const
{
    for (const LMTemplateSourceFile& aFile : *this)
        qCDebug(lcLoading).noquote() << "load" << aFile.fullName();
}
