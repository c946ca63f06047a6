// The aircraft the stand-in host flies.
#include "simhost/app/host/HostAircraft.h"

#include "config/ConfigFile.h"

#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/HostLog.h"
#include "simhost/lib/SimTexts.h"

namespace {

struct Fleet {
    std::vector<SimAircraft*> aircraft; // every aircraft built; none is freed while running
    std::vector<SimAircraftFile> files;
    size_t current = 0;
    std::string simulatorFolder;
    std::vector<HostAircraftListener> listeners;
};

Fleet& State() {
    static Fleet fleet;
    return fleet;
}

SimAircraftFile& CurrentFile() {
    return State().files[State().current];
}

void Tell(HostAircraftChange change) {
    for (HostAircraftListener listener : State().listeners) {
        listener(change);
    }
}

} // namespace

void HostAircraftListen(HostAircraftListener listener) {
    State().listeners.push_back(listener);
}

bool HostUseAircraft(const std::string& path, int fltsim, std::string* error) {
    SimAircraftFile file;
    if (!AircraftSourceRead(path, fltsim, &file, error)) {
        return false;
    }
    Fleet& s = State();
    SimAircraft* aircraft = SimCreateAircraft(file.spec);
    s.aircraft.push_back(aircraft);
    s.files.push_back(file);
    s.current = s.aircraft.size() - 1;
    SimSetUserAircraft(aircraft);
    // An aircraft.cfg aircraft gets its centre of gravity from its station weights.
    if (!file.liveCentreOfGravity) {
        SimSetCentreOfGravity(file.centreOfGravity);
    }
    Tell(kAircraftSwitched);
    return true;
}

bool HostHasAircraft(void) {
    return !State().files.empty();
}

const SimAircraftFile& HostAircraftFile(void) {
    return CurrentFile();
}

SimAircraft* HostCurrentAircraft(void) {
    Fleet& s = State();
    return s.aircraft.empty() ? nullptr : s.aircraft[s.current];
}

void HostSetOnGround(bool onGround) {
    SimSetOnGround(HostCurrentAircraft(), onGround);
    CurrentFile().spec.onGround = onGround;
    Tell(kAircraftFlagsChanged);
    HostLog(std::string("aircraft: ") + (onGround ? "on the ground" : "in the air"));
}

void HostSetParkingBrake(bool set) {
    SimSetParkingBrake(HostCurrentAircraft(), set);
    CurrentFile().spec.parkingBrake = set;
    Tell(kAircraftFlagsChanged);
    HostLog(std::string("aircraft: parking brake ") + (set ? "set" : "released"));
}

void HostSetCentreOfGravity(double fraction) {
    CurrentFile().centreOfGravity = fraction;
    SimSetCentreOfGravity(fraction);
    Tell(kAircraftCentreMoved);
    HostLog("aircraft: centre of gravity " + SimCentreOfGravityTextIn(kSimEnglish, fraction));
}

std::string HostConfigPath(void) {
    char path[kConfigPathSize];
    ConfigFilePath(CurrentFile().spec.atcModel.c_str(), path);
    return path;
}

void HostSetSimulatorFolder(const std::string& folder) {
    State().simulatorFolder = folder;
}

const std::string& HostSimulatorFolder(void) {
    return State().simulatorFolder;
}
