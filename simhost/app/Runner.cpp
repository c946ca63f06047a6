#include "simhost/app/Runner.h"

#include <windows.h>

#include <math.h>
#include <string.h>

#include <map>

#include "simhost/SimHost.h"
#include "simhost/app/Bench.h"
#include "simhost/lib/SimPicture.h"
#include "simhost/lib/SimText.h"

namespace {

const DWORD kSettleTimeout = 3000;

struct RunnerState {
    RunnerOptions options;
    int failures = 0;
    int expectations = 0;
    bool broken = false;     // a step could not be carried out
    size_t lastFirstCall = 0; // host calls of the last acting step: [first, end)
    size_t lastEndCall = 0;
    WORD lastKey = 0;
    std::string dialogText;
    std::map<std::string, std::string> configs; // path -> content last printed ("\x01" none)
};

RunnerState& Runner() {
    static RunnerState state;
    return state;
}

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

std::string Cp1251(const std::string& utf8) {
    std::string text;
    SimUtf8ToCp1251(utf8, &text);
    return text;
}

void Fail(const std::string& why) {
    RunnerEmit("  FAILED: " + why);
    Runner().failures++;
}

void Broken(const std::string& why) {
    RunnerEmit("  ERROR: " + why);
    Runner().broken = true;
}

void FlushObservations() {
    std::vector<std::string> lines;
    BenchRunOnUi([&] { lines = BenchTakeObservations(); });
    for (const std::string& line : lines) {
        RunnerEmit("  " + line);
    }
}

// On the user-interface thread: a dialog control by name, id or caption.
HWND FindControl(HWND dialog, const std::string& name) {
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
        if (BenchWindowTextUtf8(child) == name) {
            return child;
        }
    }
    return nullptr;
}

bool WaitUntil(LONG (*counter)(void), LONG target) {
    DWORD start = GetTickCount();
    while (counter() < target) {
        if (GetTickCount() - start > kSettleTimeout) {
            return false;
        }
        Sleep(5);
    }
    return true;
}

void Settle() {
    BenchSyncPosted(kSettleTimeout);
    BenchRunOnUi([] {});
}

// A real click of the left mouse button at a screen point.
bool ClickAt(POINT point) {
    int width = GetSystemMetrics(SM_CXSCREEN);
    int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = (point.x * 65536 + width - 1) / width;
        input.mi.dy = (point.y * 65536 + height - 1) / height;
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    LONG before = BenchMouseUpsSeen();
    SendInput(1, &inputs[0], sizeof(INPUT));
    Sleep(30);
    SendInput(2, &inputs[1], sizeof(INPUT));
    bool seen = WaitUntil(BenchMouseUpsSeen, before + 1);
    Settle();
    return seen;
}

// Clicks a control of the open dialog (or of the open message box when `inBox`).
bool ClickControl(const std::string& name, bool inBox) {
    POINT centre = {0, 0};
    std::string why;
    BenchRunOnUi([&] {
        HWND owner = inBox ? BenchMessageBox() : BenchConfigDialog();
        if (!owner) {
            why = inBox ? "no message box is open" : "the configuration dialog is not open";
            return;
        }
        HWND control = inBox ? GetDlgItem(owner, IDOK) : FindControl(owner, name);
        if (!control) {
            why = "no control '" + name + "'";
            return;
        }
        RECT box;
        GetWindowRect(control, &box);
        centre.x = (box.left + box.right) / 2;
        centre.y = (box.top + box.bottom) / 2;
    });
    if (!why.empty()) {
        Broken(why);
        return false;
    }
    if (!ClickAt(centre)) {
        Broken("the click did not reach the host");
        return false;
    }
    return true;
}

int SendKeys(const std::vector<std::pair<WORD, bool> >& keys) {
    for (const std::pair<WORD, bool>& key : keys) {
        SimSendKey(key.first, key.second);
    }
    return (int)keys.size();
}

