// The user aircraft as transcript lines.
#include "simhost/app/host/HostDescription.h"

#include <stdio.h>

#include "simhost/app/window/ExitPoints.h"
#include "simhost/app/host/EffectFiles.h"
#include "simhost/app/host/HostAircraft.h"
#include "simhost/lib/SimText.h"

std::vector<HostSlotView> HostReadSlots(SimAircraft* aircraft) {
    std::vector<HostSlotView> views;
    if (!aircraft) {
        return views;
    }
    for (size_t k = 0; k < aircraft->slots.size(); k++) {
        HostSlotView view;
        view.pointer = SimSlotName(aircraft, k);
        view.name = view.pointer ? view.pointer : "";
        view.x = SimSlotCoord(aircraft, k, 0);
        view.y = SimSlotCoord(aircraft, k, 1);
        view.z = SimSlotCoord(aircraft, k, 2);
        views.push_back(view);
    }
    return views;
}

std::string HostDescribeFlags(void) {
    const SimAircraftFile& file = HostAircraftFile();
    return "atc_model \"" + SimCp1251ToUtf8(file.spec.atcModel) + "\", " +
           (file.spec.onGround ? "on the ground" : "in the air") + ", parking brake " +
           (file.spec.parkingBrake ? "set" : "released");
}

std::vector<std::string> HostDescribeSwitch(void) {
    const SimAircraftFile& file = HostAircraftFile();
    std::vector<std::string> lines = {"user aircraft now: " + file.title + ", atc_model \"" +
                                      SimCp1251ToUtf8(file.spec.atcModel) + "\""};
    for (const std::string& line : HostDescribeStations()) {
        lines.push_back(line);
    }
    for (const std::string& line : HostDescribeSlots()) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> HostDescribeStations(void) {
    SimAircraft* aircraft = HostCurrentAircraft();
    std::vector<std::string> lines;
    if (!aircraft) {
        return lines;
    }
    unsigned count = SimStationCount(aircraft);
    if (count == 0) {
        lines.push_back("stations: none");
        return lines;
    }
    std::string text = "stations (lb):";
    for (unsigned i = 0; i < count; i++) {
        double weight = i < aircraft->stationWeights.size() ? aircraft->stationWeights[i] : 0.0;
        text += " " + std::to_string(i + 1) + ": " + SimFormatNumber(weight) + (i + 1 < count ? "," : "");
    }
    lines.push_back(text);
    return lines;
}

std::vector<std::string> HostDescribeSlots(void) {
    SimAircraft* aircraft = HostCurrentAircraft();
    std::vector<std::string> lines;
    if (!aircraft || aircraft->slots.empty()) {
        lines.push_back("effect slots: none");
        return lines;
    }
    lines.push_back("effect slots:");
    std::vector<HostSlotView> slots = HostReadSlots(aircraft);
    for (size_t k = 0; k < slots.size(); k++) {
        const HostSlotView& slot = slots[k];
        std::string name = slot.pointer ? "\"" + SimCp1251ToUtf8(slot.name) + "\"" : "(no name)";
        bool own = slot.pointer == SimHostSlotName(aircraft, k);
        char line[512];
        snprintf(line, sizeof(line), "    %u  %-22s at (%s, %s, %s)%s", (unsigned)k, name.c_str(),
                 SimFormatNumber(slot.x).c_str(), SimFormatNumber(slot.y).c_str(), SimFormatNumber(slot.z).c_str(),
                 own ? "  [aircraft's own]" : "");
        lines.push_back(line);
    }
    // Which effect file each of the module's slots names, when the simulator folder is known.
    if (!HostSimulatorFolder().empty()) {
        for (const ModuleSlotEffect& effect : EffectFilesOfModuleSlots(aircraft, HostSimulatorFolder())) {
            lines.push_back("    slot " + std::to_string(effect.slot) + " names " +
                            EffectFileDescribe(effect.file, effect.name));
        }
    }
    return lines;
}

std::string HostDescribeExits(void) {
    const SimAircraftFile& file = HostAircraftFile();
    if (!file.spec.cfg || file.spec.atcModel.empty()) {
        return "";
    }
    std::string text;
    for (const ExitPoint& exit : ExitPointsRead(HostConfigPath())) {
        text += std::string(text.empty() ? "exit points: " : ", ") + exit.label + " (" + SimFormatNumber(exit.x) + ", " +
                SimFormatNumber(exit.y) + ", " + SimFormatNumber(exit.z) + ")" + (exit.used ? " used" : "");
        if (file.outline.known && CfgPointOutside(file.outline, exit.x, exit.y, exit.z)) {
            text += " OUTSIDE the outline";
        }
    }
    return text;
}
