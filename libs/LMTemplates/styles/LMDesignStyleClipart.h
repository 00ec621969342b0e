#pragma once

#include "LMConfiguredDecorationTemplate.h"
#include "LMTemplatesExport.h"

#include <QString>

class LMJig;
class QDomElement;

// One clipart or passepartout of a design style's list: the decoration and how it is shown. The
// empty item stands for a "skip" entry of a passepartout list.
class LMTEMPLATES_EXPORT LMDesignStyleClipart
{
public:
    LMDesignStyleClipart() = default;
    explicit LMDesignStyleClipart(const LMConfiguredDecorationTemplate& theConfiguration,
                                  bool theKeepAspectRatio = true, const QString& theProductionId = QString(),
                                  const QString& theUniqueName = QString())
        : myConfiguration(theConfiguration), myKeepAspectRatio(theKeepAspectRatio), myProductionId(theProductionId),
          myUniqueName(theUniqueName)
    {
    }
    // A "clipart" or "passepartout" element: the decoration (design element id, "gsel", "mirror")
    // and "keepAspectRatio", "productionId", "uniqueName". Its "color" children are not read.
    explicit LMDesignStyleClipart(const QDomElement& theElement);

    const LMConfiguredDecorationTemplate& configuration() const { return myConfiguration; }
    LMDesignElementID designElementID() const { return myConfiguration.designElementId(); }
    // The decoration of the id in the decoration registry; null when none is known.
    LMJig* designElement() const { return myConfiguration.decoration(); }
    bool keepAspectRatio() const { return myKeepAspectRatio; }
    const QString& productionId() const { return myProductionId; }
    const QString& uniqueName() const { return myUniqueName; }
    bool isValid() const { return myConfiguration.isValid(); }
    size_t hash() const;

    // Writes the decoration and the other attributes into the item's element; "keepAspectRatio",
    // which the schema does not know, only when it is false.
    void buildXML(QDomElement& theElement) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleClipart& theA, const LMDesignStyleClipart& theB)
    {
        return theA.myConfiguration == theB.myConfiguration && theA.myKeepAspectRatio == theB.myKeepAspectRatio
            && theA.myProductionId == theB.myProductionId && theA.myUniqueName == theB.myUniqueName;
    }
    friend bool operator!=(const LMDesignStyleClipart& theA, const LMDesignStyleClipart& theB)
    {
        return !(theA == theB);
    }

private:
    LMConfiguredDecorationTemplate myConfiguration;
    bool myKeepAspectRatio = true;
    QString myProductionId;
    QString myUniqueName;
};

inline size_t qHash(const LMDesignStyleClipart& theClipart, size_t theSeed = 0) noexcept
{
    return qHash(theClipart.hash(), theSeed);
}
