#include "ui/panel/PanelControls.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/panel/PanelIds.h"
#include "ui/panel/SettingsPages.h"

namespace {

RECT At(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

}  // namespace

const std::array<PanelControlRow, 28> kPanelControls = {{
    {kIdSettingsPane, kInspectorClass, L"设置", WS_VSCROLL | WS_CLIPCHILDREN, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(g.L + 20, 334, 344, std::max(80, g.H - 428)); }},
    {kIdPreviewPane, kPreviewClass, L"字幕预览", 0, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(g.L + 20, 142, 324, 128); }},
    {kIdPlayButton, L"BUTTON", L"开始播放", 0, nullptr, nullptr,
     [](const PanelGeometry&) { return At(24, 72, 142, 38); }},
    {kIdHorizontalButton, L"BUTTON", L"横向", 0, nullptr, nullptr,
     [](const PanelGeometry&) { return At(184, 72, 78, 38); }},
    {kIdVerticalButton, L"BUTTON", L"纵向", 0, nullptr, nullptr,
     [](const PanelGeometry&) { return At(262, 72, 78, 38); }},
    {kIdSpeedBox, L"EDIT", L"3", ES_NUMBER | ES_AUTOHSCROLL, nullptr, nullptr,
     [](const PanelGeometry&) { return At(528, 76, 52, 30); }},
    {kIdSpeedSlider, TRACKBAR_CLASSW, L"速度", TBS_NOTICKS, nullptr, nullptr,
     [](const PanelGeometry&) { return At(408, 76, 112, 30); }},
    {kIdTargetScreenList, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(664, 76, std::max(126, g.b - 688), 150); }},
    {kIdCountLabel, L"STATIC", L"名单", SS_CENTERIMAGE, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(24, 142, g.b - 416, 30); }},
    {kIdSearchBox, L"EDIT", L"", ES_AUTOHSCROLL, nullptr, L"搜索姓名/公司(机构)名称或金额",
     [](const PanelGeometry& g) { return At(24, 182, std::max(140, g.b - 656), 32); }},
    {kIdUndoButton, L"BUTTON", L"撤销", 0, L"撤销名单操作 (Ctrl+Z)", nullptr,
     [](const PanelGeometry& g) { return At(g.L - 248, 182, 34, 32); }},
    {kIdRedoButton, L"BUTTON", L"重做", 0, L"重做名单操作 (Ctrl+Y)", nullptr,
     [](const PanelGeometry& g) { return At(g.L - 210, 182, 34, 32); }},
    {kIdDeleteButton, L"BUTTON", L"删除所选", 0, L"删除所选名单 (Delete)", nullptr,
     [](const PanelGeometry& g) { return At(g.L - 172, 182, 34, 32); }},
    {kIdImportButton, L"BUTTON", L"批量导入", 0, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(g.L - 128, 182, 104, 32); }},
    // Rows are virtual: the table asks for the text of the rows it shows, so
    // a refill costs the same at ten thousand entries as at ten.
    {kIdDonationTable, WC_LISTVIEWW, L"名单表格", LVS_REPORT | LVS_SHOWSELALWAYS | LVS_OWNERDATA, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(24, 226, g.b - 416, std::max(80, g.H - 358)); }},
    {kIdNameBox, L"EDIT", L"", ES_AUTOHSCROLL, nullptr, L"输入姓名或公司(机构)名称",
     [](const PanelGeometry& g) { return At(24, g.H - 92, g.b - 644, 34); }},
    {kIdAmountBox, L"EDIT", L"", ES_AUTOHSCROLL, nullptr, L"输入金额",
     [](const PanelGeometry& g) { return At(g.b - 610, g.H - 92, 126, 34); }},
    {kIdAppendButton, L"BUTTON", L"追加", 0, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(g.L - 106, g.H - 92, 82, 34); }},
    {kIdTabStyle, L"BUTTON", L"文字样式", 0, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(g.L + 20, 286, 108, 34); }},
    {kIdTabPosition, L"BUTTON", L"位置布局", 0, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(g.L + 128, 286, 108, 34); }},
    {kIdTabHotkeys, L"BUTTON", L"快捷键", 0, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(g.L + 236, 286, 108, 34); }},
    {kIdPreviewLight, L"BUTTON", L"", 0, L"浅色预览背景", nullptr,
     [](const PanelGeometry& g) { return At(g.L + 196, 144, 42, 26); }},
    {kIdPreviewDark, L"BUTTON", L"", 0, L"深色预览背景", nullptr,
     [](const PanelGeometry& g) { return At(g.L + 242, 144, 42, 26); }},
    {kIdPreviewRed, L"BUTTON", L"", 0, L"红色预览背景", nullptr,
     [](const PanelGeometry& g) { return At(g.L + 288, 144, 42, 26); }},
    {kIdApplyAndSave, L"BUTTON", L"应用并保存 (&K)", 0, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(g.L + 20, g.H - 76, 272, 36); }},
    {kIdMoreButton, L"BUTTON", L"更多", 0, L"导出、备份恢复、默认设置与退出", nullptr,
     [](const PanelGeometry& g) { return At(g.L + 302, g.H - 76, 42, 36); }},
    {kIdStatusLine, L"STATIC", L"就绪", SS_CENTERIMAGE | SS_PATHELLIPSIS, nullptr, nullptr,
     [](const PanelGeometry& g) { return At(180, g.H - 29, std::max(120, g.b - 530), 26); }},
    {kIdHelpButton, L"BUTTON", L"帮助", 0, L"使用说明与教程 (F1)", nullptr,
     [](const PanelGeometry& g) { return At(g.b - 114, 18, 90, 32); }},
}};
