// An SVG page template: metadata block, layers, areas, transforms, pages of a design.
#include "LMFuzzSupport.h"
#include "LMTemplateFactorySVG.h"
#include "LMXMLLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    const QFileInfo aFile = LMFuzzSupport::writeInput(QStringLiteral("designs/fuzz/fuzz-1.svg"), theData, theSize);
    const QDomDocument aDocument = LMXMLLoader::loadDocument(aFile);
    if (!aDocument.isNull())
        LMFuzzSupport::deleteAll(LMTemplateFactorySVG(aDocument, aFile).buildTemplates());
    return 0;
}
