#include "LMProductCatalogue.h"

#include "LMDirectoryConfig.h"
#include "LMJsonParser.h"
#include "LMPlatformLogging.h"
#include "LMSingletonDefinition.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QReadWriteLock>

LM_DEFINE_SINGLETON(LMProductCatalogue)

namespace {
const QString STR_CATALOGUE_FILE = QStringLiteral("products/catalogue.json");
const QString STR_CURRENCY = QStringLiteral("currency");
const QString STR_ARTICLES = QStringLiteral("articles");
const QString STR_PASSEPARTOUT_CODE_CHANGES = QStringLiteral("passepartoutCodeChanges");

// One read catalogue; built without a lock, then installed as a whole.
struct LMCatalogueContent
{
    QString myFilePath;
    QString myCurrency = LMMoney::defaultCurrency();
    LMArticleList myArticles;
    QHash<qint32, qsizetype> myById;
    QHash<QString, qsizetype> myByOrderName;
    QList<QPair<QString, QString>> myPassepartoutCodeChanges;
};

void warn(const QString& theFile, const QString& theText)
{
    qCWarning(lcPlatformProduct).noquote() << QStringLiteral("product catalogue %1: %2").arg(theFile, theText);
}

// Pairs [old, current] of non-empty texts; a bad entry is skipped with a warning.
void readPassepartoutCodeChanges(const QJsonObject& theRoot, LMCatalogueContent* theContent)
{
    const QJsonValue aValue = theRoot.value(STR_PASSEPARTOUT_CODE_CHANGES);
    if (aValue.isUndefined())
        return;
    if (!aValue.isArray()) {
        warn(theContent->myFilePath, QStringLiteral("\"passepartoutCodeChanges\" is not a list"));
        return;
    }
    const QJsonArray aPairs = aValue.toArray();
    for (qsizetype anIndex = 0; anIndex < aPairs.size(); ++anIndex) {
        const QJsonArray aPair = aPairs.at(anIndex).toArray();
        const QString anOld = aPair.at(0).toString().trimmed();
        const QString aNew = aPair.at(1).toString().trimmed();
        if (aPair.size() != 2 || anOld.isEmpty() || aNew.isEmpty()) {
            warn(theContent->myFilePath,
                 QStringLiteral("passepartout code change %1 skipped: not a pair of two codes").arg(anIndex));
            continue;
        }
        theContent->myPassepartoutCodeChanges.append({ anOld, aNew });
    }
}

LMCatalogueContent readCatalogue(const QString& theFilePath)
{
    LMCatalogueContent aContent;
    const QFileInfo aFile(theFilePath);
    if (!aFile.exists())
        return aContent;
    aContent.myFilePath = aFile.absoluteFilePath();
    const QJsonDocument aDocument = LMJsonParser::loadDocument(aFile);
    if (aDocument.isNull())
        return aContent;
    if (!aDocument.isObject()) {
        warn(aContent.myFilePath, QStringLiteral("the document is not an object"));
        return aContent;
    }
    const QJsonObject aRoot = aDocument.object();
    const QJsonValue aCurrency = aRoot.value(STR_CURRENCY);
    if (aCurrency.isString() && !aCurrency.toString().trimmed().isEmpty())
        aContent.myCurrency = aCurrency.toString().trimmed().toUpper();
    else if (!aCurrency.isUndefined())
        warn(aContent.myFilePath, QStringLiteral("\"currency\" is not a currency code"));
    readPassepartoutCodeChanges(aRoot, &aContent);

    const QJsonValue anArticles = aRoot.value(STR_ARTICLES);
    if (!anArticles.isArray()) {
        if (!anArticles.isUndefined())
            warn(aContent.myFilePath, QStringLiteral("\"articles\" is not a list"));
        return aContent;
    }
    const QJsonArray anEntries = anArticles.toArray();
    for (qsizetype anIndex = 0; anIndex < anEntries.size(); ++anIndex) {
        const QString aWhere = QStringLiteral("article %1").arg(anIndex);
        if (!anEntries.at(anIndex).isObject()) {
            warn(aContent.myFilePath, aWhere + QStringLiteral(" skipped: not an object"));
            continue;
        }
        QStringList aProblems;
        const LMArticle anArticle
            = LMArticle::fromCatalogueEntry(anEntries.at(anIndex).toObject(), aContent.myCurrency, &aProblems);
        if (anArticle.isNull()) {
            warn(aContent.myFilePath, aWhere + QStringLiteral(" skipped: ") + aProblems.join(QLatin1String("; ")));
            continue;
        }
        for (const QString& aProblem : std::as_const(aProblems))
            warn(aContent.myFilePath, aWhere + QStringLiteral(": ") + aProblem);
        const QString aKey = anArticle.orderTxtName().toLower();
        if (aContent.myById.contains(anArticle.id()) || aContent.myByOrderName.contains(aKey)) {
            warn(aContent.myFilePath,
                 aWhere
                     + QStringLiteral(" skipped: id %1 or order name %2 is listed before")
                           .arg(anArticle.id())
                           .arg(anArticle.orderTxtName()));
            continue;
        }
        aContent.myById.insert(anArticle.id(), aContent.myArticles.size());
        aContent.myByOrderName.insert(aKey, aContent.myArticles.size());
        aContent.myArticles.append(anArticle);
    }
    return aContent;
}
} // namespace

