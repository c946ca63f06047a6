// The host window as a person sees it: the stand-in simulator's FS98MAIN window dressed
// with the host's own procedure behind the module's, which draws the host's screen and
// the aircraft's views (HostView.h), takes the person's changes to the aircraft's flags
// and the host's own menus. Called on the user-interface thread.
#pragma once

#include <windows.h>

// HostOptions::dressWindow: sizes the window, puts the host's procedure behind it, adds
// the aircraft menu and the host's controls, and keeps them in step with the aircraft.
void HostWindowDress(HWND main);
