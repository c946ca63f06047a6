// The stand-in host's user-interface thread and its main window (FS98MAIN), as every
// part of the host finds them. HostThread sets them when the host starts; until then
// both are zero.
#pragma once

#include <windows.h>

void HostUiSet(DWORD thread, HWND mainWindow);
DWORD HostUiThreadId(void);
HWND HostMainWindow(void);
// Asks the main window to be drawn again (what the host shows has changed).
void HostRepaint(void);
