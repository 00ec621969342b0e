#pragma once

#include "LMToolCommand.h"

// "sheet": a contact sheet of every template of one kind that a product's pages are offered, each
// thumbnail with its name under it, written as one PNG file.
class LMToolCommandSheet : public LMToolCommand
{
public:
    LMToolCommandSheet();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
