#include "ui/MainMenu.h"

#include "module/HostHandles.h"

// Menu handling is built with the dialog issue; every message goes on to the host.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(gHostHandles.previousWindowProc, window, message, wParam, lParam);
}
