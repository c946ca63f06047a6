// The expectations of a scenario on what the host saw: its screen and the module's host
// calls during the last step, the aircraft's stations and slots, where a keystroke went,
// the exit points and the effect files; and the dispatch of every kind to its check.
#include "simhost/app/scenario/Expectations.h"

#include <math.h>

#include <algorithm>

#include "simhost/SimHost.h"
#include "simhost/app/window/ExitPoints.h"
#include "simhost/app/host/EffectFiles.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/scenario/ExpectationChecks.h"
#include "simhost/app/scenario/ScenarioRun.h"
#include "simhost/lib/SimText.h"

namespace {

bool Near(double a, double b) {
    return fabs(a - b) < 0.0015;
}

// The module's host calls during the last acting step.
std::vector<HostCall> LastStepCalls() {
    const ScenarioLastStep& last = ScenarioLast();
    const std::vector<HostCall>& calls = SimCalls();
    return std::vector<HostCall>(calls.begin() + (long)std::min(last.firstCall, calls.size()),
                                 calls.begin() + (long)std::min(last.endCall, calls.size()));
}

std::vector<std::string> ShownTexts() {
    std::vector<std::string> shown;
    for (const HostCall& call : LastStepCalls()) {
        if (call.kind == kCallShowText) {
            shown.push_back(call.text);
        }
    }
    return shown;
}

// Whether the release of the last step's key reached the host window.
bool KeyReachedWindow() {
    for (const SimKeyMessage& key : SimWindowKeys()) {
        if ((key.message == WM_KEYUP || key.message == WM_SYSKEYUP) && key.virtualKey == ScenarioLast().key) {
            return true;
        }
    }
    return false;
}

std::string KeyWent(bool passedOn) {
    bool seen = KeyReachedWindow();
    return seen == passedOn ? "" : std::string("the key's release ") + (seen ? "reached" : "did not reach") + " the host window";
}

std::string SlotText(SimAircraft* aircraft, size_t k) {
    const char* pointer = SimSlotName(aircraft, k);
    return "slot " + std::to_string(k) + " holds " + ExpectQuote(SimCp1251ToUtf8(pointer ? pointer : "")) + " at (" +
           SimFormatNumber(SimSlotCoord(aircraft, k, 0)) + ", " + SimFormatNumber(SimSlotCoord(aircraft, k, 1)) + ", " +
           SimFormatNumber(SimSlotCoord(aircraft, k, 2)) + ")" +
           (pointer == SimHostSlotName(aircraft, k) ? " [aircraft's own]" : "");
}

} // namespace

std::string ExpectScreen(const SimScriptStep& step) {
    std::string screen = SimScreenText();
    return screen == ExpectCp1251(step.value) ? "" : "the screen shows " + ExpectQuote(SimCp1251ToUtf8(screen));
}

std::string ExpectShown(const SimScriptStep& step) {
    std::vector<std::string> shown = ShownTexts();
    std::string found = "shown:";
    for (const std::string& text : shown) {
        if (text == ExpectCp1251(step.value)) {
            return "";
        }
        found += " " + ExpectQuote(SimCp1251ToUtf8(text));
    }
    return shown.empty() ? "no message was shown" : found;
}

std::string ExpectNoMessage(const SimScriptStep&) {
    std::vector<std::string> shown = ShownTexts();
    return shown.empty() ? "" : "shown: " + ExpectQuote(SimCp1251ToUtf8(shown[0]));
}

std::string ExpectEvents(const SimScriptStep& step) {
    std::vector<double> got;
    std::string found;
    for (const HostCall& call : LastStepCalls()) {
        if (call.kind == kCallTriggerEvent) {
            got.push_back((double)call.id);
            char text[32];
            snprintf(text, sizeof(text), " 0x%X", call.id);
            found += text;
        }
    }
    return got == step.numbers ? "" : "events:" + (found.empty() ? std::string(" none") : found);
}

std::string ExpectStations(const SimScriptStep& step) {
    SimAircraft* aircraft = SimUserAircraft();
    unsigned count = aircraft ? SimStationCount(aircraft) : 0;
    std::string found;
    bool same = count == step.numbers.size();
    for (unsigned i = 0; i < count; i++) {
        double weight = i < aircraft->stationWeights.size() ? aircraft->stationWeights[i] : 0.0;
        found += " " + SimFormatNumber(weight);
        same = same && Near(weight, step.numbers[i]);
    }
    return same ? "" : "stations:" + (found.empty() ? std::string(" none") : found);
}

std::string ExpectSlot(const SimScriptStep& step) {
    SimAircraft* aircraft = SimUserAircraft();
    size_t k = (size_t)step.count;
    if (!aircraft || k >= aircraft->slots.size()) {
        return "no such slot";
    }
    const char* pointer = SimSlotName(aircraft, k);
    double x = SimSlotCoord(aircraft, k, 0), y = SimSlotCoord(aircraft, k, 1), z = SimSlotCoord(aircraft, k, 2);
    bool holds = false;
    if (step.flag) {
        const SimSlotSpec& spec = HostAircraftFile().spec.slots[k];
        holds = pointer == SimHostSlotName(aircraft, k) && x == spec.x && y == spec.y && z == spec.z;
    } else {
        holds = std::string(pointer ? pointer : "") == ExpectCp1251(step.value) && Near(x, step.numbers[0]) &&
                Near(y, step.numbers[1]) && Near(z, step.numbers[2]);
    }
    return holds ? "" : SlotText(aircraft, k);
}

std::string ExpectSwallowed(const SimScriptStep&) {
    return KeyWent(false);
}

std::string ExpectPassedOn(const SimScriptStep&) {
    return KeyWent(true);
}

// expect exit S|S'|R|R' inside|outside: against the aircraft's outline.
std::string ExpectExit(const SimScriptStep& step) {
    const SimAircraftFile& file = HostAircraftFile();
    if (!file.outline.known) {
        return "the aircraft has no outline";
    }
    for (const ExitPoint& exit : ExitPointsRead(HostConfigPath())) {
        if (step.name == exit.label) {
            bool outside = CfgPointOutside(file.outline, exit.x, exit.y, exit.z);
            return step.flag == outside ? "" : std::string("it lies ") + (outside ? "outside" : "inside");
        }
    }
    return "no exit point " + step.name + " (is there a configuration file?)";
}

// expect effect-file K present|missing [DISPLAY NAME]: the file slot K names now.
std::string ExpectEffectFile(const SimScriptStep& step) {
    const std::string& folder = HostSimulatorFolder();
    for (const ModuleSlotEffect& effect : EffectFilesOfModuleSlots(SimUserAircraft(), folder)) {
        if (folder.empty() || effect.slot != (size_t)step.count) {
            continue;
        }
        bool holds = effect.file.exists == step.flag &&
                     (!step.hasValue || SimCp1251ToUtf8(effect.file.displayName) == step.value);
        return holds ? "" : EffectFileDescribe(effect.file, effect.name);
    }
    return "the module fills no slot " + std::to_string(step.count) + (folder.empty() ? " (no simulator folder)" : "");
}

std::string ExpectationCheck(const SimScriptStep& step) {
#define SCENARIO_CHECK(Id, name, fewest, most, parse, check) check,
    static std::string (*const kChecks[])(const SimScriptStep&) = {SIM_SCRIPT_EXPECTATIONS(SCENARIO_CHECK)};
#undef SCENARIO_CHECK
    static_assert(sizeof(kChecks) / sizeof(kChecks[0]) == kScriptExpectationCount, "one check per expectation");
    return kChecks[step.expectation](step);
}
