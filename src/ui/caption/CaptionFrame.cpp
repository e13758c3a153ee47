// The program's caption as the renderers are handed it: the live list and
// settings as their source, one frame at a time.
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionFont.h"
#include "ui/caption/CaptionLayout.h"

namespace {

class LiveCaptionSource : public CaptionSource {
public:
    CaptionContent Content() const override { return CurrentCaptionContent(); }
    CaptionLook Look() const override {
        return {CurrentCaptionTextStyle(), g_app.settings.textColor, g_app.settings.amountColor};
    }
};

}  // namespace

const CaptionSource& ProgramCaptionSource() {
    static const LiveCaptionSource source;  // holds no state: it reads the live record when asked
    return source;
}

CaptionFrame ProgramCaptionFrame(int width, int height, const bool& staleFlag) {
    if (!g_app.caption->font) RebuildCaptionFont();  // marks every strip stale
    CaptionFrame frame;
    frame.source = &ProgramCaptionSource();
    frame.direction = g_app.settings.direction;
    frame.width = width;
    frame.height = height;
    frame.position = {g_app.settings.x, g_app.settings.y};
    frame.scrollOffset = g_app.caption->motion.scrollOffset;
    frame.stale = staleFlag;
    frame.playing = !g_app.paused;
    return frame;
}

void KeepCaptionFrame(const CaptionFrame& frame, bool& staleFlag) {
    g_app.caption->motion.scrollOffset = frame.scrollOffset;
    staleFlag = frame.stale;
}
