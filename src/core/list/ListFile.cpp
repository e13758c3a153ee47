#include "core/list/ListFile.h"

#include "platform/FileIo.h"
#include "core/list/AmountText.h"
#include "core/list/Utf8.h"

namespace {

constexpr char kBom[] = "\xEF\xBB\xBF";
constexpr char kHeader[] = "# name,amount\n";

bool IsFieldSeparator(wchar_t c) { return c == L',' || c == 0xFF0C || c == L'\t'; }

bool HasFieldSeparator(std::wstring_view text) {
    for (wchar_t c : text) {
        if (IsFieldSeparator(c)) return true;
    }
    return false;
}

// Names that can only be stored quoted; the reader accepts quotes for these only.
bool NameNeedsQuoting(std::wstring_view name) {
    return !name.empty() && (name[0] == L'#' || name[0] == L'"' || HasFieldSeparator(name));
}

// A quoted name at the start of a trimmed line. On success `name` is the
// trimmed content and `rest` starts right after the separator that follows it.
bool ParseQuotedName(std::wstring_view line, std::wstring& name, std::wstring_view& rest) {
    std::wstring content;
    size_t i = 1;
    for (;;) {
        const size_t quote = line.find(L'"', i);
        if (quote == std::wstring_view::npos) return false;
        content.append(line.substr(i, quote - i));
        if (quote + 1 < line.size() && line[quote + 1] == L'"') {
            content += L'"';
            i = quote + 2;
            continue;
        }
        i = quote + 1;
        break;
    }
    while (i < line.size() && line[i] == L' ') ++i;
    if (i >= line.size() || !IsFieldSeparator(line[i])) return false;
    name = TrimText(content);
    if (!NameNeedsQuoting(name)) return false;
    rest = line.substr(i + 1);
    return true;
}

// One line of the file; false when the line holds no entry.
bool ParseLine(std::wstring_view rawLine, std::wstring_view unit, DonationEntry& entry) {
    const std::wstring line = TrimText(rawLine);
    if (line.empty() || line[0] == L'#') return false;

    std::wstring name;
    std::wstring_view rest;
    if (line[0] != L'"' || !ParseQuotedName(line, name, rest)) {
        size_t separator = 0;
        while (separator < line.size() && !IsFieldSeparator(line[separator])) ++separator;
        if (separator == line.size()) return false;
        name = TrimText(std::wstring_view(line).substr(0, separator));
        rest = std::wstring_view(line).substr(separator + 1);
    }
    std::wstring amount = NormalizeAmount(rest, unit);
    if (name.empty() || amount.empty()) return false;
    entry.name = std::move(name);
    entry.amount = std::move(amount);
    return true;
}

bool HasLineBreak(std::wstring_view text) { return text.find_first_of(L"\r\n") != std::wstring_view::npos; }

// A line break inside a field would split the entry in two on the next load.
std::wstring WithoutLineBreaks(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) {
        if (c == L'\n' || c == L'\r') c = L' ';
    }
    return out;
}

std::wstring QuotedName(std::wstring_view name) {
    std::wstring out = L"\"";
    for (wchar_t c : name) {
        if (c == L'"') out += L'"';
        out += c;
    }
    out += L'"';
    return out;
}

// Written as it is: nothing in it could be read differently.
bool NameIsPlain(std::wstring_view name) {
    return name.empty() || (name[0] != L'#' && name[0] != L'"' && !HasFieldSeparator(name));
}

// The name as written in front of its amount. A name starting with a quote is
// written plain unless the plain line itself, amount included, would read back
// as another split: `"x` before `1",2元` would be taken for a quoted name.
std::wstring NameField(const std::wstring& name, const std::wstring& amount) {
    if (name.empty()) return name;
    if (name[0] == L'#' || HasFieldSeparator(name)) return QuotedName(name);
    if (name[0] == L'"') {
        std::wstring readName;
        std::wstring_view rest;
        const std::wstring plain = name + L"," + amount;
        if (ParseQuotedName(plain, readName, rest)) return QuotedName(name);
    }
    return name;
}

}  // namespace

DonationList ParseDonationListBytes(std::string_view bytes, std::wstring_view unit) {
    DonationList list;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        DonationEntry entry;
        if (ParseLine(FromUtf8(bytes.substr(start, end - start)), unit, entry)) {
            list.push_back(std::move(entry));
        }
        start = end + 1;
    }
    return list;
}

std::string SerializeDonationList(const DonationList& list) {
    std::string bytes;
    bytes.reserve(sizeof(kBom) + sizeof(kHeader) + list.size() * 32);
    bytes += kBom;
    bytes += kHeader;
    for (const DonationEntry& entry : list) {
        if (HasLineBreak(entry.name) || HasLineBreak(entry.amount)) {
            const std::wstring name = WithoutLineBreaks(entry.name);
            const std::wstring amount = WithoutLineBreaks(entry.amount);
            AppendUtf8(bytes, NameField(name, amount));
            bytes += ',';
            AppendUtf8(bytes, amount);
        } else {
            // The common case: no copies on the way to the bytes.
            if (NameIsPlain(entry.name)) {
                AppendUtf8(bytes, entry.name);
            } else {
                AppendUtf8(bytes, NameField(entry.name, entry.amount));
            }
            bytes += ',';
            AppendUtf8(bytes, entry.amount);
        }
        bytes += '\n';
    }
    return bytes;
}

