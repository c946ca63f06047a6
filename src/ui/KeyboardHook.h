// The thread keyboard hook that recognises the module's six hotkeys:
//   Ctrl+Shift+Alt+0 re-acquire the user aircraft   Ctrl+Shift+Alt+1 emergency unload
//   Ctrl+Shift+Space start unloading                Ctrl+Shift+0     toggle the dialog
//   Ctrl+Shift+1     load                           Ctrl+Shift+9     status report
// Ctrl and Shift (and Alt) must be held on one hand. A command runs on the command key's
// release or auto-repeat (bit 30 of lParam set), and its keystroke is swallowed.
#pragma once

#include <windows.h>

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
