// The laid-out caption (plain logic in core/caption/CaptionLayout.h), the
// live content it is made from, and the renderers' interface.
#pragma once

#include <windows.h>

#include "core/caption/CaptionLayout.h"

// The live list and settings as caption content (amounts in display form).
CaptionContent CurrentCaptionContent();

// The caption renderers' common interface; the caption window drives it.
class CaptionRenderer {
public:
    virtual ~CaptionRenderer() = default;
    virtual bool Initialise(HWND window) = 0;
    virtual bool RenderFrame(HWND window, int width, int height) = 0;
    virtual void Release() = 0;
};
