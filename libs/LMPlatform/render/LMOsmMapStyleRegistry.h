#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"

#include <QStringList>

// The map styles' configuration of the content tree, "osm_config/osm_config.xml": for now the
// names of the decorations offered as map pins. Read once, on first use.
class LMPLATFORM_EXPORT LMOsmMapStyleRegistry : public LMSingleton<LMOsmMapStyleRegistry>
{
    friend class LMSingleton<LMOsmMapStyleRegistry>;

public:
    // Unique names of the cliparts to use as pins, best first: elements "pinClipart" of "pins".
    QStringList pinClipartNames() const { return myPinClipartNames; }
    // Unique names of the masks of pin photos, best first: elements "pinDecorationFrame".
    QStringList pinDecorationFrameNames() const { return myPinDecorationFrameNames; }

    // The configuration file of the content tree.
    static QString configFile();

private:
    LMOsmMapStyleRegistry();

    QStringList myPinClipartNames;
    QStringList myPinDecorationFrameNames;
};
