// The module-wide state of the airdrop. All zero at load; never reset as a whole.
// States: idle (loaded 0, working 0), loaded (1, 0), working (1, 1).
#pragma once

#include <windows.h>

#include "config/ConfigFile.h"

const int kSavedSlotCount = 4;
const int kTickMessageSize = 260;

// One of the aircraft's first four effect slots as it was before the last load.
struct SavedEffectSlot {
    double x, y, z;
    const char* effectFile; // the host's own name pointer, not a copy
};

struct AirdropState {
    void* userAircraft;      // the host's UserAircraft as last acquired
    int loaded;              // 1 from a successful load until the drop ends
    int working;             // 1 while the unloading timer runs
    int paratroopersLeft;
    double remainingWeight;  // pounds still aboard during unloading
    double totalLoadWeight;  // pounds set by the last load
    SavedEffectSlot savedSlots[kSavedSlotCount];
    int slotsSaved;          // 1 once savedSlots holds a real save
    void* savedSlotList;     // the first effect slot of the aircraft savedSlots came from
    int slotsLent;           // 1 from a save until savedSlots went back to savedSlotList
    char tickMessage[kTickMessageSize];
    ConfigFileState configFileState;
    AircraftConfig config;
    HWND configDialogWindow; // the open configuration dialog, or null
    UINT_PTR dropTimer;      // id of the running drop timer (1 on the host main window), 0 when none
};

extern AirdropState gAirdropState;
