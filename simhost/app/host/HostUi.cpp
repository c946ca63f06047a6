// The host's user-interface thread and main window.
#include "simhost/app/host/HostUi.h"

namespace {

struct UiHandles {
    DWORD thread = 0;
    HWND main = nullptr;
};

UiHandles& Handles() {
    static UiHandles handles;
    return handles;
}

} // namespace

void HostUiSet(DWORD thread, HWND mainWindow) {
    Handles().thread = thread;
    Handles().main = mainWindow;
}

DWORD HostUiThreadId(void) {
    return Handles().thread;
}

HWND HostMainWindow(void) {
    return Handles().main;
}

void HostRepaint(void) {
    if (Handles().main) {
        InvalidateRect(Handles().main, nullptr, FALSE);
    }
}
