#pragma once

#include "LMToolCommand.h"

// "render": the thumbnail of one decoration of the content tree, written as a PNG file.
class LMToolCommandRender : public LMToolCommand
{
public:
    LMToolCommandRender();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
