// The exit points of the current aircraft as the module will use them: the side point S
// and the rear point R of its configuration file, read by the module's rule (whole
// numbers: leading digits with an optional sign, the rest ignored, clamped to 32 bits),
// and their mirrors S' and R' (x negated). Called on the user-interface thread.
#pragma once

#include <string>
#include <vector>

struct ExitPoint {
    const char* label; // "S", "S'", "R", "R'"
    double x, y, z;    // effect-slot axes
    bool used;         // the configured variant, method and exit type put an effect there
};

// The module's reading of a configuration value.
long ExitPointsParseValue(const std::string& text);
// The four points, or none when the aircraft has no configuration file.
std::vector<ExitPoint> ExitPointsRead(const std::string& configPath);
