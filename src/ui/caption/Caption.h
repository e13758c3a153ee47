// The caption as one object: its window, its clock and motion, its renderers
// and the font they draw with. The application record owns one.
#pragma once

#include <windows.h>

#include "ui/caption/CaptionMotion.h"
#include "ui/caption/LayeredRenderer.h"
#include "platform/WinHandles.h"

// The renderers the window hands its frames to (not owned: the layered one is
// the caption's own, a composition renderer belongs to whoever set it).
struct CaptionRenderers {
    CaptionRenderer* composition = nullptr;
    CaptionRenderer* layered = nullptr;
    bool compositionReady = false;
};

struct Caption {
    HWND window = nullptr;  // destroyed by the exit path or by the tests that made it
    CaptionMotion motion;
    LayeredCaptionRenderer layered;
    CaptionRenderers renderers;
    UniqueFont font;
};
