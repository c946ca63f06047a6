#include "config/ConfigFile.h"

// Loading: the load command, the re-acquire command and the payload spread.
#pragma once

// Asks the host for the current user aircraft and keeps it in gAirdropState.
void* AcquireUserAircraft(void);

// The re-acquire command (Ctrl+Shift+Alt+0): AcquireUserAircraft and nothing else.
void ReacquireUserAircraft(void);

// The load command (Ctrl+Shift+1).
void LoadAircraft(void);

// Spreads `totalWeight` pounds evenly over the payload stations of the kept aircraft.
void ApplyPayload(double totalWeight);

// No aircraft has more payload stations than this. A larger count is not a station list
// (a count of 0xFFFFFFFF would take hours of host calls), and a count that keeps growing
// while the stations are set would never let the spread end: the load is refused.
const unsigned kMaxPayloadStations = 1024;

// Weight in pounds of a load, by variant; false for a variant that has no weight.
bool LoadWeight(const AircraftConfig& config, double* weight);
