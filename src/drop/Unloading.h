// The unloading cycle: a one-second timer takes the load off again.
#pragma once

#include <windows.h>

// The drop timer: identifier 1 of the host main window, one tick a second.
const UINT_PTR kDropTimerId = 1;
const UINT kDropTimerPeriod = 1000;

// The start command (Ctrl+Shift+Space).
void StartUnloading(void);

// Timer procedure of the drop timer (id 1 of the host main window, 1000 ms).
void CALLBACK UnloadTick(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// The emergency command (Ctrl+Shift+Alt+1): ends everything at once, in any state.
void EmergencyUnload(void);

// Kills a running drop timer; used when the library is freed while the host runs on.
void ReleaseDropTimer(void);
