#pragma once

#include "LMTemplateFilterAbstract.h"
#include "LMTemplatesExport.h"

#include <QColor>

// Accepts the backgrounds for a page: by colour or category, multi-colour variant, the product's
// categories, cover placement, spot colour and variants.
class LMTEMPLATES_EXPORT LMTemplateFilterBackground : public LMTemplateFilterAbstract
{
public:
    explicit LMTemplateFilterBackground(const LMContentFilterParameter& theParameter);
    ~LMTemplateFilterBackground() override;

    using LMTemplateFilterAbstract::accept;
    bool accept(const LMUnconfiguredTemplate& theTemplate) const override;

    // The colour a flyleaf-matching background must have; none by default.
    const QColor& color() const { return myColor; }
    void setColor(const QColor& theColor) { myColor = theColor; }

    // Only when the flyleaf-matching category is wanted: the background's colour is the filter's.
    bool checkColor(const LMUnconfiguredTemplate& theTemplate) const;
    bool checkMultiColor(const LMUnconfiguredTemplate& theTemplate) const;
    // On a full cover, a landscape single-sided background must fill each page of every
    // orientation the filter's articles have.
    bool checkSingleSidedBackgrounds(const LMUnconfiguredTemplate& theTemplate) const;

private:
    QColor myColor;
};
