// The readiness check of one aircraft.cfg: one row per variation, each judged by the
// module's own rules (its naming rule, its reading of the configuration file, its load
// weight, its placement table) as they would play out in the simulator.
#pragma once

#include <map>
#include <string>

#include "simhost/check/CheckReport.h"

struct CheckModelState {
    int nameFault;      // CheckModelName
    bool reachable;     // the full path fits the profile functions
    int fileState;      // CheckConfigFile: 0 or 1
    AircraftConfig config;
};

struct CheckContext {
    CheckLanguage language = kCheckRussian;
    std::string simulatorFolder; // empty when unknown: effect files are then not looked for
    // The module's relative paths are resolved against the current folder, which the
    // caller makes the simulator folder. What is learnt of each model and effect file is
    // kept for the whole run.
    std::map<std::string, CheckModelState> models;
    std::map<std::string, bool> effectFiles;
};

// Appends the rows of the file at `path` (one `unreadable` row when the reader refuses it).
void CheckAircraftFile(const std::string& path, CheckContext* context, CheckReport* report);

// Once every file is checked: an info finding on the first row of each group of rows that
// share one configuration file, naming the others.
void NoteSharedConfigFiles(CheckLanguage language, CheckReport* report);
