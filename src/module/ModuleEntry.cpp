#include "module/ModuleEntry.h"

#include "dialog/ConfigDialog.h"
#include "drop/Unloading.h"
#include "module/HostHandles.h"
#include "ui/KeyboardHook.h"
#include "ui/MainMenu.h"

static const char kHostWindowClass[] = "FS98MAIN";

void ModuleAttach(HINSTANCE instance) {
    gHostHandles.moduleInstance = instance;
    gHostHandles.mainWindow = FindWindowA(kHostWindowClass, NULL);
    gHostHandles.previousWindowProc = (WNDPROC)SetWindowLongPtrA(
        gHostHandles.mainWindow, GWLP_WNDPROC, (LONG_PTR)MainWindowProc);
    gHostHandles.keyboardHook =
        SetWindowsHookExA(WH_KEYBOARD, KeyboardHookProc, NULL, GetCurrentThreadId());
}

void ModuleDetach(int processExiting) {
    UnhookWindowsHookEx(gHostHandles.keyboardHook);
    if (processExiting) {
        return;
    }
    ReleaseDropTimer();
    DestroyConfigDialog();
    HWND window = gHostHandles.mainWindow;
    if (window && IsWindow(window) &&
        (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC) == MainWindowProc) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)gHostHandles.previousWindowProc);
    }
}
