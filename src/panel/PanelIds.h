// Control ids of the control panel; they double as command ids.
#pragma once

constexpr int kIdDonationTable = 1001;
constexpr int kIdNameBox = 1002;
constexpr int kIdAmountBox = 1003;
constexpr int kIdApplyAndSave = 1007;
constexpr int kIdDirectionMirror = 1013;
constexpr int kIdSpeedBox = 1014;
constexpr int kIdPlayButton = 1020;
constexpr int kIdHotkeyPanelField = 1040;
constexpr int kIdApplyHotkeys = 1041;
constexpr int kIdHotkeyHorizontalField = 1043;
constexpr int kIdHotkeyVerticalField = 1044;
constexpr int kIdHotkeyPauseField = 1045;
constexpr int kIdTargetScreenList = 1046;
constexpr int kIdStatusLine = 1056;
constexpr int kIdSearchBox = 8001;
constexpr int kIdTabStyle = 8007;
constexpr int kIdTabPosition = 8008;
constexpr int kIdTabHotkeys = 8009;
constexpr int kIdPreviewPane = 8010;
constexpr int kIdSettingsPane = 8011;
constexpr int kIdHorizontalButton = 8012;
constexpr int kIdVerticalButton = 8013;
constexpr int kIdSpeedSlider = 8014;
constexpr int kIdHelpButton = 8031;

// Alt accelerator commands.
constexpr int kFirstAltCommand = 50001;
constexpr int kLastAltCommand = 50034;


// Tray menu commands.
constexpr int kIdTrayShowPanel = 40001;
constexpr int kIdTrayExit = 40002;
constexpr int kIdTrayRestoreDefaults = 40003;
constexpr int kIdTrayTogglePlayback = 40004;
