// The scenario runner: executes script steps on its own thread, feeding real input to
// the host's user-interface thread and reading what the host saw, and writes the
// transcript. The verdict becomes the host's exit code.
#pragma once

#include "simhost/app/scenario/ScenarioRun.h"

// Starts the runner thread; it asks the message loop to end with the exit code when done:
// 0 every expectation held, 1 some failed, 2 a step could not be carried out.
void ScenarioStart(const ScenarioOptions& options);
