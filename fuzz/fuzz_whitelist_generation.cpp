// The product filter a template file gives the white list, by its root element.
#include "LMFuzzSupport.h"
#include "LMTemplateWhiteListGeneratorInfo.h"
#include "LMTemplateWhiteListGeneratorJob.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    LMTemplateWhiteListGeneratorInfo anInfo(LMTemplateSourceFile(
        LMFuzzSupport::writeInput(QStringLiteral("templates/categories/generate.xml"), theData, theSize).filePath()));
    LMTemplateWhiteListGeneratorJob(&anInfo).doStuff();
    return 0;
}
