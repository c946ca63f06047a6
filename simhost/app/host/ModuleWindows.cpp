// The module's windows as the host sees them.
#include "simhost/app/host/ModuleWindows.h"

#include <string.h>

#include <vector>

#include "simhost/app/host/HostUi.h"
#include "simhost/lib/SimText.h"

namespace {

const int kConfigButtonId = 1029; // only the configuration dialog has it

struct FoundWindows {
    HWND dialog;
    HWND box;
    int dialogs;
};

BOOL CALLBACK FindModuleWindow(HWND window, LPARAM parameter) {
    FoundWindows* found = (FoundWindows*)parameter;
    char className[32] = "";
    GetClassNameA(window, className, sizeof(className));
    if (strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (GetDlgItem(window, kConfigButtonId)) {
        found->dialog = window;
        found->dialogs++;
    } else {
        found->box = window;
    }
    return TRUE;
}

FoundWindows FindWindows() {
    FoundWindows found = {nullptr, nullptr, 0};
    EnumThreadWindows(HostUiThreadId(), FindModuleWindow, (LPARAM)&found);
    return found;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM parameter) {
    std::string* text = (std::string*)parameter;
    char className[32] = "";
    GetClassNameA(child, className, sizeof(className));
    if (_stricmp(className, "Static") == 0) {
        char caption[1024] = "";
        GetWindowTextA(child, caption, sizeof(caption));
        if (caption[0]) {
            *text += (text->empty() ? "" : " ") + std::string(caption);
        }
    }
    return TRUE;
}

void CollectMenu(HMENU menu, const std::string& prefix, std::vector<std::string>* leaves) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; i++) {
        char caption[256] = "";
        GetMenuStringA(menu, (UINT)i, caption, sizeof(caption), MF_BYPOSITION);
        std::string path = prefix.empty() ? SimCp1251ToUtf8(caption) : prefix + " > " + SimCp1251ToUtf8(caption);
        HMENU sub = GetSubMenu(menu, i);
        if (sub) {
            if (GetMenuItemCount(sub) == 0) {
                leaves->push_back(path + " > (empty)");
            }
            CollectMenu(sub, path, leaves);
        } else {
            leaves->push_back(path + " (" + std::to_string(GetMenuItemID(menu, i)) + ")");
        }
    }
}

} // namespace

HWND HostConfigDialog(void) {
    return FindWindows().dialog;
}

int HostConfigDialogCount(void) {
    return FindWindows().dialogs;
}

HWND HostMessageBox(void) {
    return FindWindows().box;
}

std::string HostWindowTextUtf8(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof(text));
    return SimCp1251ToUtf8(text);
}

std::string HostMessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectStaticText, (LPARAM)&text);
    return SimCp1251ToUtf8(text);
}

std::string HostMenuText(void) {
    HMENU bar = GetMenu(HostMainWindow());
    if (!bar) {
        return "(no menu bar)";
    }
    std::vector<std::string> leaves;
    CollectMenu(bar, "", &leaves);
    std::string text;
    for (const std::string& leaf : leaves) {
        text += "    " + leaf + "\n";
    }
    return text;
}

bool HostFindMenuEntry(const std::vector<std::string>& path, HMENU* found, int* position, std::string* missing) {
    HMENU menu = GetMenu(HostMainWindow());
    for (size_t level = 0; level < path.size(); level++) {
        std::string caption;
        SimUtf8ToCp1251(path[level], &caption);
        int count = menu ? GetMenuItemCount(menu) : 0;
        int at = -1;
        for (int i = 0; i < count && at < 0; i++) {
            char text[256] = "";
            GetMenuStringA(menu, (UINT)i, text, sizeof(text), MF_BYPOSITION);
            at = caption == text ? i : -1;
        }
        if (at < 0) {
            *missing = path[level];
            return false;
        }
        if (level + 1 == path.size()) {
            *found = menu;
            *position = at;
            return true;
        }
        menu = GetSubMenu(menu, at);
    }
    *missing = "";
    return false;
}
