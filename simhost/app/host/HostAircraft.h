// The aircraft the stand-in host flies: every aircraft built so far (none is freed while
// the host runs, since the module may still hold one), which of them is the user's, and
// the person's or the script's changes to its flags and centre of gravity. Whoever shows
// the aircraft (the window, the menu, the observer) listens for its changes.
// Called on the user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "simhost/SimHost.h"
#include "simhost/lib/SimAircraftFile.h"

enum HostAircraftChange {
    kAircraftSwitched,     // another aircraft is the user's
    kAircraftFlagsChanged, // on the ground or parking brake
    kAircraftCentreMoved,  // centre of gravity
};
typedef void (*HostAircraftListener)(HostAircraftChange change);
// Listeners are called in the order they were added, after the change.
void HostAircraftListen(HostAircraftListener listener);

// Switches the user aircraft to one built from variation `fltsim` of `path`; the old one
// stays alive.
bool HostUseAircraft(const std::string& path, int fltsim, std::string* error);
bool HostHasAircraft(void);
// The description of the user aircraft (flags as they are now) and its host records.
const SimAircraftFile& HostAircraftFile(void);
SimAircraft* HostCurrentAircraft(void);
void HostSetOnGround(bool onGround);
void HostSetParkingBrake(bool set);
void HostSetCentreOfGravity(double fraction);
// The configuration file of the current aircraft as the module names it (relative to the
// host folder; empty for a model name that cannot name a file).
std::string HostConfigPath(void);
// The simulator folder whose Effects the module's slots name, when it is known ("" when
// the host runs in a scratch folder).
void HostSetSimulatorFolder(const std::string& folder);
const std::string& HostSimulatorFolder(void);
