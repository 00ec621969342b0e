#pragma once

#include "LMCalendariumPreviewParameters.h"
#include "LMConfiguredTemplate.h"
#include "LMTemplateContext.h"
#include "LMTemplatesExport.h"

#include <QColor>
#include <QSharedDataPointer>
#include <QSize>

class LMTemplateThumbnailContextImpl;
class QDebug;

// What one thumbnail shows: a template for a product context, at most so large, with the calendar
// preview parameters, the photo shown in its photo areas and the colour behind it. The key of
// every thumbnail request; a cheap, implicitly shared value whose hash is computed once.
class LMTEMPLATES_EXPORT LMTemplateThumbnailContext
{
public:
    // The invalid context: no template.
    LMTemplateThumbnailContext();
    LMTemplateThumbnailContext(const QSize& theMaxRenderingSize, const LMTemplateContext& theTemplateContext,
                               const LMConfiguredTemplate& theTemplate,
                               const LMCalendariumPreviewParameters& theParameters = LMCalendariumPreviewParameters(),
                               const QString& thePreviewFoto = QString(), const QColor& theBackgroundColor = Qt::white);
    LMTemplateThumbnailContext(const LMTemplateThumbnailContext& theOther);
    LMTemplateThumbnailContext& operator=(const LMTemplateThumbnailContext& theOther);
    ~LMTemplateThumbnailContext();

    // An n × n picture of the template on white for the first valid article's inner pages, with
    // the default calendar and no photo: what colour measurement looks at.
    static LMTemplateThumbnailContext createQuadraticExample(const LMConfiguredTemplate& theTemplate, int theSide);

    const QSize& maxRenderingSize() const;
    void setMaxRenderingSize(const QSize& theSize);
    const LMTemplateContext& templateContext() const;
    const LMConfiguredTemplate& getTemplate() const;
    const LMCalendariumPreviewParameters& previewParameters() const;
    // The path of the photo shown in photo areas; empty for the empty-area marker.
    const QString& previewFoto() const;
    const QColor& backgroundColor() const;
    bool border() const;
    void setBorder(bool theBorder);

    // A valid template is named.
    bool isValid() const;

    // The pixel size of the thumbnail, fitted into the maximum rendering size keeping the aspect:
    // of the product page for layouts, of the background's print size for backgrounds, of the
    // template's own thumbnail file (200 × 200 when it has none) otherwise. A background size falls
    // back to the maximum rendering size when the product names no page size. May read
    // the thumbnail file's header: the thumbnail cache memoises it.
    QSize thumbnailSize() const;
    // The page the template is drawn on, in its units: the product's usable page; when the
    // catalogue names none, the template's own page size, else 1000 × 1000.
    QSizeF usableSize() const;
    QPointF topLeftBleedOffset() const;
    // A background drawn once per page rather than across the spread.
    bool useBackgroundSingleSided() const;
    // A single-sided background on an inner page, where the editor shows spreads: the preview shows
    // it twice, side by side.
    bool paintSingleSidedBackgroundDoubleSided() const;

    size_t hash() const;

    // Equal maximum rendering size, template context, template, preview parameters, preview photo
    // and background colour; the border flag does not count.
    friend LMTEMPLATES_EXPORT bool operator==(const LMTemplateThumbnailContext& theA,
                                              const LMTemplateThumbnailContext& theB);
    friend bool operator!=(const LMTemplateThumbnailContext& theA, const LMTemplateThumbnailContext& theB)
    {
        return !(theA == theB);
    }

private:
    void updateHash();

    QSharedDataPointer<LMTemplateThumbnailContextImpl> myImpl;
};

inline size_t qHash(const LMTemplateThumbnailContext& theContext, size_t theSeed = 0) noexcept
{
    return theContext.hash() ^ theSeed;
}

LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateThumbnailContext& theContext);
