// Preparing the user aircraft from the window: a question that names its aircraft.cfg and
// the copy kept beside it, then the prepare command's own work on that one file (the
// smoke.N lines its configuration files need, found from the current folder as the module
// finds them) and what was done, in the window's language. Offered by the host's menu
// «Самолёт» and by the fix of a check finding that no effect slot is there.
// Called on the user-interface thread.
#pragma once

#include <windows.h>

#include <string>

// The host window's command that prepares the user aircraft.
const WORD kHostCmdPrepare = 40010;

// The question asked before `cfgPath` is changed (UTF-16).
std::wstring PrepareQuestion(const std::string& cfgPath);
// Asks, prepares and says what was done; true when lines were added (the host then reads
// the aircraft again).
bool PrepareOffer(HWND owner, const std::string& cfgPath);
