#pragma once

#include "LMArticle.h"
#include "LMArticleList.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QList>
#include <QPair>

#include <memory>

class LMProductCatalogueImpl;

// The articles the editor can make, read from the catalogue file of the content tree
// ("products/catalogue.json" below the content root) on first use. reload() reads the file of the
// current content root again, so tests and content updates can switch catalogues.
class LMPLATFORM_EXPORT LMProductCatalogue : public LMSingleton<LMProductCatalogue>
{
    friend class LMSingleton<LMProductCatalogue>;

public:
    // The catalogue file's path relative to the content root.
    static QString relativeFilePath();

    // Reads the catalogue of the current content root; returns whether a file was read. A missing
    // file gives an empty catalogue; a malformed one an empty catalogue and one warning; a bad
    // article entry is skipped with a warning.
    bool reload();
    // Reads the given catalogue file instead of the content root's.
    bool load(const QString& theFilePath);

    // The path of the file read last; empty before the first read or when none was found.
    QString filePath() const;
    QString currency() const;
    // Every article, in file order.
    LMArticleList articles() const;
    qsizetype count() const;
    // The null article when the id is unknown.
    LMArticle findById(qint32 theId) const;
    // Compared without regard to case; the null article when the name is unknown.
    LMArticle findByOrderTxtName(const QString& theOrderTxtName) const;

    // Passepartout article codes that were renamed: pairs of the old and the current code, in file
    // order ("passepartoutCodeChanges"); empty when the catalogue names none.
    QList<QPair<QString, QString>> passepartoutCodeChanges() const;

private:
    LMProductCatalogue();
    ~LMProductCatalogue() override;

    // Reads the content root's catalogue unless a catalogue was read already.
    void ensureLoaded() const;

    std::unique_ptr<LMProductCatalogueImpl> const myImpl;
};