bool Type(const std::string& controlName, const std::string& text) {
    if (!ClickControl(controlName, false)) {
        return false;
    }
    BenchRunOnUi([&] {
        HWND control = FindControl(BenchConfigDialog(), controlName);
        SendMessageA(control, EM_SETSEL, 0, -1);
    });
    std::wstring wide = SimCp1251ToWide(Cp1251(text));
    LONG before = BenchKeyEventsSeen();
    int sent = 0;
    if (wide.empty()) {
        sent += SendKeys({{VK_DELETE, true}, {VK_DELETE, false}});
    }
    for (wchar_t c : wide) {
        WORD key = 0;
        bool shift = false;
        if ((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z')) {
            key = (WORD)towupper(c);
        } else if (c >= L'A' && c <= L'Z') {
            key = (WORD)c;
            shift = true;
        } else if (c == L'-') {
            key = VK_OEM_MINUS;
        } else if (c == L'.') {
            key = VK_OEM_PERIOD;
        } else if (c == L' ') {
            key = VK_SPACE;
        }
        if (key) {
            if (shift) {
                sent += SendKeys({{VK_LSHIFT, true}});
            }
            sent += SendKeys({{key, true}, {key, false}});
            if (shift) {
                sent += SendKeys({{VK_LSHIFT, false}});
            }
        } else {
            INPUT input[2] = {};
            for (int i = 0; i < 2; i++) {
                input[i].type = INPUT_KEYBOARD;
                input[i].ki.wScan = c;
                input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, input, sizeof(INPUT));
            sent += 2;
        }
    }
    bool seen = WaitUntil(BenchKeyEventsSeen, before + sent);
    Settle();
    if (!seen) {
        Broken("the keystrokes did not reach the host");
    }
    return seen;
}

bool PressChord(const SimChord& chord, int repeats) {
    BenchRunOnUi([] {
        HWND foreground = GetForegroundWindow();
        if (!foreground || GetWindowThreadProcessId(foreground, nullptr) != BenchUiThreadId()) {
            SetForegroundWindow(BenchMainWindow());
            SetFocus(BenchMainWindow());
        }
        SimClearWindowKeys();
    });
    LONG before = BenchKeyEventsSeen();
    std::vector<std::pair<WORD, bool> > keys;
    for (WORD modifier : chord.modifiers) {
        keys.push_back({modifier, true});
    }
    keys.push_back({chord.key, true});
    for (int i = 0; i < repeats; i++) {
        keys.push_back({chord.key, true});
    }
    keys.push_back({chord.key, false});
    for (size_t i = chord.modifiers.size(); i-- > 0;) {
        keys.push_back({chord.modifiers[i], false});
    }
    int sent = SendKeys(keys);
    bool seen = WaitUntil(BenchKeyEventsSeen, before + sent);
    Settle();
    Runner().lastKey = chord.key;
    if (!seen) {
        Broken("the keystrokes did not reach the host");
    }
    return seen;
}

std::string ReadFileText(const std::string& path, bool* exists) {
    std::wstring wide = SimCp1251ToWide(path);
    FILE* file = _wfopen(wide.c_str(), L"rb");
    *exists = file != nullptr;
    if (!file) {
        return "";
    }
    std::string text;
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof(chunk), file)) > 0) {
        text.append(chunk, got);
    }
    fclose(file);
    return text;
}

void PrintConfigFile(const std::string& path, const std::string& content, bool exists) {
    std::string shown = SimCp1251ToUtf8(path);
    if (!exists) {
        RunnerEmit("  configuration file " + shown + ": none");
        return;
    }
    RunnerEmit("  configuration file " + shown + ":");
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        std::string line = content.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        RunnerEmit("    " + SimCp1251ToUtf8(line));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    if (content.empty()) {
        RunnerEmit("    (empty)");
    }
}

// Prints the current aircraft's configuration file when it differs from what was printed.
void ReportConfigChange(bool always) {
    std::string path;
    BenchRunOnUi([&] { path = BenchConfigPath(); });
    bool exists = false;
    std::string content = ReadFileText(path, &exists);
    std::string key = exists ? content : std::string("\x01");
    std::map<std::string, std::string>& known = Runner().configs;
    if (always || known.find(path) == known.end() || known[path] != key) {
        if (always || known.find(path) != known.end() || exists) {
            PrintConfigFile(path, content, exists);
        }
        known[path] = key;
    }
}

