// Leaks over a long flight: dialog openings and closings (by hotkey, menu and close box),
// non-client paints of the host window with the module's menu procedure in front, and
// whole drops from load to the end message. Before and after each series the process's
// kernel handles, GDI objects, windows and menus are counted by trying every handle value
// (GetGuiResources and GetProcessHandleCount report nothing under Wine); the drop timer is
// checked after every drop and the menu bar after the paints.
#include <windows.h>

#include <psapi.h>
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "ReliabilitySupport.h"
#include "TestSupport.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "drop/Loading.h"
#include "drop/Unloading.h"
#include "module/HostHandles.h"
#include "ui/MainMenu.h"

namespace {

const char kFinished[] = "Командир, работа окончена !!!";

size_t PrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PagefileUsage;
}

// Items of `menu` whose caption is exactly `caption`.
int ItemsCaptioned(HMENU menu, const char* caption) {
    int found = 0;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        char text[128] = "";
        GetMenuStringA(menu, (UINT)i, text, sizeof(text), MF_BYPOSITION);
        found += strcmp(text, caption) == 0;
    }
    return found;
}

int PositionOf(HMENU menu, const char* caption) {
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        char text[128] = "";
        GetMenuStringA(menu, (UINT)i, text, sizeof(text), MF_BYPOSITION);
        if (strcmp(text, caption) == 0) {
            return i;
        }
    }
    return -1;
}

class LongFlightTest : public HostWindowFixture {
protected:
    LongFlightTest() : HostWindowFixture(true, true) {}
    void SetUp() override {
        HostWindowFixture::SetUp();
        WriteConfigFile("Trainer 1", "[General]\r\nKFWS_Airdrop_variant=1\r\nKFWS_Airdrop_number=3\r\n"
                                     "KFWS_Airdrop_metod=2\r\nKFWS_Airdrop_type=3\r\nKFWS_Airdrop_realism=1\r\n"
                                     "KFWS_Airdrop_visual=1\r\nKFWS_Airdrop_left_x=-3\r\nKFWS_Airdrop_down_z=-10\r\n");
    }

    // One opening and closing; every other one by the menu and the caption's close box.
    bool OpenAndClose(int i) {
        if (i % 2 == 0) {
            ToggleConfigDialog();
        } else {
            SendMessageA(window_, WM_COMMAND, kConfiguratorCommand, 0);
        }
        HWND dialog = gAirdropState.configDialogWindow;
        if (!dialog || !IsWindowVisible(dialog)) {
            return false;
        }
        if (i % 2 == 0) {
            ToggleConfigDialog();
        } else {
            SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        }
        return gAirdropState.configDialogWindow == nullptr && !IsWindow(dialog);
    }

    // One whole drop: load, start, ticks until the end message. True when it ended cleanly.
    bool Drop() {
        SimClearCalls();
        LoadAircraft();
        StartUnloading();
        for (int tick = 0; tick < 10 && gAirdropState.working; tick++) {
            UnloadTick(window_, WM_TIMER, 1, GetTickCount());
        }
        return !gAirdropState.working && !gAirdropState.loaded && SimScreenText() == kFinished &&
               gAirdropState.dropTimer == 0 && !KillTimer(window_, 1);
    }

    void Paint() { SendMessageA(window_, WM_NCPAINT, 1, 0); }

    // The growth of every count since `before`, as text, and whether all are zero.
    static bool Flat(const ProcessObjects& before, const ProcessObjects& after, std::string* growth) {
        char text[160];
        snprintf(text, sizeof(text), "kernel handles %+d, GDI objects %+d, windows %+d, menus %+d",
                 after.kernelHandles - before.kernelHandles, after.gdiObjects - before.gdiObjects,
                 after.windows - before.windows, after.menus - before.menus);
        *growth = text;
        return after.kernelHandles == before.kernelHandles && after.gdiObjects == before.gdiObjects &&
               after.windows == before.windows && after.menus == before.menus;
    }
};

