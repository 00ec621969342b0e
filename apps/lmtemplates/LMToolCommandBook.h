#pragma once

#include "LMToolCommand.h"

// "book": every page of a product built by a design style from a folder of photos, as the
// editor's assistant builds it: layouts, backgrounds, borders, cliparts, masks, corners, shadows
// and text formats; one picture per page, a contact sheet of the book and the page definitions.
class LMToolCommandBook : public LMToolCommand
{
public:
    LMToolCommandBook();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