// On the user-interface thread: the dialog's controls in one compact picture.
std::string DescribeDialog(HWND dialog) {
    if (!dialog) {
        return "";
    }
    auto mark = [&](int id, bool radio) {
        HWND control = GetDlgItem(dialog, id);
        bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        std::string text = radio ? (checked ? "(•)" : "( )") : (checked ? "[x]" : "[ ]");
        text += BenchWindowTextUtf8(control);
        if (!IsWindowEnabled(control)) {
            text += "✗";
        }
        return text;
    };
    auto field = [&](int id) {
        HWND control = GetDlgItem(dialog, id);
        std::string text = "«" + BenchWindowTextUtf8(control) + "»";
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
             " | button «" + BenchWindowTextUtf8(button) + "» " + (IsWindowEnabled(button) ? "enabled" : "disabled");
    return lines;
}

void ReportDialogChange() {
    std::string text;
    BenchRunOnUi([&] { text = DescribeDialog(BenchConfigDialog()); });
    if (text != Runner().dialogText) {
        Runner().dialogText = text;
        if (!text.empty()) {
            RunnerEmit(text);
            RunnerEmit("          (✗ disabled)");
        }
    }
}

std::string Resolve(const std::string& path, const std::string& base) {
    if (path.size() > 1 && (path[0] == '/' || path[0] == '\\' || path[1] == ':')) {
        return path;
    }
    return base + path;
}

// ---- Expectations, checked on the user-interface thread ----

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

// Returns "" when the expectation holds, otherwise what was found instead.
std::string Check(const SimScriptStep& step) {
    const std::vector<std::string>& a = step.args;
    const std::string& what = a[0];
    RunnerState& r = Runner();
    std::vector<HostCall> calls(SimCalls().begin() + (long)std::min(r.lastFirstCall, SimCalls().size()),
                                SimCalls().begin() + (long)std::min(r.lastEndCall, SimCalls().size()));
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
            const SimSlotSpec& spec = BenchAircraftFile().spec.slots[k];
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
        bool open = BenchConfigDialog() != nullptr;
        if (a[1] != "open" && a[1] != "closed") {
            return "write: expect dialog open|closed";
        }
        int count = BenchConfigDialogCount();
        if (count > 1) {
            return std::to_string(count) + " configuration dialogs are open";
        }
        return open == (a[1] == "open") ? "" : std::string("the dialog is ") + (open ? "open" : "closed");
    }
    if (what == "control") {
        HWND dialog = BenchConfigDialog();
        HWND control = dialog ? FindControl(dialog, a[1]) : nullptr;
        if (!control) {
            return "no control '" + a[1] + "' in an open dialog";
        }
        const std::string& state = a[2];
        bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        bool enabled = IsWindowEnabled(control) != 0;
        std::string text = BenchWindowTextUtf8(control);
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
        std::string path = BenchConfigPath();
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
        ReadFileText(BenchConfigPath(), &exists);
        if (a[1] != "present" && a[1] != "absent") {
            return "write: expect config-file present|absent";
        }
        return exists == (a[1] == "present") ? "" : std::string("the file is ") + (exists ? "present" : "absent");
    }
    if (what == "messagebox") {
        HWND box = BenchMessageBox();
        if (!box) {
            return "no message box is open";
        }
        std::string text = BenchMessageBoxText(box);
        return text == a[1] ? "" : "the message box says " + Quote(text);
    }
    if (what == "menu") {
        std::vector<std::string> path = SimSplitMenuPath(a, 1);
        HMENU menu = GetMenu(BenchMainWindow());
        for (size_t level = 0; level < path.size(); level++) {
            int count = menu ? GetMenuItemCount(menu) : 0;
            int found = -1;
            for (int i = 0; i < count; i++) {
                char caption[256] = "";
                GetMenuStringA(menu, (UINT)i, caption, sizeof(caption), MF_BYPOSITION);
                if (Cp1251(path[level]) == caption) {
                    found = i;
                    break;
                }
            }
            if (found < 0) {
                return "no menu entry " + Quote(path[level]);
            }
            if (level + 1 < path.size()) {
                menu = GetSubMenu(menu, found);
            }
        }
        return "";
    }
    if (what == "swallowed" || what == "passed-on") {
        bool seen = false;
        for (const SimKeyMessage& key : SimWindowKeys()) {
            if ((key.message == WM_KEYUP || key.message == WM_SYSKEYUP) && key.virtualKey == r.lastKey) {
                seen = true;
            }
        }
        bool wanted = what == "passed-on";
        return seen == wanted ? "" : std::string("the key's release ") + (seen ? "reached" : "did not reach") + " the host window";
    }
    return "unknown expectation";
}

// Finds a menu item by its captions and returns its command id, or -1.
int FindMenuCommand(const std::vector<std::string>& path) {
    HMENU menu = GetMenu(BenchMainWindow());
    for (size_t level = 0; level < path.size() && menu; level++) {
        int count = GetMenuItemCount(menu);
        for (int i = 0; i < count; i++) {
            char caption[256] = "";
            GetMenuStringA(menu, (UINT)i, caption, sizeof(caption), MF_BYPOSITION);
            if (Cp1251(path[level]) != caption) {
                continue;
            }
            if (level + 1 == path.size()) {
                return GetSubMenu(menu, i) ? -1 : (int)GetMenuItemID(menu, i);
            }
            menu = GetSubMenu(menu, i);
            break;
        }
    }
    return -1;
}

