// Where the simulated aircraft come from.
#include "simhost/app/host/AircraftSource.h"

#include <windows.h>

#include "simhost/lib/SimTexts.h"

namespace {

std::vector<SimListedAircraft>& Catalogue() {
    static std::vector<SimListedAircraft> catalogue;
    return catalogue;
}

} // namespace

bool AircraftSourceRead(const std::string& path, int fltsim, SimAircraftFile* aircraft, std::string* error) {
    return SimReadAircraftSource(path, fltsim, aircraft, error);
}

bool AircraftSourceListSimulator(const std::string& simulatorDir, std::string* error) {
    std::vector<std::string> problems;
    Catalogue() = SimListSimulatorAircraft(simulatorDir, &problems);
    if (!problems.empty()) {
        *error = problems[0];
        return false;
    }
    if (Catalogue().empty()) {
        *error = SimTextWith(kTextNoAircraftFolder, {simulatorDir});
        return false;
    }
    return true;
}

const std::vector<SimListedAircraft>& AircraftSourceCatalogue(void) {
    return Catalogue();
}

int AircraftSourceFind(const std::string& title) {
    for (size_t i = 0; i < Catalogue().size(); i++) {
        if (Catalogue()[i].title == title) {
            return (int)i;
        }
    }
    return -1;
}

int AircraftSourceIndexOf(const std::string& path, int fltsim) {
    for (size_t i = 0; i < Catalogue().size(); i++) {
        if (lstrcmpiA(Catalogue()[i].path.c_str(), path.c_str()) == 0 && Catalogue()[i].fltsim == fltsim) {
            return (int)i;
        }
    }
    return -1;
}
