// simhost.exe --check PATH [--root DIR] [--json] [--lang ru|en]: the airdrop readiness
// check of aircraft packages, with no window and no module loaded. It reads and never
// writes: not the packages, not the configuration files, nothing anywhere.
#pragma once

#include <string>

#include "simhost/check/CheckReport.h"

struct CheckOptions {
    std::string path;
    std::string root; // the simulator folder, when PATH is not inside one
    bool json = false;
    CheckLanguage language = kCheckRussian;
};

// True when argv holds --check (simhost then runs the check and nothing else).
bool IsCheckCommand(int argc, char** argv);
// False, with `error`, for options that are unknown or incomplete.
bool ParseCheckOptions(int argc, char** argv, CheckOptions* options, std::string* error);
// Runs the check; false, with `error`, when PATH or --root names nothing.
bool RunCheck(const CheckOptions& options, CheckReport* report, std::string* error);
// The whole command: prints the report to stdout (UTF-8) and returns the exit code,
// 0 every row ready, 1 some row not ready, 2 nothing could be read or bad options.
int RunCheckCommand(int argc, char** argv);