class LMProductCatalogueImpl
{
public:
    mutable QReadWriteLock myLock;
    bool myLoaded = false;
    LMCatalogueContent myContent;
};

LMProductCatalogue::LMProductCatalogue() : myImpl(std::make_unique<LMProductCatalogueImpl>()) { }

LMProductCatalogue::~LMProductCatalogue() = default;

QString LMProductCatalogue::relativeFilePath()
{
    return STR_CATALOGUE_FILE;
}

bool LMProductCatalogue::reload()
{
    return load(LMDirectoryConfig::instance()->contentPath(STR_CATALOGUE_FILE));
}

bool LMProductCatalogue::load(const QString& theFilePath)
{
    LMCatalogueContent aContent = readCatalogue(theFilePath);
    const bool aRead = !aContent.myFilePath.isEmpty();
    const QWriteLocker aLocker(&myImpl->myLock);
    myImpl->myContent = std::move(aContent);
    myImpl->myLoaded = true;
    return aRead;
}

void LMProductCatalogue::ensureLoaded() const
{
    {
        const QReadLocker aLocker(&myImpl->myLock);
        if (myImpl->myLoaded)
            return;
    }
    // Parsed outside the lock; a catalogue installed meanwhile by another thread wins.
    LMCatalogueContent aContent = readCatalogue(LMDirectoryConfig::instance()->contentPath(STR_CATALOGUE_FILE));
    const QWriteLocker aLocker(&myImpl->myLock);
    if (!myImpl->myLoaded) {
        myImpl->myContent = std::move(aContent);
        myImpl->myLoaded = true;
    }
}

QString LMProductCatalogue::filePath() const
{
    ensureLoaded();
    const QReadLocker aLocker(&myImpl->myLock);
    return myImpl->myContent.myFilePath;
}

QString LMProductCatalogue::currency() const
{
    ensureLoaded();
    const QReadLocker aLocker(&myImpl->myLock);
    return myImpl->myContent.myCurrency;
}

LMArticleList LMProductCatalogue::articles() const
{
    ensureLoaded();
    const QReadLocker aLocker(&myImpl->myLock);
    return myImpl->myContent.myArticles;
}

qsizetype LMProductCatalogue::count() const
{
    ensureLoaded();
    const QReadLocker aLocker(&myImpl->myLock);
    return myImpl->myContent.myArticles.size();
}

LMArticle LMProductCatalogue::findById(qint32 theId) const
{
    ensureLoaded();
    const QReadLocker aLocker(&myImpl->myLock);
    const auto aFound = myImpl->myContent.myById.constFind(theId);
    return aFound == myImpl->myContent.myById.cend() ? LMArticle() : myImpl->myContent.myArticles.at(*aFound);
}

LMArticle LMProductCatalogue::findByOrderTxtName(const QString& theOrderTxtName) const
{
    ensureLoaded();
    const QReadLocker aLocker(&myImpl->myLock);
    const auto aFound = myImpl->myContent.myByOrderName.constFind(theOrderTxtName.trimmed().toLower());
    return aFound == myImpl->myContent.myByOrderName.cend() ? LMArticle() : myImpl->myContent.myArticles.at(*aFound);
}

QList<QPair<QString, QString>> LMProductCatalogue::passepartoutCodeChanges() const
{
    ensureLoaded();
    const QReadLocker aLocker(&myImpl->myLock);
    return myImpl->myContent.myPassepartoutCodeChanges;
}
