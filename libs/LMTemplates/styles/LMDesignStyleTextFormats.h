#pragma once

#include "LMDesignStyleTextFormat.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplatesExport.h"

#include <QList>
#include <QMap>

// The text formats of a rule set ("texts"), one per text type.
class LMTEMPLATES_EXPORT LMDesignStyleTextFormats
{
public:
    LMDesignStyleTextFormats() = default;
    // Every child element is read as a "text" (another name is warned about and skipped); a
    // later format of the same text type replaces the earlier.
    explicit LMDesignStyleTextFormats(const QDomElement& theElement);

    // Replaces the format of the same text type; an invalid format is ignored.
    void insert(const LMDesignStyleTextFormat& theFormat);
    // The format of exactly that text type; an invalid one when there is none.
    LMDesignStyleTextFormat textFormat(const LMAreaTextType& theTextType) const
    {
        return myFormats.value(theTextType.value());
    }
    // In text type order.
    QList<LMDesignStyleTextFormat> textFormats() const { return myFormats.values(); }
    qsizetype count() const { return myFormats.size(); }
    bool isEmpty() const { return myFormats.isEmpty(); }
    bool isValid() const { return !isEmpty(); }

    // Gives every text area whose text type has a format that format's changes, merged over the
    // change the area has (a rule set before on the same page), the later fields winning.
    LMTemplateAreaDefinitionList applyToAreaDefinitions(LMTemplateAreaDefinitionList theAreas) const;
    // Appends a "texts" element with the formats in text type order.
    void buildXML(QDomElement& theParent) const;
    QString toDebugString() const;

    friend bool operator==(const LMDesignStyleTextFormats& theA, const LMDesignStyleTextFormats& theB)
    {
        return theA.myFormats == theB.myFormats;
    }
    friend bool operator!=(const LMDesignStyleTextFormats& theA, const LMDesignStyleTextFormats& theB)
    {
        return !(theA == theB);
    }

private:
    // Keyed by the text type's value.
    QMap<qint32, LMDesignStyleTextFormat> myFormats;
};
