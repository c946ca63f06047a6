// The module's cost to the simulator, measured side by side in one run and given as
// ratios against a floor: the keyboard hook against a bare hook, the main-window
// procedure against the host's own, and the commands against one configuration read.
//
// Keystrokes and non-client paints are measured twice: with direct calls of the module's
// procedures (the code of airdrop_core, the same objects the DLL carries), and with the
// real KFWS_Airdrop.dll loaded into the stand-in host, where the system calls them.
// Every timing is a batch of calls timed with QueryPerformanceCounter; module and floor
// batches alternate, so drift of the machine hits both alike.
#include <windows.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "BenchStats.h"
#include "config/ConfigFile.h"
#include "config/StatusReport.h"
#include "drop/AirdropState.h"
#include "drop/Loading.h"
#include "drop/Unloading.h"
#include "module/HostHandles.h"
#include "module/Linkage.h"
#include "simhost/SimHost.h"
#include "ui/KeyboardHook.h"
#include "ui/MainMenu.h"
#include "simhost/lib/SimFiles.h"

namespace {

using bench::Summary;

const double kFrameMicros = 1000000.0 / 60.0; // one frame at 60 frames a second
const LPARAM kFirstDown = 0x00000001;         // bit 30 clear: first key-down of a press
const LPARAM kRelease = (LPARAM)0xC0000001;   // bits 30 and 31 set
const char kModelName[] = "Bench Trainer";
const char kMakerCaption[] = "KestrelFieldWorks";

struct Options {
    unsigned samples = 301;       // timed batches per measurement
    double batchSeconds = 0.0004; // least length of one timed batch of short calls
    unsigned inputRounds = 12;    // alternations of module and bare hook for real input
};
Options gOptions;

// ---- Timing ----

double gTicksPerMicro = 0.0;

double NowMicros() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)now.QuadPart / gTicksPerMicro;
}

// One thing to time: `prepare` runs untimed before each batch, `op` `batch` times inside it.
struct Timed {
    std::function<void()> op;
    std::function<void()> prepare;
    unsigned batch = 0; // 0: chosen from a trial run
};

double TimeBatch(Timed& timed) {
    if (timed.prepare) {
        timed.prepare();
    }
    double start = NowMicros();
    for (unsigned i = 0; i < timed.batch; i++) {
        timed.op();
    }
    return (NowMicros() - start) / timed.batch;
}

void Calibrate(Timed& timed) {
    if (timed.batch != 0) {
        return;
    }
    timed.batch = 1;
    TimeBatch(timed); // warm-up
    double once = TimeBatch(timed);
    timed.batch = bench::BatchSize(once / 1e6, gOptions.batchSeconds, 20000);
}

// Times each of `items` `samples` times, alternating; result[k] holds item k's timings
// (microseconds per call).
std::vector<std::vector<double> > Alternate(std::vector<Timed*> items, unsigned samples) {
    for (Timed* item : items) {
        Calibrate(*item);
    }
    std::vector<std::vector<double> > results(items.size());
    for (unsigned s = 0; s < samples; s++) {
        // Alternate the order too, so that neither item always runs second.
        for (size_t k = 0; k < items.size(); k++) {
            size_t which = (s % 2 == 0) ? k : items.size() - 1 - k;
            results[which].push_back(TimeBatch(*items[which]));
        }
    }
    return results;
}

// ---- The table ----

struct Row {
    std::string name;
    Summary measured;
    std::string floorName;
    Summary floor;
    double limit; // 0: no target
    std::string note;
};
std::vector<Row> gRows;
std::vector<std::string> gNotes;

Summary NoSummary() {
    Summary summary = {NAN, NAN, NAN, 0};
    return summary;
}

void AddRow(const std::string& name, const std::vector<double>& measured, const std::string& floorName,
            const std::vector<double>& floor, double limit, const std::string& note = "") {
    Row row;
    row.name = name;
    row.measured = bench::Summarise(measured);
    row.floorName = floorName;
    row.floor = floor.empty() ? NoSummary() : bench::Summarise(floor);
    row.limit = limit;
    row.note = note;
    gRows.push_back(row);
}

