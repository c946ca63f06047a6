// Where the simulated aircraft come from: a path (an aircraft file, an aircraft.cfg in
// any letter case, or a folder holding one) with a variation number, and the catalogue of
// a simulator folder, every variation of each Aircraft\*\aircraft.cfg, listed by title.
#pragma once

#include <string>
#include <vector>

#include "simhost/lib/SimAircraftFile.h"

// Reads variation `fltsim` of the aircraft at `path`. False, with a reason naming the
// file and the line, when it cannot be read or is no aircraft.
bool AircraftSourceRead(const std::string& path, int fltsim, SimAircraftFile* aircraft, std::string* error);
// Lists the aircraft of a simulator folder. False, naming the first package that cannot
// be read, or when the folder holds no aircraft at all.
bool AircraftSourceListSimulator(const std::string& simulatorDir, std::string* error);
const std::vector<SimListedAircraft>& AircraftSourceCatalogue(void);
// The catalogue entry titled `title` (UTF-8), or -1.
int AircraftSourceFind(const std::string& title);
// The catalogue entry built from `path` and `fltsim`, or -1.
int AircraftSourceIndexOf(const std::string& path, int fltsim);
