// The expectations of a scenario ("expect KIND ..."), one check function per row of the
// language (SimScriptLanguage.h), run on the user-interface thread against the host as
// it is after the last acting step.
#pragma once

#include <string>

#include "simhost/lib/SimScript.h"

// "" when the expectation holds, otherwise what was found instead.
std::string ExpectationCheck(const SimScriptStep& step);
