#include "LMTemplateFactorySVG.h"

#include "LMSVGPageReader_p.h"

#include "LMCrashReportSender.h"
#include "LMFileHandler.h"
#include "LMFolderListing.h"
#include "LMKeyAccount.h"
#include "LMMath.h"
#include "LMReloadableResourcesManager.h"
#include "LMSVGMetaData.h"
#include "LMSVGNormalizer.h"
#include "LMSVGTransformReader.h"
#include "LMTemplate.h"
#include "LMTemplateBundleRegistry.h"
#include "LMTemplatesLogging.h"
#include "LMXMLLoader.h"
#include "LMXMLParser.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSet>
#include <QTransform>

#include <cmath>

const QString LMTemplateFactorySVG::STR_ASSOCIATION = QStringLiteral("association");
const QString LMTemplateFactorySVG::STR_ASSOCIATIONS = QStringLiteral("associations");
const QString LMTemplateFactorySVG::STR_LIST_SEPARATOR = QStringLiteral(",");
const QString LMTemplateFactorySVG::STR_NAMESPACE_URI = QStringLiteral("urn:lumo");

namespace {
bool isFinite(const QRectF& theRect)
{
    return std::isfinite(theRect.x()) && std::isfinite(theRect.y()) && std::isfinite(theRect.width())
        && std::isfinite(theRect.height());
}

QString reportText(const QString& theOperation, const QFileInfo& theFile)
{
    const QFileInfo aFolder(theFile.absolutePath());
    return QStringLiteral("%1: FILE:%2 PARENT:%3 SIZE:%4 BIRTHTIME:%5 PARENTSIZE:%6 PARENTIME:%7")
        .arg(theOperation, theFile.absoluteFilePath(), aFolder.absoluteFilePath())
        .arg(theFile.size())
        .arg(theFile.birthTime().isValid() ? theFile.birthTime().toSecsSinceEpoch() : 0)
        .arg(aFolder.size())
        .arg(aFolder.birthTime().isValid() ? aFolder.birthTime().toSecsSinceEpoch() : 0);
}
} // namespace

LMTemplateFactorySVG::LMTemplateFactorySVG(const QDomDocument& theDocument, const QFileInfo& theRootFile)
    : myDocument(theDocument), myRootFile(theRootFile)
{
}

LMTemplateFactorySVG::~LMTemplateFactorySVG() = default;

QDomElement LMTemplateFactorySVG::rootElement() const
{
    return myDocument.documentElement();
}

QDomDocument LMTemplateFactorySVG::fetchDocument(const QFileInfo& theFile) const
{
    // The root document is prepared where it is, once; asked for again, the file is read anew.
    const bool anUseRoot = !myRootDocumentTaken && theFile.absoluteFilePath() == myRootFile.absoluteFilePath();
    QDomDocument aDocument = anUseRoot ? myDocument : LMXMLLoader::loadDocument(theFile, ourMaximumElements);
    myRootDocumentTaken = myRootDocumentTaken || anUseRoot;
    if (aDocument.isNull()) {
        qCWarning(lcFormats).noquote()
            << QStringLiteral("svg parse error: file %1 not found!").arg(theFile.absoluteFilePath());
        LMCrashReportSender::instance()->sendTextErrorToServer(reportText(QStringLiteral("fetchDocument"), theFile));
        return aDocument;
    }
    LMSVGNormalizer::prepareDomDocumentInPlace(aDocument, theFile,
                                               [] { return LMReloadableResourcesManager::instance()->designLogo(); });
    return aDocument;
}

LMUnconfiguredTemplateList LMTemplateFactorySVG::buildTemplates() const
{
    // The loader has said why the file could not be read.
    if (myDocument.isNull())
        return {};
    // The pages of a design and their folders are read as they stand.
    const LMFolderListing::Snapshot aSnapshot;
    const LMSVGMetaData aRootMetaData(myDocument, myRootFile);
    if (!aRootMetaData.keyAccounts().isEmpty()
        && !aRootMetaData.keyAccounts().contains(LMKeyAccount::instance()->keyAccountId()))
        return {};

    LMUnconfiguredTemplateList aTemplates;
    QSet<QString> aReadPages;
    for (const QString& aPage : aRootMetaData.allMultiPageFiles()) {
        // "#..." names a part of the root document itself.
        QFileInfo aPageFile = aPage.startsWith(QLatin1Char('#')) ? myRootFile : QFileInfo(aPage);
        if (aPageFile.absoluteFilePath() != myRootFile.absoluteFilePath()) {
            // A page that is missing is reported by fetchDocument, as a broken one is.
            const QString aChecked = LMFileHandler::resolveContentReference(myRootFile.absolutePath(), aPage,
                                                                            LMFileHandler::MissingFile::Accepted);
            if (aChecked.isEmpty())
                continue;
            aPageFile = QFileInfo(aChecked);
        }
        // A page named twice (or the root named again) is one page of the design.
        if (aReadPages.contains(aPageFile.absoluteFilePath()))
            continue;
        aReadPages.insert(aPageFile.absoluteFilePath());
        const QDomDocument aDocument = fetchDocument(aPageFile);
        if (aDocument.isNull())
            continue;
        // The root page's block is the one already read.
        LMSVGMetaData aMetaData = aPageFile.absoluteFilePath() == myRootFile.absoluteFilePath()
            ? aRootMetaData
            : LMSVGMetaData(aDocument, aPageFile);
        aMetaData.setThumbnail(aRootMetaData.thumbnail());
        std::unique_ptr<LMTemplate> aTemplate = LMSVGPageReader(aDocument, aMetaData, aPageFile, myRootFile).parse();
        if (aTemplate && aTemplate->isValid())
            aTemplates.append(LMUnconfiguredTemplate(aTemplate.release()));
    }
    if (aTemplates.size() > 1)
        LMTemplateBundleRegistry::instance()->createBundle(aTemplates);
    return aTemplates;
}

