// The caption renderer that works on any Windows desktop: text drawn once with
// GDI+ into strip tiles, and every frame the visible parts blended into a
// window-sized back buffer that UpdateLayeredWindow shows with per-pixel
// alpha. The strip is held as tiles of a bounded extent that are drawn when
// they come into view, and as each entry's measured widths without its texts,
// so a list of any length costs memory for the view and a few bytes an entry.
// Entries are measured in list order, and only as far as the view needs
// before a frame shows: the rest is measured a slice per frame. A new list
// or font is measured the same way while the strip shown plays on; sizes
// measured before with the same font are kept.
#pragma once

#include <map>
#include <memory>

#include "core/caption/StripGeometry.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/CaptionText.h"
#include "ui/caption/DibSurface.h"

class LayeredCaptionRenderer : public CaptionRenderer {
public:
    LayeredCaptionRenderer();
    ~LayeredCaptionRenderer() override;

    bool Initialise(HWND window) override;
    bool RenderFrame(HWND window, CaptionFrame& frame) override;
    void Release() override;

    // Builds the frame in the back buffer without showing it.
    bool ComposeFrame(CaptionFrame& frame);

    // The strip the frames show (as far as it is measured).
    const StripGeometry& strip() const;
    bool hasStrip() const { return shown_ != nullptr; }
    const DibSurface& backBuffer() const { return backBuffer_; }
    size_t tileBytes() const;
    size_t tileCount() const { return tiles_.size(); }
    // Texts the text engine measured for the strip shown (the rest were kept
    // from before).
    size_t textsMeasured() const;
    // What the entries' sizes and keys hold, for every strip kept.
    size_t entryBytes() const;
    // The part of the back buffer that can hold text; the rest stays transparent.
    RECT TextBand() const;
    // True while a new list or font is measured and the old strip still shows.
    bool restyling() const { return pending_ != nullptr; }
    // True while any entry is still to be measured.
    bool measuring() const override;

private:
    struct Strip;

    void StartStrip(const CaptionFrame& frame);
    void Measure(const CaptionFrame& frame);
    void TakeOver();
    void MeasureNext(Strip& strip, Strip* base, const CaptionSource& source, HDC dc);
    bool ShownFits(const CaptionFrame& frame) const;
    bool ShownMatchesSourceInView(const CaptionFrame& frame) const;
    int NeededLength(const CaptionFrame& frame) const;
    DibSurface* Tile(const CaptionSource& source, int index);
    void DrawTile(const CaptionSource& source, DibSurface& tile, int index);
    void BlendCopy(const CaptionSource& source, double position, std::map<int, bool>& used);
    int StripLength() const;
    int ViewLength() const;
    void DropTilesFrom(int length);

    DibSurface backBuffer_;
    std::unique_ptr<Strip> shown_;    // what the frames draw
    std::unique_ptr<Strip> pending_;  // a newer list or font, measured while shown_ plays
    std::unique_ptr<Strip> base_;     // the strip shown before, lending its sizes while shown_ is measured
    std::map<int, std::unique_ptr<DibSurface>> tiles_;
};
