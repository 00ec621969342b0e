#pragma once

#include "LMAngle.h"
#include "LMAreaAssociationId.h"
#include "LMAreaBackgroundAlignment.h"
#include "LMAutoThumbOption.h"
#include "LMDesignElementMetaData.h"
#include "LMFrameGlassMaterial.h"
#include "LMFrameMaterial.h"
#include "LMJig.h"
#include "LMMirrorRule.h"
#include "LMOrientation.h"
#include "LMPageAlignment.h"
#include "LMSpotColor.h"
#include "LMTemplateAnalysis.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateBackgroundDefinition.h"
#include "LMTemplateCalendariumOptions.h"
#include "LMTemplateContextGroup.h"
#include "LMTemplateDefaultTilt.h"
#include "LMTemplateFileInfo.h"
#include "LMTemplateFramePassepartoutConfig.h"
#include "LMTemplateImageSize.h"
#include "LMTemplateLayerType.h"
#include "LMTemplatesExport.h"
#include "LMTemplateVariantTemplateConfig.h"
#include "LMTemplateWallholderConfig.h"
#include "LMXMLElement.h"

#include <QDomElement>
#include <QMutex>
#include <QRectF>
#include <QStringList>

#include <memory>

class LMCalendariumFlow;
class LMTemplateAreaDefinitionSmartLayout;
class LMTemplateContext;

// One parsed template: a named set of area definitions with what decides where it may be used
// (layer, products, page types, orientation, price class, colours, files). The template registry
// owns templates for the life of the process; everybody else holds handles. A template is filled
// by its reader and read-only once published, except for its lazily computed names, which its
// own mutex guards.
class LMTEMPLATES_EXPORT LMTemplate : public LMJig
{
    Q_OBJECT

public:
    explicit LMTemplate(const LMJigType& theJigType = LMJigType(), QObject* theParent = nullptr);
    // A copy of every property with every area mirrored by the rule; a rule other than none names
    // the copy "<name>_<rule>".
    LMTemplate(const LMTemplate& theOther, const LMMirrorRule& theMirrorRule);
    ~LMTemplate() override;

    // The process-wide template that null handles point to: invalid, nameless, without areas.
    static LMTemplate* null();
    // A new template of the jig type, of the class that kind needs (frame, passepartout ...);
    // wallholders and variant templates are built from their XML element and folder.
    static std::unique_ptr<LMTemplate> create(const LMJigType& theJigType,
                                              const LMXMLElement& theElement = LMXMLElement(),
                                              const QString& theBasePath = QString());
    // A new copy of the same class, mirrored by the rule.
    virtual std::unique_ptr<LMTemplate> cloneTemplate(const LMMirrorRule& theMirrorRule = LMMirrorRule()) const;
    // Reads what the kind of template keeps in the attributes of its XML element; the plain
    // template reads nothing.
    virtual void readAttributes(const LMXMLElement& theElement);

    // ---- Kind -------------------------------------------------------------------------------
    // Valid templates have one of the template jig types (16269).
    bool isValid() const;
    // Placeholder templates are named "empty...".
    bool isEmpty() const;
    bool isBackground() const { return isJigType(LMJigTypeEnum::Background); }
    bool isFrame() const { return isJigType(LMJigTypeEnum::Frame); }
    bool isPassepartout() const { return isJigType(LMJigTypeEnum::Passepartout); }
    bool isFrameGlass() const { return isJigType(LMJigTypeEnum::FrameGlass); }
    bool isWallholder() const { return isJigType(LMJigTypeEnum::Wallholder); }
    bool isVariantTemplate() const { return isJigType(LMJigTypeEnum::VariantTemplate); }
    // The area list was read from a layout, or the reader said the template is one.
    bool hasLayout() const;
    void setHasLayout(bool theHasLayout) { myHasLayout = theHasLayout; }
    // A background, or a template with a photo file that is no frame, passepartout, glass or
    // variant.
    bool hasBackground() const;

