// The expectations of a scenario on the module's windows and files: the dialog and its
// controls, message boxes, the menu bar and the configuration file.
#include <windows.h>

#include <string.h>

#include "simhost/app/host/DialogControls.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/ModuleWindows.h"
#include "simhost/app/scenario/ExpectationChecks.h"
#include "simhost/app/scenario/Transcript.h"
#include "simhost/lib/SimText.h"

std::string ExpectQuote(const std::string& utf8) {
    std::string text;
    for (char c : utf8) {
        if (c == '\n') {
            text += "\\n";
        } else {
            text += c;
        }
    }
    return "\"" + text + "\"";
}

std::string ExpectCp1251(const std::string& utf8) {
    std::string text;
    SimUtf8ToCp1251(utf8, &text);
    return text;
}

std::string ExpectDialog(const SimScriptStep& step) {
    bool open = HostConfigDialog() != nullptr;
    int count = HostConfigDialogCount();
    if (count > 1) {
        return std::to_string(count) + " configuration dialogs are open";
    }
    return open == step.flag ? "" : std::string("the dialog is ") + (open ? "open" : "closed");
}

std::string ExpectControl(const SimScriptStep& step) {
    HWND dialog = HostConfigDialog();
    HWND control = dialog ? DialogFindControl(dialog, step.name) : nullptr;
    if (!control) {
        return "no control '" + step.name + "' in an open dialog";
    }
    bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    bool enabled = IsWindowEnabled(control) != 0;
    std::string text = HostWindowTextUtf8(control);
    bool holds = false;
    switch (step.count) {
    case kControlChecked: holds = checked; break;
    case kControlUnchecked: holds = !checked; break;
    case kControlEnabled: holds = enabled; break;
    case kControlDisabled: holds = !enabled; break;
    default: holds = text == step.value; break;
    }
    return holds ? "" : std::string(checked ? "checked" : "unchecked") + ", " + (enabled ? "enabled" : "disabled") +
                            ", text " + ExpectQuote(text);
}

namespace {

// The key's value in the current aircraft's configuration file; false when it is missing.
bool ReadKey(const std::string& key, std::string* value) {
    char text[1024] = "";
    std::string path = HostConfigPath();
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    GetPrivateProfileStringA("General", key.c_str(), "\x01", text, sizeof(text), path.c_str());
    *value = text;
    return strcmp(text, "\x01") != 0;
}

} // namespace

std::string ExpectConfigKey(const SimScriptStep& step) {
    std::string value;
    if (!ReadKey(step.name, &value)) {
        return "the key is missing";
    }
    return value == ExpectCp1251(step.value) ? "" : "the key holds " + ExpectQuote(SimCp1251ToUtf8(value));
}

std::string ExpectNoConfigKey(const SimScriptStep& step) {
    std::string value;
    return !ReadKey(step.name, &value) ? "" : "the key holds " + ExpectQuote(SimCp1251ToUtf8(value));
}

std::string ExpectConfigFile(const SimScriptStep& step) {
    bool exists = false;
    TranscriptReadFile(HostConfigPath(), &exists);
    return exists == step.flag ? "" : std::string("the file is ") + (exists ? "present" : "absent");
}

std::string ExpectMessageBox(const SimScriptStep& step) {
    HWND box = HostMessageBox();
    if (!box) {
        return "no message box is open";
    }
    std::string text = HostMessageBoxText(box);
    return text == step.value ? "" : "the message box says " + ExpectQuote(text);
}

std::string ExpectMenuEntry(const SimScriptStep& step) {
    HMENU menu = nullptr;
    int position = 0;
    std::string missing;
    bool found = HostFindMenuEntry(step.path, &menu, &position, &missing);
    return found ? "" : "no menu entry " + ExpectQuote(missing);
}