TEST_F(LongFlightTest, NothingGrowsOverDialogsPaintsAndDrops) {
    const int openings = RunSize(60, 1000);
    const int paints = RunSize(600, 10000);
    const int drops = RunSize(60, 1000);

    // Warm-up: whatever the platform keeps after the first use (fonts, caches) is made now.
    for (int i = 0; i < 10; i++) {
        OpenAndClose(i);
        Paint();
        Drop();
    }
    HMENU bar = GetMenu(window_);
    ASSERT_EQ(ItemsCaptioned(bar, "KestrelFieldWorks"), 1);
    size_t memoryBefore = PrivateBytes();

    ProcessObjects before = CountProcessObjects();
    // What the platform's own counters say, for the record: under Wine they give 0.
    DWORD handleCount = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handleCount);
    PrintFigure("leaks-platform-counters",
                "GetGuiResources gives " + std::to_string(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) +
                    " USER and " + std::to_string(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) +
                    " GDI objects and GetProcessHandleCount " + std::to_string(handleCount) +
                    " handles, where trying every handle value finds " + Describe(before));
    int badOpenings = 0;
    for (int i = 0; i < openings; i++) {
        badOpenings += !OpenAndClose(i);
    }
    ProcessObjects afterDialogs = CountProcessObjects();
    std::string dialogGrowth;
    bool dialogsFlat = Flat(before, afterDialogs, &dialogGrowth);
    PrintFigure("leaks-dialog", std::to_string(openings) + " dialog openings and closings: " + dialogGrowth + "; " +
                                    std::to_string(badOpenings) + " did not open or close");
    EXPECT_TRUE(dialogsFlat) << dialogGrowth;
    EXPECT_EQ(badOpenings, 0);

    for (int i = 0; i < paints; i++) {
        Paint();
    }
    ProcessObjects afterPaints = CountProcessObjects();
    std::string paintGrowth;
    bool paintsFlat = Flat(afterDialogs, afterPaints, &paintGrowth);
    // One entry, one submenu, one item: the paints found them again and added nothing.
    int entries = ItemsCaptioned(GetMenu(window_), "KestrelFieldWorks");
    HMENU top = GetSubMenu(GetMenu(window_), PositionOf(GetMenu(window_), "KestrelFieldWorks"));
    int submenus = top ? ItemsCaptioned(top, "Десантирование") : 0;
    HMENU airdrop = top ? GetSubMenu(top, PositionOf(top, "Десантирование")) : nullptr;
    int items = airdrop ? GetMenuItemCount(airdrop) : 0;
    PrintFigure("leaks-paint", std::to_string(paints) + " non-client paints: " + paintGrowth + "; menu entries " +
                                   std::to_string(entries) + ", submenus " + std::to_string(submenus) + ", items " +
                                   std::to_string(items));
    EXPECT_TRUE(paintsFlat) << paintGrowth;
    EXPECT_EQ(entries, 1);
    EXPECT_EQ(submenus, 1);
    EXPECT_EQ(items, 1);

    int badDrops = 0;
    for (int i = 0; i < drops; i++) {
        badDrops += !Drop();
    }
    ProcessObjects afterDrops = CountProcessObjects();
    std::string dropGrowth;
    bool dropsFlat = Flat(afterPaints, afterDrops, &dropGrowth);
    long memoryGrowth = ((long)PrivateBytes() - (long)memoryBefore) / 1024;
    PrintFigure("leaks-drops", std::to_string(drops) + " drops from load to end: " + dropGrowth + "; " +
                                   std::to_string(badDrops) + " left a timer, a flag or no end message");
    PrintFigure("leaks-total", Describe(before) + " before, " + Describe(afterDrops) + " after; private memory " +
                                   std::to_string(memoryGrowth) + " KiB more");
    EXPECT_TRUE(dropsFlat) << dropGrowth;
    EXPECT_EQ(badDrops, 0);
    // The module allocates nothing; what the platform's heap keeps must stay small.
    EXPECT_LT(memoryGrowth, 4096);
}

