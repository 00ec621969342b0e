#pragma once

#include "LMCoverType.h"
#include "LMTemplatesExport.h"

#include <QString>

// The address of one page of a product for a design style: the cluster of pages it belongs to,
// its double page (scene), its index counted from 0 over the whole product including the cover
// pages, the product's cover type and which of the page's alternative templates is wanted.
class LMTEMPLATES_EXPORT LMDesignStyleReferencePoint
{
public:
    LMDesignStyleReferencePoint() = default;
    LMDesignStyleReferencePoint(int theCluster, int theScene, int thePage,
                                const LMCoverType& theCoverType = LMCoverType(), int theAlternativeSceneIndex = 0)
        : myCluster(theCluster), myScene(theScene), myPage(thePage), myCoverType(theCoverType),
          myAlternativeSceneIndex(theAlternativeSceneIndex)
    {
    }

    int cluster() const { return myCluster; }
    int scene() const { return myScene; }
    int page() const { return myPage; }
    const LMCoverType& coverType() const { return myCoverType; }
    int alternativeSceneIndex() const { return myAlternativeSceneIndex; }

    // "cluster 0, scene 1, page 2, cover 1, alternative 0".
    QString toString() const;

    friend bool operator==(const LMDesignStyleReferencePoint& theA, const LMDesignStyleReferencePoint& theB)
    {
        return theA.myCluster == theB.myCluster && theA.myScene == theB.myScene && theA.myPage == theB.myPage
            && theA.myCoverType == theB.myCoverType && theA.myAlternativeSceneIndex == theB.myAlternativeSceneIndex;
    }
    friend bool operator!=(const LMDesignStyleReferencePoint& theA, const LMDesignStyleReferencePoint& theB)
    {
        return !(theA == theB);
    }

private:
    int myCluster = 0;
    int myScene = 0;
    int myPage = 0;
    LMCoverType myCoverType;
    int myAlternativeSceneIndex = 0;
};
