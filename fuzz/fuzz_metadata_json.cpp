// The JSON metadata record of a design element: tags, articles, dates, price classes.
#include "LMDesignElementMetaData.h"
#include "LMFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    const LMDesignElementMetaData aRecord = LMDesignElementMetaData::createFromJsonFile(
        LMFuzzSupport::writeInput(QStringLiteral("templates/categories/fuzz.json"), theData, theSize));
    // A copy compared with the record exercises the value's sharing and equality.
    const LMDesignElementMetaData aCopy = aRecord;
    return aCopy == aRecord && aRecord.explicitArticles().size() >= 0 ? 0 : 1;
}
