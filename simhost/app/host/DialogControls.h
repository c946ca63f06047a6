// The module's configuration dialog as the scenario sees it: its controls by name, id or
// caption, and all of them in one compact text. Called on the user-interface thread.
#pragma once

#include <windows.h>

#include <string>

// A control of `dialog` by name (paratroopers, side-x, button ...), by numeric id or by
// its caption; null when there is none.
HWND DialogFindControl(HWND dialog, const std::string& name);
// Three transcript lines showing every control's state; "" without a dialog.
std::string DialogDescribe(HWND dialog);
