// The exit points of the current aircraft as the module will use them: the side point S
// and the rear point R of its configuration file, read with the module's own reading rule,
// and their mirrors S' and R' (x negated). Called on the user-interface thread.
#pragma once

#include <string>
#include <vector>

#include "config/ConfigFile.h"

struct ExitPoint {
    const char* label; // "S", "S'", "R", "R'"
    double x, y, z;    // effect-slot axes
    bool used;         // the module's placement table puts an effect there
};

// The four points, in the order of PlacedExit, of a configuration.
std::vector<ExitPoint> ExitPointsOf(const AircraftConfig& config);
// Reads the file's variant, method, exit type and six coordinates as the module reads
// them (what is on disk now); false, with `config` zero, when there is no file.
bool ExitConfigRead(const std::string& configPath, AircraftConfig* config);
// The four points, or none when the aircraft has no configuration file.
std::vector<ExitPoint> ExitPointsRead(const std::string& configPath);
