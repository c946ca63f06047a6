// The aircraft the stand-in host flies.
#include "simhost/app/HostAircraft.h"

#include "simhost/app/AircraftMenu.h"
#include "simhost/app/AircraftSource.h"
#include "simhost/app/HostDescription.h"
#include "simhost/app/HostObserver.h"
#include "simhost/app/HostThread.h"
#include "simhost/app/window/HostView.h"
#include "simhost/lib/SimText.h"

namespace {

struct Fleet {
    std::vector<SimAircraft*> aircraft; // every aircraft built; none is freed while running
    std::vector<SimAircraftFile> files;
    size_t current = 0;
    std::string simulatorFolder;
};

Fleet& State() {
    static Fleet fleet;
    return fleet;
}

SimAircraftFile& CurrentFile() {
    return State().files[State().current];
}

} // namespace

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
    HostObserverTakeSlots();
    AircraftMenuMark(AircraftSourceIndexOf(file.cfgPath, file.fltsim));
    HWND main = HostMainWindow();
    if (main) {
        HostViewSetFlags(main, file.spec.onGround, file.spec.parkingBrake);
        HostViewInvalidate(main);
    }
    return true;
}

bool HostUseListedAircraft(int index, std::string* error) {
    const SimListedAircraft& listed = AircraftSourceCatalogue()[(size_t)index];
    if (!HostUseAircraft(listed.path, listed.fltsim, error)) {
        return false;
    }
    for (const std::string& line : HostDescribeSwitch()) {
        HostLog(line);
    }
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
    HostViewSetFlags(HostMainWindow(), onGround, CurrentFile().spec.parkingBrake);
    HostViewInvalidate(HostMainWindow());
    HostLog(std::string("aircraft: ") + (onGround ? "on the ground" : "in the air"));
}

void HostSetParkingBrake(bool set) {
    SimSetParkingBrake(HostCurrentAircraft(), set);
    CurrentFile().spec.parkingBrake = set;
    HostViewSetFlags(HostMainWindow(), CurrentFile().spec.onGround, set);
    HostViewInvalidate(HostMainWindow());
    HostLog(std::string("aircraft: parking brake ") + (set ? "set" : "released"));
}

void HostSetCentreOfGravity(double fraction) {
    CurrentFile().centreOfGravity = fraction;
    SimSetCentreOfGravity(fraction);
    HostViewInvalidate(HostMainWindow());
    HostLog("aircraft: centre of gravity " + SimFormatNumber(fraction));
}

std::string HostConfigPath(void) {
    return "Modules/KestrelFieldWorks/KFWS_Airdrop/" + CurrentFile().spec.atcModel + ".cfg";
}

void HostSetSimulatorFolder(const std::string& folder) {
    State().simulatorFolder = folder;
}

const std::string& HostSimulatorFolder(void) {
    return State().simulatorFolder;
}
