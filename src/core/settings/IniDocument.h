// An INI file held in memory: sections and "key=value" lines, looked up
// without regard to case, as the Windows profile functions do. Every line
// keeps the bytes it was read with, so a save changes only the lines whose
// values changed and the lines it adds; comments, order, blank lines and
// sections the program does not know stay byte for byte.
//
// Encodings: UTF-16LE or UTF-16BE with their marks, UTF-8 with or without a
// mark, and the ANSI code page for a file without a mark that is not valid
// UTF-8 (as the profile functions read it). A file keeps its encoding; an
// ANSI file that must take a value the code page cannot hold becomes UTF-8
// with a mark, so that no character is ever replaced by "?".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class IniEncoding { Utf16Le, Utf16Be, Utf8WithMark, Utf8, Ansi };

class IniDocument {
public:
    // An empty UTF-16LE document, as a newly created file is.
    IniDocument() = default;
    static IniDocument FromBytes(std::string_view bytes);

    // The value with spaces around it trimmed and one pair of enclosing
    // quotes removed; nullopt when the section or the key is missing.
    std::optional<std::wstring> Value(std::wstring_view section, std::wstring_view key) const;

    // Replaces the first such key's value, or adds the key at the end of its
    // section, or the section at the end of the file.
    void Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

    std::string ToBytes() const;
    IniEncoding encoding() const { return encoding_; }

private:
    struct Line {
        std::wstring text;        // without the line break
        std::string raw;          // the bytes as read, line break included
        std::string lineBreak;    // as read; empty on a last line without one
        bool changed = false;
    };

    // Index of the section header line, or npos.
    size_t FindSection(std::wstring_view section) const;
    // Index of the key's line within the section starting after `header`, or npos.
    size_t FindKey(size_t header, std::wstring_view key) const;
    // Where a new key of the section starting after `header` goes.
    size_t EndOfSection(size_t header) const;
    void Insert(size_t at, std::wstring text);
    std::string Encode(std::wstring_view text) const;
    std::string NewLineBreak() const;
    void BecomeUtf8WithMark();

    IniEncoding encoding_ = IniEncoding::Utf16Le;
    std::string mark_ = std::string("\xFF\xFE", 2);
    std::vector<Line> lines_;
    std::string tail_;  // an odd last byte of a UTF-16 file, kept as it was
};

// The integer at the start of a profile value as the profile functions read
// it: an optional sign, then decimal digits or "0x" and hex digits; 0 when
// there are none. Wraps as a 32-bit value does.
int ProfileInteger(std::wstring_view value);
