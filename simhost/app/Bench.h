// The stand-in host's user-interface thread: the FS98MAIN window with the module loaded
// into it, the aircraft, the host's view of what happens (the observation log), and the
// pictures the window draws. Everything here runs on that one thread; the script runner
// reaches it only through BenchRunOnUi.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "simhost/lib/SimAircraftFile.h"

struct BenchOptions {
    std::string dllPath;
    std::string aircraftPath; // absolute
    bool verbose;             // print every host call
    bool interactive;         // print observations to the console as they come
};

// Creates the host window, the aircraft and loads the module. False with a reason.
bool BenchStart(const BenchOptions& options, std::string* error);
// Runs the host's message loop until the window closes or BenchQuit is called.
int BenchRunMessageLoop(void);
// Asks the message loop to end (from any thread).
void BenchQuit(int exitCode);
void BenchStop(void);

// Runs `work` on the user-interface thread and waits for it (from the script thread).
void BenchRunOnUi(const std::function<void()>& work);
// Waits (from the script thread) until every message posted to the user-interface
// thread before this call has been handled.
bool BenchSyncPosted(DWORD timeoutMs);
DWORD BenchUiThreadId(void);

// ---- Called on the user-interface thread ----
HWND BenchMainWindow(void);
// Switches the user aircraft to one built from a file; the old one stays alive, since
// the module may still hold it.
bool BenchUseAircraft(const std::string& path, std::string* error);
const SimAircraftFile& BenchAircraftFile(void);
void BenchSetOnGround(bool onGround);
void BenchSetParkingBrake(bool set);
void BenchSetCentreOfGravity(double fraction);
// Looks at the host's record of calls, the effect slots, the dialog, message boxes and
// the menu bar, and logs what changed.
void BenchObserve(void);
// Takes the log lines gathered since the last call.
std::vector<std::string> BenchTakeObservations(void);
// Marks the start of a step: times in the log count from here.
void BenchBeginStep(void);
size_t BenchStepFirstCall(void);
// Lines describing the station weights and the effect slots of the user aircraft now.
std::vector<std::string> BenchDescribeStations(void);
std::vector<std::string> BenchDescribeSlots(void);
// The configuration file of the current aircraft (path relative to the host folder).
std::string BenchConfigPath(void);
// The open configuration dialog and message box (visible windows of the module), or null.
HWND BenchConfigDialog(void);
HWND BenchMessageBox(void);
int BenchConfigDialogCount(void);
std::string BenchWindowTextUtf8(HWND window);
std::string BenchMessageBoxText(HWND box);
// Counts of keystrokes and mouse-button releases the host thread has taken in.
LONG BenchKeyEventsSeen(void);
LONG BenchMouseUpsSeen(void);
