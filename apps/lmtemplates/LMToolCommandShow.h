#pragma once

#include "LMToolCommand.h"

class LMTemplateAnalysis;
class LMUnconfiguredTemplate;

// "show": finds a template by any name the editor accepts and prints it: kind, layer, names,
// files, areas and the analysis by which layouts are compared.
class LMToolCommandShow : public LMToolCommand
{
public:
    LMToolCommandShow();

    // theAspect: width / height of the page the areas are measured for.
    static QJsonObject toJson(const LMUnconfiguredTemplate& theTemplate, double theAspect);
    static QString toText(const LMUnconfiguredTemplate& theTemplate, double theAspect);
    // The template's analysis measured for the page aspect (templates outside the registry's
    // layout lists may not carry one yet).
    static LMTemplateAnalysis analysisOf(const LMUnconfiguredTemplate& theTemplate, double theAspect);

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;
};
