// Where the simulated aircraft come from: turns a path into the description the host
// builds its aircraft records from.
#pragma once

#include <string>

#include "simhost/lib/SimAircraftFile.h"

// Reads the aircraft at `path` (an aircraft file). False, with a reason naming the file
// and the line, when it cannot be read.
bool AircraftSourceRead(const std::string& path, SimAircraftFile* aircraft, std::string* error);
