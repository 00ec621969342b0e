#include "LMTemplateFilterFactory.h"

#include "LMArticlesGroup.h"
#include "LMIndirectArticleDescription.h"
#include "LMPageConstraint.h"
#include "LMTemplateFilterRule.h"
#include "LMTemplatesLogging.h"
#include "LMThematicCategorySet.h"
#include "LMXMLElement.h"

#include <QDomElement>

namespace {

// The boolean text of "visible": only an explicit no switches a template off.
bool readVisible(const QString& theText)
{
    const QString aText = theText.trimmed().toLower();
    return !(aText == QLatin1String("false") || aText == QLatin1String("0") || aText == QLatin1String("no"));
}

} // namespace

void LMTemplateFilterFactory::parseFilter(const LMXMLElement& theElement, LMArticlesGroup* theArticlesGroup,
                                          LMPageConstraint* thePageConstraint, LMThematicCategorySet* theCategories,
                                          bool* theVisible)
{
    if (theElement.isNull())
        return;

    using E = LMTemplateFilterRuleEnum;
    LMIndirectArticleDescription aDescription;
    LMArticleList anArticles;
    bool aNamedById = false;

    for (LMXMLElement aRule = theElement.firstChildElement(); !aRule.isNull(); aRule = aRule.nextSiblingElement()) {
        const QString aTag = aRule.tagName().toString();
        const LMTemplateFilterRule aKind(aTag);
        if (!aKind.isValid()) {
            qCWarning(lcFilters).noquote() << QStringLiteral("-- found unknown <") + aTag + QStringLiteral("> element");
            continue;
        }
        const QString aText = aRule.text().trimmed();
        if (aText.isEmpty())
            continue;

        switch (aKind.toEnum()) {
        case E::Orientation:
            aDescription.addOrientation(LMOrientation(aText));
            break;
        case E::Type:
            aDescription.addArticleClass(LMArticleClass(aText));
            break;
        case E::Product:
            anArticles.append(LMArticleList::buildFromCSVOrderTxtNames(aText));
            break;
        case E::ArtId: {
            bool anOk = false;
            const qint32 anId = aText.toInt(&anOk);
            anArticles.append(LMArticle::fromId(anOk ? anId : 0));
            aNamedById = true;
            break;
        }
        case E::PageType:
            if (thePageConstraint)
                thePageConstraint->addPageType(LMPageType(aText));
            break;
        case E::Subcategory:
            if (theCategories) {
                // A set shared with the file's is copied only for a category it lacks.
                LMThematicCategory aCategory(aText);
                if (!theCategories->contains(aCategory))
                    theCategories->insert(std::move(aCategory));
            }
            break;
        case E::IntendedAlignment:
            if (thePageConstraint)
                thePageConstraint->addIntendedAlignment(LMPageAlignment(aText));
            break;
        case E::Visible:
            if (theVisible)
                *theVisible = readVisible(aText);
            break;
        case E::Binding:
            aDescription.setCoverTypes(LMCoverType(aText));
            break;
        case E::MinimumSize:
            aDescription.setMinimumSize(LMSpaceMagnitude(aText));
            break;
        case E::PageBinding:
            aDescription.addPageBinding(LMPageBinding(aText));
            break;
        case E::Arrangement:
        case E::Refinement:
        case E::Theme:
        case E::None:
            break;
        }
    }

    if (!theArticlesGroup)
        return;
    theArticlesGroup->addRestriction(aDescription);
    theArticlesGroup->addArticles(anArticles);
    // A design named for an article by id fits the products the catalogue calls compatible too.
    if (aNamedById)
        theArticlesGroup->expandProductsToCompatibles();
}
