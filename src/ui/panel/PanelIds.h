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
constexpr int kIdCountLabel = 8015;
constexpr int kIdUndoButton = 8002;
constexpr int kIdRedoButton = 8003;
constexpr int kIdDeleteButton = 1006;
constexpr int kIdImportButton = 8004;
constexpr int kIdAppendButton = 1004;
constexpr int kIdMoreButton = 8006;
constexpr int kIdPreviewLight = 8016;
constexpr int kIdPreviewDark = 8017;
constexpr int kIdPreviewRed = 8018;
constexpr int kIdCellEditor = 8019;

// Controls of the 文字样式 page.
constexpr int kIdFontFaceField = 1008;
constexpr int kIdFontSizeField = 1009;
constexpr int kIdNameColorButton = 1010;
constexpr int kIdAmountColorButton = 1011;
constexpr int kIdChooseFontButton = 1027;
constexpr int kIdSeparatorField = 1028;
constexpr int kIdGapField = 1029;
constexpr int kIdBoldCheck = 1030;
constexpr int kIdUnitField = 1031;
constexpr int kIdTitlePrefixField = 1042;
constexpr int kIdFontSizeSpin = 1047;
constexpr int kIdOutlineCheck = 1048;
constexpr int kIdOutlineColorButton = 1049;
constexpr int kIdOutlineSizeField = 1050;
constexpr int kIdShadowCheck = 1052;
constexpr int kIdShadowColorButton = 1053;
constexpr int kIdShadowSizeField = 1054;
constexpr int kIdThousandsCheck = 1057;

// Controls of the 位置布局 page.
constexpr int kIdXField = 1015;
constexpr int kIdYField = 1016;
constexpr int kIdWidthField = 1017;
constexpr int kIdHeightField = 1018;
constexpr int kIdTopMostCheck = 1021;
constexpr int kIdXSlider = 1032;
constexpr int kIdYSlider = 1033;
constexpr int kIdWidthSlider = 1034;
constexpr int kIdHeightSlider = 1035;
constexpr int kIdDockTopButton = 1036;
constexpr int kIdDockBottomButton = 1037;

// Entries of the "更多" menu.
constexpr int kIdMenuClearList = 8025;
constexpr int kIdMenuRestoreDefaults = 8026;
constexpr int kIdMenuExit = 8027;
constexpr int kIdMenuRestoreBackup = 8028;
constexpr int kIdMenuExport = 8029;

// Alt accelerator commands.
constexpr int kFirstAltCommand = 50001;
constexpr int kLastAltCommand = 50034;

// Tray menu commands.
constexpr int kIdTrayShowPanel = 40001;
constexpr int kIdTrayExit = 40002;
constexpr int kIdTrayRestoreDefaults = 40003;
constexpr int kIdTrayTogglePlayback = 40004;
