// What the aircraft views draw: the host's model of the aircraft and the exit points as
// the window holds them now (moved, perhaps not saved yet).
#pragma once

#include <vector>

#include "simhost/app/window/ExitPoints.h"
#include "simhost/app/window/HostViewModel.h"

struct AircraftScene {
    const HostViewModel* model;
    std::vector<ExitPoint> exits;    // drawn
    std::vector<ExitPoint> fitExits; // the views are fitted to these: the exits as they were
                                     // when a drag began, so that the views hold still under it
};
