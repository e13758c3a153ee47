#include "core/settings/IniDocument.h"

#include <windows.h>

#include <cstdint>

#include "core/list/Utf8.h"

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring_view Trimmed(std::wstring_view text) {
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    size_t last = text.size();
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

// The section name of a header line, or nullopt for any other line.
std::optional<std::wstring_view> HeaderName(std::wstring_view line) {
    const std::wstring_view t = Trimmed(line);
    if (t.empty() || t[0] != L'[') return std::nullopt;
    const size_t close = t.find(L']');
    return Trimmed(t.substr(1, close == std::wstring_view::npos ? std::wstring_view::npos : close - 1));
}

// The key of a "key=value" line, or nullopt for a line without one.
std::optional<std::wstring_view> KeyName(std::wstring_view line) {
    const std::wstring_view t = Trimmed(line);
    if (t.empty() || t[0] == L';' || t[0] == L'[') return std::nullopt;
    const size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos) return std::nullopt;
    return Trimmed(line.substr(0, equals));
}

std::wstring ValueOf(std::wstring_view line) {
    std::wstring_view v = Trimmed(line.substr(line.find(L'=') + 1));
    if (v.size() >= 2 && (v.front() == L'"' || v.front() == L'\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return std::wstring(v);
}

std::wstring FromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

// The ANSI bytes of the text; false when the code page cannot hold it all.
bool ToAnsi(std::wstring_view text, std::string& bytes) {
    bytes.clear();
    if (text.empty()) return true;
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, &usedDefault);
    bytes.resize(static_cast<size_t>(length));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), bytes.data(), length,
                        nullptr, &usedDefault);
    return !usedDefault;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; }

}  // namespace

IniDocument IniDocument::FromBytes(std::string_view bytes) {
    IniDocument doc;
    doc.lines_.clear();
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
        doc.encoding_ = bytes[0] == '\xFF' ? IniEncoding::Utf16Le : IniEncoding::Utf16Be;
        doc.mark_ = std::string(bytes.substr(0, 2));
        const bool little = doc.encoding_ == IniEncoding::Utf16Le;
        std::string_view body = bytes.substr(2);
        if (body.size() % 2) {
            doc.tail_ = std::string(body.substr(body.size() - 1));
            body.remove_suffix(1);
        }
        Line line;
        for (size_t i = 0; i < body.size(); i += 2) {
            const unsigned char lo = static_cast<unsigned char>(body[little ? i : i + 1]);
            const unsigned char hi = static_cast<unsigned char>(body[little ? i + 1 : i]);
            const wchar_t c = static_cast<wchar_t>(lo | (hi << 8));
            line.raw.append(body.substr(i, 2));
            if (c != L'\n') {
                line.text += c;
                continue;
            }
            const bool crlf = !line.text.empty() && line.text.back() == L'\r';
            if (crlf) line.text.pop_back();
            line.lineBreak = line.raw.substr(line.raw.size() - (crlf ? 4 : 2));
            doc.lines_.push_back(std::move(line));
            line = Line{};
        }
        if (!line.raw.empty()) doc.lines_.push_back(std::move(line));
        return doc;
    }

    if (StartsWith(bytes, "\xEF\xBB\xBF")) {
        doc.encoding_ = IniEncoding::Utf8WithMark;
        doc.mark_ = std::string(bytes.substr(0, 3));
    } else {
        doc.encoding_ = IsValidUtf8(bytes) ? IniEncoding::Utf8 : IniEncoding::Ansi;
        doc.mark_.clear();
    }
    const std::string_view body = bytes.substr(doc.mark_.size());
    size_t start = 0;
    while (start < body.size()) {
        size_t end = body.find('\n', start);
        const bool hasBreak = end != std::string_view::npos;
        if (!hasBreak) end = body.size();
        Line line;
        line.raw = std::string(body.substr(start, end - start + (hasBreak ? 1 : 0)));
        std::string_view content = body.substr(start, end - start);
        if (hasBreak) {
            const bool crlf = !content.empty() && content.back() == '\r';
            if (crlf) content.remove_suffix(1);
            line.lineBreak = crlf ? "\r\n" : "\n";
        }
        line.text = doc.encoding_ == IniEncoding::Ansi ? FromAnsi(content) : FromUtf8(content);
        doc.lines_.push_back(std::move(line));
        start = end + 1;
    }
    return doc;
}

size_t IniDocument::FindSection(std::wstring_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i].text);
        if (name && SameName(*name, section)) return i;
    }
    return kNone;
}

size_t IniDocument::FindKey(size_t header, std::wstring_view key) const {
    for (size_t i = header + 1; i < lines_.size() && !HeaderName(lines_[i].text); ++i) {
        const auto name = KeyName(lines_[i].text);
        if (name && SameName(*name, key)) return i;
    }
    return kNone;
}

