#pragma once

#include "LMTemplateConfiguration.h"
#include "LMTemplatesExport.h"
#include "LMUnconfiguredTemplate.h"

class QDebug;
class QDomElement;
class QImage;

// A template together with the choices made for one use of it (colour sheet, spot colour).
// Template queries go to the template.
class LMTEMPLATES_EXPORT LMConfiguredTemplate
{
public:
    LMConfiguredTemplate() = default;
    // With the default configuration, spot colour is enabled exactly when the template has a
    // spot colour.
    explicit LMConfiguredTemplate(const LMUnconfiguredTemplate& theTemplate,
                                  const LMTemplateConfiguration& theConfiguration = LMTemplateConfiguration());
    LMConfiguredTemplate(const LMConfiguredTemplate&) = default;
    LMConfiguredTemplate& operator=(const LMConfiguredTemplate&) = default;
    virtual ~LMConfiguredTemplate();

    const LMUnconfiguredTemplate& unconfiguredTemplate() const { return myTemplate; }
    const LMTemplateConfiguration& configuration() const { return myConfiguration; }
    // Returns whether the configuration changed.
    bool setConfiguration(const LMTemplateConfiguration& theConfiguration);
    void setCssSheetByTitle(const QString& theTitle) { myConfiguration.setCssSheetByTitle(theTitle); }
    void setSpotColorEnabled(bool theEnabled) { myConfiguration.setSpotColorEnabled(theEnabled); }

    // A new copy of the template (belonging to the caller) with the same configuration.
    LMConfiguredTemplate clone() const { return clone(LMMirrorRule()); }
    LMConfiguredTemplate clone(const LMMirrorRule& theMirrorRule) const;
    // Writes "template" = the unique name and the configuration's attributes.
    void toMcf(QDomElement& theElement) const;

    // The neighbours of the template in its bundle (the pages of one design), with this
    // configuration; a configured empty template at either end.
    LMConfiguredTemplate nextBundleTemplate() const;
    LMConfiguredTemplate previousBundleTemplate() const;
    LMConfiguredTemplate firstBundleTemplate() const;
    int countNeededBundlePages() const;
    bool inSameBundle(const LMConfiguredTemplate& theOther) const;

    // The template's tool tip, a blank and the configuration's.
    QString toolTip() const;

    // The picture of the template's background: its image file, else its thumbnail file, decoded
    // to fit theMaxEdge × theMaxEdge; null when neither can be read. A colour variant of a
    // multi-colour background shows the picture in its own colours (LMMultiColorConfig::colorize).
    QImage largeImage(int theMaxEdge) const;
    // The picture a background preview shows: the preview file, else as largeImage. For a full
    // cover (spine and both covers) the image file comes first, since a preview file shows one page.
    QImage largeImagePreview(bool theFullCover, int theMaxEdge = 2048) const;

    bool isValid() const { return myTemplate.isValid(); }
    bool isNull() const { return myTemplate.isNull(); }
    const LMTemplate* operator->() const { return myTemplate.operator->(); }
    const LMTemplate& operator*() const { return *myTemplate; }
    LMTemplate* templatePointer() const { return myTemplate.templatePointer(); }
    QString name() const { return myTemplate.name(); }
    QString uniqueName() const { return myTemplate.uniqueName(); }

    friend bool operator==(const LMConfiguredTemplate& theA, const LMConfiguredTemplate& theB)
    {
        return theA.myTemplate == theB.myTemplate && theA.myConfiguration == theB.myConfiguration;
    }
    friend bool operator!=(const LMConfiguredTemplate& theA, const LMConfiguredTemplate& theB)
    {
        return !(theA == theB);
    }
    // By configuration when they differ, else by template.
    friend bool operator<(const LMConfiguredTemplate& theA, const LMConfiguredTemplate& theB)
    {
        if (theA.myConfiguration != theB.myConfiguration)
            return theA.myConfiguration < theB.myConfiguration;
        return theA.myTemplate < theB.myTemplate;
    }

private:
    LMUnconfiguredTemplate myTemplate;
    LMTemplateConfiguration myConfiguration;
};

inline size_t qHash(const LMConfiguredTemplate& theTemplate, size_t theSeed = 0) noexcept
{
    return qHash(theTemplate.unconfiguredTemplate(), theSeed);
}

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMConfiguredTemplate& theTemplate);
