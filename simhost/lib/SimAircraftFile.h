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
#pragma once

#include <string>

#include "simhost/SimHost.h"

struct SimAircraftFile {
    std::string title;      // UTF-8; the file's name when not given
    SimAircraftSpec spec;   // atcModel in Windows-1251, as the host's record holds it
    double centreOfGravity; // fraction of the mean aerodynamic chord
};

// Parses the text of an aircraft file. On failure `error` names the line and the fault.
bool SimParseAircraftFile(const std::string& text, SimAircraftFile* aircraft, std::string* error);
// Reads and parses a file; the title defaults to the file's name without its folder.
bool SimReadAircraftFile(const std::string& path, SimAircraftFile* aircraft, std::string* error);
