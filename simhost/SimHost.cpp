#include "simhost/SimHost.h"

#include <string.h>

#include "simhost/lib/AircraftCfg.h"

namespace {

struct HostState {
    std::vector<HostCall> calls;
    SimAircraft* userAircraft = nullptr;
    bool payloadSetterAvailable = true;
    double centreOfGravity = 0.0;
    std::function<void(int)> stationWeightHook;
    HWND mainWindow = nullptr;
    std::vector<SimKeyMessage> windowKeys;
    std::vector<WPARAM> windowCommands;
    std::string screen;
};

HostState& Host() {
    static HostState state;
    return state;
}

const size_t kServiceTableSize = 0x200;
unsigned char gEventTable[kServiceTableSize];
unsigned char gAircraftTable[kServiceTableSize];
unsigned char gTextTable[kServiceTableSize];

// The PayloadSetter object: its first field points to its operation table.
void* gSetterOperations[8];
struct PayloadSetterObject {
    void** operations;
} gPayloadSetter = {gSetterOperations};

void Record(const HostCall& call) {
    Host().calls.push_back(call);
}

HostCall NewCall(HostCallKind kind) {
    HostCall call;
    call.kind = kind;
    call.id = 0;
    call.args[0] = call.args[1] = call.args[2] = 0;
    call.weight = 0.0;
    call.object = nullptr;
    return call;
}

void* HOST_CALL HostGetUserAircraft(void) {
    Record(NewCall(kCallGetUserAircraft));
    SimAircraft* aircraft = Host().userAircraft;
    return aircraft ? aircraft->userAircraft.data() : nullptr;
}

void* HOST_CALL HostGetPayloadSetter(void) {
    Record(NewCall(kCallGetPayloadSetter));
    return Host().payloadSetterAvailable ? &gPayloadSetter : nullptr;
}

int HOST_CALL HostClearText(void) {
    Record(NewCall(kCallClearText));
    Host().screen.clear();
    return 0;
}

int HOST_CALL HostShowText(const char* text, int a, int b, int c) {
    HostCall call = NewCall(kCallShowText);
    call.text = text ? text : "";
    call.args[0] = a;
    call.args[1] = b;
    call.args[2] = c;
    Record(call);
    Host().screen = call.text;
    return 0;
}

int HOST_CALL HostTriggerEvent(unsigned eventId, unsigned value) {
    HostCall call = NewCall(kCallTriggerEvent);
    call.id = eventId;
    call.args[0] = (int)value;
    Record(call);
    return 0;
}

double HOST_CALL HostReadAircraftValue(int variable, int a, int b) {
    HostCall call = NewCall(kCallReadAircraftValue);
    call.id = (unsigned)variable;
    call.args[0] = a;
    call.args[1] = b;
    Record(call);
    return SimCentreOfGravity();
}

int HOST_CALL HostSetStationWeight(void* object, int a, int b, double weight, int station) {
    HostCall call = NewCall(kCallSetStationWeight);
    call.object = object;
    call.args[0] = a;
    call.args[1] = b;
    call.args[2] = station;
    call.weight = weight;
    Record(call);
    SimAircraft* aircraft = Host().userAircraft;
    if (aircraft && station >= 1) {
        if (aircraft->stationWeights.size() < (size_t)station) {
            aircraft->stationWeights.resize((size_t)station, 0.0);
        }
        aircraft->stationWeights[(size_t)station - 1] = weight;
    }
    if (Host().stationWeightHook) {
        Host().stationWeightHook(station);
    }
    return 0;
}

void PutOperation(unsigned char* table, size_t offset, void* function) {
    WriteHostPtr(table, offset, function);
}

struct TablesInit {
    TablesInit() {
        PutOperation(gAircraftTable, kOpGetUserAircraft, (void*)HostGetUserAircraft);
        PutOperation(gAircraftTable, kOpGetPayloadSetter, (void*)HostGetPayloadSetter);
        PutOperation(gTextTable, kOpClearText, (void*)HostClearText);
        PutOperation(gTextTable, kOpShowText, (void*)HostShowText);
        PutOperation(gEventTable, kOpTriggerEvent, (void*)HostTriggerEvent);
        PutOperation(gEventTable, kOpReadAircraftValue, (void*)HostReadAircraftValue);
        gSetterOperations[kOpSetStationWeight / sizeof(void*)] = (void*)HostSetStationWeight;
    }
} gTablesInit;

const char kMainWindowClass[] = "FS98MAIN";

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        Host().windowKeys.push_back(SimKeyMessage{message, wParam});
        return 0;
    case WM_COMMAND:
        Host().windowCommands.push_back(wParam);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

// ---- Aircraft ----

SimAircraft* SimCreateAircraft(const SimAircraftSpec& spec) {
    SimAircraft* aircraft = new SimAircraft;
    aircraft->userAircraft.assign(kUserAircraftSize, 0);
    aircraft->dataBlock.assign(kDataBlockSize, 0);
    aircraft->payload.assign(kPayloadDescriptorSize, 0);
    WriteHostPtr(aircraft->userAircraft.data(), kUserAircraftDataBlock, aircraft->dataBlock.data());
    WriteHostPtr(aircraft->dataBlock.data(), kDataBlockPayload, aircraft->payload.data());
    SimSetAtcModel(aircraft, spec.atcModel.c_str());
    SimSetStationCount(aircraft, spec.stations);
    SimSetOnGround(aircraft, spec.onGround);
    SimSetParkingBrake(aircraft, spec.parkingBrake);
    aircraft->stationWeights = spec.stationWeights;
    aircraft->cfg = spec.cfg;
    aircraft->centreOfGravityFixed = false;

    aircraft->slots.resize(spec.slots.size());
    aircraft->slotNames.resize(spec.slots.size());
    for (size_t k = 0; k < spec.slots.size(); k++) {
        aircraft->slotNames[k] = spec.slots[k].effectFile;
        aircraft->slots[k].assign(kEffectSlotSize, 0);
    }
    for (size_t k = 0; k < spec.slots.size(); k++) {
        unsigned char* slot = aircraft->slots[k].data();
        WriteHostDouble(slot, kSlotX, spec.slots[k].x);
        WriteHostDouble(slot, kSlotY, spec.slots[k].y);
        WriteHostDouble(slot, kSlotZ, spec.slots[k].z);
        WriteHostPtr(slot, kSlotEffectFile, aircraft->slotNames[k].c_str());
        WriteHostPtr(slot, kSlotNext, k + 1 < spec.slots.size() ? aircraft->slots[k + 1].data() : nullptr);
    }
    WriteHostPtr(aircraft->dataBlock.data(), kDataBlockFirstSlot,
                 aircraft->slots.empty() ? nullptr : aircraft->slots[0].data());
    return aircraft;
}

void SimDestroyAircraft(SimAircraft* aircraft) {
    if (Host().userAircraft == aircraft) {
        Host().userAircraft = nullptr;
    }
    delete aircraft;
}

void SimSetOnGround(SimAircraft* aircraft, bool onGround) {
    aircraft->userAircraft[kUserAircraftOnGround] = onGround ? 1 : 0;
}

void SimSetParkingBrake(SimAircraft* aircraft, bool set) {
    WriteHostU32(aircraft->userAircraft.data(), kUserAircraftParkingBrake, set ? 1 : 0);
}

void SimSetStationCount(SimAircraft* aircraft, unsigned count) {
    WriteHostU32(aircraft->payload.data(), kPayloadStationCount, count);
}

unsigned SimStationCount(const SimAircraft* aircraft) {
    return ReadHostU32(aircraft->payload.data(), kPayloadStationCount);
}

void SimSetAtcModel(SimAircraft* aircraft, const char* model) {
    char* text = (char*)aircraft->dataBlock.data() + kDataBlockAtcModel;
    memset(text, 0, kAtcModelCapacity);
    strncpy(text, model, kAtcModelCapacity - 1);
}

const char* SimHostSlotName(const SimAircraft* aircraft, size_t k) {
    return aircraft->slotNames[k].c_str();
}

const char* SimSlotName(const SimAircraft* aircraft, size_t k) {
    return (const char*)ReadHostPtr(aircraft->slots[k].data(), kSlotEffectFile);
}

double SimSlotCoord(const SimAircraft* aircraft, size_t k, int axis) {
    static const size_t offsets[3] = {kSlotX, kSlotY, kSlotZ};
    return ReadHostDouble(aircraft->slots[k].data(), offsets[axis]);
}

// ---- The host's answers ----

void SimSetUserAircraft(SimAircraft* aircraft) {
    Host().userAircraft = aircraft;
}

SimAircraft* SimUserAircraft(void) {
    return Host().userAircraft;
}

void SimSetPayloadSetterAvailable(bool available) {
    Host().payloadSetterAvailable = available;
}

void SimSetCentreOfGravity(double fraction) {
    Host().centreOfGravity = fraction;
    if (Host().userAircraft) {
        Host().userAircraft->centreOfGravityFixed = true;
    }
}

double SimCentreOfGravity(void) {
    const SimAircraft* aircraft = Host().userAircraft;
    double live;
    if (aircraft && aircraft->cfg && !aircraft->centreOfGravityFixed &&
        CfgCentreOfGravity(*aircraft->cfg, aircraft->stationWeights, &live)) {
        return live;
    }
    return Host().centreOfGravity;
}

void SimSetStationWeightHook(const std::function<void(int)>& hook) {
    Host().stationWeightHook = hook;
}

// ---- Service tables ----

static void* TableFor(uint32_t serviceId) {
    switch (serviceId) {
    case kServiceEvents:
        return gEventTable;
    case kServiceAircraft:
        return gAircraftTable;
    case kServiceText:
        return gTextTable;
    default:
        return nullptr;
    }
}

void SimBindServices(ImportEntry* importTable) {
    // The list ends at the entry with id 0.
    for (ImportEntry* entry = importTable; entry->serviceId != 0; entry++) {
        entry->table = TableFor(entry->serviceId);
    }
}

void SimUnbindServices(ImportEntry* importTable) {
    for (ImportEntry* entry = importTable; entry->serviceId != 0; entry++) {
        entry->table = nullptr;
    }
}

// ---- Host call record ----

const std::vector<HostCall>& SimCalls(void) {
    return Host().calls;
}

void SimClearCalls(void) {
    Host().calls.clear();
}

std::vector<HostCall> SimCallsOf(HostCallKind kind) {
    std::vector<HostCall> found;
    for (const HostCall& call : Host().calls) {
        if (call.kind == kind) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<std::string> SimShownTexts(void) {
    std::vector<std::string> texts;
    for (const HostCall& call : SimCallsOf(kCallShowText)) {
        texts.push_back(call.text);
    }
    return texts;
}

std::string SimScreenText(void) {
    return Host().screen;
}

std::vector<unsigned> SimEvents(void) {
    std::vector<unsigned> events;
    for (const HostCall& call : SimCallsOf(kCallTriggerEvent)) {
        events.push_back(call.id);
    }
    return events;
}

// ---- Main window ----

HWND SimCreateMainWindow(bool withMenu) {
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = HostWindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kMainWindowClass;
        RegisterClassA(&windowClass);
        registered = true;
    }
    HMENU menu = nullptr;
    if (withMenu) {
        menu = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, 40001, "Выход");
        AppendMenuA(menu, MF_POPUP, (UINT_PTR)file, "Полёт");
        HMENU view = CreatePopupMenu();
        AppendMenuA(view, MF_STRING, 40002, "Вид");
        AppendMenuA(menu, MF_POPUP, (UINT_PTR)view, "Вид");
    }
    HWND window = CreateWindowExA(0, kMainWindowClass, "Stand-in simulator", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  0, 0, 900, 700, nullptr, menu, instance, nullptr);
    Host().mainWindow = window;
    SetForegroundWindow(window);
    SetFocus(window);
    Host().windowKeys.clear();
    Host().windowCommands.clear();
    return window;
}

void SimDestroyMainWindow(void) {
    if (Host().mainWindow) {
        DestroyWindow(Host().mainWindow);
        Host().mainWindow = nullptr;
    }
}

HWND SimMainWindow(void) {
    return Host().mainWindow;
}

const std::vector<SimKeyMessage>& SimWindowKeys(void) {
    return Host().windowKeys;
}

void SimClearWindowKeys(void) {
    Host().windowKeys.clear();
}

const std::vector<WPARAM>& SimWindowCommands(void) {
    return Host().windowCommands;
}

void SimPumpMessages(DWORD milliseconds) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (GetTickCount() - start >= milliseconds) {
            break;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (true);
}

// ---- Loading the real module ----

bool SimLoadModule(const char* dllPath, SimModule* module) {
    module->library = LoadLibraryA(dllPath);
    if (!module->library) {
        return false;
    }
    module->linkage = (LinkageRecord*)GetProcAddress(module->library, "Linkage");
    module->importTable = (ImportEntry*)GetProcAddress(module->library, "ImportTable");
    if (!module->linkage || !module->importTable) {
        FreeLibrary(module->library);
        module->library = nullptr;
        return false;
    }
    SimBindServices(module->importTable);
    if (module->linkage->init) {
        module->linkage->init();
    }
    return true;
}

void SimUnloadModule(SimModule* module) {
    if (!module->library) {
        return;
    }
    if (module->linkage->deinit) {
        module->linkage->deinit();
    }
    FreeLibrary(module->library);
    module->library = nullptr;
}

// ---- Real keyboard input ----

static bool IsExtendedKey(WORD virtualKey) {
    return virtualKey == VK_RCONTROL || virtualKey == VK_RMENU || virtualKey == VK_RSHIFT;
}

void SimSendKey(WORD virtualKey, bool down) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = (WORD)MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    input.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    SendInput(1, &input, sizeof(input));
}

void SimTypeChord(const std::vector<WORD>& modifiers, WORD key) {
    for (WORD modifier : modifiers) {
        SimSendKey(modifier, true);
    }
    SimSendKey(key, true);
    SimSendKey(key, false);
    for (size_t i = modifiers.size(); i-- > 0;) {
        SimSendKey(modifiers[i], false);
    }
}
