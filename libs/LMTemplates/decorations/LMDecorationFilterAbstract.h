#pragma once

#include "LMContentFilterAbstract.h"
#include "LMJigType.h"

class LMAbstractDecoration;

// The filter of decorations for a product context: the jig type, the shared categorisation
// check, and the spot colour, primary and feature categories the filter asks for.
class LMTEMPLATES_EXPORT LMDecorationFilterAbstract : public LMContentFilterAbstract
{
public:
    LMDecorationFilterAbstract(const LMContentFilterParameter& theParameter, const LMJigType& theAcceptableJigType);
    ~LMDecorationFilterAbstract() override;

    using LMContentFilterAbstract::accept;
    virtual bool accept(const LMAbstractDecoration* theDecoration) const;
    virtual LMJigType acceptableJigType() const { return myAcceptableJigType; }

private:
    // An empty wanted set accepts; else the decoration holds one of them under the type.
    bool checkCategoryType(const LMAbstractDecoration& theDecoration, const LMCategoryType& theType) const;

    LMJigType myAcceptableJigType;
};
