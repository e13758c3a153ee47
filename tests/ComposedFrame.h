// The program's next caption frame composed by a layered renderer, handed
// over as the caption window hands it: what it settles is kept.
#pragma once

#include "app/AppState.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/LayeredRenderer.h"

inline bool ComposeProgramFrame(LayeredCaptionRenderer& renderer, int width, int height) {
    CaptionFrame frame = ProgramCaptionFrame(width, height, g_app.captionStripDirty);
    const bool composed = renderer.ComposeFrame(frame);
    KeepCaptionFrame(frame, g_app.captionStripDirty);
    return composed;
}
