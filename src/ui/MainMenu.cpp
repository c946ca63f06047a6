#include "ui/MainMenu.h"

#include <string.h>

#include "dialog/ConfigDialog.h"
#include "module/HostHandles.h"

static const char kMakerCaption[] = "KestrelFieldWorks";
static const char kAirdropCaption[] = "Десантирование";
static const char kConfiguratorCaption[] = "Конфигуратор";
static const int kCaptionBufferSize = 128;

// Position of the first item of `menu` whose caption is exactly `caption` (compared byte
// for byte with its terminating zero), or -1. The item count is read again at each step.
static int FindMenuCaption(HMENU menu, const char* caption, char* buffer) {
    size_t compared = strlen(caption) + 1;
    for (int position = 0; position < GetMenuItemCount(menu); position++) {
        buffer[0] = '\0'; // items without a text leave the buffer untouched
        GetMenuStringA(menu, (UINT)position, buffer, kCaptionBufferSize, MF_BYPOSITION);
        if (memcmp(buffer, caption, compared) == 0) {
            return position;
        }
    }
    return -1;
}

// "Десантирование" > "Конфигуратор", appended to `parent`.
static void AppendAirdropMenu(HMENU parent) {
    HMENU popup = CreatePopupMenu();
    AppendMenuA(parent, MF_POPUP, (UINT_PTR)popup, kAirdropCaption);
    AppendMenuA(popup, MF_STRING, kConfiguratorCommand, kConfiguratorCaption);
}

// Adds the module's menu to the window's menu bar unless it is there already. An entry
// captioned "KestrelFieldWorks" (whoever added it) receives the submenu in its popup.
static void AddModuleMenu(HWND window) {
    char barCaption[kCaptionBufferSize];
    char subCaption[kCaptionBufferSize];
    HMENU bar = GetMenu(window);
    if (!bar) {
        return;
    }
    int entry = FindMenuCaption(bar, kMakerCaption, barCaption);
    if (entry >= 0) {
        HMENU sub = GetSubMenu(bar, entry);
        // An entry without a popup of its own has nothing to add to: it is left alone,
        // and no menu is made that could not be attached.
        if (sub && FindMenuCaption(sub, kAirdropCaption, subCaption) < 0) {
            AppendAirdropMenu(sub);
        }
        return;
    }
    HMENU top = CreateMenu();
    AppendAirdropMenu(top);
    AppendMenuA(bar, MF_POPUP, (UINT_PTR)top, kMakerCaption);
}

// The host's own non-client painting, which follows, draws the bar with the new entry.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCPAINT) {
        AddModuleMenu(window);
    } else if (message == WM_COMMAND && LOWORD(wParam) == kConfiguratorCommand) {
        OpenConfigDialog(); // does nothing while the dialog is open
    }
    return CallWindowProcA(gHostHandles.previousWindowProc, window, message, wParam, lParam);
}
