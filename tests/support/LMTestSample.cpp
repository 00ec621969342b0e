#include "LMTestSample.h"

#include "LMArticle.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplateRegistry.h"

bool LMTestSupport::openSampleContent(const QTemporaryDir& theUserData, const QStringList& theArticles)
{
    LMDirectoryConfig::instance()->setContentRoot(LMDirectoryConfig::sampleContentRoot());
    LMDirectoryConfig::instance()->setUserDataDir(theUserData.path());
    if (!LMProductCatalogue::instance()->reload())
        return false;
    for (const QString& anArticle : theArticles)
        LMTemplateRegistry::instance()->loadTemplates(LMArticle::fromOrderTxtName(anArticle));
    return true;
}