std::string Micros(double value) {
    char text[32];
    if (isnan(value)) {
        snprintf(text, sizeof(text), "-");
    } else if (fabs(value) >= 100.0) {
        snprintf(text, sizeof(text), "%.0f", value);
    } else if (fabs(value) >= 10.0) {
        snprintf(text, sizeof(text), "%.1f", value);
    } else {
        snprintf(text, sizeof(text), "%.2f", value);
    }
    return text;
}

std::string Spread(const Summary& summary) {
    if (summary.count == 0) {
        return "-";
    }
    return Micros(summary.p10) + " .. " + Micros(summary.p90);
}

// Prints the table as Markdown, so that it can be pasted as it is; false if a target failed.
bool PrintTable() {
    bool allMet = true;
    printf("| Measurement | median us | p10 .. p90 us | Floor or reference | median us | p10 .. p90 us "
           "| Ratio | Target | Frame share |\n");
    printf("|---|---:|---:|---|---:|---:|---:|---|---:|\n");
    for (const Row& row : gRows) {
        double ratio = bench::Ratio(row.measured.median, row.floor.median);
        char ratioText[32];
        if (isnan(ratio)) {
            snprintf(ratioText, sizeof(ratioText), "-");
        } else {
            snprintf(ratioText, sizeof(ratioText), ratio < 0.095 ? "%.4fx" : "%.2fx", ratio);
        }
        std::string target = "-";
        if (row.limit > 0.0) {
            bool met = bench::MeetsLimit(ratio, row.limit);
            allMet = allMet && met;
            char text[48];
            snprintf(text, sizeof(text), "<= %.1fx %s", row.limit, met ? "met" : "MISSED");
            target = text;
        }
        char frame[32];
        snprintf(frame, sizeof(frame), "%.3f%%", row.measured.median / kFrameMicros * 100.0);
        printf("| %s%s | %s | %s | %s | %s | %s | %s | %s | %s |\n", row.name.c_str(),
               row.note.empty() ? "" : (" (" + row.note + ")").c_str(), Micros(row.measured.median).c_str(),
               Spread(row.measured).c_str(), row.floorName.c_str(), Micros(row.floor.median).c_str(),
               Spread(row.floor).c_str(), ratioText, target.c_str(), frame);
    }
    return allMet;
}

// ---- Floors ----

HHOOK gBareHook = nullptr;
WNDPROC gBareHostProc = nullptr;

// A hook that does nothing but pass the keystroke on: the least any keyboard hook costs.
LRESULT CALLBACK BareHookProc(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(gBareHook, code, wParam, lParam);
}

// A subclass procedure that does nothing but pass the message on to the host's.
LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(gBareHostProc, window, message, wParam, lParam);
}

LRESULT CALLBACK NullWindowProc(HWND, UINT, WPARAM, LPARAM) {
    return 0;
}

// Sets the thread's key state so that exactly `held` keys are down.
void HoldKeys(const std::vector<int>& held) {
    BYTE state[256] = {};
    for (int key : held) {
        state[key] = 0x80;
    }
    SetKeyboardState(state);
}

bool gFailed = false;

void Fail(const char* what) {
    fprintf(stderr, "benchmark: %s\n", what);
    gFailed = true;
}

// ---- The keyboard hook, called directly ----

