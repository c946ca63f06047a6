#include "ui/KeyboardHook.h"

#include "config/StatusReport.h"
#include "dialog/ConfigDialog.h"
#include "drop/Loading.h"
#include "drop/Unloading.h"
#include "module/HostHandles.h"
#include "ui/KeyState.h"

static const LPARAM kPreviousKeyState = 0x40000000;

enum HotkeyChord { kChordCtrlShiftAlt, kChordCtrlShift };

struct HotkeyRow {
    HotkeyChord chord;
    WPARAM virtualKey;
    void (*command)(void);
};

// Each triple holds its pair, so the Alt rows come before the plain rows of the same key.
static const HotkeyRow kDispatchTable[] = {
    {kChordCtrlShiftAlt, '0', ReacquireUserAircraft},
    {kChordCtrlShiftAlt, '1', EmergencyUnload},
    {kChordCtrlShift, VK_SPACE, StartUnloading},
    {kChordCtrlShift, '0', ToggleConfigDialog},
    {kChordCtrlShift, '1', LoadAircraft},
    {kChordCtrlShift, '9', ShowStatusReport},
};

static bool IsHeld(SHORT keyState) {
    return (keyState & 0xFF00) != 0;
}

// Runs the first matching row; false when no row matches the chord held now.
static bool DispatchHotkey(WPARAM virtualKey) {
    bool leftShift = IsHeld(ReadKeyState(VK_LSHIFT));
    bool rightShift = IsHeld(ReadKeyState(VK_RSHIFT));
    bool leftCtrl = IsHeld(ReadKeyState(VK_LCONTROL));
    bool rightCtrl = IsHeld(ReadKeyState(VK_RCONTROL));
    bool leftAlt = IsHeld(ReadKeyState(VK_LMENU));
    bool rightAlt = IsHeld(ReadKeyState(VK_RMENU));

    bool leftPair = leftShift && leftCtrl;
    bool rightPair = rightShift && rightCtrl;
    bool holds[2];
    holds[kChordCtrlShiftAlt] = (leftPair && leftAlt) || (rightPair && rightAlt);
    holds[kChordCtrlShift] = leftPair || rightPair;

    for (size_t i = 0; i < sizeof(kDispatchTable) / sizeof(kDispatchTable[0]); i++) {
        const HotkeyRow& row = kDispatchTable[i];
        if (row.virtualKey == virtualKey && holds[row.chord]) {
            row.command();
            return true;
        }
    }
    return false;
}

static bool IsCommandKey(WPARAM virtualKey) {
    return virtualKey == '0' || virtualKey == '1' || virtualKey == '9' || virtualKey == VK_SPACE;
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
    // Only the release or an auto-repeat of one of the four command keys can be a
    // command; every other keystroke passes on without any key state being read.
    if (code >= 0 && (lParam & kPreviousKeyState) && IsCommandKey(wParam) && DispatchHotkey(wParam)) {
        return 1;
    }
    return CallNextHookEx(gHostHandles.keyboardHook, code, wParam, lParam);
}
