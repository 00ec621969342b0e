#pragma once

// Before the model headers, which use Qt's hash helpers.
#include <QHash>

#include "LMDesignStyleBook.h"

#include <QJsonObject>

// The pages of a book as the "book" command writes them down.
class LMToolStylePages
{
public:
    // The page as JSON: page, double page, type, template, layout, background and every area with
    // what the style put on it; photo files by name.
    static QJsonObject json(const LMDesignStyleBook::Page& thePage);
    static QString photoName(const LMFoto& theFoto);
};