    // ---- Names ------------------------------------------------------------------------------
    const QString& name() const { return myName; }
    // Stores the name with "ä", "ö", "ü" and "ß" spelled "ae", "oe", "ue" and "ss".
    void setName(const QString& theName);
    // The name that tells this template from every other; computed on first request.
    QString uniqueName() const;
    // True while the unique name is computed and not invalidated since.
    bool isUniqueNameCached() const;
    // Forgets the unique name and the name variants; they are computed anew on the next request.
    void invalidateUniqueName();
    // The unique name under every theme name.
    QStringList nameVariants() const;
    // The text is the name or the unique name.
    bool matchesName(const QString& theText) const;
    // The text is one of the name variants, also when one side's bytes were taken in the other
    // of UTF-8 and Latin-1.
    bool matchesNameVariants(const QString& theText) const;
    QString makeUniqueTemplateNameWithTheme(const QString& theTheme) const;
    // "normal", "albfreetheme", "design".
    static const QStringList& themeNames();
    LMJigKey createKey() const override;

    // ---- Layer and spot colour --------------------------------------------------------------
    const LMTemplateLayerType& templateLayerType() const { return myLayerType; }
    void setTemplateLayerType(const LMTemplateLayerType& theLayerType) { myLayerType = theLayerType; }
    bool isTemplateContentType(const LMTemplateLayerType& theType) const { return myLayerType.intersects(theType); }
    // The layer is one of the five content layers.
    bool isSomeTemplateThemeContent() const;
    bool isBackgroundMask() const { return myLayerType == LMTemplateLayerTypeEnum::BackgroundMask; }
    bool isForegroundMask() const { return myLayerType == LMTemplateLayerTypeEnum::ForegroundMask; }
    const LMTemplateLayerType& spotColorLayerType() const { return mySpotColorLayerType; }
    void setSpotColorLayerType(const LMTemplateLayerType& theLayerType) { mySpotColorLayerType = theLayerType; }
    const LMSpotColor& spotColor() const { return mySpotColor; }
    const QRectF& spotColorLayerRect() const { return mySpotColorLayerRect; }
    void setSpotColorLayer(const LMSpotColor& theSpotColor, const QRectF& theRect = QRectF());
    bool hasSpotColor() const { return mySpotColor.isValid(); }

