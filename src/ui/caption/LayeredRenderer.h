// The caption renderer that works on any Windows desktop: text drawn once with
// GDI+ into strip tiles, and every frame the visible parts blended into a
// window-sized back buffer that UpdateLayeredWindow shows with per-pixel
// alpha. The strip is held as tiles of a bounded extent that are drawn when
// they come into view, so a list of any length costs memory for the view
// only; measured text sizes are cached, so a list change measures only the
// texts that are new. A new font on a long list is measured a slice per frame
// while the old strip keeps playing, so the caption never stalls.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/caption/CaptionLayout.h"
#include "ui/caption/CaptionText.h"
#include "ui/caption/DibSurface.h"

class LayeredCaptionRenderer : public CaptionRenderer {
public:
    bool Initialise(HWND window) override;
    bool RenderFrame(HWND window, CaptionFrame& frame) override;
    void Release() override;

    // Builds the frame in the back buffer without showing it.
    bool ComposeFrame(CaptionFrame& frame);

    const CaptionStrip& strip() const { return strip_; }
    bool hasStrip() const { return stripBuilt_; }
    const DibSurface& backBuffer() const { return backBuffer_; }
    size_t tileBytes() const;
    size_t tileCount() const { return tiles_.size(); }
    size_t measuredTexts() const { return measured_.size(); }
    // The part of the back buffer that can hold text; the rest stays transparent.
    RECT TextBand() const;
    // True while texts are measured for a new font over several frames.
    bool restyling() const { return restyling_; }

    // How long one frame may spend measuring for a new font (milliseconds).
    static constexpr double kMeasureBudgetMs = 6.0;

private:
    bool StripIsCurrent(const CaptionFrame& frame) const;
    void RebuildStrip(CaptionFrame& frame);
    bool NeedsNewFont(const CaptionFrame& frame) const;
    bool MeasureForNewFont(const CaptionFrame& frame, double budgetMs);
    DibSurface* Tile(int index);
    void DrawTile(DibSurface& tile, int index);
    void BlendCopy(double position, std::map<int, bool>& used);
    int StripLength() const;
    int ViewLength() const;
    void FindTextBand();

    DibSurface backBuffer_;
    CaptionStrip strip_;
    bool stripBuilt_ = false;
    std::map<int, std::unique_ptr<DibSurface>> tiles_;
    CaptionTextEngine text_;
    CaptionTextStyle style_;
    std::unordered_map<std::wstring, RunSize> measured_;
    // A new font's sizes, measured a slice per frame while the old strip plays on.
    bool restyling_ = false;
    CaptionTextEngine pendingText_;
    CaptionTextStyle pendingStyle_;
    std::unordered_map<std::wstring, RunSize> pendingMeasured_;
    std::vector<std::wstring> pendingTexts_;
    size_t pendingNext_ = 0;
    COLORREF textColor_ = 0;
    COLORREF amountColor_ = 0;
    // Across the scroll axis, where text can be: only that band is presented
    // after the first whole present.
    int bandStart_ = 0;
    int bandEnd_ = 0;
    bool wholePresentDue_ = true;
    POINT presentedAt_{};
};
