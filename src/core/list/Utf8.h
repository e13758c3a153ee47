// UTF-8 <-> UTF-16 at the file boundary. Both directions replace what cannot
// be represented by U+FFFD instead of failing, so no line is ever dropped
// because of a stray byte or an unpaired surrogate.
#pragma once

#include <string>
#include <string_view>

std::string ToUtf8(std::wstring_view text);
// Appends the UTF-8 bytes of text to out (same replacement rule).
void AppendUtf8(std::string& out, std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(std::string_view bytes);
