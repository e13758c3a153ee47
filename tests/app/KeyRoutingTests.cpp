#include <gtest/gtest.h>

#include "app/KeyRouting.h"
#include "ui/panel/PanelIds.h"

namespace {

PanelKeyContext Key(UINT key, int focusId = 0, bool textBox = false) {
    PanelKeyContext c;
    c.key = key;
    c.focusId = focusId;
    c.focusIsTextBox = textBox;
    return c;
}

PanelKeyContext Ctrl(PanelKeyContext c) {
    c.ctrl = true;
    return c;
}

PanelKeyContext Shift(PanelKeyContext c) {
    c.shift = true;
    return c;
}

PanelKeyContext InCellEditor(UINT key) {
    PanelKeyContext c = Key(key, 0, true);
    c.focusIsCellEditor = true;
    return c;
}

TEST(KeyRouting, UndoAndRedoNeverTakeATextBoxsOwnKeys) {
    for (int box : {kIdNameBox, kIdAmountBox, kIdSearchBox, kIdSpeedBox}) {
        EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('Z', box, true))), PanelKeyAction::None) << box;
        EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('Y', box, true))), PanelKeyAction::None) << box;
    }
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('Z', kIdDonationTable))), PanelKeyAction::UndoList);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('Y', kIdDonationTable))), PanelKeyAction::RedoList);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('Z', kIdApplyAndSave))), PanelKeyAction::UndoList);
    EXPECT_EQ(ClassifyPanelKey(Key('Z', kIdDonationTable)), PanelKeyAction::None);
}

TEST(KeyRouting, CtrlShortcutsWorkFromAnyControl) {
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('F', kIdNameBox, true))), PanelKeyAction::FocusSearch);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('S', kIdAmountBox, true))), PanelKeyAction::ApplyAndSave);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('S'))), PanelKeyAction::ApplyAndSave);
    EXPECT_EQ(ClassifyPanelKey(Key(VK_F1, kIdSearchBox, true)), PanelKeyAction::OpenHelp);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('Q'))), PanelKeyAction::None);
}

TEST(KeyRouting, EnterActsOnlyInTheSpeedNameAndAmountBoxes) {
    EXPECT_EQ(ClassifyPanelKey(Key(VK_RETURN, kIdSpeedBox, true)), PanelKeyAction::ApplySpeed);
    EXPECT_EQ(ClassifyPanelKey(Key(VK_RETURN, kIdNameBox, true)), PanelKeyAction::AppendEntry);
    EXPECT_EQ(ClassifyPanelKey(Key(VK_RETURN, kIdAmountBox, true)), PanelKeyAction::AppendEntry);
    EXPECT_EQ(ClassifyPanelKey(Key(VK_RETURN, kIdSearchBox, true)), PanelKeyAction::None);
    EXPECT_EQ(ClassifyPanelKey(Key(VK_RETURN, kIdDonationTable)), PanelKeyAction::None);
}

TEST(KeyRouting, TableKeysWithAndWithoutCtrl) {
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('A', kIdDonationTable))), PanelKeyAction::SelectAllRows);
    EXPECT_EQ(ClassifyPanelKey(Key('A', kIdDonationTable)), PanelKeyAction::None);
    EXPECT_EQ(ClassifyPanelKey(Key(VK_DELETE, kIdDonationTable)), PanelKeyAction::DeleteSelected);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key(VK_DELETE, kIdDonationTable))), PanelKeyAction::DeleteSelected);
    EXPECT_EQ(ClassifyPanelKey(Key(VK_F2, kIdDonationTable)), PanelKeyAction::EditSelected);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key(VK_F2, kIdDonationTable))), PanelKeyAction::EditSelected);
    // Delete in a text box edits the text, not the list.
    EXPECT_EQ(ClassifyPanelKey(Key(VK_DELETE, kIdNameBox, true)), PanelKeyAction::None);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(Key('A', kIdNameBox, true))), PanelKeyAction::None);
}

TEST(KeyRouting, TheCellEditorKeepsItsOwnKeys) {
    EXPECT_EQ(ClassifyPanelKey(InCellEditor(VK_ESCAPE)), PanelKeyAction::CancelCellEdit);
    EXPECT_EQ(ClassifyPanelKey(InCellEditor(VK_RETURN)), PanelKeyAction::CommitCellEdit);
    EXPECT_EQ(ClassifyPanelKey(InCellEditor(VK_TAB)), PanelKeyAction::CellEditNext);
    EXPECT_EQ(ClassifyPanelKey(Shift(InCellEditor(VK_TAB))), PanelKeyAction::CellEditPrevious);
    EXPECT_EQ(ClassifyPanelKey(Ctrl(InCellEditor('Z'))), PanelKeyAction::None);
    EXPECT_EQ(ClassifyPanelKey(InCellEditor(VK_F1)), PanelKeyAction::OpenHelp);
    // The editor sits over the table but Delete edits its text.
    PanelKeyContext overTable = InCellEditor(VK_DELETE);
    overTable.focusId = kIdDonationTable;
    EXPECT_EQ(ClassifyPanelKey(overTable), PanelKeyAction::None);
}

}  // namespace