void MeasureHookCalls() {
    gHostHandles.keyboardHook = nullptr;
    gBareHook = nullptr;
    HoldKeys({});
    // Half a second of server calls first: the first ones after start-up run slow.
    for (double until = NowMicros() + 500000.0; NowMicros() < until;) {
        BareHookProc(HC_ACTION, 'A', kRelease);
    }

    // The module's result must be the bare hook's: both pass the keystroke on.
    if (KeyboardHookProc(HC_ACTION, 'A', kRelease) != BareHookProc(HC_ACTION, 'A', kRelease) ||
        KeyboardHookProc(HC_ACTION, '1', kRelease) != BareHookProc(HC_ACTION, '1', kRelease)) {
        Fail("a keystroke that is no command was not passed on like the bare hook passes it");
    }

    struct Case {
        const char* name;
        WPARAM key;
        LPARAM flags;
        const char* note;
    };
    const Case cases[] = {
        {"Keystroke, no command: A pressed (hook procedure)", 'A', kFirstDown, ""},
        {"Keystroke, no command: A released (hook procedure)", 'A', kRelease, ""},
        {"Command key 1 released without Ctrl+Shift: six key states read, passed on (hook procedure)", '1',
         kRelease, ""},
    };
    for (const Case& c : cases) {
        WPARAM key = c.key;
        LPARAM flags = c.flags;
        Timed module;
        module.op = [key, flags] { KeyboardHookProc(HC_ACTION, key, flags); };
        Timed bare;
        bare.op = [key, flags] { BareHookProc(HC_ACTION, key, flags); };
        std::vector<std::vector<double> > t = Alternate({&module, &bare}, gOptions.samples);
        AddRow(c.name, t[0], "bare hook (CallNextHookEx only)", t[1], c.key == 'A' ? 1.2 : 0.0, c.note);
    }

    // A command keystroke: Ctrl+Shift+Alt+0 released runs the re-acquire command, the
    // cheapest one (one host call). Its decoding is the hook's time less the command's.
    HoldKeys({VK_LSHIFT, VK_LCONTROL, VK_LMENU, VK_SHIFT, VK_CONTROL, VK_MENU});
    SimClearCalls();
    if (KeyboardHookProc(HC_ACTION, '0', kRelease) != 1 || SimCallsOf(kCallGetUserAircraft).size() != 1) {
        Fail("Ctrl+Shift+Alt+0 did not run the re-acquire command");
    }
    Timed hook;
    hook.op = [] { KeyboardHookProc(HC_ACTION, '0', kRelease); };
    hook.prepare = [] { SimClearCalls(); };
    Timed command;
    command.op = [] { ReacquireUserAircraft(); };
    command.prepare = [] { SimClearCalls(); };
    Timed bare;
    bare.op = [] { BareHookProc(HC_ACTION, '0', kRelease); };
    command.batch = 0;
    Calibrate(hook);
    command.batch = hook.batch;
    std::vector<std::vector<double> > t = Alternate({&hook, &command, &bare}, gOptions.samples);
    AddRow("Command keystroke Ctrl+Shift+Alt+0: decoding only (hook less its command)",
           bench::PairedDifferences(t[0], t[1]), "bare hook (CallNextHookEx only)", t[2], 0.0);
    HoldKeys({});
    SimClearCalls();
}

// ---- The main-window procedure ----

bool MenuBarHasModuleEntry(HWND window) {
    HMENU bar = GetMenu(window);
    int count = bar ? GetMenuItemCount(bar) : 0;
    for (int i = 0; i < count; i++) {
        char caption[128] = "";
        GetMenuStringA(bar, (UINT)i, caption, sizeof(caption), MF_BYPOSITION);
        if (strcmp(caption, kMakerCaption) == 0) {
            return true;
        }
    }
    return false;
}

int MenuBarCount(HWND window) {
    HMENU bar = GetMenu(window);
    return bar ? GetMenuItemCount(bar) : 0;
}

