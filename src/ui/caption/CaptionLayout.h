// The laid-out caption (plain logic in core/caption/CaptionLayout.h), the
// live content it is made from, and the renderers' interface: a renderer is
// handed one frame at a time with everything it draws, and reads nothing else.
#pragma once

#include <windows.h>

#include "ui/caption/CaptionText.h"
#include "core/caption/CaptionLayout.h"

// How the caption's text looks: font, outline, shadow and the two colours.
struct CaptionLook {
    CaptionTextStyle style;
    COLORREF textColor = RGB(255, 255, 255);
    COLORREF amountColor = RGB(255, 255, 255);
};

// Where a renderer gets the content and look when it lays out its strip, so
// that a frame that only moves the strip copies nothing. Entries are read
// one at a time: a renderer keeps no copy of a long list's texts.
class CaptionSource {
public:
    virtual ~CaptionSource() = default;
    virtual CaptionLook Look() const = 0;
    // Title, separator, gap and font size; no entries.
    virtual CaptionContent Common() const = 0;
    virtual size_t EntryCount() const = 0;
    virtual CaptionEntryText Entry(size_t index) const = 0;
    // Equal for entries that show the same texts (see CaptionEntryKey).
    virtual uint64_t EntryKey(size_t index) const = 0;
};

// One frame as the caption window hands it to a renderer. The renderer writes
// back what it settles: the offset wrapped into the strip's cycle, and
// `stale` cleared once its strip was laid out from the source.
struct CaptionFrame {
    const CaptionSource* source = nullptr;
    ScrollDirection direction = ScrollDirection::Horizontal;
    int width = 0;
    int height = 0;
    POINT position{};           // the window's top-left on the screen
    double scrollOffset = 0.0;  // pixels travelled in the current pass
    bool stale = true;          // content or look changed since the strip was laid out
    bool playing = false;       // a new font's measuring may then spread over frames
};

// The program's caption: the live list and settings.
const CaptionSource& ProgramCaptionSource();

// A frame of the program's caption at the given client size, at the motion's
// offset and the settings' position; stale as the renderer's flag says (read
// after a missing caption font was made, which marks every strip stale).
CaptionFrame ProgramCaptionFrame(int width, int height, const bool& staleFlag);

// Keeps what a renderer settled: the wrapped offset in the motion, and the
// renderer's own stale flag.
void KeepCaptionFrame(const CaptionFrame& frame, bool& staleFlag);

// The caption renderers' common interface; the caption window drives it.
class CaptionRenderer {
public:
    virtual ~CaptionRenderer() = default;
    virtual bool Initialise(HWND window) = 0;
    virtual bool RenderFrame(HWND window, CaptionFrame& frame) = 0;
    virtual void Release() = 0;
    // True while entries are still to be measured: the caption draws frames
    // until they are, even while paused.
    virtual bool measuring() const = 0;
};
