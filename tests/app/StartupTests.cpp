#include <gtest/gtest.h>

#include <set>

#include "app/Accelerators.h"
#include "ui/panel/AltKeys.h"
#include "platform/Dpi.h"
#include "app/SingleInstance.h"
#include "app/Startup.h"
#include "ui/panel/ControlPanel.h"
#include "platform/GdiplusLibrary.h"
#include "platform/SystemLibrary.h"

namespace {

TEST(Startup, ProgramFolderIsTheModulePathUpToItsLastSeparator) {
    EXPECT_EQ(ProgramFolderFromModulePath(L"C:\\Events\\Velmaro\\velmaro.exe"), L"C:\\Events\\Velmaro");
    EXPECT_EQ(ProgramFolderFromModulePath(L"C:\\Events/Velmaro/velmaro.exe"), L"C:\\Events/Velmaro");
    EXPECT_EQ(ProgramFolderFromModulePath(L"D:/velmaro.exe"), L"D:");
    EXPECT_EQ(ProgramFolderFromModulePath(L"velmaro.exe"), L".");
    EXPECT_EQ(ProgramFolderFromModulePath(L""), L".");
}

// A DLL or function that cannot be had fills no slot and is named, so start-up
// can tell the operator what is missing instead of calling a null pointer.
TEST(SystemLibrary, EverySlotOrNoneAndWhatIsMissingIsNamed) {
    void* tick = nullptr;
    void* none = nullptr;
    const SystemFunction mixed[] = {{"GetTickCount", &tick}, {"NoSuchFunctionAnywhere", &none}};
    std::wstring missing;
    EXPECT_FALSE(LoadSystemFunctions(L"kernel32.dll", mixed, 2, missing));
    EXPECT_EQ(missing, L"kernel32.dll!NoSuchFunctionAnywhere");
    EXPECT_EQ(tick, nullptr);

    EXPECT_FALSE(LoadSystemFunctions(L"velmaro-no-such-library.dll", mixed, 1, missing));
    EXPECT_EQ(missing, L"velmaro-no-such-library.dll");

    const SystemFunction present[] = {{"GetTickCount", &tick}};
    EXPECT_TRUE(LoadSystemFunctions(L"kernel32.dll", present, 1, missing));
    EXPECT_EQ(tick, reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount")));
    EXPECT_TRUE(missing.empty());

    EXPECT_TRUE(LoadGdiplus(missing)) << missing;
}

TEST(SingleInstance, OneKeyPerFolderHoweverItIsSpelled) {
    const uint64_t key = ProgramFolderKey(L"C:\\Events\\Velmaro");
    EXPECT_EQ(ProgramFolderKey(L"c:\\events\\VELMARO"), key);
    EXPECT_EQ(ProgramFolderKey(L"C:/Events/Velmaro/"), key);
    EXPECT_EQ(ProgramFolderKey(L"C:\\Events\\Other\\..\\Velmaro"), key);
    EXPECT_NE(ProgramFolderKey(L"C:\\Events\\Velmaro2"), key);
    EXPECT_NE(ProgramFolderKey(L"D:\\Events\\Velmaro"), key);

    UniqueHandle first;
    UniqueHandle second;
    EXPECT_TRUE(ClaimProgramFolder(L"C:\\velmaro-claim-test", first));
    EXPECT_FALSE(ClaimProgramFolder(L"c:/VELMARO-claim-test/", second));
    EXPECT_TRUE(ClaimProgramFolder(L"C:\\velmaro-claim-test-2", second));
}

TEST(Startup, DpiScaleNeverGoesBelowOne) {
    EXPECT_DOUBLE_EQ(DpiScaleFromDpi(72), 1.0);
    EXPECT_DOUBLE_EQ(DpiScaleFromDpi(96), 1.0);
    EXPECT_DOUBLE_EQ(DpiScaleFromDpi(144), 1.5);
    EXPECT_DOUBLE_EQ(DpiScaleFromDpi(192), 2.0);
    EXPECT_EQ(ScaleLogical(1160, 1.5), 1740);
    EXPECT_EQ(ScaleLogical(850, 1.5), 1275);
    EXPECT_EQ(ScaleLogical(15, 1.25), 19);  // 18.75 rounds up
    EXPECT_EQ(ScaleLogical(22, 1.25), 28);  // 27.5 rounds up
}

TEST(Startup, PanelIsCentredInTheWorkArea) {
    const RECT area{0, 0, 1920, 1040};
    const RECT r = ControlPanelRect(area, 1.0);
    EXPECT_EQ(r.right - r.left, 1160);
    EXPECT_EQ(r.bottom - r.top, 850);
    EXPECT_EQ(r.left, 380);
    EXPECT_EQ(r.top, 95);

    // A work area that does not start at the origin (a taskbar on the left).
    const RECT shifted = ControlPanelRect(RECT{100, 0, 1921, 1041}, 1.0);
    EXPECT_EQ(shifted.left, 100 + (661 >> 1));
    EXPECT_EQ(shifted.top, (191 >> 1));
    // One spare pixel is not split.
    const RECT tight = ControlPanelRect(RECT{0, 0, 1161, 851}, 1.0);
    EXPECT_EQ(tight.left, 0);
    EXPECT_EQ(tight.top, 0);
}

TEST(Startup, PanelIsCappedToASmallWorkArea) {
    // At 144 dpi the panel asks for 1740 × 1275.
    const RECT big = ControlPanelRect(RECT{0, 0, 3840, 2100}, 1.5);
    EXPECT_EQ(big.right - big.left, 1740);
    EXPECT_EQ(big.bottom - big.top, 1275);

    const RECT compact = ControlPanelRect(RECT{0, 40, 1366, 768}, 1.5);
    EXPECT_EQ(compact.left, 0);
    EXPECT_EQ(compact.top, 40);
    EXPECT_EQ(compact.right, 1366);
    EXPECT_EQ(compact.bottom, 768);
}

TEST(Accelerators, ThirtyFourAltKeysWithTheirCommands) {
    ASSERT_EQ(kAltKeys.size(), 34u);
    std::set<WORD> keys;
    std::set<WORD> commands;
    for (const AltKey& a : kAltKeys) {
        keys.insert(a.key);
        commands.insert(a.command);
        EXPECT_GE(a.command, 50001);
        EXPECT_LE(a.command, 50034);
    }
    EXPECT_EQ(keys.size(), 34u);
    EXPECT_EQ(commands.size(), 34u);

    auto commandOf = [](WORD key) {
        for (const AltKey& a : kAltKeys) {
            if (a.key == key) return static_cast<int>(a.command);
        }
        return 0;
    };
    EXPECT_EQ(commandOf('N'), 50001);
    EXPECT_EQ(commandOf('B'), 50003);
    EXPECT_EQ(commandOf('D'), 50010);
    EXPECT_EQ(commandOf('J'), 50026);
    EXPECT_EQ(commandOf('A'), 50024);
    EXPECT_EQ(commandOf('K'), 50025);
    EXPECT_EQ(commandOf('5'), 50031);
    EXPECT_EQ(commandOf('6'), 50033);
    EXPECT_EQ(commandOf('7'), 50032);
    EXPECT_EQ(commandOf('8'), 50034);
}

TEST(Accelerators, TableHoldsEveryEntryAsAltVirtualKey) {
    HACCEL table = CreateAltAcceleratorTable();
    ASSERT_NE(table, nullptr);
    ACCEL entries[40] = {};
    const int count = CopyAcceleratorTableW(table, entries, 40);
    DestroyAcceleratorTable(table);
    ASSERT_EQ(count, 34);
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FALT | FCONTROL | FSHIFT), FVIRTKEY | FALT);
        EXPECT_EQ(entries[i].key, kAltKeys[i].key);
        EXPECT_EQ(entries[i].cmd, kAltKeys[i].command);
    }
}

}  // namespace
