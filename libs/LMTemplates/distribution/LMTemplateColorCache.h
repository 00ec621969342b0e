#pragma once

#include "LMSingleton.h"
#include "LMTemplateList.h"
#include "LMTemplatesExport.h"

#include <QColor>
#include <QHash>
#include <QString>

#include <mutex>

class LMTemplateContext;

// The colour of each template as its thumbnail shows it, by unique name, for the whole process.
// Measuring renders outside the lock and may run on pool threads.
class LMTEMPLATES_EXPORT LMTemplateColorCache : public LMSingleton<LMTemplateColorCache>
{
public:
    ~LMTemplateColorCache() override;

    // Measures every template not cached yet, in parallel when the pool has room, and waits.
    void prepare(const LMTemplateList& theTemplates, const LMTemplateContext& theContext);
    // The cached colour, else measured and recorded.
    QColor colorOf(const LMConfiguredTemplate& theTemplate, const LMTemplateContext& theContext);
    // The centre pixel of the template's 200 × 200 thumbnail; white without a thumbnail.
    static QColor measure(const LMConfiguredTemplate& theTemplate, const LMTemplateContext& theContext);
    void record(const LMConfiguredTemplate& theTemplate, const QColor& theColor);
    LMTemplateList filterNotInCacheNow(const LMTemplateList& theTemplates) const;
    bool contains(const LMConfiguredTemplate& theTemplate) const;
    void clear();

private:
    friend class LMSingleton<LMTemplateColorCache>;
    LMTemplateColorCache();

    mutable std::recursive_mutex myMutex;
    QHash<QString, QColor> myColors;
};
