#pragma once

#include "LMArticle.h"
#include "LMArticleClass.h"
#include "LMCoverType.h"
#include "LMOrientation.h"
#include "LMPageBinding.h"
#include "LMPlatformExport.h"
#include "LMSpaceMagnitude.h"

#include <QHashFunctions>

// Describes articles by their properties instead of naming them: the orientations, article
// classes, cover types and page bindings they must have, and the smallest size class they must
// reach. A property left at 0 does not restrict.
class LMPLATFORM_EXPORT LMProductRestriction
{
public:
    LMProductRestriction() = default;

    // True when no property restricts.
    bool isEmpty() const;
    // True when the article has, for every restricting property, one of the named values, and a
    // size class at least the minimum size; an article whose size class is unknown (0) is not held
    // back by the minimum size. The empty restriction accepts every article that is not null.
    bool accepts(const LMArticle& theArticle) const;
    // True when some article could satisfy both restrictions: every property that both restrict
    // shares a value (minimum sizes never conflict: a large enough article meets both).
    bool overlaps(const LMProductRestriction& theOther) const;

    LMOrientation orientations() const { return myOrientations; }
    LMArticleClass articleClasses() const { return myArticleClasses; }
    LMCoverType coverTypes() const { return myCoverTypes; }
    LMPageBinding pageBindings() const { return myPageBindings; }
    LMSpaceMagnitude minimumSize() const { return myMinimumSize; }
    void addOrientation(const LMOrientation& theOrientation) { myOrientations |= theOrientation; }
    void addArticleClass(const LMArticleClass& theClass) { myArticleClasses |= theClass; }
    void setCoverTypes(const LMCoverType& theCoverTypes) { myCoverTypes = theCoverTypes; }
    void addPageBinding(const LMPageBinding& theBinding) { myPageBindings |= theBinding; }
    void setMinimumSize(const LMSpaceMagnitude& theSize) { myMinimumSize = theSize; }

    friend bool operator==(const LMProductRestriction& theA, const LMProductRestriction& theB)
    {
        return theA.myOrientations == theB.myOrientations && theA.myArticleClasses == theB.myArticleClasses
            && theA.myCoverTypes == theB.myCoverTypes && theA.myPageBindings == theB.myPageBindings
            && theA.myMinimumSize == theB.myMinimumSize;
    }
    friend bool operator!=(const LMProductRestriction& theA, const LMProductRestriction& theB)
    {
        return !(theA == theB);
    }

private:
    LMOrientation myOrientations;
    LMArticleClass myArticleClasses;
    LMCoverType myCoverTypes;
    LMPageBinding myPageBindings;
    LMSpaceMagnitude myMinimumSize;
};

inline size_t qHash(const LMProductRestriction& theRestriction, size_t theSeed = 0) noexcept
{
    return qHashMulti(theSeed, theRestriction.orientations().value(), theRestriction.articleClasses().value(),
                      theRestriction.coverTypes().value(), theRestriction.pageBindings().value(),
                      theRestriction.minimumSize().value());
}
