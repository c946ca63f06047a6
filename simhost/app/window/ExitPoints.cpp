// The exit points of the current aircraft as the module will use them.
#include "simhost/app/window/ExitPoints.h"

#include <windows.h>

#include "drop/AirdropState.h"
#include "simhost/check/PlacedExits.h"

bool ExitConfigRead(const std::string& path, AircraftConfig* config) {
    *config = AircraftConfig();
    if (path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // what is on disk now
    ReadConfigFile(path.c_str(), config); // the module's own reading
    return true;
}

std::vector<ExitPoint> ExitPointsOf(const AircraftConfig& config) {
    std::vector<ExitPoint> points;
    points.push_back({"S", config.leftX, config.leftY, config.leftZ, false});
    points.push_back({"S'", -config.leftX, config.leftY, config.leftZ, false});
    points.push_back({"R", config.downX, config.downY, config.downZ, false});
    points.push_back({"R'", -config.downX, config.downY, config.downZ, false});
    int exits[kSavedSlotCount];
    PlacedExits(config, exits);
    for (int exit : exits) {
        if (exit != kPlacedNone) {
            points[(size_t)exit].used = true;
        }
    }
    return points;
}

std::vector<ExitPoint> ExitPointsRead(const std::string& path) {
    AircraftConfig config;
    if (!ExitConfigRead(path, &config)) {
        return std::vector<ExitPoint>();
    }
    return ExitPointsOf(config);
}
