#pragma once

#include "LMDesignElementID.h"
#include "LMTemplatesExport.h"

class LMJig;

// The seam through which areas find decorations: clipart areas name their clipart by unique name
// when the id is missing, mask areas check their mask. The decoration registry, which lives on a
// higher floor, installs itself here when it is created.
class LMTEMPLATES_EXPORT LMDecorationLookup
{
public:
    virtual ~LMDecorationLookup();

    // The design element id of the clipart with that unique name; invalid when there is none.
    virtual LMDesignElementID findClipartByUniqueName(const QString& theUniqueName) const = 0;
    // True when a mask or mask frame with that id exists.
    virtual bool containsMask(const LMDesignElementID& theId) const = 0;
    // The decoration of that id (a clipart, mask or mask frame object); null when there is none.
    virtual LMJig* decorationJig(const LMDesignElementID& theId) const;

    // Installs the lookup for the whole process; null uninstalls. The lookup must outlive its
    // installation.
    static void install(const LMDecorationLookup* theLookup);
    static const LMDecorationLookup* installed();

protected:
    LMDecorationLookup() = default;
};
