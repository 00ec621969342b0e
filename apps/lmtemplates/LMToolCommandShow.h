#pragma once

#include "LMToolCommand.h"

class LMUnconfiguredTemplate;

// "show": finds a template by any name the editor accepts and prints it: kind, layer, names,
// files, areas and the analysis by which layouts are compared.
class LMToolCommandShow : public LMToolCommand
{
public:
    LMToolCommandShow();

    // The analysis shown is the one the loader measured, at the template's own page aspect.
    static QJsonObject toJson(const LMUnconfiguredTemplate& theTemplate);
    static QString toText(const LMUnconfiguredTemplate& theTemplate);

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
