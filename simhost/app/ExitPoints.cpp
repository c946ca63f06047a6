// The exit points of the current aircraft as the module will use them.
#include "simhost/app/ExitPoints.h"

#include <windows.h>

#include "config/ConfigFile.h"
#include "drop/AirdropState.h"
#include "simhost/check/PlacedExits.h"

std::vector<ExitPoint> ExitPointsRead(const std::string& path) {
    std::vector<ExitPoint> points;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return points;
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // what is on disk now
    AircraftConfig config = {};
    ReadConfigFile(path.c_str(), &config); // the module's own reading
    points.push_back({"S", config.leftX, config.leftY, config.leftZ, false});
    points.push_back({"S'", -config.leftX, config.leftY, config.leftZ, false});
    points.push_back({"R", config.downX, config.downY, config.downZ, false});
    points.push_back({"R'", -config.downX, config.downY, config.downZ, false});
    // The order of the points is that of PlacedExit.
    int exits[kSavedSlotCount];
    PlacedExits(config, exits);
    for (int exit : exits) {
        if (exit != kPlacedNone) {
            points[(size_t)exit].used = true;
        }
    }
    return points;
}
