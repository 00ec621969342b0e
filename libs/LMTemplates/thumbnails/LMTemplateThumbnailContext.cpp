#include "LMTemplateThumbnailContext.h"

#include "LMArticle.h"
#include "LMMediaLoaderAbstract.h"
#include "LMPageType.h"
#include "LMTemplate.h"

#include <QDebug>
#include <QHashFunctions>

namespace {
// The size of a thumbnail file that reports none.
constexpr int DEFAULT_THUMBNAIL_SIDE = 200;
// The page of a template drawn without a product page size and without a page of its own.
constexpr double FALLBACK_PAGE_SIDE = 1000.0;

QSize fittedInto(const QSizeF& theSize, const QSize& theBounds)
{
    if (theSize.isEmpty() || theBounds.isEmpty())
        return theBounds;
    const QSizeF aFitted = theSize.scaled(QSizeF(theBounds), Qt::KeepAspectRatio);
    return QSize(std::max(1, qRound(aFitted.width())), std::max(1, qRound(aFitted.height())));
}
} // namespace

class LMTemplateThumbnailContextImpl : public QSharedData
{
public:
    QSize myMaxRenderingSize;
    LMTemplateContext myTemplateContext;
    LMConfiguredTemplate myTemplate;
    LMCalendariumPreviewParameters myPreviewParameters;
    QString myPreviewFoto;
    QColor myBackgroundColor;
    bool myBorder = false;
    size_t myHash = 0;
};

LMTemplateThumbnailContext::LMTemplateThumbnailContext() : myImpl(new LMTemplateThumbnailContextImpl)
{
    updateHash();
}

LMTemplateThumbnailContext::LMTemplateThumbnailContext(const QSize& theMaxRenderingSize,
                                                       const LMTemplateContext& theTemplateContext,
                                                       const LMConfiguredTemplate& theTemplate,
                                                       const LMCalendariumPreviewParameters& theParameters,
                                                       const QString& thePreviewFoto, const QColor& theBackgroundColor)
    : myImpl(new LMTemplateThumbnailContextImpl)
{
    myImpl->myMaxRenderingSize = theMaxRenderingSize;
    myImpl->myTemplateContext = theTemplateContext;
    myImpl->myTemplate = theTemplate;
    myImpl->myPreviewParameters = theParameters;
    myImpl->myPreviewFoto = thePreviewFoto;
    myImpl->myBackgroundColor = theBackgroundColor;
    updateHash();
}

LMTemplateThumbnailContext::LMTemplateThumbnailContext(const LMTemplateThumbnailContext& theOther) = default;
LMTemplateThumbnailContext& LMTemplateThumbnailContext::operator=(const LMTemplateThumbnailContext& theOther) = default;
LMTemplateThumbnailContext::~LMTemplateThumbnailContext() = default;

LMTemplateThumbnailContext LMTemplateThumbnailContext::createQuadraticExample(const LMConfiguredTemplate& theTemplate,
                                                                              int theSide)
{
    const LMTemplateContext aContext(LMArticle::createFirstValidArticle(), LMPageTypeEnum::InnerPage);
    return LMTemplateThumbnailContext(QSize(theSide, theSide), aContext, theTemplate, LMCalendariumPreviewParameters(),
                                      QString(), Qt::white);
}

const QSize& LMTemplateThumbnailContext::maxRenderingSize() const
{
    return myImpl->myMaxRenderingSize;
}

void LMTemplateThumbnailContext::setMaxRenderingSize(const QSize& theSize)
{
    myImpl->myMaxRenderingSize = theSize;
    updateHash();
}

const LMTemplateContext& LMTemplateThumbnailContext::templateContext() const
{
    return myImpl->myTemplateContext;
}

const LMConfiguredTemplate& LMTemplateThumbnailContext::getTemplate() const
{
    return myImpl->myTemplate;
}

const LMCalendariumPreviewParameters& LMTemplateThumbnailContext::previewParameters() const
{
    return myImpl->myPreviewParameters;
}

const QString& LMTemplateThumbnailContext::previewFoto() const
{
    return myImpl->myPreviewFoto;
}

