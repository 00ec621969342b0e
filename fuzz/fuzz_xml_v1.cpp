// Version-1 template lists: templates and backgrounds by their attributes and filters.
#include "LMDesignElementMetaData.h"
#include "LMFuzzSupport.h"
#include "LMTemplateFactoryXML.h"
#include "LMXMLElement.h"
#include "LMXMLLoader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* theData, size_t theSize)
{
    LMFuzzSupport::init();
    const QDomDocument aDocument
        = LMXMLLoader::loadDocumentFromData(LMFuzzSupport::bytes(theData, theSize), QStringLiteral("fuzz.xml"));
    for (QDomElement anElement = aDocument.documentElement().firstChildElement(QStringLiteral("template"));
         !anElement.isNull(); anElement = anElement.nextSiblingElement(QStringLiteral("template"))) {
        LMUnconfiguredTemplate aTemplate
            = LMTemplateFactoryXML::createTemplate(anElement, LMFuzzSupport::basePath(), LMDesignElementMetaData());
        if (!aTemplate.isNull())
            aTemplate.deleteTemplate();
    }
    return 0;
}
