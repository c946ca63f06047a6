#include "simhost/app/Bench.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#include <map>

#include "simhost/SimHost.h"
#include "simhost/app/HostView.h"
#include "simhost/lib/SimText.h"

namespace {

const UINT kMsgRunWork = WM_APP + 1;
const UINT kMsgMark = WM_APP + 2;
const UINT kMsgQuit = WM_APP + 3;
const UINT_PTR kRepaintTimer = 0x5157; // on the call window, never on the host window
const WPARAM kCmdExit = 40001;         // "Выход" in the host's own menu

struct SlotView {
    const char* pointer;
    std::string name;
    double x, y, z;
    bool operator==(const SlotView& other) const {
        return pointer == other.pointer && name == other.name && x == other.x && y == other.y && z == other.z;
    }
};

struct BenchState {
    BenchOptions options;
    DWORD uiThread = 0;
    HWND main = nullptr;
    HWND callWindow = nullptr;
    WNDPROC hostProc = nullptr;
    SimModule module = {};
    HHOOK keyHook = nullptr;
    HHOOK mouseHook = nullptr;
    volatile LONG keyEvents = 0;
    volatile LONG mouseUps = 0;
    HANDLE markEvent = nullptr;
    volatile LONG markWanted = 0;
    int exitCode = 0;

    std::vector<SimAircraft*> aircraft; // every aircraft built; none is freed while running
    std::vector<SimAircraftFile> files;
    size_t current = 0;

    size_t callIndex = 0;
    size_t stepFirstCall = 0;
    DWORD stepStart = 0;
    std::vector<SlotView> slots;
    std::string menuText;
    HWND dialogSeen = nullptr;
    HWND boxSeen = nullptr;
    std::vector<std::string> log;

