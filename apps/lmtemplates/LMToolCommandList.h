#pragma once

#include "LMToolCommand.h"

// "list": the templates a product context offers, kind by kind, through the library's filters.
class LMToolCommandList : public LMToolCommand
{
public:
    LMToolCommandList();

    // The jig types the command lists, by the words it accepts ("layout", "background" ...); an
    // unknown word gives the unknown jig type.
    static QList<QString> jigWords();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
