// Where the host window's panels go for a client area of a given size: a left column of
// fixed reading width (the aircraft, its flags, stations and effect files) and a right part
// that takes the rest (the host screen beside the readiness check, the exit-point bar, and
// the plan and side views sharing what height is left). Everything scales with the window
// down to the minimum, which fits a 1366x768 screen with room to spare.
#pragma once

#include <windows.h>

// The smallest client area the window allows.
const int kViewMinClientWidth = 960;
const int kViewMinClientHeight = 560;

struct ViewLayout {
    RECT aircraft; // the aircraft and the hotkeys (the configuration dialog opens over it)
    RECT flags;    // the caption and the host's two check boxes
    RECT stations;
    RECT effects;  // empty when there is no room or no simulator folder
    RECT screen;   // the host's on-screen message
    RECT check;    // the readiness check's findings
    RECT bar;      // Save and Cancel, the unsaved moves, the cursor read-out
    RECT plan;
    RECT side;
};

// `toScale`: an aircraft drawn to scale is wider than high, so the plan view gets more room.
ViewLayout ViewLayoutFor(int width, int height, bool toScale, bool effects);