    bool emitting = false;
    DWORD glowUntil = 0;
    bool lastLit = false;
};

BenchState& State() {
    static BenchState state;
    return state;
}

std::string Utf8(const std::string& cp1251) {
    return SimCp1251ToUtf8(cp1251);
}

SimAircraft* Current() {
    BenchState& s = State();
    return s.aircraft.empty() ? nullptr : s.aircraft[s.current];
}

std::vector<SlotView> ReadSlots(SimAircraft* aircraft) {
    std::vector<SlotView> views;
    if (!aircraft) {
        return views;
    }
    for (size_t k = 0; k < aircraft->slots.size(); k++) {
        SlotView view;
        view.pointer = SimSlotName(aircraft, k);
        view.name = view.pointer ? view.pointer : "";
        view.x = SimSlotCoord(aircraft, k, 0);
        view.y = SimSlotCoord(aircraft, k, 1);
        view.z = SimSlotCoord(aircraft, k, 2);
        views.push_back(view);
    }
    return views;
}

void Log(const std::string& line) {
    BenchState& s = State();
    DWORD elapsed = GetTickCount() - s.stepStart;
    std::string prefix;
    if (elapsed >= 500) {
        char stamp[32];
        snprintf(stamp, sizeof(stamp), "[+%lu s] ", (unsigned long)((elapsed + 500) / 1000));
        prefix = stamp;
    }
    std::string text = prefix + line;
    s.log.push_back(text);
    if (s.options.interactive) {
        printf("%s\n", text.c_str());
        fflush(stdout);
    }
}

// A shown text as transcript lines: one line in «», or a block with one line per line.
void LogScreenText(const std::string& cp1251) {
    std::string text = Utf8(cp1251);
    bool trailingFeed = !text.empty() && text.back() == '\n';
    if (trailingFeed) {
        text.pop_back();
    }
    if (text.find('\n') == std::string::npos) {
        Log("screen: «" + text + (trailingFeed ? "↵" : "") + "»");
        return;
    }
    Log("screen:");
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        State().log.push_back("    | " + line);
        if (State().options.interactive) {
            printf("    | %s\n", line.c_str());
        }
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

void CollectMenu(HMENU menu, const std::string& prefix, std::vector<std::string>* leaves) {
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; i++) {
        char caption[256] = "";
        GetMenuStringA(menu, (UINT)i, caption, sizeof(caption), MF_BYPOSITION);
        std::string path = prefix.empty() ? Utf8(caption) : prefix + " > " + Utf8(caption);
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

std::string MenuText() {
    HMENU bar = GetMenu(State().main);
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

struct FoundWindows {
    HWND dialog;
    HWND box;
    int dialogs; // visible configuration dialogs: more than one would be a fault
};

BOOL CALLBACK FindModuleWindow(HWND window, LPARAM parameter) {
    FoundWindows* found = (FoundWindows*)parameter;
    char className[32] = "";
    GetClassNameA(window, className, sizeof(className));
    if (strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) {
        return TRUE;
    }
    if (GetDlgItem(window, 1029)) {
        found->dialog = window;
        found->dialogs++;
    } else {
        found->box = window;
    }
    return TRUE;
}

FoundWindows FindWindows() {
    FoundWindows found = {nullptr, nullptr, 0};
    EnumThreadWindows(State().uiThread, FindModuleWindow, (LPARAM)&found);
    return found;
}

void LogStations(SimAircraft* aircraft) {
    for (const std::string& line : BenchDescribeStations()) {
        Log(line);
    }
    (void)aircraft;
}

bool IsLit() {
    BenchState& s = State();
    return s.emitting || (LONG)(s.glowUntil - GetTickCount()) > 0;
}

LRESULT CALLBACK CallWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMsgRunWork: {
        const std::function<void()>* work = (const std::function<void()>*)lParam;
        (*work)();
        BenchObserve();
        return 0;
    }
    case kMsgMark:
        if (InterlockedExchange(&State().markWanted, 0)) {
            SetEvent(State().markEvent);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kRepaintTimer) {
            bool lit = IsLit();
            if (lit != State().lastLit) {
                State().lastLit = lit;
                HostViewInvalidate(State().main);
            }
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK KeyObserver(int code, WPARAM wParam, LPARAM lParam) {
    HHOOK hook = State().keyHook;
    LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
    if (code == HC_ACTION) {
        InterlockedIncrement(&State().keyEvents);
    }
    return result;
}

LRESULT CALLBACK MouseObserver(int code, WPARAM wParam, LPARAM lParam) {
    LRESULT result = CallNextHookEx(State().mouseHook, code, wParam, lParam);
    if (code == HC_ACTION && (wParam == WM_LBUTTONUP || wParam == WM_NCLBUTTONUP)) {
        InterlockedIncrement(&State().mouseUps);
    }
    return result;
}

// The host's own window procedure, behind the module's: it draws the host's screen and
// takes the person's changes to the aircraft's flags, then hands on to the stand-in's.
LRESULT CALLBACK HostBenchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    BenchState& s = State();
    switch (message) {
    case WM_PAINT: {
        HostViewModel model;
        SimAircraft* aircraft = Current();
        model.file = s.files.empty() ? nullptr : &s.files[s.current];
        model.aircraft = aircraft;
        model.screenText = SimScreenText();
        model.lit = IsLit();
        HostViewPaint(window, model);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return (LRESULT)HostViewControlColours((HDC)wParam);
    case WM_SIZE:
        HostViewLayout(window);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == kHostViewOnGroundId && HIWORD(wParam) == BN_CLICKED) {
            BenchSetOnGround(SendMessageA((HWND)lParam, BM_GETCHECK, 0, 0) == BST_CHECKED);
            return 0;
        }
        if (LOWORD(wParam) == kHostViewParkingBrakeId && HIWORD(wParam) == BN_CLICKED) {
            BenchSetParkingBrake(SendMessageA((HWND)lParam, BM_GETCHECK, 0, 0) == BST_CHECKED);
            return 0;
        }
        if (wParam == kCmdExit) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(s.exitCode);
        break;
    default:
        break;
    }
    return CallWindowProcA(s.hostProc, window, message, wParam, lParam);
}

} // namespace

// ---- Start and stop ----

bool BenchStart(const BenchOptions& options, std::string* error) {
    BenchState& s = State();
    s.options = options;
    s.uiThread = GetCurrentThreadId();
    s.markEvent = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    s.stepStart = GetTickCount();

    WNDCLASSA callClass = {};
    callClass.lpfnWndProc = CallWindowProc;
    callClass.hInstance = GetModuleHandleA(nullptr);
    callClass.lpszClassName = "SimHostCalls";
    RegisterClassA(&callClass);
    s.callWindow = CreateWindowExA(0, "SimHostCalls", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);

    if (!BenchUseAircraft(options.aircraftPath, error)) {
        return false;
    }
    // The host's window exists before the module is loaded, as in the simulator.
    s.main = SimCreateMainWindow(true);
    s.hostProc = (WNDPROC)SetWindowLongPtrA(s.main, GWLP_WNDPROC, (LONG_PTR)HostBenchProc);
    HostViewCreateControls(s.main);
    HostViewSetFlags(s.main, s.files[s.current].spec.onGround, s.files[s.current].spec.parkingBrake);
    SetWindowTextA(s.main, "simhost - stand-in simulator");
    SimClearCalls();

    if (!SimLoadModule(options.dllPath.c_str(), &s.module)) {
        *error = "cannot load the module " + options.dllPath;
        return false;
    }
    // Our observers go in front of the module's hook and only count; each passes every
    // keystroke on down the chain unchanged.
    s.keyHook = SetWindowsHookExA(WH_KEYBOARD, KeyObserver, nullptr, s.uiThread);
    s.mouseHook = SetWindowsHookExA(WH_MOUSE, MouseObserver, nullptr, s.uiThread);
    SetTimer(s.callWindow, kRepaintTimer, 100, nullptr);
    // The host paints its frame: the module's menu appears at this non-client paint.
    RedrawWindow(s.main, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SetForegroundWindow(s.main);
    SetFocus(s.main);
    s.slots = ReadSlots(Current());
    return true;
}

int BenchRunMessageLoop(void) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == State().callWindow && message.message == kMsgQuit) {
            State().exitCode = (int)message.wParam;
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
        BenchObserve();
    }
    if (message.message == WM_QUIT) {
        State().exitCode = (int)message.wParam;
    }
    return State().exitCode;
}

void BenchQuit(int exitCode) {
    PostMessageA(State().callWindow, kMsgQuit, (WPARAM)exitCode, 0);
}

void BenchStop(void) {
    BenchState& s = State();
    if (s.keyHook) {
        UnhookWindowsHookEx(s.keyHook);
    }
    if (s.mouseHook) {
        UnhookWindowsHookEx(s.mouseHook);
    }
    // The simulator ends with its module loaded; the process exit unloads it.
    if (s.main && IsWindow(s.main)) {
        ShowWindow(s.main, SW_HIDE);
    }
}

// ---- Cross-thread calls ----

void BenchRunOnUi(const std::function<void()>& work) {
    if (GetCurrentThreadId() == State().uiThread) {
        work();
        BenchObserve();
        return;
    }
    SendMessageA(State().callWindow, kMsgRunWork, 0, (LPARAM)&work);
}

bool BenchSyncPosted(DWORD timeoutMs) {
    BenchState& s = State();
    ResetEvent(s.markEvent);
    InterlockedExchange(&s.markWanted, 1);
    PostMessageA(s.callWindow, kMsgMark, 0, 0);
    return WaitForSingleObject(s.markEvent, timeoutMs) == WAIT_OBJECT_0;
}

DWORD BenchUiThreadId(void) {
    return State().uiThread;
}

LONG BenchKeyEventsSeen(void) {
    return State().keyEvents;
}

LONG BenchMouseUpsSeen(void) {
    return State().mouseUps;
}

// ---- The aircraft ----

HWND BenchMainWindow(void) {
    return State().main;
}

bool BenchUseAircraft(const std::string& path, std::string* error) {
    SimAircraftFile file;
    if (!SimReadAircraftFile(path, &file, error)) {
        return false;
    }
    BenchState& s = State();
    SimAircraft* aircraft = SimCreateAircraft(file.spec);
    s.aircraft.push_back(aircraft);
    s.files.push_back(file);
    s.current = s.aircraft.size() - 1;
    SimSetUserAircraft(aircraft);
    SimSetCentreOfGravity(file.centreOfGravity);
    s.slots = ReadSlots(aircraft);
    if (s.main) {
        HostViewSetFlags(s.main, file.spec.onGround, file.spec.parkingBrake);
        HostViewInvalidate(s.main);
    }
    return true;
}

const SimAircraftFile& BenchAircraftFile(void) {
    return State().files[State().current];
}

void BenchSetOnGround(bool onGround) {
    BenchState& s = State();
    SimSetOnGround(Current(), onGround);
    s.files[s.current].spec.onGround = onGround;
    HostViewSetFlags(s.main, onGround, s.files[s.current].spec.parkingBrake);
    HostViewInvalidate(s.main);
    Log(std::string("aircraft: ") + (onGround ? "on the ground" : "in the air"));
}

void BenchSetParkingBrake(bool set) {
    BenchState& s = State();
    SimSetParkingBrake(Current(), set);
    s.files[s.current].spec.parkingBrake = set;
    HostViewSetFlags(s.main, s.files[s.current].spec.onGround, set);
    HostViewInvalidate(s.main);
    Log(std::string("aircraft: parking brake ") + (set ? "set" : "released"));
}

void BenchSetCentreOfGravity(double fraction) {
    BenchState& s = State();
    s.files[s.current].centreOfGravity = fraction;
    SimSetCentreOfGravity(fraction);
    HostViewInvalidate(s.main);
    Log("aircraft: centre of gravity " + SimFormatNumber(fraction));
}

// ---- Observation ----

void BenchBeginStep(void) {
    BenchState& s = State();
    BenchObserve();
    s.log.clear();
    s.stepStart = GetTickCount();
    s.stepFirstCall = SimCalls().size();
}

size_t BenchStepFirstCall(void) {
    return State().stepFirstCall;
}

void BenchObserve(void) {
    BenchState& s = State();
    if (!s.main) {
        return;
    }
    bool changed = false;
    const std::vector<HostCall>& calls = SimCalls();
    bool stationsPending = false;
    for (; s.callIndex < calls.size(); s.callIndex++) {
        const HostCall& call = calls[s.callIndex];
        if (call.kind != kCallSetStationWeight && stationsPending) {
            LogStations(Current());
            stationsPending = false;
        }
        switch (call.kind) {
        case kCallShowText:
            LogScreenText(call.text);
            changed = true;
            break;
        case kCallTriggerEvent:
            Log(EventName(call.id));
            if (call.id == kEventEffectsOn) {
                s.emitting = true;
                s.glowUntil = GetTickCount() + 700;
            } else if (call.id == kEventEffectsOff) {
                s.emitting = false;
            }
            changed = true;
            break;
        case kCallSetStationWeight:
            stationsPending = true;
            changed = true;
            if (s.options.verbose) {
                Log("host call: SetStationWeight(" + std::to_string(call.args[0]) + ", " +
                    std::to_string(call.args[1]) + ", " + SimFormatNumber(call.weight) + ", " +
                    std::to_string(call.args[2]) + ")");
            }
            break;
        case kCallGetUserAircraft:
            if (s.options.verbose) {
                Log("host call: GetUserAircraft");
            }
            break;
        case kCallGetPayloadSetter:
            if (s.options.verbose) {
                Log("host call: GetPayloadSetter");
            }
            break;
        case kCallReadAircraftValue:
            if (s.options.verbose) {
                Log("host call: ReadAircraftValue(" + std::to_string(call.id) + ")");
            }
            break;
        case kCallClearText:
            break;
        }
    }
    if (stationsPending) {
        LogStations(Current());
    }

    std::vector<SlotView> slots = ReadSlots(Current());
    if (!(slots == s.slots)) {
        s.slots = slots;
        for (const std::string& line : BenchDescribeSlots()) {
            Log(line);
        }
        changed = true;
    }

    std::string menu = MenuText();
    if (menu != s.menuText) {
        if (!s.menuText.empty()) {
            Log("menu bar now holds:");
            size_t start = 0;
            while (start < menu.size()) {
                size_t end = menu.find('\n', start);
                s.log.push_back(menu.substr(start, end - start));
                start = end + 1;
            }
        }
        s.menuText = menu;
    }

    FoundWindows found = FindWindows();
    if (found.dialog != s.dialogSeen) {
        if (found.dialog) {
            Log("dialog «" + BenchWindowTextUtf8(found.dialog) + "» opened");
        } else {
            Log("dialog closed");
        }
        s.dialogSeen = found.dialog;
    }
    if (found.box != s.boxSeen) {
        if (found.box) {
            Log("message box «" + BenchWindowTextUtf8(found.box) + "»: " + BenchMessageBoxText(found.box));
        } else {
            Log("message box closed");
        }
        s.boxSeen = found.box;
    }
    if (changed) {
        HostViewInvalidate(s.main);
    }
}

std::vector<std::string> BenchTakeObservations(void) {
    std::vector<std::string> lines;
    lines.swap(State().log);
    return lines;
}

std::vector<std::string> BenchDescribeStations(void) {
    SimAircraft* aircraft = Current();
    std::vector<std::string> lines;
    if (!aircraft) {
        return lines;
    }
    unsigned count = SimStationCount(aircraft);
    if (count == 0) {
        lines.push_back("stations: none");
        return lines;
    }
    std::string text = "stations (lb):";
    for (unsigned i = 0; i < count; i++) {
        double weight = i < aircraft->stationWeights.size() ? aircraft->stationWeights[i] : 0.0;
        text += " " + std::to_string(i + 1) + ": " + SimFormatNumber(weight) + (i + 1 < count ? "," : "");
    }
    lines.push_back(text);
    return lines;
}

std::vector<std::string> BenchDescribeSlots(void) {
    SimAircraft* aircraft = Current();
    std::vector<std::string> lines;
    if (!aircraft || aircraft->slots.empty()) {
        lines.push_back("effect slots: none");
        return lines;
    }
    lines.push_back("effect slots:");
    std::vector<SlotView> slots = ReadSlots(aircraft);
    for (size_t k = 0; k < slots.size(); k++) {
        const SlotView& slot = slots[k];
        std::string name = slot.pointer ? "\"" + Utf8(slot.name) + "\"" : "(no name)";
        bool own = slot.pointer == SimHostSlotName(aircraft, k);
        char line[512];
        snprintf(line, sizeof(line), "    %u  %-22s at (%s, %s, %s)%s", (unsigned)k, name.c_str(),
                 SimFormatNumber(slot.x).c_str(), SimFormatNumber(slot.y).c_str(), SimFormatNumber(slot.z).c_str(),
                 own ? "  [aircraft's own]" : "");
        lines.push_back(line);
    }
    return lines;
}

std::string BenchConfigPath(void) {
    const std::string& model = BenchAircraftFile().spec.atcModel;
    return "Modules/KestrelFieldWorks/KFWS_Airdrop/" + model + ".cfg";
}

HWND BenchConfigDialog(void) {
    return FindWindows().dialog;
}

int BenchConfigDialogCount(void) {
    return FindWindows().dialogs;
}

HWND BenchMessageBox(void) {
    return FindWindows().box;
}

std::string BenchWindowTextUtf8(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof(text));
    return Utf8(text);
}

static BOOL CALLBACK CollectStaticText(HWND child, LPARAM parameter) {
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

std::string BenchMessageBoxText(HWND box) {
    std::string text;
    EnumChildWindows(box, CollectStaticText, (LPARAM)&text);
    return Utf8(text);
}
