// The readiness check of one aircraft.cfg: one row per livery, each judged by the module's
// own rules (its naming rule, its reading of the configuration file, its load weight, its
// placement table) as they would play out in the simulator.
#pragma once

#include <functional>
#include <string>

#include "simhost/check/CheckContext.h"
#include "simhost/check/CheckReport.h"
#include "simhost/lib/AircraftCfg.h"

// No real aircraft.cfg comes near this size; a larger file is one `unreadable` row.
const unsigned long long kCheckMaxCfgBytes = 16ull << 20;

typedef std::function<void(const CheckRow&)> CheckRowSink;

// One aircraft.cfg on its way through the check: read (CheckReadFile), parsed
// (CheckParseFile), its models' configuration files read (CheckReadConfigurations, which
// keeps what it learns in the context), then judged row by row (CheckParsedFile). The run
// takes a batch of files through each step before the next, so that the reads follow one
// another (under emulation a read between other work costs half as much again).
enum CheckReadResult { kReadDone, kReadCannotOpen, kReadTooLarge };
struct CheckFileRead {
    std::string path;
    CheckReadResult read = kReadCannotOpen;
    std::string text;            // until parsed
    unsigned long long size = 0; // of a file too large
    bool parsed = false;
    AircraftCfg cfg;
    std::string error; // why it does not parse
};
// Reads the file at `path` (Windows-1251), or the file `opened` already (a HANDLE, which
// is closed here; INVALID_HANDLE_VALUE for none), with the bound above.
void CheckReadFile(const std::string& path, void* opened, CheckFileRead* file);
void CheckParseFile(CheckFileRead* file);
void CheckReadConfigurations(CheckContext* context, const CheckFileRead& file);
// Gives `sink` the file's rows, one after the other, or one `unreadable` row when it could
// not be read or is not an aircraft.cfg. True when the file was read.
bool CheckParsedFile(CheckFileRead* file, CheckContext* context, const CheckRowSink& sink);

// One `unreadable` row for an aircraft folder that could not be read, with `why` (UTF-8:
// what is wrong and what to do).
CheckRow CheckUnreadableRow(const std::string& path, const std::string& what,
                            const std::string& fix);