// The real DLL's MainWindowProc (in front of the host's) against the host's procedure.
void MeasureNonClientPaint(HWND window, WNDPROC hostProc, const std::string& dllPath) {
    SimModule module = {};
    if (!SimLoadModule(dllPath.c_str(), &module)) {
        Fail("the module could not be loaded into the stand-in host");
        return;
    }
    WNDPROC moduleProc = (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC);
    if (moduleProc == hostProc) {
        Fail("the module did not put its procedure in front of the host's");
    }
    SendMessageA(window, WM_NCPAINT, 1, 0); // the first paint adds the menu
    int entries = MenuBarCount(window);
    std::string note;
    if (!MenuBarHasModuleEntry(window)) {
        note = "no menu added: the procedure only passes messages on";
        gNotes.push_back("MainWindowProc added no menu entry; the paint row measures a pass-through.");
    }
    Timed withModule;
    withModule.op = [window, moduleProc] { CallWindowProcA(moduleProc, window, WM_NCPAINT, 1, 0); };
    Timed hostOnly;
    hostOnly.op = [window, hostProc] { CallWindowProcA(hostProc, window, WM_NCPAINT, 1, 0); };
    std::vector<std::vector<double> > t = Alternate({&withModule, &hostOnly}, gOptions.samples);
    if (MenuBarCount(window) != entries) {
        Fail("repeated non-client paints changed the menu bar");
    }
    AddRow("WM_NCPAINT through MainWindowProc, menu present (real DLL)", t[0], "host's own procedure alone", t[1],
           1.5, note);
    SimUnloadModule(&module);
    if ((WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC) != hostProc) {
        Fail("the unloaded module left its procedure in front of the host's");
        SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)hostProc);
    }

    // The menu search alone: the linked module code in front of a procedure that does nothing.
    gHostHandles.previousWindowProc = NullWindowProc;
    MainWindowProc(window, WM_NCPAINT, 1, 0);
    Timed search;
    search.op = [window] { MainWindowProc(window, WM_NCPAINT, 1, 0); };
    Timed nothing;
    nothing.op = [window] { NullWindowProc(window, WM_NCPAINT, 1, 0); };
    t = Alternate({&search, &nothing, &hostOnly}, gOptions.samples);
    AddRow("Menu search alone (MainWindowProc in front of an empty procedure)",
           bench::PairedDifferences(t[0], t[1]), "host's own procedure alone", t[2], 0.0);
    gHostHandles.previousWindowProc = nullptr;
}

// ---- Keystrokes through the system, the real DLL loaded ----

// Types A (down and up) with SendInput and runs the host's message loop until the host
// window has seen both keystrokes; false when they did not arrive within a second.
bool TypeAndDeliver() {
    size_t before = SimWindowKeys().size();
    SimSendKey('A', true);
    SimSendKey('A', false);
    DWORD start = GetTickCount();
    while (SimWindowKeys().size() < before + 2) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (GetTickCount() - start > 1000) {
            return false;
        }
    }
    return true;
}

void MeasureRealInput(HWND window, WNDPROC hostProc, const std::string& dllPath) {
    SetForegroundWindow(window);
    SetFocus(window);
    SimPumpMessages(50);
    bool lost = false;
    Timed typing;
    typing.op = [&lost] {
        if (!TypeAndDeliver()) {
            lost = true;
        }
    };
    typing.prepare = [] { SimClearWindowKeys(); };
    typing.batch = 4;

    std::vector<double> withModule;
    std::vector<double> withBare;
    unsigned perRound = gOptions.samples / gOptions.inputRounds + 1;
    for (unsigned round = 0; round < gOptions.inputRounds && !lost; round++) {
        for (int half = 0; half < 2; half++) {
            bool moduleNow = (round % 2 == 0) == (half == 0);
            SimModule module = {};
            if (moduleNow) {
                if (!SimLoadModule(dllPath.c_str(), &module)) {
                    Fail("the module could not be loaded into the stand-in host");
                    return;
                }
            } else {
                gBareHostProc = hostProc;
                SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)BareWindowProc);
                gBareHook = SetWindowsHookExA(WH_KEYBOARD, BareHookProc, nullptr, GetCurrentThreadId());
            }
            SimPumpMessages(20);
            TimeBatch(typing); // warm-up
            for (unsigned s = 0; s < perRound; s++) {
                (moduleNow ? withModule : withBare).push_back(TimeBatch(typing) / 2.0);
            }
            if (moduleNow) {
                SimUnloadModule(&module);
            } else {
                UnhookWindowsHookEx(gBareHook);
                gBareHook = nullptr;
                SetWindowLongPtrA(window, GWLP_WNDPROC, (LONG_PTR)hostProc);
            }
        }
    }
    if (lost) {
        Fail("typed keystrokes did not reach the host window (is the window in the foreground?)");
        return;
    }
    AddRow("Keystroke, no command, typed with SendInput to the host window (real DLL)", withModule,
           "bare hook and bare subclass", withBare, 1.2);
}

