#pragma once

#include <QSharedDataPointer>

// The one empty part that every default-made value of an implicitly shared class starts from.
// Most values that are made by default stay so (the context group of a plain template, the
// description of an area about to be read); sharing one part spares each of them an allocation
// of its own. The first change detaches, as for any shared part.
template <typename Impl>
const QSharedDataPointer<Impl>& lmSharedEmpty()
{
    static const QSharedDataPointer<Impl> ourEmpty(new Impl);
    return ourEmpty;
}
