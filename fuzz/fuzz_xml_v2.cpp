// Version-2 layout collections: the document's filter, layouts, areas, smart layouts, mirrors;
// read from the DOM and by the stream reader, which must build as many templates.
#include "LMDesignElementMetaData.h"
#include "LMFuzzSupport.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateStreamReaderXML2.h"
#include "LMXMLLoader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    const QByteArray aBytes = LMFuzzSupport::bytes(theData, theSize);
    const QString aName = QStringLiteral("fuzz.xml");
    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(aBytes, aName);
    const LMUnconfiguredTemplateList aFromDom = LMTemplateFactoryXML2::buildFileTemplates(
        aDocument.documentElement(), LMFuzzSupport::basePath(), LMDesignElementMetaData());

    const std::optional<QString> aText = LMXMLLoader::loadTextFromData(aBytes, aName);
    LMTemplateStreamReaderXML2 aReader(aText.value_or(QString()), aName);
    const LMUnconfiguredTemplateList aFromStream
        = aReader.read(LMFuzzSupport::basePath(), LMDesignElementMetaData()).value_or(LMUnconfiguredTemplateList());
    const bool aSame = aFromDom.size() == aFromStream.size();
    LMFuzzSupport::deleteAll(aFromDom);
    LMFuzzSupport::deleteAll(aFromStream);
    if (!aSame)
        std::abort();
    return 0;
}
