// The window's one door to the readiness check (simhost/check): the findings for one
// livery of one aircraft.cfg, run by the same code as `simhost --check`, and which of them
// the window knows a fix for. Nothing else in the window calls the check.
#pragma once

#include <string>
#include <vector>

enum CheckFixKind {
    kFixNone,
    kFixOpenConfigurator, // the module's configuration dialog creates the file
    kFixMoveInside,       // the exit points moved into the aircraft's outline (unsaved)
    kFixPrepare,          // the smoke.N lines added to aircraft.cfg (the prepare command)
};

struct WindowFinding {
    std::string severity; // "error", "warning", "info"
    std::string code;
    std::string text;     // UTF-8, in the window's language
    CheckFixKind fix;
};

struct WindowCheck {
    bool ran = false;     // false: `error` says why
    std::string error;    // UTF-8
    bool ready = false;
    std::vector<WindowFinding> findings;
};

// Checks variation [fltsim.`fltsim`] of `cfgPath`, the module's relative paths resolved
// against `rootFolder` (the host's current folder, which holds its Modules folder).
WindowCheck WindowCheckRun(const std::string& cfgPath, int fltsim, const std::string& rootFolder);
