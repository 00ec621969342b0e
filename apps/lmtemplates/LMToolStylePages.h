#pragma once

// Before the model headers, which use Qt's hash helpers.
#include <QHash>

#include "LMAreaDefinitionResult.h"
#include "LMDesignStyle.h"
#include "LMFotoList.h"

#include <QImage>
#include <QJsonObject>
#include <QList>

class LMTemplateContext;

// The pages of a product as a design style builds them from photos, and their pictures: the
// shared work of the "book" command and its benchmark.
class LMToolStylePages
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

    // The product's pages for theInnerPages inner pages: the number of pages the style counts
    // (inner pages for a board cover, every page otherwise).
    static int stylePageCount(const LMArticle& theArticle, int theInnerPages);
    // Every page, the photos spread over the pages that take photos in their order as the layout
    // planner splits them; photos a page leaves over go to the next page.
    static QList<Page> build(const LMDesignStyle& theStyle, const LMArticle& theArticle, int theInnerPages,
                             const LMFotoList& theFotos);
    // The context a page is drawn in: its own page type when the product has a size for it, else
    // an inner page.
    static LMTemplateContext drawingContext(const LMArticle& theArticle, const LMPageType& thePageType);
    // The page drawn into a square of theSide pixels: background, areas with photos, masks,
    // cliparts, corners and shadows, borders, and texts as a sample word in their format. A page
    // without layout is blank paper of the page's proportions.
    static QImage picture(const Page& thePage, const LMArticle& theArticle, int theSide);
    // The page as JSON: page, type, template, layout, background and every area with what the
    // style put on it; photo files by name.
    static QJsonObject json(const Page& thePage);
};
