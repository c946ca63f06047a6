// Handles the module takes from the host process when it is attached.
#pragma once

#include <windows.h>

struct HostHandles {
    HINSTANCE moduleInstance;    // source of the dialog resource
    HWND mainWindow;             // the host main window (class FS98MAIN), or null
    WNDPROC previousWindowProc;  // the main window's procedure before ours
    HHOOK keyboardHook;          // the thread keyboard hook
};

extern HostHandles gHostHandles;