size_t IniDocument::EndOfSection(size_t header) const {
    size_t last = header;
    for (size_t i = header + 1; i < lines_.size() && !HeaderName(lines_[i].text); ++i) {
        if (!Trimmed(lines_[i].text).empty()) last = i;
    }
    return last + 1;
}

std::optional<std::wstring> IniDocument::Value(std::wstring_view section, std::wstring_view key) const {
    const size_t header = FindSection(section);
    if (header == kNone) return std::nullopt;
    const size_t line = FindKey(header, key);
    if (line == kNone) return std::nullopt;
    return ValueOf(lines_[line].text);
}

std::string IniDocument::Encode(std::wstring_view text) const {
    std::string bytes;
    switch (encoding_) {
        case IniEncoding::Utf16Le:
        case IniEncoding::Utf16Be:
            for (wchar_t c : text) {
                const char lo = static_cast<char>(c & 0xFF);
                const char hi = static_cast<char>((c >> 8) & 0xFF);
                bytes += encoding_ == IniEncoding::Utf16Le ? lo : hi;
                bytes += encoding_ == IniEncoding::Utf16Le ? hi : lo;
            }
            return bytes;
        case IniEncoding::Ansi: ToAnsi(text, bytes); return bytes;
        case IniEncoding::Utf8WithMark:
        case IniEncoding::Utf8: return ToUtf8(text);
    }
    return bytes;
}

// New lines end as the file's first line does, else as the profile functions write.
std::string IniDocument::NewLineBreak() const {
    for (const Line& line : lines_) {
        if (!line.lineBreak.empty() && !line.changed) return line.lineBreak;
    }
    return Encode(L"\r\n");
}

void IniDocument::Insert(size_t at, std::wstring text) {
    const std::string lineBreak = NewLineBreak();
    if (at > 0 && lines_[at - 1].lineBreak.empty()) {
        // The last line gains a break so that the new line starts a line of its own.
        lines_[at - 1].lineBreak = lineBreak;
        lines_[at - 1].raw += lineBreak;
    }
    Line line;
    line.text = std::move(text);
    line.lineBreak = lineBreak;
    line.changed = true;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
}

void IniDocument::BecomeUtf8WithMark() {
    // Line breaks are the same bytes in both; every line is written anew.
    for (Line& line : lines_) line.changed = true;
    encoding_ = IniEncoding::Utf8WithMark;
    mark_ = "\xEF\xBB\xBF";
}

void IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    if (encoding_ == IniEncoding::Ansi) {
        std::string ignored;
        const std::wstring all = std::wstring(section) + std::wstring(key) + std::wstring(value);
        if (!ToAnsi(all, ignored)) BecomeUtf8WithMark();
    }
    const size_t header = FindSection(section);
    if (header == kNone) {
        Insert(lines_.size(), L"[" + std::wstring(section) + L"]");
        Insert(lines_.size(), std::wstring(key) + L"=" + std::wstring(value));
        return;
    }
    const size_t at = FindKey(header, key);
    if (at == kNone) {
        Insert(EndOfSection(header), std::wstring(key) + L"=" + std::wstring(value));
        return;
    }
    Line& line = lines_[at];
    // The key keeps its spelling and its spaces; only the value is replaced.
    const std::wstring text = line.text.substr(0, line.text.find(L'=') + 1) + std::wstring(value);
    if (ValueOf(line.text) == ValueOf(text)) return;  // the same value, however it was spaced
    line.text = text;
    line.changed = true;
}

std::string IniDocument::ToBytes() const {
    std::string bytes = mark_;
    for (const Line& line : lines_) {
        if (line.changed) {
            bytes += Encode(line.text);
            bytes += line.lineBreak;
        } else {
            bytes += line.raw;
        }
    }
    return bytes + tail_;
}

int ProfileInteger(std::wstring_view value) {
    size_t i = 0;
    while (i < value.size() && IsBlank(value[i])) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == L'+' || value[i] == L'-')) negative = value[i++] == L'-';
    unsigned base = 10;
    if (i + 1 < value.size() && value[i] == L'0' && (value[i + 1] == L'x' || value[i + 1] == L'X')) {
        base = 16;
        i += 2;
    }
    uint32_t result = 0;
    for (; i < value.size(); ++i) {
        const wchar_t c = value[i];
        unsigned digit = 0;
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<unsigned>(c - L'0');
        } else if (base == 16 && c >= L'a' && c <= L'f') {
            digit = static_cast<unsigned>(c - L'a' + 10);
        } else if (base == 16 && c >= L'A' && c <= L'F') {
            digit = static_cast<unsigned>(c - L'A' + 10);
        } else {
            break;
        }
        result = result * base + digit;
    }
    if (negative) result = 0u - result;
    return static_cast<int>(result);
}
