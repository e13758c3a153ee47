// The program's next caption frame composed by a layered renderer, handed
// over as the caption window hands it: what it settles is kept.
#pragma once

#include "app/AppState.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/LayeredRenderer.h"

// One frame as the caption window presents it. A paused caption's window
// goes on presenting frames until its list is measured, and so does this.
inline bool ComposeProgramFrame(LayeredCaptionRenderer& renderer, int width, int height) {
    bool composed = false;
    int frames = 0;
    do {
        CaptionFrame frame = ProgramCaptionFrame(width, height, g_app.captionStripDirty);
        composed = renderer.ComposeFrame(frame);
        KeepCaptionFrame(frame, g_app.captionStripDirty);
    } while (composed && g_app.paused && renderer.measuring() && ++frames < 100000);
    return composed;
}
