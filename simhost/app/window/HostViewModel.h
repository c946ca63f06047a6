// What the host hands its window to draw: the aircraft, the host screen, whether the
// effect emitters run, the centre of gravity and the simulator folder. Filled by the
// host at each paint; the window draws it and never changes it.
#pragma once

#include <string>

#include "simhost/SimHost.h"
#include "simhost/lib/SimAircraftFile.h"

struct HostViewModel {
    const SimAircraftFile* file = nullptr; // null before the first aircraft
    SimAircraft* aircraft = nullptr;
    std::string screenText;       // Windows-1251
    bool lit = false;             // the effect emitters run (or ran a moment ago)
    double centreOfGravity = 0;   // what the host answers now, fraction of the MAC
    std::string simulatorFolder;  // where the effect files are looked up; "" unknown
};
