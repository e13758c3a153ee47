#include "settings/SettingsFile.h"

#include <algorithm>
#include <vector>

#include "app/AppState.h"
#include "app/FileIo.h"
#include "settings/SettingsKeys.h"

namespace {

// --- reading -------------------------------------------------------------

std::wstring ReadText(const wchar_t* section, const wchar_t* key, const std::wstring& fallback, int buffer,
                      const std::wstring& path) {
    std::vector<wchar_t> value(static_cast<size_t>(buffer), L'\0');
    const DWORD length =
        GetPrivateProfileStringW(section, key, fallback.c_str(), value.data(), static_cast<DWORD>(buffer), path.c_str());
    return std::wstring(value.data(), std::min<DWORD>(length, static_cast<DWORD>(buffer - 1)));
}

int ReadInt(const wchar_t* section, const wchar_t* key, int fallback, const std::wstring& path) {
    return static_cast<int>(GetPrivateProfileIntW(section, key, fallback, path.c_str()));
}

bool SectionPresent(const wchar_t* section, const wchar_t* key, const std::wstring& path) {
    return !ReadText(section, key, L"", 16, path).empty();
}

void ReadKey(const SettingsKey& k, AppSettings& s, const std::wstring& path) {
    switch (k.kind) {
        case SettingsKeyKind::Integer: {
            int value = ReadInt(k.section, k.key, s.*k.integer, path);
            if (k.minimum < k.maximum) value = std::clamp(value, k.minimum, k.maximum);
            s.*k.integer = value;
            break;
        }
        case SettingsKeyKind::Bool: s.*k.flag = ReadInt(k.section, k.key, s.*k.flag ? 1 : 0, path) != 0; break;
        case SettingsKeyKind::Colour:
            s.*k.colour = static_cast<COLORREF>(ReadInt(k.section, k.key, static_cast<int>(s.*k.colour), path));
            break;
        case SettingsKeyKind::Direction:
            s.direction = DirectionFromInt(ReadInt(k.section, k.key, DirectionIndex(s.direction), path));
            break;
        case SettingsKeyKind::Text: s.*k.text = ReadText(k.section, k.key, s.*k.text, k.buffer, path); break;
    }
}

DirectionLayout ReadLayout(const wchar_t* section, const DirectionLayout& fallback, const std::wstring& path) {
    DirectionLayout l;
    l.x = ReadInt(section, L"x", fallback.x, path);
    l.y = ReadInt(section, L"y", fallback.y, path);
    l.width = std::max(180, ReadInt(section, L"width", fallback.width, path));
    l.height = std::max(40, ReadInt(section, L"height", fallback.height, path));
    l.nameAmountGap = std::clamp(ReadInt(section, L"nameAmountGap", fallback.nameAmountGap, path), 0, 500);
    l.speed = std::clamp(ReadInt(section, L"speed", fallback.speed, path), 1, 30);
    return l;
}

DirectionLayout HorizontalStrip(const RECT& w) {
    return DirectionLayout{w.left, w.bottom - 128, w.right - w.left, 128, 10, 3};
}

DirectionLayout FullWorkArea(const RECT& w) {
    return DirectionLayout{w.left, w.top, w.right - w.left, w.bottom - w.top, 30, 3};
}

void ResolveMonitor(AppSettings& s, const std::wstring& defaultMonitor) {
    const std::vector<MonitorEntry>& monitors = g_app.monitors;
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
void ReadLayouts(const std::wstring& path) {
    AppSettings& s = g_app.settings;
    DirectionRecords& r = g_app.directions;
    const bool present[2] = {SectionPresent(kLayoutSections[0], L"x", path),
                             SectionPresent(kLayoutSections[1], L"x", path)};
    const RECT w = TargetWorkArea();
    const DirectionLayout active = ActiveLayout(s);
    const int playing = DirectionIndex(s.direction);
    for (int d = 0; d < 2; ++d) {
        DirectionLayout& layout = r.layouts[static_cast<size_t>(d)];
        if (present[d]) {
            layout = ReadLayout(kLayoutSections[d], layout, path);
        } else if (d == playing) {
            layout = active;
        } else {
            layout = d == 0 ? HorizontalStrip(w) : FullWorkArea(w);
        }
    }
}

void ReadDocks(const std::wstring& path) {
    AppSettings& s = g_app.settings;
    DirectionRecords& r = g_app.directions;
    for (int d = 0; d < 2; ++d) {
        DockState& dock = r.docks[static_cast<size_t>(d)];
        const wchar_t* section = kDockSections[d];
        if (SectionPresent(section, L"mode", path)) {
            dock.edge = ReadInt(section, L"mode", static_cast<int>(dock.edge), path) > 0 ? DockEdge::Bottom
                                                                                          : DockEdge::Top;
            dock.topOffset = ReadInt(section, L"topOffset", dock.topOffset, path);
            dock.bottomOffset = ReadInt(section, L"bottomOffset", dock.bottomOffset, path);
        } else if (d == DirectionIndex(s.direction)) {
            RecordDockOffset(s.direction);  // the active values are still the [scroll] rectangle here
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

bool WriteAllKeys(const SettingsFileOps& ops, const std::wstring& pending) {
    const AppSettings& s = g_app.settings;
    const DirectionRecords& r = g_app.directions;
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

bool PlatformCopy(const std::wstring& from, const std::wstring& to) {
    return CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool PlatformCreateWithBom(const std::wstring& path) { return WriteFlushedFile(path, std::string("\xFF\xFE", 2)); }

bool PlatformWriteValue(const wchar_t* section, const wchar_t* key, const std::wstring& value,
                        const std::wstring& path) {
    return WritePrivateProfileStringW(section, key, value.c_str(), path.c_str()) != FALSE;
}

// The all-null call returns FALSE even when the flush succeeded.
void PlatformFlushProfile(const std::wstring& path) { WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str()); }

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

void LoadSettings() {
    const std::wstring& path = g_app.settingsPath;
    AppSettings& s = g_app.settings;
    const std::wstring defaultMonitor = s.monitor;
    for (const SettingsKey& k : kSettingsKeys) ReadKey(k, s, path);
    ResolveMonitor(s, defaultMonitor);
    ReadLayouts(path);
    ReadDocks(path);
    g_app.directions.lastAppliedDirection = s.direction;
    LoadActiveLayout(s, g_app.directions.layouts[static_cast<size_t>(DirectionIndex(s.direction))]);
}

void SaveSettingsWith(const SettingsFileOps& ops) {
    const std::wstring& path = g_app.settingsPath;
    const std::wstring pending = path + L".pending";
    g_app.settingsSaveOk = false;

    // Windows refuses to replace a read-only file while Wine lets the rename
    // through; refuse here so both behave alike and nothing is touched.
    if (IsReadOnlyFile(path)) return;
    if (FileExists(path)) {
        if (!ops.copyFile(path, pending)) return;
    } else if (!ops.createWithBom(pending)) {
        return;
    }

    StoreActiveLayout(g_app.settings.direction);
    RecordDockOffset(g_app.settings.direction);

    bool ok = WriteAllKeys(ops, pending);
    ops.flushProfile(pending);
    if (!ops.flushFile(pending)) return;
    if (!ok) return;
    g_app.settingsSaveOk = ops.replaceFile(pending, path);
}

void SaveSettings() { SaveSettingsWith(PlatformSettingsFileOps()); }
