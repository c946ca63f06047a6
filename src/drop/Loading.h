// Loading: the load command, the re-acquire command and the payload spread.
#pragma once

#include "config/ConfigFile.h"

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

// Pounds of the load's units: a paratrooper, a kilogram of cargo, and half a litre's
// share of liquid (litres are multiplied by it, then doubled).
const double kPoundsPerParatrooper = 220.0;
const double kPoundsPerKilogram = 2.20462;
const double kPoundsPerLitreHalf = 0.9;

// Weight in pounds of a load, by variant; false for a variant that has no weight.
bool LoadWeight(const AircraftConfig& config, double* weight);
