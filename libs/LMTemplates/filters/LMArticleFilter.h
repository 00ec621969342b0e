#pragma once

#include "LMArticleList.h"
#include "LMPageType.h"
#include "LMTemplatesExport.h"

#include <QSizeF>

// Narrows article lists by product properties.
class LMTEMPLATES_EXPORT LMArticleFilter
{
public:
    // The articles whose usable page size for the page type equals the size (within a tenth of a
    // document unit), in list order. An empty size keeps nothing.
    static LMArticleList filterByArticleSize(const LMArticleList& theArticles, const QSizeF& theSize,
                                             const LMPageType& thePageType = LMPageTypeEnum::InnerPage);
};
