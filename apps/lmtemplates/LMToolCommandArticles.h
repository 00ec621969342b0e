#pragma once

#include "LMToolCommand.h"

// "articles": the products of the content's catalogue, the names every other command's
// --article takes.
class LMToolCommandArticles : public LMToolCommand
{
public:
    LMToolCommandArticles();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
