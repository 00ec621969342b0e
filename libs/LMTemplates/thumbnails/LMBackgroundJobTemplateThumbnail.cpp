#include "LMBackgroundJobTemplateThumbnail.h"

#include "LMTemplateThumbnailCache.h"

#include <typeinfo>

LMBackgroundJobTemplateThumbnail::LMBackgroundJobTemplateThumbnail(const LMTemplateThumbnailContext& theContext)
    : myKey(theContext)
{
}

LMBackgroundJobTemplateThumbnail::~LMBackgroundJobTemplateThumbnail() = default;

bool LMBackgroundJobTemplateThumbnail::operator==(const LMBackgroundJob& theOther) const
{
    if (typeid(theOther) != typeid(*this))
        return false;
    return static_cast<const LMBackgroundJobTemplateThumbnail&>(theOther).myKey == myKey;
}

QImage LMBackgroundJobTemplateThumbnail::renderImage() const
{
    const QImage anImage = createThumbnail();
    LMTemplateThumbnailCache::instance()->updateCacheData(myKey, anImage);
    return anImage;
}

bool LMBackgroundJobTemplateThumbnail::doStuff() const
{
    return !renderImage().isNull();
}