    // ---- Areas ------------------------------------------------------------------------------
    const LMTemplateAreaDefinitionList& areaDefinitions() const { return myAreaDefinitions; }
    void setAreaDefinitions(const LMTemplateAreaDefinitionList& theAreas);
    void setAreaDefinitions(LMTemplateAreaDefinitionList&& theAreas);
    // Takes ownership; null is ignored.
    void addAreaDefinition(std::unique_ptr<LMTemplateAreaDefinition> theArea);
    // Marks the area list as read from a layout.
    void enableAreaDefinitions() { myAreaDefinitions.setValid(true); }
    // Both are valid layouts whose areas have equal types and positions.
    bool hasSameLayout(const LMTemplate& theOther) const;
    // The areas with the smart layout the photo areas make (see injectSmartLayout).
    LMTemplateAreaDefinitionList areaDefinitionsSmartLayout() const;
    // Puts a smart layout into the own areas: the given one when it has a size, else one that
    // gathers the photo areas.
    void injectSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout = nullptr);
    static LMTemplateAreaDefinitionList
    injectSmartLayout(LMTemplateAreaDefinitionList theAreas,
                      std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout = nullptr);

    // ---- Background -------------------------------------------------------------------------
    const LMTemplateBackgroundDefinition& layerDefinitionBackground() const { return myBackgroundDefinition; }
    void setLayerDefinitionBackground(const LMTemplateBackgroundDefinition& theDefinition);
    LMDesignElementID backgroundID() const { return myBackgroundDefinition.backgroundID(); }
    LMDesignElementID multiColorBackgroundId() const { return myBackgroundDefinition.multiColorBackgroundId(); }
    LMDesignElementID spotColorBackgroundId() const { return myBackgroundDefinition.spotColorBackgroundId(); }
    // A colour variant of a multi-colour background.
    bool isMultiColor() const { return myBackgroundDefinition.isMultiColor(); }
    LMMultiColorConfig multiColorConfig() const { return myBackgroundDefinition.multiColorConfig(); }
    const LMTemplateImageSize& templateImageSize() const { return myTemplateImageSize; }
    void setTemplateImageSize(const LMTemplateImageSize& theSize) { myTemplateImageSize = theSize; }
    // Where the background goes on a spread (see the rules in the implementation).
    LMAreaBackgroundAlignment correctedAlignment(const LMAreaBackgroundAlignment& theRequested,
                                                 const LMTemplateContext& theContext, int theInsertionStrategy,
                                                 bool theLeftWhenFree, bool theRightWhenFree) const;
    // A landscape single-sided template goes in full on each page of a landscape or square product.
    bool putFullBackgroundOnEachPage(const LMOrientation& theOrientation) const;

    // ---- Placement --------------------------------------------------------------------------
    const LMTemplateDefaultTilt& defaultRotation() const { return myDefaultRotation; }
    void setDefaultRotation(const LMTemplateDefaultTilt& theTilt) { myDefaultRotation = theTilt; }
    const LMTemplateDefaultTilt& productionRotation() const { return myProductionRotation; }
    void setProductionRotation(const LMTemplateDefaultTilt& theTilt) { myProductionRotation = theTilt; }
    LMAngle viewAngle() const { return myViewAngle; }
    void setViewAngle(LMAngle theAngle) { myViewAngle = theAngle; }
    const LMMirrorRule& possibleMirrorings() const { return myPossibleMirrorings; }
    void setPossibleMirrorings(const LMMirrorRule& theRule) { myPossibleMirrorings = theRule; }
    const LMOrientation& supportedOrientation() const { return mySupportedOrientation; }
    void setSupportedOrientation(const LMOrientation& theOrientation) { mySupportedOrientation = theOrientation; }
    const LMAreaAssociationId& smartLayoutParent() const { return mySmartLayoutParent; }
    void setSmartLayoutParent(const LMAreaAssociationId& theId) { mySmartLayoutParent = theId; }
    const LMPageAlignment& smartGeneratedLayoutForPage() const { return mySmartGeneratedLayoutForPage; }
    void setSmartGeneratedLayoutForPage(const LMPageAlignment& theAlignment)
    {
        mySmartGeneratedLayoutForPage = theAlignment;
    }

    // ---- Price, calendar, order -------------------------------------------------------------
    const LMPriceClass& priceClass() const { return myFileInfo.priceClass(); }
    void setPriceClass(const LMPriceClass& thePriceClass) { myFileInfo.setPriceClass(thePriceClass); }
    const LMPriceClass& spotColorPriceClass() const { return myFileInfo.spotColorPriceClass(); }
    void setSpotColorPriceClass(const LMPriceClass& thePriceClass) { myFileInfo.setSpotColorPriceClass(thePriceClass); }
    const LMCalendariumFlow& calendariumFlow() const { return myFileInfo.calendariumFlow(); }
    void setCalendariumFlow(const LMCalendariumFlow& theFlow) { myFileInfo.setCalendariumFlow(theFlow); }
    // Without a flow of its own, the template takes the flows its calendar areas' layouts name.
    void autoDetectCalendariumFlow();
    const LMTemplateCalendariumOptions& explicitCalendariumOptions() const { return myExplicitCalendariumOptions; }
    void setExplicitCalendariumOptions(const LMTemplateCalendariumOptions& theOptions)
    {
        myExplicitCalendariumOptions = theOptions;
    }
    // What the calendar areas imply: holidays and own events wherever there is a calendar.
    LMTemplateCalendariumOptions implicitCalendariumOptions() const;
    LMTemplateCalendariumOptions effectiveCalendariumOptions() const;
    bool allowHolidays() const { return effectiveCalendariumOptions().allowHolidays(); }
    bool allowCustomEvents() const { return effectiveCalendariumOptions().allowCustomEvents(); }
    int sort() const { return mySort; }
    void setSort(int theSort) { mySort = theSort; }

    // ---- Analysis ---------------------------------------------------------------------------
    // Measures the areas for a page of the given aspect (width / height). The load job does so once
    // for every template it reads, at the template's own page aspect, before the template is published.
    void analyzeAreas(double thePageAspect);
    void analyzeAreas() { analyzeAreas(pageAspect()); }
    // The aspect (width / height) of the page the areas were made for: that of the first area that
    // remembers its page; 1.0 for areas in document units (SVG pages), whose shapes are their own.
    double pageAspect() const;
    // The page the areas are laid out on, in their own units: set by the SVG reader (the stretched
    // document size); otherwise the size the first area remembers (a layout's total size), or an
    // empty size.
    QSizeF pageSize() const;
    void setPageSize(const QSizeF& theSize) { myPageSize = theSize; }
    const LMTemplateAnalysis& analysis() const { return myAnalysis; }

    // ---- Metadata and files -----------------------------------------------------------------
    const LMDesignElementMetaData& metaData() const { return myMetaData; }
    void setMetaData(const LMDesignElementMetaData& theMetaData) { myMetaData = theMetaData; }
    const LMTemplateFileInfo& fileInfo() const { return myFileInfo; }
    LMTemplateFileInfo& fileInfo() { return myFileInfo; }
    // Takes the file information over as this template's own.
    void setFileInfo(const LMTemplateFileInfo& theFileInfo);
    QList<QFileInfo> associatedFiles() const override;
    const LMAutoThumbOption& autoThumbSetting() const { return myAutoThumbSetting; }
    void setAutoThumbSetting(const LMAutoThumbOption& theOption) { myAutoThumbSetting = theOption; }

    // ---- Flags ------------------------------------------------------------------------------
    bool centerBackgroundIfOnSinglePage() const { return myCenterBackgroundIfOnSinglePage; }
    void setCenterBackgroundIfOnSinglePage(bool theCenter) { myCenterBackgroundIfOnSinglePage = theCenter; }
    bool locksLayout() const { return myLocksLayout; }
    void setLocksLayout(bool theLocks) { myLocksLayout = theLocks; }
    bool isLandscapeSingleSided() const { return myLandscapeSingleSided; }
    void setLandscapeSingleSided(bool theSingleSided) { myLandscapeSingleSided = theSingleSided; }
    bool isUserLayout() const override { return myUserLayout; }
    void setUserLayout(bool theUserLayout) { myUserLayout = theUserLayout; }
    bool isUsableByAssistant() const { return myUsableByAssistant; }
    void setUsableByAssistant(bool theUsable) { myUsableByAssistant = theUsable; }

    // ---- Wall decor -------------------------------------------------------------------------
    // The wall-decor kinds (frame, frame glass, passepartout, wallholder, variant template) answer
    // with their own configuration; every other template with the empty one.
    virtual bool hasFrame() const { return false; }
    virtual LMFrameMaterial frameMaterial() const { return LMFrameMaterial(); }
    // The glass material shares a bit with the given one.
    virtual bool hasGlassMaterial(const LMFrameGlassMaterial& theMaterial) const
    {
        return glassMaterial().intersects(theMaterial);
    }
    virtual LMFrameGlassMaterial glassMaterial() const { return LMFrameGlassMaterial(); }
    virtual LMTemplateFramePassepartoutConfig framePassepartoutConfig() const
    {
        return LMTemplateFramePassepartoutConfig();
    }
    virtual LMTemplateWallholderConfig wallholderConfig() const { return LMTemplateWallholderConfig(); }
    virtual LMTemplateVariantTemplateConfig templateVariantConfig() const { return LMTemplateVariantTemplateConfig(); }

    // ---- Products ---------------------------------------------------------------------------
    const LMTemplateContextGroup& contextGroup() const { return myContextGroup; }
    void setContextGroup(const LMTemplateContextGroup& theGroup) { myContextGroup = theGroup; }
    LMPageConstraint pageConstraint() const { return myContextGroup.pageConstraint(); }
    void setPageConstraint(const LMPageConstraint& theConstraint) { myContextGroup.setPageConstraint(theConstraint); }
    LMArticlesGroup articleGroup() const { return myContextGroup.articleGroup(); }
    void setArticleGroup(const LMArticlesGroup& theGroup);
    LMArticleVariants articleVariants() const { return myContextGroup.articleVariants(); }
    void setArticleVariants(const LMArticleVariants& theVariants) { myContextGroup.setArticleVariants(theVariants); }
    LMArticleList explicitArticles() const { return myContextGroup.explicitArticles(); }
    LMSpaceMagnitude minimumProductSize() const { return myContextGroup.minimumProductSize(); }
    // Without theReplace, a size the content named is kept.
    void setMinimumProductSize(const LMSpaceMagnitude& theSize, bool theReplace)
    {
        myContextGroup.setMinimumProductSize(theSize, theReplace);
    }
    // The smallest product class on which the smallest photo area is still large enough.
    LMSpaceMagnitude estimateMinimumProductSize() const;
    // With theExplicitOnly, the article must be one of the explicit articles; otherwise the
    // product constraints must admit it.
    bool containsArticle(const LMArticle& theArticle, bool theExplicitOnly) const;
    // False for the white background and for templates of the page types 768.
    bool mayBeRemoved() const override;
    // The empty choice of a kind of template, standing for leaving the part away.
    virtual bool isRemoveItem() const;
    // Shown in lists unless its articles group names only articles the catalogue does not know.
    bool isVisibleInList() const;

    QString basicDragAndDropHint() const override;

