// Reads one key's state for the keyboard hook (GetKeyState's 16-bit result).
#pragma once

#include <windows.h>

SHORT ReadKeyState(int virtualKey);
