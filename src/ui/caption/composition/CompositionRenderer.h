// The preferred caption renderer: text measured with DirectWrite, pre-drawn
// with Direct2D into GPU bitmap tiles, and every frame two copies of the
// tiles placed at the scroll position on a transparent target that the
// presenter shows (DirectComposition on Windows). Alpha comes from the
// drawing, so dark outlines and shadows show. A strip too large for the tile
// budget, or still being measured, is drawn directly: only what is within
// 80 px of the view.
// A list of any length: entries keep their measured sizes, not their texts
// or layouts, and are measured in list order only as far as the view needs
// before a frame shows; the rest a slice per frame.
// A new list or font is measured the same way while the strip shown plays
// on, and a list change measures only its new texts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <dwrite.h>

#include "core/caption/CompositionGeometry.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/composition/CaptionPresenter.h"
#include "ui/caption/composition/GraphicsDevices.h"

struct CompositionFrameStats {
    int textDraws = 0;    // text-layout draws (each pass counts)
    int bitmapDraws = 0;  // tile blits
    bool tiled = false;
    double measuringMs = 0;  // spent measuring entries
};

class CompositionCaptionRenderer final : public CaptionRenderer {
public:
    // Presents through DirectComposition.
    CompositionCaptionRenderer();
    explicit CompositionCaptionRenderer(std::unique_ptr<CaptionPresenter> presenter);
    ~CompositionCaptionRenderer() override;

    bool Initialise(HWND window) override;
    bool RenderFrame(HWND window, CaptionFrame& frame) override;
    void Release() override;

    bool ready() const { return ready_; }
    // The strip the frames show (as far as it is measured).
    const CompositionGeometry& strip() const;
    const CompositionFrameStats& lastFrame() const { return stats_; }
    size_t tileCount() const { return tiles_.size(); }
    const GraphicsDevices& devices() const { return devices_; }
    // Tests and the benchmark compare the tiled and the direct drawing.
    void AllowTiles(bool allowed) { tilesAllowed_ = allowed; }
    // Texts measured for the strip shown (the rest kept their sizes from before).
    size_t textsMeasured() const;
    // Entries whose text layouts are held: those drawn in the last frame.
    size_t heldLayouts() const;
    // What the entries' sizes and keys hold, for every strip kept.
    size_t entryBytes() const;
    // True while a new list or font is measured and the old strip still shows.
    bool restyling() const { return pending_ != nullptr; }
    // True while any entry is still to be measured.
    bool measuring() const override;

private:
    struct Strip;
    struct Tile {
        Microsoft::WRL::ComPtr<ID2D1Bitmap1> bitmap;
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    bool EnsureTarget(int width, int height);
    // Strips and their measuring (CompositionMeasuring.cpp).
    bool StartStrip(const CaptionFrame& frame);
    void Measure(CaptionFrame& frame);
    void MeasureNext(Strip& strip, const Strip* base, const CaptionSource& source);
    void TakeOver();
    bool ShownFits(const CaptionFrame& frame) const;
    bool ShownMatchesSourceInView(const CaptionFrame& frame) const;
    double NeededLength(const CaptionFrame& frame) const;
    // Drawing (CompositionDrawing.cpp).
    bool BuildTiles(const CaptionSource& source);
    void ReleaseTiles();
    void DrawLayout(IDWriteTextLayout* layout, float x, float y, COLORREF colour);
    void DrawRuns(const CaptionSource& source, double left, double top, double from, double to);
    void DrawStripDirectly(const CaptionSource& source, double x, double y);
    void BlitTiles(double x, double y);

    std::unique_ptr<CaptionPresenter> presenter_;
    GraphicsDevices devices_;
    bool ready_ = false;
    HWND window_ = nullptr;
    int targetWidth_ = 0;
    int targetHeight_ = 0;
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> target_;
    Microsoft::WRL::ComPtr<ID2D1SolidColorBrush> brush_;
    std::vector<Tile> tiles_;
    int tileSetWidth_ = 0;
    int tileSetHeight_ = 0;
    bool tilesStale_ = true;
    bool tilesAllowed_ = true;

    std::unique_ptr<Strip> shown_;    // what the frames draw
    std::unique_ptr<Strip> pending_;  // a newer list or font, measured while shown_ plays
    std::unique_ptr<Strip> base_;     // the strip shown before, lending its sizes while shown_ is measured
    CompositionFrameStats stats_;
};
