#include "commands/SettingsCommands.h"

#include <algorithm>

namespace {

RECT PrimaryWorkAreaOf(const AppState& app) {
    for (const MonitorEntry& entry : app.monitors) {
        if (entry.primary) return entry.workArea;
    }
    if (!app.monitors.empty()) return app.monitors.front().workArea;
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

AppSettings DefaultSettingsFor(const AppState& app) {
    AppSettings settings;
    const RECT p = PrimaryWorkAreaOf(app);
    settings.x = p.left;
    settings.width = p.right - p.left;
    settings.height = 128;
    settings.y = p.bottom - 128;
    for (const MonitorEntry& entry : app.monitors) {
        if (entry.primary) {
            settings.monitor = entry.deviceName;
            return settings;
        }
    }
    if (!app.monitors.empty()) settings.monitor = app.monitors.front().deviceName;
    return settings;
}

int TargetMonitorIndexOf(const AppState& app) {
    const RECT caption = ActiveCaptionRect(app.settings);
    return TargetMonitorIndexIn(app.monitors, app.settings.monitor, MonitorFromRect(&caption, MONITOR_DEFAULTTONEAREST));
}

RECT TargetWorkAreaOf(const AppState& app) {
    const int index = TargetMonitorIndexOf(app);
    return index >= 0 ? app.monitors[static_cast<size_t>(index)].workArea : PrimaryWorkAreaOf(app);
}

void StoreActiveLayoutOf(AppState& app, ScrollDirection d) {
    app.directions.layouts[static_cast<size_t>(DirectionIndex(d))] = ActiveLayout(app.settings);
}

DirectionLayout& LayoutOf(AppState& app, ScrollDirection d) {
    return app.directions.layouts[static_cast<size_t>(DirectionIndex(d))];
}

DockState& DockOf(AppState& app, ScrollDirection d) { return app.directions.docks[static_cast<size_t>(DirectionIndex(d))]; }

void RecordDockOffsetOf(AppState& app, ScrollDirection d) {
    RecordDockOffsetIn(app.directions.docks[static_cast<size_t>(DirectionIndex(d))], app.settings,
                       TargetWorkAreaOf(app));
}

std::wstring& HotkeyTextOf(AppSettings& s, int id) {
    switch (id) {
        case 1: return s.value;
        case 2: return s.horizontal;
        case 3: return s.vertical;
        default: return s.pause;
    }
}

}  // namespace

RECT PrimaryWorkArea() { return PrimaryWorkAreaOf(g_app); }
AppSettings MakeDefaultSettings() { return DefaultSettingsFor(g_app); }
int TargetMonitorIndex() { return TargetMonitorIndexOf(g_app); }
RECT TargetWorkArea() { return TargetWorkAreaOf(g_app); }
void StoreActiveLayout(ScrollDirection d) { StoreActiveLayoutOf(g_app, d); }
void RecordDockOffset(ScrollDirection d) { RecordDockOffsetOf(g_app, d); }

void LoadSettings(AppState& app) {
    ReadSettings(ReadSettingsDocument(app.settingsPath), app.monitors, PrimaryWorkAreaOf(app), app.settings,
                 app.directions);
}

void KeepMinimumCaptionHeight(AppState& app, int minimumHeight) {
    AppSettings& s = app.settings;
    if (s.direction != ScrollDirection::Horizontal || s.height >= minimumHeight) return;
    const VerticalSpan span = GrowToMinimumHeight(s.y, s.height, minimumHeight, TargetWorkAreaOf(app));
    s.y = span.y;
    s.height = span.height;
    StoreActiveLayoutOf(app, ScrollDirection::Horizontal);
    RecordDockOffsetOf(app, ScrollDirection::Horizontal);
}

bool SaveSettings(AppState& app, const SettingsFileOps& ops) {
    StoreActiveLayoutOf(app, app.settings.direction);
    RecordDockOffsetOf(app, app.settings.direction);
    return WriteSettingsFile(app.settings, app.directions, app.settingsPath, ops);
}

void SwitchDirection(AppState& app, Views& views, ScrollDirection d) {
    AppSettings& s = app.settings;
    if (d == s.direction) return;
    StoreActiveLayoutOf(app, s.direction);
    RecordDockOffsetOf(app, s.direction);
    s.direction = d;
    app.directions.lastAppliedDirection = d;
    LoadActiveLayout(s, app.directions.layouts[static_cast<size_t>(DirectionIndex(d))]);
    // Placing the caption may still raise its height to fit the font: save after.
    views.SettingsChanged(SettingsChange::Direction);
    SaveSettings(app);
}

void RestoreDefaultSettings(AppState& app, Views& views) {
    app.settings = DefaultSettingsFor(app);
    app.directions = MakeDefaultDirectionRecords(PrimaryWorkAreaOf(app));
    LoadActiveLayout(app.settings, app.directions.layouts[0]);
    views.SettingsChanged(SettingsChange::Everything);
    SaveSettings(app);
}

void ConfirmRestoreDefaults(AppState& app, Views& views) {
    if (views.Confirm(ConfirmKind::RestoreDefaults)) RestoreDefaultSettings(app, views);
}

bool ApplySettings(AppState& app, Views& views, const AppSettings& read) {
    app.settings = read;
    AppSettings& s = app.settings;
    const ScrollDirection previous = app.directions.lastAppliedDirection;
    const bool directionChanged = s.direction != previous;
    if (directionChanged) {
        StoreActiveLayoutOf(app, previous);
        RecordDockOffsetOf(app, previous);
        app.directions.lastAppliedDirection = s.direction;
        LoadActiveLayout(s, app.directions.layouts[static_cast<size_t>(DirectionIndex(s.direction))]);
    } else {
        StoreActiveLayoutOf(app, s.direction);
        RecordDockOffsetOf(app, s.direction);
    }
    views.SettingsChanged(directionChanged ? SettingsChange::AppliedNewDirection : SettingsChange::Applied);
    return SaveSettings(app);
}

bool ChangeSettings(AppState& app, Views& views, SettingsChange what, const std::function<void(AppSettings&)>& change) {
    change(app.settings);
    views.SettingsChanged(what);
    return SaveSettings(app);
}

bool DockCaption(AppState& app, Views& views, const AppSettings& typed, DockEdge edge) {
    const RECT work = TargetWorkAreaOf(app);  // the screen the caption stood on
    app.settings = typed;
    AppSettings& s = app.settings;
    // The edge in use so far remembers where the caption stood.
    StoreActiveLayoutOf(app, s.direction);
    RecordDockOffsetOf(app, s.direction);
    DockState& dock = app.directions.docks[static_cast<size_t>(DirectionIndex(s.direction))];
    dock.edge = edge;
    s.y = edge == DockEdge::Top ? work.top + dock.topOffset : work.bottom - s.height - dock.bottomOffset;
    views.SettingsChanged(SettingsChange::Placement);
    return SaveSettings(app);
}

void MoveCaption(AppState& app, Views& views, POINT topLeft) {
    AppSettings& s = app.settings;
    s.x = topLeft.x;
    s.y = topLeft.y;
    StoreActiveLayoutOf(app, s.direction);
    RecordDockOffsetOf(app, s.direction);
    views.SettingsChanged(SettingsChange::Moved);
}

void SelectTargetScreen(AppState& app, Views& views, int index) {
    if (index < 0 || static_cast<size_t>(index) >= app.monitors.size()) return;
    AppSettings& s = app.settings;
    const int old = TargetMonitorIndexOf(app);
    StoreActiveLayoutOf(app, s.direction);
    RecordDockOffsetOf(app, s.direction);
    const MonitorEntry& target = app.monitors[static_cast<size_t>(index)];
    if (old >= 0 && old != index) {
        const RECT from = app.monitors[static_cast<size_t>(old)].workArea;
        for (ScrollDirection d : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
            LayoutOf(app, d) = MoveLayoutToScreen(LayoutOf(app, d), DockOf(app, d), from, target.workArea);
        }
    }
    s.monitor = target.deviceName;
    LoadActiveLayout(s, LayoutOf(app, s.direction));
    views.SettingsChanged(SettingsChange::Screen);
    SaveSettings(app);
}

void TakeInScreens(AppState& app, Views& views, std::vector<MonitorEntry> monitors) {
    AppSettings& s = app.settings;
    const std::wstring previous = s.monitor;
    app.monitors = std::move(monitors);
    const bool stillThere = app.monitors.empty() ||
                            std::any_of(app.monitors.begin(), app.monitors.end(), [&](const MonitorEntry& m) {
                                return lstrcmpiW(m.deviceName.c_str(), previous.c_str()) == 0;
                            });
    if (stillThere) {
        views.SettingsChanged(SettingsChange::ScreensListed);
        views.SettingsChanged(SettingsChange::Applied);
        return;
    }
    size_t primary = 0;
    for (size_t i = 0; i < app.monitors.size(); ++i) {
        if (app.monitors[i].primary) {
            primary = i;
            break;
        }
    }
    s.monitor = app.monitors[primary].deviceName;
    views.SettingsChanged(SettingsChange::ScreensListed);
    // The unplugged screen may have taken the caption with it: a layout that
    // now lies outside every screen comes back onto the new target, so the
    // operator is never left with a caption nobody can see.
    StoreActiveLayoutOf(app, s.direction);
    const RECT work = app.monitors[primary].workArea;
    for (ScrollDirection d : {ScrollDirection::Horizontal, ScrollDirection::Vertical}) {
        LayoutOf(app, d) = BringLayoutOntoScreen(LayoutOf(app, d), DockOf(app, d), work, app.monitors);
    }
    LoadActiveLayout(s, LayoutOf(app, s.direction));
    SelectTargetScreen(app, views, static_cast<int>(primary));
}

void KeepUsableHotkeys(AppState& app) {
    for (int id = 1; id <= kHotkeyCount; ++id) {
        std::wstring& text = HotkeyTextOf(app.settings, id);
        if (!ParseHotkey(text).valid) text = DefaultHotkeyText(id);
    }
}

void ApplyHotkeyTexts(AppState& app, Views& views, const std::array<std::wstring, kHotkeyCount>& texts) {
    for (int id = 1; id <= kHotkeyCount; ++id) {
        const std::wstring text = TrimText(texts[static_cast<size_t>(id - 1)]);
        HotkeyTextOf(app.settings, id) = text.empty() ? DefaultHotkeyText(id) : text;
    }
    KeepUsableHotkeys(app);
    views.SettingsChanged(SettingsChange::Hotkeys);
    SaveSettings(app);
}

void TogglePlayback(AppState& app, Views& views) {
    app.playbackEverToggled = true;
    app.paused = !app.paused;
    views.PlaybackChanged();
}
