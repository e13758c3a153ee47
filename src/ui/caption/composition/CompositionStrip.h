// One laid-out version of the composition renderer's caption: its geometry,
// each measured entry's key (to keep its sizes in a later version), and what
// it is measured and drawn with. Private to the renderer's files.
#pragma once

#include <unordered_map>

#include "core/caption/KeptSizes.h"
#include "ui/caption/composition/CompositionRenderer.h"

struct CompositionCaptionRenderer::Strip {
    struct RunLayouts {
        Microsoft::WRL::ComPtr<IDWriteTextLayout> name;
        Microsoft::WRL::ComPtr<IDWriteTextLayout> amount;
    };

    CompositionGeometry geometry;
    std::vector<uint64_t> keys;
    CaptionLook look;
    Microsoft::WRL::ComPtr<IDWriteFactory> dwrite;
    Microsoft::WRL::ComPtr<IDWriteTextFormat> format;
    Microsoft::WRL::ComPtr<IDWriteTextLayout> title;
    Microsoft::WRL::ComPtr<IDWriteTextLayout> separator;
    Microsoft::WRL::ComPtr<IDWriteTextLayout> notice;
    // The layouts of the entries drawn in this frame and the one before.
    std::unordered_map<size_t, RunLayouts> frameLayouts;
    std::unordered_map<size_t, RunLayouts> lastLayouts;
    size_t measuredTexts = 0;  // by DirectWrite; the rest were kept from before
    KeptSizesSearch search;    // where its sizes were last found in the strip it keeps them from

    // A text's size in this strip's format, with the glyph padding; `layout`
    // receives the layout that measured it (null for an empty text).
    RunExtent Measure(const std::wstring& text, Microsoft::WRL::ComPtr<IDWriteTextLayout>& layout) const;
    // An entry's layouts, made when it is first drawn and kept while it stays in view.
    const RunLayouts& LayoutsFor(const CaptionSource& source, size_t index);

    bool Covers(double length) const { return geometry.complete() || geometry.MeasuredLength() >= length; }
    size_t bytes() const { return geometry.bytes() + keys.capacity() * sizeof(uint64_t); }
};