const QColor& LMTemplateThumbnailContext::backgroundColor() const
{
    return myImpl->myBackgroundColor;
}

bool LMTemplateThumbnailContext::border() const
{
    return myImpl->myBorder;
}

void LMTemplateThumbnailContext::setBorder(bool theBorder)
{
    myImpl->myBorder = theBorder;
}

bool LMTemplateThumbnailContext::isValid() const
{
    return myImpl->myTemplate.isValid();
}

QSize LMTemplateThumbnailContext::thumbnailSize() const
{
    if (!isValid())
        return QSize();
    QSizeF aSize;
    switch (myImpl->myTemplate->autoThumbSetting().value()) {
    case 0:
    case 1:
        aSize = usableSize();
        break;
    case 2:
    case 6:
        aSize = myImpl->myTemplateContext.article().usablePrintSizeForBackgroundTemplate(!useBackgroundSingleSided());
        break;
    default: {
        aSize = LMMediaLoaderAbstract::imageSize(myImpl->myTemplate->fileInfo().thumbnailPath().filePath());
        if (aSize.isEmpty())
            aSize = QSizeF(DEFAULT_THUMBNAIL_SIDE, DEFAULT_THUMBNAIL_SIDE);
        break;
    }
    }
    return fittedInto(aSize, myImpl->myMaxRenderingSize);
}

QSizeF LMTemplateThumbnailContext::usableSize() const
{
    const QSizeF aProductPage = myImpl->myTemplateContext.usableSize();
    if (!aProductPage.isEmpty() || !isValid())
        return aProductPage;
    const QSizeF aTemplatePage = myImpl->myTemplate->pageSize();
    return aTemplatePage.isEmpty() ? QSizeF(FALLBACK_PAGE_SIDE, FALLBACK_PAGE_SIDE) : aTemplatePage;
}

QPointF LMTemplateThumbnailContext::topLeftBleedOffset() const
{
    return myImpl->myTemplateContext.topLeftBleedOffset();
}

bool LMTemplateThumbnailContext::useBackgroundSingleSided() const
{
    if (!isValid() || myImpl->myTemplateContext.fullBackgroundOnEachPage())
        return false;
    return myImpl->myTemplate->putFullBackgroundOnEachPage(myImpl->myTemplateContext.orientation());
}

bool LMTemplateThumbnailContext::paintSingleSidedBackgroundDoubleSided() const
{
    return useBackgroundSingleSided() && myImpl->myTemplateContext.pageType() == LMPageTypeEnum::InnerPage;
}

size_t LMTemplateThumbnailContext::hash() const
{
    return myImpl->myHash;
}

void LMTemplateThumbnailContext::updateHash()
{
    const QSize& aSize = myImpl->myMaxRenderingSize;
    const LMCalendariumPreviewParameters& aParameters = myImpl->myPreviewParameters;
    const QString aName = myImpl->myTemplate.isNull() ? QString() : myImpl->myTemplate.uniqueName();
    myImpl->myHash = qHashMulti(0, 100 * aSize.height() + aSize.width(), myImpl->myTemplateContext.article(), aName,
                                aParameters.colorSchema(), aParameters.contentConfiguration(), aParameters.range());
}

bool operator==(const LMTemplateThumbnailContext& theA, const LMTemplateThumbnailContext& theB)
{
    if (theA.myImpl == theB.myImpl)
        return true;
    const LMTemplateThumbnailContextImpl& a = *theA.myImpl;
    const LMTemplateThumbnailContextImpl& b = *theB.myImpl;
    return a.myHash == b.myHash && a.myMaxRenderingSize == b.myMaxRenderingSize
        && a.myTemplateContext == b.myTemplateContext && a.myTemplate == b.myTemplate
        && a.myPreviewParameters == b.myPreviewParameters && a.myPreviewFoto == b.myPreviewFoto
        && a.myBackgroundColor == b.myBackgroundColor;
}

QDebug operator<<(QDebug theDebug, const LMTemplateThumbnailContext& theContext)
{
    QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateThumbnailContext(" << theContext.getTemplate() << ", "
                       << theContext.maxRenderingSize() << ", " << theContext.templateContext() << ')';
    return theDebug;
}