namespace {

bool PlatformRead(const std::wstring& path, std::string& bytes) { return ReadWholeFile(path, bytes); }

}  // namespace

const ListFileOps& PlatformListFileOps() {
    static const ListFileOps ops = {PlatformRead, FileExists, IsReadOnlyFile, WriteFlushedFile, ReplaceWithPending};
    return ops;
}

// The order makes every failure and every kill harmless: both new files are
// complete on disk before anything is renamed, the list is renamed before the
// backup, so a save that fails leaves the backup as it was, and at any
// instant each file holds a complete list that really was in the file.
namespace {

ListWriteResult WriteListFile(const DonationList& list, const std::wstring& path, ListFileStamp* expected,
                              const ListFileOps& ops) {
    const std::string content = SerializeDonationList(list);

    const bool exists = ops.exists(path);
    std::string onDisk;
    if (exists) {
        // A file we cannot read cannot be backed up: it is never replaced.
        if (!ops.read(path, onDisk)) return ListWriteResult::TargetUnreadable;
        if (expected && expected->known && StampOfBytes(onDisk) != *expected) return ListWriteResult::ChangedOutside;
        if (onDisk == content) {
            if (expected) *expected = StampOfBytes(onDisk);
            return ListWriteResult::Saved;
        }
    }

    // Windows refuses to replace a read-only file; check before touching the
    // pending files so that a refused save changes nothing.
    if (ops.readOnly(path)) return ListWriteResult::Failed;

    const std::wstring pendingPath = path + L".pending";
    if (!ops.writeFlushed(pendingPath, content)) return ListWriteResult::Failed;
    const std::wstring backupPath = path + L".bak";
    const std::wstring backupPending = backupPath + L".pending";
    if (exists && !ops.writeFlushed(backupPending, onDisk)) return ListWriteResult::Failed;

    if (!ops.replace(pendingPath, path)) return ListWriteResult::Failed;
    if (expected) *expected = StampOfBytes(content);
    // The list is saved; a backup that cannot be renamed stays one save older.
    if (exists) ops.replace(backupPending, backupPath);
    return ListWriteResult::Saved;
}

}  // namespace

ListWriteResult WriteDonationListFile(const DonationList& list, const std::wstring& path, const ListFileOps& ops) {
    return WriteListFile(list, path, nullptr, ops);
}

ListWriteResult WriteDonationListFileOver(const DonationList& list, const std::wstring& path, ListFileStamp& stamp,
                                          const ListFileOps& ops) {
    return WriteListFile(list, path, &stamp, ops);
}

ListReadResult ReadDonationListFile(const std::wstring& path, std::wstring_view unit, DonationList& list) {
    list.clear();
    std::string bytes;
    if (ReadWholeFile(path, bytes)) {
        list = ParseDonationListBytes(bytes, unit);
        return ListReadResult::Loaded;
    }
    return FileExists(path) ? ListReadResult::Unreadable : ListReadResult::Missing;
}

ListReadResult ReadDonationListFile(const std::wstring& path, std::wstring_view unit, DonationList& list,
                                    ListFileStamp& stamp) {
    list.clear();
    stamp = ListFileStamp{};
    std::string bytes;
    if (ReadWholeFile(path, bytes)) {
        stamp = StampOfBytes(bytes);
        list = ParseDonationListBytes(bytes, unit);
        return ListReadResult::Loaded;
    }
    if (FileExists(path)) return ListReadResult::Unreadable;
    stamp = MissingFileStamp();
    return ListReadResult::Missing;
}

ListFileRead ReadListFileIfChanged(const std::wstring& path, std::wstring_view unit, const ListFileStamp& known) {
    ListFileRead read;
    read.known = known;
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        read.result = FileExists(path) ? ListReadResult::Unreadable : ListReadResult::Missing;
        if (read.result == ListReadResult::Missing) read.stamp = MissingFileStamp();
        return read;
    }
    read.result = ListReadResult::Loaded;
    read.stamp = StampOfBytes(bytes);
    if (read.stamp != known) read.list = ParseDonationListBytes(bytes, unit);
    return read;
}

// FNV-1a with the size beside it: two different contents that give the same
// stamp are too unlikely to matter next to a person editing a file.
ListFileStamp StampOfBytes(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char byte : bytes) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return ListFileStamp{true, true, bytes.size(), hash};
}

ListFileStamp MissingFileStamp() { return ListFileStamp{true, false, 0, 0}; }
