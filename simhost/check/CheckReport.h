// The readiness check's findings: one row per variation ([fltsim.N]) of every aircraft.cfg
// checked, each with what the module will make of it. Every text here is UTF-8.
#pragma once

#include <string>
#include <vector>

#include "config/ConfigFile.h"

enum CheckLanguage { kCheckRussian, kCheckEnglish };

struct CheckFinding {
    std::string severity; // "error", "warning" or "info"
    std::string code;     // stable: no-config-file, bad-variant, ...
    std::string text;
};

struct CheckRow {
    std::string path;      // the aircraft.cfg
    int fltsim = -1;       // N of [fltsim.N]; -1 for a file that could not be read
    std::string title;
    std::string atcModel;  // the one the stand-in host gives the module
    int stations = 0;      // station_load.N lines
    int effectSlots = 0;   // smoke.N lines
    std::string configFile = "no-model"; // present, absent, unusable-name, no-model
    std::string configPath; // the configuration file, relative to the simulator folder
    bool hasConfig = false;      // the configuration file was read into `config`
    AircraftConfig config = {};
    std::vector<CheckFinding> findings;
    bool Ready() const;
};

struct CheckReport {
    std::string simulatorFolder; // empty when not known
    std::string baseFolder;      // where the module's relative paths were resolved
    std::vector<CheckRow> rows;
    int filesRead = 0;
    int filesUnreadable = 0;
};

// A text in the chosen language with each "{}" replaced by the next argument.
std::string CheckSay(CheckLanguage language, const char* russian, const char* english,
                     const std::vector<std::string>& args = {});

// Numbers and quoted file text in the findings: 2204.62, "Trainer 1".
std::string CheckNumber(double value);
std::string CheckQuoted(const std::string& utf8);

void AddFinding(CheckRow* row, const char* severity, const char* code, const std::string& text);

// 0 every row ready, 1 some row not ready, 2 nothing could be read.
int CheckExitCode(const CheckReport& report);
