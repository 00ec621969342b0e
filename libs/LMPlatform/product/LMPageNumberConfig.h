#pragma once

#include "LMPlatformExport.h"

// What a design gives the page numbers of a product: whether they are shown on every page.
// Carries only that switch; where and how the numbers are drawn is the product's.
class LMPLATFORM_EXPORT LMPageNumberConfig
{
public:
    LMPageNumberConfig() = default;
    explicit LMPageNumberConfig(bool theEnabled) : myEnabled(theEnabled) { }

    bool isEnabled() const { return myEnabled; }
    void setEnabled(bool theEnabled) { myEnabled = theEnabled; }

    friend bool operator==(const LMPageNumberConfig& theA, const LMPageNumberConfig& theB)
    {
        return theA.myEnabled == theB.myEnabled;
    }
    friend bool operator!=(const LMPageNumberConfig& theA, const LMPageNumberConfig& theB) { return !(theA == theB); }

private:
    bool myEnabled = false;
};
