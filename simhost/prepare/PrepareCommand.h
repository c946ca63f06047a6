// simhost.exe --prepare PATH [--slots N] [--undo] [--root DIR] [--lang ru|en]: gives every
// aircraft.cfg of PATH (found as the readiness check finds them) the smoke.N lines the drop
// needs, or with --undo puts each kept copy back. One line per file says what was done.
#pragma once

#include <string>
#include <vector>

#include "simhost/lib/SimTexts.h"
#include "simhost/prepare/Prepare.h"

struct PrepareOptions {
    std::string path;
    std::string root;     // the simulator folder, when PATH is not inside one
    int slots = 0;        // 1..4; 0: as the configuration files need
    bool undo = false;
    bool languageGiven = false;
    SimLanguage language = kSimRussian;
};

// True when argv holds --prepare (simhost then prepares and does nothing else).
bool IsPrepareCommand(int argc, char** argv);
// False, with the offending option in `bad`, for options unknown, incomplete or out of range.
bool ParsePrepareOptions(int argc, char** argv, PrepareOptions* options, std::string* bad);
// Prepares (or undoes) every aircraft.cfg of PATH, the configuration files found from the
// simulator folder; false when PATH or --root names nothing or PATH holds no aircraft.cfg.
bool RunPrepare(const PrepareOptions& options, std::vector<PrepareResult>* results);
// The line that says what was done to one file, in the given language (UTF-8).
std::string PrepareResultText(const PrepareResult& result, SimLanguage language);
// 0 every file prepared, ready already or put back; 1 some file could not be.
int PrepareExitCode(const std::vector<PrepareResult>& results);
// The whole command: one line per file to standard output, the exit code (2 for nothing
// found or a bad option).
int RunPrepareCommand(int argc, char** argv);
