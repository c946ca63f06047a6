// The acting steps of a scenario at the host's window and dialog: keys, waits, menu
// choices, clicks and typing in the dialog, pictures, and the configuration file.
#include "simhost/app/scenario/ScenarioSteps.h"

#include <windows.h>

#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/HostThread.h"
#include "simhost/app/host/HostUi.h"
#include "simhost/app/host/ModuleWindows.h"
#include "simhost/app/host/SyntheticInput.h"
#include "simhost/app/scenario/ScenarioRun.h"
#include "simhost/app/scenario/Transcript.h"
#include "simhost/check/ModelNameRule.h"
#include "simhost/lib/SimPicture.h"
#include "simhost/lib/SimText.h"

namespace {

std::string Cp1251(const std::string& utf8) {
    std::string text;
    SimUtf8ToCp1251(utf8, &text);
    return text;
}

void Require(bool done, const std::string& why) {
    if (!done) {
        ScenarioBroken(why);
    }
}

// The aircraft's configuration file, refused as the module refuses its model name.
std::string ConfigPathOrBroken(const std::string& verb) {
    std::string path, why;
    HostRunOnUi([&] { ModelConfigPath(HostAircraftFile().spec.atcModel, kSimEnglish, &path, &why); });
    Require(!path.empty(), verb + " refused: " + why);
    return path;
}

// A menu item's command id by its captions, or -1 (for a submenu too).
int FindMenuCommand(const std::vector<std::string>& path) {
    HMENU menu = nullptr;
    int position = 0;
    std::string missing;
    if (!HostFindMenuEntry(path, &menu, &position, &missing) || GetSubMenu(menu, position)) {
        return -1;
    }
    return (int)GetMenuItemID(menu, position);
}

void Click(const std::string& control, bool inMessageBox) {
    std::string why;
    Require(InputClick(control, inMessageBox, &why), why);
}

// Repaints the window first and gives the display a moment to show it all, then reads
// the screen.
void TakePicture(const std::string& name, bool dialog) {
    std::string path = ScenarioGetOptions().outDir + name + ".png";
    HostRunOnUi([&] {
        HWND window = dialog ? HostConfigDialog() : HostMainWindow();
        if (window) {
            RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
    });
    Sleep(300);
    InputSettle();
    bool saved = false;
    HostRunOnUi([&] { saved = SimSaveWindowPicture(dialog ? HostConfigDialog() : HostMainWindow(), path, false); });
    if (saved) {
        TranscriptEmit("  picture: " + name + ".png");
    } else {
        ScenarioBroken("cannot take the picture " + path);
    }
}

} // namespace

void RunKey(const SimScriptStep& step) {
    ScenarioLast().key = step.chord.key;
    std::string why;
    Require(InputPressChord(step.chord, step.count, &why), why);
}

void RunWait(const SimScriptStep& step) {
    Sleep((DWORD)(step.numbers[0] * 1000.0 + 0.5));
    InputSettle();
}

void RunMenu(const SimScriptStep& step) {
    int command = -1;
    HostRunOnUi([&] {
        command = FindMenuCommand(step.path);
        if (command >= 0) {
            // What choosing the item does: the command goes to the host window.
            PostMessageA(HostMainWindow(), WM_COMMAND, MAKEWPARAM((WORD)command, 0), 0);
        }
    });
    if (command < 0) {
        ScenarioBroken("no such menu item");
        return;
    }
    InputSettle();
}

void RunClick(const SimScriptStep& step) {
    Click(step.name, false);
}

void RunPress(const SimScriptStep&) {
    Click("button", false);
}

void RunOk(const SimScriptStep&) {
    Click("OK", true);
}

void RunType(const SimScriptStep& step) {
    std::string why;
    Require(InputType(step.name, step.value, &why), why);
}

void RunCloseDialog(const SimScriptStep&) {
    bool open = true;
    HostRunOnUi([&] {
        HWND dialog = HostConfigDialog();
        open = dialog != nullptr;
        if (open) {
            PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); // what the caption's close box sends
        }
    });
    if (!open) {
        ScenarioBroken("the configuration dialog is not open");
    }
    InputSettle();
}

void RunPicture(const SimScriptStep& step) {
    TakePicture(step.name, false);
}

void RunPictureDialog(const SimScriptStep& step) {
    TakePicture(step.name, true);
}

void RunConfig(const SimScriptStep&) {
    TranscriptReportConfig(true);
}

void RunEditConfig(const SimScriptStep& step) {
    std::string path = ConfigPathOrBroken("edit-config");
    HostRunOnUi([&] {
        if (path.empty()) return;
        CreateDirectoryA("Modules", nullptr);
        CreateDirectoryA("Modules/KestrelFieldWorks", nullptr);
        CreateDirectoryA("Modules/KestrelFieldWorks/KFWS_Airdrop", nullptr);
        WritePrivateProfileStringA("General", step.name.c_str(), Cp1251(step.value).c_str(), path.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    });
}

void RunRemoveConfig(const SimScriptStep&) {
    std::string path = ConfigPathOrBroken("remove-config");
    HostRunOnUi([&] {
        if (path.empty()) return;
        DeleteFileA(path.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    });
}
