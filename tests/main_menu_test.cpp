// The module's menu in the host's menu bar and its command; and the real DLL in the
// stand-in host, opening and closing the dialog from the menu and the hotkey.
#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TestSupport.h"
#include "dialog/ConfigDialog.h"
#include "drop/AirdropState.h"
#include "module/HostHandles.h"
#include "ui/MainMenu.h"

namespace {

const char kMaker[] = "KestrelFieldWorks";
const char kAirdrop[] = "Десантирование";
const char kConfigurator[] = "Конфигуратор";

std::string CaptionAt(HMENU menu, int position) {
    char text[256] = "";
    GetMenuStringA(menu, (UINT)position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

std::vector<std::string> Captions(HMENU menu) {
    std::vector<std::string> captions;
    for (int i = 0; i < GetMenuItemCount(menu); i++) {
        captions.push_back(Utf8(CaptionAt(menu, i)));
    }
    return captions;
}

// The module's submenu: one popup "Десантирование" holding the one item "Конфигуратор" (65500).
void ExpectAirdropPopup(HMENU parent, int position) {
    EXPECT_EQ(CaptionAt(parent, position), kAirdrop);
    HMENU popup = GetSubMenu(parent, position);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 1);
    EXPECT_EQ(CaptionAt(popup, 0), kConfigurator);
    EXPECT_EQ(GetMenuItemID(popup, 0), 65500u);
    EXPECT_EQ(GetSubMenu(popup, 0), nullptr);
}

class MainMenuTest : public HostWindowFixture {
protected:
    MainMenuTest() : HostWindowFixture(true, true) {}
    void Paint() { SendMessageA(window_, WM_NCPAINT, 1, 0); }
    // Gives the window a bar built beforehand (setting it repaints the frame at once);
    // the old bar is destroyed.
    HMENU Install(HMENU bar) {
        HMENU old = GetMenu(window_);
        SetMenu(window_, bar);
        if (old) {
            DestroyMenu(old);
        }
        return bar;
    }
};

TEST_F(MainMenuTest, AnEmptyBarReceivesTheEntryAsItsOnlyEntry) {
    HMENU bar = Install(CreateMenu());
    Paint();
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(CaptionAt(bar, 0), kMaker);
    HMENU maker = GetSubMenu(bar, 0);
    ASSERT_NE(maker, nullptr);
    ASSERT_EQ(GetMenuItemCount(maker), 1);
    ExpectAirdropPopup(maker, 0);
}

TEST_F(MainMenuTest, TheEntryComesLastAndRepeatedPaintsAddNothing) {
    HMENU bar = GetMenu(window_);
    std::vector<std::string> before = Captions(bar);
    for (int paint = 0; paint < 3; paint++) {
        Paint();
    }
    // A paint that the platform itself sends finds the entries as well.
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<std::string> expected = before;
    expected.push_back(kMaker);
    EXPECT_EQ(Captions(bar), expected);
    HMENU maker = GetSubMenu(bar, (int)before.size());
    ASSERT_EQ(GetMenuItemCount(maker), 1);
    ExpectAirdropPopup(maker, 0);
}

TEST_F(MainMenuTest, AnEntryWithTheExactCaptionReceivesTheSubmenu) {
    HMENU bar = CreateMenu();
    HMENU foreign = CreatePopupMenu();
    AppendMenuA(foreign, MF_STRING, 40100, "Другой модуль");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)foreign, kMaker);
    AppendMenuA(bar, MF_STRING, 40101, "Справка");
    Install(bar);
    Paint();
    Paint();
    EXPECT_EQ(Captions(bar), (std::vector<std::string>{"KestrelFieldWorks", Utf8("Справка")}));
    ASSERT_EQ(GetMenuItemCount(foreign), 2);
    EXPECT_EQ(GetMenuItemID(foreign, 0), 40100u);
    ExpectAirdropPopup(foreign, 1);
}

