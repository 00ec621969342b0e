#pragma once

#include "LMToolCommand.h"

// "whitelist": generates the white list of a content tree from the filters of its files; prints
// it, writes it, or lists how it differs from the installed one.
class LMToolCommandWhiteList : public LMToolCommand
{
public:
    LMToolCommandWhiteList();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
