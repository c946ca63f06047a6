// The exit points of the current aircraft as the module will use them.
#include "simhost/app/ExitPoints.h"

#include <windows.h>

#include "config/ConfigFile.h"
#include "drop/AirdropState.h"
#include "drop/Effects.h"

namespace {

// The module's reading of one value: the file's text by the platform's profile
// functions, then the module's whole-number rule.
int ReadValue(const std::string& path, const char* key) {
    char value[kConfigValueSize];
    ReadConfigValue(path.c_str(), key, value);
    return ParseConfigInt(value);
}

// Which of S, S', R, R' (index 0..3) the module's placement table puts an effect at: the
// table is asked with the configuration's variant, method and exit type but with points
// that cannot coincide (side x = 1, rear x = 2; a mirror negates x).
void MarkUsed(const AircraftConfig& config, std::vector<ExitPoint>* points) {
    AircraftConfig probe = config;
    probe.leftX = 1, probe.leftY = 0, probe.leftZ = 0;
    probe.downX = 2, probe.downY = 0, probe.downZ = 0;
    EffectPlacement placements[kSavedSlotCount];
    if (!ChoosePlacements(probe, placements)) {
        return;
    }
    for (const EffectPlacement& placement : placements) {
        if (placement.effectFile[0] == '\0') {
            continue;
        }
        int index = placement.x == 1 ? 0 : placement.x == -1 ? 1 : placement.x == 2 ? 2 : placement.x == -2 ? 3 : -1;
        if (index >= 0) {
            (*points)[(size_t)index].used = true;
        }
    }
}

} // namespace

std::vector<ExitPoint> ExitPointsRead(const std::string& path) {
    std::vector<ExitPoint> points;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return points;
    }
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); // what is on disk now
    AircraftConfig config = {};
    config.variant = ReadValue(path, kKeyVariant);
    config.method = ReadValue(path, kKeyMethod);
    config.exitType = ReadValue(path, kKeyType);
    config.leftX = ReadValue(path, kKeyLeftX);
    config.leftY = ReadValue(path, kKeyLeftY);
    config.leftZ = ReadValue(path, kKeyLeftZ);
    config.downX = ReadValue(path, kKeyDownX);
    config.downY = ReadValue(path, kKeyDownY);
    config.downZ = ReadValue(path, kKeyDownZ);
    points.push_back({"S", config.leftX, config.leftY, config.leftZ, false});
    points.push_back({"S'", -config.leftX, config.leftY, config.leftZ, false});
    points.push_back({"R", config.downX, config.downY, config.downZ, false});
    points.push_back({"R'", -config.downX, config.downY, config.downZ, false});
    MarkUsed(config, &points);
    return points;
}
