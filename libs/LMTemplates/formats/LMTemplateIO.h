#pragma once

#include "LMTemplatesExport.h"

#include <QString>

// The element and attribute names shared by the XML template readers and the writer, so that
// what one writes the other reads.
class LMTEMPLATES_EXPORT LMTemplateIO
{
public:
    static const QString WORD_NAME;
    static const QString WORD_TEMPLATE;
    static const QString WORD_TEMPLATES2;
    static const QString WORD_DESIGNELEMENT_TYPE;
    static const QString WORD_CATEGORY;
    static const QString WORD_FILENAME;
    static const QString WORD_PRODUCT;
    static const QString WORD_AUTOTHUMB;
    static const QString WORD_SUBCATEGORY;
    static const QString WORD_PRICECLASS;
    static const QString WORD_01;
    static const QString WORD_DESCRIPTION;
    static const QString WORD_TYPE;
    static const QString WORD_ID;
    static const QString WORD_FILTER;
    static const QString WORD_LAYOUT;
    static const QString WORD_EXAMPLE;
    static const QString WORD_USABLE_BY_ASSISTANT;
    static const QString WORD_LOCKS_LAYOUT;
    static const QString WORD_USER_LAYOUT;
    static const QString WORD_FIX_ROTATION;
    static const QString WORD_ORIENTATION;
    static const QString WORD_SORT;
    static const QString WORD_VIEW_ANGLE;
    static const QString WORD_SMART_LAYOUT;
    static const QString WORD_PREVIEW;
};
