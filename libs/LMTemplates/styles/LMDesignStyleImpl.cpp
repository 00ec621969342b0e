#include "LMDesignStyleImpl.h"

#include "LMDecorationClipart.h"
#include "LMDecorationRegistry.h"
#include "LMDesignStyleAreas.h"
#include "LMPageAlignment.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateContext.h"
#include "LMXMLBuilder.h"
#include "LMXMLLoader.h"

#include <QStringList>

namespace {
const QString STR_DESIGN_STYLE_V2 = QStringLiteral("designStyleV2");
const QString STR_PAGES = QStringLiteral("pages");
const QString STR_TEMPLATES = QStringLiteral("templates");
const QString STR_RULESETS = QStringLiteral("rulesets");
const QString STR_JSON_SUFFIX = QStringLiteral(".json");
// The first inner page of a book, whose template the synthesised inner pages take their layouts from.
constexpr int FIRST_INNER_PAGE = 4;
constexpr int VIRTUAL_PAGES_BY_DEFAULT = 51;
constexpr int SPINE_PAGE = 1;
constexpr int SPINE_LOGO_WIDTH = 400;

// The child of that name; without one the warning that names it and a null element.
QDomElement requiredChild(const QDomElement& theRoot, const QString& theTagName)
{
    const QDomElement aChild = theRoot.firstChildElement(theTagName);
    if (aChild.isNull())
        qWarning("%s", qUtf8Printable(QStringLiteral("element '%1' not found").arg(theTagName)));
    return aChild;
}
} // namespace

LMDesignStyleImpl::LMDesignStyleImpl(const QFileInfo& theFile)
    : mySourceFile(theFile), myDirectory(theFile.absoluteDir())
{
    readData();
}

LMDesignStyleImpl::LMDesignStyleImpl(const LMDesignStyleHeader& theHeader, const LMDesignStylePages& thePages,
                                     const LMDesignStyleRuleSets& theRuleSets,
                                     const LMDesignStyleTemplates& theTemplates)
    : myPages(thePages), myTemplates(theTemplates), myRuleSets(theRuleSets), myNull(false)
{
    setHeader(theHeader);
}

QFileInfo LMDesignStyleImpl::metaDataFile(const QFileInfo& theStyleFile)
{
    return QFileInfo(theStyleFile.absoluteDir(), theStyleFile.completeBaseName() + STR_JSON_SUFFIX);
}

void LMDesignStyleImpl::readData()
{
    const QDomDocument aDocument = LMXMLLoader::loadDocument(mySourceFile);
    // The loader has said why a file gives no document.
    if (aDocument.isNull())
        return;
    const QDomElement aRoot = aDocument.documentElement();
    if (aRoot.tagName() != STR_DESIGN_STYLE_V2) {
        qWarning(
            "%s",
            qUtf8Printable(
                QStringLiteral("wrong element. Expected: '%1'; found '%2'").arg(STR_DESIGN_STYLE_V2, aRoot.tagName())));
        return;
    }
    myNull = false;
    setHeader(LMDesignStyleHeader(aRoot, metaDataFile(mySourceFile)));
    myPages = LMDesignStylePages(requiredChild(aRoot, STR_PAGES));
    myTemplates = LMDesignStyleTemplates(requiredChild(aRoot, STR_TEMPLATES));
    myRuleSets = LMDesignStyleRuleSets(requiredChild(aRoot, STR_RULESETS));
    myPageNumbers = LMDesignStylePageNumbers(aRoot);
}

QDomDocument LMDesignStyleImpl::document() const
{
    if (myNull || mySourceFile.filePath().isEmpty())
        return QDomDocument();
    return LMXMLLoader::loadDocument(mySourceFile);
}

void LMDesignStyleImpl::setHeader(const LMDesignStyleHeader& theHeader)
{
    myHeader = theHeader;
    myMetaData = theHeader.metaData();
    myPageBinding = theHeader.pageBinding();
}