TEST_F(MainMenuTest, AnExistingSubmenuIsFoundAgain) {
    HMENU bar = CreateMenu();
    HMENU foreign = CreatePopupMenu();
    HMENU airdrop = CreatePopupMenu();
    AppendMenuA(foreign, MF_SEPARATOR, 0, nullptr); // an item without text comes first
    AppendMenuA(foreign, MF_POPUP, (UINT_PTR)airdrop, kAirdrop);
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)foreign, kMaker);
    Install(bar);
    Paint();
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(GetMenuItemCount(foreign), 2);
    EXPECT_EQ(GetMenuItemCount(airdrop), 0) << "found by its caption: nothing is added";
}

TEST_F(MainMenuTest, ACaptionDifferingByOneByteIsAnotherEntry) {
    const char* captions[] = {"&KestrelFieldWorks", "KestrelFieldWorks ", "KestrelFieldworks", "KestrelFieldWork",
                              "KestrelFieldWorksX"};
    for (const char* caption : captions) {
        SCOPED_TRACE(caption);
        HMENU bar = CreateMenu();
        HMENU foreign = CreatePopupMenu();
        AppendMenuA(bar, MF_POPUP, (UINT_PTR)foreign, caption);
        Install(bar);
        Paint();
        Paint();
        ASSERT_EQ(GetMenuItemCount(bar), 2);
        EXPECT_EQ(CaptionAt(bar, 0), caption);
        EXPECT_EQ(GetMenuItemCount(foreign), 0);
        EXPECT_EQ(CaptionAt(bar, 1), kMaker);
        ExpectAirdropPopup(GetSubMenu(bar, 1), 0);
    }
    // A look-alike submenu caption does not stop the module's own submenu either.
    HMENU bar = CreateMenu();
    HMENU foreign = CreatePopupMenu();
    AppendMenuA(foreign, MF_POPUP, (UINT_PTR)CreatePopupMenu(), "Десантирование ");
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)foreign, kMaker);
    Install(bar);
    Paint();
    ASSERT_EQ(GetMenuItemCount(foreign), 2);
    ExpectAirdropPopup(foreign, 1);
}

TEST_F(MainMenuTest, AnEntryWithoutAPopupIsLeftAlone) {
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_STRING, 40200, kMaker);
    Install(bar);
    for (int paint = 0; paint < 3; paint++) {
        Paint();
    }
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(GetSubMenu(bar, 0), nullptr);
    EXPECT_EQ(GetMenuItemID(bar, 0), 40200u);
}

TEST_F(MainMenuTest, AWindowWithoutMenuBarGetsNone) {
    HMENU old = GetMenu(window_);
    SetMenu(window_, nullptr);
    DestroyMenu(old);
    Paint();
    EXPECT_EQ(GetMenu(window_), nullptr);
}

TEST_F(MainMenuTest, TheCommandOpensTheDialogOnceAndReachesTheHost) {
    const WPARAM commands[] = {MAKEWPARAM(65500, 0), MAKEWPARAM(65500, 1), MAKEWPARAM(65500, 0x1234)};
    for (WPARAM command : commands) {
        SCOPED_TRACE(command);
        DestroyConfigDialog();
        SimClearCalls();
        size_t seen = SimWindowCommands().size();
        SendMessageA(window_, WM_COMMAND, command, 0);
        HWND dialog = gAirdropState.configDialogWindow;
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), window_);
        // While it is open a second command opens nothing more.
        SendMessageA(window_, WM_COMMAND, command, 0);
        EXPECT_EQ(gAirdropState.configDialogWindow, dialog);
        EXPECT_EQ(SimCallsOf(kCallGetUserAircraft).size(), 1u);
        ASSERT_EQ(SimWindowCommands().size(), seen + 2);
        EXPECT_EQ(SimWindowCommands()[seen], command);
        EXPECT_EQ(SimWindowCommands()[seen + 1], command);
    }
    DestroyConfigDialog();
    SendMessageA(window_, WM_COMMAND, 40001, 0);
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(65501, 0), 0);
    EXPECT_EQ(gAirdropState.configDialogWindow, nullptr);
    EXPECT_EQ(SimWindowCommands().back(), (WPARAM)MAKEWPARAM(65501, 0));
}

