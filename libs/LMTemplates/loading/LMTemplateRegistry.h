#pragma once

#include "LMArticle.h"
#include "LMArticleVariants.h"
#include "LMCategorization.h"
#include "LMDesignElementID.h"
#include "LMDesignElementIDSet.h"
#include "LMFrameGlassMaterial.h"
#include "LMJigRegistryAbstract.h"
#include "LMJigType.h"
#include "LMMultiColorConfig.h"
#include "LMOrientation.h"
#include "LMPageType.h"
#include "LMPriceClass.h"
#include "LMPriceClassSet.h"
#include "LMSingleton.h"
#include "LMTemplateLoadTimings.h"
#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplateList.h"

#include <QObject>
#include <QStringList>

#include <memory>

class LMArticleList;
class LMTemplateAreaDefinitionSmartLayout;
class LMTemplateContext;
class LMTemplateFilterAbstract;
class LMTemplateRegistryImpl;

// The process-wide store of every loaded template: it owns them, indexes them by design element
// id, jig type and unique name, finds them by name (also names older editors stored) and by
// product, and is the jig registry of templates. Filled article by article and by changed files.
class LMTEMPLATES_EXPORT LMTemplateRegistry : public QObject,
                                              public LMJigRegistryAbstract,
                                              public LMSingleton<LMTemplateRegistry>
{
    Q_OBJECT

public:
    ~LMTemplateRegistry() override;

    // ---- Jig registry -----------------------------------------------------------------------
    LMJig* consumeLastAddedJig(const LMJigType& theJigType) override;
    // The jig of the first template whose key equals theKey.
    LMJig* find(const LMJigKey& theKey) const override;
    // Background, SVG template, layout, frame, wallholder.
    QList<LMJigType> supportedJigs() const override;
    bool isInstalled(const LMDesignElementID& theId) const override;
    bool isActive(const LMDesignElementID& theId) const override;

    // ---- Inserting --------------------------------------------------------------------------
    // The registry takes every template handed in (also those it refuses) and keeps it for the
    // life of the process. True when all were inserted (an empty list too).
    bool insertTemplates(const LMUnconfiguredTemplateList& theTemplates, bool theAppend, bool theNotify);
    // Refuses a template whose unique name is known unless it changed later than the known one
    // (which it then replaces), and the weaker of two plain backgrounds with one id.
    bool insertTemplate(const LMUnconfiguredTemplate& theTemplate, bool theAppend);
    void addToCentralList(const LMUnconfiguredTemplate& theTemplate, bool theAppend);
    void removeFromCentralList(const LMUnconfiguredTemplate& theTemplate);
    // Only user layouts are removed.
    void removeUserLayout(const LMUnconfiguredTemplate& theTemplate);
    // Forgets every template and loaded article; smart layouts stay. Templates stay alive: handles
    // to them remain valid.
    void clear();
    // Stores each template under its unique name; found by name before any other template.
    void setSmartGeneratedLayouts(const LMUnconfiguredTemplateList& theLayouts);
    // Non-owning; the smart layout must live as long as the process.
    void addSmartLayout(const LMCategorization& theCategorization, LMTemplateAreaDefinitionSmartLayout* theSmartLayout);
    LMTemplateAreaDefinitionSmartLayout* findSmartLayout(const LMCategorization& theCategorization) const;

    // ---- Lookups ----------------------------------------------------------------------------
    LMUnconfiguredTemplateList allTemplates() const;
    qsizetype countTemplates() const;
    LMUnconfiguredTemplateList allTemplatesForJigType(const LMJigType& theJigType) const;
    LMDesignElementIDSet collectAllDesignElementIds() const;
    LMUnconfiguredTemplateList allTemplatesByDesignElementId(const LMDesignElementID& theId) const;
    LMUnconfiguredTemplateList allUserLayouts() const;
    bool templateNameIsKnown(const QString& theUniqueName) const;
    LMUnconfiguredTemplate findTemplateByDesignElementId(const LMDesignElementID& theId) const;
    LMUnconfiguredTemplate findTemplateByDesignElementIdANDDesignElementName(const LMDesignElementID& theId,
                                                                             const QString& theName) const;
    LMUnconfiguredTemplate findLayoutByName(const QString& theName, const QList<LMDesignElementID>& theIds) const;
    LMUnconfiguredTemplate findLayoutByName(const QString& theName, const LMDesignElementID& theId) const;
    LMUnconfiguredTemplate findBackgroundByID(const LMDesignElementID& theId, const LMPageType& thePageType) const;
    LMUnconfiguredTemplate findBackgroundByID(const LMDesignElementID& theId) const;

    // Normalises the name, then answers from the cache or searches (and caches the answer, also a
    // miss). A miss warns "could not find Template" once until the next insertion.
    LMUnconfiguredTemplate findTemplateByName(const QString& theName) const;
    // The fallback steps of the name search, without cache.
    LMUnconfiguredTemplate searchForTemplate(const QString& theName) const;

    static QString makeTemplateNameNice(const QString& theName);
    static QString makeTemplateNameMinimal(const QString& theName);
    static QString removePreviewAndPDFFromTemplatename(const QString& theName);
    static QString extractProductionID(const QString& theName);
    // Old passepartout article codes replaced by the current ones of the product catalogue.
    static QString changePassepartoutArticles(const QString& theName);

    // ---- Filters and products ---------------------------------------------------------------
    LMUnconfiguredTemplateList getTemplates(const LMTemplateFilterAbstract& theFilter) const;
    bool filterHasMatches(const LMTemplateFilterAbstract& theFilter) const;

    LMUnconfiguredTemplateList getAllLayouts(const LMTemplateContext& theContext) const;
    LMUnconfiguredTemplate findTemplate(const LMPriceClass& thePriceClass, const LMArticle& theArticle,
                                        const LMArticleVariants& theVariants, bool theExplicitOnly) const;
    LMUnconfiguredTemplate findTemplateByPriceClassAndVariant(const LMPriceClass& thePriceClass,
                                                              const LMArticleVariants& theVariants) const;
    LMUnconfiguredTemplate findTemplateByProductionCode(const QString& theCode) const;
    LMUnconfiguredTemplate findTemplateWithLayout(const LMUnconfiguredTemplate& theTemplate,
                                                  const LMPageType& thePageType,
                                                  const LMOrientation& theOrientation) const;
    LMUnconfiguredTemplate findFrameGlassTemplate(const LMArticleList& theArticles, const LMArticle& theArticle,
                                                  const LMFrameGlassMaterial& theMaterial) const;
    LMUnconfiguredTemplate findVariantTemplate(const LMArticle& theArticle, const LMArticleVariants& theVariants) const;
    LMUnconfiguredTemplate findFramePassepartoutTemplate(const LMArticle& theArticle,
                                                         const LMArticleVariants& theVariants) const;
    LMUnconfiguredTemplate findNoFrameTemplate(const LMTemplateContext& theContext) const;
    LMUnconfiguredTemplate findNoPassepartoutTemplate(const LMTemplateContext& theContext) const;
    LMUnconfiguredTemplate findPosterStrip(const LMTemplateContext& theContext, const LMOrientation& theOrientation,
                                           const LMArticleVariants& theVariants) const;
    bool hasFrameCategories(const LMTemplateContext& theContext, const LMOrientation& theOrientation) const;
    bool showFrameIcon(const LMTemplateContext& theContext) const;
    bool hasFrameGlassesCategories(const LMTemplateContext& theContext, const LMPriceClassSet& thePriceClasses) const;
    bool hasFramePassepartoutCategories(const LMTemplateContext& theContext,
                                        const LMPriceClassSet& thePriceClasses) const;
    bool hasWallholderCategories(const LMTemplateContext& theContext) const;
    bool hasWallholder(const LMTemplateContext& theContext, const LMPriceClass& thePriceClass) const;
    LMUnconfiguredTemplate findBackgroundByProductVariant(const LMArticle& theArticle,
                                                          const LMArticleVariants& theVariants) const;
    LMUnconfiguredTemplate findDefaultBackgroundByProductVariant(const LMArticle& theArticle) const;
    LMUnconfiguredTemplate findBackgroundByDesignElementId(const LMDesignElementID& theId,
                                                           const LMMultiColorConfig& theMultiColorConfig,
                                                           const LMArticle& theArticle) const;
    LMUnconfiguredTemplateList allBackgrounds(const LMArticle& theArticle) const;
    LMUnconfiguredTemplateList allMultiColorBackgrounds(const LMArticle& theArticle) const;
    LMUnconfiguredTemplateList allFlatColorBackgrounds(const LMArticle& theArticle) const;
    LMUnconfiguredTemplateList findAllTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                                const LMThematicCategory& theCategory) const;
    LMUnconfiguredTemplateList findAllContentTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                                       const LMCategorization& theCategorization) const;
    LMUnconfiguredTemplateList findExampleTemplatesForTemplateGroup(const LMArticle& theArticle,
                                                                    const LMThematicCategory& theCategory) const;
    LMUnconfiguredTemplateList findAllLayoutsForSubCategory(const LMArticle& theArticle,
                                                            const LMThematicCategory& theSubCategory) const;
    bool productHasJigType(const LMArticle& theArticle, const LMJigType& theJigType) const;

    // ---- Templates added by content updates -------------------------------------------------
    // The template loaded last by a content update, if it is of the jig type; handed out once.
    LMUnconfiguredTemplate consumeLastAddedTemplate(const LMJigType& theJigType);
    // The templates of every id content updates loaded since the last call, of the jig type.
    LMUnconfiguredTemplateList consumeLastAddedTemplates(const LMJigType& theJigType);
    LMDesignElementID lastAddedDesignElementId() const;
    void resetLastAddedDesignElementId();

    // What every article load of the process took, added up.
    LMTemplateLoadTimings loadTimings() const;

signals:
    void templatesReloaded();
    void insertNewTemplate(LMUnconfiguredTemplate theTemplate);
    // A template that was not newer than the known one of its unique name.
    void tryToInsertOldTemplate(LMUnconfiguredTemplate theTemplate);
    void templatesLoaded();

public slots:
    void reloadTemplates();
    // Loads exactly these files (connected directly to the file system watcher).
    void readChangedFiles(const QStringList& theFilenames);
    // Loads the article's templates once; loads run one at a time.
    void loadTemplates(const LMArticle& theArticle);
    // The same, with progress on the main thread unless run option 9 is set.
    void loadTemplatesWithProgress(const LMArticle& theArticle);

protected:
    void setupInstance() override;

private:
    friend class LMSingleton<LMTemplateRegistry>;
    LMTemplateRegistry();

    // Takes the template into the process-long ownership of the registry (once).
    void adopt(const LMUnconfiguredTemplate& theTemplate);
    // A copy of the index of the id, in insertion order.
    LMUnconfiguredTemplateList templatesWithId(const LMDesignElementID& theId) const;

    std::unique_ptr<LMTemplateRegistryImpl> const myImpl;
};
