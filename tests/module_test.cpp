// The module's linkage with its host: the exported records, the version resource, the
// attach and detach steps, the host services, and hotkeys typed into the real DLL.
#include <windows.h>

#include <string.h>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "module/HostHandles.h"
#include "module/HostServices.h"
#include "module/Linkage.h"
#include "module/ModuleEntry.h"
#include "ui/KeyboardHook.h"
#include "ui/MainMenu.h"

namespace {

// ---- The exported records, as a host reads them from the built DLL ----

TEST(ExportedRecords, ReadAsTheHostReadsThem) {
    HMODULE library = LoadLibraryA(ModuleDllPath().c_str());
    ASSERT_NE(library, nullptr) << ModuleDllPath();
    const uint32_t* linkage = (const uint32_t*)GetProcAddress(library, "Linkage");
    const uint32_t* table = (const uint32_t*)GetProcAddress(library, "ImportTable");
    ASSERT_NE(linkage, nullptr);
    ASSERT_NE(table, nullptr);

    // Linkage: id, init, deinit, flags, priority, version, table.
    EXPECT_EQ(linkage[0], 0u);
    EXPECT_NE(linkage[1], 0u);
    EXPECT_EQ(linkage[1], linkage[2]) << "init and deinit are the same routine";
    EXPECT_EQ(linkage[3], 0u);
    EXPECT_EQ(linkage[4], 0u);
    EXPECT_EQ(linkage[5], 0x00000900u);
    EXPECT_EQ(linkage[6], 0u);
    // The routine lies inside the module and can be called.
    ((LinkageRoutine)(uintptr_t)linkage[1])();

    const uint32_t ids[16] = {0x01, 0x17, 0x12, 0x2C, 0x80000000, 0x0D, 0x02, 0x03,
                              0x23, 0x0F, 0x19, 0x27, 0x14, 0x1C, 0x0A, 0x00};
    for (int i = 0; i < 16; i++) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        EXPECT_EQ(table[2 * i], ids[i]);
        EXPECT_EQ(table[2 * i + 1], 0u) << "every table field is null before binding";
    }
    // Exactly 128 bytes: the symbol after the table is not part of it; the terminator ends it.
    EXPECT_EQ(table[30], 0u);
    EXPECT_EQ(GetProcAddress(library, "LinkageNoop"), nullptr);
    EXPECT_EQ(GetProcAddress(library, "KeyboardHookProc"), nullptr);
    FreeLibrary(library);
}

TEST(ExportedRecords, VersionResource) {
    std::string path = ModuleDllPath();
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", (void**)&fixed, &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 377u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 377u);
    EXPECT_EQ(fixed->dwFileType, (DWORD)VFT_DLL);
    EXPECT_EQ(fixed->dwFileOS, (DWORD)VOS__WINDOWS32);
    const char* names[] = {"ProductName", "InternalName", "OriginalFilename", "FileDescription"};
    for (const char* name : names) {
        char* value = nullptr;
        std::string query = std::string("\\StringFileInfo\\041904b0\\") + name;
        ASSERT_TRUE(VerQueryValueA(data.data(), query.c_str(), (void**)&value, &length)) << name;
        EXPECT_STREQ(value, "KFWS_Airdrop") << name;
    }
    char* version = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\041904b0\\FileVersion", (void**)&version, &length));
    EXPECT_STREQ(version, "1,0,0,377");
}

// ---- Attach and detach (the module's code linked into this test) ----

class ModuleEntryTest : public testing::Test {
protected:
    void TearDown() override {
        if (gHostHandles.keyboardHook) {
            UnhookWindowsHookEx(gHostHandles.keyboardHook);
        }
        memset(&gHostHandles, 0, sizeof(gHostHandles));
        SimDestroyMainWindow();
    }
};

