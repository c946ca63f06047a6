// The module's configuration dialog as the scenario sees it.
#include "simhost/app/host/DialogControls.h"

#include "simhost/app/host/ModuleWindows.h"
#include "simhost/lib/SimText.h"

namespace {

struct ControlName {
    const char* name;
    int id;
};

const ControlName kControls[] = {
    {"paratroopers", 1002}, {"cargo", 1003},       {"fire", 1004},         {"side", 1006},
    {"rear", 1007},         {"one-stream", 1009},  {"two-streams", 1010},  {"side-x", 1017},
    {"side-y", 1018},       {"side-z", 1019},      {"rear-x", 1020},       {"rear-y", 1021},
    {"rear-z", 1022},       {"amount-label", 1025}, {"number", 1026},      {"visual", 1027},
    {"realism", 1028},      {"button", 1029},
};

} // namespace

HWND DialogFindControl(HWND dialog, const std::string& name) {
    for (const ControlName& control : kControls) {
        if (name == control.name) {
            return GetDlgItem(dialog, control.id);
        }
    }
    double id = 0;
    if (SimParseNumber(name, &id)) {
        return GetDlgItem(dialog, (int)id);
    }
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (HostWindowTextUtf8(child) == name) {
            return child;
        }
    }
    return nullptr;
}

std::string DialogDescribe(HWND dialog) {
    if (!dialog) {
        return "";
    }
    auto mark = [&](int id, bool radio) {
        HWND control = GetDlgItem(dialog, id);
        bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        std::string text = radio ? (checked ? "(•)" : "( )") : (checked ? "[x]" : "[ ]");
        text += HostWindowTextUtf8(control);
        if (!IsWindowEnabled(control)) {
            text += "✗";
        }
        return text;
    };
    auto field = [&](int id) {
        HWND control = GetDlgItem(dialog, id);
        std::string text = "«" + HostWindowTextUtf8(control) + "»";
        if (!IsWindowEnabled(control)) {
            text += "✗";
        }
        return text;
    };
    HWND button = GetDlgItem(dialog, 1029);
    std::string lines;
    lines += "  dialog: variant " + mark(1002, true) + " " + mark(1003, true) + " " + mark(1004, true) + " | method " +
             mark(1009, true) + " " + mark(1010, true) + " | type " + mark(1006, false) + " " + mark(1007, false) + "\n";
    lines += "          side x y z " + field(1017) + " " + field(1018) + " " + field(1019) + " | rear x y z " +
             field(1020) + " " + field(1021) + " " + field(1022) + "\n";
    lines += "          " + field(1025) + " " + field(1026) + " | " + mark(1027, false) + " " + mark(1028, false) +
             " | button «" + HostWindowTextUtf8(button) + "» " + (IsWindowEnabled(button) ? "enabled" : "disabled");
    return lines;
}
