#include "LMLayoutFlags.h"

#include <array>

LM_DEFINE_ENUM_TABLE(LMLayoutFlags)

bool LMLayoutFlags::relax(const LMEnumWrapper& theOther)
{
    if (intersects(theOther))
        return false;
    expandTo(theOther);
    return true;
}

bool LMLayoutFlags::relax()
{
    using E = LMLayoutFlagsEnum;
    static constexpr std::array ourOrder { E::RelaxedFirst, E::Panorama, E::RelaxedSpaciousnessTest,
                                           E::Tight,        E::Spacious, E::CrazyAllowed };
    for (const E aStep : ourOrder) {
        if (relax(LMLayoutFlags(aStep)))
            return true;
    }
    return false;
}

LMLayoutFlags LMLayoutFlags::relaxed() const
{
    LMLayoutFlags aCopy(*this);
    aCopy.relax();
    return aCopy;
}

void LMLayoutFlags::fillTable(Table* theTable) const
{
    // No words: layout flags are set in code only.
    Q_UNUSED(theTable);
}
