// The readiness check's report, written as it goes: plain text for people (one block per
// row) or one JSON document for programs, both UTF-8. Nothing but the current row is held.
//
// JSON: {"simulator_folder": "...", "aircraft": [ one object per row, one per line:
//   {"path", "fltsim", "title", "atc_model", "stations", "effect_slots", "config_file",
//    "ready", "visible", "findings": [{"severity", "code", "text"}], "config_path", "config"} ],
//  "files_read", "files_unreadable", "liveries", "ready", "visible", "error": null or a text}
#pragma once

#include <functional>
#include <string>

#include "simhost/check/CheckReport.h"

struct CheckWriter {
    bool json = false;
    SimLanguage language = kSimRussian;
    std::function<void(const std::string&)> out; // takes each piece of the report in order
    std::string simulatorFolder;                 // paths inside it are shown from there on
    int rowsWritten = 0;
};

// The head: the simulator folder (or the folder the module's paths are resolved from).
void CheckWriteHead(CheckWriter* writer, const std::string& simulatorFolder, const std::string& baseFolder);
void CheckWriteRow(CheckWriter* writer, const CheckRow& row);
// The end: the counts and, when the run could not be made, the error (empty when none).
// In text the error is left to the caller (it goes to standard error).
void CheckWriteEnd(CheckWriter* writer, const CheckTotals& totals, const std::string& error);

// A whole collected report at once (tests and tools).
std::string CheckReportText(const CheckReport& report, SimLanguage language);
std::string CheckReportJson(const CheckReport& report);
