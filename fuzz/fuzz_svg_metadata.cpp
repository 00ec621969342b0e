// The metadata block of an SVG page: products, rotations, pages, flags, properties.
#include "LMFuzzSupport.h"
#include "LMSVGMetaData.h"
#include "LMXMLLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    const QFileInfo aFile = LMFuzzSupport::writeInput(QStringLiteral("designs/meta/meta-1.svg"), theData, theSize);
    const LMSVGMetaData aMetaData(
        LMXMLLoader::loadDocumentFromData(LMFuzzSupport::bytes(theData, theSize), aFile.filePath()), aFile);
    const qsizetype aCount = aMetaData.allMultiPageFiles().size() + aMetaData.exampleTemplateId().size()
        + aMetaData.firstConfiguredArticle().orderTxtName().size();
    return aCount < 0 ? 1 : 0;
}
