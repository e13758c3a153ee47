// The program's caption as the renderers are handed it: the live list and
// settings as their source, one frame at a time.
#include "app/AppState.h"
#include "ui/caption/Caption.h"
#include "ui/caption/CaptionFont.h"
#include "ui/caption/CaptionLayout.h"

namespace {

class LiveCaptionSource : public CaptionSource {
public:
    CaptionLook Look() const override {
        return {CurrentCaptionTextStyle(), g_app.settings.textColor, g_app.settings.amountColor};
    }
    CaptionContent Common() const override { return CaptionCommonContentOf(g_app.settings); }
    size_t EntryCount() const override { return g_app.list.size(); }
    CaptionEntryText Entry(size_t index) const override {
        return CaptionEntryTextOf(g_app.settings, g_app.list[index]);
    }
    // From the stored texts: the amount's display form follows from them and
    // the thousands setting alone.
    uint64_t EntryKey(size_t index) const override {
        const DonationEntry& entry = g_app.list[index];
        return CaptionEntryKey(entry.name, entry.amount, g_app.settings.thousandsSeparator ? 1 : 0);
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
