#pragma once

#include "LMArticle.h"
#include "LMBackgroundStrategy.h"
#include "LMFotoList.h"
#include "LMTemplateList.h"
#include "LMTemplatesExport.h"

#include <QColor>
#include <QHash>
#include <QList>

class QImage;

// Chooses page backgrounds for one (article, strategy) pair. At construction it sorts every
// allowed background into lists by hue class (0, 30 ... 330; 12 and 13 for the two special
// multi-colour lists); subclasses decide how a group of photos picks from them.
class LMTEMPLATES_EXPORT LMBackgroundDistributorAbstract
{
public:
    LMBackgroundDistributorAbstract(const LMArticle& theArticle, const LMBackgroundStrategy& theStrategy);
    LMBackgroundDistributorAbstract(const LMBackgroundDistributorAbstract&) = delete;
    LMBackgroundDistributorAbstract& operator=(const LMBackgroundDistributorAbstract&) = delete;
    virtual ~LMBackgroundDistributorAbstract();

    // The background for a page showing these photos; null when there is none.
    virtual LMConfiguredTemplate selectTemplate(const LMFotoList& theFotos) = 0;

    bool matches(const LMArticle& theArticle, const LMBackgroundStrategy& theStrategy) const;
    const LMArticle& article() const { return myArticle; }
    const LMBackgroundStrategy& strategy() const { return myStrategy; }
    int flags() const { return myStrategy.backgroundFlags(myArticle); }
    bool hasFlag(int theFlag) const { return (flags() & theFlag) != 0; }
    int selectAnotherBackgroundFrequency() const { return myStrategy.selectAnotherBackgroundFrequency(); }

    // The list of the key; an empty one is created on first request.
    const LMTemplateList& templateList(int theKey);
    void insertIntoTemplateList(const LMConfiguredTemplate& theTemplate, int theKey);
    // The hue list keys in ascending order.
    QList<int> templateListKeys() const;
    // Every template of every list once, lists by ascending key.
    LMTemplateList allTemplates() const;
    LMTemplateList allBackgrounds() const { return allTemplates(); }
    const LMTemplateList& explicitTemplates() const { return myExplicitTemplates; }
    qsizetype countBackgrounds() const;
    // A background for previews: the n-th of allTemplates(), wrapping; null when there is none.
    LMConfiguredTemplate exampleTemplate(int theIndex) const;
    // A template of a random non-empty list.
    LMConfiguredTemplate anyTemplate() const;

    // Computes and caches the colours of all photos, in parallel.
    static void preparePredominantColors(const LMFotoList& theFotos);
    // The average of the photos' colours; grey for no photos.
    static QColor calculatePredominantColor(const LMFotoList& theFotos);
    // The brightest pixel of the picture scaled to 3 × 3; black for a null picture.
    static QColor calculatePredominantColor(const QImage& theImage);
    // The colour of the background's square example picture (cached); the black background gives
    // a dark grey when theUseBlackShortcut is set.
    static QColor calculatePredominantColor(const LMConfiguredTemplate& theTemplate, bool theUseBlackShortcut);
    // Stores the colour a background counts as (for backgrounds measured elsewhere).
    static void recordPredominantColor(const LMConfiguredTemplate& theTemplate, const QColor& theColor);
    // The colour of the photo's micro thumbnail, through the process-wide cache.
    static QColor calculatePredominantColorInFoto(const LMFoto& theFoto);
    static int normalizeHue(int theHue);
    // The hue class (nearest multiple of 30, 360 being 0) of the background's colour.
    static int findHueForFlatColor(const LMConfiguredTemplate& theTemplate);
    // Each template goes into the list of its hue class and of both neighbour classes.
    void insertTemplatesAtCloseHuesIntoList(const LMTemplateList& theTemplates);
    // The template whose colour is nearest to theColor; null for an empty list.
    static LMConfiguredTemplate findBestTemplateForColor(const LMTemplateList& theTemplates, const QColor& theColor);

    static bool isBlackBackground(const LMConfiguredTemplate& theTemplate);
    static bool isWhiteBackground(const LMConfiguredTemplate& theTemplate);
    bool isWhiteOK(const LMConfiguredTemplate& theTemplate) const;
    bool isBlackOK(const LMConfiguredTemplate& theTemplate) const;
    bool isDiscreteOK(const LMConfiguredTemplate& theTemplate) const;
    bool isMiddleFadingOK(const LMConfiguredTemplate& theTemplate) const;
    bool isColorfulOK(const LMConfiguredTemplate& theTemplate) const;

protected:
    QHash<int, LMTemplateList> myHueLists;

private:
    void calculatePredominantColorsInBackgroundTemplates(const LMBackgroundStrategy& theStrategy,
                                                         const LMArticle& theArticle);

    LMBackgroundStrategy myStrategy;
    LMArticle myArticle;
    LMTemplateList myExplicitTemplates;
};
