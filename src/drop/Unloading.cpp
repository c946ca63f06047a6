#include "drop/Unloading.h"

// Built with the unloading issue.
void StartUnloading(void) {}

void CALLBACK UnloadTick(HWND window, UINT message, UINT_PTR timerId, DWORD time) {
    (void)window;
    (void)message;
    (void)timerId;
    (void)time;
}

void EmergencyUnload(void) {}

void ReleaseDropTimer(void) {}
