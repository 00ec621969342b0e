#pragma once

#include "LMToolCommand.h"

// "render": the thumbnails of templates, as the editor's lists show them, or the thumbnail of a
// decoration, written as PNG files.
class LMToolCommandRender : public LMToolCommand
{
public:
    LMToolCommandRender();

protected:
    void addOptions(QCommandLineParser& theParser) override;
    int execute() override;

private:
    int renderTemplates(int theSize);
    int renderDecoration(int theSize);
};
