// The user aircraft as transcript lines: its model and flags, station weights and effect
// slots as they are now. Called on the user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "simhost/SimHost.h"

// What one effect slot holds now.
struct HostSlotView {
    const char* pointer; // the name pointer in the slot (may be the host's own text)
    std::string name;
    double x, y, z;
    bool operator==(const HostSlotView& other) const {
        return pointer == other.pointer && name == other.name && x == other.x && y == other.y && z == other.z;
    }
};

std::vector<HostSlotView> HostReadSlots(SimAircraft* aircraft);
// "atc_model \"M\", on the ground, parking brake set"
std::string HostDescribeFlags(void);
// What a switch of the user aircraft shows: its title and model, stations and slots.
std::vector<std::string> HostDescribeSwitch(void);
std::vector<std::string> HostDescribeStations(void);
std::vector<std::string> HostDescribeSlots(void);
// For an aircraft.cfg aircraft with a configuration file: its exit points, which of them
// the module uses and which lie outside the outline, in one line; "" otherwise.
std::string HostDescribeExits(void);
