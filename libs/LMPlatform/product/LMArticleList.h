#pragma once

#include "LMArticle.h"
#include "LMArticleClass.h"
#include "LMPlatformExport.h"

#include <QList>
#include <QStringList>

// A list of articles, as content files name them by their order text names.
class LMPLATFORM_EXPORT LMArticleList : public QList<LMArticle>
{
public:
    LMArticleList() = default;
    LMArticleList(std::initializer_list<LMArticle> theArticles) : QList<LMArticle>(theArticles) { }
    LMArticleList(const QList<LMArticle>& theList) : QList<LMArticle>(theList) { }

    // The articles of a comma-separated list of order text names, in list order; blanks around a
    // name are dropped, empty names skipped. Names the catalogue does not know give unresolved
    // articles, so that the restriction they express is kept.
    static LMArticleList buildFromCSVOrderTxtNames(const QString& theText);

    // True when an article's class shares a bit with the given classes.
    bool containsArticleClass(const LMArticleClass& theClasses) const;
    // True when an article matches the given one (LMArticle::matches).
    bool containsMatching(const LMArticle& theArticle) const;
    QStringList orderTxtNames() const;
};