// ---- Commands, with the stand-in host and a configuration file ----

std::string gScratch;
std::string gPreviousDirectory;

// A scratch simulator folder, made current, with the bench aircraft's configuration file.
bool MakeScratchFolder() {
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(sizeof(buffer), buffer);
    gPreviousDirectory = buffer;
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    snprintf(buffer, sizeof(buffer), "%skfws-bench-%lu", temp, (unsigned long)GetCurrentProcessId());
    gScratch = buffer;
    SimRemoveTree(gScratch);
    CreateDirectoryA(gScratch.c_str(), nullptr);
    if (!SetCurrentDirectoryA(gScratch.c_str())) {
        return false;
    }
    CreateDirectoryA("Modules", nullptr);
    CreateDirectoryA(kMakerFolder, nullptr);
    CreateDirectoryA(kProductFolder, nullptr);
    char path[kConfigPathSize];
    if (!ConfigFilePath(kModelName, path)) {
        return false;
    }
    // Paratroopers, two streams, side and rear exits, simulator realism, effects on.
    const char* values[][2] = {
        {kKeyVariant, "1"},     {kKeyNumber, "12"},    {kKeyMethod, "2"},     {kKeyType, "3"},
        {kKeyRealism, "1"},     {kKeyVisual, "1"},     {kKeyLeftX, "-1.0"},   {kKeyLeftY, "0.5"},
        {kKeyLeftZ, "2.0"},     {kKeyDownX, "0.0"},    {kKeyDownY, "-0.5"},   {kKeyDownZ, "-6.0"},
    };
    for (const auto& value : values) {
        WriteConfigValue(path, value[0], value[1]);
    }
    return true;
}

void RemoveScratchFolder() {
    SetCurrentDirectoryA(gPreviousDirectory.c_str());
    SimRemoveTree(gScratch);
}

void ResetDropState() {
    memset(&gAirdropState, 0, sizeof(gAirdropState));
    SimClearCalls();
}

void MeasureCommands(HWND window) {
    if (!MakeScratchFolder()) {
        Fail("the scratch simulator folder could not be made");
        return;
    }
    gHostHandles.mainWindow = window;
    char path[kConfigPathSize];
    ConfigFilePath(kModelName, path);
    static char value[kConfigValueSize];
    Timed oneRead;
    oneRead.op = [&path] { ReadConfigValue(path, kKeyVariant, value); };

    // The load command, from idle each time (the state as at module load).
    ResetDropState();
    LoadAircraft();
    std::string loadNote;
    if (!gAirdropState.loaded) {
        loadNote = "refused or not built: the aircraft was not loaded";
        gNotes.push_back("LoadAircraft did not load the bench aircraft; its row measures what exists.");
    }
    Timed load;
    load.op = [] { LoadAircraft(); };
    load.prepare = [] { ResetDropState(); };
    load.batch = 1;

    // The status report.
    SimClearCalls();
    ShowStatusReport();
    std::string reportNote;
    if (SimShownTexts().empty()) {
        reportNote = "not built: nothing shown";
        gNotes.push_back("ShowStatusReport showed nothing; its row measures what exists.");
    }
    Timed report;
    report.op = [] { ShowStatusReport(); };
    report.prepare = [] { SimClearCalls(); };
    report.batch = 1;

    // One tick of a paratroop drop with effects on: one paratrooper off, message, payload, pulse.
    auto startDrop = [window] {
        ResetDropState();
        gAirdropState.userAircraft = AcquireUserAircraft();
        gAirdropState.loaded = 1;
        gAirdropState.working = 1;
        gAirdropState.config.variant = kVariantParatroopers;
        gAirdropState.config.method = kMethodOneStream;
        gAirdropState.config.visual = 1;
        gAirdropState.config.number = 1000000;
        gAirdropState.paratroopersLeft = 1000000;
        gAirdropState.remainingWeight = 1000000 * kPoundsPerParatrooper;
        gAirdropState.dropTimer = kDropTimerId;
        (void)window;
    };
    startDrop();
    UnloadTick(window, WM_TIMER, kDropTimerId, 0);
    std::string tickNote;
    if (gAirdropState.paratroopersLeft != 999999) {
        tickNote = "not built: no paratrooper left the aircraft";
        gNotes.push_back("UnloadTick took nobody off; its row measures what exists.");
    }
    Timed tick;
    tick.op = [window] { UnloadTick(window, WM_TIMER, kDropTimerId, 0); };
    tick.prepare = [startDrop] { startDrop(); };
    tick.batch = 1;

    std::vector<std::vector<double> > t = Alternate({&load, &report, &tick, &oneRead}, gOptions.samples);
    AddRow("Load command Ctrl+Shift+1 (12 configuration reads)", t[0], "one configuration value read", t[3], 0.0,
           loadNote);
    AddRow("Status report Ctrl+Shift+9 (6 configuration reads)", t[1], "one configuration value read", t[3], 0.0,
           reportNote);
    AddRow("One drop tick: paratrooper off, message, payload, effect pulse", t[2], "one configuration value read",
           t[3], 0.0, tickNote);

    ResetDropState();
    gHostHandles.mainWindow = nullptr;
    RemoveScratchFolder();
}

