#pragma once

#include "LMJigStatus.h"
#include "LMTemplateFilterAbstract.h"
#include "LMTemplatesExport.h"

// Accepts the layouts for a usable page: by keyword, photo count, cliparts, product, status and
// category.
class LMTEMPLATES_EXPORT LMTemplateFilterLayout : public LMTemplateFilterAbstract
{
public:
    explicit LMTemplateFilterLayout(const LMContentFilterParameter& theParameter);
    ~LMTemplateFilterLayout() override;

    using LMTemplateFilterAbstract::accept;
    bool accept(const LMUnconfiguredTemplate& theTemplate) const override;

    // The status a layout must have; none by default (every layout has it).
    const LMJigStatus& jigStatus() const { return myJigStatus; }
    void setJigStatus(const LMJigStatus& theStatus) { myJigStatus = theStatus; }
    // Layouts with empty clipart areas are offered only when allowed; not by default.
    bool allowCliparts() const { return myAllowCliparts; }
    void setAllowCliparts(bool theAllow) { myAllowCliparts = theAllow; }

    bool checkSearchKeyword(const LMUnconfiguredTemplate& theTemplate) const;
    bool checkCliparts(const LMUnconfiguredTemplate& theTemplate) const;
    bool checkJigStatus(const LMUnconfiguredTemplate& theTemplate) const;
    // Inner-page layouts are not offered for the special article.
    bool checkSpecialArticle(const LMUnconfiguredTemplate& theTemplate) const;

    // The article whose inner pages take no layouts.
    static constexpr qint32 SPECIAL_ARTICLE_ID = 6770;

private:
    LMJigStatus myJigStatus;
    bool myAllowCliparts = false;
};
