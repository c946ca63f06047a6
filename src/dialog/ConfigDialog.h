// The modeless configuration dialog (template IDD_CONFIGURATOR, owned by the host
// main window): shows, creates and saves the user aircraft's configuration file.
#pragma once

#include <windows.h>

// Opens the dialog unless it is open already (menu command and hotkey).
void OpenConfigDialog(void);
// Closes an open dialog, otherwise opens it (Ctrl+Shift+0).
void ToggleConfigDialog(void);
INT_PTR CALLBACK ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void ReadFileToDialog(HWND dialog, const char* modelName);
// Writes the controls to the model's file and says so; false (with its message) when a
// value could not be written, so the pilot can try again.
bool WriteDialogToFile(HWND dialog, const char* modelName);
// Destroys an open dialog; used when the library is freed while the host runs on.
void DestroyConfigDialog(void);