// ---- The real DLL in the stand-in host ----

struct FoundDialog {
    HWND window;
    HINSTANCE instance;
};

BOOL CALLBACK FindConfigurator(HWND window, LPARAM found) {
    char className[16] = "";
    char caption[64] = "";
    GetClassNameA(window, className, sizeof(className));
    GetWindowTextA(window, caption, sizeof(caption));
    if (strcmp(className, "#32770") == 0 && strcmp(caption, "Конфигуратор") == 0 && IsWindowVisible(window)) {
        ((FoundDialog*)found)->window = window;
        ((FoundDialog*)found)->instance = (HINSTANCE)GetWindowLongPtrA(window, GWLP_HINSTANCE);
        return FALSE;
    }
    return TRUE;
}

FoundDialog FindDialog() {
    FoundDialog found = {};
    EnumThreadWindows(GetCurrentThreadId(), FindConfigurator, (LPARAM)&found);
    return found;
}

class LoadedModuleMenuTest : public LoadedModuleFixture {
protected:
    void SetUp() override {
        LoadedModuleFixture::SetUp();
        WriteConfigFile("Trainer 1", "[General]\nKFWS_Airdrop_variant=2\nKFWS_Airdrop_number=1500\n");
    }
    // The menu item, found as a pilot finds it: by the captions.
    UINT ConfiguratorItem() {
        HMENU bar = GetMenu(window_);
        for (int i = 0; i < GetMenuItemCount(bar); i++) {
            if (CaptionAt(bar, i) != kMaker) continue;
            HMENU maker = GetSubMenu(bar, i);
            for (int j = 0; maker && j < GetMenuItemCount(maker); j++) {
                HMENU airdrop = GetSubMenu(maker, j);
                if (CaptionAt(maker, j) == kAirdrop && airdrop && CaptionAt(airdrop, 0) == kConfigurator) {
                    return GetMenuItemID(airdrop, 0);
                }
            }
        }
        return 0;
    }
};

TEST_F(LoadedModuleMenuTest, MenuAndHotkeyOpenAndCloseTheModulesDialog) {
    // Painting the frame adds the menu.
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    UINT item = ConfiguratorItem();
    ASSERT_EQ(item, 65500u);

    // Choosing the item.
    PostMessageA(window_, WM_COMMAND, MAKEWPARAM(item, 0), 0);
    SimPumpMessages(100);
    FoundDialog dialog = FindDialog();
    ASSERT_NE(dialog.window, nullptr);
    EXPECT_EQ(dialog.instance, (HINSTANCE)module_.library) << "built from the DLL's own template";
    EXPECT_EQ(GetWindow(dialog.window, GW_OWNER), window_);
    char amount[32] = "";
    GetDlgItemTextA(dialog.window, 1026, amount, sizeof(amount));
    EXPECT_STREQ(amount, "1500") << "the aircraft's file is shown";
    EXPECT_EQ(SimWindowCommands().back(), (WPARAM)MAKEWPARAM(65500, 0)) << "the host saw the command too";

    // Ctrl+Shift+0 closes it, and opens a new one.
    SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '0');
    SimPumpMessages(200);
    EXPECT_FALSE(IsWindow(dialog.window));
    EXPECT_EQ(FindDialog().window, nullptr);
    SetForegroundWindow(window_);
    SimTypeChord({VK_LCONTROL, VK_LSHIFT}, '0');
    SimPumpMessages(200);
    FoundDialog reopened = FindDialog();
    ASSERT_NE(reopened.window, nullptr);

    // Freeing the library while the host lives on takes the dialog with it.
    SimUnloadModule(&module_);
    EXPECT_FALSE(IsWindow(reopened.window));
}

} // namespace
