// What the steps and expectations of a running scenario share: the runner's options,
// what the last acting step did, and whether a step could not be carried out.
// Used on the runner thread.
#pragma once

#include <windows.h>

#include <stdio.h>

#include <string>
#include <vector>

#include "simhost/lib/SimScript.h"

struct ScenarioOptions {
    std::vector<SimScriptStep> steps;
    std::string scriptDir; // relative paths in the script start here (absolute, with slash)
    std::string outDir;    // pictures go here (absolute, with slash)
    FILE* transcript;      // also written here when not null
};

// What the last acting step did: its host calls are [firstCall, endCall) of SimCalls().
struct ScenarioLastStep {
    size_t firstCall;
    size_t endCall;
    WORD key; // the key of its chord, if it pressed one
};

void ScenarioSetOptions(const ScenarioOptions& options);
const ScenarioOptions& ScenarioGetOptions(void);
ScenarioLastStep& ScenarioLast(void);
// The step could not be carried out: the scenario stops after it.
void ScenarioBroken(const std::string& why);
bool ScenarioIsBroken(void);