TEST_F(ModuleEntryTest, AttachFindsTheHostWindowAndHooksTheThread) {
    HWND window = SimCreateMainWindow(true);
    WNDPROC hostProc = (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC);
    HINSTANCE instance = (HINSTANCE)0x12340000;
    ModuleAttach(instance);
    EXPECT_EQ(gHostHandles.moduleInstance, instance);
    EXPECT_EQ(gHostHandles.mainWindow, window);
    EXPECT_EQ(gHostHandles.previousWindowProc, hostProc);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC), MainWindowProc);
    EXPECT_NE(gHostHandles.keyboardHook, nullptr);
    // Messages still reach the host's own procedure.
    SendMessageA(window, WM_COMMAND, 40001, 0);
    ASSERT_FALSE(SimWindowCommands().empty());
    EXPECT_EQ(SimWindowCommands().back(), 40001u);

    // Freed while the host lives on: the window gets its own procedure back.
    ModuleDetach(0);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC), hostProc);
    EXPECT_FALSE(UnhookWindowsHookEx(gHostHandles.keyboardHook)) << "the hook was removed already";
    gHostHandles.keyboardHook = nullptr;
}

TEST_F(ModuleEntryTest, DetachAtProcessExitOnlyRemovesTheHook) {
    HWND window = SimCreateMainWindow(true);
    ModuleAttach(GetModuleHandleA(nullptr));
    ModuleDetach(1);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC), MainWindowProc);
    EXPECT_FALSE(UnhookWindowsHookEx(gHostHandles.keyboardHook));
    SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)gHostHandles.previousWindowProc);
    gHostHandles.keyboardHook = nullptr;
}

TEST_F(ModuleEntryTest, DetachLeavesAProcedureThatIsNoLongerOurs) {
    HWND window = SimCreateMainWindow(true);
    WNDPROC hostProc = (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC);
    ModuleAttach(GetModuleHandleA(nullptr));
    // Another add-on subclassed the window after us.
    SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)DefWindowProcA);
    ModuleDetach(0);
    EXPECT_EQ((WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC), (WNDPROC)DefWindowProcA);
    SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)hostProc);
    gHostHandles.keyboardHook = nullptr;
}

TEST_F(ModuleEntryTest, AttachWithoutHostWindowStillHooksTheKeyboard) {
    ModuleAttach(GetModuleHandleA(nullptr));
    EXPECT_EQ(gHostHandles.mainWindow, nullptr);
    EXPECT_EQ(gHostHandles.previousWindowProc, nullptr);
    EXPECT_NE(gHostHandles.keyboardHook, nullptr);
    ModuleDetach(0);
    EXPECT_FALSE(UnhookWindowsHookEx(gHostHandles.keyboardHook));
    gHostHandles.keyboardHook = nullptr;
}

// ---- Host services ----

class HostServicesTest : public HostFixture {};

TEST_F(HostServicesTest, ShowMessageClearsThenShows) {
    ShowMessage("Командир");
    const std::vector<HostCall>& calls = SimCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, kCallClearText);
    EXPECT_EQ(calls[1].kind, kCallShowText);
    EXPECT_EQ(calls[1].text, "\xCA\xEE\xEC\xE0\xED\xE4\xE8\xF0") << "Windows-1251 bytes";
    EXPECT_EQ(calls[1].args[0], 5);
    EXPECT_EQ(calls[1].args[1], 60);
    EXPECT_EQ(calls[1].args[2], 0);
}

TEST_F(HostServicesTest, OperationsReachTheirTableOffsets) {
    EXPECT_EQ(GetUserAircraft(), aircraft_->userAircraft.data());
    TriggerEvent(0x10201);
    SimSetCentreOfGravity(0.253);
    EXPECT_DOUBLE_EQ(ReadAircraftValue(158), 0.253);
    SetStationWeight(GetPayloadSetter(), 550.0, 3);
    std::vector<HostCall> events = SimCallsOf(kCallTriggerEvent);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].id, 0x10201u);
    EXPECT_EQ(events[0].args[0], 1);
    std::vector<HostCall> reads = SimCallsOf(kCallReadAircraftValue);
    ASSERT_EQ(reads.size(), 1u);
    EXPECT_EQ(reads[0].id, 158u);
    EXPECT_EQ(reads[0].args[0], 0);
    EXPECT_EQ(reads[0].args[1], 0);
    std::vector<HostCall> weights = SimCallsOf(kCallSetStationWeight);
    ASSERT_EQ(weights.size(), 1u);
    EXPECT_EQ(weights[0].args[0], 164);
    EXPECT_EQ(weights[0].args[1], 124);
    EXPECT_EQ(weights[0].args[2], 3);
    EXPECT_DOUBLE_EQ(weights[0].weight, 550.0);
    EXPECT_EQ(weights[0].object, GetPayloadSetter());
}

