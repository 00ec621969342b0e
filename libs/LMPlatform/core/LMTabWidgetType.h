#pragma once

#include <QtGlobal>

// The editor's tabs for choosing design elements, by the numbers the editor uses. Only the tabs
// that a template layer can lead to are named here; the editor numbers further tabs in between.
enum class LMTabWidgetType : qint32 {
    None = 0,
    Layouts = 1,
    Backgrounds = 3,
    Contents = 4,
    Frames = 7,
    FrameGlasses = 8,
    Passepartouts = 9,
    Wallholders = 10,
    PageDesigns = 18,
    Variants = 19
};
