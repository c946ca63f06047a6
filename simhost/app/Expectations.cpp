// The expectations of a scenario: what the host shows, the module's host calls during
// the last step, the aircraft's stations and slots, the dialog and its controls, the
// configuration file, message boxes, the menu bar and where a keystroke went.
#include "simhost/app/Expectations.h"

#include <math.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>

#include "simhost/SimHost.h"
#include "simhost/app/DialogControls.h"
#include "simhost/app/EffectFiles.h"
#include "simhost/app/window/ExitPoints.h"
#include "simhost/app/HostAircraft.h"
#include "simhost/app/ModuleWindows.h"
#include "simhost/app/Scenario.h"
#include "simhost/app/Transcript.h"
#include "simhost/lib/SimText.h"

namespace {

std::string Cp1251(const std::string& utf8) {
    std::string text;
    SimUtf8ToCp1251(utf8, &text);
    return text;
}

std::string Quote(const std::string& utf8) {
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

bool Near(double a, double b) {
    return fabs(a - b) < 0.0015;
}

} // namespace

// Returns "" when the expectation holds, otherwise what was found instead.
std::string ExpectationCheck(const SimScriptStep& step) {
    const std::vector<std::string>& a = step.args;
    const std::string& what = a[0];
    const ScenarioLastStep& last = ScenarioLast();
    std::vector<HostCall> calls(SimCalls().begin() + (long)std::min(last.firstCall, SimCalls().size()),
                                SimCalls().begin() + (long)std::min(last.endCall, SimCalls().size()));
    SimAircraft* aircraft = SimUserAircraft();
    if (what == "screen") {
        std::string screen = SimScreenText();
        return screen == Cp1251(a[1]) ? "" : "the screen shows " + Quote(SimCp1251ToUtf8(screen));
    }
    if (what == "shown" || what == "no-message") {
        std::vector<std::string> shown;
        for (const HostCall& call : calls) {
            if (call.kind == kCallShowText) {
                shown.push_back(call.text);
            }
        }
        if (what == "no-message") {
            return shown.empty() ? "" : "shown: " + Quote(SimCp1251ToUtf8(shown[0]));
        }
        for (const std::string& text : shown) {
            if (text == Cp1251(a[1])) {
                return "";
            }
        }
        std::string found = "shown:";
        for (const std::string& text : shown) {
            found += " " + Quote(SimCp1251ToUtf8(text));
        }
        return shown.empty() ? "no message was shown" : found;
    }
    if (what == "events") {
        std::vector<unsigned> wanted;
        if (!(a.size() == 2 && a[1] == "none")) {
            for (size_t i = 1; i < a.size(); i++) {
                wanted.push_back((unsigned)strtoul(a[i].c_str(), nullptr, 0));
            }
        }
        std::vector<unsigned> got;
        std::string found;
        for (const HostCall& call : calls) {
            if (call.kind == kCallTriggerEvent) {
                got.push_back(call.id);
                char text[32];
                snprintf(text, sizeof(text), " 0x%X", call.id);
                found += text;
            }
        }
        return got == wanted ? "" : "events:" + (found.empty() ? std::string(" none") : found);
    }
    if (what == "stations") {
        unsigned count = aircraft ? SimStationCount(aircraft) : 0;
        std::string found;
        bool same = count == a.size() - 1;
        for (unsigned i = 0; i < count; i++) {
            double weight = i < aircraft->stationWeights.size() ? aircraft->stationWeights[i] : 0.0;
            found += " " + SimFormatNumber(weight);
            double expected = 0;
            if (same && (!SimParseNumber(a[i + 1], &expected) || !Near(weight, expected))) {
                same = false;
            }
        }
        return same ? "" : "stations:" + (found.empty() ? std::string(" none") : found);
    }
    if (what == "slot") {
        double index = 0;
        if (!aircraft || !SimParseNumber(a[1], &index) || index < 0 || index >= aircraft->slots.size()) {
            return "no such slot";
        }
        size_t k = (size_t)index;
        const char* pointer = SimSlotName(aircraft, k);
        std::string name = pointer ? pointer : "";
        std::string found = "slot " + std::to_string(k) + " holds " + Quote(SimCp1251ToUtf8(name)) + " at (" +
                            SimFormatNumber(SimSlotCoord(aircraft, k, 0)) + ", " +
                            SimFormatNumber(SimSlotCoord(aircraft, k, 1)) + ", " +
                            SimFormatNumber(SimSlotCoord(aircraft, k, 2)) + ")" +
                            (pointer == SimHostSlotName(aircraft, k) ? " [aircraft's own]" : "");
        if (a.size() == 3 && a[2] == "own") {
            const SimSlotSpec& spec = HostAircraftFile().spec.slots[k];
            bool own = pointer == SimHostSlotName(aircraft, k) && SimSlotCoord(aircraft, k, 0) == spec.x &&
                       SimSlotCoord(aircraft, k, 1) == spec.y && SimSlotCoord(aircraft, k, 2) == spec.z;
            return own ? "" : found;
        }
        if (a.size() != 6) {
            return "write: expect slot K own, or expect slot K NAME X Y Z";
        }
        double x = 0, y = 0, z = 0;
        bool same = name == Cp1251(a[2]) && SimParseNumber(a[3], &x) && SimParseNumber(a[4], &y) &&
                    SimParseNumber(a[5], &z) && Near(SimSlotCoord(aircraft, k, 0), x) &&
                    Near(SimSlotCoord(aircraft, k, 1), y) && Near(SimSlotCoord(aircraft, k, 2), z);
        return same ? "" : found;
    }
    if (what == "dialog") {
        bool open = HostConfigDialog() != nullptr;
        if (a[1] != "open" && a[1] != "closed") {
            return "write: expect dialog open|closed";
        }
        int count = HostConfigDialogCount();
        if (count > 1) {
            return std::to_string(count) + " configuration dialogs are open";
        }
        return open == (a[1] == "open") ? "" : std::string("the dialog is ") + (open ? "open" : "closed");
    }
    if (what == "control") {
        HWND dialog = HostConfigDialog();
        HWND control = dialog ? DialogFindControl(dialog, a[1]) : nullptr;
        if (!control) {
            return "no control '" + a[1] + "' in an open dialog";
        }
        const std::string& state = a[2];
        bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        bool enabled = IsWindowEnabled(control) != 0;
        std::string text = HostWindowTextUtf8(control);
        std::string found = std::string(checked ? "checked" : "unchecked") + ", " + (enabled ? "enabled" : "disabled") +
                            ", text " + Quote(text);
        if (state == "checked" || state == "unchecked") {
            return checked == (state == "checked") ? "" : found;
        }
        if (state == "enabled" || state == "disabled") {
            return enabled == (state == "enabled") ? "" : found;
        }
        if (state == "text" && a.size() == 4) {
            return text == a[3] ? "" : found;
        }
        return "write: expect control NAME checked|unchecked|enabled|disabled|text TEXT";
    }
    if (what == "config" || what == "no-config") {
        char value[1024] = "";
        std::string path = HostConfigPath();
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        GetPrivateProfileStringA("General", a[1].c_str(), "\x01", value, sizeof(value), path.c_str());
        if (strcmp(value, "\x01") == 0) {
            return what == "no-config" ? "" : "the key is missing";
        }
        if (what == "no-config") {
            return "the key holds " + Quote(SimCp1251ToUtf8(value));
        }
        return std::string(value) == Cp1251(a[2]) ? "" : "the key holds " + Quote(SimCp1251ToUtf8(value));
    }
    if (what == "config-file") {
        bool exists = false;
        TranscriptReadFile(HostConfigPath(), &exists);
        if (a[1] != "present" && a[1] != "absent") {
            return "write: expect config-file present|absent";
        }
        return exists == (a[1] == "present") ? "" : std::string("the file is ") + (exists ? "present" : "absent");
    }
    if (what == "messagebox") {
        HWND box = HostMessageBox();
        if (!box) {
            return "no message box is open";
        }
        std::string text = HostMessageBoxText(box);
        return text == a[1] ? "" : "the message box says " + Quote(text);
    }
    if (what == "menu") {
        HMENU menu = nullptr;
        int position = 0;
        std::string missing;
        bool found = HostFindMenuEntry(SimSplitMenuPath(a, 1), &menu, &position, &missing);
        return found ? "" : "no menu entry " + Quote(missing);
    }
    if (what == "swallowed" || what == "passed-on") {
        bool seen = false;
        for (const SimKeyMessage& key : SimWindowKeys()) {
            if ((key.message == WM_KEYUP || key.message == WM_SYSKEYUP) && key.virtualKey == last.key) {
                seen = true;
            }
        }
        bool wanted = what == "passed-on";
        return seen == wanted ? "" : std::string("the key's release ") + (seen ? "reached" : "did not reach") + " the host window";
    }
    if (what == "exit") {
        // expect exit S|S'|R|R' inside|outside: against the aircraft's outline.
        const SimAircraftFile& file = HostAircraftFile();
        if (!file.outline.known) {
            return "the aircraft has no outline";
        }
        for (const ExitPoint& exit : ExitPointsRead(HostConfigPath())) {
            if (a[1] == exit.label) {
                bool outside = CfgPointOutside(file.outline, exit.x, exit.y, exit.z);
                return (a[2] == "outside") == outside ? "" : std::string("it lies ") + (outside ? "outside" : "inside");
            }
        }
        return "no exit point " + a[1] + " (is there a configuration file?)";
    }
    if (what == "effect-file") {
        // expect effect-file K present|missing [DISPLAY NAME]: the file slot K names now.
        double slot = -1;
        SimParseNumber(a[1], &slot);
        for (const ModuleSlotEffect& effect : EffectFilesOfModuleSlots(aircraft, HostSimulatorFolder())) {
            if (HostSimulatorFolder().empty() || (double)effect.slot != slot) {
                continue;
            }
            bool holds = effect.file.exists == (a[2] == "present") &&
                         (a.size() < 4 || SimCp1251ToUtf8(effect.file.displayName) == a[3]);
            return holds ? "" : EffectFileDescribe(effect.file, effect.name);
        }
        return "the module fills no slot " + a[1] + (HostSimulatorFolder().empty() ? " (no simulator folder)" : "");
    }
    return "unknown expectation";
}