private:
    void computeNamesLocked() const;

    QString myName;
    mutable QMutex myNamesMutex;
    mutable QString myUniqueName;
    mutable QStringList myNameVariants;
    mutable bool myUniqueNameValid = false;
    mutable bool myNameVariantsValid = false;

    LMTemplateLayerType myLayerType;
    LMTemplateLayerType mySpotColorLayerType;
    LMSpotColor mySpotColor;
    QRectF mySpotColorLayerRect;
    LMTemplateAreaDefinitionList myAreaDefinitions;
    LMTemplateBackgroundDefinition myBackgroundDefinition;
    LMTemplateImageSize myTemplateImageSize;
    LMTemplateCalendariumOptions myExplicitCalendariumOptions;
    LMTemplateAnalysis myAnalysis;
    LMTemplateDefaultTilt myDefaultRotation;
    LMTemplateDefaultTilt myProductionRotation;
    LMAngle myViewAngle;
    LMMirrorRule myPossibleMirrorings;
    LMOrientation mySupportedOrientation;
    LMAreaAssociationId mySmartLayoutParent;
    LMPageAlignment mySmartGeneratedLayoutForPage;
    int mySort = 0;
    QSizeF myPageSize;
    LMDesignElementMetaData myMetaData;
    LMTemplateFileInfo myFileInfo;
    LMAutoThumbOption myAutoThumbSetting;
    LMTemplateContextGroup myContextGroup;
    bool myHasLayout = false;
    bool myCenterBackgroundIfOnSinglePage = false;
    bool myLocksLayout = false;
    bool myLandscapeSingleSided = false;
    bool myUserLayout = false;
    bool myUsableByAssistant = false;
};
