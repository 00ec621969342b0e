// A template file as the loader reads it, by its root element: version-1 and version-2 lists,
// collections of version-2 blocks, single layouts and SVG pages, each with its sidecar.
#include "LMFuzzSupport.h"
#include "LMJobLoadTemplateFile.h"
#include "LMTemplateLoaderLoadingInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    LMTemplateLoaderLoadingInfo anInfo(
        LMFuzzSupport::writeInput(QStringLiteral("templates/categories/fuzz.xml"), theData, theSize));
    LMJobLoadTemplateFile(&anInfo).doStuff();
    LMFuzzSupport::deleteAll(anInfo.takeTemplates());
    return 0;
}
