#include "LMTemplateWriter.h"

#include "LMArticlesGroup.h"
#include "LMCategoryType.h"
#include "LMTemplate.h"
#include "LMTemplateIO.h"
#include "LMTemplateList.h"
#include "LMXMLBuilder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {
const QString STR_VERSION = QStringLiteral("version");
const QString STR_LAYOUT_COLLECTION = QStringLiteral("layoutcollection");
const QString STR_TOTAL = QStringLiteral("total");
const QString STR_PAGE_TYPE = QStringLiteral("pagetype");
const QString STR_INTENDED_ALIGNMENT = QStringLiteral("intendedAlignment");

// The whole-numbered size the layout reader takes; sizes beyond int are cut, not undefined.
QSize wholeSize(const QSizeF& theSize)
{
    static constexpr double LIMIT = std::numeric_limits<int>::max() / 2;
    const auto aWhole = [](double theValue) {
        return std::isfinite(theValue) ? int(std::lround(std::clamp(theValue, 0.0, LIMIT))) : 0;
    };
    return QSize(aWhole(theSize.width()), aWhole(theSize.height()));
}

void addRule(QDomElement& theFilter, const QString& theTag, const QString& theText)
{
    if (theText.isEmpty())
        return;
    QDomElement aRule = LMXMLBuilder::buildDomElement(theFilter, theTag);
    aRule.appendChild(theFilter.ownerDocument().createTextNode(theText));
}

// The rules the filter reader turns back into the template's subcategories and product constraints.
void buildFilter(QDomElement& theTemplateElement, const LMTemplate& theTemplate,
                 const LMProductRestriction& theSharedRestriction)
{
    QDomElement aFilter = LMXMLBuilder::buildDomElement(theTemplateElement, LMTemplateIO::WORD_FILTER);
    const LMThematicCategorySet aCategories
        = theTemplate.thematicCategories(LMCategoryType(LMCategoryTypeEnum::Subcategory));
    for (const LMThematicCategory& aCategory : aCategories.sorted())
        addRule(aFilter, LMTemplateIO::WORD_SUBCATEGORY, aCategory.internalName());
    const LMPageConstraint aConstraint = theTemplate.pageConstraint();
    if (aConstraint.pageTypes().isValid())
        addRule(aFilter, STR_PAGE_TYPE, aConstraint.pageTypes().encodeCSV());
    if (aConstraint.intendedAlignments().isValid())
        addRule(aFilter, STR_INTENDED_ALIGNMENT, aConstraint.intendedAlignments().encodeCSV());
    // The articles by name and the product restriction (orientation, classes, covers, bindings,
    // size); a restriction the document's filter carries is not written again.
    LMArticlesGroup aGroup;
    const LMArticlesGroup anOwn = theTemplate.articleGroup();
    aGroup.addArticles(anOwn.explicitArticles());
    const QList<LMProductRestriction>& aRestrictions = anOwn.restrictions();
    for (qsizetype i = theSharedRestriction.isEmpty() ? 0 : 1; i < aRestrictions.size(); ++i)
        aGroup.addRestriction(aRestrictions.at(i));
    aGroup.toTemplates2Format(aFilter);
}

// The reader adds a template's filter to the document's. A template made that way carries two
// product restrictions, more than one filter element holds: when every written template begins
// with the same restriction, the document's filter carries it. Empty otherwise.
LMProductRestriction sharedRestriction(const LMTemplateList& theTemplates, const LMJigType& theWritten)
{
    std::optional<LMProductRestriction> aShared;
    bool aNeeded = false;
    for (const LMConfiguredTemplate& aConfigured : theTemplates) {
        const LMTemplate* aTemplate = aConfigured.templatePointer();
        if (!aTemplate || !aTemplate->isJigType(theWritten))
            continue;
        const QList<LMProductRestriction> aRestrictions = aTemplate->articleGroup().restrictions();
        if (aRestrictions.isEmpty() || (aShared && !(*aShared == aRestrictions.first())))
            return LMProductRestriction();
        aShared = aRestrictions.first();
        aNeeded = aNeeded || aRestrictions.size() > 1;
    }
    return aNeeded ? *aShared : LMProductRestriction();
}

void buildLayout(QDomElement& theTemplateElement, const LMTemplate& theTemplate, const QSizeF& thePageSize)
{
    QDomElement aLayout = LMXMLBuilder::buildDomElement(theTemplateElement, LMTemplateIO::WORD_LAYOUT);
    QDomElement aTotal = LMXMLBuilder::buildDomElement(aLayout, STR_TOTAL);
    LMXMLBuilder::addAttribute(aTotal, wholeSize(thePageSize));
    theTemplate.areaDefinitions().buildXML(aLayout, thePageSize);
    theTemplate.possibleMirrorings().buildXML(aLayout);
}
} // namespace

QDomDocument LMTemplateWriter::buildXML2FromTemplates(const LMTemplateList& theTemplates, const QSizeF& thePageSize)
{
    QDomDocument aDocument;
    QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, LMTemplateIO::WORD_TEMPLATES2);
    LMXMLBuilder::addAttribute(aRoot, STR_VERSION, QStringLiteral("2"));
    LMXMLBuilder::addAttribute(aRoot, LMTemplateIO::WORD_TYPE, STR_LAYOUT_COLLECTION);
    const LMJigType aWritten = LMJigType::fromInt(int(LMJigTypeEnum::SvgTemplate) | int(LMJigTypeEnum::Layout));
    const LMProductRestriction aShared = sharedRestriction(theTemplates, aWritten);
    if (!aShared.isEmpty()) {
        QDomElement aFilter = LMXMLBuilder::buildDomElement(aRoot, LMTemplateIO::WORD_FILTER);
        LMArticlesGroup aGroup;
        aGroup.addRestriction(aShared);
        aGroup.toTemplates2Format(aFilter);
    }
    for (const LMConfiguredTemplate& aConfigured : theTemplates) {
        const LMTemplate* aTemplate = aConfigured.templatePointer();
        if (!aTemplate || !aTemplate->isJigType(aWritten))
            continue;
        QDomElement anElement = LMXMLBuilder::buildDomElement(aRoot, LMTemplateIO::WORD_TEMPLATE);
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_NAME, aTemplate->name());
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_ID, aTemplate->name());
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_CATEGORY, aTemplate->jigType().encodeCSV());
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_AUTOTHUMB, aTemplate->autoThumbSetting().encodeCSV());
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_USER_LAYOUT, aTemplate->isUserLayout());
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_USABLE_BY_ASSISTANT, aTemplate->isUsableByAssistant());
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_VIEW_ANGLE, aTemplate->viewAngle());
        // Read back by the layout reader as well: the place in lists and the locked layout.
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_SORT, aTemplate->sort());
        LMXMLBuilder::addAttribute(anElement, LMTemplateIO::WORD_LOCKS_LAYOUT, aTemplate->locksLayout());
        aTemplate->designElementID().toXML(anElement);
        aTemplate->defaultRotation().writeToXml(anElement);
        buildFilter(anElement, *aTemplate, aShared);
        buildLayout(anElement, *aTemplate, thePageSize);
    }
    return aDocument;
}
