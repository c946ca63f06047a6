// The aircraft the stand-in host flies.
#include "simhost/app/HostAircraft.h"

#include "simhost/app/AircraftSource.h"
#include "simhost/app/HostObserver.h"
#include "simhost/app/HostThread.h"
#include "simhost/app/HostView.h"
#include "simhost/lib/SimText.h"

namespace {

struct Fleet {
    std::vector<SimAircraft*> aircraft; // every aircraft built; none is freed while running
    std::vector<SimAircraftFile> files;
    size_t current = 0;
};

Fleet& State() {
    static Fleet fleet;
    return fleet;
}

SimAircraftFile& CurrentFile() {
    return State().files[State().current];
}

} // namespace

bool HostUseAircraft(const std::string& path, std::string* error) {
    SimAircraftFile file;
    if (!AircraftSourceRead(path, &file, error)) {
        return false;
    }
    Fleet& s = State();
    SimAircraft* aircraft = SimCreateAircraft(file.spec);
    s.aircraft.push_back(aircraft);
    s.files.push_back(file);
    s.current = s.aircraft.size() - 1;
    SimSetUserAircraft(aircraft);
    SimSetCentreOfGravity(file.centreOfGravity);
    HostObserverTakeSlots();
    HWND main = HostMainWindow();
    if (main) {
        HostViewSetFlags(main, file.spec.onGround, file.spec.parkingBrake);
        HostViewInvalidate(main);
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
