// The scenario runner: executes script steps on its own thread, feeding real input to
// the host's user-interface thread and reading what the host saw, and prints the
// transcript.
#pragma once

#include <stdio.h>

#include <string>
#include <vector>

#include "simhost/lib/SimScript.h"

struct RunnerOptions {
    std::vector<SimScriptStep> steps;
    std::string scriptDir; // relative paths in the script start here (absolute, with slash)
    std::string outDir;    // pictures go here (absolute, with slash)
    FILE* transcript;      // also written here when not null
};

// Starts the runner thread; it asks the message loop to end with the exit code when done:
// 0 every expectation held, 1 some failed, 2 a step could not be carried out.
void RunnerStart(const RunnerOptions& options);
// Writes one transcript line (UTF-8) to the console and the transcript file.
void RunnerEmit(const std::string& line);