bool LMTemplateFactorySVG::isPlaceholderText(const QString& theText)
{
    static const QRegularExpression ourPlaceholder(
        QStringLiteral("^(\\W*)i(\\W*)h(\\W*)r(\\s*)t(\\W*)e(\\W*)x(\\W*)t(\\W*)$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return ourPlaceholder.match(theText).hasMatch();
}

int LMTemplateFactorySVG::wholeDegrees(double theDegrees)
{
    // A transform that overflows gives no angle; the remainder keeps the cast inside int.
    if (!std::isfinite(theDegrees))
        return 0;
    const int aDegrees = int(std::fmod(theDegrees, 360.0)); // truncated, within (-360, 360)
    return aDegrees >= 0 ? aDegrees : aDegrees + 360;
}

QRectF LMTemplateFactorySVG::readRotatedRectStretched(const QDomElement& theElement, double theStretchFactor,
                                                      int* theDegrees)
{
    const QTransform aMatrix = LMSVGTransformReader::transformMatrix(theElement);
    const double anAngle = LMMath::calcRotation(aMatrix);
    QRectF aRect = LMXMLParser::readRectF(theElement, QRectF(0, 0, 0, 0));
    if (aRect.width() == 0 && aRect.height() == 0)
        aRect.setSize(LMXMLParser::readSizeF(theElement, QSizeF(0, 0)));
    const QPointF aFirst = aMatrix.map(aRect.topLeft());
    const QPointF aSecond = aMatrix.map(aRect.bottomRight());
    const QPointF aCentre = (aFirst + aSecond) / 2;
    const QTransform anUnturn
        = QTransform().translate(aCentre.x(), aCentre.y()).rotate(-anAngle).translate(-aCentre.x(), -aCentre.y());
    const QPointF aFirstUnturned = anUnturn.map(aFirst);
    const QPointF aSecondUnturned = anUnturn.map(aSecond);
    const QSizeF aSize((aSecondUnturned.x() - aFirstUnturned.x()) * theStretchFactor,
                       (aSecondUnturned.y() - aFirstUnturned.y()) * theStretchFactor);
    if (theDegrees)
        *theDegrees = wholeDegrees(anAngle);
    const QPointF aStretchedCentre = aCentre * theStretchFactor;
    const QRectF aResult(aStretchedCentre - QPointF(aSize.width() / 2, aSize.height() / 2), aSize);
    // Finite numbers can still overflow through a chain of transforms.
    if (!isFinite(aResult)) {
        qCWarning(lcFormats).noquote() << QStringLiteral("element \"%1\" has no finite geometry: left empty")
                                              .arg(theElement.attribute(QStringLiteral("id"), theElement.tagName()));
        return QRectF();
    }
    // Taken as written, but said: no author means a negative or astronomic slot.
    constexpr double LARGEST_SANE = 1e7;
    if (aRect.width() < 0 || aRect.height() < 0)
        qCWarning(lcFormats).noquote() << QStringLiteral("element \"%1\" has a negative size (%2 x %3)")
                                              .arg(theElement.attribute(QStringLiteral("id"), theElement.tagName()))
                                              .arg(aRect.width())
                                              .arg(aRect.height());
    else if (std::abs(aRect.x()) > LARGEST_SANE || std::abs(aRect.y()) > LARGEST_SANE || aRect.width() > LARGEST_SANE
             || aRect.height() > LARGEST_SANE)
        qCWarning(lcFormats).noquote() << QStringLiteral(
                                              "element \"%1\" has geometry beyond any page (%2, %3, %4 x %5)")
                                              .arg(theElement.attribute(QStringLiteral("id"), theElement.tagName()))
                                              .arg(aRect.x())
                                              .arg(aRect.y())
                                              .arg(aRect.width())
                                              .arg(aRect.height());
    return aResult;
}
