// The preferred caption renderer: text measured with DirectWrite once per
// strip, pre-drawn with Direct2D into GPU bitmap tiles, and every frame two
// copies of the tiles placed at the scroll position on a transparent target
// that the presenter shows (DirectComposition on Windows). Alpha comes from
// the drawing, so dark outlines and shadows show. A strip too large for the
// tile budget is drawn directly, only what is within 80 px of the view.
// Entries keep their measured sizes, not their text layouts: layouts are
// made for the runs being drawn, and a list change measures only new texts.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <dwrite.h>

#include "core/caption/CompositionLayout.h"
#include "ui/caption/CaptionLayout.h"
#include "ui/caption/composition/CaptionPresenter.h"
#include "ui/caption/composition/GraphicsDevices.h"

struct CompositionFrameStats {
    int textDraws = 0;    // text-layout draws (each pass counts)
    int bitmapDraws = 0;  // tile blits
    bool tiled = false;
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
    const CompositionStrip& strip() const { return strip_; }
    const CompositionFrameStats& lastFrame() const { return stats_; }
    size_t tileCount() const { return tiles_.size(); }
    const GraphicsDevices& devices() const { return devices_; }
    // Tests and the benchmark compare the tiled and the direct drawing.
    void AllowTiles(bool allowed) { tilesAllowed_ = allowed; }
    // Texts measured for the strip (the rest kept their sizes from before).
    size_t textsMeasured() const { return measuredTexts_; }
    // Entries whose text layouts are held: those drawn in the last frame.
    size_t heldLayouts() const { return frameLayouts_.size(); }

private:
    struct Tile {
        Microsoft::WRL::ComPtr<ID2D1Bitmap1> bitmap;
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };
    struct RunLayouts {
        Microsoft::WRL::ComPtr<IDWriteTextLayout> name;
        Microsoft::WRL::ComPtr<IDWriteTextLayout> amount;
    };

    bool EnsureTarget(int width, int height);
    bool EnsureTextFormat(const CaptionTextStyle& style);
    RunBox Measure(const std::wstring& text, Microsoft::WRL::ComPtr<IDWriteTextLayout>& layout) const;
    void RebuildStrip(CaptionFrame& frame);
    bool BuildTiles(const CaptionSource& source);
    void ReleaseTiles();
    const RunLayouts& LayoutsFor(const CaptionSource& source, size_t index);
    void DrawLayout(IDWriteTextLayout* layout, float x, float y, COLORREF colour);
    void DrawRuns(const CaptionSource& source, double left, double top, double from, double to);
    void DrawStripDirectly(const CaptionSource& source, double x, double y);
    void BlitTiles(double x, double y);
    void ReleaseStrip();

    std::unique_ptr<CaptionPresenter> presenter_;
    GraphicsDevices devices_;
    bool ready_ = false;
    HWND window_ = nullptr;
    int targetWidth_ = 0;
    int targetHeight_ = 0;
    Microsoft::WRL::ComPtr<ID2D1Bitmap1> target_;
    Microsoft::WRL::ComPtr<IDWriteTextFormat> format_;
    std::wstring formatFace_;
    float formatPixels_ = 0;
    bool formatBold_ = false;
    Microsoft::WRL::ComPtr<ID2D1SolidColorBrush> brush_;
    std::vector<Tile> tiles_;
    int tileSetWidth_ = 0;
    int tileSetHeight_ = 0;
    bool tilesStale_ = true;
    bool tilesAllowed_ = true;

    bool stripValid_ = false;
    CompositionStrip strip_;
    CaptionLook look_;
    Microsoft::WRL::ComPtr<IDWriteTextLayout> titleLayout_;
    Microsoft::WRL::ComPtr<IDWriteTextLayout> separatorLayout_;
    Microsoft::WRL::ComPtr<IDWriteTextLayout> noticeLayout_;
    // The layouts of the entries drawn in this frame and the one before.
    std::unordered_map<size_t, RunLayouts> frameLayouts_;
    std::unordered_map<size_t, RunLayouts> lastLayouts_;
    // Each entry's sizes and key, kept for the next strip in the same format.
    CompositionSizes sizes_;
    std::vector<uint64_t> entryKeys_;
    CaptionTextStyle sizesStyle_;
    bool sizesValid_ = false;
    size_t measuredTexts_ = 0;
    CompositionFrameStats stats_;
};