QDomDocument LMDesignStyleImpl::buildXML(const QFileInfo& theTarget) const
{
    Q_UNUSED(theTarget) // the file names no other file: nothing is written relative to it
    QDomDocument aDocument;
    QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, STR_DESIGN_STYLE_V2);
    myHeader.buildXML(aRoot);
    myPages.buildXML(aRoot);
    myTemplates.buildXML(aRoot);
    myRuleSets.buildXML(aRoot);
    myPageNumbers.buildXML(aRoot);
    return aDocument;
}

bool LMDesignStyleImpl::save(const QFileInfo& theTarget) const
{
    return LMXMLBuilder::saveUTF8(buildXML(theTarget), theTarget) && myHeader.metaData().save(metaDataFile(theTarget));
}

QString LMDesignStyleImpl::toDebugString() const
{
    QStringList aLines { myHeader.toDebugString(), myPages.toDebugString(), myTemplates.toDebugString() };
    if (!myRuleSets.isEmpty())
        aLines << myRuleSets.toDebugString();
    aLines << myPageNumbers.toDebugString();
    return aLines.join(QLatin1Char('\n'));
}

bool operator==(const LMDesignStyleImpl& theA, const LMDesignStyleImpl& theB)
{
    return theA.myNull == theB.myNull && theA.myHeader == theB.myHeader && theA.myPages == theB.myPages
        && theA.myTemplates == theB.myTemplates && theA.myRuleSets == theB.myRuleSets
        && theA.myPageNumbers == theB.myPageNumbers;
}

LMTemplateContext LMDesignStyleImpl::createTemplateContext(const LMArticle& theArticle,
                                                           const LMDesignStyleReferencePoint& thePoint,
                                                           int thePageCount)
{
    const QList<LMPageType> aPageTypes = theArticle.pageTypes(thePageCount);
    if (thePoint.page() < 0 || thePoint.page() >= aPageTypes.size())
        return LMTemplateContext();
    return LMTemplateContext(theArticle, aPageTypes.at(thePoint.page()));
}

LMAreaDefinitionResult LMDesignStyleImpl::areaDefinitions(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                                          const LMArticle& theArticle, const LMFotoList& theFotos) const
{
    const LMTemplateContext aContext = createTemplateContext(theArticle, thePoint, thePageCount);
    const QString aName = myPages.templateNameForPage(thePoint, thePageCount);
    // Odd pages are left pages: the first inner page (4) of a book opens on the right.
    const LMPageAlignment anAlignment
        = thePoint.page() % 2 != 0 ? LMPageAlignmentEnum::Left : LMPageAlignmentEnum::Right;
    const LMAreaDefinitionResult aLayout = myTemplates.areaDefinitionsForPage(aName, aContext, theFotos, anAlignment);
    const QStringList aRuleSets = myTemplates.ruleSetNamesForPage(aName, aContext.orientation());
    LMTemplateAreaDefinitionList anAreas = myRuleSets.applyRuleSetsToAreaDefinitions(
        aRuleSets, aLayout.templateAreaDefinitionList(), aContext, thePoint);
    return LMAreaDefinitionResult(anAreas, aLayout.layoutTemplate(), aLayout.leftOverFotos(), aName);
}

int LMDesignStyleImpl::fotoCount(const LMArticle& theArticle, const LMDesignStyleReferencePoint& thePoint,
                                 int thePageCount) const
{
    const LMTemplateContext aContext = createTemplateContext(theArticle, thePoint, thePageCount);
    const QString aName = myPages.templateNameForPage(thePoint, thePageCount);
    const LMAreaDefinitionResult aLayout = myTemplates.areaDefinitionsForPage(
        aName, aContext, LMFotoList(),
        thePoint.page() % 2 != 0 ? LMPageAlignmentEnum::Left : LMPageAlignmentEnum::Right);
    return int(LMDesignStyleAreas::fotoAreasInFillingOrder(aLayout.templateAreaDefinitionList()).size());
}

LMTextFormatChange LMDesignStyleImpl::textFormatChange(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                                       const LMArticle& theArticle,
                                                       const LMAreaTextType& theTextType) const
{
    const LMTemplateContext aContext = createTemplateContext(theArticle, thePoint, thePageCount);
    const QString aName = myPages.templateNameForPage(thePoint, thePageCount);
    return myRuleSets.textFormat(myTemplates.ruleSetNamesForPage(aName, aContext.orientation()), theTextType);
}

