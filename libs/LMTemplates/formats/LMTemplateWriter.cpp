#include "LMTemplateWriter.h"

#include "LMCategoryType.h"
#include "LMTemplate.h"
#include "LMTemplateIO.h"
#include "LMTemplateList.h"
#include "LMXMLBuilder.h"

namespace {
const QString STR_VERSION = QStringLiteral("version");
const QString STR_LAYOUT_COLLECTION = QStringLiteral("layoutcollection");
const QString STR_TOTAL = QStringLiteral("total");
const QString STR_PAGE_TYPE = QStringLiteral("pagetype");
const QString STR_INTENDED_ALIGNMENT = QStringLiteral("intendedAlignment");

void addRule(QDomElement& theFilter, const QString& theTag, const QString& theText)
{
    if (theText.isEmpty())
        return;
    QDomElement aRule = LMXMLBuilder::buildDomElement(theFilter, theTag);
    aRule.appendChild(theFilter.ownerDocument().createTextNode(theText));
}

// The rules the filter reader turns back into the template's subcategories and product constraints.
void buildFilter(QDomElement& theTemplateElement, const LMTemplate& theTemplate)
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
    QStringList aProducts;
    const LMArticlesGroup aGroup = theTemplate.articleGroup();
    for (const LMArticle& anArticle : aGroup.explicitArticles())
        aProducts.append(anArticle.orderTxtName());
    addRule(aFilter, LMTemplateIO::WORD_PRODUCT, aProducts.join(QLatin1Char(',')));
}

void buildLayout(QDomElement& theTemplateElement, const LMTemplate& theTemplate, const QSizeF& thePageSize)
{
    QDomElement aLayout = LMXMLBuilder::buildDomElement(theTemplateElement, LMTemplateIO::WORD_LAYOUT);
    QDomElement aTotal = LMXMLBuilder::buildDomElement(aLayout, STR_TOTAL);
    LMXMLBuilder::addAttribute(aTotal, thePageSize.toSize());
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
        aTemplate->designElementID().toXML(anElement);
        aTemplate->defaultRotation().writeToXml(anElement);
        buildFilter(anElement, *aTemplate);
        buildLayout(anElement, *aTemplate, thePageSize);
    }
    return aDocument;
}
