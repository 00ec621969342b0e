#pragma once

#include "LMToolCommand.h"

// "export": writes named layouts and SVG templates as one version-2 layout collection, atomically.
class LMToolCommandExport : public LMToolCommand
{
public:
    LMToolCommandExport();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