TEST_F(HostServicesTest, UnboundTablesAreSkipped) {
    SimUnbindServices(ImportTable);
    ShowMessage("x");
    TriggerEvent(0x10202);
    EXPECT_EQ(GetUserAircraft(), nullptr);
    EXPECT_EQ(GetPayloadSetter(), nullptr);
    EXPECT_EQ(ReadAircraftValue(158), 0.0);
    SetStationWeight(nullptr, 1.0, 1);
    EXPECT_TRUE(SimCalls().empty());
}

TEST_F(HostServicesTest, RecordsReachedFromTheUserAircraft) {
    void* user = aircraft_->userAircraft.data();
    EXPECT_EQ(AircraftDataBlock(user), aircraft_->dataBlock.data());
    EXPECT_EQ(AircraftPayloadDescriptor(user), aircraft_->payload.data());
    EXPECT_EQ(AircraftFirstEffectSlot(user), aircraft_->slots[0].data());
    EXPECT_STREQ(AircraftModelName(user), "Trainer 1");
    EXPECT_EQ(AircraftDataBlock(nullptr), nullptr);
    EXPECT_EQ(AircraftModelName(nullptr), nullptr);
    WriteHostPtr(user, kUserAircraftDataBlock, nullptr);
    EXPECT_EQ(AircraftPayloadDescriptor(user), nullptr);
    EXPECT_EQ(AircraftFirstEffectSlot(user), nullptr);
    EXPECT_EQ(AircraftModelName(user), nullptr);
}

// ---- The real DLL in the stand-in host, driven by real keyboard input ----

class LoadedModuleTest : public LoadedModuleFixture {
protected:
    bool WindowSaw(UINT message, WPARAM key) {
        for (const SimKeyMessage& seen : SimWindowKeys()) {
            if (seen.message == message && seen.virtualKey == key) {
                return true;
            }
        }
        return false;
    }
};

TEST_F(LoadedModuleTest, TypedChordReachesItsCommandAndIsSwallowed) {
    ASSERT_EQ(GetForegroundWindow(), window_);
    // Ctrl+Shift+Alt+0 re-acquires the user aircraft: one GetUserAircraft call.
    SimTypeChord({VK_LCONTROL, VK_LSHIFT, VK_LMENU}, '0');
    SimPumpMessages(200);
    EXPECT_EQ(SimCallsOf(kCallGetUserAircraft).size(), 1u);
    // The key-down of 0 reaches the host; its release does not.
    EXPECT_TRUE(WindowSaw(WM_SYSKEYDOWN, '0') || WindowSaw(WM_KEYDOWN, '0'));
    EXPECT_FALSE(WindowSaw(WM_SYSKEYUP, '0') || WindowSaw(WM_KEYUP, '0'));
}

TEST_F(LoadedModuleTest, RightHandChordWorksAndMixedHandsPassOn) {
    SimTypeChord({VK_RCONTROL, VK_RSHIFT, VK_RMENU}, '0');
    SimPumpMessages(200);
    EXPECT_EQ(SimCallsOf(kCallGetUserAircraft).size(), 1u);
    SimClearCalls();
    SimClearWindowKeys();
    SimTypeChord({VK_LCONTROL, VK_RSHIFT, VK_LMENU}, '0');
    SimPumpMessages(200);
    EXPECT_TRUE(SimCalls().empty());
    EXPECT_TRUE(WindowSaw(WM_SYSKEYUP, '0') || WindowSaw(WM_KEYUP, '0'));
}

TEST_F(LoadedModuleTest, OrdinaryKeysReachTheHost) {
    SimTypeChord({}, 'A');
    SimPumpMessages(200);
    EXPECT_TRUE(WindowSaw(WM_KEYDOWN, 'A'));
    EXPECT_TRUE(WindowSaw(WM_KEYUP, 'A'));
    EXPECT_TRUE(SimCalls().empty());
}

} // namespace