void RunStep(const SimScriptStep& step) {
    RunnerState& r = Runner();
    const std::vector<std::string>& a = step.args;
    const std::string& verb = step.verb;
    if (verb == "key") {
        SimChord chord;
        std::string why;
        SimParseChord(a[0], &chord, &why);
        PressChord(chord, a.size() == 3 ? atoi(a[2].c_str()) : 0);
    } else if (verb == "wait") {
        double seconds = 0;
        SimParseNumber(a[0], &seconds);
        Sleep((DWORD)(seconds * 1000.0 + 0.5));
        Settle();
    } else if (verb == "menu") {
        std::vector<std::string> path = SimSplitMenuPath(a, 0);
        int command = -1;
        BenchRunOnUi([&] {
            command = FindMenuCommand(path);
            if (command >= 0) {
                // What choosing the item does: the command goes to the host window.
                PostMessageA(BenchMainWindow(), WM_COMMAND, MAKEWPARAM((WORD)command, 0), 0);
            }
        });
        if (command < 0) {
            Broken("no such menu item");
            return;
        }
        Settle();
    } else if (verb == "click") {
        ClickControl(a[0], false);
    } else if (verb == "press") {
        ClickControl("button", false);
    } else if (verb == "type") {
        Type(a[0], a[1]);
    } else if (verb == "close-dialog") {
        bool open = true;
        BenchRunOnUi([&] {
            HWND dialog = BenchConfigDialog();
            open = dialog != nullptr;
            if (open) {
                PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); // what the caption's close box sends
            }
        });
        if (!open) {
            Broken("the configuration dialog is not open");
        }
        Settle();
    } else if (verb == "ok") {
        ClickControl("OK", true);
    } else if (verb == "set" || verb == "lift-off" || verb == "land" || verb == "release-brake" || verb == "set-brake") {
        std::string what = verb == "set" ? a[0] : (verb == "lift-off" || verb == "land") ? "on_ground" : "parking_brake";
        std::string value = verb == "set" ? a[1] : (verb == "land" || verb == "set-brake") ? "yes" : "no";
        bool flag = false;
        double number = 0;
        if (what == "cg") {
            if (!SimParseNumber(value, &number)) {
                Broken("cg takes a number");
                return;
            }
            BenchRunOnUi([&] { BenchSetCentreOfGravity(number); });
        } else if (!SimParseFlagWord(value, &flag)) {
            Broken(what + " takes yes or no");
        } else if (what == "on_ground") {
            BenchRunOnUi([&] { BenchSetOnGround(flag); });
        } else {
            BenchRunOnUi([&] { BenchSetParkingBrake(flag); });
        }
    } else if (verb == "aircraft") {
        std::string path = Resolve(a[0], r.options.scriptDir);
        std::string why;
        bool ok = false;
        std::vector<std::string> lines;
        BenchRunOnUi([&] {
            ok = BenchUseAircraft(path, &why);
            if (ok) {
                const SimAircraftFile& file = BenchAircraftFile();
                lines.push_back("user aircraft now: " + file.title + ", atc_model \"" +
                                SimCp1251ToUtf8(file.spec.atcModel) + "\"");
                for (const std::string& line : BenchDescribeStations()) {
                    lines.push_back(line);
                }
                for (const std::string& line : BenchDescribeSlots()) {
                    lines.push_back(line);
                }
            }
        });
        if (!ok) {
            Broken(why);
        }
        for (const std::string& line : lines) {
            RunnerEmit("  " + line);
        }
    } else if (verb == "picture" || verb == "picture-dialog") {
        std::string path = r.options.outDir + a[0] + ".png";
        bool saved = false;
        // Repaint first and give the display a moment to show it all, then read the screen.
        BenchRunOnUi([&] {
            HWND window = verb == "picture" ? BenchMainWindow() : BenchConfigDialog();
            if (window) {
                RedrawWindow(window, nullptr, nullptr,
                             RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            }
        });
        Sleep(300);
        Settle();
        BenchRunOnUi([&] {
            HWND window = verb == "picture" ? BenchMainWindow() : BenchConfigDialog();
            saved = SimSaveWindowPicture(window, path, false);
        });
        if (saved) {
            RunnerEmit("  picture: " + a[0] + ".png");
        } else {
            Broken("cannot take the picture " + path);
        }
    } else if (verb == "show") {
        std::vector<std::string> lines;
        BenchRunOnUi([&] {
            const SimAircraftFile& file = BenchAircraftFile();
            lines.push_back("aircraft: " + file.title + ", atc_model \"" + SimCp1251ToUtf8(file.spec.atcModel) +
                            "\", " + (file.spec.onGround ? "on the ground" : "in the air") + ", parking brake " +
                            (file.spec.parkingBrake ? "set" : "released"));
            lines.push_back("screen: «" + SimCp1251ToUtf8(SimScreenText()) + "»");
            for (const std::string& line : BenchDescribeStations()) {
                lines.push_back(line);
            }
            for (const std::string& line : BenchDescribeSlots()) {
                lines.push_back(line);
            }
        });
        for (const std::string& line : lines) {
            RunnerEmit("  " + line);
        }
    } else if (verb == "config") {
        ReportConfigChange(true);
    } else if (verb == "edit-config") {
        BenchRunOnUi([&] {
            CreateDirectoryA("Modules", nullptr);
            CreateDirectoryA("Modules/KestrelFieldWorks", nullptr);
            CreateDirectoryA("Modules/KestrelFieldWorks/KFWS_Airdrop", nullptr);
            std::string path = BenchConfigPath();
            WritePrivateProfileStringA("General", a[0].c_str(), Cp1251(a[1]).c_str(), path.c_str());
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        });
    } else if (verb == "remove-config") {
        BenchRunOnUi([&] {
            std::string path = BenchConfigPath();
            DeleteFileA(path.c_str());
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
        });
    }
}

