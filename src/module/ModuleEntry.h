// What the library entry routine does on process attach and detach.
#pragma once

#include <windows.h>

// Keeps the instance, finds the host main window, subclasses it and hooks the keyboard.
void ModuleAttach(HINSTANCE instance);

// Removes the keyboard hook. When the library is freed while the process lives on
// (processExiting 0), it also stops the drop timer, destroys an open dialog and gives
// the host window its own procedure back, so no code of the freed library stays reachable.
void ModuleDetach(int processExiting);
