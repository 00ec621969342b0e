#include "LMDesignStyle.h"

#include "LMDecorationClipart.h"
#include "LMDirectoryConfig.h"
#include "LMDlpFeatureTag.h"
#include "LMTemplateContextGroup.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>

namespace {
const QString STR_DEBUG_HEADING = QStringLiteral("\nDesign Style:\n");
const QString STR_STORY_BOOK = QStringLiteral("story-book");
constexpr int USER_STYLE_SCORE = 2811;
constexpr qint32 USER_STYLE_ELEMENT_TYPE = 2;

const LMDesignStyleHeader& nullHeader()
{
    static const LMDesignStyleHeader ourHeader;
    return ourHeader;
}
} // namespace

LMDesignStyle::LMDesignStyle() : LMJig(LMJigTypeEnum::DesignStyle) { }

LMDesignStyle::LMDesignStyle(const QFileInfo& theFile)
    : LMJig(LMJigTypeEnum::DesignStyle), myImpl(new LMDesignStyleImpl(theFile))
{
    adoptHeader();
}

LMDesignStyle::LMDesignStyle(const LMDesignStyleHeader& theHeader, const LMDesignStylePages& thePages,
                             const LMDesignStyleRuleSets& theRuleSets, const LMDesignStyleTemplates& theTemplates)
    : LMJig(LMJigTypeEnum::DesignStyle), myImpl(new LMDesignStyleImpl(theHeader, thePages, theRuleSets, theTemplates))
{
    adoptHeader();
}

LMDesignStyle::LMDesignStyle(const LMDesignStyle& theOther) : LMJig(theOther.jigType()), myImpl(theOther.myImpl)
{
    setDesignElementID(theOther.designElementID());
    setCategorization(theOther.storedCategorization());
    setActive(theOther.isActive());
}

LMDesignStyle& LMDesignStyle::operator=(const LMDesignStyle& theOther)
{
    if (this == &theOther)
        return *this;
    myImpl = theOther.myImpl;
    setJigType(theOther.jigType());
    setDesignElementID(theOther.designElementID());
    setCategorization(theOther.storedCategorization());
    setActive(theOther.isActive());
    return *this;
}

LMDesignStyle::~LMDesignStyle() = default;

void LMDesignStyle::adoptHeader()
{
    setDesignElementID(header().designElementId());
    setCategorization(header().categorization());
}

const LMDesignStyleHeader& LMDesignStyle::header() const
{
    return myImpl ? myImpl->header() : nullHeader();
}

LMDesignStyle LMDesignStyle::createFromModel(const QString& theName, const QString& theProductionId,
                                             const LMDesignElementID& theId, const LMOrientation& theOrientation,
                                             int thePageCount)
{
    const QDateTime aNow = QDateTime::currentDateTime();
    LMDesignElementMetaData aRecord;
    aRecord.setName(theName);
    aRecord.setProductionId(theProductionId);
    aRecord.setDesignElementId(theId);
    aRecord.setScore(USER_STYLE_SCORE);
    aRecord.setIsVisible(true);
    aRecord.setPublished(aNow);
    aRecord.setLastChanged(aNow);
    aRecord.setDlpType(LMDlpType::fromInt(USER_STYLE_ELEMENT_TYPE));
    const LMThematicCategory aCategory = LMThematicCategory::userBookStyles();
    aRecord.setCategories(LMThematicCategorySet { aCategory });
    aRecord.setSupportedOrientations(QSet<LMOrientation> { theOrientation });
    aRecord.setFeature(LMDlpFeatureTag(STR_STORY_BOOK));
    LMDesignStyleHeader aHeader(aRecord);
    aHeader.setCategory(aCategory.visibleName());
    return LMDesignStyle(aHeader, LMDesignStylePages(thePageCount), LMDesignStyleRuleSets(), LMDesignStyleTemplates());
}

LMOrientation LMDesignStyle::allowedOrientations() const
{
    LMOrientation aSupported;
    for (const LMOrientation& anOrientation : header().supportedOrientations())
        aSupported |= anOrientation;
    return myImpl ? LMOrientation(aSupported & myImpl->templates().supportedOrientations()) : LMOrientation();
}

bool LMDesignStyle::fulfillsConstraints(const LMTemplateContextGroup& theGroup, bool theExplicitOnly,
                                        bool theIgnoreVariants) const
{
    return header().templateConstraints().fulfillsConstraints(theGroup, theExplicitOnly, theIgnoreVariants);
}

LMAreaDefinitionResult LMDesignStyle::areaDefinitions(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                                      const LMArticle& theArticle, const LMFotoList& theFotos) const
{
    return myImpl ? myImpl->areaDefinitions(thePoint, thePageCount, theArticle, theFotos) : LMAreaDefinitionResult();
}

LMTextFormatChange LMDesignStyle::textFormatChange(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                                   const LMArticle& theArticle, const LMAreaTextType& theTextType) const
{
    return myImpl ? myImpl->textFormatChange(thePoint, thePageCount, theArticle, theTextType) : LMTextFormatChange();
}

bool LMDesignStyle::definesDecorationPartOnPage(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                                const LMArticle& theArticle, const LMFotoList& theFotos,
                                                LMAreaDecorationPart thePart) const
{
    return myImpl && myImpl->definesDecorationPartOnPage(thePoint, thePageCount, theArticle, theFotos, thePart);
}

int LMDesignStyle::fotoCount(const LMArticle& theArticle, const LMDesignStyleReferencePoint& thePoint,
                             int thePageCount) const
{
    return myImpl ? myImpl->fotoCount(theArticle, thePoint, thePageCount) : 0;
}

