#pragma once

#include "LMArticle.h"
#include "LMArticleClass.h"
#include "LMCoverType.h"
#include "LMOrientation.h"
#include "LMPageBinding.h"
#include "LMPlatformExport.h"

#include <QHashFunctions>

// Describes articles by their properties instead of naming them: the orientations, article
// classes, cover types and page bindings they must have. A property left at 0 does not restrict.
class LMPLATFORM_EXPORT LMProductRestriction
{
public:
    LMProductRestriction() = default;

    // True when no property restricts.
    bool isEmpty() const;
    // True when the article has, for every restricting property, one of the named values.
    // The empty restriction accepts every article that is not null.
    bool accepts(const LMArticle& theArticle) const;
    // True when some article could satisfy both restrictions: every property that both restrict
    // shares a value.
    bool overlaps(const LMProductRestriction& theOther) const;

    LMOrientation orientations() const { return myOrientations; }
    LMArticleClass articleClasses() const { return myArticleClasses; }
    LMCoverType coverTypes() const { return myCoverTypes; }
    LMPageBinding pageBindings() const { return myPageBindings; }
    void addOrientation(const LMOrientation& theOrientation) { myOrientations |= theOrientation; }
    void addArticleClass(const LMArticleClass& theClass) { myArticleClasses |= theClass; }
    void setCoverTypes(const LMCoverType& theCoverTypes) { myCoverTypes = theCoverTypes; }
    void addPageBinding(const LMPageBinding& theBinding) { myPageBindings |= theBinding; }

    friend bool operator==(const LMProductRestriction& theA, const LMProductRestriction& theB)
    {
        return theA.myOrientations == theB.myOrientations && theA.myArticleClasses == theB.myArticleClasses
            && theA.myCoverTypes == theB.myCoverTypes && theA.myPageBindings == theB.myPageBindings;
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
};

inline size_t qHash(const LMProductRestriction& theRestriction, size_t theSeed = 0) noexcept
{
    return qHashMulti(theSeed, theRestriction.orientations().value(), theRestriction.articleClasses().value(),
                      theRestriction.coverTypes().value(), theRestriction.pageBindings().value());
}