// The real DLL in the stand-in host, driven by typed chords into a working drop with its
// dialog open, and then freed by the host. Nothing of the module may stay in use (the
// drop timer, the dialog, the window procedure, the keyboard hook): the host's messages,
// keystrokes and more than a second of timer time afterwards must reach no freed code.
class FreedWhileWorkingTest : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        window_ = SimCreateMainWindow(true);
        hostProc_ = (WNDPROC)GetWindowLongPtrA(window_, GWLP_WNDPROC);
        WriteConfigFile("Trainer 1", "[General]\r\nKFWS_Airdrop_variant=1\r\nKFWS_Airdrop_number=9\r\n"
                                     "KFWS_Airdrop_metod=1\r\nKFWS_Airdrop_type=1\r\nKFWS_Airdrop_visual=1\r\n");
    }
    void TearDown() override {
        SimDestroyMainWindow();
        HostFixture::TearDown();
    }
    static BOOL CALLBACK CountDialog(HWND window, LPARAM count) {
        char caption[64] = "";
        GetWindowTextA(window, caption, sizeof(caption));
        *(int*)count += strcmp(caption, "Конфигуратор") == 0;
        return TRUE;
    }
    static int OpenDialogs() {
        int count = 0;
        EnumThreadWindows(GetCurrentThreadId(), CountDialog, (LPARAM)&count);
        return count;
    }
    static bool Shown(const char* text) {
        for (const std::string& shown : SimShownTexts()) {
            if (shown == text) {
                return true;
            }
        }
        return false;
    }

    // One cycle; true when the module worked and left nothing behind.
    bool Cycle(std::string* problem) {
        SimModule module = {};
        if (!SimLoadModule(ModuleDllPath().c_str(), &module)) {
            *problem = "the module did not load";
            return false;
        }
        SetForegroundWindow(window_);
        SetFocus(window_);
        SimPumpMessages(50);
        SimClearCalls();
        SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '1');
        SimPumpMessages(100);
        SimTypeChord({VK_LCONTROL, VK_LSHIFT}, VK_SPACE);
        SimPumpMessages(100);
        SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '0');
        SimPumpMessages(200);
        bool working = Shown("Командир, работаем !!!");
        int dialogs = OpenDialogs();
        SimUnloadModule(&module);
        SimClearCalls();
        // More than a tick's time, the host's paints and commands, and the hotkeys again.
        SendMessageA(window_, WM_NCPAINT, 1, 0);
        SendMessageA(window_, WM_COMMAND, kConfiguratorCommand, 0);
        SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '9');
        SimPumpMessages(1300);
        *problem = "";
        if (!working || dialogs != 1) {
            *problem += "the drop did not start or the dialog did not open; ";
        }
        if (OpenDialogs() != 0) {
            *problem += "the dialog outlived the module; ";
        }
        if ((WNDPROC)GetWindowLongPtrA(window_, GWLP_WNDPROC) != hostProc_) {
            *problem += "the host window kept the module's procedure; ";
        }
        if (KillTimer(window_, 1)) {
            *problem += "the drop timer outlived the module; ";
        }
        if (!SimCalls().empty()) {
            *problem += "the freed module still called the host; ";
        }
        return problem->empty();
    }

    HWND window_ = nullptr;
    WNDPROC hostProc_ = nullptr;
};

TEST_F(FreedWhileWorkingTest, NothingOfTheModuleOutlivesIt) {
    const int cycles = RunSize(2, 30);
    std::string problem;
    ASSERT_TRUE(Cycle(&problem)) << "warm-up: " << problem;
    ProcessObjects before = CountProcessObjects();
    int bad = 0;
    for (int i = 0; i < cycles; i++) {
        if (!Cycle(&problem)) {
            bad++;
            ADD_FAILURE() << "cycle " << i << ": " << problem;
        }
    }
    ProcessObjects after = CountProcessObjects();
    char growth[160];
    snprintf(growth, sizeof(growth), "kernel handles %+d, GDI objects %+d, windows %+d, menus %+d",
             after.kernelHandles - before.kernelHandles, after.gdiObjects - before.gdiObjects,
             after.windows - before.windows, after.menus - before.menus);
    PrintFigure("freed-while-working", std::to_string(cycles) +
                                           " loads of the DLL, each freed with a drop working and the dialog open: " +
                                           growth + "; " + std::to_string(bad) + " faults");
    EXPECT_EQ(bad, 0);
    EXPECT_EQ(after.kernelHandles, before.kernelHandles);
    EXPECT_EQ(after.gdiObjects, before.gdiObjects);
    EXPECT_EQ(after.windows, before.windows);
}

// The counters see what they are meant to see: a window, a menu, a font and a file
// handle made and kept show up, and go again when freed.
TEST(ProcessObjectCounts, SeeWhatIsMadeAndFreed) {
    ProcessObjects before = CountProcessObjects();
    HWND window = CreateWindowA("STATIC", "x", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HMENU menu = CreatePopupMenu();
    HFONT font = CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ProcessObjects during = CountProcessObjects();
    EXPECT_GE(during.windows, before.windows + 1);
    EXPECT_EQ(during.menus, before.menus + 1);
    EXPECT_EQ(during.gdiObjects, before.gdiObjects + 1);
    EXPECT_EQ(during.kernelHandles, before.kernelHandles + 1);
    DestroyWindow(window);
    DestroyMenu(menu);
    DeleteObject(font);
    CloseHandle(event);
    ProcessObjects after = CountProcessObjects();
    EXPECT_EQ(after.menus, before.menus);
    EXPECT_EQ(after.gdiObjects, during.gdiObjects - 1);
    EXPECT_EQ(after.kernelHandles, before.kernelHandles);
}

} // namespace