DWORD WINAPI RunnerThread(LPVOID) {
    RunnerState& r = Runner();
    {
        std::vector<std::string> lines;
        BenchRunOnUi([&] {
            const SimAircraftFile& file = BenchAircraftFile();
            lines.push_back("user aircraft: " + file.title + ", atc_model \"" + SimCp1251ToUtf8(file.spec.atcModel) +
                            "\", " + (file.spec.onGround ? "on the ground" : "in the air") + ", parking brake " +
                            (file.spec.parkingBrake ? "set" : "released") + ", centre of gravity " +
                            SimFormatNumber(file.centreOfGravity));
            for (const std::string& line : BenchDescribeStations()) {
                lines.push_back(line);
            }
            for (const std::string& line : BenchDescribeSlots()) {
                lines.push_back(line);
            }
        });
        for (const std::string& line : lines) {
            RunnerEmit(line);
        }
        FlushObservations();
        ReportConfigChange(false);
    }
    for (const SimScriptStep& step : r.options.steps) {
        if (r.broken) {
            break;
        }
        if (step.verb == "say") {
            std::string text;
            for (const std::string& word : step.args) {
                text += (text.empty() ? "" : " ") + word;
            }
            RunnerEmit("");
            RunnerEmit("# " + text);
            continue;
        }
        if (step.verb == "expect") {
            std::string found;
            r.expectations++;
            BenchRunOnUi([&] { found = Check(step); });
            if (found.empty()) {
                RunnerEmit("  ok: " + step.text);
            } else {
                Fail("line " + std::to_string(step.line) + ": " + step.text + " (" + found + ")");
            }
            continue;
        }
        FlushObservations();
        RunnerEmit("> " + step.text);
        BenchRunOnUi([&] { BenchBeginStep(); });
        RunStep(step);
        Settle();
        BenchRunOnUi([&] { r.lastFirstCall = BenchStepFirstCall(); r.lastEndCall = SimCalls().size(); });
        FlushObservations();
        ReportDialogChange();
        ReportConfigChange(false);
    }
    // A message box left open would hold the host's loop; close it as its OK button does.
    bool boxOpen = false;
    BenchRunOnUi([&] { boxOpen = BenchMessageBox() != nullptr; });
    if (boxOpen && !r.broken) {
        RunnerEmit("> ok (a message box was still open at the end)");
        ClickControl("OK", true);
        FlushObservations();
    }
    RunnerEmit("");
    if (r.broken) {
        RunnerEmit("scenario stopped: a step could not be carried out");
    }
    if (r.failures == 0 && !r.broken) {
        RunnerEmit("scenario passed: " + std::to_string(r.expectations) + " expectations held");
    } else {
        RunnerEmit("scenario FAILED: " + std::to_string(r.failures) + " of " + std::to_string(r.expectations) +
                   " expectations failed");
    }
    BenchQuit(r.broken ? 2 : r.failures ? 1 : 0);
    return 0;
}

} // namespace

void RunnerEmit(const std::string& line) {
    std::string text = line + "\n";
    fwrite(text.data(), 1, text.size(), stdout);
    fflush(stdout);
    FILE* transcript = Runner().options.transcript;
    if (transcript) {
        fwrite(text.data(), 1, text.size(), transcript);
        fflush(transcript);
    }
}

void RunnerStart(const RunnerOptions& options) {
    Runner().options = options;
    HANDLE thread = CreateThread(nullptr, 0, RunnerThread, nullptr, 0, nullptr);
    CloseHandle(thread);
}
