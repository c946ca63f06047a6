// The stand-in host simulator: a FS98MAIN main window with a menu bar, the host service
// tables 0x0F, 0x19 and 0x0A bound into a module's ImportTable, aircraft records built
// byte by byte at the host's offsets, and a record of every host call the module makes.
// Everything runs on the calling thread, as in the simulator.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "module/HostAbi.h"

struct AircraftCfg;

enum HostCallKind {
    kCallGetUserAircraft,
    kCallGetPayloadSetter,
    kCallClearText,
    kCallShowText,
    kCallTriggerEvent,
    kCallReadAircraftValue,
    kCallSetStationWeight,
};

struct HostCall {
    HostCallKind kind;
    std::string text;   // ShowText: the text, Windows-1251 bytes
    unsigned id;        // TriggerEvent: event id; ReadAircraftValue: variable
    int args[3];        // ShowText: 5, 60, 0; TriggerEvent: value; ReadAircraftValue: its arguments;
                        // SetStationWeight: 164, 124, station
    double weight;      // SetStationWeight
    void* object;       // SetStationWeight: the PayloadSetter it was called on
};

struct SimSlotSpec {
    std::string effectFile;
    double x, y, z;
};

struct SimAircraftSpec {
    std::string atcModel;   // Windows-1251
    unsigned stations;
    bool onGround;
    bool parkingBrake;
    std::vector<SimSlotSpec> slots;
    std::vector<double> stationWeights;     // starting weights, index 0 is station 1 (missing: 0 lb)
    std::shared_ptr<const AircraftCfg> cfg; // the aircraft.cfg it was built from, or null
};

// One simulated aircraft: the host records as raw bytes.
struct SimAircraft {
    std::vector<unsigned char> userAircraft;
    std::vector<unsigned char> dataBlock;
    std::vector<unsigned char> payload;
    std::vector<std::vector<unsigned char> > slots;
    std::vector<std::string> slotNames; // the host's own effect file name texts
    std::vector<double> stationWeights; // index 0 is station 1; set through the PayloadSetter
    std::shared_ptr<const AircraftCfg> cfg; // from its SimAircraftSpec; gives the live centre of gravity
    bool centreOfGravityFixed;              // SimSetCentreOfGravity was called while it was the user's
};

// ---- Aircraft ----
SimAircraft* SimCreateAircraft(const SimAircraftSpec& spec);
void SimDestroyAircraft(SimAircraft* aircraft);
void SimSetOnGround(SimAircraft* aircraft, bool onGround);
void SimSetParkingBrake(SimAircraft* aircraft, bool set);
void SimSetStationCount(SimAircraft* aircraft, unsigned count);
unsigned SimStationCount(const SimAircraft* aircraft);
void SimSetAtcModel(SimAircraft* aircraft, const char* model);
const char* SimHostSlotName(const SimAircraft* aircraft, size_t k);   // host's own pointer
const char* SimSlotName(const SimAircraft* aircraft, size_t k);       // what the slot points at now
double SimSlotCoord(const SimAircraft* aircraft, size_t k, int axis); // axis 0 x, 1 y, 2 z

// ---- The host's answers ----
// What GetUserAircraft returns (may be null), what the station weights apply to.
void SimSetUserAircraft(SimAircraft* aircraft);
SimAircraft* SimUserAircraft(void);
void SimSetPayloadSetterAvailable(bool available); // false: GetPayloadSetter returns null
// ReadAircraftValue(158, 0, 0). For a user aircraft built from an aircraft.cfg whose
// weights and geometry allow it, the host computes the value live from the current
// station weights (CfgCentreOfGravity) until SimSetCentreOfGravity is called while that
// aircraft is the user's: from then on it, like every other aircraft, gets the fixed value.
void SimSetCentreOfGravity(double fraction);
// What ReadAircraftValue(158, 0, 0) answers now (no host call is recorded).
double SimCentreOfGravity(void);
// Runs after every SetStationWeight (e.g. to change the station count during the spread).
void SimSetStationWeightHook(const std::function<void(int station)>& hook);

// ---- Service tables ----
// Binds the tables 0x0F, 0x19 and 0x0A into an ImportTable (entries found by id).
void SimBindServices(ImportEntry* importTable);
void SimUnbindServices(ImportEntry* importTable);

// ---- Host call record ----
const std::vector<HostCall>& SimCalls(void);
void SimClearCalls(void);
std::vector<HostCall> SimCallsOf(HostCallKind kind);
std::vector<std::string> SimShownTexts(void); // every ShowText, in order
std::string SimScreenText(void);              // what is on the host screen now
std::vector<unsigned> SimEvents(void);        // TriggerEvent ids, in order

// ---- Main window ----
// Creates the FS98MAIN window with a small menu bar (null menu when withMenu is false).
HWND SimCreateMainWindow(bool withMenu);
void SimDestroyMainWindow(void);
HWND SimMainWindow(void);
// Keystroke messages (WM_KEYDOWN/WM_KEYUP/WM_SYSKEYDOWN/WM_SYSKEYUP) the host window received.
struct SimKeyMessage {
    UINT message;
    WPARAM virtualKey;
};
const std::vector<SimKeyMessage>& SimWindowKeys(void);
void SimClearWindowKeys(void);
// WM_COMMAND wParams the host's own procedure received.
const std::vector<WPARAM>& SimWindowCommands(void);

// Runs the host's message loop for `milliseconds` (at least one pass).
void SimPumpMessages(DWORD milliseconds);

// ---- Loading the real module ----
struct SimModule {
    HMODULE library;
    LinkageRecord* linkage;
    ImportEntry* importTable;
};
// Loads the DLL as the simulator does: load, bind ImportTable, call the init routine.
bool SimLoadModule(const char* dllPath, SimModule* module);
void SimUnloadModule(SimModule* module);

// ---- Real keyboard input ----
// Types a chord with SendInput: modifiers down in order, key down and up, modifiers up
// in reverse order. Right-hand modifiers are sent as extended keys.
void SimTypeChord(const std::vector<WORD>& modifiers, WORD key);
void SimSendKey(WORD virtualKey, bool down);
