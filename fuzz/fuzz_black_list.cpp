// "black_list.conf": the names of files that never load.
#include "LMFuzzSupport.h"
#include "LMTemplateFileManager.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    LMFuzzSupport::writeInput(QStringLiteral("black_list.conf"), theData, theSize);
    LMTemplateFileManager::instance()->parseBlacklist();
    return LMTemplateFileManager::instance()->blackList().size() >= 0 ? 0 : 1;
}
