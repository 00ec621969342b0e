#pragma once

#include "LMToolCommand.h"

// "load": loads one article's templates and reports what came in: counts by jig type and layer,
// files parsed, the warnings raised and the loader's timings.
class LMToolCommandLoad : public LMToolCommand
{
public:
    LMToolCommandLoad();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
