// Real input to the host, as a person would give it.
#include "simhost/app/host/SyntheticInput.h"

#include <windows.h>

#include <wctype.h>

#include <utility>
#include <vector>

#include "simhost/SimHost.h"
#include "simhost/app/host/DialogControls.h"
#include "simhost/app/host/HostThread.h"
#include "simhost/app/host/HostUi.h"
#include "simhost/app/host/ModuleWindows.h"
#include "simhost/lib/SimText.h"

namespace {

const DWORD kSettleTimeout = 3000;
const char kKeysLost[] = "the keystrokes did not reach the host";

bool WaitUntil(LONG (*counter)(void), LONG target) {
    DWORD start = GetTickCount();
    while (counter() < target) {
        if (GetTickCount() - start > kSettleTimeout) {
            return false;
        }
        Sleep(5);
    }
    return true;
}

// A real click of the left mouse button at a screen point.
bool ClickAt(POINT point) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (point.x * 65536 + width - 1) / width;
        input.mi.dy = (point.y * 65536 + height - 1) / height;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    LONG before = HostMouseUpsSeen();
    SendInput(1, &inputs[0], sizeof(INPUT));
    Sleep(30);
    SendInput(2, &inputs[1], sizeof(INPUT));
    bool seen = WaitUntil(HostMouseUpsSeen, before + 1);
    InputSettle();
    return seen;
}

int SendKeys(const std::vector<std::pair<WORD, bool> >& keys) {
    for (const std::pair<WORD, bool>& key : keys) {
        SimSendKey(key.first, key.second);
    }
    return (int)keys.size();
}

// One character as keystrokes: a virtual key where the layout has one, else a Unicode
// keystroke. Returns how many keystrokes were sent.
int SendCharacter(wchar_t c) {
    WORD key = 0;
    bool shift = false;
    if ((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z')) {
        key = (WORD)towupper(c);
    } else if (c >= L'A' && c <= L'Z') {
        key = (WORD)c;
        shift = true;
    } else if (c == L'-') {
        key = VK_OEM_MINUS;
    } else if (c == L'.') {
        key = VK_OEM_PERIOD;
    } else if (c == L' ') {
        key = VK_SPACE;
    }
    if (!key) {
        INPUT input[2] = {};
        for (int i = 0; i < 2; i++) {
            input[i].type = INPUT_KEYBOARD;
            input[i].ki.wScan = c;
            input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, input, sizeof(INPUT));
        return 2;
    }
    int sent = 0;
    if (shift) {
        sent += SendKeys({{VK_LSHIFT, true}});
    }
    sent += SendKeys({{key, true}, {key, false}});
    if (shift) {
        sent += SendKeys({{VK_LSHIFT, false}});
    }
    return sent;
}

// One click on the dialog's control `name` (or the message box's OK); `clicked` gets the control.
bool ClickOnce(const std::string& name, bool inMessageBox, std::string* why, HWND* clicked) {
    POINT centre = {0, 0};
    HostRunOnUi([&] {
        HWND owner = inMessageBox ? HostMessageBox() : HostConfigDialog();
        if (!owner) {
            *why = inMessageBox ? "no message box is open" : "the configuration dialog is not open";
            return;
        }
        HWND control = inMessageBox ? GetDlgItem(owner, IDOK) : DialogFindControl(owner, name);
        if (!control) {
            *why = "no control '" + name + "'";
            return;
        }
        *clicked = control;
        // The dialog is owned by the host window and so lies above it; Wine without a window
        // manager does not always keep that order after the host window repaints its panels,
        // and a click meant for the dialog would land on the host window beneath.
        SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RECT box;
        GetWindowRect(control, &box);
        centre.x = (box.left + box.right) / 2;
        centre.y = (box.top + box.bottom) / 2;
    });
    if (!why->empty()) {
        return false;
    }
    if (!ClickAt(centre)) {
        *why = "the click did not reach the host";
        return false;
    }
    return true;
}

// A click on an enabled check box, radio button or field gives it the focus; without the
// focus there the click landed elsewhere (under Wine without a window manager another window
// can come above the dialog between the raise and the click).
bool ClickMissed(HWND control) {
    bool missed = false;
    HostRunOnUi([&] {
        char kind[16] = "";
        GetClassNameA(control, kind, sizeof(kind));
        LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
        bool takesFocus = lstrcmpiA(kind, "Edit") == 0 ||
                          (lstrcmpiA(kind, "Button") == 0 && type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON);
        missed = takesFocus && IsWindowEnabled(control) && GetFocus() != control;
    });
    return missed;
}

} // namespace

void InputSettle(void) {
    HostSyncPosted(kSettleTimeout);
    HostRunOnUi([] {});
}

bool InputClick(const std::string& name, bool inMessageBox, std::string* why) {
    HWND control = nullptr;
    if (!ClickOnce(name, inMessageBox, why, &control)) {
        return false;
    }
    // A click that missed its control is given once more.
    if (!inMessageBox && ClickMissed(control) && !ClickOnce(name, inMessageBox, why, &control)) {
        return false;
    }
    return true;
}

bool InputType(const std::string& controlName, const std::string& text, std::string* why) {
    if (!InputClick(controlName, false, why)) {
        return false;
    }
    HostRunOnUi([&] {
        HWND control = DialogFindControl(HostConfigDialog(), controlName);
        SendMessageA(control, EM_SETSEL, 0, -1);
    });
    std::string cp1251;
    SimUtf8ToCp1251(text, &cp1251);
    std::wstring wide = SimCp1251ToWide(cp1251);
    LONG before = HostKeyEventsSeen();
    int sent = 0;
    if (wide.empty()) {
        sent += SendKeys({{VK_DELETE, true}, {VK_DELETE, false}});
    }
    for (wchar_t c : wide) {
        sent += SendCharacter(c);
    }
    bool seen = WaitUntil(HostKeyEventsSeen, before + sent);
    InputSettle();
    if (!seen) {
        *why = kKeysLost;
    }
    return seen;
}

bool InputPressChord(const SimChord& chord, int repeats, std::string* why) {
    HostRunOnUi([] {
        HWND foreground = GetForegroundWindow();
        if (!foreground || GetWindowThreadProcessId(foreground, nullptr) != HostUiThreadId()) {
            SetForegroundWindow(HostMainWindow());
            SetFocus(HostMainWindow());
        }
        SimClearWindowKeys();
    });
    LONG before = HostKeyEventsSeen();
    std::vector<std::pair<WORD, bool> > keys;
    for (WORD modifier : chord.modifiers) {
        keys.push_back({modifier, true});
    }
    keys.push_back({chord.key, true});
    for (int i = 0; i < repeats; i++) {
        keys.push_back({chord.key, true});
    }
    keys.push_back({chord.key, false});
    for (size_t i = chord.modifiers.size(); i-- > 0;) {
        keys.push_back({chord.modifiers[i], false});
    }
    int sent = SendKeys(keys);
    bool seen = WaitUntil(HostKeyEventsSeen, before + sent);
    InputSettle();
    if (!seen) {
        *why = kKeysLost;
    }
    return seen;
}
