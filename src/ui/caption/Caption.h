// The caption as one object: its window, its clock and motion, its renderers
// and the font they draw with. The application record owns one.
#pragma once

#include <windows.h>

#include <memory>

#include "core/caption/FramePacing.h"
#include "ui/caption/CaptionMotion.h"
#include "ui/caption/LayeredRenderer.h"
#include "platform/WinHandles.h"

class CompositionCaptionRenderer;

// The renderers the window hands its frames to (not owned: the caption's
// own two, or whatever a test sets).
struct CaptionRenderers {
    CaptionRenderer* composition = nullptr;
    CaptionRenderer* layered = nullptr;
    bool compositionReady = false;
};

struct Caption {
    Caption();
    ~Caption();
    Caption(const Caption&) = delete;
    Caption& operator=(const Caption&) = delete;

    HWND window = nullptr;  // destroyed by the exit path or by the tests that made it
    CaptionMotion motion;
    std::unique_ptr<CompositionCaptionRenderer> composition;  // preferred; the layered one when it cannot run
    LayeredCaptionRenderer layered;
    CaptionRenderers renderers;
    FramePacer pacer;                 // when the clock's frames present
    unsigned long presentedFrames = 0;  // frames handed to a renderer by the clock
    UniqueFont font;
};