QList<LMDesignElementID> LMDesignStyle::layoutCollectionIDs() const
{
    return myImpl ? myImpl->layoutCollectionIDs() : QList<LMDesignElementID>();
}

QList<LMDesignElementID> LMDesignStyle::layoutCollectionIDsForPage(int thePage, int thePageCount,
                                                                   const LMOrientation& theOrientation) const
{
    return myImpl ? myImpl->layoutCollectionIDsForPage(thePage, thePageCount, theOrientation)
                  : QList<LMDesignElementID>();
}

int LMDesignStyle::doublePageTemplateCount() const
{
    return myImpl ? myImpl->doublePageTemplateCount() : 0;
}

int LMDesignStyle::normalPageCount(const LMCoverType& theCoverType) const
{
    return myImpl ? myImpl->normalPageCount(theCoverType) : 0;
}

int LMDesignStyle::coverDoublePages(const LMCoverType& theCoverType) const
{
    return myImpl ? myImpl->coverDoublePages(theCoverType) : 0;
}

bool LMDesignStyle::isEmptyPage(int thePage, const LMCoverType& theCoverType) const
{
    return myImpl && myImpl->isEmptyPage(thePage, theCoverType);
}

bool LMDesignStyle::hasVirtualPages() const
{
    return myImpl && myImpl->hasVirtualPages();
}

void LMDesignStyle::updateDisignVirtualInnerPages()
{
    if (myImpl)
        myImpl->updateDisignVirtualInnerPages(0);
}

LMDesignElementIDSet LMDesignStyle::requiredDesignElementIDs(const LMOrientation& theOrientation) const
{
    return myImpl ? myImpl->requiredDesignElementIDs(theOrientation) : LMDesignElementIDSet();
}

QSet<QString> LMDesignStyle::requiredFontFamilies() const
{
    return myImpl ? myImpl->requiredFontFamilies() : QSet<QString>();
}

bool LMDesignStyle::canHaveOsmMap() const
{
    return myImpl && myImpl->canHaveOsmMap();
}

LMPageNumberConfig LMDesignStyle::pageNumberConfig() const
{
    return myImpl ? myImpl->pageNumberConfig() : LMPageNumberConfig();
}

LMDecorationClipart* LMDesignStyle::spineLogo(const LMArticle& theArticle) const
{
    return myImpl ? myImpl->spineLogo(theArticle) : nullptr;
}

QColor LMDesignStyle::spineLogoBackgroundColor(const LMArticle& theArticle) const
{
    return myImpl ? myImpl->spineLogoBackgroundColor(theArticle) : QColor();
}

int LMDesignStyle::spineLogoWidth(const LMArticle& theArticle) const
{
    return myImpl ? myImpl->spineLogoWidth(theArticle) : 0;
}

bool LMDesignStyle::isMoreImportantThan(const LMDesignStyle& theOther) const
{
    if (wasInstalledManuallyByUser() && !theOther.wasInstalledManuallyByUser())
        return true;
    return lastChanged() >= theOther.lastChanged();
}

bool LMDesignStyle::wasInstalledManuallyByUser() const
{
    if (!myImpl || myImpl->sourceFile().filePath().isEmpty())
        return false;
    const QString aBase = LMDirectoryConfig::instance()->addOnsBasePath();
    return !aBase.isEmpty() && myImpl->directory().absolutePath().startsWith(aBase, Qt::CaseSensitive);
}

bool LMDesignStyle::matchSearchKeyword(const QString& theKeyword) const
{
    return LMJig::matchSearchKeyword(theKeyword) || visibleName().contains(theKeyword, Qt::CaseInsensitive);
}

LMJigKey LMDesignStyle::createKey() const
{
    return LMJigKey(QString(), QString(), jigType(), designElementID());
}

QString LMDesignStyle::createStyleName() const
{
    QStringList aParts = visibleName().replace(QLatin1Char(' '), QLatin1Char('_')).split(QLatin1Char('_'));
    std::reverse(aParts.begin(), aParts.end());
    return aParts.join(QLatin1Char('_'));
}

QString LMDesignStyle::basicDragAndDropHint() const
{
    return basicDragAndDropHintSkeleton().arg(QCoreApplication::translate("LMDesignStyle", "diese Designvorlage"));
}

QString LMDesignStyle::basicDragAndDropHintSkeleton()
{
    return QCoreApplication::translate("LMDesignStyle", "Ziehen Sie %1 mit der Maus auf die gewünschte Seite.");
}

QString LMDesignStyle::masterModeToolTip() const
{
    return QStringLiteral("%1 (%2)\nPRICE_CLASS: %3\nINNER_PAGES_PRICE_CLASS: %4\nCOVER_PRICE_CLASS: %5")
        .arg(visibleName(), visibleDescription(), priceClasses().toStringList().join(QLatin1Char(',')),
             header().priceClassesInnerPages().toStringList().join(QLatin1Char(',')),
             header().priceClassesCover().toStringList().join(QLatin1Char(',')));
}

QString LMDesignStyle::toDebugString() const
{
    return STR_DEBUG_HEADING + (myImpl ? myImpl->toDebugString() : QString());
}

bool LMDesignStyle::save(const QFileInfo& theFile) const
{
    return myImpl && myImpl->save(theFile);
}

bool operator==(const LMDesignStyle& theA, const LMDesignStyle& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    if (!theA.myImpl || !theB.myImpl)
        return false;
    return *theA.myImpl == *theB.myImpl;
}
