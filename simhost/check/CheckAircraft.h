// The readiness check of one aircraft.cfg: one row per livery, each judged by the module's
// own rules (its naming rule, its reading of the configuration file, its load weight, its
// placement table) as they would play out in the simulator.
#pragma once

#include <functional>
#include <string>

#include "simhost/check/CheckContext.h"
#include "simhost/check/CheckReport.h"

// No real aircraft.cfg comes near this size; a larger file is one `unreadable` row.
const unsigned long long kCheckMaxCfgBytes = 16ull << 20;

typedef std::function<void(const CheckRow&)> CheckRowSink;

// Gives `sink` the rows of the file at `path` (Windows-1251 path), one after the other,
// or one `unreadable` row when it cannot be read or is not an aircraft.cfg. True when the
// file was read. `opened`, when given, is the file already open for reading (a HANDLE),
// which is closed here.
bool CheckAircraftFile(const std::string& path, CheckContext* context, const CheckRowSink& sink,
                       void* opened = (void*)-1);

// One `unreadable` row for an aircraft folder that could not be read, with `why` (UTF-8:
// what is wrong and what to do).
CheckRow CheckUnreadableRow(const std::string& path, const std::string& what,
                            const std::string& fix);
