#pragma once

#include "LMToolCommand.h"

// "styles": the design styles of the content tree that a product may offer, as the editor's list
// of styles filters them.
class LMToolCommandStyles : public LMToolCommand
{
public:
    LMToolCommandStyles();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
