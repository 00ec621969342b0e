#pragma once

#include "LMToolCommand.h"

// "check": the content author's lint. Loads the files of every article one at a time, so that
// each warning is known by the file that raised it, then the decorations and the design styles
// (each style also validated against the library's schema), and groups the warnings by file.
class LMToolCommandCheck : public LMToolCommand
{
public:
    LMToolCommandCheck();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
