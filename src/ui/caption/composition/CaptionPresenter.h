// How the composition renderer's frames reach the screen, kept apart from
// the drawing: on Windows a DirectComposition visual whose content is a
// flip-model swap chain; in tests (Wine has no DirectComposition) an
// offscreen bitmap that reports whatever results a test chooses.
#pragma once

#include <windows.h>

#include <d2d1_1.h>
#include <wrl/client.h>

#include "ui/caption/composition/GraphicsDevices.h"

// What ending a frame reported: the drawing's end, then the presentation
// (S_OK when it was not attempted because the drawing failed).
struct FrameResult {
    HRESULT drawn = S_OK;
    HRESULT presented = S_OK;
};

class CaptionPresenter {
public:
    virtual ~CaptionPresenter() = default;
    // False once the system has shown it cannot present at all, so that later
    // windows do not build devices for nothing.
    virtual bool Available() const { return true; }
    // Connects to the window (the visual tree); nothing is shown yet.
    virtual HRESULT Attach(HWND window, const GraphicsDevices& devices) = 0;
    // A drawing target of w × h for the next frames: made on first use,
    // resized (not made again) when the size changes. The renderer has let go
    // of the previous target before.
    virtual HRESULT EnsureTarget(const GraphicsDevices& devices, int width, int height,
                                 Microsoft::WRL::ComPtr<ID2D1Bitmap1>& target) = 0;
    // Ends the drawing on the device context and shows the frame.
    virtual FrameResult EndFrame(ID2D1DeviceContext& dc) = 0;
    virtual void Release() = 0;
};

// What the renderer makes of a frame's result.
enum class FrameOutcome { Presented, Failed, DeviceLost };
FrameOutcome OutcomeOf(const FrameResult& result);
