#pragma once

#include "LMDesignElementID.h"
#include "LMTemplateList.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QSet>
#include <QString>

class LMArticle;
class QDomElement;
class QDomNode;

// How backgrounds are chosen when pages are filled automatically: which kinds are allowed (flags),
// which hues, which category, which explicit backgrounds, and how they are distributed.
class LMTEMPLATES_EXPORT LMBackgroundStrategy
{
public:
    // The allowed kinds of background.
    enum Flag {
        White = 1,
        Black = 2,
        Discrete = 4,
        MiddleFading = 8,
        Colorful = 16,
        MultiColor = Discrete | MiddleFading | Colorful,
        FlatColor = 64,
        Category = 128
    };
    // How a distributor picks: implicit (decided by the strategy), by colour, in turn.
    enum LMTemplateDistributionStrategy { Implicit = 0, NearestNeighbour = 1, RoundRobin = 2 };

    LMBackgroundStrategy();
    // Reads the "background" element; without "flags" black and white are allowed.
    explicit LMBackgroundStrategy(const QDomElement& theElement);
    virtual ~LMBackgroundStrategy();

    void setBackgroundFlags(int theFlags) { myBackgroundFlags = theFlags; }
    int totalBackgroundFlags() const { return myBackgroundFlags; }
    // All flags when the registry has multi-colour backgrounds for the article, else only white
    // and black.
    int backgroundFlags(const LMArticle& theArticle) const;
    void setBackgroundCategory(const QString& theCategory) { myBackgroundCategory = theCategory; }
    const QString& backgroundCategoryName() const { return myBackgroundCategory; }
    void setExplicitDistributionStrategy(LMTemplateDistributionStrategy theStrategy)
    {
        myDistributionStrategy = theStrategy;
    }
    LMTemplateDistributionStrategy distributionStrategyExplicit() const { return myDistributionStrategy; }
    LMTemplateDistributionStrategy distributionStrategyImplicit() const;
    void setSelectAnotherBackgroundFrequency(int theFrequency) { mySelectAnotherBackgroundFrequency = theFrequency; }
    int selectAnotherBackgroundFrequency() const { return mySelectAnotherBackgroundFrequency; }
    void setBackgroundHues(const QSet<int>& theHues) { myBackgroundHues = theHues; }
    const QSet<int>& backgroundHues() const { return myBackgroundHues; }
    // The twelve hue classes 0, 30 ... 330.
    void setDefaultHues();
    void setExplicitBackgrounds(const LMTemplateList& theTemplates);
    // The registered templates, then the templates of the explicit ids (found in the registry).
    LMTemplateList explicitBackgrounds() const;
    const QList<LMDesignElementID>& explicitBackgroundIds() const { return myExplicitIds; }
    // Adds a valid template that is not registered yet.
    void registerTemplate(const LMConfiguredTemplate& theTemplate);

    bool thereAreMultiColorBackgrounds() const;
    bool thereAreImplicitNoneMulticolorBackgrounds() const;
    bool thereAreImplicitBackgrounds() const;
    bool thereAreExplicitBackgrounds() const;
    bool isUseful() const;

    // Appends the "background" element to theParent.
    void buildXML(QDomNode& theParent) const;

    friend LMTEMPLATES_EXPORT bool operator==(const LMBackgroundStrategy& theA, const LMBackgroundStrategy& theB);
    friend bool operator!=(const LMBackgroundStrategy& theA, const LMBackgroundStrategy& theB)
    {
        return !(theA == theB);
    }

private:
    int myBackgroundFlags = 0;
    QString myBackgroundCategory;
    LMTemplateDistributionStrategy myDistributionStrategy = Implicit;
    int mySelectAnotherBackgroundFrequency = 0;
    QSet<int> myBackgroundHues;
    QList<LMDesignElementID> myExplicitIds;
    LMTemplateList myRegisteredTemplates;
};

LMTEMPLATES_EXPORT size_t qHash(const LMBackgroundStrategy& theStrategy, size_t theSeed = 0) noexcept;
