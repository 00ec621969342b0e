#pragma once

#include "LMPlatformExport.h"

// How the application starts the libraries.
enum class LMInitializerOption {
    Application, // a full editor with a user interface
    Headless     // command-line tools and tests
};

// A library's start-up and tear-down hooks, announced to LMInitializer while the library loads.
class LMPLATFORM_EXPORT LMInitializerAbstract
{
public:
    LMInitializerAbstract() = default;
    virtual ~LMInitializerAbstract();

    virtual void setup(LMInitializerOption theOption) = 0;
    virtual void teardown() = 0;

private:
    LMInitializerAbstract(const LMInitializerAbstract&) = delete;
    LMInitializerAbstract& operator=(const LMInitializerAbstract&) = delete;
};
