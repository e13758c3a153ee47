// The composition renderer's tests: a fixed caption source and a renderer
// drawing on an offscreen target that each frame is read back from.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "OffscreenPresenter.h"
#include "ui/caption/composition/CompositionRenderer.h"

class FixedSource final : public CaptionSource {
public:
    CaptionContent content;
    CaptionLook look;
    CaptionLook Look() const override { return look; }
    CaptionContent Common() const override {
        CaptionContent common = content;
        common.entries.clear();
        return common;
    }
    size_t EntryCount() const override { return content.entries.size(); }
    CaptionEntryText Entry(size_t index) const override { return content.entries[index]; }
    uint64_t EntryKey(size_t index) const override {
        return CaptionEntryKey(content.entries[index].first, content.entries[index].second, 0);
    }
};

// A frame of `source` at a size and offset.
inline CaptionFrame FrameOf(const CaptionSource& source, int width, int height, double offset,
                            ScrollDirection direction = ScrollDirection::Horizontal) {
    CaptionFrame frame;
    frame.source = &source;
    frame.direction = direction;
    frame.width = width;
    frame.height = height;
    frame.scrollOffset = offset;
    return frame;
}

inline unsigned Alpha(uint32_t p) { return p >> 24; }

class CompositionTest : public testing::Test {
protected:
    void SetUp() override {
        auto presenter = std::make_unique<OffscreenPresenter>();
        presenter_ = presenter.get();
        renderer_ = std::make_unique<CompositionCaptionRenderer>(std::move(presenter));
        ASSERT_TRUE(renderer_->Initialise(nullptr)) << "no Direct3D / Direct2D device here";
        source_.look.style.face = L"宋体";
        source_.look.style.emPixels = 48.0f;
        source_.look.textColor = RGB(255, 255, 255);
        source_.look.amountColor = RGB(255, 255, 0);
        source_.content.titlePrefix = L"捐款人名单:";
        source_.content.separator = L"、";
        source_.content.nameAmountGap = 10;
        source_.content.entries = {{L"张三", L"100元"}, {L"李四", L"2,000元"}};
    }

    bool Render(int width, int height, double offset, ScrollDirection direction = ScrollDirection::Horizontal) {
        CaptionFrame frame = FrameOf(source_, width, height, offset, direction);
        frame.stale = stale_;
        frame.playing = playing_;
        bool shown = renderer_->RenderFrame(nullptr, frame);
        // A still caption's window goes on presenting frames until its list is measured.
        for (int frames = 0; shown && !playing_ && renderer_->measuring() && frames < 100000; ++frames) {
            shown = renderer_->RenderFrame(nullptr, frame);
        }
        stale_ = frame.stale;
        offset_ = frame.scrollOffset;
        width_ = width;
        pixels_ = shown || renderer_->ready() ? presenter_->ReadPixels(*renderer_->devices().dc.Get())
                                              : std::vector<uint32_t>{};
        return shown;
    }

    void MarkStale() { stale_ = true; }
    uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    int Height() const { return width_ ? static_cast<int>(pixels_.size()) / width_ : 0; }

    // The first and last column holding any ink (alpha above a threshold); -1 when none.
    std::pair<int, int> InkColumns(int x0, int x1, unsigned threshold = 64) const {
        int first = -1;
        int last = -1;
        for (int x = std::max(0, x0); x < std::min(width_, x1); ++x) {
            for (int y = 0; y < Height(); ++y) {
                if (Alpha(At(x, y)) > threshold) {
                    if (first < 0) first = x;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }

    int Count(bool (*test)(uint32_t)) const {
        int n = 0;
        for (uint32_t p : pixels_) n += test(p) ? 1 : 0;
        return n;
    }

    FixedSource source_;
    OffscreenPresenter* presenter_ = nullptr;
    std::unique_ptr<CompositionCaptionRenderer> renderer_;
    std::vector<uint32_t> pixels_;
    int width_ = 0;
    bool stale_ = true;
    bool playing_ = false;  // a still caption's frames measure the whole list
    double offset_ = 0;     // the offset as the last frame settled it
};

inline void ManyEntries(FixedSource& source, int count) {
    source.content.entries.clear();
    for (int i = 0; i < count; ++i) source.content.entries.push_back({L"捐赠人" + std::to_wstring(i), L"100元"});
}
