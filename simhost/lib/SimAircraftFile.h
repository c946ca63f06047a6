// Aircraft files: small UTF-8 text files that describe a simulated user aircraft.
//
//   # comment (also after a value)
//   title         = Transport, four stations      (optional; shown by simhost)
//   atc_model     = An-12                         (required; may be empty: "atc_model =")
//   stations      = 4                             (payload stations, 0 or more)
//   on_ground     = yes                           (yes/no, default yes)
//   parking_brake = yes                           (yes/no, default yes)
//   cg            = 0.253                         (centre of gravity, fraction of the chord)
//   slot          = fx_smoke_l.fx  -3  1  -10     (an effect slot: file name, x, y, z;
//                                                  one line per slot, in list order)
//
// Each key but `slot` may appear once. Coordinates use the host's effect axes: x negative
// left, y negative down, z negative aft.
//
// The simulator's own aircraft.cfg (read by AircraftCfg) gives a simulated aircraft too:
// one variation [fltsim.N] becomes its title and atc_model, the stations with the file's
// weights as starting weights, one effect slot per smoke.N = vert, lon, lat, name (x the
// third field, lateral; y the first, vertical; z the second, longitudinal; the effect name
// as written), the outline, and a live centre of gravity.
// It stands on the ground with the parking brake set.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "simhost/SimHost.h"
#include "simhost/lib/AircraftCfg.h"

struct SimAircraftFile {
    std::string title;            // UTF-8; the file's name when not given
    SimAircraftSpec spec;         // atcModel in Windows-1251, as the host's record holds it;
                                  // spec.cfg is the whole aircraft.cfg reading, null for a .aircraft file
    double centreOfGravity = 0.25; // fraction of the mean aerodynamic chord (the starting value when live)

    // Only for an aircraft built from an aircraft.cfg:
    std::string cfgPath;                   // the aircraft.cfg read
    int fltsim = -1;                       // N of the variation [fltsim.N]
    std::string titleBytes;                // the variation's title as in the file (Windows-1251)
    std::vector<std::string> stationNames; // UTF-8, one per station (may be empty texts)
    bool liveCentreOfGravity = false;      // the host computes it from the station weights
    CfgOutline outline = CfgOutline{0, 0, 0, 0, 0, 0, false}; // wheels, scrape points and span
};

// Parses the text of an aircraft file. On failure `error` names the line and the fault.
bool SimParseAircraftFile(const std::string& text, SimAircraftFile* aircraft, std::string* error);
// Reads and parses a file; the title defaults to the file's name without its folder.
bool SimReadAircraftFile(const std::string& path, SimAircraftFile* aircraft, std::string* error);

// Builds the aircraft of variation [fltsim.`fltsim`] of a parsed aircraft.cfg.
bool SimAircraftFromCfg(const AircraftCfg& cfg, int fltsim, SimAircraftFile* out, std::string* error);
// The aircraft.cfg of a folder, named in the letter case the folder writes it; empty when
// there is none (a folder of that name does not count).
std::string SimAircraftCfgInFolder(const std::string& folder);
// Reads an aircraft from a .aircraft file (fltsim must be 0), an aircraft.cfg (any name
// not ending in .aircraft; letter case does not matter) or a folder holding an
// aircraft.cfg (found in any letter case). `error` starts with the path.
bool SimReadAircraftSource(const std::string& path, int fltsim, SimAircraftFile* out, std::string* error);

struct SimListedAircraft {
    std::string path;       // the aircraft.cfg
    int fltsim;             // N of [fltsim.N]
    std::string title;      // UTF-8
    std::string titleBytes; // as in the file
};
// Every variation of every SIMULATOR\Aircraft\*\aircraft.cfg, by folder name (without
// regard to case) and then N. A folder whose aircraft.cfg is missing or cannot be read
// adds its reason to `problems` (when given).
std::vector<SimListedAircraft> SimListSimulatorAircraft(const std::string& simulatorDir,
                                                        std::vector<std::string>* problems = nullptr);
