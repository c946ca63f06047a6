// The acting steps of a scenario: keys, waits, menu choices, clicks and typing in the
// dialog, changes to the aircraft, pictures, and edits of the configuration file.
#include "simhost/app/ScenarioSteps.h"

#include <windows.h>

#include <stdlib.h>

#include "simhost/app/AircraftSource.h"
#include "simhost/app/HostAircraft.h"
#include "simhost/app/HostDescription.h"
#include "simhost/app/HostThread.h"
#include "simhost/app/ModuleWindows.h"
#include "simhost/app/Scenario.h"
#include "simhost/app/SyntheticInput.h"
#include "simhost/app/Transcript.h"
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

std::string Resolve(const std::string& path, const std::string& base) {
    if (path.size() > 1 && (path[0] == '/' || path[0] == '\\' || path[1] == ':')) {
        return path;
    }
    return base + path;
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

// The aircraft's configuration file, refused as the module refuses its model name.
std::string ConfigPathOrBroken(const std::string& verb) {
    std::string path, why;
    HostRunOnUi([&] { ModelConfigPath(HostAircraftFile().spec.atcModel, kSimEnglish, &path, &why); });
    Require(!path.empty(), verb + " refused: " + why);
    return path;
}

} // namespace

void ScenarioRunStep(const SimScriptStep& step) {
    const ScenarioOptions& options = ScenarioGetOptions();
    const std::vector<std::string>& a = step.args;
    const std::string& verb = step.verb;
    if (verb == "key") {
        SimChord chord;
        std::string why;
        SimParseChord(a[0], &chord, &why);
        ScenarioLast().key = chord.key;
        Require(InputPressChord(chord, a.size() == 3 ? atoi(a[2].c_str()) : 0, &why), why);
    } else if (verb == "wait") {
        double seconds = 0;
        SimParseNumber(a[0], &seconds);
        Sleep((DWORD)(seconds * 1000.0 + 0.5));
        InputSettle();
    } else if (verb == "menu") {
        std::vector<std::string> path = SimSplitMenuPath(a, 0);
        int command = -1;
        HostRunOnUi([&] {
            command = FindMenuCommand(path);
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
    } else if (verb == "click") {
        std::string why;
        Require(InputClick(a[0], false, &why), why);
    } else if (verb == "press") {
        std::string why;
        Require(InputClick("button", false, &why), why);
    } else if (verb == "type") {
        std::string why;
        Require(InputType(a[0], a[1], &why), why);
    } else if (verb == "close-dialog") {
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
    } else if (verb == "ok") {
        std::string why;
        Require(InputClick("OK", true, &why), why);
    } else if (verb == "set" || verb == "lift-off" || verb == "land" || verb == "release-brake" || verb == "set-brake") {
        std::string what = verb == "set" ? a[0] : (verb == "lift-off" || verb == "land") ? "on_ground" : "parking_brake";
        std::string value = verb == "set" ? a[1] : (verb == "land" || verb == "set-brake") ? "yes" : "no";
        bool flag = false;
        double number = 0;
        if (what == "cg") {
            if (!SimParseNumber(value, &number)) {
                ScenarioBroken("cg takes a number");
                return;
            }
            HostRunOnUi([&] { HostSetCentreOfGravity(number); });
        } else if (!SimParseFlagWord(value, &flag)) {
            ScenarioBroken(what + " takes yes or no");
        } else if (what == "on_ground") {
            HostRunOnUi([&] { HostSetOnGround(flag); });
        } else {
            HostRunOnUi([&] { HostSetParkingBrake(flag); });
        }
    } else if (verb == "aircraft") {
        // A title of the simulator folder's aircraft, as its aircraft selection lists
        // them (the switch logs itself), or a file.
        int listed = AircraftSourceFind(a[0]);
        std::string path = Resolve(a[0], options.scriptDir);
        std::string why;
        bool ok = false;
        std::vector<std::string> lines;
        HostRunOnUi([&] {
            if (listed >= 0) {
                ok = HostUseListedAircraft(listed, &why);
            } else if ((ok = HostUseAircraft(path, 0, &why))) {
                lines = HostDescribeSwitch();
            }
        });
        if (!ok && GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES && !AircraftSourceCatalogue().empty()) {
            why = "no aircraft of the simulator folder is titled \"" + a[0] + "\", nor is it a file";
        }
        if (!ok) {
            ScenarioBroken(why);
        }
        for (const std::string& line : lines) {
            TranscriptEmit("  " + line);
        }
    } else if (verb == "picture" || verb == "picture-dialog") {
        std::string path = options.outDir + a[0] + ".png";
        bool saved = false;
        // Repaint first and give the display a moment to show it all, then read the screen.
        HostRunOnUi([&] {
            HWND window = verb == "picture" ? HostMainWindow() : HostConfigDialog();
            if (window) {
                RedrawWindow(window, nullptr, nullptr,
                             RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            }
        });
        Sleep(300);
        InputSettle();
        HostRunOnUi([&] {
            HWND window = verb == "picture" ? HostMainWindow() : HostConfigDialog();
            saved = SimSaveWindowPicture(window, path, false);
        });
        if (saved) {
            TranscriptEmit("  picture: " + a[0] + ".png");
        } else {
            ScenarioBroken("cannot take the picture " + path);
        }
    } else if (verb == "show") {
        std::vector<std::string> lines;
        HostRunOnUi([&] {
            lines.push_back("aircraft: " + HostAircraftFile().title + ", " + HostDescribeFlags());
            lines.push_back("screen: «" + SimCp1251ToUtf8(SimScreenText()) + "»");
            for (const std::string& line : HostDescribeStations()) {
                lines.push_back(line);
            }
            for (const std::string& line : HostDescribeSlots()) {
                lines.push_back(line);
            }
        });
        for (const std::string& line : lines) {
            TranscriptEmit("  " + line);
        }
    } else if (verb == "config") {
        TranscriptReportConfig(true);
    } else if (verb == "edit-config") {
        std::string path = ConfigPathOrBroken(verb);
        HostRunOnUi([&] {
            if (path.empty()) return;
            CreateDirectoryA("Modules", nullptr);
            CreateDirectoryA("Modules/KestrelFieldWorks", nullptr);
            CreateDirectoryA("Modules/KestrelFieldWorks/KFWS_Airdrop", nullptr);
            WritePrivateProfileStringA("General", a[0].c_str(), Cp1251(a[1]).c_str(), path.c_str());
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        });
    } else if (verb == "remove-config") {
        std::string path = ConfigPathOrBroken(verb);
        HostRunOnUi([&] {
            if (path.empty()) return;
            DeleteFileA(path.c_str());
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        });
    }
}