QList<LMDesignElementID> LMDesignStyleImpl::layoutCollectionIDsForPage(int thePage, int thePageCount,
                                                                       const LMOrientation& theOrientation) const
{
    const QString aName = myPages.templateNameForPage(LMDesignStyleReferencePoint(0, 0, thePage), thePageCount);
    return myTemplates.layoutCollectionIDsForOrientation(aName, theOrientation);
}

QList<LMDesignElementID> LMDesignStyleImpl::layoutCollectionIDs() const
{
    QList<LMDesignElementID> anIds;
    for (const LMDesignStyleTemplate& aTemplate : myTemplates.templates()) {
        for (const LMOrientation& aSingle : aTemplate.orientations().singleOrientations()) {
            const LMDesignStyleLayoutRuleSetBundle aBundle = aTemplate.bundle(aSingle);
            for (const LMDesignElementID& anId : aBundle.layouts().layoutCollectionIDs()) {
                if (!anIds.contains(anId))
                    anIds.append(anId);
            }
        }
    }
    return anIds;
}

bool LMDesignStyleImpl::definesDecorationPartOnPage(const LMDesignStyleReferencePoint& thePoint, int thePageCount,
                                                    const LMArticle& theArticle, const LMFotoList& theFotos,
                                                    LMAreaDecorationPart thePart) const
{
    const LMAreaDefinitionResult aPage = areaDefinitions(thePoint, thePageCount, theArticle, theFotos);
    for (const LMTemplateAreaDefinition* anArea : LMDesignStyleAreas::all(aPage.templateAreaDefinitionList())) {
        if (!anArea->decoration().decorationPartIsEmpty(thePart))
            return true;
    }
    return false;
}

void LMDesignStyleImpl::updateDisignVirtualInnerPages(int thePageCount)
{
    if (myHeader.isStoryBook() || myPages.hasVirtualPages())
        return;
    const QString aName
        = myPages.templateNameForPage(LMDesignStyleReferencePoint(0, 1, FIRST_INNER_PAGE), thePageCount);
    if (aName.isEmpty())
        return;
    const int aCount = thePageCount < 6 ? VIRTUAL_PAGES_BY_DEFAULT : thePageCount;
    if (myTemplates.createVirtualTemplatesForDesignStyleV2FromName(aName, aCount) > 0)
        myPages.createVirtualPagesForDesignStyleV2(aCount, aName);
}

LMDecorationClipart* LMDesignStyleImpl::spineLogo(const LMArticle& theArticle) const
{
    const QString aName = myPages.templateNameForPage(
        LMDesignStyleReferencePoint(0, 0, SPINE_PAGE, theArticle.coverType()), theArticle.minPages());
    for (const QString& aRuleSet : myTemplates.ruleSetNamesForPage(aName, theArticle.orientation())) {
        const LMDesignStyleRuleSet aSet = myRuleSets.ruleSet(aRuleSet);
        const LMDesignStyleClipart* aClipart = aSet.cliparts().firstClipart();
        if (aClipart == nullptr)
            continue;
        if (LMDecorationClipart* aLogo = LMDecorationRegistry::instance()->clipart(aClipart->designElementID()))
            return aLogo;
    }
    return nullptr;
}

int LMDesignStyleImpl::spineLogoWidth(const LMArticle& theArticle) const
{
    return spineLogo(theArticle) != nullptr ? SPINE_LOGO_WIDTH : 0;
}

QColor LMDesignStyleImpl::spineLogoBackgroundColor(const LMArticle& theArticle) const
{
    return spineLogo(theArticle) != nullptr ? QColor(Qt::transparent) : QColor();
}

LMDesignElementIDSet LMDesignStyleImpl::requiredDesignElementIDs(const LMOrientation& theOrientation) const
{
    LMDesignElementIDSet anIds = myTemplates.requiredDesignElementIDs(theOrientation);
    anIds.unite(myRuleSets.requiredDesignElementIDs());
    return anIds;
}
