#pragma once

#include "LMToolCommand.h"

// "layout": a book made of a folder of photos: the photos split into pages, a layout chosen for
// each page and the photos ordered into its areas, printed page by page, with a preview picture
// of each page on request.
class LMToolCommandLayout : public LMToolCommand
{
public:
    LMToolCommandLayout();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
