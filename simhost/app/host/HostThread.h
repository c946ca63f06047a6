// The stand-in host's user-interface thread: the FS98MAIN window with the module loaded
// into it, its message loop, and the ways the scenario thread reaches it. Everything the
// host does runs on that one thread; other threads reach it only through HostRunOnUi.
// The window's own procedure and drawing are the caller's (HostOptions::dressWindow).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct HostOptions {
    std::string dllPath;
    std::string aircraftPath; // absolute
    int fltsim;               // the variation of an aircraft.cfg
    bool verbose;             // log every host call
    bool interactive;         // print observations to the console as they come
    // Called once the host window exists and before the module is loaded: puts the
    // window's own procedure behind it, sizes it, adds its controls and menus.
    void (*dressWindow)(HWND main);
};

// Creates the host window and the aircraft and loads the module. False with a reason.
bool HostStart(const HostOptions& options, std::string* error);
// Runs the host's message loop until the window closes or HostQuit is called.
int HostRunMessageLoop(void);
// Asks the message loop to end (from any thread).
void HostQuit(int exitCode);
void HostStop(void);
// The exit code the loop ends with when the window is closed (set before it closes).
int HostExitCode(void);

// Runs `work` on the user-interface thread and waits for it (from the script thread).
void HostRunOnUi(const std::function<void()>& work);
// Waits (from the script thread) until every message posted to the user-interface
// thread before this call has been handled.
bool HostSyncPosted(DWORD timeoutMs);

// Counts of keystrokes and mouse-button releases the host thread has taken in.
LONG HostKeyEventsSeen(void);
LONG HostMouseUpsSeen(void);
