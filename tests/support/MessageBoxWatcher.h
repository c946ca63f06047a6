// Watches for the message boxes a test's own thread shows, answers them and keeps what each
// said. Shared by the dialog tests and simhost's window test.
#pragma once

#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

// One message box as the pilot saw it.
struct SeenMessageBox {
    std::string caption; // Windows-1251
    std::string text;    // Windows-1251
    HWND owner;
    bool hasIcon;
    HICON icon;
    std::vector<int> buttons; // ids of the visible buttons
};

// Answers every message box of this thread while it lives, Yes where it asks, else OK,
// recording what it showed.
// A thread timer fires inside the box's own message loop.
class MessageBoxWatcher {
public:
    MessageBoxWatcher() {
        Current() = this;
        timer_ = SetTimer(nullptr, 0, 20, OnTimer);
    }
    ~MessageBoxWatcher() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    const std::vector<SeenMessageBox>& Seen() const { return seen_; }

private:
    static MessageBoxWatcher*& Current() {
        static MessageBoxWatcher* current = nullptr;
        return current;
    }
    static BOOL CALLBACK OnWindow(HWND window, LPARAM) {
        char className[16] = "";
        GetClassNameA(window, className, sizeof(className));
        int answer = GetDlgItem(window, IDYES) ? IDYES : IDOK;
        if (strcmp(className, "#32770") != 0 || !GetDlgItem(window, answer) || !IsWindowVisible(window)) {
            return TRUE;
        }
        SeenMessageBox seen = {};
        char text[512] = "";
        GetWindowTextA(window, text, sizeof(text));
        seen.caption = text;
        seen.owner = GetWindow(window, GW_OWNER);
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            GetClassNameA(child, className, sizeof(className));
            LONG style = GetWindowLongA(child, GWL_STYLE);
            if (_stricmp(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
                seen.icon = (HICON)SendMessageA(child, STM_GETICON, 0, 0);
                seen.hasIcon = seen.icon != nullptr && IsWindowVisible(child);
            } else if (_stricmp(className, "Static") == 0) {
                GetWindowTextA(child, text, sizeof(text));
                if (text[0] != '\0') {
                    seen.text = text;
                }
            } else if (_stricmp(className, "Button") == 0 && IsWindowVisible(child)) {
                seen.buttons.push_back(GetDlgCtrlID(child));
            }
        }
        Current()->seen_.push_back(seen);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        if (Current()) {
            EnumThreadWindows(GetCurrentThreadId(), OnWindow, 0);
        }
    }
    UINT_PTR timer_;
    std::vector<SeenMessageBox> seen_;
};
