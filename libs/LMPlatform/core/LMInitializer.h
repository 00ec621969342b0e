#pragma once

#include "LMInitializerAbstract.h"
#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QList>
#include <QMutex>

// The start-up sequence of the libraries: each library registers its initializer while it is
// loaded; the application runs every set-up once after it has created its QCoreApplication, and
// every tear-down, in reverse order, before it quits.
class LMPLATFORM_EXPORT LMInitializer : public LMSingleton<LMInitializer>
{
    friend class LMSingleton<LMInitializer>;

public:
    // The initializer must live until it unregisters itself; registering twice has no effect.
    void registerInitializer(LMInitializerAbstract* theInitializer);
    void unregisterInitializer(LMInitializerAbstract* theInitializer);
    bool isRegistered(const LMInitializerAbstract* theInitializer) const;
    QList<LMInitializerAbstract*> initializers() const;

    // Runs setup() of every registered initializer in registration order; a second call before
    // teardownAll() does nothing. An initializer registered later is set up when it registers.
    void setupAll(LMInitializerOption theOption);
    // Runs teardown() in reverse registration order.
    void teardownAll();
    bool isSetUp() const;

private:
    LMInitializer() = default;

    mutable QMutex myMutex;
    QList<LMInitializerAbstract*> myInitializers;
    bool mySetUp = false;
    LMInitializerOption myOption = LMInitializerOption::Application;
};
