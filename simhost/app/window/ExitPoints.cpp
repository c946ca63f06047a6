// The exit points of the current aircraft as the module will use them.
#include "simhost/app/window/ExitPoints.h"

#include <windows.h>

#include "drop/AirdropState.h"
#include "simhost/check/PlacedExits.h"

namespace {

// The module's reading of one value: the file's text by the platform's profile
// functions, then the module's whole-number rule.
int ReadValue(const std::string& path, const char* key) {
    char value[kConfigValueSize];
    ReadConfigValue(path.c_str(), key, value);
    return ParseConfigInt(value);
}

} // namespace

bool ExitConfigRead(const std::string& path, AircraftConfig* config) {
    *config = AircraftConfig();
    if (path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // what is on disk now
    config->variant = ReadValue(path, kKeyVariant);
    config->method = ReadValue(path, kKeyMethod);
    config->exitType = ReadValue(path, kKeyType);
    config->leftX = ReadValue(path, kKeyLeftX);
    config->leftY = ReadValue(path, kKeyLeftY);
    config->leftZ = ReadValue(path, kKeyLeftZ);
    config->downX = ReadValue(path, kKeyDownX);
    config->downY = ReadValue(path, kKeyDownY);
    config->downZ = ReadValue(path, kKeyDownZ);
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
