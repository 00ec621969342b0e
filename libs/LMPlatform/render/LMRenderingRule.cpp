#include "LMRenderingRule.h"

#include "LMPlatformLogging.h"

#include <QHash>
#include <QPainter>

namespace {
struct Encoded
{
    const QPaintDevice* myDevice = nullptr;
    LMRenderingRule::Purpose myPurpose = LMRenderingRule::Purpose::Print;
};

// Painters are used on one thread at a time, so each thread keeps its own table and needs no lock.
// Print is the default and is not kept; an entry found stale is dropped, which keeps the table to
// the painters that preview now (and to the few that ended without being asked again).
QHash<const QPainter*, Encoded>& encodedRules()
{
    thread_local QHash<const QPainter*, Encoded> ourRules;
    return ourRules;
}
} // namespace

void LMRenderingRule::encodeIn(QPainter* thePainter) const
{
    if (thePainter == nullptr || !thePainter->isActive()) {
        qCWarning(lcPlatformRender) << "rendering rule: no active painter to encode it in";
        return;
    }
    if (myPurpose == Purpose::Print)
        encodedRules().remove(thePainter);
    else
        encodedRules().insert(thePainter, Encoded { thePainter->device(), myPurpose });
}

LMRenderingRule LMRenderingRule::decodeFrom(const QPainter* thePainter)
{
    if (thePainter == nullptr)
        return LMRenderingRule();
    auto& aRules = encodedRules();
    const auto anIt = aRules.find(thePainter);
    if (anIt == aRules.end())
        return LMRenderingRule();
    if (!thePainter->isActive() || thePainter->device() != anIt->myDevice) {
        aRules.erase(anIt);
        return LMRenderingRule();
    }
    return LMRenderingRule(anIt->myPurpose);
}
