#pragma once

#include "LMPageAlignment.h"
#include "LMPageType.h"
#include "LMPlatformExport.h"

#include <QHashFunctions>

// On which pages a template may be used: its page types, the alignments (left, right ...) it is
// intended for and the width/height ratio of the page it was designed on (0 when none).
class LMPLATFORM_EXPORT LMPageConstraint
{
public:
    LMPageConstraint() = default;
    explicit LMPageConstraint(const LMPageType& thePageTypes) : myPageTypes(thePageTypes) { }

    bool isEmpty() const { return !myPageTypes.isValid() && !myIntendedAlignments.isValid(); }

    LMPageType pageTypes() const { return myPageTypes; }
    void setPageTypes(const LMPageType& thePageTypes) { myPageTypes = thePageTypes; }
    void addPageType(const LMPageType& thePageType) { myPageTypes |= thePageType; }
    LMPageAlignment intendedAlignments() const { return myIntendedAlignments; }
    void addIntendedAlignment(const LMPageAlignment& theAlignment) { myIntendedAlignments |= theAlignment; }
    double defaultWidthByHeight() const { return myDefaultWidthByHeight; }
    void setDefaultWidthByHeight(double theRatio) { myDefaultWidthByHeight = theRatio; }

    // True when every bit of the given (valid) page type is one of the constraint's page types.
    bool isPageType(const LMPageType& thePageType) const;
    bool sharesPageType(const LMPageType& thePageType) const { return myPageTypes.intersects(thePageType); }
    // True when either side names no page type, or both share one.
    bool matches(const LMPageConstraint& theOther) const;

    friend bool operator==(const LMPageConstraint& theA, const LMPageConstraint& theB)
    {
        return theA.myPageTypes == theB.myPageTypes && theA.myIntendedAlignments == theB.myIntendedAlignments
            && qFuzzyCompare(1.0 + theA.myDefaultWidthByHeight, 1.0 + theB.myDefaultWidthByHeight);
    }
    friend bool operator!=(const LMPageConstraint& theA, const LMPageConstraint& theB) { return !(theA == theB); }

private:
    LMPageType myPageTypes;
    LMPageAlignment myIntendedAlignments;
    double myDefaultWidthByHeight = 0.0;
};

inline size_t qHash(const LMPageConstraint& theConstraint, size_t theSeed = 0) noexcept
{
    return qHashMulti(theSeed, theConstraint.pageTypes().value(), theConstraint.intendedAlignments().value());
}
