// A name or amount as far as a display shows it. The list and its file keep
// every text whole, whatever its length; a caption, preview or table cell
// shows at most a bounded start of it, ending in "…", so that an absurdly
// long name costs neither minutes of measuring nor gigabytes of glyphs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Far more than any screen shows of one run in the caption font.
constexpr size_t kCaptionTextLimit = 1000;
// The preview pane and the table's cells are narrower still.
constexpr size_t kPreviewTextLimit = 200;
constexpr size_t kTableTextLimit = 1000;

// The text itself when it has at most `limit` characters; otherwise its first
// `limit` (a surrogate pair is never split) followed by "…".
std::wstring DisplayCut(std::wstring_view text, size_t limit);
