#pragma once

#include "LMDesignElementID.h"
#include "LMMultiColorConfig.h"
#include "LMTemplatesExport.h"

#include <QDebug>
#include <QList>
#include <QSharedDataPointer>
#include <QString>

class LMTemplateBackgroundDefinitionImpl;
class LMXMLElement;

// The background references of a template: the background image's id, the id and colour variant
// of a multi-colour background, the spot colour background and the backgrounds a spot colour mask
// combines with. Background templates of XML files are read from the attributes of their element.
class LMTEMPLATES_EXPORT LMTemplateBackgroundDefinition
{
public:
    LMTemplateBackgroundDefinition();
    LMTemplateBackgroundDefinition(const LMTemplateBackgroundDefinition& theOther);
    LMTemplateBackgroundDefinition(LMTemplateBackgroundDefinition&& theOther) noexcept;
    LMTemplateBackgroundDefinition& operator=(const LMTemplateBackgroundDefinition& theOther);
    LMTemplateBackgroundDefinition& operator=(LMTemplateBackgroundDefinition&& theOther) noexcept
    {
        swap(theOther);
        return *this;
    }
    ~LMTemplateBackgroundDefinition();
    void swap(LMTemplateBackgroundDefinition& theOther) noexcept { myImpl.swap(theOther.myImpl); }

    // Reads "multicolor_id" (integer, default 0), "filename" (the background file, whose name
    // gives the background id), "spotColorProductionId" (integer) and "backgroundDesignElementIds"
    // (integers separated by ","). A definition with a multi-colour id is suitable for multiple
    // colours; one that names background ids is a spot colour mask.
    static LMTemplateBackgroundDefinition fromXml(const LMXMLElement& theElement);

    // The number of one to four digits right before the three- or four-letter suffix of the file
    // name ("bg_0012.jpg" gives 12); the invalid id when there is none.
    static LMDesignElementID detectBackgroundId(const QString& theFileName);

    const QString& fileName() const;
    // The multi-colour id when the definition is a valid colour variant, else the id detected
    // from the file name.
    LMDesignElementID backgroundID() const;
    LMDesignElementID multiColorBackgroundId() const;
    LMMultiColorConfig multiColorConfig() const;
    void setMultiColorConfig(const LMMultiColorConfig& theConfig);
    // True for a colour variant: valid multi-colour id and configuration.
    bool isMultiColor() const;
    LMDesignElementID spotColorBackgroundId() const;
    void setSpotColorBackgroundId(const LMDesignElementID& theId);
    const QList<LMDesignElementID>& backgroundDesignElementIds() const;

    bool isSuitableForMultiColor() const;
    void setSuitableForMultiColor(bool theSuitable);
    bool isSpotColorMask() const;
    void setSpotColorMask(bool theMask);

    // hue × 1000 + fading + the number of backgroundID().
    int hashKey() const;

    // The colour variant of this background for the configuration.
    LMTemplateBackgroundDefinition withMultiColorConfig(const LMMultiColorConfig& theConfig) const;
    // One colour variant per configuration of LMMultiColorConfig::allConfigurations(), in order.
    QList<LMTemplateBackgroundDefinition> multiColorVariants() const;
    // For a spot colour mask: one definition per listed background id, which becomes its spot
    // colour background; each is no mask itself.
    QList<LMTemplateBackgroundDefinition> spotColorBackgrounds() const;

    // Equal when hash keys, the three ids, the multi-colour configurations and the id lists are.
    friend LMTEMPLATES_EXPORT bool operator==(const LMTemplateBackgroundDefinition& theA,
                                              const LMTemplateBackgroundDefinition& theB);
    friend bool operator!=(const LMTemplateBackgroundDefinition& theA, const LMTemplateBackgroundDefinition& theB)
    {
        return !(theA == theB);
    }

private:
    // Sets the background id by the detection rule and the hash key after a change.
    void update();

    QSharedDataPointer<LMTemplateBackgroundDefinitionImpl> myImpl;
};

Q_DECLARE_SHARED(LMTemplateBackgroundDefinition)

LMTEMPLATES_EXPORT size_t qHash(const LMTemplateBackgroundDefinition& theDefinition, size_t theSeed = 0) noexcept;
LMTEMPLATES_EXPORT QDebug operator<<(QDebug theDebug, const LMTemplateBackgroundDefinition& theDefinition);
