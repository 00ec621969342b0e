#include "LMTestSupport.h"

#include "LMCategoryType.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionList.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>

namespace LMTestSupport {

QString dataPath(const QString& theRelativePath)
{
    // QFINDTESTDATA's search with tests/data as the source folder: a fixture that is not there is
    // named in a warning (which fails the tests that refuse warnings), not read as an empty file.
    const QString aFound = QTest::qFindTestData(theRelativePath, LM_TEST_DATA_DIR "/.", __LINE__);
    return aFound.isEmpty() ? QDir(QStringLiteral(LM_TEST_DATA_DIR)).absoluteFilePath(theRelativePath) : aFound;
}

QString writeFile(const QTemporaryDir& theDir, const QString& theRelativePath, const QByteArray& theContent)
{
    const QString aPath = theDir.filePath(theRelativePath);
    QDir().mkpath(QFileInfo(aPath).absolutePath());
    QFile aFile(aPath);
    if (!aFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write fixture %s", qPrintable(aPath));
    aFile.write(theContent);
    return aPath;
}

QByteArray fixture(const QString& theRelativePath)
{
    QFile aFile(dataPath(theRelativePath));
    return aFile.open(QIODevice::ReadOnly) ? aFile.readAll() : QByteArray();
}

QDomElement parseXml(QDomDocument& theDocument, const QString& theXml)
{
    if (!theDocument.setContent(theXml))
        qFatal("no XML: %s", qPrintable(theXml));
    return theDocument.documentElement();
}

void expectWarnings(const QStringList& theWarnings)
{
    for (const QString& aWarning : theWarnings)
        QTest::ignoreMessage(QtWarningMsg, qUtf8Printable(aWarning));
}

bool copyFixtureTree(const QString& theRelativePath, const QString& theTarget)
{
    const QDir aSource(dataPath(theRelativePath));
    QDirIterator anIt(aSource.path(), QDir::Files, QDirIterator::Subdirectories);
    bool anOk = aSource.exists();
    while (anIt.hasNext()) {
        const QString aTarget = QDir(theTarget).filePath(aSource.relativeFilePath(anIt.next()));
        anOk = QDir().mkpath(QFileInfo(aTarget).absolutePath()) && QFile::copy(anIt.filePath(), aTarget)
            && QFile::setPermissions(aTarget, QFileDevice::ReadOwner | QFileDevice::WriteOwner) && anOk;
    }
    return anOk;
}

QJsonObject ToolResult::json() const
{
    return QJsonDocument::fromJson(out).object();
}

ToolResult runTool(const QString& theProgram, const QStringList& theArguments, const QString& theUserDataDir,
                   const QString& theContentDir)
{
    QProcess aProcess;
    QProcessEnvironment anEnvironment = QProcessEnvironment::systemEnvironment();
    anEnvironment.insert(QStringLiteral("LM_USER_DATA_DIR"), theUserDataDir);
    anEnvironment.remove(QStringLiteral("LM_CONTENT_DIR"));
    if (!theContentDir.isEmpty())
        anEnvironment.insert(QStringLiteral("LM_CONTENT_DIR"), theContentDir);
    aProcess.setProcessEnvironment(anEnvironment);
    aProcess.start(theProgram, theArguments);
    ToolResult aResult;
    if (!aProcess.waitForFinished(120000) || aProcess.exitStatus() != QProcess::NormalExit) {
        qWarning() << theProgram << "did not finish normally:" << theArguments << aProcess.readAllStandardError();
        return aResult;
    }
    aResult.exitCode = aProcess.exitCode();
    aResult.out = aProcess.readAllStandardOutput();
    aResult.err = aProcess.readAllStandardError();
    return aResult;
}

QString jsonDump(const QJsonObject& theObject, const char* theKeys)
{
    QStringList aPairs;
    for (const QString& aKey : words(theKeys)) {
        QJsonValue aValue = theObject;
        for (const QString& aPart : aKey.split(QLatin1Char('/')))
            aValue = aValue.toObject().value(aPart);
        QString aText = aValue.isArray() ? QStringLiteral("#%1").arg(aValue.toArray().size())
            : aValue.isUndefined()       ? QStringLiteral("-")
                                         : aValue.toVariant().toString();
        aPairs.append(aKey + QLatin1Char('=') + aText);
    }
    return aPairs.join(QLatin1Char(' '));
}

QDomElement elementWithId(const QDomElement& theElement, const QString& theId)
{
    if (theElement.attribute(QStringLiteral("id")) == theId)
        return theElement;
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement()) {
        const QDomElement aFound = elementWithId(aChild, theId);
        if (!aFound.isNull())
            return aFound;
    }
    return QDomElement();
}

namespace {
QString sortedNames(const LMThematicCategorySet& theSet)
{
    QStringList aNames = theSet.internalNames();
    aNames.sort();
    return aNames.join(u',');
}
} // namespace

QString templateSummary(const LMTemplate& theTemplate, const QString& theBasePath)
{
    QStringList aParts;
    const auto add = [&](bool theSet, const char* theKey, const QVariant& theValue) {
        if (theSet)
            aParts.append(QLatin1String(theKey) + QLatin1Char('=') + theValue.toString());
    };
    const LMTemplate& aTemplate = theTemplate;
    const LMArticlesGroup aGroup = aTemplate.articleGroup();
    const LMProductRestriction aRestriction
        = aGroup.restrictions().isEmpty() ? LMProductRestriction() : aGroup.restrictions().first();
    const int aPages = int(aTemplate.pageConstraint().pageTypes().value());
    const QString aSpotCategories = sortedNames(aTemplate.thematicCategories(LMCategoryTypeEnum::SpotColor));
    QStringList aProducts = aGroup.explicitArticles().orderTxtNames();
    aProducts.sort();
    const LMTemplateAreaDefinitionList& anAreas = aTemplate.areaDefinitions();
    add(aGroup.restrictions().size() > 1, "restrictions", int(aGroup.restrictions().size()));
    add(aTemplate.jigType().value() != 0, "jig", int(aTemplate.jigType().value()));
    add(aTemplate.designElementID().isValid(), "id", aTemplate.designElementID().id());
    add(aTemplate.templateLayerType().value() != 1, "layer", int(aTemplate.templateLayerType().value()));
    add(aPages != 0x6D006E, "pages", QString::number(aPages, 16));
    add(aRestriction.articleClasses().value() != 0, "classes", int(aRestriction.articleClasses().value()));
    add(aRestriction.orientations().value() != 0, "orientations", int(aRestriction.orientations().value()));
    add(!aProducts.isEmpty(), "products", aProducts.join(u','));
    add(aTemplate.supportedOrientation().value() != 31, "supported", int(aTemplate.supportedOrientation().value()));
    add(aTemplate.priceClass().toString() != QLatin1String("01"), "price", aTemplate.priceClass().toString());
    for (const auto& [aType, aKey] :
         { std::pair(LMCategoryTypeEnum::Subcategory, "categories"), std::pair(LMCategoryTypeEnum::Theme, "themes"),
           std::pair(LMCategoryTypeEnum::Internal, "internal") })
        add(!aTemplate.thematicCategories(aType).isEmpty(), aKey, sortedNames(aTemplate.thematicCategories(aType)));
    add(!aTemplate.articleVariants().isEmpty(), "variants", aTemplate.articleVariants().toStringList().join(u' '));
    add(aTemplate.spotColor().value() != 0, "spot",
        QStringLiteral("%1:%2:%3")
            .arg(int(aTemplate.spotColor().value()))
            .arg(aTemplate.fileInfo().spotColorFile(), aSpotCategories));
    add(aTemplate.spotColor().value() == 0 && !(aSpotCategories + aTemplate.fileInfo().spotColorFile()).isEmpty(),
        "stray spot", aSpotCategories);
    add(aTemplate.spotColorLayerType() != aTemplate.templateLayerType() && aTemplate.spotColor().value() != 0,
        "spot layer", int(aTemplate.spotColorLayerType().value()));
    add(aTemplate.isUserLayout(), "user", true);
    add(aTemplate.locksLayout(), "locks", true);
    add(aTemplate.isUsableByAssistant(), "assistant", true);
    add(aTemplate.isLandscapeSingleSided(), "single-sided", true);
    add(aTemplate.sort() != 0, "sort", aTemplate.sort());
    add(aTemplate.viewAngle().degrees() != 0, "view", aTemplate.viewAngle().degrees());
    add(aTemplate.possibleMirrorings().isValid(), "mirror", int(aTemplate.possibleMirrorings().value()));
    add(!aTemplate.fileInfo().thumbnailFile().isEmpty(), "thumbnail", aTemplate.fileInfo().thumbnailFile());
    add(aTemplate.fileInfo().filePath() != theBasePath, "path", aTemplate.fileInfo().filePath());
    add(anAreas.count() != 0, "areas", int(anAreas.count()));
    add(anAreas.count(LMAreaTypeEnum::Foto) != 0, "photos", int(anAreas.count(LMAreaTypeEnum::Foto)));
    add(anAreas.count(LMAreaTypeEnum::Text) != 0, "texts", int(anAreas.count(LMAreaTypeEnum::Text)));
    add(aTemplate.minimumProductSize().value() != 0, "minimum", int(aTemplate.minimumProductSize().value()));
    add(aTemplate.defaultRotation().isDefined(), "tilt", aTemplate.defaultRotation().angle().degrees());
    add(aTemplate.frameMaterial().value() != 0, "material", int(aTemplate.frameMaterial().value()));
    add(aTemplate.autoThumbSetting().value() != 5, "autothumb", int(aTemplate.autoThumbSetting().value()));
    return aParts.join(u' ');
}

QStringList templateNames(const LMUnconfiguredTemplateList& theTemplates)
{
    QStringList aNames;
    for (const LMUnconfiguredTemplate& aTemplate : theTemplates)
        aNames.append(aTemplate.name());
    return aNames;
}

FileSizeLimit::FileSizeLimit(unsigned long theBytes)
{
    rlimit aLimit {};
    if (getrlimit(RLIMIT_FSIZE, &aLimit) != 0)
        return;
    myPreviousLimit = aLimit.rlim_cur;
    aLimit.rlim_cur = theBytes;
    if (setrlimit(RLIMIT_FSIZE, &aLimit) != 0)
        return;
    myPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    myActive = true;
}

FileSizeLimit::~FileSizeLimit()
{
    if (!myActive)
        return;
    rlimit aLimit {};
    getrlimit(RLIMIT_FSIZE, &aLimit);
    aLimit.rlim_cur = myPreviousLimit;
    setrlimit(RLIMIT_FSIZE, &aLimit);
    std::signal(SIGXFSZ, myPreviousHandler);
}

} // namespace LMTestSupport
