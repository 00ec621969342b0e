#include "LMDesignStyleReferencePoint.h"

QString LMDesignStyleReferencePoint::toString() const
{
    return QStringLiteral("cluster %1, scene %2, page %3, cover %4, alternative %5")
        .arg(myCluster)
        .arg(myScene)
        .arg(myPage)
        .arg(myCoverType.value())
        .arg(myAlternativeSceneIndex);
}
