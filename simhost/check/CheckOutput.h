// The readiness check's report as text (one block per row) or as one JSON document; both UTF-8.
#pragma once

#include <string>

#include "simhost/check/CheckReport.h"

std::string CheckReportText(const CheckReport& report, CheckLanguage language);
// {"aircraft": [{"path", "fltsim", "title", "atc_model", "stations", "effect_slots",
//   "config_file", "ready", "findings": [{"severity", "code", "text"}], ...}], ...}
std::string CheckReportJson(const CheckReport& report);
