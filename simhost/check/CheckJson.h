// One row of the readiness check's JSON report, written straight into a string: the same
// bytes nlohmann::ordered_json's compact dump gives (replacement of invalid UTF-8
// included), without building a JSON object for every row. Anything outside the forms
// written here byte for byte (text that is not well-formed UTF-8, a number that is not a
// small whole one) is handed to the library itself.
#pragma once

#include <string>

#include "simhost/check/CheckReport.h"

// `text` as a JSON string, quotes included.
void CheckJsonString(const std::string& text, std::string* out);
// `value` as a JSON number, as the library writes a double.
void CheckJsonNumber(double value, std::string* out);
// The row as one compact JSON object (members as in CheckOutput.h).
void CheckJsonRow(const CheckRow& row, std::string* out);
