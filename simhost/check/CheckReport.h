// The readiness check's findings: one row per livery ([fltsim.N]) of every aircraft.cfg
// checked, each with what the module will make of it and what to do about it. Every text
// here is UTF-8, and every text in a row is bounded, whatever the files hold.
#pragma once

#include <string>
#include <vector>

#include "config/ConfigFile.h"
#include "simhost/lib/SimTexts.h"

struct CheckFinding {
    std::string severity; // "error", "warning" or "info"
    std::string code;     // stable: no-config-file, bad-variant, ...
    std::string text;     // what is found, then " — " and what to do
};

struct CheckRow {
    std::string path;      // the aircraft.cfg (or the aircraft folder of an unreadable one)
    int fltsim = -1;       // N of [fltsim.N]; -1 for a file or folder that could not be read
    std::string title;
    std::string atcModel;  // the one the stand-in host gives the module
    int stations = 0;      // station_load.N lines
    int effectSlots = 0;   // smoke.N lines
    std::string configFile = "no-model"; // present, absent, unusable-name, no-model
    std::string configPath; // the configuration file, relative to the simulator folder
    bool hasConfig = false;      // the configuration file was read into `config`
    AircraftConfig config = {};
    bool visible = false;        // the module will show the drop (set by the effect rules)
    std::vector<CheckFinding> findings;
    bool Ready() const;          // no error: the module will load
    bool Visible() const { return Ready() && visible; }
};

// The counts of a whole run; the rows themselves go out as they are made.
struct CheckTotals {
    int rows = 0, ready = 0, visible = 0;
    int filesRead = 0;
    int filesUnreadable = 0; // files and folders with an `unreadable` row
};

struct CheckReport {
    std::string simulatorFolder; // empty when not known
    std::string baseFolder;      // where the module's relative paths were resolved
    std::vector<CheckRow> rows;  // kept only by callers that collect them (tests, tools)
    int filesRead = 0;
    int filesUnreadable = 0;
};

// A pattern in the chosen language with each "{}" replaced by the next argument.
std::string CheckSay(SimLanguage language, const char* russian, const char* english,
                     const std::vector<std::string>& args = {});
// The same with one of simhost's own texts as the pattern.
std::string CheckSayText(SimLanguage language, SimTextId id, const std::vector<std::string>& args = {});

// Numbers and quoted file text in the findings: 2204.62, "Trainer 1".
std::string CheckNumber(double value);
std::string CheckQuoted(const std::string& utf8);

// At most this many bytes of a file's text are shown in a row; real titles, models and
// paths are far shorter (a usable model name has at most 216 characters).
const size_t kCheckShownBytes = 300;
// File text (Windows-1251 bytes) as UTF-8, cut to kCheckShownBytes bytes with "…" and the
// full length in characters when longer: "aaaa… (100000 characters)".
std::string CheckShown(SimLanguage language, const std::string& cp1251);
std::string CheckShownQuoted(SimLanguage language, const std::string& cp1251);

// Adds a finding whose text is `what`, " — " and `fix`, the thing to do.
void AddFinding(CheckRow* row, const char* severity, const char* code, const std::string& what,
                const std::string& fix);

// 0 every row ready, 1 some row not ready, 2 nothing could be read.
int CheckExitCode(const CheckTotals& totals);
int CheckExitCode(const CheckReport& report);
