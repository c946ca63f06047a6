// simhost.exe --check PATH [--root DIR] [--json] [--lang ru|en]: the airdrop readiness
// check of aircraft packages, with no window and no module loaded. It reads and never
// writes: not the packages, not the configuration files, nothing anywhere.
#pragma once

#include <functional>
#include <string>

#include "simhost/check/CheckAircraft.h"
#include "simhost/check/CheckReport.h"

struct CheckOptions {
    std::string path;
    std::string root; // the simulator folder, when PATH is not inside one
    bool json = false;
    SimLanguage language = SimCurrentLanguage();
};

// True when argv holds --check (simhost then runs the check and nothing else).
bool IsCheckCommand(int argc, char** argv);
// False, with `error` (in options->language, which --lang sets first), for options that
// are unknown or incomplete.
bool ParseCheckOptions(int argc, char** argv, CheckOptions* options, std::string* error);

// The folders a run resolves its paths in: the simulator folder (empty when unknown) and
// the current folder the module's relative paths start from; both UTF-8.
typedef std::function<void(const std::string& simulatorFolder, const std::string& baseFolder)> CheckHeadSink;
// Runs the check, giving `head` the folders and then `row` each row as soon as it is made;
// `totals` counts them. False, with `error`, when PATH or --root names nothing.
bool RunCheckRows(const CheckOptions& options, const CheckHeadSink& head, const CheckRowSink& row,
                  CheckTotals* totals, std::string* error);
// The same, every row collected in `report`.
bool RunCheck(const CheckOptions& options, CheckReport* report, std::string* error);
// The whole command: writes the report to standard output as it goes (wide characters to
// a console, UTF-8 bytes to files and pipes) and returns the exit code, 0 every row ready,
// 1 some row not ready, 2 nothing could be read or bad options (with --json the document
// is written then too, its "error" saying why).
int RunCheckCommand(int argc, char** argv);
