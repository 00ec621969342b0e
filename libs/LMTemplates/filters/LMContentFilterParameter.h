#pragma once

#include "LMArticleClass.h"
#include "LMCategorization.h"
#include "LMDesignElementIDSet.h"
#include "LMFrameMaterial.h"
#include "LMMultiColorConfig.h"
#include "LMOrientation.h"
#include "LMPageType.h"
#include "LMPriceClass.h"
#include "LMSpotColor.h"
#include "LMTemplateContextGroup.h"
#include "LMTemplatesExport.h"

#include <QHash>
#include <QList>
#include <QSharedDataPointer>
#include <QString>

class LMContentFilterParameterImpl;
class LMTemplateContext;

// The product context every filter shares: where a design element would be used (constraints),
// under which categories, and the narrowing choices of the editor (colour, photo count, keyword,
// orientation, frame material ...).
class LMTEMPLATES_EXPORT LMContentFilterParameter
{
public:
    LMContentFilterParameter();
    LMContentFilterParameter(const LMTemplateContextGroup& theConstraints, const LMCategorization& theCategorization);
    LMContentFilterParameter(const LMTemplateContext& theContext, const LMCategorization& theCategorization);
    LMContentFilterParameter(const LMContentFilterParameter& theOther);
    LMContentFilterParameter(LMContentFilterParameter&& theOther) noexcept;
    LMContentFilterParameter& operator=(const LMContentFilterParameter& theOther);
    LMContentFilterParameter& operator=(LMContentFilterParameter&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMContentFilterParameter();
    void swap(LMContentFilterParameter& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    // Starts over from the context: its constraints, an empty categorisation, every other field
    // at its default.
    void buildFromContext(const LMTemplateContext& theContext);

    const LMTemplateContextGroup& templateConstraints() const;
    void setTemplateConstraints(const LMTemplateContextGroup& theConstraints);
    const LMCategorization& categorization() const;
    void setCategorization(const LMCategorization& theCategorization);
    // Empty allows every design element.
    const LMDesignElementIDSet& allowedDesignElementIDs() const;
    void setAllowedDesignElementIDs(const LMDesignElementIDSet& theIds);

    const LMMultiColorConfig& multiColorConfig() const;
    bool hasToBeMultiColor() const;
    void setMultiColorConfig(bool theHasToBeMultiColor, const LMMultiColorConfig& theConfig);

    // -1 accepts any number of photo areas.
    int numberOfFotoAreas() const;
    void setNumberOfFotoAreas(int theNumber);
    const QString& searchKeyword() const;
    void setSearchKeyword(const QString& theKeyword);

    // Per article class, the page types on which templates must be made for exactly that page.
    const QHash<LMArticleClass, LMPageTypeList>& targetPageTypesForArticleClass() const;
    void setTargetPageTypesForArticleClass(const QHash<LMArticleClass, LMPageTypeList>& theTargets);

    bool checkBasicDesign() const;
    void setCheckBasicDesign(bool theCheck);
    const LMOrientation& orientation() const;
    void setOrientation(const LMOrientation& theOrientation);
    const QList<LMPriceClass>& frameConstructionPriceClasses() const;
    void setFrameConstructionPriceClasses(const QList<LMPriceClass>& thePriceClasses);
    // -1 when the filter is not used for a page of a product.
    int currentPageNumber() const;
    void setCurrentPageNumber(int thePageNumber);
    const LMFrameMaterial& frameMaterial() const;
    void setFrameMaterial(const LMFrameMaterial& theMaterial);
    // By default true only in master (content-authoring) mode.
    bool ignoreVisibility() const;
    void setIgnoreVisibility(bool theIgnore);
    const LMSpotColor& allowedSpotColors() const;
    void setAllowedSpotColors(const LMSpotColor& theSpotColors);

    friend LMTEMPLATES_EXPORT bool operator==(const LMContentFilterParameter& theA,
                                              const LMContentFilterParameter& theB);
    friend bool operator!=(const LMContentFilterParameter& theA, const LMContentFilterParameter& theB)
    {
        return !(theA == theB);
    }

private:
    QSharedDataPointer<LMContentFilterParameterImpl> myImpl;
};
Q_DECLARE_SHARED(LMContentFilterParameter)
