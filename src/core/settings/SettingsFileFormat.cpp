#include "core/settings/SettingsFileFormat.h"

#include <algorithm>
#include <vector>

#include "platform/FileIo.h"
#include "platform/WinHandles.h"
#include "core/settings/IniDocument.h"
#include "core/settings/SettingsKeys.h"

namespace {

// --- reading -------------------------------------------------------------

// The file as it was read at start-up; empty when it is missing or unreadable.
}  // namespace

IniDocument ReadSettingsDocument(const std::wstring& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return IniDocument{};
    return IniDocument::FromBytes(bytes);
}

namespace {

// A text value truncated to its read buffer, as the profile functions do.
std::wstring ReadText(const wchar_t* section, const wchar_t* key, const std::wstring& fallback, int buffer,
                      const IniDocument& doc) {
    const std::optional<std::wstring> value = doc.Value(section, key);
    const std::wstring& text = value ? *value : fallback;
    return text.substr(0, static_cast<size_t>(buffer - 1));
}

// The default when the key is missing or empty, else the integer at its start.
int ReadInt(const wchar_t* section, const wchar_t* key, int fallback, const IniDocument& doc) {
    const std::optional<std::wstring> value = doc.Value(section, key);
    if (!value || value->empty()) return fallback;
    return ProfileInteger(*value);
}

bool SectionPresent(const wchar_t* section, const wchar_t* key, const IniDocument& doc) {
    return !ReadText(section, key, L"", 16, doc).empty();
}

void ReadKey(const SettingsKey& k, AppSettings& s, const IniDocument& doc) {
    switch (k.kind) {
        case SettingsKeyKind::Integer: {
            int value = ReadInt(k.section, k.key, s.*k.integer, doc);
            if (k.minimum < k.maximum) value = std::clamp(value, k.minimum, k.maximum);
            s.*k.integer = value;
            break;
        }
        case SettingsKeyKind::Bool: s.*k.flag = ReadInt(k.section, k.key, s.*k.flag ? 1 : 0, doc) != 0; break;
        case SettingsKeyKind::Colour:
            s.*k.colour = static_cast<COLORREF>(ReadInt(k.section, k.key, static_cast<int>(s.*k.colour), doc));
            break;
        case SettingsKeyKind::Direction:
            s.direction = DirectionFromInt(ReadInt(k.section, k.key, DirectionIndex(s.direction), doc));
            break;
        case SettingsKeyKind::Text: s.*k.text = ReadText(k.section, k.key, s.*k.text, k.buffer, doc); break;
    }
}

DirectionLayout ReadLayout(const wchar_t* section, const DirectionLayout& fallback, const IniDocument& doc) {
    DirectionLayout l;
    l.x = ReadInt(section, L"x", fallback.x, doc);
    l.y = ReadInt(section, L"y", fallback.y, doc);
    l.width = std::max(180, ReadInt(section, L"width", fallback.width, doc));
    l.height = std::max(40, ReadInt(section, L"height", fallback.height, doc));
    l.nameAmountGap = std::clamp(ReadInt(section, L"nameAmountGap", fallback.nameAmountGap, doc), 0, 500);
    l.speed = std::clamp(ReadInt(section, L"speed", fallback.speed, doc), 1, 30);
    return l;
}

DirectionLayout HorizontalStrip(const RECT& w) {
    return DirectionLayout{w.left, w.bottom - 128, w.right - w.left, 128, 10, 3};
}

DirectionLayout FullWorkArea(const RECT& w) {
    return DirectionLayout{w.left, w.top, w.right - w.left, w.bottom - w.top, 30, 3};
}

void ResolveMonitor(AppSettings& s, const std::wstring& defaultMonitor, const std::vector<MonitorEntry>& monitors) {
    if (monitors.empty()) {
        s.monitor = defaultMonitor;
        return;
    }
    for (const MonitorEntry& m : monitors) {
        if (!s.monitor.empty() && lstrcmpiW(m.deviceName.c_str(), s.monitor.c_str()) == 0) return;
    }
    const RECT caption = ActiveCaptionRect(s);
    const int index = TargetMonitorIndexIn(monitors, L"", MonitorFromRect(&caption, MONITOR_DEFAULTTONEAREST));
    s.monitor = monitors[static_cast<size_t>(index)].deviceName;
}

// Builds both layouts, also for older files without the per-direction sections.
void ReadLayouts(const IniDocument& doc, const RECT& w, AppSettings& s, DirectionRecords& r) {
    const bool present[2] = {SectionPresent(kLayoutSections[0], L"x", doc),
                             SectionPresent(kLayoutSections[1], L"x", doc)};
    const DirectionLayout active = ActiveLayout(s);
    const int playing = DirectionIndex(s.direction);
    for (int d = 0; d < 2; ++d) {
        DirectionLayout& layout = r.layouts[static_cast<size_t>(d)];
        if (present[d]) {
            layout = ReadLayout(kLayoutSections[d], layout, doc);
        } else if (d == playing) {
            layout = active;
        } else {
            layout = d == 0 ? HorizontalStrip(w) : FullWorkArea(w);
        }
    }
}

void ReadDocks(const IniDocument& doc, const RECT& w, const AppSettings& s, DirectionRecords& r) {
    for (int d = 0; d < 2; ++d) {
        DockState& dock = r.docks[static_cast<size_t>(d)];
        const wchar_t* section = kDockSections[d];
        if (SectionPresent(section, L"mode", doc)) {
            dock.edge = ReadInt(section, L"mode", static_cast<int>(dock.edge), doc) > 0 ? DockEdge::Bottom
                                                                                          : DockEdge::Top;
            dock.topOffset = ReadInt(section, L"topOffset", dock.topOffset, doc);
            dock.bottomOffset = ReadInt(section, L"bottomOffset", dock.bottomOffset, doc);
        } else if (d == DirectionIndex(s.direction)) {
            RecordDockOffsetIn(dock, s, w);  // the active values are still the [scroll] rectangle here
        }
    }
}

// --- writing -------------------------------------------------------------

// The profile functions trim spaces around a value and drop one pair of
// enclosing quotes; a value that would lose either is written in quotes, so a
// separator of one space reads back as one space.
std::wstring ProfileText(const std::wstring& text) {
    if (text.empty()) return text;
    const wchar_t first = text.front();
    const wchar_t last = text.back();
    const bool spaced = first == L' ' || first == L'\t' || last == L' ' || last == L'\t';
    const bool quoted = text.size() >= 2 && (first == L'"' || first == L'\'') && last == first;
    return spaced || quoted ? L"\"" + text + L"\"" : text;
}

std::wstring KeyValue(const SettingsKey& k, const AppSettings& s) {
    switch (k.kind) {
        case SettingsKeyKind::Integer: return std::to_wstring(s.*k.integer);
        case SettingsKeyKind::Bool: return s.*k.flag ? L"1" : L"0";
        case SettingsKeyKind::Colour: return std::to_wstring(s.*k.colour);
        case SettingsKeyKind::Direction: return std::to_wstring(DirectionIndex(s.direction));
        case SettingsKeyKind::Text: return ProfileText(s.*k.text);
    }
    return L"";
}

bool WriteAllKeys(const AppSettings& s, const DirectionRecords& r, const SettingsFileOps& ops,
                  const std::wstring& pending) {
    bool ok = true;
    auto write = [&](const wchar_t* section, const wchar_t* key, const std::wstring& value) {
        if (!ops.writeValue(section, key, value, pending)) ok = false;  // go on with the next key
    };
    for (const SettingsKey& k : kSettingsKeys) write(k.section, k.key, KeyValue(k, s));
    for (int d = 0; d < 2; ++d) {
        const DirectionLayout& l = r.layouts[static_cast<size_t>(d)];
        const int values[6] = {l.x, l.y, l.width, l.height, l.nameAmountGap, l.speed};
        for (size_t i = 0; i < kLayoutKeys.size(); ++i) write(kLayoutSections[d], kLayoutKeys[i], std::to_wstring(values[i]));
    }
    for (int d = 0; d < 2; ++d) {
        const DockState& dock = r.docks[static_cast<size_t>(d)];
        write(kDockSections[d], L"mode", std::to_wstring(static_cast<int>(dock.edge)));
        write(kDockSections[d], L"topOffset", std::to_wstring(dock.topOffset));
        write(kDockSections[d], L"bottomOffset", std::to_wstring(dock.bottomOffset));
    }
    return ok;
}

// The document a save is editing, in place of the profile functions' cache:
// loaded from the pending file at the first value and written out in one go by
// the flush. A new pending file makes any earlier document stale.
struct PendingDocument {
    std::wstring path;
    IniDocument doc;
    bool open = false;
};

PendingDocument& Pending() {
    static PendingDocument pending;  // touched on the user-interface thread only
    return pending;
}

void ForgetPendingDocument(const std::wstring& path) {
    if (Pending().path == path) Pending() = PendingDocument{};
}

bool PlatformCopy(const std::wstring& from, const std::wstring& to) {
    ForgetPendingDocument(to);
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool PlatformCreateWithBom(const std::wstring& path) {
    ForgetPendingDocument(path);
    return WriteFlushedFile(path, std::string("\xFF\xFE", 2));
}

bool PlatformWriteValue(const wchar_t* section, const wchar_t* key, const std::wstring& value,
                        const std::wstring& path) {
    PendingDocument& pending = Pending();
    if (!pending.open || pending.path != path) {
        std::string bytes;
        if (!ReadWholeFile(path, bytes)) return false;
        pending.path = path;
        pending.doc = IniDocument::FromBytes(bytes);
        pending.open = true;
    }
    pending.doc.Set(section, key, value);
    return true;
}

// A pending file that cannot be written out whole is removed, so that the
// steps after the flush fail instead of renaming an old copy into place.
void PlatformFlushProfile(const std::wstring& path) {
    PendingDocument& pending = Pending();
    if (!pending.open || pending.path != path) return;
    const bool written = WriteFlushedFile(path, pending.doc.ToBytes());
    pending = PendingDocument{};
    if (!written) DeleteFileW(path.c_str());
}

bool PlatformFlushFile(const std::wstring& path) {
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const bool flushed = FlushFileBuffers(file.get()) != FALSE;
    return CloseHandle(file.release()) != FALSE && flushed;
}

}  // namespace

const SettingsFileOps& PlatformSettingsFileOps() {
    static const SettingsFileOps ops = {PlatformCopy,         PlatformCreateWithBom, PlatformWriteValue,
                                        PlatformFlushProfile, PlatformFlushFile,     ReplaceWithPending};
    return ops;
}

// The target monitor's work area for the settings, as the caption will use it.
RECT TargetWorkAreaIn(const AppSettings& s, const std::vector<MonitorEntry>& monitors, const RECT& primaryWorkArea) {
    const RECT caption = ActiveCaptionRect(s);
    const int index = TargetMonitorIndexIn(monitors, s.monitor, MonitorFromRect(&caption, MONITOR_DEFAULTTONEAREST));
    return index >= 0 ? monitors[static_cast<size_t>(index)].workArea : primaryWorkArea;
}

void ReadSettings(const IniDocument& doc, const std::vector<MonitorEntry>& monitors, const RECT& primaryWorkArea,
                  AppSettings& s, DirectionRecords& r) {
    const std::wstring defaultMonitor = s.monitor;
    for (const SettingsKey& k : kSettingsKeys) ReadKey(k, s, doc);
    ResolveMonitor(s, defaultMonitor, monitors);
    const RECT w = TargetWorkAreaIn(s, monitors, primaryWorkArea);
    ReadLayouts(doc, w, s, r);
    ReadDocks(doc, w, s, r);
    r.lastAppliedDirection = s.direction;
    LoadActiveLayout(s, r.layouts[static_cast<size_t>(DirectionIndex(s.direction))]);
}

bool WriteSettingsFile(const AppSettings& settings, const DirectionRecords& directions, const std::wstring& path,
                       const SettingsFileOps& ops) {
    const std::wstring pending = path + L".pending";
    // Windows refuses to replace a read-only file while Wine lets the rename
    // through; refuse here so both behave alike and nothing is touched.
    if (IsReadOnlyFile(path)) return false;
    if (FileExists(path)) {
        if (!ops.copyFile(path, pending)) return false;
    } else if (!ops.createWithBom(pending)) {
        return false;
    }
    const bool ok = WriteAllKeys(settings, directions, ops, pending);
    ops.flushProfile(pending);
    if (!ops.flushFile(pending)) return false;
    if (!ok) return false;
    return ops.replaceFile(pending, path);
}
