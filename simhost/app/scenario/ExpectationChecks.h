// The check functions of the expectations, one per row of the language
// (SimScriptLanguage.h): "" when the expectation holds, otherwise what was found
// instead. Those on what the host saw are in Expectations.cpp, those on the module's
// windows and the configuration file in WindowExpectations.cpp.
#pragma once

#include <string>

#include "simhost/lib/SimScript.h"
#include "simhost/lib/SimScriptLanguage.h"

#define SCENARIO_DECLARE_CHECK(Id, name, fewest, most, parse, check) std::string check(const SimScriptStep& step);
SIM_SCRIPT_EXPECTATIONS(SCENARIO_DECLARE_CHECK)
#undef SCENARIO_DECLARE_CHECK

// A text as the transcript quotes it: in double quotes, a line feed as \n.
std::string ExpectQuote(const std::string& utf8);
std::string ExpectCp1251(const std::string& utf8);
