// The XML loader on any bytes: size, depth and entity bounds, encodings, malformed text.
#include "LMFuzzSupport.h"
#include "LMXMLLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    const QDomDocument aDocument
        = LMXMLLoader::loadDocumentFromData(LMFuzzSupport::bytes(theData, theSize), QStringLiteral("fuzz.xml"));
    // Walks what was built, so that a broken tree is touched.
    qsizetype aCount = 0;
    for (QDomElement anElement = aDocument.documentElement().firstChildElement(); !anElement.isNull();
         anElement = anElement.nextSiblingElement())
        aCount += anElement.attributes().size();
    return aCount < 0 ? 1 : 0;
}
