#pragma once

#include "LMAreaDefinitionResult.h"
#include "LMDesignStyle.h"
#include "LMFotoList.h"
#include "LMTemplatesExport.h"

#include <QImage>
#include <QList>

class LMTemplateContext;

// A whole product built by a design style from a sequence of photos, as the editor's assistant
// builds it, and the pictures of its pages.
class LMTEMPLATES_EXPORT LMDesignStyleBook
{
public:
    struct Page
    {
        LMDesignStyleReferencePoint point;
        LMPageType pageType;
        // Pages the style leaves empty (the insides of a board cover) have no result.
        bool built = false;
        LMAreaDefinitionResult result;
    };

    // The number of pages the style counts for theInnerPages inner pages: the inner pages for a
    // board cover or a product that is no book, the inner and the three cover pages otherwise.
    static int stylePageCount(const LMArticle& theArticle, int theInnerPages);
    // Every page of the product, the photos spread over the pages that take photos (covers and
    // inner pages) in their order as the book planner splits them; photos a page leaves over go
    // to the next page. The cover spread is double page 0, the first inner page stands on 1.
    static QList<Page> build(const LMDesignStyle& theStyle, const LMArticle& theArticle, int theInnerPages,
                             const LMFotoList& theFotos);
    // The context a page is drawn in: its own page type when the product has a size for it, else
    // an inner page.
    static LMTemplateContext drawingContext(const LMArticle& theArticle, const LMPageType& thePageType);
    // The page drawn into a square of theSide pixels: background, areas with photos, masks,
    // cliparts, corners and shadows, borders, and texts as their text type's word in their format.
    // A page without layout is blank paper of the page's proportions.
    static QImage picture(const Page& thePage, const LMArticle& theArticle, int theSide);
    // The background the page's background area shows; null when none.
    static LMConfiguredTemplate background(const LMAreaDefinitionResult& thePage);
};
