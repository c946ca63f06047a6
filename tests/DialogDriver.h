// Drives the configuration dialog the way a pilot does (clicks, typing, focus) and watches
// for the message boxes it shows. Shared by the dialog test programs.
#pragma once

#include <windows.h>

#include <string.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "MessageBoxWatcher.h"
#include "TestSupport.h"
#include "dialog/ConfigDialog.h"
#include "module/HostHandles.h"
#include "resource.h"

// A stand-in host main window owns the dialogs, which come from this program's own resources.
class DialogFixture : public HostWindowFixture {
protected:
    explicit DialogFixture(bool withMenu = false) : HostWindowFixture(withMenu, false) {}
};

// Every input the pilot can change, in id order.
const int kDialogInputs[] = {IDC_VARIANT_PARATROOPERS, IDC_VARIANT_CARGO, IDC_VARIANT_FIRE, IDC_TYPE_SIDE,
                             IDC_TYPE_REAR, IDC_METHOD_ONE, IDC_METHOD_TWO, IDC_SIDE_X, IDC_SIDE_Y,
                             IDC_SIDE_Z, IDC_REAR_X, IDC_REAR_Y, IDC_REAR_Z, IDC_NUMBER, IDC_VISUAL,
                             IDC_REALISM};
const int kCoordinateFields[] = {IDC_SIDE_X, IDC_SIDE_Y, IDC_SIDE_Z, IDC_REAR_X, IDC_REAR_Y, IDC_REAR_Z};

inline bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

inline bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// A control's text as Windows-1251 bytes.
inline std::string TextOf(HWND dialog, int id) {
    char text[300] = "";
    GetWindowTextA(GetDlgItem(dialog, id), text, sizeof(text));
    return text;
}

// A mouse click on an enabled button (a disabled one cannot be clicked).
inline void Click(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    ASSERT_NE(control, nullptr) << id;
    ASSERT_TRUE(IsWindowEnabled(control)) << "control " << id << " is disabled";
    SendMessageA(control, BM_CLICK, 0, 0);
}

// Replaces a field's text as typing would (the field reports the change).
inline void TypeInto(HWND dialog, int id, const char* text) {
    SetWindowTextA(GetDlgItem(dialog, id), text);
}

// Splits a file's text into its lines (without line ends).
inline std::vector<std::string> LinesOf(const std::string& content) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : content) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}
