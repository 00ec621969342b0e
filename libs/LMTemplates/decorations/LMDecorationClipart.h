#pragma once

#include "LMAbstractDecoration.h"

class QDir;

// A free-standing SVG picture placed on a page.
class LMTEMPLATES_EXPORT LMDecorationClipart : public LMAbstractDecoration
{
    Q_OBJECT

public:
    // theElement is a "clipart" element; its "file" is relative to theDirectory.
    LMDecorationClipart(const QDomElement& theElement, const QDir& theDirectory);
    ~LMDecorationClipart() override;

    QString basicDragAndDropHint() const override;
    QString uniqueName() const override;
    bool iWatchThisComposition(const LMSVGComposition& theComposition) const override;
    LMClipartConfiguration clipartConfiguration() const override { return myConfiguration; }

protected:
    QImage thumbnailInternal(const QSize& theSize, const LMMirrorRule& theMirrorRule,
                             const LMSpotColor& theSpotColor) override;

private:
    LMClipartConfiguration myConfiguration;
};
