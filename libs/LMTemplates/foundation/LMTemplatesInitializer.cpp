#include "LMTemplatesInitializer.h"

#include "LMInitializer.h"

namespace {
// Constructed while the library is loaded, destroyed when the process exits.
const LMTemplatesInitializer ourLibraryInitializer;
} // namespace

LMTemplatesInitializer::LMTemplatesInitializer()
{
    LMInitializer::instance()->registerInitializer(this);
}

LMTemplatesInitializer::~LMTemplatesInitializer()
{
    if (LMInitializer* anInitializer = LMInitializer::existingInstance())
        anInitializer->unregisterInitializer(this);
}

void LMTemplatesInitializer::setup(LMInitializerOption theOption)
{
    Q_UNUSED(theOption);
}

void LMTemplatesInitializer::teardown()
{
}
