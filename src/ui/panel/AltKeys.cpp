#include "ui/panel/AltKeys.h"

#include "ui/panel/PanelIds.h"

namespace {

constexpr AltKey Focus(WORD key, WORD command, int control) { return {key, command, control, AltAction::Focus}; }
constexpr AltKey Press(WORD key, WORD command, int control) { return {key, command, control, AltAction::Press}; }
constexpr AltKey Run(WORD key, WORD command, AltAction action) { return {key, command, 0, action}; }

}  // namespace

// Alt+6 and Alt+7 carry 50033 and 50032: the commands keep the numbers the
// shadow controls have always had, whatever the order of the keys.
const std::array<AltKey, 34> kAltKeys = {{
    Focus('N', 50001, kIdNameBox),
    Focus('M', 50002, kIdAmountBox),
    Run('B', 50003, AltAction::OpenImport),
    Focus('F', 50004, kIdFontFaceField),
    Focus('Z', 50005, kIdFontSizeField),
    Press('O', 50006, kIdBoldCheck),
    Press('C', 50007, kIdNameColorButton),
    Press('E', 50008, kIdAmountColorButton),
    Focus('U', 50009, kIdUnitField),
    Run('D', 50010, AltAction::FocusPlayingDirection),
    Focus('S', 50011, kIdSpeedBox),
    Focus('T', 50012, kIdTitlePrefixField),
    Focus('R', 50013, kIdSeparatorField),
    Focus('G', 50014, kIdGapField),
    Focus('X', 50015, kIdXField),
    Focus('Y', 50016, kIdYField),
    Focus('W', 50017, kIdWidthField),
    Focus('H', 50018, kIdHeightField),
    Press('I', 50019, kIdTopMostCheck),
    Focus('Q', 50020, kIdHotkeyPanelField),
    Focus('L', 50021, kIdHotkeyHorizontalField),
    Focus('V', 50022, kIdHotkeyVerticalField),
    Focus('P', 50023, kIdHotkeyPauseField),
    Press('A', 50024, kIdApplyAndSave),
    Press('K', 50025, kIdApplyAndSave),
    Run('J', 50026, AltAction::ConfirmRestoreDefaults),
    Focus('1', 50027, kIdTargetScreenList),
    Press('2', 50028, kIdOutlineCheck),
    Press('3', 50029, kIdOutlineColorButton),
    Focus('4', 50030, kIdOutlineSizeField),
    Press('5', 50031, kIdShadowCheck),
    Focus('6', 50033, kIdShadowSizeField),
    Press('7', 50032, kIdShadowColorButton),
    Press('8', 50034, kIdThousandsCheck),
}};

const AltKey* FindAltKey(int command) {
    for (const AltKey& row : kAltKeys) {
        if (row.command == command) return &row;
    }
    return nullptr;
}
