// Where the simulated aircraft come from.
#include "simhost/app/AircraftSource.h"

bool AircraftSourceRead(const std::string& path, SimAircraftFile* aircraft, std::string* error) {
    return SimReadAircraftFile(path, aircraft, error);
}
