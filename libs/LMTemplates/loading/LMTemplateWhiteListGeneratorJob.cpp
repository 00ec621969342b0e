#include "LMTemplateWhiteListGeneratorJob.h"

#include "LMSVGMetaData.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplatesLogging.h"
#include "LMTemplateWhiteListGeneratorInfo.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QDomElement>

#include <functional>

namespace {
const QString STR_TEMPLATES2 = QStringLiteral("templates2");
const QString STR_FILTER = QStringLiteral("filter");
} // namespace

LMTemplateWhiteListGeneratorJob::LMTemplateWhiteListGeneratorJob(LMTemplateWhiteListGeneratorInfo* theInfo)
    : myInfo(theInfo)
{
    Q_ASSERT_X(theInfo, "LMTemplateWhiteListGeneratorJob", "a generator job needs its info");
}

bool LMTemplateWhiteListGeneratorJob::doStuff() const
{
    const QFileInfo aFile = myInfo->sourceFile().fileInfo();
    const QDomDocument aDocument = LMXMLLoader::loadDocument(aFile);
    const QDomElement aRoot = aDocument.documentElement();
    if (aRoot.isNull()) {
        qCWarning(lcLoading).noquote() << "could not open template file" << aFile.absoluteFilePath();
        return false;
    }

    LMArticlesGroup aFilter;
    switch (detectFileType(aRoot)) {
    case FileType::Templates:
        aFilter = LMTemplateFactoryXMLAbstract().parseFilters(aRoot);
        if (!aFilter.isValid())
            qCWarning(lcLoading).noquote() << "(t1) there is no filter in" << aFile.absoluteFilePath();
        break;
    case FileType::Templates2:
        aFilter = templates2Filter(aRoot, aFile);
        break;
    case FileType::Collection:
        for (QDomElement aBlock = aRoot.firstChildElement(STR_TEMPLATES2); !aBlock.isNull();
             aBlock = aBlock.nextSiblingElement(STR_TEMPLATES2))
            aFilter.unite(templates2Filter(aBlock, aFile));
        break;
    case FileType::Svg:
        aFilter = LMArticlesGroup(LMSVGMetaData(aDocument, aFile).effectiveTargetArticles());
        break;
    case FileType::Template:
    case FileType::Unknown:
        // A single layout names no products; nothing else is a template file.
        break;
    }
    myInfo->setProductFilter(aFilter);
    return true;
}

LMArticlesGroup LMTemplateWhiteListGeneratorJob::templates2Filter(const QDomElement& theTemplates2,
                                                                  const QFileInfo& theFile)
{
    const LMArticlesGroup aFilter
        = LMTemplateFactoryXML2(theTemplates2.firstChildElement(STR_FILTER)).parseFilters(theTemplates2);
    if (!aFilter.isValid())
        qCWarning(lcLoading).noquote() << "(t2) there is no filter in" << theFile.absoluteFilePath();
    return aFilter;
}

std::unique_ptr<LMBackgroundJob> LMTemplateWhiteListGeneratorJob::clone() const
{
    return std::make_unique<LMTemplateWhiteListGeneratorJob>(*this);
}

size_t LMTemplateWhiteListGeneratorJob::hash() const
{
    return std::hash<const void*>()(myInfo);
}

bool LMTemplateWhiteListGeneratorJob::operator==(const LMBackgroundJob& theOther) const
{
    const auto* anOther = dynamic_cast<const LMTemplateWhiteListGeneratorJob*>(&theOther);
    return anOther && anOther->myInfo == myInfo;
}
