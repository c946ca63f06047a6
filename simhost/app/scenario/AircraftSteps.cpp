// The acting steps of a scenario on the aircraft: its flags and centre of gravity, a
// switch to another aircraft, and what it shows now.
#include "simhost/app/scenario/ScenarioSteps.h"

#include <windows.h>

#include "simhost/SimHost.h"
#include "simhost/app/host/AircraftMenu.h"
#include "simhost/app/host/AircraftSource.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/app/host/HostDescription.h"
#include "simhost/app/host/HostThread.h"
#include "simhost/app/scenario/ScenarioRun.h"
#include "simhost/app/scenario/Transcript.h"
#include "simhost/lib/SimText.h"

namespace {

std::string Resolve(const std::string& path, const std::string& base) {
    if (path.size() > 1 && (path[0] == '/' || path[0] == '\\' || path[1] == ':')) {
        return path;
    }
    return base + path;
}

void SetOnGround(bool onGround) {
    HostRunOnUi([&] { HostSetOnGround(onGround); });
}

void SetParkingBrake(bool set) {
    HostRunOnUi([&] { HostSetParkingBrake(set); });
}

void EmitIndented(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        TranscriptEmit("  " + line);
    }
}

} // namespace

void RunSet(const SimScriptStep& step) {
    if (step.name == "cg") {
        HostRunOnUi([&] { HostSetCentreOfGravity(step.numbers[0]); });
    } else if (step.name == "on_ground") {
        SetOnGround(step.flag);
    } else {
        SetParkingBrake(step.flag);
    }
}

void RunLiftOff(const SimScriptStep&) {
    SetOnGround(false);
}

void RunLand(const SimScriptStep&) {
    SetOnGround(true);
}

void RunReleaseBrake(const SimScriptStep&) {
    SetParkingBrake(false);
}

void RunSetBrake(const SimScriptStep&) {
    SetParkingBrake(true);
}

// A title of the simulator folder's aircraft, as its aircraft selection lists them (the
// switch logs itself), or a file.
void RunAircraft(const SimScriptStep& step) {
    int listed = AircraftSourceFind(step.name);
    std::string path = Resolve(step.name, ScenarioGetOptions().scriptDir);
    std::string why;
    bool ok = false;
    std::vector<std::string> lines;
    HostRunOnUi([&] {
        if (listed >= 0) {
            ok = HostUseListedAircraft(listed, &why);
        } else if ((ok = HostUseAircraft(path, 0, &why))) {
            lines = HostDescribeSwitch();
        }
    });
    if (!ok && GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES && !AircraftSourceCatalogue().empty()) {
        why = "no aircraft of the simulator folder is titled \"" + step.name + "\", nor is it a file";
    }
    if (!ok) {
        ScenarioBroken(why);
    }
    EmitIndented(lines);
}

void RunShow(const SimScriptStep&) {
    std::vector<std::string> lines;
    HostRunOnUi([&] {
        lines.push_back("aircraft: " + HostAircraftFile().title + ", " + HostDescribeFlags());
        lines.push_back("screen: «" + SimCp1251ToUtf8(SimScreenText()) + "»");
        for (const std::string& line : HostDescribeStations()) {
            lines.push_back(line);
        }
        for (const std::string& line : HostDescribeSlots()) {
            lines.push_back(line);
        }
    });
    EmitIndented(lines);
}
