// What the host sees happen, as transcript lines.
#include "simhost/app/HostObserver.h"

#include <windows.h>

#include <stdio.h>

#include "simhost/SimHost.h"
#include "simhost/app/HostAircraft.h"
#include "simhost/app/HostDescription.h"
#include "simhost/app/HostThread.h"
#include "simhost/app/window/HostView.h"
#include "simhost/app/ModuleWindows.h"
#include "simhost/lib/SimText.h"

namespace {

struct ObserverState {
    bool verbose = false;
    bool interactive = false;
    size_t callIndex = 0;
    size_t stepFirstCall = 0;
    DWORD stepStart = 0;
    std::vector<HostSlotView> slots;
    std::string menuText;
    HWND dialogSeen = nullptr;
    HWND boxSeen = nullptr;
    std::vector<std::string> log;
    bool emitting = false;
    DWORD glowUntil = 0;
};

ObserverState& State() {
    static ObserverState state;
    return state;
}

// A line of the log as it is, without a time.
void LogPlain(const std::string& line) {
    State().log.push_back(line);
    if (State().interactive) {
        printf("%s\n", line.c_str());
        fflush(stdout);
    }
}

// A shown text as transcript lines: one line in «», or a block with one line per line.
void LogScreenText(const std::string& cp1251) {
    std::string text = SimCp1251ToUtf8(cp1251);
    bool trailingFeed = !text.empty() && text.back() == '\n';
    if (trailingFeed) {
        text.pop_back();
    }
    if (text.find('\n') == std::string::npos) {
        HostLog("screen: «" + text + (trailingFeed ? "↵" : "") + "»");
        return;
    }
    HostLog("screen:");
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        LogPlain("    | " + text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
}

std::string EventName(unsigned id) {
    char text[64];
    const char* meaning = id == kEventEffectsOn ? " (effect emitters run)" : id == kEventEffectsOff ? " (effect emitters stop)" : "";
    snprintf(text, sizeof(text), "event 0x%X%s", id, meaning);
    return text;
}

void LogStations() {
    for (const std::string& line : HostDescribeStations()) {
        HostLog(line);
    }
}

// One host call: true when it changed what the window shows.
bool ObserveCall(const HostCall& call) {
    ObserverState& s = State();
    switch (call.kind) {
    case kCallShowText:
        LogScreenText(call.text);
        return true;
    case kCallTriggerEvent:
        HostLog(EventName(call.id));
        if (call.id == kEventEffectsOn) {
            s.emitting = true;
            s.glowUntil = GetTickCount() + 700;
        } else if (call.id == kEventEffectsOff) {
            s.emitting = false;
        }
        return true;
    case kCallSetStationWeight:
        if (s.verbose) {
            HostLog("host call: SetStationWeight(" + std::to_string(call.args[0]) + ", " + std::to_string(call.args[1]) +
                    ", " + SimFormatNumber(call.weight) + ", " + std::to_string(call.args[2]) + ")");
        }
        return true;
    case kCallGetUserAircraft:
        if (s.verbose) {
            HostLog("host call: GetUserAircraft");
        }
        return false;
    case kCallGetPayloadSetter:
        if (s.verbose) {
            HostLog("host call: GetPayloadSetter");
        }
        return false;
    case kCallReadAircraftValue:
        if (s.verbose) {
            HostLog("host call: ReadAircraftValue(" + std::to_string(call.id) + ")");
        }
        return false;
    case kCallClearText:
        return false;
    }
    return false;
}

void ObserveMenuBar() {
    ObserverState& s = State();
    std::string menu = HostMenuText();
    if (menu == s.menuText) {
        return;
    }
    if (!s.menuText.empty()) {
        HostLog("menu bar now holds:");
        size_t start = 0;
        while (start < menu.size()) {
            size_t end = menu.find('\n', start);
            s.log.push_back(menu.substr(start, end - start));
            start = end + 1;
        }
    }
    s.menuText = menu;
}

void ObserveWindows() {
    ObserverState& s = State();
    HWND dialog = HostConfigDialog();
    if (dialog != s.dialogSeen) {
        HostLog(dialog ? "dialog «" + HostWindowTextUtf8(dialog) + "» opened" : std::string("dialog closed"));
        s.dialogSeen = dialog;
    }
    HWND box = HostMessageBox();
    if (box != s.boxSeen) {
        HostLog(box ? "message box «" + HostWindowTextUtf8(box) + "»: " + HostMessageBoxText(box)
                    : std::string("message box closed"));
        s.boxSeen = box;
    }
}

} // namespace

void HostObserverSetUp(bool verbose, bool interactive) {
    State().verbose = verbose;
    State().interactive = interactive;
    State().stepStart = GetTickCount();
}

void HostObserverTakeSlots(void) {
    State().slots = HostReadSlots(HostCurrentAircraft());
}

void HostLog(const std::string& line) {
    DWORD elapsed = GetTickCount() - State().stepStart;
    std::string prefix;
    if (elapsed >= 500) {
        char stamp[32];
        snprintf(stamp, sizeof(stamp), "[+%lu s] ", (unsigned long)((elapsed + 500) / 1000));
        prefix = stamp;
    }
    LogPlain(prefix + line);
}

void HostObserve(void) {
    ObserverState& s = State();
    if (!HostMainWindow()) {
        return;
    }
    bool changed = false;
    const std::vector<HostCall>& calls = SimCalls();
    // A run of station weight changes is logged once, after its last.
    bool stationsPending = false;
    for (; s.callIndex < calls.size(); s.callIndex++) {
        const HostCall& call = calls[s.callIndex];
        if (call.kind != kCallSetStationWeight && stationsPending) {
            LogStations();
            stationsPending = false;
        }
        stationsPending = stationsPending || call.kind == kCallSetStationWeight;
        changed = ObserveCall(call) || changed;
    }
    if (stationsPending) {
        LogStations();
    }

    std::vector<HostSlotView> slots = HostReadSlots(HostCurrentAircraft());
    if (!(slots == s.slots)) {
        s.slots = slots;
        for (const std::string& line : HostDescribeSlots()) {
            HostLog(line);
        }
        changed = true;
    }
    ObserveMenuBar();
    ObserveWindows();
    if (changed) {
        HostViewInvalidate(HostMainWindow());
    }
}

std::vector<std::string> HostTakeObservations(void) {
    std::vector<std::string> lines;
    lines.swap(State().log);
    return lines;
}

void HostBeginStep(void) {
    HostObserve();
    State().log.clear();
    State().stepStart = GetTickCount();
    State().stepFirstCall = SimCalls().size();
}

size_t HostStepFirstCall(void) {
    return State().stepFirstCall;
}

bool HostEffectsLit(void) {
    ObserverState& s = State();
    return s.emitting || (LONG)(s.glowUntil - GetTickCount()) > 0;
}
