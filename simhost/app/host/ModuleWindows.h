// The module's windows as the host sees them: the configuration dialog and message boxes
// among the visible windows of the user-interface thread, their texts, and the menu bar
// as a list of entries. Called on the user-interface thread.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The open configuration dialog and message box, or null.
HWND HostConfigDialog(void);
HWND HostMessageBox(void);
// Visible configuration dialogs: more than one would be a fault.
int HostConfigDialogCount(void);
std::string HostWindowTextUtf8(HWND window);
// The static texts of a message box, joined by blanks.
std::string HostMessageBoxText(HWND box);
// Every leaf of the host window's menu bar, one "    A > B (id)" line each.
std::string HostMenuText(void);
// Finds the entry at the end of `path` (captions, UTF-8) in the menu bar: the menu holding
// it and its position. False, with the first caption not found, when there is none.
bool HostFindMenuEntry(const std::vector<std::string>& path, HMENU* menu, int* position, std::string* missing);
