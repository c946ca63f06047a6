// The scenario runner: executes script steps on its own thread, feeding real input to
// the host's user-interface thread and reading what the host saw, and writes the
// transcript. The verdict becomes the host's exit code.
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

// Starts the runner thread; it asks the message loop to end with the exit code when done:
// 0 every expectation held, 1 some failed, 2 a step could not be carried out.
void ScenarioStart(const ScenarioOptions& options);

// ---- For the steps and expectations, on the runner thread ----

// What the last acting step did: its host calls are [firstCall, endCall) of SimCalls().
struct ScenarioLastStep {
    size_t firstCall;
    size_t endCall;
    WORD key; // the key of its chord, if it pressed one
};

const ScenarioOptions& ScenarioGetOptions(void);
ScenarioLastStep& ScenarioLast(void);
// The step could not be carried out: the scenario stops after it.
void ScenarioBroken(const std::string& why);
