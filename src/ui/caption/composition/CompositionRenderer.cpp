#include "ui/caption/composition/CompositionRenderer.h"

#include <chrono>

#include "core/caption/MotionMath.h"
#include "ui/caption/composition/CompositionStrip.h"
#include "ui/caption/composition/DirectCompositionPresenter.h"

CompositionCaptionRenderer::CompositionCaptionRenderer()
    : CompositionCaptionRenderer(std::make_unique<DirectCompositionPresenter>()) {}

CompositionCaptionRenderer::CompositionCaptionRenderer(std::unique_ptr<CaptionPresenter> presenter)
    : presenter_(std::move(presenter)) {}

CompositionCaptionRenderer::~CompositionCaptionRenderer() { Release(); }

bool CompositionCaptionRenderer::Initialise(HWND window) {
    if (ready_) return true;
    if (!presenter_ || !presenter_->Available()) return false;
    window_ = window;
    if (FAILED(devices_.Create()) || !presenter_ || FAILED(presenter_->Attach(window, devices_))) {
        Release();
        return false;
    }
    ready_ = true;
    tilesStale_ = true;
    return true;
}

void CompositionCaptionRenderer::Release() {
    // Everything made from the devices goes before them.
    brush_.Reset();
    ReleaseTiles();
    base_.reset();
    pending_.reset();
    shown_.reset();
    target_.Reset();
    if (devices_.dc) devices_.dc->SetTarget(nullptr);
    if (presenter_) presenter_->Release();
    devices_.Release();
    ready_ = false;
    window_ = nullptr;
    targetWidth_ = targetHeight_ = 0;
    tileSetWidth_ = tileSetHeight_ = 0;
}

const CompositionGeometry& CompositionCaptionRenderer::strip() const {
    static const CompositionGeometry kNone;
    return shown_ ? shown_->geometry : kNone;
}

size_t CompositionCaptionRenderer::textsMeasured() const { return shown_ ? shown_->measuredTexts : 0; }

size_t CompositionCaptionRenderer::heldLayouts() const { return shown_ ? shown_->frameLayouts.size() : 0; }

size_t CompositionCaptionRenderer::entryBytes() const {
    return (shown_ ? shown_->bytes() : 0) + (pending_ ? pending_->bytes() : 0) + (base_ ? base_->bytes() : 0);
}

bool CompositionCaptionRenderer::measuring() const { return pending_ || (shown_ && !shown_->geometry.complete()); }

bool CompositionCaptionRenderer::EnsureTarget(int width, int height) {
    if (!ready_ || width <= 0 || height <= 0) return false;
    if (target_ && width == targetWidth_ && height == targetHeight_) return true;
    // The presenter resizes the buffers, which it can only do once nothing holds them.
    devices_.dc->SetTarget(nullptr);
    target_.Reset();
    if (FAILED(presenter_->EnsureTarget(devices_, width, height, target_)) || !target_) return false;
    devices_.dc->SetTarget(target_.Get());
    targetWidth_ = width;
    targetHeight_ = height;
    tilesStale_ = true;
    return true;
}

bool CompositionCaptionRenderer::RenderFrame(HWND window, CaptionFrame& frame) {
    stats_ = CompositionFrameStats{};
    if (!frame.source) return false;
    if (!ready_ && !Initialise(window)) return false;
    if (!EnsureTarget(frame.width, frame.height)) return false;
    const Strip* newest = pending_ ? pending_.get() : shown_.get();
    const CompositionParameters* p = newest ? &newest->geometry.parameters() : nullptr;
    const bool current = p && p->direction == frame.direction && p->viewWidth == frame.width &&
                         p->viewHeight == frame.height && p->entryCount == frame.source->EntryCount();
    if ((frame.stale || !current) && !StartStrip(frame)) return false;
    frame.stale = false;
    const auto measuringStart = std::chrono::steady_clock::now();
    Measure(frame);
    stats_.measuringMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - measuringStart).count();
    if (!shown_) return false;

    Strip& shown = *shown_;
    const CompositionGeometry& g = shown.geometry;
    // A horizontal strip's cycle is known once it is whole; until then the
    // view lies within what is measured, so there is nothing to wrap.
    const bool cycleKnown = g.complete() || !g.horizontal();
    if (cycleKnown) frame.scrollOffset = WrapScrollOffset(frame.scrollOffset, g.cycleLength());
    // Layouts live while their entries are drawn: this frame's are made anew or taken from the last.
    shown.lastLayouts = std::move(shown.frameLayouts);
    shown.frameLayouts.clear();
    // Tiles hold the whole strip, so they wait until it is measured.
    const bool tiled = tilesAllowed_ && g.complete() && BuildTiles(*frame.source);
    stats_.tiled = tiled;

    ID2D1DeviceContext& dc = *devices_.dc.Get();
    dc.BeginDraw();
    dc.Clear(D2D1::ColorF(0, 0, 0, 0));
    dc.SetTransform(D2D1::Matrix3x2F::Identity());
    const bool horizontal = g.horizontal();
    const double start = (horizontal ? frame.width : frame.height) - frame.scrollOffset;
    const int copies = cycleKnown ? 2 : 1;
    for (int copy = 0; copy < copies; ++copy) {
        const double at = start + copy * g.cycleLength();
        const double x = horizontal ? at : 0.0;
        const double y = horizontal ? 0.0 : at;
        if (tiled) {
            BlitTiles(x, y);
        } else {
            DrawStripDirectly(*frame.source, x, y);
        }
    }
    shown.lastLayouts.clear();
    switch (OutcomeOf(presenter_->EndFrame(dc))) {
        case FrameOutcome::Presented: return true;
        case FrameOutcome::DeviceLost: Release(); return false;
        case FrameOutcome::Failed: return false;
    }
    return false;
}
