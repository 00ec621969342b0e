// "white_list.conf": groups of products as filter rules and their file patterns, read and written.
#include "LMFuzzSupport.h"
#include "LMTemplateWhiteList.h"

#include <QDomDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    LMTemplateWhiteList aList;
    if (aList.load(LMFuzzSupport::writeInput(QStringLiteral("white_list.conf"), theData, theSize))) {
        aList.allFilesRx();
        aList.toDocument();
    }
    return 0;
}
