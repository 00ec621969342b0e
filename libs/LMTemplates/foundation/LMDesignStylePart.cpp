#include "LMDesignStylePart.h"

LM_DEFINE_ENUM_TABLE(LMDesignStylePart)

void LMDesignStylePart::fillTable(Table* theTable) const
{
    using E = LMDesignStylePartEnum;
    // "subcategories" is written for 4 and "layoutvariants" for 5; "layoutvarints" is a
    // misspelling that older files carry.
    theTable->insert(QStringLiteral("name"), E::Name);
    theTable->insert(QStringLiteral("description"), E::Description);
    theTable->insert(QStringLiteral("background"), E::Background);
    theTable->insert(QStringLiteral("subcategories"), E::Keywords);
    theTable->insert(QStringLiteral("keywords"), E::Keywords);
    theTable->insert(QStringLiteral("layoutvariants"), E::LayoutVariants);
    theTable->insert(QStringLiteral("layoutvarints"), E::LayoutVariants);
    theTable->insert(QStringLiteral("layout"), E::LayoutVariants);
    theTable->insert(QStringLiteral("passepartout"), E::Passepartout);
    theTable->insert(QStringLiteral("clipart"), E::Clipart);
    theTable->insert(QStringLiteral("layoutflags"), E::LayoutFlags);
    theTable->insert(QStringLiteral("border"), E::Border);
    theTable->insert(QStringLiteral("shadow"), E::Shadow);
    theTable->insert(QStringLiteral("id"), E::Id);
    theTable->insert(QStringLiteral("designElementId"), E::DesignElementId);
    theTable->insert(QStringLiteral("fonts"), E::Fonts);
    theTable->insert(QStringLiteral("layouts"), E::Layouts);
    theTable->insert(QStringLiteral("textFormats"), E::TextFormats);
    theTable->insert(QStringLiteral("refinement"), E::Refinement);
}