std::string ModuleDllPath() {
    char buffer[MAX_PATH];
    GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
    std::string path = buffer;
    size_t slash = path.find_last_of("\\/");
    return path.substr(0, slash + 1) + "KFWS_Airdrop.dll";
}

bool ParseOptions(int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--samples") == 0 && i + 1 < argc) {
            int samples = atoi(argv[++i]);
            if (samples < 11) {
                fprintf(stderr, "benchmark: --samples needs at least 11\n");
                return false;
            }
            gOptions.samples = (unsigned)samples;
        } else {
            fprintf(stderr, "usage: %s [--samples N]\n", argv[0]);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (!ParseOptions(argc, argv)) {
        return 2;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    gTicksPerMicro = (double)frequency.QuadPart / 1e6;
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);

    std::string dllPath = ModuleDllPath();
    if (GetFileAttributesA(dllPath.c_str()) == INVALID_FILE_ATTRIBUTES) {
        fprintf(stderr, "benchmark: %s not found\n", dllPath.c_str());
        return 2;
    }

    // The stand-in host, bound to the module code linked in here, with one user aircraft.
    SimBindServices(ImportTable);
    SimAircraftSpec spec;
    spec.atcModel = kModelName;
    spec.stations = 4;
    spec.onGround = true;
    spec.parkingBrake = true;
    spec.slots = {{"fx_host_a.fx", 1.0, 2.0, 3.0},
                  {"fx_host_b.fx", 4.0, 5.0, 6.0},
                  {"fx_host_c.fx", 7.0, 8.0, 9.0},
                  {"fx_host_d.fx", 10.0, 11.0, 12.0}};
    SimAircraft* aircraft = SimCreateAircraft(spec);
    SimSetUserAircraft(aircraft);
    HWND window = SimCreateMainWindow(true);
    WNDPROC hostProc = (WNDPROC)GetWindowLongPtrA(window, GWLP_WNDPROC);
    SimPumpMessages(100);

    double started = NowMicros();
    MeasureHookCalls();
    MeasureRealInput(window, hostProc, dllPath);
    MeasureNonClientPaint(window, hostProc, dllPath);
    MeasureCommands(window);
    double seconds = (NowMicros() - started) / 1e6;

    printf("KFWS_Airdrop benchmark: %u samples per row, median and 10th..90th percentile in microseconds "
           "per operation (%.1f s)\n\n",
           gOptions.samples, seconds);
    bool met = PrintTable();
    printf("\nFrame share: the median as a share of one frame at 60 frames a second (%.0f us).\n", kFrameMicros);
    for (const std::string& note : gNotes) {
        printf("Note: %s\n", note.c_str());
    }
    printf("%s\n", met ? "Timing targets: all met." : "Timing targets: MISSED.");

    SimDestroyMainWindow();
    SimSetUserAircraft(nullptr);
    SimDestroyAircraft(aircraft);
    SimUnbindServices(ImportTable);
    if (gFailed) {
        return 1;
    }
    return met ? 0 : 1;
}
