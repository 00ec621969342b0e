// Version-2 layout collections: the document's filter, layouts, areas, smart layouts, mirrors.
#include "LMDesignElementMetaData.h"
#include "LMFuzzSupport.h"
#include "LMTemplateFactoryXML2.h"
#include "LMXMLLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    const QDomDocument aDocument
        = LMXMLLoader::loadDocumentFromData(LMFuzzSupport::bytes(theData, theSize), QStringLiteral("fuzz.xml"));
    const LMTemplateFactoryXML2 aFactory(aDocument.documentElement().firstChildElement(QStringLiteral("filter")));
    LMFuzzSupport::deleteAll(aFactory.buildTemplates(aDocument, LMFuzzSupport::basePath(), LMDesignElementMetaData()));
    return 0;
}
