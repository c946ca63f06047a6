// Simulated aircraft built from the simulator's own aircraft.cfg files: one variation
// turned into the host's records, the choice between a .aircraft file, an aircraft.cfg
// and a folder holding one, and the list of every variation of a simulator folder.
#include "simhost/lib/SimAircraftFile.h"

#include <windows.h>

#include <string.h>

#include "simhost/lib/SimFiles.h"
#include "simhost/lib/SimText.h"

namespace {

bool EndsWithNoCase(const std::string& text, const char* tail) {
    size_t n = strlen(tail);
    return text.size() >= n && lstrcmpiA(text.c_str() + text.size() - n, tail) == 0;
}

} // namespace

bool SimAircraftFromCfg(const AircraftCfg& cfg, int fltsim, SimAircraftFile* out, std::string* error) {
    if (fltsim < 0 || (size_t)fltsim >= cfg.variations.size()) {
        *error = "no variation [fltsim." + std::to_string(fltsim) + "] (the file has [fltsim.0]";
        if (cfg.variations.size() > 1) {
            *error += " to [fltsim." + std::to_string(cfg.variations.size() - 1) + "]";
        }
        *error += ")";
        return false;
    }
    const CfgVariation& variation = cfg.variations[(size_t)fltsim];
    SimAircraftFile file;
    file.cfgPath = cfg.path;
    file.fltsim = fltsim;
    file.titleBytes = variation.title;
    file.title = SimCp1251ToUtf8(variation.title);
    file.spec.atcModel = CfgAtcModel(cfg, variation);
    if (file.spec.atcModel.size() >= kAtcModelCapacity) {
        *error = "line " + std::to_string(variation.line) + ": atc_model longer than " +
                 std::to_string(kAtcModelCapacity - 1) + " bytes";
        return false;
    }
    file.spec.onGround = true;
    file.spec.parkingBrake = true;
    file.spec.stations = (unsigned)cfg.stations.size();
    for (const CfgStation& station : cfg.stations) {
        file.spec.stationWeights.push_back(station.weight);
        file.stationNames.push_back(SimCp1251ToUtf8(station.name));
    }
    for (const CfgSmoke& smoke : cfg.smokes) {
        file.spec.slots.push_back(SimSlotSpec{smoke.effect, smoke.lat, smoke.vert, smoke.lon});
    }
    std::shared_ptr<AircraftCfg> shared = std::make_shared<AircraftCfg>(cfg);
    file.spec.cfg = shared;
    file.liveCentreOfGravity = CfgCentreOfGravity(cfg, file.spec.stationWeights, &file.centreOfGravity);
    if (!file.liveCentreOfGravity) {
        file.centreOfGravity = 0.25;
    }
    CfgAircraftOutline(cfg, &file.outline);
    *out = file;
    return true;
}

std::string SimAircraftCfgInFolder(const std::string& folder) {
    std::string path = SimChildPath(folder, "aircraft.cfg");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found); // finds the name in any letter case
    if (search == INVALID_HANDLE_VALUE) {
        return std::string();
    }
    FindClose(search);
    return SimIsFile(path) ? SimChildPath(folder, found.cFileName) : std::string();
}

bool SimReadAircraftSource(const std::string& path, int fltsim, SimAircraftFile* out, std::string* error) {
    std::string cfgPath = path;
    if (SimIsFolder(path)) {
        cfgPath = SimAircraftCfgInFolder(path);
        if (cfgPath.empty()) {
            *error = path + ": no aircraft.cfg in this folder";
            return false;
        }
    } else if (EndsWithNoCase(path, ".aircraft")) {
        if (fltsim != 0) {
            *error = path + ": a variation can be chosen only in an aircraft.cfg";
            return false;
        }
        return SimReadAircraftFile(path, out, error);
    }
    AircraftCfg cfg;
    if (!ReadAircraftCfg(cfgPath, &cfg, error)) {
        return false;
    }
    if (!SimAircraftFromCfg(cfg, fltsim, out, error)) {
        *error = cfgPath + ": " + *error;
        return false;
    }
    return true;
}

std::vector<SimListedAircraft> SimListSimulatorAircraft(const std::string& simulatorDir,
                                                        std::vector<std::string>* problems) {
    std::vector<SimListedAircraft> listed;
    std::string aircraftDir = simulatorDir + "\\Aircraft";
    for (const std::string& folder : SimSubfolders(aircraftDir)) {
        std::string path = SimAircraftCfgInFolder(aircraftDir + "\\" + folder);
        AircraftCfg cfg;
        std::string error;
        if (path.empty()) {
            error = aircraftDir + "\\" + folder + ": no aircraft.cfg in this folder";
        } else if (ReadAircraftCfg(path, &cfg, &error)) {
            for (const CfgVariation& v : cfg.variations) {
                listed.push_back(SimListedAircraft{path, v.index, SimCp1251ToUtf8(v.title), v.title});
            }
            continue;
        }
        if (problems) {
            problems->push_back(error);
        }
    }
    return listed;
}
